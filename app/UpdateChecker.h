#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Fetches the maker's version list without blocking the window, and reports the
// remote version, or none on any failure: no network, an HTTP error, a redirect loop,
// a body over the size limit, a malformed list, a missing key or a refused version
// string, no data for the transfer timeout, or the deadline for the whole check passing.
class UpdateChecker : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void(std::optional<QString> remoteVersion)>;

    explicit UpdateChecker(QObject* parent = nullptr);
    ~UpdateChecker() override;

    // The server configured at build time; empty when there is none.
    static QUrl configuredServer();
    static QString localVersion();

    QUrl server() const { return m_server; }
    void setServer(const QUrl& server) { m_server = server; }
    bool hasServer() const { return m_server.isValid() && !m_server.isEmpty(); }
    QUrl versionListUrl() const;
    QUrl downloadPageUrl() const;
    QUrl homePageUrl() const;

    // The longest the transfer may go without receiving data.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    // The longest a whole check may take, however steadily the server trickles data.
    void setDeadline(int milliseconds);
    bool isFetching() const { return !m_reply.isNull(); }

    // Starts a fetch; `done` runs once, later, on this thread. A fetch already running
    // is abandoned (its completion never runs).
    void fetch(Completion done);

    static constexpr int defaultTimeoutMs = 15000;
    static constexpr int defaultDeadlineMs = 15000;
    static constexpr int maxRedirects = 5;

private:
    QUrl resolved(const QString& path) const;
    void finish(QNetworkReply* reply);

    QNetworkAccessManager* m_network = nullptr;
    QTimer* m_deadline;
    QPointer<QNetworkReply> m_reply;
    Completion m_done;
    QUrl m_server;
    int m_timeoutMs = defaultTimeoutMs;
};
