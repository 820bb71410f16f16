#pragma once
// The archive check's grid as a Qt model over the texts built once after a
// check, and the proxy that applies the column filters: the view asks only
// for the rows it shows, so a 20000-draw result costs no widget per cell.

#include "ArchiveCheck.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <vector>

namespace dvx {

class CheckGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTexts(std::vector<GridRow> texts);
    const std::vector<GridRow>& texts() const { return texts_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<GridRow> texts_;
    GridRow header_ = archiveCheckHeader();
};

// Shows the rows that pass every column's choice ("*" passes anything).
class CheckGridFilter final : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CheckGridFilter(QObject* parent = nullptr);

    void setChoices(const GridRow& choices);
    const GridRow& choices() const { return choices_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    GridRow choices_;
};

} // namespace dvx
