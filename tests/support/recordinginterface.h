#pragma once

#include "externalcommunicationinterface.h"

// A remote transport without a line: what a client would send is handed in
// as received bytes, and what the instrument answers is kept for the test.
class TRecordingInterface : public TExternalCommunicationInterface
{
public:
    using TExternalCommunicationInterface::TExternalCommunicationInterface;

    void sendRawData(const QByteArray& pData) override { mSent += pData; }
    // A client that reads nothing leaves this many bytes unsent.
    qint64 pendingBytes() const override { return mUnsent; }
    void setUnsent(qint64 pBytes) { mUnsent = pBytes; }
    // As the transports deliver a chunk read from their line.
    void receive(const QByteArray& pData) { deliverReceivedData(pData); }
    QByteArray takeSent()
    {
        const QByteArray sent = mSent;
        mSent.clear();
        return sent;
    }

private:
    QByteArray mSent;
    qint64 mUnsent = 0;
};
