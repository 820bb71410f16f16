// The listing window: the pictures by colour, the copies, the listing sent
// once per copy to the settings' printer, the PDF, the settings button.

#include "PrintWindowTools.h"
#include "frmTabulato.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

using namespace dvx;
using test::child;
using test::PrintFixture;

namespace {

bool isGrey(const QPixmap& pixmap) {
    const auto image = pixmap.toImage();
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7) {
            const auto c = image.pixelColor(x, y);
            if (std::abs(c.red() - c.blue()) > 12 || std::abs(c.red() - c.green()) > 12) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

class TestFrmTabulato : public QObject {
    Q_OBJECT
private slots:
    void showsTheColourPicturesAndOneCopy();
    void blackAndWhiteSwapsThePictures();
    void printsOneJobPerCopyOnTheListingPrinter_data();
    void printsOneJobPerCopyOnTheListingPrinter();
    void aFailureStopsTheCopiesAndSaysWhere();
    void savesEveryCopyInOnePdf();
    void settingsButtonReadsTheSettingsAgain();
    void closingClearsTheLogo();
};

void TestFrmTabulato::showsTheColourPicturesAndOneCopy() {
    PrintFixture f;
    f.shipImages();
    f.columns(20);
    frmTabulato w(*f.app, f.platform, f.printer);
    QCOMPARE(w.windowTitle(), QString("Stampa Tabulato"));
    QVERIFY(child<QCheckBox>(w, "chkColor")->isChecked());
    QCOMPARE(child<QCheckBox>(w, "chkColor")->text(), QString("A colori"));
    QCOMPARE(child<QLabel>(w, "labCopie")->text(), QString("1"));
    QVERIFY(!child<QLabel>(w, "logo")->pixmap().isNull());
    QVERIFY(!isGrey(child<QLabel>(w, "logo")->pixmap()));
    QVERIFY(!isGrey(child<QLabel>(w, "vietato")->pixmap()));
    child<QScrollBar>(w, "VsCopie")->setValue(3);
    QCOMPARE(child<QLabel>(w, "labCopie")->text(), QString("3"));
    QCOMPARE(w.copies(), 3);
}

void TestFrmTabulato::blackAndWhiteSwapsThePictures() {
    PrintFixture f;
    f.shipImages();
    f.columns(20);
    frmTabulato w(*f.app, f.platform, f.printer);
    child<QCheckBox>(w, "chkColor")->setChecked(false);
    QVERIFY(isGrey(child<QLabel>(w, "logo")->pixmap()));
    QVERIFY(isGrey(child<QLabel>(w, "vietato")->pixmap()));
    child<QPushButton>(w, "cmdStampa")->click();
    const auto page = f.printer.jobs.front().document.page(0);
    QStringList pictures;
    for (const auto& item : page.items) {
        if (const auto* image = std::get_if<ImageItem>(&item)) {
            pictures << QString::fromStdString(image->path);
        }
    }
    QCOMPARE(pictures,
             (QStringList{QString::fromStdString(f.folder.file("images/logoTabulatoBW.jpg")),
                          QString::fromStdString(f.folder.file("images/vietatoBW.jpg"))}));
}

void TestFrmTabulato::printsOneJobPerCopyOnTheListingPrinter_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("target");
    QTest::newRow("installed") << "Cantina"
                               << "Cantina";
    QTest::newRow("gone: the default") << "Soffitta"
                                       << "";
}

void TestFrmTabulato::printsOneJobPerCopyOnTheListingPrinter() {
    QFETCH(QString, stored);
    QFETCH(QString, target);
    PrintFixture f;
    f.columns(20);
    f.app->settings.stampanteTabulato = stored.toStdString();
    f.app->settings.intestazione = "Ricevitoria";
    frmTabulato w(*f.app, f.platform, f.printer);
    child<QScrollBar>(w, "VsCopie")->setValue(2);
    f.printer.onPage = [&](int) { QVERIFY(!child<QPushButton>(w, "cmdStampa")->isEnabled()); };
    child<QPushButton>(w, "cmdStampa")->click();
    QCOMPARE(f.printer.previews.size(), std::size_t{1});
    QCOMPARE(f.printer.jobs.size(), std::size_t{2});
    for (const auto& job : f.printer.jobs) {
        QCOMPARE(QString::fromStdString(job.target), target);
        const auto first = std::get<TextItem>(job.document.page(0).items.front());
        QCOMPARE(first.text, std::string("Pag. 1 Ricevitoria - By Quorvel - www.decaventrix.it"));
    }
    QVERIFY(child<QPushButton>(w, "cmdStampa")->isEnabled());

    f.printer.previewAnswer = false;
    child<QPushButton>(w, "cmdStampa")->click();
    QCOMPARE(f.printer.jobs.size(), std::size_t{2});
}

void TestFrmTabulato::aFailureStopsTheCopiesAndSaysWhere() {
    PrintFixture f;
    f.columns(5);
    f.printer.failure = PrintFailure{482, "Printer error"};
    frmTabulato w(*f.app, f.platform, f.printer);
    child<QScrollBar>(w, "VsCopie")->setValue(3);
    child<QPushButton>(w, "cmdStampa")->click();
    QCOMPARE(f.printer.jobs.size(), std::size_t{1});
    QCOMPARE(f.platform.messages.size(), std::size_t{1});
    QCOMPARE(f.platform.lastMessage().text,
             std::string("Error 482 (Printer error) in procedure Stampa Tabulato"));
    QCOMPARE(f.platform.lastMessage().buttons, Buttons::Ok);
}

void TestFrmTabulato::savesEveryCopyInOnePdf() {
    PrintFixture f;
    f.columns(19 * 4); // two pages a copy
    frmTabulato w(*f.app, f.platform, f.printer);
    child<QScrollBar>(w, "VsCopie")->setValue(2);
    f.platform.fileNames = {f.folder.file("tabulato.pdf")};
    child<QPushButton>(w, "cmdPdf")->click();
    QCOMPARE(f.platform.fileRequests.back(), "save " + f.folder.folder() + "|PDF|*.pdf|prova.pdf");
    QCOMPARE(f.printer.jobs.size(), std::size_t{1});
    QVERIFY(f.printer.jobs[0].pdf);
    QCOMPARE(f.printer.jobs[0].document.pageCount, 4);
}

void TestFrmTabulato::settingsButtonReadsTheSettingsAgain() {
    PrintFixture f;
    f.columns(3);
    f.folder.write("impostazioni.cfg", "Prima\r\nUfficio\r\n");
    frmTabulato w(*f.app, f.platform, f.printer);
    QTimer::singleShot(0, [&] {
        auto* dialog = test::openWindow("frmImpostazioni");
        QVERIFY(dialog != nullptr);
        child<QLineEdit>(*dialog, "mskIntestazione")->setText("Dopo");
        child<QPushButton>(*dialog, "cmdSalva")->click();
    });
    child<QPushButton>(w, "cmdImpostazioni")->click();
    QCOMPARE(f.app->settings.intestazione, std::string("Dopo"));
    child<QPushButton>(w, "cmdStampa")->click();
    const auto first = std::get<TextItem>(f.printer.jobs.front().document.page(0).items.front());
    QCOMPARE(first.text, std::string("Pag. 1 Dopo - By Quorvel - www.decaventrix.it"));
    QCOMPARE(f.printer.jobs.front().target, std::string("Ufficio"));
}

void TestFrmTabulato::closingClearsTheLogo() {
    PrintFixture f;
    f.shipImages();
    frmTabulato w(*f.app, f.platform, f.printer);
    w.show();
    QVERIFY(!child<QLabel>(w, "logo")->pixmap().isNull());
    w.close();
    QVERIFY(child<QLabel>(w, "logo")->pixmap().isNull());
}

QTEST_MAIN(TestFrmTabulato)
#include "test_frmTabulato.moc"
