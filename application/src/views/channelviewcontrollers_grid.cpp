// The scan views of three and four channels and their common part.

#include "channel.h"
#include "channelviewcontrollers.h"

#include <QGraphicsOpacityEffect>
#include <QWidget>

using namespace Electrical_temperature_units;

// --- places without peaks ---------------------------------------------------------------

TChannelGridViewController::TChannelGridViewController(
    TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
    TProbeController* pProbeController, TAverageValueSettingController* pAvgValController,
    TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar, QLabel* pLblInfoBarLeft,
    QLabel* pLblInfoBarCenter, QLabel* pLblInfoBarRight, std::map<short, short> pMainValFontSizes)
    : TAbstractChannelViewController(pChannelController, pUnitSelectionProvider, pProbeController, pAvgValController,
                                     pScanModeController, pInformationBar, pLblInfoBarLeft, pLblInfoBarCenter,
                                     pLblInfoBarRight)
    , mMainValFontSizes(std::move(pMainValFontSizes))
{
}

void TChannelGridViewController::setPlaces(const TPositions& pPlaces)
{
    mPlaces = pPlaces;
    for (TChannelViewPosition* place : mPlaces) {
        place->mMainValFontSizes = &mMainValFontSizes;
        place->mArea->setGraphicsEffect(createOpacityEffect());
        fitCaptionBesideValue(place->mCorrespondingCaption);
    }
}

void TChannelGridViewController::setChannel(TChannelViewPosition& pPosition, TAbstractChannel* pChannel)
{
    attachChannel(pPosition, pChannel);
    valuesChanged(pChannel);
}

void TChannelGridViewController::setChannels(const zelk::vector<TAbstractChannel*>& pChannels,
                                             TAbstractChannel* pMeasuredChannel)
{
    if (pChannels.size() < mPlaces.size())
        return;
    for (std::size_t i = 0; i < mPlaces.size(); ++i)
        setChannel(*mPlaces.at(i), pChannels.at(i));
    mMeasuredChannel = pMeasuredChannel;
    initGUI();
}

void TChannelGridViewController::initGUI()
{
    for (TChannelViewPosition* place : mPlaces)
        valuesChanged(place->mChannel);
    for (TChannelViewPosition* place : mPlaces)
        initPositionButtons(*place);
    setChannelColors(mMeasuredChannel);
}

void TChannelGridViewController::valuesChanged(TAbstractChannel* pChannel)
{
    if (isCurrentView())
        valuesChanged(pChannel, false);
}

void TChannelGridViewController::valuesChanged(TAbstractChannel* pChannel, bool pOverrideFreeze)
{
    showChannelValues(mPlaces, pChannel, nullptr, nullptr, mMainValFontSizes, pOverrideFreeze, false);
}

void TChannelGridViewController::noValuesAvailable(TAbstractChannel* pChannel)
{
    if (isCurrentView())
        showNoValues(mPlaces, pChannel);
}

void TChannelGridViewController::changeUnit(TAbstractChannel* pChannel, EnUnit pUnit)
{
    if (!pChannel)
        return;
    changeUnitAt(mPlaces, pChannel, pUnit);
    valuesChanged(pChannel, true);
}

void TChannelGridViewController::channelSwitched(TAbstractChannel* pNewChannel)
{
    mMeasuredChannel = pNewChannel;
    if (!isCurrentView())
        return;
    setChannelColors(pNewChannel);
    valuesChanged(pNewChannel, false);
}

void TChannelGridViewController::setChannelColors(TAbstractChannel* pMeasured)
{
    setPositionColors(mPlaces, pMeasured, {});
}

void TChannelGridViewController::channelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel)
{
    TChannelViewPosition* place = positionOf(mPlaces, pOldChannel);
    if (!place)
        return;
    setChannel(*place, pNewChannel);
    if (isCurrentView())
        initGUI();
}

void TChannelGridViewController::probeAssignedToChannelNotification(TAbstractProbe*, TAbstractChannel* pChannel)
{
    if (showsPhysicalChannel(mPlaces, pChannel))
        initGUI();
}

// --- three-channel view -------------------------------------------------------------------

TThreeChannelViewController::TThreeChannelViewController(
    TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
    TProbeController* pProbeController, TAverageValueSettingController* pAvgValController,
    TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar,
    const QString& pStylesheetInfoBar_ChannelTop, const QString& pStylesheetInfoBar_ChannelMiddle,
    const QString& pStylesheetInfoBar_ChannelBottom, QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter,
    QLabel* pLblInfoBarRight, QLabel* pMainValueLabel_ChannelTop, QLabel* pMainValueLabel_ChannelMiddle,
    QLabel* pMainValueLabel_ChannelBottom, QLabel* pCorrespondingValueLabel_ChannelTop,
    QLabel* pCorrespondingValueLabel_ChannelMiddle, QLabel* pCorrespondingValueLabel_ChannelBottom,
    QLabel* pCorrespondingCaptionLabel_ChannelTop, QLabel* pCorrespondingCaptionLabel_ChannelMiddle,
    QLabel* pCorrespondingCaptionLabel_ChannelBottom, QLabel* pLblWarningIcon_ChannelTop,
    QLabel* pLblWarningIcon_ChannelMiddle, QLabel* pLblWarningIcon_ChannelBottom,
    QLabel* pLblSmartProbeIndicator_ChannelTop, QLabel* pLblSmartProbeIndicator_ChannelMiddle,
    QLabel* pLblSmartProbeIndicator_ChannelBottom, QZELKPushButton* pBtnChannel_ChannelTop,
    QZELKPushButton* pBtnChannel_ChannelMiddle, QZELKPushButton* pBtnChannel_ChannelBottom,
    QZELKPushButton* pBtnUnit_ChannelTop, QZELKPushButton* pBtnUnit_ChannelMiddle,
    QZELKPushButton* pBtnUnit_ChannelBottom, QZELKPushButton* pBtnFreeze_ChannelTop,
    QZELKPushButton* pBtnFreeze_ChannelMiddle, QZELKPushButton* pBtnFreeze_ChannelBottom,
    QZELKPushButton* pBtnRoot2_ChannelTop, QZELKPushButton* pBtnRoot2_ChannelMiddle,
    QZELKPushButton* pBtnRoot2_ChannelBottom, QZELKPushButton* pBtnProbe_ChannelTop,
    QZELKPushButton* pBtnProbe_ChannelMiddle, QZELKPushButton* pBtnProbe_ChannelBottom, QWidget* pWgtChannelTop,
    QWidget* pWgtChannelMiddle, QWidget* pWgtChannelBottom)
    : TChannelGridViewController(pChannelController, pUnitSelectionProvider, pProbeController, pAvgValController,
                                 pScanModeController, pInformationBar, pLblInfoBarLeft, pLblInfoBarCenter,
                                 pLblInfoBarRight, {{10, 53}, {11, 51}, {12, 49}, {13, 44}, {14, 41}, {15, 39}})
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
            QString()};
    mMiddle = {nullptr,
               pWgtChannelMiddle,
               pMainValueLabel_ChannelMiddle,
               pCorrespondingValueLabel_ChannelMiddle,
               pCorrespondingCaptionLabel_ChannelMiddle,
               pLblWarningIcon_ChannelMiddle,
               pLblSmartProbeIndicator_ChannelMiddle,
               pBtnChannel_ChannelMiddle,
               pBtnUnit_ChannelMiddle,
               pBtnFreeze_ChannelMiddle,
               pBtnRoot2_ChannelMiddle,
               pBtnProbe_ChannelMiddle,
               pStylesheetInfoBar_ChannelMiddle,
               QString()};
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
               QString()};

    using T = TThreeChannelViewController;
    connectPositionButtons<T>(mTop, &T::toggleFreeze_ChannelTop, &T::selectUnit_ChannelTop,
                              &T::selectChannel_ChannelTop, &T::onProbeBtnPressed_ChannelTop,
                              &T::toggleRoot2_ChannelTop);
    connectPositionButtons<T>(mMiddle, &T::toggleFreeze_ChannelMiddle, &T::selectUnit_ChannelMiddle,
                              &T::selectChannel_ChannelMiddle, &T::onProbeBtnPressed_ChannelMiddle,
                              &T::toggleRoot2_ChannelMiddle);
    connectPositionButtons<T>(mBottom, &T::toggleFreeze_ChannelBottom, &T::selectUnit_ChannelBottom,
                              &T::selectChannel_ChannelBottom, &T::onProbeBtnPressed_ChannelBottom,
                              &T::toggleRoot2_ChannelBottom);

    setPlaces({&mTop, &mMiddle, &mBottom});
}

// --- four-channel view --------------------------------------------------------------------

TFourChannelViewController::TFourChannelViewController(
    TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
    TProbeController* pProbeController, TAverageValueSettingController* pAvgValController,
    TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar,
    const QString& pStylesheetInfoBar_ChannelTopLeft, const QString& pStylesheetInfoBar_ChannelTopRight,
    const QString& pStylesheetInfoBar_ChannelBottomLeft, const QString& pStylesheetInfoBar_ChannelBottomRight,
    QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter, QLabel* pLblInfoBarRight,
    QLabel* pMainValueLabel_ChannelTopLeft, QLabel* pMainValueLabel_ChannelTopRight,
    QLabel* pMainValueLabel_ChannelBottomLeft, QLabel* pMainValueLabel_ChannelBottomRight,
    QLabel* pLblWarningIcon_ChannelTopLeft, QLabel* pLblWarningIcon_ChannelTopRight,
    QLabel* pLblWarningIcon_ChannelBottomLeft, QLabel* pLblWarningIcon_ChannelBottomRight,
    QLabel* pLblSmartProbeIndicator_ChannelTopLeft, QLabel* pLblSmartProbeIndicator_ChannelTopRight,
    QLabel* pLblSmartProbeIndicator_ChannelBottomLeft, QLabel* pLblSmartProbeIndicator_ChannelBottomRight,
    QZELKPushButton* pBtnChannel_ChannelTopLeft, QZELKPushButton* pBtnChannel_ChannelTopRight,
    QZELKPushButton* pBtnChannel_ChannelBottomLeft, QZELKPushButton* pBtnChannel_ChannelBottomRight,
    QZELKPushButton* pBtnUnit_ChannelTopLeft, QZELKPushButton* pBtnUnit_ChannelTopRight,
    QZELKPushButton* pBtnUnit_ChannelBottomLeft, QZELKPushButton* pBtnUnit_ChannelBottomRight,
    QZELKPushButton* pBtnFreeze_ChannelTopLeft, QZELKPushButton* pBtnFreeze_ChannelTopRight,
    QZELKPushButton* pBtnFreeze_ChannelBottomLeft, QZELKPushButton* pBtnFreeze_ChannelBottomRight,
    QZELKPushButton* pBtnRoot2_ChannelTopLeft, QZELKPushButton* pBtnRoot2_ChannelTopRight,
    QZELKPushButton* pBtnRoot2_ChannelBottomLeft, QZELKPushButton* pBtnRoot2_ChannelBottomRight,
    QZELKPushButton* pBtnProbe_ChannelTopLeft, QZELKPushButton* pBtnProbe_ChannelTopRight,
    QZELKPushButton* pBtnProbe_ChannelBottomLeft, QZELKPushButton* pBtnProbe_ChannelBottomRight,
    QWidget* pWgtChannelTopLeft, QWidget* pWgtChannelTopRight, QWidget* pWgtChannelBottomLeft,
    QWidget* pWgtChannelBottomRight)
    : TChannelGridViewController(pChannelController, pUnitSelectionProvider, pProbeController, pAvgValController,
                                 pScanModeController, pInformationBar, pLblInfoBarLeft, pLblInfoBarCenter,
                                 pLblInfoBarRight,
                                 {{8, 45}, {9, 41}, {10, 38}, {11, 35}, {12, 32}, {13, 30}, {14, 27}, {15, 25}})
{
    // A quarter has room for the main value only: no corresponding value and caption.
    mTopLeft = {nullptr,
                pWgtChannelTopLeft,
                pMainValueLabel_ChannelTopLeft,
                nullptr,
                nullptr,
                pLblWarningIcon_ChannelTopLeft,
                pLblSmartProbeIndicator_ChannelTopLeft,
                pBtnChannel_ChannelTopLeft,
                pBtnUnit_ChannelTopLeft,
                pBtnFreeze_ChannelTopLeft,
                pBtnRoot2_ChannelTopLeft,
                pBtnProbe_ChannelTopLeft,
                pStylesheetInfoBar_ChannelTopLeft,
                QString()};
    mTopRight = {nullptr,
                 pWgtChannelTopRight,
                 pMainValueLabel_ChannelTopRight,
                 nullptr,
                 nullptr,
                 pLblWarningIcon_ChannelTopRight,
                 pLblSmartProbeIndicator_ChannelTopRight,
                 pBtnChannel_ChannelTopRight,
                 pBtnUnit_ChannelTopRight,
                 pBtnFreeze_ChannelTopRight,
                 pBtnRoot2_ChannelTopRight,
                 pBtnProbe_ChannelTopRight,
                 pStylesheetInfoBar_ChannelTopRight,
                 QString()};
    mBottomLeft = {nullptr,
                   pWgtChannelBottomLeft,
                   pMainValueLabel_ChannelBottomLeft,
                   nullptr,
                   nullptr,
                   pLblWarningIcon_ChannelBottomLeft,
                   pLblSmartProbeIndicator_ChannelBottomLeft,
                   pBtnChannel_ChannelBottomLeft,
                   pBtnUnit_ChannelBottomLeft,
                   pBtnFreeze_ChannelBottomLeft,
                   pBtnRoot2_ChannelBottomLeft,
                   pBtnProbe_ChannelBottomLeft,
                   pStylesheetInfoBar_ChannelBottomLeft,
                   QString()};
    mBottomRight = {nullptr,
                    pWgtChannelBottomRight,
                    pMainValueLabel_ChannelBottomRight,
                    nullptr,
                    nullptr,
                    pLblWarningIcon_ChannelBottomRight,
                    pLblSmartProbeIndicator_ChannelBottomRight,
                    pBtnChannel_ChannelBottomRight,
                    pBtnUnit_ChannelBottomRight,
                    pBtnFreeze_ChannelBottomRight,
                    pBtnRoot2_ChannelBottomRight,
                    pBtnProbe_ChannelBottomRight,
                    pStylesheetInfoBar_ChannelBottomRight,
                    QString()};

    using T = TFourChannelViewController;
    connectPositionButtons<T>(mTopLeft, &T::toggleFreeze_ChannelTopLeft, &T::selectUnit_ChannelTopLeft,
                              &T::selectChannel_ChannelTopLeft, &T::onProbeBtnPressed_TopLeft,
                              &T::toggleRoot2_ChannelTopLeft);
    connectPositionButtons<T>(mTopRight, &T::toggleFreeze_ChannelTopRight, &T::selectUnit_ChannelTopRight,
                              &T::selectChannel_ChannelTopRight, &T::onProbeBtnPressed_TopRight,
                              &T::toggleRoot2_ChannelTopRight);
    connectPositionButtons<T>(mBottomLeft, &T::toggleFreeze_ChannelBottomLeft, &T::selectUnit_ChannelBottomLeft,
                              &T::selectChannel_ChannelBottomLeft, &T::onProbeBtnPressed_BottomLeft,
                              &T::toggleRoot2_ChannelBottomLeft);
    connectPositionButtons<T>(mBottomRight, &T::toggleFreeze_ChannelBottomRight, &T::selectUnit_ChannelBottomRight,
                              &T::selectChannel_ChannelBottomRight, &T::onProbeBtnPressed_BottomRight,
                              &T::toggleRoot2_ChannelBottomRight);

    setPlaces({&mTopLeft, &mTopRight, &mBottomLeft, &mBottomRight});
}
