#pragma once
// The one system the user builds: its records, tables and limits.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dvx {

inline constexpr int kNumbers = 20;    // numbers of the game: 1..20
inline constexpr int kColumnSize = 10; // numbers in a column
inline constexpr int kColumnCapacity = 185000;
inline constexpr int kMaxFixed = 9;
inline constexpr int kMaxFilters = 100;
inline constexpr int kMaxReductionLevel = 3;

// Stored booleans are 16-bit: -1 true, 0 false, any non-zero reads as true.
using VBool = std::int16_t;
inline constexpr VBool kTrue = -1;
inline constexpr VBool kFalse = 0;
constexpr VBool toVBool(bool b) {
    return b ? kTrue : kFalse;
}

// Bit n-1 set for each number n of the set.
using NumberSet = std::int32_t;

struct Sistema {
    std::uint8_t countInPlay = 0;
    std::int32_t columnCount = 0;
    std::string typeText;
    // Ascending numbers in slots 0..countInPlay-1, then a 0.
    std::array<std::uint8_t, kNumbers> numbers{};
};

// colonne: 185000 rows of 10 numbers, allocated once. Rows are 1-based as
// the system file and every message count them.
class ColumnTable final {
public:
    ColumnTable() : cells_(static_cast<std::size_t>(kColumnCapacity) * kColumnSize, 0) {}

    std::uint8_t* row(int r) { return cells_.data() + offset(r); }
    const std::uint8_t* row(int r) const { return cells_.data() + offset(r); }
    void clearAll();
    void clearRows(int first, int last);

private:
    static std::size_t offset(int r) { return static_cast<std::size_t>(r - 1) * kColumnSize; }
    std::vector<std::uint8_t> cells_;
};

struct Condizioni {
    VBool pariDispariOn = kFalse;
    VBool sommaOn = kFalse;
    VBool fisseOn = kFalse;
    std::array<VBool, 11> pariDispari{};             // entry e: exactly e even numbers allowed
    std::array<std::int16_t, 2> somma{};             // [0] = "Da", [1] = "A", inclusive
    std::array<std::uint8_t, kMaxFixed + 1> fisse{}; // slots 1..9; slot 0 unused
    std::uint8_t fisseCount = 0;
    VBool ridottoOn = kFalse;
    std::uint8_t ridottoLevel = 0;
    // Reduce by the optimising search instead of the greedy. Not stored in
    // the system file, whose condition block every version reads as is.
    VBool ridottoOttimizzato = kFalse;
};

struct Consecutivi {
    std::int32_t runsMask = 0; // bit r: longest run r allowed (r = 1..10)
    VBool on = kFalse;
};

struct FilterEntry {
    NumberSet column = 0;
    std::int32_t presences = 0; // bit p: p numbers in common allowed (p = 0..10)
    VBool active = kFalse;
};

struct FilterTable {
    std::array<FilterEntry, kMaxFilters + 1> entries{}; // entries 1..100; 0 unused
    std::int16_t count = 0;
};

inline constexpr std::int32_t kDeveloped = -1;

// Everything about the current system. One value, owned by the program's
// start-up code and handed by reference to whoever needs it.
struct SystemState {
    std::array<bool, kNumbers> selected{}; // the number grid, index n-1
    Sistema sistema;
    ColumnTable colonne;
    std::vector<NumberSet> candidates = std::vector<NumberSet>(kColumnCapacity + 1, 0); // 1-based
    Condizioni condizioni;
    Consecutivi consecutivi;
    FilterTable filtri;
    std::uint8_t numerone = 0;
    float pricePerColumn = 1.0f;
    std::string fileName;
    std::int32_t developedMark = 0;
    bool cancel = false;

    bool developed() const { return developedMark == kDeveloped; }
};

} // namespace dvx
