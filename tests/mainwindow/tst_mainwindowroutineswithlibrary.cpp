#include "calibratorfixture.h"
#include "mainwindowfixture.h"
#include "testsupport.h"

#include <QGridLayout>

// The main window with the converter library's stand-in in place: the
// calibration routines keep their button and the menu is unchanged.
class tst_MainWindowRoutinesWithLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(TCalibratorFixture::linkConverterStandIn());
        QVERIFY(mMain.startBoard());
    }
    void cleanupTestCase() { mMain.close(); }

    void calibrationStaysInTheMainMenu()
    {
        mMain.open(true);
        QVERIFY(mMain.shown("BtnCalibrationRoutines"));
        auto* grid = qobject_cast<QGridLayout*>(mMain.child("BtnInfo")->parentWidget()->layout());
        QVERIFY(grid);
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(mMain.child("BtnRemote")), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(qMakePair(row, column), qMakePair(8, 0));
        mMain.click("BtnCalibrationRoutines");
        mMain.click("BtnNewCalibrationRoutine");
        QVERIFY(mMain.shown("PageEditCalibrationRoutine"));
    }

private:
    TMainWindowFixture mMain;
};

TAMARIND_TEST_MAIN(tst_MainWindowRoutinesWithLibrary)
#include "tst_mainwindowroutineswithlibrary.moc"
