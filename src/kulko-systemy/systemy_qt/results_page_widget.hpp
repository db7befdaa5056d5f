#pragma once

#include "systemy_qt/analysis_page_widgets.hpp"

namespace kulko {

class ResultsPage;

// The page "Wyniki" on screen: the newest draw, the file or address with a
// file chooser, the preview and the import with their progress, and what
// the import said.
BoundPageWidget* MakeResultsPageWidget(ResultsPage& page, PageBinder::RunHandler run);

}  // namespace kulko
