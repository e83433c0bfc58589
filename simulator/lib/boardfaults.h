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
    // Restart the board right after the next replies: once the host has read
    // a reply the line hangs up, before the host's ACK gets through, and the
    // board is back at once on a new line with its power-on settings.
    int mRestartAfterReplies = 0;
    // Restart the board on the next commands instead of answering them: the
    // host's wait for the answer ends in the hang-up.
    int mRestartCommands = 0;
    // Replies that replace the board's own answers to the next commands that
    // have a reply, in order; commands answered with ACK alone pass by them.
    QList<QByteArray> mInjectedReplies;

    // A fault for the commands that begin with mPrefix ("prob:read? 17",
    // "prob:save"): the next mCount of them (negative: all) are not carried
    // out but answered "E<number>" or mReply, or not at all. A command the
    // board answers with ACK alone cannot carry a reply: it gets NAK instead.
    struct TCommandFault
    {
        enum EnKind { cfError, cfSilence, cfReply };
        QByteArray mPrefix;
        EnKind mKind = cfError;
        QByteArray mReply;
        int mCount = 1;
    };
    QList<TCommandFault> mCommandFaults;

    // Uses up one fault of the counter; false when none is left.
    static bool take(int& pCounter)
    {
        if (pCounter == 0)
            return false;
        if (pCounter > 0)
            --pCounter;
        return true;
    }

    // The first fault whose prefix the command begins with, used up by one.
    bool takeCommandFault(const QByteArray& pCommand, TCommandFault& oFault);

    void clear() { *this = TBoardFaults(); }
    QString toText() const;
};
