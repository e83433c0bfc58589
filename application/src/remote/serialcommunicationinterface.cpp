#include "serialcommunicationinterface.h"

#include "rs232configurationcontroller.h"
#include "serialline.h"

#include <QSocketNotifier>

namespace
{
// What one turn of the event loop reads at most.
constexpr int READ_CHUNK = 4096;
// A reply may wait this long for a line that the host holds back with its
// flow control, on top of the time its bytes take at the line's rate.
constexpr int WRITE_GRACE_MS = 1000;
} // namespace

TSerialCommunicationInterface::TSerialCommunicationInterface(TExternalCommunicationHandler* pCommHandler,
                                                             const QString& pPort, int pBaudRate,
                                                             QSerialPort::FlowControl pFlowControl,
                                                             QSerialPort::DataBits pDataBits,
                                                             QSerialPort::StopBits pStopBits,
                                                             QSerialPort::Parity pParity)
    : TExternalCommunicationInterface(pCommHandler)
    , mPort(pPort)
    , mSerialPort(std::make_unique<TSerialLine>(pPort, QSerialPort::BaudRate(pBaudRate), pDataBits, pParity, pStopBits,
                                                pFlowControl))
{
    mReopenTimer.setSingleShot(true);
    mReopenTimer.setInterval(REOPEN_DELAY);
    connect(&mReopenTimer, &QTimer::timeout, this, &TSerialCommunicationInterface::reopen);
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

bool TSerialCommunicationInterface::open()
{
    if (!mSerialPort->open())
        return false;
    mReadNotifier = new QSocketNotifier(mSerialPort->descriptor(), QSocketNotifier::Read, this);
    connect(mReadNotifier, &QSocketNotifier::activated, this, &TSerialCommunicationInterface::onReadyRead);
    return true;
}

void TSerialCommunicationInterface::close()
{
    if (mReadNotifier) {
        mReadNotifier->setEnabled(false);
        mReadNotifier->deleteLater();
        mReadNotifier = nullptr;
    }
    mSerialPort->close();
}

void TSerialCommunicationInterface::lineGone()
{
    close();
    if (!mReopenTimer.isActive())
        mReopenTimer.start();
}

// The time the bytes take at the line's rate (ten bits a character) and a
// grace; a line that takes nothing for longer drops the reply, as a full
// output queue would.
void TSerialCommunicationInterface::sendRawData(const QByteArray& pData)
{
    const qint64 transfer = qint64(pData.size()) * 10 * 1000 / qMax(1, int(mSerialPort->baudRate()));
    mSerialPort->write(pData, int(qMin<qint64>(transfer + WRITE_GRACE_MS, 60 * 1000)));
    if (mSerialPort->hasFailed())
        lineGone();
}

// Only a line that has gone away is reopened, after a pause. A line whose
// other end has hung up keeps reporting itself readable; it counts as gone,
// or the instrument would spin on it.
void TSerialCommunicationInterface::onReadyRead()
{
    QByteArray received;
    const TSerialLine::EnWaitResult result = mSerialPort->read(received, 1, READ_CHUNK);
    if (result == TSerialLine::wrBytes) {
        deliverReceivedData(received);
        return;
    }
    if (result == TSerialLine::wrHangUp)
        lineGone();
}

void TSerialCommunicationInterface::onConfigurationChanged(TRS232ConfigurationController* pController)
{
    close();
    mSerialPort =
        std::make_unique<TSerialLine>(mPort, pController->baudRate(), pController->dataBits(), pController->parity(),
                                      pController->stopBits(), pController->flowControl());
    open();
}

// A device that is not back yet is tried again after the same pause.
void TSerialCommunicationInterface::reopen()
{
    if (!mSerialPort->isOpen() && !open())
        mReopenTimer.start();
}
