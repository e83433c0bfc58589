#pragma once

#include "simulatedcalibration.h"
#include "simulatedinput.h"
#include "simulatedprobememory.h"
#include "simulatedsmartprobe.h"
#include "switchboxtype.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>

#include <array>
#include <chrono>
#include <functional>
#include <map>
#include <random>
#include <utility>

// What the simulated board answers to one command: ACK alone, or ACK and a reply.
struct TBoardAnswer
{
    bool mReplyExpected = true;
    QByteArray mReply;
};

struct TBoardIdentity
{
    QString mMaker = QStringLiteral("ZELK");
    QString mModel = QStringLiteral("ZTM9900");
    QString mSerialNumber = QStringLiteral("MB19040017");
    QString mFirmwareVersion = QStringLiteral("1.32");
    QDate mFirmwareDate = QDate(2021, 3, 15);
};

struct TSimulatedSwitchBox
{
    EnSwitchBoxType mType = sbtNotFitted;
    QString mSerialNumber;
    QString mPCBSerialNumber;
    QString mFirmwareVersion;
    QDate mDate;
    int mOperatingMode = 1;
};

// The state of the simulated measurement board and its command set: identity,
// the measured channel and the operands of the derived channels, the inputs
// with their sensors and temperatures, the switch boxes on the four expansion
// ports, the probe memory, the calibration data and the SMART probes. It knows
// nothing of framing or threads; the simulator holds it under its lock. The
// command table is open: each command group adds its handlers to it.
class TBoardState
{
public:
    enum EnInputKind { ikNone, ikPRT, ikThermocouple, ikMixed };

    static constexpr int PORT_COUNT = 4;
    static constexpr int RECIPROCAL_CHANNEL = 9;
    static constexpr int FIRST_BINARY_CHANNEL = 10;
    static constexpr int LAST_BINARY_CHANNEL = 13;

    TBoardState();

    // Answers one command text (without CRC and terminator) at pNow seconds of
    // the simulator's clock.
    TBoardAnswer execute(const QByteArray& pCommand, double pNow);
    // Seconds on the monotonic clock since the board was created.
    double secondsSinceStart() const;
    // What the board forgets when it restarts: it measures input 1 again, the
    // derived channels have no operands and the thermocouple setting is the
    // power-on one. Probe memory, calibration data and what is connected to
    // the inputs stay.
    void restart();

    // What an input can take; ikNone for numbers that are no input of the board
    // or of a fitted switch box.
    EnInputKind inputKind(int pChannel) const;
    // False when the sensor does not fit the kind of input. A SMART probe in
    // the input goes: the new sensor (or none) takes its place.
    bool plugSensor(int pChannel, EnSimulatedSensor pSensor);
    // Plugs a SMART probe into a resistance input, with the platinum sensor its
    // reference resistor names; false for any other input.
    bool plugSmartProbe(int pChannel, const TSimulatedSmartProbe& pProbe);
    // Fields in the probe records of this board: 33 on the variants after the
    // first, 32 on the first.
    int probeRecordFieldCount() const;
    // Keeps the sensor; false for a channel that is no input.
    bool setSignal(int pChannel, const TTemperatureSignal& pSignal);
    // False for a channel that is no input.
    bool setOpen(int pChannel, bool pOpen);
    // The reading "meas:curr?" gives for a channel: 0 with the values, or the board's error number.
    int reading(int pChannel, double pNow, double& oElectrical, double& oTemperature, int& oRangeStatus);

    TBoardIdentity mIdentity;
    bool mCalibrated = true;
    // Operating time before this run of the simulator, in seconds.
    quint32 mOperatingTimeBase = 3600000;
    int mMeasuredChannel = 1;
    // Operands of the derived channels 9 to 13, as the last "conf:chan:func" set them.
    std::map<int, std::pair<int, int>> mOperands;
    bool mThermocoupleMillivolt = false;
    double mColdJunctionTemperature = 23.0;
    std::map<int, TSimulatedInput> mInputs;
    std::array<TSimulatedSwitchBox, PORT_COUNT> mSwitchBoxes;
    TSimulatedProbeMemory mProbeMemory;
    TSimulatedCalibration mCalibration;
    // The instrument calibration's external references, by input: a fixed
    // resistance in ohm on input 1, a fixed voltage in millivolt on a
    // thermocouple input. "meas:raw?" of an item on such an input reads the
    // reference through the item's hidden error.
    std::map<int, double> mExternalReferences;
    struct TRawError
    {
        double mGain = 1.0;
        double mOffset = 0.0;
    };
    // By calibration item 1 to 7: raw = gain * reference + offset. The board
    // gives that raw value through the item's user correction, slope * raw +
    // offset, in "meas:raw?" and in "meas:curr?" of the input alike.
    std::array<TRawError, TSimulatedCalibration::ITEM_COUNT> mRawErrors;
    // The cold-junction calibration adaptor: while it is connected, channel 1
    // and mAdaptorChannel read its temperature, the latter off by
    // mAdaptorError less the user's stored cold-junction offset of the input.
    bool mAdaptorConnected = false;
    int mAdaptorChannel = 3;
    double mAdaptorTemperature = 25.0;
    double mAdaptorError = 0.0;
    TSimulatedSmartProbes mSmartProbes;

    // A handler gets the text after the header's blank and returns the reply
    // text (ignored for commands answered with ACK alone).
    using THandler = std::function<QByteArray(const QString& pArguments, double pNow)>;
    // Adds or replaces the command with this header ("meas:curr?", "conf:chan").
    void addCommand(const char* pHeader, bool pReplyExpected, THandler pHandler);
    // Whether the board answers the command with a reply (an unknown one gets an error reply).
    bool hasReply(const QByteArray& pCommand) const;
    // The handler of a command, so that a test can wrap it; empty for a header the board does not know.
    THandler commandHandler(const char* pHeader) const;

private:
    struct TCommand
    {
        bool mReplyExpected;
        THandler mHandler;
    };

    void addSystemCommands();
    void addChannelCommands();
    void addSwitchBoxCommands();

    // The calibration item whose range measures an external reference on the
    // input: the thermocouple input's own, on input 1 the reference resistor
    // of the probe assigned there (the 100 ohm one without a probe).
    int referenceItem(int pChannel) const;
    // The reference as the board reads it through the item's hidden error and its user correction.
    double correctedReference(int pItem, double pReference) const;
    QByteArray measureCurrent(double pNow);
    QByteArray measureRaw(const QString& pArguments, double pNow);
    // The fitted box for a port number 1 to 4, or null.
    TSimulatedSwitchBox* fittedBox(int pPort);
    QByteArray switchBoxText(const QString& pArguments, QString TSimulatedSwitchBox::*pField);
    QByteArray setSwitchBoxText(const QString& pArguments, QString TSimulatedSwitchBox::*pField);

    QHash<QByteArray, TCommand> mCommands;
    std::chrono::steady_clock::time_point mStart;
    std::mt19937 mRandom;
};
