#pragma once

#include "pseudoterminal.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

class TCalibratorThermalModel;

// The controller of a simulated Modbus calibrator as its registers show it.
struct TModbusCalibratorState
{
    QByteArray mPartNumber = "Q58";
    QByteArray mInstrumentName = "DWK4400";
    // 0 degrees Celsius, 1 degrees Fahrenheit.
    quint8 mUnitCode = 0;
    int mDigits = 1;
    // The controller keeps no more decimal digits than its range shows in 16
    // bits: two up to 327 degrees, one above.
    int mMaxDigits = 2;
    // Keeps mMaxDigits whatever number of digits it is asked for.
    bool mDigitsFixed = false;
    bool mDigitAutoranging = true;
    qint16 mSetPointRegister = 0;
    bool mSetPointPending = false;
};

// Line faults; a count is the number of requests it acts on, -1 for always.
struct TModbusCalibratorFaults
{
    int mSilence = 0;
    // Requests answered before the silence begins.
    int mSilenceAfter = 0;
    int mBadCrc = 0;
    int mExceptionCode = 0;
    int mExceptionCount = 0;
    int mForeignSlave = 0;
    int mForeignCount = 0;
    // Added to the time the bytes take on the line.
    int mLatencyMs = 0;
};

// A request as the peer read it off the line, with its own CRC check.
struct TModbusRequestRecord
{
    QByteArray mFrame;
    quint8 mSlave = 0;
    quint8 mFunction = 0;
    quint16 mRegister = 0;
    // The count of a read, the value of a write.
    quint16 mValue = 0;
    bool mChecksumValid = false;
};

// The Modbus side of a simulated calibrator: a Modbus RTU server of the
// libmodbus library on one pseudo-terminal pair, and a relay to the pair that
// the converter stand-in opens, which plays the line: its timing at 9600 baud,
// latency and faults, and a record of every request. Runs on two threads of
// its own; every method may be called from any thread.
class TModbusCalibratorPeer
{
public:
    static constexpr int SLAVE_ADDRESS = 1;
    static constexpr int BAUD_RATE = 9600;

    TModbusCalibratorPeer(TCalibratorThermalModel& pModel, int pTmax);
    ~TModbusCalibratorPeer();
    TModbusCalibratorPeer(const TModbusCalibratorPeer&) = delete;
    TModbusCalibratorPeer& operator=(const TModbusCalibratorPeer&) = delete;

    // Links the line's converter side at pLinkPath.
    bool start(const QString& pLinkPath, QString& oError);
    void stop();
    QString linkPath() const { return mProgramLine.linkPath(); }

    void withState(const std::function<void(TModbusCalibratorState&)>& pAction);
    void withFaults(const std::function<void(TModbusCalibratorFaults&)>& pAction);
    QList<TModbusRequestRecord> receivedRequests() const;
    void clearRecord();
    // Called on the relay's thread with each request frame as it arrives,
    // before it is answered (tests time an event of their own by the
    // calibrator's).
    void watchRequests(std::function<void(const QByteArray&)> pWatcher);

    // The Modbus CRC-16 as the peer computes it (table-driven), low byte first.
    static QByteArray checksum(const QByteArray& pFrame);

private:
    void serveLoop(const QString& pServerLinePath);
    void relayLoop();
    // What the server must not answer itself; returns an exception code or 0.
    int checkRequest(const quint8* pRequest) const;
    void prepareRegisters(void* pMapping);
    void takeWrite(quint16 pRegister, quint16 pValue);
    void fromProgram(const QByteArray& pFrame);
    void fromServer(const QByteArray& pReply);
    // Plays the line's faults and timing on a reply; called under the lock.
    void queueReplyLocked(QByteArray pReply);

    TCalibratorThermalModel& mModel;
    TPseudoTerminal mProgramLine;
    TPseudoTerminal mServerLine;
    std::thread mServer;
    std::thread mRelay;
    std::atomic<bool> mStopping{false};
    std::atomic<bool> mServerReady{false};

    mutable std::mutex mMutex;
    TModbusCalibratorState mState;
    TModbusCalibratorFaults mFaults;
    QList<TModbusRequestRecord> mRequests;
    std::function<void(const QByteArray&)> mWatcher;
    // Bytes due on the program's line, with the time (ms, monotonic) they arrive.
    QList<QPair<qint64, QByteArray>> mOutgoing;
    QByteArray mToServer;
};
