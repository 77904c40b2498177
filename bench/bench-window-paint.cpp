// One full repaint of the main window at 1280 x 800: toolbar, skinned frame,
// tree and pane drawn into an image of the window's size, at device pixel
// ratio 1 and 2 (where the skin copies from its double-size bitmaps); and
// the skin alone (toolbar panel with its buttons, frame). Needs an X server
// (run under xvfb-run); without one it says so and ends.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QWebEngineView>
#include <cstdio>

#include "app/Main.h"
#include "browser/BrowserProfile.h"
#include "skin/TepSchemeForm.h"
#include "skin/TepSchemePanel.h"

using namespace lumivra;

namespace {

TMainForm* form = nullptr;

void RenderInto(QWidget* widget, int ratio) {
  QPixmap image(widget->size() * ratio);
  image.setDevicePixelRatio(ratio);
  widget->render(&image);
  benchmark::DoNotOptimize(image);
}

void WindowRepaint(benchmark::State& state) {
  const int ratio = static_cast<int>(state.range(0));
  for (auto _ : state) RenderInto(form, ratio);
}
BENCHMARK(WindowRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void SkinRepaint(benchmark::State& state) {
  const int ratio = static_cast<int>(state.range(0));
  for (auto _ : state) {
    RenderInto(form->ToolPanel, ratio);
    RenderInto(form->mlSchemeForm, ratio);
  }
}
BENCHMARK(SkinRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::puts("bench-window-paint: needs an X server (xvfb-run); skipped");
    return 0;
  }
  PrepareBrowserEngine();
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  TMainForm mainForm;
  form = &mainForm;
  mainForm.resize(1280, 800);
  mainForm.show();
  bool loaded = false;
  QObject::connect(mainForm.WebBrowser, &QWebEngineView::loadFinished, [&] { loaded = true; });
  while (!loaded) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  ::benchmark::Initialize(&argc, argv);
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
