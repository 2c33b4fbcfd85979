#include "app/SingleInstance.h"

#include <QDataStream>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {
constexpr int connectTimeoutMs = 500;
constexpr int transferTimeoutMs = 2000;
constexpr qint64 maxMessageSize = 1024 * 1024;
} // namespace

SingleInstance::SingleInstance(const QString& serverName, QObject* parent)
    : QObject(parent), m_serverName(serverName)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerName()
{
    return serverNameFor(::getuid(), qEnvironmentVariable("XDG_RUNTIME_DIR"),
                         qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("DISPLAY"));
}

QString SingleInstance::serverNameFor(uint uid, const QString& runtimeDir,
                                      const QString& waylandDisplay, const QString& x11Display)
{
    // One instance per desktop session: the session is the display the window would open
    // on. Anything but plain characters is replaced, so the name stays one path component.
    QString session = !waylandDisplay.isEmpty() ? QStringLiteral("wayland-") + waylandDisplay
                      : !x11Display.isEmpty()   ? QStringLiteral("x11-") + x11Display
                                                : QStringLiteral("nodisplay");
    for (QChar& c : session) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    }
    session.truncate(64);
    const QString name = QStringLiteral("polymetra-%1-%2").arg(uid).arg(session);
    // The runtime folder is the user's own and per login; /tmp is the fallback without it.
    if (runtimeDir.startsWith(QLatin1Char('/')) && QFileInfo(runtimeDir).isDir())
        return runtimeDir + QLatin1Char('/') + name;
    return name;
}

bool SingleInstance::handOverOrListen(const QStringList& paths)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (socket.waitForConnected(connectTimeoutMs)) {
        QByteArray message;
        QDataStream encoder(&message, QIODevice::WriteOnly);
        encoder << paths;
        QDataStream out(&socket);
        out << message;
        socket.waitForBytesWritten(transferTimeoutMs);
        socket.disconnectFromServer();
        return true;
    }
    // Nobody answered: a server left behind by a crash would block listen().
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    m_server->listen(m_serverName);
    return false;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() > maxMessageSize + 8) {
                socket->abort();
                return;
            }
            QDataStream stream(socket);
            stream.startTransaction();
            QByteArray message;
            stream >> message;
            if (!stream.commitTransaction())
                return; // wait for the rest
            QStringList paths;
            QDataStream decoder(message);
            decoder >> paths;
            emit activationRequested();
            if (!paths.isEmpty())
                emit filesReceived(paths);
        });
    }
}
