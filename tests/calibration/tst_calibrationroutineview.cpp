#include "calibrationroutineview.h"
#include "calibrationsetup.h"
#include "channeldescription.h"
#include "childprocess.h"
#include "decimaldisplaycontroller.h"
#include "desktopbackground.h"
#include "formchecks.h"
#include "messagedialog.h"
#include "testsupport.h"
#include "ui_calibrationroutineview.h"
#include "windowplacement.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>
#include <limits>

using namespace Calibrationroutine;
using namespace Calibrationroutineview;
using namespace Electrical_temperature_units;

namespace
{
// How long the X server and the window manager may take to map a window or to pass a tap on, on a loaded machine.
constexpr int WINDOW_MANAGER_BOUND_MS = 20000;

TElectricalTemperatureValue celsius(double pValue)
{
    return TElectricalTemperatureValue(pValue, uCelsius);
}

// A routine whose run the test plays by hand, through the calls a run makes.
class TPlayedRoutine : public TCalibrationRoutine
{
public:
    explicit TPlayedRoutine(const TCalibrationSetup& pSetup) : TCalibrationRoutine(&pSetup) {}
    void report(EnRoutineStatus pStatus, double pPoint) { setStatus(pStatus, celsius(pPoint), true); }
    void reference(double pPoint, double pValue, double pStability)
    {
        notifyObserversReferenceValueUpdated(celsius(pPoint), celsius(pValue), pStability);
    }
    void dut(double pPoint, int pChannel, double pValue)
    {
        notifyObserversDUTValueUpdated(celsius(pPoint), TChannelDescription(pChannel, QString::number(pChannel)),
                                       celsius(pValue));
    }
    void complete(double pPoint) { notifyOberservsCalPointComplete(celsius(pPoint)); }
    void finish() { setStatus(rsCompleted, TElectricalTemperatureValue()); }
};

// What the event loop does once nothing else runs: every pending layout request handled, also those the handled
// ones post in turn.
void settleEvents()
{
    for (int round = 0; round < 8; ++round)
        QCoreApplication::processEvents();
}

TCalibrationSetup benchSetup(const zelk::vector<TElectricalTemperatureValue>& pPoints)
{
    return TCalibrationSetup(QStringLiteral("bench"), EnCalibratorType::ctDWK4400_165, nullptr,
                             {TChannelDescription(2, "2")}, 3, 0.05, 2, pPoints, QString(), 0);
}

// A view on a played routine of the given set points.
struct TPlayedView
{
    explicit TPlayedView(const zelk::vector<TElectricalTemperatureValue>& pPoints)
        : mSetup(benchSetup(pPoints)), mRoutine(mSetup), mView(&mRoutine)
    {
    }
    TCalPointControls* at(double pPoint) { return mView.calPointControls(celsius(pPoint)); }

    TCalibrationSetup mSetup;
    TPlayedRoutine mRoutine;
    TCalibrationRoutineView mView;
};
} // namespace

class tst_CalibrationRoutineView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void summaryAndOnePanelPerPointInOrder();
    void panelFollowsTheStatusOfTheCurrentPoint_data();
    void panelFollowsTheStatusOfTheCurrentPoint();
    void progressBarClampsAndHides_data();
    void progressBarClampsAndHides();
    void referenceAndStabilityTexts_data();
    void referenceAndStabilityTexts();
    void dutRowsOnePerChannelInArrivalOrder();
    void runningPanelAndLastDUTRowInView_data();
    void runningPanelAndLastDUTRowInView();
    void startedIsWrittenOnce();
    void completionGreysThePanelAndOffersClose();
    void cancelAsksBeforeAborting_data();
    void cancelAsksBeforeAborting();
    void equalSetPointsReachThePanelCreatedLast();
    void panelNeedsAVerticalList();
    void titleBarOfTheWindowBelowStaysInSight();
    void viewAndCancelQuestionStandOverTheMainWindow_data();
    void viewAndCancelQuestionStandOverTheMainWindow();
    void viewStaysInFrontOfTheFullScreenMainWindow_data();
    void viewStaysInFrontOfTheFullScreenMainWindow();

private:
    void useSeparator(QChar pSeparator)
    {
        TDecimalDisplayController::instance().decimalSeparatorSelected(pSeparator == ',' ? &mComma : &mPoint);
    }

    QWidget mPoint;
    QWidget mComma;
};

void tst_CalibrationRoutineView::initTestCase()
{
    TDecimalDisplayController::instance().registerWidget(&mPoint, '.');
    TDecimalDisplayController::instance().registerWidget(&mComma, ',');
}

void tst_CalibrationRoutineView::cleanup()
{
    useSeparator('.');
    TDesktopBackground::overrideTranslucentWindowsShowWhatIsBehind(std::nullopt);
}

void tst_CalibrationRoutineView::summaryAndOnePanelPerPointInOrder()
{
    TPlayedView played({celsius(150), celsius(-20.5), celsius(23.456789)});
    Ui_TCalibrationRoutineView& ui = played.mView.form();

    QCOMPARE(ui.LblRoutineName->text(), QStringLiteral("bench"));
    QCOMPARE(ui.LblStabilityTime->text(), QStringLiteral("3"));
    QCOMPARE(ui.LblHoldTime->text(), QStringLiteral("2"));
    QCOMPARE(ui.LblStability->text(), QStringLiteral("0.05"));

    // Header and panel per point, in the setup's order, above the spacer.
    QVBoxLayout* list = ui.verticalLayout_3;
    QCOMPARE(list->count(), 3 * 2 + 1);
    QVERIFY(list->itemAt(list->count() - 1)->spacerItem());
    const double points[] = {150, -20.5, 23.456789};
    const QStringList titles{"Calibration point: 150 °C", "Calibration point: -20.5 °C",
                             "Calibration point: 23.4568 °C"};
    for (int i = 0; i < 3; ++i) {
        TCalPointControls* controls = played.at(points[i]);
        QVERIFY(controls);
        QCOMPARE(controls->titleLabel()->text(), titles.at(i));
        QCOMPARE(list->itemAt(2 * i + 1)->widget(), controls->mainPanel());
        QVERIFY(list->itemAt(2 * i)->widget()->isAncestorOf(controls->titleLabel()));
        QCOMPARE(controls->mainPanel()->styleSheet(), TCalPointControls::panelStyleSheet(psInactive));
        QVERIFY(controls->progressBar()->isHidden());
    }
}

void tst_CalibrationRoutineView::panelFollowsTheStatusOfTheCurrentPoint_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("progressShown");
    QTest::newRow("no status is blue") << int(rsNone) << int(psSelected) << QString() << false;
    QTest::newRow("collecting is blue") << int(rsCollectingStabilitySamples) << int(psSelected) << "Collecting samples"
                                        << true;
    QTest::newRow("unstable is red") << int(rsUnstable) << int(psUnstable) << "Unstable" << false;
    QTest::newRow("reading DUTs is blue")
        << int(rsReadingDUTChannels) << int(psSelected) << "Reading DUT channels" << false;
    QTest::newRow("stable is green") << int(rsStable) << int(psStable) << "Hold time running" << true;
}

void tst_CalibrationRoutineView::panelFollowsTheStatusOfTheCurrentPoint()
{
    QFETCH(int, status);
    QFETCH(int, state);
    QFETCH(QString, text);
    QFETCH(bool, progressShown);
    TPlayedView played({celsius(30), celsius(50)});
    TCalPointControls* first = played.at(30);
    TCalPointControls* second = played.at(50);

    played.mRoutine.report(EnRoutineStatus(status), 30);
    QCOMPARE(first->mainPanel()->styleSheet(), TCalPointControls::panelStyleSheet(EnPanelState(state)));
    QCOMPARE(first->statusLabel()->text(), text);
    QCOMPARE(!first->progressBar()->isHidden(), progressShown);
    QCOMPARE(second->mainPanel()->styleSheet(), TCalPointControls::panelStyleSheet(psInactive));

    // The next point becomes current: the earlier panel turns grey whatever its colour.
    played.mRoutine.complete(30);
    played.mRoutine.report(rsCollectingStabilitySamples, 50);
    QCOMPARE(first->mainPanel()->styleSheet(), TCalPointControls::panelStyleSheet(psInactive));
    QCOMPARE(first->statusLabel()->text(), QStringLiteral("Done"));
    QCOMPARE(second->mainPanel()->styleSheet(), TCalPointControls::panelStyleSheet(psSelected));
}

void tst_CalibrationRoutineView::progressBarClampsAndHides_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("value");
    QTest::newRow("above 100 is full") << 150 << true << 100;
    QTest::newRow("zero is empty") << 0 << true << 0;
    QTest::newRow("negative hides") << -1 << false << 42;
}

void tst_CalibrationRoutineView::progressBarClampsAndHides()
{
    QFETCH(int, percent);
    QFETCH(bool, shown);
    QFETCH(int, value);
    QWidget parent;
    auto* list = new QVBoxLayout(&parent);
    list->addStretch();
    TCalPointControls controls(&parent);
    controls.setStatus(QStringLiteral("before"), 42);

    controls.setStatus(QStringLiteral("now"), percent);
    QCOMPARE(!controls.progressBar()->isHidden(), shown);
    QCOMPARE(controls.progressBar()->value(), value);
    QCOMPARE(controls.statusLabel()->text(), QStringLiteral("now"));
}

void tst_CalibrationRoutineView::referenceAndStabilityTexts_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("stability");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("stabilityText");
    QTest::newRow("point") << QChar('.') << 0.0123 << "23.4568 °C"
                           << "0.0123 K";
    QTest::newRow("comma") << QChar(',') << 0.0123 << "23,4568 °C"
                           << "0,0123 K";
    QTest::newRow("window not covered") << QChar('.') << std::numeric_limits<double>::quiet_NaN() << "23.4568 °C"
                                        << QString();
}

void tst_CalibrationRoutineView::referenceAndStabilityTexts()
{
    QFETCH(QChar, separator);
    QFETCH(double, stability);
    QFETCH(QString, reference);
    QFETCH(QString, stabilityText);
    useSeparator(separator);
    TPlayedView played({celsius(30)});
    TCalPointControls* controls = played.at(30);

    played.mRoutine.report(rsCollectingStabilitySamples, 30);
    played.mRoutine.reference(30, 23.456789, stability);
    QCOMPARE(controls->referenceLabel()->text(), reference);
    QCOMPARE(controls->stabilityLabel()->text(), stabilityText);
    // The reading changes neither colour nor status.
    QCOMPARE(controls->statusLabel()->text(), QStringLiteral("Collecting samples"));
    QCOMPARE(controls->mainPanel()->styleSheet(), TCalPointControls::panelStyleSheet(psSelected));
}

void tst_CalibrationRoutineView::dutRowsOnePerChannelInArrivalOrder()
{
    TPlayedView played({celsius(30), celsius(50)});
    TPlayedRoutine& routine = played.mRoutine;
    TCalPointControls* controls = played.at(30);

    routine.dut(30, 7, 29.9);
    routine.dut(30, 7, 30.01);
    routine.dut(30, 3, 31.5);
    QCOMPARE(controls->dutRowCount(), 2);
    auto* grid = qobject_cast<QGridLayout*>(controls->mainPanel()->layout());
    // Reference row, then channel 7 (first to arrive), then channel 3.
    auto text = [grid](int pRow, int pColumn) {
        return qobject_cast<QLabel*>(grid->itemAtPosition(pRow, pColumn)->widget())->text();
    };
    QCOMPARE(text(1, 0), QStringLiteral("Value channel 7:"));
    QCOMPARE(text(1, 1), QStringLiteral("30.01 °C"));
    QCOMPARE(text(2, 0), QStringLiteral("Value channel 3:"));
    QCOMPARE(text(2, 1), QStringLiteral("31.5 °C"));
    QCOMPARE(played.at(50)->dutRowCount(), 0);
    // A point the setup does not have changes nothing.
    routine.dut(99, 7, 1.0);
    routine.report(rsStable, 99);
    QCOMPARE(controls->dutRowCount(), 2);
    QVERIFY(played.mView.form().LblRunningSince->text().isEmpty());

    // The owner shows the view before the run starts.
    played.mView.show();
    routine.reference(30, 30.012, 0.004);
    routine.complete(30);
    routine.report(rsUnstable, 50);
    routine.reference(50, 49.87, 0.31);
    // As the run's waits do: pending layout requests are handled.
    QApplication::processEvents();
    saveSnapshot(&played.mView, QStringLiteral("calibrationroutineview"));
}

void tst_CalibrationRoutineView::runningPanelAndLastDUTRowInView_data()
{
    QTest::addColumn<bool>("eventsBetweenSteps");
    // A network calibrator handles events while it waits for its answer to the next set point.
    QTest::newRow("six points, events between a point's DUT values and the next point") << true;
    // A serial calibrator's exchange is a busy loop.
    QTest::newRow("six points, no events between a point's DUT values and the next point") << false;
}

void tst_CalibrationRoutineView::runningPanelAndLastDUTRowInView()
{
    QFETCH(bool, eventsBetweenSteps);
    zelk::vector<TElectricalTemperatureValue> points;
    for (int i = 0; i < 6; ++i)
        points << celsius(30 + 20 * i);
    TPlayedView played(points);
    TPlayedRoutine& routine = played.mRoutine;
    played.mView.show();
    QVERIFY(QTest::qWaitForWindowExposed(&played.mView));
    QWidget* viewport = played.mView.form().scrollArea->viewport();
    // Whether pWidget shows whole once the run waits again.
    const auto inView = [viewport](QWidget* pWidget) {
        settleEvents();
        return viewport->rect().contains(QRect(pWidget->mapTo(viewport, QPoint()), pWidget->size()));
    };

    for (const TElectricalTemperatureValue& point : points) {
        const double at = point.value();
        routine.report(rsCollectingStabilitySamples, at);
        QVERIFY2(inView(played.at(at)->mainPanel()), qPrintable(QString::number(at)));
        // Its progress bar hides and shows again.
        routine.report(rsUnstable, at);
        routine.report(rsStable, at);
        QVERIFY2(inView(played.at(at)->mainPanel()), qPrintable(QString::number(at)));
        routine.report(rsReadingDUTChannels, at);
        for (int channel = 1; channel <= 3; ++channel) {
            routine.dut(at, channel, at);
            if (eventsBetweenSteps)
                settleEvents();
        }
        routine.complete(at);
    }
    routine.finish();
    QVERIFY(inView(played.at(130)->dutChannelValueLabel(TChannelDescription(3, "3"))));
}

void tst_CalibrationRoutineView::startedIsWrittenOnce()
{
    TPlayedView played({celsius(30), celsius(50)});
    QLabel* started = played.mView.form().LblRunningSince;

    played.mRoutine.report(rsCollectingStabilitySamples, 30);
    const QString first = started->text();
    QVERIFY2(QRegularExpression("^Started: \\S+ \\d\\d:\\d\\d:\\d\\d").match(first).hasMatch(), qPrintable(first));
    started->setText(started->text() + QStringLiteral(" (seen)"));
    played.mRoutine.report(rsCollectingStabilitySamples, 50);
    QCOMPARE(started->text(), first + QStringLiteral(" (seen)"));
}

void tst_CalibrationRoutineView::completionGreysThePanelAndOffersClose()
{
    TPlayedView played({celsius(30)});
    TCalibrationRoutineView& view = played.mView;
    TCalPointControls* controls = played.at(30);
    view.show();

    played.mRoutine.report(rsStable, 30);
    played.mRoutine.complete(30);
    QCOMPARE(controls->mainPanel()->styleSheet(), TCalPointControls::panelStyleSheet(psStable));
    played.mRoutine.finish();
    QCOMPARE(controls->mainPanel()->styleSheet(), TCalPointControls::panelStyleSheet(psInactive));
    QCOMPARE(controls->statusLabel()->text(), QStringLiteral("Done"));
    QCOMPARE(view.form().label->text(), QStringLiteral("Close"));
    QVERIFY(view.form().LblCompleted->text().startsWith(QStringLiteral("Completed: ")));

    // Close needs no question once the routine has completed.
    QTest::mouseClick(view.form().BtnCancel, Qt::LeftButton);
    QVERIFY(!view.isVisible());
}

void tst_CalibrationRoutineView::cancelAsksBeforeAborting_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("aborted");
    QTest::newRow("yes aborts and closes") << "BtnYes" << true;
    QTest::newRow("no leaves it running") << "BtnNo" << false;
}

void tst_CalibrationRoutineView::cancelAsksBeforeAborting()
{
    QFETCH(QString, answer);
    QFETCH(bool, aborted);
    TPlayedView played({celsius(30)});
    played.mView.show();
    played.mRoutine.report(rsCollectingStabilitySamples, 30);

    TModalAnswer::onNextModal(
        [answer](QWidget* pDialog) { QTest::mouseClick(pDialog->findChild<QWidget*>(answer), Qt::LeftButton); });
    QTest::mouseClick(played.mView.form().BtnCancel, Qt::LeftButton);
    QCOMPARE(played.mView.isVisible(), !aborted);
    QCOMPARE(played.mRoutine.isAbortRequested(), aborted);
}

void tst_CalibrationRoutineView::equalSetPointsReachThePanelCreatedLast()
{
    TPlayedView played({celsius(30), TElectricalTemperatureValue(303.15, uKelvin)});
    QVBoxLayout* list = played.mView.form().verticalLayout_3;
    QCOMPARE(list->count(), 2 * 2 + 1);
    auto* firstTitle = qobject_cast<QLabel*>(list->itemAt(0)->widget()->layout()->itemAt(0)->widget());
    TCalPointControls* last = played.at(30);

    played.mRoutine.report(rsUnstable, 30);
    QCOMPARE(last->titleLabel()->text(), QStringLiteral("Calibration point: 303.15 °C"));
    QCOMPARE(last->statusLabel()->text(), QStringLiteral("Unstable"));
    QCOMPARE(firstTitle->text(), QStringLiteral("Calibration point: 30 °C"));
}

void tst_CalibrationRoutineView::panelNeedsAVerticalList()
{
    QWidget noLayout;
    TCalPointControls bare(&noLayout);
    QVERIFY(!bare.mainPanel());
    QVERIFY(!bare.dutChannelValueLabel(TChannelDescription(1, "1")));
    bare.setStatus(QStringLiteral("x"), 10);
    bare.setPanelState(psStable);
    QVERIFY(noLayout.findChildren<QWidget*>().isEmpty());
}

// The offscreen screen, like an X server without a compositing manager, cannot blend the view's transparent
// header strip over the main window: the view then covers the window below all but its title bar.
void tst_CalibrationRoutineView::titleBarOfTheWindowBelowStaysInSight()
{
    QWidget below;
    below.setGeometry(40, 30, 800, 480);
    below.show();
    QVERIFY(QTest::qWaitForWindowExposed(&below));
    below.activateWindow();
    TPlayedView played({celsius(150)});
    played.mView.show();

    QCOMPARE(played.mView.geometry(), QRect(40, 30 + 38, 800, 480 - 38));
    QVERIFY(played.mView.form().WgtHeader->isHidden());
    QVERIFY(played.mView.form().BtnCancel->isVisible());
}

void tst_CalibrationRoutineView::viewAndCancelQuestionStandOverTheMainWindow_data()
{
    QTest::addColumn<bool>("blends");
    QTest::addColumn<bool>("mainWindowInUse");
    QTest::addColumn<QRect>("viewOnMainWindow");
    // An X server without a compositing manager: the view leaves the 38 px title bar uncovered.
    QTest::newRow("desktop screen, main window in use") << false << true << QRect(0, 38, 800, 442);
    QTest::newRow("desktop screen, run view in use") << false << false << QRect(0, 38, 800, 442);
    // The device's frame buffer blends the view's transparent header strip over the title bar.
    QTest::newRow("device screen, run view in use") << true << false << QRect(0, 0, 800, 480);
}

// The question covers the main window exactly, as the main window covers the device's screen, and where the
// screen cannot blend windows it shows the run view and the title bar below its grey, not the main window alone.
void tst_CalibrationRoutineView::viewAndCancelQuestionStandOverTheMainWindow()
{
    QFETCH(bool, blends);
    QFETCH(bool, mainWindowInUse);
    QFETCH(QRect, viewOnMainWindow);
    TDesktopBackground::overrideTranslucentWindowsShowWhatIsBehind(blends);
    QWidget main;
    main.setStyleSheet(QStringLiteral("background: white;"));
    main.setGeometry(40, 30, 800, 480);
    TWindowPlacement::setMainWindow(&main);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    TPlayedView played({celsius(150)});
    TCalibrationRoutineView& view = played.mView;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    played.mRoutine.report(rsCollectingStabilitySamples, 150);

    QCOMPARE(view.geometry(), viewOnMainWindow.translated(main.geometry().topLeft()));
    QCOMPARE(view.form().WgtHeader->isVisible(), blends);
    QWidget* inUse = mainWindowInUse ? &main : static_cast<QWidget*>(&view);
    inUse->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(inUse));

    // A window manager keeps a window above the one it stands for and centres it there.
    QCOMPARE(view.windowHandle()->transientParent(), main.windowHandle());
    QRect question;
    QWindow* questionStandsFor = nullptr;
    QImage seen;
    TModalAnswer::onNextModal([&](QWidget* pDialog) {
        question = pDialog->geometry();
        questionStandsFor = pDialog->windowHandle()->transientParent();
        seen = pDialog->grab().toImage();
        QTest::mouseClick(pDialog->findChild<QWidget*>("BtnNo"), Qt::LeftButton);
    });
    QTest::mouseClick(view.form().BtnCancel, Qt::LeftButton);
    QCOMPARE(question, main.geometry());
    QCOMPARE(questionStandsFor, main.windowHandle());
    if (blends)
        return;
    // Grey 51 at 70 % over what is below.
    const auto underBackdrop = [](const QColor& pBelow) {
        return QColor::fromRgbF(0.7 * 0.2 + 0.3 * pBelow.redF(), 0.7 * 0.2 + 0.3 * pBelow.greenF(),
                                0.7 * 0.2 + 0.3 * pBelow.blueF());
    };
    const QPoint inViewsPanel(20, 120);
    const QColor panel = view.grab().toImage().pixelColor(inViewsPanel);
    QVERIFY(panel != QColor(Qt::white));
    const std::pair<QPoint, QColor> expected[] = {{QPoint(3, 3), underBackdrop(Qt::white)},
                                                  {inViewsPanel + viewOnMainWindow.topLeft(), underBackdrop(panel)}};
    for (const auto& point : expected) {
        const QColor shown = seen.pixelColor(point.first);
        const QString text = shown.name() + QStringLiteral(" instead of ") + point.second.name();
        QVERIFY2(qAbs(shown.red() - point.second.red()) <= 1, qPrintable(text));
        QVERIFY2(qAbs(shown.green() - point.second.green()) <= 1, qPrintable(text));
        QVERIFY2(qAbs(shown.blue() - point.second.blue()) <= 1, qPrintable(text));
    }
}

void tst_CalibrationRoutineView::viewStaysInFrontOfTheFullScreenMainWindow_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("No to the abort question") << "no";
    QTest::newRow("OK to the completion message") << "completed";
    QTest::newRow("tap on the main window's title bar") << "tap";
}

// A window manager puts a full-screen window that has the focus above every ordinary window: when the main window
// gets the focus back, after a message or a tap on it, the run view must still stand in front of it with Cancel and
// Close in reach. Taps go through the X server, as a finger's do, and the order of the windows is the window
// manager's own list, not Qt's idea of it.
void tst_CalibrationRoutineView::viewStaysInFrontOfTheFullScreenMainWindow()
{
    QFETCH(QString, action);
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("Which window stands in front is the window manager's: tst_calibrationroutineview_openbox tries it");
    const auto tap = [](const QWidget* pWidget, const QPoint& pAt) {
        const QPoint point = pWidget->mapToGlobal(pAt);
        return TChildProcess::execute(QStringLiteral("xdotool"),
                                      {QStringLiteral("mousemove"), QString::number(point.x()),
                                       QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")}) == 0;
    };
    QWidget main;
    // Whether pWindow stands in front of the main window, in the stacking order the window manager publishes.
    const auto inFront = [&main](const QWidget* pWindow) {
        TChildProcess xprop;
        xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
        if (!xprop.waitForFinished())
            return false;
        QList<WId> bottomFirst;
        const QString list = QString::fromLatin1(xprop.readAllStandardOutput()).section(QLatin1Char('#'), 1);
        for (const QString& id : list.split(QLatin1Char(',')))
            bottomFirst.append(id.trimmed().toULongLong(nullptr, 16));
        const int mainAt = bottomFirst.indexOf(main.winId());
        return mainAt >= 0 && bottomFirst.indexOf(pWindow->winId()) > mainAt;
    };
    main.setStyleSheet(QStringLiteral("background: white;"));
    TWindowPlacement::setMainWindow(&main);
    main.showFullScreen();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    TPlayedView played({celsius(150)});
    TCalibrationRoutineView& view = played.mView;
    view.show();
    played.mRoutine.report(rsCollectingStabilitySamples, 150);
    QWidget* button = view.form().BtnCancel;
    // The window manager lists a window in its stacking order before it maps it: a tap in between reaches the
    // window below. Qt sees a window exposed only once it is mapped.
    QVERIFY(QTest::qWaitForWindowExposed(&view, WINDOW_MANAGER_BOUND_MS));
    QTRY_VERIFY(inFront(&view));

    // True once the message closed at its tap. A tap that reaches no message would leave the message's exec
    // running under the row's wait for good: the message is closed unanswered instead, and the row fails.
    bool answered = false;
    bool messageInFront = false;
    const auto answerNextMessage = [&](const QString& pButton) {
        TModalAnswer::onNextModal([&, pButton](QWidget* pDialog) {
            messageInFront = QTest::qWaitForWindowExposed(pDialog, WINDOW_MANAGER_BOUND_MS) &&
                             QTest::qWaitFor([&] { return inFront(pDialog); });
            QWidget* answer = pDialog->findChild<QWidget*>(pButton);
            answered = tap(answer, answer->rect().center()) &&
                       QTest::qWaitFor([pDialog] { return pDialog->isHidden(); }, WINDOW_MANAGER_BOUND_MS);
            if (!answered)
                pDialog->close();
        });
    };
    if (action == QLatin1String("no")) {
        answerNextMessage(QStringLiteral("BtnNo"));
        QVERIFY(tap(button, button->rect().center()));
        QTRY_VERIFY(answered && !QApplication::activeModalWidget());
        QVERIFY(!played.mRoutine.isAbortRequested());
        QVERIFY(messageInFront);
    } else if (action == QLatin1String("completed")) {
        played.mRoutine.finish();
        answerNextMessage(QStringLiteral("BtnOK"));
        TMessageDialog().showConfirmation(QStringLiteral("Calibration routine completed successfully."));
        QVERIFY(answered);
        QVERIFY(messageInFront);
    } else {
        QVERIFY(tap(&main, QPoint(main.width() / 2, 10)));
    }
    // The window manager gives the main window the focus, and with it the top of the stack.
    QTRY_COMPARE(QGuiApplication::focusWindow(), main.windowHandle());
    QTRY_VERIFY(inFront(&view));
}

TAMARIND_TEST_MAIN(tst_CalibrationRoutineView)
#include "tst_calibrationroutineview.moc"
