#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

// Keeps one running Polymetra per user: a second launch hands its files to the first
// and exits, so two windows never overwrite each other's tapes.
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

signals:
    void filesReceived(const QStringList& paths);
    void activationRequested();

private:
    void acceptConnection();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};
