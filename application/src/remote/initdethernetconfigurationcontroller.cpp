#include "initdethernetconfigurationcontroller.h"

#include "commandrunner.h"
#include "deviceroot.h"
#include "ipv4subnet.h"
#include "networkconfigurationfile.h"
#include "networkinterfaces.h"

#include <QFile>
#include <QFileInfo>

namespace
{
constexpr const char* INTERFACES_FILE = "/etc/network/interfaces";
constexpr const char* GATEWAY_FILE = "/etc/network/gateway";
constexpr const char* POST_UP_LINE = "\tpost-up /etc/network/eth0-post-up\n";
constexpr const char* ADDRESS_PREFIX = "\taddress ";
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

QByteArray TInitDEthernetConfigurationController::stanza(const QString& pMethodPart, const QString& pAddress,
                                                         const QString& pNetmask) const
{
    QString stanza = QStringLiteral("# ") + interfaceName() + QLatin1Char('\n');
    stanza += QStringLiteral("iface ") + interfaceName() + QStringLiteral(" inet ") + pMethodPart + QLatin1Char('\n');
    if (!pAddress.isEmpty())
        stanza += QStringLiteral("\taddress ") + pAddress + QLatin1Char('\n');
    if (!pNetmask.isEmpty())
        stanza += QStringLiteral("\tnetmask ") + pNetmask + QLatin1Char('\n');
    stanza += QLatin1String(POST_UP_LINE);
    return stanza.toLocal8Bit();
}

// An address change keeps the method the interface has: with DHCP on, the
// stanza only records the address. The method word is written with a blank of
// its own, so two blanks follow "inet" here, as stored files have them.
bool TInitDEthernetConfigurationController::setIPAddressAndNetmaskSpecialized(const QHostAddress& pIPAddress,
                                                                              const TIPv4Subnet& pSubnet)
{
    const QString method = dhcpStatus() ? QStringLiteral(" dhcp") : QStringLiteral(" static");
    return updateInterfaceSetup(stanza(method, pIPAddress.toString(), pSubnet.netmask()));
}

// Switching DHCP off freezes the IPv4 address the interface has now (the one
// DHCP gave it, say) as its static address. An IPv6 address is no address for
// an "inet" stanza: without an IPv4 one the stanza gets none, and the page
// asks the user for one.
bool TInitDEthernetConfigurationController::setDHCPSpecialized(bool pActive)
{
    if (!TNetworkInterfaces::interfaceExists(interfaceName()))
        return false;
    QString address;
    QString netmask;
    TNetworkAddressEntry entry;
    if (firstIPv4Entry(entry)) {
        address = entry.mAddress.toString();
        netmask = entry.mNetmask.toString();
    }
    const QString method = pActive ? QStringLiteral("dhcp") : QStringLiteral("static");
    return updateInterfaceSetup(stanza(method, address, netmask));
}

bool TInitDEthernetConfigurationController::hasStaticIPv4Address()
{
    const QString text = QString::fromLocal8Bit(TNetworkConfigurationFile::read(stanzaFileName()));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString address =
            line.startsWith(QLatin1String(ADDRESS_PREFIX)) ? line.mid(int(qstrlen(ADDRESS_PREFIX))) : QString();
        if (QHostAddress(address).protocol() == QAbstractSocket::IPv4Protocol)
            return true;
    }
    return false;
}

// Everything the change needs is checked before the first file is written, and
// a stanza whose interfaces file could not follow is put back as it was: a
// stanza left behind would be carried into the next change the user saves.
bool TInitDEthernetConfigurationController::updateInterfaceSetup(const QByteArray& pStanza)
{
    if (!QFileInfo(TDeviceRoot::path(mBaseNetworkInterfaceFile)).isReadable())
        return false;
    const QByteArray base = TNetworkConfigurationFile::read(mBaseNetworkInterfaceFile);
    const QString stanzaPath = TDeviceRoot::path(stanzaFileName());
    const bool hadStanza = QFileInfo(stanzaPath).isFile();
    const QByteArray previousStanza = TNetworkConfigurationFile::read(stanzaFileName());
    if (!TNetworkConfigurationFile::replace(stanzaFileName(), pStanza))
        return false;
    if (!TNetworkConfigurationFile::replace(QLatin1String(INTERFACES_FILE), base + pStanza)) {
        if (hadStanza)
            TNetworkConfigurationFile::replace(stanzaFileName(), previousStanza);
        else
            QFile::remove(stanzaPath);
        return false;
    }
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
