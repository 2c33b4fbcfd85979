#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <optional>
#include <vector>

class QTextDocument;

// The state machine behind RtfReader: one pass over the bytes, a stack of group
// states, text flushed into the document whenever the character format changes.
class RtfParser {
public:
    // How paragraph marks are read: as blocks, or as a tape's lines (see RtfReader).
    enum class Paragraphs { Blocks, TapeLines };

    RtfParser(QTextDocument& document, Paragraphs paragraphs);
    void parse(const QByteArray& rtf);

    // Reading a tape, also notes where its entries' paragraphs start: offsets, from
    // `bodyStart` on, where a new paragraph begins at the document's own level with the
    // state the body began with, and starts with text rather than another break. Reading
    // the header and then the bytes from any such offset gives the same paragraphs as
    // reading the whole. With `textKept` false nothing goes into the document.
    void noteEntryStarts(qsizetype bodyStart, std::vector<qsizetype>* starts, bool textKept);
    // The colour table read, index 0 being the "auto" entry.
    const QList<QColor>& colours() const { return m_colours; }

private:
    enum class Destination { Text, ColourTable, Skipped };

    // What decides a run's character format; text is flushed when it changes.
    struct RunStyle {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        int colourIndex = 0;    // 0: the view's default colour
        int fontHalfPoints = 0; // 0: the view's default size
        bool operator==(const RunStyle&) const = default;
    };

    struct GroupState {
        Destination destination = Destination::Text;
        RunStyle style;
        int unicodeSkip = 1; // \ucN: fallback characters after each \uN
        Qt::Alignment alignment = Qt::AlignLeft;
    };

    void openGroup();
    void closeGroup();
    void readControl();
    void handleControlWord(const QByteArray& word, bool hasParameter, int parameter);
    void handleColourTableWord(const QByteArray& word, int parameter);
    void appendText(QChar c);
    // Adds a character to the pending run, inserting the run first when the style changed.
    void addToRun(QChar c);
    void appendByte(unsigned char byte);
    void skipFallbackCharacters();
    void endParagraph();
    // Gives the current block the group's alignment, once per change.
    void alignBlock();
    void flush();
    // Where an entry may start: checked before each token while a paragraph has just ended.
    void considerEntryStart();
    void noteEmitted(QChar c);
    QTextCharFormat charFormat(const RunStyle& style) const;

    QTextDocument& m_document;
    QTextCursor m_cursor;
    QByteArray m_input;
    QByteArray m_word; // the control word being read
    qsizetype m_pos = 0;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0; // groups opened beyond the depth limit, skipped whole
    bool m_ignorableDestination = false;
    QList<QColor> m_colours;
    QColor m_pendingColour;
    bool m_pendingColourSet = false;
    QString m_pendingText;
    RunStyle m_pendingStyle;
    Paragraphs m_paragraphs;
    bool m_lastWasBreak = false; // the last character of text was a line or paragraph break
    bool m_blockHasAlignment = false;
    Qt::Alignment m_blockAlignment = Qt::AlignLeft;

    std::vector<qsizetype>* m_entryStarts = nullptr;
    bool m_textKept = true;
    qsizetype m_bodyStart = 0;
    std::optional<GroupState> m_bodyState;
    bool m_afterParagraph = false;
    qsizetype m_candidate = -1;
};
