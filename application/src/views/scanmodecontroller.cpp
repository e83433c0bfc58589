#include "scanmodecontroller.h"

#include "clickablewidgetcontroller.h"

TScanModeController::TScanModeController(
    ISubMenuController* pSubMenuController, TChannelController* pChannelController,
    std::unique_ptr<TClickableWidgetController> pScanMenuWidgetController, QWidget* pPageChanConf_ZTM8800,
    QWidget* pPageChanConf_SwitchBoxes, QWidget* pPageScanView, QWidget* pBtnZTM8800, QWidget* pBtnScannerBox1,
    QWidget* pBtnScannerBox2, QWidget* pBtnScannerBox3, QWidget* pBtnScannerBox4, QWidget* /*pBtnSelectPRT1*/,
    QWidget* /*pBtnSelectPRT2*/, QWidget* /*pBtnSelectTC1*/, QWidget* /*pBtnSelectTC2*/, QWidget* pBtnHoldTime,
    QLabel* pLblHoldTime, QLabel* pLblView, QWidget* pBtnView, QWidget* pBtnView_Scan, QWidget* pBtnView_Calibration,
    QWidget* pBtnView_Graph, QLabel* pLblChannels_ZTM8800, QLabel* pLblChannels_Module1, QLabel* pLblChannels_Module2,
    QLabel* pLblChannels_Module3, QLabel* pLblChannels_Module4, QLabel* pLblSelectSwitchBoxChannelsCaption,
    QZELKDialogButton* /*pBtnSelectAllSwitchBoxChannels*/, QZELKDialogButton* /*pBtnDeselectAllSwitchBoxChannels*/,
    QWidget* pSwitchBoxChannelSelectButtonParent)
    : mSubMenuController(pSubMenuController)
    , mChannelController(pChannelController)
    , mScanMenuWidgetController(std::move(pScanMenuWidgetController))
    , mPageChanConf_ZTM8800(pPageChanConf_ZTM8800)
    , mPageChanConf_SwitchBoxes(pPageChanConf_SwitchBoxes)
    , mPageScanView(pPageScanView)
    , mBtnZTM8800(pBtnZTM8800)
    , mBtnScannerBox1(pBtnScannerBox1)
    , mBtnScannerBox2(pBtnScannerBox2)
    , mBtnScannerBox3(pBtnScannerBox3)
    , mBtnScannerBox4(pBtnScannerBox4)
    , mBtnHoldTime(pBtnHoldTime)
    , mLblHoldTime(pLblHoldTime)
    , mLblView(pLblView)
    , mBtnView(pBtnView)
    , mBtnView_Scan(pBtnView_Scan)
    , mBtnView_Calibration(pBtnView_Calibration)
    , mBtnView_Graph(pBtnView_Graph)
    , mLblChannels_ZTM8800(pLblChannels_ZTM8800)
    , mLblChannels_Module1(pLblChannels_Module1)
    , mLblChannels_Module2(pLblChannels_Module2)
    , mLblChannels_Module3(pLblChannels_Module3)
    , mLblChannels_Module4(pLblChannels_Module4)
    , mLblSelectSwitchBoxChannelsCaption(pLblSelectSwitchBoxChannelsCaption)
    , mSwitchBoxChannelSelectButtonParent(pSwitchBoxChannelSelectButtonParent)
{
}

TScanModeController::~TScanModeController() = default;

void TScanModeController::returnToMainMenuClicked()
{
    if (mScanMenuWidgetController)
        mScanMenuWidgetController->deactivateAll();
}

bool TScanModeController::cancelClicked()
{
    if (mScanMenuWidgetController)
        mScanMenuWidgetController->deactivateAll();
    return true;
}

bool TScanModeController::storeClicked()
{
    // No setup page edits the scan list yet; the page closes.
    return true;
}
