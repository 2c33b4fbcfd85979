#include "support/TestHome.h"

#include "core/TapeSaver.h"
#include "core/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QSettings>

TestHome::TestHome(const QString& folder) : m_path(folder)
{
    if (m_path.isEmpty()) {
        m_temporary = std::make_unique<QTemporaryDir>();
        m_path = m_temporary->path();
    }
    const QString data = m_path + QStringLiteral("/.local/share");
    const QString config = m_path + QStringLiteral("/.config");
    QDir().mkpath(data);
    QDir().mkpath(config);
    qputenv("HOME", QFile::encodeName(m_path));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    // The settings of an earlier home are written there, and this home's are read afresh.
    UserDefaults::closeStore();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config);
}

TestHome::~TestHome()
{
    // Written before the folder goes, never into a folder made anew afterwards: the
    // settings, and the tapes whose saves start a moment after they are asked.
    TapeSaver::instance().waitForPending();
    UserDefaults::closeStore();
}
