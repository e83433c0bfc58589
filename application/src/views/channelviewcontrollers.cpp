// The common part of the channel views and the work on one place of a view.
// The home view and the two-channel view are in channelviewcontrollers_views.cpp.

#include "channelviewcontrollers.h"

#include "averagevaluesettingcontroller.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "decimaldisplaycontroller.h"
#include "fontmetricshelper.h"
#include "labelfontfit.h"
#include "probe.h"
#include "probecontroller.h"
#include "scanmodecontroller.h"
#include "stylesheetchoice.h"
#include "unitselectionprovider.h"
#include "zelkgreypanel.h"
#include "zelkpushbutton.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QTimer>

using namespace Electrical_temperature_units;

namespace
{
// A probe name gets the largest of these sizes that fits the button less its margins.
constexpr int PROBE_NAME_MARGIN = 12;
constexpr int PROBE_NAME_DEFAULT_FONT_SIZE = 18;
constexpr int PROBE_NAME_MINIMUM_FONT_SIZE = 14;
// The smallest caption of a corresponding value: "Thermovoltage" beside a thermocouple's widest reading
// ("40.3563 mV") on the home view, and the longest caption of any language beside its value, still fit at it.
constexpr int CORRESPONDING_CAPTION_MINIMUM_FONT_SIZE = 12;

// Setting the sheet again makes a changed "flat" reach the look: Qt applies property selectors only then.
void setFlatLook(QZELKPushButton* pButton, bool pFlat)
{
    pButton->setFlat(pFlat);
    pButton->setStyleSheet(pButton->styleSheet());
}

// The entry of the largest key not above the length, clamped to the table's ends.
bool isDimmed(const QWidget* pArea)
{
    const auto* effect = qobject_cast<const QGraphicsOpacityEffect*>(pArea->graphicsEffect());
    return effect && effect->isEnabled() &&
           qFuzzyCompare(effect->opacity(), TAbstractChannelViewController::NOT_MEASURED_OPACITY);
}

short fontSizeForLength(const std::map<short, short>& pSizes, int pLength)
{
    if (pSizes.empty())
        return 0;
    auto entry = pSizes.upper_bound(short(std::min(pLength, int(SHRT_MAX))));
    if (entry == pSizes.begin())
        return entry->second;
    return std::prev(entry)->second;
}
} // namespace

TAbstractChannelViewController::TAbstractChannelViewController(TChannelController* pChannelController,
                                                               TUnitSelectionProvider* pUnitSelectionProvider,
                                                               TProbeController* pProbeController,
                                                               TAverageValueSettingController* pAvgValController,
                                                               TScanModeController* pScanModeController,
                                                               QZELKGreyPanel* pInformationBar, QLabel* pLblInfoBarLeft,
                                                               QLabel* pLblInfoBarCenter, QLabel* pLblInfoBarRight)
    : QObject(nullptr)
    , mChannelController(pChannelController)
    , mProbeController(pProbeController)
    , mScanModeController(pScanModeController)
    , mUnitSelectionProvider(pUnitSelectionProvider)
    , mAvgValController(pAvgValController)
    , mInformationBar(pInformationBar)
    , mLblInfoBarLeft(pLblInfoBarLeft)
    , mLblInfoBarCenter(pLblInfoBarCenter)
    , mLblInfoBarRight(pLblInfoBarRight)
{
    if (mProbeController) {
        mProbeController->registerProbeAssignmentListener(this);
        connect(mProbeController, &TProbeController::probeDataChanged, this,
                &TAbstractChannelViewController::onProbeDataChanged);
    }
    if (mScanModeController) {
        connect(mScanModeController, &TScanModeController::channelSwitched, this,
                &TAbstractChannelViewController::channelSwitched);
        connect(mScanModeController, &TScanModeController::channelReplaced, this,
                &TAbstractChannelViewController::channelReplaced);
    }
    retranslate();
    mProbeEditTimer = std::make_unique<QTimer>();
    mProbeEditTimer->setSingleShot(true);
    mProbeEditTimer->setInterval(PROBE_EDIT_PRESS_DURATION);
    connect(mProbeEditTimer.get(), &QTimer::timeout, this, &TAbstractChannelViewController::onProbeEditTimer);
}

TAbstractChannelViewController::~TAbstractChannelViewController()
{
    if (mProbeController)
        mProbeController->unregisterProbeAssignmentListener(this);
}

void TAbstractChannelViewController::retranslate()
{
    mTransChannel = tr("Chan.", "Translation for channel selection button");
    mTrans_NoOfMeas = tr("No. of meas.", "Number of values on which average value and stability are based on");
    mTrans_Average = tr("Average");
    mTrans_Stability = tr("Stability", "Stability of average value");
    mTrans_Channel = tr("Channel");
    mTrans_Difference = tr("Difference");
    retranslateOwnTexts();
}

bool TAbstractChannelViewController::isCurrentView() const
{
    return mManager && mManager->isCurrentViewController(this);
}

QString TAbstractChannelViewController::getChannelCaption(TAbstractChannel* pChannel) const
{
    return pChannel ? pChannel->channelBtnText() : mTransChannel;
}

void TAbstractChannelViewController::updateFreezeButton(QZELKPushButton* pBtnFreeze, TAbstractChannel* pChannel)
{
    setFlatLook(pBtnFreeze, pChannel && pChannel->isChannelFrozen());
}

void TAbstractChannelViewController::updateRoot2Button(QZELKPushButton* pBtnRoot2, TAbstractChannel* pChannel)
{
    auto* probe = dynamic_cast<TPRTProbe*>(probeFromChannel(pChannel));
    if (!probe) {
        pBtnRoot2->hide();
        return;
    }
    pBtnRoot2->show();
    if (pBtnRoot2->isFlat() != probe->factorRoot2())
        setFlatLook(pBtnRoot2, probe->factorRoot2());
}

void TAbstractChannelViewController::setResolutionButtons(QZELKPushButton* pBtnDecrease, QZELKPushButton* pBtnIncrease,
                                                          const TAbstractChannel& pChannel)
{
    pBtnDecrease->setEnabled(pChannel.isDecreasePrecisionPossible());
    pBtnIncrease->setEnabled(pChannel.isIncreasePrecisionPossible());
}

// Setting a sheet restyles the widget and its children and repaints them even when it is the same.
void TAbstractChannelViewController::setStyleSheetIfChanged(QWidget* pWidget, const QString& pSheet)
{
    if (pWidget->styleSheet() != pSheet)
        pWidget->setStyleSheet(pSheet);
}

QGraphicsOpacityEffect* TAbstractChannelViewController::createOpacityEffect()
{
    auto* effect = new QGraphicsOpacityEffect();
    effect->setOpacity(NOT_MEASURED_OPACITY);
    return effect;
}

void TAbstractChannelViewController::clearInfoBarCenterAndRight()
{
    clearInfoBarCenterAndRight(mLblInfoBarCenter, mLblInfoBarRight);
}

namespace
{
bool isCalibrationScanView(const TScanModeController* pScanMode)
{
    return pScanMode && pScanMode->isScanModeActive() && pScanMode->scanView() == EnScanView::svCalibration;
}
} // namespace

void TAbstractChannelViewController::clearInfoBarCenterAndRight(QLabel* pLblCenter, QLabel* pLblRight)
{
    const QString separator = QStringLiteral(": ");
    if (isCalibrationScanView(mScanModeController)) {
        pLblCenter->setText(mTrans_Stability + separator);
        pLblRight->setText(mTrans_Difference + separator);
    } else {
        pLblCenter->setText(mTrans_Average + separator);
        pLblRight->setText(mTrans_Stability + separator);
    }
}

// Frozen without a value, a channel that reads again has its live figures, as any frozen channel.
void TAbstractChannelViewController::showLiveFigures(TAbstractChannel* pChannel, QLabel* pLblCenter, QLabel* pLblRight)
{
    if (pChannel && pChannel->hasValue())
        setInfoBarCenterAndRight(pChannel, pLblCenter, pLblRight);
    else
        clearInfoBarCenterAndRight(pLblCenter, pLblRight);
}

void TAbstractChannelViewController::setInfoBarCenterAndRight(TAbstractChannel* pChannel)
{
    setInfoBarCenterAndRight(pChannel, mLblInfoBarCenter, mLblInfoBarRight);
}

void TAbstractChannelViewController::setInfoBarCenterAndRight(TAbstractChannel* pChannel, QLabel* pLblCenter,
                                                              QLabel* pLblRight)
{
    QString average;
    QString stability;
    pChannel->avgValue(average, stability);
    const QString separator = QStringLiteral(": ");
    if (!isCalibrationScanView(mScanModeController)) {
        pLblCenter->setText(mTrans_Average + separator + average);
        pLblRight->setText(mTrans_Stability + separator + stability);
        return;
    }
    pLblCenter->setText(mTrans_Stability + separator + stability);
    QString right = mTrans_Difference + separator;
    if (TAbstractChannel* reference = mScanModeController->referenceChannel()) {
        EnUnit unit = pChannel->selectedUnit();
        const QString difference = differenceText(*reference, *pChannel, unit);
        if (!difference.isEmpty())
            right += difference + QLatin1Char(' ') + TAbstractChannel::unitToText(unit);
    }
    pLblRight->setText(right);
}

QString TAbstractChannelViewController::differenceText(const TAbstractChannel& pFrom, const TAbstractChannel& pOf,
                                                       EnUnit& ioUnit)
{
    QString text;
    pFrom.difference(pOf, ioUnit, text);
    // A difference the channels cannot form for want of a value is left out, as the value itself is;
    // "OL" stays for a reading that is no number.
    if (!pFrom.hasValue() || !pOf.hasValue())
        text.clear();
    return text;
}

TAbstractProbe* TAbstractChannelViewController::probeFromChannel(TAbstractChannel* pChannel)
{
    TPhysicalChannel* physical = pChannel ? pChannel->distinctPhysicalChannel() : nullptr;
    return physical ? physical->assignedProbe() : nullptr;
}

void TAbstractChannelViewController::toggleRoot2(TPRTProbe* pProbe,
                                                 std::map<TAbstractChannel*, QZELKPushButton*>& pDisplayedChannels)
{
    if (!pProbe || !mProbeController)
        return;
    const bool on = !pProbe->factorRoot2();
    if (!mProbeController->setCurrentRoot2(pProbe, on))
        return;
    for (const auto& shown : pDisplayedChannels) {
        if (shown.first && shown.second && probeFromChannel(shown.first) == pProbe)
            setFlatLook(shown.second, on);
    }
}

void TAbstractChannelViewController::setProbeName(QZELKPushButton* pButton, const QString& pProbeName)
{
    pButton->setText(pProbeName);
}

void TAbstractChannelViewController::fitProbeName(QZELKPushButton* pButton, const QString& pProbeName)
{
    QString name = pProbeName;
    QFont font = pButton->font();
    TFontMetricsHelper::calculateFontSize(name, font, pButton->width() - PROBE_NAME_MARGIN,
                                          PROBE_NAME_DEFAULT_FONT_SIZE, PROBE_NAME_MINIMUM_FONT_SIZE, true);
    // Every poll names the probe again; a sheet set anew restyles, relays and repaints the button.
    setStyleSheetIfChanged(pButton, TFontMetricsHelper::fontsizeStylesheetEntry(font));
    if (pButton->text() != name)
        pButton->setText(name);
}

void TAbstractChannelViewController::fitCaptionBesideValue(QLabel* pCaption)
{
    if (!pCaption)
        return;
    // The value keeps the width of its text and the caption takes what is left: a caption wider than that
    // would otherwise squeeze the value, whose first digit then lies under the caption ("1000" read "000").
    QSizePolicy policy = pCaption->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    policy.setHorizontalStretch(1);
    pCaption->setSizePolicy(policy);
    new TLabelFontFit(pCaption, CORRESPONDING_CAPTION_MINIMUM_FONT_SIZE);
}

void TAbstractChannelViewController::updateProbeButton(const TChannelProbeStatus& pProbeStatus,
                                                       QZELKPushButton* pProbeButton, QLabel* pLblSmartProbeIndicator)
{
    setProbeName(pProbeButton, pProbeStatus.probe() ? pProbeStatus.probe()->probeName() : QString());
    pProbeButton->setEnabled(pProbeStatus.isDistinctPhysicalChannelAvailable() &&
                             !pProbeStatus.isSmartProbeConnectedAndEnabled());
    pLblSmartProbeIndicator->setVisible(pProbeStatus.isSmartProbeConnectedAndEnabled());
}

void TAbstractChannelViewController::displayChannelValue(TAbstractChannel* pChannel, QLabel* pLblMainValue,
                                                         QLabel* pLblCorrespondingValue,
                                                         QLabel* pLblCorrespondingValueCaption, QLabel* pLblPeakMin,
                                                         QLabel* pLblPeakMax, QLabel* pTemperatureWarningIcon,
                                                         QLabel* pLblSmartProbeIndicator, QZELKPushButton* pProbeButton,
                                                         const std::map<short, short>& pMainValFontSizes,
                                                         bool pOverrideFreeze, bool pForcePeakRefresh)
{
    const QString separator(TDecimalDisplayController::instance().decimalSeparator());
    const bool redraw = !pChannel->isChannelFrozen() || pOverrideFreeze;
    if (redraw) {
        QString temperature;
        QString electrical;
        EnUnit temperatureUnit = uUndefined;
        EnUnit electricalUnit = uUndefined;
        EnUnitType shownType = utTemperature;
        pChannel->currentValue(temperature, temperatureUnit, electrical, electricalUnit, separator, shownType, false);
        QString mainText;
        QString corresponding;
        if (shownType == utTemperature) {
            mainText = temperature;
            if (!electrical.isEmpty())
                electrical += QLatin1Char(' ') + TAbstractChannel::unitToText(electricalUnit);
            corresponding = electricalUnit == uUndefined ? QString() : electrical;
        } else {
            mainText = electrical;
            if (!temperature.isEmpty())
                temperature += QLatin1Char(' ') + TAbstractChannel::unitToText(uCelsius);
            corresponding = temperature;
        }
        if (pLblCorrespondingValue)
            pLblCorrespondingValue->setText(corresponding);
        showCorrespondingCaption(pLblCorrespondingValueCaption, *pChannel);
        const int length = int(QString(mainText).remove(separator).size());
        // Setting a sheet restyles and repaints the label even when it is the
        // same, and the label's drop shadow is blurred anew on every repaint.
        setStyleSheetIfChanged(pLblMainValue,
                               QStringLiteral("font-size: %1px;").arg(fontSizeForLength(pMainValFontSizes, length)));
        pLblMainValue->setText(mainText);
        pTemperatureWarningIcon->setVisible(pChannel->isProbesTemperatureOutOfRange(mChannelController));
        updateProbeButton(pChannel->channelProbeStatus(), pProbeButton, pLblSmartProbeIndicator);
    }
    if ((redraw || pForcePeakRefresh) && pLblPeakMin && pLblPeakMax) {
        QString minimum;
        QString maximum;
        pChannel->peakValues(minimum, maximum, separator);
        pLblPeakMin->setText(minimum);
        pLblPeakMax->setText(maximum);
    }
}

// What the value beside the main one is, from the channel alone: a place without a value names it too.
void TAbstractChannelViewController::showCorrespondingCaption(QLabel* pCaption, const TAbstractChannel& pChannel)
{
    if (!pCaption)
        return;
    QString caption;
    if (!pChannel.isTemperatureUnitSelected())
        caption = tr("Temperature");
    else if (pChannel.electricalUnit() == uOhm)
        caption = tr("Resistance");
    else if (pChannel.electricalUnit() == uMilliVolt)
        caption = tr("Thermovoltage");
    // Fitted only when the text changes: the same caption at each reading costs a comparison.
    TLabelFontFit::setText(pCaption, caption);
}

void TAbstractChannelViewController::selectChannel(TAbstractChannel* pCurrentChannel)
{
    if (!mScanModeController)
        return;
    const bool scanning = mScanModeController->isScanModeActive();
    zelk::vector<TAbstractChannel*> excluded;
    if (scanning) {
        excluded = mScanModeController->scannedChannels();
        const auto current = std::find(excluded.begin(), excluded.end(), pCurrentChannel);
        if (current != excluded.end())
            excluded.erase(current);
    }
    mReceivingChannel = pCurrentChannel;
    mChannelController->selectChannel(pCurrentChannel, this, !scanning, excluded, *mScanModeController);
}

void TAbstractChannelViewController::channelSelected(TAbstractChannel* pChannel)
{
    if (mScanModeController && mScanModeController->isScanModeActive()) {
        if (mReceivingChannel)
            mScanModeController->replaceChannel(mReceivingChannel, pChannel);
        return;
    }
    // A channel the board does not measure would show stale values as if they were live.
    if (!pChannel || !mChannelController->measureChannel(pChannel))
        return;
    setChannels({pChannel}, pChannel);
    initGUI();
}

void TAbstractChannelViewController::selectUnitForChannel(TAbstractChannel* pChannel)
{
    mReceivingChannel = pChannel;
    mUnitSelectionProvider->selectUnit(this, pChannel);
}

void TAbstractChannelViewController::startProbeEditTimer(TAbstractChannel* pRecevingChannel)
{
    mReceivingChannel = pRecevingChannel;
    mProbeEdited = false;
    mProbeEditTimer->start();
}

void TAbstractChannelViewController::onProbeEditTimer()
{
    mProbeEdited = true;
    if (mReceivingChannel && mReceivingChannel->distinctPhysicalChannel() && mProbeController)
        mProbeController->editProbe(mReceivingChannel->distinctPhysicalChannel()->assignedProbe());
}

void TAbstractChannelViewController::onProbeButtonReleased()
{
    mProbeEditTimer->stop();
    if (mProbeEdited)
        return;
    TPhysicalChannel* physical = mReceivingChannel ? mReceivingChannel->distinctPhysicalChannel() : nullptr;
    if (physical && mProbeController)
        mProbeController->selectProbe(physical, physical->assignedProbe());
}

// --- one place of a view --------------------------------------------------------------

void TAbstractChannelViewController::attachChannel(TChannelViewPosition& pPosition, TAbstractChannel* pChannel)
{
    if (pChannel != pPosition.mChannel)
        pPosition.mValueDrawn = false;
    detachChannel(pPosition);
    pPosition.mChannel = pChannel;
    listenTo(pChannel);
}

void TAbstractChannelViewController::listenTo(TAbstractChannel* pChannel)
{
    if (!pChannel)
        return;
    // By name: the slots are the views' own.
    connect(pChannel, SIGNAL(valuesChanged(TAbstractChannel*)), this, SLOT(valuesChanged(TAbstractChannel*)),
            Qt::UniqueConnection);
    connect(pChannel, SIGNAL(noValuesAvailable(TAbstractChannel*)), this, SLOT(noValuesAvailable(TAbstractChannel*)),
            Qt::UniqueConnection);
}

void TAbstractChannelViewController::stopListeningTo(TAbstractChannel* pChannel)
{
    if (pChannel)
        disconnect(pChannel, nullptr, this, nullptr);
}

// A channel shown in two places of a view keeps its connections while one of them still shows it.
void TAbstractChannelViewController::detachChannel(TChannelViewPosition& pPosition)
{
    TAbstractChannel* previous = pPosition.mChannel;
    pPosition.mChannel = nullptr;
    if (!previous)
        return;
    zelk::vector<TAbstractChannel*> stillShown;
    channels(stillShown);
    if (!stillShown.contains(previous))
        stopListeningTo(previous);
}

void TAbstractChannelViewController::drawPosition(TChannelViewPosition& pPosition, QLabel* pLblPeakMin,
                                                  QLabel* pLblPeakMax, const std::map<short, short>& pMainValFontSizes,
                                                  bool pOverrideFreeze, bool pForcePeakRefresh)
{
    if (!pPosition.mChannel)
        return;
    const quint32 freezes = pPosition.mChannel->freezeCount();
    const bool heldCopyDrawn = pPosition.mValueDrawn && pPosition.mDrawnFreeze == freezes;
    const bool peaks = pLblPeakMin && pLblPeakMax;
    displayChannelValue(pPosition.mChannel, pPosition.mMainValue, pPosition.mCorrespondingValue,
                        pPosition.mCorrespondingCaption, pLblPeakMin, pLblPeakMax, pPosition.mWarningIcon,
                        pPosition.mSmartProbeIndicator, pPosition.mBtnProbe, pMainValFontSizes,
                        pOverrideFreeze || !heldCopyDrawn, pForcePeakRefresh || (peaks && pPosition.mPeaksBehind));
    pPosition.mValueDrawn = true;
    pPosition.mDrawnFreeze = freezes;
    if (peaks)
        pPosition.mPeaksBehind = false;
}

void TAbstractChannelViewController::clearPositionValues(TChannelViewPosition& pPosition)
{
    if (!pPosition.mChannel)
        return;
    pPosition.mMainValue->clear();
    pPosition.mValueDrawn = false;
    if (pPosition.mCorrespondingValue)
        pPosition.mCorrespondingValue->clear();
    showCorrespondingCaption(pPosition.mCorrespondingCaption, *pPosition.mChannel);
    updateProbeButton(pPosition.mChannel->channelProbeStatus(), pPosition.mBtnProbe, pPosition.mSmartProbeIndicator);
}

void TAbstractChannelViewController::initPositionButtons(TChannelViewPosition& pPosition)
{
    pPosition.mBtnChannel->setText(getChannelCaption(pPosition.mChannel));
    updateFreezeButton(pPosition.mBtnFreeze, pPosition.mChannel);
    pPosition.mBtnUnit->setText(pPosition.mChannel ? TAbstractChannel::unitToText(pPosition.mChannel->selectedUnit())
                                                   : QString());
    updateRoot2Button(pPosition.mBtnRoot2, pPosition.mChannel);
}

void TAbstractChannelViewController::setPositionColors(const zelk::vector<TChannelViewPosition*>& pPositions,
                                                       TAbstractChannel* pMeasured,
                                                       const zelk::vector<QZELKGreyPanel*>& pChannelDependingPanels)
{
    TChannelViewPosition* measured = nullptr;
    for (TChannelViewPosition* position : pPositions) {
        if (pMeasured && position->mChannel == pMeasured && !measured)
            measured = position;
        // A place that stays dimmed keeps its effect: a new one repaints the whole place.
        else if (position->mArea && !isDimmed(position->mArea))
            position->mArea->setGraphicsEffect(createOpacityEffect());
    }
    if (!measured)
        return;
    TStyleSheetChoice::apply(*mInformationBar, measured->mStylesheetInfoBar);
    if (measured->mArea)
        measured->mArea->setGraphicsEffect(nullptr);
    for (QZELKGreyPanel* panel : pChannelDependingPanels)
        TStyleSheetChoice::apply(*panel, measured->mStylesheetChannelDependingPanels);
}

void TAbstractChannelViewController::toggleFreezeAt(TChannelViewPosition& pPosition)
{
    if (!pPosition.mChannel)
        return;
    pPosition.mChannel->setChannelFrozen(!pPosition.mChannel->isChannelFrozen());
    updateFreezeButton(pPosition.mBtnFreeze, pPosition.mChannel);
    // The place is drawn now: it may show an older copy than the one just taken (the channel not read since
    // a freeze released a moment ago, or in another channel's turn), and a thaw shows the live value at once.
    // The bar and the peaks follow the measured channel, at its next reading; the peaks then belong to the
    // copy on show, although the held copy itself is drawn already.
    if (!pPosition.mChannel->hasShownValue()) {
        clearPositionValues(pPosition);
    } else if (pPosition.mMainValFontSizes) {
        drawPosition(pPosition, nullptr, nullptr, *pPosition.mMainValFontSizes, false, false);
        pPosition.mPeaksBehind = true;
    }
}

void TAbstractChannelViewController::selectUnitAt(TChannelViewPosition& pPosition)
{
    if (pPosition.mChannel)
        selectUnitForChannel(pPosition.mChannel);
}

void TAbstractChannelViewController::selectChannelAt(TChannelViewPosition& pPosition)
{
    if (pPosition.mChannel)
        selectChannel(pPosition.mChannel);
}

void TAbstractChannelViewController::pressProbeAt(TChannelViewPosition& pPosition)
{
    if (pPosition.mChannel)
        startProbeEditTimer(pPosition.mChannel);
}

void TAbstractChannelViewController::toggleRoot2At(TChannelViewPosition& pPosition,
                                                   const zelk::vector<TChannelViewPosition*>& pPositions)
{
    if (!pPosition.mChannel)
        return;
    std::map<TAbstractChannel*, QZELKPushButton*> shown;
    for (TChannelViewPosition* position : pPositions) {
        if (position->mChannel)
            shown[position->mChannel] = position->mBtnRoot2;
    }
    toggleRoot2(dynamic_cast<TPRTProbe*>(probeFromChannel(pPosition.mChannel)), shown);
}

QString TAbstractChannelViewController::sampleCountText() const
{
    return mTrans_NoOfMeas + QStringLiteral(": ") +
           QString::number(mAvgValController ? mAvgValController->averageValueSampleCount() : 0);
}

QString TAbstractChannelViewController::channelAndSampleCountText(TAbstractChannel* pChannel) const
{
    return mTrans_Channel + QLatin1Char(' ') + pChannel->channelCaption() + QLatin1Char(' ') + sampleCountText();
}

// --- all places of a view --------------------------------------------------------------

TChannelViewPosition* TAbstractChannelViewController::positionOf(const TPositions& pPositions,
                                                                 TAbstractChannel* pChannel)
{
    if (!pChannel)
        return nullptr;
    for (TChannelViewPosition* position : pPositions) {
        if (position->mChannel == pChannel)
            return position;
    }
    return nullptr;
}

void TAbstractChannelViewController::appendChannels(const TPositions& pPositions,
                                                    zelk::vector<TAbstractChannel*>& oChannels)
{
    for (TChannelViewPosition* position : pPositions) {
        if (position->mChannel)
            oChannels << position->mChannel;
    }
}

void TAbstractChannelViewController::detachPositions(const TPositions& pPositions)
{
    for (TChannelViewPosition* position : pPositions)
        detachChannel(*position);
}

bool TAbstractChannelViewController::showsPhysicalChannel(const TPositions& pPositions,
                                                          TAbstractChannel* pPhysicalChannel)
{
    if (!pPhysicalChannel)
        return false;
    for (TChannelViewPosition* position : pPositions) {
        if (position->mChannel && position->mChannel->distinctPhysicalChannel() == pPhysicalChannel)
            return true;
    }
    return false;
}

void TAbstractChannelViewController::showChannelValues(const TPositions& pPositions, TAbstractChannel* pChannel,
                                                       QLabel* pLblPeakMin, QLabel* pLblPeakMax,
                                                       const std::map<short, short>& pMainValFontSizes,
                                                       bool pOverrideFreeze, bool pForcePeakRefresh)
{
    if (!pChannel)
        return;
    // A redraw (the view opened, a scan's turn) must not bring back the value the board has since withdrawn.
    if (!pChannel->hasShownValue()) {
        showNoValues(pPositions, pChannel, pLblPeakMin, pLblPeakMax);
        return;
    }
    if (TChannelViewPosition* position = positionOf(pPositions, pChannel))
        drawPosition(*position, pLblPeakMin, pLblPeakMax, pMainValFontSizes, pOverrideFreeze, pForcePeakRefresh);
    mLblInfoBarLeft->setText(channelAndSampleCountText(pChannel));
    setInfoBarCenterAndRight(pChannel);
}

void TAbstractChannelViewController::showNoValues(const TPositions& pPositions, TAbstractChannel* pChannel,
                                                  QLabel* pLblPeakMin, QLabel* pLblPeakMax)
{
    if (!pChannel)
        return;
    if (TChannelViewPosition* position = positionOf(pPositions, pChannel))
        clearPositionValues(*position);
    if (pChannel == mMeasuredChannel && pLblPeakMin && pLblPeakMax) {
        pLblPeakMin->clear();
        pLblPeakMax->clear();
    }
    mLblInfoBarLeft->setText(pChannel->hasValue() ? channelAndSampleCountText(pChannel)
                                                  : mTransChannel + QLatin1Char(' ') + pChannel->channelCaption());
    showLiveFigures(pChannel, mLblInfoBarCenter, mLblInfoBarRight);
}

void TAbstractChannelViewController::changeUnitAt(const TPositions& pPositions, TAbstractChannel* pChannel,
                                                  EnUnit pUnit)
{
    mChannelController->changeUnit(pChannel, pUnit);
    if (TChannelViewPosition* position = positionOf(pPositions, pChannel))
        position->mBtnUnit->setText(TAbstractChannel::unitToText(pUnit));
}

void TAbstractChannelViewController::showProbeNameAtFirst(const TPositions& pPositions, TAbstractProbe* pProbe)
{
    if (!pProbe)
        return;
    for (TChannelViewPosition* position : pPositions) {
        if (position->mChannel && probeFromChannel(position->mChannel) == pProbe) {
            setProbeName(position->mBtnProbe, pProbe->probeName());
            return;
        }
    }
}
