#pragma once

#include <QString>

// A channel as the calibration routines name it in their files: the internal
// channel number and the caption shown for it.
class TChannelDescription
{
public:
    TChannelDescription() = default;
    TChannelDescription(int pInternalChannelNumber, const QString& pChannelCaption)
        : mInternalChannelNumber(pInternalChannelNumber), mChannelCaption(pChannelCaption)
    {
    }

    int internalChannelNumber() const { return mInternalChannelNumber; }
    QString channelCaption() const { return mChannelCaption; }

    // Orders by channel number alone; the caption is only what is shown.
    bool operator<(const TChannelDescription& pOther) const
    {
        return mInternalChannelNumber < pOther.mInternalChannelNumber;
    }

private:
    int mInternalChannelNumber = 0;
    QString mChannelCaption;
};
