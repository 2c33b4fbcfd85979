#pragma once

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

// Gives a test its own HOME, XDG folders and settings, so no test touches the user's.
class TestHome {
public:
    TestHome()
    {
        const QString home = m_dir.path();
        const QString data = home + QStringLiteral("/.local/share");
        const QString config = home + QStringLiteral("/.config");
        QDir().mkpath(data);
        QDir().mkpath(config);
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
