#include "channelviewfactory.h"

#include "channelviewcomponents.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "tamarindmainform_ui.h"

TScanViewsForThreeAndMoreChannels addScanViewsForThreeAndMoreChannels(TChannelViewControllerManager& pManager,
                                                                      Ui_TTamarindMainForm& ui,
                                                                      const TChannelViewServices& pServices,
                                                                      const TInformationBarStyles& pInfoBarStyles,
                                                                      ISubMenuController* pSubMenuController)
{
    const TChannelViewServices& s = pServices;
    auto three = std::make_unique<TThreeChannelViewController>(
        s.mChannelController, s.mUnitSelectionProvider, s.mProbeController, s.mAverageValueSettingController,
        s.mScanModeController, ui.pnlInformationBar, pInfoBarStyles.mBlue, pInfoBarStyles.mGreen, pInfoBarStyles.mRed,
        ui.lblInfoBarLeft, ui.lblInfoBarCenter, ui.lblInfoBarRight, ui.Lbl3ChanViewMainValue_Top,
        ui.Lbl3ChanViewMainValue_Mid, ui.Lbl3ChanViewMainValue_Btm, ui.Lbl3ChanViewCorVal_Top,
        ui.Lbl3ChanViewCorVal_Mid, ui.Lbl3ChanViewCorVal_Btm, ui.Lbl3ChanViewCorValCaption_Top,
        ui.Lbl3ChanViewCorValCaption_Mid, ui.Lbl3ChanViewCorValCaption_Btm, ui.IconWarning_3ChannelView_Top,
        ui.IconWarning_3ChannelView_Mid, ui.IconWarning_3ChannelView_Bottom, ui.lbl3ChanViewProbe_SmartFlag_Top,
        ui.lbl3ChanViewProbe_SmartFlag_Middle, ui.lbl3ChanViewProbe_SmartFlag_Bottom, ui.Btn3ChanViewChannelSel_Top,
        ui.Btn3ChanViewChannelSel_Mid, ui.Btn3ChanViewChannelSel_Btm, ui.Btn3ChanViewUnit_Top, ui.Btn3ChanViewUnit_Mid,
        ui.Btn3ChanViewUnit_Btm, ui.Btn3ChanViewFreeze_Top, ui.Btn3ChanViewFreeze_Mid, ui.Btn3ChanViewFreeze_Btm,
        ui.Btn3ChanViewRoot2_Top, ui.Btn3ChanViewRoot2_Mid, ui.Btn3ChanViewRoot2_Btm, ui.Btn3ChanViewProbe_Top,
        ui.Btn3ChanViewProbe_Mid, ui.Btn3ChanViewProbe_Btm, ui.Wgt3ChanViewTop, ui.Wgt3ChanViewMid, ui.Wgt3ChanViewBtm);
    auto four = std::make_unique<TFourChannelViewController>(
        s.mChannelController, s.mUnitSelectionProvider, s.mProbeController, s.mAverageValueSettingController,
        s.mScanModeController, ui.pnlInformationBar, pInfoBarStyles.mBlue, pInfoBarStyles.mGreen, pInfoBarStyles.mRed,
        pInfoBarStyles.mYellow, ui.lblInfoBarLeft, ui.lblInfoBarCenter, ui.lblInfoBarRight,
        ui.Lbl4ChanViewMainValue_TopLeft, ui.Lbl4ChanViewMainValue_TopRight, ui.Lbl4ChanViewMainValue_BtmLeft,
        ui.Lbl4ChanViewMainValue_BtmRight, ui.IconWarning_4ChannelView_TopLeft, ui.IconWarning_4ChannelView_TopRight,
        ui.IconWarning_4ChannelView_BottomLeft, ui.IconWarning_4ChannelView_BottomRight,
        ui.lbl4ChanViewProbe_SmartFlag_TopLeft, ui.lbl4ChanViewProbe_SmartFlag_TopRight,
        ui.lbl4ChanViewProbe_SmartFlag_BottomLeft, ui.lbl4ChanViewProbe_SmartFlag_BottomRight,
        ui.Btn4ChanViewChannelSel_TopLeft, ui.Btn4ChanViewChannelSel_TopRight, ui.Btn4ChanViewChannelSel_BtmLeft,
        ui.Btn4ChanViewChannelSel_BtmRight, ui.Btn4ChanViewUnit_TopLeft, ui.Btn4ChanViewUnit_TopRight,
        ui.Btn4ChanViewUnit_BtmLeft, ui.Btn4ChanViewUnit_BtmRight, ui.Btn4ChanViewFreeze_TopLeft,
        ui.Btn4ChanViewFreeze_TopRight, ui.Btn4ChanViewFreeze_BtmLeft, ui.Btn4ChanViewFreeze_BtmRight,
        ui.Btn4ChanViewRoot2_TopLeft, ui.Btn4ChanViewRoot2_TopRight, ui.Btn4ChanViewRoot2_BtmLeft,
        ui.Btn4ChanViewRoot2_BtmRight, ui.Btn4ChanViewProbe_TopLeft, ui.Btn4ChanViewProbe_TopRight,
        ui.Btn4ChanViewProbe_BtmLeft, ui.Btn4ChanViewProbe_BtmRight, ui.Wgt4ChanViewTopLeft, ui.Wgt4ChanViewTopRight,
        ui.Wgt4ChanViewBtmLeft, ui.Wgt4ChanViewBtmRight);
    auto multi = std::make_unique<TMultiChannelViewController>(
        pSubMenuController, ui.PageSelectProbeOrUnit, s.mChannelController, s.mUnitSelectionProvider,
        s.mProbeController, s.mAverageValueSettingController, s.mScanModeController, ui.pnlInformationBar,
        ui.lblInfoBarLeft, ui.lblInfoBarCenter, ui.lblInfoBarRight, ui.verticalLayout_80,
        ui.BtnMultiChannelSubmenu_Probe, ui.BtnMultiChannelSubmenu_Unit, ui.scrollAreaMultiChannelView);
    const TScanViewsForThreeAndMoreChannels views{three.get(), four.get(), multi.get()};
    pManager.addAndOwnScanViewController(std::move(three), ui.Page3ChannelView);
    pManager.addAndOwnScanViewController(std::move(four), ui.Page4ChannelView);
    pManager.addAndOwnScanViewController(std::move(multi), ui.PageMultiChannelView);
    return views;
}
