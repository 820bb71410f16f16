#pragma once
// The slip window: which slips to print, the forecast coupon, calibration,
// print or save as PDF.

#include "Calibration.h"
#include "SlipPlan.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dvx {

struct AppState;
class Platform;
class Printer;

class frmStampa final : public QDialog {
    Q_OBJECT
public:
    frmStampa(AppState& app, Platform& platform, Printer& printer, QWidget* parent = nullptr);

    void cmdStampa_Click();
    void cmdPdf_Click();
    void cmdTaratura_Click();

    // The printer the slips go to: the calibration's when installed, else
    // the system's default (empty).
    const std::string& currentPrinter() const { return printer_name_; }

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void readCalibration();
    // The range in the fields, or nothing after showing what is wrong.
    std::optional<SlipRun> checkedRun();
    SlipPrintInputs inputs() const;
    void send(bool toPdf);
    void setControlsEnabled(bool enabled);

    AppState& app_;
    Platform& platform_;
    Printer& printer_;
    std::string printer_name_;
    bool busy_ = false;
    QLabel* labSchede_;
    QLineEdit* meDa_;
    QLineEdit* meA_;
    QCheckBox* chkProspetto_;
    QPushButton* cmdStampa_;
    QPushButton* cmdPdf_;
    QPushButton* cmdTaratura_;
};

} // namespace dvx
