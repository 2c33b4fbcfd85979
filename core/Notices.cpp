#include "core/Notices.h"

Q_LOGGING_CATEGORY(lcTape, "polymetra.tape")
Q_LOGGING_CATEGORY(lcFiles, "polymetra.files")

namespace {
// A session that keeps failing must not grow without bound.
constexpr qsizetype maxHistory = 100;
} // namespace

Notices& Notices::instance()
{
    static Notices notices;
    return notices;
}

void Notices::report(const QLoggingCategory& category, const QString& message)
{
    qCWarning(category).noquote() << message;
    if (m_history.size() >= maxHistory)
        m_history.removeFirst();
    m_history.append(message);
    emit posted(message);
}
