#include "buzzercontroller.h"

#include "deviceroot.h"

#include <QFile>
#include <QTimer>

TBuzzerController& TBuzzerController::instance()
{
    static TBuzzerController controller;
    return controller;
}

TBuzzerController::TBuzzerController() : mTimer(std::make_unique<QTimer>(this))
{
    mTimer->setSingleShot(true);
    connect(mTimer.get(), &QTimer::timeout, this, &TBuzzerController::timeout);
}

TBuzzerController::~TBuzzerController()
{
    setActive(false);
}

void TBuzzerController::initialize(const QString& pGPIOFile)
{
    // Resolved now: the controller lives until the very end of the process,
    // and its last write must still land where the first ones did.
    mGPIO_file = TDeviceRoot::path(pGPIOFile);
}

void TBuzzerController::setKeystrokesActive(bool pActive)
{
    mKeystrokesActive = pActive;
}

void TBuzzerController::setAlarmsActive(bool pActive)
{
    mAlarmsActive = pActive;
}

void TBuzzerController::soundKeystroke()
{
    if (!mKeystrokesActive || mAlarmSounding)
        return;
    setActive(true);
    setActive(false);
}

void TBuzzerController::soundAlarm(int pMilliseconds)
{
    if (!mAlarmsActive)
        return;
    setActive(true);
    mAlarmSounding = true;
    mTimer->start(pMilliseconds);
}

void TBuzzerController::soundAlarm()
{
    if (!mAlarmsActive)
        return;
    setActive(true);
    mAlarmSounding = true;
}

void TBuzzerController::mute()
{
    setActive(false);
    mAlarmSounding = false;
}

void TBuzzerController::setActive(bool pOn)
{
    if (mGPIO_file.isEmpty())
        return;
    QFile file(mGPIO_file);
    if (file.open(QIODevice::ReadWrite | QIODevice::Text))
        file.write(pOn ? "1" : "0");
}

void TBuzzerController::timeout()
{
    mute();
}
