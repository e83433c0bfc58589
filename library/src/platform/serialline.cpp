#include "serialline.h"

#include "deviceroot.h"

#include <QDeadlineTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace
{
// Every rate the system's serial lines know by a constant; B0 for any other,
// which no line is set to (B0 would hang the line up).
speed_t speedOf(qint32 pBaudRate)
{
    static const std::pair<qint32, speed_t> rates[] = {
        {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
        {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
        {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
        {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
        {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
        {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000}};
    for (const auto& rate : rates) {
        if (rate.first == pBaudRate)
            return rate.second;
    }
    return B0;
}

tcflag_t characterSizeOf(QSerialPort::DataBits pDataBits)
{
    switch (pDataBits) {
    case QSerialPort::Data5:
        return CS5;
    case QSerialPort::Data6:
        return CS6;
    case QSerialPort::Data7:
        return CS7;
    default:
        return CS8;
    }
}

tcflag_t parityOf(QSerialPort::Parity pParity)
{
    switch (pParity) {
    case QSerialPort::EvenParity:
        return PARENB;
    case QSerialPort::OddParity:
        return PARENB | PARODD;
    case QSerialPort::SpaceParity:
        return PARENB | CMSPAR;
    case QSerialPort::MarkParity:
        return PARENB | CMSPAR | PARODD;
    default:
        return 0;
    }
}
} // namespace

TSerialLine::TSerialLine(const QString& pDevicePath, qint32 pBaudRate, QSerialPort::DataBits pDataBits,
                         QSerialPort::Parity pParity, QSerialPort::StopBits pStopBits,
                         QSerialPort::FlowControl pFlowControl)
    : mPath(TDeviceRoot::path(pDevicePath))
    , mBaudRate(pBaudRate)
    , mDataBits(pDataBits)
    , mParity(pParity)
    , mStopBits(pStopBits)
    , mFlowControl(pFlowControl)
{
}

TSerialLine::~TSerialLine()
{
    close();
}

bool TSerialLine::open()
{
    close();
    mSettingsRefused = false;
    mDescriptor = ::open(QFile::encodeName(mPath).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (mDescriptor < 0)
        return false;
    if (::flock(mDescriptor, LOCK_EX | LOCK_NB) != 0) {
        close();
        return false;
    }
    if (!configure()) {
        close();
        mSettingsRefused = true;
        return false;
    }
    return true;
}

int TSerialLine::characterBits() const
{
    const tcflag_t size = characterSizeOf(mDataBits);
    const int dataBits = size == CS5 ? 5 : size == CS6 ? 6 : size == CS7 ? 7 : 8;
    return 1 + dataBits + (parityOf(mParity) != 0 ? 1 : 0) + (mStopBits == QSerialPort::TwoStop ? 2 : 1);
}

// A driver that cannot make a rate sets the nearest it can and still reports
// success: the rate is read back, or the host would be sent garbage.
bool TSerialLine::configure()
{
    termios settings{};
    const speed_t speed = speedOf(mBaudRate);
    if (speed == B0 || ::tcgetattr(mDescriptor, &settings) != 0)
        return false;
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CMSPAR | CRTSCTS);
    settings.c_cflag |= CLOCAL | CREAD | characterSizeOf(mDataBits) | parityOf(mParity);
    if (mStopBits == QSerialPort::TwoStop)
        settings.c_cflag |= CSTOPB;
    if (mFlowControl == QSerialPort::HardwareControl)
        settings.c_cflag |= CRTSCTS;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (mFlowControl == QSerialPort::SoftwareControl)
        settings.c_iflag |= IXON | IXOFF;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (::cfsetispeed(&settings, speed) != 0 || ::cfsetospeed(&settings, speed) != 0)
        return false;
    // A line takes what it can of the frame (a pseudo-terminal keeps eight
    // data bits without parity) and calls the request invalid when that
    // leaves nothing to change: it is open at the rate read back.
    if (::tcsetattr(mDescriptor, TCSANOW, &settings) != 0 && errno != EINVAL)
        return false;
    termios taken{};
    return ::tcgetattr(mDescriptor, &taken) == 0 && ::cfgetospeed(&taken) == speed && ::cfgetispeed(&taken) == speed;
}

void TSerialLine::close()
{
    if (mDescriptor >= 0) {
        ::tcflush(mDescriptor, TCIOFLUSH);
        ::close(mDescriptor);
    }
    mDescriptor = -1;
    mFailed = false;
}

void TSerialLine::discardInput()
{
    if (isOpen())
        ::tcflush(mDescriptor, TCIFLUSH);
}

bool TSerialLine::hasHungUp() const
{
    if (!isOpen())
        return false;
    pollfd line{mDescriptor, 0, 0};
    return ::poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

bool TSerialLine::write(const QByteArray& pBytes, int pTimeoutMs)
{
    QDeadlineTimer deadline(pTimeoutMs);
    qint64 written = 0;
    while (written < pBytes.size()) {
        const qint64 count = writeAvailable(pBytes.constData() + written, pBytes.size() - written);
        if (count < 0)
            return false;
        written += count;
        if (written == pBytes.size())
            break;
        if (deadline.hasExpired())
            return false;
        pollfd writable{mDescriptor, POLLOUT, 0};
        ::poll(&writable, 1, int(deadline.remainingTime()));
    }
    return true;
}

qint64 TSerialLine::writeAvailable(const char* pBytes, qint64 pSize)
{
    if (!isOpen() || mFailed)
        return -1;
    qint64 written = 0;
    while (written < pSize) {
        const ssize_t count = ::write(mDescriptor, pBytes + written, size_t(pSize - written));
        if (count > 0) {
            written += count;
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0 || errno == EAGAIN || errno == EWOULDBLOCK)
            break;
        // EIO: the other end of the line is gone.
        mFailed = true;
        return -1;
    }
    return written;
}

TSerialLine::EnWaitResult TSerialLine::read(QByteArray& oBuffer, int pTimeoutMs, int pMaxBytes)
{
    if (!isOpen() || mFailed)
        return wrHangUp;
    QDeadlineTimer deadline(pTimeoutMs);
    bool hungUp = false;
    for (;;) {
        char chunk[1024];
        const ssize_t count = ::read(mDescriptor, chunk, size_t(std::clamp(pMaxBytes, 1, int(sizeof chunk))));
        if (count > 0) {
            oBuffer.append(chunk, int(count));
            return wrBytes;
        }
        if (count < 0 && errno == EINTR)
            continue;
        // A terminal whose other side has closed reads EIO, or nothing while
        // poll reports the hang-up; poll would report it at once for ever, so
        // the line counts as failed until it is opened again.
        if ((count < 0 && errno != EAGAIN && errno != EWOULDBLOCK) || hungUp) {
            mFailed = true;
            return wrHangUp;
        }
        // A line set to return at once reads nothing alike when it is empty
        // and when it has hung up: only poll tells them apart, so it is asked
        // even when there is no time left to wait. A caller that takes the
        // time-out of a hung-up line would otherwise be woken for it again
        // and again.
        pollfd readable{mDescriptor, POLLIN, 0};
        const int ready = ::poll(&readable, 1, int(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR)
            continue;
        hungUp = ready > 0 && (readable.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
        if (!hungUp && (ready <= 0 || deadline.hasExpired()))
            return wrTimeout;
    }
}
