#include "externalcommunicationhandler.h"

#include "authorizationcontroller.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "externalcommunicationinterface.h"
#include "internalscpihandler.h"
#include "logfiledownload.h"
#include "probe.h"
#include "probecontroller.h"
#include "scpiparser.h"
#include "terminationsignals.h"
#include "warninggate.h"

#include <limits>
#include <utility>

TExternalCommunicationHandler::TExternalCommunicationHandler(
    TInternalSCPIHandler* pInternalSCPIHandler, TChannelController* pChannelController,
    TProbeController* pProbeController, TChannelViewControllerManager* pChannelViewControllerManager,
    TLogfileController* pLogfileController)
    : mInternalSCPIHandler(pInternalSCPIHandler)
    , mChannelController(pChannelController)
    , mProbeController(pProbeController)
    , mChannelViewControllerManager(pChannelViewControllerManager)
    , mLogfileController(pLogfileController)
    , mCurrentDateTime([] { return QDateTime::currentDateTime(); })
    , mScanClock(systemScanClock())
{
    // A timer rather than a posted call: posted calls go before timers that
    // have fired before, so a chain of them would hold the polls back still.
    mNextCommand.setSingleShot(true);
    mNextCommand.setInterval(0);
    connect(&mNextCommand, &QTimer::timeout, this, &TExternalCommunicationHandler::runNextCommand);
    if (mChannelController)
        connect(mChannelController, &TChannelController::owedTickSettled, this,
                &TExternalCommunicationHandler::onOwedTickSettled);
}

TExternalCommunicationHandler::~TExternalCommunicationHandler() = default;

void TExternalCommunicationHandler::setCurrentDateTime(std::function<QDateTime()> pCurrentDateTime)
{
    mCurrentDateTime = std::move(pCurrentDateTime);
}

bool TExternalCommunicationHandler::processIncomingString(TExternalCommunicationInterface* pCommInterface,
                                                          const QString& pString)
{
    if (pString.isEmpty())
        return true;
    if (mCommunicationInterface != pCommInterface && (mCommunicationInterface || !mHeldText.isEmpty())) {
        // Access is exclusive only while a client controls the instrument. In
        // local mode a serial line never lets go (it reports no disconnection)
        // and the local user has no remote mode to end, so a host that merely
        // probed the USB port would lock every other transport out for good:
        // the newcomer takes over, once the lines queued before its text have
        // all been answered. Until then its transport reads no more.
        if (mRemoteMode)
            return false;
        holdText(pCommInterface, pString);
        if (!mProcessingCommandQueue && !mCommandRunning)
            giveTurnToHeldText();
        return true;
    }
    // A serial line keeps remote access from host to host. What the host
    // that left had begun, queued or still runs is not the next one's.
    if (mCommunicationInterface == pCommInterface && hostLeftTheLine())
        releaseRemoteAccess();
    mCommunicationInterface = pCommInterface;
    mInputConnection = pCommInterface->connectionNumber();
    takeText(pString);
    processCommandQueue();
    return true;
}

void TExternalCommunicationHandler::takeText(const QString& pString)
{
    // CR or LF ends a line: clients that end their lines with LF alone must
    // be served too. An LF right after a line's end belongs to a CR LF pair,
    // also when it arrives in the next chunk, so it never makes a line of its
    // own; CR CR still gives an empty line.
    int start = 0;
    const int length = pString.size();
    if (mCommandInputBuffer.isEmpty() && !mDiscardingLine)
        while (start < length && pString.at(start) == QLatin1Char('\n'))
            ++start;
    while (start < length) {
        int end = start;
        while (end < length && pString.at(end) != QLatin1Char('\r') && pString.at(end) != QLatin1Char('\n'))
            ++end;
        const bool lineEnded = end < length;
        if (!mDiscardingLine) {
            if (mCommandInputBuffer.size() + (end - start) > MAX_LINE_LENGTH) {
                mCommandInputBuffer.clear();
                mDiscardingLine = true;
                // Answered in its turn: inside a long command's reply it would
                // split it, and before the replies to the lines ahead of it it
                // would shift them.
                queueLine(QString(), true);
            } else {
                mCommandInputBuffer.append(pString.midRef(start, end - start));
            }
        }
        if (!lineEnded)
            break;
        if (!mDiscardingLine)
            queueLine(mCommandInputBuffer);
        mCommandInputBuffer.clear();
        mDiscardingLine = false;
        start = end + 1;
        while (start < length && pString.at(start) == QLatin1Char('\n'))
            ++start;
    }
}

// The lines of one chunk that arrived while the queue was empty are all queued:
// they are already in memory, and all of them run before anything else is read.
// The limit holds for text that arrives while the queue runs (during a command
// or between two); a line dropped there is still answered, after the line
// before it, so that the client's count of replies stays right.
void TExternalCommunicationHandler::queueLine(const QString& pLine, bool pOverlong)
{
    if (mProcessingCommandQueue && mCommandQueue.size() >= MAX_QUEUED_COMMANDS)
        ++mCommandQueue.last().mDroppedBehind;
    else
        mCommandQueue.enqueue({pLine, 0, pOverlong});
}

void TExternalCommunicationHandler::holdText(TExternalCommunicationInterface* pCommInterface, const QString& pString)
{
    const quint64 connection = pCommInterface->connectionNumber();
    for (THeldText& held : mHeldText) {
        if (held.mInterface != pCommInterface)
            continue;
        // A host that left the serial line meanwhile: its text is not the next one's.
        if (held.mConnection != connection)
            held = {pCommInterface, connection, QString(), false};
        held.mText += pString;
        return;
    }
    mHeldText.append({pCommInterface, connection, pString, false});
}

void TExternalCommunicationHandler::giveTurnToHeldText()
{
    int index = 0;
    while (index < mHeldText.size() && !mHeldText.at(index).hasLines())
        ++index;
    if (index == mHeldText.size())
        return;
    const THeldText next = mHeldText.takeAt(index);
    TExternalCommunicationInterface* previous = mCommunicationInterface;
    // What the host on it had not ended is its own when it goes on.
    if (previous && (!mCommandInputBuffer.isEmpty() || mDiscardingLine))
        mHeldText.append({previous, mInputConnection, mCommandInputBuffer, mDiscardingLine});
    releaseRemoteAccess();
    mCommunicationInterface = next.mInterface;
    mInputConnection = next.mConnection;
    mDiscardingLine = next.mDiscardingLine;
    takeText(next.mText);
    // Its lines run on a turn of their own, as every turn of commands does.
    mProcessingCommandQueue = true;
    scheduleNextCommand();
    next.mInterface->resumeInput();
}

void TExternalCommunicationHandler::dropHeldText(TExternalCommunicationInterface* pCommInterface)
{
    for (int index = mHeldText.size() - 1; index >= 0; --index) {
        TExternalCommunicationInterface* held = mHeldText.at(index).mInterface;
        if (pCommInterface && held != pCommInterface)
            continue;
        mHeldText.removeAt(index);
        held->resumeInput();
        held->queueRanOut();
    }
}

bool TExternalCommunicationHandler::holdsLinesOf(const TExternalCommunicationInterface* pCommInterface) const
{
    for (const THeldText& held : mHeldText)
        if (held.mInterface == pCommInterface)
            return held.hasLines();
    return false;
}

// A line too long to be kept counts as one: its turn answers it with error 5.
bool TExternalCommunicationHandler::THeldText::hasLines() const
{
    return mConnection == mInterface->connectionNumber() &&
           (mText.contains(QLatin1Char('\r')) || mText.contains(QLatin1Char('\n')) || mText.size() > MAX_LINE_LENGTH);
}

void TExternalCommunicationHandler::processCommandQueue()
{
    // A command that processes events lets more text arrive; it waits in the
    // queue for its turn. Text that arrives while messages wait to be shown
    // runs after they have come up, text behind replies the client has not
    // read once it has read them.
    if (mCommandRunning || mNextCommand.isActive() || mResumeAfterWarnings || mWaitingForRoom || mWaitingForOwedTick)
        return;
    runNextCommand();
}

// Commands back to back for a turn of a few milliseconds, then the event loop
// turns before the next: a client that always keeps commands queued must not
// hold the measuring cycle's polls, nor a calibration routine whose wait the
// commands run in, which returns only when this does. Nothing here waits: a
// client that does not read holds up its own commands only, and they go on
// from outputDrained.
void TExternalCommunicationHandler::runNextCommand()
{
    if (mCommandRunning || mWaitingForRoom)
        return;
    mCommandRunning = true;
    mProcessingCommandQueue = true;
    // A warning that comes up meanwhile waits until the command is over:
    // nobody may be at the instrument to close it, and until then no client
    // would be answered.
    TWarningGate& gate = TWarningGate::instance();
    gate.hold();
    const qint64 turnEnd = mScanClock.mElapsedMilliseconds() + COMMAND_TURN_MILLISECONDS;
    while (!TTerminationSignals::terminationRequested() && !gate.hasWaiting()) {
        if (hostLeftTheLine()) {
            mCommandQueue.clear();
            mDownload.reset();
            break;
        }
        if (!mDownload && mCommandQueue.isEmpty())
            break;
        if (screenTurnLeft() > 0 || isTickOwed())
            break;
        if (mDownload ? !sendDownloadPiece() : !runQueuedCommand()) {
            mWaitingForRoom = true;
            break;
        }
        if (mScanClock.mElapsedMilliseconds() >= turnEnd)
            break;
    }
    gate.release();
    mCommandRunning = false;
    if (TTerminationSignals::terminationRequested()) {
        endDownload();
        mCommandQueue.clear();
        mWaitingForRoom = false;
    }
    if (mCommandQueue.isEmpty() && !mDownload) {
        queueRanOut();
        return;
    }
    if (mWaitingForRoom)
        return;
    // What the last command raised comes before the next one: a client that
    // always keeps a command queued must not keep the warnings, the probe
    // alarm's among them, away for as long as it goes on. Posted after the
    // gate's own call that shows what waits: the commands then go on inside
    // the open message's event loop, so that every client is still answered.
    if (gate.hasWaiting()) {
        mResumeAfterWarnings = true;
        QMetaObject::invokeMethod(
            this,
            [this]() {
                mResumeAfterWarnings = false;
                processCommandQueue();
            },
            Qt::QueuedConnection);
        return;
    }
    scheduleNextCommand();
}

// After a command whose exchange the board left unanswered the next one waits
// for the screen's turn, as the measuring cycle's next poll does: in a client's
// stream of commands to a silent board, each would hold the event loop for the
// link's wait right after the one before, and the screen would show nothing of
// what they changed until the client stops. Then it waits for the poll of the
// tick the turn passed over, which the measuring cycle makes good as the turn
// ends: the turn always ends before the cycle's next tick, and the client's
// next command, holding the event loop again, would pass over that one too.
void TExternalCommunicationHandler::scheduleNextCommand()
{
    if (isTickOwed()) {
        mNextCommand.stop();
        mWaitingForOwedTick = true;
        return;
    }
    mNextCommand.start(screenTurnLeft());
}

void TExternalCommunicationHandler::onOwedTickSettled()
{
    // A command timed to the end of the turn goes as soon as the poll is over.
    if (!mWaitingForOwedTick && !mNextCommand.isActive())
        return;
    mWaitingForOwedTick = false;
    scheduleNextCommand();
}

int TExternalCommunicationHandler::screenTurnLeft() const
{
    return mInternalSCPIHandler ? mInternalSCPIHandler->screenTurnLeft() : 0;
}

bool TExternalCommunicationHandler::isTickOwed() const
{
    return mChannelController && mChannelController->isTickOwed();
}

void TExternalCommunicationHandler::queueRanOut()
{
    mProcessingCommandQueue = false;
    TExternalCommunicationInterface* finished = mCommunicationInterface;
    if (!mHeldText.isEmpty() && !TTerminationSignals::terminationRequested()) {
        // A client that took remote mode keeps the instrument; the others'
        // text is dropped, as it would have been had it come now.
        if (mRemoteMode)
            dropHeldText(nullptr);
        else
            giveTurnToHeldText();
    }
    if (finished)
        finished->queueRanOut();
}

bool TExternalCommunicationHandler::runQueuedCommand()
{
    if (mCommunicationInterface && !mCommunicationInterface->hasRoomForOutput())
        return false;
    const TQueuedLine queued = mCommandQueue.dequeue();
    if (mCommunicationInterface)
        mCommunicationInterface->resumeInput();
    mCommandGeneration = mAccessGeneration;
    if (queued.mOverlong)
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
    else
        processCommand(queued.mLine);
    for (int dropped = 0; dropped < queued.mDroppedBehind; ++dropped)
        returnError(ERROR_017_MEMORY_FULL);
    mCommandGeneration = -1;
    return true;
}

void TExternalCommunicationHandler::outputDrained(TExternalCommunicationInterface* pCommInterface)
{
    if (!mWaitingForRoom || pCommInterface != mCommunicationInterface || !pCommInterface->hasRoomForOutput())
        return;
    mWaitingForRoom = false;
    scheduleNextCommand();
}

int TExternalCommunicationHandler::queueRoom(const TExternalCommunicationInterface* pCommInterface) const
{
    if (holdsLinesOf(pCommInterface))
        return 0;
    if (!isRunningCommandsOf(pCommInterface))
        return std::numeric_limits<int>::max();
    return qMax(0, MAX_QUEUED_COMMANDS - int(mCommandQueue.size()));
}

bool TExternalCommunicationHandler::isRunningCommandsOf(const TExternalCommunicationInterface* pCommInterface) const
{
    return (mProcessingCommandQueue && pCommInterface == mCommunicationInterface) || holdsLinesOf(pCommInterface);
}

void TExternalCommunicationHandler::processCommand(const QString& pCommand)
{
    bool paramsValid = true;
    const TSCPICommand command = TSCPIParser().parseCommand(pCommand, paramsValid);
    if (!paramsValid) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    if (processSystemCommand_AnyMode(command))
        return;
    if (!mRemoteMode)
        return;
    if (processSystemCommand_RemoteMode(command))
        return;
    if (processCommand_Measure(command) || processCommand_Configure(command) || processCommand_Logger(command) ||
        processCommand_Probe(command) || processCommand_SenseThermocouple(command) ||
        processCommand_SenseFrtd(command) || processCommand_SenseThermistor(command) ||
        processCommand_Calibration(command) || processCommand_SwitchBox(command))
        return;
    returnError(ERROR_004_UNRECOGNIZED_INSTRUCTION);
}

void TExternalCommunicationHandler::releaseRemoteAccess()
{
    ++mAccessGeneration;
    TExternalCommunicationInterface* previous = std::exchange(mCommunicationInterface, nullptr);
    mCommandInputBuffer.clear();
    mDiscardingLine = false;
    mCommandQueue.clear();
    endDownload();
    mWaitingForRoom = false;
    // The next client's first text is taken whole, as when nothing ran.
    if (!mCommandRunning) {
        mNextCommand.stop();
        mWaitingForOwedTick = false;
        mProcessingCommandQueue = false;
    }
    // A line that stopped reading for the full queue must not wait for a
    // command that will never run.
    if (previous)
        previous->resumeInput();
}

bool TExternalCommunicationHandler::commandAbandoned() const
{
    return mCommandGeneration != mAccessGeneration || hostLeftTheLine() || TTerminationSignals::terminationRequested();
}

bool TExternalCommunicationHandler::hostLeftTheLine() const
{
    return mCommunicationInterface && mCommunicationInterface->connectionNumber() != mInputConnection;
}

void TExternalCommunicationHandler::setRemoteMode(bool pRemoteMode)
{
    if (mRemoteMode == pRemoteMode)
        return;
    mRemoteMode = pRemoteMode;
    emit remoteModeChanged(pRemoteMode);
}

void TExternalCommunicationHandler::interfaceDisconnected(TExternalCommunicationInterface* pCommInterface)
{
    dropHeldText(pCommInterface);
    if (pCommInterface != mCommunicationInterface)
        return;
    releaseRemoteAccess();
    setRemoteMode(false);
    if (!mCommandRunning)
        giveTurnToHeldText();
}

void TExternalCommunicationHandler::abortRemoteMode()
{
    if (!mRemoteMode)
        return;
    // Pending too: what the others sent while their text waited for the
    // queued lines, which their transports hold.
    if (mCommunicationInterface)
        mCommunicationInterface->dropUnreadInput();
    for (const THeldText& held : qAsConst(mHeldText))
        held.mInterface->dropUnreadInput();
    releaseRemoteAccess();
    dropHeldText(nullptr);
    setRemoteMode(false);
}

QString TExternalCommunicationHandler::unitToText(Electrical_temperature_units::EnUnit pUnit)
{
    using namespace Electrical_temperature_units;
    switch (pUnit) {
    case uCelsius:
        return QStringLiteral("\u00B0C");
    case uFahrenheit:
        return QStringLiteral("\u00B0F");
    case uKelvin:
        return QStringLiteral("K");
    case uOhm:
        return QStringLiteral("\u2126");
    case uMilliVolt:
        return QStringLiteral("mV");
    case uUndefined:
        break;
    }
    return QString();
}

bool TExternalCommunicationHandler::isCommand(const TSCPICommand& pCommand, const char* pShortForm,
                                              const char* pLongForm)
{
    const QString& name = pCommand.commandName();
    return name == QLatin1String(pShortForm) || (pLongForm && name == QLatin1String(pLongForm));
}

TExternalCommunicationInterface* TExternalCommunicationHandler::replyInterface() const
{
    const bool sameClient = (mCommandGeneration < 0 || mCommandGeneration == mAccessGeneration) && !hostLeftTheLine();
    return sameClient ? mCommunicationInterface : nullptr;
}

void TExternalCommunicationHandler::returnResponse(const QString& pResponse)
{
    if (TExternalCommunicationInterface* client = replyInterface())
        client->sendResponse(pResponse);
}

void TExternalCommunicationHandler::returnError(int pError)
{
    returnResponse(QLatin1Char('E') + QString::number(pError));
}

void TExternalCommunicationHandler::sendAck()
{
    if (TExternalCommunicationInterface* client = mSendAck ? replyInterface() : nullptr)
        client->sendAck();
}

bool TExternalCommunicationHandler::assertArgCount(const TSCPICommand& pCommand, unsigned int pCount)
{
    if (pCommand.parameters().size() >= pCount)
        return true;
    returnError(ERROR_005_ILLEGAL_ARGUMENT);
    return false;
}

bool TExternalCommunicationHandler::assertAuthLevel(int pLevel)
{
    if (TAuthorizationController::instance().level() >= pLevel)
        return true;
    returnError(ERROR_013_ACCESS_DENIED);
    return false;
}

bool TExternalCommunicationHandler::getIntParam(const std::unique_ptr<TSCPIParameter>& pParam, int& oIntParamValue,
                                                bool pAcceptChannelList) const
{
    oIntParamValue = 0;
    if (const auto* integer = dynamic_cast<const TSCPIIntegerParameter*>(pParam.get())) {
        oIntParamValue = integer->int_val();
        return true;
    }
    if (pAcceptChannelList) {
        const auto* list = dynamic_cast<const TSCPIChannelListParameter*>(pParam.get());
        if (list && !list->channels().isEmpty()) {
            oIntParamValue = list->channels().first();
            return true;
        }
    }
    return false;
}

bool TExternalCommunicationHandler::getStringParam(const std::unique_ptr<TSCPIParameter>& pParam,
                                                   QString& oStringValue) const
{
    oStringValue.clear();
    const auto* text = dynamic_cast<const TSCPIStringParameter*>(pParam.get());
    if (!text)
        return false;
    oStringValue = text->val();
    return true;
}

bool TExternalCommunicationHandler::getDateParams(const TSCPICommand& pCommand, unsigned int pFirst, QDate& oDate) const
{
    oDate = QDate();
    const auto& parameters = pCommand.parameters();
    int year = 0;
    int month = 0;
    int day = 0;
    if (parameters.size() < pFirst + 3 || !getIntParam(parameters.at(pFirst), year, false) ||
        !getIntParam(parameters.at(pFirst + 1), month, false) || !getIntParam(parameters.at(pFirst + 2), day, false) ||
        !QDate::isValid(year, month, day))
        return false;
    oDate = QDate(year, month, day);
    return true;
}

bool TExternalCommunicationHandler::getSwitchBoxNumber(const std::unique_ptr<TSCPIParameter>& pParam,
                                                       int& oSwitchBoxNumber)
{
    oSwitchBoxNumber = -1;
    int number = 0;
    if (getIntParam(pParam, number, false) && number >= 1 && number <= 4) {
        oSwitchBoxNumber = number;
        return true;
    }
    returnError(ERROR_005_ILLEGAL_ARGUMENT);
    return false;
}

TAbstractProbe* TExternalCommunicationHandler::probeByParameter(const std::unique_ptr<TSCPIParameter>& pParameter)
{
    int number = 0;
    if (!getIntParam(pParameter, number, false)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return nullptr;
    }
    TAbstractProbe* probe = mProbeController ? mProbeController->probeByNumber(number) : nullptr;
    if (!probe)
        returnError(ERROR_009_PROBE_NOT_EXISTS);
    return probe;
}

void TExternalCommunicationHandler::reloadProbe(TAbstractProbe* pProbe)
{
    if (!pProbe || !mInternalSCPIHandler)
        return;
    bool failed = false;
    const std::unique_ptr<TAbstractProbe> read =
        mInternalSCPIHandler->createProbeFromInstrument(pProbe->internalProbeNumber(), failed, false);
    if (failed || !read)
        return;
    pProbe->copyContent(*read);
    refreshChannelView();
}

void TExternalCommunicationHandler::refreshChannelView()
{
    if (!mChannelViewControllerManager)
        return;
    if (TAbstractChannelViewController* view = mChannelViewControllerManager->currentViewController())
        view->initGUI();
}

void TExternalCommunicationHandler::answerChannelValue(const TAbstractChannel& pChannel)
{
    if (pChannel.hasShownValue())
        returnResponse(channelValueAsString(pChannel));
    else
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
}

QString TExternalCommunicationHandler::channelValueAsString(const TAbstractChannel& pChannel) const
{
    QString temperature;
    QString electrical;
    Electrical_temperature_units::EnUnit temperatureUnit = Electrical_temperature_units::uUndefined;
    Electrical_temperature_units::EnUnit electricalUnit = Electrical_temperature_units::uUndefined;
    Electrical_temperature_units::EnUnitType mainValueType = Electrical_temperature_units::utTemperature;
    pChannel.currentValue(temperature, temperatureUnit, electrical, electricalUnit, QStringLiteral("."), mainValueType,
                          true);
    return electrical + unitToText(electricalUnit) + QLatin1Char(',') + temperature + unitToText(temperatureUnit);
}
