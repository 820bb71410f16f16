#pragma once
// The reduced system: the switch and the level N-1, N-2 or N-3.

#include <QDialog>

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

private:
    SystemState& system_;
    OnOffPair* frame3_;
    CellGrid* labels_;
};

} // namespace dvx
