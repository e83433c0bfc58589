#include "fifoguard.h"

#include <QFile>

#include <chrono>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Far longer than code that opens without blocking keeps the FIFO open, far
// shorter than the suite's time-out.
constexpr auto GRACE = std::chrono::seconds(3);
constexpr auto POLL = std::chrono::milliseconds(20);
} // namespace

TFifoGuard::TFifoGuard(const QString& pPath) : mPath(QFile::encodeName(pPath))
{
    mMade = ::mkfifo(mPath.constData(), 0644) == 0;
    if (!mMade)
        return;
    mWatcher = std::thread([this]() {
        const auto releaseFrom = std::chrono::steady_clock::now() + GRACE;
        while (!mStop) {
            std::this_thread::sleep_for(POLL);
            if (std::chrono::steady_clock::now() < releaseFrom)
                continue;
            // Succeeds only while a reader has the FIFO open.
            const int writer = ::open(mPath.constData(), O_WRONLY | O_NONBLOCK);
            if (writer != -1) {
                mReaderWaited = true;
                ::close(writer);
            }
        }
    });
}

TFifoGuard::~TFifoGuard()
{
    readerWaited();
}

bool TFifoGuard::readerWaited()
{
    mStop = true;
    if (mWatcher.joinable())
        mWatcher.join();
    return mReaderWaited;
}
