#include "WindowHub.h"

#include "ArchiveWindows.h"
#include "CheckWindows.h"
#include "ConditionWindows.h"
#include "MatricesWindows.h"
#include "PrintingWindows.h"
#include "ReportWindows.h"
#include "VersionWindows.h"

#include <algorithm>
#include <array>

namespace dvx {

namespace {

// Menu entries and buttons that open the same window have a row each.
constexpr std::array kRows{
    HubRow{"menuColonnaFiltro", &openFiltri},
    HubRow{"menuConsecutivi", &openConsecutivi},
    HubRow{"menuFisse", &openFisse},
    HubRow{"menuPariDispari", &openPari},
    HubRow{"menuSomma", &openSomma},
    HubRow{"menuRidotto", &openRidotto},
    HubRow{"cmdAdatta", &openAdatta},
    HubRow{"menuadattamatrice", &openAdatta},
    HubRow{"mnu_Elenco", &openMatDisp},
    HubRow{"menuschedine", &openStampa},
    HubRow{"cmdSchedine", &openStampa},
    HubRow{"menutabulato", &openTabulato},
    HubRow{"cmdTabulato", &openTabulato},
    HubRow{"menuImpostazioni", &openImpostazioni},
    HubRow{"menuEstrazioni", &openArchivio},
    HubRow{"cmdArchivio", &openArchivio},
    HubRow{"menuStatistiche", &openStatistiche},
    HubRow{"menuinfo", &openAbout},
    HubRow{"menuSpoglio", &openSpoglio},
    HubRow{"cmdSpoglio", &openSpoglio},
    HubRow{"menuSpoglioEstrazioni", &openSpoglioEstrazioni},
};

} // namespace

std::span<const HubRow> windowHub() {
    return kRows;
}

OpenWindow hubWindowFor(std::string_view control) {
    const auto rows = windowHub();
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [control](const HubRow& row) { return row.control == control; });
    return it == rows.end() ? nullptr : it->open;
}

} // namespace dvx
