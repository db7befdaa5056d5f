#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kulko {

// The window's own decorative pictures, drawn rather than shipped: lottery
// balls, different for each control of the given name.
QPixmap DecorativePicture(const QString& controlName, QSize size);
// The picture of a button: a ball with its number.
QIcon BallIcon(int number);

}  // namespace kulko
