#include "frmMAIN.h"
#include "OptionLook.h"
#include "QtText.h"

#include "AppState.h"
#include "CellGrid.h"
#include "CellLook.h"
#include "ColumnOps.h"
#include "Development.h"
#include "LongWorkGuard.h"
#include "Platform.h"
#include "ProgramInfo.h"
#include "QtFormSetup.h"
#include "QtProgress.h"
#include "Ridotto.h"
#include "Settings.h"
#include "StatusPanels.h"
#include "SystemOps.h"
#include "WindowHub.h"
#include "frmCalcolo.h"
#include "frmVisualizza.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace dvx {

namespace {

using Handler = void (frmMAIN::*)();

// nullptr: the window hub opens what the entry stands for.
struct MenuEntry {
    const char* name; // "-" for a separator
    const char* caption;
    Handler handler;
    bool checkable = false;
};

struct MenuSpec {
    const char* name;
    const char* caption;
    std::vector<MenuEntry> entries;
};

const std::vector<MenuSpec>& menuSpecs() {
    static const std::vector<MenuSpec> specs{
        {"menufile",
         "&File",
         {{"menuapri", "&Apri", &frmMAIN::menuapri_Click},
          {"-", "", nullptr},
          {"menusalva", "&Salva", &frmMAIN::menusalva_Click},
          {"menusalvacome", "Salva &come...", &frmMAIN::menusalvacome_Click},
          {"menuImportaColonne", "&Importa Colonne", &frmMAIN::menuImportaColonne_Click},
          {"menuEsportaColonne", "&Esporta Colonne", &frmMAIN::menuEsportaColonne_Click},
          {"-", "", nullptr},
          {"mnu_Elenco", "&Elenco Sistemi Immediati", nullptr},
          {"menuImpostazioni", "&Impostazioni", nullptr},
          {"-", "", nullptr},
          {"menuuscita", "&Uscita", nullptr}}},
        {"menucondizioni",
         "&Condizioni",
         {{"menuColonnaFiltro", "&Colonna Filtro", nullptr, true},
          {"menuConsecutivi", "C&onsecutivi", nullptr, true},
          {"menuFisse", "&Fisse", nullptr, true},
          {"menuPariDispari", "&Pari e Dispari", nullptr, true},
          {"menuSomma", "&Somma", nullptr, true},
          {"-", "", nullptr},
          {"menuRidotto", "&Ridotto", nullptr, true}}},
        {"menuoperazioni",
         "&Operazioni",
         {{"menuadattamatrice", "&Adatta matrice", nullptr},
          {"-", "", nullptr},
          {"menuMescola", "Mescola &Colonne", &frmMAIN::menuMescola_Click},
          {"-", "", nullptr},
          {"menucalcolo", "&Elabora", &frmMAIN::menucalcolo_Click},
          {"menuSpoglio", "&Spoglio", nullptr},
          {"menuSpoglioEstrazioni", "Spoglio Est&razioni", nullptr},
          {"menuvisualizza", "&Visualizza", &frmMAIN::menuvisualizza_Click},
          {"menuEstrazioni", "&Archivio Estrazioni", nullptr},
          {"menuStatistiche", "S&tatistiche", nullptr},
          {"-", "", nullptr},
          {"menumodifiche", "&Modifiche", &frmMAIN::menumodifiche_Click}}},
        {"menustampa",
         "&Stampa",
         {{"menutabulato", "Stampa &Tabulato", nullptr},
          {"menuschedine", "Stampa &Schedine", nullptr}}},
    };
    return specs;
}

struct ButtonSpec {
    const char* name;
    const char* caption;
    Handler handler;
};

// Each button runs its menu entry's handler.
constexpr ButtonSpec kButtons[] = {
    {"cmdArchivio", "Archivio Estrazioni", nullptr},
    {"cmdModifiche", "Modifica Sistema", &frmMAIN::menumodifiche_Click},
    {"cmdAdatta", "Adatta Matrice", nullptr},
    {"cmdSpoglio", "Spoglio Sistema", nullptr},
    {"cmdVisualizza", "Visualizza Sistema", &frmMAIN::cmdVisualizza_Click},
    {"cmdCancella", "Cancella Sistema", &frmMAIN::cmdCancella_Click},
    {"cmdCalcolo", "Elabora Sistema", &frmMAIN::menucalcolo_Click},
    {"cmdTabulato", "Stampa Tabulato", nullptr},
    {"cmdSchedine", "Stampa Schedine", nullptr},
};

} // namespace

frmMAIN::frmMAIN(AppState& app, Platform& platform, QWidget* parent)
    : QMainWindow(parent), app_(app),
      platform_(platform), context_{app, platform, this, modeless_,
                                    [this] { refreshFromState(); }} {
    setObjectName("frmMAIN");
    const QLocale locale;
    separators_.thousands = locale.groupSeparator().toStdString();
    separators_.decimal = locale.decimalPoint().toStdString();

    setWindowTitle(qtText(mainWindowCaption()));
    buildMenus();

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(12, 10, 12, 8);
    columns->setSpacing(12);
    auto* left = new QVBoxLayout;
    left->addWidget(buildNumberFrame(), 3);
    left->addWidget(buildNumeroneFrame(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildPriceFrame());
    right->addWidget(buildCommandFrame(), 1);
    columns->addLayout(left, 3);
    columns->addLayout(right, 1);
    setCentralWidget(central);
    buildStatusBar();

    // Loading: the settings, price 2.0, reset, and the new system's name.
    ReadConfiguration(app_.settings, app_.programFolder, platform_);
    optImporto_Click(1);
    resetSystem(false);
    for (int i = 0; i < kNumbers; ++i) {
        const auto text = qtText(formatPicture(i + 1, "00"));
        grnum_->cell(i)->setText(text);
        grScud_->cell(i)->setText(text);
    }
    app_.system.fileName = "nuovo.dvx";
    panels_[0]->setText(qtText(fileNamePanel(app_.system.fileName)));
    resize(minimumSizeHint().expandedTo(QSize(860, 560)));
    centreOnScreen(*this);
}

void frmMAIN::buildMenus() {
    for (const auto& menuDef : menuSpecs()) {
        auto* menu = menuBar()->addMenu(QString::fromUtf8(menuDef.caption));
        menu->setObjectName(menuDef.name);
        for (const auto& entry : menuDef.entries) {
            if (std::string_view(entry.name) == "-") {
                menu->addSeparator();
                continue;
            }
            auto* action = menu->addAction(QString::fromUtf8(entry.caption));
            action->setObjectName(entry.name);
            action->setCheckable(entry.checkable);
            connectControl(action, &QAction::triggered, entry.name, entry.handler);
        }
    }
    connect(findChild<QAction*>(QStringLiteral("menuuscita")), &QAction::triggered, this,
            &QWidget::close);
    // A click on "&Info" opens the about box, which is its own subsystem.
    auto* info = menuBar()->addAction(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("menuinfo"));
    connectControl(info, &QAction::triggered, "menuinfo", nullptr);
}

template <class Control, class Signal>
void frmMAIN::connectControl(Control* control, Signal signal, std::string_view name,
                             void (frmMAIN::*handler)()) {
    if (handler != nullptr) {
        connect(control, signal, this, [this, handler] { (this->*handler)(); });
    } else if (const auto open = hubWindowFor(name)) {
        connect(control, signal, this, [this, open] { open(context_); });
    }
}

void frmMAIN::refreshFromState() {
    setConditionMarks();
    showStatusPanels();
    if (app_.system.developed()) {
        applyWindowState(WindowState::Developed);
    }
}

QWidget* frmMAIN::buildNumberFrame() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName("frameNumeri");
    auto* layout = new QVBoxLayout(frame);
    labnumeri_ = new QLabel(QStringLiteral("Numeri in gioco [00]"), frame);
    labnumeri_->setObjectName("labnumeri");
    auto font = labnumeri_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    labnumeri_->setFont(font);
    layout->addWidget(labnumeri_);
    grnum_ = new CellGrid(QStringLiteral("grnum"), kNumbers, 5, true, frame);
    grnum_->onClick = [this](int i) { grnum_Click(i); };
    layout->addWidget(grnum_, 1);
    return frame;
}

QWidget* frmMAIN::buildNumeroneFrame() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName("Frame2");
    auto* layout = new QVBoxLayout(frame);
    auto* title = new QLabel(QStringLiteral("Numerone"), frame);
    title->setObjectName("Label1");
    auto font = title->font();
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);
    grScud_ = new CellGrid(QStringLiteral("grScud"), kNumbers, 10, false, frame);
    grScud_->onClick = [this](int i) { grScud_Click(i); };
    layout->addWidget(grScud_, 1);
    return frame;
}

QWidget* frmMAIN::buildPriceFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Importo giocata"), this);
    frame->setObjectName("Frame3");
    auto* layout = new QHBoxLayout(frame);
    const char* captions[] = {"1.0", "2.0"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        option->setObjectName(QStringLiteral("optImporto_%1").arg(i));
        connect(option, &QRadioButton::clicked, this, [this, i] { optImporto_Click(i); });
        layout->addWidget(option);
        optImporto_[static_cast<std::size_t>(i)] = option;
    }
    return frame;
}

QWidget* frmMAIN::buildCommandFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Operazioni"), this);
    frame->setObjectName("Frame1");
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(6);
    for (const auto& buttonDef : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(buttonDef.caption), frame);
        button->setObjectName(buttonDef.name);
        button->setMinimumHeight(30);
        connectControl(button, &QPushButton::clicked, buttonDef.name, buttonDef.handler);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return frame;
}

void frmMAIN::buildStatusBar() {
    auto* bar = statusBar();
    bar->setObjectName("StBar");
    bar->setSizeGripEnabled(false);
    const char* texts[] = {"Nome Sistema", "Numero Colonne", "Costo Sistema", "Tipo Sistema"};
    const int stretch[] = {3, 2, 2, 3};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(QString::fromUtf8(texts[i]), bar);
        panel->setObjectName(QStringLiteral("StBar_%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(6, 1, 6, 1);
        bar->addPermanentWidget(panel, stretch[i]);
        panels_[i] = panel;
    }
}

// ---- Window state ------------------------------------------------------

void frmMAIN::setControlEnabled(std::string_view name, bool enabled) {
    const auto qname = qtText(name);
    if (auto* action = findChild<QAction*>(qname)) {
        action->setEnabled(enabled);
    } else if (auto* menu = findChild<QMenu*>(qname)) {
        menu->setEnabled(enabled);
        menu->menuAction()->setEnabled(enabled);
    } else if (auto* widget = findChild<QWidget*>(qname)) {
        widget->setEnabled(enabled);
    }
}

bool frmMAIN::isControlEnabled(std::string_view name) const {
    const auto qname = qtText(name);
    if (const auto* action = findChild<QAction*>(qname)) {
        return action->isEnabled();
    }
    if (const auto* menu = findChild<QMenu*>(qname)) {
        return menu->menuAction()->isEnabled();
    }
    const auto* widget = findChild<QWidget*>(qname);
    return widget != nullptr && widget->isEnabledTo(this);
}

void frmMAIN::applyWindowState(WindowState state) {
    for (const auto& rule : controlRules()) {
        if (const auto enabled = enabledIn(state, rule.control)) {
            setControlEnabled(rule.control, *enabled);
        }
    }
    if (clearsConditionMarks(state)) {
        for (const auto menu : conditionMenus()) {
            findChild<QAction*>(qtText(menu))->setChecked(false);
        }
    }
}

void frmMAIN::enableForNumberCount() {
    const bool enough = enoughNumbers(app_.system.sistema.countInPlay);
    for (const auto name : tenNumberControls()) {
        setControlEnabled(name, enough);
    }
}

void frmMAIN::setConditionMarks() {
    for (const auto menu : conditionMenus()) {
        findChild<QAction*>(qtText(menu))
            ->setChecked(conditionMark(app_.system, menu).value_or(false));
    }
}

void frmMAIN::showStatusPanels(std::string_view costPicture) {
    const auto texts = statusBarTexts(app_.system, separators_);
    panels_[1]->setText(qtText(texts.count));
    panels_[2]->setText(qtText(formatPicture(static_cast<double>(app_.system.pricePerColumn) *
                                                 app_.system.sistema.columnCount,
                                             costPicture, separators_)));
    panels_[3]->setText(qtText(texts.type));
}

void frmMAIN::resetSystem(bool keepNumbers) {
    dvx::resetSystem(app_.system, keepNumbers);
    if (!keepNumbers) {
        for (int i = 0; i < kNumbers; ++i) {
            showNumberCell(i);
        }
        showNumeroneCells();
        showStatusPanels();
        labnumeri_->setText(qtText(labnumeriText(app_.system.sistema.countInPlay, true)));
    }
    applyWindowState(WindowState::Editing);
    if (keepNumbers) {
        // The numbers stay in play, so what needs ten of them stays usable.
        enableForNumberCount();
    }
}

// ---- Grids and price ---------------------------------------------------

void frmMAIN::showNumberCell(int index) {
    grnum_->setLook(index, numberCellLook(app_.system.selected[static_cast<std::size_t>(index)]));
}

void frmMAIN::showNumeroneCells() {
    const int chosen = app_.system.numerone;
    for (int i = 0; i < kNumbers; ++i) {
        const auto cell = chosen == 0       ? NumeroneCell::AfterReset
                          : chosen == i + 1 ? NumeroneCell::Chosen
                                            : NumeroneCell::NotChosen;
        grScud_->setLook(i, numeroneCellLook(cell));
    }
}

void frmMAIN::grnum_Click(int index) {
    toggleNumber(app_.system, index + 1);
    showNumberCell(index);
    labnumeri_->setText(qtText(labnumeriText(app_.system.sistema.countInPlay, false)));
    enableForNumberCount();
}

void frmMAIN::grScud_Click(int index) {
    app_.system.numerone = static_cast<std::uint8_t>(index + 1);
    showNumeroneCells();
}

void frmMAIN::showOptions() {
    showChosenOption(optImporto_, optionOfPrice(app_.system.pricePerColumn));
}

void frmMAIN::optImporto_Click(int index) {
    app_.system.pricePerColumn = priceOfOption(index);
    showOptions();
    showStatusPanels();
}

// ---- Development and column operations ---------------------------------

void frmMAIN::menucalcolo_Click() {
    auto& system = app_.system;
    if (system.developed() || !enoughNumbers(system.sistema.countInPlay)) {
        return;
    }
    bool developed = false;
    {
        // A window of its own, so it stays usable while every other one
        // (this one and any modeless window) is disabled.
        frmCalcolo progressDialog(platform_, system.cancel);
        const LongWorkGuard guard(&progressDialog);
        progressDialog.show();
        QCoreApplication::processEvents();
        developed = runDevelopCommand(system, platform_, progressDialog.progress(), &ridotto);
        showStatusPanels();
        progressDialog.finish();
    }
    if (developed) {
        applyWindowState(WindowState::Developed);
    }
}

void frmMAIN::menuvisualizza_Click() {
    if (app_.system.sistema.columnCount <= 0) {
        return;
    }
    frmVisualizza view(app_.system, this);
    view.exec();
}

void frmMAIN::cmdVisualizza_Click() {
    if (app_.system.developed()) {
        menuvisualizza_Click();
    }
}

void frmMAIN::menuMescola_Click() {
    if (!app_.system.developed()) {
        return;
    }
    setControlEnabled("menuMescola", false);
    shuffleColumns(app_.system, platform_);
    setControlEnabled("menuMescola", true);
}

void frmMAIN::menumodifiche_Click() {
    if (!app_.system.developed()) {
        return;
    }
    if (confirmDiscardColumns(app_.system, platform_)) {
        applyWindowState(WindowState::AfterDiscard);
        showStatusPanels();
    }
}

void frmMAIN::cmdCancella_Click() {
    if (!app_.system.developed()) {
        resetSystem(false);
    }
}

// ---- File menu ---------------------------------------------------------

void frmMAIN::showFileResult(const FileCommandResult& result) {
    if (result.systemReplaced) {
        applyWindowState(WindowState::Editing);
        for (int i = 0; i < kNumbers; ++i) {
            showNumberCell(i);
        }
        showNumeroneCells();
        // The numbers come back one click at a time after a reset; with none,
        // the label keeps the reset's plain count.
        const int count = app_.system.sistema.countInPlay;
        labnumeri_->setText(qtText(labnumeriText(count, count == 0)));
        enableForNumberCount();
        setConditionMarks();
        if (result.developed) {
            applyWindowState(WindowState::Developed);
        }
        showStatusPanels(result.costPicture);
    }
    if (result.panel1) {
        panels_[0]->setText(qtText(*result.panel1));
    }
}

void frmMAIN::menuapri_Click() {
    showFileResult(openSystem(app_.system, fileSession_, platform_, app_.programFolder));
}

void frmMAIN::menusalva_Click() {
    showFileResult(saveSystem(app_.system, fileSession_, platform_, app_.programFolder));
}

void frmMAIN::menusalvacome_Click() {
    showFileResult(saveSystemAs(app_.system, fileSession_, platform_, app_.programFolder));
}

void frmMAIN::menuImportaColonne_Click() {
    showFileResult(importColumns(app_.system, fileSession_, platform_, app_.programFolder));
}

void frmMAIN::menuEsportaColonne_Click() {
    SalvaColonneTxt(app_.system, platform_, app_.programFolder);
}

// ---- Condition dialogs -------------------------------------------------

// ---- Shutdown ----------------------------------------------------------

void frmMAIN::closeEvent(QCloseEvent* event) {
    // While long work runs the window is disabled and cannot be left.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    const auto answer = platform_.message("Uscire dall'applicazione?", windowTitle().toStdString(),
                                          Icon::Question, Buttons::YesNo);
    if (answer != Answer::Yes) {
        event->ignore();
        return;
    }
    for (auto* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    event->accept();
}

} // namespace dvx
