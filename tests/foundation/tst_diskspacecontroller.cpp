#include "diskspacecontroller.h"
#include "messagerecorder.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <sys/statvfs.h>

// "df" runs for real under the root (on the root directory). To give it a
// chosen answer, a stand-in "df" inside the root comes first on the PATH. The
// real one's row runs on the search path the process started with, without
// the test environment's stand-in.
class tst_DiskSpaceController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void usage_data();
    void usage();
    void realDfReadsTheRootFileSystem();

private:
    QString mToolDirectory;
    QByteArray mPath;
};

void tst_DiskSpaceController::initTestCase()
{
    mToolDirectory = TTestEnvironment::root() + "/test-tools";
    QVERIFY(QDir().mkpath(mToolDirectory));
    mPath = qgetenv("PATH");
}

void tst_DiskSpaceController::cleanupTestCase()
{
    qputenv("PATH", mPath);
}

void tst_DiskSpaceController::usage_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("usage");
    QTest::addColumn<bool>("spaceLeft");
    QTest::addColumn<bool>("checkedWhileOpen");

    const QByteArray header = "Filesystem     1K-blocks    Used Available Use% Mounted on\n";
    QTest::newRow("half full") << header + "/dev/mmcblk0p2   3546848 1773424   1589600  50% /\n" << 50 << true << false;
    QTest::newRow("99 % is still enough") << header + "/dev/root 1000 990 10 99% /\n" << 99 << true << false;
    QTest::newRow("100 % is full") << header + "/dev/root 1000 1000 0 100% /\n" << 100 << false << false;
    // A remote command run in the message's event loop finds the disk full
    // again: the open message stands for it.
    QTest::newRow("100 % is full, found again while its message is open") << header + "/dev/root 1000 1000 0 100% /\n"
                                                                          << 100 << false << true;
    QTest::newRow("only the header") << header << 0 << true << false;
    QTest::newRow("nothing at all") << QByteArray() << 0 << true << false;
    QTest::newRow("device name wrapped onto its own line")
        << header + "/dev/disk/by-uuid/0123456789abcdef\n  1000 1000 0 100% /\n"
        << 0 << true << false;
    QTest::newRow("use column without percent sign") << header + "/dev/root 1000 1000 0 100 /\n" << 0 << true << false;
    QTest::newRow("use column that is no number") << header + "/dev/root 1000 1000 0 -% /\n" << 0 << true << false;
}

void tst_DiskSpaceController::usage()
{
    QFETCH(QByteArray, output);
    QFETCH(int, usage);
    QFETCH(bool, spaceLeft);
    QFETCH(bool, checkedWhileOpen);

    QFile tool(mToolDirectory + "/df");
    QVERIFY(tool.open(QIODevice::WriteOnly | QIODevice::Truncate));
    tool.write("#!/bin/sh\nprintf '%s' '" + output + "'\n");
    tool.close();
    QVERIFY(tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("PATH", mToolDirectory.toLocal8Bit() + ':' + mPath);

    QCOMPARE(TDiskSpaceController::instance().diskUsage(), usage);
    QString message;
    QStringList buttons;
    bool storageIcon = false;
    int openedAgain = 0;
    if (!spaceLeft) {
        TModalAnswer::onNextModal([&](QWidget* pDialog) {
            message = pDialog->findChild<QLabel*>("LblText")->text();
            for (QPushButton* button : pDialog->findChildren<QPushButton*>()) {
                if (button->isVisible())
                    buttons << button->objectName();
            }
            const QPixmap icon = pDialog->findChild<QLabel*>("label")->pixmap(Qt::ReturnByValue);
            storageIcon = !icon.isNull() && icon.toImage() == QPixmap(":/dialogs/storage").toImage();
            if (checkedWhileOpen) {
                TMessageRecorder further;
                const bool full = !TDiskSpaceController::instance().checkDiskspace();
                openedAgain = full ? further.count() : -1;
            }
            QTest::mouseClick(pDialog->findChild<QWidget*>("BtnOK"), Qt::LeftButton);
        });
    }
    QCOMPARE(TDiskSpaceController::instance().checkDiskspace(), spaceLeft);
    QCOMPARE(message, spaceLeft ? QString() : QString("100 % storage used"));
    // The storage notice, to be acknowledged only.
    QCOMPARE(buttons, spaceLeft ? QStringList() : QStringList{"BtnOK"});
    QCOMPARE(storageIcon, !spaceLeft);
    QCOMPARE(openedAgain, 0);
    qputenv("PATH", mPath);
}

void tst_DiskSpaceController::realDfReadsTheRootFileSystem()
{
    TTestEnvironment::clearRecordedCommands();
    qputenv("PATH", TTestEnvironment::hostSearchPath());
    const int usage = TDiskSpaceController::instance().diskUsage();
    qputenv("PATH", mPath);

    // df's use column: used blocks over used and available ones, rounded up.
    struct statvfs status;
    QCOMPARE(::statvfs(QFile::encodeName(TTestEnvironment::root()).constData(), &status), 0);
    const double used = double(status.f_blocks - status.f_bfree);
    const int expected = int(std::ceil(100.0 * used / (used + double(status.f_bavail))));
    QVERIFY2(qAbs(usage - expected) <= 1, qPrintable(QString("df %1 %, statvfs %2 %").arg(usage).arg(expected)));
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList{"df /"});
}

TAMARIND_TEST_MAIN(tst_DiskSpaceController)
#include "tst_diskspacecontroller.moc"
