#pragma once

#include <QString>

#include <vector>

// What a regular-polygon calculation writes, for the window's calculator and the command
// line alike. Two field sets show one polygon: the count is written as the whole number
// used, a given measure shows in both sets, only the set entered in is logged, and the
// polygon's name ends the entry.
class RegularPolygonEntry {
public:
    struct Line {
        int field;
        bool given;
    };

    // `texts` holds, per field, the given fields' own text and the computed values
    // formatted; it is completed as the fields show it. Returns the lines logged, in order.
    static std::vector<Line> write(std::vector<QString>& texts, const std::vector<bool>& given,
                                   const std::vector<double>& values);
};
