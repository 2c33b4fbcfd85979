#include "ScenarioSteps.h"

#include "ScenarioSession.h"

#include "core/ShapeCalculator.h"

#include <QPushButton>
#include <QTest>

namespace {

void clickCalculate(ScenarioSession& session, const QString&)
{
    if (ShapeCalculator* calculator = session.currentCalculator())
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
}

void clickClear(ScenarioSession& session, Qt::KeyboardModifiers modifiers)
{
    if (ShapeCalculator* calculator = session.currentCalculator())
        QTest::mouseClick(calculator->clearButton(), Qt::LeftButton, modifiers);
}

} // namespace

const std::vector<ScenarioStep>& ScenarioSteps::all()
{
    static const std::vector<ScenarioStep> steps = {
        {QStringLiteral("calculate"), false, clickCalculate},
        {QStringLiteral("clear"), false,
         [](ScenarioSession& session, const QString&) { clickClear(session, Qt::NoModifier); }},
        {QStringLiteral("clear-shift"), false,
         [](ScenarioSession& session, const QString&) { clickClear(session, Qt::ShiftModifier); }},
    };
    return steps;
}

const ScenarioStep* ScenarioSteps::find(const QString& text, QString& argument)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? text : text.left(colon);
    argument = colon < 0 ? QString() : text.mid(colon + 1);
    for (const ScenarioStep& step : all()) {
        if (step.name == name && step.takesArgument == (colon >= 0))
            return &step;
    }
    return nullptr;
}
