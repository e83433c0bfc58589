#pragma once

#include <QByteArray>
#include <QList>

#include <chrono>

// One frame the simulated board received from the host, with the times on the
// monotonic clock (nanoseconds) that tests compare.
struct TReceivedFrame
{
    QByteArray mBytes;
    // The command text without CRC and terminator; empty when the CRC failed.
    QByteArray mText;
    bool mChecksumValid = false;
    qint64 mArrivalNs = 0;
    // When the board last wrote anything in answer to this frame; 0 if it did not.
    qint64 mLastAnswerNs = 0;
};

// What the host has sent the simulated board.
struct TLinkRecord
{
    // Enough for any test; a long interactive run keeps the newest ones.
    static constexpr int MAX_FRAMES = 2000;

    // Nanoseconds on the clock of the frame times (the monotonic clock that the
    // program's pause between commands is measured on as well).
    static qint64 monotonicNs()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    QList<TReceivedFrame> mFrames;
    int mHostAcks = 0;
    int mHostNaks = 0;
    int mLateReplies = 0;

    void addFrame(const TReceivedFrame& pFrame)
    {
        if (mFrames.size() >= MAX_FRAMES)
            mFrames.removeFirst();
        mFrames.append(pFrame);
    }
};
