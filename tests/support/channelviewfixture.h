#pragma once

#include "probecontroller.h"
#include "probecontrollerfixture.h"

#include <QString>

#include <memory>

class TAverageValueSettingController;
class TChannelViewControllerManager;
class TFourChannelViewController;
class TMultiChannelViewController;
class TOneChannelViewController;
class TScanModeController;
class TThreeChannelViewController;
class TTwoChannelViewController;
class TUnitSelectionProvider;
class QWidget;

// The channel views as the main window builds them, on the widgets of the
// form, with scan mode, the unit and averaging settings and the probe
// database on the simulated board: the home view and the scan views of two,
// three, four and more channels in the view manager.
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
    TThreeChannelViewController& threeChannelView() const { return *mThreeChannelView; }
    TFourChannelViewController& fourChannelView() const { return *mFourChannelView; }
    TMultiChannelViewController& multiChannelView() const { return *mMultiChannelView; }

private:
    std::unique_ptr<TScanModeController> mScanMode;
    std::unique_ptr<TUnitSelectionProvider> mUnits;
    std::unique_ptr<TAverageValueSettingController> mAveraging;
    std::unique_ptr<TChannelViewControllerManager> mManager;
    TOneChannelViewController* mHomeView = nullptr;
    TTwoChannelViewController* mTwoChannelView = nullptr;
    TThreeChannelViewController* mThreeChannelView = nullptr;
    TFourChannelViewController* mFourChannelView = nullptr;
    TMultiChannelViewController* mMultiChannelView = nullptr;
};

// The information bar's looks the fixture gives the places, first place first.
extern const QString INFO_BAR_BLUE;
extern const QString INFO_BAR_GREEN;
extern const QString INFO_BAR_RED;
extern const QString INFO_BAR_YELLOW;

// 1 without an opacity effect: how bright a place of a view is drawn.
double opacityOf(const QWidget* pArea);

// Scan mode on the form's scan pages, as the main window builds it.
std::unique_ptr<TScanModeController> buildScanModeOnForm(TChannelControllerFixture& pFixture);
