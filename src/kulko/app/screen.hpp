#pragma once

#include <string>

#include "canvas/canvas.hpp"

namespace kulko {

// What the window needs from the screen: modal questions and notices, an
// immediate repaint and marks drawn over the window until the next repaint.
class Screen {
public:
    virtual ~Screen() = default;

    // Modal box with caption "Pytanie" and the buttons Yes and No; true for Yes.
    virtual bool Ask(const std::string& text) = 0;
    // Modal box with caption "Informacja" and an OK button.
    virtual void Inform(const std::string& text) = 0;
    // Paints the window at once (the chart is drawn anew, marks vanish).
    virtual void RepaintNow() = 0;
    // Draws over the window until its next repaint.
    virtual void DrawMarks(const Canvas& marks) = 0;
    // Called again and again while a handler waits for another program to
    // finish with the working directory: the window answers its paint and
    // nothing else, so no other handler runs meanwhile.
    virtual void AnswerPaints() {}
};

}  // namespace kulko
