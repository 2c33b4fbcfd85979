#include "support/LoopbackHttpServer.h"
#include "widget/ShellTest.h"

#include "app/Controller.h"
#include "app/MainWindow.h"
#include "app/PreferencesDialog.h"
#include "app/UpdateCheckPanel.h"
#include "app/UpdateChecker.h"
#include "app/VersionList.h"
#include "core/MessageBoxAlertPresenter.h"

#include <QAction>
#include <QCheckBox>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

// The update check against a loopback server: every outcome of the manual and the silent
// check, never blocking the window, the answers to the new-version sheet, a build without
// a server, and alerts that show what a hostile server sent as nothing but text; and the
// version list read, which must hold a short plain version in a well-formed list.
class UpdateFlowTest : public ShellTest {
    Q_OBJECT
private slots:
    void eachOutcomeIsReported_data();
    void eachOutcomeIsReported();
    void aBuildWithoutAServerSaysSo();
    void anAlertShowsItsMessageAsPlainText();
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

private:
    void launched() override;

    std::unique_ptr<LoopbackHttpServer> m_server;
    QList<QUrl> m_opened;
};

namespace {
enum class Reply { Version, NotFound, Error, Huge, Silent, Loop, Drip };
QString local()
{
    return UpdateChecker::localVersion();
}
const QString markup = R"(<img src="file:///etc/passwd">1.0)";
const QString upToDate = "Your version of Polymetra is up to date";
const QString offline = "Not connected to the Internet!";
const QString newer = "A new version is available";
} // namespace
Q_DECLARE_METATYPE(Reply)

void UpdateFlowTest::launched()
{
    m_opened.clear();
    m_server = std::make_unique<LoopbackHttpServer>();
    controller().updateChecker().setServer(m_server->baseUrl());
    controller().updateChecker().setTimeout(400);
    controller().updateCheckAvailability();
    controller().setUrlOpener([this](const QUrl& url) { m_opened.append(url); });
}

void UpdateFlowTest::eachOutcomeIsReported_data()
{
    QTest::addColumn<bool>("manual");
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("answer");     // to the new-version sheet
    QTest::addColumn<QString>("title");  // of the one alert; none when empty
    QTest::addColumn<QString>("opened"); // the page's path; none when empty
    const int later = AlertPresenter::OtherButton;
    const int ok = AlertPresenter::DefaultButton;
    const int more = AlertPresenter::AlternateButton;
    const QString none;
    QTest::newRow("same version") << true << Reply::Version << local() << later << upToDate << none;
    QTest::newRow("older version is offered too")
        << true << Reply::Version << "0.9" << later << newer << none;
    QTest::newRow("newer version") << true << Reply::Version << "99.0" << later << newer << none;
    QTest::newRow("OK opens the download page")
        << true << Reply::Version << "99.0" << ok << newer << "/updatedownload.html";
    QTest::newRow("tell me more opens the home page")
        << true << Reply::Version << "99.0" << more << newer << "/";
    QTest::newRow("not found") << true << Reply::NotFound << none << later << offline << none;
    QTest::newRow("huge body") << true << Reply::Huge << none << later << offline << none;
    QTest::newRow("no answer until the timeout")
        << true << Reply::Silent << none << later << offline << none;
    QTest::newRow("redirect loop") << true << Reply::Loop << none << later << offline << none;
    QTest::newRow("markup as the version")
        << true << Reply::Version << markup << later << offline << none;
    QTest::newRow("dripping past the deadline")
        << true << Reply::Drip << "99.0" << later << offline << none;
    QTest::newRow("silent, same version")
        << false << Reply::Version << local() << later << none << none;
    QTest::newRow("silent, server error")
        << false << Reply::Error << "99.0" << later << none << none;
    QTest::newRow("silent, newer version")
        << false << Reply::Version << "99.0" << later << newer << none;
    QTest::newRow("silent, markup as the version")
        << false << Reply::Version << markup << later << none << none;
}

void UpdateFlowTest::eachOutcomeIsReported()
{
    QFETCH(bool, manual);
    QFETCH(Reply, reply);
    QFETCH(QString, version);
    QFETCH(int, answer);
    QFETCH(QString, title);
    QFETCH(QString, opened);
    switch (reply) {
    case Reply::Version:
        m_server->answer(200, VersionList::document(version));
        break;
    case Reply::NotFound:
        m_server->answer(404, "<html>gone</html>");
        break;
    case Reply::Error:
        m_server->answer(500, VersionList::document(version));
        break;
    case Reply::Huge:
        m_server->answer(200, VersionList::document("99.0") + QByteArray(2 * 1024 * 1024, ' '));
        break;
    case Reply::Silent:
        m_server->setBehaviour(LoopbackHttpServer::Behaviour::Silent);
        break;
    case Reply::Loop:
        m_server->setBehaviour(LoopbackHttpServer::Behaviour::RedirectToItself);
        break;
    case Reply::Drip:
        // Never idle for the transfer timeout, but would take seconds to finish.
        m_server->answer(200, VersionList::document(version));
        m_server->setBehaviour(LoopbackHttpServer::Behaviour::Drip);
        controller().updateChecker().setDeadline(300);
        break;
    }
    alerts().setAnswer(answer);
    // Queued first, this runs when the event loop next turns: the window keeps working
    // once the check has returned, while the fetch is still on its way.
    bool returned = false;
    bool ranDuringTheFetch = false;
    QTimer::singleShot(0, this, [&] {
        ranDuringTheFetch = returned && controller().updateChecker().isFetching();
    });
    QSignalSpy finished(&controller(), &Controller::updateCheckFinished);
    if (manual)
        window().action(MainWindow::Action::CheckForUpdates)->trigger();
    else
        controller().autoCheckForUpdates();
    returned = true;
    QCOMPARE(controller().checkPanel()->isVisible(), manual);
    QVERIFY(finished.wait(5000));
    QVERIFY(ranDuringTheFetch);

    QVERIFY(!controller().checkPanel()->isVisible());
    QVERIFY(m_server->lastRequestLine().startsWith("GET /Versions/Versions.xml "));
    QCOMPARE(alerts().alerts().size(), title.isEmpty() ? 0 : 1);
    if (title.isEmpty())
        return;
    const AlertPresenter::Alert& alert = alerts().alerts().first();
    QCOMPARE(alert.title, title);
    if (title == upToDate)
        QCOMPARE(alert.message, "You have the most recent version of Polymetra.\rVersion " +
                                    local() + ".\rPlease check again later.");
    if (title == offline)
        QCOMPARE(alert.message,
                 QString("You require an active Internet connection to be able to check for "
                         "updates."));
    if (title == newer) {
        QCOMPARE(alert.message, "A new version " + version +
                                    " of Polymetra is available.\rYou are currently running "
                                    "version " +
                                    local() + ".\rWould you like to download the new version now?");
        QCOMPARE(alert.defaultButton, QString("OK"));
        QCOMPARE(alert.alternateButton, QString("Tell me more…"));
        QCOMPARE(alert.otherButton, QString("Later"));
    }
    QCOMPARE(m_opened.size(), opened.isEmpty() ? 0 : 1);
    if (!opened.isEmpty()) {
        QCOMPARE(m_opened.first().path(), opened);
        QCOMPARE(m_opened.first().port(), int(m_server->serverPort()));
    }
}

void UpdateFlowTest::aBuildWithoutAServerSaysSo()
{
    controller().updateChecker().setServer(QUrl());
    controller().updateCheckAvailability();
    QAction* check = window().action(MainWindow::Action::CheckForUpdates);
    QVERIFY(!check->isEnabled());
    QVERIFY(check->toolTip().contains("without an update server"));
    QVERIFY(!controller().preferencesSheet()->autoUpdateCheckbox()->isEnabled());
    controller().autoCheckForUpdates();
    QVERIFY(alerts().alerts().isEmpty());
    QCOMPARE(m_server->requests(), 0);
}

void UpdateFlowTest::anAlertShowsItsMessageAsPlainText()
{
    QWidget window;
    MessageBoxAlertPresenter presenter;
    const QString message = markup + R"(<a href="file:///">here</a>)";
    presenter.showSheet(&window, {"Title", message, "OK", QString(), QString()}, {});
    auto* box = window.findChild<QMessageBox*>();
    QVERIFY(box);
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->text(), message);
}

QTEST_MAIN(UpdateFlowTest)
#include "tst_UpdateFlow.moc"
