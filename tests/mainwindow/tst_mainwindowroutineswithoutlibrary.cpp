#include "mainwindowfixture.h"
#include "testsupport.h"
#include "touchscrollarea.h"

#include <QGridLayout>

namespace
{
// Row and column of a widget in the main menu's grid; -1 when it is not in it.
QPair<int, int> cell(QWidget* pWidget)
{
    auto* grid = qobject_cast<QGridLayout*>(pWidget->parentWidget()->layout());
    const int index = grid ? grid->indexOf(pWidget) : -1;
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    if (index >= 0)
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return {row, column};
}
} // namespace

// The main window without the calibrators' USB-serial library: the root has
// no "/usr/lib/libftdi1.so.2", and the library is looked for once per process.
class tst_MainWindowRoutinesWithoutLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(mMain.startBoard()); }
    void cleanupTestCase() { mMain.close(); }

    // Remote moves into the calibration cells, Info into Remote's; the menu
    // no longer scrolls.
    void calibrationLeavesTheMainMenu()
    {
        mMain.open(true);
        QVERIFY(!mMain.shown("BtnCalibrationRoutines"));
        QVERIFY(!mMain.shown("LblCalibrationRoutines"));
        QCOMPARE(cell(mMain.child("BtnCalibrationRoutines")), qMakePair(-1, -1));
        QCOMPARE(cell(mMain.child("BtnRemote")), qMakePair(5, 1));
        QCOMPARE(cell(mMain.child("LblRemote")), qMakePair(6, 1));
        QCOMPARE(cell(mMain.child("BtnInfo")), qMakePair(8, 0));
        QCOMPARE(cell(mMain.child("LblInfo")), qMakePair(9, 0));
        auto* menu = mMain.child<TTouchScrollArea>("scrollAreaMainMenu");
        QCOMPARE(menu->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!menu->scrollingEnabled());
    }

private:
    TMainWindowFixture mMain;
};

TAMARIND_TEST_MAIN(tst_MainWindowRoutinesWithoutLibrary)
#include "tst_mainwindowroutineswithoutlibrary.moc"
