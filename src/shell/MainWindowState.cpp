#include "MainWindowState.h"

#include "FileCommands.h"
#include "StatusPanels.h"

#include <array>
#include <utility>

namespace dvx {

namespace {

constexpr std::optional<bool> kOn = true;
constexpr std::optional<bool> kOff = false;
constexpr std::optional<bool> kKeep = std::nullopt;

// control, editing, developed, after discard
constexpr std::array kRules{
    ControlRule{"frameNumeri", kOn, kOff, kOn},
    ControlRule{"menucondizioni", kOff, kKeep, kOn},
    ControlRule{"menuoperazioni", kOff, kKeep, kKeep},
    ControlRule{"menuvisualizza", kOff, kOn, kOff},
    ControlRule{"menuMescola", kOff, kOn, kOff},
    ControlRule{"menuSpoglio", kOff, kOn, kOff},
    ControlRule{"menumodifiche", kOff, kOn, kOff},
    ControlRule{"menustampa", kOff, kOn, kOff},
    ControlRule{"menucalcolo", kOn, kOff, kOn},
    ControlRule{"menuadattamatrice", kOn, kOff, kOn},
    ControlRule{"cmdModifiche", kOff, kOn, kOff},
    ControlRule{"cmdAdatta", kOff, kOff, kOn},
    ControlRule{"cmdCalcolo", kOff, kOff, kOn},
    ControlRule{"cmdSpoglio", kOff, kOn, kOff},
    ControlRule{"cmdVisualizza", kOff, kOn, kOff},
    ControlRule{"cmdSchedine", kOff, kOn, kOff},
    ControlRule{"cmdTabulato", kOff, kOn, kOff},
    ControlRule{"cmdCancella", kOn, kOff, kOn},
};

constexpr std::array<std::string_view, 6> kConditionMenus{"menuColonnaFiltro", "menuConsecutivi",
                                                          "menuFisse",         "menuPariDispari",
                                                          "menuSomma",         "menuRidotto"};

constexpr std::array<std::string_view, 4> kTenNumberControls{"menuoperazioni", "menucondizioni",
                                                             "cmdAdatta", "cmdCalcolo"};

} // namespace

std::span<const ControlRule> controlRules() {
    return kRules;
}

std::optional<bool> enabledIn(WindowState state, std::string_view control) {
    for (const auto& rule : kRules) {
        if (rule.control != control) {
            continue;
        }
        switch (state) {
        case WindowState::Editing:
            return rule.editing;
        case WindowState::Developed:
            return rule.developed;
        case WindowState::AfterDiscard:
            return rule.afterDiscard;
        }
    }
    return std::nullopt;
}

std::span<const std::string_view> conditionMenus() {
    return kConditionMenus;
}

bool clearsConditionMarks(WindowState state) {
    return state == WindowState::Editing;
}

std::span<const std::string_view> tenNumberControls() {
    return kTenNumberControls;
}

bool enoughNumbers(int countInPlay) {
    return countInPlay >= kMinNumbersToDevelop;
}

std::optional<bool> conditionMark(const SystemState& state, std::string_view menu) {
    static constexpr std::array<std::pair<std::string_view, bool MenuChecks::*>, 6> kMarks{{
        {"menuColonnaFiltro", &MenuChecks::colonnaFiltro},
        {"menuConsecutivi", &MenuChecks::consecutivi},
        {"menuFisse", &MenuChecks::fisse},
        {"menuPariDispari", &MenuChecks::pariDispari},
        {"menuSomma", &MenuChecks::somma},
        {"menuRidotto", &MenuChecks::ridotto},
    }};
    const auto checks = menuChecksOf(state);
    for (const auto& [name, member] : kMarks) {
        if (name == menu) {
            return checks.*member;
        }
    }
    return std::nullopt;
}

std::string labnumeriText(int count, bool afterReset) {
    const auto number = afterReset ? std::to_string(count) : formatPicture(count, "00");
    return "Numeri in gioco [" + number + "]";
}

StatusBarTexts statusBarTexts(const SystemState& state, const Separators& sep) {
    auto panels = statusPanels(state, sep);
    return {fileNamePanel(state.fileName), std::move(panels.count), std::move(panels.cost),
            std::move(panels.type)};
}

float priceOfOption(int option) {
    return option == 0 ? 1.0f : 2.0f;
}

int optionOfPrice(float price) {
    return price < 1.5f ? 0 : 1;
}

} // namespace dvx
