#pragma once

#include "probecontroller.h"
#include "probecontrollerfixture.h"

#include <memory>

class TAverageValueSettingController;
class TChannelViewControllerManager;
class TOneChannelViewController;
class TScanModeController;
class TTwoChannelViewController;
class TUnitSelectionProvider;
class QWidget;

// The channel views as the main window builds them, on the widgets of the
// form, with scan mode, the unit and averaging settings and the probe
// database on the simulated board: the home view and the two-channel view in
// the view manager.
class TChannelViewFixture : public TProbeControllerFixture
{
public:
    TChannelViewFixture();
    ~TChannelViewFixture();

    // Builds the probe controller first when the test has not; reading the
    // probe database from the board takes a good second.
    void buildViews(bool pLoadProbes = true);

    TScanModeController& scanMode() { return *mScanMode; }
    TUnitSelectionProvider& units() { return *mUnits; }
    TAverageValueSettingController& averaging() { return *mAveraging; }
    TChannelViewControllerManager& manager() { return *mManager; }
    TOneChannelViewController& homeView() const { return *mHomeView; }
    TTwoChannelViewController& twoChannelView() const { return *mTwoChannelView; }

private:
    std::unique_ptr<TScanModeController> mScanMode;
    std::unique_ptr<TUnitSelectionProvider> mUnits;
    std::unique_ptr<TAverageValueSettingController> mAveraging;
    std::unique_ptr<TChannelViewControllerManager> mManager;
    TOneChannelViewController* mHomeView = nullptr;
    TTwoChannelViewController* mTwoChannelView = nullptr;
};

// 1 without an opacity effect: how bright a place of a view is drawn.
double opacityOf(const QWidget* pArea);

// Scan mode on the form's scan pages, as the main window builds it.
std::unique_ptr<TScanModeController> buildScanModeOnForm(TChannelControllerFixture& pFixture);
