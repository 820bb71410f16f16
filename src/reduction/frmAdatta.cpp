#include "frmAdatta.h"

#include "Adaptation.h"
#include "AppState.h"
#include "LongWorkGuard.h"
#include "MatricesList.h"
#include "QtFormSetup.h"
#include "QtPlatform.h"
#include "QtProgress.h"
#include "QtText.h"
#include "SystemOps.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace dvx {

namespace {

Separators localeSeparators() {
    const QLocale locale;
    Separators sep;
    sep.thousands = locale.groupSeparator().toStdString();
    sep.decimal = locale.decimalPoint().toStdString();
    return sep;
}

} // namespace

frmAdatta::frmAdatta(AppState& app, Platform& platform, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform) {
    setObjectName(QStringLiteral("frmAdatta"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto& system = app_.system;
    rebuildNumbersInPlay(system);
    const int count = system.sistema.countInPlay;
    setWindowTitle(qtText(adattaCaption(count)));
    records_ = loadMatchingMatrices(app_.programFolder, count, platform_);

    std::vector<std::string> lines;
    const auto sep = localeSeparators();
    for (const auto& record : records_) {
        lines.push_back(adattaListLine(record, system.pricePerColumn, sep));
    }
    const auto list = buildMatricesList(*this, kAdattaHeading, lines);
    lblista_ = list.lblista;
    listbox_ = list.listbox;
    cmdAdatta_ = new QPushButton(QStringLiteral("&Adatta"), this);
    cmdAdatta_->setObjectName(QStringLiteral("cmdAdatta"));
    cmdAdatta_->setEnabled(false);
    pb_ = new QProgressBar(this);
    pb_->setObjectName(QStringLiteral("pb"));
    pb_->setRange(0, 100);
    pb_->setVisible(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(pb_, 1);
    bottom->addStretch();
    bottom->addWidget(cmdAdatta_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblista_);
    layout->addWidget(listbox_, 1);
    layout->addLayout(bottom);

    // Arrows pick as well as clicks; Enter or a double click adapts the line.
    // The focus makes a line current without choosing it: only a chosen
    // (selected) line can be adapted.
    connect(listbox_, &QListWidget::itemSelectionChanged, this, [this] { listbox_Click(); });
    connect(listbox_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        item->setSelected(true);
        cmdAdatta_Click();
    });
    connect(cmdAdatta_, &QPushButton::clicked, this, [this] { cmdAdatta_Click(); });
    listbox_->setFocus();
    centreOnScreen(*this);
}

frmAdatta::~frmAdatta() = default;

void frmAdatta::showEvent(QShowEvent* event) {
    // The system must not change under the window while it is open.
    if (!othersDisabled_) {
        othersDisabled_ = std::make_unique<LongWorkGuard>(this);
    }
    QDialog::showEvent(event);
}

void frmAdatta::listbox_Click() {
    cmdAdatta_->setEnabled(!listbox_->selectedItems().isEmpty());
}

void frmAdatta::cmdAdatta_Click() {
    const auto chosen = listbox_->selectedItems();
    const int row = chosen.isEmpty() ? -1 : listbox_->row(chosen.front());
    if (row < 0 || row >= static_cast<int>(records_.size())) {
        return;
    }
    const MatrixRecord record = records_[static_cast<std::size_t>(row)];
    ScopedDialogParent messagesHere(platform_, this);
    setEnabled(false);
    // The prompts for the fixed numbers stand alone.
    if (record.fixed > 0) {
        hide();
    }
    pb_->setValue(0);
    pb_->setVisible(true);
    QtProgress progress(ProgressView{nullptr, pb_, nullptr});
    const auto result = adaptMatrix(app_.system, app_.programFolder, record, platform_, progress,
                                    localeSeparators());
    pb_->setVisible(false);
    setEnabled(true);
    if (result.adapted) {
        if (onAdapted) {
            onAdapted();
        }
        close();
        return;
    }
    // Refused or cancelled: the window stays for another choice.
    if (!isVisible()) {
        show();
    }
    listbox_->setFocus();
}

} // namespace dvx
