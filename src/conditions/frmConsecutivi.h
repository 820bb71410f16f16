#pragma once
// The consecutive-runs condition: which lengths of a column's longest run of
// consecutive numbers are allowed.

#include <QDialog>

class QLabel;

namespace dvx {

struct AppState;
class Platform;
class frmCellGrid;
class frmOnOff;

class frmConsecutivi final : public QDialog {
    Q_OBJECT
public:
    frmConsecutivi(AppState& app, Platform& platform, QWidget* parent = nullptr);

    // Closing stores the selected runs, every time.
    void done(int result) override;

    void optCond_Click(int index);
    void lbPresenze_Click(int run);

private:
    QLabel* runLabel(int run) const;

    AppState& app_;
    frmOnOff* frame3_;
    frmCellGrid* labels_;
};

} // namespace dvx
