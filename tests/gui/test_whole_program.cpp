// A whole session in the real main window: pick twelve numbers with the
// mouse, switch the sum condition on, develop, save under a chosen name,
// and read back what landed on disk.

#include "AppState.h"
#include "ProgramPaths.h"
#include "RecordingPlatform.h"
#include "ScratchFolder.h"
#include "SumCount.h"
#include "SystemFile.h"
#include "frmMAIN.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <fstream>

using namespace dvx;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

class TestWholeProgram : public QObject {
    Q_OBJECT
private slots:
    void developAndSaveASumConditionedSystem();
};

void TestWholeProgram::developAndSaveASumConditionedSystem() {
    test::ScratchFolder folder;
    AppState app;
    app.programFolder = folder.folder();
    QVERIFY(!prepareProgramFolder(folder.folder(), folder.file("no-shipped-data")));
    test::RecordingPlatform platform;
    frmMAIN window(app, platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    platform.messages.clear(); // no settings file yet

    for (int i = 0; i < 12; ++i) {
        auto* cell = window.findChild<QLabel*>(QStringLiteral("grnum_%1").arg(i));
        QTest::mouseClick(cell->parentWidget(), Qt::LeftButton, {}, cell->geometry().center());
    }
    QCOMPARE(window.findChild<QLabel*>("labnumeri")->text(),
             QStringLiteral("Numeri in gioco [12]"));

    // Switch the sum condition on in its dialog, with the range 60..66.
    bool dialogSeen = false;
    QTimer::singleShot(0, [&dialogSeen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr && dialog->objectName() == "frmSomma");
        dialogSeen = true;
        QTest::mouseClick(dialog->findChild<QRadioButton*>("optCondSomma_0"), Qt::LeftButton);
        dialog->findChild<QLineEdit*>("meDa")->setText("60");
        dialog->findChild<QLineEdit*>("meA")->setText("66");
        dialog->close();
    });
    window.findChild<QAction*>("menuSomma")->trigger();
    QVERIFY(dialogSeen);
    QVERIFY(platform.messages.empty());
    QVERIFY(window.findChild<QAction*>("menuSomma")->isChecked());

    QTest::mouseClick(window.findChild<QPushButton*>("cmdCalcolo"), Qt::LeftButton);
    const int expected = test::columnsOf12WithSumIn(60, 66);
    QVERIFY(expected > 0 && expected < 66);
    QCOMPARE(app.system.sistema.columnCount, expected);
    QCOMPARE(window.findChild<QLabel*>("StBar_4")->text(), QStringLiteral("Condizionato"));

    const auto path = folder.file("sistemi/prova.dvx");
    platform.fileNames.push_back(path);
    window.findChild<QAction*>("menusalvacome")->trigger();
    QVERIFY(platform.messages.empty());
    QCOMPARE(window.findChild<QLabel*>("StBar_1")->text(), QStringLiteral("prova.dvx"));

    const auto read = parseSystemFile(readAll(path));
    QVERIFY(read.ok());
    QCOMPARE(read.content.sistema.columnCount, expected);
    QCOMPARE(read.content.sistema.typeText, std::string("Condizionato"));
    QCOMPARE(int(read.content.sistema.countInPlay), 12);
    QVERIFY(read.content.condizioni.sommaOn != kFalse);
    QCOMPARE(read.content.condizioni.somma[0], std::int16_t(60));
    QCOMPARE(read.content.condizioni.somma[1], std::int16_t(66));
    for (const auto& column : read.content.columns) {
        int sum = 0;
        for (const auto n : column) {
            QVERIFY(n >= 1 && n <= 12);
            sum += n;
        }
        QVERIFY(sum >= 60 && sum <= 66);
    }
}

QTEST_MAIN(TestWholeProgram)
#include "test_whole_program.moc"
