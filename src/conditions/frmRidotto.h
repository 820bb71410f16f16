#pragma once
// The reduced system: the switch, the level N-1, N-2 or N-3, and whether
// the reduction searches for fewer columns than the greedy keeps.

#include <QDialog>

class QCheckBox;

namespace dvx {

struct SystemState;
class Platform;
class CellGrid;
class OnOffPair;

class frmRidotto final : public QDialog {
    Q_OBJECT
public:
    frmRidotto(SystemState& system, Platform& platform, QWidget* parent = nullptr);

    void optCondizione_Click(int index);
    void lbRidotto_Click(int level);
    void chkOttimizzata_Click(bool checked);

private:
    SystemState& system_;
    OnOffPair* frame3_;
    CellGrid* labels_;
    QCheckBox* chkOttimizzata_;
};

} // namespace dvx
