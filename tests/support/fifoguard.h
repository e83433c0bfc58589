#pragma once

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A FIFO for code that must never wait on one. A reader still holding it open
// after a grace period (far longer than an open that does not block takes) is
// released by opening the writing end, so that a regression fails its test
// instead of hanging the suite.
class TFifoGuard
{
public:
    explicit TFifoGuard(const QString& pPath) : mPath(QFile::encodeName(pPath))
    {
        mMade = ::mkfifo(mPath.constData(), 0644) == 0;
        mWatcher = std::thread([this]() {
            const auto release = std::chrono::steady_clock::now() + std::chrono::seconds(3);
            while (mMade && !mStop) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                const int writer =
                    std::chrono::steady_clock::now() < release ? -1 : ::open(mPath.constData(), O_WRONLY | O_NONBLOCK);
                if (writer != -1) {
                    ::close(writer);
                    mReaderWaited = true;
                }
            }
        });
    }
    ~TFifoGuard() { readerWaited(); }

    bool isMade() const { return mMade; }
    // Stops watching; true when a reader had to be released.
    bool readerWaited()
    {
        mStop = true;
        if (mWatcher.joinable())
            mWatcher.join();
        return mReaderWaited;
    }

private:
    QByteArray mPath;
    bool mMade = false;
    std::atomic<bool> mStop{false};
    std::atomic<bool> mReaderWaited{false};
    std::thread mWatcher;
};

// What a test planted at a name the program must not write through is there as
// it was: a link is still a link, a FIFO still a FIFO that no reader waited on.
inline bool plantStaysAsItWas(const QString& pName, TFifoGuard* pFifo)
{
    if (pFifo && pFifo->readerWaited())
        return false;
    const QFileInfo stays(pName);
    if (!pFifo)
        return stays.isSymLink();
    return !stays.isSymLink() && stays.exists() && !stays.isFile() && !stays.isDir();
}
