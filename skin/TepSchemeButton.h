#pragma once
#include <QPointer>
#include <QWidget>
#include <string_view>

#include "skin/ButtonMachine.h"
#include "skin/TButtonGlyph.h"
#include "skin/TepScheme.h"

namespace lumivra {

// A skinned push button with an optional glyph and caption: a plain button,
// a flat (hover highlighting) one, or one of a group of exclusive toggle
// buttons (same GroupIndex under one parent). With a scheme whose store has
// button faces, it shows the faces of the store's SpeedButton bitmap and takes
// their size; without, a plain push-button look. Like every non-windowed
// control it is painted as part of its parent: never marked opaque, so a
// repaint of the parent repaints it too.
class TepSchemeButton : public QWidget {
  Q_OBJECT
public:
  explicit TepSchemeButton(QWidget* parent = nullptr);
  ~TepSchemeButton() override;

  TepScheme* Scheme() const { return scheme_; }
  void SetScheme(TepScheme* scheme);

  bool AllowAllUp() const { return machine_.AllowAllUp(); }
  void SetAllowAllUp(bool allow);
  int GroupIndex() const { return machine_.GroupIndex(); }
  void SetGroupIndex(int index);
  bool Down() const { return machine_.Down(); }
  void SetDown(bool down);
  bool Flat() const { return machine_.Flat(); }
  void SetFlat(bool flat);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  const QImage& Glyph() const { return glyph_.Glyph(); }
  // The strip and its optional double-size twin.
  void SetGlyph(const QImage& strip, const QImage& twin = {});
  // The glyph from the window artwork ("tool_home", ...) with its
  // double-size twin; an unknown name leaves the button without a picture.
  void SetGlyphArtwork(std::string_view name);
  int NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(int value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);

  // Kept like every hint of the toolbar, never shown.
  void SetHint(const QString& hint) { hint_ = hint; }
  const QString& Hint() const { return hint_; }

  ButtonState State() const { return machine_.State(); }
  bool Hot() const { return machine_.Hot(); }

  // Another button of the parent pressed or changed its group settings.
  void ButtonPressed(int groupIndex, TepSchemeButton* sender);

  // A left press and release inside the button, as the mouse gives them:
  // the press action a screen reader offers (the button is exposed as a push
  // button named by its accessible name).
  void Press();

  // The shared 8 x 8 pattern of stuck-down buttons; null when no button lives.
  static const QImage* Pattern();

signals:
  void clicked();
  // A double click on a button that is down.
  void doubleClicked();

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void Apply(unsigned effects);
  void FitToFaces();
  void UpdateHotFromCursor();
  // Releases the button at `pos`; false when its click destroyed it.
  bool ReleaseAt(const QPoint& pos);
  void Click();

  ButtonMachine machine_;
  TButtonGlyph glyph_;
  QPointer<TepScheme> scheme_;
  QString caption_;
  QString hint_;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  int shortcutId_ = 0;
};

}  // namespace lumivra
