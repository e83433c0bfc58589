#pragma once

#include "electrical_temperature_units.h"
#include "scpicommand.h"

#include <QDateTime>
#include <QObject>
#include <QQueue>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class TAbstractChannel;
class TAbstractProbe;
class TChannelController;
class TChannelViewControllerManager;
class TExternalCommunicationInterface;
class TInternalSCPIHandler;
class TLogfileController;
class TLogfileDownload;
class TProbeController;
struct TProbeCommandGroup;

// The one remote command handler: every transport hands it the text it
// receives. It decides which transport holds remote access, cuts the text into
// lines, queues them, parses each, answers the system commands itself and
// offers the others to the command groups in a fixed order. It holds remote
// and local mode and the acknowledgement mode. Built and owned by the main
// window; runs in the GUI thread.
class TExternalCommunicationHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr int RS = 30;
    // A downloaded log file leaves in pieces of this many characters, so that
    // a file of any size needs no more memory than one piece; the next piece
    // is read only while the client's transport has room for output.
    static constexpr qint64 LOGFILE_DOWNLOAD_PIECE_LENGTH = 64 * 1024;
    static constexpr int AUTH_LEVEL_ZELK_SERVICE = 1;
    static constexpr int AUTH_LEVEL_PRODUCTION = 2;

    static constexpr int ERROR_001_BALANCE_ERROR = 1;
    static constexpr int ERROR_002_TEMP_OVER_RANGE = 2;
    static constexpr int ERROR_004_UNRECOGNIZED_INSTRUCTION = 4;
    static constexpr int ERROR_005_ILLEGAL_ARGUMENT = 5;
    static constexpr int ERROR_006_INCOMPATIBLE_UNIT = 6;
    static constexpr int ERROR_009_PROBE_NOT_EXISTS = 9;
    static constexpr int ERROR_010_COEFFICIENT_NOT_AVAILABLE = 10;
    static constexpr int ERROR_011_PROBE_ALREADY_ASSIGNED_TO_CHANNEL = 11;
    static constexpr int ERROR_012_REQUESTED_FILE_NOT_EXISTS = 12;
    static constexpr int ERROR_013_ACCESS_DENIED = 13;
    static constexpr int ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE = 14;
    static constexpr int ERROR_015_LOGGER_NOT_ACTIVE_OR_MANUAL_MODE = 15;
    static constexpr int ERROR_016_REQUESTED_FILE_IN_USE = 16;
    static constexpr int ERROR_017_MEMORY_FULL = 17;
    static constexpr int ERROR_018_FAILED_TO_STORE_CALIBRATION_DATA = 18;
    static constexpr int ERROR_019_FAILED_TO_GET_CALIBRATION_DATA = 19;
    static constexpr int ERROR_222_NO_SMART_PROBE_DETECTED = 222;
    static constexpr int ERROR_223_SMART_PROBE_DISABLED = 223;
    static constexpr int ERROR_224_SMART_PROBE_LOCKED = 224;

    // A client that never ends its line, or floods the instrument while a long
    // command runs, must not exhaust its memory: a longer line is discarded
    // and answered with error 5, a line that arrives while queued commands run
    // and finds the queue full is dropped and answered with error 17, each in
    // its turn.
    static constexpr int MAX_LINE_LENGTH = 64 * 1024;
    static constexpr int MAX_QUEUED_COMMANDS = 1000;
    // Queued commands run back to back for this long, then the event loop
    // takes a turn: a batch costs little more per command than the command
    // itself, while the measuring cycle's polls and a calibration routine's
    // wait, which the commands may run in, are held up no longer than this
    // and the command that runs when it ends.
    static constexpr qint64 COMMAND_TURN_MILLISECONDS = 4;

    TExternalCommunicationHandler(TInternalSCPIHandler* pInternalSCPIHandler, TChannelController* pChannelController,
                                  TProbeController* pProbeController,
                                  TChannelViewControllerManager* pChannelViewControllerManager,
                                  TLogfileController* pLogfileController);
    ~TExternalCommunicationHandler() override;

    // Every chunk a transport receives. False when the text was refused
    // because another transport holds remote access in remote mode.
    bool processIncomingString(TExternalCommunicationInterface* pCommInterface, const QString& pString);
    bool isInRemoteMode() const { return mRemoteMode; }
    // How many more lines pCommInterface may hand over before a full queue
    // drops them with error 17: a serial line reads no more than this many
    // bytes and stops reading at 0, as the client's text then waits in the
    // line. Unbounded while the queue is empty or for another transport.
    int queueRoom(const TExternalCommunicationInterface* pCommInterface) const;
    // pCommInterface's queued commands are being run: a transport that reads
    // in chunks takes the next one once they have run out, as the lines of a
    // chunk are all taken, and the handler tells it by queueRanOut().
    bool isRunningCommandsOf(const TExternalCommunicationInterface* pCommInterface) const;
    // The transport's client has gone.
    void interfaceDisconnected(TExternalCommunicationInterface* pCommInterface);
    // The transport has sent on what its client had left unread: commands
    // that waited for room go on.
    void outputDrained(TExternalCommunicationInterface* pCommInterface);
    // The local user takes the instrument back; nothing in local mode.
    void abortRemoteMode();

    // The remote text of a unit; empty for an undefined one.
    static QString unitToText(Electrical_temperature_units::EnUnit pUnit);

    // Where "syst:date?" and "syst:time?" take the local time from; tests set a fixed one.
    void setCurrentDateTime(std::function<QDateTime()> pCurrentDateTime);

    // Where a channel scan takes its time from and how it waits out the
    // settle time; the queue's turns are measured on the same clock. A monotonic clock: the scan holds the instrument,
    // and a system time set back during a scan must not hold it for that long. The wait lasts at most the time given
    // and may end early, after events came: the scan looks then whether its client is still there. Tests put their own
    // here.
    struct TScanClock
    {
        std::function<qint64()> mElapsedMilliseconds;
        std::function<void(int pMilliseconds)> mWait;
    };
    void setScanClock(const TScanClock& pClock);
    static TScanClock systemScanClock();

    // Whether the command's header is the short or the long form given; the
    // parser has lower-cased it, so the forms are compared exactly.
    static bool isCommand(const TSCPICommand& pCommand, const char* pShortForm, const char* pLongForm = nullptr);

    // Shared operations of the command groups. Replies go to the transport
    // holding remote access, with CR LF; without one they are dropped.
    void returnResponse(const QString& pResponse);
    void returnError(int pError);
    // "ACK" in acknowledgement mode only, after a set command succeeded.
    void sendAck();
    // At least pCount parameters, else error 5.
    bool assertArgCount(const TSCPICommand& pCommand, unsigned int pCount);
    // The service access level in force is at least pLevel, else error 13.
    bool assertAuthLevel(int pLevel);
    // An integer parameter, or with pAcceptChannelList the first number of a
    // non-empty channel list; sends no error.
    bool getIntParam(const std::unique_ptr<TSCPIParameter>& pParam, int& oIntParamValue, bool pAcceptChannelList) const;
    // A text parameter only: a bare number is refused; sends no error.
    bool getStringParam(const std::unique_ptr<TSCPIParameter>& pParam, QString& oStringValue) const;
    // Year, month and day as three integer parameters (no channel lists) from
    // the one at pFirst on, together a valid calendar date; sends no error.
    bool getDateParams(const TSCPICommand& pCommand, unsigned int pFirst, QDate& oDate) const;
    // An integer 1 to 4, else error 5.
    bool getSwitchBoxNumber(const std::unique_ptr<TSCPIParameter>& pParam, int& oSwitchBoxNumber);
    // A calibration routine runs and owns the board's channel: a command that
    // would select what the board measures, or change how it measures the
    // routine's channel, answers error 14 meanwhile.
    bool channelHeldByRoutine() const;
    // The same for what the routine's points are measured with: one of its
    // channels, a probe assigned to one of them, a calibration item of the
    // board that measures one of them. Others stay free.
    bool heldByRoutine(const TAbstractChannel* pChannel) const;
    bool heldByRoutine(const TAbstractProbe* pProbe) const;
    bool calibrationItemHeldByRoutine(int pItem) const;
    // The probe an integer parameter names; null after error 5 (no integer)
    // or error 9 (no such probe).
    TAbstractProbe* probeByParameter(const std::unique_ptr<TSCPIParameter>& pParameter);
    // Reads the probe back from the board, which keeps the master copy, into
    // pProbe and refreshes the shown channel view; a failed read changes
    // nothing and reports nothing.
    void reloadProbe(TAbstractProbe* pProbe);
    // Lets the current channel view show what changed; nothing without one.
    void refreshChannelView();
    // Electrical value and unit, ",", temperature and unit, "." as separator.
    QString channelValueAsString(const TAbstractChannel& pChannel) const;
    // The channel's pair, or E14 where the channel has no value to give: none from the board, or frozen while
    // it had none.
    void answerChannelValue(const TAbstractChannel& pChannel);

    // The command groups, offered a command in this order; each returns
    // whether the header is one of its own.
    bool processCommand_Measure(const TSCPICommand& pCommand);
    bool processCommand_Configure(const TSCPICommand& pCommand);
    bool processCommand_Logger(const TSCPICommand& pCommand);
    bool processCommand_Probe(const TSCPICommand& pCommand);
    bool processCommand_SenseThermocouple(const TSCPICommand& pCommand);
    bool processCommand_SenseFrtd(const TSCPICommand& pCommand);
    bool processCommand_SenseThermistor(const TSCPICommand& pCommand);
    bool processCommand_Calibration(const TSCPICommand& pCommand);
    bool processCommand_SwitchBox(const TSCPICommand& pCommand);

signals:
    void remoteModeChanged(bool pRemoteMode);

private:
    // Starts running the queue unless it runs already.
    void processCommandQueue();
    // Runs queued commands for one turn, then returns to the event loop.
    void runNextCommand();
    // The next turn of commands, once the screen has had its turn and the
    // measuring cycle has been given back a tick it was owed.
    void scheduleNextCommand();
    void onOwedTickSettled();
    // TInternalSCPIHandler::screenTurnLeft, 0 without a board.
    int screenTurnLeft() const;
    // TChannelController::isTickOwed, false without a channel controller.
    bool isTickOwed() const;
    // A client that reads nothing holds no more than the bound and one reply:
    // without room for output the next command is not run (false), and the
    // queue waits for outputDrained, outside any command.
    bool runQueuedCommand();
    // The commands of the transport holding access have all run: another
    // whose text waited takes over, or the one that had access reads on.
    void queueRanOut();
    // Cuts pString into lines and queues them.
    void takeText(const QString& pString);
    // Text of another transport that comes while the queue runs in local
    // mode: kept until the lines queued before it have all been answered.
    void holdText(TExternalCommunicationInterface* pCommInterface, const QString& pString);
    // The transport whose held text has the oldest complete lines takes
    // remote access, its lines run from the next turn; the unfinished line of
    // the one that had it is held for it. Nothing without complete lines.
    void giveTurnToHeldText();
    // Forgets pCommInterface's held text (all with null); its transport reads on.
    void dropHeldText(TExternalCommunicationInterface* pCommInterface);
    // Lines of pCommInterface's wait for their turn: its transport reads no more.
    bool holdsLinesOf(const TExternalCommunicationInterface* pCommInterface) const;
    void processCommand(const QString& pCommand);
    // pOverlong: in the place of a line that was too long, answered with error 5.
    void queueLine(const QString& pLine, bool pOverlong = false);
    void releaseRemoteAccess();
    // A long command ends early when the client it runs for has lost remote
    // access (gone, replaced, unplugged from its serial line, or the local
    // user took the instrument back) or the program has been told to end:
    // nobody would read its replies, and it would hold the instrument and the
    // program's end for as long as it runs.
    bool commandAbandoned() const;
    // Where the running command's replies go: the transport holding access,
    // unless access has changed hands since the command began (a client that
    // connected during a long command must not get its replies); null then.
    TExternalCommunicationInterface* replyInterface() const;
    // The line holding remote access has been closed since its text was
    // taken: the host on it was unplugged, and whoever comes next is another.
    bool hostLeftTheLine() const;
    void setRemoteMode(bool pRemoteMode);

    // The common course of the probe groups; true when the header is one of pGroup's.
    bool processProbeCommand(const TSCPICommand& pCommand, const TProbeCommandGroup& pGroup);

    // The system commands; true when the header was one of them.
    bool processSystemCommand_AnyMode(const TSCPICommand& pCommand);
    bool processSystemCommand_RemoteMode(const TSCPICommand& pCommand);
    // Made anew only when the identity has changed: clients poll it many times a second.
    const QString& identificationLine();
    void setAcknowledgeMode(const TSCPICommand& pCommand);
    void enterPassword(const TSCPICommand& pCommand);
    void setInstrumentType(const TSCPICommand& pCommand);
    void setInstrumentSerialNumber(const TSCPICommand& pCommand);
    void setManufacturingDate(const TSCPICommand& pCommand);
    void resetTouchscreenCalibration();
    void copyTouchscreenCalibration(const QString& pSource, const QString& pTarget);
    void startTouchscreenTest();
    void restoreUserData(const TSCPICommand& pCommand);
    // The path of the log file the command names; empty after error 5, 12 or 16.
    QString logfileByParameter(const TSCPICommand& pCommand);
    void downloadLogfile(const TSCPICommand& pCommand);
    // The running download's next piece; false without room for it.
    bool sendDownloadPiece();
    // Ends a running download where it stands.
    void endDownload();
    void eraseLogfile(const TSCPICommand& pCommand);

    // Measure and configure groups.
    void readCurrentValue();
    void readRawValue(const TSCPICommand& pCommand);
    void scanChannels(const TSCPICommand& pCommand);
    // False when the scan is to end (commandAbandoned).
    bool scanChannel(int pChannelNumber, int pSettleSeconds);
    void setPolling(const TSCPICommand& pCommand);
    void selectChannel(const TSCPICommand& pCommand);
    void queryMeasuredChannel();
    void setDerivedChannelOperands(const TSCPICommand& pCommand);
    void setChannelUnit(const TSCPICommand& pCommand);
    // The shown channel view, if any, shows this one channel.
    void showOnlyChannel(TAbstractChannel* pChannel);

    // Switch-box group.
    void querySwitchBoxType(const TSCPICommand& pCommand);
    void querySwitchBoxDate(const TSCPICommand& pCommand);
    void setSwitchBoxDate(const TSCPICommand& pCommand);
    void setSwitchBoxText(const TSCPICommand& pCommand, bool pCircuitBoard);
    void setSwitchBoxMode(const TSCPICommand& pCommand);

    // Factory calibration group.
    void storeFactoryItemData(const TSCPICommand& pCommand);
    void storeFactoryCJCOffset(const TSCPICommand& pCommand);
    void queryFactoryItemData(const TSCPICommand& pCommand);
    void queryFactoryCJCOffset(const TSCPICommand& pCommand);
    void removeThermocoupleProbe(const TSCPICommand& pCommand);
    // The transport's acknowledgement whatever the acknowledgement mode.
    void sendAckAlways();

    // SMART probe group.
    QDateTime lastChannelChange() const;
    // Answers the board operation's result: nothing for 0, else "E" and the number.
    bool smartProbeResult(int pResult);

    TInternalSCPIHandler* mInternalSCPIHandler;
    TChannelController* mChannelController;
    TProbeController* mProbeController;
    TChannelViewControllerManager* mChannelViewControllerManager;
    TLogfileController* mLogfileController;
    TExternalCommunicationInterface* mCommunicationInterface = nullptr;
    struct TQueuedLine
    {
        QString mLine;
        // Lines dropped behind this one while the queue was full.
        int mDroppedBehind = 0;
        bool mOverlong = false;
    };
    QQueue<TQueuedLine> mCommandQueue;
    QString mCommandInputBuffer;
    QString mIdentificationLine;
    quint64 mIdentificationRevision = 0;
    bool mRemoteMode = false;
    bool mSendAck = false;
    // From the first queued command until the queue and a download have run
    // out, also while the event loop turns between two turns of commands or
    // the queue waits for room: text that arrives meanwhile counts against the bound.
    bool mProcessingCommandQueue = false;
    // One command runs; nothing else may start one.
    bool mCommandRunning = false;
    // The queue waits for the client to read (outputDrained).
    bool mWaitingForRoom = false;
    // The queue waits for the measuring cycle's owed tick (onOwedTickSettled).
    bool mWaitingForOwedTick = false;
    // A log file going out; the queue goes on with it before the next command.
    std::unique_ptr<TLogfileDownload> mDownload;
    struct THeldText
    {
        TExternalCommunicationInterface* mInterface;
        quint64 mConnection;
        QString mText;
        bool mDiscardingLine;
        bool hasLines() const;
    };
    QList<THeldText> mHeldText;
    QTimer mNextCommand;
    // Warnings raised by the last command are shown before the queue goes on.
    bool mResumeAfterWarnings = false;
    // Counts the changes of hands of remote access; a command remembers the
    // count it began under, -1 outside a command.
    qint64 mAccessGeneration = 0;
    qint64 mCommandGeneration = -1;
    // The connection of the controlling transport that the buffered and
    // queued text came from.
    quint64 mInputConnection = 0;
    // The rest of a line that was too long is dropped up to its end.
    bool mDiscardingLine = false;
    std::function<QDateTime()> mCurrentDateTime;
    TScanClock mScanClock;
};
