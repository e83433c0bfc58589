#include "ethernetconfigurationcontroller.h"

#include "commandrunner.h"
#include "initdethernetconfigurationcontroller.h"
#include "ipv4subnet.h"
#include "networkinterfaces.h"
#include "osversion.h"
#include "systemdethernetconfigurationcontroller.h"
#include "tamarindsettings.h"

#include <QTimer>

namespace
{
constexpr const char* DEFAULT_ROUTE_MARKER = "default via ";
} // namespace

TAbstractEthernetConfigurationController::TAbstractEthernetConfigurationController(const QString& pInterfaceName)
    : mPortPeristance_Section(QStringLiteral("ethernet")), mPortPeristance_PortNumber(QStringLiteral("port"))
{
    if (TNetworkInterfaces::interfaceExists(pInterfaceName))
        mInterfaceName = pInterfaceName;
}

TAbstractEthernetConfigurationController::~TAbstractEthernetConfigurationController() = default;

void TAbstractEthernetConfigurationController::loadSettings()
{
    mPort = TTamarindSettings::instance()
                .value(mPortPeristance_Section, mPortPeristance_PortNumber, QString::number(DEFAULT_PORT))
                .toInt();
}

void TAbstractEthernetConfigurationController::setPort(int pPort)
{
    mPort = pPort;
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mPortPeristance_Section, mPortPeristance_PortNumber, QString::number(pPort));
    settings.store();
    emit interfaceSettingsChanged(this);
}

void TAbstractEthernetConfigurationController::startInterfaceObservation()
{
    mObserveTimer = std::make_unique<QTimer>(this);
    mObserveTimer->setObjectName(QStringLiteral("mObserveTimer"));
    mObserveTimer->setInterval(OBSERVATION_INTERVAL);
    connect(mObserveTimer.get(), &QTimer::timeout, this,
            &TAbstractEthernetConfigurationController::refreshInterfaceInformation);
    refreshInterfaceInformation();
    mObserveTimer->start();
}

void TAbstractEthernetConfigurationController::stopInterfaceObservation()
{
    mObserveTimer.reset();
}

void TAbstractEthernetConfigurationController::refreshInterfaceInformation()
{
    const bool dhcp = dhcpStatus();
    QString address;
    QString netmask;
    QString gateway;
    // An interface often lists an IPv6 link-local address before its IPv4
    // one; the page and the gateway rule are about the IPv4 address.
    TNetworkAddressEntry entry;
    if (firstIPv4Entry(entry)) {
        address = entry.mAddress.toString();
        netmask = entry.mNetmask.toString();
        gateway = getDefaultGateway();
    }
    emit interfaceConfigurationRead(mInterfaceName, address, netmask, gateway, dhcp);
}

QString TAbstractEthernetConfigurationController::getDefaultGateway() const
{
    QByteArray output = TCommandRunner::instance().run(QStringLiteral("ip"), {QStringLiteral("route")}).mStandardOutput;
    const int zero = output.indexOf('\0');
    if (zero >= 0)
        output.truncate(zero);
    const QString routes = QString::fromLatin1(output);
    const int marker = routes.indexOf(QLatin1String(DEFAULT_ROUTE_MARKER));
    if (marker < 0)
        return QString();
    const QString rest = routes.mid(marker + int(qstrlen(DEFAULT_ROUTE_MARKER)));
    const int blank = rest.indexOf(QLatin1Char(' '));
    return blank < 0 ? QString() : rest.left(blank);
}

bool TAbstractEthernetConfigurationController::isGatewayInSubnet(const QString& pGateway) const
{
    TNetworkAddressEntry entry;
    if (!firstIPv4Entry(entry))
        return false;
    const TIPv4Subnet subnet(entry.mAddress.toString(), entry.mNetmask.toString());
    return subnet.isValid() && subnet.isInSubnet(pGateway);
}

bool TAbstractEthernetConfigurationController::firstIPv4Entry(TNetworkAddressEntry& oEntry) const
{
    for (const TNetworkAddressEntry& entry : TNetworkInterfaces::addressEntries(mInterfaceName)) {
        if (entry.mAddress.protocol() == QAbstractSocket::IPv4Protocol) {
            oEntry = entry;
            return true;
        }
    }
    return false;
}

TAbstractEthernetConfigurationController::EnIPNetmaskResult
TAbstractEthernetConfigurationController::setIPAddressAndNetmask(const QString& pIPAddress, const QString& pNetmask)
{
    QHostAddress address;
    if (!address.setAddress(pIPAddress))
        return EnIPNetmaskResult::ipnmrInvalidIP;
    const TIPv4Subnet subnet(pIPAddress, pNetmask);
    if (!subnet.isValid() || !TNetworkInterfaces::interfaceExists(mInterfaceName) ||
        !setIPAddressAndNetmaskSpecialized(address, subnet))
        return EnIPNetmaskResult::ipnmrInvalidNetmask;
    emit interfaceSettingsChanged(this);
    return EnIPNetmaskResult::ipnmrValid;
}

bool TAbstractEthernetConfigurationController::setDefaultGateway(const QString& pGateway)
{
    QHostAddress gateway;
    if (!gateway.setAddress(pGateway) || !isGatewayInSubnet(pGateway) || !setDefaultGatewaySpecialized(pGateway))
        return false;
    emit interfaceSettingsChanged(this);
    return true;
}

bool TAbstractEthernetConfigurationController::setDHCP(bool pActive)
{
    if (!setDHCPSpecialized(pActive))
        return false;
    emit interfaceSettingsChanged(this);
    return true;
}

bool TFallbackEthernetConfigurationController::dhcpStatus()
{
    return false;
}

bool TFallbackEthernetConfigurationController::hasStaticIPv4Address()
{
    return false;
}

bool TFallbackEthernetConfigurationController::setDefaultGatewaySpecialized(const QString&)
{
    return false;
}

bool TFallbackEthernetConfigurationController::setDHCPSpecialized(bool)
{
    return false;
}

bool TFallbackEthernetConfigurationController::setIPAddressAndNetmaskSpecialized(const QHostAddress&,
                                                                                 const TIPv4Subnet&)
{
    return false;
}

std::unique_ptr<TAbstractEthernetConfigurationController>
TEthernetConfigurationControllerFactory::createEthernetConfigurationController(const QString& pInterfaceName) const
{
    switch (TOSVersion::instance().platformVersion_Major()) {
    case 1:
        return std::make_unique<TInitDEthernetConfigurationController>(pInterfaceName);
    case 2:
        return std::make_unique<TSystemDEthernetConfigurationController>(pInterfaceName);
    default:
        return std::make_unique<TFallbackEthernetConfigurationController>(pInterfaceName);
    }
}
