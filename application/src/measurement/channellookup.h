#pragma once

class TAbstractChannel;

// Finds a channel by its internal channel number. The channel controller,
// which owns every channel, answers it; channels ask it to follow a
// thermocouple's cold junction to the channel that measures it.
class IChannelLookup
{
public:
    virtual ~IChannelLookup() = default;

    // Null when no channel has that number.
    virtual TAbstractChannel* channel(int pChannelNumber) const = 0;
};
