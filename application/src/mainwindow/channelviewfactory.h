#pragma once

#include <QString>

class ISubMenuController;
class TAverageValueSettingController;
class TChannelController;
class TChannelViewControllerManager;
class TFourChannelViewController;
class TMultiChannelViewController;
class TProbeController;
class TScanModeController;
class TThreeChannelViewController;
class TUnitSelectionProvider;
class Ui_TTamarindMainForm;

// What every channel view is built with besides its widgets.
struct TChannelViewServices
{
    TChannelController* mChannelController;
    TUnitSelectionProvider* mUnitSelectionProvider;
    TProbeController* mProbeController;
    TAverageValueSettingController* mAverageValueSettingController;
    TScanModeController* mScanModeController;
};

// The information bar's looks while a place of each colour holds the measured channel.
struct TInformationBarStyles
{
    QString mBlue;
    QString mGreen;
    QString mRed;
    QString mYellow;
};

// The views as the manager holds them; it owns them.
struct TScanViewsForThreeAndMoreChannels
{
    TThreeChannelViewController* mThreeChannelView;
    TFourChannelViewController* mFourChannelView;
    TMultiChannelViewController* mMultiChannelView;
};

// The scan views of three, four and more channels on their pages of the main
// window's form, handed to the manager as scan views in that order.
TScanViewsForThreeAndMoreChannels addScanViewsForThreeAndMoreChannels(TChannelViewControllerManager& pManager,
                                                                      Ui_TTamarindMainForm& ui,
                                                                      const TChannelViewServices& pServices,
                                                                      const TInformationBarStyles& pInfoBarStyles,
                                                                      ISubMenuController* pSubMenuController);
