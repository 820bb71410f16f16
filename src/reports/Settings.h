#pragma once
// The two settings of the listing, kept in "impostazioni.cfg": line 1 the
// print header, line 2 the listing printer's device name.

#include <cstddef>
#include <string>
#include <string_view>

namespace dvx {

class Platform;

struct Settings {
    std::string intestazione;      // print header of every listing page
    std::string stampanteTabulato; // device name of the listing printer
};

// Two lines: a header and a printer name. Far more than either needs.
inline constexpr std::size_t kSettingsMaxSize = 64 * 1024;

std::string settingsPath(std::string_view programFolder);

// Reads line 1 into the header, then line 2 into the printer. A missing file
// or a missing line stops the reading there with "Error N (...) in procedure
// ReadConfiguration of Modulo corpo"; what was read before stays. Returns
// whether both lines were read.
bool ReadConfiguration(Settings& settings, std::string_view programFolder, Platform& platform);

// Reads the lines of text into the settings as ReadConfiguration does;
// returns how many of the two were there.
int parseSettingsText(std::string_view text, Settings& settings);

// The file's content: the two lines, each ended by CR LF, in Windows-1252.
// Line breaks inside a value become blanks, so each value stays on its line.
std::string settingsText(std::string_view header, std::string_view printer);

// The settings dialog's save: writes the file through a temporary file; on
// failure shows "Error N (...) in procedure cmdSalva_Click of Form
// frmImpostazioni". The caller reads the file again afterwards.
bool saveSettings(std::string_view programFolder, std::string_view header, std::string_view printer,
                  Platform& platform);

} // namespace dvx
