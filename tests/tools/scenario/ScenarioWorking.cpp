#include "ScenarioWorking.h"

#include "ScenarioSession.h"
#include "core/CalculationChecks.h"
#include "core/NumberFormatter.h"
#include "core/ShapeCalculator.h"
#include "core/WorkingPanel.h"
#include "core/WorkingText.h"

#include <QJsonObject>
#include <QTest>
#include <QToolButton>

QJsonArray ScenarioWorking::report(const ShapeCalculator& calculator)
{
    QJsonArray steps;
    const auto& outcome = calculator.lastOutcome();
    if (!outcome)
        return steps;
    const NumberFormatter& numbers = NumberFormatter::shared();
    const auto add = [&](const WorkingStep& step) {
        const WorkingText::Parts parts =
            WorkingText::parts(step, numbers, WorkingText::findsAngle(calculator.table(), step));
        steps.append(QJsonObject{
            {QStringLiteral("target"),
             step.target < 0
                 ? QString()
                 : CalculationChecks::fieldName(calculator.fieldSpec(step.target).formLabel)},
            {QStringLiteral("formula"), parts.formula},
            {QStringLiteral("substituted"), parts.substituted},
            {QStringLiteral("result"), parts.result}});
    };
    if (const Refusal* refusal = refusalOf(*outcome)) {
        if (refusal->reason)
            add(*refusal->reason);
    } else {
        for (const WorkingStep& step : solutionOf(*outcome)->steps)
            add(step);
    }
    return steps;
}

std::vector<ScenarioStep> ScenarioWorking::appendedTo(std::vector<ScenarioStep> steps)
{
    steps.push_back({QStringLiteral("show-working"), false,
                     [](ScenarioSession& session, const QString&) {
                         ShapeCalculator* calculator = session.currentCalculator();
                         WorkingPanel* panel =
                             calculator ? calculator->parentWidget()->findChild<WorkingPanel*>()
                                        : nullptr;
                         if (panel && !panel->toggle()->isChecked())
                             QTest::mouseClick(panel->toggle(), Qt::LeftButton);
                     },
                     QStringLiteral("show-working"),
                     QStringLiteral("opens the Working section of the shown calculator")});
    return steps;
}
