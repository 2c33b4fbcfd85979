#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class TapeView;

// Saving and loading the tape files, one RTF file per shape in the tapes folder. Shapes
// are named in English here; their files carry the localised names. Only regular files
// are read or replaced, reads are bounded, and every failure is reported to the user.
class TapeFiles {
public:
    // Saves the tape view to the shape's file while the tape drawer is open: the tape's
    // bytes as they are now go to TapeSaver, which replaces the file off the GUI thread;
    // a failure is reported when the saver has finished.
    static void writeTapeToFile(const QString& shape, TapeView* tapeTextView);
    // Saves regardless of the drawer (clearing a tape writes an empty one even when closed),
    // at once, after any save still pending.
    static bool saveTape(const QString& shape, TapeView* tapeTextView);
    // Shows the shape's tape in the view and moves to its end. A missing file is an empty
    // tape; a file that cannot be read is moved aside unchanged (the user is told where
    // and why) and the shape starts on a fresh tape.
    static void setTapeTextViewToFile(const QString& shape, TapeView* tapeTextView);
    // Takes over the shape's tape saved under its name in another language when its own
    // file is missing (renamed to the current name). Returns where the tape is to be read:
    // its own file, or the other one when that could not be renamed (reported, when
    // `report`, and left in place; the tape is then saved under the current name).
    static QString adoptTape(const QString& shape, bool report = true);
    // Loads the shape's tape unless the view already holds it, so that an entry always
    // lands on the tape of the shape that was calculated.
    static void ensureHolding(const QString& shape, TapeView* tapeTextView);
    // Empties the shape's tape, in the view and on disk, whatever the drawer's state.
    static void clearTape(const QString& shape, TapeView* tapeTextView);

    // Writes bytes atomically and tags the file's type. On failure the old file is intact
    // and `error` (if given) says why.
    static bool writeFileAtomically(const QString& path, const QByteArray& bytes,
                                    const char* mimeType, QString* error = nullptr);
    // Reads a regular file (never following a link) of at most `maxBytes`. Nothing when
    // it cannot: `missing` tells an absent file apart, `error` says why otherwise.
    static std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes,
                                                     QString* error, bool* missing = nullptr);

    static constexpr const char* tapeMimeType = "application/x-polymetra-tape";
    static constexpr const char* infoMimeType = "application/x-polymetra-info";
    // Anything larger is not a tape of ours and is not loaded.
    static constexpr qint64 maxTapeFileSize = 64 * 1024 * 1024;

private:
    // Why the view's tape may not be saved as the shape's, or nothing.
    static QString saveRefusal(const QString& shape, const TapeView* tapeTextView);
    static void reportUnsaved(const QString& shape, const QString& path, const QString& reason);
    // Renames an unreadable file to "<name>.unreadable-<date>", never over another file.
    static std::optional<QString> moveAside(const QString& path, QString* error);
};
