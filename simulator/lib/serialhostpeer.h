#pragma once

#include "pseudoterminal.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// The far end of one of the instrument's remote serial lines on a
// pseudo-terminal linked at the line's device path: a host computer on the
// RS-232 board or the USB device port, or the IEEE-488 board's converter. A
// host sends text and collects the instrument's replies; the converter also
// takes the instrument's set-address frames apart, checks them and records
// them, and answers nothing. Reads on a thread of its own.
class TSerialHostPeer
{
public:
    enum EnRole { rHost = 0, rIEEEConverter = 1 };

    struct TAddressFrame
    {
        qint64 mArrivalMs = 0;
        QByteArray mBytes;
        bool mValid = false;
        // -1 when the frame is not valid.
        int mAddress = -1;
    };

    // pClockMs gives the arrival time stamps; the monotonic clock by default.
    explicit TSerialHostPeer(EnRole pRole = rHost, std::function<qint64()> pClockMs = {});
    ~TSerialHostPeer();
    TSerialHostPeer(const TSerialHostPeer&) = delete;
    TSerialHostPeer& operator=(const TSerialHostPeer&) = delete;

    bool start(const QString& pLinkPath, QString& oError);
    void stop();
    bool isRunning() const { return mThread.joinable(); }
    QString linkPath() const { return mLinkPath; }

    // What a host writes to the instrument, as it stands.
    bool send(const QByteArray& pBytes);
    // As much of it as the line takes now, without waiting: the count
    // written, -1 when the line has gone.
    qint64 sendAvailable(const QByteArray& pBytes);
    // The instrument's bytes since the last call (the converter: those outside frames).
    QByteArray takeReceived();
    QList<TAddressFrame> addressFrames() const;

    // Fault: the line goes away as a pulled cable or a vanished device does;
    // start() brings it back at the same path.
    void hangUp() { stop(); }
    // Fault: a host that reads slowly, at most pBytes in each turn of its read
    // loop (one every 20 ms); 0 reads nothing, so that the line fills up; a
    // negative count reads what there is, as at start.
    void setReadPace(int pBytes) { mReadPace = pBytes; }

private:
    void readLoop();
    void consume(const QByteArray& pBytes);
    void takeFrameApart();

    EnRole mRole;
    std::function<qint64()> mClockMs;
    TPseudoTerminal mTerminal;
    QString mLinkPath;
    std::thread mThread;
    std::atomic<bool> mStopping{false};
    std::atomic<int> mReadPace{-1};
    mutable std::mutex mMutex;
    QByteArray mReceived;
    QByteArray mFrameBuffer;
    QList<TAddressFrame> mFrames;
};
