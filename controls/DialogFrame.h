#pragma once

class QWidget;

namespace lumivra {

// Gives a fixed-size dialog or message box the frame of one: a title and a
// close button, no minimise and no maximise. A minimised modal dialog takes
// the main window with it, and without a taskbar nothing brings it back.
// Called before the dialog is first shown; the dialogs are all shown modal.
void UseFixedDialogFrame(QWidget& dialog);

}  // namespace lumivra
