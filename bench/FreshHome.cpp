#include "bench/FreshHome.h"

#include <QFile>

FreshHome::FreshHome()
{
    const QString path = m_folder.path();
    qputenv("HOME", QFile::encodeName(path));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path + QStringLiteral("/.config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(path + QStringLiteral("/.local/share")));
}
