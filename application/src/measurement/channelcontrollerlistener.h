#pragma once

class TAbstractChannel;

// Told by the channel controller about the measuring cycle, the listener
// registered last first. Each operation does nothing unless overridden, so a
// listener takes only what it needs: scan mode counts polls, the logger takes
// readings, the graph view starts afresh on a change of electrical unit.
class IChannelControllerListener
{
public:
    virtual ~IChannelControllerListener() = default;

    // A reading (or the repeated last one) went into the measured channel.
    virtual void channelRead(TAbstractChannel* /*pChannel*/) {}
    // A probe assignment changed the channel's electrical unit.
    virtual void channelTypeChanged(TAbstractChannel* /*pChannel*/) {}
    // After every poll, also a failed one, with the read interval in
    // milliseconds, so that listeners can count time in polls.
    virtual void afterMeasBoardPolled(int /*pIntervallMilliseconds*/) {}
};
