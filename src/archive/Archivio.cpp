#include "Archivio.h"
#include "ProgramPaths.h"

#include <algorithm>

namespace dvx {

int Archivio::drawCount() const {
    return static_cast<int>(std::count_if(records_.begin(), records_.end(),
                                          [](const Estrazione& e) { return !e.empty(); }));
}

std::string archivePath(const std::string& programFolder) {
    return ProgramPaths(programFolder).archiveFile();
}

} // namespace dvx
