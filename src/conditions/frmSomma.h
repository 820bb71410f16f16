#pragma once
// The sum range condition: the lowest and highest sum a column may have.

#include "SumRange.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

namespace dvx {

struct SystemState;
class Platform;
class OnOffPair;

class frmSomma final : public QDialog {
    Q_OBJECT
public:
    frmSomma(SystemState& system, Platform& platform, QWidget* parent = nullptr);

    // Without ten numbers in play there are no limits to offer: the dialog
    // does not open.
    int exec() override;
    // Closing runs the checks; a failed check keeps the dialog open.
    void done(int result) override;

    void optCondSomma_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool closeChecks();

    SystemState& system_;
    Platform& platform_;
    std::optional<SumLimits> limits_;
    OnOffPair* frame3_;
    QLineEdit* meDa_;
    QLineEdit* meA_;
};

} // namespace dvx
