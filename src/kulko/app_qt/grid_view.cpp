#include "app_qt/grid_view.hpp"

#include <QHeaderView>

namespace kulko {

GridView::GridView(QAbstractItemModel* model, std::vector<int> columnWidths, QWidget* parent)
    : QTableView(parent), model_(model), columnWidths_(std::move(columnWidths)) {
    model_->setParent(this);
    // The rows' height before the model: thousands of rows made at their
    // height, not made and then each resized.
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    setTabKeyNavigation(true);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
}

void GridView::showEvent(QShowEvent* event) {
    if (model() != model_) {
        setModel(model_);
        for (std::size_t i = 0; i < columnWidths_.size(); ++i) {
            setColumnWidth(static_cast<int>(i), columnWidths_[i]);
        }
    }
    QTableView::showEvent(event);
}

}  // namespace kulko
