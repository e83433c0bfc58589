#include "routineclock.h"

#include "eventwait.h"
#include "terminationsignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace
{
std::unique_ptr<IRoutineClock>& installedClock()
{
    static std::unique_ptr<IRoutineClock> clock = std::make_unique<TRealRoutineClock>();
    return clock;
}

qint64 monotonicNow()
{
    static QElapsedTimer start;
    if (!start.isValid())
        start.start();
    return start.elapsed();
}

// A terminate or Ctrl+C ends a wait as an abort does: the event loop it came
// from can only end once the run has returned, and a run lasts hours.
bool waitEnds(const bool* pAbort)
{
    return (pAbort && *pAbort) || TTerminationSignals::terminationRequested();
}
} // namespace

IRoutineClock& IRoutineClock::current()
{
    return *installedClock();
}

std::unique_ptr<IRoutineClock> IRoutineClock::replace(std::unique_ptr<IRoutineClock> pClock)
{
    std::unique_ptr<IRoutineClock> previous = std::move(installedClock());
    installedClock() = pClock ? std::move(pClock) : std::make_unique<TRealRoutineClock>();
    return previous;
}

QDateTime TRealRoutineClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 TRealRoutineClock::monotonicMs() const
{
    return monotonicNow();
}

bool TRealRoutineClock::wait(qint64 pMs, const bool* pAbort, QEventLoop::ProcessEventsFlags pFlags)
{
    const bool aborted = TEventWait::until(pMs, pFlags, [pAbort] { return pAbort && *pAbort; });
    return !aborted && !TTerminationSignals::terminationRequested();
}

QDateTime TFastForwardRoutineClock::now() const
{
    return QDateTime::currentDateTime().addMSecs(mSkippedMs);
}

qint64 TFastForwardRoutineClock::monotonicMs() const
{
    return monotonicNow() + mSkippedMs;
}

bool TFastForwardRoutineClock::wait(qint64 pMs, const bool* pAbort, QEventLoop::ProcessEventsFlags pFlags)
{
    if (waitEnds(pAbort))
        return false;
    QCoreApplication::processEvents(pFlags);
    // The real wait returns as soon as it sees the end: none of it passes.
    if (waitEnds(pAbort))
        return false;
    mSkippedMs += qMax<qint64>(pMs, 0);
    return true;
}
