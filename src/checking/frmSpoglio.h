#pragma once
// The single check: the winning column typed in eleven two-digit fields,
// every column of the system scored against it and listed per prize
// category; beside it the system's exact odds over every possible draw.

#include "PrizeCategories.h"
#include "SingleCheck.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTableWidget;

namespace dvx {

struct AppState;
class Platform;
class WinningRowsModel;

class frmSpoglio final : public QDialog {
    Q_OBJECT
public:
    frmSpoglio(AppState& app, Platform& platform, QWidget* parent = nullptr);

    void cmdSpoglio_Click();
    void cmdCancella_Click();
    void cmdProbabilita_Click();

public slots:
    // init: empties the lists and shows the winning column again, after the
    // archive window has taken a draw as the winning column.
    void refreshFromState();

protected:
    // The fields select their text on entry, store it on leaving and pass
    // the focus on with Enter.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFields();
    QWidget* buildCategories();
    QWidget* buildOdds();
    int fieldIndex(const QObject* object) const;
    SpoglioFields fieldTexts() const;
    void showFieldTexts(const SpoglioFields& texts);
    void clearResults();

    AppState& app_;
    Platform& platform_;
    std::array<QLineEdit*, kSpoglioFields> meSpoglio_{};
    std::array<QListView*, kCategoryCount> listVin_{};
    std::array<WinningRowsModel*, kCategoryCount> rows_{};
    std::array<QLabel*, kCategoryCount> labVincite_{};
    std::array<QLabel*, kCategoryCount> labAttese_{};
    QLabel* labMaxPunti_ = nullptr;
    QLabel* labMinPunti_ = nullptr;
    QPushButton* cmdSpoglio_ = nullptr;
    QPushButton* cmdCancella_ = nullptr;
    QPushButton* cmdProbabilita_ = nullptr;
    QTableWidget* grdProbabilita_ = nullptr;
    QLabel* labAlmenoUna_ = nullptr;
};

} // namespace dvx
