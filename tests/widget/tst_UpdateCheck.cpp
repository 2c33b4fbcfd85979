#include "support/LoopbackHttpServer.h"
#include "support/RecordingAlertPresenter.h"
#include "support/TestHome.h"

#include "app/AppInterface.h"
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

// The update check against a loopback server: every outcome, the silent variant, the
// answers to the new-version sheet, a build without a server, and alerts that show what
// a hostile server sent as nothing but text.
class UpdateCheckTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void theManualCheckReportsEachOutcome_data();
    void theManualCheckReportsEachOutcome();
    void theWindowKeepsWorkingDuringTheFetch();
    void theSilentCheckShowsOnlyANewVersion_data();
    void theSilentCheckShowsOnlyANewVersion();
    void theNewVersionSheetOpensTheRightPage_data();
    void theNewVersionSheetOpensTheRightPage();
    void aBuildWithoutAServerSaysSo();
    void anAlertShowsItsMessageAsPlainText();

private:
    void check(bool manual);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<AppInterface> m_interface;
    std::unique_ptr<LoopbackHttpServer> m_server;
    RecordingAlertPresenter m_alerts;
    QList<QUrl> m_opened;
};

namespace {
enum class Reply { Version, NotFound, Malformed, MissingKey, Huge, Silent, RedirectLoop, Drip };
QString local()
{
    return UpdateChecker::localVersion();
}
const QString markup = R"(<img src="file:///etc/passwd">1.0)";
} // namespace
Q_DECLARE_METATYPE(Reply)

void UpdateCheckTest::init()
{
    m_home = std::make_unique<TestHome>();
    AlertPresenter::setInstance(&m_alerts);
    m_alerts.reset();
    m_opened.clear();
    m_server = std::make_unique<LoopbackHttpServer>();
    m_interface = std::make_unique<AppInterface>();
    m_interface->applicationDidFinishLaunching();
    Controller& controller = m_interface->controller();
    controller.updateChecker().setServer(m_server->baseUrl());
    controller.updateChecker().setTimeout(400);
    controller.updateCheckAvailability();
    controller.setUrlOpener([this](const QUrl& url) { m_opened.append(url); });
}

void UpdateCheckTest::cleanup()
{
    m_interface.reset();
    m_server.reset();
    AlertPresenter::setInstance(nullptr);
    m_home.reset();
}

void UpdateCheckTest::check(bool manual)
{
    Controller& controller = m_interface->controller();
    QSignalSpy finished(&controller, &Controller::updateCheckFinished);
    if (manual)
        m_interface->mainWindow().action(MainWindow::Action::CheckForUpdates)->trigger();
    else
        controller.autoCheckForUpdates();
    QVERIFY(finished.wait(5000));
}

void UpdateCheckTest::theManualCheckReportsEachOutcome_data()
{
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("title");
    const QString upToDate = "Your version of Polymetra is up to date";
    const QString offline = "Not connected to the Internet!";
    const QString newer = "A new version is available";
    QTest::newRow("same version") << Reply::Version << local() << upToDate;
    QTest::newRow("older version is offered too") << Reply::Version << "0.9" << newer;
    QTest::newRow("newer version") << Reply::Version << "99.0" << newer;
    QTest::newRow("not found") << Reply::NotFound << "" << offline;
    QTest::newRow("malformed list") << Reply::Malformed << "" << offline;
    QTest::newRow("key missing") << Reply::MissingKey << "" << offline;
    QTest::newRow("huge body") << Reply::Huge << "" << offline;
    QTest::newRow("no answer until the timeout") << Reply::Silent << "" << offline;
    QTest::newRow("redirect loop") << Reply::RedirectLoop << "" << offline;
    QTest::newRow("markup as the version") << Reply::Version << markup << offline;
    QTest::newRow("dripping past the deadline") << Reply::Drip << "99.0" << offline;
}

void UpdateCheckTest::theManualCheckReportsEachOutcome()
{
    QFETCH(Reply, reply);
    QFETCH(QString, version);
    QFETCH(QString, title);
    switch (reply) {
    case Reply::Version:
        m_server->answer(200, VersionList::document(version));
        break;
    case Reply::NotFound:
        m_server->answer(404, "<html>gone</html>");
        break;
    case Reply::Malformed:
        m_server->answer(200, "<plist><dict><key>Polymetra.app</key><string>9</dict>");
        break;
    case Reply::MissingKey:
        m_server->answer(200, "<plist><dict><key>Other.app</key><string>9</string></dict></plist>");
        break;
    case Reply::Huge:
        m_server->answer(200, VersionList::document("99.0") + QByteArray(2 * 1024 * 1024, ' '));
        break;
    case Reply::Silent:
        m_server->setBehaviour(LoopbackHttpServer::Behaviour::Silent);
        break;
    case Reply::RedirectLoop:
        m_server->setBehaviour(LoopbackHttpServer::Behaviour::RedirectToItself);
        break;
    case Reply::Drip:
        // Never idle for the transfer timeout, but would take seconds to finish.
        m_server->answer(200, VersionList::document(version));
        m_server->setBehaviour(LoopbackHttpServer::Behaviour::Drip);
        m_interface->controller().updateChecker().setDeadline(300);
        break;
    }
    m_alerts.setAnswer(AlertPresenter::OtherButton);
    check(true);

    QCOMPARE(m_alerts.alerts().size(), 1);
    const AlertPresenter::Alert& alert = m_alerts.alerts().first();
    QCOMPARE(alert.title, title);
    QVERIFY(!m_interface->controller().checkPanel()->isVisible());
    QVERIFY(m_server->lastRequestLine().startsWith("GET /Versions/Versions.xml "));
    if (title.startsWith("Your version"))
        QCOMPARE(alert.message, "You have the most recent version of Polymetra.\rVersion " +
                                    local() + ".\rPlease check again later.");
    if (title.startsWith("Not connected"))
        QCOMPARE(alert.message,
                 QString("You require an active Internet connection to be able to check for "
                         "updates."));
    if (title.startsWith("A new version")) {
        QCOMPARE(alert.message, "A new version " + version +
                                    " of Polymetra is available.\rYou are currently running "
                                    "version " +
                                    local() + ".\rWould you like to download the new version now?");
        QCOMPARE(alert.defaultButton, QString("OK"));
        QCOMPARE(alert.alternateButton, QString("Tell me more…"));
        QCOMPARE(alert.otherButton, QString("Later"));
    }
    QVERIFY(m_opened.isEmpty()); // "Later"
}

void UpdateCheckTest::theWindowKeepsWorkingDuringTheFetch()
{
    m_server->setBehaviour(LoopbackHttpServer::Behaviour::Silent);
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
    ticker.start(20);
    Controller& controller = m_interface->controller();
    QSignalSpy finished(&controller, &Controller::updateCheckFinished);
    controller.checkForUpdates();
    QVERIFY(controller.checkPanel()->isVisible());
    QVERIFY(finished.wait(5000));
    // The event loop kept running while the fetch waited for its timeout.
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
}

void UpdateCheckTest::theSilentCheckShowsOnlyANewVersion_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("alerts");
    QTest::newRow("same version") << 200 << local() << 0;
    QTest::newRow("server error") << 500 << "99.0" << 0;
    QTest::newRow("newer version") << 200 << "99.0" << 1;
    QTest::newRow("markup as the version") << 200 << markup << 0;
}

void UpdateCheckTest::theSilentCheckShowsOnlyANewVersion()
{
    QFETCH(int, status);
    QFETCH(QString, version);
    QFETCH(int, alerts);
    m_server->answer(status, VersionList::document(version));
    m_alerts.setAnswer(AlertPresenter::OtherButton);
    check(false);
    QCOMPARE(m_alerts.alerts().size(), alerts);
    QVERIFY(!m_interface->controller().checkPanel()->isVisible());
}

void UpdateCheckTest::theNewVersionSheetOpensTheRightPage_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("path");
    QTest::newRow("OK opens the download page")
        << int(AlertPresenter::DefaultButton) << "/updatedownload.html";
    QTest::newRow("tell me more opens the home page")
        << int(AlertPresenter::AlternateButton) << "/";
    QTest::newRow("later opens nothing") << int(AlertPresenter::OtherButton) << "";
}

void UpdateCheckTest::theNewVersionSheetOpensTheRightPage()
{
    QFETCH(int, answer);
    QFETCH(QString, path);
    m_server->answer(200, VersionList::document("99.0"));
    m_alerts.setAnswer(answer);
    check(true);
    if (path.isEmpty()) {
        QVERIFY(m_opened.isEmpty());
        return;
    }
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened.first().path(), path);
    QCOMPARE(m_opened.first().port(), int(m_server->serverPort()));
}

void UpdateCheckTest::aBuildWithoutAServerSaysSo()
{
    Controller& controller = m_interface->controller();
    controller.updateChecker().setServer(QUrl());
    controller.updateCheckAvailability();
    QAction* check = m_interface->mainWindow().action(MainWindow::Action::CheckForUpdates);
    QVERIFY(!check->isEnabled());
    QVERIFY(check->toolTip().contains("without an update server"));
    QVERIFY(!controller.preferencesSheet()->autoUpdateCheckbox()->isEnabled());
    controller.autoCheckForUpdates();
    QVERIFY(m_alerts.alerts().isEmpty());
    QCOMPARE(m_server->requests(), 0);
}

void UpdateCheckTest::anAlertShowsItsMessageAsPlainText()
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

QTEST_MAIN(UpdateCheckTest)
#include "tst_UpdateCheck.moc"
