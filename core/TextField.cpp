#include "core/TextField.h"

#include "core/Colours.h"
#include "core/NumberFormatter.h"
#include "core/NumberReader.h"

TextField::TextField(QWidget* parent) : QLineEdit(parent)
{
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
