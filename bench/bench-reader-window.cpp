// Timings of the reader window: start-up to the splash screen shown, to the
// forms created behind it and to the title page, selecting
// chapter 2 until its page is complete in each display option, and the report
// of every verse from the press to its page complete in the information
// window; the memory of the reader's processes, and the renderer's after
// many page writes. Needs an X server (run under xvfb-run); without one it says so and
// ends.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QDateTime>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTreeWidget>
#include <QWindow>
#include <QWebEngineView>
#include <algorithm>
#include <chrono>
#include <functional>
#include <filesystem>
#include <map>
#include <unordered_map>
#include <vector>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/Main.h"
#include "app/SearchPageLinks.h"
#include "app/WindowPlacement.h"
#include "browser/BrowserDocument.h"
#include "browser/BrowserProfile.h"
#include "browser/ScriptText.h"
#include "content/Cp1252.h"
#include "content/Maker.h"
#include "controls/SplashScreenDialog.h"
#include "dialogs/InformationDialog.h"
#include "dialogs/MessageBoxes.h"
#include "pages/ChapterPageBuilder.h"
#include "search/AutoCombo.h"
#include "search/SearchDialog.h"

using namespace lumivra;

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

// When the first screen of the view's page was painted (epoch ms; 0 not yet).
double ShownAt(QWebEngineView* view) {
  return std::stod("0" + EvaluateInBrowser(view, "String(window.lumivraShownAt||'')"));
}

// When the first screen of a page written after `since` was painted.
double WaitShown(double since = 0) {
  double shownAt = 0;
  while ((shownAt = ShownAt(form->WebBrowser)) <= since) {
  }
  return shownAt;
}

// The processes this one started, and theirs, in the order found.
std::vector<int> Descendants(int root) {
  std::map<int, std::vector<int>> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const size_t close = text.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream fields(text.substr(close + 2));
    std::string state;
    int parent = 0;
    fields >> state >> parent;
    children[parent].push_back(std::stoi(name));
  }
  std::vector<int> found{root};
  for (size_t i = 0; i < found.size(); ++i)
    for (int child : children[found[i]]) found.push_back(child);
  return found;
}

// Proportional, private and resident set size of a process in MB, from
// smaps_rollup. The proportional size shares the pages of a library among
// every process on the machine that maps it (another reader running lowers
// it); the private size depends on this process alone.
struct Memory {
  double pss = 0, uss = 0, rss = 0;
};

Memory ProcessMemory(int pid) {
  std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
  Memory m;
  for (std::string line; std::getline(rollup, line);) {
    std::istringstream fields(line);
    std::string key;
    double kb = 0;
    fields >> key >> kb;
    if (key == "Pss:") m.pss = kb / 1024;
    if (key == "Rss:") m.rss = kb / 1024;
    if (key == "Private_Clean:" || key == "Private_Dirty:") m.uss += kb / 1024;
  }
  return m;
}

// What a process is: "reader", or the browser engine's --type=… of its
// command line (a renderer keeps the command line of the zygote that forked it).
std::string ProcessKind(int pid) {
  if (pid == getpid()) return "reader";
  std::ifstream cmdline("/proc/" + std::to_string(pid) + "/cmdline");
  std::string kind = "other";
  for (std::string arg; std::getline(cmdline, arg, '\0');) {
    if (arg.rfind("--type=", 0) == 0) kind = arg.substr(7);
    if (arg.rfind("--utility-sub-type=", 0) == 0) kind += " " + arg.substr(19);
  }
  // The zygotes fork the renderers: a zygote's child without children of its own.
  std::ifstream children("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/children");
  std::string child;
  if (kind == "zygote" && children && !(children >> child)) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string state;
    int parent = 0;
    fields >> state >> parent;
    if (parent != getpid() && ProcessKind(parent) == "zygote") kind = "renderer";
  }
  return kind;
}

// The page frames behind every resident page of a process, from
// /proc/PID/pagemap; empty unless run as root (the frames read as zero).
std::vector<uint64_t> ResidentFrames(int pid) {
  std::vector<uint64_t> frames;
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  const int pagemap = open(("/proc/" + std::to_string(pid) + "/pagemap").c_str(), O_RDONLY);
  if (pagemap < 0) return frames;
  std::vector<uint64_t> entries(4096);
  for (std::string line; std::getline(maps, line);) {
    unsigned long long start = 0, end = 0;
    char perms[5] = {};
    if (std::sscanf(line.c_str(), "%llx-%llx %4s", &start, &end, perms) != 3) continue;
    if (std::string(perms).substr(0, 3) == "---") continue;  // reserved, never resident
    for (uint64_t page = start / 4096; page < end / 4096;) {
      const uint64_t count = std::min<uint64_t>(entries.size(), end / 4096 - page);
      const ssize_t got = pread(pagemap, entries.data(), count * 8, static_cast<off_t>(page * 8));
      if (got <= 0) break;
      for (ssize_t i = 0; i < got / 8; ++i) {
        const uint64_t frame = entries[i] & ((uint64_t{1} << 55) - 1);
        if ((entries[i] >> 63) != 0 && frame != 0) frames.push_back(frame);
      }
      page += static_cast<uint64_t>(got / 8);
    }
  }
  close(pagemap);
  return frames;
}

// The proportional size summed over `pids` as if no other process on the
// machine shared their pages: each page shared only among these. 0 unless
// run as root.
double PssAmong(const std::vector<int>& pids) {
  std::map<int, std::vector<uint64_t>> frames;
  std::unordered_map<uint64_t, int> sharers;
  for (int pid : pids) {
    frames[pid] = ResidentFrames(pid);
    for (uint64_t frame : frames[pid]) ++sharers[frame];
  }
  double pages = 0;
  for (const auto& [pid, list] : frames)
    for (uint64_t frame : list) pages += 1.0 / sharers[frame];
  return pages * 4096 / (1024 * 1024);
}

// Prints the memory of the reader and of every process it started, each and
// summed, and returns the sums. Run as root, it adds the proportional size
// the processes would have alone on the machine: other programs mapping the
// same libraries (another reader, a test) lower the plain one.
Memory PrintMemory(int* processes) {
  Memory sum;
  *processes = 0;
  const std::vector<int> pids = Descendants(getpid());
  for (int pid : pids) {
    const Memory m = ProcessMemory(pid);
    std::printf("  %-12s pid %7d  PSS %6.1f MB  private %6.1f MB  RSS %6.1f MB\n", ProcessKind(pid).c_str(), pid,
                m.pss, m.uss, m.rss);
    sum.pss += m.pss;
    sum.uss += m.uss;
    sum.rss += m.rss;
    ++*processes;
  }
  std::printf("  sum of %d processes:  PSS %6.1f MB  private %6.1f MB  RSS %6.1f MB\n", *processes, sum.pss,
              sum.uss, sum.rss);
  if (const double alone = PssAmong(pids); alone > 0)
    std::printf("  PSS of the %d as if alone on the machine: %6.1f MB\n", *processes, alone);
  std::fflush(stdout);
  return sum;
}

void Settle(int ms = 1000) {
  QElapsedTimer settle;
  settle.start();
  while (!settle.hasExpired(ms)) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The private memory of the engine's renderer (both views share one), in MB.
double RendererPrivate() {
  double mb = 0;
  for (int pid : Descendants(getpid()))
    if (ProcessKind(pid) == "renderer") mb += ProcessMemory(pid).uss;
  return mb;
}

// Prints the renderer's private memory with what a leak would add to: the
// elements and style elements of the view's document.
double PrintRenderer(QWebEngineView* view, const std::string& when) {
  const double mb = RendererPrivate();
  const std::string counts = EvaluateInBrowser(
      view, "document.getElementsByTagName('*').length+' elements, '+"
            "document.getElementsByTagName('style').length+' style'");
  std::printf("  renderer private %6.1f MB %s (%s)\n", mb, when.c_str(), counts.c_str());
  std::fflush(stdout);
  return mb;
}

// Garbage awaiting collection goes back after an idle while; run with
// QTWEBENGINE_CHROMIUM_FLAGS=--js-flags=--expose-gc, a forced collection
// shows what stays.
double PrintAfterIdle(QWebEngineView* view, benchmark::State& state) {
  Settle(30000);
  const double mb = PrintRenderer(view, "after 30 s idle");
  if (EvaluateInBrowser(view, "window.gc?(gc(),'1'):''") == "1") {
    Settle();
    PrintRenderer(view, "after a forced collection");
  }
  state.counters["idle_private_mb"] = mb;
  return mb;
}

// Chapter 2 shown in a reader just started (its information window made, as
// in the reader), reached as a reader would: F6 twice from the title page,
// then 6 s: the memory of the reader and of every process it started.
// Runs first; main() prints the same again after every other benchmark.
void MemoryWithChapter2(benchmark::State& state) {
  form->ViewOption = 0;
  for (int press = 0; press < 2; ++press) {
    form->miNextChapterClick();
    WaitComplete();
  }
  Memory sum;
  int processes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Settle(6000);
    sum = PrintMemory(&processes);
    state.ResumeTiming();
  }
  state.counters["processes"] = processes;
  state.counters["pss_mb"] = sum.pss;
  state.counters["private_mb"] = sum.uss;
  state.counters["rss_mb"] = sum.rss;
}
BENCHMARK(MemoryWithChapter2)->Unit(benchmark::kMillisecond)->Iterations(1);

// Says Yes to the question asked above 1000 hits.
class YesBoxes : public MessageBoxes {
public:
  QMessageBox::StandardButton Show(QMessageBox::Icon, const QString&, const QString&,
                                   QMessageBox::StandardButtons, QMessageBox::StandardButton,
                                   QWidget*) override {
    return QMessageBox::Yes;
  }
};

// The search dialog with every verse found ("|"), its pages going to the
// reader's one information window.
struct EveryVerseSearch {
  EveryVerseSearch() {
    search.SetTranslationLibrary(form->Content().TranslationLibrary());
    ConnectSearchPages(search, info, boxes);
    search.SearchCombo->setEditText("|");
    search.FindBtnClick();
    while (search.Filling()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  // Presses Report and waits until the information window holds every
  // verse and has painted its first screen; `shown` runs then, before the
  // window closes.
  void Report(const std::function<void()>& shown) {
    const std::string countScript =
        "document.readyState=='complete'?String(document.querySelectorAll('font.f4').length):''";
    const double pressed = static_cast<double>(QDateTime::currentMSecsSinceEpoch());
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, &info, [&] {
      if (QApplication::activeModalWidget() != &info) return;
      watch.stop();
      while (EvaluateInBrowser(info.InfoWebBrowser(), countScript) != "6236" ||
             ShownAt(info.InfoWebBrowser()) <= pressed) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      }
      if (shown) shown();
      info.close();
    });
    watch.start();
    search.ReportBtnClick();
  }
  TSearchDlg search;
  TInformationDlg& info = *form->InformationDlg;
  YesBoxes boxes;
};

// The page of chapter 2 in display option `option`.
std::string Chapter2Page(int option) {
  lumivra::StringList first;
  lumivra::StringList translation;
  if (option == 0) form->Content().LoadChapterLines(lumivra::TextKind::Arabic, "2", first);
  if (option == 1) form->Content().LoadChapterLines(lumivra::TextKind::Transliteration, "2", first);
  form->Content().LoadChapterLines(lumivra::TextKind::Translation, "2", translation);
  return *lumivra::BuildChapterPage(option, "2", first, translation);
}

// The renderer's private memory after 10, 30 and 100 writes of chapter 2
// (one after the other, as fast as the pages complete), and after an idle
// while. Each write replaces the document; what the last one left stays
// as garbage until the engine collects it.
void RendererMemoryChapter2Writes(benchmark::State& state) {
  const std::string page = Chapter2Page(0);
  QWebEngineView* view = form->WebBrowser;
  for (auto _ : state) {
    state.PauseTiming();
    Settle();
    PrintRenderer(view, "before");
    int written = 0;
    for (int batch : {10, 30, 100}) {
      for (; written < batch; ++written) {
        WritePageToBrowser(view, page);
        WaitComplete();
      }
      Settle();
      state.counters["private_mb_" + std::to_string(batch)] =
          PrintRenderer(view, "after " + std::to_string(batch) + " writes of chapter 2");
    }
    PrintAfterIdle(view, state);
    state.ResumeTiming();
  }
}
BENCHMARK(RendererMemoryChapter2Writes)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same for the report of every verse (62000 elements), shown 5 times.
void RendererMemoryReports(benchmark::State& state) {
  EveryVerseSearch everyVerse;
  QWebEngineView* view = everyVerse.info.InfoWebBrowser();
  for (auto _ : state) {
    state.PauseTiming();
    Settle();
    PrintRenderer(view, "before");
    double peak = 0;
    for (int i = 1; i <= 5; ++i) {
      everyVerse.Report({});
      Settle();
      peak = std::max(peak, PrintRenderer(view, "after report " + std::to_string(i)));
    }
    state.counters["peak_private_mb"] = peak;
    PrintAfterIdle(view, state);
    // After the writes above, these reports and the idle pause: every process.
    std::puts("  after 100 writes of chapter 2, 5 reports and 30 s idle:");
    int processes = 0;
    state.counters["pss_mb"] = PrintMemory(&processes).pss;
    state.ResumeTiming();
  }
}
BENCHMARK(RendererMemoryReports)->Unit(benchmark::kMillisecond)->Iterations(1);

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
    state.ResumeTiming();
    const double start = static_cast<double>(QDateTime::currentMSecsSinceEpoch());
    form->TreeView->setCurrentItem(chapter2);
    WaitComplete();
    state.PauseTiming();
    shownTotal += WaitShown(start) - start;
    state.ResumeTiming();
  }
  // Selection to the first screen of the page painted.
  state.counters["shown_ms"] = shownTotal / static_cast<double>(state.iterations());
}
BENCHMARK(ShowChapter2)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(10);

// The browser's share: writing the finished page until it is complete.
void WriteChapter2Page(benchmark::State& state) {
  const int option = static_cast<int>(state.range(0));
  const std::string page = Chapter2Page(option);
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

// Counts the paints of the result list and when the first one with lines came.
class PaintCounter : public QObject {
public:
  PaintCounter(QListWidget* list, QElapsedTimer* clock) : list_(list), clock_(clock) {
    list->viewport()->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && list_->count() > 0) {
      if (paints == 0) firstMs = static_cast<double>(clock_->nsecsElapsed()) / 1e6;
      ++paints;
    }
    return false;
  }
  int paints = 0;
  double firstMs = 0;

private:
  QListWidget* list_;
  QElapsedTimer* clock_;
};

// Searching "a" (6166 verses): from Find Now until the list holds every line,
// with how often the list was painted on the way and when it first showed lines.
void FillResultList(benchmark::State& state) {
  TSearchDlg search;
  search.SetTranslationLibrary(form->Content().TranslationLibrary());
  search.show();
  while (!search.isVisible() || !search.windowHandle()->isExposed()) QCoreApplication::processEvents();
  QElapsedTimer clock;
  double paints = 0, firstMs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    search.ResetStopBtnClick();
    QCoreApplication::processEvents();
    PaintCounter counter(search.ResultList, &clock);
    search.SearchCombo->setEditText("a");
    clock.start();
    state.ResumeTiming();
    search.FindBtnClick();
    state.PauseTiming();
    paints += counter.paints;
    firstMs += counter.firstMs;
    state.ResumeTiming();
  }
  state.counters["lines"] = search.ResultList->count();
  state.counters["paints"] = paints / static_cast<double>(state.iterations());
  state.counters["first_paint_ms"] = firstMs / static_cast<double>(state.iterations());
}
BENCHMARK(FillResultList)->Unit(benchmark::kMillisecond)->Iterations(3);

// Report of all 6236 verses: from the press until the page in the
// information window is complete with every verse.
void ReportOfEveryVerse(benchmark::State& state) {
  EveryVerseSearch everyVerse;
  for (auto _ : state) {
    everyVerse.Report([&] { state.PauseTiming(); });
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
  ShowMaximizedWindow(*mainForm);
  // As in the reader: the information window and its view live for the run.
  mainForm->InformationDlg = informationDlg.get();
  bool loaded = false;
  QObject::connect(mainForm->WebBrowser, &QWebEngineView::loadFinished, [&] { loaded = true; });
  while (!loaded) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  std::printf("process start to title page loaded: %.0f ms\n", SinceProcessStart());
  ::benchmark::Initialize(&argc, argv);
  ::benchmark::RunSpecifiedBenchmarks();
  // The renderer holds the garbage of the pages written since its last
  // collection (bounded; it goes back after an idle while, see above).
  std::puts("memory after every benchmark above:");
  Settle();
  int processes = 0;
  PrintMemory(&processes);
  ::benchmark::Shutdown();
  return 0;
}
