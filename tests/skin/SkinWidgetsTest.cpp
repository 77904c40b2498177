#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionMenuItem>
#include <QTest>

#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "skin/TepScheme.h"
#include "skin/TepSchemeButton.h"
#include "skin/TepSchemeForm.h"
#include "skin/TepSchemePanel.h"
#include "skin/ThemeMenuStyle.h"

using namespace lumivra;

namespace {

// `count` slices of w x h side by side, slice k in SliceColor(k, shade).
QRgb SliceColor(int k, int shade = 0) { return qRgb(20 + 25 * k, 200 - shade, 40 + shade); }
QImage Slices(int count, int w, int h, int shade = 0) {
  QImage image(count * w, h, QImage::Format_RGB32);
  for (int k = 0; k < count; ++k)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) image.setPixel(k * w + x, y, SliceColor(k, shade));
  return image;
}
QImage Solid(int w, int h, QRgb color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

// Counts the SchemeChanged events reaching a widget's own handling.
class Receiver : public QWidget {
public:
  using QWidget::QWidget;
  int received = 0;
  bool event(QEvent* e) override {
    if (e->type() == SchemeChangedEvent::kType) ++received;
    return QWidget::event(e);
  }
};

// Counts the SchemeChanged events passing the watched objects' filters.
class Spy : public QObject {
public:
  std::map<QObject*, std::vector<int>> seen;  // wParam of each
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == SchemeChangedEvent::kType)
      seen[watched].push_back(static_cast<SchemeChangedEvent*>(e)->WParam());
    return false;
  }
};

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
  PaintCounter(QWidget* widget, int& count) : count_(count) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++count_;
    return false;
  }

private:
  int& count_;
};

}  // namespace

TEST(SchemeStore, CopiesBitmapsAndTellsTheOwnerOfEveryLink) {
  Receiver owner;
  Spy spy;
  owner.installEventFilter(&spy);
  auto* store = new TepSchemeStore(&owner);
  QImage wallpaper = Solid(8, 8, qRgb(255, 0, 0));
  store->SetWallPaper(wallpaper, Solid(8, 8, 0));  // a twin of the wrong size is dropped
  wallpaper.fill(qRgb(0, 0, 255));
  EXPECT_EQ(store->WallPaper().pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_TRUE(store->Twin(lumivra::SkinImage::WallPaper).isNull());
  store->SetWallPaper(QImage());
  EXPECT_TRUE(store->WallPaper().isNull());

  auto* first = new TepScheme(&owner);
  new TepScheme(&owner);
  EXPECT_EQ(FindFormScheme(&owner), first);
  first->SetSchemeStore(store);
  first->SetSchemeStore(store);  // the same store again still tells
  EXPECT_EQ(owner.received, 2);
  EXPECT_EQ(SchemeColor(store), std::nullopt);  // no caption bitmap
  store->SetActiveCaption(Solid(200, 20, qRgb(1, 2, 3)));
  EXPECT_EQ(SchemeColor(store), QColor(1, 2, 3));

  // Destroying the linked store: once through the filters, once straight to
  // the owner's handling.
  delete store;
  EXPECT_EQ(first->SchemeStore(), nullptr);
  EXPECT_EQ(owner.received, 4);
  EXPECT_EQ(spy.seen[&owner].size(), 3u);
}

TEST(SchemeForm, TakesTheSchemeColourAndForwardsSchemeChangedToWindowedChildrenOnly) {
  QWidget owner;
  owner.resize(300, 200);
  auto* store = new TepSchemeStore(&owner);
  auto* scheme = new TepScheme(&owner);
  auto* frame = new TepSchemeForm(&owner);
  EXPECT_EQ(frame->Scheme(), scheme);
  EXPECT_EQ(owner.minimumSize(), QSize(600, 400));
  auto* panel = new TepSchemePanel(&owner);
  auto* button = new TepSchemeButton(&owner);
  auto* grandchild = new TepSchemePanel(panel);
  Spy spy;
  for (QObject* o : {static_cast<QObject*>(panel), static_cast<QObject*>(button), static_cast<QObject*>(grandchild)})
    o->installEventFilter(&spy);
  store->SetActiveCaption(Solid(200, 20, qRgb(0, 128, 0)));
  scheme->SetSchemeStore(store);
  EXPECT_EQ(frame->Color(), QColor(0, 128, 0));
  EXPECT_EQ(owner.palette().color(QPalette::Window), QColor(0, 128, 0));
  EXPECT_EQ(spy.seen[panel], std::vector<int>{0});
  EXPECT_TRUE(spy.seen[button].empty());
  EXPECT_TRUE(spy.seen[grandchild].empty());
  owner.show();
  owner.resize(700, 450);  // the frame fills its owner
  EXPECT_EQ(frame->geometry(), QRect(0, 0, 700, 450));
}

TEST(SchemeForm, PaintsWallpaperBorderAndRunsItsCaptionButtons) {
  QWidget owner;
  owner.resize(640, 420);
  auto* store = new TepSchemeStore(&owner);
  auto* scheme = new TepScheme(&owner);
  scheme->SetSchemeStore(store);
  store->SetWallPaper(Solid(64, 64, qRgb(9, 9, 9)));
  store->SetBorder(Slices(8, 10, 10));
  auto* frame = new TepSchemeForm(&owner);
  frame->SetShowCaption(false);
  QImage shot = frame->grab().toImage();
  EXPECT_EQ(shot.pixel(0, 0), SliceColor(5));
  EXPECT_EQ(shot.pixel(639, 0), SliceColor(7));
  EXPECT_EQ(shot.pixel(0, 200), SliceColor(4));
  EXPECT_EQ(shot.pixel(639, 200), SliceColor(3));
  EXPECT_EQ(shot.pixel(300, 419), SliceColor(1));
  EXPECT_EQ(shot.pixel(300, 200), qRgb(9, 9, 9));

  // The caption buttons: glyphs keyed on their top-left pixel; a click on
  // the close button's corner closes the window.
  QImage glyphs = Solid(60, 16, qRgb(255, 0, 255));
  glyphs.setPixel(7, 7, qRgb(1, 1, 1));
  store->SetCaptionButtons(glyphs);
  frame->SetBorderIcons(lumivra::biSystemMenu);
  frame->SetShowCaption(true);
  owner.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
  shot = frame->grab().toImage();
  ASSERT_EQ(frame->CaptionButtons().size(), 1u);
  EXPECT_EQ(frame->CaptionButtons()[0].rect, (lumivra::LayoutRect{617, 8, 15, 16}));
  EXPECT_EQ(shot.pixel(617 + 7, 8 + 7), qRgb(1, 1, 1));
  EXPECT_EQ(shot.pixel(617, 8), qRgb(9, 9, 9));  // magenta left out: the wallpaper shows
  // A new bitmap in the store repaints the frame with its owner.
  int paints = 0;
  PaintCounter counter(frame, paints);
  store->SetWallPaper(Solid(64, 64, qRgb(8, 8, 8)));
  EXPECT_TRUE(QTest::qWaitFor([&] { return paints > 0; }));
  QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(632, 24));
  EXPECT_FALSE(owner.isVisible());
}

TEST(SchemePanel, PaintsFromTheStoreAndFromTheTwinsOnADenseDevice) {
  QWidget owner;
  auto* store = new TepSchemeStore(&owner);
  auto* scheme = new TepScheme(&owner);
  scheme->SetSchemeStore(store);
  store->SetWallPaper(Solid(8, 8, qRgb(7, 7, 7)), Solid(16, 16, qRgb(70, 70, 70)));
  store->SetSmBorder(Slices(8, 6, 5), Slices(8, 12, 10, 100));
  TepSchemePanel panel(&owner);
  panel.resize(30, 20);
  const QImage shot = panel.grab().toImage();
  const std::pair<QPoint, int> expected[] = {{{0, 0}, 3},  {{15, 0}, 4},  {{29, 0}, 5},  {{0, 10}, 6},
                                             {{29, 10}, 7}, {{0, 19}, 0}, {{15, 19}, 1}, {{29, 19}, 2}};
  for (const auto& [at, slice] : expected) EXPECT_EQ(shot.pixel(at), SliceColor(slice)) << at.x() << "," << at.y();
  EXPECT_EQ(shot.pixel(15, 10), qRgb(7, 7, 7));

  QImage dense(60, 40, QImage::Format_RGB32);
  dense.setDevicePixelRatio(2);
  panel.render(&dense);
  EXPECT_EQ(dense.pixel(0, 0), SliceColor(3, 100));
  EXPECT_EQ(dense.pixel(59, 39), SliceColor(2, 100));
  EXPECT_EQ(dense.pixel(30, 20), qRgb(70, 70, 70));
}

TEST(SchemeButton, FacesFromTheStoreGlyphKeyedOnItsBottomLeftPixelAndEmbossedWhenDisabled) {
  QWidget owner;
  auto* store = new TepSchemeStore(&owner);
  auto* scheme = new TepScheme(&owner);
  scheme->SetSchemeStore(store);
  store->SetSpeedButton(Slices(3, 31, 31));
  TepSchemeButton button(&owner);  // found the scheme, took the faces' size
  EXPECT_EQ(button.size(), QSize(31, 31));
  QImage glyph = Solid(16, 16, qRgb(255, 0, 255));
  for (int y = 4; y < 12; ++y)
    for (int x = 4; x < 12; ++x) glyph.setPixel(x, y, qRgb(0, 0, 0));
  button.SetGlyph(glyph);
  owner.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));

  QImage shot = button.grab().toImage();
  EXPECT_EQ(shot.pixel(1, 1), SliceColor(0));
  EXPECT_EQ(shot.pixel(6, 6), SliceColor(0));  // the glyph's magenta is left out
  EXPECT_EQ(shot.pixel(10, 10), qRgb(0, 0, 0));

  // Not flat: hovering shows no highlighted face; pressing the pressed one
  // and moves the glyph by one pixel.
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&button, &enter);
  EXPECT_EQ(button.grab().toImage().pixel(1, 1), SliceColor(0));
  QSignalSpy clicks(&button, &TepSchemeButton::clicked);
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
  shot = button.grab().toImage();
  EXPECT_EQ(shot.pixel(1, 1), SliceColor(2));
  EXPECT_EQ(shot.pixel(10, 10), SliceColor(2));
  EXPECT_EQ(shot.pixel(11, 11), qRgb(0, 0, 0));
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks.count(), 1);

  button.setEnabled(false);
  shot = button.grab().toImage();
  const QPalette& pal = button.palette();
  EXPECT_EQ(shot.pixel(10, 10), pal.color(QPalette::Dark).rgb());
  EXPECT_EQ(shot.pixel(18, 18), pal.color(QPalette::Light).rgb());
  EXPECT_EQ(shot.pixel(6, 6), SliceColor(0));  // the face colour is left out
}

TEST(ThemeMenuStyle, SelectionInTheMenuColourAndDisabledItemsGreyEvenWhenSelected) {
  const QColor maroon(128, 0, 0), face(206, 206, 206);
  ThemeMenuStyle style([&] { return maroon; }, face);
  auto draw = [&](QStyle::State state) {
    QStyleOptionMenuItem item;
    item.rect = QRect(0, 0, 150, 22);
    item.text = "&Find...\tF3";
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.state = state | QStyle::State_Selected;
    QImage image(150, 22, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    style.DrawMenuItem(p, item, false);
    return image;
  };
  // The caption's pixels: reddish ones and grey ones.
  auto inks = [&](const QImage& image) {
    int red = 0, grey = 0;
    for (int y = 4; y < 19; ++y)
      for (int x = 22; x < 147; ++x) {
        const QColor c = image.pixelColor(x, y);
        red += c.red() > c.green() + 60;
        grey += c.red() == c.green() && c.red() < 180;
      }
    return std::pair{red, grey};
  };
  const QImage enabled = draw(QStyle::State_Enabled);
  EXPECT_EQ(enabled.pixelColor(80, 2), maroon);  // the outline's top edge
  EXPECT_EQ(enabled.pixelColor(10, 20), face);   // the picture column
  EXPECT_GT(inks(enabled).first, 20);
  const QImage disabled = draw(QStyle::State_None);
  EXPECT_EQ(disabled.pixelColor(80, 2), maroon);
  EXPECT_EQ(inks(disabled).first, 0);
  EXPECT_GT(inks(disabled).second, 20);
}

TEST(ThemeMenuStyle, DropDownIsFramedAllRound) {
  const QColor face(206, 206, 206);
  ThemeMenuStyle style([] { return QColor(Qt::white); }, face);
  QMenu menu;
  menu.setStyle(&style);
  menu.addAction("&Information...\tF4");
  menu.addSeparator();
  menu.addAction("&Chapter Listings")->setCheckable(true);
  menu.adjustSize();
  const QImage shot = menu.grab().toImage();
  const QRgb border = face.darker(160).rgb();
  int breaks = 0;
  for (int y = 0; y < shot.height(); ++y)
    breaks += (shot.pixel(0, y) != border) + (shot.pixel(shot.width() - 1, y) != border);
  for (int x = 0; x < shot.width(); ++x)
    breaks += (shot.pixel(x, 0) != border) + (shot.pixel(x, shot.height() - 1) != border);
  EXPECT_EQ(breaks, 0);
}
