#include "support/LoopbackHttpServer.h"

#include <QTcpSocket>

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
            QByteArray reply;
            if (m_behaviour == Behaviour::RedirectToItself) {
                reply = "HTTP/1.1 302 Found\r\nLocation: " + baseUrl().toEncoded() +
                        "/Versions/Versions.xml\r\nContent-Length: 0\r\n\r\n";
            } else {
                reply = "HTTP/1.1 " + QByteArray::number(m_status) +
                        " Status\r\nContent-Type: text/xml\r\nContent-Length: " +
                        QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" +
                        m_body;
            }
            socket->write(reply);
            socket->disconnectFromHost();
        });
    }
}
