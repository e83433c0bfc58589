#pragma once

#include <QString>
#include <QtGlobal>

// An IPv4 address with its netmask, as the network settings enter them: says
// whether the pair is usable (the netmask must be contiguous), gives the prefix
// length and tells whether another address lies in the same subnet.
// IPv6 texts are not IPv4 addresses: a pair holding one is invalid.
class TIPv4Subnet
{
public:
    TIPv4Subnet(const QString& pIPv4Address, const QString& pNetmask);

    bool isValid() const { return mValid; }
    // 1 to 32 for a valid pair, 0 otherwise.
    int prefixLength() const { return mPrefixLength; }
    // The netmask text as given; empty when the pair is invalid.
    QString netmask() const { return mNetmask; }

    // False for an invalid subnet and for a text that is no IPv4 address.
    bool isInSubnet(const QString& pIPv4Address) const;

private:
    quint32 maskValue() const;

    QString mNetmask;
    quint32 mSubnet = 0;
    bool mValid = true;
    int mPrefixLength = 0;
};
