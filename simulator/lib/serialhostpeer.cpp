#include "serialhostpeer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <poll.h>
#include <unistd.h>

namespace
{
// The converter's set-address frame: STX, a length byte with the top bit set
// that counts itself, the command and the checksum byte; the command "=" and
// the address in decimal digits; the checksum the seed 0x5A plus every byte
// from the length byte to the last command byte, with the top bit set; ETX.
constexpr char FRAME_START = 0x02;
constexpr char FRAME_END = 0x03;
constexpr quint8 TOP_BIT = 0x80;
constexpr quint8 CHECKSUM_SEED = 0x5A;
constexpr int POLL_INTERVAL_MS = 20;
} // namespace

TSerialHostPeer::TSerialHostPeer(EnRole pRole, std::function<qint64()> pClockMs)
    : mRole(pRole), mClockMs(std::move(pClockMs))
{
    if (!mClockMs) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        mClockMs = [timer] { return timer->elapsed(); };
    }
}

TSerialHostPeer::~TSerialHostPeer()
{
    stop();
}

bool TSerialHostPeer::start(const QString& pLinkPath, QString& oError)
{
    stop();
    if (!mTerminal.open(pLinkPath, oError))
        return false;
    mLinkPath = pLinkPath;
    mStopping = false;
    mThread = std::thread([this] { readLoop(); });
    return true;
}

void TSerialHostPeer::stop()
{
    mStopping = true;
    if (mThread.joinable())
        mThread.join();
    mTerminal.close();
}

bool TSerialHostPeer::send(const QByteArray& pBytes)
{
    const int master = mTerminal.masterDescriptor();
    if (master < 0)
        return false;
    qint64 written = 0;
    while (written < pBytes.size()) {
        const ssize_t n = ::write(master, pBytes.constData() + written, size_t(pBytes.size() - written));
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (n > 0)
            written += n;
        else
            ::poll(nullptr, 0, 1);
    }
    return true;
}

qint64 TSerialHostPeer::sendAvailable(const QByteArray& pBytes)
{
    const int master = mTerminal.masterDescriptor();
    if (master < 0)
        return -1;
    ssize_t n = 0;
    do {
        n = ::write(master, pBytes.constData(), size_t(pBytes.size()));
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        return errno == EAGAIN ? 0 : -1;
    return n;
}

QByteArray TSerialHostPeer::takeReceived()
{
    std::lock_guard<std::mutex> lock(mMutex);
    const QByteArray received = mReceived;
    mReceived.clear();
    return received;
}

QList<TSerialHostPeer::TAddressFrame> TSerialHostPeer::addressFrames() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mFrames;
}

void TSerialHostPeer::readLoop()
{
    const int master = mTerminal.masterDescriptor();
    char buffer[4096];
    while (!mStopping) {
        const int pace = mReadPace;
        if (pace == 0) {
            ::poll(nullptr, 0, POLL_INTERVAL_MS);
            continue;
        }
        pollfd descriptor{master, POLLIN, 0};
        if (::poll(&descriptor, 1, POLL_INTERVAL_MS) <= 0)
            continue;
        const ssize_t n = ::read(master, buffer, pace > 0 ? std::min(size_t(pace), sizeof buffer) : sizeof buffer);
        if (n > 0)
            consume(QByteArray(buffer, int(n)));
        if ((n > 0 && pace > 0) || (n < 0 && errno != EAGAIN && errno != EINTR))
            ::poll(nullptr, 0, POLL_INTERVAL_MS);
    }
}

void TSerialHostPeer::consume(const QByteArray& pBytes)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (mRole == rHost) {
        mReceived += pBytes;
        return;
    }
    for (char byte : pBytes) {
        if (mFrameBuffer.isEmpty() && byte != FRAME_START) {
            mReceived += byte;
            continue;
        }
        mFrameBuffer += byte;
        takeFrameApart();
    }
}

// Called with the lock held, after each byte of a frame.
void TSerialHostPeer::takeFrameApart()
{
    if (mFrameBuffer.size() < 2)
        return;
    const quint8 length = quint8(mFrameBuffer.at(1));
    const int counted = length & ~TOP_BIT;
    // A length byte without its top bit, or too short for a command, ends the frame at once.
    const bool lengthValid = (length & TOP_BIT) && counted >= 3;
    // STX, the counted bytes, ETX.
    const int frameSize = counted + 2;
    if (lengthValid && mFrameBuffer.size() < frameSize)
        return;

    TAddressFrame frame;
    frame.mArrivalMs = mClockMs();
    frame.mBytes = mFrameBuffer;
    mFrameBuffer.clear();
    if (lengthValid && frame.mBytes.at(frameSize - 1) == FRAME_END) {
        const QByteArray command = frame.mBytes.mid(2, counted - 2);
        quint8 sum = CHECKSUM_SEED + length;
        for (char c : command)
            sum += quint8(c);
        const QByteArray number = command.mid(1);
        bool digits = command.startsWith('=') && !number.isEmpty() && number.size() <= 3;
        for (char c : number)
            digits = digits && c >= '0' && c <= '9';
        const int address = digits ? number.toInt() : -1;
        frame.mValid = quint8(frame.mBytes.at(frameSize - 2)) == quint8(sum | TOP_BIT) && digits && address <= 255;
        frame.mAddress = frame.mValid ? address : -1;
    }
    mFrames.append(frame);
}
