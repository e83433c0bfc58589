#include "externalcommunicationinterface.h"

#include "externalcommunicationhandler.h"

TExternalCommunicationInterface::TExternalCommunicationInterface(TExternalCommunicationHandler* pCommHandler)
    : mOhmSign(QChar(0x2126)), mCommunicationHandler(pCommHandler)
{
}

void TExternalCommunicationInterface::sendResponse(const QString& pResponse, bool pWithTerminator)
{
    QString text = pResponse;
    text.replace(mOhmSign, QStringLiteral("R"));
    QByteArray bytes = text.toLatin1();
    if (pWithTerminator)
        bytes.append("\r\n");
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

void TExternalCommunicationInterface::deliverReceivedData(const QByteArray& pData)
{
    const int zero = pData.indexOf('\0');
    const QString text = QString::fromLatin1(zero < 0 ? pData : pData.left(zero));
    mCommunicationHandler->processIncomingString(this, text);
}
