#include "calibrationprogressdialog.h"
#include "downloadprogressdialog.h"
#include "messagedialog.h"
#include "numpad.h"
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
    void backdropCoversTheWindowBelow_data();
    void backdropCoversTheWindowBelow();
    void windowBelowShowsThroughAsItChanges();
    void progressKinds_data();
    void progressKinds();
    void progressAbortStaysSet();
    void downloadRunsUntilConfirmed();
    void refreshNoticeDoesNotBlock();
};

void tst_Dialogs::backdropCoversTheWindowBelow_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("grey");
    // Grey 51 at 70 % over a white window: 0.7 x 51 + 0.3 x 255.
    QTest::newRow("message") << "message" << 112;
    QTest::newRow("refresh") << "refresh" << 112;
    QTest::newRow("calibration progress") << "calibration" << 112;
    QTest::newRow("download progress") << "download" << 112;
    // A pad has no backdrop: the window below shows as it is, not black.
    QTest::newRow("numeric pad") << "numpad" << 255;
}

void tst_Dialogs::backdropCoversTheWindowBelow()
{
    QFETCH(QString, dialog);
    QFETCH(int, grey);
    QWidget below;
    below.setStyleSheet(QStringLiteral("background: white;"));
    // Away from the screen's centre, as a window on a desktop is.
    below.setGeometry(40, 30, 800, 480);
    below.show();
    QVERIFY(QTest::qWaitForWindowExposed(&below));
    below.activateWindow();
    std::unique_ptr<QDialog> shown;
    if (dialog == "message")
        shown = std::make_unique<TMessageDialog>();
    else if (dialog == "refresh")
        shown = std::make_unique<TRefreshDialog>();
    else if (dialog == "calibration")
        shown = std::make_unique<TCalibrationProgressDialog>();
    else if (dialog == "download")
        shown = std::make_unique<TDownloadProgressDialog>();
    else
        shown = std::make_unique<TNumpad>(nullptr);
    shown->show();

    QCOMPARE(shown->geometry(), below.geometry());
    QVERIFY(shown->windowFlags() & Qt::FramelessWindowHint);
    // The offscreen screen, like an X server without a compositing manager,
    // does not blend windows: the dialog itself must show the window below.
    const QColor corner = shown->grab().toImage().pixelColor(3, 3);
    QCOMPARE(corner.alpha(), 255);
    const QString seen = corner.name();
    QVERIFY2(qAbs(corner.red() - grey) <= 1, qPrintable(seen));
    QVERIFY2(qAbs(corner.green() - grey) <= 1, qPrintable(seen));
    QVERIFY2(qAbs(corner.blue() - grey) <= 1, qPrintable(seen));
}

// A measurement keeps its progress dialog open for minutes: the title bar's
// clock below it must go on showing the time.
void tst_Dialogs::windowBelowShowsThroughAsItChanges()
{
    QWidget below;
    below.setStyleSheet(QStringLiteral("background: white;"));
    below.setGeometry(0, 0, 800, 480);
    QLabel clock(QStringLiteral("08:00"), &below);
    clock.setGeometry(700, 0, 100, 40);
    below.show();
    QVERIFY(QTest::qWaitForWindowExposed(&below));
    below.activateWindow();
    TCalibrationProgressDialog progress;
    progress.setWindowModality(Qt::ApplicationModal);
    progress.move(0, 0);
    progress.show(TCalibrationProgressDialog::pdtCalibration, true);
    QCoreApplication::processEvents();
    const QImage before = progress.grab().toImage().copy(clock.geometry());

    clock.setText(QStringLiteral("08:01"));
    QTRY_VERIFY_WITH_TIMEOUT(progress.grab().toImage().copy(clock.geometry()) != before, 10000);
    // Back to the first minute's picture: the dialog shows what is below now, not a blend of pictures.
    clock.setText(QStringLiteral("08:00"));
    QTRY_VERIFY_WITH_TIMEOUT(progress.grab().toImage().copy(clock.geometry()) == before, 10000);
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
