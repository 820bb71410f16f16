#include "ArchiveFixtures.h"
#include "DownloadReader.h"

#include <gtest/gtest.h>

#include <string>

namespace dvx {
namespace {

using test::setOf;

constexpr const char* kGood = "10/12/2026|14:00|1|2|3|4|5|6|7|8|9|10|5|70001";

struct LineCase {
    const char* name;
    std::string text;
    int accepted;     // draws read
    int errorNumber;  // 0: no error
    const char* data; // of the first draw (when accepted)
    const char* ora;  //
    NumberSet numeri; //
    int numerone;     //
    std::int32_t concorso;
};

class DownloadLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(DownloadLine, Reads) {
    const auto& c = GetParam();
    const auto read = LoadArchivioTMP(c.text);
    EXPECT_EQ(read.accepted, c.accepted);
    EXPECT_EQ(read.error ? read.error->number : 0, c.errorNumber);
    if (c.accepted == 0) {
        EXPECT_EQ(read.archivio.upperBound(), 1);
        EXPECT_TRUE(read.archivio[1].empty());
        return;
    }
    ASSERT_EQ(read.archivio.upperBound(), c.accepted);
    const auto& first = read.archivio[1];
    EXPECT_EQ(first.data, c.data);
    EXPECT_EQ(first.ora, c.ora);
    EXPECT_EQ(first.numeri, c.numeri);
    EXPECT_EQ(first.numerone, c.numerone);
    EXPECT_EQ(first.concorso, c.concorso);
}

const NumberSet kLow = setOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});

INSTANTIATE_TEST_SUITE_P(
    Cases, DownloadLine,
    ::testing::Values(
        LineCase{"Plain", std::string(kGood) + "\r\n", 1, 0, "10/12/2026", "14:00", kLow, 5, 70001},
        LineCase{"NoFinalLineEnd", kGood, 1, 0, "10/12/2026", "14:00", kLow, 5, 70001},
        LineCase{"BlanksAroundNumbersAnyOrder",
                 "10/12/2026|14:00| 20 |19|18|17|16|15|14|13|12|  11|\t7 | -42 \r\n", 1, 0,
                 "10/12/2026", "14:00", setOf({11, 12, 13, 14, 15, 16, 17, 18, 19, 20}), 7, -42},
        LineCase{"LongDateCutShortDatePadded", "2026-12-10 X|14:00:59|1|2|3|4|5|6|7|8|9|10|5|1\r\n",
                 1, 0, "2026-12-10", "14:00", kLow, 5, 1},
        LineCase{"ShortTextsPadded", "1/2/26|9|1|2|3|4|5|6|7|8|9|10|5|1\r\n", 1, 0, "1/2/26    ",
                 "9    ", kLow, 5, 1},
        LineCase{"DateBlanksKept", " 1/2/26 |9|1|2|3|4|5|6|7|8|9|10|5|1\r\n", 1, 0, " 1/2/26   ",
                 "9    ", kLow, 5, 1},
        LineCase{"Windows1252Date", "luned\xEC|9|1|2|3|4|5|6|7|8|9|10|5|1\r\n", 1, 0, "lunedì    ",
                 "9    ", kLow, 5, 1},
        LineCase{"HeaderBlankAnd13And15FieldsSkipped",
                 "Data|Ora|N1|N2|N3|N4|N5|N6|N7|N8|N9|N10|NN\r\n\r\n"
                 "10/12/2026|13:00|1|2|3|4|5|6|7|8|9|10|5\r\n"
                 "10/12/2026|13:00|1|2|3|4|5|6|7|8|9|10|5|70000|\r\n" +
                     std::string(kGood) + "\r\n",
                 1, 0, "10/12/2026", "14:00", kLow, 5, 70001},
        LineCase{"LoneCrEndsALine", std::string(kGood) + "\r" + kGood + "\r\r\n" + kGood, 3, 0,
                 "10/12/2026", "14:00", kLow, 5, 70001},
        LineCase{"LoneLfDoesNotEndALine", std::string(kGood) + "\n" + kGood + "\n", 0, 0, "", "", 0,
                 0, 0},
        LineCase{"HtmlPage", "<html><body><h1>Errore</h1>|riprovare</body></html>\r\n", 0, 0, "",
                 "", 0, 0, 0},
        LineCase{"EmptyReply", "", 0, 0, "", "", 0, 0, 0},
        LineCase{"NumberNotANumber",
                 std::string(kGood) + "\r\n10/12/2026|15:00|1|2|x|4|5|6|7|8|9|10|5|70002\r\n", 1,
                 13, "10/12/2026", "14:00", kLow, 5, 70001},
        LineCase{"EmptyNumberField", "10/12/2026|15:00|1|2||4|5|6|7|8|9|10|5|70002\r\n", 0, 13, "",
                 "", 0, 0, 0},
        LineCase{"NumberPastAByte", "10/12/2026|15:00|1|2|256|4|5|6|7|8|9|10|5|70002\r\n", 0, 6, "",
                 "", 0, 0, 0},
        LineCase{"ConcorsoPast32Bits", "10/12/2026|15:00|1|2|3|4|5|6|7|8|9|10|5|2147483648\r\n", 0,
                 6, "", "", 0, 0, 0},
        LineCase{"NumberOutsideTheGame", "10/12/2026|15:00|1|2|21|4|5|6|7|8|9|10|5|70002\r\n", 0, 5,
                 "", "", 0, 0, 0},
        LineCase{"NumberZero", "10/12/2026|15:00|0|2|3|4|5|6|7|8|9|10|5|70002\r\n", 0, 5, "", "", 0,
                 0, 0},
        LineCase{"RepeatedNumber", "10/12/2026|15:00|1|2|3|4|5|6|7|8|9|9|5|70002\r\n", 0, 5, "", "",
                 0, 0, 0},
        LineCase{"NumeroneOutsideTheGame", "10/12/2026|15:00|1|2|3|4|5|6|7|8|9|10|0|70002\r\n", 0,
                 5, "", "", 0, 0, 0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(DownloadReader, StopsAtTheFirstBadLineAndReportsIt) {
    const std::string text = std::string(kGood) + "\r\nheader\r\n" + kGood +
                             "\r\n10/12/2026|15:00|1|2|3|4|5|6|7|8|9|x|5|1\r\n" + kGood + "\r\n";
    const auto read = LoadArchivioTMP(text);
    ASSERT_TRUE(read.error);
    EXPECT_EQ(read.errorLine, 4);
    EXPECT_EQ(read.accepted, 2);
}

TEST(DownloadReader, KeepsLineOrderAndDuplicatesAcrossGrowth) {
    std::string text = "Concorso|Data\r\n";
    for (int k = 1; k <= 3000; ++k) {
        const int a = 1 + k % 11; // ten consecutive numbers starting at a
        text += "10/12/2026|" + std::to_string(k % 24) + ":00";
        for (int n = a; n < a + 10; ++n) {
            text += "|" + std::to_string(n);
        }
        text += "|" + std::to_string(1 + k % 20) + "|" + std::to_string(k) + "\r\n";
        if (k == 1500) {
            text += text.substr(text.rfind("10/12/2026"));
        }
    }
    const auto read = LoadArchivioTMP(text);
    ASSERT_FALSE(read.error);
    ASSERT_EQ(read.accepted, 3001);
    ASSERT_EQ(read.archivio.upperBound(), 3001);
    EXPECT_EQ(read.archivio[1500], read.archivio[1501]);
    for (int i = 1; i <= 3001; ++i) {
        const int k = i <= 1500 ? i : i - 1;
        ASSERT_EQ(read.archivio[i].concorso, k) << "record " << i;
        ASSERT_EQ(read.archivio[i].numeri, NumberSet{0x3FF} << (k % 11)) << "record " << i;
    }
}

} // namespace
} // namespace dvx
