#include "qt/canvas_painter.hpp"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "app/canvas.hpp"

namespace kulko {
namespace {

QColor ToQColor(Rgb color) {
    return QColor(color.r, color.g, color.b);
}

}  // namespace

void PaintCanvas(const Canvas& canvas, QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black);
    pen.setWidth(1);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    QColor fontColor(Qt::black);
    painter.setPen(pen);
    painter.setBrush(Qt::white);
    const int ascent = painter.fontMetrics().ascent();
    for (const CanvasStep& step : canvas.Steps()) {
        switch (step.kind) {
            case CanvasStep::Kind::Pen:
                pen.setColor(ToQColor(step.color));
                pen.setWidth(step.width);
                painter.setPen(pen);
                break;
            case CanvasStep::Kind::FontColor:
                fontColor = ToQColor(step.color);
                break;
            case CanvasStep::Kind::Line:
                painter.drawLine(step.x1, step.y1, step.x2, step.y2);
                break;
            case CanvasStep::Kind::Ellipse:
                // A bounding box from (x1, y1) to (x2, y2), the right and
                // bottom edges excluded as on the original surface.
                painter.drawEllipse(
                    QRect(step.x1, step.y1, step.x2 - step.x1 - 1, step.y2 - step.y1 - 1));
                break;
            case CanvasStep::Kind::Text: {
                painter.save();
                painter.setPen(fontColor);
                painter.drawText(step.x1, step.y1 + ascent, QString::fromStdString(step.text));
                painter.restore();
                break;
            }
        }
    }
    painter.restore();
}

}  // namespace kulko
