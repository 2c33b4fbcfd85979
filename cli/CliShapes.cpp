#include "cli/CliShapes.h"

#include "core/Localization.h"
#include "shapes2d/CircleSolver.h"
#include "shapes2d/EllipseSolver.h"
#include "shapes2d/ParallelogramSolver.h"
#include "shapes2d/RectangleSolver.h"
#include "shapes2d/RegularPolygonSolver.h"
#include "shapes2d/SquareSolver.h"
#include "shapes2d/TrapeziumSolver.h"
#include "shapes2d/TriangleSolver.h"
#include "shapes3d/ConeSolver.h"
#include "shapes3d/CylinderSolver.h"
#include "shapes3d/PyramidSolver.h"
#include "shapes3d/RectangularPrismSolver.h"
#include "shapes3d/SphereSolver.h"
#include "shapes3d/TrapezoidalPrismSolver.h"
#include "shapes3d/TriangularPrismSolver.h"

#include <QHash>

#include <algorithm>

namespace {

// Short names by the field's label. A short name that two quantities of one shape would
// share means neither (the regular polygon's "a": side or radius a).
const QHash<QString, QStringList>& shortNamesByLabel()
{
    static const QHash<QString, QStringList> names{
        {QStringLiteral("Radius:"), {QStringLiteral("r")}},
        {QStringLiteral("Diameter:"), {QStringLiteral("d")}},
        {QStringLiteral("Circumference:"), {QStringLiteral("c"), QStringLiteral("perimeter")}},
        {QStringLiteral("Perimeter:"), {QStringLiteral("p")}},
        {QStringLiteral("Side:"), {QStringLiteral("s"), QStringLiteral("a")}},
        {QStringLiteral("Side a:"), {QStringLiteral("a")}},
        {QStringLiteral("Side b:"), {QStringLiteral("b")}},
        {QStringLiteral("Side c:"), {QStringLiteral("c")}},
        {QStringLiteral("Side d:"), {QStringLiteral("d")}},
        {QStringLiteral("Angle A:"), {QStringLiteral("A")}},
        {QStringLiteral("Angle B:"), {QStringLiteral("B")}},
        {QStringLiteral("Angle C:"), {QStringLiteral("C")}},
        {QStringLiteral("Angle D:"), {QStringLiteral("D")}},
        {QStringLiteral("Height:"), {QStringLiteral("h")}},
        {QStringLiteral("Slant Height:"), {QStringLiteral("s"), QStringLiteral("l")}},
        {QStringLiteral("Radius a:"), {QStringLiteral("ra"), QStringLiteral("a")}},
        {QStringLiteral("Radius b:"), {QStringLiteral("rb"), QStringLiteral("b")}},
        {QStringLiteral("Volume:"), {QStringLiteral("v")}},
        {QStringLiteral("Surface:"), {QStringLiteral("S")}},
        {QStringLiteral("Number of sides:"), {QStringLiteral("n"), QStringLiteral("sides")}},
    };
    return names;
}

QString labelName(const char* formLabel)
{
    QString label = QString::fromLatin1(formLabel).trimmed();
    while (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return CliShapes::normalised(label);
}

CliShapes::Shape describe(const ShapeFieldTable& table, QStringList aliases)
{
    CliShapes::Shape shape{&table,
                           CliShapes::normalised(QString::fromLatin1(table.shapeName)),
                           std::move(aliases),
                           {},
                           {}};
    QHash<QString, int> shortUses;
    for (size_t i = 0; i < table.fields.size(); ++i) {
        const FieldSpec& field = table.fields[i];
        QString name = labelName(field.formLabel);
        // The regular polygon's second set of fields always shows a pentagon.
        if (&table == &RegularPolygonSolver::fieldTable() && int(i) > RegularPolygonSolver::Name)
            name.prepend(QStringLiteral("pentagon-"));
        QStringList shortNames =
            name.startsWith(QStringLiteral("pentagon-"))
                ? QStringList()
                : shortNamesByLabel().value(QString::fromLatin1(field.formLabel));
        shortNames.removeAll(name);
        for (const QString& s : shortNames)
            ++shortUses[s];
        shape.quantityNames.push_back(name);
        shape.quantityAliases.push_back(shortNames);
    }
    for (QStringList& shortNames : shape.quantityAliases) {
        shortNames.removeIf([&](const QString& s) {
            return shortUses.value(s) > 1 ||
                   std::find(shape.quantityNames.begin(), shape.quantityNames.end(), s) !=
                       shape.quantityNames.end();
        });
    }
    return shape;
}

QString compact(const QString& name)
{
    QString c = CliShapes::normalised(name);
    c.remove(QLatin1Char('-'));
    return c;
}

} // namespace

QString CliShapes::normalised(const QString& words)
{
    QString out;
    out.reserve(words.size());
    bool pendingDash = false;
    for (const QChar c : words.trimmed()) {
        if (c.isSpace() || c == QLatin1Char('_') || c == QLatin1Char('-')) {
            pendingDash = !out.isEmpty();
            continue;
        }
        if (pendingDash)
            out.append(QLatin1Char('-'));
        pendingDash = false;
        out.append(c.toLower());
    }
    return out;
}

const std::vector<CliShapes::Shape>& CliShapes::all()
{
    static const std::vector<Shape> shapes{
        describe(CircleSolver::fieldTable(), {}),
        describe(SquareSolver::fieldTable(), {}),
        describe(RectangleSolver::fieldTable(), {}),
        describe(EllipseSolver::fieldTable(), {}),
        describe(TriangleSolver::fieldTable(), {}),
        describe(TrapeziumSolver::fieldTable(), {QStringLiteral("trapezoid")}),
        describe(ParallelogramSolver::fieldTable(), {}),
        describe(RegularPolygonSolver::fieldTable(), {QStringLiteral("polygon")}),
        describe(RectangularPrismSolver::fieldTable(),
                 {QStringLiteral("cuboid"), QStringLiteral("box")}),
        describe(CylinderSolver::fieldTable(), {}),
        describe(ConeSolver::fieldTable(), {}),
        describe(PyramidSolver::fieldTable(), {}),
        describe(SphereSolver::fieldTable(), {}),
        describe(TriangularPrismSolver::fieldTable(), {}),
        describe(TrapezoidalPrismSolver::fieldTable(), {}),
    };
    return shapes;
}

const CliShapes::Shape* CliShapes::find(const QString& name)
{
    const QString wanted = compact(name);
    if (wanted.isEmpty())
        return nullptr;
    for (const Shape& shape : all()) {
        if (compact(shape.name) == wanted || compact(localized(shape.table->shapeName)) == wanted)
            return &shape;
        for (const QString& alias : shape.aliases) {
            if (compact(alias) == wanted)
                return &shape;
        }
    }
    return nullptr;
}

CliShapes::Lookup CliShapes::findQuantity(const Shape& shape, const QString& name)
{
    const QString trimmed = name.trimmed();
    const QString wanted = compact(trimmed);
    const int count = int(shape.quantityNames.size());
    // Exact spellings: a quantity's name, a short name as written ("a" is not "A").
    for (int i = 0; i < count; ++i) {
        if (shape.quantityNames[size_t(i)] == trimmed ||
            shape.quantityAliases[size_t(i)].contains(trimmed) ||
            QString::fromLatin1(shape.table->fields[size_t(i)].outlet) == trimmed)
            return {i, {}};
    }
    // The same letters in any case, words joined or not: only when one quantity matches.
    Lookup found;
    for (int i = 0; i < count; ++i) {
        const FieldSpec& field = shape.table->fields[size_t(i)];
        const QString& own = shape.quantityNames[size_t(i)];
        bool matches =
            compact(own) == wanted || compact(QString::fromLatin1(field.outlet)) == wanted;
        // A translated label names the quantity too (the pentagon's fields only by their own name).
        if (!own.startsWith(QStringLiteral("pentagon-")))
            matches =
                matches || compact(localized(field.formLabel).remove(QLatin1Char(':'))) == wanted;
        for (const QString& alias : shape.quantityAliases[size_t(i)])
            matches = matches || alias.compare(trimmed, Qt::CaseInsensitive) == 0;
        if (matches) {
            found.matches.append(shape.quantityNames[size_t(i)]);
            found.field = i;
        }
    }
    if (found.matches.size() != 1)
        found.field = -1;
    else
        found.matches.clear();
    return found;
}
