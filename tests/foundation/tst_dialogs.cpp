#include "calibrationprogressdialog.h"
#include "datedialog.h"
#include "downloadprogressdialog.h"
#include "imagedifference.h"
#include "ipaddressdialog.h"
#include "messagedialog.h"
#include "numpad.h"
#include "padkeys.h"
#include "paintcounter.h"
#include "refreshdialog.h"
#include "testsupport.h"
#include "textpad.h"
#include "windowplacement.h"

#include <QBackingStore>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

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
    void initTestCase();
    void backdropCoversTheWindowBelow_data();
    void backdropCoversTheWindowBelow();
    void windowBelowShowsThroughAsItChanges_data();
    void windowBelowShowsThroughAsItChanges();
    void dialogShownAgainOverAnotherRepaintsOnce();
    void progressKinds_data();
    void progressKinds();
    void progressAbortStaysSet();
    void downloadRunsUntilConfirmed();
    void refreshNoticeDoesNotBlock();
    void dialogWithAPadOverItCloses_data();
    void dialogWithAPadOverItCloses();
};

void tst_Dialogs::initTestCase()
{
    // The VNC screen names its port once, as the event loop first runs.
    if (QGuiApplication::platformName() == QLatin1String("vnc")) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QVncServer created on port")));
        QCoreApplication::processEvents();
    }
}

void tst_Dialogs::backdropCoversTheWindowBelow_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("grey");
    // Grey 51 at 70 % over a white window: 0.7 x 51 + 0.3 x 255.
    QTest::newRow("message") << "message" << 112;
    QTest::newRow("refresh") << "refresh" << 112;
    QTest::newRow("calibration progress") << "calibration" << 112;
    QTest::newRow("download progress") << "download" << 112;
    // The second lays its backdrop over the window as the first does, not
    // over the first (grey 69 there), whose text would run through its own.
    QTest::newRow("message over a message") << "message over a message" << 112;
    // The pad or dialog the user works in stays in sight under a message: its
    // panel, grey 51, stays 51 under the backdrop where the window would be 112.
    QTest::newRow("message over a numeric pad") << "message over a numeric pad" << 51;
    QTest::newRow("message over the date dialog") << "message over the date dialog" << 51;
    // The keyboard lays a backdrop of its own, yet the user types in it.
    QTest::newRow("message over the text pad") << "message over the text pad" << 51;
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
    std::unique_ptr<QDialog> first;
    // Where the dialog below shows its panel; else a corner of the window.
    QPoint place(3, 3);
    if (dialog.startsWith("message over")) {
        // The window the dialogs open over, as the program's main window is.
        TWindowPlacement::setMainWindow(&below);
        const char* panelName = "widgetMain";
        if (dialog.endsWith("numeric pad")) {
            first = std::make_unique<TNumpad>(nullptr);
            panelName = "WgtNumpad";
        } else if (dialog.endsWith("text pad")) {
            first = std::make_unique<TTextpad>(nullptr);
            panelName = "WgtKeyboard";
        } else if (dialog.endsWith("date dialog")) {
            first = std::make_unique<TDateDialog>(nullptr);
        } else {
            first = std::make_unique<TMessageDialog>();
        }
        first->show();
        QVERIFY(QTest::qWaitForWindowExposed(first.get()));
        // In the panel's margin, left of its keys.
        if (QWidget* panel = first->findChild<QWidget*>(panelName))
            place = panel->mapTo(first.get(), QPoint(3, panel->height() / 2));
    }
    if (dialog.startsWith("message"))
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
    const QColor colour = shown->grab().toImage().pixelColor(place);
    QCOMPARE(colour.alpha(), 255);
    const QString seen = colour.name();
    QVERIFY2(qAbs(colour.red() - grey) <= 1, qPrintable(seen));
    QVERIFY2(qAbs(colour.green() - grey) <= 1, qPrintable(seen));
    QVERIFY2(qAbs(colour.blue() - grey) <= 1, qPrintable(seen));
}

void tst_Dialogs::windowBelowShowsThroughAsItChanges_data()
{
    QTest::addColumn<bool>("padOver");
    QTest::addColumn<bool>("runViewBetween");
    QTest::addColumn<bool>("abortHeldDown");
    QTest::newRow("progress dialog, the clock below changes") << false << false << false;
    // The pad shows the dialog's picture of the window, under the dialog's backdrop.
    QTest::newRow("pad over the progress dialog, the clock below changes") << true << false << false;
    QTest::newRow("progress dialog, the run view between it and the clock closes") << false << true << false;
    // The dialog's picture of its own look follows its button's press.
    QTest::newRow("progress dialog, its abort held down over a change below") << false << false << true;
}

// A measurement keeps its progress dialog open for minutes: the title bar's
// clock below it must go on showing the time. What counts is the screen, the
// dialog's window as last painted, not a picture of the dialog taken anew.
void tst_Dialogs::windowBelowShowsThroughAsItChanges()
{
    QFETCH(bool, padOver);
    QFETCH(bool, runViewBetween);
    QFETCH(bool, abortHeldDown);
    QWidget below;
    below.setStyleSheet(QStringLiteral("background: white;"));
    below.setGeometry(0, 0, 800, 480);
    // Beside the pad's keys.
    QLabel clock(QStringLiteral("08:00"), &below);
    clock.setGeometry(0, 220, 100, 40);
    below.show();
    QVERIFY(QTest::qWaitForWindowExposed(&below));
    below.activateWindow();
    // Stands over all of the window but its title bar, as the run view of a calibration routine.
    QWidget runView;
    runView.setStyleSheet(QStringLiteral("background: black;"));
    runView.resize(800, 440);
    if (runViewBetween) {
        TWindowPlacement::placeOverMainWindow(&runView, 40);
        runView.show();
        QVERIFY(QTest::qWaitForWindowExposed(&runView));
    }
    TCalibrationProgressDialog progress;
    progress.setWindowModality(Qt::ApplicationModal);
    progress.show(TCalibrationProgressDialog::pdtCalibration, true);
    QVERIFY(QTest::qWaitForWindowExposed(&progress));
    TNumpad pad(&progress);
    QWidget* top = &progress;
    if (padOver) {
        pad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pad));
        top = &pad;
    }
    const auto onScreen = [top, &clock] {
        return top->screen()->grabWindow(top->windowHandle()->winId()).toImage().copy(clock.geometry());
    };
    // The clock's own background, right of its text: white under the backdrop, grey 112.
    const auto besideTheTime = [&onScreen] { return qGray(onScreen().pixel(95, 5)); };
    QCoreApplication::processEvents();
    const QImage before = onScreen();

    if (runViewBetween) {
        QVERIFY2(besideTheTime() < 100, qPrintable(QString::number(besideTheTime())));
        runView.hide();
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(besideTheTime() - 112) <= 1, 10000);
        return;
    }
    if (abortHeldDown) {
        // A reading below the button, wider than it: the dialog first draws
        // its look over a change there with the button up.
        QWidget* abort = child(&progress, "BtnAbort");
        const QRect abortPlace(abort->mapTo(&progress, QPoint(0, 0)), abort->size());
        clock.setGeometry(abortPlace.adjusted(-10, -10, 10, 10));
        const auto grabbed = [top] { return top->screen()->grabWindow(top->windowHandle()->winId()).toImage(); };
        const auto aboveTheButton = [&] {
            return qGray(grabbed().pixel(abortPlace.center().x(), abortPlace.top() - 5));
        };
        const auto buttonRed = [&] { return qRed(grabbed().pixel(abortPlace.center())); };
        clock.setStyleSheet(QStringLiteral("background: black;"));
        QTRY_VERIFY_WITH_TIMEOUT(aboveTheButton() < 100, 10000);
        const int up = buttonRed();
        QTest::mousePress(abort, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(buttonRed() > up + 100, 10000);
        const int down = buttonRed();
        clock.setStyleSheet(QStringLiteral("background: white;"));
        QTRY_VERIFY_WITH_TIMEOUT(aboveTheButton() > 100, 10000);
        QCOMPARE(buttonRed(), down);
        QTest::mouseRelease(abort, Qt::LeftButton);
        return;
    }
    QVERIFY2(qAbs(besideTheTime() - 112) <= 1, qPrintable(QString::number(besideTheTime())));
    // A mark on the screen beside the clock, where nothing changes below, once
    // each window has painted what it was about to: a dialog that paints more
    // than what changed below paints it over.
    for (int turn = 0; turn < 3; ++turn)
        QCoreApplication::processEvents();
    const QRect markPlace = clock.geometry().translated(150, 0).adjusted(10, 10, -80, -20);
    const auto marked = [top, markPlace] {
        const QImage shown = top->screen()->grabWindow(top->windowHandle()->winId()).toImage().copy(markPlace);
        return shown.convertToFormat(QImage::Format_RGB32).pixel(shown.rect().center()) == QColor(Qt::magenta).rgb();
    };
    QBackingStore* store = top->backingStore();
    store->beginPaint(markPlace);
    QPainter(store->paintDevice()).fillRect(markPlace, Qt::magenta);
    store->endPaint();
    store->flush(markPlace, top->windowHandle());
    QTRY_VERIFY_WITH_TIMEOUT(marked(), 10000);

    clock.setText(QStringLiteral("08:01"));
    QTRY_VERIFY_WITH_TIMEOUT(onScreen() != before, 10000);
    // Nor are the widgets of the dialogs drawn again for a change below, once
    // the dialogs have their look over the place.
    TPaintCounter paints({&progress});
    for (QWidget* widget : progress.findChildren<QWidget*>())
        widget->installEventFilter(&paints);
    // Back to the first minute's picture: the dialog shows what is below now,
    // not a blend of pictures; its widgets drawn over another background may
    // differ by a level at their edges.
    clock.setText(QStringLiteral("08:00"));
    QTRY_VERIFY_WITH_TIMEOUT(imageDifference(onScreen(), before).mLargest <= 1, 10000);
    QVERIFY(marked());
    QCOMPARE(paints.mPaints, 0);
}

// A dialog shown again goes over the one that stood over it: each of the two
// following the other's paintings would repaint them both without end.
void tst_Dialogs::dialogShownAgainOverAnotherRepaintsOnce()
{
    QWidget below;
    below.setStyleSheet(QStringLiteral("background: white;"));
    below.setGeometry(0, 0, 800, 480);
    below.show();
    QVERIFY(QTest::qWaitForWindowExposed(&below));
    TCalibrationProgressDialog progress;
    progress.show(TCalibrationProgressDialog::pdtCalibration, true);
    QVERIFY(QTest::qWaitForWindowExposed(&progress));
    TRefreshDialog notice;
    notice.show();
    QVERIFY(QTest::qWaitForWindowExposed(&notice));
    progress.hide();
    progress.show(TCalibrationProgressDialog::pdtCalibration, true);
    QVERIFY(QTest::qWaitForWindowExposed(&progress));
    for (int turn = 0; turn < 5; ++turn)
        QCoreApplication::processEvents();
    TPaintCounter counter;
    notice.installEventFilter(&counter);
    progress.installEventFilter(&counter);
    progress.update();
    for (int turn = 0; turn < 20; ++turn)
        QCoreApplication::processEvents();
    QVERIFY2(counter.mPaints <= 2, qPrintable(QString::number(counter.mPaints)));
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

void tst_Dialogs::dialogWithAPadOverItCloses_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("padKey");
    QTest::addColumn<QStringList>("dialogKeys");
    QTest::addColumn<bool>("accepted");
    for (const char* padKey : {"BtnAccept", "BtnCancel"}) {
        QTest::addRow("IP address, pad %s, dialog OK", padKey)
            << "IP address" << padKey << QStringList{"BtnSave"} << true;
        // Cancel on the address dialog restores the bytes and leaves it open.
        QTest::addRow("IP address, pad %s, dialog Cancel", padKey)
            << "IP address" << padKey << QStringList{"BtnCancel", "BtnReturnToMainMenu"} << false;
        QTest::addRow("date, pad %s, dialog OK", padKey) << "date" << padKey << QStringList{"BtnSave"} << true;
        QTest::addRow("date, pad %s, dialog Cancel", padKey) << "date" << padKey << QStringList{"BtnCancel"} << false;
        // The port and address rows of the remote settings and the clock's
        // fields open their pad over the main window itself.
        QTest::addRow("main window, pad %s", padKey)
            << "main window" << padKey << QStringList() << (QLatin1String(padKey) == QLatin1String("BtnAccept"));
    }
}

// On a screen without a window manager (the device's, and the VNC screen of a
// desktop without display) the platform keeps its own stack of the windows
// shown: a pad that leaves it wrongly brings the program down later, from the
// events posted as the window below closes or repaints.
void tst_Dialogs::dialogWithAPadOverItCloses()
{
    QFETCH(QString, dialog);
    QFETCH(QString, padKey);
    QFETCH(QStringList, dialogKeys);
    QFETCH(bool, accepted);
    QWidget mainWindow;
    mainWindow.setStyleSheet(QStringLiteral("background: white;"));
    mainWindow.setGeometry(0, 0, 800, 480);
    auto* clock = new QLabel(QStringLiteral("08:00"), &mainWindow);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    // Beside the pad the screen shows the main window, under the backdrop of
    // a dialog: not the black of a screen that does not blend windows. Only a
    // screen that composes the windows itself can be read back whole.
    const bool screenReadable = QGuiApplication::platformName() == QLatin1String("vnc");
    int besideThePad = 255;
    auto answerPad = [&](QWidget* pPad) {
        if (screenReadable) {
            for (int turn = 0; turn < 5; ++turn)
                QCoreApplication::processEvents();
            besideThePad = qGray(pPad->screen()->grabWindow(0).toImage().pixel(10, 240));
        }
        pressKeys(pPad, {"Btn2", "Btn0", padKey});
    };
    bool returned = false;
    if (dialog == "main window") {
        TModalAnswer::onNextModal(answerPad);
        int value = 0;
        returned = TNumpad::enterInteger(&mainWindow, 0, 65535, value);
    } else {
        TModalAnswer::onNextModal([&](QWidget* pDialog) {
            TModalAnswer::onNextModal(answerPad);
            pressKeys(pDialog, {dialog == "date" ? "BtnSetDate_Val1" : "btnGrp1"});
            pressKeys(pDialog, dialogKeys);
        });
        if (dialog == "date") {
            QDate date(2024, 3, 5);
            returned = TDateDialog(nullptr).showDateDialog(QStringLiteral("Last cal."), dfDDMMYYYY, date,
                                                           TDateDialog::BTN_CANCEL | TDateDialog::BTN_OK);
        } else {
            unsigned char b1 = 192, b2 = 168, b3 = 0, b4 = 5;
            returned = TIPAddressDialog(nullptr).showDialog(b1, b2, b3, b4);
        }
    }
    QCOMPARE(returned, accepted);
    QVERIFY2(besideThePad >= 100, qPrintable(QString::number(besideThePad)));
    // What the closing posted, and the main window going on as it does.
    clock->setText(QStringLiteral("08:01"));
    delete clock;
    for (int turn = 0; turn < 5; ++turn) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    QVERIFY(mainWindow.isVisible());
}

TAMARIND_TEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
