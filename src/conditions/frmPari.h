#pragma once
// The even/odd condition: which splits of a column into even and odd
// numbers are allowed.

#include <QDialog>

namespace dvx {

struct SystemState;
class Platform;
class CellGrid;
class OnOffPair;

class frmPari final : public QDialog {
    Q_OBJECT
public:
    frmPari(SystemState& system, Platform& platform, QWidget* parent = nullptr);

    void optCondizione_Click(int index);
    void labPariDispari_Click(int evens);

private:
    SystemState& system_;
    OnOffPair* frame3_;
    CellGrid* labels_;
};

} // namespace dvx
