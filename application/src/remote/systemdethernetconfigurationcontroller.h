#pragma once

#include "ethernetconfigurationcontroller.h"

// The Ethernet configuration of the newer operating-system platform (2),
// whose network systemd-networkd configures from one network file per
// interface in "/etc/systemd/network". Changes the keys "Address", "Gateway"
// and "DHCP" of its "Network" section and makes them effective by flushing the
// interface and restarting the service. The file belongs to the system image:
// it is never created here, and without it every change is refused.
class TSystemDEthernetConfigurationController : public TAbstractEthernetConfigurationController
{
    Q_OBJECT

public:
    explicit TSystemDEthernetConfigurationController(const QString& pInterfaceName);

    // True only for "DHCP=ipv4" in the "Network" section.
    bool dhcpStatus() override;
    // An IPv4 "Address" in the network file.
    bool hasStaticIPv4Address() override;

protected:
    bool setDefaultGatewaySpecialized(const QString& pGateway) override;
    bool setDHCPSpecialized(bool pActive) override;
    // True without writing anything while DHCP is on: the lease decides the address then.
    bool setIPAddressAndNetmaskSpecialized(const QHostAddress& pIPAddress, const TIPv4Subnet& pSubnet) override;

private:
    void apply();

    QString mNetworkFileName;
    QString mDefaultAddress;
};
