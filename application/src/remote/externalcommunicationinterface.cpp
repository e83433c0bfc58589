#include "externalcommunicationinterface.h"

#include "externalcommunicationhandler.h"

TExternalCommunicationInterface::TExternalCommunicationInterface(TExternalCommunicationHandler* pCommHandler)
    : mOhmSign(QChar(0x2126)), mCommunicationHandler(pCommHandler)
{
    mQuietPeriod.setSingleShot(true);
    mQuietPeriod.setInterval(INPUT_QUIET_PERIOD);
    connect(&mQuietPeriod, &QTimer::timeout, this, &TExternalCommunicationInterface::onQuietPeriodOver);
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
    mDropLeft = DROP_LIMIT;
    mQuietPeriod.start();
}

void TExternalCommunicationInterface::noteDropped(qint64 pBytes)
{
    mDropLeft -= pBytes;
    if (mDropLeft > 0)
        mQuietPeriod.start();
    else
        endDrop();
}

void TExternalCommunicationInterface::cancelDrop()
{
    mDropLeft = 0;
    mQuietPeriod.stop();
}

void TExternalCommunicationInterface::endDrop()
{
    cancelDrop();
    dropEnded();
}

// Text that waits for a notification not yet passed on came in the quiet period too.
void TExternalCommunicationInterface::onQuietPeriodOver()
{
    if (!isDroppingInput())
        return;
    if (!dropWaitingInput())
        endDrop();
    else if (isDroppingInput())
        mQuietPeriod.start();
}
