#pragma once

#include <QWidget>

#include "systemy_qt/page_binder.hpp"

namespace kulko {

class FiltersPage;
class HistoryPage;
class NumbersPage;

// A page of analyses on screen: widgets in layouts, bound to the page's
// controls by a PageBinder. No logic lives here.
class BoundPageWidget : public QWidget {
    Q_OBJECT
  public:
    explicit BoundPageWidget(PageBinder::RunHandler run, QWidget* parent = nullptr)
        : QWidget(parent), binder(new PageBinder(this, std::move(run))) {}

    void Sync() { binder->Sync(); }

    PageBinder* binder;
};

BoundPageWidget* MakeHistoryPageWidget(HistoryPage& page, PageBinder::RunHandler run);
BoundPageWidget* MakeFiltersPageWidget(FiltersPage& page, PageBinder::RunHandler run);
BoundPageWidget* MakeNumbersPageWidget(NumbersPage& page, PageBinder::RunHandler run);

}  // namespace kulko
