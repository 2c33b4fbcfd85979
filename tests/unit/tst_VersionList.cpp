#include "app/VersionList.h"

#include <QTest>

class VersionListTest : public QObject {
    Q_OBJECT
private slots:
    void readsOnlyAShortPlainVersionFromAWellFormedList_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("expected"); // null: no version
        const QByteArray head = "<?xml version=\"1.0\"?>", ours = "<key>Polymetra.app</key>";
        const auto plist = [&](const QByteArray& dict, const QByteArray& doctype = {}) {
            return head + doctype + "<plist><dict>" + dict + "</dict></plist>";
        };
        const auto row = [](const char* name, const QByteArray& document,
                            const char* version = {}) {
            QTest::newRow(name) << document << (version ? QString(version) : QString());
        };
        row("the key among others",
            head + "<plist version=\"1.0\"><dict><key>Other.app</key><string>1</string>" + ours +
                "<string>2.1.0</string></dict></plist>",
            "2.1.0");
        row("a public doctype is fine",
            plist(ours + "<string>3</string>",
                  "<!DOCTYPE plist PUBLIC \"-//X//DTD PLIST 1.0//EN\" \"http://x/p.dtd\">"),
            "3");
        row("key missing", plist("<key>Other.app</key><string>1</string>"));
        row("value not a string", plist(ours + "<integer>2</integer>"));
        row("key inside a nested dictionary",
            plist("<key>x</key><dict>" + ours + "<string>2</string></dict>"));
        row("root is not a dictionary", head + "<plist><array><string>2</string></array></plist>");
        row("not a property list", "<html><body>Not here</body></html>");
        row("truncated", head + "<plist><dict>" + ours + "<string>2");
        row("internal subset refused",
            plist(ours + "<string>&v;</string>", "<!DOCTYPE plist [<!ENTITY v \"9\">]>"));
        row("undeclared entity", plist(ours + "<string>&v;</string>"));
        row("empty", {});
        row("over the size limit",
            plist(ours + "<string>2</string>") + QByteArray(VersionList::maxDocumentSize, ' '));

        // The string ends up in an alert, so a list the build itself would publish must carry
        // nothing but version text.
        const auto published = [](const char* name, const QString& version, bool accepted) {
            QTest::addRow("published: %s", name)
                << VersionList::document(version) << (accepted ? version : QString());
        };
        published("what the build publishes", "4.5.6", true);
        published("every allowed punctuation", "2.0-beta+exp.sha_1~rc 2", true);
        published("32 characters", QString(32, '1'), true);
        published("33 characters", QString(33, '1'), false);
        published("empty", "", false);
        published("markup", "<img src=\"file:///etc/passwd\">1.0", false);
        published("entity-like text", "1.0&amp;", false);
        published("tab", "1.0\t2", false);
        published("line break", "1.0\n", false);
        published("direction override", QStringLiteral("1.0\u202e"), false);
        published("letter of another script", QStringLiteral("1.0\u03b1"), false);
    }
    void readsOnlyAShortPlainVersionFromAWellFormedList()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, expected);
        QCOMPARE(VersionList::versionFor(document),
                 expected.isNull() ? std::nullopt : std::optional<QString>(expected));
    }
};

QTEST_APPLESS_MAIN(VersionListTest)
#include "tst_VersionList.moc"
