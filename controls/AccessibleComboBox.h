#pragma once

namespace lumivra {

// Combo boxes with an accessible name keep it for assistive technology while
// their text changes (the toolkit names a combo box by its text on this
// platform); the text stays their value, the list and the edit field their
// children. Combo boxes without one are named by their text, as before.
// Installs once; combo boxes created before the call are not affected.
void InstallAccessibleComboBox();

}  // namespace lumivra
