#include "recalcyclecontroller.h"
#include "tamarindsettings.h"

TRecalCycleController& TRecalCycleController::instance()
{
    static TRecalCycleController sInstance;
    return sInstance;
}

TRecalCycleController::TRecalCycleController()
{
    // Text that is no number gives 0, as toShort() reports it.
    mRecalMonths = TTamarindSettings::instance()
                       .value(mPersistance_SectionName, mPersistance_Setting_Months, QStringLiteral("12"))
                       .toShort();
}

void TRecalCycleController::setRecalibrationCycle(short pMonths)
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mPersistance_SectionName, mPersistance_Setting_Months, QString::number(pMonths));
    settings.store();
    mRecalMonths = pMonths;
}

QDate TRecalCycleController::nextCalDate(const QDate& pLastCalDate) const
{
    return pLastCalDate.addMonths(mRecalMonths);
}

bool TRecalCycleController::isCalibrationDue(const QDate& pLastCalDate) const
{
    // An invalid date compares as earlier than any valid one: an item never
    // calibrated is due.
    const QDate next = nextCalDate(pLastCalDate);
    return !next.isValid() || QDate::currentDate() > next;
}
