#include "support/FormulaEvaluator.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double degree = std::numbers::pi / 180;

class Parser {
public:
    Parser(const QString& text, const std::vector<WorkingBinding>& bound) : s(text), b(bound) {}

    std::optional<double> whole()
    {
        const double value = sum();
        skip();
        return ok && at == s.size() ? std::optional(value) : std::nullopt;
    }

private:
    void skip()
    {
        while (at < s.size() && s[at] == QLatin1Char(' '))
            ++at;
    }
    bool take(QChar c)
    {
        skip();
        if (at < s.size() && s[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    double sum()
    {
        double value = product();
        for (;;) {
            if (take(QLatin1Char('+')))
                value += product();
            else if (take(QChar(0x2212)) || take(QLatin1Char('-')))
                value -= product();
            else
                return value;
        }
    }
    double product()
    {
        double value = unary();
        for (;;) {
            if (take(QChar(0x00B7)))
                value *= unary();
            else if (take(QLatin1Char('/')))
                value /= unary();
            else
                return value;
        }
    }
    double unary() { return take(QChar(0x2212)) || take(QLatin1Char('-')) ? -unary() : power(); }
    double power()
    {
        double value = primary();
        for (;;) {
            if (take(QChar(0x00B2)))
                value *= value;
            else if (take(QChar(0x00B3)))
                value = value * value * value;
            else if (take(QChar(0x00B0))) // degrees: the functions take them as they are
                continue;
            else
                return value;
        }
    }
    double primary()
    {
        skip();
        if (take(QLatin1Char('('))) {
            const double value = sum();
            ok = ok && take(QLatin1Char(')'));
            return value;
        }
        if (take(QChar(0x221A)))
            return std::sqrt(power());
        if (take(QChar(0x221B)))
            return std::cbrt(power());
        if (take(QChar(0x03C0)))
            return std::numbers::pi;
        if (take(QLatin1Char('{'))) {
            const qsizetype close = s.indexOf(QLatin1Char('}'), at);
            QString name = s.mid(at, close - at);
            at = close + 1;
            if (name.endsWith(QChar(0x00B0))) // an angle, in degrees like every angle here
                name.chop(1);
            for (const WorkingBinding& binding : b)
                if (name == QString::fromUtf8(binding.name))
                    return binding.value;
            ok = false;
            return 0;
        }
        qsizetype end = at;
        while (end < s.size() && (s[end].isDigit() || s[end] == QLatin1Char('.')))
            ++end;
        if (end > at) {
            const double value = s.mid(at, end - at).toDouble();
            at = end;
            return value;
        }
        while (end < s.size() && s[end].isLetter())
            ++end;
        const QString function = s.mid(at, end - at);
        at = end;
        const double x = primary();
        if (function == QLatin1String("sin"))
            return std::sin(x * degree);
        if (function == QLatin1String("cos"))
            return std::cos(x * degree);
        if (function == QLatin1String("tan"))
            return std::tan(x * degree);
        if (function == QLatin1String("asin"))
            return std::asin(x) / degree;
        if (function == QLatin1String("acos"))
            return std::acos(x) / degree;
        if (function == QLatin1String("atan"))
            return std::atan(x) / degree;
        ok = false;
        return 0;
    }

    const QString& s;
    const std::vector<WorkingBinding>& b;
    qsizetype at = 0;
    bool ok = true;
};

} // namespace

std::optional<double> FormulaEvaluator::evaluate(const QString& formula,
                                                 const std::vector<WorkingBinding>& bound)
{
    return Parser(formula, bound).whole();
}
