// The settings text reader: what it reads is written back and read again
// unchanged.

#include "Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    dvx::Settings read;
    const int lines = dvx::parseSettingsText(text, read);
    if (lines < 0 || lines > 2) {
        std::abort();
    }
    dvx::Settings again;
    if (dvx::parseSettingsText(dvx::settingsText(read.intestazione, read.stampanteTabulato),
                               again) != 2 ||
        dvx::settingsText(again.intestazione, again.stampanteTabulato) !=
            dvx::settingsText(read.intestazione, read.stampanteTabulato)) {
        std::abort();
    }
    return 0;
}
