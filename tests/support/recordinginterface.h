#pragma once

#include "externalcommunicationhandler.h"
#include "externalcommunicationinterface.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

// A remote transport without a line: what a client would send is handed in
// as received bytes, and what the instrument answers is kept for the test.
class TRecordingInterface : public TExternalCommunicationInterface
{
public:
    using TExternalCommunicationInterface::TExternalCommunicationInterface;

    void sendRawData(const QByteArray& pData) override
    {
        mSent += pData;
        if (mOnSent)
            mOnSent();
    }
    // Runs as each reply has been sent: a look at the instrument just then.
    void setOnSent(std::function<void()> pOnSent) { mOnSent = std::move(pOnSent); }
    // A client that reads nothing leaves this many bytes unsent; as it reads,
    // the handler hears of it as from a transport.
    qint64 pendingBytes() const override { return mUnsent; }
    void setUnsent(qint64 pBytes)
    {
        mUnsent = pBytes;
        outputDrained();
    }
    // As the transports deliver a chunk read from their line; the handler
    // runs the first command at once and the rest on later turns of the
    // event loop.
    void deliver(const QByteArray& pData) { deliverReceivedData(pData); }
    // Delivers and turns the event loop until the chunk's commands have run
    // (or a long while has passed, as a bound where they never end).
    void receive(const QByteArray& pData)
    {
        deliverReceivedData(pData);
        const QDeadlineTimer bound(60000);
        while (mCommunicationHandler->isRunningCommandsOf(this) && !bound.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QByteArray takeSent()
    {
        const QByteArray sent = mSent;
        mSent.clear();
        return sent;
    }

private:
    QByteArray mSent;
    qint64 mUnsent = 0;
    std::function<void()> mOnSent;
};
