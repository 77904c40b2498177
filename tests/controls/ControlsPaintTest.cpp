#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include "controls/CorelButton.h"
#include "controls/JPanelTexture.h"
#include "controls/Wallpaper.h"

using namespace lumivra;

namespace {

QPalette TestPalette() {
  QPalette pal;
  pal.setColor(QPalette::Button, QColor(0xD4, 0xD0, 0xC8));
  pal.setColor(QPalette::WindowText, Qt::black);
  pal.setColor(QPalette::Light, Qt::white);
  pal.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
  pal.setColor(QPalette::ButtonText, Qt::black);
  return pal;
}

QImage PaintButton(const TCorelButtonLook& look, const QString& caption = QString()) {
  QImage image(75, 23, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  PaintCorelButton(painter, image.rect(), look, TestPalette(), QFont(), caption);
  return image;
}

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

const QColor kFace(0xD4, 0xD0, 0xC8);
const QColor kLight(Qt::white);
const QColor kShadow(0x80, 0x80, 0x80);
const QColor kText(Qt::black);

}  // namespace

TEST(CorelButtonPaint, RestShowsTheThinRaisedEdge) {
  const QImage img = PaintButton({});
  EXPECT_EQ(At(img, 0, 0), kLight);
  EXPECT_EQ(At(img, 0, 21), kLight);
  EXPECT_EQ(At(img, 73, 0), kLight);
  EXPECT_EQ(At(img, 74, 0), kShadow);
  EXPECT_EQ(At(img, 74, 22), kShadow);
  EXPECT_EQ(At(img, 0, 22), kShadow);
  EXPECT_EQ(At(img, 73, 21), kFace);  // no inner line at rest
  EXPECT_EQ(At(img, 37, 11), kFace);
}

TEST(CorelButtonPaint, HotShowsTheFullEdge) {
  TCorelButtonLook look;
  look.hot = true;
  const QImage img = PaintButton(look);
  EXPECT_EQ(At(img, 74, 0), kText);
  EXPECT_EQ(At(img, 74, 21), kText);
  EXPECT_EQ(At(img, 0, 22), kText);
  EXPECT_EQ(At(img, 0, 0), kLight);
  EXPECT_EQ(At(img, 0, 21), kLight);
  EXPECT_EQ(At(img, 73, 1), kShadow);
  EXPECT_EQ(At(img, 1, 21), kShadow);
  EXPECT_EQ(At(img, 73, 21), kShadow);
}

TEST(CorelButtonPaint, PressedSwapsTheThinEdgeAndMovesTheCaption) {
  TCorelButtonLook look;
  look.hot = true;
  look.pressed = true;
  const QImage img = PaintButton(look);
  EXPECT_EQ(At(img, 0, 0), kShadow);
  EXPECT_EQ(At(img, 0, 21), kShadow);
  EXPECT_EQ(At(img, 74, 5), kLight);
  EXPECT_EQ(At(img, 10, 22), kLight);
  EXPECT_EQ(At(img, 73, 21), kFace);  // the hot inner line is painted over

  // The caption lands one pixel right and down of its rest position.
  const QImage rest = PaintButton({}, "&OK");
  const QImage down = PaintButton(look, "&OK");
  auto firstDark = [](const QImage& image) {
    for (int y = 2; y < 21; ++y)
      for (int x = 2; x < 73; ++x)
        if (image.pixelColor(x, y).lightness() < 60) return QPoint(x, y);
    return QPoint(-1, -1);
  };
  const QPoint a = firstDark(rest), b = firstDark(down);
  ASSERT_NE(a, QPoint(-1, -1));
  EXPECT_EQ(b - a, QPoint(1, 1));
}

TEST(CorelButtonPaint, DefaultAndFocusMarks) {
  TCorelButtonLook focusedDefault;
  focusedDefault.focused = true;
  focusedDefault.activeDefault = true;
  const QImage both = PaintButton(focusedDefault);
  EXPECT_EQ(At(both, 0, 0), kText);  // the outline
  EXPECT_EQ(At(both, 74, 22), kText);
  EXPECT_EQ(At(both, 1, 1), kLight);  // the edge moved in by one
  EXPECT_EQ(At(both, 4, 4), kText);   // the dotted focus rectangle
  EXPECT_EQ(At(both, 5, 4), kFace);
  EXPECT_EQ(At(both, 6, 4), kText);

  TCorelButtonLook focusedOnly;
  focusedOnly.focused = true;
  const QImage outline = PaintButton(focusedOnly);
  EXPECT_EQ(At(outline, 0, 0), kText);
  EXPECT_EQ(At(outline, 4, 4), kFace);
  EXPECT_EQ(At(outline, 6, 4), kFace);

  TCorelButtonLook defaultOnly;
  defaultOnly.activeDefault = true;
  const QImage def = PaintButton(defaultOnly);
  EXPECT_EQ(At(def, 0, 0), kText);
  EXPECT_EQ(At(def, 4, 4), kFace);
}

TEST(CorelButtonPaint, DisabledCaptionIsEmbossed) {
  TCorelButtonLook look;
  look.disabled = true;
  const QImage img = PaintButton(look, "&View");
  bool light = false, shadow = false, black = false;
  for (int y = 2; y < 21; ++y)
    for (int x = 2; x < 73; ++x) {
      const QColor c = img.pixelColor(x, y);
      light |= c == kLight;
      shadow |= c == kShadow;
      black |= c == kText;
    }
  EXPECT_TRUE(light);
  EXPECT_TRUE(shadow);
  EXPECT_FALSE(black);
}

TEST(CorelButtonWidget, CreatedFlatWithABoldTahomaCaption) {
  TCorelButton button("&Find Now");
  EXPECT_EQ(button.size(), QSize(75, 23));
  EXPECT_TRUE(button.font().bold());
  EXPECT_EQ(button.font().family(), "Tahoma");
  EXPECT_FALSE(button.hot());
}

TEST(CorelButtonWidget, DoubleClickGivesTwoClicks) {
  QDialog dialog;
  TCorelButton button("&OK", &dialog);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });
  // The platform's order for two quick clicks: press, release, double click, release.
  const QPointF at(10, 10);
  auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, button.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&button, &event);
  };
  send(QEvent::MouseButtonPress, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::NoButton);
  send(QEvent::MouseButtonDblClick, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::NoButton);
  EXPECT_EQ(clicks, 2);
}

TEST(CorelButtonWidget, FocusMovesTheActiveDefault) {
  QDialog dialog;
  QLineEdit edit(&dialog);
  TCorelButton ok("&OK", &dialog);
  TCorelButton cancel("&Cancel", &dialog);
  ok.move(0, 30);
  cancel.move(80, 30);
  ok.setDefault(true);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  edit.setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(ok.activeDefault());
  EXPECT_FALSE(cancel.activeDefault());
  cancel.setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(ok.activeDefault());
  EXPECT_TRUE(cancel.activeDefault());
  edit.setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(ok.activeDefault());
  EXPECT_FALSE(cancel.activeDefault());
}

namespace {

QImage Render(TJPanelTexture& panel) {
  QImage image(panel.size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  panel.render(&image);
  return image;
}

QImage Checker(int w, int h) {
  QImage tex(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) tex.setPixelColor(x, y, QColor(x % 256, y % 256, 7));
  return tex;
}

}  // namespace

TEST(JPanelTexture, TilesTheTextureFromTheTopLeft) {
  TJPanelTexture panel;
  panel.resize(100, 70);
  panel.setJTexture(Checker(64, 64));
  panel.setJStyleTexture(TJPanelTextureStyle::txTile);
  const QImage img = Render(panel);
  EXPECT_EQ(At(img, 0, 0), QColor(0, 0, 7));
  EXPECT_EQ(At(img, 63, 10), QColor(63, 10, 7));
  EXPECT_EQ(At(img, 64, 10), QColor(0, 10, 7));
  EXPECT_EQ(At(img, 99, 69), QColor(35, 5, 7));
}

TEST(JPanelTexture, KeepsItsOwnCopyOfTheTexture) {
  TJPanelTexture panel;
  panel.resize(64, 64);
  QImage tex = Checker(64, 64);
  panel.setJTexture(tex);
  panel.setJStyleTexture(TJPanelTextureStyle::txTile);
  tex.fill(Qt::red);
  EXPECT_EQ(At(Render(panel), 5, 6), QColor(5, 6, 7));
}

TEST(JPanelTexture, CenteredWithTransparencyShowsTheTransColourAround) {
  TJPanelTexture panel;
  panel.resize(100, 100);
  panel.setColor(Qt::blue);
  panel.setJTexture(Checker(20, 20));
  panel.setJStyleTexture(TJPanelTextureStyle::txCenter);
  panel.setJTransparent(true);
  panel.setJTransColor(QColor(0x80, 0x80, 0x80));
  const QImage img = Render(panel);
  EXPECT_EQ(At(img, 5, 5), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(At(img, 40, 40), QColor(0, 0, 7));

  panel.setJTransparent(false);
  EXPECT_EQ(At(Render(panel), 5, 5), QColor(Qt::blue));
}

TEST(JPanelTexture, WithoutATextureItIsAPlainPanelWithBevels) {
  TJPanelTexture panel;
  panel.resize(60, 40);
  panel.setJStyleTexture(TJPanelTextureStyle::txTile);
  QPalette pal = panel.palette();
  pal.setColor(QPalette::Window, QColor(10, 20, 30));
  pal.setColor(QPalette::Light, Qt::white);
  pal.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
  panel.setPalette(pal);
  const QImage img = Render(panel);
  EXPECT_EQ(At(img, 30, 20), QColor(10, 20, 30));
  EXPECT_NE(At(img, 0, 20), QColor(10, 20, 30));  // the raised bevel
  EXPECT_NE(At(img, 59, 20), QColor(10, 20, 30));
}

TEST(Wallpaper, BuiltInTextureIsTheDefaultWallpaper) {
  const QImage builtIn = BuiltInTexture();
  EXPECT_EQ(builtIn.size(), QSize(64, 64));
  EXPECT_EQ(CurrentWallpaper(), builtIn);
  SetWallpaperSource([] { return Checker(8, 8); });
  EXPECT_EQ(CurrentWallpaper().size(), QSize(8, 8));
  SetWallpaperSource({});
  EXPECT_EQ(CurrentWallpaper(), builtIn);
}
