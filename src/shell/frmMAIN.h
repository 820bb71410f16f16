#pragma once
// The main window: the number and Numerone grids, the price, the command
// buttons, the menus that reach every function, and the status bar.

#include "FileCommands.h"
#include "Format.h"
#include "MainWindowState.h"
#include "ModelessWindows.h"
#include "WindowContext.h"

#include <QMainWindow>

#include <array>
#include <string_view>

class QAction;
class QLabel;
class QMenu;
class QRadioButton;

namespace dvx {

struct AppState;
class Platform;
class CellGrid;

// Controls and menu entries carry their names as objectName; a control of
// an array is named with its index ("grnum_0".."grnum_19", "grScud_0",
// "optImporto_1"), the status-bar panels "StBar_1".."StBar_4".
class frmMAIN final : public QMainWindow {
    Q_OBJECT
public:
    // Loads the window: caption, price 2.0, reset, "nuovo.dvx".
    frmMAIN(AppState& app, Platform& platform, QWidget* parent = nullptr);

    // The model's reset and its effects on the window.
    void resetSystem(bool keepNumbers);
    void applyWindowState(WindowState state);

    void grnum_Click(int index);
    void grScud_Click(int index);
    void optImporto_Click(int index);

    // The menu entries; each button runs its entry's handler.
    void menuapri_Click();
    void menusalva_Click();
    void menusalvacome_Click();
    void menuImportaColonne_Click();
    void menuEsportaColonne_Click();
    void menuMescola_Click();
    void menucalcolo_Click();
    void menuvisualizza_Click();
    void cmdVisualizza_Click();
    void menumodifiche_Click();
    void cmdCancella_Click();

    // Shows the system again after a window opened from the hub changed it:
    // condition marks, status bar, and the developed state.
    void refreshFromState();

    // Enables or disables a control or menu entry by its name.
    void setControlEnabled(std::string_view name, bool enabled);
    bool isControlEnabled(std::string_view name) const;

    const Separators& separators() const { return separators_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildNumberFrame();
    QWidget* buildNumeroneFrame();
    QWidget* buildPriceFrame();
    QWidget* buildCommandFrame();
    void buildStatusBar();

    void showNumberCell(int index);
    void showNumeroneCells();
    void showOptions();
    void enableForNumberCount();
    void showStatusPanels(std::string_view costPicture = "€ ###,###,###.00");
    void setConditionMarks();
    void showFileResult(const FileCommandResult& result);
    // Connects a menu entry or button to its handler, or else to the window
    // the hub opens for its name.
    template <class Control, class Signal>
    void connectControl(Control* control, Signal signal, std::string_view name,
                        void (frmMAIN::*handler)());

    AppState& app_;
    Platform& platform_;
    Separators separators_;
    FileSession fileSession_;
    ModelessWindows modeless_;
    WindowContext context_;
    CellGrid* grnum_ = nullptr;
    CellGrid* grScud_ = nullptr;
    QLabel* labnumeri_ = nullptr;
    std::array<QRadioButton*, 2> optImporto_{};
    std::array<QLabel*, 4> panels_{};
};

} // namespace dvx
