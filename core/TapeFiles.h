#pragma once

#include <QString>

class QTextEdit;

// Saving and loading the tape files, one RTF file per shape in the tapes folder.
class TapeFiles {
public:
    // Saves the tape view to the shape's file while the tape drawer is open.
    static void writeTapeToFile(const QString& localizedShapeName, QTextEdit* tapeTextView);
    // Saves regardless of the drawer (clearing a tape writes an empty one even when closed).
    static bool saveTape(const QString& localizedShapeName, QTextEdit* tapeTextView);
    // Writes bytes atomically and tags the file's type; false (old file intact) on failure.
    static bool writeFileAtomically(const QString& path, const QByteArray& bytes,
                                    const char* mimeType);
};
