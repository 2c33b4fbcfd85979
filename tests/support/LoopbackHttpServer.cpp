#include "support/LoopbackHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

LoopbackHttpServer::LoopbackHttpServer()
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, &LoopbackHttpServer::serve);
}

QUrl LoopbackHttpServer::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(serverPort()));
}

void LoopbackHttpServer::answer(int status, const QByteArray& body)
{
    m_behaviour = Behaviour::Answer;
    m_status = status;
    m_body = body;
}

void LoopbackHttpServer::serve()
{
    while (QTcpSocket* socket = nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            const QByteArray request = socket->readAll();
            if (!request.contains("\r\n\r\n"))
                return;
            ++m_requests;
            m_lastRequestLine = request.left(request.indexOf("\r\n"));
            if (m_behaviour == Behaviour::Silent)
                return;
            if (m_behaviour == Behaviour::RedirectToItself) {
                socket->write("HTTP/1.1 302 Found\r\nLocation: " + baseUrl().toEncoded() +
                              "/Versions/Versions.xml\r\nContent-Length: 0\r\n\r\n");
                socket->disconnectFromHost();
                return;
            }
            socket->write("HTTP/1.1 " + QByteArray::number(m_status) +
                          " Status\r\nContent-Type: text/xml\r\nContent-Length: " +
                          QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n");
            if (m_behaviour == Behaviour::Drip && !m_body.isEmpty()) {
                // Whole headers first: the client's transfer timer only restarts on body data.
                // The timer belongs to the socket, so a client that hangs up stops it.
                auto* drip = new QTimer(socket);
                connect(drip, &QTimer::timeout, socket,
                        [socket, drip, body = m_body, sent = qsizetype(0)]() mutable {
                            socket->write(body.mid(sent++, 1));
                            if (sent == body.size()) {
                                drip->stop();
                                socket->disconnectFromHost();
                            }
                        });
                drip->start(50);
                return;
            }
            socket->write(m_body);
            socket->disconnectFromHost();
        });
    }
}
