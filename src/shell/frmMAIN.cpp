#include "frmMAIN.h"

#include "AppState.h"
#include "CellLook.h"
#include "ColumnOps.h"
#include "Development.h"
#include "Platform.h"
#include "ProgramInfo.h"
#include "QtFormSetup.h"
#include "QtProgress.h"
#include "RidottoOttimizzato.h"
#include "Settings.h"
#include "StatusPanels.h"
#include "SystemOps.h"
#include "frmCalcolo.h"
#include "frmCellGrid.h"
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

// ---- Condition dialogs -------------------------------------------------
// Each dialog edits its conditions in place and is shown modally; the main
// window then sets its menu entry's check mark from the conditions.
#if __has_include("frmSomma.h")
#include "frmSomma.h"
#define DVX_HAVE_FRMSOMMA 1
#endif
#if __has_include("frmPari.h")
#include "frmPari.h"
#define DVX_HAVE_FRMPARI 1
#endif
#if __has_include("frmFisse.h")
#include "frmFisse.h"
#define DVX_HAVE_FRMFISSE 1
#endif
#if __has_include("frmConsecutivi.h")
#include "frmConsecutivi.h"
#define DVX_HAVE_FRMCONSECUTIVI 1
#endif
#if __has_include("frmFiltri.h")
#include "frmFiltri.h"
#define DVX_HAVE_FRMFILTRI 1
#endif
#if __has_include("frmRidotto.h")
#include "frmRidotto.h"
#define DVX_HAVE_FRMRIDOTTO 1
#endif
// ------------------------------------------------------------------------

namespace dvx {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

using Handler = void (frmMAIN::*)();

// nullptr: the window this entry opens is not part of the program yet.
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
         {{"menuColonnaFiltro", "&Colonna Filtro", &frmMAIN::menuColonnaFiltro_Click, true},
          {"menuConsecutivi", "C&onsecutivi", &frmMAIN::menuConsecutivi_Click, true},
          {"menuFisse", "&Fisse", &frmMAIN::menuFisse_Click, true},
          {"menuPariDispari", "&Pari e Dispari", &frmMAIN::menuPariDispari_Click, true},
          {"menuSomma", "&Somma", &frmMAIN::menuSomma_Click, true},
          {"-", "", nullptr},
          {"menuRidotto", "&Ridotto", &frmMAIN::menuRidotto_Click, true}}},
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

QString styleOf(const CellLook& look) {
    const auto rgb = [](const Rgb& c) {
        return QString("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b);
    };
    return QString(
               "QRadioButton { background: %1; color: %2; padding: 4px 10px; border-radius: 4px;"
               " font-weight: %3; }")
        .arg(rgb(look.background), rgb(look.text), look.bold ? "bold" : "normal");
}

} // namespace

frmMAIN::frmMAIN(AppState& app, Platform& platform, QWidget* parent)
    : QMainWindow(parent), app_(app), platform_(platform) {
    setObjectName("frmMAIN");
    const QLocale locale;
    separators_.thousands = locale.groupSeparator().toStdString();
    separators_.decimal = locale.decimalPoint().toStdString();

    setWindowTitle(qs(mainWindowCaption()));
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
        const auto text = qs(formatPicture(i + 1, "00"));
        grnum_->cell(i)->setText(text);
        grScud_->cell(i)->setText(text);
    }
    app_.system.fileName = "nuovo.dvx";
    panels_[0]->setText(qs(fileNamePanel(app_.system.fileName)));
    resize(minimumSizeHint().expandedTo(QSize(860, 560)));
    centreOnScreen(*this);
}

void frmMAIN::buildMenus() {
    for (const auto& menuDef : menuSpecs()) {
        auto* menu = menuBar()->addMenu(menuDef.caption);
        menu->setObjectName(menuDef.name);
        for (const auto& entry : menuDef.entries) {
            if (std::string_view(entry.name) == "-") {
                menu->addSeparator();
                continue;
            }
            auto* action = menu->addAction(entry.caption);
            action->setObjectName(entry.name);
            action->setCheckable(entry.checkable);
            if (entry.handler != nullptr) {
                connect(action, &QAction::triggered, this,
                        [this, handler = entry.handler] { (this->*handler)(); });
            }
        }
    }
    connect(findChild<QAction*>("menuuscita"), &QAction::triggered, this, &QWidget::close);
    // A click on "&Info" opens the about box, which is its own subsystem.
    auto* info = menuBar()->addAction("&Info");
    info->setObjectName("menuinfo");
}

QWidget* frmMAIN::buildNumberFrame() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName("frameNumeri");
    auto* layout = new QVBoxLayout(frame);
    labnumeri_ = new QLabel("Numeri in gioco [00]", frame);
    labnumeri_->setObjectName("labnumeri");
    auto font = labnumeri_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    labnumeri_->setFont(font);
    layout->addWidget(labnumeri_);
    grnum_ = new frmCellGrid("grnum", kNumbers, 5, true, frame);
    grnum_->onClick = [this](int i) { grnum_Click(i); };
    layout->addWidget(grnum_, 1);
    return frame;
}

QWidget* frmMAIN::buildNumeroneFrame() {
    auto* frame = new QGroupBox(this);
    frame->setObjectName("Frame2");
    auto* layout = new QVBoxLayout(frame);
    auto* title = new QLabel("Numerone", frame);
    title->setObjectName("Label1");
    auto font = title->font();
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);
    grScud_ = new frmCellGrid("grScud", kNumbers, 10, false, frame);
    grScud_->onClick = [this](int i) { grScud_Click(i); };
    layout->addWidget(grScud_, 1);
    return frame;
}

QWidget* frmMAIN::buildPriceFrame() {
    auto* frame = new QGroupBox("Importo giocata", this);
    frame->setObjectName("Frame3");
    auto* layout = new QHBoxLayout(frame);
    const char* captions[] = {"1.0", "2.0"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions[i], frame);
        option->setObjectName(QString("optImporto_%1").arg(i));
        connect(option, &QRadioButton::clicked, this, [this, i] { optImporto_Click(i); });
        layout->addWidget(option);
        optImporto_[static_cast<std::size_t>(i)] = option;
    }
    return frame;
}

QWidget* frmMAIN::buildCommandFrame() {
    auto* frame = new QGroupBox("Operazioni", this);
    frame->setObjectName("Frame1");
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(6);
    for (const auto& buttonDef : kButtons) {
        auto* button = new QPushButton(buttonDef.caption, frame);
        button->setObjectName(buttonDef.name);
        button->setMinimumHeight(30);
        if (buttonDef.handler != nullptr) {
            connect(button, &QPushButton::clicked, this,
                    [this, handler = buttonDef.handler] { (this->*handler)(); });
        }
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
        auto* panel = new QLabel(texts[i], bar);
        panel->setObjectName(QString("StBar_%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(6, 1, 6, 1);
        bar->addPermanentWidget(panel, stretch[i]);
        panels_[i] = panel;
    }
}

// ---- Window state ------------------------------------------------------

void frmMAIN::setControlEnabled(std::string_view name, bool enabled) {
    const auto qname = qs(name);
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
    const auto qname = qs(name);
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
            findChild<QAction*>(qs(menu))->setChecked(false);
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
        findChild<QAction*>(qs(menu))->setChecked(conditionMark(app_.system, menu).value_or(false));
    }
}

void frmMAIN::showStatusPanels(std::string_view costPicture) {
    const auto texts = statusBarTexts(app_.system, separators_);
    panels_[1]->setText(qs(texts.count));
    panels_[2]->setText(qs(formatPicture(static_cast<double>(app_.system.pricePerColumn) *
                                             app_.system.sistema.columnCount,
                                         costPicture, separators_)));
    panels_[3]->setText(qs(texts.type));
}

void frmMAIN::resetSystem(bool keepNumbers) {
    dvx::resetSystem(app_.system, keepNumbers);
    if (!keepNumbers) {
        for (int i = 0; i < kNumbers; ++i) {
            showNumberCell(i);
        }
        showNumeroneCells();
        showStatusPanels();
        labnumeri_->setText(qs(labnumeriText(app_.system.sistema.countInPlay, true)));
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
    labnumeri_->setText(qs(labnumeriText(app_.system.sistema.countInPlay, false)));
    enableForNumberCount();
}

void frmMAIN::grScud_Click(int index) {
    app_.system.numerone = static_cast<std::uint8_t>(index + 1);
    showNumeroneCells();
}

void frmMAIN::showOptions() {
    const int chosen = optionOfPrice(app_.system.pricePerColumn);
    // The other option keeps the button face, with the grey of disabled text.
    const auto rgbOf = [](const QColor& c) {
        return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                   static_cast<std::uint8_t>(c.blue())};
    };
    const CellLook other{rgbOf(palette().color(QPalette::Active, QPalette::Button)),
                         rgbOf(palette().color(QPalette::Disabled, QPalette::WindowText)), false};
    for (int i = 0; i < 2; ++i) {
        auto* option = optImporto_[static_cast<std::size_t>(i)];
        option->setChecked(i == chosen);
        option->setStyleSheet(styleOf(i == chosen ? chosenOptionLook() : other));
    }
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
    setEnabled(false);
    {
        // A window of its own, so it stays usable while this one is disabled.
        frmCalcolo progressDialog(platform_, system.cancel);
        progressDialog.show();
        QCoreApplication::processEvents();
        developed = runDevelopCommand(system, platform_, progressDialog.progress(),
                                      chosenReducer(system.condizioni));
        showStatusPanels();
        progressDialog.finish();
    }
    setEnabled(true);
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
        labnumeri_->setText(qs(labnumeriText(count, count == 0)));
        enableForNumberCount();
        setConditionMarks();
        if (result.developed) {
            applyWindowState(WindowState::Developed);
        }
        showStatusPanels(result.costPicture);
    }
    if (result.panel1) {
        panels_[0]->setText(qs(*result.panel1));
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

template <class Dialog> void frmMAIN::runConditionDialog(std::string_view menu) {
    Dialog dialog(app_, platform_, this);
    dialog.exec();
    findChild<QAction*>(qs(menu))->setChecked(conditionMark(app_.system, menu).value_or(false));
}

void frmMAIN::menuColonnaFiltro_Click() {
#ifdef DVX_HAVE_FRMFILTRI
    runConditionDialog<frmFiltri>("menuColonnaFiltro");
#endif
}

void frmMAIN::menuConsecutivi_Click() {
#ifdef DVX_HAVE_FRMCONSECUTIVI
    runConditionDialog<frmConsecutivi>("menuConsecutivi");
#endif
}

void frmMAIN::menuFisse_Click() {
#ifdef DVX_HAVE_FRMFISSE
    runConditionDialog<frmFisse>("menuFisse");
#endif
}

void frmMAIN::menuPariDispari_Click() {
#ifdef DVX_HAVE_FRMPARI
    runConditionDialog<frmPari>("menuPariDispari");
#endif
}

void frmMAIN::menuSomma_Click() {
#ifdef DVX_HAVE_FRMSOMMA
    runConditionDialog<frmSomma>("menuSomma");
#endif
}

void frmMAIN::menuRidotto_Click() {
#ifdef DVX_HAVE_FRMRIDOTTO
    runConditionDialog<frmRidotto>("menuRidotto");
#endif
}

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
