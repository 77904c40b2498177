#pragma once
#include <QObject>
#include <QPointer>
#include <QWebEngineView>

namespace lumivra {

// The text size of a browser view, one size for every page it shows:
// Ctrl+wheel, Ctrl++ (also Ctrl+=) and Ctrl+- step through the sizes of
// kTextSizes (content/TextSizes.h), Ctrl+0 returns to 100 %. The keys work
// anywhere in the view's window; the wheel without Ctrl scrolls as before.
class TTextSize : public QObject {
  Q_OBJECT
public:
  explicit TTextSize(QWebEngineView* view);

  int Percent() const { return percent_; }
  // A percent that is not one of the sizes gives 100.
  void SetPercent(int percent);
  // Steps larger (negative: smaller), held at both ends.
  void Step(int steps);

signals:
  void Changed(int percent);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void Watch(QObject* child);

  QPointer<QWebEngineView> view_;
  int percent_ = 100;
  int wheel_ = 0;  // wheel turn not yet a whole step, in eighths of a degree
};

}  // namespace lumivra
