#pragma once
// Which of the main window's controls are enabled and checked in each state
// of the system, and the texts the window shows about it.

#include "Format.h"
#include "Model.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dvx {

enum class WindowState { Editing, Developed, AfterDiscard };

// What a state does to one control: enable it, disable it, or leave it.
struct ControlRule {
    std::string_view control; // the control's name in the main window
    std::optional<bool> editing;
    std::optional<bool> developed;
    std::optional<bool> afterDiscard;
};

std::span<const ControlRule> controlRules();

// The enabled state a window state gives control, or nullopt when the state
// leaves it as it was.
std::optional<bool> enabledIn(WindowState state, std::string_view control);

// The condition menu entries whose check marks follow the conditions.
std::span<const std::string_view> conditionMenus();
// Only the editing state clears the condition check marks.
bool clearsConditionMarks(WindowState state);

// Controls that need ten numbers in play to be enabled.
std::span<const std::string_view> tenNumberControls();
inline constexpr int kMinNumbersToDevelop = 10;
bool enoughNumbers(int countInPlay);

// The check mark a condition menu entry carries for the current conditions;
// nullopt for names that are not condition menus.
std::optional<bool> conditionMark(const SystemState& state, std::string_view menu);

// "Numeri in gioco [07]" after a click; after a reset the count is written
// plainly, so no leading zero ("Numeri in gioco [0]").
std::string labnumeriText(int count, bool afterReset);

// The four status-bar panels.
struct StatusBarTexts {
    std::string name;
    std::string count;
    std::string cost;
    std::string type;
};
// Panel 1 shows the file name without folder, in lower case.
StatusBarTexts statusBarTexts(const SystemState& state, const Separators& sep);

// The price per column of each option of "Importo giocata".
float priceOfOption(int option);
int optionOfPrice(float price);

} // namespace dvx
