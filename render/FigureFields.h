#pragma once

#include <vector>

class TextField;

// The fields a figure view reads for one shape, resolved once from the shape table when
// the window is assembled: the quantities in the order the figure takes them, and the
// field whose editability tells whether a solved figure is on show. The view knows no
// outlet names; it never calls a calculator.
struct FigureFields {
    std::vector<const TextField*> quantities;
    const TextField* layoutKey = nullptr;
    const TextField* drawKey = nullptr; // the draw pass's own key, where it differs

    // Each quantity as the field reads it, in single precision; a missing field reads 0.
    std::vector<float> readings() const;
    // True while the key field still takes typing: no solved figure is on show. A shape
    // without fields has nothing solved either.
    bool unsolved(bool drawPass = false) const;
};
