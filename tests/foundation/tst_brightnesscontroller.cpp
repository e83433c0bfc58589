#include "brightnesscontroller.h"
#include "clickablewidgetcontroller.h"
#include "deviceroot.h"
#include "tamarindclock.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>

// The brightness file is a plain file under the device root; the dimming
// timer is fired by the test instead of being waited for.
class tst_BrightnessController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void platformValues_data();
    void platformValues();
    void severalBrightnessFilesTakeTheFirstFound();
    void storedLevelIsWrittenAtStart_data();
    void storedLevelIsWrittenAtStart();
    void dimsAfterTheDelayAndComesBack_data();
    void dimsAfterTheDelayAndComesBack();
    void noDelayNeverDims();
    void storedNegativeDelayNeverDims();
    void delayRows();
    void storedDelayOfNoRowNeverDims_data();
    void storedDelayOfNoRowNeverDims();
    void settingTheClockStopsDimming();

private:
    static QByteArray brightnessFile(const QString& pDevicePath)
    {
        return TTestEnvironment::readDeviceFile(pDevicePath);
    }
    static QString setting(const QString& pKey) { return TTamarindSettings::instance().value("brightness", pKey); }
    static QTimer* timer(TBrightnessController& pController) { return pController.findChild<QTimer*>(); }
    static void expire(TBrightnessController& pController) { QMetaObject::invokeMethod(timer(pController), "timeout"); }
};

namespace
{
const QString PLATFORM1_FILE = "/sys/devices/platform/pwm-backlight/backlight/pwm-backlight/brightness";
const QString PLATFORM2_FILE = "/sys/devices/platform/backlight/backlight/backlight/brightness";
const zelk::vector<int> PLATFORM1_LEVELS{100, 87, 78, 69, 60, 51, 42, 33, 24, 15};
const zelk::vector<int> PLATFORM2_LEVELS{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
} // namespace

void tst_BrightnessController::init()
{
    TTamarindSettings::instance().removeSection("brightness");
    TTamarindSettings::instance().store();
    TAMARIND_END_FAILED_ROW();
    TTestEnvironment::removeUnderRoot("/sys");
    TAMARIND_WRITE_DEVICE_FILE(PLATFORM1_FILE, "100");
}

void tst_BrightnessController::platformValues_data()
{
    QTest::addColumn<int>("platform");
    QTest::addColumn<bool>("platform2File");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("dimLevel");
    QTest::addColumn<int>("defaultLevel");
    QTest::addColumn<QList<int>>("levels");

    QTest::newRow("platform 1, fixed file")
        << 1 << false << PLATFORM1_FILE << 10 << 60 << QList<int>{100, 87, 78, 69, 60, 51, 42, 33, 24, 15};
    QTest::newRow("platform 2, file found below /sys/devices")
        << 2 << true << PLATFORM2_FILE << 1 << 6 << QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("platform 2 without a brightness file")
        << 2 << false << "/dev/null" << 1 << 6 << QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("platform 3") << 3 << true << "/dev/null" << 0 << 0 << QList<int>();
}

void tst_BrightnessController::platformValues()
{
    QFETCH(int, platform);
    QFETCH(bool, platform2File);
    QFETCH(QString, file);
    QFETCH(int, dimLevel);
    QFETCH(int, defaultLevel);
    QFETCH(QList<int>, levels);

    TTestEnvironment::removeUnderRoot("/sys");
    TAMARIND_WRITE_DEVICE_FILE("/sys/devices/platform/backlight/uevent", "");
    if (platform2File)
        TAMARIND_WRITE_DEVICE_FILE(PLATFORM2_FILE, "5");
    TTestEnvironment::clearRecordedCommands();

    const TBacklightPlatform values = TBrightnessController::platformValues(platform);
    QCOMPARE(values.mBrightnessFile, file);
    QCOMPARE(values.mBacklightOffBrightnessVal, dimLevel);
    QCOMPARE(values.mDefaultBrightnessVal, defaultLevel);
    QCOMPARE(QList<int>(values.mBrightnessValues.begin(), values.mBrightnessValues.end()), levels);
    QCOMPARE(TTestEnvironment::recordedCommands(),
             platform == 2 ? QStringList{"find /sys/devices -name brightness"} : QStringList());
}

// A device with a second display interface lists two brightness files; the backlight stays under control through
// the first of them.
void tst_BrightnessController::severalBrightnessFilesTakeTheFirstFound()
{
    const QString secondFile = "/sys/devices/platform/hdmi/backlight/hdmi/brightness";
    TTestEnvironment::removeUnderRoot("/sys");
    TAMARIND_WRITE_DEVICE_FILE(PLATFORM2_FILE, "5");
    TAMARIND_WRITE_DEVICE_FILE(secondFile, "5");

    const TBacklightPlatform values = TBrightnessController::platformValues(2);
    QVERIFY2(values.mBrightnessFile == PLATFORM2_FILE || values.mBrightnessFile == secondFile,
             qPrintable(values.mBrightnessFile));
    QCOMPARE(values.mDefaultBrightnessVal, 6);
    QCOMPARE(values.mBrightnessValues.size(), std::size_t(10));
}

void tst_BrightnessController::storedLevelIsWrittenAtStart_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("nothing stored: the default") << QString() << QByteArray("60");
    QTest::newRow("a chosen level") << "87" << QByteArray("87");
    // Not a level the platform offers: 0 would leave the display dark across restarts.
    QTest::newRow("no number: the default") << "bright" << QByteArray("60");
    QTest::newRow("zero: the default") << "0" << QByteArray("60");
    QTest::newRow("between two bars: the default") << "65" << QByteArray("60");
    QTest::newRow("a level of the other platform: the default") << "6" << QByteArray("60");
}

void tst_BrightnessController::storedLevelIsWrittenAtStart()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, written);

    if (!stored.isNull())
        TTamarindSettings::instance().setValue("brightness", "value", stored);
    TBrightnessController controller(PLATFORM1_FILE, 10, 60, PLATFORM1_LEVELS);
    QCOMPARE(brightnessFile(PLATFORM1_FILE), written);
    QCOMPARE(controller.brightness(), written.toInt());
    QCOMPARE(setting("value"), QString(written));
    QVERIFY(!controller.isBacklightOff());
    QVERIFY(!timer(controller)->isActive());
}

void tst_BrightnessController::dimsAfterTheDelayAndComesBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("dimLevel");
    QTest::addColumn<int>("level");
    QTest::newRow("platform 1") << PLATFORM1_FILE << 10 << 78;
    QTest::newRow("platform 2") << PLATFORM2_FILE << 1 << 9;
}

void tst_BrightnessController::dimsAfterTheDelayAndComesBack()
{
    QFETCH(QString, file);
    QFETCH(int, dimLevel);
    QFETCH(int, level);

    TAMARIND_WRITE_DEVICE_FILE(file, "");
    const zelk::vector<int>& levels = dimLevel == 10 ? PLATFORM1_LEVELS : PLATFORM2_LEVELS;
    TBrightnessController controller(file, dimLevel, 6, levels);
    controller.setBrightness(level);
    controller.setBacklightOff(10000);
    QCOMPARE(setting("backlight_off"), QString("10000"));
    QVERIFY(timer(controller)->isActive());
    QCOMPARE(controller.backlightOffInterval(), 10000);

    expire(controller);
    QVERIFY(controller.isBacklightOff());
    QCOMPARE(brightnessFile(file), QByteArray::number(dimLevel));
    QCOMPARE(setting("value"), QString::number(level));

    controller.restoreBacklight();
    QVERIFY(!controller.isBacklightOff());
    QCOMPARE(brightnessFile(file), QByteArray::number(level));
    QVERIFY(timer(controller)->isActive());

    // A touch starts the delay again; it does not dim.
    controller.resetBacklightTimer();
    QVERIFY(timer(controller)->isActive());
    QVERIFY(!controller.isBacklightOff());

    controller.factoryReset();
    QVERIFY(!timer(controller)->isActive());
    QCOMPARE(setting("backlight_off"), QString("0"));
    QCOMPARE(controller.brightness(), level);

    // A delay stored earlier applies to the next start.
    controller.setBacklightOff(30000);
    TBrightnessController restarted(file, dimLevel, 6, levels);
    QCOMPARE(restarted.backlightOffInterval(), 30000);
    QVERIFY(timer(restarted)->isActive());
    QCOMPARE(restarted.brightness(), level);
}

void tst_BrightnessController::noDelayNeverDims()
{
    TBrightnessController controller(PLATFORM1_FILE, 10, 60, PLATFORM1_LEVELS);
    controller.setBacklightOff(0);
    controller.resetBacklightTimer();
    QVERIFY(!timer(controller)->isActive());
    controller.restoreBacklight();
    QVERIFY(!timer(controller)->isActive());
}

void tst_BrightnessController::storedNegativeDelayNeverDims()
{
    TTamarindSettings::instance().setValue("brightness", "backlight_off", "-10000");
    TBrightnessController controller(PLATFORM1_FILE, 10, 60, PLATFORM1_LEVELS);
    QCOMPARE(controller.backlightOffInterval(), 0);
    QVERIFY(!timer(controller)->isActive());
}

void tst_BrightnessController::delayRows()
{
    QWidget page;
    auto* indicator = new QLabel(&page);
    auto rows = std::make_unique<TClickableWidgetController>(indicator);
    TClickableWidgetController* registry = rows.get();
    const QList<QPair<QString, int>> delays{
        {"Off", 0}, {"10 s", 10000}, {"30 s", 30000}, {"60 s", 60000}, {"120 s", 120000}};
    std::map<QString, QWidget*> rowByText;
    TTamarindSettings::instance().setValue("brightness", "backlight_off", "60000");
    TBrightnessController controller(PLATFORM1_FILE, 10, 60, PLATFORM1_LEVELS);
    controller.setBacklightOffWidgetController(std::move(rows));
    for (const auto& delay : delays) {
        const auto row = TClickableWidgetController::createClickableWidget(&page, delay.first);
        registry->addWidget(row.first, row.second);
        controller.registerBacklightOffWidget(row.first, delay.second);
        rowByText[delay.first] = row.first;
    }
    controller.initBacklightOffGUI();
    QCOMPARE(registry->activeWidget(), rowByText["60 s"]);
    QCOMPARE(indicator->text(), QString("60 s"));

    QTest::mouseClick(rowByText["10 s"], Qt::LeftButton);
    QCOMPARE(controller.backlightOffInterval(), 10000);
    QCOMPARE(setting("backlight_off"), QString("10000"));
    QCOMPARE(indicator->text(), QString("10 s"));

    controller.factoryReset();
    QCOMPARE(registry->activeWidget(), rowByText["Off"]);
    QCOMPARE(indicator->text(), QString("Off"));
}

void tst_BrightnessController::storedDelayOfNoRowNeverDims_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("row");
    QTest::newRow("one millisecond: would dim after every touch") << "1" << 0 << "Off";
    QTest::newRow("between two rows") << "45000" << 0 << "Off";
    QTest::newRow("a row's delay stays") << "120000" << 120000 << "120 s";
}

void tst_BrightnessController::storedDelayOfNoRowNeverDims()
{
    QFETCH(QString, stored);
    QFETCH(int, delay);
    QFETCH(QString, row);

    QWidget page;
    auto* indicator = new QLabel(&page);
    auto rows = std::make_unique<TClickableWidgetController>(indicator);
    TClickableWidgetController* registry = rows.get();
    TTamarindSettings::instance().setValue("brightness", "backlight_off", stored);
    TBrightnessController controller(PLATFORM1_FILE, 10, 60, PLATFORM1_LEVELS);
    controller.setBacklightOffWidgetController(std::move(rows));
    for (const auto& offered : QList<QPair<QString, int>>{{"Off", 0}, {"10 s", 10000}, {"120 s", 120000}}) {
        const auto widget = TClickableWidgetController::createClickableWidget(&page, offered.first);
        registry->addWidget(widget.first, widget.second);
        controller.registerBacklightOffWidget(widget.first, offered.second);
    }
    controller.initBacklightOffGUI();
    QCOMPARE(controller.backlightOffInterval(), delay);
    QCOMPARE(timer(controller)->isActive(), delay != 0);
    QCOMPARE(indicator->text(), row);
}

void tst_BrightnessController::settingTheClockStopsDimming()
{
    TBrightnessController controller(PLATFORM1_FILE, 10, 60, PLATFORM1_LEVELS);
    controller.setBacklightOff(10000);
    emit TTamarindClock::instance().beforeChangeSystemTime();
    QVERIFY(!timer(controller)->isActive());
    controller.resetBacklightTimer();
    QVERIFY(!timer(controller)->isActive());
}

TAMARIND_TEST_MAIN(tst_BrightnessController)
#include "tst_brightnesscontroller.moc"
