// The progress dialog: its cancel question and what the answers do.

#include "QtProgress.h"
#include "RecordingPlatform.h"
#include "frmCalcolo.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace dvx;

class TestFrmCalcolo : public QObject {
    Q_OBJECT
private slots:
    void showsItsControls();
    void openingClearsAnEarlierCancel();
    void cancelAsksWithTheProcessedCount_data();
    void cancelAsksWithTheProcessedCount();
    void closeBoxAsksLikeCancel();
    void progressDrivesBarCaptionAndAlarm();
};

void TestFrmCalcolo::showsItsControls() {
    test::RecordingPlatform platform;
    bool cancel = false;
    frmCalcolo dialog(platform, cancel);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Elaborazione in corso..."));
    QCOMPARE(dialog.findChild<QPushButton*>("cmdSvilAnnulla")->text(), QStringLiteral("&Annulla"));
    QCOMPARE(dialog.findChild<QLabel*>("labAllarm")->text(), QString());
    QStringList scale;
    for (auto* mark : dialog.findChild<QWidget*>("Label1")->findChildren<QLabel*>()) {
        scale << mark->text();
    }
    QCOMPARE(scale, QStringList({"0%", "50%", "100%"}));
    auto* bar = dialog.findChild<QProgressBar*>("pb");
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
}

void TestFrmCalcolo::openingClearsAnEarlierCancel() {
    // The previous run ended on a cancel; the flag is cleared when the new
    // run's dialog opens, so a cancel confirmed right after still counts.
    test::RecordingPlatform platform;
    platform.answers.push_back(Answer::Yes);
    bool cancel = true;
    frmCalcolo dialog(platform, cancel);
    QVERIFY(!cancel);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdSvilAnnulla"), Qt::LeftButton);
    QVERIFY(cancel);
}

void TestFrmCalcolo::cancelAsksWithTheProcessedCount_data() {
    QTest::addColumn<int>("processed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("yes") << 185 << int(Answer::Yes)
                         << "Colonne elaborate  185\rUscire dallo sviluppo?" << true;
    QTest::newRow("no") << 184756 << int(Answer::No)
                        << "Colonne elaborate  184756\rUscire dallo sviluppo?" << false;
    QTest::newRow("nothing yet") << 0 << int(Answer::Yes)
                                 << "Colonne elaborate  0\rUscire dallo sviluppo?" << true;
}

void TestFrmCalcolo::cancelAsksWithTheProcessedCount() {
    QFETCH(int, processed);
    QFETCH(int, answer);
    QFETCH(QString, text);
    QFETCH(bool, cancelled);
    test::RecordingPlatform platform;
    platform.answers.push_back(Answer(answer));
    bool cancel = false;
    frmCalcolo dialog(platform, cancel);
    dialog.show();
    dialog.progress().setCaption("Riduzione in corso....");
    dialog.progress().processed = processed;
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdSvilAnnulla"), Qt::LeftButton);
    QCOMPARE(platform.beeps, 1);
    QCOMPARE(platform.messages.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(platform.lastMessage().text), text);
    QCOMPARE(platform.lastMessage().title, std::string("Riduzione in corso...."));
    QCOMPARE(int(platform.lastMessage().icon), int(Icon::Question));
    QCOMPARE(int(platform.lastMessage().buttons), int(Buttons::YesNo));
    QCOMPARE(cancel, cancelled);
    QVERIFY(dialog.isVisible()); // the running work closes it, not the answer
}

void TestFrmCalcolo::closeBoxAsksLikeCancel() {
    test::RecordingPlatform platform;
    platform.answers = {Answer::No, Answer::Yes};
    bool cancel = false;
    frmCalcolo dialog(platform, cancel);
    dialog.show();
    dialog.close();
    QVERIFY(dialog.isVisible());
    QVERIFY(!cancel);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(cancel);
    QCOMPARE(platform.messages.size(), std::size_t(2));
    dialog.finish();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(platform.messages.size(), std::size_t(2));
}

void TestFrmCalcolo::progressDrivesBarCaptionAndAlarm() {
    test::RecordingPlatform platform;
    bool cancel = false;
    frmCalcolo dialog(platform, cancel);
    auto& progress = dialog.progress();
    progress.setPercent(40);
    QCOMPARE(dialog.findChild<QProgressBar*>("pb")->value(), 40);
    progress.setAlarm("ATTENZIONE !!! Sviluppo superiore alla capienza della memoria");
    QCOMPARE(dialog.findChild<QLabel*>("labAllarm")->text(),
             QStringLiteral("ATTENZIONE !!! Sviluppo superiore alla capienza della memoria"));
    progress.setCaption("Riduzione in corso....");
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Riduzione in corso...."));
    progress.processed = 7;
    QCOMPARE(dialog.colonneElaborate(), 7);
}

QTEST_MAIN(TestFrmCalcolo)
#include "test_frmCalcolo.moc"
