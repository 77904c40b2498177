#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "controls/Mark.h"

using namespace lumivra;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(Mark, NeedsAWindowAndTakesTheMenuBarsCorner) {
  QMainWindow window;
  QWidget child(&window);
  EXPECT_THAT([&] { TMark mark(&child); },
              ThrowsMessage<std::invalid_argument>(StrEq("Mark must be added to a Form")));

  window.menuBar()->addMenu("&File");
  auto* mark = new TMark(&window);
  mark->SetMark("https://www.example.org");
  mark->SetRegistered(false);
  window.resize(500, 300);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QApplication::processEvents();
  QWidget* surface = mark->Surface();
  EXPECT_EQ(window.menuBar()->cornerWidget(), surface);
  EXPECT_GE(surface->geometry().right(), window.menuBar()->width() - 10);
  EXPECT_EQ(surface->height(), window.menuBar()->height());
  EXPECT_LT(mark->MarkRect().right(), surface->width());

  // A burst of changes gives one repaint.
  int paints = 0;
  mark->OnMark = [&](TMark*, QPainter&, const QRect&) { ++paints; };
  for (QColor c : {Qt::red, Qt::green, Qt::blue, Qt::yellow}) mark->SetRColor(c);
  QApplication::processEvents();
  EXPECT_EQ(paints, 1);

  int clicks = 0;
  mark->OnDblClick = [&](TMark*) { ++clicks; };
  const QRect area = mark->MarkRect();
  QTest::mouseDClick(surface, Qt::LeftButton, {}, area.center());
  QTest::mouseDClick(surface, Qt::LeftButton, {}, QPoint(area.left() - 3, area.center().y()));
  EXPECT_EQ(clicks, 1);
  delete mark;
  EXPECT_EQ(window.menuBar()->cornerWidget(), nullptr);
}
