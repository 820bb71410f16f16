#pragma once
// The progress window of a slip run: the slip being printed and a button to
// interrupt the run between two slips.

#include <QDialog>

class QLabel;
class QPushButton;

namespace dvx {

class Platform;

class frmPrnInCorso final : public QDialog {
    Q_OBJECT
public:
    frmPrnInCorso(Platform& platform, QWidget* parent = nullptr);

    void showSlip(int slip);
    // Set once the user has confirmed the interruption.
    bool aborted() const { return aborted_; }

    void cmdInterrompi_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    Platform& platform_;
    QLabel* labScheda_;
    QPushButton* cmdInterrompi_;
    bool aborted_ = false;
};

} // namespace dvx
