#pragma once
#include <QImage>
#include <functional>

namespace lumivra {

// The dialogs' built-in 64 x 64 texture (the Default theme's wallpaper).
QImage BuiltInTexture();

// The wallpaper the dialogs' background panels get before each showing: what
// the wallpaper source gives (the main window's skin store), else the
// built-in texture.
QImage CurrentWallpaper();

// Where CurrentWallpaper takes the wallpaper from; an empty function returns
// to the built-in texture.
void SetWallpaperSource(std::function<QImage()> source);

}  // namespace lumivra
