#pragma once
// The progress dialog of a development or reduction, with its cancel button.

#include <QDialog>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace dvx {

class Platform;
class QtProgress;

class frmCalcolo final : public QDialog {
    Q_OBJECT
public:
    // cancel is the flag the running work polls: opening the dialog clears
    // it, a confirmed cancel sets it.
    frmCalcolo(Platform& platform, bool& cancel, QWidget* parent = nullptr);
    ~frmCalcolo() override;

    // The progress the work reports to; its processed count is the
    // dialog's count of elaborated columns.
    QtProgress& progress() { return *progress_; }
    std::int32_t colonneElaborate() const;

    // Closes the dialog once the work is over (the close box no longer asks).
    void finish();

    // Asks whether to stop the work and sets the cancel flag on Yes.
    void cmdSvilAnnulla_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    Platform& platform_;
    bool& cancel_;
    bool finished_ = false;
    QProgressBar* pb_;
    QLabel* labAllarm_;
    QPushButton* cmdSvilAnnulla_;
    std::unique_ptr<QtProgress> progress_;
};

} // namespace dvx
