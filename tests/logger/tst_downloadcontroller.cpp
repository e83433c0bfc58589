#include "calibrationfilestore.h"
#include "channelcontrollerfixture.h"
#include "deviceroot.h"
#include "downloadcontroller.h"
#include "messagedialog.h"
#include "newestfiles.h"
#include "screenshotcontroller.h"
#include "submenucontroller.h"
#include "testsupport.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <utime.h>

namespace
{

class TMenuArea : public ISubMenuController
{
public:
    void showSubMenu(const QString& pCaption, QWidget*, ISubMenuConfirmationReceiver*, EnSubMenuType) override
    {
        mCaptions << pCaption;
    }
    void cancelSubMenu(ISubMenuConfirmationReceiver*) override { ++mCancelled; }
    void setSubMenuCaption(const QString&) override {}
    void restoreSubMenuCaption() override {}
    void setMainMenuCaption() override {}

    QStringList mCaptions;
    int mCancelled = 0;
};

} // namespace

// The download controller on its own widgets, for what the main window
// cannot show yet: the data logger's part in deleting log files, and the
// radio group driving the actions.
class tst_DownloadController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void deletingLogfilesSparesTheOneInUse_data();
    void deletingLogfilesSparesTheOneInUse();
    void uncheckingTheGroupStartsNothing();
    void listsShowTheNewestFilesOnly_data();
    void listsShowTheNewestFilesOnly();

private:
    QZELKContainerRadioButton* entry(int pIndex) const { return mEntries[pIndex]; }

    TMenuArea mMenu;
    std::unique_ptr<QWidget> mWindow;
    QList<QZELKContainerRadioButton*> mEntries;
    QWidget* mListContent = nullptr;
    QZELKDialogButton *mSelectAll = nullptr, *mDelete = nullptr;
    QString mLogDir = QStringLiteral("/home/Logfiles");
    QString mInUse;
    int mRefreshed = 0;
    // The store lists the calibration results; it reads them with the channels.
    std::unique_ptr<TChannelControllerFixture> mChannels;
    std::unique_ptr<TCalibrationFileStore> mCalibrationFiles;
    std::unique_ptr<TDownloadController> mController;
};

void tst_DownloadController::initTestCase()
{
    TAMARIND_MAKE_FIXTURE(mChannels);
    mCalibrationFiles = std::make_unique<TCalibrationFileStore>(mChannels->build());
}

void tst_DownloadController::init()
{
    mWindow = std::make_unique<QWidget>();
    auto* stack = new QStackedWidget(mWindow.get());
    auto* pageDownload = new QWidget(stack);
    auto* pageListMain = new QWidget(stack);
    stack->addWidget(pageDownload);
    stack->addWidget(pageListMain);
    mListContent = new QWidget(pageListMain);
    auto* layout = new QVBoxLayout(mListContent);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    auto* menuPage = new QWidget(mWindow.get());
    mSelectAll = new QZELKDialogButton(menuPage);
    auto* deselect = new QZELKDialogButton(menuPage);
    auto* download = new QZELKDialogButton(menuPage);
    mDelete = new QZELKDialogButton(menuPage);
    mEntries.clear();
    for (int i = 0; i < 10; ++i) {
        auto* button = new QZELKContainerRadioButton(pageDownload);
        auto* label = new QLabel(QStringLiteral("entry %1").arg(i), mWindow.get());
        label->setObjectName(QStringLiteral("Lbl%1").arg(i));
        button->setStatusSourceLabelName(label->objectName());
        mEntries << button;
    }
    mInUse.clear();
    mMenu = TMenuArea();
    mRefreshed = 0;
    TDownloadController::TLogfileHooks hooks{[this] { ++mRefreshed; }, [this] { return mInUse; }};
    // Order of the constructor: screenshots, calibration files, log files, all,
    // measured, SMART, import, instrument details, coefficient table, eject.
    mController = std::make_unique<TDownloadController>(
        &mMenu, nullptr, nullptr, mCalibrationFiles.get(), mLogDir, nullptr, hooks, new QLabel(mWindow.get()), menuPage,
        pageListMain, pageDownload, menuPage, menuPage, mListContent, mSelectAll, deselect, download, mDelete, entry(0),
        entry(1), entry(2), entry(3), entry(4), entry(5), entry(6), entry(7), entry(8), entry(9));
}

void tst_DownloadController::cleanup()
{
    mController.reset();
    mWindow.reset();
    TTestEnvironment::removeUnderRoot(mLogDir);
    TTestEnvironment::removeUnderRoot(QStringLiteral("/home/Screenshots"));
}

void tst_DownloadController::deletingLogfilesSparesTheOneInUse_data()
{
    QTest::addColumn<QString>("inUse");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("logger idle: both go") << QString() << QStringList();
    QTest::newRow("logger writing one: it stays") << QString("/home/Logfiles/running") << QStringList{"running"};
    QTest::newRow("logger writing elsewhere") << QString("/home/Other/running") << QStringList();
}

void tst_DownloadController::deletingLogfilesSparesTheOneInUse()
{
    QFETCH(QString, inUse);
    QFETCH(QStringList, left);
    mInUse = inUse;
    TAMARIND_WRITE_DEVICE_FILE(mLogDir + "/running", "r");
    TAMARIND_WRITE_DEVICE_FILE(mLogDir + "/done", "d");
    entry(2)->setChecked(true);
    QCOMPARE(mListContent->findChildren<QCheckBox*>().size(), 2);
    QCOMPARE(mMenu.mCaptions, QStringList{"entry 2"});
    mSelectAll->click();
    TModalAnswer::clickInNextModal("BtnYes");
    mDelete->click();
    QCOMPARE(QDir(TDeviceRoot::path(mLogDir)).entryList(QDir::Files), left);
    QCOMPARE(mRefreshed, 1);
    // Its entry leaves the list all the same.
    QCOMPARE(mListContent->findChildren<QCheckBox*>().size(), 0);
}

void tst_DownloadController::uncheckingTheGroupStartsNothing()
{
    TAMARIND_WRITE_DEVICE_FILE(mLogDir + "/a", "a");
    QSignalSpy eject(mController.get(), &TDownloadController::ejectUSBDrive);
    entry(9)->setChecked(true);
    QCOMPARE(eject.count(), 1);
    QVERIFY(!entry(9)->isChecked());
    entry(2)->setChecked(true);
    const int cancelled = mMenu.mCancelled;
    entry(2)->uncheckGroup(true);
    QCOMPARE(mMenu.mCancelled, cancelled);
    QCOMPARE(mMenu.mCaptions.size(), 1);
    // Return, then the same entry again runs its action again.
    mController->returnToMainMenuClicked();
    entry(2)->setChecked(true);
    QCOMPARE(mMenu.mCaptions.size(), 2);
}

void tst_DownloadController::listsShowTheNewestFilesOnly_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("log files") << 2 << mLogDir << QString() << QString();
    QTest::newRow("screenshots") << 0 << QString("/home/Screenshots") << QString("Screenshot_") << QString(".png");
    QTest::newRow("calibration results") << 1 << QString("/home/CalibrationRoutines") << QString() << QString(".xml");
}

// A restored stick may bring thousands of files: the page holds as many
// rows as the logger's list page, the newest, newest first.
void tst_DownloadController::listsShowTheNewestFilesOnly()
{
    QFETCH(int, entry);
    QFETCH(QString, directory);
    QFETCH(QString, prefix);
    QFETCH(QString, suffix);
    TScreenshotController::instance().init(QStringLiteral("/home/Screenshots"));
    const int count = TNewestFiles::MAX_LISTED_FILES + 2;
    // File i is i minutes old; the names run against the age, so that an
    // order by name would show the oldest first.
    const time_t now = time(nullptr);
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("%1%2%3").arg(prefix).arg(count - i, 4, 10, QLatin1Char('0')).arg(suffix);
        const QString path = directory + '/' + name;
        TAMARIND_WRITE_DEVICE_FILE(path, "x");
        const utimbuf times{now - 60 * i, now - 60 * i};
        QCOMPARE(utime(QFile::encodeName(TDeviceRoot::path(path)).constData(), &times), 0);
    }
    this->entry(entry)->setChecked(true);
    QStringList rows;
    for (QCheckBox* box : mListContent->findChildren<QCheckBox*>())
        rows << box->text();
    QCOMPARE(rows.size(), TNewestFiles::MAX_LISTED_FILES);
    QCOMPARE(rows.first(), QStringLiteral("%1").arg(count, 4, 10, QLatin1Char('0')));
    QCOMPARE(rows.last(), QStringLiteral("0003"));
}

TAMARIND_TEST_MAIN(tst_DownloadController)
#include "tst_downloadcontroller.moc"
