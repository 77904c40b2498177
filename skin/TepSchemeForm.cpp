#include "skin/TepSchemeForm.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "skin/SkinPainter.h"
#include "skin/TepScheme.h"

namespace lumivra {

namespace {

constexpr QSize kMinimumWindowSize(600, 400);

void SetWidgetColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
}

}  // namespace

TepSchemeForm::TepSchemeForm(QWidget* owner) : QWidget(owner), owner_(owner) {
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  setGeometry(owner->rect());
  lower();
  const QWidget* form = owner->window();
  caption_ = {owner->font(), owner->palette().color(QPalette::HighlightedText), form->windowTitle()};
  secondCaption_ = {owner->font(), owner->palette().color(QPalette::WindowText), form->windowTitle()};
  LinkScheme(scheme_, FindFormScheme(owner), this);
  TakeSchemeColor();
  owner->installEventFilter(this);
  QWidget* window = owner->window();
  window->setMinimumSize(window->minimumSize().expandedTo(kMinimumWindowSize));
}

void TepSchemeForm::TakeSchemeColor() {
  if (const auto color = SchemeColor(StoreOf(scheme_))) {
    color_ = *color;
    SetWidgetColor(owner_, color_);
  }
}

void TepSchemeForm::SetBorderIcons(unsigned icons) {
  borderIcons_ = icons;
  QWidget* window = owner_->window();
  Qt::WindowFlags flags = window->windowFlags() & ~(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                                    Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                                    Qt::WindowContextHelpButtonHint);
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (icons & biSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (icons & biMinimize) flags |= Qt::WindowMinimizeButtonHint;
  if (icons & biMaximize) flags |= Qt::WindowMaximizeButtonHint;
  if (icons & biHelp) flags |= Qt::WindowContextHelpButtonHint;
  if (!window->isWindow() || flags == window->windowFlags()) return;
  const bool visible = window->isVisible();
  window->setWindowFlags(flags);
  if (visible) window->show();
}

void TepSchemeForm::SetScheme(TepScheme* scheme) {
  LinkScheme(scheme_, scheme, this);
  TakeSchemeColor();
  update();
}

void TepSchemeForm::SetShowCaption(bool show) {
  if (show == showCaption_) return;
  showCaption_ = show;
  update();
}

void TepSchemeForm::SetCaption(const TepCaption& caption) {
  caption_ = caption;
  update();
}

void TepSchemeForm::SetSecondCaption(const TepCaption& caption) {
  secondCaption_ = caption;
  update();
}

void TepSchemeForm::SetColor(const QColor& color) {
  color_ = color;
  update();
}

bool TepSchemeForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != owner_) return false;
  if (event->type() == QEvent::Resize) {
    const QLayout* layout = owner_->layout();
    if (layout == nullptr || layout->indexOf(this) < 0) setGeometry(owner_->rect());
  } else if (event->type() == SchemeChangedEvent::kType) {
    if (StoreOf(scheme_) != nullptr) TakeSchemeColor();
    for (QObject* child : owner_->children()) {
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget == nullptr || !IsWindowedControl(widget)) continue;
      SchemeChangedEvent forwarded(0, 0);
      QCoreApplication::sendEvent(widget, &forwarded);
    }
    update();
  }
  return false;
}

void TepSchemeForm::paintEvent(QPaintEvent* event) {
  if (owner_->width() < 2 || owner_->height() < 2) return;
  QPainter p(this);
  const TepSchemeStore* store = StoreOf(scheme_);
  if (store == nullptr) {
    // Nothing skinned to show: the owner's own colour.
    p.fillRect(event->rect(), owner_->palette().color(QPalette::Window));
    return;
  }
  FrameInput in;
  in.width = width();
  in.height = height();
  in.wallpaper = store->Size(SkinImage::WallPaper);
  in.showCaption = showCaption_;
  in.active = QGuiApplication::applicationState() == Qt::ApplicationActive;
  in.caption = store->Size(in.active ? SkinImage::ActiveCaption : SkinImage::InactiveCaption);
  in.borderIcons = borderIcons_;
  if (const auto* storeOwner = qobject_cast<const QWidget*>(store->parent())) {
    in.maximized = storeOwner->window()->isMaximized();
    in.minimized = storeOwner->window()->isMinimized();
  }
  auto plan = PlanFrame(in);
  if (showCaption_) buttons_ = std::move(plan.buttons);
  PaintSkinSteps(p, *store, plan.steps, color_, event->rect(), [&](const DrawStep& step) {
    const TepCaption& line = step.kind == StepKind::Caption ? caption_ : secondCaption_;
    p.setFont(line.font);
    p.setPen(line.color);
    p.drawText(QRect(step.target.x, step.target.y, width(), height()), Qt::AlignLeft | Qt::AlignTop, line.text);
  });
}

void TepSchemeForm::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && showCaption_) {
    const QPoint pos = event->position().toPoint();
    if (const auto* button = HitCaptionButton(buttons_, pos.x(), pos.y())) RunAction(button->action);
  }
  QWidget::mouseReleaseEvent(event);
}

void TepSchemeForm::RunAction(CaptionAction action) {
  QWidget* window = owner_->window();
  switch (action) {
    case CaptionAction::Close: window->close(); break;
    case CaptionAction::MaximizeToggle:
      window->isMaximized() ? window->showNormal() : window->showMaximized();
      break;
    case CaptionAction::MinimizeToggle:
      window->isMinimized() ? window->showNormal() : window->showMinimized();
      break;
  }
}

}  // namespace lumivra
