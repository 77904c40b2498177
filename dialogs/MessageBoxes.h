#pragma once
#include <QMessageBox>
#include <QString>

namespace lumivra {

// Where the window's message boxes go. The reader shows them with
// QMessageBox; a test records them and answers for the user.
class MessageBoxes {
public:
  virtual ~MessageBoxes() = default;
  // A modal box centred on the screen (or on `parent`); returns the button
  // chosen.
  virtual QMessageBox::StandardButton Show(
      QMessageBox::Icon icon, const QString& title, const QString& text,
      QMessageBox::StandardButtons buttons = QMessageBox::Ok,
      QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
      QWidget* parent = nullptr) = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
  QMessageBox::StandardButton Show(QMessageBox::Icon icon, const QString& title,
                                   const QString& text, QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton,
                                   QWidget* parent) override;
};

}  // namespace lumivra
