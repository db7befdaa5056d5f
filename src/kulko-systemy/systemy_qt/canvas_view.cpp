#include "systemy_qt/canvas_view.hpp"

#include <QPainter>

#include "canvas/canvas.hpp"
#include "qt_shared/canvas_painter.hpp"

namespace kulko {

CanvasView::CanvasView(const Canvas& canvas, int width, int height, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
    setMinimumSize(width, height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CanvasView::ShowIfChanged() {
    if (painted_.Steps().data() != canvas_.Steps().data() ||
        painted_.Steps().size() != canvas_.Steps().size()) {
        update();
    }
}

void CanvasView::paintEvent(QPaintEvent*) {
    painted_ = canvas_;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PaintCanvas(canvas_, painter);
}

}  // namespace kulko
