#include "shapes2d/RegularPolygonNames.h"

#include "core/Localization.h"

#include <cmath>

namespace {

const char* const below21[] = {
    "Pentagon",        "Hexagon",         "Heptagon",        "Octagon",
    "Enneagon",        "Decagon",         "Hendecagon",      "Dodecagon",
    "Triskaidecagon",  "Tetrakaidecagon", "Pentakaidecagon", "Hexakaidecagon",
    "Heptakaidecagon", "Octakaidecagon",  "Enneakaidecagon", "Icosagon"}; // 5 to 20

const char* const tensPrefixes[] = {"Icosi",     "Triaconta",  "Tetraconta", "Pentaconta",
                                    "Hexaconta", "Heptaconta", "Octaconta",  "Enneaconta"};

const char* const unitSuffixes[] = {"gon",         "kaihenagon",  "kaidigon",   "kaitrigon",
                                    "kaitetragon", "kaipentagon", "kaihexagon", "kaiheptagon",
                                    "kaioctagon",  "kaienneagon"};

} // namespace

QString RegularPolygonNames::name(quint64 sides)
{
    // Only these two are words of the language rather than Greek-built names.
    if (sides == 3)
        return localized("Equilateral Triangle");
    if (sides == 4)
        return localized("Square");
    if (sides >= 5 && sides <= 20)
        return QString::fromLatin1(below21[sides - 5]);
    if (sides >= 21 && sides <= 99) {
        const double tenths = double(sides) / 10;
        const int tens = int(tenths);
        const long units = std::lround((tenths - tens) * 10);
        return QString::fromLatin1(tensPrefixes[tens - 2]) +
               QString::fromLatin1(unitSuffixes[units]);
    }
    if (sides == 100)
        return QStringLiteral("Hectagon");
    return {};
}
