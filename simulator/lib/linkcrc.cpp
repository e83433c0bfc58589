#include "linkcrc.h"

quint8 TLinkCrc::of(const QByteArray& pBytes)
{
    quint8 crc = 0;
    for (const char byte : pBytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<quint8>((crc & 0x80) ? (crc << 1) ^ POLYNOMIAL : crc << 1);
    }
    return crc;
}

QByteArray TLinkCrc::frame(const QByteArray& pText)
{
    return pText + char(of(pText)) + "\r\n";
}

bool TLinkCrc::isIntact(const QByteArray& pBody)
{
    return !pBody.isEmpty() && of(pBody.left(pBody.size() - 1)) == static_cast<quint8>(pBody.back());
}
