#pragma once

namespace lumivra {

// Points fontconfig at the reader's own fonts.conf (beside the executable)
// unless FONTCONFIG_FILE is already set. Call before the application object
// exists, so that both the windows and the browser engine use it.
void ConfigureFonts();

}  // namespace lumivra
