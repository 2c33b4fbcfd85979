#include "core/QuantityKind.h"

#include <QtGlobal>

QuantityKind QuantityKinds::ofOutlet(QLatin1String outlet)
{
    const auto has = [outlet](const char* word) {
        return outlet.contains(QLatin1String(word), Qt::CaseInsensitive);
    };
    // Surfaces are areas; an angle's outlet may also name a side ("angleA").
    if (has("area") || has("surface"))
        return QuantityKind::Area;
    if (has("volume"))
        return QuantityKind::Volume;
    if (has("angle"))
        return QuantityKind::Angle;
    if (has("sidesN"))
        return QuantityKind::Count;
    if (has("name"))
        return QuantityKind::Name;
    return QuantityKind::Length;
}

const char* QuantityKinds::descriptionKey(QuantityKind kind)
{
    switch (kind) {
    case QuantityKind::Area:
        return QT_TRANSLATE_NOOP("Polymetra", "An area, in square units of length.");
    case QuantityKind::Volume:
        return QT_TRANSLATE_NOOP("Polymetra", "A volume, in cubic units of length.");
    case QuantityKind::Angle:
        return QT_TRANSLATE_NOOP("Polymetra", "An angle, in degrees.");
    case QuantityKind::Count:
        return QT_TRANSLATE_NOOP("Polymetra", "The number of sides, a whole number.");
    case QuantityKind::Name:
        return QT_TRANSLATE_NOOP("Polymetra", "The polygon's name, shown once calculated.");
    case QuantityKind::Length:
        break;
    }
    return QT_TRANSLATE_NOOP("Polymetra", "A length, in any unit used for all lengths.");
}
