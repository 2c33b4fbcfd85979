#pragma once

#include <QString>

// What a quantity field holds, read from its outlet name: the unit kind that its tooltip
// and its description for screen readers name.
enum class QuantityKind { Length, Area, Volume, Angle, Count, Name };

namespace QuantityKinds {
QuantityKind ofOutlet(QLatin1String outlet);
// English key of the kind's description, e.g. "A length".
const char* descriptionKey(QuantityKind kind);
} // namespace QuantityKinds
