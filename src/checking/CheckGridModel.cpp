#include "CheckGridModel.h"

#include "GridFilter.h"
#include "QtText.h"

namespace dvx {

void CheckGridModel::setTexts(std::vector<GridRow> texts) {
    beginResetModel();
    texts_ = std::move(texts);
    endResetModel();
}

int CheckGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
}

int CheckGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridColumns;
}

QVariant CheckGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return qtText(texts_[static_cast<std::size_t>(index.row())]
                            [static_cast<std::size_t>(index.column())]);
    }
    if (role == Qt::TextAlignmentRole) {
        // Counts and scores line up on the right, the draw's texts on the left.
        return index.column() >= 5 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                   : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant CheckGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kGridColumns) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return qtText(header_[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) {
        // The filter lists take the lower half of the header while they show.
        return QVariant(Qt::AlignHCenter | Qt::AlignTop);
    }
    return {};
}

CheckGridFilter::CheckGridFilter(QObject* parent)
    : QSortFilterProxyModel(parent), choices_(noFilters()) {}

void CheckGridFilter::setChoices(const GridRow& choices) {
    choices_ = choices;
    invalidateRowsFilter();
}

bool CheckGridFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (sourceParent.isValid()) {
        return false;
    }
    const auto* grid = static_cast<const CheckGridModel*>(sourceModel());
    return rowPassesFilters(grid->texts()[static_cast<std::size_t>(sourceRow)], choices_);
}

} // namespace dvx
