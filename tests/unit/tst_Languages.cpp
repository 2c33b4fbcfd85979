#include "core/LanguageChoice.h"
#include "core/Localization.h"
#include "core/RtfReader.h"
#include "core/TapeAdoption.h"
#include "core/Translations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <sys/stat.h>
#include <utime.h>

// Which language a choice means, the built translations and descriptions, and a tape
// saved under another language's name taken over as the shape's tape.
class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void aChoiceMeansALanguage_data();
    void aChoiceMeansALanguage();
    void translationsAndDescriptionsAreBuiltIn_data();
    void translationsAndDescriptionsAreBuiltIn();
    void anotherLanguagesTapeIsTakenOver_data();
    void anotherLanguagesTapeIsTakenOver();
    void aFailedRenameLeavesTheTapeWhereItIs();
    void cleanup() { Translations::install(QStringLiteral("en")); }
};

void LanguagesTest::aChoiceMeansALanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("code");
    QTest::newRow("system, German") << "System"
                                    << "de_AT"
                                    << "de";
    QTest::newRow("system, a language not spoken") << "System"
                                                   << "pt_BR"
                                                   << "en";
    QTest::newRow("system, C") << "System"
                               << "C"
                               << "en";
    QTest::newRow("a choice overrides the system") << "fr"
                                                   << "de_DE"
                                                   << "fr";
    QTest::newRow("missing value") << ""
                                   << "es_ES"
                                   << "es";
    QTest::newRow("damaged value is System") << "Deutsch\n"
                                             << "en_GB"
                                             << "en";
}

void LanguagesTest::aChoiceMeansALanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, system);
    QFETCH(QString, code);
    const Language language = LanguageChoice::fromStored(stored);
    QCOMPARE(LanguageChoice::codeFor(language, QLocale(system)), code);
    if (language != Language::System)
        QCOMPARE(LanguageChoice::storedName(language), stored);
}

void LanguagesTest::translationsAndDescriptionsAreBuiltIn_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("circle");
    QTest::addColumn<QString>("tapeLabel");
    QTest::addColumn<QString>("descriptionWord"); // with a letter escaped in the RTF
    QTest::newRow("de") << "de"
                        << "Kreis"
                        << "\nFlächeninhalt: "
                        << "Größen";
    QTest::newRow("fr") << "fr"
                        << "Cercle"
                        << "\nAire : "
                        << "Périmètre";
    QTest::newRow("es") << "es"
                        << "Círculo"
                        << "\nÁrea: "
                        << "Qué valor se usa";
    QTest::newRow("en, no translation") << "en"
                                        << "Circle"
                                        << "\nArea: "
                                        << "Quantities";
}

void LanguagesTest::translationsAndDescriptionsAreBuiltIn()
{
    QFETCH(QString, code);
    QFETCH(QString, circle);
    QFETCH(QString, tapeLabel);
    QFETCH(QString, descriptionWord);
    Translations::install(code);
    QCOMPARE(Translations::active(), code);
    QCOMPARE(localized("Circle"), circle);
    QCOMPARE(localized("\nArea: "), tapeLabel);
    // Placeholders and the leading line break survive translation.
    QVERIFY(localized("The %1 tape could not be saved to %2: %3.").contains("%3"));
    QFile description(Translations::localizedResource("InfoCircle.rtfd/TXT.rtf"));
    QVERIFY2(description.open(QIODevice::ReadOnly), qPrintable(description.fileName()));
    QTextDocument document;
    RtfReader::read(description.readAll(), document);
    QVERIFY2(document.toPlainText().startsWith(circle), qPrintable(document.toPlainText()));
    QVERIFY(document.toPlainText().contains(descriptionWord));
}

void LanguagesTest::anotherLanguagesTapeIsTakenOver_data()
{
    // Files in the folder beforehand: name, then "f" file, "l" link, "d" folder, each
    // with its age in seconds. The current name is "Kreis Protokoll".
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("taken");      // the file whose content ends at the path
    QTest::addColumn<QStringList>("remain"); // still in place afterwards
    QTest::newRow("English tape renamed")
        << QStringList{"Circle Tape:f:10"} << "Circle Tape" << QStringList{};
    QTest::newRow("own tape kept, the other untouched")
        << QStringList{"Kreis Protokoll:f:20", "Circle Tape:f:10"} << "Kreis Protokoll"
        << QStringList{"Circle Tape"};
    QTest::newRow("newest of two, the older left alone")
        << QStringList{"Circle Tape:f:50", "Cercle Bande:f:5"} << "Cercle Bande"
        << QStringList{"Circle Tape"};
    QTest::newRow("a link is never renamed") << QStringList{"Círculo Cinta:l:1", "Circle Tape:f:50"}
                                             << "Circle Tape" << QStringList{"Círculo Cinta"};
    QTest::newRow("a folder is never renamed")
        << QStringList{"Circle Tape:d:1"} << "" << QStringList{"Circle Tape"};
    QTest::newRow("nothing to take over") << QStringList{} << "" << QStringList{};
}

void LanguagesTest::anotherLanguagesTapeIsTakenOver()
{
    QFETCH(QStringList, present);
    QFETCH(QString, taken);
    QFETCH(QStringList, remain);
    QTemporaryDir folder;
    const QDir dir(folder.path());
    QFile outside(dir.filePath("outside"));
    QVERIFY(outside.open(QIODevice::WriteOnly) && outside.write("outside") == 7);
    outside.close();
    for (const QString& row : present) {
        const QStringList parts = row.split(':');
        const QString path = dir.filePath(parts[0]);
        if (parts[1] == "d") {
            QVERIFY(dir.mkdir(parts[0]));
            continue;
        }
        if (parts[1] == "l") {
            QVERIFY(QFile::link(outside.fileName(), path));
            continue;
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(parts[0].toUtf8()) > 0);
        file.close();
        const time_t when = time(nullptr) - parts[2].toInt();
        const utimbuf times{when, when};
        QCOMPARE(utime(QFile::encodeName(path).constData(), &times), 0);
    }
    QStringList candidates;
    for (const QString& name : TapeAdoption::tapeFileNames("Circle"))
        candidates << dir.filePath(name);
    QCOMPARE(candidates.size(), 4);
    const QString path = dir.filePath("Kreis Protokoll");

    const TapeAdoption::Result result = TapeAdoption::adopt(path, candidates);

    QCOMPARE(result.readFrom, path);
    QVERIFY(result.error.isEmpty());
    QFile own(path);
    if (taken.isEmpty()) {
        QVERIFY(!own.exists());
    } else {
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(own.readAll()), taken);
        QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
    }
    for (const QString& name : remain)
        QVERIFY2(QFileInfo(dir.filePath(name)).exists(), qPrintable(name));
    QCOMPARE(QFileInfo(outside.fileName()).size(), 7);
}

void LanguagesTest::aFailedRenameLeavesTheTapeWhereItIs()
{
    QTemporaryDir folder;
    const QString english = QDir(folder.path()).filePath("Circle Tape");
    QFile file(english);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("tape") == 4);
    file.close();
    // The current name in a folder that is not there: the rename must fail.
    const QString path = QDir(folder.path()).filePath("missing/Kreis Protokoll");

    const TapeAdoption::Result result = TapeAdoption::adopt(path, {english});

    QCOMPARE(result.readFrom, english);
    QCOMPARE(result.adoptedFrom, english);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(QFileInfo(english).size(), 4);
}

QTEST_MAIN(LanguagesTest)
#include "tst_Languages.moc"
