#pragma once

#include "ethernetconfigurationcontroller.h"

#include <QString>

// Applies one change of the Ethernet settings named as test rows name them
// ("address", "gateway", "dhcp on", "dhcp off") with the addresses the tests
// share; true when the controller reports it applied.
inline bool applyEthernetChange(TAbstractEthernetConfigurationController& pController, const QString& pChange)
{
    if (pChange == QLatin1String("address"))
        return pController.setIPAddressAndNetmask(QStringLiteral("192.168.1.30"), QStringLiteral("255.255.0.0")) ==
               TAbstractEthernetConfigurationController::EnIPNetmaskResult::ipnmrValid;
    if (pChange == QLatin1String("gateway"))
        return pController.setDefaultGateway(QStringLiteral("192.168.1.1"));
    return pController.setDHCP(pChange == QLatin1String("dhcp on"));
}
