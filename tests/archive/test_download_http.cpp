// Downloads need Qt Network, which a build without the desktop program lacks.
#ifdef DVX_HAVE_QT_NETWORK

#include "ArchiveFile.h"
#include "ArchiveFixtures.h"
#include "ArchiveUpdate.h"
#include "DownloadReader.h"
#include "FileReplace.h"
#include "QtNetDownloader.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "ServerAddress.h"
#include "TestServer.h"
#include "VersionCompare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace dvx {
namespace {

using namespace std::chrono_literals;
using test::archiveOf;
using test::draw;

const std::string kReply = "Data|Ora|Numeri|Numerone|Concorso\r\n"
                           "10/12/2026|12:00|1|2|3|4|5|6|7|8|9|10|5|70001\r\n"
                           "10/12/2026|13:00|20|19|18|17|16|15|14|13|12|11|20|70002\r\n"
                           "10/12/2026|14:00|1|3|5|7|9|11|13|15|17|19|1|70003\r\n";
const std::string kHtmlPage =
    "<!DOCTYPE html>\r\n<html><head><title>Errore</title></head>\r\n"
    "<body><p>Servizio non disponibile | riprovare pi&ugrave; tardi</p></body></html>\r\n";
const std::string kCaption = frmUpdateCaption("Decaventrix");
constexpr std::size_t kHugeReplySize = std::size_t{100} << 20;

// The vendor's server with one route per behaviour, each under its own prefix.
void vendorRoutes(httplib::Server& server, test::TestServer& self) {
    const std::string archive(kArchivePath);
    server.Get("/good" + archive, [](const httplib::Request&, httplib::Response& res) {
        res.set_content(kReply, "text/plain");
    });
    server.Get("/moved" + archive, [archive](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("/good" + archive, 302);
    });
    server.Get("/missing" + archive, [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content(kReply, "text/plain"); // draws in an error reply are not taken
    });
    server.Get("/cut" + archive, [](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(kReply.size(), "text/plain",
                                 [](std::size_t, std::size_t, httplib::DataSink& sink) {
                                     sink.write(kReply.data(), kReply.size() / 2);
                                     return false; // the connection drops halfway
                                 });
    });
    server.Get("/cutnolength" + archive, [](const httplib::Request&, httplib::Response& res) {
        // No length announced; the reply ends cleanly, but inside its last line.
        res.set_chunked_content_provider("text/plain", [](std::size_t, httplib::DataSink& sink) {
            sink.write(kReply.data(), kReply.size() - 10);
            sink.done();
            return true;
        });
    });
    server.Get("/huge" + archive, [](const httplib::Request&, httplib::Response& res) {
        // 100 MB of valid lines, more than any archive reply.
        res.set_content_provider(
            kHugeReplySize, "text/plain",
            [](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                static const std::string block = [] {
                    std::string lines;
                    while (lines.size() < (1u << 16)) {
                        lines += "10/12/2026|12:00|1|2|3|4|5|6|7|8|9|10|5|70001\r\n";
                    }
                    return lines;
                }();
                const auto piece = std::min({length, block.size(), kHugeReplySize - offset});
                return sink.write(block.data(), piece);
            });
    });
    server.Get("/slow" + archive, [](const httplib::Request&, httplib::Response& res) {
        // The whole reply takes over a second, in pieces well within the stall limit.
        res.set_chunked_content_provider(
            "text/plain", [](std::size_t offset, httplib::DataSink& sink) {
                const std::size_t third = kReply.size() / 3 + 1;
                if (offset >= kReply.size()) {
                    sink.done();
                    return true;
                }
                std::this_thread::sleep_for(450ms);
                return sink.write(kReply.data() + offset, std::min(third, kReply.size() - offset));
            });
    });
    server.Get("/stall" + archive, [&self](const httplib::Request&, httplib::Response& res) {
        self.holdBack(60s);
        res.set_content(kReply, "text/plain");
    });
    server.Get("/html" + archive, [](const httplib::Request&, httplib::Response& res) {
        res.set_content(kHtmlPage, "text/html");
    });
    server.Get("/bad" + archive, [](const httplib::Request&, httplib::Response& res) {
        res.set_content(kReply + "10/12/2026|15:00|1|2|3|4|5|6|7|8|9|dieci|5|70004\r\n",
                        "text/plain");
    });
    server.Get("/good" + std::string(kVersionPath),
               [](const httplib::Request&, httplib::Response& res) {
                   res.set_content("1.10.0\r\nnote di rilascio\r\n", "text/plain");
               });
}

struct Shown {
    std::string text;
    std::string title;
    Icon icon;
    friend bool operator==(const Shown&, const Shown&) = default;
};

struct HttpCase {
    const char* name;
    const char* route; // "" for a port where nobody listens
    UpdateOutcome outcome;
    std::vector<Shown> messages;
};

void PrintTo(const HttpCase& c, std::ostream* os) {
    *os << c.name;
}

const DownloadLimits kTestLimits{400ms, 2000ms, 5};

class ArchiveUpdateOverHttp : public ::testing::TestWithParam<HttpCase> {
protected:
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    const Archivio old =
        archiveOf({draw("01/01/2026", "08:00", 1, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}, 9)});
    const std::string archivePath = scratch.file("archivio/decaventrix.dat");

    void SetUp() override { scratch.write("archivio/decaventrix.dat", ""); }
};

TEST_P(ArchiveUpdateOverHttp, ReplacesTheArchiveOnlyWithAGoodReply) {
    const auto& c = GetParam();
    test::TestServer server(vendorRoutes);
    ASSERT_TRUE(SaveDVXArchive(archivePath, old, platform));
    const auto oldBytes = scratch.read("archivio/decaventrix.dat");

    const std::string base = *c.route ? server.base() + c.route
                                      : "http://127.0.0.1:" + std::to_string(test::closedPort());
    const UpdateRequest request{serverUrl(base, kArchivePath), scratch.file("download.dat"),
                                archivePath, kCaption, "Decaventrix"};
    QtNetDownloader downloader(kTestLimits);
    Archivio archivio = old;
    const auto started = std::chrono::steady_clock::now();
    const auto outcome = updateArchive(archivio, request, downloader, platform);
    const auto waited = std::chrono::steady_clock::now() - started;
    server.release();

    EXPECT_EQ(outcome, c.outcome);
    std::vector<Shown> shown;
    for (const auto& m : platform.messages) {
        shown.push_back({m.text, m.title, m.icon});
    }
    EXPECT_EQ(shown, c.messages);
    // A stalled server is given up well before it would answer.
    EXPECT_LT(waited, 20s);

    // Whatever came, nothing half-written stays beside the download.
    for (const auto& entry : std::filesystem::directory_iterator(scratch.folder())) {
        EXPECT_NE(entry.path().filename().string().rfind(kTemporaryPrefix, 0), 0u) << entry.path();
    }
    Archivio onDisk;
    ASSERT_TRUE(LoadArchivioDVX(archivePath, onDisk, platform));
    if (c.outcome == UpdateOutcome::Updated) {
        const auto expected = LoadArchivioTMP(kReply).archivio;
        EXPECT_EQ(archivio, expected);
        EXPECT_EQ(onDisk, expected);
        EXPECT_EQ(scratch.read("download.dat"), kReply);
    } else {
        EXPECT_EQ(archivio, old);
        EXPECT_EQ(scratch.read("archivio/decaventrix.dat"), oldBytes);
    }
}

const Shown kDownloadFailed{std::string(kDownloadFailedText), kCaption, Icon::Critical};

INSTANTIATE_TEST_SUITE_P(
    Cases, ArchiveUpdateOverHttp,
    ::testing::Values(
        HttpCase{"GoodReply", "/good", UpdateOutcome::Updated, {}},
        HttpCase{"Redirect", "/moved", UpdateOutcome::Updated, {}},
        HttpCase{"NotFound", "/missing", UpdateOutcome::DownloadFailed, {kDownloadFailed}},
        HttpCase{"ConnectionRefused", "", UpdateOutcome::DownloadFailed, {kDownloadFailed}},
        HttpCase{"CutShort", "/cut", UpdateOutcome::DownloadFailed, {kDownloadFailed}},
        HttpCase{"CutWithoutLength",
                 "/cutnolength",
                 UpdateOutcome::NothingRead,
                 {{std::string(kIncompleteText), kCaption, Icon::Exclamation}}},
        HttpCase{"HundredMegabytes", "/huge", UpdateOutcome::DownloadFailed, {kDownloadFailed}},
        HttpCase{"Stalled", "/stall", UpdateOutcome::DownloadFailed, {kDownloadFailed}},
        HttpCase{"HtmlErrorPage",
                 "/html",
                 UpdateOutcome::NothingRead,
                 {{std::string(kNoDrawsText), kCaption, Icon::Exclamation}}},
        HttpCase{"UnreadableDraw",
                 "/bad",
                 UpdateOutcome::NothingRead,
                 {{"Error 13 (Type mismatch) in procedure LoadArchivioTMP of Form frmUpdate", "",
                   Icon::None},
                  {std::string(kArchiveKeptText), kCaption, Icon::Exclamation}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ArchiveUpdate, FewerDrawsReplaceTheArchiveOnlyWhenTheUserSaysSo) {
    test::TestServer server(vendorRoutes);
    test::ScratchFolder scratch;
    QtNetDownloader downloader(kTestLimits);
    const auto archivePath = scratch.file("decaventrix.dat");
    // Five draws held, three in the reply.
    Archivio held;
    held.resize(5);
    for (int i = 1; i <= 5; ++i) {
        held[i] = draw("01/01/2026", "08:00", i, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20}, 9);
    }
    const UpdateRequest request{serverUrl(server.base() + "/good", kArchivePath),
                                scratch.file("download.dat"), archivePath, kCaption, "Decaventrix"};
    for (const auto answer : {Answer::No, Answer::Yes}) {
        test::RecordingPlatform platform;
        platform.answers.push_back(answer);
        ASSERT_TRUE(SaveDVXArchive(archivePath, held, platform));
        Archivio archivio = held;

        const auto outcome = updateArchive(archivio, request, downloader, platform);

        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text,
                  "Il file scaricato contiene 3 estrazioni, meno delle 5 presenti in archivio.\r\n"
                  "Sostituire l'archivio con quello scaricato?");
        EXPECT_EQ(platform.messages[0].icon, Icon::Question);
        EXPECT_EQ(platform.messages[0].buttons, Buttons::YesNo);
        Archivio onDisk;
        ASSERT_TRUE(LoadArchivioDVX(archivePath, onDisk, platform));
        const auto expected = answer == Answer::Yes ? LoadArchivioTMP(kReply).archivio : held;
        EXPECT_EQ(outcome, answer == Answer::Yes ? UpdateOutcome::Updated : UpdateOutcome::Kept);
        EXPECT_EQ(archivio, expected);
        EXPECT_EQ(onDisk, expected);
    }
}

TEST(QtNetDownloader, LimitsBeyondATimerRangeDoNotWrapAround) {
    // 4294968 s in milliseconds wraps a 32-bit timer to 0.7 s: the slow
    // reply (over a second) must still come in.
    test::TestServer server(vendorRoutes);
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    QtNetDownloader downloader(
        DownloadLimits{std::chrono::seconds(4294968), std::chrono::seconds(4294968), 5});
    const auto file = scratch.file("reply.dat");
    ASSERT_TRUE(
        DownloadFile(downloader, serverUrl(server.base() + "/slow", kArchivePath), file, platform));
    EXPECT_EQ(scratch.read("reply.dat"), kReply);
}

TEST(TemporaryDownload, EachRunGetsAPrivateFileOfItsOwn) {
    test::ScratchFolder scratch;
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous != nullptr ? previous : "";
    ::setenv("TMPDIR", scratch.folder().c_str(), 1);
    // Another user's download under the old fixed name stands in the way.
    std::filesystem::create_directories(scratch.file("decavx_download.dat/theirs"));
    std::string firstPath;
    {
        const TemporaryDownload first;
        const TemporaryDownload second;
        firstPath = first.path();
        ASSERT_FALSE(first.path().empty()) << first.error().message();
        EXPECT_NE(first.path(), second.path());
        EXPECT_EQ(std::filesystem::path(first.path()).parent_path(),
                  std::filesystem::path(scratch.folder()).parent_path());
        EXPECT_EQ(std::filesystem::status(first.path()).permissions(),
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

        test::TestServer server(vendorRoutes);
        test::RecordingPlatform platform;
        QtNetDownloader downloader(kTestLimits);
        Archivio archivio;
        const UpdateRequest request{serverUrl(server.base() + "/good", kArchivePath), first.path(),
                                    scratch.file("decaventrix.dat"), kCaption, "Decaventrix"};
        EXPECT_EQ(updateArchive(archivio, request, downloader, platform), UpdateOutcome::Updated);
    }
    EXPECT_FALSE(std::filesystem::exists(firstPath));
    if (previous != nullptr) {
        ::setenv("TMPDIR", saved.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
}

TEST(ArchiveUpdate, UnsavableArchiveKeepsTheNewDrawsInMemory) {
    test::TestServer server(vendorRoutes);
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    QtNetDownloader downloader(kTestLimits);
    const auto archivePath = scratch.file("gone/decaventrix.dat");
    const UpdateRequest request{serverUrl(server.base() + "/good", kArchivePath),
                                scratch.file("download.dat"), archivePath, kCaption, "Decaventrix"};
    Archivio archivio;
    EXPECT_EQ(updateArchive(archivio, request, downloader, platform), UpdateOutcome::SaveFailed);
    EXPECT_TRUE(archiveChanged(UpdateOutcome::SaveFailed));
    EXPECT_EQ(archivio, LoadArchivioTMP(kReply).archivio);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Error 76 (Path not found --> " + archivePath +
                                             ") in procedure SaveDVXArchive of Form frmUpdate");
}

TEST(DownloadFile, VersionReplyGivesTheServerVersion) {
    test::TestServer server(vendorRoutes);
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    QtNetDownloader downloader(kTestLimits);
    const auto file = scratch.file("dvxlocver.txt");
    ASSERT_TRUE(
        DownloadFile(downloader, serverUrl(server.base() + "/good", kVersionPath), file, platform));
    const auto version = firstLine(scratch.read("dvxlocver.txt"));
    EXPECT_EQ(version, "1.10.0");
    EXPECT_EQ(compareVersions("1.2.3", version), VersionVerdict::ServerNewer);
    EXPECT_TRUE(platform.messages.empty());
}

TEST(DownloadFile, UnwritableLocalFileIsReportedAndKeepsNothing) {
    test::TestServer server(vendorRoutes);
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    QtNetDownloader downloader(kTestLimits);
    EXPECT_FALSE(DownloadFile(downloader, serverUrl(server.base() + "/good", kArchivePath),
                              scratch.file("missing/decavx_download.dat"), platform));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Error 76 (Path not found) in procedure DownloadFile of Modulo corpo");
}

TEST(DownloadFile, FailedDownloadKeepsThePreviousFile) {
    test::TestServer server(vendorRoutes);
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    QtNetDownloader downloader(kTestLimits);
    const auto file = scratch.write("decavx_download.dat", "earlier reply");
    EXPECT_FALSE(DownloadFile(downloader, serverUrl(server.base() + "/missing", kArchivePath), file,
                              platform));
    EXPECT_FALSE(DownloadFile(downloader, "not a web address", file, platform));
    EXPECT_EQ(scratch.read("decavx_download.dat"), "earlier reply");
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
} // namespace dvx

#endif
