#pragma once

#include <QObject>

class TextField;

// Applies the typing filter to the numeric fields it watches: a rejected keystroke is
// undone and answered with the beep; a text that begins with the separator gets its
// leading zero when editing ends.
class TypingFilterDelegate : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void watch(TextField* field);

    void controlTextDidChange(TextField* field);
    void controlTextDidEndEditing(TextField* field);
};
