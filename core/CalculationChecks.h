#pragma once

#include "core/SolveOutcome.h"

#include <QChar>
#include <QString>

#include <optional>

class NumberFormatter;

// The checks around a solver that every front end makes alike: an entry that cannot be
// calculated with, a solution that cannot be shown, and the text of a refusal.
class CalculationChecks {
public:
    struct Reading {
        std::optional<double> value;   // the entry's value when usable
        const char* problem = nullptr; // English message key with "%1" for the field's name
    };

    // Reads one entry of a field: the whole text must be a finite number of 0 or more, and
    // a whole-number field's value must be held exactly by a double.
    static Reading readEntry(const QString& text, int tag, QChar separator);
    // A refusal's message for an entry, naming the field by its label.
    static QString entryRefusal(const char* problem, const char* formLabel);
    // The refusal a solution needs before it is shown: infinite or undefined values come
    // from an overflow, and no quantity of a shape is negative. Nothing when it can be shown.
    static std::optional<Refusal> unshowable(const Solution& solution);
    // The localised message of a refusal, its bound written as the formatter writes bounds.
    static QString message(const Refusal& refusal, const NumberFormatter& formatter);
    // The field's label as a name in a sentence: "Radius:" becomes "Radius".
    static QString fieldName(const char* formLabel);

    static constexpr const char* resultTooLargeMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "The result is too large to be calculated.\rPlease try again with smaller values.");
    static constexpr const char* noShapeMessage = QT_TRANSLATE_NOOP(
        "Polymetra", "These values do not make a shape.\rPlease try again with different values.");
    static constexpr const char* unusableFieldMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "The value of %1 is not a number of 0 or more.\rPlease correct it and try again.");
    static constexpr const char* inexactCountMessage = QT_TRANSLATE_NOOP(
        "Polymetra",
        "The value of %1 is too large to be counted exactly.\rPlease enter a whole number up "
        "to 9007199254740992.");
};
