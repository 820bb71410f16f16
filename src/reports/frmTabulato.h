#pragma once
// The listing window: colour or black-and-white pictures, copies, settings,
// print or save as PDF.

#include "ListingPlan.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace dvx {

struct AppState;
class Platform;
class Printer;

class frmTabulato final : public QDialog {
    Q_OBJECT
public:
    frmTabulato(AppState& app, Platform& platform, Printer& printer, QWidget* parent = nullptr);

    int copies() const;
    void cmdStampa_Click();
    void cmdPdf_Click();
    void cmdImpostazioni_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void loadPictures();
    ListingInputs inputs() const;
    void setControlsEnabled(bool enabled);

    AppState& app_;
    Platform& platform_;
    Printer& printer_;
    QCheckBox* chkColor_;
    QScrollBar* VsCopie_;
    QLabel* labCopie_;
    QLabel* logo_;
    QLabel* vietato_;
    QPushButton* cmdStampa_;
    QPushButton* cmdPdf_;
    QPushButton* cmdImpostazioni_;
    bool busy_ = false;
};

} // namespace dvx
