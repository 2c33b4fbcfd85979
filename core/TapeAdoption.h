#pragma once

#include <QString>
#include <QStringList>

// A shape's tape saved while the program spoke another language carries that language's
// name ("Circle Tape" for a program now speaking German, which looks for "Kreis
// Protokoll"). When the shape's own file is missing, that tape is taken over: renamed to
// the current name, so a change of language never starts the user on an empty tape.
class TapeAdoption {
public:
    struct Result {
        QString readFrom;    // where the tape is to be read: `path`, or the other file
                             // when it could not be renamed
        QString adoptedFrom; // the other language's file taken over; empty when none
        QString error;       // why the rename failed; empty when it did not
    };

    // Nothing happens when anything (a file, a link, a folder) is at `path`. Otherwise the
    // most recently modified regular file among `candidates` is renamed to `path` (never
    // over a file that appeared there meanwhile); links, folders and other kinds are never
    // renamed, and the candidates not chosen stay as they are.
    static Result adopt(const QString& path, const QStringList& candidates);
    // The shape's tape file name in every language the program speaks, English first.
    static QStringList tapeFileNames(const char* shapeKey);
};
