#include "externalcommunicationinterface.h"

#include "externalcommunicationhandler.h"

TExternalCommunicationInterface::TExternalCommunicationInterface(TExternalCommunicationHandler* pCommHandler)
    : mOhmSign(QChar(0x2126)), mCommunicationHandler(pCommHandler)
{
    mQuietPeriod.setSingleShot(true);
    mQuietPeriod.setInterval(INPUT_QUIET_PERIOD);
    connect(&mQuietPeriod, &QTimer::timeout, this, &TExternalCommunicationInterface::onQuietPeriodOver);
}

// One pass from text to bytes, into a buffer of the final size: replies are
// short and many, and the ohm sign is the only character that changes.
void TExternalCommunicationInterface::sendResponse(const QString& pResponse, bool pWithTerminator)
{
    const int length = pResponse.size();
    QByteArray bytes(length + (pWithTerminator ? 2 : 0), Qt::Uninitialized);
    const QChar ohm = mOhmSign.at(0);
    const QChar* text = pResponse.constData();
    char* out = bytes.data();
    for (int i = 0; i < length; ++i) {
        const ushort code = text[i].unicode();
        out[i] = text[i] == ohm ? 'R' : code < 0x100 ? char(code) : '?';
    }
    if (pWithTerminator) {
        out[length] = '\r';
        out[length + 1] = '\n';
    }
    sendRawData(bytes);
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
