#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>

#include "browser/IEDocHostUIHandler.h"
#include "tests/app/ReaderTestSupport.h"

using namespace lumivra;
using namespace lumivra::testing;

namespace {

QWidget* RenderWidget(QWebEngineView* view) {
  return view->focusProxy() != nullptr ? view->focusProxy() : view;
}

bool MenuShownAfterRightClick(QWebEngineView* view) {
  QWidget* target = RenderWidget(view);
  QTest::mouseClick(target, Qt::RightButton, {}, QPoint(200, 150));
  const bool shown = WaitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 1500);
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  return shown;
}

}  // namespace

TEST_F(ReaderTest, NoContextMenuOnAnyPageWhileABareViewHasOne) {
  TMainForm& form = Open();
  form.resize(900, 600);
  ASSERT_TRUE(WaitForPage());
  ASSERT_NE(form.DocHostHandler()->AttachedView(), nullptr);
  EXPECT_FALSE(MenuShownAfterRightClick(form.WebBrowser)) << "title page";
  ShowNode(0);
  EXPECT_FALSE(MenuShownAfterRightClick(form.WebBrowser)) << "home page";
  ShowNode(3);
  EXPECT_FALSE(MenuShownAfterRightClick(form.WebBrowser)) << "chapter page";

  // The same click on a view without the handler does open the browser's menu,
  // so the checks above are not vacuous.
  QWebEngineView bare;
  bare.resize(400, 300);
  bare.setHtml("<p>menu</p>");
  bare.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&bare));
  QSignalSpy loaded(&bare, &QWebEngineView::loadFinished);
  ASSERT_TRUE(loaded.wait(5000));
  EXPECT_TRUE(MenuShownAfterRightClick(&bare));
}

TEST_F(ReaderTest, BrowserKeysSelectAllAndCopyStillWork) {
  TMainForm& form = Open();
  form.ViewOption = 2;
  ShowNode(3);  // chapter 2: its text can be selected, to the last verse out of view
  QWidget* target = RenderWidget(form.WebBrowser);
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  target->setFocus();
  QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(200, 200));
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
  ASSERT_TRUE(WaitUntil([this] { return Eval("window.getSelection().toString()").size() > 100; }));
  QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
  ASSERT_TRUE(WaitUntil([] { return QGuiApplication::clipboard()->text().contains("2:286"); }, 3000));
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("2. Al-Baqarah"));
}
