// The logger's four settings pages: mode, start time, interval and duration,
// as they show their values and take new ones through the numeric pad.

#include "logfilecontroller.h"

#include "decimaldisplaycontroller.h"
#include "numpad.h"
#include "tamarindclock.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QLabel>

#include <cmath>

void TLogfileController::displaySelectedLogMode()
{
    QZELKContainerRadioButton* checked = mBtnLogMode_Automatic->checkedButtonInGroup();
    if (!checked)
        return;
    if (QLabel* label = checked->statusSourceLabel())
        mLblMode->setText(label->text());
}

void TLogfileController::retranslate()
{
    displaySelectedLogMode();
}

void TLogfileController::refreshLogfileStartTimeView()
{
    const TTamarindClock& clock = TTamarindClock::instance();
    switch (clock.dateFormat()) {
    case dfDDMMYYYY:
        mLblStartTime_DateFormat->setText(tr("dd/mm/yyyy"));
        break;
    case dfMMDDYYYY:
        mLblStartTime_DateFormat->setText(tr("mm/dd/yyyy"));
        break;
    default:
        mLblStartTime_DateFormat->clear();
        break;
    }
    mBtnStartTime_24h->setChecked(true);
    if (mPlannedStartPoint.isValid()) {
        mBtnLogStartTime_On->setCheckedAdvanced(true, false);
        const bool dayFirst = clock.dateFormat() == dfDDMMYYYY;
        mBtnLogStartTime_DateVal1->setText(
            mPlannedStartPoint.toString(dayFirst ? QStringLiteral("dd") : QStringLiteral("MM")));
        mBtnLogStartTime_DateVal2->setText(
            mPlannedStartPoint.toString(dayFirst ? QStringLiteral("MM") : QStringLiteral("dd")));
        mBtnLogStartTime_DateYear->setText(mPlannedStartPoint.toString(QStringLiteral("yyyy")));
        if (clock.timeFormat() == tf24h) {
            mBtnStartTime_24h->setChecked(true);
            mBtnLogStartTime_Hours->setText(mPlannedStartPoint.toString(QStringLiteral("hh")));
        } else {
            // "ap" gives "am" or "pm" whatever the locale, as the clock writes it.
            const QString hour = mPlannedStartPoint.toString(QStringLiteral("hhap"));
            (hour.endsWith(QLatin1String("am")) ? mBtnStartTime_AM : mBtnStartTime_PM)->setChecked(true);
            mBtnLogStartTime_Hours->setText(hour.left(hour.size() - 2));
        }
        mBtnLogStartTime_Minutes->setText(mPlannedStartPoint.toString(QStringLiteral("mm")));
    } else {
        mBtnLogStartTime_Off->setCheckedAdvanced(true, false);
        for (QZELKDialogButton* button : {mBtnLogStartTime_DateVal1, mBtnLogStartTime_DateVal2,
                                          mBtnLogStartTime_DateYear, mBtnLogStartTime_Hours, mBtnLogStartTime_Minutes})
            button->setText(QString());
    }
    mWgtStartTimePanel->setVisible(mBtnLogStartTime_On->isChecked());
}

void TLogfileController::setDuration(int pSeconds, bool pPersistSetting)
{
    mDuration = pSeconds;
    const int totalMinutes = pSeconds / 60;
    const int minutes = totalMinutes % 60;
    const int totalHours = totalMinutes / 60;
    const int hours = totalHours % 24;
    const int days = totalHours / 24;
    const auto twoDigits = [](int pValue) { return QStringLiteral("%1").arg(pValue, 2, 10, QLatin1Char('0')); };

    QString rowText;
    const bool on = days > 0 || hours > 0 || minutes > 0;
    if (on) {
        //: days
        rowText = twoDigits(days) + tr("d") +
                  //: hours
                  twoDigits(hours) + tr("h") +
                  //: minutes
                  twoDigits(minutes) + tr("min");
        mBtnLogDuration_On->setCheckedAdvanced(true, false);
        mBtnLogDuration_Days->setText(twoDigits(days));
        mBtnLogDuration_Hours->setText(twoDigits(hours));
        mBtnLogDuration_Minutes->setText(twoDigits(minutes));
    } else {
        mBtnLogDuration_Off->setCheckedAdvanced(true, false);
        for (QZELKDialogButton* button : {mBtnLogDuration_Days, mBtnLogDuration_Hours, mBtnLogDuration_Minutes})
            button->setText(QString());
    }
    mWgtLogFileDuration->setVisible(on);
    mLblDuration->setText(rowText);
    if (pPersistSetting)
        storeSetting(mLoggerPersistance_Duration, on ? QString::number(pSeconds) : QStringLiteral("0"));
}

QString TLogfileController::secondsToString(int pSeconds)
{
    const int totalMinutes = pSeconds / 60;
    const int seconds = pSeconds % 60;
    const int hours = totalMinutes / 60;
    const int minutes = totalMinutes % 60;
    const auto padded = [](int pValue) { return QString::number(pValue).rightJustified(2, QLatin1Char('0')); };
    return padded(hours) + QLatin1Char(':') + padded(minutes) + QLatin1Char(':') + padded(seconds);
}

void TLogfileController::onLogModeCheckedChanged(bool pChecked)
{
    if (!pChecked)
        return;
    if (sender() == mBtnLogMode_Automatic)
        setLogMode(lmAutomatic, true);
    else if (sender() == mBtnLogMode_Manual)
        setLogMode(lmManual, true);
}

namespace
{
// The value panel of an On/Off choice shows while On is checked.
void showPanelOfChoice(const QObject* pCheckedButton, const QObject* pOn, const QObject* pOff, QWidget* pPanel)
{
    if (pCheckedButton == pOn)
        pPanel->show();
    else if (pCheckedButton == pOff)
        pPanel->hide();
}
} // namespace

void TLogfileController::onLogStartTimeModeCheckedChanged(bool pChecked)
{
    if (pChecked)
        showPanelOfChoice(sender(), mBtnLogStartTime_On, mBtnLogStartTime_Off, mWgtStartTimePanel);
}

void TLogfileController::onLogDurationModeCheckedChanged(bool pChecked)
{
    if (pChecked)
        showPanelOfChoice(sender(), mBtnLogDuration_On, mBtnLogDuration_Off, mWgtLogFileDuration);
}

void TLogfileController::enterNumber(QZELKDialogButton* pButton, int pMinimum, int pMaximum, int pWidth)
{
    QString text;
    int value = 0;
    if (TNumpad(nullptr).exec_int(text, value, pMinimum, pMaximum, true))
        pButton->setText(QStringLiteral("%1").arg(value, pWidth, 10, QLatin1Char('0')));
}

void TLogfileController::selectDateVal1()
{
    enterNumber(mBtnLogStartTime_DateVal1, 1, TTamarindClock::instance().dateFormat() == dfDDMMYYYY ? 31 : 12, 2);
}

void TLogfileController::selectDateVal2()
{
    enterNumber(mBtnLogStartTime_DateVal2, 1, TTamarindClock::instance().dateFormat() == dfDDMMYYYY ? 12 : 31, 2);
}

void TLogfileController::selectYear()
{
    enterNumber(mBtnLogStartTime_DateYear, 1900, 9999, 4);
}

void TLogfileController::selectHour()
{
    const bool fullDay = mBtnStartTime_24h->isChecked();
    enterNumber(mBtnLogStartTime_Hours, fullDay ? 0 : 1, fullDay ? 23 : 12, 2);
}

void TLogfileController::selectMinute()
{
    enterNumber(mBtnLogStartTime_Minutes, 0, 59, 2);
}

void TLogfileController::onDurationDaysClicked()
{
    enterNumber(mBtnLogDuration_Days, 0, 99, 2);
}

void TLogfileController::onDurationHoursClicked()
{
    enterNumber(mBtnLogDuration_Hours, 0, 23, 2);
}

void TLogfileController::onDurationMinutesClicked()
{
    enterNumber(mBtnLogDuration_Minutes, 0, 59, 2);
}

// The interval goes in steps of half a second, cut down to the step below.
void TLogfileController::onIntervalValueClicked()
{
    QString text;
    double seconds = 0.0;
    if (!TNumpad(nullptr).exec_float(text, seconds, MIN_INTERVAL_SECONDS, MAX_INTERVAL_SECONDS, true))
        return;
    int tenths = int(seconds * 10.0);
    tenths -= tenths % 5;
    mBtnIntervalValue->setText(TDecimalDisplayController::instance().Double2Str(tenths / 10.0, 1, false));
}
