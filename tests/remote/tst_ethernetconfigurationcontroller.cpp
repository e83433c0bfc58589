#include "ethernetconfigurationcontroller.h"
#include "ipv4subnet.h"
#include "networkinterfaces.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTimer>

// The Ethernet controller's own rules on the simulated network of the device
// root: what it reads from the interface and the routing table, which changes
// it lets through to a variant, and the fallback that refuses them all.
Q_DECLARE_METATYPE(TAbstractEthernetConfigurationController::EnIPNetmaskResult)

class tst_EthernetConfigurationController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void gatewayMustLieInTheSubnet_data();
    void gatewayMustLieInTheSubnet();
    void addressAndNetmaskChecks_data();
    void addressAndNetmaskChecks();
    void defaultGatewayFromTheRoutingTable_data();
    void defaultGatewayFromTheRoutingTable();
    void interfaceStateIsReadOnce_data();
    void interfaceStateIsReadOnce();
    void observationKeepsOneTimer();
    void portSetting();
    void fallbackRefusesEveryChange();
};

namespace
{
// A variant that applies everything and notes what it was asked.
class TAcceptingController : public TAbstractEthernetConfigurationController
{
public:
    using TAbstractEthernetConfigurationController::TAbstractEthernetConfigurationController;
    bool dhcpStatus() override { return true; }
    bool hasStaticIPv4Address() override { return true; }
    QStringList mApplied;

protected:
    bool setDefaultGatewaySpecialized(const QString& pGateway) override
    {
        mApplied << QStringLiteral("gateway ") + pGateway;
        return true;
    }
    bool setDHCPSpecialized(bool pActive) override
    {
        mApplied << QStringLiteral("dhcp %1").arg(pActive);
        return true;
    }
    bool setIPAddressAndNetmaskSpecialized(const QHostAddress& pIPAddress, const TIPv4Subnet& pSubnet) override
    {
        mApplied << pIPAddress.toString() + QLatin1Char('/') + QString::number(pSubnet.prefixLength());
        return true;
    }
};

const QString INTERFACE = QStringLiteral("eth0");
} // namespace

// A platform with no variant of its own, so that the factory gives the fallback.
void tst_EthernetConfigurationController::initTestCase()
{
    TAMARIND_WRITE_DEVICE_FILE("/etc/version_os_platform", "3.0");
}

void tst_EthernetConfigurationController::init()
{
    QVERIFY(TNetworkInterfaces::setSimulatedInterface(INTERFACE, true, {"192.168.1.20 255.255.255.0"}));
    QVERIFY(TNetworkInterfaces::setSimulatedRoutes("default via 192.168.1.1 dev eth0\n"
                                                   "192.168.1.0/24 dev eth0 proto kernel scope link\n"));
}

void tst_EthernetConfigurationController::gatewayMustLieInTheSubnet_data()
{
    QTest::addColumn<QString>("gateway");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("router") << "192.168.1.1" << true;
    QTest::newRow("network address") << "192.168.1.0" << true;
    QTest::newRow("broadcast address") << "192.168.1.255" << true;
    QTest::newRow("next subnet") << "192.168.2.1" << false;
    QTest::newRow("other subnet") << "192.168.3.1" << false;
    QTest::newRow("other network") << "10.0.0.1" << false;
    QTest::newRow("no address") << "192.168.1.300" << false;
}

void tst_EthernetConfigurationController::gatewayMustLieInTheSubnet()
{
    QFETCH(QString, gateway);
    QFETCH(bool, accepted);
    TAcceptingController controller(INTERFACE);
    QSignalSpy changes(&controller, &TAbstractEthernetConfigurationController::interfaceSettingsChanged);
    QCOMPARE(controller.setDefaultGateway(gateway), accepted);
    QCOMPARE(controller.mApplied, accepted ? QStringList{QStringLiteral("gateway ") + gateway} : QStringList());
    QCOMPARE(changes.count(), accepted ? 1 : 0);
}

void tst_EthernetConfigurationController::addressAndNetmaskChecks_data()
{
    using EnResult = TAbstractEthernetConfigurationController::EnIPNetmaskResult;
    QTest::addColumn<bool>("interfaceExists");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("netmask");
    QTest::addColumn<EnResult>("result");
    QTest::newRow("valid") << true << "192.168.1.30"
                           << "255.255.255.0" << EnResult::ipnmrValid;
    QTest::newRow("octet beyond 255") << true << "192.168.1.300"
                                      << "255.255.255.0" << EnResult::ipnmrInvalidIP;
    QTest::newRow("netmask with a gap") << true << "192.168.1.20"
                                        << "255.0.255.0" << EnResult::ipnmrInvalidNetmask;
    QTest::newRow("netmask zero") << true << "192.168.1.20"
                                  << "0.0.0.0" << EnResult::ipnmrInvalidNetmask;
    QTest::newRow("no interface") << false << "192.168.1.30"
                                  << "255.255.255.0" << EnResult::ipnmrInvalidNetmask;
}

void tst_EthernetConfigurationController::addressAndNetmaskChecks()
{
    using EnResult = TAbstractEthernetConfigurationController::EnIPNetmaskResult;
    QFETCH(bool, interfaceExists);
    QFETCH(QString, address);
    QFETCH(QString, netmask);
    QFETCH(EnResult, result);
    TAcceptingController controller(INTERFACE);
    if (!interfaceExists)
        QVERIFY(TNetworkInterfaces::setSimulatedInterface(INTERFACE, false));
    QSignalSpy changes(&controller, &TAbstractEthernetConfigurationController::interfaceSettingsChanged);
    QCOMPARE(controller.setIPAddressAndNetmask(address, netmask), result);
    const bool valid = result == EnResult::ipnmrValid;
    QCOMPARE(controller.mApplied, valid ? QStringList{address + QStringLiteral("/24")} : QStringList());
    QCOMPARE(changes.count(), valid ? 1 : 0);
}

void tst_EthernetConfigurationController::defaultGatewayFromTheRoutingTable_data()
{
    QTest::addColumn<QByteArray>("routes");
    QTest::addColumn<QString>("gateway");
    QTest::newRow("default route first") << QByteArray("default via 10.1.2.254 dev eth0\n") << "10.1.2.254";
    QTest::newRow("default route later")
        << QByteArray("10.1.2.0/24 dev eth0 scope link\ndefault via 10.1.2.1 dev eth0 proto dhcp\n") << "10.1.2.1";
    QTest::newRow("no default route") << QByteArray("10.1.2.0/24 dev eth0 scope link\n") << QString();
    QTest::newRow("marker without a blank after") << QByteArray("default via 10.1.2.254") << QString();
    QTest::newRow("nothing at all") << QByteArray() << QString();
}

void tst_EthernetConfigurationController::defaultGatewayFromTheRoutingTable()
{
    QFETCH(QByteArray, routes);
    QFETCH(QString, gateway);
    QVERIFY(TNetworkInterfaces::setSimulatedRoutes(routes));
    TAcceptingController controller(INTERFACE);
    QSignalSpy read(&controller, &TAbstractEthernetConfigurationController::interfaceConfigurationRead);
    controller.refreshInterfaceInformation();
    QCOMPARE(read.count(), 1);
    QCOMPARE(read.at(0).at(3).toString(), gateway);
    QVERIFY(TTestEnvironment::recordedCommands().contains(QStringLiteral("ip route")));
}

void tst_EthernetConfigurationController::interfaceStateIsReadOnce_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("reported");
    QTest::addColumn<bool>("gatewayAccepted");
    QTest::newRow("IPv4 first") << true << QStringList{"192.168.1.20 255.255.255.0", "fe80::1 ffff:ffff:ffff:ffff::"}
                                << QStringList{"eth0", "192.168.1.20", "255.255.255.0", "192.168.1.1"} << true;
    QTest::newRow("IPv6 first") << true << QStringList{"fe80::1 ffff:ffff:ffff:ffff::", "192.168.1.20 255.255.255.0"}
                                << QStringList{"eth0", "192.168.1.20", "255.255.255.0", "192.168.1.1"} << true;
    QTest::newRow("IPv6 first, gateway outside the IPv4 subnet")
        << true << QStringList{"2001:db8::1 ffff:ffff:ffff:ffff::", "192.168.2.20 255.255.255.0"}
        << QStringList{"eth0", "192.168.2.20", "255.255.255.0", "192.168.1.1"} << false;
    QTest::newRow("IPv6 alone") << true << QStringList{"fe80::1 ffff:ffff:ffff:ffff::"}
                                << QStringList{"eth0", "", "", ""} << false;
    QTest::newRow("no address") << true << QStringList{} << QStringList{"eth0", "", "", ""} << false;
    QTest::newRow("no interface") << false << QStringList{} << QStringList{"", "", "", ""} << false;
}

void tst_EthernetConfigurationController::interfaceStateIsReadOnce()
{
    QFETCH(bool, exists);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, reported);
    QFETCH(bool, gatewayAccepted);
    QVERIFY(TNetworkInterfaces::setSimulatedInterface(INTERFACE, exists, entries));
    TTestEnvironment::clearRecordedCommands();
    TAcceptingController controller(INTERFACE);
    QSignalSpy read(&controller, &TAbstractEthernetConfigurationController::interfaceConfigurationRead);
    controller.refreshInterfaceInformation();
    QCOMPARE(read.count(), 1);
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << read.at(0).at(i).toString();
    QCOMPARE(texts, reported);
    QCOMPARE(read.at(0).at(4).toBool(), true);
    // Without an IPv4 address there is no gateway to ask the routing table for.
    QCOMPARE(TTestEnvironment::recordedCommands().contains(QStringLiteral("ip route")), !reported.at(1).isEmpty());
    QCOMPARE(controller.setDefaultGateway(QStringLiteral("192.168.1.1")), gatewayAccepted);
}

void tst_EthernetConfigurationController::observationKeepsOneTimer()
{
    TAcceptingController controller(INTERFACE);
    QSignalSpy read(&controller, &TAbstractEthernetConfigurationController::interfaceConfigurationRead);
    controller.stopInterfaceObservation();
    QVERIFY(controller.findChildren<QTimer*>().isEmpty());
    controller.startInterfaceObservation();
    controller.startInterfaceObservation();
    QCOMPARE(read.count(), 2);
    const QList<QTimer*> timers = controller.findChildren<QTimer*>();
    QCOMPARE(timers.size(), 1);
    QVERIFY(timers.first()->isActive());
    QCOMPARE(timers.first()->interval(), 1300);
    controller.stopInterfaceObservation();
    QVERIFY(controller.findChildren<QTimer*>().isEmpty());
}

void tst_EthernetConfigurationController::portSetting()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.removeSection(QStringLiteral("ethernet"));
    TAcceptingController controller(INTERFACE);
    QCOMPARE(controller.port(), 0);
    controller.loadSettings();
    QCOMPARE(controller.port(), 3000);
    QSignalSpy changes(&controller, &TAbstractEthernetConfigurationController::interfaceSettingsChanged);
    controller.setPort(80);
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(TTamarindSettings(QLatin1String(TTamarindSettings::SETTINGS_FILE_PATH))
                 .value(QStringLiteral("ethernet"), QStringLiteral("port")),
             QStringLiteral("80"));
    settings.setValue(QStringLiteral("ethernet"), QStringLiteral("port"), QStringLiteral("abc"));
    controller.loadSettings();
    QCOMPARE(controller.port(), 0);
}

void tst_EthernetConfigurationController::fallbackRefusesEveryChange()
{
    auto controller = TEthernetConfigurationControllerFactory().createEthernetConfigurationController(INTERFACE);
    QVERIFY(controller);
    QSignalSpy changes(controller.get(), &TAbstractEthernetConfigurationController::interfaceSettingsChanged);
    QVERIFY(!controller->dhcpStatus());
    QVERIFY(!controller->setDHCP(true));
    QVERIFY(!controller->setDefaultGateway(QStringLiteral("192.168.1.1")));
    QCOMPARE(controller->setIPAddressAndNetmask(QStringLiteral("192.168.1.30"), QStringLiteral("255.255.255.0")),
             TAbstractEthernetConfigurationController::EnIPNetmaskResult::ipnmrInvalidNetmask);
    QCOMPARE(changes.count(), 0);
}

TAMARIND_TEST_MAIN(tst_EthernetConfigurationController)
#include "tst_ethernetconfigurationcontroller.moc"
