#include "frmMatDisp.h"

#include "AppState.h"
#include "Format.h"
#include "MatricesIndex.h"
#include "MatricesList.h"
#include "QtFormSetup.h"
#include "QtText.h"

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QVBoxLayout>

namespace dvx {

frmMatDisp::frmMatDisp(const AppState& app, QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // A missing or unreadable index lists nothing, like an empty one.
    const auto all = readMatricesIndex(matricesIndexPath(app.programFolder))
                         .value_or(std::vector<MatrixRecord>{});
    const auto listed = listedRecords(all);
    const QLocale locale;
    Separators sep;
    sep.thousands = locale.groupSeparator().toStdString();
    sep.decimal = locale.decimalPoint().toStdString();
    std::vector<std::string> lines;
    for (const auto& record : listed) {
        lines.push_back(matDispListLine(record, app.system.pricePerColumn, sep));
    }
    setWindowTitle(qtText(matDispCaption(static_cast<int>(listed.size()))));
    const auto list = buildMatricesList(*this, kMatDispHeading, lines);
    lblista_ = list.lblista;
    listbox_ = list.listbox;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblista_);
    layout->addWidget(listbox_, 1);
    listbox_->setFocus();
    centreOnScreen(*this);
}

} // namespace dvx
