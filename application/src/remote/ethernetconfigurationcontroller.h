#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <memory>

class QTimer;
class TIPv4Subnet;
struct TNetworkAddressEntry;

// The instrument's network interface as remote control depends on it: the TCP
// port of remote control (a setting) and the interface's IPv4 address,
// netmask, default gateway and DHCP switch (the operating system's). Reads the
// live state, polls it while the remote settings page is shown, validates
// changes and tells the TCP transport after each applied one. How a change
// reaches the system differs per platform: the variants. Owned by the main window.
class TAbstractEthernetConfigurationController : public QObject
{
    Q_OBJECT

public:
    enum class EnIPNetmaskResult : quint8 { ipnmrValid = 0, ipnmrInvalidIP = 1, ipnmrInvalidNetmask = 2 };

    static constexpr int OBSERVATION_INTERVAL = 1300;
    // The remote port while the settings name none.
    static constexpr int DEFAULT_PORT = 3000;

    // The name is kept only when such an interface exists now.
    explicit TAbstractEthernetConfigurationController(const QString& pInterfaceName);
    ~TAbstractEthernetConfigurationController() override;

    virtual bool dhcpStatus() = 0;

    void loadSettings();
    int port() const { return mPort; }
    // Stored unchecked: the settings page keeps the port within 1024 to 65535.
    void setPort(int pPort);
    void startInterfaceObservation();
    void stopInterfaceObservation();
    EnIPNetmaskResult setIPAddressAndNetmask(const QString& pIPAddress, const QString& pNetmask);
    // False for an address that does not parse, lies outside the interface's
    // subnet, or could not be applied.
    bool setDefaultGateway(const QString& pGateway);
    bool setDHCP(bool pActive);
    // Whether the configuration holds a static IPv4 address for the
    // interface; after DHCP was switched off without one the interface comes
    // up without an address, and the user has to enter one.
    virtual bool hasStaticIPv4Address() = 0;

public slots:
    void refreshInterfaceInformation();

signals:
    void interfaceConfigurationRead(const QString& pInterfaceName, const QString& pIPAddress, const QString& pNetmask,
                                    const QString& pGateway, bool pDHCP);
    void interfaceSettingsChanged(TAbstractEthernetConfigurationController* pController);

protected:
    // Each returns whether the change was written and made effective.
    virtual bool setDefaultGatewaySpecialized(const QString& pGateway) = 0;
    virtual bool setDHCPSpecialized(bool pActive) = 0;
    virtual bool setIPAddressAndNetmaskSpecialized(const QHostAddress& pIPAddress, const TIPv4Subnet& pSubnet) = 0;

    // The default route's gateway as "ip route" prints it; empty without one.
    QString getDefaultGateway() const;
    bool isGatewayInSubnet(const QString& pGateway) const;
    // The interface's first IPv4 address entry; false when it has none (only
    // an IPv6 link-local address, say, after DHCP found no server).
    bool firstIPv4Entry(TNetworkAddressEntry& oEntry) const;
    const QString& interfaceName() const { return mInterfaceName; }

private:
    QString mPortPeristance_Section;
    QString mPortPeristance_PortNumber;
    QString mInterfaceName;
    std::unique_ptr<QTimer> mObserveTimer;
    int mPort = 0;
};

// Where no variant knows how to change the system's network configuration:
// the port works as on every platform, every change of the interface is
// refused and DHCP reads as off.
class TFallbackEthernetConfigurationController : public TAbstractEthernetConfigurationController
{
    Q_OBJECT

public:
    using TAbstractEthernetConfigurationController::TAbstractEthernetConfigurationController;

    bool dhcpStatus() override;
    bool hasStaticIPv4Address() override;

protected:
    bool setDefaultGatewaySpecialized(const QString& pGateway) override;
    bool setDHCPSpecialized(bool pActive) override;
    bool setIPAddressAndNetmaskSpecialized(const QHostAddress& pIPAddress, const TIPv4Subnet& pSubnet) override;
};

class TEthernetConfigurationControllerFactory
{
public:
    // The variant of this platform; the fallback where there is none, so that
    // the TCP transport and the settings page always have a controller.
    std::unique_ptr<TAbstractEthernetConfigurationController>
    createEthernetConfigurationController(const QString& pInterfaceName) const;
};
