#include "buzzercontroller.h"
#include "clickablewidgetcontroller.h"
#include "testsupport.h"
#include "zelkappbutton.h"
#include "zelkdialogbutton.h"
#include "zelkpushbutton.h"

#include <QLabel>

// The keys and rows that click by themselves (the painted container buttons
// are clicked by the main window's event filter instead).
class tst_KeystrokeClick : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void pressClicksOnlyWhenEnabled_data();
    void pressClicksOnlyWhenEnabled();
    void clickableRowClicksUnlessDisabled();

private:
    static QByteArray gpioAfter(const std::function<void()>& pTouch);
};

static const char* GPIO_FILE = "/sys/class/gpio/gpio7/value";

void tst_KeystrokeClick::initTestCase()
{
    TAMARIND_WRITE_DEVICE_FILE(GPIO_FILE, "-");
    TBuzzerController::instance().initialize(GPIO_FILE);
}

void tst_KeystrokeClick::init()
{
    TAMARIND_WRITE_DEVICE_FILE(GPIO_FILE, "-");
}

QByteArray tst_KeystrokeClick::gpioAfter(const std::function<void()>& pTouch)
{
    // The reason in place of the file's content fails the caller's comparison with it.
    QString problem;
    if (!TTestEnvironment::writeDeviceFile(GPIO_FILE, "-", &problem))
        return problem.toLocal8Bit();
    pTouch();
    return TTestEnvironment::readDeviceFile(GPIO_FILE);
}

void tst_KeystrokeClick::pressClicksOnlyWhenEnabled_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("page button") << "push";
    QTest::newRow("dialog key") << "dialog";
    QTest::newRow("main-menu button") << "app";
}

void tst_KeystrokeClick::pressClicksOnlyWhenEnabled()
{
    QFETCH(QString, kind);
    QWidget page;
    page.setFixedSize(200, 100);
    QWidget* button = kind == "push"     ? static_cast<QWidget*>(new QZELKPushButton(&page))
                      : kind == "dialog" ? static_cast<QWidget*>(new QZELKDialogButton(&page))
                                         : static_cast<QWidget*>(new QZELKAppButton(&page));
    button->resize(100, 50);

    TBuzzerController::instance().setKeystrokesActive(false);
    QCOMPARE(gpioAfter([button] { QTest::mouseClick(button, Qt::LeftButton); }), QByteArray("-"));

    TBuzzerController::instance().setKeystrokesActive(true);
    QCOMPARE(gpioAfter([button] { QTest::mousePress(button, Qt::LeftButton); }), QByteArray("0"));
    QTest::mouseRelease(button, Qt::LeftButton);
    TBuzzerController::instance().setKeystrokesActive(false);
}

void tst_KeystrokeClick::clickableRowClicksUnlessDisabled()
{
    QWidget page;
    auto* row = new QWidget(&page);
    row->resize(100, 34);
    TClickableWidgetController controller;
    controller.addWidget(1, row, new QLabel(row), false);
    TBuzzerController::instance().setKeystrokesActive(true);

    QCOMPARE(gpioAfter([row] { QTest::mouseClick(row, Qt::LeftButton); }), QByteArray("0"));
    row->setEnabled(false);
    QCOMPARE(gpioAfter([row] { QTest::mouseClick(row, Qt::LeftButton); }), QByteArray("-"));
    TBuzzerController::instance().setKeystrokesActive(false);
}

TAMARIND_TEST_MAIN(tst_KeystrokeClick)
#include "tst_keystrokeclick.moc"
