#pragma once

#include "core/ShapeFieldTable.h"

#include <QString>
#include <QStringList>

#include <vector>

// The shapes the command line solves, in the window's order (plane figures, then solids),
// each with its name on the command line and the names of its quantities.
class CliShapes {
public:
    struct Shape {
        const ShapeFieldTable* table;
        QString name;                             // "regular-polygon"
        QStringList aliases;                      // "polygon"
        std::vector<QString> quantityNames;       // per field: "radius", "side-a", "pentagon-side"
        std::vector<QStringList> quantityAliases; // per field: short names ("r", "a", "A")
    };

    static const std::vector<Shape>& all();
    // The shape named (any case; spaces, '_' or '-' between words, or none; an alias, the
    // English or the localised name). Nothing when no shape has that name.
    static const Shape* find(const QString& name);

    struct Lookup {
        int field = -1;      // the quantity's field, or -1
        QStringList matches; // when ambiguous: the quantities the name could mean
    };
    // The quantity named: exact names first, then the same letters in any case when only
    // one quantity has them. The outlet names of the window's fields are understood too.
    static Lookup findQuantity(const Shape& shape, const QString& name);

    // A name in the command line's form: lower case, words joined by '-'.
    static QString normalised(const QString& words);
};
