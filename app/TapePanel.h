#pragma once

#include <QWidget>

class QPushButton;
class QTextEdit;

// The tape drawer's content: the tape view and the button that clears the current tape.
class TapePanel : public QWidget {
    Q_OBJECT
public:
    explicit TapePanel(QWidget* parent = nullptr);

    QTextEdit* tapeTextView() const { return m_tapeTextView; }
    QPushButton* clearTapeButton() const { return m_clearTapeButton; }

private:
    QTextEdit* m_tapeTextView;
    QPushButton* m_clearTapeButton;
};
