#pragma once
// The even/odd condition: which splits of a column into even and odd
// numbers are allowed.

#include <QDialog>

namespace dvx {

struct AppState;
class Platform;
class frmCellGrid;
class frmOnOff;

class frmPari final : public QDialog {
    Q_OBJECT
public:
    frmPari(AppState& app, Platform& platform, QWidget* parent = nullptr);

    void optCondizione_Click(int index);
    void labPariDispari_Click(int evens);

private:
    AppState& app_;
    frmOnOff* frame3_;
    frmCellGrid* labels_;
};

} // namespace dvx
