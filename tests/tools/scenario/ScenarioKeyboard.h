#pragma once

#include <QJsonObject>

class MainWindow;
class QString;
class ShapeCalculator;

// What a keyboard user meets: where typing goes, the way Tab walks the shown pane, and the
// window's place and size; and the steps that type a key sequence or resize the window.
namespace ScenarioKeyboard {
QJsonObject report(MainWindow& window, ShapeCalculator* calculator);
// "Ctrl+PgDown", "Alt+3", "F1"; Return and Escape as the calculator's own keys.
bool isKnownSequence(const QString& text);
void typeSequence(MainWindow& window, ShapeCalculator* calculator, const QString& text);
bool isSize(const QString& text);
void resize(MainWindow& window, const QString& size);
} // namespace ScenarioKeyboard
