#pragma once
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

#include "skin/SkinLayout.h"
#include "skin/TepScheme.h"

namespace lumivra {

// One line of the frame's caption bar.
struct TepCaption {
  QFont font;
  QColor color;
  QString text;
};

// A skinned frame inside its owner's area: the store's wallpaper, a 10-pixel
// bitmap border and, when ShowCaption is on, a caption bar with two lines of
// text and its own close, maximize and minimize buttons.
//
// It hooks its owner's events: it follows the owner's size (unless a layout
// places it), forwards SchemeChanged to the owner's direct windowed children
// and gives the owner's window a minimum size of 600 x 400. It paints every
// pixel of its area, so nothing is erased beneath it.
class TepSchemeForm : public QWidget {
  Q_OBJECT
public:
  // `owner` is the widget whose area the frame fills; it must not be null.
  explicit TepSchemeForm(QWidget* owner);

  unsigned BorderIcons() const { return borderIcons_; }
  // A set of BorderIcon; also given to the owner's window.
  void SetBorderIcons(unsigned icons);
  TepScheme* Scheme() const { return scheme_; }
  void SetScheme(TepScheme* scheme);
  bool Sizeable() const { return sizeable_; }
  void SetSizeable(bool sizeable) { sizeable_ = sizeable; }
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool show);
  const TepCaption& Caption() const { return caption_; }
  void SetCaption(const TepCaption& caption);
  const TepCaption& SecondCaption() const { return secondCaption_; }
  void SetSecondCaption(const TepCaption& caption);
  QColor Color() const { return color_; }
  void SetColor(const QColor& color);

  // The caption buttons of the last paint that drew them.
  const std::vector<CaptionButton>& CaptionButtons() const { return buttons_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void TakeSchemeColor();
  void RunAction(CaptionAction action);

  QWidget* const owner_;
  QPointer<TepScheme> scheme_;
  unsigned borderIcons_ = 0;
  bool sizeable_ = true;
  bool showCaption_ = true;
  TepCaption caption_;
  TepCaption secondCaption_;
  QColor color_{Qt::black};
  std::vector<CaptionButton> buttons_;
};

}  // namespace lumivra
