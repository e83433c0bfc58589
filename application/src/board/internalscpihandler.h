#pragma once

#include "calitemid.h"
#include "channel_enums.h"
#include "instrumenttype.h"
#include "measurementboardinfo.h"
#include "probe_enums.h"
#include "switchboxoperatingmode.h"
#include "switchboxtype.h"
#include "zelkvector.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class TAbstractChannel;
class TAbstractProbe;
class TIntCommController;
class TPhysicalChannel;
class TPRTChannel;
class TPRTProbe;
class TSmartProbePRT;
class TTCProbe;
class TThermistorProbe;

// The typed command set of the measurement board: every board operation of the
// system is one method here, which builds the command text, sends it over the
// board link and turns the reply into typed results. Methods report failures
// in one of three styles: bool (true on success); an int return code (-1 when
// the link failed or the reply does not parse, otherwise the number of the
// board's "E" reply, 0 on success); or a typed value that is -1, undefined or
// NaN on failure. Nothing here retries or shows a message. Created by the main
// window right after the link, which it does not own.
class TInternalSCPIHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr short ERROR_CODE_COMMAND_SUCCESSFUL = 0;
    static constexpr short ERROR_CODE_NO_PROBE_CONNECTED = 1;
    static constexpr short ERROR_CODE_UNRECOGNIZED_COMMAND_SENT = 4;
    static constexpr short ERROR_CODE_ILLEGAL_COMMAND_SENT = 5;
    static constexpr short ERROR_CODE_PROBE_NOT_EXISTS = 9;
    static constexpr short ERROR_CODE_COEFFICIENT_UNAVAILABLE = 10;
    static constexpr short ERROR_CODE_PROBE_ALREADY_ASSIGNED_TO_A_CHANNEL = 11;
    static constexpr short ERROR_CODE_CHANNEL_OR_PROBE_UNAVAILABLE = 14;
    static constexpr short ERROR_CODE_NO_SMART_PROBE_DETECTED = 222;
    static constexpr short ERROR_CODE_SMART_PROBE_DISABLED = 223;
    static constexpr short ERROR_CODE_SMART_PROBE_LOCKED = 224;
    static constexpr int SWITCH_BOX_TYPE_TC8 = 1;
    static constexpr int SWITCH_BOX_TYPE_TC16 = 2;
    static constexpr int SWITCH_BOX_TYPE_PRT8 = 3;
    static constexpr int SWITCH_BOX_TYPE_PRT16 = 4;
    // Milliseconds the board needs after a channel change before a SMART probe's
    // memory can be read.
    static constexpr int SMART_PROBE_READ_PAUSE = 250;

    // After an exchange that went unanswered the screen needs a moment to show
    // what it changed (a withdrawn value, a page that closed) before the next
    // exchange holds the event loop again, a silent board's for the link's
    // whole wait: over VNC a picture takes several turns of the loop to leave.
    // Shorter than the measuring cycle's 500 ms, so that it passes over one
    // tick only.
    static constexpr int SCREEN_TURN_MILLISECONDS = 400;

    explicit TInternalSCPIHandler(TIntCommController* pCommController);
    ~TInternalSCPIHandler() override;

    // Failed exchanges and hang-ups of the board link so far: whatever the
    // board was told before the count last rose, a restarted board has lost.
    quint64 linkInterruptions() const;
    // Milliseconds the screen's turn after the last exchange that failed or met
    // a hung-up line still lasts, whoever sent it; 0 once it is over and while
    // none has. The measuring cycle and the remote command queue start no
    // exchange of their own meanwhile; an answered exchange, however late,
    // gives the screen no turn.
    int screenTurnLeft() const;
    // Where the end of a failed exchange and the screen's turn are timed, in
    // milliseconds on a monotonic scale; the system's unless a test puts its
    // own here.
    void setMonotonicClock(std::function<qint64()> pMilliseconds);

    // True only for the board's error replies the system acts on ("E1", "E4",
    // "E5", "E9", "E10", "E11", "E14", "E222", "E223", "E224").
    bool errorOccurred(const QString& pResponse) const;
    bool explicitCommandConfirmation(const QString& pResponse) const;
    // The number of an "E" reply ("E0" gives 0); -1 for any other reply.
    int returnCode(const QString& pResponse) const;

    // Identification and system.
    // Empty when the link failed or the reply does not have its five fields.
    std::unique_ptr<TMeasurementBoardInfo> getMeasurementBoardInfo();
    // False only when the link failed.
    bool getSystemCalibrated(bool& oCalibrated) const;
    // False only when the link failed; a reply that is no number gives 0 seconds.
    bool getSystemOperatingTime(unsigned int& oSeconds) const;
    // Return-code style; 5 without asking the board for a type it cannot be set to.
    int setInstrumentType(EnInstrumentType pInstrumentType) const;

    // Channels and measurement.
    bool setConfChan(int pChannel);
    bool setConfChanFunc(int pChannel, const zelk::vector<short>& pArgumentChannels);
    // The measured channel and its operands (0 where there is none); 0 with
    // oFailed set when the link failed or the board answered an error.
    int getConfChan(bool& oFailed, int& oChannelX, int& oChannelY);
    // False when the link failed, the board answered an error (its number in
    // oErrorCode) or the reply does not parse. Values not read stay NaN.
    bool getMeasCurr(double& oElectricalValue, double& oTemperatureValue,
                     Probe_enums::EnSmartProbeStatus& oSmartProbeStatus,
                     Probe_enums::EnTemperatureAccuracyStatus& oTemperatureStatus, short& oErrorCode);
    // True only for a number within the item's range; an out-of-range reading is
    // stored together with its status and still gives false.
    bool getMeasRaw(double& oElectricalValue, Channel::EnRawValueStatus& oRawValueStatus, EnCalItemID pCalItem);
    bool setTC_ConversionEnabled(bool pEnabled);

    // Switch boxes on the expansion ports 1 to 4. The text queries pass any reply
    // on as it is, error replies included.
    bool getSystemSwitchboxType(int pSwitchBoxNumber, EnSwitchBoxType& oSwitchBoxType) const;
    bool getSystemSwitchboxSerialNumber(int pSwitchBoxNumber, QString& oSerialNumber) const;
    bool getSystemSwitchboxPCBSerialNumber(int pSwitchBoxNumber, QString& oSerialNumber) const;
    bool getSystemSwitchboxFirmwareVersion(int pSwitchBoxNumber, QString& oVersion) const;
    // An invalid date that parsed is stored and gives false.
    bool getSystemSwitchboxDate(int pSwitchBoxNumber, QDate& oDate) const;
    int setSystemSwitchboxDate(int pSwitchBoxNumber, const QDate& pDate) const;
    int setSystemSwitchboxSerialNumber(int pSwitchBoxNumber, const QString& pSerialNumber) const;
    int setSystemSwitchboxPCBSerialNumber(int pSwitchBoxNumber, const QString& pSerialNumber) const;
    int setSystemSwitchboxOperatingMode(int pSwitchBoxNumber, EnSwitchBoxOperatingMode pMode) const;

    // The probe memory: custom probes 1 to 80, default probes 81 to 85, each
    // kept on the board as its probe record. True only when the board confirmed.
    bool storeProbe(const TAbstractProbe& pProbe) const;
    // Stores the empty record, with the field count of the board's variant.
    bool deleteProbe(int pProbeNumber) const;
    // Empty with oFailed set when the link failed or the board answered an
    // error; empty with oFailed clear for an empty slot or a record the probe
    // record reader refuses.
    std::unique_ptr<TAbstractProbe> createProbeFromInstrument(int pProbeNumber, bool& oFailed,
                                                              bool pDefaultProbe) const;

    // Single parameters of a stored probe. The header follows the probe's
    // family ("prob:" for PRT and SMART probes, "sens:tc:", "sens:ther:");
    // a probe of any other class sends nothing and gives false. The board
    // answers these with ACK alone: true says only that the link carried the
    // command, not that the board took the value. The probe object is not changed.
    bool assignProbeToChannel(const TAbstractProbe& pProbe, int pChannelNumber) const;
    bool setProbeStatusReference(const TAbstractProbe& pProbe, bool pReference) const;
    bool setProbeName(const TAbstractProbe& pProbe, const QString& pProbeName) const;
    bool setProbeTmax(const TAbstractProbe& pProbe, double pTemperature) const;
    bool setProbeTmin(const TAbstractProbe& pProbe, double pTemperature) const;
    bool setProbeCalDate(const TAbstractProbe& pProbe, QDate pDate) const;
    bool setPRT_KeepWarmCurrent(const TPRTProbe& pProbe, bool pKeepWarmCurrent) const;
    bool setPRT_CurrentFactorRoot2(const TPRTProbe& pProbe, bool pValue) const;
    bool setPRT_Conversion(const TPRTProbe& pProbe, Probe_enums::EnConvPRT pConversion) const;
    bool setPRT_Coefficient(const TPRTProbe& pProbe, int pCoeffIndex, double pValue) const;
    bool setPRT_ReferenceResistor(const TPRTProbe& pProbe, Probe_enums::EnIntResPRT pResistor) const;
    bool setPRT_Wiring(const TPRTProbe& pProbe, Probe_enums::EnWiring pWiring) const;
    bool setPRT_ProbeType(const TPRTProbe& pProbe, Probe_enums::EnPRTType pType) const;
    bool setPRT_ExcitationCurrent(const TPRTProbe& pProbe, Probe_enums::EnPRTOperatingCurrentSetting pSetting) const;
    bool setTC_ProbeType(const TTCProbe& pProbe, Probe_enums::EnThermocoupleType pType) const;
    // A junction on another channel names that channel; without one nothing is
    // sent and the result is false.
    bool setTC_Compensation(const TTCProbe& pProbe, Probe_enums::EnReferenceJunction pRefJunction,
                            TPRTChannel* pReferenceChannel) const;
    bool setTC_Conversion(const TTCProbe& pProbe, Probe_enums::EnConvTC pConversion) const;
    bool setTC_Coefficient(const TTCProbe& pProbe, int pCoeffIndex, double pValue) const;
    bool setTherm_Conversion(const TThermistorProbe& pProbe, Probe_enums::EnConvThermistor pConversion) const;
    bool setTherm_Coefficient(const TThermistorProbe& pProbe, int pCoeffIndex, double pValue) const;

    // The excitation current and range the board uses for a stored probe; the
    // undefined value when the link failed or the board gave an error or no number.
    Probe_enums::EnPRTOperatingCurrent getPRTProbeCurrent(int pProbeNumber) const;
    Probe_enums::EnThermOperatingCurrent getThermProbeCurrent(int pProbeNumber) const;
    Probe_enums::EnRange getThermProbeRange(int pProbeNumber) const;

    // Calibration data, the user's set or the factory's. The stores follow the
    // return-code style and announce an accepted store with their signal.
    int storeTwoPointCalibrationItemData(EnCalItemID pItemID, double pOffset, double pSlope, QDate pCalDate,
                                         bool pFactoryCalibration);
    // False when the link failed, the board gave an error or the reply does not
    // parse (outputs read so far keep their new values), and for factory data
    // without a valid date; user data never calibrated reads with an invalid date.
    bool twoPointCalibrationItemData(EnCalItemID pItemID, double& oOffset, double& oSlope, QDate& oLastCalDate,
                                     bool pFactoryCalibration) const;
    // The cold-junction offset of a thermocouple channel (3, 4 or 6).
    int storeCJCOffset(const TAbstractChannel& pChannel, double oOffset, QDate pCalDate, bool pFactoryCalibration);
    // Return-code style; the offset stays NaN and the date null unless the reply
    // gives an offset that is a number (or "nan") and its date.
    int cjcOffset(const TAbstractChannel& pChannel, double& oOffset, QDate& oLastCalDate,
                  bool pFactoryCalibration) const;
    // False when the link failed or the board answered "0" or an error.
    bool restoreFactoryCalibration() const;

    // SMART probes. The board reads a SMART probe's memory for the channel it
    // measures; it needs SMART_PROBE_READ_PAUSE after a channel change first,
    // so each method below but getConfChanSmar blocks until that time has
    // passed since pLastChannelChange (events are not processed meanwhile).
    // Whether the measured channel has a SMART probe; oFailed when the link
    // failed or the board answered an error or no number.
    bool getConfChanSmar(bool& oFailed);
    // Writes: return-code style.
    int setSmartProbe_Name(const QString& pName, QDateTime pLastChannelChange) const;
    int setSmartProbe_StatusReference(bool pIsReference, QDateTime pLastChannelChange) const;
    // An invalid date clears the probe's date.
    int setSmartProbe_CalDate(QDate pDate, QDateTime pLastChannelChange) const;
    int setSmartProbe_CalNext(QDate pDate, QDateTime pLastChannelChange) const;
    int setSmartProbe_CalSource(const QString& pSource, QDateTime pLastChannelChange) const;
    int setSmartProbe_Enable(bool pEnable, QDateTime pLastChannelChange) const;
    int setSmartProbe_Lock(bool pLock, QDateTime pLastChannelChange) const;
    int setSmartProbe_ReferenceResistor(Probe_enums::EnSmartProbeReference pReference,
                                        QDateTime pLastChannelChange) const;
    int setSmartProbe_Standard(Probe_enums::EnSmartProbeStandard pStandard, QDateTime pLastChannelChange) const;
    int setSmartProbe_Coefficient(int pCoeffIndex, double pValue, QDateTime pLastChannelChange) const;
    int setSmartProbe_Range(double pRMax, double pRMin, QDateTime pLastChannelChange) const;
    // Reads: 0 with the value; -1 when the link failed or the reply does not
    // parse, the board's error number for an error. Each output is set to its
    // "nothing read" value before the command goes out (the dates excepted,
    // which stay as they are).
    int smartProbe_Name(QString& oName, QDateTime pLastChannelChange) const;
    int smartProbe_StatusReference(bool& oIsReference, QDateTime pLastChannelChange) const;
    // An empty reply is no date: a null date and 0.
    int smartProbe_CalDate(QDate& oDate, QDateTime pLastChannelChange) const;
    int smartProbe_CalNext(QDate& oDate, QDateTime pLastChannelChange) const;
    int smartProbe_CalSource(QString& oSource, QDateTime pLastChannelChange) const;
    int smartProbe_Enabled(bool& oEnabled, QDateTime pLastChannelChange) const;
    int smartProbe_Locked(bool& oLocked, QDateTime pLastChannelChange) const;
    int smartProbe_ReferenceResistor(Probe_enums::EnSmartProbeReference& oRefRes, QDateTime pLastChannelChange) const;
    int smartProbe_Standard(Probe_enums::EnSmartProbeStandard& oStandard, QDateTime pLastChannelChange) const;
    // -1 without asking the board for an index outside 1 to 8.
    int smartProbe_Coefficient(int pCoeffIndex, double& oCoeff, QDateTime pLastChannelChange) const;
    // All six or none: a reply that does not give six numbers leaves every output NaN.
    int smartProbe_Range(double& oWorkMax, double& oWorkMin, double& oRecMaxLastCal, double& oRecMinLastCal,
                         double& oRecMaxEver, double& oRecMinEver, QDateTime pLastChannelChange) const;
    // Reads the whole memory of the measured channel's SMART probe (14 commands
    // for a Callendar-Van Dusen or EN 60751 set, 17 for ITS-90); empty as soon
    // as one read fails.
    std::unique_ptr<TSmartProbePRT> createSmartProbeFromCurrentChannel(TPhysicalChannel* pPhysChan,
                                                                       QDateTime pLastChannelChange) const;

    // Where the wait before a SMART probe access takes the current time from
    // and how it blocks. The time of the last channel change is a wall-clock
    // time, so the time still to wait is taken from the wall clock once, held
    // to at most SMART_PROBE_READ_PAUSE, and spent on the monotonic clock:
    // setting the system time cannot lengthen it. Tests put their own here.
    struct TWaitClock
    {
        std::function<QDateTime()> mCurrentDateTime;
        std::function<void(int pMilliseconds)> mBlock;
    };
    void setWaitClock(const TWaitClock& pClock);
    static TWaitClock systemWaitClock();

signals:
    // A reply had the wrong number of fields or a field that is no number.
    void responseFormatError();
    // New calibration data reached the board.
    void twoPointCalibrationItemStored(EnCalItemID pItemID);
    void cjcOffsetStored(const TAbstractChannel& pChannel);

private:
    QString sendCommand(const QString& pCommand, bool pResponseExpected, bool& oFailed) const;
    // Sends a command whose reply is an "E" and a number; -1 when the link failed.
    int sendReturnCodeCommand(const QString& pCommand) const;
    bool querySwitchboxText(const QString& pHeader, int pSwitchBoxNumber, QString& oText) const;
    // Sends a command the board answers with ACK alone; false when the link failed.
    bool sendSetting(const QString& pCommand) const;
    bool sendProbeFamilySetting(const TAbstractProbe& pProbe, const char* pPRTHeader, const char* pThermocoupleHeader,
                                const char* pThermistorHeader, const QString& pValue) const;
    int queryProbeSetting(const char* pHeader, int pProbeNumber) const;

    void waitForSmartProbe(const QDateTime& pLastChannelChange) const;
    int sendSmartProbeWrite(const QString& pCommand, const QDateTime& pLastChannelChange) const;
    // Waits, then sends a query. False with oResult -1 when the link failed or
    // the board's error number when it answered an error; else the reply.
    bool querySmartProbe(const QString& pCommand, const QDateTime& pLastChannelChange, QString& oReply,
                         int& oResult) const;
    int smartProbeDate(const char* pCommand, QDate& oDate, const QDateTime& pLastChannelChange) const;
    int smartProbeFlag(const char* pCommand, bool& oFlag, const QDateTime& pLastChannelChange) const;
    // The value stays as it is unless the reply is a decimal integer.
    int smartProbeInteger(const char* pCommand, int& oValue, const QDateTime& pLastChannelChange) const;

    TIntCommController* mCommController;
    TWaitClock mWaitClock;
    std::function<qint64()> mMonotonicMs;
    // When the last exchange that failed ended; none before the first. Kept by
    // every command, the queries among them.
    mutable std::optional<qint64> mUnansweredExchangeEnd;
};
