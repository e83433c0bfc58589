#include "channelviewfixture.h"

#include "averagevaluesettingcontroller.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "channelviewfactory.h"
#include "clickablewidgetcontroller.h"
#include "probecontroller.h"
#include "scanmodecontroller.h"
#include "testidentity.h"
#include "unitselectionprovider.h"

#include <QGraphicsOpacityEffect>

const QString INFO_BAR_BLUE = QStringLiteral("#pnlInformationBar { background-color: #104474; }");
const QString INFO_BAR_GREEN = QStringLiteral("#pnlInformationBar { background-color: #005B0A; }");
const QString INFO_BAR_RED = QStringLiteral("#pnlInformationBar { background-color: #7A1312; }");
const QString INFO_BAR_YELLOW = QStringLiteral("#pnlInformationBar { background-color: #FF7C00; }");

namespace
{
const QString PANELS_BLUE = QStringLiteral("QZELKGreyPanel { background-color: #032343; }");
const QString PANELS_GREEN = QStringLiteral("QZELKGreyPanel { background-color: #002D02; }");
} // namespace

double opacityOf(const QWidget* pArea)
{
    const auto* effect = qobject_cast<const QGraphicsOpacityEffect*>(pArea->graphicsEffect());
    return effect ? effect->opacity() : 1.0;
}

std::unique_ptr<TScanModeController> buildScanModeOnForm(TChannelControllerFixture& pFixture)
{
    Ui_TTamarindMainForm& f = pFixture.ui();
    auto menu = std::make_unique<TClickableWidgetController>(f.LblMenuCaption);
    for (const auto& row : {std::make_pair(f.BtnChanConf_ZTM8800, f.LblChanConf_ZTM8800),
                            std::make_pair(f.BtnChanConf_Mod1, f.LblChanConf_Mod1),
                            std::make_pair(f.BtnChanConf_Mod2, f.LblChanConf_Mod2),
                            std::make_pair(f.BtnChanConf_Mod3, f.LblChanConf_Mod3),
                            std::make_pair(f.BtnChanConf_Mod4, f.LblChanConf_Mod4),
                            std::make_pair(f.BtnChanConf_HoldTime, f.LblChanConf_HoldTime),
                            std::make_pair(f.BtnChanConf_View, f.LblChanConf_View)})
        menu->addWidget(row.first, row.second);
    return std::make_unique<TScanModeController>(
        &pFixture.subMenu(), &pFixture.controller(), std::move(menu), f.PageChanConf_ZTM8800,
        f.PageChanConf_SwitchBoxes, f.PageScanView, f.BtnChanConf_ZTM8800, f.BtnChanConf_Mod1, f.BtnChanConf_Mod2,
        f.BtnChanConf_Mod3, f.BtnChanConf_Mod4, f.BtnChanConf_PRT1, f.BtnChanConf_PRT2, f.BtnChanConf_TC1,
        f.BtnChanConf_TC2, f.BtnChanConf_HoldTime, f.LblChanConf_HoldTime_Value, f.LblChanConf_View_Value,
        f.BtnChanConf_View, f.BtnChanConf_Scan, f.BtnChanConf_Calibration, f.BtnChanConf_Graph,
        f.LblChanConf_ZTM8800_Value, f.LblChanConf_Mod1_Value, f.LblChanConf_Mod2_Value, f.LblChanConf_Mod3_Value,
        f.LblChanConf_Mod4_Value, f.LblChanConf_SwitchBox_Header, f.BtnChanConf_SwitchBox_SelectAll,
        f.BtnChanConf_SwitchBox_DeselectAll, f.scrollAreaScanConfigSwitchBoxContents);
}

TChannelViewFixture::TChannelViewFixture() = default;

TChannelViewFixture::~TChannelViewFixture()
{
    mManager.reset();
    mScanMode.reset();
}

void TChannelViewFixture::buildViews(bool pLoadProbes)
{
    identifyBoardAs(board(), ZTM9900);
    if (!hasController())
        build();
    TProbeController& probeController = buildProbes(pLoadProbes);
    Ui_TTamarindMainForm& f = ui();
    mScanMode = buildScanModeOnForm(*this);
    mUnits = std::make_unique<TUnitSelectionProvider>(&subMenu(), f.PageUnitSelection, f.btnUnitSelCelcius,
                                                      f.btnUnitSelFahrenheit, f.btnUnitSelKelvin, f.btnUnitSelOhm,
                                                      f.btnUnitSelMilliVolt);
    mAveraging = std::make_unique<TAverageValueSettingController>(f.BtnAvgSampleCount, f.LblSelectedAvgValSampleCount);
    mManager = std::make_unique<TChannelViewControllerManager>();
    auto home = std::make_unique<TOneChannelViewController>(
        &controller(), mUnits.get(), &probeController, mAveraging.get(), mScanMode.get(), f.pnlInformationBar,
        INFO_BAR_BLUE, f.lblInfoBarLeft, f.lblInfoBarCenter, f.lblInfoBarRight, f.lblSingleViewMainVal,
        f.lblSingleViewCorrVal, f.lblSingleViewCorrCaption, f.lblSingleViewMin, f.lblSingleViewMax,
        f.IconWarning_SingleChannelView, f.lblSingleViewProbe_SmartFlag, f.btnSingleViewChanSel, f.btnSingleViewUnit,
        f.btnSingleViewDecRes, f.btnSingleViewIncRes, f.btnSingleViewClearPeak, f.btnSingleViewFreeze,
        f.btnSingleViewRoot2, f.btnSingleViewProbe);
    mHomeView = home.get();
    mManager->setAndOwnHomescreenViewController(std::move(home), f.PageHome);
    auto two = std::make_unique<TTwoChannelViewController>(
        &controller(), mUnits.get(), &probeController, mAveraging.get(), mScanMode.get(), f.pnlInformationBar,
        INFO_BAR_BLUE, INFO_BAR_GREEN, PANELS_BLUE, PANELS_GREEN, f.lblInfoBarLeft, f.lblInfoBarCenter,
        f.lblInfoBarRight, f.Lbl2ChanViewMainValue_Top, f.Lbl2ChanViewMainValue_Btm, f.Lbl2ChanViewCorVal_Top,
        f.Lbl2ChanViewCorVal_Btm, f.Lbl2ChanViewCorValCaption_Top, f.Lbl2ChanViewCorValCaption_Btm,
        f.Lbl2ChanView_PeakMin, f.Lbl2ChanView_PeakMax, f.Lbl2ChanViewDiffCaption, f.Lbl2ChanViewDiffValue,
        f.IconWarning_2ChannelView_Top, f.IconWarning_2ChannelView_Bottom, f.lbl2ChanViewProbe_SmartFlag_Top,
        f.lbl2ChanViewProbe_SmartFlag_Bottom, f.Btn2ChanViewChannelSel_Top, f.Btn2ChanViewChannelSel_Btm,
        f.Btn2ChanViewUnit_Top, f.Btn2ChanViewUnit_Btm, f.Btn2ChanViewResDec, f.Btn2ChanViewResInc,
        f.Btn2ChanViewClearPeak, f.Btn2ChanViewFreeze_Top, f.Btn2ChanViewFreeze_Btm, f.Btn2ChanViewRoot2_Top,
        f.Btn2ChanViewRoot2_Btm, f.Btn2ChanViewProbe_Top, f.Btn2ChanViewProbe_Btm, f.Btn2ChanViewDiffUnit,
        f.Wgt2ChanViewTop, f.Wgt2ChanViewBtm,
        zelk::vector<QZELKGreyPanel*>{f.pnl2ChanViewResolution, f.pnl2ChanViewPeak});
    mTwoChannelView = two.get();
    mManager->addAndOwnScanViewController(std::move(two), f.Page2ChannelView);
    const TScanViewsForThreeAndMoreChannels more = addScanViewsForThreeAndMoreChannels(
        *mManager, f, {&controller(), mUnits.get(), &probeController, mAveraging.get(), mScanMode.get()},
        {INFO_BAR_BLUE, INFO_BAR_GREEN, INFO_BAR_RED, INFO_BAR_YELLOW}, &subMenu());
    mThreeChannelView = more.mThreeChannelView;
    mFourChannelView = more.mFourChannelView;
    mMultiChannelView = more.mMultiChannelView;
    QObject::connect(mScanMode.get(), &TScanModeController::channelConfigurationChanged, mManager.get(),
                     &TChannelViewControllerManager::attachChannelConfigurationToView);
}
