#pragma once

#include "cli/CliShapes.h"

#include <QString>

#include <cstdio>

class NumberFormatter;

// Solves one shape for every row of a CSV stream: a header of quantity names in; the same
// header with every quantity and an "error" column out, one row per row read. A refused or
// malformed row gets its reason in the error column and the batch goes on.
class CsvBatch {
public:
    enum class Outcome { AllSolved, SomeRefused, BadHeader, ReadFailed };

    CsvBatch(const CliShapes::Shape& shape, const NumberFormatter& formatter)
        : m_shape(shape), m_formatter(formatter)
    {
    }

    // `output` may be null: the rows are solved and only the outcome counts.
    Outcome run(std::FILE* input, std::FILE* output);
    // Why the header was refused or reading failed.
    QString error() const { return m_error; }

    // One CSV field, quoted when it must be.
    static void appendField(QByteArray& out, const QString& text);

private:
    const CliShapes::Shape& m_shape;
    const NumberFormatter& m_formatter;
    QString m_error;
};
