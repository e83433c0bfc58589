#include "initdethernetconfigurationcontroller.h"

#include "commandrunner.h"
#include "deviceroot.h"
#include "ipv4subnet.h"
#include "networkconfigurationfile.h"
#include "networkinterfaces.h"

#include <QFileInfo>

namespace
{
constexpr const char* INTERFACES_FILE = "/etc/network/interfaces";
constexpr const char* GATEWAY_FILE = "/etc/network/gateway";
constexpr const char* POST_UP_LINE = "\tpost-up /etc/network/eth0-post-up\n";
// What stands before the interface name on a stanza line: "iface" and one blank.
constexpr int IFACE_PREFIX_LENGTH = 6;
} // namespace

TInitDEthernetConfigurationController::TInitDEthernetConfigurationController(const QString& pInterfaceName)
    : TAbstractEthernetConfigurationController(pInterfaceName)
    , mBaseNetworkInterfaceFile(QStringLiteral("/etc/network/interfaces.base"))
{
}

QString TInitDEthernetConfigurationController::stanzaFileName() const
{
    return QLatin1String(INTERFACES_FILE) + QLatin1Char('.') + interfaceName();
}

// Lines are taken as they stand, untrimmed: ifupdown reads a stanza only from
// the start of a line, so an indented one is no stanza for it either.
bool TInitDEthernetConfigurationController::dhcpStatus()
{
    const QString text = QString::fromLocal8Bit(TNetworkConfigurationFile::read(QLatin1String(INTERFACES_FILE)));
    bool dhcp = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("iface")))
            continue;
        const QString rest = line.mid(IFACE_PREFIX_LENGTH);
        const int blank = rest.indexOf(QLatin1Char(' '));
        if (blank >= 0 && rest.left(blank) == interfaceName())
            dhcp = rest.endsWith(QLatin1String("dhcp"));
    }
    return dhcp;
}

bool TInitDEthernetConfigurationController::writeStanza(const QString& pMethodPart, const QString& pAddress,
                                                        const QString& pNetmask) const
{
    QString stanza = QStringLiteral("# ") + interfaceName() + QLatin1Char('\n');
    stanza += QStringLiteral("iface ") + interfaceName() + QStringLiteral(" inet ") + pMethodPart + QLatin1Char('\n');
    if (!pAddress.isEmpty())
        stanza += QStringLiteral("\taddress ") + pAddress + QLatin1Char('\n');
    if (!pNetmask.isEmpty())
        stanza += QStringLiteral("\tnetmask ") + pNetmask + QLatin1Char('\n');
    stanza += QLatin1String(POST_UP_LINE);
    return TNetworkConfigurationFile::replace(stanzaFileName(), stanza.toLocal8Bit());
}

// An address change keeps the method the interface has: with DHCP on, the
// stanza only records the address. The method word is written with a blank of
// its own, so two blanks follow "inet" here, as stored files have them.
bool TInitDEthernetConfigurationController::setIPAddressAndNetmaskSpecialized(const QHostAddress& pIPAddress,
                                                                              const TIPv4Subnet& pSubnet)
{
    const QString method = dhcpStatus() ? QStringLiteral(" dhcp") : QStringLiteral(" static");
    return writeStanza(method, pIPAddress.toString(), pSubnet.netmask()) && updateInterfaceSetup();
}

// Switching DHCP off freezes the address the interface has now (the one DHCP
// gave it, say) as its static address.
bool TInitDEthernetConfigurationController::setDHCPSpecialized(bool pActive)
{
    if (!TNetworkInterfaces::interfaceExists(interfaceName()))
        return false;
    QString address;
    QString netmask;
    const QList<TNetworkAddressEntry> entries = TNetworkInterfaces::addressEntries(interfaceName());
    if (!entries.isEmpty()) {
        address = entries.first().mAddress.toString();
        netmask = entries.first().mNetmask.toString();
    }
    const QString method = pActive ? QStringLiteral("dhcp") : QStringLiteral("static");
    return writeStanza(method, address, netmask) && updateInterfaceSetup();
}

bool TInitDEthernetConfigurationController::updateInterfaceSetup()
{
    if (!QFileInfo::exists(TDeviceRoot::path(mBaseNetworkInterfaceFile)))
        return false;
    QByteArray content = TNetworkConfigurationFile::read(mBaseNetworkInterfaceFile);
    content += TNetworkConfigurationFile::read(stanzaFileName());
    if (!TNetworkConfigurationFile::replace(QLatin1String(INTERFACES_FILE), content))
        return false;
    TCommandRunner& runner = TCommandRunner::instance();
    runner.run(QStringLiteral("ip"),
               {QStringLiteral("addr"), QStringLiteral("flush"), QStringLiteral("dev"), interfaceName()});
    runner.run(QStringLiteral("ifdown"), {interfaceName()});
    runner.run(QStringLiteral("ifup"), {interfaceName()});
    return true;
}

bool TInitDEthernetConfigurationController::setDefaultGatewaySpecialized(const QString& pGateway)
{
    if (!TNetworkConfigurationFile::replace(QLatin1String(GATEWAY_FILE),
                                            QByteArray("GATEWAY=") + pGateway.toLocal8Bit()))
        return false;
    TCommandRunner& runner = TCommandRunner::instance();
    runner.run(QStringLiteral("ip"), {QStringLiteral("route"), QStringLiteral("del"), QStringLiteral("default")});
    runner.run(QStringLiteral("ip"), {QStringLiteral("route"), QStringLiteral("add"), QStringLiteral("default"),
                                      QStringLiteral("via"), pGateway});
    return true;
}
