#include "blockcalibratorinfo.h"

TBlockcalibratorInfo::TBlockcalibratorInfo(const QString& pTypeName, int pTmin, int pTmax)
    : mTypeName(pTypeName), mTmin(pTmin), mTmax(pTmax)
{
}

TBlockcalibratorInfo_Serial::TBlockcalibratorInfo_Serial(const QString& pTypeName, int pTmin, int pTmax)
    : TBlockcalibratorInfo(pTypeName, pTmin, pTmax)
{
}

TBlockcalibratorInfo_Ethernet::TBlockcalibratorInfo_Ethernet(const QString& pTypeName, int pTmin, int pTmax,
                                                             int pDefaultPort)
    : TBlockcalibratorInfo(pTypeName, pTmin, pTmax), mDefaultPort(pDefaultPort)
{
}
