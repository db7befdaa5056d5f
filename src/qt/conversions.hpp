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
QFont ToQFont(const Font& font);
QPixmap ToQPixmap(const Picture& picture);

}  // namespace kulko
