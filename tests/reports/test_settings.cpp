#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "Settings.h"

#include <gtest/gtest.h>

namespace dvx {
namespace {

TEST(Settings, SavedHeaderAndPrinterReadBackUnchanged) {
    test::ScratchFolder dir;
    test::RecordingPlatform platform;
    ASSERT_TRUE(saveSettings(dir.folder(), "Sistemi di Mario  Rossi è", "HP LaserJet 4", platform));
    EXPECT_EQ(dir.read("impostazioni.cfg"), "Sistemi di Mario  Rossi \xE8\r\nHP LaserJet 4\r\n");

    Settings s;
    EXPECT_TRUE(ReadConfiguration(s, dir.folder(), platform));
    EXPECT_EQ(s.intestazione, "Sistemi di Mario  Rossi è");
    EXPECT_EQ(s.stampanteTabulato, "HP LaserJet 4");
    EXPECT_TRUE(platform.messages.empty());
}

TEST(Settings, LineBreaksInAValueDoNotShiftThePrinterLine) {
    EXPECT_EQ(settingsText("riga\r\ndue", "P"), "riga  due\r\nP\r\n");
}

struct ReadCase {
    const char* name;
    std::string text;
    bool complete;
    const char* header;
    const char* printer;
};

class SettingsText : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SettingsText, ReadsLineByLine) {
    const auto& c = GetParam();
    test::ScratchFolder dir;
    test::RecordingPlatform platform;
    dir.write("impostazioni.cfg", c.text);
    Settings s{"vecchia intestazione", "vecchia stampante"};
    EXPECT_EQ(ReadConfiguration(s, dir.folder(), platform), c.complete);
    EXPECT_EQ(s.intestazione, c.header);
    EXPECT_EQ(s.stampanteTabulato, c.printer);
    if (c.complete) {
        EXPECT_TRUE(platform.messages.empty());
    } else {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.lastMessage().text, "Error 62 (Input past end of file) in procedure "
                                               "ReadConfiguration of Modulo corpo");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsText,
    ::testing::Values(ReadCase{"CrLf", "Testata\r\nLaser\r\n", true, "Testata", "Laser"},
                      ReadCase{"LfOnly", "Testata\nLaser", true, "Testata", "Laser"},
                      ReadCase{"CrOnly", "Testata\rLaser\r", true, "Testata", "Laser"},
                      ReadCase{"EmptyPrinterLine", "Testata\r\n\r\n", true, "Testata", ""},
                      ReadCase{"ExtraLinesIgnored", "A\r\nB\r\nC\r\n", true, "A", "B"},
                      ReadCase{"OneLine", "Solo testata\r\n", false, "Solo testata",
                               "vecchia stampante"},
                      ReadCase{"Empty", "", false, "vecchia intestazione", "vecchia stampante"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Settings, MissingFileIsReportedAndChangesNothing) {
    test::ScratchFolder dir;
    test::RecordingPlatform platform;
    Settings s{"testata", "stampante"};
    EXPECT_FALSE(ReadConfiguration(s, dir.folder(), platform));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 53 (File not found) in procedure ReadConfiguration of Modulo corpo");
    EXPECT_TRUE(platform.lastMessage().title.empty());
    EXPECT_EQ(platform.lastMessage().icon, Icon::None);
    EXPECT_EQ(platform.lastMessage().buttons, Buttons::Ok);
    EXPECT_EQ(s.intestazione, "testata");
    EXPECT_EQ(s.stampanteTabulato, "stampante");
}

TEST(Settings, FailedSaveIsReportedAndKeepsTheOldFile) {
    test::ScratchFolder dir;
    test::RecordingPlatform platform;
    EXPECT_FALSE(saveSettings(dir.folder() + "manca/", "a", "b", platform));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.lastMessage().text,
              "Error 76 (Path not found) in procedure cmdSalva_Click of Form frmImpostazioni");
}

} // namespace
} // namespace dvx
