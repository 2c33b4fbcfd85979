#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

// The program's notifications, by name. Delivery is synchronous: every observer has run
// before post() returns. An observer is tied to a QObject and is dropped when it dies.
namespace Notifications {
inline const QString calculateAndDraw2DFigures = QStringLiteral("calculateAndDraw2DFigures");
inline const QString calculateAndDraw3DFigures = QStringLiteral("calculateAndDraw3DFigures");
inline const QString changeTab = QStringLiteral("ChangeTab");
inline const QString writeTapeSupportFiles = QStringLiteral("writeTapeSupportFiles");
} // namespace Notifications

class NotificationCenter {
public:
    using Handler = std::function<void(QObject* sender)>;

    static NotificationCenter& defaultCenter();

    void addObserver(QObject* observer, const QString& name, Handler handler);
    void removeObserver(QObject* observer);
    void post(const QString& name, QObject* sender = nullptr);

    // How many times each name was posted; tests and the scenario tool read it.
    int postCount(const QString& name) const;

private:
    struct Registration {
        QPointer<QObject> observer;
        QString name;
        Handler handler;
    };
    std::vector<Registration> m_registrations;
    std::vector<std::pair<QString, int>> m_postCounts;
};
