// A bounded random driver for the parsers of outside input: mutates well-formed and
// hostile seeds with each format's own tokens, many thousand times, from a fixed seed
// so any finding reproduces.

#include "FuzzTargets.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <array>

class ParserFuzzTest : public QObject {
    Q_OBJECT
private slots:
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
    };
    static constexpr std::array tokens = {
        "<",     ">",    "</",        "<dict>", "</dict>",           "<key>", "</key>", "<string>",
        "&amp;", "&x;",  "<![CDATA[", "]]>",    "<!ENTITY a \"b\">", "[",     "\x00",   "<plist>",
        "<?xml", "&#0;", "&#x110000;"};
    mutateAndRun(seeds, tokens, fuzzVersionList);
}

QTEST_MAIN(ParserFuzzTest)
#include "tst_ParserFuzz.moc"
