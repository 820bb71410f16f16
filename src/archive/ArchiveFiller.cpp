#include "ArchiveFiller.h"

#include <algorithm>
#include <utility>

namespace dvx {

void ArchiveFiller::append(const Estrazione& draw) {
    ++count_;
    archivio_[count_] = draw;
    if (count_ == archivio_.upperBound()) {
        const int grown = step_ + archivio_.upperBound();
        archivio_.resize(grown);
        step_ = grown;
    }
}

Archivio ArchiveFiller::finish() && {
    archivio_.resize(std::max(count_, 1));
    return std::move(archivio_);
}

} // namespace dvx
