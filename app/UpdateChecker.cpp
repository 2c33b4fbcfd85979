#include "app/UpdateChecker.h"

#include "app/VersionList.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
Q_LOGGING_CATEGORY(lcUpdate, "polymetra.update")
}

UpdateChecker::UpdateChecker(QObject* parent)
    : QObject(parent), m_deadline(new QTimer(this)), m_server(configuredServer())
{
    m_deadline->setSingleShot(true);
    m_deadline->setInterval(defaultDeadlineMs);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        if (!m_reply)
            return;
        qCWarning(lcUpdate) << "gave up on" << m_reply->url() << "after" << m_deadline->interval()
                            << "ms";
        m_reply->abort(); // finishes the reply, and so the check
    });
}

UpdateChecker::~UpdateChecker()
{
    // Aborting finishes the reply at once; its completion must not run into an owner
    // that is itself being destroyed.
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

QUrl UpdateChecker::configuredServer()
{
    return QUrl(QStringLiteral(POLYMETRA_UPDATE_SERVER));
}

QString UpdateChecker::localVersion()
{
    return QStringLiteral(POLYMETRA_VERSION);
}

void UpdateChecker::setDeadline(int milliseconds)
{
    m_deadline->setInterval(milliseconds);
}

QUrl UpdateChecker::resolved(const QString& path) const
{
    QUrl url = m_server;
    QString base = url.path();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    url.setPath(base + path);
    return url;
}

QUrl UpdateChecker::versionListUrl() const
{
    return resolved(QStringLiteral("/Versions/Versions.xml"));
}

QUrl UpdateChecker::downloadPageUrl() const
{
    return resolved(QStringLiteral("/updatedownload.html"));
}

QUrl UpdateChecker::homePageUrl() const
{
    return resolved(QStringLiteral("/"));
}

void UpdateChecker::fetch(Completion done)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_deadline->stop();
    m_done = std::move(done);
    if (!hasServer()) {
        qCWarning(lcUpdate) << "no update server is set";
        QMetaObject::invokeMethod(
            this, [this] { finish(nullptr); }, Qt::QueuedConnection);
        return;
    }
    QNetworkRequest request(versionListUrl());
    request.setTransferTimeout(m_timeoutMs);
    request.setMaximumRedirectsAllowed(maxRedirects);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // Made on the first check: a launch that never checks sets up no network access.
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    // A list is a few hundred bytes; anything past the limit is not one.
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64 total) {
        if (received > VersionList::maxDocumentSize || total > VersionList::maxDocumentSize) {
            qCWarning(lcUpdate) << reply->url() << "sent more than" << VersionList::maxDocumentSize
                                << "bytes";
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
    m_deadline->start();
}

void UpdateChecker::finish(QNetworkReply* reply)
{
    m_deadline->stop();
    std::optional<QString> version;
    if (reply) {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError) {
            qCWarning(lcUpdate) << "fetching" << reply->url() << "failed:" << reply->errorString();
        } else if (status < 200 || status >= 300) {
            qCWarning(lcUpdate) << reply->url() << "answered with HTTP status" << status;
        } else {
            version = VersionList::versionFor(reply->read(VersionList::maxDocumentSize + 1));
            if (!version)
                qCWarning(lcUpdate)
                    << reply->url() << "sent no usable version for" << VersionList::applicationKey;
        }
    }
    Completion done = std::move(m_done);
    m_done = {};
    if (done)
        done(version);
}
