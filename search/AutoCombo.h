#pragma once
#include <QComboBox>
#include <cstdint>
#include <functional>

namespace lumivra {

class TAutoComboBox;

// Asked before each completion: may change the proposed tail or cancel it.
using TOnComplete =
    std::function<void(TAutoComboBox* sender, uint16_t key, QString& completeWith, bool& doComplete)>;
using TNotifyEvent = std::function<void(TAutoComboBox* sender)>;
// A typed character; returns true to swallow it.
using TKeyPressEvent = std::function<bool(TAutoComboBox* sender, char key)>;

// Virtual-key code of a Qt key (Backspace 8, Enter 13, Delete 46, "A" 65 …);
// 0 for keys without one.
uint16_t VirtualKeyCode(int qtKey);

// An editable combo box that completes the typed text from its own items:
// the rest of the first item beginning with the text (letters "a" to "z"
// compared without case) is appended and selected.
class TAutoComboBox : public QComboBox {
  Q_OBJECT
public:
  explicit TAutoComboBox(QWidget* parent = nullptr);

  bool Complete = true;
  uint16_t MinLengthComplete = 0;
  TOnComplete OnComplete;
  TNotifyEvent OnDropUp;
  TKeyPressEvent OnKeyPress;

  uint16_t LastKey() const { return lastKey_; }

  void hidePopup() override;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

private:
  // Key-down handling; true when the key was swallowed.
  bool KeyDown(QKeyEvent* event);
  void EditChanged();

  uint16_t lastKey_ = 0;
};

}  // namespace lumivra
