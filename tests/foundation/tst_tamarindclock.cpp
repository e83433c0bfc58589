#include "clickablewidgetcontroller.h"
#include "commandrunner.h"
#include "padkeys.h"
#include "tamarindclock.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "zelkdialogbutton.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

namespace
{
TCommandResult failing(const QString&, const QStringList&)
{
    TCommandResult result;
    result.mStarted = true;
    result.mExitCode = 1;
    result.mStandardError = "operation not permitted";
    return result;
}

QString storedSetting(const QString& pKey)
{
    TTamarindSettings nextStart(QString::fromLatin1(TTamarindSettings::SETTINGS_FILE_PATH));
    return nextStart.value(QStringLiteral("datetime"), pKey);
}

// Notes the text of the message dialog about to open and closes it with OK.
void answerMessage(QString* oText)
{
    TModalAnswer::onNextModal([oText](QWidget* pDialog) {
        *oText = childOf<QLabel>(pDialog, "LblText")->text();
        pressKeys(pDialog, {"BtnOK"});
    });
}
} // namespace

class tst_TamarindClock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unknownStoredFormatsReadAsTheFirst();

    void timeString_data();
    void timeString();
    void dateString_data();
    void dateString();
    void fileStamp_data();
    void fileStamp();
    void isValidDateFilename_data();
    void isValidDateFilename();
    void nextLabelUpdate_data();
    void nextLabelUpdate();
    void labelsShowTheTimeAndTheTimerRuns();

    void setDateTimeRunsTheCommandsAndRestarts();
    void failingDateIsReportedAndNothingRestarts();
    void failingHardwareClockIsReportedAndNothingRestarts();
    void timePageSetsTheClock_data();
    void timePageSetsTheClock();
    void incompletePageSetsNothing_data();
    void incompletePageSetsNothing();
    void editModeFillsThePage_data();
    void editModeFillsThePage();
    void choosingAMOrPMAdaptsTheHour_data();
    void choosingAMOrPMAdaptsTheHour();
    void choosingTheOtherDateFormatSwapsTheNumbers();
    void numberEntryLimits_data();
    void numberEntryLimits();
    void factoryResetRestoresTheFormats();

private:
    void setFormats(EnTimeFormat pTimeFormat, EnDateFormat pDateFormat);
    void release(QWidget* pWidget) { QTest::mouseRelease(pWidget, Qt::LeftButton); }

    QWidget mPage;
    QWidget* m24h = nullptr;
    QWidget* mAM = nullptr;
    QWidget* mPM = nullptr;
    QZELKDialogButton* mHours = nullptr;
    QZELKDialogButton* mMinutes = nullptr;
    QWidget* mDDMMYYYY = nullptr;
    QWidget* mMMDDYYYY = nullptr;
    QZELKDialogButton* mDateVal1 = nullptr;
    QZELKDialogButton* mDateVal2 = nullptr;
    QZELKDialogButton* mYear = nullptr;
    TClickableWidgetController* mTimeList = nullptr;
    TClickableWidgetController* mDateList = nullptr;
};

void tst_TamarindClock::initTestCase()
{
    // Formats of no known number, as a damaged or hand-edited file may hold; read when the clock is made.
    TAMARIND_WRITE_DEVICE_FILE(
        QString::fromLatin1(TTamarindSettings::SETTINGS_FILE_PATH),
        "<settings><datetime><timeformat>7</timeformat><dateformat>0</dateformat></datetime></settings>");
    auto timeList = std::make_unique<TClickableWidgetController>(nullptr);
    auto dateList = std::make_unique<TClickableWidgetController>(nullptr);
    mTimeList = timeList.get();
    mDateList = dateList.get();
    m24h = new QWidget(&mPage);
    mAM = new QWidget(&mPage);
    mPM = new QWidget(&mPage);
    mDDMMYYYY = new QWidget(&mPage);
    mMMDDYYYY = new QWidget(&mPage);
    for (QWidget* choice : {m24h, mAM, mPM})
        mTimeList->addWidget(choice, nullptr);
    for (QWidget* choice : {mDDMMYYYY, mMMDDYYYY})
        mDateList->addWidget(choice, nullptr);
    mHours = new QZELKDialogButton(&mPage);
    mMinutes = new QZELKDialogButton(&mPage);
    mDateVal1 = new QZELKDialogButton(&mPage);
    mDateVal2 = new QZELKDialogButton(&mPage);
    mYear = new QZELKDialogButton(&mPage);
    TTamarindClock& clock = TTamarindClock::instance();
    clock.setTimeSettingControls(std::move(timeList), m24h, mAM, mPM, mHours, mMinutes);
    clock.setDateSettingControls(std::move(dateList), mDDMMYYYY, mMMDDYYYY, mDateVal1, mDateVal2, mYear);
    mPage.show();
}

void tst_TamarindClock::init()
{
    TTestEnvironment::clearRecordedCommands();
}

void tst_TamarindClock::cleanup()
{
    TCommandRunner::instance().setSimulation(QStringLiteral("date"), nullptr);
    TCommandRunner::instance().setSimulation(QStringLiteral("hwclock"), nullptr);
}

// The page fills only formats it knows; one left at the form's zeros made Save set the clock to them.
void tst_TamarindClock::unknownStoredFormatsReadAsTheFirst()
{
    TTamarindClock& clock = TTamarindClock::instance();
    QCOMPARE(clock.timeFormat(), tf24h);
    QCOMPARE(clock.dateFormat(), dfDDMMYYYY);
    for (QZELKDialogButton* field : {mHours, mMinutes, mDateVal1, mDateVal2, mYear})
        field->setText(QStringLiteral("00"));
    const QDate today = QDate::currentDate();
    clock.enterDateTimeEditMode();
    QVERIFY(mTimeList->isWidgetActive(m24h));
    QVERIFY(mDateList->isWidgetActive(mDDMMYYYY));
    QCOMPARE(mDateVal1->text().toInt(), today.day());
    QCOMPARE(mYear->text().toInt(), today.year());
}

void tst_TamarindClock::setFormats(EnTimeFormat pTimeFormat, EnDateFormat pDateFormat)
{
    // The formats change as the user changes them: on the time page, saved.
    release(pTimeFormat == tfAMPM ? mAM : m24h);
    release(pDateFormat == dfMMDDYYYY ? mMMDDYYYY : mDDMMYYYY);
    mHours->setText(QStringLiteral("01"));
    mMinutes->setText(QStringLiteral("00"));
    mDateVal1->setText(QStringLiteral("01"));
    mDateVal2->setText(QStringLiteral("01"));
    mYear->setText(QStringLiteral("2030"));
    QString ignored;
    answerMessage(&ignored);
    TTamarindClock::instance().setDateTimeFromGUI();
    QCOMPARE(TTamarindClock::instance().timeFormat(), pTimeFormat);
    QCOMPARE(TTamarindClock::instance().dateFormat(), pDateFormat);
    TTestEnvironment::clearRecordedCommands();
}

void tst_TamarindClock::timeString_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("24 h") << int(tf24h) << QTime(13, 5, 9) << false << "13:05";
    QTest::newRow("24 h with seconds") << int(tf24h) << QTime(13, 5, 9) << true << "13:05:09";
    QTest::newRow("24 h midnight") << int(tf24h) << QTime(0, 15) << false << "00:15";
    QTest::newRow("12 h after midnight") << int(tfAMPM) << QTime(0, 15) << false << "12:15 am";
    QTest::newRow("12 h noon") << int(tfAMPM) << QTime(12, 15) << false << "12:15 pm";
    QTest::newRow("12 h afternoon with seconds") << int(tfAMPM) << QTime(13, 5, 9) << true << "01:05:09 pm";
}

void tst_TamarindClock::timeString()
{
    QFETCH(int, format);
    QFETCH(QTime, time);
    QFETCH(bool, seconds);
    QFETCH(QString, text);

    setFormats(static_cast<EnTimeFormat>(format), dfDDMMYYYY);
    QCOMPARE(TTamarindClock::instance().getTimeString(QDateTime(QDate(2024, 3, 5), time), seconds), text);
}

void tst_TamarindClock::dateString_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<QString>("text");
    QTest::newRow("day first") << int(dfDDMMYYYY) << QDateTime(QDate(2024, 3, 5), QTime(8, 0)) << "05/03/2024";
    QTest::newRow("month first") << int(dfMMDDYYYY) << QDateTime(QDate(2024, 3, 5), QTime(8, 0)) << "03/05/2024";
    QTest::newRow("invalid") << int(dfDDMMYYYY) << QDateTime() << "";
}

void tst_TamarindClock::dateString()
{
    QFETCH(int, format);
    QFETCH(QDateTime, dateTime);
    QFETCH(QString, text);

    setFormats(tf24h, static_cast<EnDateFormat>(format));
    QCOMPARE(TTamarindClock::instance().getDateString(dateTime), text);
    QCOMPARE(TTamarindClock::instance().getDateString(dateTime.date()), text);
}

void tst_TamarindClock::fileStamp_data()
{
    QTest::addColumn<int>("timeFormat");
    QTest::addColumn<int>("dateFormat");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("24 h, day first") << int(tf24h) << int(dfDDMMYYYY) << "05032024_130509007";
    QTest::newRow("12 h, day first") << int(tfAMPM) << int(dfDDMMYYYY) << "05032024_010509007pm";
    QTest::newRow("24 h, month first") << int(tf24h) << int(dfMMDDYYYY) << "03052024_130509007";
}

void tst_TamarindClock::fileStamp()
{
    QFETCH(int, timeFormat);
    QFETCH(int, dateFormat);
    QFETCH(QString, stamp);

    setFormats(static_cast<EnTimeFormat>(timeFormat), static_cast<EnDateFormat>(dateFormat));
    TTamarindClock& clock = TTamarindClock::instance();
    const QString fileName = clock.getDateTimeFileName(QDateTime(QDate(2024, 3, 5), QTime(13, 5, 9, 7)));
    QCOMPARE(fileName, stamp);
    QVERIFY(clock.isValidDateFilename(fileName));
}

void tst_TamarindClock::isValidDateFilename_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("24 h stamp") << "05032024_130509007" << true;
    QTest::newRow("am stamp") << "05032024_010509007am" << true;
    QTest::newRow("capital PM") << "05032024_010509007PM" << false;
    QTest::newRow("seven date digits") << "0503202_130509007" << false;
    QTest::newRow("ten time digits") << "05032024_1305090070" << false;
    QTest::newRow("prefix") << "Screenshot_05032024_130509007" << false;
    QTest::newRow("extension") << "05032024_130509007.png" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_TamarindClock::isValidDateFilename()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(TTamarindClock::instance().isValidDateFilename(name), valid);
}

void tst_TamarindClock::nextLabelUpdate_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("wait");
    QTest::newRow("just before the minute") << QTime(10, 59, 59, 900) << 300;
    QTest::newRow("at the minute") << QTime(10, 59, 0, 0) << 60200;
    QTest::newRow("just after the update") << QTime(10, 59, 0, 200) << 60000;
    QTest::newRow("before midnight") << QTime(23, 59, 30, 0) << 30200;
}

void tst_TamarindClock::nextLabelUpdate()
{
    QFETCH(QTime, now);
    QFETCH(int, wait);
    QCOMPARE(TTamarindClock::msecsUntilNextUpdate(QDateTime(QDate(2024, 3, 5), now)), wait);
}

void tst_TamarindClock::labelsShowTheTimeAndTheTimerRuns()
{
    setFormats(tf24h, dfDDMMYYYY);
    QLabel clockLabel;
    QLabel dateTimeLabel;
    TTamarindClock& clock = TTamarindClock::instance();
    clock.addClockLabel(&clockLabel);
    clock.addDateTimeLabel(&dateTimeLabel);
    const QDateTime before = QDateTime::currentDateTime();
    clock.updateClockDisplayLabels();
    const QDateTime after = QDateTime::currentDateTime();
    QVERIFY(clockLabel.text() == before.toString(QStringLiteral("hh:mm")) ||
            clockLabel.text() == after.toString(QStringLiteral("hh:mm")));
    QCOMPARE(dateTimeLabel.text(), clock.getDateString(after) + QLatin1Char(' ') + clockLabel.text());
    auto* timer = clock.findChild<QTimer*>();
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QVERIFY(timer->remainingTime() <= 60500);
}

void tst_TamarindClock::setDateTimeRunsTheCommandsAndRestarts()
{
    QSignalSpy beforeChange(&TTamarindClock::instance(), &TTamarindClock::beforeChangeSystemTime);
    QString message;
    answerMessage(&message);
    QVERIFY(TTamarindClock::instance().setDateTime(QDateTime(QDate(2026, 12, 6), QTime(15, 30))));
    QCOMPARE(beforeChange.count(), 1);
    QCOMPARE(message, QStringLiteral("System time change successful. A restart of the instrument will now be done."));
    QCOMPARE(TTestEnvironment::recordedCommands(),
             QStringList({"date -s 2026.12.06-15:30:00", "hwclock -w -u", "reboot"}));
}

void tst_TamarindClock::failingDateIsReportedAndNothingRestarts()
{
    TCommandRunner::instance().setSimulation(QStringLiteral("date"), failing);
    QString message;
    answerMessage(&message);
    QSignalSpy beforeChange(&TTamarindClock::instance(), &TTamarindClock::beforeChangeSystemTime);
    QVERIFY(!TTamarindClock::instance().setDateTime(QDateTime(QDate(2026, 1, 2), QTime(3, 4))));
    // Its receivers stop the stick check and the dimming for a restart that does not come.
    QCOMPARE(beforeChange.count(), 0);
    QVERIFY(message.contains(QLatin1String("could not be changed")));
    QVERIFY(message.contains(QLatin1String("will not be restarted")));
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList({"date -s 2026.01.02-03:04:00"}));
}

void tst_TamarindClock::failingHardwareClockIsReportedAndNothingRestarts()
{
    TCommandRunner::instance().setSimulation(QStringLiteral("hwclock"), failing);
    QString message;
    answerMessage(&message);
    QSignalSpy beforeChange(&TTamarindClock::instance(), &TTamarindClock::beforeChangeSystemTime);
    QVERIFY(!TTamarindClock::instance().setDateTime(QDateTime(QDate(2026, 1, 2), QTime(3, 4))));
    QCOMPARE(beforeChange.count(), 0);
    QVERIFY(message.contains(QLatin1String("hardware clock")));
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList({"date -s 2026.01.02-03:04:00", "hwclock -w -u"}));
}

void tst_TamarindClock::timePageSetsTheClock_data()
{
    QTest::addColumn<QString>("timeChoice");
    QTest::addColumn<QString>("dateChoice");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("dateArgument");
    QTest::addColumn<QString>("storedTimeFormat");
    QTest::addColumn<QString>("storedDateFormat");
    // numbers: hours, minutes, first, second, year as the page shows them.
    QTest::newRow("24 h, day first") << "24h"
                                     << "DDMMYYYY" << QStringList{"15", "30", "06", "12", "2026"}
                                     << "2026.12.06-15:30:00"
                                     << "1"
                                     << "1";
    QTest::newRow("12 with AM is midnight")
        << "AM"
        << "DDMMYYYY" << QStringList{"12", "07", "05", "03", "2024"} << "2024.03.05-00:07:00"
        << "2"
        << "1";
    QTest::newRow("12 with PM is noon") << "PM"
                                        << "DDMMYYYY" << QStringList{"12", "07", "05", "03", "2024"}
                                        << "2024.03.05-12:07:00"
                                        << "2"
                                        << "1";
    QTest::newRow("1 with PM") << "PM"
                               << "MMDDYYYY" << QStringList{"01", "59", "03", "05", "2024"} << "2024.03.05-13:59:00"
                               << "2"
                               << "2";
    QTest::newRow("31 February runs into March")
        << "24h"
        << "DDMMYYYY" << QStringList{"08", "00", "31", "02", "2023"} << "2023.03.03-08:00:00"
        << "1"
        << "1";
    QTest::newRow("31 February of a leap year")
        << "24h"
        << "MMDDYYYY" << QStringList{"08", "00", "02", "31", "2024"} << "2024.03.02-08:00:00"
        << "1"
        << "2";
    QTest::newRow("day 31 of a 30-day month")
        << "24h"
        << "DDMMYYYY" << QStringList{"23", "45", "31", "04", "2030"} << "2030.05.01-23:45:00"
        << "1"
        << "1";
}

void tst_TamarindClock::timePageSetsTheClock()
{
    QFETCH(QString, timeChoice);
    QFETCH(QString, dateChoice);
    QFETCH(QStringList, numbers);
    QFETCH(QString, dateArgument);
    QFETCH(QString, storedTimeFormat);
    QFETCH(QString, storedDateFormat);

    release(timeChoice == QLatin1String("AM") ? mAM : timeChoice == QLatin1String("PM") ? mPM : m24h);
    release(dateChoice == QLatin1String("MMDDYYYY") ? mMMDDYYYY : mDDMMYYYY);
    mHours->setText(numbers.at(0));
    mMinutes->setText(numbers.at(1));
    mDateVal1->setText(numbers.at(2));
    mDateVal2->setText(numbers.at(3));
    mYear->setText(numbers.at(4));

    QString message;
    answerMessage(&message);
    TTamarindClock::instance().setDateTimeFromGUI();
    QCOMPARE(TTestEnvironment::recordedCommands(),
             QStringList({QStringLiteral("date -s ") + dateArgument, "hwclock -w -u", "reboot"}));
    QCOMPARE(storedSetting(QStringLiteral("timeformat")), storedTimeFormat);
    QCOMPARE(storedSetting(QStringLiteral("dateformat")), storedDateFormat);
}

void tst_TamarindClock::incompletePageSetsNothing_data()
{
    QTest::addColumn<QString>("timeChoice");
    QTest::addColumn<QStringList>("numbers");
    // numbers: hours, minutes, day, month, year; a day past the month's end is no error.
    QTest::newRow("the form's zeros") << "24h" << QStringList{"00", "00", "00", "00", "0000"};
    QTest::newRow("empty minutes") << "24h" << QStringList{"15", "", "06", "12", "2026"};
    QTest::newRow("zero day") << "24h" << QStringList{"15", "30", "00", "12", "2026"};
    QTest::newRow("zero month") << "24h" << QStringList{"15", "30", "06", "00", "2026"};
    QTest::newRow("hour 24") << "24h" << QStringList{"24", "30", "06", "12", "2026"};
    QTest::newRow("hour 0 with AM") << "AM" << QStringList{"00", "30", "06", "12", "2026"};
    QTest::newRow("hour 13 with PM") << "PM" << QStringList{"13", "30", "06", "12", "2026"};
    QTest::newRow("minute 60") << "24h" << QStringList{"15", "60", "06", "12", "2026"};
    QTest::newRow("day 32") << "24h" << QStringList{"15", "30", "32", "12", "2026"};
    QTest::newRow("year outside the century") << "24h" << QStringList{"15", "30", "06", "12", "2100"};
}

void tst_TamarindClock::incompletePageSetsNothing()
{
    QFETCH(QString, timeChoice);
    QFETCH(QStringList, numbers);
    setFormats(tfAMPM, dfMMDDYYYY);

    release(timeChoice == QLatin1String("AM") ? mAM : timeChoice == QLatin1String("PM") ? mPM : m24h);
    release(mDDMMYYYY);
    for (int field = 0; field < numbers.size(); ++field)
        QList<QZELKDialogButton*>{mHours, mMinutes, mDateVal1, mDateVal2, mYear}.at(field)->setText(numbers.at(field));

    QString message;
    answerMessage(&message);
    QSignalSpy beforeChange(&TTamarindClock::instance(), &TTamarindClock::beforeChangeSystemTime);
    QVERIFY(!TTamarindClock::instance().setDateTimeFromGUI());
    QCOMPARE(message, QStringLiteral("Please enter a complete date and time."));
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList());
    QCOMPARE(beforeChange.count(), 0);
    QCOMPARE(storedSetting(QStringLiteral("timeformat")), QStringLiteral("2"));
    QCOMPARE(storedSetting(QStringLiteral("dateformat")), QStringLiteral("2"));
}

void tst_TamarindClock::editModeFillsThePage_data()
{
    QTest::addColumn<int>("timeFormat");
    QTest::addColumn<int>("dateFormat");
    QTest::newRow("24 h, day first") << int(tf24h) << int(dfDDMMYYYY);
    QTest::newRow("12 h, month first") << int(tfAMPM) << int(dfMMDDYYYY);
}

void tst_TamarindClock::editModeFillsThePage()
{
    QFETCH(int, timeFormat);
    QFETCH(int, dateFormat);

    setFormats(static_cast<EnTimeFormat>(timeFormat), static_cast<EnDateFormat>(dateFormat));
    // The page may still show other choices from earlier edits.
    release(timeFormat == tfAMPM ? m24h : mPM);
    release(dateFormat == dfMMDDYYYY ? mDDMMYYYY : mMMDDYYYY);
    const QDateTime now = QDateTime::currentDateTime();
    TTamarindClock::instance().enterDateTimeEditMode();

    const QDate today = now.date();
    const QString day = QStringLiteral("%1").arg(today.day(), 2, 10, QLatin1Char('0'));
    const QString month = QStringLiteral("%1").arg(today.month(), 2, 10, QLatin1Char('0'));
    QCOMPARE(mYear->text(), QString::number(today.year()));
    if (dateFormat == dfDDMMYYYY) {
        QVERIFY(mDateList->isWidgetActive(mDDMMYYYY));
        QCOMPARE(mDateVal1->text() + mDateVal2->text(), day + month);
    } else {
        QVERIFY(mDateList->isWidgetActive(mMMDDYYYY));
        QCOMPARE(mDateVal1->text() + mDateVal2->text(), month + day);
    }
    const int hour = now.time().hour();
    if (timeFormat == tf24h) {
        QVERIFY(mTimeList->isWidgetActive(m24h));
        QCOMPARE(mHours->text().toInt(), hour);
    } else {
        QVERIFY(mTimeList->isWidgetActive(hour < 12 ? mAM : mPM));
        QCOMPARE(mHours->text().toInt(), hour % 12 == 0 ? 12 : hour % 12);
    }
    QCOMPARE(mHours->text().size(), 2);
    QCOMPARE(mMinutes->text().size(), 2);
}

void tst_TamarindClock::choosingAMOrPMAdaptsTheHour_data()
{
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("shown");
    QTest::newRow("midnight becomes 12") << "00"
                                         << "AM"
                                         << "12";
    QTest::newRow("afternoon hour") << "13"
                                    << "PM"
                                    << "01";
    QTest::newRow("noon stays") << "12"
                                << "PM"
                                << "12";
    QTest::newRow("24 h leaves the hour") << "11"
                                          << "24h"
                                          << "11";
}

void tst_TamarindClock::choosingAMOrPMAdaptsTheHour()
{
    QFETCH(QString, hours);
    QFETCH(QString, choice);
    QFETCH(QString, shown);

    release(m24h);
    mHours->setText(hours);
    release(choice == QLatin1String("AM") ? mAM : choice == QLatin1String("PM") ? mPM : m24h);
    QCOMPARE(mHours->text(), shown);
}

void tst_TamarindClock::choosingTheOtherDateFormatSwapsTheNumbers()
{
    setFormats(tf24h, dfDDMMYYYY);
    release(mDDMMYYYY);
    mDateVal1->setText(QStringLiteral("24"));
    mDateVal2->setText(QStringLiteral("12"));
    release(mMMDDYYYY);
    QCOMPARE(mDateVal1->text() + QLatin1Char('/') + mDateVal2->text(), QStringLiteral("12/24"));
    release(mMMDDYYYY);
    QCOMPARE(mDateVal1->text() + QLatin1Char('/') + mDateVal2->text(), QStringLiteral("24/12"));
    // Nothing is stored before Save.
    QCOMPARE(TTamarindClock::instance().dateFormat(), dfDDMMYYYY);
    QCOMPARE(storedSetting(QStringLiteral("dateformat")), QStringLiteral("1"));
}

void tst_TamarindClock::numberEntryLimits_data()
{
    QTest::addColumn<QString>("timeChoice");
    QTest::addColumn<QString>("dateChoice");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("limits");
    QTest::addColumn<QStringList>("digits");
    QTest::addColumn<QString>("shown");
    QTest::newRow("hours in 24 h") << "24h"
                                   << "DDMMYYYY"
                                   << "hours"
                                   << "|< 0 23 >|" << QStringList{"Btn7"} << "07";
    QTest::newRow("hours in 12 h") << "PM"
                                   << "DDMMYYYY"
                                   << "hours"
                                   << "|< 1 12 >|" << QStringList{"Btn1", "Btn3"} << "unchanged";
    QTest::newRow("month first: first is the month") << "24h"
                                                     << "MMDDYYYY"
                                                     << "first"
                                                     << "|< 1 12 >|" << QStringList{"Btn3"} << "03";
    QTest::newRow("year inside the century")
        << "24h"
        << "DDMMYYYY"
        << "year"
        << "|< 2000 2099 >|" << QStringList{"Btn2", "Btn0", "Btn9", "Btn9"} << "2099";
    QTest::newRow("year outside the century")
        << "24h"
        << "DDMMYYYY"
        << "year"
        << "|< 2000 2099 >|" << QStringList{"Btn2", "Btn1", "Btn0", "Btn0"} << "unchanged";
}

void tst_TamarindClock::numberEntryLimits()
{
    QFETCH(QString, timeChoice);
    QFETCH(QString, dateChoice);
    QFETCH(QString, button);
    QFETCH(QString, limits);
    QFETCH(QStringList, digits);
    QFETCH(QString, shown);

    release(timeChoice == QLatin1String("PM") ? mPM : m24h);
    release(dateChoice == QLatin1String("MMDDYYYY") ? mMMDDYYYY : mDDMMYYYY);
    QZELKDialogButton* target = button == QLatin1String("hours")     ? mHours
                                : button == QLatin1String("minutes") ? mMinutes
                                : button == QLatin1String("first")   ? mDateVal1
                                : button == QLatin1String("second")  ? mDateVal2
                                                                     : mYear;
    target->setText(QStringLiteral("before"));

    QString limitsShown;
    TModalAnswer::onNextModal([&](QWidget* pPad) {
        limitsShown =
            childOf<QLabel>(pPad, "LblMin")->text() + QLatin1Char(' ') + childOf<QLabel>(pPad, "LblMax")->text();
        pressKeys(pPad, digits);
        pressKeys(pPad, {childOf<QWidget>(pPad, "BtnAccept")->isVisible() ? "BtnAccept" : "BtnCancel"});
    });
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(limitsShown, limits);
    QCOMPARE(target->text(), shown == QLatin1String("unchanged") ? QStringLiteral("before") : shown);
}

void tst_TamarindClock::factoryResetRestoresTheFormats()
{
    setFormats(tfAMPM, dfMMDDYYYY);
    TTamarindClock::instance().factoryReset();
    QCOMPARE(TTamarindClock::instance().timeFormat(), tf24h);
    QCOMPARE(TTamarindClock::instance().dateFormat(), dfDDMMYYYY);
    QCOMPARE(storedSetting(QStringLiteral("timeformat")), QStringLiteral("1"));
    QCOMPARE(storedSetting(QStringLiteral("dateformat")), QStringLiteral("1"));
}

TAMARIND_TEST_MAIN(tst_TamarindClock)
#include "tst_tamarindclock.moc"
