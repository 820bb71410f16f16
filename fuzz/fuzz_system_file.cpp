// Any bytes given to the system file reader: it must refuse or load without
// reaching outside its tables, and what it loads must save and load again
// to the same system.

#include "SystemFile.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto state = std::make_unique<dvx::SystemState>();
    const auto read = dvx::parseSystemFile({reinterpret_cast<const char*>(data), size});
    if (!read.ok()) {
        return 0;
    }
    dvx::applySystemFile(read.content, *state);
    const auto again = dvx::parseSystemFile(dvx::systemFileBytes(*state));
    const auto& a = read.content;
    const auto& b = again.content;
    if (!again.ok() || b.columns != a.columns || b.sistema.countInPlay != a.sistema.countInPlay ||
        b.sistema.numbers != a.sistema.numbers ||
        b.condizioni.ridottoLevel != a.condizioni.ridottoLevel ||
        b.condizioni.fisse != a.condizioni.fisse || b.condizioni.somma != a.condizioni.somma) {
        std::abort();
    }
    return 0;
}
