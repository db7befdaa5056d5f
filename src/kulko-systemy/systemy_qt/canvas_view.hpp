#pragma once

#include <QWidget>

namespace kulko {

class Canvas;

// A chart on screen: the steps of a canvas replayed on white by the
// project's canvas painter, in a widget of the chart's size.
class CanvasView : public QWidget {
    Q_OBJECT
  public:
    CanvasView(const Canvas& canvas, int width, int height, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Canvas& canvas_;
};

}  // namespace kulko
