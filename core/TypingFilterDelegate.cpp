#include "core/TypingFilterDelegate.h"

#include "core/AlertPresenter.h"
#include "core/NumberFormatter.h"
#include "core/TextField.h"
#include "core/TypingFilter.h"

void TypingFilterDelegate::watch(TextField* field)
{
    // textEdited reports the user's changes only, never the program's own setText.
    m_previousText.insert(field, field->text());
    connect(field, &TextField::textEdited, this, [this, field] { controlTextDidChange(field); });
    // Read back rather than taken from the signal: a change undone by the filter has
    // already restored the text by the time its own notification arrives.
    connect(field, &TextField::textChanged, this,
            [this, field] { m_previousText.insert(field, field->text()); });
    connect(field, &QObject::destroyed, this, [this, field] { m_previousText.remove(field); });
    connect(field, &TextField::editingFinished, this,
            [this, field] { controlTextDidEndEditing(field); });
}

void TypingFilterDelegate::controlTextDidChange(TextField* field)
{
    if (field->tag() == TypingFilter::decimalPlacesTag)
        return; // the preferences dialog keeps its stepper in step itself
    const auto kind = field->tag() == TypingFilter::wholeNumberTag
                          ? TypingFilter::FieldKind::WholeNumber
                          : TypingFilter::FieldKind::Decimal;
    const TypingFilter::Verdict verdict = TypingFilter::judgeChange(
        m_previousText.value(field), field->text(), kind, NumberFormatter::shared().separator());
    if (!verdict.rejected)
        return;
    field->setText(verdict.text);
    AlertPresenter::instance().beep();
}

void TypingFilterDelegate::controlTextDidEndEditing(TextField* field)
{
    if (field->isReadOnly())
        return;
    const QString fixed =
        TypingFilter::fixLeadingSeparator(field->text(), NumberFormatter::shared().separator());
    if (fixed != field->text())
        field->setText(fixed);
}
