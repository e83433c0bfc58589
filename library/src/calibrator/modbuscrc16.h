#pragma once

#include <QByteArray>

// The CRC-16 that ends every Modbus RTU frame (start 0xFFFF, reflected
// polynomial 0xA001), sent low byte first.
class TModbusCRC16
{
public:
    // An empty input gives 0xFF and 0xFF.
    static void calculateChecksum(const QByteArray& pInput, unsigned char& oLSB, unsigned char& oMSB);
    // Appends the low byte, then the high byte.
    static void appendChecksum(QByteArray& pInput);
};
