// Timings of the reader window: start-up to the splash screen shown, to the
// forms created behind it and to the title page, selecting
// chapter 2 until its page is complete in each display option, and the report
// of every verse from the press to its page complete in the information
// window. Needs an X server (run under xvfb-run); without one it says so and
// ends.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <QWebEngineView>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "BrowserDocument.h"
#include "BrowserProfile.h"
#include "ChapterPageBuilder.h"
#include "Cp1252.h"
#include "ScriptText.h"
#include "AutoCombo.h"
#include "InformationDialog.h"
#include "Main.h"
#include "Maker.h"
#include "MessageBoxes.h"
#include "SearchDialog.h"
#include "SearchPageWindow.h"
#include "SplashScreenDialog.h"

namespace {

TMainForm* form = nullptr;

// Milliseconds since this process started.
double SinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) fields >> field;  // field 22: start time in clock ticks
  const double startSeconds = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
  std::ifstream uptime("/proc/uptime");
  double upSeconds = 0;
  uptime >> upSeconds;
  return (upSeconds - startSeconds) * 1000.0;
}

void WaitComplete() {
  while (form->BrowserReadyState() != 4) QCoreApplication::processEvents();
}

// When the first screen of the written page was painted (epoch ms).
double WaitShown() {
  double shownAt = 0;
  while ((shownAt = std::stod(
              "0" + EvaluateInBrowser(form->WebBrowser, "String(window.lumivraShownAt||'')"))) == 0) {
  }
  return shownAt;
}

void ShowChapter2(benchmark::State& state) {
  form->ViewOption = static_cast<int>(state.range(0));
  QTreeWidgetItem* chapter2 = form->NodeAtAbsolutePosition(3);
  QTreeWidgetItem* chapter1 = form->NodeAtAbsolutePosition(2);
  double shownTotal = 0;
  for (auto _ : state) {
    state.PauseTiming();
    form->TreeView->setCurrentItem(chapter1);
    WaitComplete();
    WaitShown();
    EvaluateInBrowser(form->WebBrowser, "window.lumivraShownAt=0");
    state.ResumeTiming();
    const double start = static_cast<double>(QDateTime::currentMSecsSinceEpoch());
    form->TreeView->setCurrentItem(chapter2);
    WaitComplete();
    state.PauseTiming();
    shownTotal += WaitShown() - start;
    state.ResumeTiming();
  }
  // Selection to the first screen of the page painted.
  state.counters["shown_ms"] = shownTotal / static_cast<double>(state.iterations());
}
BENCHMARK(ShowChapter2)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(10);

// The browser's share: writing the finished page until it is complete.
void WriteChapter2Page(benchmark::State& state) {
  const int option = static_cast<int>(state.range(0));
  lumivra::StringList first;
  lumivra::StringList translation;
  if (option == 0) form->Content().LoadChapterLines(lumivra::TextKind::Arabic, "2", first);
  if (option == 1) form->Content().LoadChapterLines(lumivra::TextKind::Transliteration, "2", first);
  form->Content().LoadChapterLines(lumivra::TextKind::Translation, "2", translation);
  const std::string page = *lumivra::BuildChapterPage(option, "2", first, translation);
  for (auto _ : state) {
    WritePageToBrowser(form->WebBrowser, page);
    WaitComplete();
  }
  state.counters["page_bytes"] = static_cast<double>(page.size());
  if (std::getenv("LUMIVRA_BENCH_DETAIL")) {
    WritePageToBrowser(form->WebBrowser, "<html><body></body></html>");
    WaitComplete();
    const std::string utf8 = lumivra::Cp1252ToUtf8(page);
    const std::string script = "(function(){var t0=performance.now();document.open();document.write(" +
        lumivra::JsStringLiteral(utf8) + ");document.close();var t1=performance.now();"
        "var h=document.body.offsetHeight;var t2=performance.now();"
        "return 'write '+Math.round(t1-t0)+' layout '+Math.round(t2-t1);})()";
    std::printf("option %d: %s\n", option, EvaluateInBrowser(form->WebBrowser, script).c_str());
  }
}
BENCHMARK(WriteChapter2Page)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(10);

// Says Yes to the question asked above 1000 hits.
class YesBoxes : public MessageBoxes {
public:
  QMessageBox::StandardButton Show(QMessageBox::Icon, const QString&, const QString&,
                                   QMessageBox::StandardButtons, QMessageBox::StandardButton,
                                   QWidget*) override {
    return QMessageBox::Yes;
  }
};

// Report of all 6236 verses: from the press until the page in the
// information window is complete with every verse.
void ReportOfEveryVerse(benchmark::State& state) {
  TSearchDlg search;
  TInformationDlg info;
  YesBoxes boxes;
  search.SetTranslationLibrary(form->Content().TranslationLibrary());
  ConnectSearchPages(search, info, boxes);
  search.SearchCombo->setEditText("|");
  search.FindBtnClick();
  while (search.Filling()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  const std::string countScript =
      "document.readyState=='complete'?String(document.querySelectorAll('font.f4').length):''";
  for (auto _ : state) {
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, &info, [&] {
      if (QApplication::activeModalWidget() != &info) return;
      watch.stop();
      while (EvaluateInBrowser(info.InfoWebBrowser(), countScript) != "6236") {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      }
      state.PauseTiming();
      info.close();
    });
    watch.start();
    search.ReportBtnClick();
    state.ResumeTiming();
  }
}
BENCHMARK(ReportOfEveryVerse)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::puts("bench-reader-window: needs an X server (xvfb-run); skipped");
    return 0;
  }
  PrepareBrowserEngine();
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  // The reader's start-up, its splash screen closing as soon as it may.
  std::unique_ptr<TMainForm> mainForm;
  std::unique_ptr<TInformationDlg> informationDlg;
  std::unique_ptr<TSearchDlg> searchDlg;
  double splashShown = 0;
  RunWithSplashScreen(
      [&] {
        splashShown = SinceProcessStart();
        QApplication::setApplicationName(lumivra::kApplicationTitle);
        mainForm = std::make_unique<TMainForm>();
        informationDlg = std::make_unique<TInformationDlg>();
        searchDlg = std::make_unique<TSearchDlg>();
        std::printf("process start to splash screen shown: %.0f ms\n", splashShown);
        std::printf("process start to main window and dialogs created behind it: %.0f ms\n",
                    SinceProcessStart());
      },
      0);
  form = mainForm.get();
  mainForm->showMaximized();
  bool loaded = false;
  QObject::connect(mainForm->WebBrowser, &QWebEngineView::loadFinished, [&] { loaded = true; });
  while (!loaded) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  std::printf("process start to title page loaded: %.0f ms\n", SinceProcessStart());
  ::benchmark::Initialize(&argc, argv);
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  return 0;
}
