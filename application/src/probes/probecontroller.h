#pragma once

#include "submenuconfirmationreceiver.h"

#include <QObject>

#include <map>
#include <memory>

class ISubMenuController;
class TAbstractProbe;
class TChannelController;
class TInternalSCPIHandler;
class TPhysicalChannel;

// The probe database of the user interface: the custom probes (1 to 80) and
// the default probes (81 to 85) the measurement board stores, one object per
// stored probe, kept in step with the board. The main window creates it and
// owns it; channels and screens only point at its probes.
class TProbeController : public QObject, public ISubMenuConfirmationReceiver
{
    Q_OBJECT

public:
    static constexpr short MAX_PROBE_NUMBER = 80;
    static constexpr short DEFAULT_PROBE_NR_3WPT100 = 81;
    static constexpr short DEFAULT_PROBE_NR_4WPT100 = 82;
    static constexpr short DEFAULT_PROBE_NR_4WPT25 = 83;
    static constexpr short DEFAULT_PROBE_NR_THERMISTOR = 84;
    static constexpr short DEFAULT_PROBE_NR_TC = 85;

    TProbeController(ISubMenuController* pSubMenuController, TChannelController* pChannelController,
                     TInternalSCPIHandler* pSCPIHandler);
    ~TProbeController() override;

    // By probe number, ascending.
    const std::map<int, std::unique_ptr<TAbstractProbe>>& customProbes() const { return mCustomProbes; }
    const std::map<int, std::unique_ptr<TAbstractProbe>>& defaultProbes() const { return mDefaultProbes; }
    // The default probe a channel falls back to: the four-wire Pt100 for
    // resistance inputs and switch-box positions, the default thermocouple
    // for thermocouple inputs; null for other channels and for a default
    // probe the board did not give.
    TAbstractProbe* defaultProbe(TPhysicalChannel* pChannel);

    // The probe selection page closes without anything to confirm.
    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    bool storeClicked() override;

private:
    // The channel controller's tests put in the default probes that loading
    // from the board brings.
    friend class tst_ChannelController;

    ISubMenuController* mSubMenuController;
    TChannelController* mChannelController;
    TInternalSCPIHandler* mSCPIHandler;
    std::map<int, std::unique_ptr<TAbstractProbe>> mCustomProbes;
    std::map<int, std::unique_ptr<TAbstractProbe>> mDefaultProbes;
};
