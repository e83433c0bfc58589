#pragma once

#include <QDateTime>
#include <QEventLoop>
#include <QtGlobal>

#include <atomic>
#include <memory>

// Where a calibration run takes its time from: the stability window, the hold
// time and the pauses between readings. A run lasts hours, so tests put a
// clock in its place that skips the waits; time-outs of single board
// readings stay on real time.
class IRoutineClock
{
public:
    virtual ~IRoutineClock() = default;

    virtual QDateTime now() const = 0;
    // Milliseconds on a monotonic scale; only differences count.
    virtual qint64 monotonicMs() const = 0;
    // Waits pMs while the events of pFlags are processed. Returns early, with
    // false, as soon as *pAbort (when given) is found set or the program has
    // been told to end.
    virtual bool wait(qint64 pMs, const bool* pAbort, QEventLoop::ProcessEventsFlags pFlags) = 0;

    // The clock runs take by default: real time unless a test replaced it.
    static IRoutineClock& current();
    // Installs pClock as default (null restores real time) and gives back the previous one.
    static std::unique_ptr<IRoutineClock> replace(std::unique_ptr<IRoutineClock> pClock);
};

// Real time. A wait sleeps in the event loop until the next event or its
// deadline rather than spinning: a spinning GUI thread would hold a core for
// the whole run.
class TRealRoutineClock : public IRoutineClock
{
public:
    QDateTime now() const override;
    qint64 monotonicMs() const override;
    bool wait(qint64 pMs, const bool* pAbort, QEventLoop::ProcessEventsFlags pFlags) override;
};

// Real time plus every wait it skipped: a wait processes the pending events
// once and moves the clock on by its length, or not at all when an abort or a
// terminate among those events ends it.
class TFastForwardRoutineClock : public IRoutineClock
{
public:
    QDateTime now() const override;
    qint64 monotonicMs() const override;
    bool wait(qint64 pMs, const bool* pAbort, QEventLoop::ProcessEventsFlags pFlags) override;
    qint64 skippedMs() const { return mSkippedMs; }
    void advance(qint64 pMs) { mSkippedMs += pMs; }

private:
    // Simulated peers read the time from their own threads.
    std::atomic<qint64> mSkippedMs{0};
};
