// Every reader refuses a file larger than its format allows before loading
// it, so a huge or endless input costs little memory: each case runs in a
// child whose memory may grow by 256 MB only, and is fed a sparse 2 GB file
// (which costs no disk) whose start is valid.

#include "ArchiveFile.h"
#include "ArchiveUpdate.h"
#include "Calibration.h"
#include "Downloader.h"
#include "FileReplace.h"
#include "MatricesIndex.h"
#include "MatrixFile.h"
#include "MemoryLimit.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "Settings.h"
#include "SystemFileIO.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace dvx {
namespace {

constexpr std::size_t kHugeSize = std::size_t{2} << 30; // 2 GB
constexpr std::size_t kChildMemory = std::size_t{256} << 20;

// Writes head, then stretches the file to size without writing the rest.
void makeSparse(const std::string& path, std::string_view head, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::write(fd, head.data(), head.size()), static_cast<ssize_t>(head.size()));
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0);
    ::close(fd);
}

// "Downloads" by leaving a huge reply where the real one would land.
class HugeReply final : public Downloader {
public:
    DownloadResult download(const std::string&, const std::string& localFile) override {
        makeSparse(localFile, "01/01/2026|08:00|1|2|3|4|5|6|7|8|9|10|1|1\r\n", kHugeSize);
        DownloadResult result;
        result.status = DownloadResult::Status::Done;
        return result;
    }
};

struct ReaderCase {
    const char* name;
    const char* file; // inside the scratch folder
    std::string head; // valid bytes at the start of the huge file
    // Reads the file; true when it was refused without being loaded.
    std::function<bool(const test::ScratchFolder&)> refused;
};

void PrintTo(const ReaderCase& c, std::ostream* os) {
    *os << c.name;
}

class HugeInput : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(HugeInput, IsRefusedWithinASmallMemoryBound) {
    const auto& c = GetParam();
    test::ScratchFolder scratch;
    makeSparse(scratch.file(c.file), c.head, kHugeSize);
    const int outcome = test::runWithMemoryLimit(kChildMemory, [&] { return c.refused(scratch); });
    EXPECT_EQ(outcome, 0) << "1 = read without refusal, 2 = ran out of memory, 3 = died";
}

const std::string kArchiveRecord = std::string("01/01/202608:00\x01\0\0\0\xFF\x03\0\0\x01", 24);

INSTANTIATE_TEST_SUITE_P(
    Readers, HugeInput,
    ::testing::Values(
        ReaderCase{"SystemFile", "big.dvx", "dvx00000003",
                   [](const test::ScratchFolder& s) {
                       std::error_code ec;
                       readSystemFile(s.file("big.dvx"), ec);
                       return ec == fileTooLarge();
                   }},
        ReaderCase{"ColumnText", "big.txt", " 01 02 03 04 05 06 07 08 09 10 \r\n",
                   [](const test::ScratchFolder& s) {
                       const auto read = readColumnTextFile(s.file("big.txt"));
                       return !read.ok && read.fileError == fileTooLarge() &&
                              read.error.number == kErrOverflow;
                   }},
        ReaderCase{
            "ArchiveFile", "big.dat", kArchiveRecord,
            [](const test::ScratchFolder& s) {
                test::RecordingPlatform platform;
                Archivio archivio;
                return !LoadArchivioDVX(s.file("big.dat"), archivio, platform) &&
                       platform.messages.size() == 1 &&
                       platform.messages[0].text ==
                           "Error 6 (Overflow) in procedure LoadArchivioDVX of Form frmUpdate";
            }},
        ReaderCase{
            "MatricesIndex", "matrici.qvr", std::string(kMatrixRecordSize, ' '),
            [](const test::ScratchFolder& s) { return !readMatricesIndex(s.file("matrici.qvr")); }},
        ReaderCase{"MatrixFile", "m.txt", "matrice_decaventrix1\r\n1,2,3,4,5,6,7,8,9,10\r\n",
                   [](const test::ScratchFolder& s) {
                       return readMatrixFile(s.file("m.txt"), 1, 10).status ==
                              MatrixFileStatus::Damaged;
                   }},
        ReaderCase{"Settings", "impostazioni.cfg", "Intestazione\r\nStampante\r\n",
                   [](const test::ScratchFolder& s) {
                       test::RecordingPlatform platform;
                       Settings settings;
                       return !ReadConfiguration(settings, s.folder(), platform) &&
                              settings.intestazione.empty();
                   }},
        ReaderCase{
            "Calibration", "print.cfg",
            calibrationBytes({1.5f, 2.5f, 3.5f, 4.5f, kQualityNormale, "P"}, ""),
            [](const test::ScratchFolder& s) { return LeggiTaratura(s.folder()).xDist == 0.0f; }},
        ReaderCase{"DownloadReply", "archivio.dat", kArchiveRecord,
                   [](const test::ScratchFolder& s) {
                       test::RecordingPlatform platform;
                       HugeReply downloader;
                       Archivio archivio;
                       const UpdateRequest request{"http://127.0.0.1/", s.file("reply.dat"),
                                                   s.file("archivio.dat"), "", "Decaventrix"};
                       return updateArchive(archivio, request, downloader, platform) ==
                                  UpdateOutcome::NothingRead &&
                              archivio.drawCount() == 0;
                   }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ReadWholeFile, EndlessStreamStopsAtTheLimit) {
    const int outcome = test::runWithMemoryLimit(kChildMemory, [] {
        std::string bytes;
        return readWholeFile("/dev/zero", bytes, std::size_t{1} << 20) == fileTooLarge() &&
               bytes.empty();
    });
    EXPECT_EQ(outcome, 0);
}

TEST(ReadWholeFile, FileOfExactlyTheLimitIsRead) {
    test::ScratchFolder scratch;
    const auto path = scratch.write("f", std::string(1000, 'x'));
    std::string bytes;
    EXPECT_FALSE(readWholeFile(path, bytes, 1000));
    EXPECT_EQ(bytes.size(), 1000u);
    EXPECT_EQ(readWholeFile(path, bytes, 999), fileTooLarge());
    EXPECT_TRUE(bytes.empty());
}

} // namespace
} // namespace dvx
