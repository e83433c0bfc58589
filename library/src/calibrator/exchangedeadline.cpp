#include "exchangedeadline.h"

#include "terminationsignals.h"

#include <QThread>

namespace
{
// Bounds how late a terminate is seen during a pause.
constexpr qint64 SLEEP_SLICE_MS = 10;
} // namespace

TExchangeDeadline::TExchangeDeadline(int pMilliseconds) : mMilliseconds(pMilliseconds)
{
    mTimer.start();
}

bool TExchangeDeadline::passed() const
{
    return mTimer.hasExpired(mMilliseconds) || TTerminationSignals::terminationRequested();
}

void TExchangeDeadline::sleepOut() const
{
    while (!passed())
        QThread::msleep(
            static_cast<unsigned long>(qBound<qint64>(1, mMilliseconds - mTimer.elapsed(), SLEEP_SLICE_MS)));
}
