#include "app_qt/item_models.hpp"

#include "app/controls.hpp"

namespace kulko {

ItemListModel::ItemListModel(const ItemList& items, QObject* parent)
    : QAbstractListModel(parent), items_(items), shownRevision_(items.Revision()) {}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.Size());
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(items_.Size())) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(items_[static_cast<std::size_t>(index.row())]);
    }
    return {};
}

void ItemListModel::Refresh() {
    if (shownRevision_ != items_.Revision()) {
        beginResetModel();
        shownRevision_ = items_.Revision();
        endResetModel();
    }
}

GridCellsModel::GridCellsModel(GridCells& cells, QObject* parent)
    : QAbstractTableModel(parent), cells_(cells), shownRevision_(cells.Revision()) {}

int GridCellsModel::rowCount(const QModelIndex& parent) const {
    // One heading row in the cells, and the last entry has no visible row.
    return parent.isValid() ? 0 : std::max(0, cells_.Rows() - 2);
}

int GridCellsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cells_.Cols();
}

QVariant GridCellsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return QString::fromStdString(cells_.Cell(index.column(), index.row() + 1));
}

bool GridCellsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    cells_.SetCellFromScreen(index.column(), index.row() + 1, value.toString().toStdString());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags GridCellsModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant GridCellsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal && section < cells_.Cols()) {
        return QString::fromStdString(cells_.Cell(section, 0));
    }
    return {};
}

void GridCellsModel::Refresh() {
    if (shownRevision_ != cells_.Revision()) {
        beginResetModel();
        shownRevision_ = cells_.Revision();
        endResetModel();
        emit headerDataChanged(Qt::Horizontal, 0, cells_.Cols() - 1);
    }
}

}  // namespace kulko
