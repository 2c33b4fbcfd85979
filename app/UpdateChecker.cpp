#include "app/UpdateChecker.h"

#include "app/VersionList.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

UpdateChecker::UpdateChecker(QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)), m_server(configuredServer())
{
}

UpdateChecker::~UpdateChecker()
{
    if (m_reply)
        m_reply->abort();
}

QUrl UpdateChecker::configuredServer()
{
    return QUrl(QStringLiteral(POLYMETRA_UPDATE_SERVER));
}

QString UpdateChecker::localVersion()
{
    return QStringLiteral(POLYMETRA_VERSION);
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
    m_done = std::move(done);
    if (!hasServer()) {
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
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    // A list is a few hundred bytes; anything past the limit is not one.
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64 total) {
        if (received > VersionList::maxDocumentSize || total > VersionList::maxDocumentSize)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
}

void UpdateChecker::finish(QNetworkReply* reply)
{
    std::optional<QString> version;
    if (reply) {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::NoError && status >= 200 && status < 300)
            version = VersionList::versionFor(reply->read(VersionList::maxDocumentSize + 1));
    }
    Completion done = std::move(m_done);
    m_done = {};
    if (done)
        done(version);
}
