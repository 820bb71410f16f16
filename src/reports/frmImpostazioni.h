#pragma once
// The settings dialog: the listing's printer and the print header.

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace dvx {

struct AppState;
class Platform;
class Printer;

class frmImpostazioni final : public QDialog {
    Q_OBJECT
public:
    frmImpostazioni(AppState& app, Platform& platform, Printer& printer, QWidget* parent = nullptr);

    void cmdSalva_Click();

private:
    AppState& app_;
    Platform& platform_;
    QComboBox* cmbStampante_;
    QLineEdit* mskIntestazione_;
};

// Shows the dialog modally, then reads the settings file again: what the
// main window's menu entry and the listing's button both do.
void editSettings(AppState& app, Platform& platform, Printer& printer, QWidget* parent);

} // namespace dvx
