#include "serialcommunicationinterface.h"

#include "externalcommunicationhandler.h"
#include "rs232configurationcontroller.h"
#include "serialline.h"

#include <QSocketNotifier>

TSerialCommunicationInterface::TSerialCommunicationInterface(TExternalCommunicationHandler* pCommHandler,
                                                             const QString& pPort, int pBaudRate,
                                                             QSerialPort::FlowControl pFlowControl,
                                                             QSerialPort::DataBits pDataBits,
                                                             QSerialPort::StopBits pStopBits,
                                                             QSerialPort::Parity pParity)
    : TExternalCommunicationInterface(pCommHandler)
    , mPort(pPort)
    , mSerialPort(std::make_unique<TSerialLine>(pPort, pBaudRate, pDataBits, pParity, pStopBits, pFlowControl))
{
    mReopenTimer.setSingleShot(true);
    mReopenTimer.setInterval(REOPEN_DELAY);
    connect(&mReopenTimer, &QTimer::timeout, this, &TSerialCommunicationInterface::reopen);
    mHangUpWatch.setInterval(HANG_UP_CHECK_INTERVAL);
    connect(&mHangUpWatch, &QTimer::timeout, this, &TSerialCommunicationInterface::watchForHangUp);
    open();
}

TSerialCommunicationInterface::~TSerialCommunicationInterface()
{
    close();
}

bool TSerialCommunicationInterface::isOpen() const
{
    return mSerialPort->isOpen();
}

// Settings the line refuses leave it closed until they change: said each time,
// so that the user and the log learn why the host goes unanswered.
bool TSerialCommunicationInterface::open()
{
    const bool opened = mSerialPort->open();
    const bool refused = mSerialPort->settingsRefused();
    if (refused)
        qWarning("Serial line %s does not take its settings (%d baud, %d bits a character); it stays closed until "
                 "they change.",
                 qPrintable(mSerialPort->path()), int(mSerialPort->baudRate()), mSerialPort->characterBits());
    if (refused != mSettingsRefused) {
        mSettingsRefused = refused;
        emit settingsRefusedChanged(refused);
    }
    if (!opened)
        return false;
    mReadNotifier = new QSocketNotifier(mSerialPort->descriptor(), QSocketNotifier::Read, this);
    connect(mReadNotifier, &QSocketNotifier::activated, this, &TSerialCommunicationInterface::onReadyRead);
    mWriteNotifier = new QSocketNotifier(mSerialPort->descriptor(), QSocketNotifier::Write, this);
    mWriteNotifier->setEnabled(false);
    connect(mWriteNotifier, &QSocketNotifier::activated, this, &TSerialCommunicationInterface::writePending);
    return true;
}

// What was not sent was meant for the host that had the line.
void TSerialCommunicationInterface::close()
{
    for (QSocketNotifier** notifier : {&mReadNotifier, &mWriteNotifier}) {
        if (*notifier) {
            (*notifier)->setEnabled(false);
            (*notifier)->deleteLater();
            *notifier = nullptr;
        }
    }
    mHangUpWatch.stop();
    mOutput.clear();
    mOutputOffset = 0;
    mPendingBytes = 0;
    if (mSerialPort->isOpen())
        ++mConnectionNumber;
    mSerialPort->close();
}

// What waited for the host that went is dropped with the line, and so is
// the drop of its text: the handler learns that it has room, and finds the
// host gone.
void TSerialCommunicationInterface::lineGone()
{
    cancelDrop();
    close();
    outputDrained();
    if (!mReopenTimer.isActive())
        mReopenTimer.start();
}

void TSerialCommunicationInterface::sendRawData(const QByteArray& pData)
{
    if (!mSerialPort->isOpen() || pData.isEmpty())
        return;
    mOutput.enqueue(pData);
    mPendingBytes += pData.size();
    if (mOutput.size() == 1)
        writePending();
}

void TSerialCommunicationInterface::writePending()
{
    while (!mOutput.isEmpty()) {
        const QByteArray& head = mOutput.head();
        const qint64 written =
            mSerialPort->writeAvailable(head.constData() + mOutputOffset, head.size() - mOutputOffset);
        if (written < 0) {
            lineGone();
            return;
        }
        mOutputOffset += written;
        mPendingBytes -= written;
        if (mOutputOffset < head.size())
            break;
        mOutput.dequeue();
        mOutputOffset = 0;
    }
    mWriteNotifier->setEnabled(!mOutput.isEmpty());
    resumeInput();
    outputDrained();
}

bool TSerialCommunicationInterface::mayRead() const
{
    return hasRoomForOutput() && mCommunicationHandler->queueRoom(this) > 0;
}

// The text that waited is read on the next turn, without waiting for more.
void TSerialCommunicationInterface::resumeInput()
{
    if (!mReadNotifier || mReadNotifier->isEnabled() || !mayRead())
        return;
    mHangUpWatch.stop();
    mReadNotifier->setEnabled(true);
}

void TSerialCommunicationInterface::watchForHangUp()
{
    if (mSerialPort->hasHungUp())
        lineGone();
}

// What the read path has taken is the handler's already; the takeback drops
// that there. A host that wrote more than the line holds is still writing:
// the line is read on whatever waits, and what comes is dropped.
void TSerialCommunicationInterface::dropUnreadInput()
{
    mSerialPort->discardInput();
    if (!mReadNotifier)
        return;
    mLongestDropTime = 0;
    beginDrop();
    mHangUpWatch.stop();
    mReadNotifier->setEnabled(true);
}

// A host's text sent before the Yes and still in its buffer keeps coming
// after it for as long as the line takes to carry it. A drop that ended
// sooner would answer the rest, and a remote-mode request in it would take
// the instrument back from the user who had just taken it. The host goes on
// sending in the frame it was set to, whatever the line is set to since: a
// shorter frame stored during the drop leaves its bound as it was.
qint64 TSerialCommunicationInterface::dropTimeLimit() const
{
    qint64 limit = qMax<qint64>(DROP_TIME_LIMIT, isDroppingInput() ? mLongestDropTime : 0);
    const qint64 rate = mSerialPort->baudRate();
    if (rate > 0)
        limit = qMax(limit, (HOST_BUFFER_BYTES * mSerialPort->characterBits() * 1000 + rate - 1) / rate);
    return limit;
}

bool TSerialCommunicationInterface::dropArrivedInput()
{
    QByteArray dropped;
    const TSerialLine::EnWaitResult result = mSerialPort->read(dropped, 0, int(qMin<qint64>(READ_CHUNK, dropLeft())));
    if (result == TSerialLine::wrHangUp)
        lineGone();
    if (result != TSerialLine::wrBytes)
        return false;
    noteDropped(dropped.size());
    return true;
}

bool TSerialCommunicationInterface::dropWaitingInput()
{
    return mReadNotifier && dropArrivedInput();
}

// Only a line that has gone away is reopened, after a pause. A line whose
// other end has hung up keeps reporting itself readable; it counts as gone,
// or the instrument would spin on it. A host whose replies pile up unread, or
// whose commands fill the handler's queue, is not read on until there is
// room; the line holds its text and then holds it up. Each byte may end a
// line, so no more bytes are taken than the queue has room for lines.
void TSerialCommunicationInterface::onReadyRead()
{
    if (isDroppingInput()) {
        dropArrivedInput();
        return;
    }
    if (!mayRead()) {
        mReadNotifier->setEnabled(false);
        mHangUpWatch.start();
        return;
    }
    QByteArray received;
    const TSerialLine::EnWaitResult result =
        mSerialPort->read(received, 1, qMin(READ_CHUNK, mCommunicationHandler->queueRoom(this)));
    if (result == TSerialLine::wrBytes) {
        deliverReceivedData(received);
        return;
    }
    if (result == TSerialLine::wrHangUp)
        lineGone();
}

// A drop of the host's old text goes on over the line opened anew: that text
// is still on its way. Its bound follows the new rate and frame where they
// take longer to carry it.
void TSerialCommunicationInterface::onConfigurationChanged(TRS232ConfigurationController* pController)
{
    if (isDroppingInput()) {
        mLongestDropTime = dropTimeLimit();
        // Closing discards what the host sent while the settings were being
        // stored, the only sign that it still sends: the drop's quiet check
        // after the reopen would find an empty line and end the drop early.
        // Dropped through the drop's count, which bounds this.
        while (isDroppingInput() && dropWaitingInput()) {
        }
    }
    close();
    mSerialPort =
        std::make_unique<TSerialLine>(mPort, pController->baudRate(), pController->dataBits(), pController->parity(),
                                      pController->stopBits(), pController->flowControl());
    open();
}

// A device that is not back yet is tried again after the same pause; a line
// that refuses its settings waits for them to change.
void TSerialCommunicationInterface::reopen()
{
    if (!mSerialPort->isOpen() && !open() && !mSettingsRefused)
        mReopenTimer.start();
}
