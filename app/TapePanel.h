#pragma once

#include <QWidget>

class QPushButton;
class TapeView;

// The tape drawer's content: the tape view and the button that clears the current tape.
class TapePanel : public QWidget {
    Q_OBJECT
public:
    explicit TapePanel(QWidget* parent = nullptr);

    TapeView* tapeTextView() const { return m_tapeTextView; }
    QPushButton* clearTapeButton() const { return m_clearTapeButton; }

private:
    TapeView* m_tapeTextView;
    QPushButton* m_clearTapeButton;
};
