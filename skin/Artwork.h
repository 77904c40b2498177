#pragma once
#include <QPixmap>
#include <string_view>

// A picture of the window artwork ("tree0", "menu7", "tool_home", ...);
// a null pixmap for an unknown name.
QPixmap ArtworkPixmap(std::string_view name);
