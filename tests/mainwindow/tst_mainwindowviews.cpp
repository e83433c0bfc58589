#include "boardfaults.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcomponents.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "channelviewfixture.h"
#include "mainwindowfixture.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>

namespace
{
void store(const char* pSection, const char* pKey, const QString& pValue)
{
    TTamarindSettings::instance().setValue(QLatin1String(pSection), QLatin1String(pKey), pValue);
    TTamarindSettings::instance().store();
}
} // namespace

// The measurement screen as the main window builds and wires it on the
// simulated board: the home view at start, the scan view through the scan
// page, the way back, and a channel the board refuses.
class tst_MainWindowViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void homeViewShowsTheMeasuredChannel();
    void twoChannelScanFollowsTheBoard();
    void refusedChannelKeepsTheHomeView();
    void scanOfThreeAndMoreHasItsView_data();
    void scanOfThreeAndMoreHasItsView();

private:
    TChannelController& channels() const { return *mMain.window()->mChannelController; }
    TChannelViewControllerManager& views() const { return *mMain.window()->mChannelViewControllerManager; }
    void poll(int pCount) const
    {
        for (int i = 0; i < pCount; ++i)
            QVERIFY(channels().readMeasuredChannel());
    }

    TMainWindowFixture mMain;
};

void tst_MainWindowViews::initTestCase()
{
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowViews::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("scan"));
    mMain.board().withFaults([](TBoardFaults& pFaults) { pFaults.clear(); });
}

void tst_MainWindowViews::cleanup()
{
    mMain.close();
    mMain.board().fitSwitchBox(1, TSimulatedSwitchBox());
}

void tst_MainWindowViews::homeViewShowsTheMeasuredChannel()
{
    mMain.open(true);
    channels().setReadingActive(false);
    QCOMPARE(mMain.mainPage(), mMain.child("PageHome"));
    QCOMPARE(views().currentViewController(), views().homescreenViewController());
    QCOMPARE(views().homescreenViewController()->measuredChannel(), channels().measuredChannel());
    poll(3);
    const QString value = mMain.text("lblSingleViewMainVal");
    QVERIFY2(!value.isEmpty() && value != QLatin1String("OL"), qPrintable(value));
    QVERIFY(!mMain.text("lblSingleViewMax").isEmpty());
    QCOMPARE(mMain.text("lblInfoBarLeft"), QStringLiteral("No. of meas.: 10"));
    QVERIFY(mMain.text("lblInfoBarCenter").startsWith(QLatin1String("Average: ")));
    QCOMPARE(mMain.child<QAbstractButton>("btnSingleViewChanSel")->text(),
             channels().measuredChannel()->channelBtnText());
    QCoreApplication::processEvents();
    mMain.snapshot(QStringLiteral("home_view"));
}

void tst_MainWindowViews::twoChannelScanFollowsTheBoard()
{
    store("scan", "channels", "1,2");
    store("scan", "hold_time", "3");
    mMain.open(true);
    channels().setReadingActive(false);
    mMain.click("BtnScan");
    mMain.click("BtnScan_Start");
    mMain.click("BtnScan_ShowView");
    QCOMPARE(mMain.mainPage(), mMain.child("Page2ChannelView"));
    QCOMPARE(views().currentViewController(), views().activeScanViewController());

    poll(2);
    QVERIFY(!mMain.text("Lbl2ChanViewMainValue_Top").isEmpty());
    QCOMPARE(opacityOf(mMain.child("Wgt2ChanViewTop")), 1.0);
    QCOMPARE(opacityOf(mMain.child("Wgt2ChanViewBtm")), 0.7);
    // The hold time of 3 s is six polls of 500 ms; the seventh measures channel 2.
    poll(5);
    QCOMPARE(channels().measuredChannel(), channels().channel(2));
    QCOMPARE(opacityOf(mMain.child("Wgt2ChanViewTop")), 0.7);
    QCOMPARE(opacityOf(mMain.child("Wgt2ChanViewBtm")), 1.0);
    QVERIFY(!mMain.text("Lbl2ChanViewMainValue_Btm").isEmpty());
    QVERIFY(!mMain.text("Lbl2ChanViewDiffValue").isEmpty());
    QCOMPARE(mMain.text("Lbl2ChanViewDiffCaption"), QStringLiteral("Chan. 1 - 2"));
    QCOMPARE(mMain.text("lblInfoBarLeft"), QStringLiteral("Channel 2 No. of meas.: 10"));
    poll(1);
    // The information bar lays its labels out anew for the longer text.
    QCoreApplication::processEvents();
    mMain.snapshot(QStringLiteral("two_channel_view"));

    mMain.click("BtnScan");
    QCOMPARE(mMain.mainPage(), mMain.child("PageScan"));
    mMain.click("BtnScan_Stop");
    QCOMPARE(views().currentViewController(), views().homescreenViewController());
    QCOMPARE(channels().measuredChannel(), views().homescreenViewController()->measuredChannel());
}

void tst_MainWindowViews::refusedChannelKeepsTheHomeView()
{
    mMain.open(true);
    channels().setReadingActive(false);
    TAbstractChannel* before = channels().measuredChannel();
    QVERIFY(before);
    const QString caption = mMain.child<QAbstractButton>("btnSingleViewChanSel")->text();
    mMain.board().withFaults([](TBoardFaults& pFaults) {
        TBoardFaults::TCommandFault fault;
        fault.mPrefix = "conf:chan";
        fault.mCount = -1;
        pFaults.mCommandFaults << fault;
    });
    mMain.click("btnSingleViewChanSel");
    QCOMPARE(mMain.menuPage(), mMain.child("PageChannelSelection"));
    const char* other = before->internalChannelNumber() == 2 ? "BtnChanSel_1" : "BtnChanSel_2";
    mMain.click(other);
    QCOMPARE(views().homescreenViewController()->measuredChannel(), before);
    QCOMPARE(mMain.child<QAbstractButton>("btnSingleViewChanSel")->text(), caption);
    QCOMPARE(channels().measuredChannel(), before);
}

void tst_MainWindowViews::scanOfThreeAndMoreHasItsView_data()
{
    QTest::addColumn<QString>("scanned");
    QTest::addColumn<QString>("page");
    // What shows the first channel measured: a place at full brightness, or a tile.
    QTest::addColumn<QString>("measuredPlace");

    QTest::newRow("three channels") << "1,2,3"
                                    << "Page3ChannelView"
                                    << "Wgt3ChanViewTop";
    QTest::newRow("four channels") << "1,2,3,4"
                                   << "Page4ChannelView"
                                   << "Wgt4ChanViewTopLeft";
    QTest::newRow("six channels, two of a box") << "1,2,3,4,16,17"
                                                << "PageMultiChannelView"
                                                << "";
}

void tst_MainWindowViews::scanOfThreeAndMoreHasItsView()
{
    QFETCH(QString, scanned);
    QFETCH(QString, page);
    QFETCH(QString, measuredPlace);

    TSimulatedSwitchBox box;
    box.mType = sbtSWX6300_PRT8;
    box.mSerialNumber = QStringLiteral("SB-1");
    box.mDate = QDate(2023, 6, 1);
    mMain.board().fitSwitchBox(1, box);
    store("scan", "channels", scanned);
    mMain.open(true);
    channels().setReadingActive(false);
    mMain.click("BtnScan");
    mMain.click("BtnScan_Start");
    mMain.click("BtnScan_ShowView");
    QCOMPARE(mMain.mainPage()->objectName(), page);
    QCOMPARE(views().currentViewController(), views().activeScanViewController());
    poll(2);
    if (!measuredPlace.isEmpty()) {
        QCOMPARE(opacityOf(mMain.child(qPrintable(measuredPlace))), 1.0);
    } else {
        auto* view = qobject_cast<TMultiChannelViewController*>(views().activeScanViewController());
        QVERIFY(view);
        QCOMPARE(view->tileOf(channels().channel(1))->button()->getColorSchemeIndex(),
                 int(QZELKAbstractButton::csBlue));
        QVERIFY(!view->tileOf(channels().channel(1))->lblTemperatureValue()->text().isEmpty());
        // A tap on a tile opens probe and unit in the menu area, and the unit selection from there.
        QTest::mouseClick(view->tileOf(channels().channel(2))->button(), Qt::LeftButton);
        QCOMPARE(mMain.menuPage(), mMain.child("PageSelectProbeOrUnit"));
        QCOMPARE(mMain.text("LblMenuCaption"), QStringLiteral("Probe / Unit (Chan. 2)"));
        mMain.click("BtnMultiChannelSubmenu_Unit");
        QCOMPARE(mMain.menuPage(), mMain.child("PageUnitSelection"));
    }
    QCoreApplication::processEvents();
    mMain.snapshot(QStringLiteral("scan_view_") + page);
    mMain.click("BtnScan");
    mMain.click("BtnScan_Stop");
}

TAMARIND_TEST_MAIN(tst_MainWindowViews)
#include "tst_mainwindowviews.moc"
