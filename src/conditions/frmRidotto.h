#pragma once
// The reduced system: the switch, the level N-1, N-2 or N-3, and whether
// the reduction searches for fewer columns than the greedy keeps.

#include <QDialog>

class QCheckBox;

namespace dvx {

struct AppState;
class Platform;
class frmCellGrid;
class frmOnOff;

class frmRidotto final : public QDialog {
    Q_OBJECT
public:
    frmRidotto(AppState& app, Platform& platform, QWidget* parent = nullptr);

    void optCondizione_Click(int index);
    void lbRidotto_Click(int level);
    void chkOttimizzata_Click(bool checked);

private:
    AppState& app_;
    frmOnOff* frame3_;
    frmCellGrid* labels_;
    QCheckBox* chkOttimizzata_;
};

} // namespace dvx
