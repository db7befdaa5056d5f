#pragma once

#include <QTableView>
#include <vector>

namespace kulko {

// The view of a ledger grid. Its thousands of rows are laid out when the
// grid is first shown, not when it is made: both grids lie on a panel
// hidden at start, and their rows would delay the window's first paint.
class GridView : public QTableView {
  public:
    GridView(QAbstractItemModel* model, std::vector<int> columnWidths, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QAbstractItemModel* model_;
    std::vector<int> columnWidths_;
};

}  // namespace kulko
