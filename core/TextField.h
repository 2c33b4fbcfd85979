#pragma once

#include <QLineEdit>

// A quantity field. Besides its text it carries a tag (which typing rule applies), the
// given-value mark (the user typed the value and the last calculation used it), and
// whether it is an output-only field that the user never types into.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget* parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // The numeric reading: the number at the start of the text with the user's
    // separator; 0 when empty or not a number at the start.
    double doubleValue() const;
    float floatValue() const { return float(doubleValue()); }

    bool isGiven() const { return m_given; }
    void setGiven(bool given);

    bool isEditable() const { return !isReadOnly(); }
    void setEditable(bool editable) { setReadOnly(!editable); }

    bool isOutputOnly() const { return m_outputOnly; }
    void setOutputOnly(bool outputOnly);

    // The name screen readers announce, followed by "given" while the mark is set.
    void setAccessibleLabel(const QString& label);

private:
    void updateBackground();
    void updateAccessibleName();

    int m_tag = 0;
    bool m_given = false;
    bool m_outputOnly = false;
    QString m_accessibleLabel;
};
