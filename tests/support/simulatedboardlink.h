#pragma once

#include "boardsimulator.h"
#include "intcommcontroller.h"
#include "internalscpihandler.h"

#include <memory>

// The simulated board on its own thread, linked at the board's device path
// under the test's root, with the program's link and command layer on it as the
// main window builds them. The link waits for the board as long as a loaded
// machine may need to answer; a board that leaves a command unanswered ends the
// wait at once through its notice, so that tests of a silent board stay quick
// and no answer comes too late.
// A line that cannot be linked (a full temporary directory, say) fails the row
// that builds the link, with the reason: made in init(), the row does not run.
// One that could not be linked again at a restart, and is still without its line
// when the row ends, fails the row; every command meanwhile fails at once.
class TSimulatedBoardLink
{
public:
    // Waits that no load runs out; the board's notice or its answer ends them.
    static constexpr int LOADED_MACHINE_TIMEOUT = 60000;

    TSimulatedBoardLink();
    // A link that waits pReplyTimeout for each answer on the wall clock, as
    // the program's does, for tests of that time-out.
    explicit TSimulatedBoardLink(int pReplyTimeout);
    ~TSimulatedBoardLink();

    TBoardSimulator& board() { return mBoard; }
    TIntCommController& link() { return *mLink; }
    TInternalSCPIHandler& handler() { return *mHandler; }

    // The command texts the board received, oldest first.
    QList<QByteArray> commands() const { return mBoard.receivedCommands(); }
    QByteArray lastCommand() const;
    // Why the board's line could not be linked, at the start or at a restart; empty when it was.
    QString linkProblem() const;
    // The board answers its next reply command with pReply instead.
    void injectReply(const QByteArray& pReply);
    // The board restarts at the pNumber-th (from 2) of the commands with this
    // header from now on: right after answering it, so that the link meets the
    // hang-up only at its ACK, or instead of answering it (then no other command
    // may come between it and the one before).
    void restartAt(const char* pHeader, int pNumber, bool pAfterAnswering);

private:
    TBoardSimulator mBoard;
    QString mLinkProblem;
    std::unique_ptr<TIntCommController> mLink;
    std::unique_ptr<TInternalSCPIHandler> mHandler;
};
