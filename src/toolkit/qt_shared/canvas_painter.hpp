#pragma once

class QPainter;

namespace kulko {

class Canvas;

// Replays the drawing steps of a canvas with a painter.
void PaintCanvas(const Canvas& canvas, QPainter& painter);

}  // namespace kulko
