// The start-up version check against a web server of the test's own: a
// newer version is offered, the same one is not, and a silent or missing
// server never holds the start-up back beyond the limit.

#include "QtVersionCheck.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "ServerAddress.h"
#include "TestServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

using namespace dvx;
using namespace std::chrono_literals;

namespace {

void versionRoutes(httplib::Server& server, test::TestServer& self) {
    const std::string path(kVersionPath);
    server.Get("/same" + path, [](const httplib::Request&, httplib::Response& res) {
        res.set_content("1.2.3\r\n", "text/plain");
    });
    server.Get("/newer" + path, [](const httplib::Request&, httplib::Response& res) {
        res.set_content("1.10.0\r\nnote di rilascio\r\n", "text/plain");
    });
    server.Get("/short" + path, [](const httplib::Request&, httplib::Response& res) {
        res.set_content("1.2\r\n", "text/plain");
    });
    server.Get("/silent" + path, [&self](const httplib::Request&, httplib::Response& res) {
        self.holdBack(60s);
        res.set_content("9.9.9\r\n", "text/plain");
    });
}

} // namespace

class TestVersionCheck : public QObject {
    Q_OBJECT
private slots:
    void replies_data();
    void replies();
    void silentServerWaitsNoLongerThanTheLimit();
};

void TestVersionCheck::replies_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("offered"); // "" for none
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("fileKept");
    QTest::newRow("newer") << QStringLiteral("/newer") << QStringLiteral("1.10.0")
                           << QStringLiteral("") << true;
    QTest::newRow("same") << QStringLiteral("/same") << QStringLiteral("") << QStringLiteral("")
                          << false;
    QTest::newRow("missing part")
        << QStringLiteral("/short") << QStringLiteral("")
        << QStringLiteral(
               "Error 9 (Subscript out of range) in procedure NewVersion of Modulo corpo")
        << true;
    QTest::newRow("not found") << QStringLiteral("/nothing") << QStringLiteral("")
                               << QStringLiteral("") << false;
    QTest::newRow("refused") << QStringLiteral("") << QStringLiteral("") << QStringLiteral("")
                             << false;
}

void TestVersionCheck::replies() {
    QFETCH(QString, route);
    QFETCH(QString, offered);
    QFETCH(QString, message);
    QFETCH(bool, fileKept);
    test::TestServer server(versionRoutes);
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    const auto base = route.isEmpty() ? "http://127.0.0.1:" + std::to_string(test::closedPort())
                                      : server.base() + route.toStdString();
    QtVersionCheck check({base, "1.2.3", scratch.file("dvxlocver.txt"), 3000ms});
    check.start();
    const auto offer = check.finish(platform);
    QCOMPARE(offer.has_value(), !offered.isEmpty());
    if (offer) {
        QCOMPARE(QString::fromStdString(offer->remoteVersion), offered);
        QCOMPARE(QString::fromStdString(offer->localVersion), QStringLiteral("1.2.3"));
    }
    if (message.isEmpty()) {
        QVERIFY(platform.messages.empty());
    } else {
        QCOMPARE(platform.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(platform.lastMessage().text), message);
    }
    QCOMPARE(QFile::exists(QString::fromStdString(scratch.file("dvxlocver.txt"))), fileKept);
}

void TestVersionCheck::silentServerWaitsNoLongerThanTheLimit() {
    test::TestServer server(versionRoutes);
    test::ScratchFolder scratch;
    test::RecordingPlatform platform;
    QtVersionCheck check({server.base() + "/silent", "1.2.3", scratch.file("dvxlocver.txt")});
    QElapsedTimer clock;
    clock.start();
    check.start();
    const auto offer = check.finish(platform);
    const auto waited = clock.elapsed();
    server.release();
    QVERIFY(!offer.has_value());
    QVERIFY(platform.messages.empty());
    QVERIFY2(waited < 4500, qPrintable(QString::number(waited)));
    QVERIFY2(waited >= 2500, qPrintable(QString::number(waited)));
}

QTEST_MAIN(TestVersionCheck)
#include "test_version_check.moc"
