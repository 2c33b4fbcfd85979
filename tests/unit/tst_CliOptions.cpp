#include "cli/CliOptions.h"
#include "cli/CliShapes.h"

#include <QTest>

// The command line read whole: what is understood, and what is a usage error.
class CliOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void parses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action"); // -1: a usage error
        QTest::addColumn<QString>("summary");

        const auto row = [](const char* name, QStringList arguments, int action,
                            const char* summary = "") {
            QTest::newRow(name) << arguments << action << QString::fromUtf8(summary);
        };
        const int error = -1;
        using A = CliOptions::Action;
        row("solve", {"circle", "r=3"}, int(A::Solve), "circle r=3");
        row("options after the values", {"circle", "r=3", "--json", "--decimals", "4"},
            int(A::Solve), "circle r=3 json 4");
        row("joined option values", {"--decimals=0", "--separator=,", "cone", "r=1", "h=2"},
            int(A::Solve), "cone r=1 h=2 0 ,");
        row("value with '=' inside keeps it", {"circle", "r==3"}, int(A::Solve), "circle r==3");
        row("after --, a dash is a value", {"--", "circle", "-r=1"}, int(A::Solve), "circle -r=1");
        row("shape help", {"triangle", "--help"}, int(A::ShapeHelp), "triangle");
        row("help", {"-h"}, int(A::Help));
        row("version wins", {"--list", "--version"}, int(A::Version));
        row("batch", {"--csv", "sphere"}, int(A::Batch), "sphere");
        row("no shape", {"--json"}, error);
        row("value without a name", {"circle", "=3"}, error);
        row("second positional", {"circle", "3"}, error);
        row("two digits of decimals", {"circle", "--decimals", "10"}, error);
        row("decimals missing", {"circle", "--decimals"}, error);
        row("digit separator", {"circle", "--separator", "5"}, error);
        row("minus separator", {"circle", "--separator=-"}, error);
        row("flag with a value", {"circle", "--json=yes"}, error);
        row("unknown option", {"circle", "--radius=3"}, error);
        row("batch with values", {"--csv", "circle", "r=1"}, error);
        row("batch as json", {"--csv", "--json", "circle"}, error);
        row("batch on the tape", {"--csv", "--tape", "circle"}, error);
        row("too many arguments", QStringList(CliOptions::maxArguments + 1, "--quiet"), error);
        row("an argument too long",
            {"circle", "r=" + QString(CliOptions::maxArgumentLength, QLatin1Char('1'))}, error);
    }

    void parses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        const CliOptions::Parsed parsed = CliOptions::parse(arguments);
        if (action < 0) {
            QVERIFY2(!parsed.error.isEmpty(), "expected a usage error");
            return;
        }
        QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
        const CliOptions& o = parsed.options;
        QCOMPARE(int(o.action), action);
        QStringList parts;
        if (!o.shape.isEmpty())
            parts << o.shape;
        for (const auto& [name, text] : o.assignments)
            parts << name + QLatin1Char('=') + text;
        if (o.format == CliOptions::Format::Json)
            parts << QStringLiteral("json");
        if (o.decimals)
            parts << QString::number(*o.decimals);
        if (o.separator)
            parts << QString(*o.separator);
        QTEST(parts.join(QLatin1Char(' ')), "summary");
    }

    void findsQuantities_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found"); // empty: not found or ambiguous

        const auto row = [](const char* shape, const char* name, const char* found) {
            QTest::addRow("%s %s", shape, name) << shape << name << found;
        };
        row("triangle", "a", "side-a");
        row("triangle", "A", "angle-a");
        row("triangle", "Side A", "side-a");
        row("cone", "H", "height");
        row("cone", "s", "slant-height");
        row("pyramid", "s", "surface"); // one quantity has it in any case
        row("polygon", "a", "");        // side or radius a
        row("polygon", "side", "side");
        row("polygon", "pentagon side", "pentagon-side");
        row("parallelogram", "angle", ""); // angle A or angle B
        row("circle", "perimeter", "circumference");
        row("cylinder", "heightTextField", "height");
        row("sphere", "weight", "");
    }

    void findsQuantities()
    {
        QFETCH(QString, shape);
        QFETCH(QString, name);
        const CliShapes::Shape* s = CliShapes::find(shape);
        QVERIFY(s);
        const CliShapes::Lookup lookup = CliShapes::findQuantity(*s, name);
        QTEST(lookup.field < 0 ? QString() : s->quantityNames[size_t(lookup.field)], "found");
    }
};

QTEST_GUILESS_MAIN(CliOptionsTest)
#include "tst_CliOptions.moc"
