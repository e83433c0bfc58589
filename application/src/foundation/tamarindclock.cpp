#include "tamarindclock.h"

#include "clickablewidgetcontroller.h"
#include "commandrunner.h"
#include "messagedialog.h"
#include "numpad.h"
#include "tamarindsettings.h"
#include "zelkdialogbutton.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTimer>

namespace
{
// The labels change just after the minute has turned; the cap keeps a clock
// that was set back from leaving them stale for long.
constexpr int UPDATE_DELAY_AFTER_MINUTE = 200;
constexpr quint64 MAXIMUM_UPDATE_WAIT = 60500;

QString twoDigits(int pValue)
{
    return QStringLiteral("%1").arg(pValue, 2, 10, QLatin1Char('0'));
}
} // namespace

TTamarindClock& TTamarindClock::instance()
{
    static TTamarindClock clock;
    return clock;
}

TTamarindClock::TTamarindClock() : mClockTimer(std::make_unique<QTimer>(this))
{
    mClockTimer->setSingleShot(true);
    connect(mClockTimer.get(), &QTimer::timeout, this, &TTamarindClock::clockTimerFired);

    TTamarindSettings& settings = TTamarindSettings::instance();
    // Any other stored format reads as the first: the time page fills only
    // formats it knows, and one left at the form's zeros would set the clock to them.
    if (settings.value(mSectionName, mSetting_timeformat, QStringLiteral("1")) == QString::number(tfAMPM))
        mTimeFormat = tfAMPM;
    if (settings.value(mSectionName, mSetting_dateformat, QStringLiteral("1")) == QString::number(dfMMDDYYYY))
        mDateFormat = dfMMDDYYYY;
}

TTamarindClock::~TTamarindClock() = default;

QString TTamarindClock::getTimeString(const QDateTime& pDateTime, bool pWithSeconds) const
{
    QString format = QStringLiteral("hh:mm");
    if (pWithSeconds)
        format += QStringLiteral(":ss");
    if (mTimeFormat == tfAMPM)
        format += QStringLiteral(" ap");
    return pDateTime.toString(format);
}

QString TTamarindClock::getDateString(const QDateTime& pDateTime) const
{
    return pDateTime.isValid() ? getDateString(pDateTime.date()) : QString();
}

QString TTamarindClock::getDateString(const QDate& pDate) const
{
    if (!pDate.isValid())
        return QString();
    return pDate.toString(mDateFormat == dfMMDDYYYY ? QStringLiteral("MM/dd/yyyy") : QStringLiteral("dd/MM/yyyy"));
}

QString TTamarindClock::getDateTimeFileName(const QDateTime& pDateTime) const
{
    const QString datePart =
        pDateTime.toString(mDateFormat == dfMMDDYYYY ? QStringLiteral("MMddyyyy_") : QStringLiteral("ddMMyyyy_"));
    const QString timePart =
        pDateTime.toString(mTimeFormat == tfAMPM ? QStringLiteral("hhmmsszzzap") : QStringLiteral("hhmmsszzz"));
    return datePart + timePart;
}

bool TTamarindClock::isValidDateFilename(const QString& pFileName) const
{
    static const QRegularExpression stamp(QStringLiteral("^\\d{8}_\\d{9}(am|pm)?$"));
    return stamp.match(pFileName).hasMatch();
}

int TTamarindClock::msecsUntilNextUpdate(const QDateTime& pNow)
{
    const QTime now = pNow.time();
    const QDateTime nextMinute = QDateTime(pNow.date(), QTime(now.hour(), now.minute())).addSecs(60);
    // Compared unsigned, so a negative distance (the clock jumped) also ends at the cap.
    const quint64 wait = static_cast<quint64>(pNow.msecsTo(nextMinute) + UPDATE_DELAY_AFTER_MINUTE);
    return static_cast<int>(qMin(wait, MAXIMUM_UPDATE_WAIT));
}

void TTamarindClock::addClockLabel(QLabel* pLabel)
{
    mClockLabels << pLabel;
    connect(pLabel, &QObject::destroyed, this, [this, pLabel]() { mClockLabels.erase_item(pLabel); });
}

void TTamarindClock::addDateTimeLabel(QLabel* pLabel)
{
    mDateTimeLabels << pLabel;
    connect(pLabel, &QObject::destroyed, this, [this, pLabel]() { mDateTimeLabels.erase_item(pLabel); });
}

void TTamarindClock::updateClockDisplayLabels()
{
    clockTimerFired();
}

void TTamarindClock::clockTimerFired()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString time = getTimeString(now, false);
    for (QLabel* label : mClockLabels)
        label->setText(time);
    const QString dateTime = getDateString(now) + QLatin1Char(' ') + time;
    for (QLabel* label : mDateTimeLabels)
        label->setText(dateTime);
    mClockTimer->start(msecsUntilNextUpdate(now));
}

void TTamarindClock::setTimeSettingControls(std::unique_ptr<TClickableWidgetController> pController,
                                            QWidget* pWidget24h, QWidget* pWidgetAM, QWidget* pWidgetPM,
                                            QZELKDialogButton* pBtnHours, QZELKDialogButton* pBtnMinutes)
{
    mTimeFormatWidgetController = std::move(pController);
    mWidget24h = pWidget24h;
    mWidgetAM = pWidgetAM;
    mWidgetPM = pWidgetPM;
    mBtnHours = pBtnHours;
    mBtnMinutes = pBtnMinutes;
    if (mTimeFormatWidgetController)
        connect(mTimeFormatWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
                &TTamarindClock::timeFormatSelected);
    if (mBtnHours)
        connect(mBtnHours, &QAbstractButton::clicked, this, &TTamarindClock::selectHour);
    if (mBtnMinutes)
        connect(mBtnMinutes, &QAbstractButton::clicked, this, &TTamarindClock::selectMinute);
}

void TTamarindClock::setDateSettingControls(std::unique_ptr<TClickableWidgetController> pController,
                                            QWidget* pWidgetDDMMYYYY, QWidget* pWidgetMMDDYYYY,
                                            QZELKDialogButton* pBtnDateVal1, QZELKDialogButton* pBtnDateVal2,
                                            QZELKDialogButton* pBtnDateYear)
{
    mDateFormatWidgetController = std::move(pController);
    mWidgetDDMMYYYY = pWidgetDDMMYYYY;
    mWidgetMMDDYYYY = pWidgetMMDDYYYY;
    mBtnDateVal1 = pBtnDateVal1;
    mBtnDateVal2 = pBtnDateVal2;
    mBtnDateYear = pBtnDateYear;
    if (mDateFormatWidgetController)
        connect(mDateFormatWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
                &TTamarindClock::dateFormatSelected);
    if (mBtnDateVal1)
        connect(mBtnDateVal1, &QAbstractButton::clicked, this, &TTamarindClock::selectDateVal1);
    if (mBtnDateVal2)
        connect(mBtnDateVal2, &QAbstractButton::clicked, this, &TTamarindClock::selectDateVal2);
    if (mBtnDateYear)
        connect(mBtnDateYear, &QAbstractButton::clicked, this, &TTamarindClock::selectYear);
}

bool TTamarindClock::timePageComplete() const
{
    return mTimeFormatWidgetController && mWidget24h && mWidgetAM && mWidgetPM && mBtnHours && mBtnMinutes;
}

bool TTamarindClock::datePageComplete() const
{
    return mDateFormatWidgetController && mWidgetDDMMYYYY && mWidgetMMDDYYYY && mBtnDateVal1 && mBtnDateVal2 &&
           mBtnDateYear;
}

bool TTamarindClock::isActive(const TClickableWidgetController* pController, QWidget* pWidget)
{
    return pController && pController->isWidgetActive(pWidget);
}

void TTamarindClock::enterDateTimeEditMode()
{
    if (!timePageComplete() || !datePageComplete())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    const QString day = twoDigits(now.date().day());
    const QString month = twoDigits(now.date().month());

    mBtnDateYear->setText(QStringLiteral("%1").arg(now.date().year(), 4, 10, QLatin1Char('0')));
    if (mDateFormat == dfMMDDYYYY) {
        mDateFormatWidgetController->activateWidget(mWidgetMMDDYYYY);
        mBtnDateVal1->setText(month);
        mBtnDateVal2->setText(day);
    } else if (mDateFormat == dfDDMMYYYY) {
        mDateFormatWidgetController->activateWidget(mWidgetDDMMYYYY);
        mBtnDateVal1->setText(day);
        mBtnDateVal2->setText(month);
    }

    const int hour = now.time().hour();
    mBtnMinutes->setText(twoDigits(now.time().minute()));
    if (mTimeFormat == tfAMPM) {
        if (hour < 12) {
            mTimeFormatWidgetController->activateWidget(mWidgetAM);
            mBtnHours->setText(twoDigits(hour == 0 ? 12 : hour));
        } else {
            mTimeFormatWidgetController->activateWidget(mWidgetPM);
            mBtnHours->setText(twoDigits(hour > 12 ? hour - 12 : hour));
        }
    } else if (mTimeFormat == tf24h) {
        mBtnHours->setText(twoDigits(hour));
        mTimeFormatWidgetController->activateWidget(mWidget24h);
    }
}

void TTamarindClock::timeFormatSelected(QWidget* pWidget)
{
    if (!mBtnHours || !pWidget || (pWidget != mWidgetAM && pWidget != mWidgetPM))
        return;
    const int hour = mBtnHours->text().toInt();
    if (hour == 0)
        mBtnHours->setText(QStringLiteral("12"));
    else if (hour >= 13 && hour <= 23)
        mBtnHours->setText(twoDigits(hour - 12));
}

void TTamarindClock::dateFormatSelected(QWidget* pWidget)
{
    if (!mBtnDateVal1 || !mBtnDateVal2 || !pWidget || (pWidget != mWidgetDDMMYYYY && pWidget != mWidgetMMDDYYYY))
        return;
    const QString first = mBtnDateVal1->text();
    mBtnDateVal1->setText(mBtnDateVal2->text());
    mBtnDateVal2->setText(first);
}

void TTamarindClock::enterNumber(QZELKDialogButton* pButton, int pMinimum, int pMaximum, int pDigits)
{
    if (pButton)
        TNumpad::enterIntegerOnKey(pButton, pMinimum, pMaximum, pDigits);
}

void TTamarindClock::selectHour()
{
    if (isActive(mTimeFormatWidgetController.get(), mWidget24h))
        enterNumber(mBtnHours, 0, 23, 2);
    else if (isActive(mTimeFormatWidgetController.get(), mWidgetAM) ||
             isActive(mTimeFormatWidgetController.get(), mWidgetPM))
        enterNumber(mBtnHours, 1, 12, 2);
    else
        enterNumber(mBtnHours, 0, 0, 2);
}

void TTamarindClock::selectMinute()
{
    enterNumber(mBtnMinutes, 0, 59, 2);
}

void TTamarindClock::selectDateVal1()
{
    if (isActive(mDateFormatWidgetController.get(), mWidgetDDMMYYYY))
        enterNumber(mBtnDateVal1, 1, 31, 2);
    else
        enterNumber(mBtnDateVal1, 1, 12, 2);
}

void TTamarindClock::selectDateVal2()
{
    if (isActive(mDateFormatWidgetController.get(), mWidgetDDMMYYYY))
        enterNumber(mBtnDateVal2, 1, 12, 2);
    else
        enterNumber(mBtnDateVal2, 1, 31, 2);
}

void TTamarindClock::selectYear()
{
    enterNumber(mBtnDateYear, 2000, 2099, 4);
}

bool TTamarindClock::setDateTimeFromGUI()
{
    if (!timePageComplete() || !datePageComplete())
        return false;
    const bool dayFirst = isActive(mDateFormatWidgetController.get(), mWidgetDDMMYYYY);
    const bool am = isActive(mTimeFormatWidgetController.get(), mWidgetAM);
    const bool pm = isActive(mTimeFormatWidgetController.get(), mWidgetPM);
    // The fields hold what the pads allowed, or what the form started with
    // when the page was never filled: an empty or zero field sets nothing.
    const int day = fieldValue(dayFirst ? mBtnDateVal1 : mBtnDateVal2, 1, 31);
    const int month = fieldValue(dayFirst ? mBtnDateVal2 : mBtnDateVal1, 1, 12);
    const int year = fieldValue(mBtnDateYear, 2000, 2099);
    int hour = (am || pm) ? fieldValue(mBtnHours, 1, 12) : fieldValue(mBtnHours, 0, 23);
    const int minute = fieldValue(mBtnMinutes, 0, 59);
    if (day < 0 || month < 0 || year < 0 || hour < 0 || minute < 0) {
        TMessageDialog().showError(tr("Please enter a complete date and time."));
        return false;
    }
    // A day beyond the end of the month runs on into the next one.
    const QDate date = QDate(year, month, 1).addDays(day - 1);
    if (am && hour == 12)
        hour = 0;
    else if (pm && hour <= 11)
        hour += 12;

    mDateFormat = dayFirst ? dfDDMMYYYY : dfMMDDYYYY;
    mTimeFormat = (am || pm) ? tfAMPM : tf24h;
    // Stored before the clock is set: a successful setting restarts the
    // instrument, and the formats must be on disk by then.
    storeDateFormat();
    storeTimeFormat();
    setDateTime(QDateTime(date, QTime(hour, minute)));
    return true;
}

int TTamarindClock::fieldValue(const QZELKDialogButton* pButton, int pMinimum, int pMaximum)
{
    bool number = false;
    const int value = pButton->text().toInt(&number);
    return number && value >= pMinimum && value <= pMaximum ? value : -1;
}

bool TTamarindClock::runClockCommand(const QString& pProgram, const QStringList& pArguments)
{
    const TCommandResult result = TCommandRunner::instance().run(pProgram, pArguments);
    return result.mStarted && result.mExitCode == 0;
}

bool TTamarindClock::setDateTime(const QDateTime& pDateTime)
{
    if (!pDateTime.isValid())
        return false;
    const QDate date = pDateTime.date();
    const QTime time = pDateTime.time();
    const QString dateArgument =
        QStringLiteral("%1.%2.%3-%4:%5:00")
            .arg(date.year(), 4, 10, QLatin1Char('0'))
            .arg(twoDigits(date.month()), twoDigits(date.day()), twoDigits(time.hour()), twoDigits(time.minute()));
    const bool dateSet = runClockCommand(QStringLiteral("date"), {QStringLiteral("-s"), dateArgument});
    // The hardware clock keeps UTC; without it the old time would return at the restart.
    const bool hardwareClockSet =
        dateSet && runClockCommand(QStringLiteral("hwclock"), {QStringLiteral("-w"), QStringLiteral("-u")});
    clockTimerFired();
    // Told only now: its receivers stop the stick check and the dimming for
    // the restart, and a failed setting restarts nothing.
    if (hardwareClockSet)
        emit beforeChangeSystemTime();

    TMessageDialog dialog;
    if (!dateSet) {
        dialog.showError(tr("The system time could not be changed. The instrument will not be restarted."));
        return false;
    }
    if (!hardwareClockSet) {
        dialog.showError(tr("The system time could not be stored in the hardware clock. "
                            "The instrument will not be restarted."));
        return false;
    }
    dialog.showConfirmation(tr("System time change successful. A restart of the instrument will now be done."));
    TCommandRunner::instance().startDetached(QStringLiteral("reboot"));
    return true;
}

void TTamarindClock::storeTimeFormat()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, mSetting_timeformat, QString::number(mTimeFormat));
    settings.store();
}

void TTamarindClock::storeDateFormat()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, mSetting_dateformat, QString::number(mDateFormat));
    settings.store();
}

void TTamarindClock::factoryReset()
{
    mTimeFormat = tf24h;
    mDateFormat = dfDDMMYYYY;
    storeTimeFormat();
    storeDateFormat();
    clockTimerFired();
}
