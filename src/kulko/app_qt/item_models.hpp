#pragma once

#include <QAbstractListModel>
#include <QAbstractTableModel>

namespace kulko {

class ItemList;
class GridCells;

// A list view over the window's items without copying them, so a list of a
// million results lines opens at once.
class ItemListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit ItemListModel(const ItemList& items, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Shows the items anew when they changed since the last call.
    void Refresh();

  private:
    const ItemList& items_;
    std::uint64_t shownRevision_;
};

// A table over a grid's cells. Row 0 of the cells is the heading row; the
// view's rows 0.. show cell rows 1..; the last cell row has no view row.
class GridCellsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridCellsModel(GridCells& cells, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void Refresh();

  private:
    GridCells& cells_;
    std::uint64_t shownRevision_;
};

}  // namespace kulko
