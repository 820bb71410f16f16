#pragma once
// The archive window's list of draws, last draw first, and taking a draw of
// the list as the winning column of the single check.

#include "Archivio.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace dvx {

inline constexpr std::string_view kDrawListToolTip = "Doppio Click x Colonna di Spoglio";
inline constexpr std::string_view kLastDrawInitialText = "ultima estrazione";
inline constexpr std::string_view kTotalInitialText = "00000000";

// "  00123     |   10/12/2026   |   14:00   |   01   03 ...   |   07"
std::string drawListLine(const Estrazione& draw);

// The labels above the list and the character column where each stands,
// the start of its field in every line.
struct DrawListColumn {
    std::string_view label;
    int column;
};
std::array<DrawListColumn, 5> drawListColumns();

struct DrawList {
    std::vector<std::string> lines; // top line first: the last draw of the archive
    std::vector<int> records;       // the archive index of each line
    // The texts of lbLast and lbTotale; unset when the list is empty, so the
    // labels keep what they showed.
    std::optional<std::string> lastDraw;
    std::optional<std::string> total;
};

// Every record that holds a draw, from the last to the first.
DrawList PopolaListView(const Archivio& archivio);

// The archive index of the list line chosen with a double click, or nullopt
// when there is no such line.
std::optional<int> drawOfListLine(const DrawList& list, int line);

// "La Colonna \r\n01 02 ...\r\ndel <Data> alle ore <Ora>\r\nè stata impostata come
// nuova colonna di Spoglio"
std::string winningColumnMessage(const Estrazione& draw);

} // namespace dvx
