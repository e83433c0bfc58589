#pragma once

class TAbstractChannel;

// Told when a probe assignment changes the electrical unit of a channel, so
// that whatever shows the channel's history can start afresh. The channel
// controller listens to all channels and passes the event on.
class IChannelTypeChangeListener
{
public:
    virtual ~IChannelTypeChangeListener() = default;

    virtual void channelTypeChanged(TAbstractChannel* pChannel) = 0;
};
