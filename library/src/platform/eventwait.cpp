#include "eventwait.h"

#include "terminationsignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

bool TEventWait::until(qint64 pMs, QEventLoop::ProcessEventsFlags pFlags, const std::function<bool()>& pDone)
{
    QElapsedTimer timer;
    timer.start();
    // The timer only wakes the blocking event processing at the deadline.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    for (;;) {
        if (pDone())
            return true;
        if (TTerminationSignals::terminationRequested())
            return false;
        const qint64 remaining = pMs - timer.elapsed();
        if (remaining <= 0)
            return false;
        wakeUp.start(static_cast<int>(qMin<qint64>(remaining, 60000)));
        QCoreApplication::processEvents(pFlags | QEventLoop::WaitForMoreEvents);
    }
}
