#pragma once
// The ready-made matrices for the count of numbers in play: pick one and
// adapt it. Modeless, with every other window disabled while it is open.

#include "MatricesIndex.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace dvx {

struct AppState;
class LongWorkGuard;
class Platform;

class frmAdatta final : public QDialog {
    Q_OBJECT
public:
    // Loads the matching records; when none matches, the message is shown
    // and emptyList() tells the caller not to show the window.
    frmAdatta(AppState& app, Platform& platform, QWidget* parent = nullptr);
    ~frmAdatta() override;

    bool emptyList() const { return records_.empty(); }

    void listbox_Click();
    void cmdAdatta_Click();

    // A matrix was adapted: the main window shows the new system.
    std::function<void()> onAdapted;

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppState& app_;
    Platform& platform_;
    std::vector<MatrixRecord> records_;
    QLabel* lblista_;
    QListWidget* listbox_;
    QPushButton* cmdAdatta_;
    QProgressBar* pb_;
    std::unique_ptr<LongWorkGuard> othersDisabled_;
};

} // namespace dvx
