// The main window opens maximized: by the window manager's own means when one
// runs, with its title bar on the screen; by filling the screen when none does.
#include <QScreen>
#include <QThread>

#include "app/WindowPlacement.h"
#include "tests/app/ReaderTestSupport.h"

using namespace lumivra;
using namespace lumivra::testing;

namespace {

TEST_F(ReaderTest, WithoutAWindowManagerTheWindowFillsTheScreen) {
  ASSERT_FALSE(WindowManagerRunning());
  TMainForm& form = Open({}, false);
  ShowMaximizedWindow(form);
  const QRect area = form.screen()->availableGeometry();
  EXPECT_TRUE(WaitUntil([&] { return form.frameGeometry() == area; })) << form.frameGeometry().y();
}

TEST_F(ReaderTest, UnderAWindowManagerTheWindowIsMaximizedWithItsTitleBarOnScreen) {
  WindowManager manager;
  ASSERT_TRUE(manager.Running());
  // Shown at once, as the start-up does, before its page is on the way: the
  // browser view's first drawing then gives the window a new native window.
  CopyCoreFiles();
  form_ = std::make_unique<TMainForm>(&boxes_, coreFolders_);
  TMainForm& form = *form_;
  ShowMaximizedWindow(form);
  QThread::msleep(700);  // a start-up busy with other things meanwhile
  ASSERT_TRUE(WaitForPage());
  const QRect area = form.screen()->availableGeometry();
  EXPECT_TRUE(WaitUntil([&] { return form.isMaximized() && form.frameGeometry() == area; }))
      << form.frameGeometry().x() << "," << form.frameGeometry().y() << " "
      << form.frameGeometry().width() << "x" << form.frameGeometry().height();
  // Later on too: nothing resizes it behind the manager's back.
  QTest::qWait(1000);
  EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(form.frameGeometry(), area);
  EXPECT_GT(form.geometry().top(), area.top());  // the title bar above the client area
}

}  // namespace
