#pragma once

#include "core/RtfWriter.h"

#include <QPlainTextEdit>

#include <memory>

class QTextCharFormat;

// The tape drawer's text view: a log of coloured lines, laid out line by line, so that
// showing the newest entry of a tape of 100,000 entries is quick. It knows which shape's tape it
// holds, so that an entry is never logged on, or saved into, another shape's tape; and whether that
// tape may be saved at all (not when its file could not be read and is still in place). It keeps
// the RTF of what it already holds, so an entry on a long tape is serialised alone.
class TapeView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TapeView(QWidget* parent = nullptr);

    // The English name of the shape whose tape is shown; empty before any was loaded.
    QString heldShape() const { return m_heldShape; }
    bool canSave() const { return m_canSave; }
    // How the tape's file looked when last read or written (kept by TapeFiles), so that a
    // file changed by another program since is read again before the next entry.
    QByteArray fileStamp() const { return m_fileStamp; }
    void setFileStamp(const QByteArray& stamp) { m_fileStamp = stamp; }

    // Shows `document` (parsed off-screen; the view takes it) as the tape of `shape`.
    void holdTape(const QString& shape, std::unique_ptr<QTextDocument> document,
                  bool canSave = true);
    // Shows an empty tape for `shape`.
    void holdEmptyTape(const QString& shape, bool canSave = true);

    // The program's own insertion at the end; the user never edits the tape.
    void append(const QString& text, const QTextCharFormat& format, bool separateFromPrevious);
    // Moves to the end, so the newest entry is in sight.
    void scrollToEnd();
    // The whole tape as RTF.
    QByteArray rtf();

    // A document ready to be filled off-screen and then held.
    static std::unique_ptr<QTextDocument> newDocument();

private:
    QString m_heldShape;
    bool m_canSave = false;
    QByteArray m_fileStamp;
    RtfWriter m_writer;
};
