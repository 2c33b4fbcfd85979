#include "cli/ResultWriter.h"

#include "core/CalculationChecks.h"
#include "core/Localization.h"
#include "core/NumberFormatter.h"
#include "core/WorkingText.h"
#include "shapes2d/RegularPolygonSolver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray ResultWriter::table(const CliShapes::Shape& shape, const CalculationRun::Result& result)
{
    qsizetype width = 0;
    std::vector<QString> labels;
    for (const CalculationRun::Line& line : result.lines) {
        labels.push_back(
            CalculationChecks::fieldName(shape.table->fields[size_t(line.field)].formLabel) +
            QLatin1Char(':'));
        width = std::max(width, labels.back().size());
    }
    const QString givenMark = localized("(given)");
    QString out;
    for (size_t i = 0; i < labels.size(); ++i) {
        out += labels[i].leftJustified(width + 1) + result.lines[i].text;
        if (result.lines[i].given)
            out += QLatin1Char(' ') + givenMark;
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

QByteArray ResultWriter::json(const CliShapes::Shape& shape, const CalculationRun::Result& result,
                              const NumberFormatter& formatter)
{
    QJsonObject report{
        {QStringLiteral("shape"), QString::fromLatin1(shape.table->shapeName)},
        {QStringLiteral("name"), shape.name},
        {QStringLiteral("decimals"), formatter.decimalPlaces()},
        {QStringLiteral("separator"), formatter.decimalSeparatorString()},
    };
    if (!result.refusal.isEmpty()) {
        report.insert(QStringLiteral("error"), result.refusal);
        if (result.reason)
            report.insert(QStringLiteral("reason"),
                          WorkingText::plainLine(*result.reason, formatter));
        return QJsonDocument(report).toJson(QJsonDocument::Compact) + '\n';
    }
    QJsonArray quantities;
    QJsonObject fields;
    QJsonArray usedCase;
    for (size_t i = 0; i < shape.table->fields.size(); ++i) {
        const FieldSpec& field = shape.table->fields[i];
        QJsonObject quantity{
            {QStringLiteral("name"), shape.quantityNames[i]},
            {QStringLiteral("outlet"), QString::fromLatin1(field.outlet)},
            {QStringLiteral("label"), CalculationChecks::fieldName(field.formLabel)},
            {QStringLiteral("text"), result.texts[i]},
            {QStringLiteral("given"), bool(result.given[i])},
        };
        // The polygon's name is a word, not a measure.
        const bool word = shape.table == &RegularPolygonSolver::fieldTable() &&
                          i == size_t(RegularPolygonSolver::Name);
        quantity.insert(QStringLiteral("value"),
                        word ? QJsonValue(QJsonValue::Null) : QJsonValue(result.values[i]));
        quantities.append(quantity);
        fields.insert(QString::fromLatin1(field.outlet),
                      QJsonObject{{QStringLiteral("text"), result.texts[i]},
                                  {QStringLiteral("given"), bool(result.given[i])}});
        if (result.given[i])
            usedCase.append(shape.quantityNames[i]);
    }
    // The entry's lines as the tape shows them (the regular polygon logs one set only).
    QJsonArray tape;
    for (const CalculationRun::Line& line : result.lines) {
        const QString label = localized(shape.table->fields[size_t(line.field)].tapeLabel);
        tape.append(
            QJsonObject{{QStringLiteral("line"), label.trimmed() + QLatin1Char(' ') + line.text},
                        {QStringLiteral("given"), line.given}});
    }
    report.insert(QStringLiteral("tape"), tape);
    report.insert(QStringLiteral("case"), usedCase);
    report.insert(QStringLiteral("quantities"), quantities);
    report.insert(QStringLiteral("fields"), fields);
    QJsonArray steps;
    for (const WorkingStep& step : result.steps) {
        const WorkingText::Parts parts =
            WorkingText::parts(step, formatter, WorkingText::findsAngle(*shape.table, step));
        steps.append(
            QJsonObject{{QStringLiteral("target"), shape.quantityNames[size_t(step.target)]},
                        {QStringLiteral("formula"), parts.formula},
                        {QStringLiteral("substituted"), parts.substituted},
                        {QStringLiteral("result"), parts.result}});
    }
    report.insert(QStringLiteral("steps"), steps);
    return QJsonDocument(report).toJson(QJsonDocument::Compact) + '\n';
}
