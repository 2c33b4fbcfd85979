#include "shapes2d/RegularPolygonEntry.h"

#include "shapes2d/RegularPolygonNames.h"
#include "shapes2d/RegularPolygonSolver.h"

using Polygon = RegularPolygonSolver;

std::vector<RegularPolygonEntry::Line> RegularPolygonEntry::write(std::vector<QString>& texts,
                                                                  const std::vector<bool>& given,
                                                                  const std::vector<double>& values)
{
    std::vector<Line> lines;
    // The count is never formatted as a result, and always logged as entered.
    const quint64 sides = quint64(values[Polygon::Sides]);
    texts[Polygon::Sides] = QString::number(sides);
    lines.push_back({Polygon::Sides, true});

    bool graphic = false;
    for (Polygon::Field f : Polygon::graphicMeasures)
        graphic = graphic || given[f];
    for (int m = 0; m < Polygon::measureCount; ++m) {
        const size_t table = Polygon::tableMeasures[m];
        const size_t pentagon = Polygon::graphicMeasures[m];
        if (given[table])
            texts[pentagon] = texts[table];
        if (given[pentagon])
            texts[table] = texts[pentagon];
    }
    // A measure whose twin was given shows the twin's value and is not logged twice.
    for (int m = 0; m < Polygon::measureCount; ++m) {
        const int own = graphic ? Polygon::graphicMeasures[m] : Polygon::tableMeasures[m];
        const int twin = graphic ? Polygon::tableMeasures[m] : Polygon::graphicMeasures[m];
        if (given[size_t(own)] || !given[size_t(twin)])
            lines.push_back({own, bool(given[size_t(own)])});
    }

    texts[Polygon::Name] = RegularPolygonNames::name(sides);
    if (!texts[Polygon::Name].isEmpty())
        lines.push_back({Polygon::Name, false});
    return lines;
}
