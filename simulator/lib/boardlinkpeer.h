#pragma once

#include "boardfaults.h"
#include "boardstate.h"
#include "linkrecord.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QSocketNotifier;
class TPseudoTerminal;

// What the simulator's thread shares with those who control it; every access
// holds mMutex.
struct TBoardSimulatorCore
{
    mutable QMutex mMutex;
    TBoardState mState;
    TBoardFaults mFaults;
    TLinkRecord mRecord;
    // Counted up whenever the board leaves the host waiting for nothing
    // (TIntCommController::setSilenceNotice); -1 for none.
    int mSilenceNotice = -1;
    // Given each intact command's text as it arrives, before it is carried
    // out, with the core locked: it must not call the simulator.
    std::function<void(const QByteArray&)> mCommandWatcher;
    // Why the line could not come back at the last restart, which left the board without it; empty while it is
    // linked.
    QString mLinkProblem;
};

// The board side of the framed link, on the master side of the
// pseudo-terminal: takes command frames apart, checks their CRC, answers with
// ACK or NAK and the reply frame, resends a reply the host NAKs, and plays the
// faults that are set. Lives on the simulator's thread.
class TBoardLinkPeer : public QObject
{
    Q_OBJECT

public:
    // Works the master side of pLine, and brings up a new line there when the board restarts.
    TBoardLinkPeer(TPseudoTerminal& pLine, TBoardSimulatorCore& pCore);
    ~TBoardLinkPeer() override;

public slots:
    // Called on the simulator's thread once it runs, and before it ends.
    void attach();
    void detach();
    // The board restarts between two exchanges: its line hangs up and comes
    // back at once, and it forgets its settings (TBoardState::restart). A line
    // that cannot be linked again stays away until a restart links it.
    void restart();

private:
    // The same with the core locked.
    void restartLocked();

    void readFromHost();
    void processInput();
    void handleHostAnswer(char pAnswer);
    void handleFrame(const QByteArray& pBytes);
    // The reply frame as the faults want it; consumes the bad CRC fault.
    QByteArray replyFrame(const QByteArray& pText);
    void sendPieces(QByteArray pFrame, int pPieceBytes, int pGapMs, quint64 pExchange);
    void writeToHost(const QByteArray& pBytes);
    // Tells the host, through the core's notice, that nothing comes for its wait.
    void leaveHostWaiting();
    // The host has taken the last notice: its wait has ended.
    bool hostGaveUp() const;
    // A late reply, once its delay is over and the host has stopped waiting for it.
    void writeLateReply(const QByteArray& pText, quint64 pExchange);
    // Writes the reply and restarts once the host has read it, before the
    // host's ACK gets through: the host's output is held meanwhile.
    void restartAfterReply(const QByteArray& pBytes);
    // Whether the host took what was written to it: nothing is left to read
    // on its side, waiting at most pLimitMs.
    bool waitUntilHostRead(int pLimitMs);

    TPseudoTerminal& mLine;
    int mMaster;
    TBoardSimulatorCore& mCore;
    std::unique_ptr<QSocketNotifier> mNotifier;
    QByteArray mInput;
    // The reply the host has not yet confirmed; it is resent on the host's NAK.
    std::optional<QByteArray> mPendingReply;
    // Counts received frames, so that a delayed write can tell that its exchange is over.
    quint64 mExchange = 0;
};
