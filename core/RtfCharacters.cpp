#include "core/RtfCharacters.h"

#include <algorithm>
#include <array>

namespace RtfCharacters {

namespace {

// Destinations whose content is not document text.
constexpr std::array skippedDestinations = {
    "fonttbl",
    "stylesheet",
    "info",
    "pict",
    "object",
    "header",
    "headerl",
    "headerr",
    "headerf",
    "footer",
    "footerl",
    "footerr",
    "footerf",
    "footnote",
    "fldinst",
    "filetbl",
    "listtable",
    "listoverridetable",
    "revtbl",
    "rsidtbl",
    "xmlnstbl",
    "themedata",
    "colorschememapping",
    "datastore",
    "latentstyles",
    "generator",
    "pgdsctbl",
    "nonshppict",
    "shpinst",
    "bkmkstart",
    "bkmkend",
    "annotation",
    "atnid",
    "atnauthor",
    "private",
    "userprops",
    "docvar",
    "ftnsep",
    "ftnsepc",
    "aftnsep",
    "aftnsepc",
};
} // namespace

bool isSkippedDestination(const QByteArray& word)
{
    return std::any_of(skippedDestinations.begin(), skippedDestinations.end(),
                       [&word](const char* name) { return word == name; });
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Windows code page 1252, the code page of nearly every RTF file; its bytes 0x80 to 0x9f
// differ from Latin-1.
QChar fromCodePage1252(unsigned char byte)
{
    static constexpr char16_t high[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(high[byte - 0x80]);
    return QChar(char16_t(byte));
}

} // namespace RtfCharacters
