#pragma once
// The slip calibration: the printer, the print quality, the position of the
// first box and the distances between boxes, with a drawing of the grid, a
// test slip and the save.

#include "Calibration.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace dvx {

struct AppState;
class Platform;
class Printer;

class frmTaratura final : public QDialog {
    Q_OBJECT
public:
    frmTaratura(AppState& app, Platform& platform, Printer& printer, QWidget* parent = nullptr);

    // The values the window holds now, saved or not.
    const Calibration& calibration() const { return calibration_; }
    const std::string& currentPrinter() const { return printer_name_; }

    void LeggiTaratura();
    void optColor_Click(int index);
    void cmdTest_Click();
    void cmdSalva_Click();

private:
    struct ValueControl {
        QScrollBar* bar = nullptr;
        QLineEdit* text = nullptr;
        float Calibration::*value = nullptr;
    };
    void loadPrinters();
    void showValues();
    void scrollChanged(ValueControl& control, int value);
    void typed(ValueControl& control);
    void showQuality();

    AppState& app_;
    Platform& platform_;
    Printer& printer_;
    Calibration calibration_;
    std::string printer_name_;
    QComboBox* cmbStampante_;
    std::array<QRadioButton*, 2> optColor_{};
    std::array<ValueControl, 4> values_{}; // Top, Left, Xdist, Ydist
    QWidget* picGriglia_;
    QPushButton* cmdTest_;
    QPushButton* cmdSalva_;
};

} // namespace dvx
