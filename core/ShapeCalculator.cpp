#include "core/ShapeCalculator.h"

#include "core/AlertPresenter.h"
#include "core/ClearButton.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NumberFormatter.h"
#include "core/TapeFiles.h"
#include "core/TapeWriter.h"
#include "core/TextField.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <numeric>

ShapeCalculator::ShapeCalculator(const char* shapeName, Dimension dimension,
                                 std::vector<FieldSpec> fields, QWidget* parent)
    : QWidget(parent), m_shapeName(shapeName), m_dimension(dimension), m_specs(std::move(fields)),
      m_calculateButton(new QPushButton(localized("Calculate"), this)),
      m_clearButton(new ClearButton(localized("Clear"), this))
{
    for (const FieldSpec& declared : m_specs) {
        auto* field = new TextField(this);
        field->setObjectName(QString::fromLatin1(declared.outlet));
        field->setTag(declared.tag);
        field->setOutputOnly(declared.role == FieldRole::OutputOnly);
        m_fields.push_back(field);
    }
    m_clearingOrder.resize(m_fields.size());
    std::iota(m_clearingOrder.begin(), m_clearingOrder.end(), 0);

    m_calculateButton->setObjectName(QStringLiteral("calculateButton"));
    m_clearButton->setObjectName(QStringLiteral("clearButton"));
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
    const SolveOutcome outcome = solve(readValues());
    if (const Refusal* refusal = refusalOf(outcome)) {
        refuse(*refusal);
        return;
    }
    const Solution& solution = *solutionOf(outcome);
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (solution.given.at(i))
            m_fields[i]->setGiven(true);
    }
    setFields(solution.values);
}

void ShapeCalculator::refuse(const Refusal& refusal)
{
    AlertPresenter& alerts = AlertPresenter::instance();
    alerts.beep();
    QString message = localized(refusal.messageKey);
    if (refusal.bound)
        message.replace(QLatin1String("%@"), NumberFormatter::shared().formatBound(*refusal.bound));
    alerts.showSheet(m_calculateButton, {localized("Can't compute!"), message, QStringLiteral("OK"),
                                         QString(), QString()});
}

QString ShapeCalculator::formatComputedValue(double value)
{
    return NumberFormatter::shared().correctlyFormatTheString(value);
}

void ShapeCalculator::setFields(const std::vector<double>& values)
{
    TapeWriter::writeDateTime(m_tapeTextView);
    writeFields(values);
    TapeFiles::writeTapeToFile(localized(m_shapeName), m_tapeTextView);
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
    TapeWriter::setTape(localized(m_specs.at(size_t(index)).tapeLabel), field(index)->text(), given,
                        m_tapeTextView);
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
    if (!keepEntered && !m_clearingOrder.empty())
        toSelect = m_fields.at(size_t(m_clearingOrder.front()));
    if (toSelect)
        scheduleSelection(toSelect);
    enterEntryPhase();
    postFigureNotification();
}

void ShapeCalculator::enterEntryPhase()
{
    m_returnClears = false;
    m_calculateButton->setEnabled(true);
}

void ShapeCalculator::postFigureNotification()
{
    NotificationCenter::defaultCenter().post(m_dimension == Dimension::Plane
                                                 ? Notifications::calculateAndDraw2DFigures
                                                 : Notifications::calculateAndDraw3DFigures);
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
    // Runs after the button's action has returned, like the original end-of-editing
    // message: the field loses its editor and Return is free to reach Clear.
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
        auto* label = new QLabel(localized(m_specs[size_t(row)].formLabel), this);
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

    // Tab order follows the clearing order, the order a person fills the fields in.
    QWidget* previous = nullptr;
    for (int index : m_clearingOrder) {
        if (previous)
            setTabOrder(previous, field(index));
        previous = field(index);
    }
    if (previous) {
        setTabOrder(previous, m_calculateButton);
        setTabOrder(m_calculateButton, m_clearButton);
    }
}
