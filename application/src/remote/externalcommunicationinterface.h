#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class TExternalCommunicationHandler;

// The base of the remote transports (TCP, the serial lines): hands received
// text to the remote command handler and sends its replies to the client as
// Latin-1 bytes. Owned by the main window.
class TExternalCommunicationInterface : public QObject
{
    Q_OBJECT

public:
    // A client that reads slowly or not at all holds at most about this much
    // of the instrument's memory and one reply: a transport takes no more
    // text from it while it holds this many unsent bytes, its next command
    // and a log file download's next piece wait by it. The client is only
    // slowed: nothing is dropped.
    static constexpr qint64 PENDING_OUTPUT_LIMIT = 256 * 1024;
    // Text is taken in pieces of at most this many bytes with a look at the
    // unsent output before each.
    static constexpr int READ_CHUNK = 4096;
    // Text a client wrote before the local user took the instrument back may
    // still be on its way after the Yes (in the client's system, in a network
    // or a line between): it counts as sent before while it comes without a
    // pause this long.
    static constexpr int INPUT_QUIET_PERIOD = 150;
    // And at most this long after the Yes: a client that sends more often
    // than the quiet period allows (a poll every 100 ms) would otherwise
    // never be answered again. Text on its way takes far less through a
    // network or a hop between, and a serial line at 9600 baud carries the
    // 4 KB a host's system holds in 4.3 s; a slower line takes longer
    // (dropTimeLimit()).
    static constexpr int DROP_TIME_LIMIT = 5000;
    // The most of it dropped: far beyond what a connection and a client's
    // system hold (a few megabytes); a client that sends on at full speed
    // beyond it is read and answered again.
    static constexpr qint64 DROP_LIMIT = 64 * 1024 * 1024;

    explicit TExternalCommunicationInterface(TExternalCommunicationHandler* pCommHandler);

    // The ohm sign leaves as "R", characters beyond Latin-1 as "?"; CR LF is
    // appended when pWithTerminator is true.
    void sendResponse(const QString& pResponse, bool pWithTerminator);
    void sendResponse(const QString& pResponse);
    // The same through the caller's buffer, which keeps its room for the
    // next reply: a large reply sent piece by piece makes no block anew.
    void sendResponse(const QString& pResponse, bool pWithTerminator, QByteArray& pBuffer);
    void sendAck();

    // Hands the bytes to the client as they are, in order; what the line or
    // connection does not take at once is sent on from the event loop.
    virtual void sendRawData(const QByteArray& pData) = 0;
    // The bytes handed over that the line or connection has not taken yet;
    // a reply sent in pieces waits for room by it.
    virtual qint64 pendingBytes() const { return 0; }
    bool hasRoomForOutput() const { return pendingBytes() < PENDING_OUTPUT_LIMIT; }
    // Changes whenever the line is closed or another client connects: the
    // rest of a reply sent in pieces must not reach whatever host is on the
    // line when it opens again. A TCP client's end reaches the handler as a
    // disconnection too.
    quint64 connectionNumber() const { return mConnectionNumber; }
    // Forgets what the client sent and the transport has not handed on yet:
    // the local user took the instrument back, and the question said that
    // pending commands are cancelled.
    virtual void dropUnreadInput() {}
    // The client's text is being dropped after the local user took the instrument back.
    bool isDroppingInput() const { return mDropLeft > 0; }
    // What the drop going on, or the last one, has dropped.
    qint64 droppedInput() const { return mDropped; }
    // How long after the Yes a drop lasts at most, in milliseconds.
    virtual qint64 dropTimeLimit() const { return DROP_TIME_LIMIT; }
    // Where the drop takes its time from, in milliseconds on a monotonic
    // scale: real time unless a test gives a clock of its own, which calls
    // inputClockMoved() whenever it has moved it on.
    void setInputClock(std::function<qint64()> pElapsedMilliseconds);
    void inputClockMoved() { checkDrop(); }
    // For tests: drops from now on end after this many bytes.
    void setDropLimit(qint64 pBytes) { mDropLimit = pBytes; }
    // The handler's queue has room again: a transport that stopped reading
    // while it was full reads on.
    virtual void resumeInput() {}
    // The handler has run every command it had queued: a transport that
    // hands text over in whole chunks hands over the next one.
    virtual void queueRanOut() {}

protected:
    // Received bytes as text, one character per byte, cut at the first zero
    // byte, handed to the handler.
    void deliverReceivedData(const QByteArray& pData);
    // Called as the line or connection takes what waited: with room for
    // output again, the handler's commands that waited for it go on.
    void outputDrained();
    // From now on what comes is dropped, until nothing has come for the quiet
    // period, dropTimeLimit() has passed or DROP_LIMIT bytes have gone.
    void beginDrop();
    // pBytes that came were dropped: the quiet period begins again.
    void noteDropped(qint64 pBytes);
    qint64 dropLeft() const { return mDropLeft; }
    // Ends a drop without reading on: the client it was for has gone.
    void cancelDrop();
    // At the end of the quiet period: drops what came meanwhile that no
    // notification has brought yet; true when anything had come.
    virtual bool dropWaitingInput() { return false; }
    // The drop has ended: the transport reads on.
    virtual void dropEnded() {}

    QString mOhmSign;
    TExternalCommunicationHandler* mCommunicationHandler;
    quint64 mConnectionNumber = 0;

private:
    // Ends the drop when its time is over, else looks again when it may be.
    void checkDrop();
    void endDrop();

    std::function<qint64()> mInputClock;
    qint64 mDropLimit = DROP_LIMIT;
    qint64 mDropLeft = 0;
    qint64 mDropped = 0;
    qint64 mDropBegan = 0;
    qint64 mLastInput = 0;
    QTimer mDropCheck;
};
