#pragma once

class TAbstractChannel;

// Receives the channel the user picked on the channel selection page; the
// channel views and the graph view implement it.
class IChannelSelectionReceiver
{
public:
    virtual ~IChannelSelectionReceiver() = default;

    virtual void channelSelected(TAbstractChannel* pChannel) = 0;
};
