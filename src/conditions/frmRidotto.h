#pragma once
// The reduced system: the switch and the level N-1, N-2 or N-3.

#include <QDialog>

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

private:
    AppState& app_;
    frmOnOff* frame3_;
    frmCellGrid* labels_;
};

} // namespace dvx
