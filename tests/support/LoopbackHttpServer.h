#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QUrl>

// A one-route HTTP server on the loopback interface, for tests of code that fetches.
// It answers every request with the configured reply, or not at all, or with the
// configured body sent a byte every 50 ms, never idle long enough for a transfer timeout.
class LoopbackHttpServer : public QTcpServer {
    Q_OBJECT
public:
    enum class Behaviour { Answer, Silent, RedirectToItself, Drip };

    LoopbackHttpServer();

    QUrl baseUrl() const;
    void answer(int status, const QByteArray& body);
    void setBehaviour(Behaviour behaviour) { m_behaviour = behaviour; }
    int requests() const { return m_requests; }
    QByteArray lastRequestLine() const { return m_lastRequestLine; }

private:
    void serve();

    Behaviour m_behaviour = Behaviour::Answer;
    int m_status = 200;
    QByteArray m_body;
    int m_requests = 0;
    QByteArray m_lastRequestLine;
};
