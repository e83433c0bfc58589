#include "calibrationroutineview.h"
#include "mainwindowfixture.h"
#include "messagerecorder.h"
#include "testsupport.h"
#include "touchscrollarea.h"
#include "zelkcontainerpushbutton.h"

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
    // A setup that is ready to start on the simulated dry well.
    void initTestCase()
    {
        TAMARIND_WRITE_DEVICE_FILE(
            "/home/CalibrationSetups/Bath.xml",
            "<?xml version=\"1.0\" encoding=\"utf-8\"?><calibration_setup version=\"1\"><name>Bath</name>"
            "<calibrator_type>2</calibrator_type><reference_channel>1</reference_channel>"
            "<stability_time>1</stability_time><stability_range>0.1</stability_range><hold_time>1</hold_time>"
            "<dut_channels><dut_channel pos=\"1\" channel_caption=\"2\">2</dut_channel></dut_channels>"
            "<cal_points><cal_point pos=\"1\" unit_id=\"1\">50</cal_point></cal_points></calibration_setup>");
        QVERIFY(mMain.startBoard());
        mMain.open(true);
    }
    void cleanupTestCase() { mMain.close(); }

    // Remote moves into the calibration cells, Info into Remote's; the menu
    // no longer scrolls.
    void calibrationLeavesTheMainMenu()
    {
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

    // Should a start still come, the run ends without a word and leaves no run view.
    void startEndsSilently()
    {
        auto* play = mMain.child("WgtCalibrationSetupsParent")->findChild<QZELKContainerPushButton*>();
        QVERIFY(play);
        TMessageRecorder messages;
        QTest::mouseClick(play, Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList());
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TCalibrationRoutineView*>(widget));
    }

private:
    TMainWindowFixture mMain;
};

TAMARIND_TEST_MAIN(tst_MainWindowRoutinesWithoutLibrary)
#include "tst_mainwindowroutineswithoutlibrary.moc"
