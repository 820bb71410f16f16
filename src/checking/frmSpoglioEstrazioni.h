#pragma once
// The archive check: every column of the system scored against each draw of
// a chosen range of the archive, one grid row per draw, with column filters
// and the export of the whole grid to a CSV file.

#include "ArchiveCheck.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QStringListModel;
class QTableView;

namespace dvx {

struct AppState;
class Platform;
class CheckGridModel;
class CheckGridFilter;

class frmSpoglioEstrazioni final : public QDialog {
    Q_OBJECT
public:
    frmSpoglioEstrazioni(AppState& app, Platform& platform, QWidget* parent = nullptr);
    // The grid's header and scroll bar outlive this part of the window.
    ~frmSpoglioEstrazioni() override;

    // Fills both draw lists from the archive, first draw in DAL, last in AL.
    void populateCmbEstrazioni();
    void cmdSpoglioEstrazioni_Click();
    // Switches the filter lists on or off, whichever they are not.
    void chkFiltri_Click();
    void cmbFilter_Click(int column, int entry);
    void cmdCSV_Click();

    // The last check's result, as the grid and the CSV file hold it.
    const std::vector<ArchiveCheckRow>& result() const { return rows_; }
    bool filtering() const { return filtering_; }

public slots:
    // The archive changed: the draw lists are filled anew.
    void refreshFromState();

protected:
    // The window stays while a check runs; it reads the system and archive.
    void closeEvent(QCloseEvent* event) override;

private:
    void runArchiveCheck(); // SpoglioArchivioEstrazioni
    void showResult(std::vector<ArchiveCheckRow> rows);
    void fitColumnWidths();
    void filtersOn();
    void filtersOff();
    void placeFilterLists();
    void setWorking(bool working);
    void showError(std::string_view procedure, const std::exception& error);

    AppState& app_;
    Platform& platform_;
    QComboBox* cmbDal_ = nullptr;
    QComboBox* cmbAl_ = nullptr;
    QStringListModel* draws_ = nullptr;
    QPushButton* cmdSpoglioEstrazioni_ = nullptr;
    QCheckBox* chkFiltri_ = nullptr;
    QPushButton* cmdCSV_ = nullptr;
    QLabel* lbElaborazione_ = nullptr;
    QProgressBar* prgSpoglio_ = nullptr;
    QTableView* flexGrid_ = nullptr;
    CheckGridModel* grid_ = nullptr;
    CheckGridFilter* shown_ = nullptr;
    std::vector<QComboBox*> cmbFilter_;
    std::vector<ArchiveCheckRow> rows_;
    bool filtering_ = false;
    bool working_ = false;
};

} // namespace dvx
