#pragma once
// A grid of selectable number cells. A press on a cell clicks it; with
// sweeping on, moving with the button held clicks each further cell the
// pointer enters. Arrow keys move the focus cell, Space clicks it.

#include "CellLook.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;

namespace dvx {

class CellGrid final : public QWidget {
public:
    // Cells are named namePrefix + "_" + index (0-based).
    CellGrid(const QString& namePrefix, int count, int columns, bool sweep,
             QWidget* parent = nullptr);

    std::function<void(int)> onClick;

    QLabel* cell(int index) const { return cells_[static_cast<std::size_t>(index)]; }
    int count() const { return static_cast<int>(cells_.size()); }
    void setLook(int index, const CellLook& look);
    // The cell under a point of this widget, or -1.
    int cellAt(QPoint pos) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void click(int index);
    void applyStyle(int index);

    std::vector<QLabel*> cells_;
    std::vector<CellLook> looks_;
    int columns_;
    bool sweep_;
    bool pressed_ = false;
    int underPointer_ = -1;
    int focusCell_ = 0;
};

} // namespace dvx
