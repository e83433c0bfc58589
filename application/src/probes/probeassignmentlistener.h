#pragma once

class TAbstractChannel;
class TAbstractProbe;

// Told of probe assignments the user makes, so that a channel view shows the
// new probe at once; implemented by the channel views.
class IProbeAssignmentListener
{
public:
    virtual ~IProbeAssignmentListener() = default;

    virtual void probeAssignedToChannelNotification(TAbstractProbe* probe, TAbstractChannel* channel) = 0;
};
