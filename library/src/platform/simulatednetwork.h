#pragma once

#include "commandrunner.h"

#include <QString>
#include <QStringList>

// The network commands of the instrument on a development machine, acting on
// the simulated interfaces and routing table of TNetworkInterfaces under the
// device root. They read the configuration files as the system's tools would,
// with a reading of their own: "ifup" takes the interface's stanza from
// "/etc/network/interfaces" (and, as the image's post-up script does, the
// default route from "/etc/network/gateway"), "systemctl restart
// systemd-networkd" takes the "*.network" files in "/etc/systemd/network".
// DHCP gives the fixed lease 192.0.2.50/24 with the router 192.0.2.1. Nothing
// acts without a root.
class TSimulatedNetwork
{
public:
    static constexpr const char* DHCP_LEASE_ADDRESS = "192.0.2.50";
    static constexpr const char* DHCP_LEASE_NETMASK = "255.255.255.0";
    static constexpr const char* DHCP_LEASE_ROUTER = "192.0.2.1";

    // Answers "ip", "ifup", "ifdown" and "systemctl" under a root.
    static void install(TCommandRunner& pRunner);

    // Exit codes and messages as the real tools give them.
    static TCommandResult ip(const QStringList& pArguments);
    static TCommandResult ifup(const QStringList& pArguments);
    static TCommandResult ifdown(const QStringList& pArguments);
    static TCommandResult systemctl(const QStringList& pArguments);

private:
    // Gives the interface one address and routes as the kernel and a DHCP
    // client or a static stanza would; an empty address leaves it without one.
    static void configure(const QString& pInterface, const QString& pAddress, const QString& pNetmask,
                          const QString& pGateway);
    static void restartNetworkd();
};
