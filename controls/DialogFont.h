#pragma once
#include <QFont>

namespace lumivra {

// Tahoma 8 pt (11 pixels), the dialogs' font. The Tahoma face shipped with
// the system fonts is registered with the application the first time.
QFont DialogFont();
// The same, bold: the caption font of the dialog buttons.
QFont BoldDialogFont();

}  // namespace lumivra
