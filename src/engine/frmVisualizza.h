#pragma once
// The developed columns, ten at a time; the scroll bar picks the panel.

#include "ColumnOps.h"
#include "Model.h"

#include <QDialog>

#include <array>

class QLabel;
class QScrollBar;

namespace dvx {

class frmVisualizza final : public QDialog {
    Q_OBJECT
public:
    explicit frmVisualizza(const SystemState& state, QWidget* parent = nullptr);

    void scroll_Change(int value);

protected:
    // The wheel anywhere over the window turns the panels.
    void wheelEvent(QWheelEvent* event) override;

private:
    const SystemState& state_;
    QScrollBar* scroll_;
    std::array<QLabel*, kPanelRows> labVisualizza_{};
    QLabel* labNscheda_;
    std::int32_t firstRow_ = 0;
};

} // namespace dvx
