#include "search/AutoCombo.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace lumivra {

namespace {

// The message the combo box posts itself when its list has closed.
const QEvent::Type kDropUpEvent = static_cast<QEvent::Type>(QEvent::User + 0x622);

QString UpperAscii(const QString& text) {
  QString out = text;
  for (QChar& c : out)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
  return out;
}

}  // namespace

uint16_t VirtualKeyCode(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<uint16_t>(key);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<uint16_t>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<uint16_t>(0x70 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 0xBA;
    case Qt::Key_Plus: case Qt::Key_Equal: return 0xBB;
    case Qt::Key_Comma: case Qt::Key_Less: return 0xBC;
    case Qt::Key_Minus: case Qt::Key_Underscore: return 0xBD;
    case Qt::Key_Period: case Qt::Key_Greater: return 0xBE;
    case Qt::Key_Slash: case Qt::Key_Question: return 0xBF;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 0xC0;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 0xDB;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 0xDC;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 0xDD;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 0xDE;
    default: return 0;
  }
}

TAutoComboBox::TAutoComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);  // the completion is our own
  lineEdit()->installEventFilter(this);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { EditChanged(); });
}

bool TAutoComboBox::KeyDown(QKeyEvent* event) {
  // The key is recorded before the edit field acts on it, so the completion
  // that follows the change sees it.
  lastKey_ = VirtualKeyCode(event->key());
  if (OnKeyPress && event->text().size() == 1 && event->text()[0].unicode() < 256) {
    const char key = static_cast<char>(event->text()[0].unicode());
    if (OnKeyPress(this, key)) {
      event->accept();
      return true;
    }
  }
  return false;
}

void TAutoComboBox::keyPressEvent(QKeyEvent* event) {
  if (KeyDown(event)) return;
  QComboBox::keyPressEvent(event);
}

bool TAutoComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::KeyPress && KeyDown(static_cast<QKeyEvent*>(event)))
    return true;
  return QComboBox::eventFilter(watched, event);
}

void TAutoComboBox::EditChanged() {
  if (!Complete || !isEditable()) return;
  if (lastKey_ == 8 || lastKey_ == 46) return;  // deleting is never undone by a proposal
  QLineEdit* edit = lineEdit();
  const QString typed = edit->text();
  if (typed.size() < MinLengthComplete || count() == 0) return;
  const QString upper = UpperAscii(typed);
  for (int i = 0; i < count(); ++i) {
    const QString item = itemText(i);
    if (UpperAscii(item.left(upper.size())) != upper) continue;
    const int typedLength = static_cast<int>(typed.size());
    QString completeWith = item.mid(typedLength);
    bool doComplete = true;
    if (OnComplete) OnComplete(this, lastKey_, completeWith, doComplete);
    if (doComplete) {
      const QString text = typed + completeWith;
      edit->setText(text);
      edit->setSelection(typedLength, static_cast<int>(text.size()) - typedLength);
    }
    return;
  }
}

void TAutoComboBox::hidePopup() {
  QComboBox::hidePopup();
  QCoreApplication::postEvent(this, new QEvent(kDropUpEvent));
}

bool TAutoComboBox::event(QEvent* event) {
  if (event->type() == kDropUpEvent) {
    if (OnDropUp) OnDropUp(this);
    return true;
  }
  return QComboBox::event(event);
}

}  // namespace lumivra
