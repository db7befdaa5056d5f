#pragma once

#include <QWidget>

#include "canvas/canvas.hpp"

namespace kulko {

// A chart on screen: the steps of a canvas replayed on white by the
// project's canvas painter, in a widget of the chart's size.
class CanvasView : public QWidget {
    Q_OBJECT
  public:
    CanvasView(const Canvas& canvas, int width, int height, QWidget* parent = nullptr);

    // Paints again only when the canvas is no longer the one last painted.
    void ShowIfChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Canvas& canvas_;
    Canvas painted_;  // shares its steps with the canvas as last painted
};

}  // namespace kulko
