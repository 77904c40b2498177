#pragma once
#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

#include "skin/SkinLayout.h"

class QPainter;

namespace lumivra {

class TepSchemeStore;

// `image` with every pixel of colour `key` made transparent.
QImage WithoutColor(const QImage& image, QRgb key);

QRect ToQRect(const LayoutRect& r);

// Whether `painter` draws on more device pixels than logical ones (a device
// pixel ratio above 1), where double-size bitmaps are used.
bool DenseDevice(const QPainter& painter);

// Carries out draw steps with the bitmaps of `store`. Steps whose target
// misses `exposed` are skipped (a null rectangle skips none). On a device
// pixel ratio above 1 a bitmap with a double-size twin is copied from the
// twin, so the copy stays sharp. Text steps go to `text`.
void PaintSkinSteps(QPainter& painter, const TepSchemeStore& store, const DrawSteps& steps,
                    const QColor& fill, const QRect& exposed = {},
                    const std::function<void(const DrawStep&)>& text = {});

}  // namespace lumivra
