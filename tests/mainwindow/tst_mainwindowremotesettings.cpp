#include "mainwindowfixture.h"
#include "networkinterfaces.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "zelkcontainerradiobutton.h"

// The remote settings page in the real main window: the groups of the option
// board, the simulated eth0 in its labels, and a saved DHCP switch that the
// page's own poll shows while the page is on screen.
class tst_MainWindowRemoteSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void groupsFollowTheOptionBoard_data();
    void groupsFollowTheOptionBoard();
    void savedDHCPSwitchShowsOnThePage();

private:
    TMainWindowFixture mMain;
};

void tst_MainWindowRemoteSettings::initTestCase()
{
    QVERIFY(mMain.startBoard());
    TAMARIND_WRITE_DEVICE_FILE("/etc/network/interfaces.base", "auto lo\niface lo inet loopback\n");
    TAMARIND_WRITE_DEVICE_FILE("/etc/network/interfaces", "auto lo\niface lo inet loopback\niface eth0 inet static\n");
}

void tst_MainWindowRemoteSettings::cleanup()
{
    mMain.close();
}

void tst_MainWindowRemoteSettings::groupsFollowTheOptionBoard_data()
{
    QTest::addColumn<QByteArray>("fitted");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<bool>("rs232");
    QTest::addColumn<bool>("ieee488");
    QTest::newRow("no option board") << QByteArray("0") << QByteArray("1") << false << false;
    QTest::newRow("RS-232 board") << QByteArray("1") << QByteArray("1") << true << false;
    QTest::newRow("IEEE-488 board") << QByteArray("1") << QByteArray("0") << false << true;
}

void tst_MainWindowRemoteSettings::groupsFollowTheOptionBoard()
{
    QFETCH(QByteArray, fitted);
    QFETCH(QByteArray, kind);
    QFETCH(bool, rs232);
    QFETCH(bool, ieee488);
    TAMARIND_WRITE_DEVICE_FILE("/sys/class/gpio/gpio20/value", fitted);
    TAMARIND_WRITE_DEVICE_FILE("/sys/class/gpio/gpio82/value", kind);
    QVERIFY(TNetworkInterfaces::setSimulatedInterface("eth0", true, {"192.0.2.50 255.255.255.0"}));
    QVERIFY(TNetworkInterfaces::setSimulatedRoutes("default via 192.0.2.1 dev eth0\n"));
    // No converter stands at the line here: the bus address goes nowhere, without a word.
    mMain.open(false);

    QCOMPARE(mMain.shown("WgtRemote_RS232"), rs232);
    QCOMPARE(mMain.shown("WgtRemote_IEEE488"), ieee488);
    // Filled by the refresh at the start, before the page was ever shown.
    QCOMPARE(mMain.text("LblEthernet_IP"), QString("192.0.2.50"));
    QCOMPARE(mMain.text("LblEthernet_Gateway"), QString("192.0.2.1"));
    // The test's own port, not the default one.
    QCOMPARE(mMain.text("LblEthernet_Port"),
             TTamarindSettings::instance().value(QStringLiteral("ethernet"), QStringLiteral("port")));
}

void tst_MainWindowRemoteSettings::savedDHCPSwitchShowsOnThePage()
{
    TAMARIND_WRITE_DEVICE_FILE("/sys/class/gpio/gpio20/value", "1");
    TAMARIND_WRITE_DEVICE_FILE("/sys/class/gpio/gpio82/value", "1");
    QVERIFY(TNetworkInterfaces::setSimulatedInterface("eth0", true, {"192.168.1.20 255.255.255.0"}));
    mMain.open(true);
    mMain.click("BtnRemote");
    QCOMPARE(mMain.mainPage(), mMain.child("PageRemote"));
    QCOMPARE(mMain.text("LblEthernet_DHCP"), QString("Off"));
    mMain.snapshot(QStringLiteral("mainwindow_remote_settings"));

    mMain.click("BtnEthernet_DHCP");
    QCOMPARE(mMain.menuPage(), mMain.child("PageGenericOnOff"));
    mMain.click("BtnGenericOn");
    TTestEnvironment::clearRecordedCommands();
    mMain.click("BtnSave");

    QVERIFY(!mMain.child<QZELKContainerRadioButton>("BtnEthernet_DHCP")->isChecked());
    QVERIFY(TTestEnvironment::recordedCommands().mid(0, 3) ==
            QStringList({"ip addr flush dev eth0", "ifdown eth0", "ifup eth0"}));
    // The page's poll brings the lease into the labels.
    QTRY_COMPARE_WITH_TIMEOUT(mMain.text("LblEthernet_IP"), QString("192.0.2.50"), 3000);
    QCOMPARE(mMain.text("LblEthernet_DHCP"), QString("On"));
    mMain.snapshot(QStringLiteral("mainwindow_remote_settings_dhcp"));
}

TAMARIND_TEST_MAIN(tst_MainWindowRemoteSettings)
#include "tst_mainwindowremotesettings.moc"
