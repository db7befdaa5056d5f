#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kulko {

// The window's own decorative pictures, drawn rather than shipped.
QPixmap DecorativePicture(const QString& controlName, QSize size);
// The picture of a button, or a null icon for buttons without one.
QIcon ButtonIcon(const QString& controlName);
// A lottery ball with its number, as used on buttons and decorations.
QPixmap BallPixmap(int number, int diameter, QColor color);

}  // namespace kulko
