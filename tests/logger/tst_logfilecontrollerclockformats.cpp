#include "channelcontroller.h"
#include "loggerfixture.h"
#include "tamarindclock.h"
#include "tamarindsettings.h"
#include "testsupport.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QDir>
#include <QLabel>

#include <memory>

// The logger with the user's 12-hour clock and the month first: the start
// time page, the file names and the header's start time follow the clock.
class tst_LogfileControllerClockFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startTimePage_data();
    void startTimePage();
    void savedStartTimeTakesTheMonthFirst();
    void fileNameAndStartTimeInTheUsersFormats();

private:
    Ui_TTamarindMainForm& ui() { return mFixture->ui(); }

    std::unique_ptr<TLoggerFixture> mFixture;
};

// The clock reads its formats once, when it is first asked.
void tst_LogfileControllerClockFormats::initTestCase()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue("datetime", "timeformat", QString::number(tfAMPM));
    settings.setValue("datetime", "dateformat", QString::number(dfMMDDYYYY));
    QCOMPARE(TTamarindClock::instance().timeFormat(), tfAMPM);
    QCOMPARE(TTamarindClock::instance().dateFormat(), dfMMDDYYYY);
}

void tst_LogfileControllerClockFormats::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("logger"));
    TTestEnvironment::removeUnderRoot(QStringLiteral("/home/Logfiles"));
    TAMARIND_MAKE_FIXTURE(mFixture);
}

void tst_LogfileControllerClockFormats::cleanup()
{
    mFixture.reset();
}

void tst_LogfileControllerClockFormats::startTimePage_data()
{
    QTest::addColumn<QDateTime>("planned");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("checked");
    QTest::newRow("14:05 on 3 March 2025")
        << QDateTime(QDate(2025, 3, 3), QTime(14, 5)) << QStringList{"03", "03", "2025", "02", "05"} << "PM";
    QTest::newRow("9:05 on 14 March 2025")
        << QDateTime(QDate(2025, 3, 14), QTime(9, 5)) << QStringList{"03", "14", "2025", "09", "05"} << "AM";
    QTest::newRow("midnight") << QDateTime(QDate(2025, 3, 14), QTime(0, 30))
                              << QStringList{"03", "14", "2025", "12", "30"} << "AM";
}

void tst_LogfileControllerClockFormats::startTimePage()
{
    QFETCH(QDateTime, planned);
    QFETCH(QStringList, fields);
    QFETCH(QString, checked);
    TLogfileController& logger = mFixture->buildLogger();
    logger.setStartTime(planned, false);
    QTest::mouseClick(ui().BtnLogger_StartTime, Qt::LeftButton);

    QCOMPARE(ui().LblLoggerStart_DateFormat->text(), QStringLiteral("mm/dd/yyyy"));
    QVERIFY(ui().BtnLog_StartTime_On->isChecked());
    QVERIFY(!ui().WgtLogStartTime->isHidden());
    QCOMPARE(QStringList({ui().BtnLog_StartTime_DateVal1->text(), ui().BtnLog_StartTime_DateVal2->text(),
                          ui().BtnLog_StartTime_DateYear->text(), ui().BtnLog_StartTime_Hours->text(),
                          ui().BtnLog_StartTime_Minutes->text()}),
             fields);
    QVERIFY(mFixture->form().findChild<QZELKContainerRadioButton*>("BtnLog_StartTime_" + checked)->isChecked());
    QVERIFY(!ui().BtnLog_StartTime_24h->isChecked());
}

void tst_LogfileControllerClockFormats::savedStartTimeTakesTheMonthFirst()
{
    TLogfileController& logger = mFixture->buildLogger();
    QTest::mouseClick(ui().BtnLogger_StartTime, Qt::LeftButton);
    QTest::mouseClick(ui().BtnLog_StartTime_On, Qt::LeftButton);
    ui().BtnLog_StartTime_DateVal1->setText("02");
    ui().BtnLog_StartTime_DateVal2->setText("31");
    ui().BtnLog_StartTime_DateYear->setText("2025");
    ui().BtnLog_StartTime_Hours->setText("02");
    ui().BtnLog_StartTime_Minutes->setText("05");
    ui().BtnLog_StartTime_PM->setChecked(true);
    QVERIFY(logger.storeClicked());
    QCOMPARE(TTamarindSettings::instance().value("logger", "start_time"), QStringLiteral("03.03.2025 14:05"));
    QCOMPARE(ui().LblLogger_StartTime_Val->text(), QStringLiteral("03/03/2025 02:05 pm"));
}

void tst_LogfileControllerClockFormats::fileNameAndStartTimeInTheUsersFormats()
{
    TLogfileController& logger = mFixture->buildLogger();
    QCOMPARE(logger.startLogger(), TLogfileController::lsrSuccess);
    QCOMPARE(mFixture->logfileNames(), QStringList{"12062026_011253123pm"});
    QVERIFY(mFixture->content("12062026_011253123pm").contains("\r\nStart time: 12/06/2026 01:12:53 pm\r\n\r\n"));
    logger.writeChannelValueToLogfile(mFixture->controller().channel(1));
    QVERIFY(mFixture->dataLines("12062026_011253123pm").value(0).startsWith("12/06/2026;01:12:53 pm;Channel 1;"));
}

TAMARIND_TEST_MAIN(tst_LogfileControllerClockFormats)
#include "tst_logfilecontrollerclockformats.moc"
