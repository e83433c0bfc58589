#pragma once

#include "commandrunner.h"

#include <QHostAddress>
#include <QList>
#include <QString>

struct TNetworkAddressEntry
{
    QHostAddress mAddress;
    QHostAddress mNetmask;
};

// The instrument's network interfaces and their addresses. On the device
// they come from the system. Under a device root a simulated network stands
// in, kept in <root>/var/lib/network: an interface exists while the file
// named after it exists, one "<address> <netmask>" line per address entry in
// the system's order ("192.0.2.50 255.255.255.0", IPv6 entries too); the
// file "route" is what "ip route" prints. The network commands act on it
// through TSimulatedNetwork. Nothing of it acts on the host.
class TNetworkInterfaces
{
public:
    static constexpr const char* SIMULATED_NETWORK_DIRECTORY = "/var/lib/network";

    static bool interfaceExists(const QString& pName);
    // Empty for an interface that does not exist or has no address.
    static QList<TNetworkAddressEntry> addressEntries(const QString& pName);

    // Lets the command runner answer the network commands under a root.
    static void install(TCommandRunner& pRunner);

    // Under a root: creates or replaces the simulated interface with these
    // "<address> <netmask>" lines, or removes it with pExists false; and sets
    // what "ip route" prints. For tests and the development machine.
    static bool setSimulatedInterface(const QString& pName, bool pExists, const QStringList& pEntries = {});
    static bool setSimulatedRoutes(const QByteArray& pRouteOutput);

private:
    static QString simulatedFile(const QString& pName);
};
