#pragma once

#include <QString>

#include <atomic>
#include <thread>

// A FIFO for code that must never wait on one. While the guard lives, a
// reader that still holds the FIFO open after a grace period is released by
// opening and closing the writing end, so that a regression fails its test
// instead of hanging the suite; readerWaited() then tells.
class TFifoGuard
{
public:
    // Makes the FIFO at pPath (host path) and starts watching it.
    explicit TFifoGuard(const QString& pPath);
    ~TFifoGuard();

    bool isMade() const { return mMade; }
    // Stops watching; true when a reader had to be released.
    bool readerWaited();

private:
    QByteArray mPath;
    bool mMade = false;
    std::atomic<bool> mStop{false};
    std::atomic<bool> mReaderWaited{false};
    std::thread mWatcher;
};
