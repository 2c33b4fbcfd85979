#pragma once

#include <QString>
#include <QtGlobal>

// The name of a regular polygon by its number of sides, from 3 to 100; empty beyond.
class RegularPolygonNames {
public:
    static QString name(quint64 sides);
};
