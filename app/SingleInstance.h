#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// Keeps one running Polymetra per user and desktop session: a second launch on the same
// display hands its files to the first and exits; a launch on another display (a second
// X session, a remote desktop) opens its own window there.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& serverName = defaultServerName(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another instance took the paths (this one should exit); false when this
    // process is now the one instance and listens for later launches.
    bool handOverOrListen(const QStringList& paths);

    static QString defaultServerName();
    // The socket's name for a user on a display: a path in the runtime folder when there
    // is one, else a name the system places in its temporary folder.
    static QString serverNameFor(uint uid, const QString& runtimeDir, const QString& waylandDisplay,
                                 const QString& x11Display);

signals:
    void filesReceived(const QStringList& paths);
    void activationRequested();

private:
    void acceptConnection();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};
