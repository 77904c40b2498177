#pragma once
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <string_view>

namespace lumivra {

// A picture of the window artwork ("tree0", "menu7", "tool_home",
// "rose_border@2x", ...); a null pixmap or image for an unknown name.
QPixmap ArtworkPixmap(std::string_view name);
QImage ArtworkImage(std::string_view name);
// The picture with its double-size twin ("<name>@2x") where there is one.
QIcon ArtworkIcon(std::string_view name);

}  // namespace lumivra
