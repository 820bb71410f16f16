#include "FileBytes.h"
#include "SystemFile.h"
#include "SystemOps.h"

#include <gtest/gtest.h>

#include <memory>

namespace dvx {
namespace {

using test::Bytes;
using test::SystemImage;

void setRow(SystemState& s, int r, std::array<std::uint8_t, 10> numbers) {
    std::copy(numbers.begin(), numbers.end(), s.colonne.row(r));
}

// A reduced, conditioned system of 1..12 with two filter entries (the
// second inactive) and the consecutive condition on.
std::unique_ptr<SystemState> conditionedSystem() {
    auto s = std::make_unique<SystemState>();
    for (int n = 1; n <= 12; ++n) {
        selectNumber(*s, n, true);
    }
    rebuildNumbersInPlay(*s);
    s->sistema.typeText = "Ridotto N-2 Condizionato";
    s->sistema.columnCount = 2;
    setRow(*s, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    setRow(*s, 2, {2, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    auto& c = s->condizioni;
    c.pariDispariOn = kTrue;
    c.sommaOn = kTrue;
    c.pariDispari[4] = c.pariDispari[5] = c.pariDispari[6] = kTrue;
    c.somma = {60, 120};
    c.fisse[1] = 3;
    c.fisse[2] = 7;
    c.fisseCount = 2;
    c.ridottoOn = kTrue;
    c.ridottoLevel = 2;
    s->filtri.count = 2;
    s->filtri.entries[1] = {0x0F0F, 0x0E, kTrue};
    s->filtri.entries[2] = {0x00FF, 0x03, kFalse};
    s->consecutivi = {0x0E, kTrue};
    s->developedMark = kDeveloped;
    s->numerone = 7;
    return s;
}

std::string conditionBlock(const Condizioni& c, bool withReduction) {
    Bytes b;
    b.i16(c.pariDispariOn).i16(c.sommaOn).i16(c.fisseOn);
    for (const auto e : c.pariDispari) {
        b.i16(e);
    }
    b.i16(c.somma[0]).i16(c.somma[1]);
    for (int slot = 1; slot <= 9; ++slot) {
        b.u8(c.fisse[static_cast<std::size_t>(slot)]);
    }
    b.u8(c.fisseCount);
    if (withReduction) {
        b.i16(c.ridottoOn).u8(c.ridottoLevel);
    }
    return b.str();
}

TEST(SystemFileWriter, WritesTheNewestLayoutByteForByte) {
    const auto s = conditionedSystem();
    Bytes expected;
    expected.text("dvx00000003").u8(12).i32(2).i16(24).text("Ridotto N-2 Condizionato");
    expected.u8s({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0}).zeros(7);
    expected.i16(-1).i16(-1).i16(0);
    expected.i16(0).i16(0).i16(0).i16(0).i16(-1).i16(-1).i16(-1).i16(0).i16(0).i16(0).i16(0);
    expected.i16(60).i16(120).u8s({3, 7, 0, 0, 0, 0, 0, 0, 0}).u8(2).i16(-1).u8(2);
    expected.u8s({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}).u8s({2, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    // Only the active filter entry is written; the section ends with 100, 200.
    expected.i32(12345).i32(1).i32(0x0F0F).i32(0x0E).i16(-1);
    expected.i32(2).i32(0x0E).i16(-1).i32(100).i32(200);
    EXPECT_EQ(systemFileBytes(*s), expected.str());
}

TEST(SystemFileWriter, NewSystemHasNoSectionAndNoColumns) {
    auto s = std::make_unique<SystemState>();
    const auto bytes = systemFileBytes(*s);
    EXPECT_EQ(bytes.size(), 11u + 27u + 0u + 45u);
    // The consecutive record alone opens a section, with the entry and the ends.
    s->consecutivi = {0x06, kTrue};
    EXPECT_EQ(systemFileBytes(*s).substr(bytes.size()),
              Bytes().i32(12345).i32(2).i32(6).i16(-1).i32(100).i32(200).str());
    // A switched-off consecutive record and only inactive filters: the marker,
    // then the ends; an off switch alone writes nothing.
    s->consecutivi.on = kFalse;
    EXPECT_EQ(systemFileBytes(*s).size(), bytes.size());
    s->filtri.count = 1;
    s->filtri.entries[1] = {0x3, 0x1, kFalse};
    EXPECT_EQ(systemFileBytes(*s).substr(bytes.size()), Bytes().i32(12345).i32(100).i32(200).str());
}

TEST(SystemFileRoundTrip, LoadGivesBackTheSavedSystemWithoutNumerone) {
    const auto saved = conditionedSystem();
    const auto read = parseSystemFile(systemFileBytes(*saved));
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.unknownIds.empty());

    auto loaded = std::make_unique<SystemState>();
    loaded->numerone = 4;
    loaded->pricePerColumn = 1.0f;
    setRow(*loaded, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 11}); // a stale row must go
    applySystemFile(read.content, *loaded);

    EXPECT_EQ(loaded->sistema.countInPlay, 12);
    EXPECT_EQ(loaded->sistema.numbers, saved->sistema.numbers);
    EXPECT_EQ(loaded->selected, saved->selected);
    EXPECT_EQ(loaded->sistema.typeText, saved->sistema.typeText);
    EXPECT_EQ(loaded->sistema.columnCount, 2);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_TRUE(
            std::equal(loaded->colonne.row(r), loaded->colonne.row(r) + 10, saved->colonne.row(r)))
            << "row " << r;
    }
    EXPECT_EQ(conditionBlock(loaded->condizioni, true), conditionBlock(saved->condizioni, true));
    // The inactive entry was not written, so only one filter comes back.
    EXPECT_EQ(loaded->filtri.count, 1);
    EXPECT_EQ(loaded->filtri.entries[1].column, 0x0F0F);
    EXPECT_EQ(loaded->filtri.entries[1].presences, 0x0E);
    EXPECT_EQ(loaded->consecutivi.runsMask, 0x0E);
    EXPECT_NE(loaded->consecutivi.on, 0);
    EXPECT_EQ(loaded->numerone, 0);
    EXPECT_EQ(loaded->pricePerColumn, 1.0f);
    EXPECT_TRUE(loaded->developed());
}

TEST(SystemFileRoundTrip, TypeTextIsStoredInWindows1252) {
    auto s = std::make_unique<SystemState>();
    s->sistema.typeText = "Città €";
    const auto bytes = systemFileBytes(*s);
    EXPECT_EQ(bytes.substr(16, 2 + 7), Bytes().i16(7).text("Citt\xE0 \x80").str());
    EXPECT_EQ(parseSystemFile(bytes).content.sistema.typeText, "Città €");
}

struct VersionCase {
    const char* tag;
    bool conditions;
    bool reduction;
};

class SystemFileVersions : public ::testing::TestWithParam<VersionCase> {};

// Each accepted tag, with the condition block of its own size, then the
// section with identifiers 1, 1, 2, 100, 200.
TEST_P(SystemFileVersions, ReadsItsOwnConditionBlock) {
    const auto& v = GetParam();
    const auto source = conditionedSystem();
    SystemImage image;
    image.tag = v.tag;
    image.type = "Condizionato";
    image.block = v.conditions ? conditionBlock(source->condizioni, v.reduction) : "";
    image.tail = Bytes()
                     .i32(12345)
                     .i32(1)
                     .i32(0x3FF)
                     .i32(0x7)
                     .i16(-1)
                     .i32(1)
                     .i32(0xFFC00)
                     .i32(0x400)
                     .i16(-1)
                     .i32(2)
                     .i32(0x6)
                     .i16(-1)
                     .i32(100)
                     .i32(200)
                     .str();
    const auto read = parseSystemFile(image.bytes());
    ASSERT_TRUE(read.ok());
    const auto& c = read.content.condizioni;
    Condizioni expected;
    if (v.conditions) {
        expected = source->condizioni;
        if (!v.reduction) {
            expected.ridottoOn = kFalse;
            expected.ridottoLevel = 0;
        }
    }
    EXPECT_EQ(conditionBlock(c, true), conditionBlock(expected, true));
    EXPECT_EQ(read.content.sistema.typeText, "Condizionato");
    EXPECT_EQ(read.content.sistema.columnCount, 2);
    ASSERT_EQ(read.content.columns.size(), 2u);
    EXPECT_EQ(read.content.columns[1][9], 12);
    EXPECT_EQ(read.content.filtri.count, 2);
    EXPECT_EQ(read.content.filtri.entries[2].column, 0xFFC00);
    EXPECT_EQ(read.content.consecutivi.runsMask, 0x6);
    EXPECT_NE(read.content.consecutivi.on, 0);
}

INSTANTIATE_TEST_SUITE_P(AcceptedTags, SystemFileVersions,
                         ::testing::Values(VersionCase{"decaventrix", false, false},
                                           VersionCase{"dvx00000001", true, false},
                                           VersionCase{"dvx00000002", true, true},
                                           VersionCase{"dvx00000003", true, true}));

TEST(SystemFileReader, SectionIsOptionalAndEndsAtTheFileEnd) {
    SystemImage image;
    EXPECT_TRUE(parseSystemFile(image.bytes()).ok());
    // Any other 4 bytes after the columns are no section.
    image.tail = Bytes().i32(12346).i32(1).str();
    auto read = parseSystemFile(image.bytes());
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.content.filtri.count, 0);
    // A section that runs to the end of the file without an end identifier.
    image.tail = Bytes().i32(12345).i32(2).i32(0x2).i16(-1).str();
    read = parseSystemFile(image.bytes());
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.content.consecutivi.runsMask, 0x2);
    // Nothing after an end identifier is read.
    image.tail = Bytes().i32(12345).i32(100).i32(2).i32(0x2).i16(-1).str();
    read = parseSystemFile(image.bytes());
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.content.consecutivi.on, 0);
}

TEST(SystemFileReader, UnknownIdentifierIsNotedAndReadingGoesOn) {
    SystemImage image;
    image.tail = Bytes().i32(12345).i32(7).i32(1).i32(0x3).i32(0x1).i16(-1).i32(100).str();
    const auto read = parseSystemFile(image.bytes());
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.unknownIds, std::vector<std::int32_t>{7});
    EXPECT_EQ(read.content.filtri.count, 1);
    EXPECT_EQ(read.content.filtri.entries[1].column, 0x3);
}

TEST(SystemFileReader, NoNumbersInPlaySelectsNothingWhateverTheSlotsHold) {
    SystemImage image;
    image.count = 0;
    image.slots.fill(25);
    const auto read = parseSystemFile(image.bytes());
    ASSERT_TRUE(read.ok());
    auto s = std::make_unique<SystemState>();
    selectNumber(*s, 4, true);
    applySystemFile(read.content, *s);
    EXPECT_EQ(s->selected, (std::array<bool, 20>{}));
    EXPECT_EQ(s->sistema.countInPlay, 0);
}

} // namespace
} // namespace dvx
