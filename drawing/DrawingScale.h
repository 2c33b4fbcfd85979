#pragma once

#include <QSizeF>
#include <QString>

#include <optional>

// The ratio of a length on paper to the length it stands for: 1 (true size), or a power
// of ten, as the view's grid squares are (1:10, 10:1).
struct DrawingScale {
    int exponent = 0; // paper length = true length × 10^exponent

    double ratio() const;
    // "Scale 1:1", "Scale 1:100", "Scale 10:1".
    QString text() const;

    // The largest power of ten at which a figure `extent` millimetres across at true size
    // fits into `available` millimetres; nothing for an empty or unbounded figure.
    static std::optional<DrawingScale> fitting(const QSizeF& extent, const QSizeF& available);
};
