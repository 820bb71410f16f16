#pragma once
// The filter columns: browse the 100 entries one at a time, pick each one's
// numbers and allowed presences, and switch it on or off.

#include "FilterEditor.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace dvx {

struct SystemState;
class Platform;
class CellGrid;
class OnOffPair;

class frmFiltri final : public QDialog {
    Q_OBJECT
public:
    frmFiltri(SystemState& system, Platform& platform, QWidget* parent = nullptr);

    // Closing stores the entry shown and moves the switched-on entries to
    // the front, every time.
    void done(int result) override;

    void cmdLR_Click();
    void cmdRR_Click();
    void cmdCancella_Click();
    void optCond_Click(int index);
    void labGriglia_Click(int index);
    void lbPresenze_Click(int presences);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showEntry();
    void showGridLabel(int index);
    void showPresenceLabel(int presences);

    FilterEditor editor_;
    CellGrid* grid_;
    CellGrid* presences_;
    OnOffPair* frame3_;
    QLabel* lbFiltroNum_;
    QLabel* l1_;
};

} // namespace dvx
