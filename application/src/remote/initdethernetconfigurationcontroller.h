#pragma once

#include "ethernetconfigurationcontroller.h"

// The Ethernet configuration of the older operating-system platform (1),
// whose network ifupdown configures from "/etc/network/interfaces". That file
// is never edited in place: the interface's own stanza is written to a file of
// its own, and the interfaces file is rebuilt as a fixed base followed by the
// stanza; then the interface is taken down and up again. The default gateway
// goes straight into the routing table and is recorded in a gateway file.
// Every file is replaced whole through a file beside it, so that a power cut
// while writing leaves the old configuration, never a part of one.
class TInitDEthernetConfigurationController : public TAbstractEthernetConfigurationController
{
    Q_OBJECT

public:
    explicit TInitDEthernetConfigurationController(const QString& pInterfaceName);

    // The method of the interface's last stanza line in "/etc/network/interfaces".
    bool dhcpStatus() override;
    // An IPv4 "address" line in the interface's stanza.
    bool hasStaticIPv4Address() override;

protected:
    // False when the gateway file could not be replaced; the route is then left alone.
    bool setDefaultGatewaySpecialized(const QString& pGateway) override;
    bool setDHCPSpecialized(bool pActive) override;
    bool setIPAddressAndNetmaskSpecialized(const QHostAddress& pIPAddress, const TIPv4Subnet& pSubnet) override;

private:
    QString stanzaFileName() const;
    QByteArray stanza(const QString& pMethodPart, const QString& pAddress, const QString& pNetmask) const;
    // Writes the stanza file, rebuilds "/etc/network/interfaces" from the base
    // and the stanza and restarts the interface; false without a base file or
    // when a file could not be replaced, and then every file is as it was and
    // no command runs.
    bool updateInterfaceSetup(const QByteArray& pStanza);

    QString mBaseNetworkInterfaceFile;
};
