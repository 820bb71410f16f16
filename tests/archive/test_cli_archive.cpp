#include "ArchiveFixtures.h"
#include "CliRunner.h"
#include "ScratchFolder.h"
#include "ServerAddress.h"
#include "TestServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

namespace dvx {
namespace {

using test::putInt32;
using test::putText;
using test::runProgram;

const std::string kCli = DVX_CLI_PATH;

// Two draws in the server's format, with a header and a line to skip.
const std::string kText = "Data|Ora|Numeri|Numerone|Concorso\r\n"
                          "9/12/2026|22:00|10|9|8|7|6|5|4|3|2|1|5|70001\r\n"
                          "\r\n"
                          "10/12/2026|23:00|1|3|5|7|9|11|13|15|17|19|20|70002\r";

std::string expectedArchiveBytes() {
    std::string out;
    putText(out, "9/12/2026 ");
    putText(out, "22:00");
    putInt32(out, 70001);
    putInt32(out, 0x3FF);
    out += '\x05';
    putText(out, "10/12/2026");
    putText(out, "23:00");
    putInt32(out, 70002);
    putInt32(out, 0x55555);
    out += '\x14';
    return out;
}

class CliArchive : public ::testing::Test {
protected:
    test::ScratchFolder scratch;
    std::string archive = scratch.file("decaventrix.dat");
};

TEST_F(CliArchive, ImportWritesTheRecordsListAndStatsReadThem) {
    const auto text = scratch.write("archivio.txt", kText);
    auto run = runProgram(kCli, {"archive", "import", text, "--archive", archive});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2 estrazioni\n");
    EXPECT_EQ(scratch.read("decaventrix.dat"), expectedArchiveBytes());

    run = runProgram(kCli, {"archive", "list", "--archive", archive});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "  70002     |   10/12/2026   |   23:00   |   01   03   05   07   09   11   "
                       "13   15   17   19   |   20\n"
                       "  70001     |   9/12/2026    |   22:00   |   01   02   03   04   05   06   "
                       "07   08   09   10   |   05\n");

    run = runProgram(kCli, {"stats", "--archive", archive, "--csv", scratch.file("stat.csv")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(scratch.read("stat.csv"),
              "Concorso;Data;Ora;P1;P2;P3;P4;P5;P6;P7;P8;P9;P10;Numerone;Ripetuti;Pari;Dispari;"
              "Consecutivi;Somma\r\n"
              "70002;10/12/2026;23:00;01;03;05;07;09;11;13;15;17;19;20;5;0;10;1;100\r\n"
              "70001;9/12/2026 ;22:00;01;02;03;04;05;06;07;08;09;10;5;0;5;5;10;55\r\n");
    EXPECT_NE(run.out.find("Somma\n  055-065 -->      1\n"), std::string::npos) << run.out;
}

TEST_F(CliArchive, BadInputExitsWithTwoAndWritesNothing) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
    };
    const auto noDraws = scratch.write("page.html", "<html><body>Errore</body></html>\r\n");
    const auto badDraw = scratch.write("bad.txt", "9/12/2026|22:00|10|9|8|7|6|5|4|3|2|x|5|1\r\n");
    const Case cases[] = {
        {"no draws", {"archive", "import", noDraws, "--archive", archive}},
        {"bad draw", {"archive", "import", badDraw, "--archive", archive}},
        {"missing text", {"archive", "import", scratch.file("none.txt"), "--archive", archive}},
        {"missing archive", {"archive", "list", "--archive", archive}},
        {"stats of missing archive",
         {"stats", "--archive", archive, "--csv", scratch.file("stat.csv")}},
        {"unknown action", {"archive", "merge", "--archive", archive}},
        {"no archive option", {"archive", "list"}},
    };
    for (const auto& c : cases) {
        const auto run = runProgram(kCli, c.args);
        EXPECT_EQ(run.status, 2) << c.name;
        EXPECT_FALSE(run.err.empty()) << c.name;
        EXPECT_FALSE(std::filesystem::exists(archive)) << c.name;
        EXPECT_FALSE(std::filesystem::exists(scratch.file("stat.csv"))) << c.name;
    }
}

// One line on stderr, naming the program and the path once.
void expectOneMessage(const test::ProgramRun& run, const std::string& command,
                      const std::string& path, const std::string& part) {
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.err.rfind("decaventrix-cli " + command + ": ", 0), 0u) << run.err;
    const auto at = run.err.find(path);
    EXPECT_NE(at, std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(path, at + 1), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
}

TEST_F(CliArchive, UnreadableArchivesAreOneClearLine) {
    std::filesystem::create_directories(scratch.file("folder.dat"));
    scratch.write("short.dat", expectedArchiveBytes() + "x");
    struct Case {
        const char* name;
        std::string path;
        const char* part;
    };
    const Case cases[] = {
        {"folder", scratch.file("folder.dat"), "Is a directory"},
        {"missing", scratch.file("none.dat"), "No such file or directory"},
        {"bad length", scratch.file("short.dat"), "not a multiple of 24 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectOneMessage(runProgram(kCli, {"archive", "list", "--archive", c.path}), "archive",
                         c.path, c.part);
    }
}

TEST_F(CliArchive, DamagedRecordsAreSkippedWithOneWarning) {
    std::string bytes = expectedArchiveBytes();
    for (const std::uint32_t numeri : {0xFFFFFu, 0x1u}) { // all twenty numbers, one number
        putText(bytes, "1/1/2026  ");
        putText(bytes, "00:00");
        putInt32(bytes, 9);
        putInt32(bytes, numeri);
        bytes += '\x05';
    }
    scratch.write("decaventrix.dat", bytes);
    const auto run = runProgram(kCli, {"archive", "list", "--archive", archive});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2) << run.out;
    EXPECT_EQ(run.err, "decaventrix-cli: " + archive + ": Estrazioni non valide ignorate: 2\n");
}

TEST_F(CliArchive, OutputsNeverReplaceAnInput) {
    const auto text = scratch.write("archivio.txt", kText);
    scratch.write("decaventrix.dat", expectedArchiveBytes());
    auto run = runProgram(kCli, {"stats", "--archive", archive, "--csv", archive});
    expectOneMessage(run, "stats", archive, "is also an input");
    run = runProgram(kCli,
                     {"archive", "import", text, "--archive", scratch.folder() + "./archivio.txt"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(scratch.read("decaventrix.dat"), expectedArchiveBytes());
    EXPECT_EQ(scratch.read("archivio.txt"), kText);
}

TEST_F(CliArchive, ProtectedStatisticsFileIsPermissionDenied) {
    scratch.write("decaventrix.dat", expectedArchiveBytes());
    const auto csv = scratch.write("stat.csv", "kept");
    std::filesystem::permissions(csv, std::filesystem::perms::owner_read);
    const auto run = runProgram(kCli, {"stats", "--archive", archive, "--csv", csv});
    expectOneMessage(run, "stats", csv, "Permission denied");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(scratch.read("stat.csv"), "kept");
}

TEST_F(CliArchive, FullStandardOutputIsAFailure) {
    scratch.write("decaventrix.dat", expectedArchiveBytes());
    const auto run = runProgram(kCli, {"archive", "list", "--archive", archive}, "/dev/full");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("decaventrix-cli archive: cannot write to standard output"),
              std::string::npos)
        << run.err;
}

#ifdef DVX_HAVE_QT_NETWORK
TEST_F(CliArchive, TimeoutOutsideOneSecondToOneHourIsRefused) {
    for (const char* seconds : {"0", "3601", "2147484", "4294968", "-5"}) {
        const auto run = runProgram(kCli, {"archive", "update", "--url", "http://127.0.0.1:9/",
                                           "--archive", archive, "--timeout", seconds});
        EXPECT_EQ(run.status, 2) << seconds;
        EXPECT_NE(run.err.find("--timeout: the limit is 1..3600 seconds"), std::string::npos)
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(archive)) << seconds;
    }
}

TEST_F(CliArchive, UpdateKeepsTheArchiveOnACutOrSmallerReply) {
    const std::string oneDraw = "10/12/2026|23:00|1|3|5|7|9|11|13|15|17|19|20|70002\r\n";
    test::TestServer server([&](httplib::Server& s, test::TestServer& self) {
        s.Get("/cut" + std::string(kArchivePath),
              [](const httplib::Request&, httplib::Response& res) {
                  res.set_chunked_content_provider("text/plain",
                                                   [](std::size_t, httplib::DataSink& sink) {
                                                       sink.write(kText.data(), kText.size() - 5);
                                                       sink.done();
                                                       return true;
                                                   });
              });
        s.Get("/one" + std::string(kArchivePath),
              [&](const httplib::Request&, httplib::Response& res) {
                  res.set_content(oneDraw, "text/plain");
              });
        s.Get("/stall" + std::string(kArchivePath),
              [&self](const httplib::Request&, httplib::Response& res) {
                  self.holdBack(std::chrono::seconds(30));
                  res.set_content(kText, "text/plain");
              });
    });
    scratch.write("decaventrix.dat", expectedArchiveBytes());
    const auto update = [&](const std::string& route, std::vector<std::string> more = {}) {
        std::vector<std::string> args{
            "archive",   "update", "--url",     serverUrl(server.base() + route, kArchivePath),
            "--archive", archive,  "--timeout", "1"};
        args.insert(args.end(), more.begin(), more.end());
        return runProgram(kCli, args);
    };

    auto run = update("/cut");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Il file scaricato è incompleto."), std::string::npos) << run.err;
    EXPECT_EQ(scratch.read("decaventrix.dat"), expectedArchiveBytes());

    run = update("/one");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--allow-shrink"), std::string::npos) << run.err;
    EXPECT_EQ(scratch.read("decaventrix.dat"), expectedArchiveBytes());

    run = update("/stall");
    server.release();
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("no complete reply within 1 s"), std::string::npos) << run.err;
    // Every line is the program's own: no toolkit warnings, no bare error names.
    std::size_t at = 0;
    while (at < run.err.size()) {
        EXPECT_EQ(run.err.compare(at, 16, "decaventrix-cli:"), 0) << run.err;
        at = run.err.find('\n', at);
        at = at == std::string::npos ? run.err.size() : at + 1;
    }
    EXPECT_EQ(run.err.find("Operation canceled"), std::string::npos) << run.err;
    EXPECT_EQ(scratch.read("decaventrix.dat"), expectedArchiveBytes());

    run = update("/one", {"--allow-shrink"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1 estrazioni\n");
}

TEST_F(CliArchive, UpdateDownloadsAndKeepsTheArchiveOnABadReply) {
    test::TestServer server([](httplib::Server& s, test::TestServer&) {
        s.Get("/ok" + std::string(kArchivePath),
              [](const httplib::Request&, httplib::Response& res) {
                  res.set_content(kText, "text/plain");
              });
        s.Get("/html" + std::string(kArchivePath),
              [](const httplib::Request&, httplib::Response& res) {
                  res.set_content("<html><body>Errore</body></html>", "text/html");
              });
    });
    auto run = runProgram(kCli, {"archive", "update", "--url",
                                 serverUrl(server.base() + "/ok", kArchivePath), "--archive",
                                 archive, "--timeout", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2 estrazioni\n");
    EXPECT_EQ(scratch.read("decaventrix.dat"), expectedArchiveBytes());

    run = runProgram(kCli, {"archive", "update", "--url",
                            serverUrl(server.base() + "/html", kArchivePath), "--archive", archive,
                            "--timeout", "5"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("L'archivio non è stato modificato."), std::string::npos) << run.err;
    EXPECT_EQ(scratch.read("decaventrix.dat"), expectedArchiveBytes());

    run = runProgram(
        kCli, {"archive", "update", "--url",
               "http://127.0.0.1:" + std::to_string(test::closedPort()) + std::string(kArchivePath),
               "--archive", archive, "--timeout", "5"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("Errore durante il download dell'aggiornamento"), std::string::npos)
        << run.err;
    EXPECT_EQ(scratch.read("decaventrix.dat"), expectedArchiveBytes());
}
#endif

} // namespace
} // namespace dvx
