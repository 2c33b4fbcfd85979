#pragma once

#include <QString>

#include <optional>

// The length that one unit of a figure stands for on paper.
enum class DrawingUnit { Millimetre, Centimetre, Metre, Inch };

namespace DrawingUnits {

double millimetresPer(DrawingUnit unit);
// "mm", "cm", "m", "in": the symbol written after values and accepted by parse().
QString symbol(DrawingUnit unit);
std::optional<DrawingUnit> parse(const QString& symbol);
inline constexpr DrawingUnit all[] = {DrawingUnit::Millimetre, DrawingUnit::Centimetre,
                                      DrawingUnit::Metre, DrawingUnit::Inch};

} // namespace DrawingUnits
