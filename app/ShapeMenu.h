#pragma once

#include <QObject>

class MainWindow;
class MyTabView;
class QMenu;

// The Shape menu: every shape by name with a shortcut (Ctrl+1…8 the plane figures,
// Alt+1…7 the solids), and the previous and next shape of the family on show
// (Ctrl+PgUp, Ctrl+PgDown, going round). Solids take Alt rather than Ctrl+Shift: on most
// keyboard layouts Shift turns the digit into another character, so Ctrl+Shift+digit is
// not one key on every keyboard.
class ShapeMenu : public QObject {
    Q_OBJECT
public:
    ShapeMenu(QMenu* menu, MainWindow* window);

    // Selects the family's shape `step` tabs away from the one on show, going round.
    void stepShape(int step);

private:
    MainWindow* m_window;
};
