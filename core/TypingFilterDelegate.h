#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class TextField;

// Applies the typing filter to the numeric fields it watches: a rejected change is
// undone and answered with the beep; a text that begins with the separator gets its
// leading zero when editing ends.
class TypingFilterDelegate : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void watch(TextField* field);

    void controlTextDidChange(TextField* field);
    void controlTextDidEndEditing(TextField* field);

private:
    // Each field's text before the change being judged: the user's edit is reported
    // before the text's change, so this still holds the text the edit started from.
    QHash<const TextField*, QString> m_previousText;
};
