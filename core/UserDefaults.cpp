#include "core/UserDefaults.h"

UserDefaults::UserDefaults() : m_settings(QStringLiteral("Polymetra"), QStringLiteral("Polymetra"))
{
}

int UserDefaults::integerForKey(const QString& key) const
{
    bool ok = false;
    const int value = m_settings.value(key).toInt(&ok);
    return ok ? value : 0;
}

bool UserDefaults::boolForKey(const QString& key) const
{
    const QVariant value = m_settings.value(key);
    if (!value.isValid())
        return false;
    const QString text = value.toString().trimmed().toLower();
    return text == QLatin1String("true") || text == QLatin1String("yes") || text.toInt() != 0;
}

QString UserDefaults::stringForKey(const QString& key) const
{
    return m_settings.value(key).toString();
}

bool UserDefaults::contains(const QString& key) const
{
    return m_settings.contains(key);
}

void UserDefaults::setInteger(const QString& key, int value)
{
    m_settings.setValue(key, value);
}

void UserDefaults::setBool(const QString& key, bool value)
{
    m_settings.setValue(key, value);
}

void UserDefaults::setString(const QString& key, const QString& value)
{
    m_settings.setValue(key, value);
}

void UserDefaults::synchronize()
{
    m_settings.sync();
}

int UserDefaults::decimalPlaces() const
{
    const QString stored = stringForKey(DefaultsKeys::decimalPlaces);
    if (stored.size() == 1 && stored.front().isDigit())
        return stored.front().digitValue();
    return 2;
}

QString UserDefaults::tapeDrawerEdge() const
{
    const QString edge = stringForKey(DefaultsKeys::tapeDrawerEdge);
    return edge.isEmpty() ? QStringLiteral("Left") : edge;
}
