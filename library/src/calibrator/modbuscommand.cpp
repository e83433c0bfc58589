#include "modbuscommand.h"

#include "modbuscrc16.h"

namespace
{
void appendWord(QByteArray& pFrame, quint16 pWord)
{
    pFrame.append(char(pWord >> 8));
    pFrame.append(char(pWord & 0xFF));
}
} // namespace

TModbusCommand::TModbusCommand(quint8 pClientAddress, quint8 pFunctionCode, quint16 pStartAddress)
    : mClientAddress(pClientAddress), mFunctionCode(pFunctionCode), mStartAddress(pStartAddress)
{
}

QByteArray TModbusCommand::extractResponse(const QByteArray&) const
{
    return QByteArray(1, '\0');
}

QByteArray TModbusCommand::toByteArray() const
{
    QByteArray frame;
    frame.append(char(mClientAddress));
    frame.append(char(mFunctionCode));
    appendWord(frame, mStartAddress);
    addSpecificCommandPart(frame);
    TModbusCRC16::appendChecksum(frame);
    return frame;
}

bool TModbusCommand::isException(const QByteArray& pResponse) const
{
    return pResponse.size() >= 2 && quint8(pResponse.at(0)) == mClientAddress &&
           quint8(pResponse.at(1)) == quint8(mFunctionCode | 0x80);
}

bool TModbusCommand::isRegularResponse(const QByteArray& pResponse) const
{
    return pResponse.size() >= 2 && quint8(pResponse.at(0)) == mClientAddress &&
           quint8(pResponse.at(1)) == mFunctionCode;
}

int TModbusCommand::getExceptionCode(QByteArray pResponse) const
{
    if (pResponse.size() != EXCEPTION_REPLAY_SIZE || !isException(pResponse) || !removeAndCheckCRC(pResponse))
        return -1;
    return quint8(pResponse.at(2));
}

bool TModbusCommand::removeAndCheckCRC(QByteArray& pResponse) const
{
    // A reply shorter than its CRC compares the missing bytes as 0.
    const quint8 msb = pResponse.isEmpty() ? 0 : quint8(pResponse.back());
    pResponse.chop(1);
    const quint8 lsb = pResponse.isEmpty() ? 0 : quint8(pResponse.back());
    pResponse.chop(1);
    unsigned char expectedLsb = 0;
    unsigned char expectedMsb = 0;
    TModbusCRC16::calculateChecksum(pResponse, expectedLsb, expectedMsb);
    return lsb == expectedLsb && msb == expectedMsb;
}

TModbusReadCommand::TModbusReadCommand(quint8 pClientAddress, quint16 pStartAddress, quint16 pNumberWords)
    : TModbusCommand(pClientAddress, READ_FUNCTION_CODE, pStartAddress), mNumberWords(pNumberWords)
{
}

int TModbusReadCommand::expectedResponseBytes() const
{
    return 2 * mNumberWords + 5;
}

QByteArray TModbusReadCommand::extractResponse(const QByteArray& pResponse) const
{
    QByteArray reply = pResponse;
    if (!removeAndCheckCRC(reply) || reply.size() != 2 * mNumberWords + 3)
        return QByteArray();
    return reply.mid(3);
}

void TModbusReadCommand::addSpecificCommandPart(QByteArray& pCommand) const
{
    appendWord(pCommand, mNumberWords);
}

TModbusWriteCommand::TModbusWriteCommand(quint8 pClientAddress, quint16 pStartAddress, int pValue)
    : TModbusCommand(pClientAddress, WRITE_FUNCTION_CODE, pStartAddress), mValue(pValue)
{
}

int TModbusWriteCommand::expectedResponseBytes() const
{
    return toByteArray().size();
}

void TModbusWriteCommand::addSpecificCommandPart(QByteArray& pCommand) const
{
    appendWord(pCommand, quint16(mValue & 0xFFFF));
}
