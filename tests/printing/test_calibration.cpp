#include "Calibration.h"
#include "PrinterChoice.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace dvx {
namespace {

Calibration sample(std::string printer) {
    Calibration c;
    c.top = 55.5f;
    c.left = 12.25f;
    c.xDist = 5.08f;
    c.yDist = 8.47f;
    c.quality = kQualityNormale;
    c.printer = std::move(printer);
    return c;
}

std::string floatBytes(float v) {
    const auto bits = std::bit_cast<std::uint32_t>(v);
    return {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8 & 0xFF),
            static_cast<char>(bits >> 16 & 0xFF), static_cast<char>(bits >> 24 & 0xFF)};
}

TEST(Calibration, NewFileHasEachValueAtTheStartOfItsRecord) {
    test::ScratchFolder dir;
    test::RecordingPlatform platform;
    const std::string name = "Stampante Ufficio 01"; // 20 characters
    ASSERT_TRUE(SalvaTaratura(dir.folder(), sample(name), platform));

    const auto bytes = dir.read("print.cfg");
    ASSERT_EQ(bytes.size(), 662u);
    EXPECT_EQ(bytes.substr(0, 4), floatBytes(5.08f));
    EXPECT_EQ(bytes.substr(128, 4), floatBytes(8.47f));
    EXPECT_EQ(bytes.substr(256, 4), floatBytes(55.5f));
    EXPECT_EQ(bytes.substr(384, 4), floatBytes(12.25f));
    EXPECT_EQ(bytes.substr(512, 4), std::string("\x02\x00\x0F\x27", 4));
    EXPECT_EQ(bytes.substr(640, 2), std::string("\x14\x00", 2));
    EXPECT_EQ(bytes.substr(642), name);

    const auto back = LeggiTaratura(dir.folder());
    EXPECT_EQ(back.xDist, 5.08f);
    EXPECT_EQ(back.yDist, 8.47f);
    EXPECT_EQ(back.top, 55.5f);
    EXPECT_EQ(back.left, 12.25f);
    EXPECT_TRUE(back.normalQuality());
    EXPECT_EQ(back.printer, name);
    EXPECT_TRUE(platform.messages.empty());
}

TEST(Calibration, ShorterNameKeepsTheFileLength) {
    test::ScratchFolder dir;
    test::RecordingPlatform platform;
    ASSERT_TRUE(SalvaTaratura(dir.folder(), sample("Stampante molto lunga di rete"), platform));
    auto shorter = sample("PDF");
    shorter.quality = kQualityBassa;
    ASSERT_TRUE(SalvaTaratura(dir.folder(), shorter, platform));

    const auto bytes = dir.read("print.cfg");
    EXPECT_EQ(bytes.size(), 642u + 29u);
    EXPECT_EQ(bytes.substr(642), "PDFmpante molto lunga di rete");
    const auto back = LeggiTaratura(dir.folder());
    EXPECT_EQ(back.printer, "PDF");
    EXPECT_FALSE(back.normalQuality());
}

TEST(Calibration, PrinterNameIsWindows1252OnDisk) {
    test::ScratchFolder dir;
    test::RecordingPlatform platform;
    ASSERT_TRUE(SalvaTaratura(dir.folder(), sample("Città"), platform));
    const auto bytes = dir.read("print.cfg");
    EXPECT_EQ(bytes.substr(640), std::string("\x05\x00"
                                             "Citt\xE0",
                                             7));
    EXPECT_EQ(LeggiTaratura(dir.folder()).printer, "Città");
}

TEST(Calibration, MissingFileReadsAsZeros) {
    test::ScratchFolder dir;
    const auto c = LeggiTaratura(dir.folder());
    EXPECT_EQ(c.xDist, 0.0f);
    EXPECT_EQ(c.top, 0.0f);
    EXPECT_FALSE(c.normalQuality());
    EXPECT_TRUE(c.printer.empty());
}

struct DamageCase {
    const char* name;
    std::size_t keep;    // bytes of the good file kept
    std::size_t patchAt; // where patch is written (when not empty)
    std::string patch;
    float left;
    std::int16_t quality;
    std::string printer;
};

class DamagedCalibration : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedCalibration, ReadsWhatIsThereAndNoMore) {
    const auto& c = GetParam();
    auto bytes = calibrationBytes(sample("Laser"), {}).substr(0, c.keep);
    if (!c.patch.empty()) {
        bytes.replace(c.patchAt, c.patch.size(), c.patch);
    }
    const auto read = parseCalibration(bytes);
    EXPECT_EQ(read.xDist, 5.08f);
    EXPECT_EQ(read.left, c.left);
    EXPECT_EQ(read.quality, c.quality);
    EXPECT_EQ(read.printer, c.printer);
}

const std::string kNaN = floatBytes(std::numeric_limits<float>::quiet_NaN());

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedCalibration,
    ::testing::Values(DamageCase{"Whole", 647, 0, "", 12.25f, kQualityNormale, "Laser"},
                      DamageCase{"CutInsideTheName", 645, 0, "", 12.25f, kQualityNormale, ""},
                      DamageCase{"CutBeforeLeft", 300, 0, "", 0.0f, 0, ""},
                      DamageCase{"QualityWithoutIntegerTag", 647, 512, std::string("\x03\x00", 2),
                                 12.25f, 0, "Laser"},
                      DamageCase{"NotANumber", 647, 384, kNaN, 0.0f, kQualityNormale, "Laser"},
                      DamageCase{"NameLongerThanTheFile", 647, 640, std::string("\xFF\xFF", 2),
                                 12.25f, kQualityNormale, ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Calibration, SaveIntoMissingFolderShowsTheError) {
    test::ScratchFolder dir;
    test::RecordingPlatform platform;
    EXPECT_FALSE(SalvaTaratura(dir.folder() + "manca/", sample("Laser"), platform));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 76 (Path not found) in procedure cmdSalva_Click of Form frmTaratura");
    EXPECT_EQ(platform.lastMessage().icon, Icon::None);
    EXPECT_TRUE(platform.lastMessage().title.empty());
}

TEST(Calibration, ScrollBarsHoldHundredthsOfAMillimetre) {
    EXPECT_EQ(millimetresOf(1234), 12.34f);
    EXPECT_EQ(scrollValueOf(12.34f, kDistanceScrollMax), 1234);
    EXPECT_EQ(scrollValueOf(55.5f, kPositionScrollMax), 5550);
    EXPECT_EQ(scrollValueOf(400.0f, kPositionScrollMax), kPositionScrollMax);
    EXPECT_EQ(scrollValueOf(31.0f, kDistanceScrollMax), kDistanceScrollMax);
    EXPECT_EQ(scrollValueOf(-2.0f, kDistanceScrollMax), 0);
    EXPECT_EQ(millimetreText(1234), "12.34");
    EXPECT_EQ(millimetreText(508, ","), "5,08");
    EXPECT_EQ(millimetreText(550), "5.5");
    EXPECT_EQ(millimetreText(500), "5");
    EXPECT_EQ(millimetreText(0), "0");
}

TEST(Calibration, QualityOptionsAreNormaleForNineNineNineNineOnly) {
    EXPECT_EQ(qualityOption(kQualityNormale), 0);
    EXPECT_EQ(qualityOption(kQualityBassa), 1);
    EXPECT_EQ(qualityOption(0), 1);
    EXPECT_EQ(qualityOfOption(0), 9999);
    EXPECT_EQ(qualityOfOption(1), 1111);
}

struct ChoiceCase {
    std::vector<std::string> installed;
    const char* stored;
    int index;
    const char* warning; // empty = none
};

class PrinterChoiceTable : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(PrinterChoiceTable, PicksTheStoredPrinterOrWarns) {
    const auto& c = GetParam();
    const auto choice = choosePrinter(c.installed, c.stored);
    EXPECT_EQ(choice.index, c.index);
    EXPECT_EQ(choice.warning.value_or(""), c.warning);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrinterChoiceTable,
    ::testing::Values(ChoiceCase{{"A", "B", "C"}, "B", 1, ""},
                      ChoiceCase{{"A", "B"}, "Vecchia", 0, "Attenzione selezionare una stampante"},
                      ChoiceCase{{"A", ""}, "", 0, "Attenzione selezionare una stampante"},
                      ChoiceCase{{}, "A", -1, "Attenzione nessuna stampante installata"}));

} // namespace
} // namespace dvx
