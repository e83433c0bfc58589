#include "boardlinkpeer.h"

#include "linkcrc.h"
#include "pseudoterminal.h"

#include <QElapsedTimer>
#include <QMutexLocker>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace
{
const QByteArray TERMINATOR("\r\n");
// The link's acknowledge bytes; they travel alone, without check byte or terminator.
constexpr char ACK = 0x06;
constexpr char NAK = 0x15;
} // namespace

TBoardLinkPeer::TBoardLinkPeer(TPseudoTerminal& pLine, TBoardSimulatorCore& pCore)
    : mLine(pLine), mMaster(pLine.masterDescriptor()), mCore(pCore)
{
}

TBoardLinkPeer::~TBoardLinkPeer() = default;

void TBoardLinkPeer::attach()
{
    mNotifier = std::make_unique<QSocketNotifier>(mMaster, QSocketNotifier::Read);
    connect(mNotifier.get(), &QSocketNotifier::activated, this, &TBoardLinkPeer::readFromHost);
}

void TBoardLinkPeer::detach()
{
    mNotifier.reset();
}

void TBoardLinkPeer::restart()
{
    QMutexLocker lock(&mCore.mMutex);
    restartLocked();
}

void TBoardLinkPeer::restartLocked()
{
    // Called from the notifier's own signal as well.
    if (mNotifier) {
        mNotifier->setEnabled(false);
        mNotifier.release()->deleteLater();
    }
    QString error;
    const bool reopened = mLine.reopen(error);
    if (reopened) {
        mCore.mLinkProblem.clear();
    } else {
        qWarning("simulated board: %s", qPrintable(error));
        mCore.mLinkProblem = error;
        // Kept, the old line would hold the host: its output stopped, or waiting for an answer nobody gives. Gone,
        // it hangs up, and every command after it fails at once, as with a board whose line is dead. Its path
        // stays, for the next restart to link the line there again.
        mLine.hangUp();
    }
    mMaster = mLine.masterDescriptor();
    mInput.clear();
    mPendingReply.reset();
    ++mExchange;
    mCore.mState.restart();
    if (reopened)
        attach();
}

void TBoardLinkPeer::readFromHost()
{
    QMutexLocker lock(&mCore.mMutex);
    char chunk[4096];
    for (;;) {
        const ssize_t count = ::read(mMaster, chunk, sizeof chunk);
        if (count > 0) {
            mInput.append(chunk, int(count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
            mNotifier->setEnabled(false);
        break;
    }
    processInput();
}

void TBoardLinkPeer::processInput()
{
    while (!mInput.isEmpty()) {
        // The host confirms a reply with a lone ACK or NAK; command texts never
        // begin with either.
        const char first = mInput.at(0);
        if (first == ACK || first == NAK) {
            mInput.remove(0, 1);
            handleHostAnswer(first);
            continue;
        }
        const int terminator = mInput.indexOf(TERMINATOR);
        if (terminator < 0)
            return;
        const QByteArray frame = mInput.left(terminator + TERMINATOR.size());
        mInput.remove(0, frame.size());
        handleFrame(frame);
    }
}

void TBoardLinkPeer::handleHostAnswer(char pAnswer)
{
    if (pAnswer == ACK) {
        ++mCore.mRecord.mHostAcks;
        mPendingReply.reset();
        return;
    }
    // Counted once the resend is on the line, so that a test that waits for the count finds the resend
    // already in the host's input, not still on its way to be taken for the next command's answer.
    if (mPendingReply)
        writeToHost(replyFrame(*mPendingReply));
    ++mCore.mRecord.mHostNaks;
}

void TBoardLinkPeer::handleFrame(const QByteArray& pBytes)
{
    ++mExchange;
    // A new command ends the last exchange, confirmed or not.
    mPendingReply.reset();

    TReceivedFrame received;
    received.mBytes = pBytes;
    received.mArrivalNs = TLinkRecord::monotonicNs();
    const QByteArray body = pBytes.left(pBytes.size() - TERMINATOR.size());
    received.mChecksumValid = TLinkCrc::isIntact(body);
    if (received.mChecksumValid)
        received.mText = body.left(body.size() - 1);
    mCore.mRecord.addFrame(received);

    TBoardFaults& faults = mCore.mFaults;
    if (!received.mChecksumValid) {
        writeToHost(QByteArray(1, NAK));
        return;
    }
    if (mCore.mCommandWatcher)
        mCore.mCommandWatcher(received.mText);
    if (TBoardFaults::take(faults.mSilentCommands)) {
        leaveHostWaiting();
        return;
    }
    if (TBoardFaults::take(faults.mRestartCommands)) {
        restartLocked();
        return;
    }
    if (TBoardFaults::take(faults.mNakCommands)) {
        writeToHost(QByteArray(1, NAK));
        return;
    }
    if (TBoardFaults::take(faults.mStrayByteCommands)) {
        writeToHost(QByteArray(1, faults.mStrayByte));
        return;
    }

    TBoardAnswer answer;
    TBoardFaults::TCommandFault commandFault;
    if (faults.takeCommandFault(received.mText, commandFault)) {
        if (commandFault.mKind == TBoardFaults::TCommandFault::cfSilence) {
            leaveHostWaiting();
            return;
        }
        if (!mCore.mState.hasReply(received.mText)) {
            writeToHost(QByteArray(1, NAK));
            return;
        }
        answer.mReply = commandFault.mReply;
    } else {
        answer = mCore.mState.execute(received.mText, mCore.mState.secondsSinceStart());
        if (answer.mReplyExpected && !faults.mInjectedReplies.isEmpty())
            answer.mReply = faults.mInjectedReplies.takeFirst();
    }
    const QByteArray ack(1, ACK);
    if (!answer.mReplyExpected) {
        writeToHost(ack);
        return;
    }

    QByteArray text = answer.mReply;
    if (TBoardFaults::take(faults.mZeroByteReplies)) {
        const int position =
            faults.mZeroBytePosition < 0 ? text.size() / 2 : std::min(faults.mZeroBytePosition, int(text.size()));
        text.insert(position, '\0');
    }
    if (TBoardFaults::take(faults.mLateReplies)) {
        writeToHost(ack);
        leaveHostWaiting();
        const quint64 exchange = mExchange;
        QTimer::singleShot(faults.mLateReplyDelayMs, this, [this, text, exchange]() {
            QMutexLocker lock(&mCore.mMutex);
            writeLateReply(text, exchange);
        });
        return;
    }
    if (TBoardFaults::take(faults.mNoiseReplies)) {
        // Printable bytes that are neither CR nor LF.
        writeToHost(ack + QByteArray(TBoardFaults::NOISE_BYTES, 'N'));
        return;
    }
    mPendingReply = text;
    if (TBoardFaults::take(faults.mRestartAfterReplies)) {
        restartAfterReply(ack + replyFrame(text));
    } else if (TBoardFaults::take(faults.mPieceReplies)) {
        writeToHost(ack);
        sendPieces(replyFrame(text), std::max(1, faults.mPieceBytes), faults.mPieceGapMs, mExchange);
    } else if (TBoardFaults::take(faults.mJoinedReplies)) {
        writeToHost(ack + replyFrame(text));
    } else {
        writeToHost(ack);
        writeToHost(replyFrame(text));
    }
}

void TBoardLinkPeer::writeLateReply(const QByteArray& pText, quint64 pExchange)
{
    // Late for a host that has given up, however slowly a loaded machine lets
    // it see the notice.
    if (!hostGaveUp()) {
        QTimer::singleShot(1, this, [this, pText, pExchange]() {
            QMutexLocker lock(&mCore.mMutex);
            writeLateReply(pText, pExchange);
        });
        return;
    }
    writeToHost(replyFrame(pText));
    ++mCore.mRecord.mLateReplies;
    if (pExchange == mExchange)
        mPendingReply = pText;
}

void TBoardLinkPeer::leaveHostWaiting()
{
    if (mCore.mSilenceNotice < 0)
        return;
    const quint64 one = 1;
    while (::write(mCore.mSilenceNotice, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

bool TBoardLinkPeer::hostGaveUp() const
{
    if (mCore.mSilenceNotice < 0)
        return true;
    pollfd notice{mCore.mSilenceNotice, POLLIN, 0};
    return ::poll(&notice, 1, 0) == 0;
}

QByteArray TBoardLinkPeer::replyFrame(const QByteArray& pText)
{
    QByteArray frame = TLinkCrc::frame(pText);
    if (TBoardFaults::take(mCore.mFaults.mBadReplyCrc)) {
        // Flipping one bit always breaks the CRC.
        const int crcPosition = frame.size() - TERMINATOR.size() - 1;
        frame[crcPosition] = char(frame.at(crcPosition) ^ 0x01);
    }
    return frame;
}

void TBoardLinkPeer::sendPieces(QByteArray pFrame, int pPieceBytes, int pGapMs, quint64 pExchange)
{
    writeToHost(pFrame.left(pPieceBytes));
    const QByteArray rest = pFrame.mid(pPieceBytes);
    if (rest.isEmpty())
        return;
    QTimer::singleShot(pGapMs, this, [this, rest, pPieceBytes, pGapMs, pExchange]() {
        QMutexLocker lock(&mCore.mMutex);
        // A host that gave up and sent the next command no longer waits for the rest.
        if (pExchange == mExchange)
            sendPieces(rest, pPieceBytes, pGapMs, pExchange);
    });
}

void TBoardLinkPeer::writeToHost(const QByteArray& pBytes)
{
    // A host that stopped reading fills the line; after a while the rest is dropped
    // as a real board's transmit buffer would overflow.
    int waits = 20;
    int written = 0;
    // The host may read the last bytes from the moment they are written, before this thread, which may be
    // put off on a loaded machine, gets to note the time after the write.
    qint64 lastWriteNs = 0;
    while (written < pBytes.size()) {
        lastWriteNs = TLinkRecord::monotonicNs();
        const ssize_t count = ::write(mMaster, pBytes.constData() + written, size_t(pBytes.size() - written));
        if (count > 0) {
            written += int(count);
        } else if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) && waits-- > 0) {
            pollfd writable{mMaster, POLLOUT, 0};
            ::poll(&writable, 1, 100);
        } else {
            return;
        }
    }
    if (!mCore.mRecord.mFrames.isEmpty())
        mCore.mRecord.mFrames.last().mLastAnswerNs = lastWriteNs;
}

void TBoardLinkPeer::restartAfterReply(const QByteArray& pBytes)
{
    // With the host's output stopped its ACK waits in the host until the line
    // hangs up, however quickly it answers; ACK and reply go in one write, so
    // that the host never finds its side empty between the two.
    ::tcflow(mLine.slaveDescriptor(), TCOOFF);
    writeToHost(pBytes);
    if (!waitUntilHostRead(2000))
        qWarning("simulated board: the host did not read the reply before the restart");
    restartLocked();
}

bool TBoardLinkPeer::waitUntilHostRead(int pLimitMs)
{
    // The bytes reach the host's side a moment after the write: they count as
    // read once they were seen there and are gone, or when they were never
    // seen for a while and nothing is there.
    constexpr int UNSEEN_MS = 100;
    QElapsedTimer clock;
    clock.start();
    bool seen = false;
    while (clock.elapsed() < pLimitMs) {
        int waiting = 0;
        if (::ioctl(mLine.slaveDescriptor(), FIONREAD, &waiting) != 0)
            return false;
        seen = seen || waiting > 0;
        if (waiting == 0 && (seen || clock.elapsed() >= UNSEEN_MS)) {
            // The host's read has returned by now and its ACK is held.
            QThread::msleep(20);
            return true;
        }
        QThread::msleep(1);
    }
    return false;
}
