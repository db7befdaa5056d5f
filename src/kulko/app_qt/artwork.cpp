#include "app_qt/artwork.hpp"

#include <QPainter>
#include <QRadialGradient>

#include "qt_shared/ball_colors.hpp"

namespace kulko {
namespace {

// A lottery ball with its number.
QPixmap BallPixmap(int number, int diameter, QColor color) {
    QPixmap pixmap(diameter, diameter);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(diameter * 0.35, diameter * 0.3, diameter * 0.7);
    shade.setColorAt(0, color.lighter(170));
    shade.setColorAt(1, color.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QRectF(0.5, 0.5, diameter - 1, diameter - 1));
    p.setBrush(Qt::white);
    const qreal inner = diameter * 0.56;
    p.drawEllipse(QRectF((diameter - inner) / 2, (diameter - inner) / 2, inner, inner));
    if (number > 0) {
        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setPixelSize(static_cast<int>(diameter * 0.3));
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRectF(0, 0, diameter, diameter), Qt::AlignCenter, QString::number(number));
    }
    return pixmap;
}

}  // namespace

QPixmap DecorativePicture(const QString& controlName, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    // A few balls in a loose row, different for each place on the window.
    const int seed = static_cast<int>(qHash(controlName) % 40);
    const int count = 5;
    const int diameter = std::max(8, std::min(size.height() * 2 / 3, size.width() / 3));
    for (int i = 0; i < count; ++i) {
        const int number = (seed + i * 9) % 49 + 1;
        const int x = (size.width() - diameter) * i / (count - 1);
        const int y = (i % 2 == 0) ? 0 : size.height() - diameter;
        p.drawPixmap(x, y, BallPixmap(number, diameter, BallColor(number)));
    }
    return pixmap;
}

QIcon BallIcon(int number) {
    return QIcon(BallPixmap(number, 24, BallColor(number)));
}

}  // namespace kulko
