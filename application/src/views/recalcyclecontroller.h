#pragma once

#include <QDate>
#include <QString>

// The instrument's recalibration cycle in months, kept in the settings, and
// the next calibration dates that follow from it. Any value given is stored;
// the range offered to the user is the caller's.
class TRecalCycleController
{
public:
    static TRecalCycleController& instance();

    // Reads the stored cycle; the program uses instance().
    TRecalCycleController();
    TRecalCycleController(const TRecalCycleController&) = delete;
    TRecalCycleController& operator=(const TRecalCycleController&) = delete;

    short recalMonths() const { return mRecalMonths; }
    // Stored in the settings file at once.
    void setRecalibrationCycle(short pMonths);
    // Calendar months: a day past the end of a shorter month becomes its last day.
    QDate nextCalDate(const QDate& pLastCalDate) const;
    // Not yet on the next calibration date itself; always for an invalid date.
    bool isCalibrationDue(const QDate& pLastCalDate) const;

private:
    const QString mPersistance_SectionName = QStringLiteral("recalibration_cycle");
    const QString mPersistance_Setting_Months = QStringLiteral("months");
    short mRecalMonths;
};
