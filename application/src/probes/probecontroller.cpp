#include "probecontroller.h"

#include "channel.h"
#include "probe.h"

TProbeController::TProbeController(ISubMenuController* pSubMenuController, TChannelController* pChannelController,
                                   TInternalSCPIHandler* pSCPIHandler)
    : mSubMenuController(pSubMenuController), mChannelController(pChannelController), mSCPIHandler(pSCPIHandler)
{
}

TProbeController::~TProbeController() = default;

TAbstractProbe* TProbeController::defaultProbe(TPhysicalChannel* pChannel)
{
    int number = 0;
    if (qobject_cast<TPRTChannel*>(pChannel) || qobject_cast<TMixedChannel*>(pChannel))
        number = DEFAULT_PROBE_NR_4WPT100;
    else if (qobject_cast<TTCChannel*>(pChannel))
        number = DEFAULT_PROBE_NR_TC;
    const auto found = mDefaultProbes.find(number);
    return found == mDefaultProbes.end() ? nullptr : found->second.get();
}

void TProbeController::returnToMainMenuClicked() {}

bool TProbeController::cancelClicked()
{
    return true;
}

bool TProbeController::storeClicked()
{
    return true;
}
