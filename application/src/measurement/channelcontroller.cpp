#include "channelcontroller.h"

#include "authorizationcontroller.h"
#include "channel.h"
#include "channelcontrollerlistener.h"
#include "channelselectdialog.h"
#include "channelselectionreceiver.h"
#include "clickablewidgetcontroller.h"
#include "intcommcontroller.h"
#include "internalscpihandler.h"
#include "probe.h"
#include "probealarmcontroller.h"
#include "probecontroller.h"
#include "scanmodecontroller.h"
#include "submenucontroller.h"
#include "switchbox.h"
#include "tamarindclock.h"
#include "warninggate.h"

#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <utility>

using namespace Probe_enums;

namespace
{
// The board's answers to a poll that the cycle acts on.
constexpr short ERROR_CODE_CHANNEL_OR_PROBE_UNAVAILABLE = TInternalSCPIHandler::ERROR_CODE_CHANNEL_OR_PROBE_UNAVAILABLE;
constexpr short ERROR_CODE_NO_PROBE_CONNECTED = TInternalSCPIHandler::ERROR_CODE_NO_PROBE_CONNECTED;

constexpr int RECIPROCAL_CHANNEL = 9;
constexpr int SUM_CHANNEL = 10;
constexpr int DIFFERENCE_CHANNEL = 11;
constexpr int PRODUCT_CHANNEL = 12;
constexpr int QUOTIENT_CHANNEL = 13;
constexpr int SWITCH_BOX_PORTS = 4;

// The same probe is read anew whenever the board reports it as changed; what
// it says about itself tells whether it is the probe already announced.
QString smartProbeIdentity(const TSmartProbePRT& pProbe)
{
    return QStringList{pProbe.probeName(), pProbe.lastCalDate().toString(Qt::ISODate),
                       pProbe.nextCalDate().toString(Qt::ISODate), pProbe.calSource()}
        .join(QLatin1Char('\n'));
}
} // namespace

TChannelController::TChannelController(ISubMenuController* pSubMenuController, TInternalSCPIHandler* pSCPIHandler,
                                       std::unique_ptr<TClickableWidgetController> pChannelSelectWidgetController,
                                       QWidget* pPageChannelSelection, QWidget* pBtnChannel1, QWidget* pBtnChannel2,
                                       QWidget* pBtnChannel3, QWidget* pBtnChannel4, QWidget* pBtnChannel_Reciprocal,
                                       QWidget* pBtnChannel_Sum, QWidget* pBtnChannel_Diff,
                                       QWidget* pBtnChannel_Product, QWidget* pBtnChannel_Quotient,
                                       QWidget* pBtnChannel_X, QWidget* pBtnChannel_Y, QLabel* pLblChannel_X,
                                       QLabel* pLblChannel_Y, int pAverageValueSampleCount, int pReadInterval)
    : mSubMenuController(pSubMenuController)
    , mSCPIHandler(pSCPIHandler)
    , mChannelSelectWidgetController(std::move(pChannelSelectWidgetController))
    , mPageChannelSelection(pPageChannelSelection)
    , mBtnChannelX(pBtnChannel_X)
    , mBtnChannelY(pBtnChannel_Y)
    , mLblChannelX(pLblChannel_X)
    , mLblChannelY(pLblChannel_Y)
{
    const zelk::vector<EnWiring> boardInputWiring{w3wire, w4wire};
    mChannels[1] =
        std::make_unique<TPRTChannel>(this, pAverageValueSampleCount, 1, QStringLiteral("1"), boardInputWiring);
    mChannels[2] =
        std::make_unique<TPRTChannel>(this, pAverageValueSampleCount, 2, QStringLiteral("2"), boardInputWiring);
    mChannels[3] = std::make_unique<TTCChannel>(this, pAverageValueSampleCount, 3, QStringLiteral("3"));
    mChannels[4] = std::make_unique<TTCChannel>(this, pAverageValueSampleCount, 4, QStringLiteral("4"));
    mTCExpansionPortChannel = std::make_unique<TPureVoltageTCChannel>(
        this, pAverageValueSampleCount, EXPANSION_PORT_CHANNEL, QStringLiteral("TC Expansion"));

    // The buttons the form has no place for go below the board inputs' buttons.
    int layoutIndex = 4;
    createChannelButton(mTCExpansionPortChannel.get(), pBtnChannel4, layoutIndex);
    scanSwitchBoxes(pAverageValueSampleCount, pBtnChannel4, layoutIndex);

    mChannels[RECIPROCAL_CHANNEL] =
        std::make_unique<TReciprocalChannel>(this, pAverageValueSampleCount, RECIPROCAL_CHANNEL);
    const std::pair<int, const char*> binaryChannels[] = {
        {SUM_CHANNEL, "+"}, {DIFFERENCE_CHANNEL, "-"}, {PRODUCT_CHANNEL, "x"}, {QUOTIENT_CHANNEL, "/"}};
    for (const auto& binary : binaryChannels)
        mChannels[binary.first] = std::make_unique<TBinaryDerivedChannel>(this, pAverageValueSampleCount, binary.first,
                                                                          QString::fromLatin1(binary.second));

    const std::pair<int, QWidget*> formButtons[] = {{1, pBtnChannel1},
                                                    {2, pBtnChannel2},
                                                    {3, pBtnChannel3},
                                                    {4, pBtnChannel4},
                                                    {RECIPROCAL_CHANNEL, pBtnChannel_Reciprocal},
                                                    {SUM_CHANNEL, pBtnChannel_Sum},
                                                    {DIFFERENCE_CHANNEL, pBtnChannel_Diff},
                                                    {PRODUCT_CHANNEL, pBtnChannel_Product},
                                                    {QUOTIENT_CHANNEL, pBtnChannel_Quotient}};
    for (const auto& formButton : formButtons)
        addChannelButton(channel(formButton.first), formButton.second);
    for (const auto& formButton : formButtons)
        mChannelSelectWidgetController->addWidget(formButton.second, nullptr);
    mChannelSelectWidgetController->addWidget(mBtnChannelX, nullptr);
    mChannelSelectWidgetController->addWidget(mBtnChannelY, nullptr);
    connect(mChannelSelectWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TChannelController::channelSelectionBtnClick);

    restoreMeasuredChannel();

    mReadTimer = std::make_unique<QTimer>();
    mReadTimer->setInterval(pReadInterval);
    connect(mReadTimer.get(), &QTimer::timeout, this, &TChannelController::onChannelReadTimer);
    mOwedTick.setSingleShot(true);
    connect(&mOwedTick, &QTimer::timeout, this, &TChannelController::makeGoodOwedTick);
    connect(&TTamarindClock::instance(), &TTamarindClock::beforeChangeSystemTime, this,
            &TChannelController::onBeforeChangeSystemTime);
}

TChannelController::~TChannelController()
{
    // The gate drops what waits for a controller that is gone: the alarms
    // raised for it close here, or the buzzer would sound on for good.
    for (std::size_t n = 0; n < mPendingProbeAlarms.size(); ++n)
        TProbeAlarmController::instance().closeAlarm();
}

void TChannelController::addChannelButton(TAbstractChannel* pChannel, QWidget* pButton)
{
    mButtonByChannel[pChannel] = pButton;
    mChannelByButton[pButton] = pChannel;
}

void TChannelController::createChannelButton(TAbstractChannel* pChannel, QWidget* pBtnChannel4, int& ioLayoutIndex)
{
    QWidget* column = pBtnChannel4 ? pBtnChannel4->parentWidget() : nullptr;
    auto* layout = column ? qobject_cast<QVBoxLayout*>(column->layout()) : nullptr;
    // The page owns the button; without a column it still needs a parent.
    QWidget* parent = column ? column : mPageChannelSelection;
    QWidget* button = TClickableWidgetController::createClickableWidget(parent, pChannel->channelCaption()).first;
    addChannelButton(pChannel, button);
    mChannelSelectWidgetController->addWidget(button, nullptr);
    if (layout)
        layout->insertWidget(ioLayoutIndex++, button);
}

void TChannelController::scanSwitchBoxes(int pAverageValueSampleCount, QWidget* pBtnChannel4, int& ioLayoutIndex)
{
    for (int index = 0; index < SWITCH_BOX_PORTS; ++index) {
        const int port = index + 1;
        EnSwitchBoxType type = sbtNotFitted;
        // Boxes sit on the ports from the first on: an empty port ends the row.
        if (!mSCPIHandler->getSystemSwitchboxType(port, type) || type == sbtNotFitted)
            break;
        QString serialNumber;
        QDate manufacturingDate(0, 2, 31);
        mSCPIHandler->getSystemSwitchboxSerialNumber(port, serialNumber);
        mSCPIHandler->getSystemSwitchboxDate(port, manufacturingDate);

        std::unique_ptr<TAbstractSwitchBox> box;
        switch (type) {
        case sbtSWX6300_PRT8:
            box = std::make_unique<TSWX6300_SwitchBox>(index, 8, type, serialNumber, manufacturingDate);
            break;
        case sbtSWX6300_PRT16:
            box = std::make_unique<TSWX6300_SwitchBox>(index, 16, type, serialNumber, manufacturingDate);
            break;
        case sbtSWX6100_10:
            box = std::make_unique<TSWX6100_SwitchBox>(index, 20, type, serialNumber, manufacturingDate);
            break;
        default:
            // Thermocouple boxes and unknown types have no channels of their own here.
            continue;
        }
        box->createChannelObjects(this, mChannels, pAverageValueSampleCount);
        for (TPhysicalChannel* boxChannel : box->channels()) {
            if (boxChannel)
                createChannelButton(boxChannel, pBtnChannel4, ioLayoutIndex);
        }
        mSwitchBoxes << std::move(box);
    }
}

void TChannelController::restoreMeasuredChannel()
{
    bool failed = false;
    int operandX = 0;
    int operandY = 0;
    const quint64 interruptions = mSCPIHandler->linkInterruptions();
    const int configured = mSCPIHandler->getConfChan(failed, operandX, operandY);
    TAbstractChannel* candidate = failed ? nullptr : channel(configured);
    bool restorable = candidate != nullptr;
    if (auto* unary = qobject_cast<TUnaryDerivedChannel*>(candidate)) {
        TPhysicalChannel* operand = physical_channel(operandX);
        restorable = operand != nullptr;
        if (restorable)
            unary->setPhysicalChannel(operand);
    } else if (auto* binary = qobject_cast<TBinaryDerivedChannel*>(candidate)) {
        TPhysicalChannel* operand1 = physical_channel(operandX);
        TPhysicalChannel* operand2 = physical_channel(operandY);
        restorable = operand1 && operand2;
        if (restorable) {
            binary->setPhysicalChannel_Operand1(operand1);
            binary->setPhysicalChannel_Operand2(operand2);
        }
    }
    if (restorable) {
        mMeasuredChannel = candidate;
        mChannelSelectedAt = interruptions;
        return;
    }
    // The expansion port is not in the map either: the board goes back to input 1.
    const quint64 beforeFallback = mSCPIHandler->linkInterruptions();
    if (mSCPIHandler->setConfChan(1))
        mChannelSelectedAt = beforeFallback;
    mMeasuredChannel = channel(1);
}

TAbstractChannel* TChannelController::channel(int pChannelNumber) const
{
    const auto found = mChannels.find(pChannelNumber);
    return found == mChannels.end() ? nullptr : found->second.get();
}

TPhysicalChannel* TChannelController::physical_channel(int pChannelNumber) const
{
    return qobject_cast<TPhysicalChannel*>(channel(pChannelNumber));
}

TAbstractSwitchBox* TChannelController::switchBox(unsigned int pIndex) const
{
    return pIndex < mSwitchBoxes.size() ? mSwitchBoxes[pIndex].get() : nullptr;
}

void TChannelController::changeUnit(TAbstractChannel* pChannel, Electrical_temperature_units::EnUnit pUnit)
{
    pChannel->changeUnit(pUnit);
}

void TChannelController::setAverageValueSampleCount(int pVal)
{
    for (auto& entry : mChannels)
        entry.second->setSampleCount(pVal);
    // The expansion port is outside the map but averages like every channel.
    mTCExpansionPortChannel->setSampleCount(pVal);
}

void TChannelController::unassignProbe(TAbstractProbe* pProbe, TProbeController* pProbeController)
{
    if (!pProbe)
        return;
    for (auto& entry : mChannels) {
        auto* physical = qobject_cast<TPhysicalChannel*>(entry.second.get());
        if (physical && physical->assignedProbe() == pProbe)
            physical->useProbe(pProbeController->defaultProbe(physical));
    }
    // The expansion port lies outside the map, but a probe deleted while it
    // was assigned there must not stay behind on it.
    if (mTCExpansionPortChannel && mTCExpansionPortChannel->assignedProbe() == pProbe)
        mTCExpansionPortChannel->useProbe(pProbeController->defaultProbe(mTCExpansionPortChannel.get()));
    pProbe->resetChannelAssignment();
}

void TChannelController::useDefaultProbesForChannelsWithoutProbe(TProbeController* pProbeController)
{
    for (auto& entry : mChannels) {
        auto* physical = qobject_cast<TPhysicalChannel*>(entry.second.get());
        if (physical && !physical->assignedProbe())
            physical->useProbe(pProbeController->defaultProbe(physical));
    }
}

// --- listeners ---------------------------------------------------------------

void TChannelController::addListener(IChannelControllerListener* pListener)
{
    if (!mListeners.contains(pListener))
        mListeners << pListener;
}

void TChannelController::removeListener(IChannelControllerListener* pListener)
{
    const auto found = std::find(mListeners.begin(), mListeners.end(), pListener);
    if (found != mListeners.end())
        mListeners.erase(found);
}

template <class TCall> void TChannelController::notifyListeners(TCall pCall)
{
    // The last registered first. A listener may add or remove listeners while
    // it is told: each position is read anew, and one added now comes after
    // the positions still to be told.
    for (int position = int(mListeners.size()) - 1; position >= 0; --position) {
        if (position < int(mListeners.size()))
            pCall(mListeners[position]);
    }
}

void TChannelController::notifyListenersChannelRead(TAbstractChannel* pChannel)
{
    notifyListeners([pChannel](IChannelControllerListener* pListener) { pListener->channelRead(pChannel); });
}

void TChannelController::notifyListenersChannelTypeChanged(TAbstractChannel* pChannel)
{
    notifyListeners([pChannel](IChannelControllerListener* pListener) { pListener->channelTypeChanged(pChannel); });
}

void TChannelController::notifyListenersAfterMeasBoardPolled(int pIntervallMilliseconds)
{
    notifyListeners([pIntervallMilliseconds](IChannelControllerListener* pListener) {
        pListener->afterMeasBoardPolled(pIntervallMilliseconds);
    });
}

void TChannelController::channelTypeChanged(TAbstractChannel* pChannel)
{
    notifyListenersChannelTypeChanged(pChannel);
}

// --- measuring cycle -----------------------------------------------------------

void TChannelController::setReadingActive(bool pVal)
{
    if (!pVal) {
        mReadTimer->stop();
        settleOwedTick();
        mChannelWithRecentValue = nullptr;
        mChannelReadSinceChosen = nullptr;
        return;
    }
    if (mReadTimer->isActive())
        return;
    readMeasuredChannel();
    mReadTimer->start();
}

bool TChannelController::isReadingActive() const
{
    return mReadTimer->isActive();
}

void TChannelController::onChannelReadTimer()
{
    // After an exchange that went unanswered, a poll's or anybody else's (a channel chosen, a client's
    // command), the tick that falls due meanwhile would hold the event loop again, a silent board's for the
    // link's 2 s, before the screen has shown what changed: it waits until the screen has had its turn. An
    // answered poll, however late, costs no tick: the scan's hold and the logger's interval count polls.
    const int turnLeft = mSCPIHandler->screenTurnLeft();
    if (turnLeft == 0) {
        readMeasuredChannel();
        return;
    }
    // Somebody else's exchange took the tick from the cycle: it is made good as the turn ends, before a
    // client's next command. Otherwise the turn after each of a client's unanswered commands, always over
    // before the next tick, would pass over every tick, and readings and the log would stop although the
    // board answers the cycle. After the cycle's own unanswered poll the tick is passed over for good: a
    // client's command waiting goes first, so that on a board silent to both each has its exchange in turn.
    if (mSCPIHandler->linkInterruptions() != mLinkInterruptionsAfterPoll) {
        mTickOwed = true;
        mOwedTick.start(turnLeft);
    }
}

void TChannelController::makeGoodOwedTick()
{
    if (!mTickOwed)
        return;
    if (!mReadTimer->isActive()) {
        settleOwedTick();
        return;
    }
    // Another unanswered exchange (a tap) may have begun a turn of its own meanwhile.
    const int turnLeft = mSCPIHandler->screenTurnLeft();
    if (turnLeft > 0) {
        mOwedTick.start(turnLeft);
        return;
    }
    readMeasuredChannel();
}

void TChannelController::settleOwedTick()
{
    mOwedTick.stop();
    if (std::exchange(mTickOwed, false))
        emit owedTickSettled();
}

void TChannelController::setMonotonicClock(std::function<qint64()> pMilliseconds)
{
    mMonotonicMs = std::move(pMilliseconds);
    mSCPIHandler->setMonotonicClock(mMonotonicMs);
}

void TChannelController::onBeforeChangeSystemTime()
{
    // The clock restarts the instrument after setting the time; reading stays off.
    mReadTimer->stop();
    settleOwedTick();
}

bool TChannelController::readMeasuredChannel()
{
    // Listeners and dialogs may run the event loop, in which the read timer
    // keeps firing: a poll inside a poll would hand readings and SMART probes
    // of one board answer to the channel twice, or delete what is still in use.
    if (mPollRunning)
        return false;
    mPollRunning = true;
    const bool read = poll();
    notifyListenersAfterMeasBoardPolled(mReadTimer->interval());
    // A scan's turn taken in the listeners is the cycle's own exchange too.
    mLinkInterruptionsAfterPoll = mSCPIHandler->linkInterruptions();
    mPollRunning = false;
    settleOwedTick();
    return read;
}

bool TChannelController::selectMeasuredChannelIfUnknown()
{
    // A board that restarted measures its input 1 again, and one that missed
    // a command may not measure what it was told. Polling on would hand another
    // input's value to the measured channel, its log and its remote readers; a
    // steady poll still costs the one exchange. Under a routine the measured
    // channel is the one it chose, so it is chosen again.
    if (mChannelSelectedAt && *mChannelSelectedAt == mSCPIHandler->linkInterruptions())
        return true;
    return switchBoardTo(mMeasuredChannel);
}

bool TChannelController::poll()
{
    if (!selectMeasuredChannelIfUnknown()) {
        // The board may measure any channel now: the value on show is not the channel's present one.
        if (mMeasuredChannel) {
            readingsFailingLong(mMeasuredChannel);
            mMeasuredChannel->raiseNoValuesAvailable();
        }
        return false;
    }
    TAbstractChannel* measured = mMeasuredChannel;
    double electrical = 0.0;
    double temperature = 0.0;
    EnSmartProbeStatus smartProbeStatus = spsNotFitted;
    EnTemperatureAccuracyStatus accuracyStatus = tasInRange;
    short errorCode = 0;
    const bool recentValue = mChannelWithRecentValue == measured;
    mChannelWithRecentValue = nullptr;
    if (mSCPIHandler->getMeasCurr(electrical, temperature, smartProbeStatus, accuracyStatus, errorCode)) {
        mChannelWithRecentValue = measured;
        mChannelReadSinceChosen = measured;
        mReadingsFailingSince.erase(measured);
        if (auto* prtChannel = qobject_cast<TPRTChannel*>(measured))
            bringSmartProbeInStep(prtChannel, smartProbeStatus);
        measured->setNewValue(electrical, temperature);
        notifyListenersChannelRead(measured);
        auto* physical = qobject_cast<TPhysicalChannel*>(measured);
        if (physical && physical->assignedProbe()) {
            bool alarm = false;
            physical->assignedProbe()->checkTemperature(temperature, accuracyStatus, alarm);
            // While a long remote command holds the warnings back, a noisy reading crosses the limit again
            // and again: one pending caution a probe is all it can open, and the one alarm raised for it
            // is what that caution closes. The buzzer sounds from the first crossing on.
            const QPointer<TAbstractProbe> probe(physical->assignedProbe());
            if (alarm && !mPendingProbeAlarms.contains(probe)) {
                TProbeAlarmController::instance().raiseAlarm();
                mPendingProbeAlarms << probe;
                scheduleWarnings();
            }
        }
        return true;
    }

    const bool failingLong = readingsFailingLong(measured);
    switch (errorCode) {
    case ERROR_CODE_CHANNEL_OR_PROBE_UNAVAILABLE:
        // A moment without a measurement: the last value keeps averaging and graph in pace. A value from
        // before a channel switch or a pause may be minutes old; repeated, it would be logged as measured now.
        if (recentValue) {
            measured->repeatLastValue();
            notifyListenersChannelRead(measured);
        } else {
            measured->raiseNoValuesAvailable();
        }
        break;
    case ERROR_CODE_NO_PROBE_CONNECTED:
        if (auto* prtChannel = qobject_cast<TPRTChannel*>(measured))
            prtChannel->setAndOwnSmartProbe(nullptr);
        measured->raiseNoValuesAvailable();
        break;
    default:
        // A poll lost on the line or refused for a moment is skipped. Readings
        // that keep failing while the board takes the selection would leave
        // the last value on show as the present one for good, with nothing to
        // tell it is old: once they have failed for as long as a selection
        // takes to fail, the views lose the value as after a failed selection.
        // A channel not read since it was chosen has nothing on show that is
        // its present value: what it shows is from before the choice.
        if (failingLong || mChannelReadSinceChosen != measured)
            measured->raiseNoValuesAvailable();
        break;
    }
    return false;
}

bool TChannelController::readingsFailingLong(const TAbstractChannel* pChannel)
{
    const qint64 now = mMonotonicMs();
    const auto since = mReadingsFailingSince.emplace(pChannel, now).first->second;
    return now - since >= TIntCommController::TIMEOUT;
}

void TChannelController::bringSmartProbeInStep(TPRTChannel* pChannel, EnSmartProbeStatus pSmartProbeStatus)
{
    if (pSmartProbeStatus == spsNotFitted) {
        pChannel->setAndOwnSmartProbe(nullptr);
        return;
    }
    if (pSmartProbeStatus != spsChanged) {
        const bool enabledOnBoard = pSmartProbeStatus == spsPresent;
        const TSmartProbePRT* held = pChannel->smartProbe();
        if (held && held->isEnabled() == enabledOnBoard)
            return;
    }
    readSmartProbe(pChannel);
    if (pChannel->smartProbe()) {
        mPendingCalibrationChecks << pChannel;
        scheduleWarnings();
    }
}

void TChannelController::readSmartProbe(TPRTChannel* pChannel)
{
    pChannel->setAndOwnSmartProbe(mSCPIHandler->createSmartProbeFromCurrentChannel(pChannel, mLastChannelChange));
}

void TChannelController::scheduleWarnings()
{
    if (mWarningsScheduled)
        return;
    mWarningsScheduled = true;
    TWarningGate::instance().showLater(this, [this]() { showPendingWarnings(); });
}

void TChannelController::showPendingWarnings()
{
    mWarningsScheduled = false;
    // One message at a time, each from an entry of its own in the gate: the
    // rest are registered again before it opens. Opened inside its event loop
    // (or after it, where a calibration run opens it without one) they come
    // up on top of it at once, ahead of the next remote command, where a
    // client that keeps commands queued would otherwise keep them away until
    // it stops. Polls go on while a message is open and may raise new
    // warnings, which join the rest.
    while (!mPendingCalibrationChecks.empty()) {
        TPRTChannel* prtChannel = mPendingCalibrationChecks.front();
        mPendingCalibrationChecks.pop_front();
        // The probe read in the poll may have been replaced since; the one
        // the channel holds now is the one to tell about.
        TSmartProbePRT* smartProbe = prtChannel->smartProbe();
        if (!smartProbe)
            continue;
        // Only a warning shown counts: a probe read while not yet due is
        // checked again when it is read again, also after its date has passed.
        // It counts before the message opens, as polls go on meanwhile.
        const QString identity = smartProbeIdentity(*smartProbe);
        if (mCalibrationWarnedProbes.contains(identity) || !smartProbe->isCalibrationDue(mToday()))
            continue;
        mCalibrationWarnedProbes.insert(identity);
        scheduleRemainingWarnings();
        smartProbe->showCalibrationDueWarning();
        return;
    }
    if (mPendingProbeAlarms.empty())
        return;
    const QPointer<TAbstractProbe> probe = mPendingProbeAlarms.front();
    mPendingProbeAlarms.pop_front();
    scheduleRemainingWarnings();
    TProbeAlarmController::instance().doProbeAlarm(probe.data());
}

void TChannelController::scheduleRemainingWarnings()
{
    if (!mPendingCalibrationChecks.empty() || !mPendingProbeAlarms.empty())
        scheduleWarnings();
}

TRoutineChannelHold::TRoutineChannelHold(TChannelController& pController, zelk::vector<TAbstractChannel*> pChannels)
    : mController(pController)
{
    mController.mRoutineHold = this;
    mController.mRoutineChannels = std::move(pChannels);
}

TRoutineChannelHold::~TRoutineChannelHold()
{
    if (mController.mRoutineHold != this)
        return;
    mController.mRoutineHold = nullptr;
    mController.mRoutineChannels.clear();
}

bool TChannelController::isUsedByRoutine(const TAbstractChannel* pChannel) const
{
    if (!pChannel)
        return false;
    const auto lists = [pChannel](const auto& pChannels) {
        return std::find(pChannels.begin(), pChannels.end(), pChannel) != pChannels.end();
    };
    return lists(mRoutineChannels) || lists(channelsBehindRoutine());
}

bool TChannelController::isUsedByRoutine(const TAbstractProbe* pProbe) const
{
    if (!pProbe)
        return false;
    for (const TPhysicalChannel* channel : channelsBehindRoutine()) {
        if (channel->assignedProbe() == pProbe)
            return true;
    }
    return false;
}

zelk::vector<const TPhysicalChannel*> TChannelController::channelsBehindRoutine() const
{
    zelk::vector<const TPhysicalChannel*> behind;
    for (const TAbstractChannel* used : mRoutineChannels)
        used->usedChannels(behind, this);
    return behind;
}

bool TChannelController::measureChannel(TAbstractChannel* pChannel)
{
    return !isRoutineActive() && switchBoardTo(pChannel);
}

bool TChannelController::measureShownChannel(TAbstractChannel* pChannel)
{
    return !isRoutineActive() && switchBoardTo(pChannel, true);
}

bool TChannelController::switchBoardTo(TAbstractChannel* pChannel, bool pShown)
{
    if (!pChannel)
        return false;
    // Whether or not the board takes the command, it may no longer measure what it measured.
    mChannelWithRecentValue = nullptr;
    mChannelReadSinceChosen = nullptr;
    // Counted before the command: a line that hangs up right after it leaves
    // the channel unknown.
    const quint64 interruptions = mSCPIHandler->linkInterruptions();
    // Unconfirmed, the board may measure either channel: a shown one is
    // selected again at the next poll.
    const auto unconfirmed = [this, pChannel, pShown] {
        if (pShown) {
            mMeasuredChannel = pChannel;
            mChannelSelectedAt.reset();
        }
        return false;
    };
    if (qobject_cast<TPhysicalChannel*>(pChannel)) {
        if (!mSCPIHandler->setConfChan(pChannel->internalChannelNumber()))
            return unconfirmed();
        // The SMART probe commands wait for the board to settle after this moment.
        mLastChannelChange = QDateTime::currentDateTime();
        mMeasuredChannel = pChannel;
        mChannelSelectedAt = interruptions;
        return true;
    }
    zelk::vector<short> operands;
    if (auto* unary = qobject_cast<TUnaryDerivedChannel*>(pChannel)) {
        if (!unary->physicalChannel())
            return false;
        operands << unary->physicalChannel()->internalChannelNumber();
    } else if (auto* binary = qobject_cast<TBinaryDerivedChannel*>(pChannel)) {
        if (!binary->physicalChannel_Operand1() || !binary->physicalChannel_Operand2())
            return false;
        operands << binary->physicalChannel_Operand1()->internalChannelNumber()
                 << binary->physicalChannel_Operand2()->internalChannelNumber();
    } else {
        mMeasuredChannel = pChannel;
        mChannelSelectedAt = interruptions;
        return true;
    }
    if (!mSCPIHandler->setConfChanFunc(pChannel->internalChannelNumber(), operands))
        return unconfirmed();
    mMeasuredChannel = pChannel;
    mChannelSelectedAt = interruptions;
    return true;
}

zelk::vector<TPRTChannel*> TChannelController::updateSmartProbeStatus()
{
    // A log started during a calibration routine names its SMART probes too:
    // the ones the routine's readings keep in step are given, as visiting
    // every channel would leave the routine's channel unsettled under it.
    if (isRoutineActive()) {
        zelk::vector<TPRTChannel*> held;
        for (auto& entry : mChannels) {
            auto* prtChannel = qobject_cast<TPRTChannel*>(entry.second.get());
            if (prtChannel && prtChannel->smartProbe())
                held << prtChannel;
        }
        return held;
    }
    // A caller that stopped the reading (a calibration run, a coefficient
    // import, a remote client) owns the board until it restarts it itself.
    const bool wasReading = isReadingActive();
    mReadTimer->stop();
    TAbstractChannel* remembered = mMeasuredChannel;
    zelk::vector<TPRTChannel*> withSmartProbe;
    for (auto& entry : mChannels) {
        auto* prtChannel = qobject_cast<TPRTChannel*>(entry.second.get());
        if (!prtChannel || !measureChannel(prtChannel))
            continue;
        readSmartProbe(prtChannel);
        if (prtChannel->smartProbe())
            withSmartProbe << prtChannel;
    }
    measureShownChannel(remembered);
    if (wasReading)
        setReadingActive(true);
    return withSmartProbe;
}

TSmartProbePRT* TChannelController::updateSmartProbeStatusCurrentChannel()
{
    auto* prtChannel = qobject_cast<TPRTChannel*>(mMeasuredChannel);
    // The probe commands act on whatever channel the board measures.
    if (!prtChannel || !selectMeasuredChannelIfUnknown())
        return nullptr;
    readSmartProbe(prtChannel);
    return prtChannel->smartProbe();
}

bool TChannelController::setSmartProbeEnabled(TSmartProbePRT* pProbe, bool pEnabled)
{
    // The switch would go to the routine's channel, and the reading it stopped stays stopped.
    if (!pProbe || isRoutineActive())
        return false;
    mReadTimer->stop();
    TAbstractChannel* remembered = mMeasuredChannel;
    // The command acts on the probe of whatever channel the board measures:
    // without the switch to the probe's own channel it must not be sent.
    if (!measureChannel(pProbe->connectedChannel())) {
        setReadingActive(true);
        return false;
    }
    const int code = mSCPIHandler->setSmartProbe_Enable(pEnabled, mLastChannelChange);
    measureShownChannel(remembered);
    setReadingActive(true);
    // The probe object follows at the next poll, when the board reports the new state.
    return code == TInternalSCPIHandler::ERROR_CODE_COMMAND_SUCCESSFUL;
}

// --- channel selection page ------------------------------------------------------

void TChannelController::selectChannel(TAbstractChannel* pCurrentChannel, IChannelSelectionReceiver* pChanSelReceiver,
                                       bool pShowDerivedChannels, const TScanModeController& pScanModeController)
{
    selectChannel(pCurrentChannel, pChanSelReceiver, pShowDerivedChannels, {}, pScanModeController);
}

void TChannelController::selectChannel(TAbstractChannel* pCurrentChannel, IChannelSelectionReceiver* pChanSelReceiver,
                                       bool pShowDerivedChannels, const zelk::vector<TAbstractChannel*>& pExcluding,
                                       const TScanModeController& pScanModeController)
{
    mChannelSelectionReceiver = pChanSelReceiver;
    mChannelSelectWidgetController->resetActiveWidget();
    updateOperandChannelButtons(pCurrentChannel, pShowDerivedChannels);

    for (const auto& entry : mButtonByChannel) {
        TAbstractChannel* shown = entry.first;
        QWidget* button = entry.second;
        if (shown == pCurrentChannel) {
            button->setVisible(true);
        } else if (shown == mTCExpansionPortChannel.get()) {
            // The expansion port is a service input, and scan mode does not step through it.
            button->setVisible(TAuthorizationController::instance().level() >= 1 &&
                               !pScanModeController.isScanModeActive());
        } else if (auto* physical = qobject_cast<TPhysicalChannel*>(shown)) {
            button->setVisible(physical->assignedProbe() && !pExcluding.contains(shown));
        } else {
            updateDerivedChannelSelectButton(shown, button);
            button->setVisible(pShowDerivedChannels);
        }
    }

    const auto current = mButtonByChannel.find(pCurrentChannel);
    if (current != mButtonByChannel.end())
        mChannelSelectWidgetController->activateWidget(current->second);
    mSubMenuController->showSubMenu(tr("Channel selection"), mPageChannelSelection, this, smtViewer);
}

void TChannelController::returnToMainMenuClicked() {}

bool TChannelController::cancelClicked()
{
    return true;
}

bool TChannelController::storeClicked()
{
    return true;
}

void TChannelController::showOperand(QLabel* pLabel, const TAbstractChannel* pChannel)
{
    // The tool tip holds the channel number the operand is read back from.
    pLabel->setText(pChannel ? pChannel->channelCaption() : QString());
    pLabel->setToolTip(pChannel ? QString::number(pChannel->internalChannelNumber()) : QString());
}

void TChannelController::updateOperandChannelButtons(TAbstractChannel* pPossiblyDerivedChannel,
                                                     bool pShowDerivedChannels)
{
    showOperand(mLblChannelX, nullptr);
    showOperand(mLblChannelY, nullptr);
    if (auto* unary = qobject_cast<TUnaryDerivedChannel*>(pPossiblyDerivedChannel)) {
        if (unary->physicalChannel())
            showOperand(mLblChannelX, unary->physicalChannel());
    } else if (auto* binary = qobject_cast<TBinaryDerivedChannel*>(pPossiblyDerivedChannel)) {
        if (binary->physicalChannel_Operand1())
            showOperand(mLblChannelX, binary->physicalChannel_Operand1());
        if (binary->physicalChannel_Operand2())
            showOperand(mLblChannelY, binary->physicalChannel_Operand2());
    }
    mBtnChannelX->setVisible(pShowDerivedChannels);
    mBtnChannelY->setVisible(pShowDerivedChannels);
}

void TChannelController::updateDerivedChannelSelectButton(TAbstractChannel* pChannel, QWidget* pBtnDerivedChannelSelect)
{
    if (qobject_cast<TUnaryDerivedChannel*>(pChannel))
        pBtnDerivedChannelSelect->setEnabled(!mLblChannelX->text().isEmpty());
    else if (qobject_cast<TBinaryDerivedChannel*>(pChannel))
        pBtnDerivedChannelSelect->setEnabled(!mLblChannelX->text().isEmpty() && !mLblChannelY->text().isEmpty());
}

void TChannelController::updateDerivedChannelSelectButtons()
{
    for (const auto& entry : mButtonByChannel)
        updateDerivedChannelSelectButton(entry.first, entry.second);
}

TPhysicalChannel* TChannelController::selectedOperand(const QLabel* pLabel) const
{
    if (pLabel->toolTip().isEmpty())
        return nullptr;
    return physical_channel(pLabel->toolTip().toInt(nullptr, 10));
}

TPhysicalChannel* TChannelController::selectedChannel_Operand_X() const
{
    return selectedOperand(mLblChannelX);
}

TPhysicalChannel* TChannelController::selectedChannel_Operand_Y() const
{
    return selectedOperand(mLblChannelY);
}

void TChannelController::chooseOperand(QLabel* pLabel)
{
    TChannelSelectDialog dialog(nullptr);
    connect(&dialog, &TChannelSelectDialog::widgetActivated, this, &TChannelController::widget_activated);
    zelk::vector<TAbstractChannel*> selected;
    if (TPhysicalChannel* current = selectedOperand(pLabel))
        selected << current;
    if (dialog.showPhysicalChannelSelection(tr("Channel selection"), false, false, true, QString(), QString(),
                                            TChannelSelectDialog::BTN_CANCEL | TChannelSelectDialog::BTN_OK,
                                            ctUndefined, true, *this, selected)) {
        if (selected.empty())
            showOperand(pLabel, nullptr);
        else if (auto* physical = qobject_cast<TPhysicalChannel*>(selected.front()))
            showOperand(pLabel, physical);
        updateDerivedChannelSelectButtons();
    }
    mChannelSelectWidgetController->deactivateAll();
}

void TChannelController::channelSelectionBtnClick(QWidget* pButton)
{
    if (pButton == mBtnChannelX) {
        chooseOperand(mLblChannelX);
        return;
    }
    if (pButton == mBtnChannelY) {
        chooseOperand(mLblChannelY);
        return;
    }
    const auto found = mChannelByButton.find(pButton);
    if (found != mChannelByButton.end()) {
        TAbstractChannel* chosen = found->second;
        if (auto* unary = qobject_cast<TUnaryDerivedChannel*>(chosen)) {
            unary->setPhysicalChannel(selectedChannel_Operand_X());
        } else if (auto* binary = qobject_cast<TBinaryDerivedChannel*>(chosen)) {
            binary->setPhysicalChannel_Operand1(selectedChannel_Operand_X());
            binary->setPhysicalChannel_Operand2(selectedChannel_Operand_Y());
        }
        if (mChannelSelectionReceiver)
            mChannelSelectionReceiver->channelSelected(chosen);
    }
    mSubMenuController->cancelSubMenu(this);
}
