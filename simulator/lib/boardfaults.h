#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Link faults the simulated board plays on the next commands. Every counter
// says how many of the next commands (or replies) get the fault: 0 none, a
// negative count every one until cleared.
struct TBoardFaults
{
    // Answer commands with NAK instead of carrying them out.
    int mNakCommands = 0;
    // Corrupt the CRC byte of replies, resent ones included.
    int mBadReplyCrc = 0;
    // Read commands and answer nothing at all.
    int mSilentCommands = 0;
    // Answer commands with a stray byte where the ACK belongs, and nothing more.
    int mStrayByteCommands = 0;
    char mStrayByte = 'X';
    // Write replies in pieces of mPieceBytes with mPieceGapMs between them.
    int mPieceReplies = 0;
    int mPieceBytes = 3;
    int mPieceGapMs = 5;
    // Write ACK and reply in one write instead of two.
    int mJoinedReplies = 0;
    // Put a zero byte into replies (with a CRC that covers it) at mZeroBytePosition,
    // or in the middle when that is negative.
    int mZeroByteReplies = 0;
    int mZeroBytePosition = -1;
    // ACK at once, reply only after mLateReplyDelayMs.
    int mLateReplies = 0;
    int mLateReplyDelayMs = 3000;
    // ACK, then NOISE_BYTES without a CR LF in place of the reply, as a board
    // out of step would send; all at once, so that none of it is left to spill
    // into the next exchange once the host stops reading.
    int mNoiseReplies = 0;
    static constexpr int NOISE_BYTES = 16 * 1024;
    // Replies that replace the board's own answers to the next commands that
    // have a reply, in order; commands answered with ACK alone pass by them.
    QList<QByteArray> mInjectedReplies;

    // Uses up one fault of the counter; false when none is left.
    static bool take(int& pCounter)
    {
        if (pCounter == 0)
            return false;
        if (pCounter > 0)
            --pCounter;
        return true;
    }

    void clear() { *this = TBoardFaults(); }
    QString toText() const;
};
