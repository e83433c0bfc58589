#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#include "zelkvector.h"

#include <memory>

class QLabel;
class QTimer;
class QZELKDialogButton;
class TClickableWidgetController;

enum EnTimeFormat : quint8 { tfUndefined = 0, tf24h = 1, tfAMPM = 2 };
enum EnDateFormat : quint8 { dfUndefined = 0, dfDDMMYYYY = 1, dfMMDDYYYY = 2 };

// The one owner of date and time on the instrument: the user's time and date
// formats, every date, time and file-name stamp the system shows or writes,
// the clock labels of the status bar (current to the minute), the time page,
// and setting the system clock, after which the instrument restarts.
class TTamarindClock : public QObject
{
    Q_OBJECT

public:
    static TTamarindClock& instance();
    ~TTamarindClock() override;

    EnTimeFormat timeFormat() const { return mTimeFormat; }
    EnDateFormat dateFormat() const { return mDateFormat; }

    QString getTimeString(const QDateTime& pDateTime, bool pWithSeconds) const;
    // Empty for an invalid date-time or date.
    QString getDateString(const QDateTime& pDateTime) const;
    QString getDateString(const QDate& pDate) const;
    // Eight date digits, "_", nine digits of time down to milliseconds, and
    // "am" or "pm" in 12-hour mode.
    QString getDateTimeFileName(const QDateTime& pDateTime) const;
    bool isValidDateFilename(const QString& pFileName) const;

    // The wait from pNow until the clock labels next change: 200 ms after the
    // coming full minute, never more than 60.5 s.
    static int msecsUntilNextUpdate(const QDateTime& pNow);

    void addClockLabel(QLabel* pLabel);
    void addDateTimeLabel(QLabel* pLabel);
    void updateClockDisplayLabels();

    void setTimeSettingControls(std::unique_ptr<TClickableWidgetController> pController, QWidget* pWidget24h,
                                QWidget* pWidgetAM, QWidget* pWidgetPM, QZELKDialogButton* pBtnHours,
                                QZELKDialogButton* pBtnMinutes);
    void setDateSettingControls(std::unique_ptr<TClickableWidgetController> pController, QWidget* pWidgetDDMMYYYY,
                                QWidget* pWidgetMMDDYYYY, QZELKDialogButton* pBtnDateVal1,
                                QZELKDialogButton* pBtnDateVal2, QZELKDialogButton* pBtnDateYear);
    void enterDateTimeEditMode();
    // False when a field of the page is empty, zero or out of range: the user
    // is told and nothing is set or stored.
    bool setDateTimeFromGUI();

    // Sets the system and the hardware clock, then restarts the instrument.
    // When "date" or "hwclock" fails the user is told, nothing restarts, and
    // false is returned.
    bool setDateTime(const QDateTime& pDateTime);
    void storeTimeFormat();
    void storeDateFormat();
    void factoryReset();

signals:
    // The system clock has been set and the restart follows.
    void beforeChangeSystemTime();

public slots:
    void clockTimerFired();
    void timeFormatSelected(QWidget* pWidget);
    void dateFormatSelected(QWidget* pWidget);
    void selectHour();
    void selectMinute();
    void selectDateVal1();
    void selectDateVal2();
    void selectYear();

private:
    TTamarindClock();
    bool timePageComplete() const;
    bool datePageComplete() const;
    static bool isActive(const TClickableWidgetController* pController, QWidget* pWidget);
    static void enterNumber(QZELKDialogButton* pButton, int pMinimum, int pMaximum, int pDigits);
    // The number of the field, or -1 when it is no number within the limits.
    static int fieldValue(const QZELKDialogButton* pButton, int pMinimum, int pMaximum);
    static bool runClockCommand(const QString& pProgram, const QStringList& pArguments);

    const QString mSectionName = QStringLiteral("datetime");
    const QString mSetting_timeformat = QStringLiteral("timeformat");
    const QString mSetting_dateformat = QStringLiteral("dateformat");
    std::unique_ptr<QTimer> mClockTimer;
    zelk::vector<QLabel*> mClockLabels;
    zelk::vector<QLabel*> mDateTimeLabels;
    EnTimeFormat mTimeFormat = tf24h;
    EnDateFormat mDateFormat = dfDDMMYYYY;

    std::unique_ptr<TClickableWidgetController> mTimeFormatWidgetController;
    QWidget* mWidget24h = nullptr;
    QWidget* mWidgetAM = nullptr;
    QWidget* mWidgetPM = nullptr;
    QZELKDialogButton* mBtnHours = nullptr;
    QZELKDialogButton* mBtnMinutes = nullptr;

    std::unique_ptr<TClickableWidgetController> mDateFormatWidgetController;
    QWidget* mWidgetDDMMYYYY = nullptr;
    QWidget* mWidgetMMDDYYYY = nullptr;
    QZELKDialogButton* mBtnDateVal1 = nullptr;
    QZELKDialogButton* mBtnDateVal2 = nullptr;
    QZELKDialogButton* mBtnDateYear = nullptr;
};
