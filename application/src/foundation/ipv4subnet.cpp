#include "ipv4subnet.h"

#include <QHostAddress>
#include <QStringList>

namespace
{
bool parseIPv4(const QString& pText, quint32& oValue)
{
    QHostAddress address;
    if (!address.setAddress(pText.trimmed()) || address.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    oValue = address.toIPv4Address();
    return true;
}
} // namespace

TIPv4Subnet::TIPv4Subnet(const QString& pIPv4Address, const QString& pNetmask)
{
    quint32 address = 0;
    quint32 parsedMask = 0;
    if (!parseIPv4(pIPv4Address, address) || !parseIPv4(pNetmask, parsedMask)) {
        mValid = false;
        return;
    }

    quint32 mask = 0;
    const QStringList parts = pNetmask.trimmed().split(QLatin1Char('.'));
    for (const QString& part : parts)
        mask = mask * 256 + part.toUInt();
    if (mask == 0) {
        mValid = false;
        return;
    }

    int leadingOnes = 0;
    while (leadingOnes < 32 && (mask & (quint32(1) << (31 - leadingOnes))))
        ++leadingOnes;
    // Below the leading ones every bit must be clear: 255.0.255.0 is no netmask.
    const quint32 contiguous = leadingOnes == 32 ? ~quint32(0) : ~(~quint32(0) >> leadingOnes);
    if (leadingOnes == 0 || mask != contiguous) {
        mValid = false;
        return;
    }

    mPrefixLength = leadingOnes;
    mSubnet = address & mask;
    mNetmask = pNetmask;
}

quint32 TIPv4Subnet::maskValue() const
{
    return mPrefixLength >= 32 ? ~quint32(0) : ~(~quint32(0) >> mPrefixLength);
}

bool TIPv4Subnet::isInSubnet(const QString& pIPv4Address) const
{
    quint32 address = 0;
    if (!mValid || !parseIPv4(pIPv4Address, address))
        return false;
    return (address & maskValue()) == mSubnet;
}
