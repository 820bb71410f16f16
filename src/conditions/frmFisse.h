#pragma once
// The fixed-numbers condition: up to nine numbers in play that every column
// must contain.

#include "FixedNumbers.h"

#include <QDialog>

class QLabel;

namespace dvx {

struct SystemState;
class Platform;
class CellGrid;
class OnOffPair;

class frmFisse final : public QDialog {
    Q_OBJECT
public:
    frmFisse(SystemState& system, Platform& platform, QWidget* parent = nullptr);

    // Closing stores the selected numbers, every time.
    void done(int result) override;

    void optCondFisse_Click(int index);
    void labFisse_Click(int index);

private:
    void showLabel(int index);

    SystemState& system_;
    FixedNumberPicker picker_;
    OnOffPair* frame3_;
    CellGrid* labels_;
    QLabel* l1_;
};

} // namespace dvx
