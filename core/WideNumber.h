#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>

// A double with an exponent of its own, for formulas whose products, quotients and sums
// leave the range of a double on the way to a result that lies within it. The mantissa is
// rounded by each operation exactly as the same operation on doubles rounds, wherever that
// stays in the normal range: a formula gives the very same result in wide numbers as in
// doubles unless the doubles overflow or underflow on the way.
class WideNumber {
public:
    // Implicit, so that doubles mix with wide numbers as they would with each other.
    WideNumber(double value) { mantissa = std::frexp(value, &exponent); }

    double value() const { return std::ldexp(mantissa, exponent); }
    bool isPositive() const { return mantissa > 0; }

    friend WideNumber operator*(WideNumber x, WideNumber y)
    {
        return {x.mantissa * y.mantissa, x.exponent + y.exponent};
    }
    friend WideNumber operator/(WideNumber x, WideNumber y)
    {
        return {x.mantissa / y.mantissa, x.exponent - y.exponent};
    }
    friend WideNumber operator+(WideNumber x, WideNumber y)
    {
        // A zero has no exponent worth aligning to: the other number would lose its
        // lowest bits below the normal range.
        if (x.mantissa == 0)
            return y;
        if (y.mantissa == 0)
            return x;
        const int top = std::max(x.exponent, y.exponent);
        return {std::ldexp(x.mantissa, x.exponent - top) + std::ldexp(y.mantissa, y.exponent - top),
                top};
    }
    friend WideNumber operator-(WideNumber x, WideNumber y)
    {
        return x + WideNumber(-y.mantissa, y.exponent);
    }
    friend WideNumber sqrt(WideNumber x)
    {
        const int odd = x.exponent & 1;
        return {std::sqrt(std::ldexp(x.mantissa, odd)), (x.exponent - odd) / 2};
    }
    // The sine of an angle in radians. Below the normal range the sine is its argument, kept
    // wide so that a tiny angle does not vanish.
    friend WideNumber sin(WideNumber x)
    {
        const double radians = x.value();
        return std::fabs(radians) < DBL_MIN ? x : WideNumber(std::sin(radians));
    }
    friend WideNumber cbrt(WideNumber x)
    {
        // A cube root is not rounded exactly, so a scaled one may differ in its last bit:
        // doubles that suffice keep their own.
        if (const double value = x.value(); std::isnormal(value))
            return std::cbrt(value);
        const int rest = (x.exponent % 3 + 3) % 3;
        return {std::cbrt(std::ldexp(x.mantissa, rest)), (x.exponent - rest) / 3};
    }

private:
    WideNumber(double scaled, int shift) : WideNumber(scaled) { exponent += shift; }

    double mantissa;
    int exponent;
};
