#pragma once

#include <QObject>

// Makes sure the program's own files exist: the tapes folder with an empty tape for
// every shape (a tape with content is never touched), and the search-metadata copies
// of the shape descriptions.
class SupportFiles : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Subscribes to "writeTapeSupportFiles" and writes every support file.
    void awakeFromNib();
    void writeSupportFiles();
    void writeTapeSupportFiles();
    void writeSpotlightSupportFiles();

    // The version whose metadata files are current; older ones are refreshed once.
    static constexpr int metaVersion = 200;
};
