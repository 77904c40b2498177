#pragma once

namespace lumivra {

class TepSchemeStore;

// Copies the four bitmaps of theme `type` (0 … 3) into the store: wallpaper,
// border, small border and button faces, in this order, each with its
// double-size twin. Returns false, changing nothing, for any other type.
bool CopyThemeIntoStore(int type, TepSchemeStore& store);

}  // namespace lumivra
