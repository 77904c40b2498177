// main() for the window tests with browser views: the res scheme and the fonts
// are set up before the one application object of the run.
#include <QApplication>
#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "browser/BrowserProfile.h"
#include "content/Maker.h"

int main(int argc, char** argv) {
  bool listing = false;
  for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
  ::testing::InitGoogleTest(&argc, argv);
  if (listing) return RUN_ALL_TESTS();
  lumivra::PrepareBrowserEngine();
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) {
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
  }
  static int qtArgc = 1;
  static char name[] = "reader-tests";
  static char* qtArgv[] = {name, nullptr};
  QApplication app(qtArgc, qtArgv);
  QApplication::setApplicationName(lumivra::kApplicationTitle);
  // Closing a window under test must not end the run's event loops.
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
