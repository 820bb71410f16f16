#pragma once
// The File menu's commands on the system: open, save, save as, import and
// export of columns. Each asks the platform for file names and shows its
// messages there; what the main window must show afterwards comes back as
// a plain value.

#include "Model.h"

#include <optional>
#include <string>
#include <string_view>

namespace dvx {

class Platform;

inline constexpr std::string_view kSystemFilter = "Sistemi Decaventrix (*.dvx)|*.dvx";
inline constexpr std::string_view kTextFilter = "File TXT (*.txt)|*.txt";
inline constexpr std::string_view kUnreadableFile = "Questo file non puo' essere letto";
inline constexpr std::string_view kErrorTitle = "E R R O R E";
inline constexpr std::string_view kInitialFileName = "nuovo.dvx";
inline constexpr std::string_view kNothingToExport = "Nessuna colonna da esportare";
inline constexpr std::string_view kAttentionTitle = "A T T E N Z I O N E";

// What the File menu remembers between commands. After an import the
// current name is the text file's, so the next Save asks for a name
// instead of writing the system over the text file.
struct FileSession {
    bool askNameOnSave = false;
};

// Check marks of the condition menus, as a loaded system sets them.
struct MenuChecks {
    bool colonnaFiltro = false;
    bool consecutivi = false;
    bool fisse = false;
    bool pariDispari = false;
    bool somma = false;
    bool ridotto = false;
};

MenuChecks menuChecksOf(const SystemState& state);

// What the main window shows after a command.
struct FileCommandResult {
    // The whole system was replaced: show the grid from the selection, the
    // count of numbers in play, panels 2..4, the check marks below, and the
    // editing or developed state.
    bool systemReplaced = false;
    bool developed = false;
    MenuChecks checks;
    std::optional<std::string> panel1; // new text of the first status-bar panel
    // Picture of panel 3 (the cost): an import shows "0.00" for no columns.
    std::string_view costPicture = "€ ###,###,###.00";
};

// The first status-bar panel: the file name without folder, lower case.
std::string fileNamePanel(std::string_view fileName);
// The export's file name: the panel text with every ".dvx" made ".txt".
std::string exportFileName(std::string_view panelText);

// menuapri: asks for a file in "sistemi" and loads it. A refused or
// unreadable file leaves the system and the current file name untouched.
FileCommandResult openSystem(SystemState& state, FileSession& session, Platform& platform,
                             std::string_view programFolder);
// menusalva: writes to the current file. A bare name (the initial
// "nuovo.dvx") is put in the "sistemi" folder; after an import it asks for
// a name first.
FileCommandResult saveSystem(SystemState& state, FileSession& session, Platform& platform,
                             std::string_view programFolder);
// menusalvacome: asks for a name in "sistemi" and writes there.
FileCommandResult saveSystemAs(SystemState& state, FileSession& session, Platform& platform,
                               std::string_view programFolder);
// menuImportaColonne: asks for a text file in "txt" and imports it.
FileCommandResult importColumns(SystemState& state, FileSession& session, Platform& platform,
                                std::string_view programFolder);
// ImportaColonneTxt: replaces the system by the columns of the text file;
// a refused file leaves the system and the current file name untouched.
FileCommandResult ImportaColonneTxt(SystemState& state, FileSession& session, Platform& platform,
                                    const std::string& path);
// SalvaColonneTxt: writes the columns into the "txt" folder, under the
// current file's name with ".dvx" made ".txt". A system without columns is
// refused with kNothingToExport and no file is touched.
void SalvaColonneTxt(const SystemState& state, Platform& platform, std::string_view programFolder);

} // namespace dvx
