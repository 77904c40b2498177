#pragma once
#include <vector>

#include "skin/LayoutRect.h"

namespace lumivra {

enum class TextureStyle { None, Tile, Center, Stretch };

// One drawing of the texture: `source` is the part of the texture taken (in
// texture pixels), `target` where it lands. For Tile and Center the two have
// the same size; for Stretch `source` is the whole texture and `target` the
// whole client rectangle.
struct TexturePiece {
  LayoutRect source;
  LayoutRect target;
  friend bool operator==(const TexturePiece&, const TexturePiece&) = default;
};

// Where a texture of `textureWidth` x `textureHeight` is drawn in `client`.
// Empty for None, an empty texture or an empty client rectangle.
std::vector<TexturePiece> LayoutTexture(TextureStyle style, const LayoutRect& client, int textureWidth,
                                        int textureHeight);

}  // namespace lumivra
