#include "frmSpoglioEstrazioni.h"

#include "AppState.h"
#include "BusyGuard.h"
#include "CheckCsv.h"
#include "CheckGrid.h"
#include "CheckGridModel.h"
#include "ErrorCodes.h"
#include "GridFilter.h"
#include "LongWorkGuard.h"
#include "Platform.h"
#include "QtFormSetup.h"
#include "QtPlatform.h"
#include "QtProgress.h"
#include "QtText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace dvx {

namespace {

constexpr std::string_view kForm = " of Form frmSpoglioEstrazioni";
constexpr int kFitTwips = 230; // added to the widest text of a column

QStringList entriesOf(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const auto& text : texts) {
        list.append(qtText(text));
    }
    return list;
}

} // namespace

frmSpoglioEstrazioni::frmSpoglioEstrazioni(AppState& app, Platform& platform, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform) {
    setObjectName(QStringLiteral("frmSpoglioEstrazioni"));
    setWindowTitle(qtText(kSpoglioEstrazioniCaption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    draws_ = new QStringListModel(this);
    const auto makeRangeList = [&](const char* name, const char* caption) {
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromLatin1(name));
        list->setModel(draws_);
        // Sized by a typical entry, not by measuring every draw of the archive.
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(20);
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setBuddy(list);
        return std::pair{list, label};
    };
    const auto [dal, dalLabel] = makeRangeList("cmbDal", "&DAL");
    const auto [al, alLabel] = makeRangeList("cmbAl", "&AL");
    cmbDal_ = dal;
    cmbAl_ = al;

    cmdSpoglioEstrazioni_ = new QPushButton(QStringLiteral("&Spoglio"), this);
    cmdSpoglioEstrazioni_->setObjectName(QStringLiteral("cmdSpoglioEstrazioni"));
    chkFiltri_ = new QCheckBox(qtText(kFiltriCaption), this);
    chkFiltri_->setObjectName(QStringLiteral("chkFiltri"));
    cmdCSV_ = new QPushButton(qtText(kExportCsvCaption), this);
    cmdCSV_->setObjectName(QStringLiteral("cmdCSV"));
    lbElaborazione_ = new QLabel(
        qtText(kElaborazioneText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    lbElaborazione_->setObjectName(QStringLiteral("lbElaborazione"));
    lbElaborazione_->setVisible(false);
    prgSpoglio_ = new QProgressBar(this);
    prgSpoglio_->setObjectName(QStringLiteral("prgSpoglio"));
    prgSpoglio_->setRange(0, 100);
    prgSpoglio_->setVisible(false);

    grid_ = new CheckGridModel(this);
    shown_ = new CheckGridFilter(this);
    shown_->setSourceModel(grid_);
    flexGrid_ = new QTableView(this);
    flexGrid_->setObjectName(QStringLiteral("flexGrid"));
    flexGrid_->setModel(shown_);
    flexGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    flexGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    flexGrid_->setWordWrap(false);
    // Tab leaves the grid for the next control; the arrows move in it.
    flexGrid_->setTabKeyNavigation(false);
    flexGrid_->verticalHeader()->setVisible(false);
    flexGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    flexGrid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    flexGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    flexGrid_->horizontalHeader()->setHighlightSections(false);

    auto* top = new QHBoxLayout;
    top->addWidget(dalLabel);
    top->addWidget(cmbDal_);
    top->addSpacing(12);
    top->addWidget(alLabel);
    top->addWidget(cmbAl_);
    top->addSpacing(12);
    top->addWidget(cmdSpoglioEstrazioni_);
    top->addWidget(chkFiltri_);
    top->addStretch(1);
    top->addWidget(lbElaborazione_);
    top->addWidget(prgSpoglio_);
    top->addStretch(1);
    top->addWidget(cmdCSV_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(flexGrid_, 1);

    connect(cmdSpoglioEstrazioni_, &QPushButton::clicked, this,
            &frmSpoglioEstrazioni::cmdSpoglioEstrazioni_Click);
    connect(chkFiltri_, &QCheckBox::clicked, this, &frmSpoglioEstrazioni::chkFiltri_Click);
    connect(cmdCSV_, &QPushButton::clicked, this, &frmSpoglioEstrazioni::cmdCSV_Click);
    auto* header = flexGrid_->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, [this] { placeFilterLists(); });
    connect(header, &QHeaderView::geometriesChanged, this, [this] { placeFilterLists(); });
    connect(flexGrid_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { placeFilterLists(); });

    showResult({});
    resize(1100, 560);
    centreOnScreen(*this);
    populateCmbEstrazioni();
}

frmSpoglioEstrazioni::~frmSpoglioEstrazioni() {
    // They signal while the base window deletes them: no filter lists to place then.
    flexGrid_->horizontalHeader()->disconnect(this);
    flexGrid_->horizontalScrollBar()->disconnect(this);
}

void frmSpoglioEstrazioni::showError(std::string_view procedure, const std::exception& error) {
    const ScopedDialogParent messagesHere(platform_, this);
    // What a handler can meet here is a lack of memory for a very large
    // result; anything else is reported under the same procedure.
    const auto classic = dynamic_cast<const std::bad_alloc*>(&error) != nullptr
                             ? classicError(kErrOutOfMemory)
                             : ClassicError{kErrInvalidCall, error.what()};
    platform_.message(errorMessage(classic, std::string(procedure) + std::string(kForm)));
}

void frmSpoglioEstrazioni::refreshFromState() {
    if (!working_) {
        populateCmbEstrazioni();
    }
}

void frmSpoglioEstrazioni::populateCmbEstrazioni() {
    try {
        for (auto* list : {cmbDal_, cmbAl_}) {
            list->setEnabled(false);
        }
        draws_->setStringList({});
        QCoreApplication::processEvents();
        QStringList entries;
        const int upper = app_.archivio.upperBound();
        entries.reserve(upper);
        for (int k = 1; k <= upper; ++k) {
            entries.append(qtText(rangeListEntry(app_.archivio[k])));
        }
        draws_->setStringList(entries);
        cmbDal_->setCurrentIndex(entries.isEmpty() ? -1 : 0);
        cmbAl_->setCurrentIndex(static_cast<int>(entries.size()) - 1);
    } catch (const std::exception& error) {
        showError("populateCmbEstrazioni", error);
    }
    for (auto* list : {cmbDal_, cmbAl_}) {
        list->setEnabled(true);
    }
}

void frmSpoglioEstrazioni::cmdSpoglioEstrazioni_Click() {
    if (working_) {
        return;
    }
    try {
        if (filtering_) {
            filtersOff();
        }
        runArchiveCheck();
    } catch (const std::exception& error) {
        showError("cmdSpoglioEstrazioni_Click", error);
    }
}

void frmSpoglioEstrazioni::setWorking(bool working) {
    working_ = working;
    for (QWidget* control : std::initializer_list<QWidget*>{cmdSpoglioEstrazioni_, chkFiltri_,
                                                            cmdCSV_, cmbDal_, cmbAl_}) {
        control->setEnabled(!working);
    }
    lbElaborazione_->setVisible(working);
    prgSpoglio_->setVisible(working);
    prgSpoglio_->setValue(0);
    platform_.setBusy(working);
}

void frmSpoglioEstrazioni::runArchiveCheck() {
    std::vector<ArchiveCheckRow> rows;
    showResult({});
    // The check yields after every draw; meanwhile nothing may change the
    // system or the archive it reads.
    const LongWorkGuard guard(this);
    setWorking(true);
    try {
        QCoreApplication::processEvents();
        if (cmbDal_->currentIndex() >= 0) {
            QtProgress progress({nullptr, prgSpoglio_, nullptr});
            rows =
                SpoglioArchivioEstrazioni(app_.system, app_.archivio, cmbDal_->currentIndex() + 1,
                                          cmbAl_->currentIndex() + 1, progress);
        }
    } catch (const std::exception& error) {
        setWorking(false);
        showError("SpoglioArchivioEstrazioni", error);
        return;
    }
    setWorking(false);
    showResult(std::move(rows));
    // The keys go on in the result; the CSV button is the control before it.
    flexGrid_->setFocus(Qt::OtherFocusReason);
}

void frmSpoglioEstrazioni::showResult(std::vector<ArchiveCheckRow> rows) {
    rows_ = std::move(rows);
    grid_->setTexts(gridTexts(rows_));
    fitColumnWidths();
}

void frmSpoglioEstrazioni::fitColumnWidths() {
    const auto widest = widestCells(grid_->texts());
    const auto header = archiveCheckHeader();
    const int extra = static_cast<int>(std::lround(kFitTwips * logicalDpiX() / 1440.0));
    const QFontMetrics cells(flexGrid_->font());
    auto headerFont = flexGrid_->horizontalHeader()->font();
    headerFont.setBold(true); // some styles draw the header bold
    const QFontMetrics heads(headerFont);
    for (int c = 0; c < kGridColumns; ++c) {
        const auto at = static_cast<std::size_t>(c);
        const int width = std::max(cells.horizontalAdvance(qtText(widest[at])),
                                   heads.horizontalAdvance(qtText(header[at]))) +
                          extra;
        // With the filters on, a column is also wide enough for its list's widest choice.
        const int list = at < cmbFilter_.size() ? cmbFilter_[at]->sizeHint().width() : 0;
        flexGrid_->setColumnWidth(c, std::max(width, list));
    }
}

void frmSpoglioEstrazioni::chkFiltri_Click() {
    try {
        if (filtering_) {
            filtersOff();
        } else {
            filtersOn();
        }
    } catch (const std::exception& error) {
        showError("chkFiltri_Click", error);
    }
}

void frmSpoglioEstrazioni::filtersOn() {
    const BusyGuard busy(platform_);
    filtering_ = true;
    auto* header = flexGrid_->horizontalHeader();
    // The lists take the lower half of a header twice as tall, so the
    // column names stay readable above them.
    header->setMinimumHeight(2 * header->sizeHint().height());
    const auto& texts = grid_->texts();
    for (int c = 0; c < kGridColumns; ++c) {
        auto* list = new QComboBox(header->viewport());
        list->setObjectName(QStringLiteral("cmbFilter_%1").arg(c));
        list->setModel(new QStringListModel(entriesOf(filterChoices(texts, c)), list));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setCurrentIndex(0);
        list->setToolTip(qtText(archiveCheckHeader()[static_cast<std::size_t>(c)]));
        connect(list, &QComboBox::activated, this,
                [this, c](int entry) { cmbFilter_Click(c, entry); });
        cmbFilter_.push_back(list);
    }
    shown_->setChoices(noFilters());
    fitColumnWidths();
    placeFilterLists();
    for (auto* list : cmbFilter_) {
        list->show();
    }
    chkFiltri_->setChecked(true);
}

void frmSpoglioEstrazioni::filtersOff() {
    const BusyGuard busy(platform_);
    for (auto* list : cmbFilter_) {
        delete list;
    }
    cmbFilter_.clear();
    flexGrid_->horizontalHeader()->setMinimumHeight(0);
    fitColumnWidths();
    shown_->setChoices(noFilters());
    filtering_ = false;
    chkFiltri_->setChecked(false);
}

void frmSpoglioEstrazioni::cmbFilter_Click(int /*column*/, int /*entry*/) {
    const BusyGuard busy(platform_);
    GridRow choices;
    for (std::size_t c = 0; c < cmbFilter_.size(); ++c) {
        choices[c] = cmbFilter_[c]->currentText().toStdString();
    }
    shown_->setChoices(choices);
}

void frmSpoglioEstrazioni::placeFilterLists() {
    if (cmbFilter_.empty()) {
        return;
    }
    const auto* header = flexGrid_->horizontalHeader();
    const int height = header->height() / 2;
    for (int c = 0; c < static_cast<int>(cmbFilter_.size()); ++c) {
        cmbFilter_[static_cast<std::size_t>(c)]->setGeometry(header->sectionViewportPosition(c),
                                                             header->height() - height,
                                                             header->sectionSize(c), height);
    }
}

void frmSpoglioEstrazioni::cmdCSV_Click() {
    const ScopedDialogParent messagesHere(platform_, this);
    try {
        exportTocsv(rows_, app_.programFolder, app_.system.fileName, platform_);
    } catch (const std::exception& error) {
        showError("exportTocsv", error);
    }
}

void frmSpoglioEstrazioni::closeEvent(QCloseEvent* event) {
    if (working_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace dvx
