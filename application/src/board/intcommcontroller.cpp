#include "intcommcontroller.h"

#include "terminationsignals.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <thread>
#include <unistd.h>

int TIntCommController::sPauseBetweenCommands = PAUSE_BETWEEN_COMMANDS;

TIntCommController::TIntCommController(const QString& pPortName, QSerialPort::BaudRate pBaudRate,
                                       QSerialPort::DataBits pDataBits, QSerialPort::Parity pParity,
                                       QSerialPort::StopBits pStopBits)
    : mSerialPort(std::make_unique<TSerialLine>(pPortName, pBaudRate, pDataBits, pParity, pStopBits))
    , mMessageTerminator("\r\n")
{
    mSerialPort->open();
}

TIntCommController::~TIntCommController() = default;

bool TIntCommController::isPortOpen() const
{
    return mSerialPort->isOpen();
}

void TIntCommController::setReplyTimeout(int pMilliseconds)
{
    mReplyTimeout = pMilliseconds;
}

void TIntCommController::setExchangeTimeout(int pMilliseconds)
{
    mExchangeTimeout = pMilliseconds;
}

void TIntCommController::setSilenceNotice(int pDescriptor)
{
    mSilenceNotice = pDescriptor;
}

char TIntCommController::calcChecksum(const QByteArray& pByteArray, char pPolynomial)
{
    if (pByteArray.isEmpty())
        return 0;
    quint8 reg = static_cast<quint8>(pByteArray.at(0));
    const quint8 polynomial = static_cast<quint8>(pPolynomial);
    for (int i = 1; i < pByteArray.size(); ++i) {
        const quint8 byte = static_cast<quint8>(pByteArray.at(i));
        for (int bit = 7; bit >= 0; --bit) {
            const bool carry = reg & 0x80;
            reg = static_cast<quint8>((reg << 1) | ((byte >> bit) & 1));
            if (carry)
                reg ^= polynomial;
        }
    }
    return static_cast<char>(reg);
}

QByteArray TIntCommController::frame(const QByteArray& pText)
{
    // The sender divides the text followed by one zero byte; the remainder then
    // takes that byte's place, so the receiver's division of text and CRC gives 0.
    QByteArray bytes = pText;
    bytes.append('\0');
    bytes[bytes.size() - 1] = calcChecksum(bytes, GENERATOR_POLYNOMIAL);
    bytes.append("\r\n");
    return bytes;
}

QString TIntCommController::sendCommand(const QString& pCommand, bool pResponseExpected, bool& oFailed)
{
    oFailed = false;
    // Once the program is told to end, what it sets back on the board on its
    // way out still goes to a board that answers; one that has failed since
    // would only hold the end for an exchange's seconds with every command.
    const bool ending = TTerminationSignals::terminationRequested();
    if (!ending)
        mFailedSinceTermination = false;
    if (ending && mFailedSinceTermination) {
        oFailed = true;
        return QString();
    }
    QByteArray reply;
    const QByteArray commandFrame = frame(pCommand.toLatin1());
    QByteArray buffer;

    waitForPauseBetweenCommands();
    // Once per command, not in a loop: a board that is gone costs one failed
    // open per command rather than the processor.
    if (!isPortOpen())
        mSerialPort->open();
    // Whatever is still waiting (a reply that came after an earlier command gave
    // up, a reply the board resent after our last NAK) belongs to an exchange
    // that is over and must not be read as the answer to this one.
    mSerialPort->discardInput();
    takeSilenceNotice();
    // A board that trickles its reply after the terminate holds the end for
    // one wait for bytes, not for the exchange's limit.
    const QDeadlineTimer exchangeDeadline(ending ? std::min(mExchangeTimeout, mReplyTimeout) : mExchangeTimeout);
    writeBytes(commandFrame);

    bool awaitingAck = true;
    bool done = false;
    bool error = false;
    int failedTries = 0;
    while (failedTries < RETRIES && !done && !error) {
        if (!waitForBytes(buffer, exchangeDeadline, !ending)) {
            // A silent board is not asked again.
            error = true;
            break;
        }
        if (buffer.at(0) == NAK) {
            buffer.clear();
            ++failedTries;
            if (failedTries < RETRIES)
                writeBytes(commandFrame);
            awaitingAck = true;
            continue;
        }
        if (buffer.at(0) == ACK) {
            buffer.remove(0, 1);
            if (!pResponseExpected) {
                done = true;
                continue;
            }
        } else if (awaitingAck) {
            emit missingAcknowledge();
            error = true;
            continue;
        }

        const int terminator = buffer.indexOf(mMessageTerminator);
        if (terminator < 0) {
            awaitingAck = false;
            continue;
        }
        QByteArray received = buffer.left(terminator);
        awaitingAck = false;
        if (calcChecksum(received, GENERATOR_POLYNOMIAL) == 0) {
            received.chop(1);
            const int zero = received.indexOf('\0');
            reply = zero < 0 ? received : received.left(zero);
            writeBytes(QByteArray(1, ACK));
            done = true;
        } else {
            // The board sends its reply again after our NAK.
            buffer.clear();
            writeBytes(QByteArray(1, NAK));
            ++failedTries;
        }
    }

    mTimestampLastCommand.start();
    // A line that hung up is given up; the next command opens the device anew.
    const bool hungUp = mSerialPort->hasFailed();
    if (hungUp)
        mSerialPort->close();
    if (failedTries >= RETRIES)
        error = true;
    if (error || hungUp)
        ++mInterruptions;
    if ((error || hungUp) && TTerminationSignals::terminationRequested())
        mFailedSinceTermination = true;
    if (error) {
        oFailed = true;
        return QString();
    }
    return QString::fromLatin1(reply);
}

void TIntCommController::waitForPauseBetweenCommands() const
{
    if (!mTimestampLastCommand.isValid())
        return;
    const qint64 pause = qint64(sPauseBetweenCommands) * 1000 * 1000;
    for (qint64 left = pause - mTimestampLastCommand.nsecsElapsed(); left > 0;
         left = pause - mTimestampLastCommand.nsecsElapsed())
        std::this_thread::sleep_for(std::chrono::nanoseconds(left));
}

void TIntCommController::writeBytes(const QByteArray& pBytes)
{
    // A frame fits the line's buffer, so it normally leaves at once without a wait.
    mSerialPort->write(pBytes, mReplyTimeout);
}

bool TIntCommController::waitForBytes(QByteArray& oBuffer, const QDeadlineTimer& pExchangeDeadline,
                                      bool pEndsOnTermination)
{
    // A port that is not open or hung up fails at once: waiting would only
    // freeze the screen for the same outcome. A terminate ends the exchange
    // it comes in, also one whose board goes on trickling bytes.
    const int room = MAX_REPLY_BYTES - int(oBuffer.size());
    if (room <= 0 || pExchangeDeadline.hasExpired() ||
        (pEndsOnTermination && TTerminationSignals::terminationRequested()))
        return false;
    const int wait = int(std::min<qint64>(mReplyTimeout, pExchangeDeadline.remainingTime()));
    if (isPortOpen() && !mSerialPort->hasFailed() && !waitForLineOrNotice(wait, pEndsOnTermination))
        return false;
    return mSerialPort->read(oBuffer, wait, room) == TSerialLine::wrBytes;
}

bool TIntCommController::waitForLineOrNotice(int pTimeoutMs, bool pEndsOnTermination)
{
    // poll() passes over a descriptor below 0: no silence notice, or no
    // terminate to end on.
    pollfd waited[3] = {{mSerialPort->descriptor(), POLLIN, 0},
                        {mSilenceNotice, POLLIN, 0},
                        {pEndsOnTermination ? TTerminationSignals::notice() : -1, POLLIN, 0}};
    const QDeadlineTimer deadline(pTimeoutMs);
    for (;;) {
        const int ready = ::poll(waited, 3, int(deadline.remainingTime()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready > 0 && waited[0].revents != 0)
            return true;
        if (ready > 0 && waited[1].revents != 0)
            takeSilenceNotice();
        return false;
    }
}

void TIntCommController::takeSilenceNotice()
{
    quint64 count = 0;
    if (mSilenceNotice >= 0)
        while (::read(mSilenceNotice, &count, sizeof count) < 0 && errno == EINTR) {
        }
}
