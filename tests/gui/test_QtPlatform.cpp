// The desktop platform: message boxes as the program asks for them, and the
// filter and line-break conversions.

#include "QtItalianTexts.h"
#include "QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace dvx;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the next message box by pressing the button with caption press
// (or Escape when press is empty), after noting what it showed.
void answerNextBox(SeenBox& seen, const QString& press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (auto* button : box->buttons()) {
            seen.buttons << button->text();
        }
        if (press.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (auto* button : box->buttons()) {
            if (button->text() == press) {
                button->click();
            }
        }
    });
}

} // namespace

class TestQtPlatform : public QObject {
    Q_OBJECT
private slots:
    void messageShowsWhatWasAsked_data();
    void messageShowsWhatWasAsked();
    void filtersBecomeQtFilters_data();
    void filtersBecomeQtFilters();
    void savedNameGetsTheFilterExtension_data();
    void savedNameGetsTheFilterExtension();
    void qtDialogsSpeakItalian();
};

void TestQtPlatform::messageShowsWhatWasAsked_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<int>("shownIcon");
    QTest::addColumn<QStringList>("shownButtons");
    QTest::addColumn<int>("answer");
    QTest::newRow("question yes") << "Attenzione" << int(Icon::Question) << int(Buttons::YesNo)
                                  << "&Sì"
                                  << "Attenzione" << int(QMessageBox::Question)
                                  << QStringList{"&Sì", "&No"} << int(Answer::Yes);
    QTest::newRow("question escaped")
        << "Attenzione" << int(Icon::Question) << int(Buttons::YesNo) << ""
        << "Attenzione" << int(QMessageBox::Question) << QStringList{"&Sì", "&No"}
        << int(Answer::No);
    QTest::newRow("untitled ok") << "" << int(Icon::None) << int(Buttons::Ok) << "OK"
                                 << "Decaventrix" << int(QMessageBox::NoIcon) << QStringList{"OK"}
                                 << int(Answer::Ok);
    QTest::newRow("critical") << "E R R O R E" << int(Icon::Critical) << int(Buttons::OkCancel)
                              << "Annulla"
                              << "E R R O R E" << int(QMessageBox::Critical)
                              << QStringList{"OK", "Annulla"} << int(Answer::Cancel);
}

void TestQtPlatform::messageShowsWhatWasAsked() {
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(QString, press);
    QFETCH(QString, shownTitle);
    QFETCH(int, shownIcon);
    QFETCH(QStringList, shownButtons);
    QFETCH(int, answer);
    QtPlatform platform("Decaventrix");
    SeenBox seen;
    answerNextBox(seen, press);
    const auto got = platform.message("Colonne elaborate  12\rUscire dallo sviluppo?",
                                      title.toStdString(), Icon(icon), Buttons(buttons));
    QCOMPARE(int(got), answer);
    QCOMPARE(seen.title, shownTitle);
    QCOMPARE(seen.text, QStringLiteral("Colonne elaborate  12\nUscire dallo sviluppo?"));
    QCOMPARE(int(seen.icon), shownIcon);
    auto sortedSeen = seen.buttons;
    auto sortedExpected = shownButtons;
    sortedSeen.sort();
    sortedExpected.sort();
    QCOMPARE(sortedSeen, sortedExpected);
}

void TestQtPlatform::filtersBecomeQtFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("named pattern") << "File TXT (*.txt)|*.txt"
                                   << "File TXT (*.txt)"
                                   << "txt";
    QTest::newRow("bare description") << "Sistemi|*.dvx"
                                      << "Sistemi (*.dvx)"
                                      << "dvx";
    QTest::newRow("no bar") << "*.csv"
                            << "*.csv"
                            << "csv";
    QTest::newRow("any file") << "Tutti i file|*.*"
                              << "Tutti i file (*.*)"
                              << "";
    QTest::newRow("two patterns") << "Testi|*.txt;*.csv"
                                  << "Testi (*.txt;*.csv)"
                                  << "";
}

void TestQtPlatform::filtersBecomeQtFilters() {
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QFETCH(QString, suffix);
    QCOMPARE(qtFileFilter(filter.toStdString()), qt);
    QCOMPARE(qtDefaultSuffix(filter.toStdString()), suffix);
    QCOMPARE(qtMessageText("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
}

void TestQtPlatform::savedNameGetsTheFilterExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("bare name") << "prova"
                               << "prova.dvx";
    QTest::newRow("with extension") << "prova.dvx"
                                    << "prova.dvx";
}

void TestQtPlatform::savedNameGetsTheFilterExtension() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QTimer::singleShot(0, [&typed] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name != nullptr);
        name->setText(typed);
        QTest::keyClick(name, Qt::Key_Return);
    });
    QtPlatform platform("Decaventrix");
    const auto path =
        platform.saveFileName(folder.path().toStdString(), "Sistemi Decaventrix (*.dvx)|*.dvx", "");
    QVERIFY(path.has_value());
    QCOMPARE(QFileInfo(QString::fromStdString(*path)).fileName(), saved);
}

void TestQtPlatform::qtDialogsSpeakItalian() {
    const QDir translations(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!translations.exists("qtbase_it.qm")) {
        QSKIP("this system has no Italian translations of Qt");
    }
    QVERIFY(installItalianQtTexts(*QCoreApplication::instance()));
    for (const char* english : {"Look in:", "&Save", "File &name:"}) {
        const auto shown = QCoreApplication::translate("QFileDialog", english);
        QVERIFY2(!shown.isEmpty() && shown != QString(english), english);
    }
}

QTEST_MAIN(TestQtPlatform)
#include "test_QtPlatform.moc"
