#include "frmFiltri.h"

#include "CellGrid.h"
#include "ConditionCommon.h"
#include "ConditionDialog.h"
#include "Model.h"
#include "OnOffPair.h"
#include "QtText.h"
#include "ToggleLabels.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace dvx {

namespace {

// A red disc with a white cross: clears the entry shown.
QIcon clearIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(2, 2, 28, 28);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(10, 10, 22, 22);
    painter.drawLine(22, 10, 10, 22);
    return QIcon(pixmap);
}

QLabel* makeLabel(QAnyStringView name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* makeButton(QAnyStringView name, QAnyStringView caption, QAnyStringView tip,
                        QWidget* parent) {
    auto* button = new QPushButton(caption.toString(), parent);
    button->setObjectName(name);
    button->setToolTip(tip.toString());
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmFiltri::frmFiltri(SystemState& system, Platform& /*platform*/, QWidget* parent)
    : QDialog(parent), editor_(system.filtri, system.selected) {
    setObjectName("frmFiltri");

    auto* frame1 = new QGroupBox(QStringLiteral("Colonna filtro n."), this);
    frame1->setObjectName("Frame1");
    auto* cmdLR = makeButton("cmdLR", "<--", "Colonna precedente (PgSu)", frame1);
    auto* cmdRR = makeButton("cmdRR", "-->", "Colonna successiva (PgGiù)", frame1);
    lbFiltroNum_ = makeLabel("lbFiltroNum", QStringLiteral("01"), frame1);
    auto* lbTotFiltri = makeLabel("lbTotFiltri", qtText(twoDigits(kMaxFilters)), frame1);
    for (auto* number : {lbFiltroNum_, lbTotFiltri}) {
        number->setMinimumWidth(40);
        number->setStyleSheet(QStringLiteral("QLabel { font-size: 14pt; font-weight: bold; }"));
    }
    auto* navigation = new QHBoxLayout(frame1);
    navigation->addWidget(cmdLR);
    navigation->addStretch();
    navigation->addWidget(lbFiltroNum_);
    navigation->addWidget(makeLabel("Label1", QStringLiteral("/"), frame1));
    navigation->addWidget(lbTotFiltri);
    navigation->addStretch();
    navigation->addWidget(cmdRR);
    connect(cmdLR, &QPushButton::clicked, this, [this] { cmdLR_Click(); });
    connect(cmdRR, &QPushButton::clicked, this, [this] { cmdRR_Click(); });

    auto* frame = makeEditingFrame(QStringLiteral("frameCondizione"), this);
    auto* cmdCancella = makeButton("cmdCancella", "", "Cancella", frame);
    cmdCancella->setIcon(clearIcon());
    cmdCancella->setIconSize(QSize(28, 28));
    connect(cmdCancella, &QPushButton::clicked, this, [this] { cmdCancella_Click(); });

    auto* gridFrame = new QFrame(frame);
    gridFrame->setObjectName("Frame");
    grid_ = makeToggleLabels(
        QStringLiteral("labGriglia"), kNumbers, 10, 0, [this](int i) { labGriglia_Click(i); },
        gridFrame);
    l1_ = makeLabel("l1", QStringLiteral("00"), gridFrame);
    l1_->setMinimumWidth(40);
    l1_->setStyleSheet(QStringLiteral("QLabel { font-size: 14pt; font-weight: bold; }"));
    auto* gridLayout = new QHBoxLayout(gridFrame);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(cmdCancella, 0, Qt::AlignTop);
    gridLayout->addWidget(grid_, 1);
    gridLayout->addWidget(l1_);

    auto* framePresenze = new QGroupBox(QStringLiteral("Presenze"), frame);
    framePresenze->setObjectName("framePresenze");
    presences_ = makeToggleLabels(
        QStringLiteral("lbPresenze"), kPresenceLabels, kPresenceLabels, 0,
        [this](int p) { lbPresenze_Click(p); }, framePresenze);
    for (int p = 0; p < kPresenceLabels; ++p) {
        presences_->cell(p)->setText(QString::number(p));
    }
    (new QVBoxLayout(framePresenze))->addWidget(presences_);

    frame3_ = new OnOffPair(QStringLiteral("Condizione"), QStringLiteral("optCond"), frame);
    frame3_->onChoose = [this](int i) { optCond_Click(i); };

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->addWidget(gridFrame);
    frameLayout->addWidget(framePresenze);
    frameLayout->addWidget(frame3_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->addWidget(frame1);
    layout->addWidget(frame);

    const auto& inPlay = editor_.inPlay();
    for (int i = 0; i < kNumbers; ++i) {
        auto* label = grid_->cell(i);
        label->setText(qtText(twoDigits(i + 1)));
        if (!inPlay[static_cast<std::size_t>(i)]) {
            auto font = label->font();
            font.setItalic(true);
            label->setFont(font);
            grid_->setLook(i, outOfPlayLook());
        }
    }
    showEntry();
    frame->setEnabled(conditionsEditable(system));
    finishSetUp(*this, QStringLiteral(" Colonne Filtro"));
}

void frmFiltri::showGridLabel(int index) {
    // Labels of numbers out of play keep their grey look and are never selected.
    if (!editor_.inPlay()[static_cast<std::size_t>(index)]) {
        return;
    }
    const bool selected = editor_.view().grid[static_cast<std::size_t>(index)];
    setTagged(grid_->cell(index), selected);
    grid_->setLook(index, selected ? CellLook{kBlue, kWhite, false} : toggleLook(false));
}

void frmFiltri::showPresenceLabel(int presences) {
    const bool selected = editor_.view().presences[static_cast<std::size_t>(presences)];
    setTagged(presences_->cell(presences), selected);
    presences_->setLook(presences, selected ? CellLook{kRed, kYellow, false} : toggleLook(false));
}

void frmFiltri::showEntry() {
    lbFiltroNum_->setText(qtText(twoDigits(editor_.shown())));
    for (int i = 0; i < kNumbers; ++i) {
        showGridLabel(i);
    }
    for (int p = 0; p < kPresenceLabels; ++p) {
        showPresenceLabel(p);
    }
    frame3_->showChosen(editor_.view().on ? kOptionOn : kOptionOff);
    l1_->setText(QString::number(editor_.view().gridCount));
}

void frmFiltri::cmdLR_Click() {
    if (editor_.previous()) {
        showEntry();
    }
}

void frmFiltri::cmdRR_Click() {
    if (editor_.next()) {
        showEntry();
    }
}

void frmFiltri::cmdCancella_Click() {
    editor_.clearShown();
    showEntry();
}

void frmFiltri::optCond_Click(int index) {
    editor_.setOn(index == kOptionOn);
    frame3_->showChosen(index);
}

void frmFiltri::labGriglia_Click(int index) {
    if (editor_.toggleNumber(index)) {
        showGridLabel(index);
        l1_->setText(QString::number(editor_.view().gridCount));
    }
}

void frmFiltri::lbPresenze_Click(int presences) {
    editor_.togglePresence(presences);
    showPresenceLabel(presences);
}

void frmFiltri::keyPressEvent(QKeyEvent* event) {
    // Page Up and Page Down browse the entries from wherever the focus is.
    switch (event->key()) {
    case Qt::Key_PageUp:
        cmdLR_Click();
        return;
    case Qt::Key_PageDown:
        cmdRR_Click();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void frmFiltri::done(int result) {
    editor_.close();
    QDialog::done(result);
}

} // namespace dvx
