#pragma once

#include <QObject>

// The program's four notifications, as the signals of one process-wide hub. Everything
// runs on the GUI thread, so delivery is direct: every receiver has run before the emit
// returns. A receiver's connection ends with the receiver.
class NotificationHub : public QObject {
    Q_OBJECT
public:
    static NotificationHub& instance();

signals:
    // A plane figure's fields were solved or cleared, or a plane figure came on show.
    void calculateAndDraw2DFigures();
    // Likewise for a solid, or a setting of the solid view changed.
    void calculateAndDraw3DFigures();
    // The stored selection is to be shown again: at launch, after all tapes were cleared
    // and after a file was opened.
    void changeTab();
    // The tapes folder is to be seeded with empty tapes again.
    void writeTapeSupportFiles();

private:
    NotificationHub() = default;
};
