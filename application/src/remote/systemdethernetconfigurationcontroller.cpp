#include "systemdethernetconfigurationcontroller.h"

#include "commandrunner.h"
#include "ipv4subnet.h"
#include "systemdnetworkfile.h"

namespace
{
const QString NETWORK = QStringLiteral("Network");
const QString ADDRESS = QStringLiteral("Address");
const QString GATEWAY = QStringLiteral("Gateway");
const QString DHCP = QStringLiteral("DHCP");
const QString DHCP_ON = QStringLiteral("ipv4");

// An "Address" value: the address, "/" and the prefix length.
bool isIPv4Address(const QString& pAddressValue)
{
    return QHostAddress(pAddressValue.section(QLatin1Char('/'), 0, 0)).protocol() == QAbstractSocket::IPv4Protocol;
}
} // namespace

// The file is named after the interface asked for, also when it does not exist
// now, so that the DHCP switch still reads from the image's file.
TSystemDEthernetConfigurationController::TSystemDEthernetConfigurationController(const QString& pInterfaceName)
    : TAbstractEthernetConfigurationController(pInterfaceName)
    , mNetworkFileName(QStringLiteral("/etc/systemd/network/") + pInterfaceName + QStringLiteral(".network"))
    , mDefaultAddress(QStringLiteral("192.168.3.11/24"))
{
}

bool TSystemDEthernetConfigurationController::dhcpStatus()
{
    return TSystemDNetworkFile(mNetworkFileName).value(NETWORK, DHCP) == DHCP_ON;
}

bool TSystemDEthernetConfigurationController::hasStaticIPv4Address()
{
    return isIPv4Address(TSystemDNetworkFile(mNetworkFileName).value(NETWORK, ADDRESS));
}

bool TSystemDEthernetConfigurationController::setIPAddressAndNetmaskSpecialized(const QHostAddress& pIPAddress,
                                                                                const TIPv4Subnet& pSubnet)
{
    if (dhcpStatus())
        return true;
    TSystemDNetworkFile file(mNetworkFileName);
    if (!file.exists())
        return false;
    file.setValue(NETWORK, ADDRESS, pIPAddress.toString() + QLatin1Char('/') + QString::number(pSubnet.prefixLength()));
    if (!file.store())
        return false;
    apply();
    return true;
}

bool TSystemDEthernetConfigurationController::setDefaultGatewaySpecialized(const QString& pGateway)
{
    TSystemDNetworkFile file(mNetworkFileName);
    if (!file.exists())
        return false;
    file.setValue(NETWORK, GATEWAY, pGateway);
    if (!file.store())
        return false;
    apply();
    return true;
}

// DHCP off keeps an IPv4 address the file has and otherwise puts in the
// default one, so that the instrument stays reachable on a known address; an
// IPv6 address alone would leave it without one.
bool TSystemDEthernetConfigurationController::setDHCPSpecialized(bool pActive)
{
    TSystemDNetworkFile file(mNetworkFileName);
    if (!file.exists())
        return false;
    file.setValue(NETWORK, DHCP, pActive ? DHCP_ON : QStringLiteral("no"));
    if (pActive) {
        file.removeKey(NETWORK, ADDRESS);
        file.removeKey(NETWORK, GATEWAY);
    } else if (!isIPv4Address(file.value(NETWORK, ADDRESS))) {
        file.setValue(NETWORK, ADDRESS, mDefaultAddress);
    }
    if (!file.store())
        return false;
    apply();
    return true;
}

void TSystemDEthernetConfigurationController::apply()
{
    TCommandRunner& runner = TCommandRunner::instance();
    runner.run(QStringLiteral("ip"),
               {QStringLiteral("addr"), QStringLiteral("flush"), QStringLiteral("dev"), interfaceName()});
    runner.run(QStringLiteral("systemctl"), {QStringLiteral("restart"), QStringLiteral("systemd-networkd")});
}
