#include "core/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(QObject* observer, const QString& name, Handler handler)
{
    m_registrations.push_back({observer, name, std::move(handler)});
}

void NotificationCenter::removeObserver(QObject* observer)
{
    std::erase_if(m_registrations,
                  [observer](const Registration& r) { return r.observer == observer; });
}

void NotificationCenter::post(const QString& name, QObject* sender)
{
    auto count = std::find_if(m_postCounts.begin(), m_postCounts.end(),
                              [&name](const auto& entry) { return entry.first == name; });
    if (count == m_postCounts.end())
        m_postCounts.emplace_back(name, 1);
    else
        ++count->second;

    std::erase_if(m_registrations, [](const Registration& r) { return r.observer.isNull(); });
    // Handlers may register or remove observers; deliver to a snapshot.
    const std::vector<Registration> snapshot = m_registrations;
    for (const Registration& registration : snapshot) {
        if (registration.name == name && !registration.observer.isNull())
            registration.handler(sender);
    }
}

int NotificationCenter::postCount(const QString& name) const
{
    auto count = std::find_if(m_postCounts.begin(), m_postCounts.end(),
                              [&name](const auto& entry) { return entry.first == name; });
    return count == m_postCounts.end() ? 0 : count->second;
}
