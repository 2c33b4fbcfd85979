#pragma once

#include <QColor>

// The colours the calculators and the tape share.
namespace Colours {
// The given-value mark: the user's value that the last calculation used.
inline QColor textFieldBackgroundColour()
{
    return QColor(130, 190, 255);
}
inline QColor plainField()
{
    return QColor(Qt::white);
}
inline QColor outputOnlyField()
{
    return QColor(232, 232, 232);
}
inline QColor tapeDateLine()
{
    return QColor(120, 120, 120);
}
inline QColor tapeGivenValue()
{
    return QColor(43, 136, 230);
}
} // namespace Colours
