#pragma once

#include <QString>

// Where the program keeps its own files: the tapes and the search-metadata copies
// under the user's data folder (~/.local/share/Polymetra on Linux).
class SupportPaths {
public:
    static QString supportFolder();
    static QString tapesFolder();
    static QString metadataFolder();
    // A tape file: the localised shape name, a space and the localised "Tape".
    static QString tapeFilePath(const QString& localizedShapeName);
    static QString tapeFileName(const QString& localizedShapeName);
};
