#include "simulatedboardlink.h"
#include "testidentity.h"
#include "testsupport.h"
#include "usbstickcontroller.h"

// The provider decides once per process, so this is a test program of its own.
class tst_USBStickControllerProvider : public QObject
{
    Q_OBJECT

private slots:
    void oneControllerNamedAfterTheInstrument();
};

void tst_USBStickControllerProvider::oneControllerNamedAfterTheInstrument()
{
    TAMARIND_WRITE_DEVICE_FILE("/etc/version_os_platform", "2.1");
    TSimulatedBoardLink board;
    TAMARIND_END_FAILED_ROW();
    QVERIFY(identifyBoardAs(board, ZTM9900));

    TAbstractUSBStickController* controller = TUSBStickControllerProvider::getUSBStickController();
    QVERIFY(qobject_cast<TManualUSBStickController*>(controller));
    QCOMPARE(controller->baseDir(), QString("ZTM9900"));
    QCOMPARE(controller->mountPoint(), QString("/media/usb"));

    // Fixed at the first call, whatever the board says later.
    QVERIFY(identifyBoardAs(board, ZTM8800));
    QCOMPARE(TUSBStickControllerProvider::getUSBStickController(), controller);
    QCOMPARE(controller->baseDir(), QString("ZTM9900"));
}

TAMARIND_TEST_MAIN(tst_USBStickControllerProvider)
#include "tst_usbstickcontrollerprovider.moc"
