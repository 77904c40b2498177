#pragma once
// A main window in a working directory of its own, with its own core files,
// and message boxes recorded instead of shown.
#include <gtest/gtest.h>
#include <signal.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/Main.h"
#include "app/WindowPlacement.h"
#include "browser/BrowserDocument.h"
#include "dialogs/MessageBoxes.h"
#include "support/QtWait.h"
#include "support/TestFolder.h"

namespace lumivra::testing {

// Ends the renderer process of `view` (QtWebEngineProcess --type=renderer)
// with SIGKILL, as the system's out-of-memory killer would.
inline bool KillRenderer(QWebEngineView* view) {
  const auto pid = static_cast<pid_t>(view->page()->renderProcessPid());
  return pid > 0 && ::kill(pid, SIGKILL) == 0;
}

struct RecordedBox {
  QMessageBox::Icon icon;
  QString title;
  QString text;
};

class RecordingBoxes : public MessageBoxes {
public:
  QMessageBox::StandardButton Show(QMessageBox::Icon icon, const QString& title,
                                   const QString& text, QMessageBox::StandardButtons,
                                   QMessageBox::StandardButton, QWidget*) override {
    boxes.push_back({icon, title, text});
    return QMessageBox::Ok;
  }
  std::vector<RecordedBox> boxes;
};

// Openbox on the test's display, ended with the object. It runs once its
// start-up command has: a window mapped before then may never be managed.
class WindowManager {
public:
  WindowManager() { process_.start("openbox", {"--sm-disable", "--startup", "touch " + ready_}); }
  ~WindowManager() {
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
  }
  bool Running() { return WaitUntil([this] { return QFile::exists(ready_); }) && WindowManagerRunning(); }

private:
  QTemporaryDir folder_;
  QString ready_ = folder_.filePath("ready");
  QProcess process_;
};

class ReaderTest : public ::testing::Test {
protected:
  void SetUp() override {
    home_ = std::filesystem::current_path();
    folder_ = std::make_unique<TestFolder>("reader");
    std::filesystem::current_path(folder_->path());
  }

  void TearDown() override {
    form_.reset();
    std::filesystem::current_path(home_);
    folder_.reset();
  }

  // Copies the core files but the ones in `missing`, then creates the window.
  TMainForm& Open(const std::set<std::string>& missing = {}, bool show = true) {
    CopyCoreFiles(missing);
    return Create(show);
  }

  static void CopyCoreFiles(const std::set<std::string>& missing = {}) {
    for (const char* name : {kArabicFile, kTranslationFile, kTransliterationFile, kInfoFile}) {
      if (missing.count(name) == 0) CopyCoreFile(name, name);
    }
  }

  static void CopyCoreFile(const std::string& from, const std::string& to) {
    std::filesystem::copy_file(std::filesystem::path(LUMIVRA_BUILD_DIR) / from, to,
                               std::filesystem::copy_options::overwrite_existing);
  }

  TMainForm& Create(bool show = true) {
    form_ = std::make_unique<TMainForm>(&boxes_, coreFolders_);
    if (show) {
      form_->show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }
    EXPECT_TRUE(WaitForPage());
    return *form_;
  }

  TMainForm& Form() { return *form_; }

  bool WaitForPage(int timeoutMs = 10000) {
    return WaitUntil([this] { return form_->BrowserReadyState() == 4; }, timeoutMs);
  }

  // Selects the node at absolute position `position` and waits for its page.
  void ShowNode(int position) {
    form_->TreeView->setCurrentItem(form_->NodeAtAbsolutePosition(position));
    ASSERT_TRUE(WaitForPage());
  }

  std::string Eval(const std::string& script) {
    return EvaluateInBrowser(form_->WebBrowser, script);
  }
  int EvalInt(const std::string& script) { return QString::fromStdString(Eval(script)).toInt(); }

  std::string CurrentKey() { return TMainForm::NodeKeyOf(form_->TreeView->currentItem()); }
  // The address shown (the host comes back in lower case).
  std::string PageUrl() { return form_->WebBrowser->url().toString().toStdString(); }
  // The title in the bar of a chapter page.
  std::string ChapterTitle() {
    return Eval("(function(){var f=document.querySelector('font.f1');return f?f.textContent:'';})()");
  }

  RecordingBoxes boxes_;
  // The test program sits beside the packed core files: by default the window
  // reads only the ones of its working folder.
  std::vector<std::string> coreFolders_{"."};
  std::unique_ptr<TMainForm> form_;

private:
  std::filesystem::path home_;
  std::unique_ptr<TestFolder> folder_;
};

}  // namespace lumivra::testing
