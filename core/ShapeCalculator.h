#pragma once

#include "core/ShapeFieldTable.h"
#include "core/SolveOutcome.h"

#include <QWidget>

#include <optional>
#include <vector>

class ClearButton;
class QPushButton;
class TapeView;
class TextField;

// The protocol every shape calculator follows, written once. A calculator declares its
// fields (in writing order) and a pure solver; this base reads the fields, refuses or
// marks the given ones, writes and logs the results, and clears in both variants.
// The calculator is also the pane that holds its fields, buttons and diagram.
class ShapeCalculator : public QWidget {
    Q_OBJECT
public:
    using Dimension = ShapeDimension;
    using FieldRole = ::FieldRole;
    using FieldSpec = ::FieldSpec;

    // The table lives as long as the program (each solver keeps its own).
    explicit ShapeCalculator(const ShapeFieldTable& table, QWidget* parent = nullptr);
    ~ShapeCalculator() override;

    // English key of the shape's name: tab identifier and tape name.
    const char* shapeName() const { return m_table.shapeName; }
    const ShapeFieldTable& table() const { return m_table; }
    Dimension dimension() const { return m_table.dimension; }

    int fieldCount() const { return int(m_fields.size()); }
    TextField* field(int index) const { return m_fields.at(size_t(index)); }
    TextField* fieldByOutlet(const QString& outlet) const;
    const FieldSpec& fieldSpec(int index) const { return m_table.fields.at(size_t(index)); }
    QPushButton* calculateButton() const { return m_calculateButton; }
    QPushButton* clearButton() const;
    // Result phase: Return triggers Clear instead of Calculate.
    bool returnClears() const { return m_returnClears; }

    void setTapeView(TapeView* tapeTextView) { m_tapeTextView = tapeTextView; }
    TapeView* tapeView() const { return m_tapeTextView; }

    // Whitens the input fields and selects the first one.
    virtual void awakeFromNib();

    // Where typing should go when the pane comes on show: the first empty input field in
    // Tab order, or Clear once a result is shown.
    QWidget* preferredFocus() const;
    void focusPreferredField();
    // The pane's widgets in Tab order, which is their visual order.
    const std::vector<QWidget*>& tabChain() const { return m_tabChain; }

    std::vector<double> readValues() const;
    SolveOutcome solve(const std::vector<double>& values) const { return m_table.solve(values); }
    // The working of the last calculation: its steps, or a refusal's reason; nothing after
    // Clear or before the first calculation.
    const std::optional<SolveOutcome>& lastOutcome() const { return m_lastOutcome; }

signals:
    // The working changed: a calculation was made or refused, or the fields were cleared.
    void workingChanged();

public slots:
    void calculate();
    // Clears as the triggering event asks: Shift keeps the values the user gave.
    void clear();
    void clearFields(bool keepEntered);
    // The set operation: writes, logs and shows every value; enters the result phase.
    void setFields(const std::vector<double>& values);

protected:
    // Lays out labels and fields beside the diagram with Clear and Calculate below.
    void buildStandardPane(QWidget* diagram);
    void setClearingOrder(std::vector<int> order) { m_clearingOrder = std::move(order); }
    void setTabChain(std::vector<QWidget*> chain);
    const std::vector<int>& clearingOrder() const { return m_clearingOrder; }
    // The text a computed value is shown with.
    static QString formatComputedValue(double value);
    // The middle of the set operation, between the date line and saving the tape: writes
    // every field and logs its line. A shape whose fields do not map one to one onto its
    // tape lines (two field sets showing one figure) replaces this step only.
    virtual void writeFields(const std::vector<double>& values);
    // One tape line: the field's tape label and its current text.
    void logField(int index, bool given);
    // Leaves a written field read-only, enabled and no longer being edited.
    static void finishWrittenField(TextField* field);
    void postFigureNotification();
    void refuse(const Refusal& refusal);
    // Beeps and shows the "Can't compute!" sheet with an already localised message.
    void showRefusal(const QString& message);
    ClearButton* clearButtonWidget() const { return m_clearButton; }

private:
    // A field whose text cannot be calculated with, refused before any solver runs.
    bool refuseUnusableField();
    static void describeField(TextField* field, const FieldSpec& declared);
    static QString fieldToolTip(const FieldSpec& declared);
    void showWorking(std::optional<SolveOutcome> outcome);
    void enterEntryPhase();
    void scheduleSelection(TextField* field);
    void scheduleEndOfEditing();
    void handleReturn();

    const ShapeFieldTable& m_table;
    std::vector<TextField*> m_fields;
    std::vector<int> m_clearingOrder;
    std::vector<QWidget*> m_tabChain;
    QPushButton* m_calculateButton;
    ClearButton* m_clearButton;
    TapeView* m_tapeTextView = nullptr;
    bool m_returnClears = false;
    std::optional<SolveOutcome> m_lastOutcome;
};
