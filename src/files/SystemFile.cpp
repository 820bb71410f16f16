#include "SystemFile.h"

#include "Cp1252.h"
#include "LittleEndian.h"
#include "SystemOps.h"

#include <algorithm>
#include <array>

namespace dvx {

namespace {

struct Version {
    std::string_view tag;
    bool hasConditions;
    bool hasReduction;
};

constexpr std::array<Version, 4> kVersions = {{
    {"decaventrix", false, false},
    {"dvx00000001", true, false},
    {"dvx00000002", true, true},
    {kSystemTagWritten, true, true},
}};

constexpr std::size_t kTagSize = 11;
constexpr std::size_t kFilterPayload = 10;
constexpr std::size_t kConsecutivePayload = 6;

const Version* versionOf(std::string_view tag) {
    for (const auto& v : kVersions) {
        if (v.tag == tag) {
            return &v;
        }
    }
    return nullptr;
}

// True when the numbers are all 1..20 and none is given twice.
bool distinctNumbers(const std::uint8_t* numbers, std::size_t count) {
    NumberSet seen = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int n = numbers[i];
        if (n < 1 || n > kNumbers) {
            return false;
        }
        const NumberSet mask = NumberSet{1} << (n - 1);
        if ((seen & mask) != 0) {
            return false;
        }
        seen |= mask;
    }
    return true;
}

void writeConditions(ByteWriter& w, const Condizioni& c) {
    w.i16(c.pariDispariOn);
    w.i16(c.sommaOn);
    w.i16(c.fisseOn);
    for (const VBool allowed : c.pariDispari) {
        w.i16(allowed);
    }
    w.i16(c.somma[0]);
    w.i16(c.somma[1]);
    for (int slot = 1; slot <= kMaxFixed; ++slot) {
        w.u8(c.fisse[static_cast<std::size_t>(slot)]);
    }
    w.u8(c.fisseCount);
    w.i16(c.ridottoOn);
    w.u8(c.ridottoLevel);
}

void readConditions(ByteReader& r, const Version& version, Condizioni& c) {
    c.pariDispariOn = r.i16();
    c.sommaOn = r.i16();
    c.fisseOn = r.i16();
    for (auto& allowed : c.pariDispari) {
        allowed = r.i16();
    }
    c.somma[0] = r.i16();
    c.somma[1] = r.i16();
    for (int slot = 1; slot <= kMaxFixed; ++slot) {
        c.fisse[static_cast<std::size_t>(slot)] = r.u8();
    }
    c.fisseCount = r.u8();
    if (version.hasReduction) {
        c.ridottoOn = r.i16();
        c.ridottoLevel = r.u8();
    }
}

// Values the development indexes or shifts by: out of range they would
// reach outside its tables.
bool conditionsInRange(const Condizioni& c) {
    const bool fixedInRange = std::all_of(c.fisse.begin() + 1, c.fisse.end(),
                                          [](std::uint8_t n) { return n <= kNumbers; });
    return fixedInRange && c.fisseCount <= kMaxFixed && c.ridottoLevel <= kMaxReductionLevel;
}

// The tagged section after the marker. Entries are read until an end
// identifier or the end of the file; an identifier no version knows is
// noted and the next 4 bytes are taken as the next identifier.
SystemFileFault readSection(ByteReader& r, SystemFileRead& out) {
    auto& filtri = out.content.filtri;
    filtri.count = 0;
    while (!r.atEnd()) {
        if (!r.has(4)) {
            return SystemFileFault::Truncated;
        }
        const std::int32_t id = r.i32();
        if (id == kIdEnd || id == kIdEndAfter) {
            break;
        }
        if (id == kIdFilter) {
            if (!r.has(kFilterPayload)) {
                return SystemFileFault::Truncated;
            }
            if (filtri.count >= kMaxFilters) {
                return SystemFileFault::TooManyFilters;
            }
            ++filtri.count;
            auto& entry = filtri.entries[static_cast<std::size_t>(filtri.count)];
            entry.column = r.i32();
            entry.presences = r.i32();
            entry.active = r.i16();
        } else if (id == kIdConsecutive) {
            if (!r.has(kConsecutivePayload)) {
                return SystemFileFault::Truncated;
            }
            out.content.consecutivi.runsMask = r.i32();
            out.content.consecutivi.on = r.i16();
        } else {
            out.unknownIds.push_back(id);
        }
    }
    return SystemFileFault::None;
}

SystemFileFault readBody(ByteReader& r, SystemFileRead& out) {
    auto& content = out.content;
    const Version* version = versionOf(r.bytes(kTagSize));
    if (version == nullptr) {
        return SystemFileFault::UnknownTag;
    }
    auto& s = content.sistema;
    s.countInPlay = r.u8();
    s.columnCount = r.i32();
    const auto length = r.u16();
    s.typeText = cp1252ToUtf8(r.bytes(length));
    const auto numbers = r.bytes(kNumbers);
    if (r.shortRead()) {
        return SystemFileFault::Truncated;
    }
    std::copy(numbers.begin(), numbers.end(), s.numbers.begin());
    if (s.countInPlay > kNumbers) {
        return SystemFileFault::TooManyNumbers;
    }
    if (!distinctNumbers(s.numbers.data(), s.countInPlay)) {
        return SystemFileFault::BadNumberInPlay;
    }
    if (version->hasConditions) {
        readConditions(r, *version, content.condizioni);
        if (r.shortRead()) {
            return SystemFileFault::Truncated;
        }
        if (!conditionsInRange(content.condizioni)) {
            return SystemFileFault::BadConditions;
        }
    }
    if (s.columnCount < 0 || s.columnCount > kColumnCapacity) {
        return SystemFileFault::TooManyColumns;
    }
    const auto columnCount = static_cast<std::size_t>(s.columnCount);
    if (r.remaining() / kColumnSize < columnCount) {
        return SystemFileFault::ColumnsPastEnd;
    }
    content.columns.resize(columnCount);
    for (auto& row : content.columns) {
        const auto cells = r.bytes(kColumnSize);
        std::copy(cells.begin(), cells.end(), row.begin());
        if (!distinctNumbers(row.data(), row.size())) {
            return SystemFileFault::BadColumnNumber;
        }
    }
    // Any tail that does not start with the marker is not a tagged section.
    if (r.has(4) && r.i32() == kSectionMarker) {
        return readSection(r, out);
    }
    return SystemFileFault::None;
}

} // namespace

std::string systemFileBytes(const SystemState& state) {
    const auto& s = state.sistema;
    const std::int32_t count = std::clamp(s.columnCount, 0, kColumnCapacity);
    std::string type = utf8ToCp1252(s.typeText);
    type.resize(std::min<std::size_t>(type.size(), 0xFFFF));

    std::string out;
    out.reserve(kTagSize + 27 + type.size() + 45 + static_cast<std::size_t>(count) * kColumnSize);
    ByteWriter w(out);
    w.bytes(kSystemTagWritten);
    w.u8(s.countInPlay);
    w.i32(count);
    w.i16(static_cast<std::int16_t>(type.size()));
    w.bytes(type);
    for (const auto n : s.numbers) {
        w.u8(n);
    }
    writeConditions(w, state.condizioni);
    for (std::int32_t r = 1; r <= count; ++r) {
        w.bytes({reinterpret_cast<const char*>(state.colonne.row(r)), kColumnSize});
    }

    const int filters = std::clamp<int>(state.filtri.count, 0, kMaxFilters);
    if (filters == 0 && state.consecutivi.on == 0) {
        return out;
    }
    w.i32(kSectionMarker);
    for (int i = 1; i <= filters; ++i) {
        const auto& entry = state.filtri.entries[static_cast<std::size_t>(i)];
        if (entry.active != 0) {
            w.i32(kIdFilter);
            w.i32(entry.column);
            w.i32(entry.presences);
            w.i16(entry.active);
        }
    }
    if (state.consecutivi.on != 0) {
        w.i32(kIdConsecutive);
        w.i32(state.consecutivi.runsMask);
        w.i16(state.consecutivi.on);
    }
    w.i32(kIdEnd);
    w.i32(kIdEndAfter);
    return out;
}

SystemFileRead parseSystemFile(std::string_view bytes) {
    SystemFileRead out;
    ByteReader r(bytes);
    out.fault = readBody(r, out);
    if (!out.ok()) {
        out.content = SystemFileContent{};
        out.unknownIds.clear();
    }
    return out;
}

void applySystemFile(const SystemFileContent& content, SystemState& state) {
    resetSystem(state, false);
    state.sistema = content.sistema;
    state.condizioni = content.condizioni;
    state.consecutivi = content.consecutivi;
    state.filtri = content.filtri;
    for (std::size_t i = 0; i < content.columns.size(); ++i) {
        std::copy(content.columns[i].begin(), content.columns[i].end(),
                  state.colonne.row(static_cast<int>(i) + 1));
    }
    for (int i = 0; i < state.sistema.countInPlay; ++i) {
        state.selected[static_cast<std::size_t>(state.sistema.numbers[static_cast<std::size_t>(i)] -
                                                1)] = true;
    }
    state.developedMark = state.sistema.columnCount > 0 ? kDeveloped : 0;
}

} // namespace dvx
