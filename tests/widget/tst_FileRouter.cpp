#include "widget/ShellTest.h"

#include "app/Controller.h"
#include "app/MainWindow.h"
#include "core/SupportPaths.h"

#include <QDockWidget>
#include <QTest>

// Files handed to the program select their shape and open their panel.
class FileRouterTest : public ShellTest {
    Q_OBJECT
private slots:
    void openingAFileSelectsItsShape_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("infoOpen");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("tapeOpen");
        QTest::newRow("one of the user's tapes") << "<tapes>/Cone Tape" << false << "Cone" << true;
        QTest::newRow("a tape from elsewhere leaves the window as it was")
            << "/anywhere/Cone Tape" << false << "Ellipse" << false;
        QTest::newRow("a metadata file")
            << "/anywhere/Polymetra Trapezium" << true << "Trapezium" << false;
        QTest::newRow("a metadata file written in another language")
            << "/anywhere/Polymetra Prisme triangulaire" << true << "Triangular Prism" << false;
        QTest::newRow("the general metadata file is ignored")
            << "/anywhere/Polymetra" << false << "Ellipse" << false;
    }
    void openingAFileSelectsItsShape()
    {
        QFETCH(QString, path);
        path.replace("<tapes>", SupportPaths::tapesFolder());
        window().infoDrawer()->hide();
        window().tapeDrawer()->hide();
        controller().openFile(path);
        QTEST(window().selectedShape(), "selected");
        QTEST(!window().infoDrawer()->isHidden(), "infoOpen");
        QTEST(!window().tapeDrawer()->isHidden(), "tapeOpen");
    }
};

QTEST_MAIN(FileRouterTest)
#include "tst_FileRouter.moc"
