// The home view (one channel) and the two-channel scan view.

#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollers.h"
#include "decimaldisplaycontroller.h"
#include "probe.h"
#include "scanmodecontroller.h"
#include "stylesheetchoice.h"
#include "unitselectionprovider.h"
#include "zelkgreypanel.h"
#include "zelkpushbutton.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>

using namespace Electrical_temperature_units;

// --- home view ----------------------------------------------------------------------

TOneChannelViewController::TOneChannelViewController(
    TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
    TProbeController* pProbeController, TAverageValueSettingController* pAvgValController,
    TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar, const QString& pStylesheetInfoBar,
    QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter, QLabel* pLblInfoBarRight, QLabel* pMainValueLabel,
    QLabel* pCorrespondingValueLabel, QLabel* pCorrespondingCaptionLabel, QLabel* pPeakValMin, QLabel* pPeakValMax,
    QLabel* pLblWarningIcon, QLabel* pLblSmartProbeIndicator, QZELKPushButton* pBtnChannel, QZELKPushButton* pBtnUnit,
    QZELKPushButton* pBtnDecResolution, QZELKPushButton* pBtnIncResolution, QZELKPushButton* pBtnClearPeak,
    QZELKPushButton* pBtnFreeze, QZELKPushButton* pBtnRoot2, QZELKPushButton* pBtnProbe)
    : TAbstractChannelViewController(pChannelController, pUnitSelectionProvider, pProbeController, pAvgValController,
                                     pScanModeController, pInformationBar, pLblInfoBarLeft, pLblInfoBarCenter,
                                     pLblInfoBarRight)
    , mMainValFontSizes{{5, 130}, {6, 120}, {7, 106}, {8, 95},  {9, 85}, {10, 77},
                        {11, 70}, {12, 65}, {13, 60}, {14, 55}, {15, 52}}
    , mPeakValMin(pPeakValMin)
    , mPeakValMax(pPeakValMax)
    , mBtnDecResolution(pBtnDecResolution)
    , mBtnIncResolution(pBtnIncResolution)
    , mBtnClearPeak(pBtnClearPeak)
    , mStylesheetInfoBar(pStylesheetInfoBar)
{
    mPosition.mMainValue = pMainValueLabel;
    mPosition.mCorrespondingValue = pCorrespondingValueLabel;
    mPosition.mCorrespondingCaption = pCorrespondingCaptionLabel;
    mPosition.mWarningIcon = pLblWarningIcon;
    mPosition.mSmartProbeIndicator = pLblSmartProbeIndicator;
    mPosition.mBtnChannel = pBtnChannel;
    mPosition.mBtnUnit = pBtnUnit;
    mPosition.mBtnFreeze = pBtnFreeze;
    mPosition.mBtnRoot2 = pBtnRoot2;
    mPosition.mBtnProbe = pBtnProbe;
    mPosition.mStylesheetInfoBar = pStylesheetInfoBar;
    mPosition.mMainValFontSizes = &mMainValFontSizes;
    setChannel(mChannelController->measuredChannel());

    using T = TOneChannelViewController;
    connect(mBtnDecResolution, &QZELKPushButton::clicked, this, &T::decreaseResolution);
    connect(mBtnIncResolution, &QZELKPushButton::clicked, this, &T::increaseResolution);
    connect(mBtnClearPeak, &QZELKPushButton::clicked, this, &T::clearPeakValues);
    connectPositionButtons<T>(mPosition, &T::toggleFreeze, &T::selectUnit, &T::selectMeasuredChannel,
                              &T::onProbeBtnPressed, &T::onToggleRoot2);
    fitCaptionBesideValue(mPosition.mCorrespondingCaption);
}

void TOneChannelViewController::setChannel(TAbstractChannel* pChannel)
{
    attachChannel(mPosition, pChannel);
    mMeasuredChannel = pChannel;
    valuesChanged(pChannel);
}

void TOneChannelViewController::valuesChanged(TAbstractChannel* pChannel)
{
    if (isCurrentView())
        valuesChanged(pChannel, false);
}

void TOneChannelViewController::valuesChanged(TAbstractChannel* pChannel, bool pOverrideFreeze)
{
    if (!pChannel || pChannel != mPosition.mChannel)
        return;
    QString left = sampleCountText();
    if (mScanModeController && mScanModeController->isScanModeActive())
        left = mTrans_Channel + QLatin1Char(' ') + pChannel->channelCaption() + QLatin1Char(' ') + left;
    mLblInfoBarLeft->setText(left);
    // A redraw (Home, remote mode, a scan's turn) must not bring back the value the board has since withdrawn.
    if (!pChannel->hasShownValue()) {
        showNoValue();
        return;
    }
    drawPosition(mPosition, mPeakValMin, mPeakValMax, mMainValFontSizes, pOverrideFreeze, false);
    setInfoBarCenterAndRight(pChannel);
}

void TOneChannelViewController::noValuesAvailable(TAbstractChannel* pChannel)
{
    if (isCurrentView() && pChannel == mPosition.mChannel)
        showNoValue();
}

void TOneChannelViewController::showNoValue()
{
    clearPositionValues(mPosition);
    mPeakValMin->clear();
    mPeakValMax->clear();
    showLiveFigures(mPosition.mChannel, mLblInfoBarCenter, mLblInfoBarRight);
}

void TOneChannelViewController::initGUI()
{
    valuesChanged(mPosition.mChannel);
    initPositionButtons(mPosition);
    if (mPosition.mChannel)
        setResolutionButtons(mBtnDecResolution, mBtnIncResolution, *mPosition.mChannel);
    TStyleSheetChoice::apply(*mInformationBar, mStylesheetInfoBar);
}

void TOneChannelViewController::setChannels(const zelk::vector<TAbstractChannel*>& pChannels, TAbstractChannel*)
{
    if (!pChannels.empty())
        setChannel(pChannels.front());
}

void TOneChannelViewController::channels(zelk::vector<TAbstractChannel*>& oChannels)
{
    if (mPosition.mChannel)
        oChannels << mPosition.mChannel;
}

void TOneChannelViewController::channelSwitched(TAbstractChannel* pNewChannel)
{
    setChannel(pNewChannel);
    if (isCurrentView())
        initGUI();
}

void TOneChannelViewController::channelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel)
{
    if (!pOldChannel || pOldChannel != mPosition.mChannel)
        return;
    setChannel(pNewChannel);
    if (isCurrentView())
        initGUI();
}

void TOneChannelViewController::onProbeDataChanged(TAbstractProbe* pProbe)
{
    if (pProbe && mPosition.mChannel && probeFromChannel(mPosition.mChannel) == pProbe)
        setProbeName(mPosition.mBtnProbe, pProbe->probeName());
}

void TOneChannelViewController::probeAssignedToChannelNotification(TAbstractProbe*, TAbstractChannel* pChannel)
{
    if (pChannel && mPosition.mChannel && pChannel == mPosition.mChannel->distinctPhysicalChannel())
        initGUI();
}

void TOneChannelViewController::changeUnit(TAbstractChannel* pChannel, EnUnit pUnit)
{
    if (!pChannel)
        return;
    mChannelController->changeUnit(pChannel, pUnit);
    if (pChannel != mPosition.mChannel)
        return;
    mPosition.mBtnUnit->setText(TAbstractChannel::unitToText(pUnit));
    setResolutionButtons(mBtnDecResolution, mBtnIncResolution, *pChannel);
    valuesChanged(pChannel, true);
}

void TOneChannelViewController::setProbeName(QZELKPushButton* pButton, const QString& pProbeName)
{
    fitProbeName(pButton, pProbeName);
}

void TOneChannelViewController::decreaseResolution()
{
    if (TAbstractChannel* channel = mPosition.mChannel) {
        mBtnDecResolution->setEnabled(channel->decreasePrecision());
        mBtnIncResolution->setEnabled(true);
        valuesChanged(channel, true);
    }
}

void TOneChannelViewController::increaseResolution()
{
    if (TAbstractChannel* channel = mPosition.mChannel) {
        mBtnIncResolution->setEnabled(channel->increasePrecision());
        mBtnDecResolution->setEnabled(true);
        valuesChanged(channel, true);
    }
}

void TOneChannelViewController::clearPeakValues()
{
    if (TAbstractChannel* channel = mPosition.mChannel) {
        channel->resetPeakValues();
        valuesChanged(channel, true);
    }
}

void TOneChannelViewController::toggleFreeze()
{
    toggleFreezeAt(mPosition);
}

void TOneChannelViewController::onToggleRoot2()
{
    toggleRoot2At(mPosition, {&mPosition});
}

void TOneChannelViewController::selectUnit()
{
    selectUnitAt(mPosition);
}

void TOneChannelViewController::selectMeasuredChannel()
{
    selectChannelAt(mPosition);
}

void TOneChannelViewController::onProbeBtnPressed()
{
    pressProbeAt(mPosition);
}

// --- two-channel view ---------------------------------------------------------------------

TTwoChannelViewController::TTwoChannelViewController(
    TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
    TProbeController* pProbeController, TAverageValueSettingController* pAvgValController,
    TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar,
    const QString& pStylesheetInfoBar_ChannelTop, const QString& pStylesheetInfoBar_ChannelBottom,
    const QString& pStylesheetChannelDependingPanels_ChannelTop,
    const QString& pStylesheetChannelDependingPanels_ChannelBottom, QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter,
    QLabel* pLblInfoBarRight, QLabel* pMainValueLabel_ChannelTop, QLabel* pMainValueLabel_ChannelBottom,
    QLabel* pCorrespondingValueLabel_ChannelTop, QLabel* pCorrespondingValueLabel_ChannelBottom,
    QLabel* pCorrespondingCaptionLabel_ChannelTop, QLabel* pCorrespondingCaptionLabel_ChannelBottom,
    QLabel* pPeakValMin, QLabel* pPeakValMax, QLabel* pLblDiffCaption, QLabel* pLblDiffValue,
    QLabel* pLblWarningIcon_ChannelTop, QLabel* pLblWarningIcon_ChannelBottom,
    QLabel* pLblSmartProbeIndicator_ChannelTop, QLabel* pLblSmartProbeIndicator_ChannelBottom,
    QZELKPushButton* pBtnChannel_ChannelTop, QZELKPushButton* pBtnChannel_ChannelBottom,
    QZELKPushButton* pBtnUnit_ChannelTop, QZELKPushButton* pBtnUnit_ChannelBottom, QZELKPushButton* pBtnDecResolution,
    QZELKPushButton* pBtnIncResolution, QZELKPushButton* pBtnClearPeak, QZELKPushButton* pBtnFreeze_ChannelTop,
    QZELKPushButton* pBtnFreeze_ChannelBottom, QZELKPushButton* pBtnRoot2_ChannelTop,
    QZELKPushButton* pBtnRoot2_ChannelBottom, QZELKPushButton* pBtnProbe_ChannelTop,
    QZELKPushButton* pBtnProbe_ChannelBottom, QZELKPushButton* pBtnDiffUnit, QWidget* pWgtChannelTop,
    QWidget* pWgtChannelBottom, const zelk::vector<QZELKGreyPanel*>& pChannelDependingPanels)
    : TAbstractChannelViewController(pChannelController, pUnitSelectionProvider, pProbeController, pAvgValController,
                                     pScanModeController, pInformationBar, pLblInfoBarLeft, pLblInfoBarCenter,
                                     pLblInfoBarRight)
    , mMainValFontSizes{{10, 55}, {11, 52}, {12, 48}, {13, 44}, {14, 41}, {15, 39}}
    , mPeakValMin(pPeakValMin)
    , mPeakValMax(pPeakValMax)
    , mLblDiffCaption(pLblDiffCaption)
    , mLblDiffValue(pLblDiffValue)
    , mBtnDecResolution(pBtnDecResolution)
    , mBtnIncResolution(pBtnIncResolution)
    , mBtnClearPeak(pBtnClearPeak)
    , mBtnDiffUnit(pBtnDiffUnit)
    , mChannelDependingPanels(pChannelDependingPanels)
{
    mTop = {nullptr,
            pWgtChannelTop,
            pMainValueLabel_ChannelTop,
            pCorrespondingValueLabel_ChannelTop,
            pCorrespondingCaptionLabel_ChannelTop,
            pLblWarningIcon_ChannelTop,
            pLblSmartProbeIndicator_ChannelTop,
            pBtnChannel_ChannelTop,
            pBtnUnit_ChannelTop,
            pBtnFreeze_ChannelTop,
            pBtnRoot2_ChannelTop,
            pBtnProbe_ChannelTop,
            pStylesheetInfoBar_ChannelTop,
            pStylesheetChannelDependingPanels_ChannelTop};
    mBottom = {nullptr,
               pWgtChannelBottom,
               pMainValueLabel_ChannelBottom,
               pCorrespondingValueLabel_ChannelBottom,
               pCorrespondingCaptionLabel_ChannelBottom,
               pLblWarningIcon_ChannelBottom,
               pLblSmartProbeIndicator_ChannelBottom,
               pBtnChannel_ChannelBottom,
               pBtnUnit_ChannelBottom,
               pBtnFreeze_ChannelBottom,
               pBtnRoot2_ChannelBottom,
               pBtnProbe_ChannelBottom,
               pStylesheetInfoBar_ChannelBottom,
               pStylesheetChannelDependingPanels_ChannelBottom};
    mTop.mMainValFontSizes = &mMainValFontSizes;
    mBottom.mMainValFontSizes = &mMainValFontSizes;

    using T = TTwoChannelViewController;
    connect(mBtnDecResolution, &QZELKPushButton::clicked, this, &T::decreaseResolution);
    connect(mBtnIncResolution, &QZELKPushButton::clicked, this, &T::increaseResolution);
    connect(mBtnClearPeak, &QZELKPushButton::clicked, this, &T::clearPeakValues);
    connect(mBtnDiffUnit, &QZELKPushButton::clicked, this, &T::selectDiffUnit);
    connectPositionButtons<T>(mTop, &T::toggleFreeze_ChannelTop, &T::selectUnit_ChannelTop,
                              &T::selectChannel_ChannelTop, &T::onProbeBtnPressed_ChannelTop,
                              &T::toggleRoot2_ChannelTop);
    connectPositionButtons<T>(mBottom, &T::toggleFreeze_ChannelBottom, &T::selectUnit_ChannelBottom,
                              &T::selectChannel_ChannelBottom, &T::onProbeBtnPressed_ChannelBottom,
                              &T::toggleRoot2_ChannelBottom);
    fitCaptionBesideValue(mTop.mCorrespondingCaption);
    fitCaptionBesideValue(mBottom.mCorrespondingCaption);

    // Until a channel is measured both places are dimmed.
    pWgtChannelTop->setGraphicsEffect(createOpacityEffect());
    pWgtChannelBottom->setGraphicsEffect(createOpacityEffect());
    // Ready now, while nothing is shown: the first switches then restyle only the panels.
    for (QZELKGreyPanel* panel : mChannelDependingPanels)
        TStyleSheetChoice::prepare(*panel,
                                   {mTop.mStylesheetChannelDependingPanels, mBottom.mStylesheetChannelDependingPanels});
}

void TTwoChannelViewController::setChannel_Top(TAbstractChannel* pChannel)
{
    attachChannel(mTop, pChannel);
    valuesChanged(pChannel);
}

void TTwoChannelViewController::setChannel_Bottom(TAbstractChannel* pChannel)
{
    attachChannel(mBottom, pChannel);
    valuesChanged(pChannel);
}

void TTwoChannelViewController::setChannels(const zelk::vector<TAbstractChannel*>& pChannels,
                                            TAbstractChannel* pMeasuredChannel)
{
    if (pChannels.size() < 2)
        return;
    setChannel_Top(pChannels.at(0));
    setChannel_Bottom(pChannels.at(1));
    mMeasuredChannel = pMeasuredChannel;
    initGUI();
}

void TTwoChannelViewController::detachChannels()
{
    detachPositions(positions());
    mMeasuredChannel = nullptr;
}

void TTwoChannelViewController::channels(zelk::vector<TAbstractChannel*>& oChannels)
{
    appendChannels(positions(), oChannels);
}

void TTwoChannelViewController::initGUI()
{
    valuesChanged(mTop.mChannel);
    valuesChanged(mBottom.mChannel);
    for (TChannelViewPosition* position : positions())
        initPositionButtons(*position);
    if (mMeasuredChannel)
        setResolutionButtons(mBtnDecResolution, mBtnIncResolution, *mMeasuredChannel);
    setChannelColors(mMeasuredChannel);
    mBtnDiffUnit->setText(TAbstractChannel::unitToText(mDifferenceUnit));
    composeDifferenceCaption();
}

// Empty without a pair: a difference of nothing has no caption either.
void TTwoChannelViewController::composeDifferenceCaption()
{
    if (!mTop.mChannel || !mBottom.mChannel) {
        mLblDiffCaption->clear();
        mLblDiffValue->clear();
        return;
    }
    mLblDiffCaption->setText(mTransChannel + QLatin1Char(' ') + mTop.mChannel->channelCaption() +
                             QStringLiteral(" - ") + mBottom.mChannel->channelCaption());
}

// The form empties the caption on a language change; a shown pair gets it back in the new language.
void TTwoChannelViewController::retranslateOwnTexts()
{
    composeDifferenceCaption();
    refreshDifference();
}

void TTwoChannelViewController::valuesChanged(TAbstractChannel* pChannel)
{
    if (isCurrentView())
        valuesChanged(pChannel, false, false);
}

void TTwoChannelViewController::valuesChanged(TAbstractChannel* pChannel, bool pOverrideFreeze, bool pForcePeakRefresh)
{
    showChannelValues(positions(), pChannel, mPeakValMin, mPeakValMax, mMainValFontSizes, pOverrideFreeze,
                      pForcePeakRefresh);
    refreshDifference();
}

void TTwoChannelViewController::noValuesAvailable(TAbstractChannel* pChannel)
{
    if (!isCurrentView() || !pChannel)
        return;
    showNoValues(positions(), pChannel, mPeakValMin, mPeakValMax);
    refreshDifference();
}

void TTwoChannelViewController::refreshDifference()
{
    if (!mTop.mChannel || !mBottom.mChannel)
        return;
    EnUnit unit = mDifferenceUnit;
    const QString text = differenceText(*mTop.mChannel, *mBottom.mChannel, unit);
    if (unit != mDifferenceUnit) {
        mDifferenceUnit = unit;
        mBtnDiffUnit->setText(TAbstractChannel::unitToText(unit));
    }
    mLblDiffValue->setText(text);
}

void TTwoChannelViewController::selectDiffUnit()
{
    if (mTop.mChannel && mBottom.mChannel)
        mUnitSelectionProvider->selectUnit(this, mDifferenceUnit, {mTop.mChannel, mBottom.mChannel});
}

void TTwoChannelViewController::changeUnit(TAbstractChannel* pChannel, EnUnit pUnit)
{
    if (!pChannel) {
        mDifferenceUnit = pUnit;
        mBtnDiffUnit->setText(TAbstractChannel::unitToText(pUnit));
        refreshDifference();
        return;
    }
    changeUnitAt(positions(), pChannel, pUnit);
    if (mMeasuredChannel)
        setResolutionButtons(mBtnDecResolution, mBtnIncResolution, *mMeasuredChannel);
    valuesChanged(pChannel, true, false);
}

void TTwoChannelViewController::channelSwitched(TAbstractChannel* pNewChannel)
{
    mMeasuredChannel = pNewChannel;
    if (!isCurrentView() || !pNewChannel)
        return;
    setResolutionButtons(mBtnDecResolution, mBtnIncResolution, *pNewChannel);
    setChannelColors(pNewChannel);
    valuesChanged(pNewChannel, false, true);
}

void TTwoChannelViewController::setChannelColors(TAbstractChannel* pMeasured)
{
    setPositionColors(positions(), pMeasured, mChannelDependingPanels);
}

void TTwoChannelViewController::channelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel)
{
    if (!pOldChannel)
        return;
    if (pOldChannel == mTop.mChannel)
        setChannel_Top(pNewChannel);
    else if (pOldChannel == mBottom.mChannel)
        setChannel_Bottom(pNewChannel);
    else
        return;
    if (isCurrentView())
        initGUI();
}

void TTwoChannelViewController::decreaseResolution()
{
    if (TAbstractChannel* channel = mMeasuredChannel) {
        mBtnDecResolution->setEnabled(channel->decreasePrecision());
        mBtnIncResolution->setEnabled(true);
        valuesChanged(channel, true, false);
    }
}

void TTwoChannelViewController::increaseResolution()
{
    if (TAbstractChannel* channel = mMeasuredChannel) {
        mBtnIncResolution->setEnabled(channel->increasePrecision());
        mBtnDecResolution->setEnabled(true);
        valuesChanged(channel, true, false);
    }
}

void TTwoChannelViewController::clearPeakValues()
{
    if (TAbstractChannel* channel = mMeasuredChannel) {
        channel->resetPeakValues();
        valuesChanged(channel, true, false);
    }
}

void TTwoChannelViewController::onProbeDataChanged(TAbstractProbe* pProbe)
{
    showProbeNameAtFirst(positions(), pProbe);
}

void TTwoChannelViewController::probeAssignedToChannelNotification(TAbstractProbe*, TAbstractChannel* pChannel)
{
    // Only a probe that went to one of the two channels themselves.
    if (positionOf(positions(), pChannel) && showsPhysicalChannel(positions(), pChannel))
        initGUI();
}

void TTwoChannelViewController::setProbeName(QZELKPushButton* pButton, const QString& pProbeName)
{
    fitProbeName(pButton, pProbeName);
}
