#pragma once
// Fills a fresh archive one draw at a time: room for 2000 records at first,
// and each time the records reach the end, the room grows by the current
// step and the new size becomes the step (2000, 4000, 8000, ...).

#include "Archivio.h"

namespace dvx {

inline constexpr int kArchiveFirstCapacity = 2000;

class ArchiveFiller final {
public:
    ArchiveFiller() { archivio_.resize(kArchiveFirstCapacity); }

    void append(const Estrazione& draw);

    int count() const { return count_; }
    // The room reserved so far (the archive's upper bound while filling).
    int capacity() const { return archivio_.upperBound(); }

    // The archive of exactly the appended draws; one empty record when none
    // was appended.
    Archivio finish() &&;

private:
    Archivio archivio_;
    int step_ = kArchiveFirstCapacity;
    int count_ = 0;
};

} // namespace dvx
