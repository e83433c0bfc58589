#pragma once

#include "channelcontrollerfixture.h"

#include <memory>

class TProbeController;
class TStandardProbeSettingController;

// The probe controller as the main window builds it, on the channel
// controller of the fixture, the simulated board and the probe pages of the
// form. The board's probe memory is set before buildProbes() when the load
// should find it.
class TProbeControllerFixture : public TChannelControllerFixture
{
public:
    ~TProbeControllerFixture();

    // Builds the channel controller first when the test has not; loads the
    // probes from the board unless told not to. With pWithEditors the probe
    // edit pages and the SMART probe list come from the form as well. New
    // probes start from pStandardSettings when given.
    TProbeController& buildProbes(bool pLoad = true, bool pWithEditors = false,
                                  TStandardProbeSettingController* pStandardSettings = nullptr);
    TProbeController& probes() { return *mProbes; }
    void releaseProbes() { mProbes.reset(); }

private:
    std::unique_ptr<TProbeController> mProbes;
};
