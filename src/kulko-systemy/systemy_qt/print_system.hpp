#pragma once

#include "systemy/systemy_screen.hpp"

class QPagedPaintDevice;

namespace kulko {

// Lays the system out on the pages of a printer or a PDF file: the title
// and the heading on the first page, then one ticket a line, numbered,
// as many to a page as fit.
void PrintSystem(const PrintedSystem& document, QPagedPaintDevice& device);

}  // namespace kulko
