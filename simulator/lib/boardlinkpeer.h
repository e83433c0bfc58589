#pragma once

#include "boardfaults.h"
#include "boardstate.h"
#include "linkrecord.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>

#include <memory>
#include <optional>

class QSocketNotifier;

// What the simulator's thread shares with those who control it; every access
// holds mMutex.
struct TBoardSimulatorCore
{
    mutable QMutex mMutex;
    TBoardState mState;
    TBoardFaults mFaults;
    TLinkRecord mRecord;
};

// The board side of the framed link, on the master side of the
// pseudo-terminal: takes command frames apart, checks their CRC, answers with
// ACK or NAK and the reply frame, resends a reply the host NAKs, and plays the
// faults that are set. Lives on the simulator's thread.
class TBoardLinkPeer : public QObject
{
    Q_OBJECT

public:
    TBoardLinkPeer(int pMasterDescriptor, TBoardSimulatorCore& pCore);
    ~TBoardLinkPeer() override;

public slots:
    // Called on the simulator's thread once it runs, and before it ends.
    void attach();
    void detach();

private:
    void readFromHost();
    void processInput();
    void handleHostAnswer(char pAnswer);
    void handleFrame(const QByteArray& pBytes);
    // The reply frame as the faults want it; consumes the bad CRC fault.
    QByteArray replyFrame(const QByteArray& pText);
    void sendPieces(QByteArray pFrame, int pPieceBytes, int pGapMs, quint64 pExchange);
    void writeToHost(const QByteArray& pBytes);

    int mMaster;
    TBoardSimulatorCore& mCore;
    std::unique_ptr<QSocketNotifier> mNotifier;
    QByteArray mInput;
    // The reply the host has not yet confirmed; it is resent on the host's NAK.
    std::optional<QByteArray> mPendingReply;
    // Counts received frames, so that a delayed write can tell that its exchange is over.
    quint64 mExchange = 0;
};
