#include "core/TapeAdoption.h"

#include "core/LanguageChoice.h"
#include "core/RegularFiles.h"
#include "core/Translations.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::optional<struct stat> statusOf(const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

bool newer(const struct stat& a, const struct stat& b)
{
    if (a.st_mtim.tv_sec != b.st_mtim.tv_sec)
        return a.st_mtim.tv_sec > b.st_mtim.tv_sec;
    return a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;
}

} // namespace

TapeAdoption::Result TapeAdoption::adopt(const QString& path, const QStringList& candidates)
{
    Result result{path, QString(), QString()};
    struct stat own {};
    if (::lstat(QFile::encodeName(path).constData(), &own) == 0 || errno != ENOENT)
        return result;
    std::optional<struct stat> newest;
    for (const QString& candidate : candidates) {
        const std::optional<struct stat> status = statusOf(candidate);
        if (candidate == path || !status || !S_ISREG(status->st_mode))
            continue;
        if (!newest || newer(*status, *newest)) {
            newest = status;
            result.adoptedFrom = candidate;
        }
    }
    if (result.adoptedFrom.isEmpty())
        return result;
    if (::renameat2(AT_FDCWD, QFile::encodeName(result.adoptedFrom).constData(), AT_FDCWD,
                    QFile::encodeName(path).constData(), RENAME_NOREPLACE) == 0)
        return result;
    result.error = RegularFiles::systemError(errno);
    result.readFrom = result.adoptedFrom;
    return result;
}

QStringList TapeAdoption::tapeFileNames(const char* shapeKey)
{
    QStringList names;
    for (const QString& code : LanguageChoice::codes()) {
        const QString name = Translations::translatedIn(code, shapeKey) + QLatin1Char(' ') +
                             Translations::translatedIn(code, "Tape");
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}
