// A bounded random driver for the RTF reader: mutates well-formed and hostile seeds with
// RTF's own tokens, many thousand times, from a fixed seed so any finding reproduces.

#include "FuzzTargets.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <array>

class RtfReaderFuzzTest : public QObject {
    Q_OBJECT
private slots:
    void survivesMutatedInput();
};

void RtfReaderFuzzTest::survivesMutatedInput()
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

    QRandomGenerator random(20261206);
    const int iterations = qEnvironmentVariableIntValue("POLYMETRA_FUZZ_ITERATIONS") > 0
                               ? qEnvironmentVariableIntValue("POLYMETRA_FUZZ_ITERATIONS")
                               : 4000;
    for (int i = 0; i < iterations; ++i) {
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
        fuzzRtfReader(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
    }
    // Pure noise too, not only mutations of RTF.
    for (int i = 0; i < iterations / 4; ++i) {
        QByteArray noise = "{\\rtf";
        const int length = random.bounded(512);
        for (int j = 0; j < length; ++j)
            noise += char(random.bounded(256));
        fuzzRtfReader(reinterpret_cast<const uint8_t*>(noise.constData()), size_t(noise.size()));
    }
}

QTEST_MAIN(RtfReaderFuzzTest)
#include "tst_RtfReaderFuzz.moc"
