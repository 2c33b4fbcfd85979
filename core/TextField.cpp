#include "core/TextField.h"

#include "core/Colours.h"
#include "core/Localization.h"
#include "core/NumberFormatter.h"
#include "core/NumberReader.h"

TextField::TextField(QWidget* parent) : QLineEdit(parent)
{
    // Room for a value with its decimals even in a narrow pane (which then scrolls).
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 9);
    updateBackground();
}

double TextField::doubleValue() const
{
    return NumberReader::readLeadingNumber(text(), NumberFormatter::shared().separator());
}

void TextField::setGiven(bool given)
{
    m_given = given;
    updateBackground();
    updateAccessibleName();
}

void TextField::setAccessibleLabel(const QString& label)
{
    m_accessibleLabel = label;
    updateAccessibleName();
}

void TextField::updateAccessibleName()
{
    if (m_accessibleLabel.isEmpty())
        return;
    setAccessibleName(m_given ? localized("%1, given").arg(m_accessibleLabel) : m_accessibleLabel);
}

void TextField::setOutputOnly(bool outputOnly)
{
    m_outputOnly = outputOnly;
    setReadOnly(outputOnly);
    setFocusPolicy(outputOnly ? Qt::ClickFocus : Qt::StrongFocus);
    updateBackground();
}

void TextField::updateBackground()
{
    QPalette p = palette();
    QColor base = Colours::plainField();
    if (m_given)
        base = Colours::textFieldBackgroundColour();
    else if (m_outputOnly)
        base = Colours::outputOnlyField();
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}
