#include "dialogs/MessageBoxes.h"

#include "controls/DialogFrame.h"

namespace lumivra {

QMessageBox::StandardButton QtMessageBoxes::Show(QMessageBox::Icon icon, const QString& title,
                                                 const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton,
                                                 QWidget* parent) {
  QMessageBox box(icon, title, text, buttons, parent);
  UseFixedDialogFrame(box);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  box.setWindowModality(Qt::ApplicationModal);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace lumivra
