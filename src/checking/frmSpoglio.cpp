#include "frmSpoglio.h"

#include "AppState.h"
#include "BusyGuard.h"
#include "Format.h"
#include "LongWorkGuard.h"
#include "Platform.h"
#include "QtFormSetup.h"
#include "QtPlatform.h"
#include "QtProgress.h"
#include "QtText.h"
#include "SystemOdds.h"

#include <QAbstractListModel>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace dvx {

namespace {

// Two digits; an empty position shows "_".
constexpr const char* kFieldMask = "00;_";

} // namespace

// One category's winning columns, "c.17", made on demand: the largest list
// of a full system holds 14400 rows.
class WinningRowsModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setRows(std::vector<std::int32_t> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
            return {};
        }
        return qtText(columnRowText(rows_[static_cast<std::size_t>(index.row())]));
    }

private:
    std::vector<std::int32_t> rows_;
};

frmSpoglio::frmSpoglio(AppState& app, Platform& platform, QWidget* parent)
    : QDialog(parent), app_(app), platform_(platform) {
    setObjectName(QStringLiteral("frmSpoglio"));
    setWindowTitle(qtText(kSpoglioCaption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFields());
    layout->addWidget(buildCategories(), 1);
    labMaxPunti_ = new QLabel(qtText(kMaxPuntiCaption), this);
    labMaxPunti_->setObjectName(QStringLiteral("labMaxPunti"));
    labMinPunti_ = new QLabel(qtText(kMinPuntiCaption), this);
    labMinPunti_->setObjectName(QStringLiteral("labMinPunti"));
    for (auto* label : {labMaxPunti_, labMinPunti_}) {
        auto font = label->font();
        font.setBold(true);
        label->setFont(font);
        layout->addWidget(label);
    }
    layout->addWidget(buildOdds());

    refreshFromState();
    adjustSize();
    centreOnScreen(*this);
    meSpoglio_[0]->setFocus();
}

QWidget* frmSpoglio::buildFields() {
    auto* frame = new QGroupBox(qtText(kColonnaVincenteCaption), this);
    frame->setObjectName(QStringLiteral("lblColonnaVincente"));
    auto* row = new QHBoxLayout(frame);
    const int width = QFontMetrics(font()).horizontalAdvance(QStringLiteral("000")) + 14;
    for (int k = 0; k < kSpoglioFields; ++k) {
        auto* field = new QLineEdit(frame);
        field->setObjectName(QStringLiteral("meSpoglio_%1").arg(k));
        field->setInputMask(QString::fromLatin1(kFieldMask));
        field->setFixedWidth(width);
        field->setAlignment(Qt::AlignCenter);
        field->installEventFilter(this);
        meSpoglio_[static_cast<std::size_t>(k)] = field;
        if (k == kNumeroneField) {
            auto* label = new QLabel(qtText(kNumeroneLabel), frame);
            label->setObjectName(QStringLiteral("lblNumerone"));
            label->setBuddy(field);
            row->addSpacing(12);
            row->addWidget(label);
        }
        row->addWidget(field);
    }
    row->addSpacing(16);
    cmdSpoglio_ = new QPushButton(QStringLiteral("&Spoglio"), frame);
    cmdSpoglio_->setObjectName(QStringLiteral("cmdSpoglio"));
    cmdCancella_ = new QPushButton(QStringLiteral("&Cancella"), frame);
    cmdCancella_->setObjectName(QStringLiteral("cmdCancella"));
    row->addWidget(cmdSpoglio_);
    row->addWidget(cmdCancella_);
    row->addStretch(1);
    connect(cmdSpoglio_, &QPushButton::clicked, this, &frmSpoglio::cmdSpoglio_Click);
    connect(cmdCancella_, &QPushButton::clicked, this, &frmSpoglio::cmdCancella_Click);
    return frame;
}

// Two rows of eight: the categories without the Numerone above, with it below.
QWidget* frmSpoglio::buildCategories() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    auto bold = font();
    bold.setBold(true);
    const int listWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("c.184756")) + 36;
    for (int index = 0; index < kCategoryCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        auto* label = new QLabel(qtText(kSingleCheckLabels[i]), panel);
        label->setObjectName(QStringLiteral("lblCategoria_%1").arg(index));
        label->setFont(bold);
        labVincite_[i] = new QLabel(QStringLiteral("0"), panel);
        labVincite_[i]->setObjectName(QStringLiteral("labVincite_%1").arg(index));
        labVincite_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rows_[i] = new WinningRowsModel(this);
        listVin_[i] = new QListView(panel);
        listVin_[i]->setObjectName(QStringLiteral("listVin_%1").arg(index));
        listVin_[i]->setModel(rows_[i]);
        listVin_[i]->setUniformItemSizes(true);
        listVin_[i]->setEditTriggers(QAbstractItemView::NoEditTriggers);
        listVin_[i]->setMinimumWidth(listWidth);
        listVin_[i]->setMinimumHeight(110);
        labAttese_[i] = new QLabel(panel);
        labAttese_[i]->setObjectName(QStringLiteral("labAttese_%1").arg(index));
        labAttese_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        labAttese_[i]->setToolTip(QStringLiteral("Colonne vincenti attese per estrazione"));

        auto* head = new QHBoxLayout;
        head->addWidget(label);
        head->addStretch(1);
        head->addWidget(labVincite_[i]);
        auto* box = new QVBoxLayout;
        box->setSpacing(2);
        box->addLayout(head);
        box->addWidget(listVin_[i], 1);
        box->addWidget(labAttese_[i]);
        grid->addLayout(box, index % 2, index / 2);
    }
    return panel;
}

// One row of shares per score, highest and lowest, beside the button and
// the chance of a winning column.
QWidget* frmSpoglio::buildOdds() {
    auto* frame = new QGroupBox(qtText(kProbabilitaCaption), this);
    frame->setObjectName(QStringLiteral("frameProbabilita"));
    cmdProbabilita_ = new QPushButton(QStringLiteral("&Probabilità"), frame);
    cmdProbabilita_->setObjectName(QStringLiteral("cmdProbabilita"));
    cmdProbabilita_->setToolTip(
        QStringLiteral("Calcola le probabilità esatte del sistema su tutte le 184756 "
                       "estrazioni possibili"));
    labAlmenoUna_ = new QLabel(qtText(kAlmenoUnaCaption), frame);
    labAlmenoUna_->setObjectName(QStringLiteral("labAlmenoUna"));
    labAlmenoUna_->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(
                                       qtText(kAlmenoUnaCaption) + QStringLiteral(" 100,0000%")) +
                                   8);

    grdProbabilita_ = new QTableWidget(2, kMaxPoints + 1, frame);
    grdProbabilita_->setObjectName(QStringLiteral("grdProbabilita"));
    grdProbabilita_->setVerticalHeaderLabels({QStringLiteral("Massimo"), QStringLiteral("Minimo")});
    for (int p = kMaxPoints; p >= 0; --p) {
        grdProbabilita_->setHorizontalHeaderItem(
            kMaxPoints - p, new QTableWidgetItem(QStringLiteral("Punti %1").arg(p)));
    }
    grdProbabilita_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdProbabilita_->setTabKeyNavigation(false);
    grdProbabilita_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdProbabilita_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdProbabilita_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    const int cellWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("100,0000%")) + 14;
    grdProbabilita_->horizontalHeader()->setMinimumSectionSize(cellWidth);
    grdProbabilita_->setToolTip(QStringLiteral(
        "Quota delle estrazioni possibili in cui il punteggio più alto (più basso) del sistema "
        "è quello della colonna"));
    grdProbabilita_->resizeRowsToContents();
    // Exactly the header and the two rows: the table never scrolls.
    grdProbabilita_->setFixedHeight(grdProbabilita_->horizontalHeader()->sizeHint().height() +
                                    grdProbabilita_->rowHeight(0) + grdProbabilita_->rowHeight(1) +
                                    2 * grdProbabilita_->frameWidth());
    grdProbabilita_->setMinimumWidth((kMaxPoints + 1) * cellWidth +
                                     grdProbabilita_->verticalHeader()->sizeHint().width() +
                                     2 * grdProbabilita_->frameWidth());

    auto* top = new QHBoxLayout;
    top->addWidget(cmdProbabilita_);
    top->addSpacing(12);
    top->addWidget(labAlmenoUna_);
    top->addStretch(1);
    auto* box = new QVBoxLayout(frame);
    box->addLayout(top);
    box->addWidget(grdProbabilita_);
    connect(cmdProbabilita_, &QPushButton::clicked, this, &frmSpoglio::cmdProbabilita_Click);
    return frame;
}

int frmSpoglio::fieldIndex(const QObject* object) const {
    for (int k = 0; k < kSpoglioFields; ++k) {
        if (meSpoglio_[static_cast<std::size_t>(k)] == object) {
            return k;
        }
    }
    return -1;
}

SpoglioFields frmSpoglio::fieldTexts() const {
    SpoglioFields texts;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        texts[k] = meSpoglio_[k]->text().toStdString();
    }
    return texts;
}

void frmSpoglio::showFieldTexts(const SpoglioFields& texts) {
    for (std::size_t k = 0; k < texts.size(); ++k) {
        meSpoglio_[k]->setText(qtText(texts[k]));
    }
}

bool frmSpoglio::eventFilter(QObject* watched, QEvent* event) {
    const int field = fieldIndex(watched);
    if (field < 0) {
        return QDialog::eventFilter(watched, event);
    }
    auto* edit = meSpoglio_[static_cast<std::size_t>(field)];
    switch (event->type()) {
    case QEvent::FocusIn:
        // After the click that gave the focus has placed the cursor. An
        // empty field takes its digits from the start.
        QTimer::singleShot(0, edit, [edit] {
            edit->setCursorPosition(0);
            edit->selectAll();
        });
        break;
    case QEvent::FocusOut: {
        const auto texts = fieldTexts();
        leaveField(texts, field, app_.winning);
        // "8" reads "08", as the field shows a stored value.
        if (const int value = fieldValue(texts[static_cast<std::size_t>(field)]); value != 0) {
            edit->setText(qtText(formatPicture(value, "00")));
        }
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int next = focusAfterEnter(field);
            if (next == kCheckButton) {
                cmdSpoglio_->setFocus(Qt::TabFocusReason);
            } else {
                meSpoglio_[static_cast<std::size_t>(next)]->setFocus(Qt::TabFocusReason);
            }
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSpoglio::clearResults() {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i]->setRows({});
        labVincite_[i]->setText(QStringLiteral("0"));
    }
}

void frmSpoglio::refreshFromState() {
    clearResults();
    auto texts = fieldTexts();
    showWinningColumn(app_.winning, texts);
    showFieldTexts(texts);
}

void frmSpoglio::cmdCancella_Click() {
    clearResults();
    SpoglioFields texts;
    clearWinningColumn(app_.winning, texts);
    showFieldTexts(texts);
    meSpoglio_[0]->setFocus(Qt::OtherFocusReason);
}

void frmSpoglio::cmdSpoglio_Click() {
    auto texts = fieldTexts();
    const ScopedDialogParent messagesHere(platform_, this);
    // The check yields now and then; meanwhile nothing may change the system.
    const LongWorkGuard guard(this);
    QtProgress progress({});
    const auto outcome = Spoglio(texts, app_.winning, app_.system, platform_, progress);
    showFieldTexts(texts);
    if (!outcome.result) {
        if (outcome.focusField >= 0) {
            meSpoglio_[static_cast<std::size_t>(outcome.focusField)]->setFocus(
                Qt::OtherFocusReason);
        }
        return;
    }
    const auto& result = *outcome.result;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i]->setRows(result.lists[i]);
        labVincite_[i]->setText(QString::number(result.lists[i].size()));
    }
    labMaxPunti_->setText(qtText(maxPuntiCaption(result)));
    labMinPunti_->setText(qtText(minPuntiCaption(result)));
}

void frmSpoglio::cmdProbabilita_Click() {
    const auto odds = [&] {
        const BusyGuard busy(platform_);
        return systemOdds(app_.system);
    }();
    const QLocale locale;
    Separators separators;
    separators.thousands = locale.groupSeparator().toStdString();
    separators.decimal = locale.decimalPoint().toStdString();
    const auto texts = oddsTexts(odds, separators);
    for (int p = kMaxPoints; p >= 0; --p) {
        const auto at = static_cast<std::size_t>(p);
        for (int c = 0; c < 2; ++c) {
            auto* item =
                new QTableWidgetItem(qtText(c == 0 ? texts.highest[at] : texts.lowest[at]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdProbabilita_->setItem(c, kMaxPoints - p, item);
        }
    }
    labAlmenoUna_->setText(qtText(texts.win));
    for (std::size_t i = 0; i < labAttese_.size(); ++i) {
        labAttese_[i]->setText(qtText(texts.expected[i]));
    }
}

} // namespace dvx
