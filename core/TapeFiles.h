#pragma once

#include <QByteArray>
#include <QString>

class QTextEdit;

// Saving and loading the tape files, one RTF file per shape in the tapes folder.
class TapeFiles {
public:
    // Saves the tape view to the shape's file while the tape drawer is open.
    static void writeTapeToFile(const QString& localizedShapeName, QTextEdit* tapeTextView);
    // Saves regardless of the drawer (clearing a tape writes an empty one even when closed).
    static bool saveTape(const QString& localizedShapeName, QTextEdit* tapeTextView);
    // Replaces the view's content with the shape's tape file and moves to its end; a
    // missing or unreadable file leaves the view as it was.
    static bool setTapeTextViewToFile(const QString& localizedShapeName, QTextEdit* tapeTextView);
    // Empties the view and saves the empty tape, whatever the drawer's state.
    static void clearTape(const QString& localizedShapeName, QTextEdit* tapeTextView);

    // Writes bytes atomically and tags the file's type; false (old file intact) on failure.
    static bool writeFileAtomically(const QString& path, const QByteArray& bytes,
                                    const char* mimeType);

    static constexpr const char* tapeMimeType = "application/x-polymetra-tape";
    static constexpr const char* infoMimeType = "application/x-polymetra-info";
    // Tape files are small; anything larger is not one of ours and is not loaded.
    static constexpr qint64 maxTapeFileSize = 64 * 1024 * 1024;
};
