#pragma once

#include <QElapsedTimer>

// How long a serial connector waits for its calibrator, on a monotonic clock.
// Its waits process no events, so a terminate or Ctrl+C is looked for here: a
// calibrator that answers late or not at all must not hold the program's end
// for the seconds of its time-outs and retries.
class TExchangeDeadline
{
public:
    explicit TExchangeDeadline(int pMilliseconds);
    // The time is over, or the program has been told to end.
    bool passed() const;
    // Sleeps until passed() holds, a few milliseconds at a time: the
    // calibrator needs the pause, not a core.
    void sleepOut() const;

private:
    QElapsedTimer mTimer;
    int mMilliseconds;
};
