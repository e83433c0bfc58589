#include "calibrationprogressdialog.h"
#include "downloadprogressdialog.h"
#include "messagedialog.h"
#include "refreshdialog.h"
#include "testsupport.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace
{
bool shows(QWidget* pDialog, const QString& pResource)
{
    const QPixmap shown = pDialog->findChild<QLabel*>("label")->pixmap(Qt::ReturnByValue);
    return !shown.isNull() && shown.toImage() == QPixmap(pResource).toImage();
}

QWidget* child(QWidget* pDialog, const char* pName)
{
    return pDialog->findChild<QWidget*>(pName);
}
} // namespace

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void backdropCoversTheScreen_data();
    void backdropCoversTheScreen();
    void progressKinds_data();
    void progressKinds();
    void progressAbortStaysSet();
    void downloadRunsUntilConfirmed();
    void refreshNoticeDoesNotBlock();
};

void tst_Dialogs::backdropCoversTheScreen_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("message") << "message";
    QTest::newRow("refresh") << "refresh";
    QTest::newRow("calibration progress") << "calibration";
    QTest::newRow("download progress") << "download";
}

void tst_Dialogs::backdropCoversTheScreen()
{
    QFETCH(QString, dialog);
    std::unique_ptr<QDialog> shown;
    if (dialog == "message")
        shown = std::make_unique<TMessageDialog>();
    else if (dialog == "refresh")
        shown = std::make_unique<TRefreshDialog>();
    else if (dialog == "calibration")
        shown = std::make_unique<TCalibrationProgressDialog>();
    else
        shown = std::make_unique<TDownloadProgressDialog>();

    QCOMPARE(shown->size(), QSize(800, 480));
    QVERIFY(shown->windowFlags() & Qt::FramelessWindowHint);
    // Grey at 70 %: the screen behind shows through.
    const QColor corner = shown->grab().toImage().pixelColor(3, 3);
    QVERIFY2(qAbs(corner.alpha() - 179) <= 1, qPrintable(QString::number(corner.alpha())));
    QCOMPARE(corner.red(), 51);
    QCOMPARE(corner.green(), 51);
    QCOMPARE(corner.blue(), 51);
}

void tst_Dialogs::progressKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("abort");
    QTest::addColumn<QString>("icon");

    QTest::newRow("calibration with abort") << 0 << true << ":/common/res/icon_calibration.png";
    QTest::newRow("store without abort") << 1 << false << ":/dialogs/storage";
    QTest::newRow("upload with abort") << 2 << true << ":/common/res/upload_dialog.png";
    QTest::newRow("unknown kind keeps the picture") << 7 << false << ":/common/res/icon_calibration.png";
}

void tst_Dialogs::progressKinds()
{
    QFETCH(int, kind);
    QFETCH(bool, abort);
    QFETCH(QString, icon);

    TCalibrationProgressDialog dialog;
    auto* bar = dialog.findChild<QProgressBar*>("progressBar");
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->maximum(), 100);

    dialog.show(TCalibrationProgressDialog::EnProgressDialogType(kind), abort);
    QVERIFY(dialog.isVisible());
    QVERIFY(shows(&dialog, icon));
    QCOMPARE(child(&dialog, "BtnAbort")->isVisible(), abort);
    dialog.updateProgress(55);
    QCOMPARE(bar->value(), 55);
}

void tst_Dialogs::progressAbortStaysSet()
{
    TCalibrationProgressDialog dialog;
    dialog.show(TCalibrationProgressDialog::pdtCalibration, true);
    QVERIFY(!dialog.isAborted());

    QTest::mouseClick(child(&dialog, "BtnAbort"), Qt::LeftButton);
    QVERIFY(dialog.isAborted());
    QVERIFY(dialog.isAborted());
    // The caller closes it when it has stopped.
    QVERIFY(dialog.isVisible());
    dialog.updateProgress(80);
    QVERIFY(dialog.isAborted());
}

void tst_Dialogs::downloadRunsUntilConfirmed()
{
    TDownloadProgressDialog dialog;
    QVERIFY(!child(&dialog, "BtnDownloadComplete")->isVisible());
    dialog.showDownloadDialog();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.isModal());
    QVERIFY(child(&dialog, "LblDownloading")->isVisible());
    QVERIFY(!child(&dialog, "BtnDownloadComplete")->isVisible());
    QCOMPARE(qobject_cast<QLabel*>(child(&dialog, "LblDownloading"))->text(), QString("Downloading..."));

    bool confirmed = false;
    bool buttonShown = false;
    bool labelHidden = false;
    TModalAnswer::onNextModal([&](QWidget* pDialog) {
        auto* button = qobject_cast<QPushButton*>(child(pDialog, "BtnDownloadComplete"));
        buttonShown = button->isVisible() && button->text() == "Download complete";
        labelHidden = !child(pDialog, "LblDownloading")->isVisible();
        confirmed = true;
        QTest::mouseClick(button, Qt::LeftButton);
    });
    dialog.showDownloadComplete();

    QVERIFY(confirmed);
    QVERIFY(buttonShown);
    QVERIFY(labelHidden);
    QVERIFY(!dialog.isVisible());
}

void tst_Dialogs::refreshNoticeDoesNotBlock()
{
    TRefreshDialog dialog;
    dialog.showDialog("Loading SMART probes...");
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.windowTitle(), QString("Dialog"));
    QCOMPARE(qobject_cast<QLabel*>(child(&dialog, "LblCaption"))->text(), QString("Loading SMART probes..."));
    QVERIFY(shows(&dialog, ":/dialogs/info"));
    dialog.close();
    QVERIFY(!dialog.isVisible());
}

TAMARIND_TEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
