#include "deviceroot.h"
#include "screenshotcontroller.h"
#include "tamarindscreenshotconfirmation.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QWidget>

namespace
{
// Counts the confirmation flashes that were shown.
class TFlashCounter : public QObject
{
public:
    int mShown = 0;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Show && pWatched->objectName() == "TTamarindScreenshotConfirmation")
            ++mShown;
        return false;
    }
};

const QString DIRECTORY = "/home/Screenshots";
} // namespace

// The instrument's screen is an 800 by 480 window; the flash is stepped by the
// test instead of running on its timer.
class tst_ScreenshotController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void nothingBeforeADirectoryIsSet();
    void fileName_data();
    void fileName();
    void screenshotOfTheScreenWithFlash();
    void fiftyNewestAreKept();
    void failedSaveReportsAFullDisk();

private:
    // Steps the flash that takeScreenshot() is about to show and notes the veils it showed.
    void stepNextFlash(QStringList* oVeils);
    QString screenshotDirectory() const { return TDeviceRoot::path(DIRECTORY); }

    QWidget mScreen;
    TFlashCounter mFlashes;
    QByteArray mPath;
};

void tst_ScreenshotController::initTestCase()
{
    mScreen.setFixedSize(800, 480);
    mScreen.setStyleSheet("background-color: #0a5ca9;");
    auto* text = new QLabel("23.456 °C", &mScreen);
    text->setGeometry(300, 200, 200, 40);
    text->setStyleSheet("color: white; font-size: 28px;");
    mScreen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mScreen));
    qApp->installEventFilter(&mFlashes);
    mPath = qgetenv("PATH");
}

void tst_ScreenshotController::cleanupTestCase()
{
    qApp->removeEventFilter(&mFlashes);
    qputenv("PATH", mPath);
}

void tst_ScreenshotController::stepNextFlash(QStringList* oVeils)
{
    TModalAnswer::onNextModal([oVeils](QWidget* pModal) {
        auto* flash = qobject_cast<TTamarindScreenshotConfirmation*>(pModal);
        QVERIFY(flash);
        QCOMPARE(flash->size(), QSize(800, 480));
        QVERIFY(flash->windowFlags() & Qt::FramelessWindowHint);
        *oVeils << flash->styleSheet();
        while (flash->isVisible()) {
            flash->timer_fired();
            *oVeils << flash->styleSheet();
        }
    });
}

void tst_ScreenshotController::nothingBeforeADirectoryIsSet()
{
    QSignalSpy taken(&TScreenshotController::instance(), &TScreenshotController::screenshotTaken);
    TScreenshotController::instance().takeScreenshot();
    QCOMPARE(taken.count(), 0);
    QCOMPARE(mFlashes.mShown, 0);
    QVERIFY(!QFile::exists(screenshotDirectory()));
}

void tst_ScreenshotController::fileName_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<int>("dateFormat");
    QTest::addColumn<int>("timeFormat");
    QTest::addColumn<QString>("name");

    const QDateTime afternoon(QDate(2026, 12, 6), QTime(15, 30, 5));
    QTest::newRow("day first, 24 hours") << afternoon << int(dfDDMMYYYY) << int(tf24h)
                                         << "Screenshot_06122026_153005.png";
    QTest::newRow("month first, 12 hours")
        << afternoon << int(dfMMDDYYYY) << int(tfAMPM) << "Screenshot_12062026_033005pm.png";
    QTest::newRow("just after midnight in 12 hours") << QDateTime(QDate(2027, 1, 2), QTime(0, 7, 9)) << int(dfDDMMYYYY)
                                                     << int(tfAMPM) << "Screenshot_02012027_120709am.png";
    QTest::newRow("undefined formats: month first, 24 hours")
        << afternoon << int(dfUndefined) << int(tfUndefined) << "Screenshot_12062026_153005.png";
}

void tst_ScreenshotController::fileName()
{
    QFETCH(QDateTime, moment);
    QFETCH(int, dateFormat);
    QFETCH(int, timeFormat);
    QFETCH(QString, name);

    QCOMPARE(TScreenshotController::screenshotFileName(moment, EnDateFormat(dateFormat), EnTimeFormat(timeFormat)),
             name);
}

void tst_ScreenshotController::screenshotOfTheScreenWithFlash()
{
    TScreenshotController& controller = TScreenshotController::instance();
    controller.init(DIRECTORY);
    QCOMPARE(controller.screenshotDir(), DIRECTORY);
    QSignalSpy taken(&controller, &TScreenshotController::screenshotTaken);
    QStringList veils;
    stepNextFlash(&veils);

    const QDateTime before = QDateTime::currentDateTime();
    controller.takeScreenshot();
    const QDateTime after = QDateTime::currentDateTime();

    QCOMPARE(taken.count(), 1);
    QCOMPARE(mFlashes.mShown, 1);
    QStringList expectedVeils{"background-color: rgba(255, 255,255, 0%);"};
    for (int opacity = 90; opacity > 0; opacity -= 10)
        expectedVeils << QString("background-color: rgba(255, 255,255, %1%);").arg(opacity);
    expectedVeils << expectedVeils.last();
    QCOMPARE(veils, expectedVeils);

    const QStringList files = QDir(screenshotDirectory()).entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    const QStringList possibleNames{TScreenshotController::screenshotFileName(before, dfDDMMYYYY, tf24h),
                                    TScreenshotController::screenshotFileName(after, dfDDMMYYYY, tf24h)};
    QVERIFY2(possibleNames.contains(files.first()), qPrintable(files.first()));

    const QImage picture(screenshotDirectory() + "/" + files.first(), "PNG");
    QCOMPARE(picture.size(), QSize(800, 480));
    QCOMPARE(picture.pixelColor(10, 10), QColor("#0a5ca9"));
    // The reading in white is in the picture too.
    int white = 0;
    for (int x = 300; x < 500; ++x) {
        for (int y = 200; y < 240; ++y)
            white += picture.pixelColor(x, y) == Qt::white ? 1 : 0;
    }
    QVERIFY(white > 50);
}

void tst_ScreenshotController::fiftyNewestAreKept()
{
    QDir directory(screenshotDirectory());
    TTestEnvironment::removeUnderRoot(directory.path());
    QVERIFY(directory.mkpath("."));
    const QDateTime now = QDateTime::currentDateTime();
    QStringList kept;
    for (int age = 55; age >= 1; --age) {
        const QString name = QString("Screenshot_old_%1.png").arg(age, 2, 10, QChar('0'));
        TAMARIND_WRITE_DEVICE_FILE(DIRECTORY + "/" + name, "png");
        QFile file(directory.filePath(name));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(now.addSecs(-60 * age), QFileDevice::FileModificationTime));
        if (age <= 49)
            kept << name;
    }
    for (const QString& other : QStringList{"notes.txt", "Screenshot_1.png.bak"}) {
        TAMARIND_WRITE_DEVICE_FILE(DIRECTORY + "/" + other, "other");
        QFile file(directory.filePath(other));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(now.addDays(-30), QFileDevice::FileModificationTime));
    }

    QStringList veils;
    stepNextFlash(&veils);
    TScreenshotController::instance().takeScreenshot();

    QStringList pictures = directory.entryList({"*.png"}, QDir::Files, QDir::Name);
    QCOMPARE(pictures.size(), 50);
    pictures = pictures.filter("_old_");
    kept.sort();
    QCOMPARE(pictures, kept);
    QVERIFY(directory.exists("notes.txt"));
    QVERIFY(directory.exists("Screenshot_1.png.bak"));
}

void tst_ScreenshotController::failedSaveReportsAFullDisk()
{
    // A file where the directory should be: nothing can be saved there.
    TAMARIND_WRITE_DEVICE_FILE("/home/blocked", "a file");
    TFullDisk fullDisk;
    QVERIFY(fullDisk.isReady());

    TScreenshotController& controller = TScreenshotController::instance();
    controller.init("/home/blocked/Screenshots");
    QSignalSpy taken(&controller, &TScreenshotController::screenshotTaken);
    const int flashes = mFlashes.mShown;
    QString message;
    TModalAnswer::onNextModal([&message](QWidget* pModal) {
        message = pModal->findChild<QLabel*>("LblText")->text();
        QTest::mouseClick(pModal->findChild<QWidget*>("BtnOK"), Qt::LeftButton);
    });
    controller.takeScreenshot();

    QCOMPARE(message, QString("100 % storage used"));
    QCOMPARE(mFlashes.mShown, flashes);
    QCOMPARE(taken.count(), 1);
    controller.init(DIRECTORY);
}

TAMARIND_TEST_MAIN(tst_ScreenshotController)
#include "tst_screenshotcontroller.moc"
