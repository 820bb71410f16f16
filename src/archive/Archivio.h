#pragma once
// The draw archive in memory: records indexed from 1, in the order the
// server delivered them, never sorted, merged or de-duplicated.

#include "Estrazione.h"

#include <cassert>
#include <string>
#include <vector>

namespace dvx {

class Archivio final {
public:
    // An archive that knows no draw holds one empty record at index 1.
    Archivio() : records_(1) {}

    // The highest index, which is also the number of records (empty ones
    // included).
    int upperBound() const { return static_cast<int>(records_.size()); }

    // Record i, 1 <= i <= upperBound().
    Estrazione& operator[](int i) {
        assert(i >= 1 && i <= upperBound());
        return records_[static_cast<std::size_t>(i - 1)];
    }
    const Estrazione& operator[](int i) const {
        assert(i >= 1 && i <= upperBound());
        return records_[static_cast<std::size_t>(i - 1)];
    }

    // Keeps records 1..min(n, upperBound()); new slots are empty records.
    // n >= 1.
    void resize(int n) { records_.resize(static_cast<std::size_t>(n)); }

    // How many records hold a draw.
    int drawCount() const;

    friend bool operator==(const Archivio&, const Archivio&) = default;

private:
    std::vector<Estrazione> records_;
};

// Where the archive lives: programFolder (ending with '/') + "archivio/decaventrix.dat".
std::string archivePath(const std::string& programFolder);

} // namespace dvx
