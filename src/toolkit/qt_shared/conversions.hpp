#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>

namespace kulko {

struct Rgb;
struct Font;
struct Picture;

// The core's plain values as Qt's.
QColor ToQColor(Rgb color);
// A font drawn at devicePixelRatio device pixels to the window's pixel.
QFont ToQFont(const Font& font, qreal devicePixelRatio);
// The window's own face, which every text without a face of its own uses:
// Tahoma at 8 points.
QFont WindowFont();
QPixmap ToQPixmap(const Picture& picture);

}  // namespace kulko
