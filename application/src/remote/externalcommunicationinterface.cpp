#include "externalcommunicationinterface.h"

#include "externalcommunicationhandler.h"

#include <QElapsedTimer>

#include <memory>
#include <utility>

TExternalCommunicationInterface::TExternalCommunicationInterface(TExternalCommunicationHandler* pCommHandler)
    : mOhmSign(QChar(0x2126)), mCommunicationHandler(pCommHandler)
{
    mDropCheck.setSingleShot(true);
    connect(&mDropCheck, &QTimer::timeout, this, &TExternalCommunicationInterface::checkDrop);
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    mInputClock = [timer] { return timer->elapsed(); };
}

void TExternalCommunicationInterface::setInputClock(std::function<qint64()> pElapsedMilliseconds)
{
    mInputClock = std::move(pElapsedMilliseconds);
    if (isDroppingInput())
        mDropBegan = mLastInput = mInputClock();
}

void TExternalCommunicationInterface::sendResponse(const QString& pResponse, bool pWithTerminator)
{
    QByteArray bytes;
    sendResponse(pResponse, pWithTerminator, bytes);
}

// One pass from text to bytes, into a buffer of the final size: replies are
// short and many, and the ohm sign is the only character that changes.
void TExternalCommunicationInterface::sendResponse(const QString& pResponse, bool pWithTerminator, QByteArray& pBuffer)
{
    const int length = pResponse.size();
    pBuffer.resize(length + (pWithTerminator ? 2 : 0));
    const QChar ohm = mOhmSign.at(0);
    const QChar* text = pResponse.constData();
    char* out = pBuffer.data();
    for (int i = 0; i < length; ++i) {
        const ushort code = text[i].unicode();
        out[i] = text[i] == ohm ? 'R' : code < 0x100 ? char(code) : '?';
    }
    if (pWithTerminator) {
        out[length] = '\r';
        out[length + 1] = '\n';
    }
    sendRawData(pBuffer);
}

void TExternalCommunicationInterface::sendResponse(const QString& pResponse)
{
    sendResponse(pResponse, true);
}

void TExternalCommunicationInterface::sendAck()
{
    sendRawData(QByteArrayLiteral("ACK\r\n"));
}

void TExternalCommunicationInterface::outputDrained()
{
    if (mCommunicationHandler && hasRoomForOutput())
        mCommunicationHandler->outputDrained(this);
}

void TExternalCommunicationInterface::deliverReceivedData(const QByteArray& pData)
{
    const int zero = pData.indexOf('\0');
    const QString text = QString::fromLatin1(zero < 0 ? pData : pData.left(zero));
    mCommunicationHandler->processIncomingString(this, text);
}

void TExternalCommunicationInterface::beginDrop()
{
    mDropLeft = mDropLimit;
    mDropped = 0;
    mDropBegan = mLastInput = mInputClock();
    checkDrop();
}

void TExternalCommunicationInterface::noteDropped(qint64 pBytes)
{
    mDropLeft -= pBytes;
    mDropped += pBytes;
    if (mDropLeft <= 0)
        endDrop();
    else
        mLastInput = mInputClock();
}

void TExternalCommunicationInterface::cancelDrop()
{
    mDropLeft = 0;
    mDropCheck.stop();
}

void TExternalCommunicationInterface::endDrop()
{
    cancelDrop();
    dropEnded();
}

// Text that waits for a notification not yet passed on came in the quiet
// period too. What waits when the drop's time is over is read: it counts as
// come after.
void TExternalCommunicationInterface::checkDrop()
{
    if (!isDroppingInput())
        return;
    qint64 now = mInputClock();
    const qint64 end = mDropBegan + dropTimeLimit();
    if (now >= end) {
        endDrop();
        return;
    }
    if (now - mLastInput >= INPUT_QUIET_PERIOD) {
        if (!dropWaitingInput()) {
            endDrop();
            return;
        }
        if (!isDroppingInput())
            return;
        mLastInput = now = mInputClock();
    }
    const qint64 next = qMin(mLastInput + INPUT_QUIET_PERIOD, end);
    mDropCheck.start(int(qMax<qint64>(next - now, 0)));
}
