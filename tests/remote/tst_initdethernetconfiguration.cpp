#include "ethernetchange.h"
#include "ethernetconfigurationcontroller.h"
#include "initdethernetconfigurationcontroller.h"
#include "networkinterfaces.h"
#include "testsupport.h"

#include <QDir>
#include <QSignalSpy>

// The Ethernet configuration of platform 1 against files under the device
// root and the simulated network: the stanza bytes ifupdown reads, the
// commands in their order, and that nothing runs when a file could not be
// written.
Q_DECLARE_METATYPE(TAbstractEthernetConfigurationController::EnIPNetmaskResult)

class tst_InitDEthernetConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void factoryChoosesThisVariantOnPlatform1();
    void dhcpStateFromTheLastStanzaLine_data();
    void dhcpStateFromTheLastStanzaLine();
    void changeRewritesTheStanza_data();
    void changeRewritesTheStanza();
    void gatewayIsRecordedAndRouted();
    void unwritableFileRunsNothing_data();
    void unwritableFileRunsNothing();
    void dhcpSwitchWithoutInterfaceWritesNothing();
    void simulatedNetworkFollowsTheWrittenStanza();

private:
    std::unique_ptr<TAbstractEthernetConfigurationController> mController;
};

namespace
{
const QString INTERFACES = QStringLiteral("/etc/network/interfaces");
const QString BASE = QStringLiteral("/etc/network/interfaces.base");
const QString STANZA = QStringLiteral("/etc/network/interfaces.eth0");
const QString GATEWAY = QStringLiteral("/etc/network/gateway");
const QByteArray BASE_CONTENT = "auto lo\niface lo inet loopback\n\nauto eth0\n";
const QStringList RESTART = {"ip addr flush dev eth0", "ifdown eth0", "ifup eth0"};

QString hostPath(const QString& pDevicePath)
{
    return TTestEnvironment::root() + pDevicePath;
}
} // namespace

void tst_InitDEthernetConfiguration::initTestCase()
{
    TAMARIND_WRITE_DEVICE_FILE("/etc/version_os_platform", "1.0");
}

void tst_InitDEthernetConfiguration::init()
{
    TTestEnvironment::removeUnderRoot("/etc/network");
    TAMARIND_WRITE_DEVICE_FILE(BASE, BASE_CONTENT);
    TAMARIND_WRITE_DEVICE_FILE(INTERFACES, BASE_CONTENT + "iface eth0 inet static\n");
    QVERIFY(TNetworkInterfaces::setSimulatedInterface("eth0", true, {"192.168.1.20 255.255.255.0"}));
    QVERIFY(TNetworkInterfaces::setSimulatedRoutes("default via 192.168.1.1 dev eth0\n"));
    mController = std::make_unique<TInitDEthernetConfigurationController>("eth0");
    TTestEnvironment::clearRecordedCommands();
}

void tst_InitDEthernetConfiguration::factoryChoosesThisVariantOnPlatform1()
{
    const auto controller = TEthernetConfigurationControllerFactory().createEthernetConfigurationController("eth0");
    QVERIFY(dynamic_cast<TInitDEthernetConfigurationController*>(controller.get()));
}

void tst_InitDEthernetConfiguration::dhcpStateFromTheLastStanzaLine_data()
{
    QTest::addColumn<QByteArray>("interfaces");
    QTest::addColumn<bool>("dhcp");
    QTest::newRow("dhcp stanza") << QByteArray("iface eth0 inet dhcp\n") << true;
    QTest::newRow("static stanza") << QByteArray("iface eth0 inet static\n") << false;
    QTest::newRow("only the loopback") << QByteArray("iface lo inet loopback\n") << false;
    QTest::newRow("another interface on dhcp") << QByteArray("iface eth1 inet dhcp\n") << false;
    QTest::newRow("two blanks before dhcp") << QByteArray("iface eth0 inet  dhcp\n") << true;
    QTest::newRow("leading blanks") << QByteArray("  iface eth0 inet dhcp\n") << false;
    QTest::newRow("trailing blank") << QByteArray("iface eth0 inet dhcp \n") << false;
    QTest::newRow("carriage return") << QByteArray("iface eth0 inet dhcp\r\n") << false;
    QTest::newRow("dhcp then static") << QByteArray("iface eth0 inet dhcp\niface eth0 inet static\n") << false;
    QTest::newRow("static then dhcp") << QByteArray("iface eth0 inet static\niface eth0 inet dhcp\n") << true;
    QTest::newRow("no file") << QByteArray() << false;
}

void tst_InitDEthernetConfiguration::dhcpStateFromTheLastStanzaLine()
{
    QFETCH(QByteArray, interfaces);
    QFETCH(bool, dhcp);
    TTestEnvironment::removeUnderRoot(INTERFACES);
    if (!interfaces.isNull())
        TAMARIND_WRITE_DEVICE_FILE(INTERFACES, BASE_CONTENT + interfaces);
    QCOMPARE(mController->dhcpStatus(), dhcp);
}

// A change writes the interface's stanza, rebuilds the interfaces file from
// the base and the stanza, and restarts the interface.
void tst_InitDEthernetConfiguration::changeRewritesTheStanza_data()
{
    QTest::addColumn<QByteArray>("currentStanza");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("stanza");
    const QStringList current{"192.168.1.20 255.255.255.0"};
    const QByteArray postUp = "\tpost-up /etc/network/eth0-post-up\n";
    QTest::newRow("address change keeps static")
        << QByteArray("iface eth0 inet static\n") << current << "address"
        << "# eth0\niface eth0 inet  static\n\taddress 192.168.1.30\n\tnetmask 255.255.0.0\n" + postUp;
    QTest::newRow("address change keeps dhcp")
        << QByteArray("iface eth0 inet dhcp\n") << current << "address"
        << "# eth0\niface eth0 inet  dhcp\n\taddress 192.168.1.30\n\tnetmask 255.255.0.0\n" + postUp;
    QTest::newRow("dhcp on with an address")
        << QByteArray("iface eth0 inet static\n") << QStringList{"10.0.0.5 255.0.0.0"} << "dhcp on"
        << "# eth0\niface eth0 inet dhcp\n\taddress 10.0.0.5\n\tnetmask 255.0.0.0\n" + postUp;
    QTest::newRow("dhcp on without an address") << QByteArray("iface eth0 inet static\n") << QStringList() << "dhcp on"
                                                << "# eth0\niface eth0 inet dhcp\n" + postUp;
    QTest::newRow("dhcp off freezes the leased address")
        << QByteArray("iface eth0 inet dhcp\n") << QStringList{"192.0.2.50 255.255.255.0"} << "dhcp off"
        << "# eth0\niface eth0 inet static\n\taddress 192.0.2.50\n\tnetmask 255.255.255.0\n" + postUp;
    QTest::newRow("dhcp off passes over an IPv6 address")
        << QByteArray("iface eth0 inet dhcp\n")
        << QStringList{"fe80::5 ffff:ffff:ffff:ffff::", "192.0.2.50 255.255.255.0"} << "dhcp off"
        << "# eth0\niface eth0 inet static\n\taddress 192.0.2.50\n\tnetmask 255.255.255.0\n" + postUp;
    QTest::newRow("dhcp off with an IPv6 address alone")
        << QByteArray("iface eth0 inet dhcp\n") << QStringList{"fe80::5 ffff:ffff:ffff:ffff::"} << "dhcp off"
        << "# eth0\niface eth0 inet static\n" + postUp;
}

void tst_InitDEthernetConfiguration::changeRewritesTheStanza()
{
    QFETCH(QByteArray, currentStanza);
    QFETCH(QStringList, entries);
    QFETCH(QString, change);
    QFETCH(QByteArray, stanza);
    TAMARIND_WRITE_DEVICE_FILE(INTERFACES, BASE_CONTENT + currentStanza);
    QVERIFY(TNetworkInterfaces::setSimulatedInterface("eth0", true, entries));
    QSignalSpy changes(mController.get(), &TAbstractEthernetConfigurationController::interfaceSettingsChanged);

    QVERIFY(applyEthernetChange(*mController, change));

    QCOMPARE(TTestEnvironment::readDeviceFile(STANZA), stanza);
    QCOMPARE(TTestEnvironment::readDeviceFile(INTERFACES), BASE_CONTENT + stanza);
    QCOMPARE(TTestEnvironment::recordedCommands(), RESTART);
    QCOMPARE(changes.count(), 1);
}

void tst_InitDEthernetConfiguration::gatewayIsRecordedAndRouted()
{
    const QByteArray interfacesBefore = TTestEnvironment::readDeviceFile(INTERFACES);
    QVERIFY(mController->setDefaultGateway("192.168.1.1"));
    QCOMPARE(TTestEnvironment::readDeviceFile(GATEWAY), QByteArray("GATEWAY=192.168.1.1"));
    QCOMPARE(TTestEnvironment::recordedCommands(),
             QStringList({"ip route del default", "ip route add default via 192.168.1.1"}));
    QCOMPARE(TTestEnvironment::readDeviceFile(INTERFACES), interfacesBefore);
}

// Tests run as root, so a directory where the file must go is what makes a
// write fail; the base file fails by being absent.
void tst_InitDEthernetConfiguration::unwritableFileRunsNothing_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("change");
    QTest::newRow("base file missing, address change") << BASE << "address";
    QTest::newRow("base file missing, DHCP switch") << BASE << "dhcp on";
    QTest::newRow("stanza file, address change") << STANZA << "address";
    QTest::newRow("stanza file, DHCP switch") << STANZA << "dhcp on";
    QTest::newRow("interfaces file, address change") << INTERFACES << "address";
    QTest::newRow("interfaces file, DHCP switch") << INTERFACES << "dhcp on";
    QTest::newRow("gateway file") << GATEWAY << "gateway";
}

void tst_InitDEthernetConfiguration::unwritableFileRunsNothing()
{
    QFETCH(QString, blocked);
    QFETCH(QString, change);
    const QByteArray interfacesBefore = TTestEnvironment::readDeviceFile(INTERFACES);
    const QByteArray stanzaBefore = "# eth0\niface eth0 inet static\n";
    if (blocked != STANZA)
        TAMARIND_WRITE_DEVICE_FILE(STANZA, stanzaBefore);
    TTestEnvironment::removeUnderRoot(blocked);
    if (blocked != BASE)
        QVERIFY(QDir().mkpath(hostPath(blocked)));
    QSignalSpy changes(mController.get(), &TAbstractEthernetConfigurationController::interfaceSettingsChanged);

    QVERIFY(!applyEthernetChange(*mController, change));
    QCOMPARE(changes.count(), 0);
    QVERIFY(TTestEnvironment::recordedCommands().isEmpty());
    QCOMPARE(QFileInfo(hostPath(blocked)).isDir(), blocked != BASE);
    if (blocked != INTERFACES)
        QCOMPARE(TTestEnvironment::readDeviceFile(INTERFACES), interfacesBefore);
    // A stanza left changed would be carried into the next change.
    if (blocked != STANZA)
        QCOMPARE(TTestEnvironment::readDeviceFile(STANZA), stanzaBefore);
    // Nothing half-written is left beside the files.
    QCOMPARE(QDir(hostPath("/etc/network")).entryList({"*.new"}, QDir::AllEntries), QStringList());
}

void tst_InitDEthernetConfiguration::dhcpSwitchWithoutInterfaceWritesNothing()
{
    QVERIFY(TNetworkInterfaces::setSimulatedInterface("eth0", false));
    TInitDEthernetConfigurationController controller("eth0");
    QVERIFY(!controller.setDHCP(true));
    QVERIFY(!QFile::exists(hostPath(STANZA)));
    QVERIFY(TTestEnvironment::recordedCommands().isEmpty());
}

// The program's stanza as the simulated ifupdown reads it: the refresh after
// a change shows what was asked for.
void tst_InitDEthernetConfiguration::simulatedNetworkFollowsTheWrittenStanza()
{
    QSignalSpy reads(mController.get(), &TAbstractEthernetConfigurationController::interfaceConfigurationRead);
    QVERIFY(mController->setDefaultGateway("192.168.1.254"));
    QCOMPARE(mController->setIPAddressAndNetmask("192.168.1.77", "255.255.255.0"),
             TAbstractEthernetConfigurationController::EnIPNetmaskResult::ipnmrValid);
    mController->refreshInterfaceInformation();
    QCOMPARE(reads.takeLast(), QVariantList({"eth0", "192.168.1.77", "255.255.255.0", "192.168.1.254", false}));

    QVERIFY(mController->setDHCP(true));
    mController->refreshInterfaceInformation();
    QCOMPARE(reads.takeLast(), QVariantList({"eth0", "192.0.2.50", "255.255.255.0", "192.0.2.1", true}));
}

TAMARIND_TEST_MAIN(tst_InitDEthernetConfiguration)
#include "tst_initdethernetconfiguration.moc"
