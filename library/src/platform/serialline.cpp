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

namespace
{
speed_t speedOf(QSerialPort::BaudRate pBaudRate)
{
    switch (pBaudRate) {
    case QSerialPort::Baud1200:
        return B1200;
    case QSerialPort::Baud2400:
        return B2400;
    case QSerialPort::Baud4800:
        return B4800;
    case QSerialPort::Baud9600:
        return B9600;
    case QSerialPort::Baud19200:
        return B19200;
    case QSerialPort::Baud38400:
        return B38400;
    case QSerialPort::Baud57600:
        return B57600;
    case QSerialPort::Baud115200:
        return B115200;
    default:
        return B0;
    }
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

TSerialLine::TSerialLine(const QString& pDevicePath, QSerialPort::BaudRate pBaudRate, QSerialPort::DataBits pDataBits,
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
    mDescriptor = ::open(QFile::encodeName(mPath).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (mDescriptor < 0)
        return false;
    if (::flock(mDescriptor, LOCK_EX | LOCK_NB) != 0 || !configure()) {
        close();
        return false;
    }
    return true;
}

int TSerialLine::characterBits() const
{
    return 1 + int(mDataBits) + (mParity == QSerialPort::NoParity ? 0 : 1) +
           (mStopBits == QSerialPort::TwoStop ? 2 : 1);
}

bool TSerialLine::configure()
{
    termios settings{};
    const speed_t speed = speedOf(mBaudRate);
    if (speed == B0 || mStopBits == QSerialPort::OneAndHalfStop || ::tcgetattr(mDescriptor, &settings) != 0)
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
    return ::cfsetispeed(&settings, speed) == 0 && ::cfsetospeed(&settings, speed) == 0 &&
           ::tcsetattr(mDescriptor, TCSANOW, &settings) == 0;
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
        if (deadline.hasExpired())
            return wrTimeout;
        pollfd readable{mDescriptor, POLLIN, 0};
        const int ready = ::poll(&readable, 1, int(deadline.remainingTime()));
        if (ready == 0)
            return wrTimeout;
        hungUp = ready > 0 && (readable.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
    }
}
