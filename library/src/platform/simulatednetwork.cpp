#include "simulatednetwork.h"

#include "deviceroot.h"
#include "networkinterfaces.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QRegularExpression>

namespace
{
QString routeFile()
{
    return TDeviceRoot::path(QLatin1String(TNetworkInterfaces::SIMULATED_NETWORK_DIRECTORY) + QStringLiteral("/route"));
}

QByteArray readHostFile(const QString& pHostPath)
{
    QFile file(pHostPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList routeLines()
{
    QStringList lines;
    for (const QString& line : QString::fromLatin1(readHostFile(routeFile())).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

void setRouteLines(const QStringList& pLines)
{
    TNetworkInterfaces::setSimulatedRoutes(pLines.isEmpty() ? QByteArray()
                                                            : (pLines.join(QLatin1Char('\n')) + '\n').toLatin1());
}

TCommandResult outcome(int pExitCode, const QByteArray& pError = QByteArray(), const QByteArray& pOutput = QByteArray())
{
    TCommandResult result;
    result.mStarted = true;
    result.mExitCode = pExitCode;
    result.mStandardError = pError;
    result.mStandardOutput = pOutput;
    return result;
}

// The interface whose first IPv4 address shares a subnet with the gateway.
QString interfaceReaching(const QString& pGateway)
{
    const QHostAddress gateway(pGateway);
    const QDir directory(TDeviceRoot::path(QLatin1String(TNetworkInterfaces::SIMULATED_NETWORK_DIRECTORY)));
    for (const QString& name : directory.entryList(QDir::Files, QDir::Name)) {
        for (const TNetworkAddressEntry& entry : TNetworkInterfaces::addressEntries(name)) {
            if (entry.mAddress.protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            if (gateway.isInSubnet(entry.mAddress, qPopulationCount(entry.mNetmask.toIPv4Address())))
                return name;
        }
    }
    return QString();
}

QString netmaskOfPrefix(int pPrefix)
{
    const quint32 mask = pPrefix <= 0 ? 0 : (pPrefix >= 32 ? 0xFFFFFFFFu : ~((1u << (32 - pPrefix)) - 1));
    return QHostAddress(mask).toString();
}

bool isInterface(const QString& pName)
{
    return TNetworkInterfaces::interfaceExists(pName);
}
} // namespace

void TSimulatedNetwork::install(TCommandRunner& pRunner)
{
    pRunner.setSimulation(QStringLiteral("ip"),
                          [](const QString&, const QStringList& pArguments) { return ip(pArguments); });
    pRunner.setSimulation(QStringLiteral("ifup"),
                          [](const QString&, const QStringList& pArguments) { return ifup(pArguments); });
    pRunner.setSimulation(QStringLiteral("ifdown"),
                          [](const QString&, const QStringList& pArguments) { return ifdown(pArguments); });
    pRunner.setSimulation(QStringLiteral("systemctl"),
                          [](const QString&, const QStringList& pArguments) { return systemctl(pArguments); });
}

TCommandResult TSimulatedNetwork::ip(const QStringList& pArguments)
{
    if (pArguments == QStringList{QStringLiteral("route")})
        return outcome(0, QByteArray(), readHostFile(routeFile()));
    if (pArguments.size() == 4 && pArguments.at(0) == QLatin1String("addr") &&
        pArguments.at(1) == QLatin1String("flush") && pArguments.at(2) == QLatin1String("dev")) {
        const QString name = pArguments.at(3);
        if (!isInterface(name))
            return outcome(1, "Device \"" + name.toLatin1() + "\" does not exist.\n");
        // Without its addresses the interface reaches nothing: its routes go too.
        TNetworkInterfaces::setSimulatedInterface(name, true);
        QStringList kept;
        for (const QString& line : routeLines()) {
            if (!line.contains(QStringLiteral(" dev ") + name + QLatin1Char(' ')) &&
                !line.endsWith(QStringLiteral(" dev ") + name))
                kept << line;
        }
        setRouteLines(kept);
        return outcome(0);
    }
    if (pArguments.size() >= 3 && pArguments.at(0) == QLatin1String("route") &&
        pArguments.at(2) == QLatin1String("default")) {
        QStringList lines = routeLines();
        const bool hadDefault = !lines.filter(QRegularExpression(QStringLiteral("^default "))).isEmpty();
        if (pArguments.at(1) == QLatin1String("del") && pArguments.size() == 3) {
            if (!hadDefault)
                return outcome(2, "RTNETLINK answers: No such process\n");
            setRouteLines(lines.filter(QRegularExpression(QStringLiteral("^(?!default )"))));
            return outcome(0);
        }
        if (pArguments.at(1) == QLatin1String("add") && pArguments.size() == 5 &&
            pArguments.at(3) == QLatin1String("via")) {
            const QString device = interfaceReaching(pArguments.at(4));
            if (device.isEmpty())
                return outcome(2, "Error: Nexthop has invalid gateway.\n");
            if (hadDefault)
                return outcome(2, "RTNETLINK answers: File exists\n");
            lines.prepend(QStringLiteral("default via ") + pArguments.at(4) + QStringLiteral(" dev ") + device);
            setRouteLines(lines);
            return outcome(0);
        }
    }
    return outcome(0);
}

// ifupdown's reading: a stanza begins at "iface <name> inet <method>" at the
// start of a line; its options are the lines that follow up to the next
// line that starts without white space.
TCommandResult TSimulatedNetwork::ifup(const QStringList& pArguments)
{
    const QString name = pArguments.value(0);
    if (!isInterface(name))
        return outcome(1, "Cannot find device \"" + name.toLatin1() + "\"\n");
    const QStringList lines =
        QString::fromLatin1(readHostFile(TDeviceRoot::path(QStringLiteral("/etc/network/interfaces"))))
            .split(QLatin1Char('\n'));
    const QRegularExpression stanzaStart(QStringLiteral("^iface\\s+(\\S+)\\s+inet\\s+(\\S+)\\s*$"));
    QString method;
    QHash<QString, QString> options;
    bool inStanza = false;
    for (const QString& line : lines) {
        const QRegularExpressionMatch start = stanzaStart.match(line);
        if (start.hasMatch()) {
            inStanza = start.captured(1) == name;
            if (inStanza) {
                method = start.captured(2);
                options.clear();
            }
            continue;
        }
        if (!line.isEmpty() && !line.at(0).isSpace())
            inStanza = false;
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        if (inStanza && words.size() >= 2 && !line.trimmed().startsWith(QLatin1Char('#')))
            options.insert(words.at(0), words.mid(1).join(QLatin1Char(' ')));
    }
    if (method.isEmpty())
        return outcome(1, "ifup: unknown interface " + name.toLatin1() + "\n");
    if (method == QLatin1String("dhcp")) {
        configure(name, QLatin1String(DHCP_LEASE_ADDRESS), QLatin1String(DHCP_LEASE_NETMASK),
                  QLatin1String(DHCP_LEASE_ROUTER));
        return outcome(0);
    }
    if (method != QLatin1String("static"))
        return outcome(0);
    QString gateway = options.value(QStringLiteral("gateway"));
    if (gateway.isEmpty() && options.contains(QStringLiteral("post-up"))) {
        const QString recorded =
            QString::fromLatin1(readHostFile(TDeviceRoot::path(QStringLiteral("/etc/network/gateway")))).trimmed();
        if (recorded.startsWith(QLatin1String("GATEWAY=")))
            gateway = recorded.mid(8);
    }
    const QString address = options.value(QStringLiteral("address"));
    if (QHostAddress(address).protocol() != QAbstractSocket::IPv4Protocol)
        return outcome(1, "ifup: missing required variable: address\n");
    configure(name, address, options.value(QStringLiteral("netmask"), QStringLiteral("255.255.255.0")), gateway);
    return outcome(0);
}

// Taking down an interface that is not up is no failure for ifupdown.
TCommandResult TSimulatedNetwork::ifdown(const QStringList&)
{
    return outcome(0);
}

TCommandResult TSimulatedNetwork::systemctl(const QStringList& pArguments)
{
    if (pArguments == QStringList{QStringLiteral("restart"), QStringLiteral("systemd-networkd")})
        restartNetworkd();
    return outcome(0);
}

// systemd-networkd's reading: "[Section]" headers, "Key=Value" lines, "#"
// and ";" comments; the file applies to the interface named in [Match].
void TSimulatedNetwork::restartNetworkd()
{
    const QDir directory(TDeviceRoot::path(QStringLiteral("/etc/systemd/network")));
    for (const QString& fileName : directory.entryList({QStringLiteral("*.network")}, QDir::Files, QDir::Name)) {
        QString section;
        QHash<QString, QString> keys;
        for (const QString& rawLine :
             QString::fromLatin1(readHostFile(directory.filePath(fileName))).split(QLatin1Char('\n'))) {
            const QString line = rawLine.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
                continue;
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
                section = line.mid(1, line.size() - 2).trimmed();
                continue;
            }
            const int equals = line.indexOf(QLatin1Char('='));
            if (equals > 0)
                keys.insert(section + QLatin1Char('/') + line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
        const QString name = keys.value(QStringLiteral("Match/Name"));
        if (!isInterface(name))
            continue;
        const QString dhcp = keys.value(QStringLiteral("Network/DHCP"));
        if (dhcp == QLatin1String("yes") || dhcp == QLatin1String("ipv4") || dhcp == QLatin1String("true")) {
            configure(name, QLatin1String(DHCP_LEASE_ADDRESS), QLatin1String(DHCP_LEASE_NETMASK),
                      QLatin1String(DHCP_LEASE_ROUTER));
            continue;
        }
        const QStringList address = keys.value(QStringLiteral("Network/Address")).split(QLatin1Char('/'));
        if (address.size() != 2 || QHostAddress(address.at(0)).protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        configure(name, address.at(0), netmaskOfPrefix(address.at(1).toInt()),
                  keys.value(QStringLiteral("Network/Gateway")));
    }
}

void TSimulatedNetwork::configure(const QString& pInterface, const QString& pAddress, const QString& pNetmask,
                                  const QString& pGateway)
{
    TNetworkInterfaces::setSimulatedInterface(pInterface, true, {pAddress + QLatin1Char(' ') + pNetmask});
    const int prefix = qPopulationCount(QHostAddress(pNetmask).toIPv4Address());
    const QHostAddress network(QHostAddress(pAddress).toIPv4Address() & QHostAddress(pNetmask).toIPv4Address());
    QStringList lines;
    for (const QString& line : routeLines()) {
        if (!line.contains(QStringLiteral(" dev ") + pInterface))
            lines << line;
    }
    lines << network.toString() + QLatin1Char('/') + QString::number(prefix) + QStringLiteral(" dev ") + pInterface +
                 QStringLiteral(" proto kernel scope link src ") + pAddress;
    if (!pGateway.isEmpty() && QHostAddress(pGateway).isInSubnet(network, prefix))
        lines.prepend(QStringLiteral("default via ") + pGateway + QStringLiteral(" dev ") + pInterface);
    setRouteLines(lines);
}
