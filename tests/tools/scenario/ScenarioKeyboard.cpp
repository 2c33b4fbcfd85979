#include "ScenarioKeyboard.h"

#include "app/MainWindow.h"
#include "core/ShapeCalculator.h"
#include "core/TextField.h"

#include <QApplication>
#include <QJsonArray>
#include <QKeySequence>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

namespace {

// The pane's widgets as Tab reaches them, from the pane's first field round to it again.
QJsonArray tabOrder(ShapeCalculator* calculator)
{
    QJsonArray order;
    if (!calculator || calculator->tabChain().empty())
        return order;
    QWidget* start = calculator->tabChain().front();
    QWidget* widget = start;
    do {
        if (calculator->isAncestorOf(widget) && widget->isVisibleTo(calculator) &&
            widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget && widget != start);
    return order;
}

QRect parseSize(const QString& text)
{
    static const QRegularExpression size(QStringLiteral("^(\\d{2,5})x(\\d{2,5})$"));
    const QRegularExpressionMatch match = size.match(text);
    return match.hasMatch() ? QRect(0, 0, match.captured(1).toInt(), match.captured(2).toInt())
                            : QRect();
}

} // namespace

QJsonObject ScenarioKeyboard::report(MainWindow& window, ShapeCalculator* calculator)
{
    const QWidget* focus = QApplication::focusWidget();
    const QRect frame = window.geometry();
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
    QJsonObject geometry{{QStringLiteral("x"), frame.x()},
                         {QStringLiteral("y"), frame.y()},
                         {QStringLiteral("width"), frame.width()},
                         {QStringLiteral("height"), frame.height()},
                         {QStringLiteral("minimumWidth"), minimum.width()},
                         {QStringLiteral("minimumHeight"), minimum.height()},
                         {QStringLiteral("maximized"), window.isMaximized()}};
    return QJsonObject{{QStringLiteral("focus"), focus ? focus->objectName() : QString()},
                       {QStringLiteral("tabOrder"), tabOrder(calculator)},
                       {QStringLiteral("windowGeometry"), geometry}};
}

bool ScenarioKeyboard::isKnownSequence(const QString& text)
{
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    return sequence.count() == 1 && sequence[0].key() != Qt::Key_unknown;
}

void ScenarioKeyboard::typeSequence(MainWindow& window, ShapeCalculator* calculator,
                                    const QString& text)
{
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != &window)
        target = calculator && calculator->focusWidget() ? calculator->focusWidget() : &window;
    const QKeyCombination key = sequence[0];
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

bool ScenarioKeyboard::isSize(const QString& text)
{
    return parseSize(text).isValid();
}

void ScenarioKeyboard::resize(MainWindow& window, const QString& size)
{
    window.resize(parseSize(size).size());
}
