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
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class TIntCommController;

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

    explicit TInternalSCPIHandler(TIntCommController* pCommController);
    ~TInternalSCPIHandler() override;

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

signals:
    // A reply had the wrong number of fields or a field that is no number.
    void responseFormatError();

private:
    QString sendCommand(const QString& pCommand, bool pResponseExpected, bool& oFailed) const;
    // Sends a command whose reply is an "E" and a number; -1 when the link failed.
    int sendReturnCodeCommand(const QString& pCommand) const;
    bool querySwitchboxText(const QString& pHeader, int pSwitchBoxNumber, QString& oText) const;

    TIntCommController* mCommController;
};
