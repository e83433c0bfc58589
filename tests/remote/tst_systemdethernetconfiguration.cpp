#include "ethernetchange.h"
#include "ethernetconfigurationcontroller.h"
#include "networkinterfaces.h"
#include "systemdethernetconfigurationcontroller.h"
#include "systemdnetworkfile.h"
#include "testsupport.h"

#include <QDir>
#include <QSignalSpy>

// The Ethernet configuration of platform 2 against network files under the
// device root and the simulated systemd-networkd: how a file reads and comes
// back, which keys each change writes, and that a change that could not be
// written restarts nothing.
class tst_SystemDEthernetConfiguration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void factoryChoosesThisVariantOnPlatform2();
    void dhcpStateIsExactlyIpv4_data();
    void dhcpStateIsExactlyIpv4();
    void storeKeepsOnlyKeysSorted_data();
    void storeKeepsOnlyKeysSorted();
    void changesWriteTheirKeys_data();
    void changesWriteTheirKeys();
    void addressChangeWhileDHCPIsOnTouchesNothing();
    void missingNetworkFileRefusesEveryChange();
    void unwritableNetworkFileRestartsNothing_data();
    void unwritableNetworkFileRestartsNothing();
    void simulatedNetworkdFollowsTheFile();

private:
    std::unique_ptr<TAbstractEthernetConfigurationController> mController;
};

namespace
{
const QString NETWORK_FILE = QStringLiteral("/etc/systemd/network/eth0.network");
const QStringList APPLY = {"ip addr flush dev eth0", "systemctl restart systemd-networkd"};

QString hostPath(const QString& pDevicePath)
{
    return TTestEnvironment::root() + pDevicePath;
}
} // namespace

void tst_SystemDEthernetConfiguration::initTestCase()
{
    TAMARIND_WRITE_DEVICE_FILE("/etc/version_os_platform", "2.0");
}

void tst_SystemDEthernetConfiguration::init()
{
    TTestEnvironment::removeUnderRoot("/etc/systemd/network");
    TAMARIND_WRITE_DEVICE_FILE(NETWORK_FILE, "[Match]\nName=eth0\n[Network]\nDHCP=no\n"
                                             "Address=192.168.1.20/24\n");
    QVERIFY(TNetworkInterfaces::setSimulatedInterface("eth0", true, {"192.168.1.20 255.255.255.0"}));
    QVERIFY(TNetworkInterfaces::setSimulatedRoutes("default via 192.168.1.1 dev eth0\n"));
    mController = std::make_unique<TSystemDEthernetConfigurationController>("eth0");
    TTestEnvironment::clearRecordedCommands();
}

void tst_SystemDEthernetConfiguration::factoryChoosesThisVariantOnPlatform2()
{
    const auto controller = TEthernetConfigurationControllerFactory().createEthernetConfigurationController("eth0");
    QVERIFY(dynamic_cast<TSystemDEthernetConfigurationController*>(controller.get()));
}

void tst_SystemDEthernetConfiguration::dhcpStateIsExactlyIpv4_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("dhcp");
    QTest::newRow("ipv4") << QByteArray("[Network]\nDHCP=ipv4\n") << true;
    QTest::newRow("yes") << QByteArray("[Network]\nDHCP=yes\n") << false;
    QTest::newRow("no") << QByteArray("[Network]\nDHCP=no\n") << false;
    QTest::newRow("no key") << QByteArray("[Network]\nAddress=10.0.0.5/8\n") << false;
    QTest::newRow("blanks around the equals sign") << QByteArray("[Network]\nDHCP = ipv4\n") << false;
    QTest::newRow("indented key") << QByteArray("[Network]\n  DHCP=ipv4\n") << true;
    QTest::newRow("in another section") << QByteArray("[Match]\nDHCP=ipv4\n") << false;
    QTest::newRow("before any section") << QByteArray("DHCP=ipv4\n[Network]\n") << false;
    QTest::newRow("last of two") << QByteArray("[Network]\nDHCP=no\nDHCP=ipv4\n") << true;
    QTest::newRow("no file") << QByteArray() << false;
}

void tst_SystemDEthernetConfiguration::dhcpStateIsExactlyIpv4()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, dhcp);
    TTestEnvironment::removeUnderRoot(NETWORK_FILE);
    if (!file.isNull())
        TAMARIND_WRITE_DEVICE_FILE(NETWORK_FILE, file);
    QCOMPARE(mController->dhcpStatus(), dhcp);
}

void tst_SystemDEthernetConfiguration::storeKeepsOnlyKeysSorted_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("comment, blank line, unsorted keys")
        << QByteArray("# written by the image\n[Network]\n\nGateway=10.0.0.1\nDHCP=no\nAddress=10.0.0.5/8\n")
        << QByteArray("[Network]\nAddress=10.0.0.5/8\nDHCP=no\nGateway=10.0.0.1\n");
    QTest::newRow("repeated key") << QByteArray("[Network]\nAddress=10.0.0.5/8\nAddress=10.0.0.6/8\n")
                                  << QByteArray("[Network]\nAddress=10.0.0.6/8\n");
    QTest::newRow("header without keys") << QByteArray("[Network]\n[Match]\nName=eth0\n")
                                         << QByteArray("[Match]\nName=eth0\n");
    QTest::newRow("upper case sorts first") << QByteArray("[Network]\nb=2\nB=1\n[Link]\nMTUBytes=1500\n")
                                            << QByteArray("[Link]\nMTUBytes=1500\n[Network]\nB=1\nb=2\n");
}

void tst_SystemDEthernetConfiguration::storeKeepsOnlyKeysSorted()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, stored);
    TAMARIND_WRITE_DEVICE_FILE(NETWORK_FILE, file);
    TSystemDNetworkFile networkFile(NETWORK_FILE);
    QVERIFY(networkFile.store());
    QCOMPARE(TTestEnvironment::readDeviceFile(NETWORK_FILE), stored);
}

void tst_SystemDEthernetConfiguration::changesWriteTheirKeys_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("DHCP off puts in the default address")
        << QByteArray("[Match]\nName=eth0\n[Network]\nDHCP=ipv4\n") << "dhcp off"
        << QByteArray("[Match]\nName=eth0\n[Network]\nAddress=192.168.3.11/24\nDHCP=no\n");
    QTest::newRow("DHCP off keeps an address") << QByteArray("[Network]\nDHCP=ipv4\nAddress=10.0.0.5/8\n") << "dhcp off"
                                               << QByteArray("[Network]\nAddress=10.0.0.5/8\nDHCP=no\n");
    QTest::newRow("DHCP off replaces an IPv6 address alone")
        << QByteArray("[Network]\nDHCP=ipv4\nAddress=fe80::5/64\n") << "dhcp off"
        << QByteArray("[Network]\nAddress=192.168.3.11/24\nDHCP=no\n");
    QTest::newRow("DHCP on drops address and gateway")
        << QByteArray("[Network]\nAddress=10.0.0.5/8\nGateway=10.0.0.1\nDHCP=no\n") << "dhcp on"
        << QByteArray("[Network]\nDHCP=ipv4\n");
    QTest::newRow("address with its prefix length")
        << QByteArray("[Network]\nDHCP=no\nAddress=192.168.1.20/24\n") << "address"
        << QByteArray("[Network]\nAddress=192.168.1.30/16\nDHCP=no\n");
    QTest::newRow("gateway") << QByteArray("[Network]\nDHCP=no\nAddress=192.168.1.20/24\n") << "gateway"
                             << QByteArray("[Network]\nAddress=192.168.1.20/24\nDHCP=no\nGateway=192.168.1.1\n");
}

void tst_SystemDEthernetConfiguration::changesWriteTheirKeys()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, change);
    QFETCH(QByteArray, stored);
    TAMARIND_WRITE_DEVICE_FILE(NETWORK_FILE, file);
    QSignalSpy changes(mController.get(), &TAbstractEthernetConfigurationController::interfaceSettingsChanged);

    QVERIFY(applyEthernetChange(*mController, change));

    QCOMPARE(TTestEnvironment::readDeviceFile(NETWORK_FILE), stored);
    QCOMPARE(TTestEnvironment::recordedCommands(), APPLY);
    QCOMPARE(changes.count(), 1);
}

void tst_SystemDEthernetConfiguration::addressChangeWhileDHCPIsOnTouchesNothing()
{
    const QByteArray file = "# leased\n[Network]\nDHCP=ipv4\n";
    TAMARIND_WRITE_DEVICE_FILE(NETWORK_FILE, file);
    QCOMPARE(mController->setIPAddressAndNetmask("192.168.1.30", "255.255.255.0"),
             TAbstractEthernetConfigurationController::EnIPNetmaskResult::ipnmrValid);
    QCOMPARE(TTestEnvironment::readDeviceFile(NETWORK_FILE), file);
    QVERIFY(TTestEnvironment::recordedCommands().isEmpty());
}

void tst_SystemDEthernetConfiguration::missingNetworkFileRefusesEveryChange()
{
    QVERIFY(TTestEnvironment::removeUnderRoot(NETWORK_FILE));
    QSignalSpy changes(mController.get(), &TAbstractEthernetConfigurationController::interfaceSettingsChanged);

    QCOMPARE(mController->setIPAddressAndNetmask("192.168.1.30", "255.255.255.0"),
             TAbstractEthernetConfigurationController::EnIPNetmaskResult::ipnmrInvalidNetmask);
    QVERIFY(!mController->setDHCP(true));
    QVERIFY(!mController->setDefaultGateway("192.168.1.1"));

    QCOMPARE(changes.count(), 0);
    QVERIFY(TTestEnvironment::recordedCommands().isEmpty());
    QVERIFY(!QFile::exists(hostPath(NETWORK_FILE)));
}

// A directory in place of the file stands for a file that cannot be replaced
// (tests run as root); one beside it takes the name of the written copy.
void tst_SystemDEthernetConfiguration::unwritableNetworkFileRestartsNothing_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("change");
    QTest::newRow("copy beside it, address") << NETWORK_FILE + ".new"
                                             << "address";
    QTest::newRow("copy beside it, DHCP") << NETWORK_FILE + ".new"
                                          << "dhcp on";
    QTest::newRow("copy beside it, gateway") << NETWORK_FILE + ".new"
                                             << "gateway";
}

void tst_SystemDEthernetConfiguration::unwritableNetworkFileRestartsNothing()
{
    QFETCH(QString, blocked);
    QFETCH(QString, change);
    const QByteArray before = TTestEnvironment::readDeviceFile(NETWORK_FILE);
    QVERIFY(QDir().mkpath(hostPath(blocked)));

    QVERIFY(!applyEthernetChange(*mController, change));
    QVERIFY(TTestEnvironment::recordedCommands().isEmpty());
    QCOMPARE(TTestEnvironment::readDeviceFile(NETWORK_FILE), before);
}

void tst_SystemDEthernetConfiguration::simulatedNetworkdFollowsTheFile()
{
    QSignalSpy reads(mController.get(), &TAbstractEthernetConfigurationController::interfaceConfigurationRead);
    QCOMPARE(mController->setIPAddressAndNetmask("192.168.1.77", "255.255.255.0"),
             TAbstractEthernetConfigurationController::EnIPNetmaskResult::ipnmrValid);
    QVERIFY(mController->setDefaultGateway("192.168.1.254"));
    mController->refreshInterfaceInformation();
    QCOMPARE(reads.takeLast(), QVariantList({"eth0", "192.168.1.77", "255.255.255.0", "192.168.1.254", false}));

    QVERIFY(mController->setDHCP(true));
    mController->refreshInterfaceInformation();
    QCOMPARE(reads.takeLast(), QVariantList({"eth0", "192.0.2.50", "255.255.255.0", "192.0.2.1", true}));
}

TAMARIND_TEST_MAIN(tst_SystemDEthernetConfiguration)
#include "tst_systemdethernetconfiguration.moc"
