#pragma once
// The fixed-numbers condition: up to nine numbers in play that every column
// must contain.

#include "FixedNumbers.h"

#include <QDialog>

class QLabel;

namespace dvx {

struct AppState;
class Platform;
class frmCellGrid;
class frmOnOff;

class frmFisse final : public QDialog {
    Q_OBJECT
public:
    frmFisse(AppState& app, Platform& platform, QWidget* parent = nullptr);

    // Closing stores the selected numbers, every time.
    void done(int result) override;

    void optCondFisse_Click(int index);
    void labFisse_Click(int index);

private:
    void showLabel(int index);

    AppState& app_;
    FixedNumberPicker picker_;
    frmOnOff* frame3_;
    frmCellGrid* labels_;
    QLabel* l1_;
};

} // namespace dvx
