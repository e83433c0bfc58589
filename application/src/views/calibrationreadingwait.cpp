#include "calibrationreadingwait.h"

#include "terminationsignals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

constexpr std::chrono::milliseconds TCalibrationReadingWait::DEFAULT_PAUSE;
std::chrono::milliseconds TCalibrationReadingWait::sPause = TCalibrationReadingWait::DEFAULT_PAUSE;

void TCalibrationReadingWait::wait()
{
    QElapsedTimer timer;
    timer.start();
    // Pending events are processed even without a pause, so that Abort is seen.
    QCoreApplication::processEvents();
    // Once the program is told to end, a nested loop returns at once: the
    // pause would spin, and the caller ends at its next check of Abort.
    for (qint64 left = qint64(sPause.count()) - timer.elapsed();
         left > 0 && !TTerminationSignals::terminationRequested(); left = qint64(sPause.count()) - timer.elapsed()) {
        QEventLoop loop;
        QTimer::singleShot(int(left), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void TCalibrationReadingWait::setPause(std::chrono::milliseconds pPause)
{
    sPause = pPause;
}

std::chrono::milliseconds TCalibrationReadingWait::pause()
{
    return sPause;
}
