#pragma once
#include <QImage>

// The dialogs' built-in 64 x 64 texture (the Default theme's wallpaper).
QImage BuiltInTexture();

// The wallpaper the dialogs' background panels get before each showing: the
// one last set, else the built-in texture.
QImage CurrentWallpaper();

// Replaces the current wallpaper; a null image returns to the built-in one.
void SetCurrentWallpaper(const QImage& wallpaper);
