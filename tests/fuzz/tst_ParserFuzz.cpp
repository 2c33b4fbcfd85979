// A bounded random driver for the parsers of outside input: mutates well-formed and
// hostile seeds with each format's own tokens, many thousand times, from a fixed seed
// so any finding reproduces.

#include "FuzzTargets.h"

#include "app/VersionList.h"

#include <QByteArray>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTest>

#include <array>

class ParserFuzzTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void survivesMutatedRtf();
    void survivesMutatedVersionLists();

private:
    using Target = void (*)(const uint8_t*, size_t);
    template <size_t N>
    static void mutateAndRun(const QList<QByteArray>& seeds,
                             const std::array<const char*, N>& tokens, Target target);
};

namespace {
int iterations()
{
    const int configured = qEnvironmentVariableIntValue("POLYMETRA_FUZZ_ITERATIONS");
    return configured > 0 ? configured : 4000;
}
} // namespace

template <size_t N>
void ParserFuzzTest::mutateAndRun(const QList<QByteArray>& seeds,
                                  const std::array<const char*, N>& tokens, Target target)
{
    QRandomGenerator random(20261206);
    for (int i = 0; i < iterations(); ++i) {
        QByteArray input = seeds.at(random.bounded(seeds.size()));
        const int mutations = 1 + random.bounded(12);
        for (int m = 0; m < mutations && !input.isEmpty(); ++m) {
            const qsizetype at = random.bounded(input.size() + 1);
            switch (random.bounded(4)) {
            case 0:
                input.insert(at, tokens[random.bounded(int(tokens.size()))]);
                break;
            case 1:
                if (at < input.size())
                    input[at] = char(random.bounded(256));
                break;
            case 2:
                input.remove(at, random.bounded(8));
                break;
            default:
                input.insert(at, input.mid(random.bounded(input.size()), random.bounded(64)));
                break;
            }
        }
        target(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
    }
}

void ParserFuzzTest::initTestCase()
{
    // Refused version strings are the expected outcome here, thousands of times over.
    QLoggingCategory::setFilterRules(QStringLiteral("polymetra.update.*=false"));
}

void ParserFuzzTest::survivesMutatedRtf()
{
    QList<QByteArray> seeds = {
        "{\\rtf1\\ansi{\\colortbl;\\red43\\green136\\blue230;}{\\cf1 Area: 10}\\par x}",
        "{\\rtf1{\\*\\x{\\fonttbl\\f0 A;}}\\u-10179?\\u-8704?\\uc2\\u8364 ab\\'e9\\bin4 {{{{}",
        "{\\rtf1\\pard\\qc\\b\\i\\ul\\fs48 text\\line\\tab\\~\\_\\emdash}",
    };
    QFile lo(QStringLiteral(POLYMETRA_TEST_DATA "/libreoffice-coloured.rtf"));
    if (lo.open(QIODevice::ReadOnly))
        seeds.append(lo.readAll());
    static constexpr std::array tokens = {
        "{",     "}",           "\\",   "\\bin", "\\bin999999999", "\\u",    "\\u-",       "\\uc",
        "\\'",   "\\'f",        "\\*",  "\\par", "\\cf",           "\\fs-",  "\\colortbl", ";",
        "\\red", "99999999999", "-",    " ",     "\\fonttbl",      "\\pict", "\\\n",       "\xff",
        "\x00",  "\\rtf1",      "\\b0", "\\qc"};
    mutateAndRun(seeds, tokens, fuzzRtfReader);

    // Pure noise too, not only mutations of RTF.
    QRandomGenerator random(7);
    for (int i = 0; i < iterations() / 4; ++i) {
        QByteArray noise = "{\\rtf";
        const int length = random.bounded(512);
        for (int j = 0; j < length; ++j)
            noise += char(random.bounded(256));
        fuzzRtfReader(reinterpret_cast<const uint8_t*>(noise.constData()), size_t(noise.size()));
    }
}

void ParserFuzzTest::survivesMutatedVersionLists()
{
    const QList<QByteArray> seeds = {
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Polymetra.app</key>"
        "<string>2.0.0</string><key>x</key><dict><key>y</key><array/></dict></dict></plist>",
        "<!DOCTYPE plist PUBLIC \"-//X//DTD//EN\" \"x.dtd\"><plist><dict/></plist>",
        "<plist><dict><key>Polymetra.app</key><string>0123456789abcdef0123456789ABCDE~"
        "</string></dict></plist>",
        "<plist><dict><key>Polymetra.app</key><string>&lt;img src=&quot;file:///&quot;&gt;1"
        "</string></dict></plist>",
    };
    static constexpr std::array tokens = {
        "<",     ">",    "</",         "<dict>", "</dict>",           "<key>", "</key>", "<string>",
        "&amp;", "&x;",  "<![CDATA[",  "]]>",    "<!ENTITY a \"b\">", "[",     "\x00",   "<plist>",
        "<?xml", "&#0;", "&#x110000;", "&#9;",   "&#x202e;",          "&lt;",  "\t",     "1.2-b+4"};
    mutateAndRun(seeds, tokens, fuzzVersionList);

    // Well-formed lists whose version strings straddle the length limit, clean or with one
    // character that has no place in a version.
    QRandomGenerator random(11);
    const QString allowed = QStringLiteral("0123456789abcXYZ.-+_~ ");
    const QString refused = QStringLiteral("<>&\"'/:;=\t\n\x7f\u00e9\u202e");
    for (int i = 0; i < iterations() / 4; ++i) {
        QString version;
        for (int length = random.bounded(40); length > 0; --length)
            version += allowed.at(random.bounded(allowed.size()));
        if (!version.isEmpty() && random.bounded(2) == 0)
            version[random.bounded(version.size())] = refused.at(random.bounded(refused.size()));
        const QByteArray document = VersionList::document(version);
        fuzzVersionList(reinterpret_cast<const uint8_t*>(document.constData()),
                        size_t(document.size()));
    }
}

QTEST_MAIN(ParserFuzzTest)
#include "tst_ParserFuzz.moc"
