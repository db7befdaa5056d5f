#include "qt_shared/canvas_painter.hpp"

#include <QPainter>
#include <QPen>

#include "canvas/canvas.hpp"
#include "qt_shared/conversions.hpp"

namespace kulko {
namespace {

// A pen of the given width. One-pixel lines leave out their end point, as
// the lines of the original surface do; wider pens have round ends.
QPen MakePen(Rgb color, int width) {
    QPen pen(ToQColor(color));
    pen.setWidth(width);
    pen.setCapStyle(width <= 1 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(width <= 1 ? Qt::MiterJoin : Qt::RoundJoin);
    return pen;
}

}  // namespace

// Every replay starts from the same state (a black 1-pixel pen, black text),
// so pens left by an earlier canvas (the marks' 5-pixel blue pen) never
// reach the next one. Text is drawn in the painter's font, which on the
// window is the window's font.
void PaintCanvas(const Canvas& canvas, QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(MakePen(colors::kBlack, 1));
    painter.setBrush(Qt::white);
    // Text is written on the white background, like the window's own text.
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    QColor fontColor(Qt::black);
    for (const CanvasStep& step : canvas.Steps()) {
        switch (step.kind) {
            case CanvasStep::Kind::Pen:
                painter.setPen(MakePen(step.color, step.width));
                break;
            case CanvasStep::Kind::FontColor:
                fontColor = ToQColor(step.color);
                break;
            case CanvasStep::Kind::Line:
                painter.drawLine(step.x1, step.y1, step.x2, step.y2);
                break;
            case CanvasStep::Kind::Ellipse:
                // A bounding box from (x1, y1) to (x2, y2), the right and
                // bottom edges excluded as on the original surface; wider
                // pens straddle the outline. The inside is filled white.
                painter.drawEllipse(
                    QRect(step.x1, step.y1, step.x2 - step.x1 - 1, step.y2 - step.y1 - 1));
                break;
            case CanvasStep::Kind::Text: {
                // The position is the top left corner of the text.
                const QString text = QString::fromStdString(step.text);
                const QRect box(QPoint(step.x1, step.y1),
                                painter.fontMetrics().size(Qt::TextSingleLine, text));
                const QPen linePen = painter.pen();
                painter.setPen(fontColor);
                painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
                painter.setPen(linePen);
                break;
            }
        }
    }
    painter.restore();
}

}  // namespace kulko
