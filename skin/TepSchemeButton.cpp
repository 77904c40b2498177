#include "skin/TepSchemeButton.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <qdrawutil.h>

#include <memory>

#include "skin/Artwork.h"
#include "skin/SkinPainter.h"
#include "skin/TepScheme.h"

namespace lumivra {

namespace {

int liveButtons = 0;
std::unique_ptr<QImage> sharedPattern;

// A push button for assistive technology, whatever its look; not in the Tab
// order, it is reached through its window's accessible children.
class TepSchemeButtonAccessible : public QAccessibleWidget {
public:
  explicit TepSchemeButtonAccessible(TepSchemeButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) text = QString(Button()->Caption()).remove(QLatin1Char('&'));
    return text;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = Button()->State() == ButtonState::Down || Button()->State() == ButtonState::Exclusive;
    return state;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  // Queued, as a push button's own: the command (a modal dialog, say) runs
  // after the caller has its answer.
  void doAction(const QString& action) override {
    if (action == pressAction()) QMetaObject::invokeMethod(Button(), &TepSchemeButton::Press, Qt::QueuedConnection);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  TepSchemeButton* Button() const { return static_cast<TepSchemeButton*>(widget()); }
};

QAccessibleInterface* ButtonAccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(TepSchemeButton::staticMetaObject.className()))
    return new TepSchemeButtonAccessible(static_cast<TepSchemeButton*>(object));
  return nullptr;
}

}  // namespace

const QImage* TepSchemeButton::Pattern() {
  if (liveButtons == 0) return nullptr;
  if (!sharedPattern) {
    const QPalette palette = QApplication::palette();
    sharedPattern = std::make_unique<QImage>(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        sharedPattern->setPixel(x, y, ((x + y) % 2 == 0 ? palette.color(QPalette::Light)
                                                        : palette.color(QPalette::Button)).rgb());
  }
  return sharedPattern.get();
}

TepSchemeButton::TepSchemeButton(QWidget* parent) : QWidget(parent) {
  static const bool accessible = (QAccessible::installFactory(ButtonAccessibleFactory), true);
  Q_UNUSED(accessible);
  ++liveButtons;
  resize(25, 25);
  setFocusPolicy(Qt::NoFocus);
  SetScheme(FindFormScheme(parent));
}

TepSchemeButton::~TepSchemeButton() {
  if (--liveButtons == 0) sharedPattern.reset();
}

void TepSchemeButton::SetScheme(TepScheme* scheme) {
  LinkScheme(scheme_, scheme, this);
  FitToFaces();
  update();
}

void TepSchemeButton::FitToFaces() {
  const TepSchemeStore* store = StoreOf(scheme_);
  if (store == nullptr || store->SpeedButton().width() <= 0) return;
  const int side = store->SpeedButton().height();
  resize(side, side);
}

void TepSchemeButton::Apply(unsigned effects) {
  if ((effects & kNotifyGroup) && GroupIndex() != 0 && parentWidget() != nullptr) {
    for (QObject* child : parentWidget()->children()) {
      auto* other = qobject_cast<TepSchemeButton*>(child);
      if (other != nullptr && other != this) other->ButtonPressed(GroupIndex(), this);
    }
  }
  if (effects & kRepaintNow) {
    repaint();
  } else if (effects & kRepaint) {
    update();
  }
}

void TepSchemeButton::ButtonPressed(int groupIndex, TepSchemeButton* sender) {
  Apply(machine_.GroupPressed(groupIndex, sender->Down(), sender->AllowAllUp()));
}

void TepSchemeButton::SetAllowAllUp(bool allow) { Apply(machine_.SetAllowAllUp(allow)); }
void TepSchemeButton::SetGroupIndex(int index) { Apply(machine_.SetGroupIndex(index)); }
void TepSchemeButton::SetDown(bool down) { Apply(machine_.SetDown(down)); }

void TepSchemeButton::SetFlat(bool flat) {
  Apply(machine_.SetFlat(flat));
}

void TepSchemeButton::SetCaption(const QString& caption) {
  caption_ = caption;
  if (shortcutId_ != 0) releaseShortcut(shortcutId_);
  const QKeySequence accelerator = QKeySequence::mnemonic(caption);
  shortcutId_ = accelerator.isEmpty() ? 0 : grabShortcut(accelerator);
  update();
}

void TepSchemeButton::SetGlyph(const QImage& strip, const QImage& twin) {
  glyph_.SetGlyph(strip, twin);
  update();
}

void TepSchemeButton::SetGlyphArtwork(std::string_view name) {
  SetGlyph(ArtworkImage(name), ArtworkImage(std::string(name) + "@2x"));
}

void TepSchemeButton::SetNumGlyphs(int value) {
  if (glyph_.SetNumGlyphs(value)) update();
}

void TepSchemeButton::SetLayout(TButtonLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  update();
}

void TepSchemeButton::SetMargin(int margin) {
  if (margin == margin_ || margin < -1) return;
  margin_ = margin;
  update();
}

void TepSchemeButton::SetSpacing(int spacing) {
  if (spacing == spacing_) return;
  spacing_ = spacing;
  update();
}

void TepSchemeButton::Click() { emit clicked(); }

void TepSchemeButton::UpdateHotFromCursor() {
  const bool under = QApplication::widgetAt(QCursor::pos()) == this;
  Apply(machine_.UpdateHot(isEnabled(), under));
}

bool TepSchemeButton::event(QEvent* event) {
  if (event->type() == SchemeChangedEvent::kType) {
    FitToFaces();
  } else if (event->type() == QEvent::Shortcut) {
    auto* shortcut = static_cast<QShortcutEvent*>(event);
    if (shortcut->shortcutId() == shortcutId_ && isEnabled()) {
      Click();
      return true;
    }
  }
  return QWidget::event(event);
}

void TepSchemeButton::paintEvent(QPaintEvent* event) {
  machine_.FixState(isEnabled());
  QPainter p(this);
  p.setFont(font());
  const TepSchemeStore* store = StoreOf(scheme_);
  const int faceSize = store != nullptr ? store->SpeedButton().height() : 0;
  const auto plan = PlanButtonFace(State(), Hot(), Flat(), store != nullptr, width(), height(), faceSize);
  if (store != nullptr) {
    PaintSkinSteps(p, *store, plan.steps, QColor(), event->rect());
  } else {
    switch (plan.edge) {
      case FallbackEdge::None: break;
      case FallbackEdge::SunkenOuter: qDrawShadePanel(&p, rect(), palette(), true, 1); break;
      case FallbackEdge::RaisedInner: qDrawShadePanel(&p, rect(), palette(), false, 1); break;
      case FallbackEdge::PushButton:
      case FallbackEdge::PushButtonPushed:
        qDrawWinButton(&p, rect(), palette(), plan.edge == FallbackEdge::PushButtonPushed, &palette().button());
        break;
    }
  }
  if (plan.pattern) p.fillRect(ToQRect(plan.paint), QBrush(*Pattern()));
  glyph_.Draw(p, plan.paint, caption_, font(), layout_, margin_, spacing_, State(), palette());
}

void TepSchemeButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Apply(machine_.Press(isEnabled()));
}

void TepSchemeButton::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  Apply(machine_.Move(pos.x(), pos.y(), width(), height()));
}

void TepSchemeButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (ReleaseAt(event->position().toPoint())) UpdateHotFromCursor();
}

bool TepSchemeButton::ReleaseAt(const QPoint& pos) {
  const unsigned effects = machine_.Release(pos.x(), pos.y(), width(), height());
  Apply(effects);
  QPointer<TepSchemeButton> alive(this);
  if (effects & kClick) Click();
  return alive;
}

void TepSchemeButton::Press() {
  if (!isEnabled()) return;
  Apply(machine_.Press(true));
  ReleaseAt(rect().center());
}

void TepSchemeButton::mouseDoubleClickEvent(QMouseEvent* event) {
  QWidget::mouseDoubleClickEvent(event);
  if (Down()) emit doubleClicked();
}

void TepSchemeButton::enterEvent(QEnterEvent*) { Apply(machine_.Enter(isEnabled())); }

void TepSchemeButton::leaveEvent(QEvent*) { Apply(machine_.Leave(isEnabled())); }

void TepSchemeButton::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::EnabledChange:
      machine_.FixState(isEnabled());
      UpdateHotFromCursor();
      repaint();
      break;
    case QEvent::PaletteChange: glyph_.ClearCache(); update(); break;
    case QEvent::FontChange: update(); break;
    default: break;
  }
  QWidget::changeEvent(event);
}

}  // namespace lumivra
