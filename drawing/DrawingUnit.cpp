#include "drawing/DrawingUnit.h"

double DrawingUnits::millimetresPer(DrawingUnit unit)
{
    switch (unit) {
    case DrawingUnit::Millimetre:
        return 1;
    case DrawingUnit::Centimetre:
        return 10;
    case DrawingUnit::Metre:
        return 1000;
    case DrawingUnit::Inch:
        return 25.4;
    }
    return 1;
}

QString DrawingUnits::symbol(DrawingUnit unit)
{
    switch (unit) {
    case DrawingUnit::Millimetre:
        return QStringLiteral("mm");
    case DrawingUnit::Centimetre:
        return QStringLiteral("cm");
    case DrawingUnit::Metre:
        return QStringLiteral("m");
    case DrawingUnit::Inch:
        return QStringLiteral("in");
    }
    return QString();
}

std::optional<DrawingUnit> DrawingUnits::parse(const QString& text)
{
    for (DrawingUnit unit : all) {
        if (symbol(unit) == text)
            return unit;
    }
    return std::nullopt;
}
