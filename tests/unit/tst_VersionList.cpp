#include "app/VersionList.h"

#include <QTest>

class VersionListTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheVersionOnlyFromAWellFormedList_data();
    void readsTheVersionOnlyFromAWellFormedList();
    void acceptsOnlyAShortPlainVersionString_data();
    void acceptsOnlyAShortPlainVersionString();
};

void VersionListTest::readsTheVersionOnlyFromAWellFormedList_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("expected"); // null: no version
    const QByteArray head = "<?xml version=\"1.0\"?>";
    QTest::newRow("the key among others")
        << head + "<plist version=\"1.0\"><dict><key>Other.app</key><string>1</string>"
                  "<key>Polymetra.app</key><string>2.1.0</string></dict></plist>"
        << "2.1.0";
    QTest::newRow("a public doctype is fine")
        << head + "<!DOCTYPE plist PUBLIC \"-//X//DTD PLIST 1.0//EN\" \"http://x/p.dtd\">"
                  "<plist><dict><key>Polymetra.app</key><string>3</string></dict></plist>"
        << "3";
    QTest::newRow("key missing") << head + "<plist><dict><key>Other.app</key><string>1</string>"
                                           "</dict></plist>"
                                 << QString();
    QTest::newRow("value not a string")
        << head + "<plist><dict><key>Polymetra.app</key><integer>2</integer></dict></plist>"
        << QString();
    QTest::newRow("key inside a nested dictionary")
        << head + "<plist><dict><key>x</key><dict><key>Polymetra.app</key><string>2</string>"
                  "</dict></dict></plist>"
        << QString();
    QTest::newRow("root is not a dictionary")
        << head + "<plist><array><string>2</string></array></plist>" << QString();
    QTest::newRow("not a property list")
        << QByteArray("<html><body>Not here</body></html>") << QString();
    QTest::newRow("truncated") << head + "<plist><dict><key>Polymetra.app</key><string>2"
                               << QString();
    QTest::newRow("internal subset refused")
        << head + "<!DOCTYPE plist [<!ENTITY v \"9\">]><plist><dict><key>Polymetra.app</key>"
                  "<string>&v;</string></dict></plist>"
        << QString();
    QTest::newRow("undeclared entity") << head + "<plist><dict><key>Polymetra.app</key>"
                                                 "<string>&v;</string></dict></plist>"
                                       << QString();
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("over the size limit")
        << head + "<plist><dict><key>Polymetra.app</key><string>2</string></dict></plist>" +
               QByteArray(VersionList::maxDocumentSize, ' ')
        << QString();
}

void VersionListTest::readsTheVersionOnlyFromAWellFormedList()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, expected);
    const std::optional<QString> version = VersionList::versionFor(document);
    QCOMPARE(version.has_value(), !expected.isNull());
    if (version)
        QCOMPARE(*version, expected);
}

// The string ends up in an alert, so a list the build itself would publish must carry
// nothing but version text.
void VersionListTest::acceptsOnlyAShortPlainVersionString_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("what the build publishes") << "4.5.6" << true;
    QTest::newRow("every allowed punctuation") << "2.0-beta+exp.sha_1~rc 2" << true;
    QTest::newRow("32 characters") << QString(32, '1') << true;
    QTest::newRow("33 characters") << QString(33, '1') << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("markup") << R"(<img src="file:///etc/passwd">1.0)" << false;
    QTest::newRow("entity-like text") << "1.0&amp;" << false;
    QTest::newRow("tab") << "1.0\t2" << false;
    QTest::newRow("line break") << "1.0\n" << false;
    QTest::newRow("direction override") << QStringLiteral("1.0\u202e") << false;
    QTest::newRow("letter of another script") << QStringLiteral("1.0\u03b1") << false;
}

void VersionListTest::acceptsOnlyAShortPlainVersionString()
{
    QFETCH(QString, version);
    QFETCH(bool, accepted);
    QCOMPARE(VersionList::versionFor(VersionList::document(version)),
             accepted ? std::optional<QString>(version) : std::nullopt);
}

QTEST_APPLESS_MAIN(VersionListTest)
#include "tst_VersionList.moc"
