#include "frmUpdate.h"

#include "AppState.h"
#include "ArchiveWindows.h"
#include "ModelessWindows.h"
#include "Platform.h"
#include "ProgramInfo.h"
#include "QtFormSetup.h"
#include "QtNetFetch.h"
#include "QtPlatform.h"
#include "QtText.h"
#include "ServerAddress.h"
#include "StatViews.h"
#include "UpdateProgress.h"
#include "WindowContext.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace dvx {

namespace {

// The column labels over the list, each where its field starts in the
// lines below (the list uses a fixed-pitch font).
class ColumnLabels final : public QWidget {
public:
    ColumnLabels(const QFont& font, const QListWidget* list) : list_(list) {
        for (const auto& column : drawListColumns()) {
            auto* label = new QLabel(qtText(column.label), this);
            label->setFont(font);
            labels_.push_back({label, column.column});
        }
        setMinimumHeight(QFontMetrics(font).height() + 2);
    }

protected:
    void resizeEvent(QResizeEvent*) override { place(); }
    void showEvent(QShowEvent*) override { place(); }

private:
    void place() {
        const int offset = list_->frameWidth() + list_->contentsMargins().left() + 2;
        // Fixed-pitch glyphs are seldom a whole number of pixels wide: measure
        // the run of blanks before each field, not one blank times its column.
        const QFontMetricsF metrics(labels_.front().label->font());
        for (const auto& [label, column] : labels_) {
            label->adjustSize();
            label->move(
                offset + qRound(metrics.horizontalAdvance(QString(column, QLatin1Char(' ')))), 0);
        }
    }

    struct Placed {
        QLabel* label;
        int column;
    };
    const QListWidget* list_;
    std::vector<Placed> labels_;
};

Separators localeSeparators() {
    const QLocale locale;
    return {locale.groupSeparator().toStdString(), locale.decimalPoint().toStdString()};
}

} // namespace

frmUpdate::frmUpdate(WindowContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context), caption_(frmUpdateCaption(kProgramTitle)),
      url_(serverUrl(context.app.serverAddress, kArchivePath)),
      fetch_(new QtNetFetch(DownloadLimits{}, this)) {
    setWindowTitle(qtText(caption_));

    const auto fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lst_ = new QListWidget;
    lst_->setObjectName(QStringLiteral("lst"));
    lst_->setFont(fixed);
    lst_->setToolTip(qtText(kDrawListToolTip));
    lst_->setUniformItemSizes(true);
    connect(lst_, &QListWidget::itemDoubleClicked, this, [this] { lst_DblClick(); });
    // Enter does what a double click does.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        connect(new QShortcut(QKeySequence(key), lst_, nullptr, nullptr, Qt::WidgetShortcut),
                &QShortcut::activated, this, &frmUpdate::lst_DblClick);
    }

    lbElaborazione_ = new QLabel(qtMessageText(kUpdatingText));
    lbElaborazione_->setObjectName(QStringLiteral("lbElaborazione"));
    lbElaborazione_->setAlignment(Qt::AlignCenter);

    lbLast_ = new QLabel(qtText(kLastDrawInitialText));
    lbLast_->setObjectName(QStringLiteral("lbLast"));
    lbLast_->setFont(fixed);
    auto* lastFrame = new QGroupBox(QStringLiteral("Ultima Estrazione"));
    (new QVBoxLayout(lastFrame))->addWidget(lbLast_);

    lbTotale_ = new QLabel(qtText(kTotalInitialText));
    lbTotale_->setObjectName(QStringLiteral("lbTotale"));
    auto* totals = new QHBoxLayout;
    totals->addWidget(lbTotale_);
    totals->addWidget(new QLabel(QStringLiteral(" Estrazioni Totali")));
    totals->addStretch();

    cmdUpdate_ = new QPushButton(QStringLiteral("&") + qtText(kUpdateButtonCaption));
    cmdUpdate_->setObjectName(QStringLiteral("cmdUpdate"));
    cmdUpdate_->setToolTip(qtText(kUpdateButtonToolTip));
    connect(cmdUpdate_, &QPushButton::clicked, this, &frmUpdate::cmdUpdate_Click);
    cmdAnnulla_ = new QPushButton(QStringLiteral("A&nnulla"));
    cmdAnnulla_->setObjectName(QStringLiteral("cmdAnnulla"));
    cmdAnnulla_->setToolTip(qtText(kCancelUpdateToolTip));
    connect(cmdAnnulla_, &QPushButton::clicked, this, &frmUpdate::cmdAnnulla_Click);
    cmdStatistiche_ = new QPushButton(QStringLiteral("&") + qtText(kStatisticsButtonCaption));
    cmdStatistiche_->setObjectName(QStringLiteral("cmdStatistiche"));
    cmdStatistiche_->setToolTip(qtText(kStatisticsButtonToolTip));
    connect(cmdStatistiche_, &QPushButton::clicked, this, &frmUpdate::cmdStatistiche_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdUpdate_);
    buttons->addWidget(cmdAnnulla_);
    buttons->addStretch();
    buttons->addWidget(cmdStatistiche_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new ColumnLabels(fixed, lst_));
    layout->addWidget(lst_, 1);
    layout->addWidget(lbElaborazione_, 1);
    layout->addWidget(lastFrame);
    layout->addLayout(totals);
    layout->addLayout(buttons);

    // Escape stops a running update, or closes the idle window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (busy_) {
            cmdAnnulla_Click();
        } else {
            close();
        }
    });

    connect(fetch_, &QtNetFetch::progress, this, [this](qint64 received, qint64 total) {
        lbElaborazione_->setText(
            qtMessageText(updateProgressText(received, total, localeSeparators())));
    });
    connect(fetch_, &QtNetFetch::finished, this, &frmUpdate::downloadEnded);

    const int width =
        QFontMetrics(fixed).horizontalAdvance(qtText(drawListLine(Estrazione{
            std::string(kDataLength, '0'), std::string(kOraLength, '0'), 99999, 0x3FF, 20}))) +
        80;
    resize(width, 560);
    showControls();
    PopolaListView();
    centreOnScreen(*this);
}

frmUpdate::~frmUpdate() = default;

void frmUpdate::showControls() {
    const auto controls = updateControls(busy_);
    cmdUpdate_->setEnabled(controls.updateEnabled);
    cmdAnnulla_->setVisible(controls.cancelVisible);
    lst_->setVisible(controls.listVisible);
    lbElaborazione_->setVisible(!controls.listVisible);
}

void frmUpdate::PopolaListView() {
    list_ = dvx::PopolaListView(context_.app.archivio);
    lst_->setUpdatesEnabled(false);
    lst_->clear();
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(list_.lines.size()));
    for (const auto& line : list_.lines) {
        lines << qtText(line);
    }
    lst_->addItems(lines);
    lst_->setUpdatesEnabled(true);
    if (list_.lastDraw) {
        lst_->setCurrentRow(0);
        lbLast_->setText(qtText(*list_.lastDraw));
        lbTotale_->setText(qtText(*list_.total));
    }
}

void frmUpdate::refreshFromState() {
    if (busy_ || dvx::PopolaListView(context_.app.archivio).lines == list_.lines) {
        return; // keeps the user's place in the list
    }
    PopolaListView();
}

void frmUpdate::lst_DblClick() {
    const auto record = drawOfListLine(list_, lst_->currentRow());
    if (!record || busy_) {
        return;
    }
    const Estrazione& draw = context_.app.archivio[*record];
    {
        ScopedDialogParent messagesHere(context_.platform, this);
        context_.platform.message(winningColumnMessage(draw), caption_, Icon::Information);
    }
    setWinningColumn(context_.app.winning, draw);
    context_.modeless.refreshAll();
}

void frmUpdate::cmdUpdate_Click() {
    if (busy_) {
        return;
    }
    busy_ = true;
    finishPending_ = false;
    lbElaborazione_->setText(qtMessageText(kUpdatingText));
    showControls();
    setCursor(Qt::BusyCursor);
    cmdAnnulla_->setFocus();
    fetch_->start(url_, download_.path());
}

void frmUpdate::cmdAnnulla_Click() {
    if (busy_) {
        fetch_->cancel();
    }
}

void frmUpdate::downloadEnded() {
    if (!isEnabled()) {
        finishPending_ = true;
        return;
    }
    finishUpdate();
}

void frmUpdate::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled() && finishPending_) {
        finishPending_ = false;
        finishUpdate();
    }
}

void frmUpdate::finishUpdate() {
    auto& app = context_.app;
    const UpdateRequest request{url_, download_.path(), archivePath(app.programFolder), caption_,
                                std::string(kProgramTitle)};
    UpdateOutcome outcome;
    {
        ScopedDialogParent messagesHere(context_.platform, this);
        outcome = dvx::finishUpdate(app.archivio, request, fetch_->result(), context_.platform);
        if (outcome != UpdateOutcome::Cancelled) {
            app.statistics = recomputeStatistics(app.archivio, statisticsPath(app.programFolder),
                                                 context_.platform);
        }
    }
    if (archiveChanged(outcome)) {
        PopolaListView();
    }
    busy_ = false;
    unsetCursor();
    lbElaborazione_->setText(qtMessageText(kUpdatingText));
    showControls();
    cmdUpdate_->setFocus();
    // The statistics window and the archive check show the new draws.
    context_.modeless.refreshAll();
    emit updateFinished(outcome);
}

void frmUpdate::cmdStatistiche_Click() {
    openStatistiche(context_);
}

void frmUpdate::closeEvent(QCloseEvent* event) {
    if (busy_) {
        ScopedDialogParent messagesHere(context_.platform, this);
        context_.platform.message(kBusyClosingText, caption_, Icon::Information);
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace dvx
