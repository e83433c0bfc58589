// The measure and configure groups: reading and scanning the measured
// channel, choosing it, the derived channels' operands and the display unit.

#include "externalcommunicationhandler.h"

#include "authorizationcontroller.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "internalscpihandler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace
{
constexpr int MIN_SETTLE_SECONDS = 3;
constexpr int MAX_SETTLE_SECONDS = 600;
// The most entries one scan takes: every channel of a fully equipped
// instrument (four inputs, four switch boxes of 16 positions) with room for
// repeats. The scan holds the instrument until it ends; a list of thousands
// would hold it for hours.
constexpr int MAX_SCAN_CHANNELS = 100;
// A scanned channel that gives no reading for longer than this is reported
// unavailable and the scan goes on with the next one.
constexpr int SCAN_READ_LIMIT_SECONDS = 14;
} // namespace

TExternalCommunicationHandler::TScanClock TExternalCommunicationHandler::systemScanClock()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    // The settle time is waited out with events going on: a client that goes,
    // the local user taking the instrument back and a termination signal are
    // all events, and each ends the wait at once.
    return TScanClock{[timer] { return timer->elapsed(); },
                      [](int pMilliseconds) {
                          QTimer deadline;
                          deadline.setSingleShot(true);
                          deadline.start(pMilliseconds);
                          QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                      }};
}

void TExternalCommunicationHandler::setScanClock(const TScanClock& pClock)
{
    mScanClock = pClock;
}

bool TExternalCommunicationHandler::processCommand_Measure(const TSCPICommand& pCommand)
{
    if (isCommand(pCommand, "meas:curr?", "measure:current?"))
        readCurrentValue();
    else if (isCommand(pCommand, "meas:raw?", "measure:raw?"))
        readRawValue(pCommand);
    else if (isCommand(pCommand, "meas:scan?", "measure:scan?"))
        scanChannels(pCommand);
    else if (isCommand(pCommand, "meas:poll", "measure:polling"))
        setPolling(pCommand);
    else
        return false;
    return true;
}

bool TExternalCommunicationHandler::processCommand_Configure(const TSCPICommand& pCommand)
{
    if (isCommand(pCommand, "conf:chan", "configure:channel")) {
        selectChannel(pCommand);
    } else if (isCommand(pCommand, "conf:chan?", "configure:channel?")) {
        queryMeasuredChannel();
    } else if (isCommand(pCommand, "conf:chan:func", "configure:channel:function")) {
        setDerivedChannelOperands(pCommand);
    } else if (isCommand(pCommand, "conf:chan:smar?", "configure:channel:smart?")) {
        bool failed = true;
        const bool present = mInternalSCPIHandler && mInternalSCPIHandler->getConfChanSmar(failed);
        if (failed)
            returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        else
            returnResponse(present ? QStringLiteral("1") : QStringLiteral("0"));
    } else if (isCommand(pCommand, "conf:chan:unit", "configure:channel:units")) {
        setChannelUnit(pCommand);
    } else if (isCommand(pCommand, "conf:chan:unit?", "configure:channel:units?")) {
        const TAbstractChannel* measured = mChannelController ? mChannelController->measuredChannel() : nullptr;
        if (measured)
            returnResponse(QString::number(int(measured->selectedUnit())));
        else
            returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
    } else {
        return false;
    }
    return true;
}

bool TExternalCommunicationHandler::channelHeldByRoutine() const
{
    return mChannelController && mChannelController->isRoutineActive();
}

bool TExternalCommunicationHandler::heldByRoutine(const TAbstractChannel* pChannel) const
{
    return mChannelController && mChannelController->isUsedByRoutine(pChannel);
}

bool TExternalCommunicationHandler::heldByRoutine(const TAbstractProbe* pProbe) const
{
    return mChannelController && mChannelController->isUsedByRoutine(pProbe);
}

// The thermocouple items serve their own input; the reference resistors
// serve every channel that measures a resistance, whichever the probe there
// chooses: a resistance input, and a switch-box position holding a
// resistance thermometer or a thermistor.
bool TExternalCommunicationHandler::calibrationItemHeldByRoutine(int pItem) const
{
    if (!channelHeldByRoutine())
        return false;
    switch (pItem) {
    case ciTCchan3:
        return heldByRoutine(mChannelController->channel(3));
    case ciTCchan4:
        return heldByRoutine(mChannelController->channel(4));
    case ciTCchanExternal:
        return heldByRoutine(mChannelController->tcExpansionPortChannel());
    default:
        break;
    }
    for (const auto& entry : mChannelController->channels()) {
        const TAbstractChannel* channel = entry.second.get();
        if (qobject_cast<const TPhysicalChannel*>(channel) &&
            channel->electricalUnit() == Electrical_temperature_units::uOhm && heldByRoutine(channel))
            return true;
    }
    return false;
}

void TExternalCommunicationHandler::readCurrentValue()
{
    if (!mChannelController || !mChannelController->readMeasuredChannel()) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    answerChannelValue(*mChannelController->measuredChannel());
}

void TExternalCommunicationHandler::readRawValue(const TSCPICommand& pCommand)
{
    int item = 0;
    if (!assertArgCount(pCommand, 1) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION))
        return;
    if (!getIntParam(pCommand.parameters().at(0), item, false) || item < ci25R || item > ciTCchanExternal) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    double value = 0.0;
    Channel::EnRawValueStatus status = Channel::rwsInRange;
    // The board measures the calibration item in place of the routine's channel.
    if (channelHeldByRoutine() || !mInternalSCPIHandler ||
        !mInternalSCPIHandler->getMeasRaw(value, status, EnCalItemID(item))) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    returnResponse(QString::number(value, 'e', 10) + QLatin1Char(',') + QString::number(int(status)));
}

void TExternalCommunicationHandler::scanChannels(const TSCPICommand& pCommand)
{
    if (!assertArgCount(pCommand, 2))
        return;
    const auto& parameters = pCommand.parameters();
    // The settle time must be written as an integer: a channel list is no time.
    const auto* settle = dynamic_cast<const TSCPIIntegerParameter*>(parameters.at(0).get());
    const auto* list = dynamic_cast<const TSCPIChannelListParameter*>(parameters.at(1).get());
    if (!settle || !list || settle->int_val() < MIN_SETTLE_SECONDS || settle->int_val() > MAX_SETTLE_SECONDS ||
        list->channels().isEmpty() || list->channels().size() > MAX_SCAN_CHANNELS) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    for (const qint32 channel : list->channels())
        if (!scanChannel(channel, settle->int_val()))
            return;
}

bool TExternalCommunicationHandler::scanChannel(int pChannelNumber, int pSettleSeconds)
{
    if (commandAbandoned())
        return false;
    TPhysicalChannel* channel = mChannelController ? mChannelController->physical_channel(pChannelNumber) : nullptr;
    if (!channel || !mChannelController->measureChannel(channel)) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return true;
    }
    showOnlyChannel(channel);
    QCoreApplication::processEvents();

    // The settle time is counted in whole seconds.
    const qint64 settleStart = mScanClock.mElapsedMilliseconds();
    for (;;) {
        if (commandAbandoned())
            return false;
        const qint64 settled = mScanClock.mElapsedMilliseconds() - settleStart;
        if (settled / 1000 >= pSettleSeconds)
            break;
        mScanClock.mWait(int(qint64(pSettleSeconds) * 1000 - settled));
    }

    // Board reads process no events; only a termination signal is seen here.
    const qint64 readStart = mScanClock.mElapsedMilliseconds();
    while (!mChannelController->readMeasuredChannel()) {
        if (commandAbandoned())
            return false;
        if ((mScanClock.mElapsedMilliseconds() - readStart) / 1000 > SCAN_READ_LIMIT_SECONDS) {
            returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
            return true;
        }
    }
    answerChannelValue(*channel);
    return true;
}

void TExternalCommunicationHandler::setPolling(const TSCPICommand& pCommand)
{
    int polling = 0;
    if (!assertAuthLevel(AUTH_LEVEL_PRODUCTION) || !assertArgCount(pCommand, 1))
        return;
    if (!getIntParam(pCommand.parameters().at(0), polling, false)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    // The routine stopped the periodic reading so that it alone reads the
    // board, and starts it again when it ends.
    if (!mChannelController || channelHeldByRoutine()) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    mChannelController->setReadingActive(polling > 0);
    sendAck();
}

void TExternalCommunicationHandler::selectChannel(const TSCPICommand& pCommand)
{
    int number = 0;
    if (!assertArgCount(pCommand, 1))
        return;
    if (!getIntParam(pCommand.parameters().at(0), number, true)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    TPhysicalChannel* channel = nullptr;
    if (number == TChannelController::EXPANSION_PORT_CHANNEL) {
        if (!assertAuthLevel(AUTH_LEVEL_PRODUCTION))
            return;
        channel = mChannelController ? mChannelController->tcExpansionPortChannel() : nullptr;
    } else {
        channel = mChannelController ? mChannelController->physical_channel(number) : nullptr;
    }
    if (!channel || !mChannelController->measureChannel(channel)) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    showOnlyChannel(channel);
    sendAck();
}

void TExternalCommunicationHandler::queryMeasuredChannel()
{
    bool failed = true;
    int operandX = 0;
    int operandY = 0;
    const int channel = mInternalSCPIHandler ? mInternalSCPIHandler->getConfChan(failed, operandX, operandY) : 0;
    if (failed) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    QString reply = QString::number(channel);
    if (operandX > 0) {
        reply += QLatin1Char(',') + QString::number(operandX);
        if (operandY > 0)
            reply += QLatin1Char(',') + QString::number(operandY);
    }
    returnResponse(reply);
}

void TExternalCommunicationHandler::setDerivedChannelOperands(const TSCPICommand& pCommand)
{
    if (!assertArgCount(pCommand, 2))
        return;
    const auto& parameters = pCommand.parameters();
    int number = 0;
    if (!getIntParam(parameters.at(1), number, true)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    TPhysicalChannel* operand1 = mChannelController ? mChannelController->physical_channel(number) : nullptr;
    if (!operand1) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    if (!getIntParam(parameters.at(0), number, false)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    TAbstractChannel* derived = mChannelController->channel(number);
    auto* unary = qobject_cast<TUnaryDerivedChannel*>(derived);
    auto* binary = qobject_cast<TBinaryDerivedChannel*>(derived);
    if (!unary && !binary) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    TPhysicalChannel* operand2 = nullptr;
    if (binary) {
        if (!assertArgCount(pCommand, 3))
            return;
        if (!getIntParam(parameters.at(2), number, true)) {
            returnError(ERROR_005_ILLEGAL_ARGUMENT);
            return;
        }
        operand2 = mChannelController->physical_channel(number);
        if (!operand2) {
            returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
            return;
        }
    }
    // Not even the operands: the routine may measure this derived channel.
    if (channelHeldByRoutine()) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    if (unary) {
        unary->setPhysicalChannel(operand1);
    } else {
        binary->setPhysicalChannel_Operand1(operand1);
        binary->setPhysicalChannel_Operand2(operand2);
    }
    if (!mChannelController->measureChannel(derived)) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    showOnlyChannel(derived);
    sendAck();
}

void TExternalCommunicationHandler::setChannelUnit(const TSCPICommand& pCommand)
{
    using namespace Electrical_temperature_units;
    int unit = 0;
    if (!assertArgCount(pCommand, 1))
        return;
    if (!getIntParam(pCommand.parameters().at(0), unit, false)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    TAbstractChannel* measured = mChannelController ? mChannelController->measuredChannel() : nullptr;
    if (!measured) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return;
    }
    const bool temperatureUnit = unit == uCelsius || unit == uFahrenheit || unit == uKelvin;
    const bool ownElectricalUnit = (unit == uOhm || unit == uMilliVolt) && unit == measured->electricalUnit();
    if (!temperatureUnit && !ownElectricalUnit) {
        returnError(ERROR_006_INCOMPATIBLE_UNIT);
        return;
    }
    measured->changeUnit(EnUnit(unit));
    refreshChannelView();
    sendAck();
}

void TExternalCommunicationHandler::showOnlyChannel(TAbstractChannel* pChannel)
{
    TAbstractChannelViewController* view =
        mChannelViewControllerManager ? mChannelViewControllerManager->currentViewController() : nullptr;
    if (!view)
        return;
    view->setChannels(zelk::vector<TAbstractChannel*>{pChannel}, pChannel);
    view->initGUI();
}
