#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The version list the maker publishes: a property list whose root dictionary maps
// application names to version strings. Any document that is not exactly that yields
// no version, and so does a version string that is not plain version text: it comes from
// a server we do not control and ends up in an alert.
class VersionList {
public:
    static constexpr const char* applicationKey = "Polymetra.app";
    static constexpr qsizetype maxDocumentSize = 1024 * 1024;
    static constexpr qsizetype maxVersionLength = 32;

    static std::optional<QString> versionFor(const QByteArray& document,
                                             const QString& key = QLatin1String(applicationKey));
    // The list that announces `version`, as the maker's server publishes it.
    static QByteArray document(const QString& version);
};
