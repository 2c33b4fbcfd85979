#include "core/ShapeCalculator.h"

#include "core/AlertPresenter.h"
#include "core/CalculationChecks.h"
#include "core/ClearButton.h"
#include "core/Localization.h"
#include "core/NotificationHub.h"
#include "core/NumberFormatter.h"
#include "core/NumberReader.h"
#include "core/QuantityKind.h"
#include "core/TapeFiles.h"
#include "core/TapeView.h"
#include "core/TapeWriter.h"
#include "core/TextField.h"
#include "core/TypingFilter.h"
#include "core/WorkingText.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <numeric>

ShapeCalculator::ShapeCalculator(const ShapeFieldTable& table, QWidget* parent)
    : QWidget(parent), m_table(table),
      m_calculateButton(new QPushButton(localized("Calculate"), this)),
      m_clearButton(new ClearButton(localized("Clear"), this))
{
    for (const FieldSpec& declared : m_table.fields) {
        auto* field = new TextField(this);
        field->setObjectName(QString::fromLatin1(declared.outlet));
        field->setTag(declared.tag);
        field->setOutputOnly(declared.role == FieldRole::OutputOnly);
        describeField(field, declared);
        m_fields.push_back(field);
    }
    m_clearingOrder.resize(m_fields.size());
    std::iota(m_clearingOrder.begin(), m_clearingOrder.end(), 0);

    m_calculateButton->setObjectName(QStringLiteral("calculateButton"));
    m_clearButton->setObjectName(QStringLiteral("clearButton"));
    m_calculateButton->setToolTip(
        localized("Calculates the other values from those you typed (Return)."));
    m_clearButton->setToolTip(localized(
        "Clears the values (Return once calculated).\nShift-click keeps the values you gave."));
    connect(m_calculateButton, &QPushButton::clicked, this, &ShapeCalculator::calculate);
    connect(m_clearButton, &QPushButton::clicked, this, &ShapeCalculator::clear);

    // Return calculates while entering and clears once a result is shown.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                    QKeySequence(Qt::SHIFT | Qt::Key_Return)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, &ShapeCalculator::handleReturn);
    }
}

ShapeCalculator::~ShapeCalculator() = default;

void ShapeCalculator::describeField(TextField* field, const FieldSpec& declared)
{
    const QString name = CalculationChecks::fieldName(declared.formLabel);
    const QString kind = localized(
        QuantityKinds::descriptionKey(QuantityKinds::ofOutlet(QLatin1String(declared.outlet))));
    field->setAccessibleLabel(name);
    field->setAccessibleDescription(kind);
    field->setToolTip(fieldToolTip(declared));
}

QString ShapeCalculator::fieldToolTip(const FieldSpec& declared)
{
    return CalculationChecks::fieldName(declared.formLabel) + QLatin1Char('\n') +
           localized(QuantityKinds::descriptionKey(
               QuantityKinds::ofOutlet(QLatin1String(declared.outlet))));
}

void ShapeCalculator::showWorking(std::optional<SolveOutcome> outcome)
{
    m_lastOutcome = std::move(outcome);
    // A computed field's tooltip ends with the step that found it; tooltips are plain text.
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setToolTip(fieldToolTip(m_table.fields[i]));
    if (const Solution* solution = m_lastOutcome ? solutionOf(*m_lastOutcome) : nullptr) {
        for (const WorkingStep& step : solution->steps) {
            TextField* field = m_fields.at(size_t(step.target));
            field->setToolTip(field->toolTip() + QLatin1Char('\n') +
                              WorkingText::plainLine(step, NumberFormatter::shared(),
                                                     WorkingText::findsAngle(m_table, step)));
        }
    }
    emit workingChanged();
}

TextField* ShapeCalculator::fieldByOutlet(const QString& outlet) const
{
    for (TextField* field : m_fields) {
        if (field->objectName() == outlet)
            return field;
    }
    return nullptr;
}

QPushButton* ShapeCalculator::clearButton() const
{
    return m_clearButton;
}

void ShapeCalculator::awakeFromNib()
{
    for (TextField* field : m_fields) {
        if (!field->isOutputOnly())
            field->setGiven(false);
    }
    if (!m_clearingOrder.empty()) {
        TextField* first = field(m_clearingOrder.front());
        first->setFocus();
        first->selectAll();
    }
}

QWidget* ShapeCalculator::preferredFocus() const
{
    if (m_returnClears)
        return m_clearButton;
    TextField* firstInput = nullptr;
    for (QWidget* widget : m_tabChain) {
        auto* field = qobject_cast<TextField*>(widget);
        if (!field || field->isOutputOnly() || !field->isEditable())
            continue;
        if (field->text().isEmpty())
            return field;
        if (!firstInput)
            firstInput = field;
    }
    return firstInput ? static_cast<QWidget*>(firstInput) : m_calculateButton;
}

void ShapeCalculator::focusPreferredField()
{
    // Queued: a pane that is being shown takes the focus only once it is visible.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            return;
        QWidget* target = preferredFocus();
        target->setFocus(Qt::OtherFocusReason);
        if (auto* field = qobject_cast<TextField*>(target))
            field->selectAll();
    });
}

void ShapeCalculator::setTabChain(std::vector<QWidget*> chain)
{
    m_tabChain = std::move(chain);
    for (size_t i = 1; i < m_tabChain.size(); ++i)
        setTabOrder(m_tabChain[i - 1], m_tabChain[i]);
}

std::vector<double> ShapeCalculator::readValues() const
{
    std::vector<double> values;
    values.reserve(m_fields.size());
    for (const TextField* field : m_fields)
        values.push_back(field->doubleValue());
    return values;
}

void ShapeCalculator::calculate()
{
    if (!m_calculateButton->isEnabled())
        return;
    if (refuseUnusableField()) {
        showWorking(std::nullopt); // no working of an earlier attempt stays beside this one
        return;
    }
    const SolveOutcome outcome = solve(readValues());
    if (const Refusal* refusal = refusalOf(outcome)) {
        showWorking(outcome);
        refuse(*refusal);
        return;
    }
    const Solution& solution = *solutionOf(outcome);
    if (const std::optional<Refusal> problem = CalculationChecks::unshowable(solution)) {
        showWorking(*problem);
        refuse(*problem);
        return;
    }
    showWorking(outcome);
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (solution.given.at(i))
            m_fields[i]->setGiven(true);
    }
    setFields(solution.values);
}

bool ShapeCalculator::refuseUnusableField()
{
    const QChar separator = NumberFormatter::shared().separator();
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const TextField* field = m_fields[i];
        if (field->isOutputOnly() || field->text().trimmed().isEmpty())
            continue;
        const CalculationChecks::Reading reading =
            CalculationChecks::readEntry(field->text(), field->tag(), separator);
        if (reading.problem) {
            showRefusal(
                CalculationChecks::entryRefusal(reading.problem, m_table.fields[i].formLabel));
            return true;
        }
    }
    return false;
}

void ShapeCalculator::refuse(const Refusal& refusal)
{
    showRefusal(CalculationChecks::message(refusal, NumberFormatter::shared()));
}

void ShapeCalculator::showRefusal(const QString& message)
{
    AlertPresenter& alerts = AlertPresenter::instance();
    alerts.beep();
    alerts.showSheet(m_calculateButton, {localized("Can't compute!"), message, QStringLiteral("OK"),
                                         QString(), QString()});
}

QString ShapeCalculator::formatComputedValue(double value)
{
    return NumberFormatter::shared().correctlyFormatTheString(value);
}

void ShapeCalculator::setFields(const std::vector<double>& values)
{
    const QString shape = QString::fromLatin1(m_table.shapeName);
    // The entry goes on this shape's tape, whatever the view held before.
    TapeFiles::ensureHolding(shape, m_tapeTextView);
    TapeWriter::writeDateTime(m_tapeTextView);
    writeFields(values);
    m_tapeTextView->scrollToEnd();
    TapeFiles::writeTapeToFile(shape, m_tapeTextView);
    scheduleEndOfEditing();
    m_calculateButton->setEnabled(false);
    m_returnClears = true;
    postFigureNotification();
}

void ShapeCalculator::writeFields(const std::vector<double>& values)
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        TextField* field = m_fields[i];
        const bool given = field->isGiven();
        if (!given)
            field->setText(formatComputedValue(values.at(i)));
        logField(int(i), given);
        finishWrittenField(field);
    }
}

void ShapeCalculator::logField(int index, bool given)
{
    TapeWriter::setTape(localized(m_table.fields.at(size_t(index)).tapeLabel), field(index)->text(),
                        given, m_tapeTextView);
}

void ShapeCalculator::finishWrittenField(TextField* field)
{
    field->setEditable(false);
    field->setEnabled(false);
    field->setEnabled(true);
}

void ShapeCalculator::clear()
{
    clearFields(m_clearButton->triggerModifiers().testFlag(Qt::ShiftModifier));
    m_clearButton->setTriggerModifiers(Qt::NoModifier);
}

void ShapeCalculator::clearFields(bool keepEntered)
{
    TextField* toSelect = nullptr;
    for (int index : m_clearingOrder) {
        TextField* field = m_fields.at(size_t(index));
        if (field->isOutputOnly()) {
            field->clear();
            continue;
        }
        if (!keepEntered || !field->isGiven())
            field->clear();
        field->setGiven(false);
        field->setEditable(true);
        if (keepEntered && !toSelect && field->doubleValue() != 0.0)
            toSelect = field;
    }
    if (!keepEntered) {
        m_returnClears = false;
        toSelect = qobject_cast<TextField*>(preferredFocus());
    }
    enterEntryPhase();
    if (toSelect)
        scheduleSelection(toSelect);
    showWorking(std::nullopt);
    postFigureNotification();
}

void ShapeCalculator::enterEntryPhase()
{
    m_returnClears = false;
    m_calculateButton->setEnabled(true);
}

void ShapeCalculator::postFigureNotification()
{
    NotificationHub& hub = NotificationHub::instance();
    if (m_table.dimension == Dimension::Plane)
        emit hub.calculateAndDraw2DFigures();
    else
        emit hub.calculateAndDraw3DFigures();
}

void ShapeCalculator::scheduleSelection(TextField* field)
{
    QTimer::singleShot(0, field, [field] {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    });
}

void ShapeCalculator::scheduleEndOfEditing()
{
    // Deferred until the click or Return that calculated has been handled: only then can
    // the field being edited give up its editor, so that the next Return reaches Clear.
    QTimer::singleShot(0, this, [this] {
        if (m_returnClears && isVisible())
            m_clearButton->setFocus(Qt::OtherFocusReason);
    });
}

void ShapeCalculator::handleReturn()
{
    if (m_returnClears) {
        clearFields(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
        return;
    }
    calculate();
}

void ShapeCalculator::buildStandardPane(QWidget* diagram)
{
    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    for (int row = 0; row < fieldCount(); ++row) {
        auto* label = new QLabel(localized(m_table.fields[size_t(row)].formLabel), this);
        label->setBuddy(field(row));
        form->addWidget(label, row, 0, Qt::AlignRight);
        form->addWidget(field(row), row, 1);
    }
    form->setRowStretch(fieldCount(), 1);

    auto* top = new QHBoxLayout;
    top->addLayout(form, 1);
    if (diagram) {
        diagram->setParent(this);
        top->addWidget(diagram, 1);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_clearButton);
    buttons->addWidget(m_calculateButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    // Tab goes the way the eye reads the pane: down the fields, then Clear and Calculate.
    std::vector<QWidget*> chain(m_fields.begin(), m_fields.end());
    chain.push_back(m_clearButton);
    chain.push_back(m_calculateButton);
    setTabChain(std::move(chain));
}
