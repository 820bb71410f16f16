#pragma once
// The consecutive-runs condition: which lengths of a column's longest run of
// consecutive numbers are allowed.

#include <QDialog>

class QLabel;

namespace dvx {

struct SystemState;
class Platform;
class CellGrid;
class OnOffPair;

class frmConsecutivi final : public QDialog {
    Q_OBJECT
public:
    frmConsecutivi(SystemState& system, Platform& platform, QWidget* parent = nullptr);

    // Closing stores the selected runs, every time.
    void done(int result) override;

    void optCond_Click(int index);
    void lbPresenze_Click(int run);

private:
    QLabel* runLabel(int run) const;

    SystemState& system_;
    OnOffPair* frame3_;
    CellGrid* labels_;
};

} // namespace dvx
