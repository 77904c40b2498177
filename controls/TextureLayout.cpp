#include "controls/TextureLayout.h"

#include <algorithm>

namespace lumivra {

namespace {

// Start and length along one axis for a centred texture: centred when it is
// smaller than the client, otherwise at the client's start and cut to it.
void CenterAxis(int clientStart, int clientLength, int textureLength, int& start, int& length) {
  if (textureLength < clientLength) {
    start = clientStart + (clientLength - textureLength) / 2;
    length = textureLength;
  } else {
    start = clientStart;
    length = clientLength;
  }
}

}  // namespace

std::vector<TexturePiece> LayoutTexture(TextureStyle style, const LayoutRect& client, int textureWidth,
                                        int textureHeight) {
  std::vector<TexturePiece> pieces;
  if (style == TextureStyle::None || textureWidth <= 0 || textureHeight <= 0 || client.width <= 0 ||
      client.height <= 0)
    return pieces;
  const int right = client.x + client.width;
  const int bottom = client.y + client.height;
  switch (style) {
    case TextureStyle::Tile:
      for (int y = client.y; y < bottom; y += textureHeight) {
        const int h = std::min(textureHeight, bottom - y);
        for (int x = client.x; x < right; x += textureWidth) {
          const int w = std::min(textureWidth, right - x);
          pieces.push_back({{0, 0, w, h}, {x, y, w, h}});
        }
      }
      break;
    case TextureStyle::Center: {
      int x = 0, y = 0, w = 0, h = 0;
      CenterAxis(client.x, client.width, textureWidth, x, w);
      CenterAxis(client.y, client.height, textureHeight, y, h);
      pieces.push_back({{0, 0, w, h}, {x, y, w, h}});
      break;
    }
    case TextureStyle::Stretch:
      pieces.push_back({{0, 0, textureWidth, textureHeight}, client});
      break;
    case TextureStyle::None:
      break;
  }
  return pieces;
}

}  // namespace lumivra
