#pragma once

#include <QObject>

class QWidget;

// Clearing every shape's tape: on the user's request after a confirmation sheet, or at
// quit when the preferences ask for it. The empty tapes are seeded again at once.
class TapeHousekeeping : public QObject {
    Q_OBJECT
public:
    explicit TapeHousekeeping(QWidget* window, QObject* parent = nullptr);

    // Asks for confirmation on the sender's window (the main window by default).
    void clearAllTapes(QWidget* sender = nullptr);
    // The sheet's answer: its alternate button clears, and the shown tape reloads.
    void endClearAllTapesAlert(int returnCode);
    // Removes the shapes' tapes; false when there was no tapes folder.
    bool removeAllTapes();

private:
    QWidget* m_window;
};
