#include "ipaddressdialog.h"
#include "padkeys.h"
#include "testsupport.h"
#include "zelkabstractbutton.h"

#include <QLabel>

namespace
{
QString bytesShown(QWidget* pDialog)
{
    QStringList bytes;
    for (const char* name : {"btnGrp1", "btnGrp2", "btnGrp3", "btnGrp4"})
        bytes << childOf<QZELKAbstractButton>(pDialog, name)->label()->text();
    return bytes.join(QLatin1Char('.'));
}

// Touches a byte key and types the keys on the pad that opens.
void typeByte(QWidget* pDialog, const char* pByteKey, const QStringList& pPadKeys, QString* oMaximumShown = nullptr)
{
    TModalAnswer::onNextModal([pPadKeys, oMaximumShown](QWidget* pPad) {
        pressKeys(pPad, pPadKeys);
        if (oMaximumShown)
            *oMaximumShown = childOf<QLabel>(pPad, "LblMax")->text();
        pressKeys(pPad, {childOf<QWidget>(pPad, "BtnAccept")->isVisible() ? "BtnAccept" : "BtnCancel"});
    });
    pressKeys(pDialog, {pByteKey});
}
} // namespace

class tst_IPAddressDialog : public QObject
{
    Q_OBJECT

private slots:
    void cancelRestoresTheBytesAndStaysOpen();
    void editedBytesAreReturned();
    void returnToMainMenuLeavesTheBytes();
};

void tst_IPAddressDialog::cancelRestoresTheBytesAndStaysOpen()
{
    QString opened;
    QString edited;
    QString afterCancel;
    bool stillOpen = false;
    TModalAnswer::onNextModal([&](QWidget* pDialog) {
        opened = bytesShown(pDialog);
        typeByte(pDialog, "btnGrp3", {"Btn1", "Btn0"});
        edited = bytesShown(pDialog);
        pressKeys(pDialog, {"BtnCancel"});
        afterCancel = bytesShown(pDialog);
        stillOpen = pDialog->isVisible();
        pressKeys(pDialog, {"BtnSave"});
    });
    TIPAddressDialog dialog(nullptr);
    unsigned char b1 = 192, b2 = 168, b3 = 0, b4 = 5;
    QVERIFY(dialog.showDialog(b1, b2, b3, b4));
    QCOMPARE(opened, QStringLiteral("192.168.0.5"));
    QCOMPARE(edited, QStringLiteral("192.168.10.5"));
    QCOMPARE(afterCancel, QStringLiteral("192.168.0.5"));
    QVERIFY(stillOpen);
    QCOMPARE(QList<int>({b1, b2, b3, b4}), QList<int>({192, 168, 0, 5}));
}

void tst_IPAddressDialog::editedBytesAreReturned()
{
    QString maximum;
    TModalAnswer::onNextModal([&maximum](QWidget* pDialog) {
        typeByte(pDialog, "btnGrp1", {"Btn1", "Btn0"});
        typeByte(pDialog, "btnGrp4", {"Btn2", "Btn5", "Btn5"});
        // 256 cannot be confirmed: the byte keeps its value.
        typeByte(pDialog, "btnGrp2", {"Btn2", "Btn5", "Btn6"}, &maximum);
        pressKeys(pDialog, {"BtnSave"});
    });
    TIPAddressDialog dialog(nullptr);
    unsigned char b1 = 192, b2 = 168, b3 = 0, b4 = 5;
    QVERIFY(dialog.showDialog(b1, b2, b3, b4));
    QCOMPARE(maximum, QStringLiteral("255 >|"));
    QCOMPARE(QList<int>({b1, b2, b3, b4}), QList<int>({10, 168, 0, 255}));
}

void tst_IPAddressDialog::returnToMainMenuLeavesTheBytes()
{
    TModalAnswer::onNextModal([](QWidget* pDialog) {
        typeByte(pDialog, "btnGrp1", {"Btn1"});
        pressKeys(pDialog, {"BtnReturnToMainMenu"});
    });
    TIPAddressDialog dialog(nullptr);
    unsigned char b1 = 192, b2 = 168, b3 = 0, b4 = 5;
    QVERIFY(!dialog.showDialog(b1, b2, b3, b4));
    QCOMPARE(QList<int>({b1, b2, b3, b4}), QList<int>({192, 168, 0, 5}));
}

TAMARIND_TEST_MAIN(tst_IPAddressDialog)
#include "tst_ipaddressdialog.moc"
