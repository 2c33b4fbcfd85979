#include "cli/CliHelp.h"

#include "core/CalculationChecks.h"
#include "core/Localization.h"

#include <QHash>

namespace {

// One case of each shape that solves.
QString example(const QString& shape)
{
    static const QHash<QString, QString> examples{
        {QStringLiteral("circle"), QStringLiteral("r=3")},
        {QStringLiteral("square"), QStringLiteral("area=16")},
        {QStringLiteral("rectangle"), QStringLiteral("a=3 b=4")},
        {QStringLiteral("ellipse"), QStringLiteral("a=3 b=2")},
        {QStringLiteral("triangle"), QStringLiteral("a=3 b=4 c=5")},
        {QStringLiteral("trapezium"), QStringLiteral("a=6 c=3 h=2 A=60")},
        {QStringLiteral("parallelogram"), QStringLiteral("a=5 b=3 A=60")},
        {QStringLiteral("regular-polygon"), QStringLiteral("n=6 side=1")},
        {QStringLiteral("rectangular-prism"), QStringLiteral("a=1 b=2 h=3")},
        {QStringLiteral("cylinder"), QStringLiteral("r=1 h=2")},
        {QStringLiteral("cone"), QStringLiteral("r=3 h=4")},
        {QStringLiteral("pyramid"), QStringLiteral("a=1 b=2 h=3")},
        {QStringLiteral("sphere"), QStringLiteral("volume=100")},
        {QStringLiteral("triangular-prism"), QStringLiteral("a=3 b=4 c=5 h=2")},
        {QStringLiteral("trapezoidal-prism"), QStringLiteral("a=6 b=4 c=3 B=60 h=2")},
    };
    return examples.value(shape);
}

} // namespace

QString CliHelp::usage()
{
    return localized(
        "Usage: polymetra-cli [OPTIONS] SHAPE NAME=VALUE...\n"
        "       polymetra-cli --csv [OPTIONS] SHAPE < INPUT.csv > OUTPUT.csv\n"
        "       polymetra-cli --list | --help | --version | SHAPE --help\n"
        "\n"
        "Solves a plane figure or a solid from the quantities given, as the Polymetra\n"
        "window does, and prints every quantity.\n"
        "\n"
        "Options:\n"
        "  --json            print one JSON object: every quantity, the given ones, the case\n"
        "  --csv             solve every row of CSV from standard input (a header of\n"
        "                    quantity names first); write every quantity and an error column\n"
        "  --decimals DIGIT  decimal places, 0 to 9 (default: the app's setting)\n"
        "  --separator CHAR  decimal separator (default: the locale's)\n"
        "  --tape            add the calculation to the shape's tape, as the app does\n"
        "  -q, --quiet       print no result; the exit status tells\n"
        "  --list            list the shapes and their quantities\n"
        "  -h, --help        show this text, or with a shape, the shape's quantities\n"
        "  --version         show the version\n"
        "\n"
        "Exit status: 0 solved, 1 refused (the reason on standard error) or the tape could\n"
        "not be written, 2 usage error.\n"
        "\n"
        "Examples:\n"
        "  polymetra-cli triangle a=3 b=4 c=5\n"
        "  polymetra-cli circle area=10 --decimals 4\n"
        "  polymetra-cli cone r=3 h=4 --json\n");
}

QString CliHelp::list()
{
    QString out;
    for (const CliShapes::Shape& shape : CliShapes::all()) {
        QStringList names;
        for (size_t i = 0; i < shape.quantityNames.size(); ++i) {
            if (shape.table->fields[i].role == FieldRole::Input)
                names.append(shape.quantityNames[i]);
        }
        out += shape.name.leftJustified(18) + names.join(QLatin1Char(' ')) + QLatin1Char('\n');
    }
    return out;
}

QString CliHelp::shape(const CliShapes::Shape& shape)
{
    QString out = localized("%1 (polymetra-cli %2 NAME=VALUE...)\n\nQuantities:\n")
                      .arg(localized(shape.table->shapeName), shape.name);
    for (size_t i = 0; i < shape.quantityNames.size(); ++i) {
        const FieldSpec& field = shape.table->fields[i];
        QString names = shape.quantityNames[i];
        if (!shape.quantityAliases[i].isEmpty())
            names += QStringLiteral(", ") + shape.quantityAliases[i].join(QStringLiteral(", "));
        QString line = QStringLiteral("  ") + names.leftJustified(28) +
                       CalculationChecks::fieldName(field.formLabel);
        if (field.role == FieldRole::OutputOnly)
            line += QLatin1Char(' ') + localized("(calculated only)");
        out += line + QLatin1Char('\n');
    }
    if (!shape.aliases.isEmpty())
        out += localized("\nAlso called: %1\n").arg(shape.aliases.join(QStringLiteral(", ")));
    out += localized("\nGive enough quantities for one case; any others are calculated. With more\n"
                     "than one case given, the window's order of cases decides which is used.\n");
    out += localized("\nExample:\n  polymetra-cli %1 %2\n").arg(shape.name, example(shape.name));
    return out;
}
