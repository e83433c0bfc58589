#include "customlogocontroller.h"
#include "testsupport.h"

#include <QFile>

class tst_CustomLogoController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void logoOfTheCurrentBoot_data();
    void logoOfTheCurrentBoot();
    void switchingTheLogoRunsTheCommand_data();
    void switchingTheLogoRunsTheCommand();
    void availableWhenTheCommandExists();
};

void tst_CustomLogoController::init()
{
    TTestEnvironment::clearRecordedCommands();
}

void tst_CustomLogoController::logoOfTheCurrentBoot_data()
{
    QTest::addColumn<QByteArray>("cmdline");
    QTest::addColumn<int>("index");

    QTest::newRow("alternative logo, last argument") << QByteArray("console=ttyO0 logo.custom_logo_index=1\n") << 1;
    QTest::newRow("default logo") << QByteArray("logo.custom_logo_index=0 quiet\n") << 0;
    QTest::newRow("no logo argument") << QByteArray("console=ttyO0 quiet\n") << 0;
    QTest::newRow("value that is no number") << QByteArray("logo.custom_logo_index=white\n") << 0;
    QTest::newRow("no command line at all") << QByteArray() << 0;
}

void tst_CustomLogoController::logoOfTheCurrentBoot()
{
    QFETCH(QByteArray, cmdline);
    QFETCH(int, index);

    TTestEnvironment::removeUnderRoot("/proc/cmdline");
    if (!cmdline.isEmpty())
        TAMARIND_WRITE_DEVICE_FILE("/proc/cmdline", cmdline);
    QCOMPARE(TCustomLogoController().customLogoIndex(), index);
}

void tst_CustomLogoController::switchingTheLogoRunsTheCommand_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("commands");

    QTest::newRow("default logo") << 0 << QStringList{"/bin/set_custom_logo 0"};
    QTest::newRow("alternative logo") << 1 << QStringList{"/bin/set_custom_logo 1"};
    QTest::newRow("no such logo") << 2 << QStringList();
    QTest::newRow("negative") << -1 << QStringList();
    QTest::newRow("wraps to the default logo in one byte") << 256 << QStringList();
}

void tst_CustomLogoController::switchingTheLogoRunsTheCommand()
{
    QFETCH(int, index);
    QFETCH(QStringList, commands);

    TAMARIND_WRITE_DEVICE_FILE("/proc/cmdline", "logo.custom_logo_index=0\n");
    TCustomLogoController controller;
    controller.setCustomLogoIndex(index);
    QCOMPARE(TTestEnvironment::recordedCommands(), commands);
    // The logo of this boot stays what the kernel was told.
    QCOMPARE(controller.customLogoIndex(), 0);
}

void tst_CustomLogoController::availableWhenTheCommandExists()
{
    const TCustomLogoController controller;
    QVERIFY(!controller.customLogoAvailable());
    TAMARIND_WRITE_DEVICE_FILE("/bin/set_custom_logo", "#!/bin/sh\n");
    QVERIFY(controller.customLogoAvailable());
}

TAMARIND_TEST_MAIN(tst_CustomLogoController)
#include "tst_customlogocontroller.moc"
