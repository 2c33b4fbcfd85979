#include "core/RtfReader.h"

#include "core/RtfParser.h"

#include <QTextDocument>

bool RtfReader::looksLikeRtf(const QByteArray& bytes)
{
    qsizetype start = 0;
    while (start < bytes.size() && (bytes.at(start) == ' ' || bytes.at(start) == '\t' ||
                                    bytes.at(start) == '\r' || bytes.at(start) == '\n'))
        ++start;
    return bytes.mid(start, 5) == "{\\rtf";
}

bool RtfReader::read(const QByteArray& rtf, QTextDocument& document)
{
    if (!looksLikeRtf(rtf))
        return false;
    RtfParser parser(document, RtfParser::Paragraphs::Blocks);
    parser.parse(rtf);
    return true;
}

bool RtfReader::readTape(const QByteArray& rtf, QTextDocument& document)
{
    if (!looksLikeRtf(rtf))
        return false;
    RtfParser parser(document, RtfParser::Paragraphs::TapeLines);
    parser.parse(rtf);
    return true;
}
