#include "core/RtfParser.h"

#include "core/RtfCharacters.h"
#include "core/RtfReader.h"

#include <QTextDocument>

#include <algorithm>
#include <array>
#include <limits>

using namespace RtfCharacters;

RtfParser::RtfParser(QTextDocument& document, Paragraphs paragraphs)
    : m_document(document), m_cursor(&document), m_paragraphs(paragraphs)
{
}

void RtfParser::parse(const QByteArray& rtf)
{
    m_input = rtf;
    m_document.clear();
    m_cursor = QTextCursor(&m_document);
    m_stack.reserve(64);
    bool started = false;
    // One edit for the whole document: its changes are announced once, at the end.
    m_cursor.beginEditBlock();

    while (m_pos < m_input.size()) {
        if (m_entryStarts && (m_afterParagraph || !m_bodyState))
            considerEntryStart();
        const char c = m_input.at(m_pos);
        if (c == '{') {
            ++m_pos;
            openGroup();
            started = true;
        } else if (c == '}') {
            ++m_pos;
            closeGroup();
            if (started && m_stack.empty() && m_overflowDepth == 0)
                break; // the document's own group has ended
        } else if (c == '\\') {
            readControl();
        } else {
            ++m_pos;
            if (c == '\r' || c == '\n' || c == '\0')
                continue;
            appendByte(static_cast<unsigned char>(c));
        }
    }
    endParagraph();
    flush();
    m_cursor.endEditBlock();
}

void RtfParser::noteEntryStarts(qsizetype bodyStart, std::vector<qsizetype>* starts, bool textKept)
{
    m_bodyStart = bodyStart;
    m_entryStarts = starts;
    m_textKept = textKept;
}

void RtfParser::considerEntryStart()
{
    const bool topLevel = m_stack.size() == 1 && m_overflowDepth == 0 && !m_ignorableDestination;
    if (!m_bodyState) {
        if (m_pos >= m_bodyStart && topLevel)
            m_bodyState = m_state;
        else if (m_pos >= m_bodyStart)
            m_entryStarts = nullptr; // the body does not begin at the document's level
        return;
    }
    if (m_candidate >= 0 || !topLevel)
        return;
    const GroupState& body = *m_bodyState;
    if (m_state.destination == body.destination && m_state.style == body.style &&
        m_state.unicodeSkip == body.unicodeSkip && m_state.alignment == body.alignment)
        m_candidate = m_pos;
}

void RtfParser::noteEmitted(QChar c)
{
    if (c != QChar::ParagraphSeparator && !RtfReader::isBreak(c) && m_candidate >= 0)
        m_entryStarts->push_back(m_candidate);
    // After a line break a paragraph mark reads differently than at a fresh start: only
    // a paragraph followed by text is a place to start reading from.
    m_afterParagraph = c == QChar::ParagraphSeparator;
    m_candidate = -1;
}

void RtfParser::openGroup()
{
    if (m_overflowDepth > 0 || int(m_stack.size()) >= RtfReader::maxGroupDepth) {
        ++m_overflowDepth;
        return;
    }
    m_stack.push_back(m_state);
    m_ignorableDestination = false;
}

void RtfParser::closeGroup()
{
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_state.destination == Destination::ColourTable && m_pendingColourSet &&
        m_colours.size() < RtfReader::maxColourTableEntries) {
        m_colours.append(m_pendingColour);
        m_pendingColourSet = false;
    }
    if (m_stack.empty())
        return;
    m_state = m_stack.back();
    m_stack.pop_back();
    m_ignorableDestination = false;
}

void RtfParser::readControl()
{
    ++m_pos; // the backslash
    if (m_pos >= m_input.size())
        return;
    const char first = m_input.at(m_pos);

    if (!isLetter(first)) {
        ++m_pos;
        switch (first) {
        case '\\':
        case '{':
        case '}':
            appendByte(static_cast<unsigned char>(first));
            return;
        case '\'': {
            const int high = m_pos < m_input.size() ? hexValue(m_input.at(m_pos)) : -1;
            const int low = m_pos + 1 < m_input.size() ? hexValue(m_input.at(m_pos + 1)) : -1;
            if (high < 0 || low < 0)
                return;
            m_pos += 2;
            appendByte(static_cast<unsigned char>(high * 16 + low));
            return;
        }
        case '*':
            m_ignorableDestination = true;
            return;
        case '~':
            appendText(QChar(0x00A0));
            return;
        case '_':
            appendText(QChar(0x2011));
            return;
        case '\n':
        case '\r':
            handleControlWord("par", false, 0);
            return;
        case '\t':
            appendText(QLatin1Char('\t'));
            return;
        default:
            return; // \- and other symbols carry no text
        }
    }

    // One buffer for every control word: a tape has millions of them.
    QByteArray& word = m_word;
    word.resize(0);
    bool tooLong = false;
    while (m_pos < m_input.size() && isLetter(m_input.at(m_pos))) {
        if (word.size() < RtfReader::maxControlWordLength)
            word += m_input.at(m_pos);
        else
            tooLong = true;
        ++m_pos;
    }
    bool hasParameter = false;
    bool negative = false;
    if (m_pos < m_input.size() && m_input.at(m_pos) == '-' && m_pos + 1 < m_input.size() &&
        isDigit(m_input.at(m_pos + 1))) {
        negative = true;
        ++m_pos;
    }
    qint64 value = 0;
    while (m_pos < m_input.size() && isDigit(m_input.at(m_pos))) {
        if (value < 1'000'000'000'000LL)
            value = value * 10 + (m_input.at(m_pos) - '0');
        hasParameter = true;
        ++m_pos;
    }
    if (m_pos < m_input.size() && m_input.at(m_pos) == ' ')
        ++m_pos; // the delimiter belongs to the control word
    if (negative)
        value = -value;
    const int parameter = int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                                 std::numeric_limits<int>::max()));
    if (tooLong)
        return;
    handleControlWord(word, hasParameter, parameter);
}

void RtfParser::handleControlWord(const QByteArray& word, bool hasParameter, int parameter)
{
    if (word == "bin") {
        // Raw binary data follows; it is never text.
        const qsizetype length = hasParameter ? std::max(0, parameter) : 0;
        m_pos = std::min(m_input.size(), m_pos + length);
        return;
    }
    if (m_state.destination == Destination::Skipped || m_overflowDepth > 0)
        return;

    if (m_ignorableDestination) {
        m_ignorableDestination = false;
        m_state.destination = Destination::Skipped;
        return;
    }
    if (word == "colortbl") {
        m_state.destination = Destination::ColourTable;
        m_pendingColourSet = false;
        return;
    }
    // No destination's name is shorter than four letters; most words are.
    if (word.size() >= 4 && isSkippedDestination(word)) {
        m_state.destination = Destination::Skipped;
        return;
    }
    if (m_state.destination == Destination::ColourTable) {
        handleColourTableWord(word, parameter);
        return;
    }

    const bool on = !hasParameter || parameter != 0;
    if (m_paragraphs == Paragraphs::TapeLines && word == "par") {
        appendText(RtfReader::tapeBreak(m_lastWasBreak));
    } else if (word == "par" || word == "sect" || word == "page") {
        endParagraph();
        // The paragraph mark joins the pending run, so that a document is inserted in
        // runs of lines rather than a block at a time.
        addToRun(QChar::ParagraphSeparator);
        m_blockHasAlignment = false;
    } else if (word == "line") {
        appendText(QChar::LineSeparator);
    } else if (word == "tab") {
        appendText(QLatin1Char('\t'));
    } else if (word == "u") {
        int unit = parameter;
        if (unit < 0)
            unit += 65536;
        if (unit >= 0 && unit <= 0xFFFF)
            appendText(QChar(char16_t(unit)));
        skipFallbackCharacters();
    } else if (word == "uc") {
        m_state.unicodeSkip = std::clamp(parameter, 0, 16);
    } else if (word == "plain") {
        m_state.style = RunStyle();
    } else if (word == "b") {
        m_state.style.bold = on;
    } else if (word == "i") {
        m_state.style.italic = on;
    } else if (word == "ul") {
        m_state.style.underline = on;
    } else if (word == "ulnone") {
        m_state.style.underline = false;
    } else if (word == "cf") {
        m_state.style.colourIndex = std::max(0, parameter);
    } else if (word == "fs") {
        m_state.style.fontHalfPoints = std::clamp(parameter, 0, 3276);
    } else if (word == "pard") {
        m_state.alignment = Qt::AlignLeft;
    } else if (word == "ql") {
        m_state.alignment = Qt::AlignLeft;
    } else if (word == "qc") {
        m_state.alignment = Qt::AlignHCenter;
    } else if (word == "qr") {
        m_state.alignment = Qt::AlignRight;
    } else if (word == "qj") {
        m_state.alignment = Qt::AlignJustify;
    } else if (word == "emdash") {
        appendText(QChar(0x2014));
    } else if (word == "endash") {
        appendText(QChar(0x2013));
    } else if (word == "bullet") {
        appendText(QChar(0x2022));
    } else if (word == "lquote") {
        appendText(QChar(0x2018));
    } else if (word == "rquote") {
        appendText(QChar(0x2019));
    } else if (word == "ldblquote") {
        appendText(QChar(0x201C));
    } else if (word == "rdblquote") {
        appendText(QChar(0x201D));
    }
}

void RtfParser::handleColourTableWord(const QByteArray& word, int parameter)
{
    const int component = std::clamp(parameter, 0, 255);
    if (!m_pendingColourSet) {
        m_pendingColour = QColor(0, 0, 0);
        m_pendingColourSet = true;
    }
    if (word == "red")
        m_pendingColour.setRed(component);
    else if (word == "green")
        m_pendingColour.setGreen(component);
    else if (word == "blue")
        m_pendingColour.setBlue(component);
}

void RtfParser::skipFallbackCharacters()
{
    for (int remaining = m_state.unicodeSkip; remaining > 0 && m_pos < m_input.size();) {
        const char c = m_input.at(m_pos);
        if (c == '{' || c == '}')
            return;
        if (c == '\\') {
            if (m_pos + 1 < m_input.size() && m_input.at(m_pos + 1) == '\'') {
                m_pos = std::min(m_input.size(), m_pos + 4);
            } else {
                // Another control word: leave it to the main loop unless it is a
                // fallback symbol.
                return;
            }
        } else {
            ++m_pos;
            if (c == '\r' || c == '\n')
                continue;
        }
        --remaining;
    }
}

void RtfParser::appendByte(unsigned char byte)
{
    if (m_overflowDepth > 0)
        return; // inside groups nested beyond the limit, skipped whole
    if (m_state.destination == Destination::ColourTable) {
        if (byte == ';') {
            if (m_colours.size() < RtfReader::maxColourTableEntries)
                m_colours.append(m_pendingColourSet ? m_pendingColour : QColor());
            m_pendingColourSet = false;
        }
        return;
    }
    appendText(fromCodePage1252(byte));
}

void RtfParser::appendText(QChar c)
{
    if (m_state.destination != Destination::Text || m_overflowDepth > 0)
        return;
    addToRun(c);
    if (m_paragraphs == Paragraphs::TapeLines)
        return; // a tape's lines carry no alignment
    if (!m_blockHasAlignment || m_blockAlignment != m_state.alignment)
        alignBlock();
}

void RtfParser::addToRun(QChar c)
{
    if (m_entryStarts)
        noteEmitted(c);
    if (!m_textKept) {
        m_lastWasBreak = RtfReader::isBreak(c);
        return;
    }
    if (!m_pendingText.isEmpty() && !(m_state.style == m_pendingStyle))
        flush();
    m_pendingStyle = m_state.style;
    m_pendingText += c;
    m_lastWasBreak = RtfReader::isBreak(c);
}

void RtfParser::endParagraph()
{
    if (m_paragraphs == Paragraphs::Blocks && !m_blockHasAlignment)
        alignBlock();
}

void RtfParser::alignBlock()
{
    // A block takes the alignment of the one before it; it is set only where it changes,
    // since asking the cursor at each character would make long documents slow to read.
    if (m_blockAlignment != m_state.alignment) {
        flush(); // the block being aligned is then the cursor's
        QTextBlockFormat block = m_cursor.blockFormat();
        block.setAlignment(m_state.alignment);
        m_cursor.setBlockFormat(block);
    }
    m_blockHasAlignment = true;
    m_blockAlignment = m_state.alignment;
}

void RtfParser::flush()
{
    if (m_pendingText.isEmpty())
        return;
    m_cursor.insertText(m_pendingText, charFormat(m_pendingStyle));
    m_pendingText.clear();
}

QTextCharFormat RtfParser::charFormat(const RunStyle& style) const
{
    QTextCharFormat format;
    if (style.bold)
        format.setFontWeight(QFont::Bold);
    if (style.italic)
        format.setFontItalic(true);
    if (style.underline)
        format.setFontUnderline(true);
    if (style.fontHalfPoints > 0)
        format.setFontPointSize(style.fontHalfPoints / 2.0);
    if (style.colourIndex < m_colours.size() && m_colours.at(style.colourIndex).isValid())
        format.setForeground(m_colours.at(style.colourIndex));
    return format;
}
