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
    void aChoiceMeansALanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("code");
        const auto row = [](const char* name, const char* stored, const char* system,
                            const char* code) {
            QTest::newRow(name) << QString(stored) << QString(system) << QString(code);
        };
        row("system, German", "System", "de_AT", "de");
        row("system, a language not spoken", "System", "pt_BR", "en");
        row("system, C", "System", "C", "en");
        row("a choice overrides the system", "fr", "de_DE", "fr");
        row("missing value", "", "es_ES", "es");
        row("damaged value is System", "Deutsch\n", "en_GB", "en");
    }
    void aChoiceMeansALanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, system);
        const Language language = LanguageChoice::fromStored(stored);
        QTEST(LanguageChoice::codeFor(language, QLocale(system)), "code");
        if (language != Language::System)
            QCOMPARE(LanguageChoice::storedName(language), stored);
    }
    void translationsAndDescriptionsAreBuiltIn_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("circle");
        QTest::addColumn<QString>("tapeLabel");
        QTest::addColumn<QString>("descriptionWord"); // with a letter escaped in the RTF
        const auto row = [](const char* code, const char* circle, const char* label,
                            const char* word) {
            QTest::newRow(code) << QString(code) << QString(circle) << QString(label)
                                << QString(word);
        };
        row("de", "Kreis", "\nFlächeninhalt: ", "Größen");
        row("fr", "Cercle", "\nAire : ", "Périmètre");
        row("es", "Círculo", "\nÁrea: ", "Qué valor se usa");
        row("en", "Circle", "\nArea: ", "Quantities"); // no translation
    }
    void translationsAndDescriptionsAreBuiltIn()
    {
        QFETCH(QString, code);
        QFETCH(QString, circle);
        QFETCH(QString, descriptionWord);
        Translations::install(code);
        QCOMPARE(Translations::active(), code);
        QCOMPARE(localized("Circle"), circle);
        QTEST(localized("\nArea: "), "tapeLabel");
        // Placeholders and the leading line break survive translation.
        QVERIFY(localized("The %1 tape could not be saved to %2: %3.").contains("%3"));
        QFile description(Translations::localizedResource("InfoCircle.rtfd/TXT.rtf"));
        QVERIFY2(description.open(QIODevice::ReadOnly), qPrintable(description.fileName()));
        QTextDocument document;
        RtfReader::read(description.readAll(), document);
        QVERIFY2(document.toPlainText().startsWith(circle), qPrintable(document.toPlainText()));
        QVERIFY(document.toPlainText().contains(descriptionWord));
    }
    void anotherLanguagesTapeIsTakenOver_data()
    {
        // Files in the folder beforehand: name, then "f" file, "l" link, "d" folder, each
        // with its age in seconds. The current name is "Kreis Protokoll".
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("taken");      // the file whose content ends at the path
        QTest::addColumn<QStringList>("remain"); // still in place afterwards
        const auto row = [](const char* name, const char* present, const char* taken,
                            const char* remain) {
            QTest::newRow(name) << QString(present).split(',', Qt::SkipEmptyParts) << QString(taken)
                                << QString(remain).split(',', Qt::SkipEmptyParts);
        };
        row("English tape renamed", "Circle Tape:f:10", "Circle Tape", "");
        row("own tape kept, the other untouched", "Kreis Protokoll:f:20,Circle Tape:f:10",
            "Kreis Protokoll", "Circle Tape");
        row("newest of two, the older left alone", "Circle Tape:f:50,Cercle Bande:f:5",
            "Cercle Bande", "Circle Tape");
        row("a link is never renamed", "Círculo Cinta:l:1,Circle Tape:f:50", "Circle Tape",
            "Círculo Cinta");
        row("a folder is never renamed", "Circle Tape:d:1", "", "Circle Tape");
        row("nothing to take over", "", "", "");
    }
    void anotherLanguagesTapeIsTakenOver()
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
    void aFailedRenameLeavesTheTapeWhereItIs()
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
    void cleanup() { Translations::install(QStringLiteral("en")); }
};

QTEST_MAIN(LanguagesTest)
#include "tst_Languages.moc"
