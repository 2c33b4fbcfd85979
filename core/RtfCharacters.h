#pragma once

#include <QByteArray>
#include <QChar>

// The RTF reader's vocabulary: which destinations hold no document text, the characters
// of control words and hex escapes, and the Windows code page of \'xx escapes.
namespace RtfCharacters {

bool isSkippedDestination(const QByteArray& word);
bool isLetter(char c);
bool isDigit(char c);
// The value of a hex digit, or -1.
int hexValue(char c);
QChar fromCodePage1252(unsigned char byte);

} // namespace RtfCharacters
