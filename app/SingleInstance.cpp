#include "app/SingleInstance.h"

#include <QDataStream>
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
    return QStringLiteral("polymetra-%1").arg(::getuid());
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
