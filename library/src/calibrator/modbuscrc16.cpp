#include "modbuscrc16.h"

void TModbusCRC16::calculateChecksum(const QByteArray& pInput, unsigned char& oLSB, unsigned char& oMSB)
{
    quint16 crc = 0xFFFF;
    for (const char byte : pInput) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    oLSB = quint8(crc & 0xFF);
    oMSB = quint8(crc >> 8);
}

void TModbusCRC16::appendChecksum(QByteArray& pInput)
{
    unsigned char lsb = 0;
    unsigned char msb = 0;
    calculateChecksum(pInput, lsb, msb);
    pInput.append(char(lsb));
    pInput.append(char(msb));
}
