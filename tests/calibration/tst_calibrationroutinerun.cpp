#include "blockcalibratorethernet.h"
#include "boardfaults.h"
#include "boardsimulator.h"
#include "boardstate.h"
#include "buzzercontroller.h"
#include "calibrationroutine.h"
#include "calibrationroutineobserver.h"
#include "calibrationroutineview.h"
#include "calibrationsetup.h"
#include "calibratorfixture.h"
#include "calibratorsimulator.h"
#include "calibratorthermalmodel.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "channeldescription.h"
#include "channelviewfixture.h"
#include "diskspacecontroller.h"
#include "dwk44xx_connector.h"
#include "externalcommunicationhandler.h"
#include "ftdi_usb_serial_device.h"
#include "mbk2x00_connector.h"
#include "messagedialog.h"
#include "messagerecorder.h"
#include "recordinginterface.h"
#include "routineclock.h"
#include "scanmodecontroller.h"
#include "simulatedsmartprobe.h"
#include "terminationsignals.h"
#include "testprobes.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <functional>
#include <limits>
#include <map>
#include <utility>

using namespace Calibrationroutine;
using namespace Electrical_temperature_units;

namespace
{
// How late a calibrator answers in the rows that terminate a run's start:
// within the connectors' reply time-outs.
constexpr int LATE_REPLY_MS = 4000;

// The board leaves the next command that starts with the prefix unanswered, once.
void leaveUnanswered(TBoardSimulator& pBoard, const QByteArray& pPrefix)
{
    pBoard.withFaults([&pPrefix](TBoardFaults& pFaults) {
        TBoardFaults::TCommandFault silence;
        silence.mPrefix = pPrefix;
        silence.mKind = TBoardFaults::TCommandFault::cfSilence;
        pFaults.mCommandFaults << silence;
    });
}

// Milliseconds on a monotonic clock that every thread reads alike.
qint64 monotonicMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double temperatureOf(const TAbstractChannel& pChannel)
{
    TElectricalTemperatureValue temperature;
    TElectricalTemperatureValue electrical;
    pChannel.currentValueNumeric(temperature, electrical);
    return temperature.value();
}

QString pointText(const TElectricalTemperatureValue& pValue)
{
    return QString::number(pValue.value(), 'f', 1);
}

// Writes down every observer call as one line.
class TRunLog : public ICalibrationRoutineObserver
{
public:
    void calibrationRoutineStatusChanged(const TCalibrationRoutine& pRoutine,
                                         const TElectricalTemperatureValue& pCalPoint) override
    {
        mLines << QStringLiteral("status %1 %2").arg(int(pRoutine.status())).arg(pointText(pCalPoint));
        mCollectionProgress << pRoutine.sampleCollectionProgressPercent();
    }
    void referenceValueUpdated(const TElectricalTemperatureValue& pCalPoint, const TElectricalTemperatureValue&,
                               double) override
    {
        mLines << QStringLiteral("reference %1").arg(pointText(pCalPoint));
    }
    void dutValueUpdated(const TElectricalTemperatureValue& pCalPoint, const TChannelDescription& pChannel,
                         const TElectricalTemperatureValue&) override
    {
        mLines << QStringLiteral("dut %1 %2").arg(pointText(pCalPoint)).arg(pChannel.internalChannelNumber());
    }
    void calPointComplete(const TElectricalTemperatureValue& pCalPoint) override
    {
        mLines << QStringLiteral("complete %1").arg(pointText(pCalPoint));
    }

    QStringList mLines;
    QList<int> mCollectionProgress;
};

// A status with the reference update behind it becomes one line, and repeated
// lines are folded, so the order of the calls reads independent of how many
// samples a window took.
QStringList folded(const QStringList& pLines)
{
    QStringList merged;
    for (const QString& line : pLines) {
        if (line.startsWith("reference") && !merged.isEmpty() && merged.last().startsWith("status"))
            merged.last() += " +reference";
        else
            merged << line;
    }
    QStringList out;
    for (const QString& line : merged) {
        if (out.isEmpty() || out.last() != line)
            out << line;
    }
    return out;
}

// Only the skipped time passes, so samples lie exactly 2 s apart.
class TExactClock : public TFastForwardRoutineClock
{
public:
    QDateTime now() const override { return mBase.addMSecs(skippedMs()); }
    qint64 monotonicMs() const override { return skippedMs(); }

private:
    const QDateTime mBase = QDateTime(QDate(2026, 3, 1), QTime(8, 0));
};

// Hears every call and acts on the one it overrides.
class TQuietObserver : public ICalibrationRoutineObserver
{
public:
    void calibrationRoutineStatusChanged(const TCalibrationRoutine&, const TElectricalTemperatureValue&) override {}
    void referenceValueUpdated(const TElectricalTemperatureValue&, const TElectricalTemperatureValue&, double) override
    {
    }
    void dutValueUpdated(const TElectricalTemperatureValue&, const TChannelDescription&,
                         const TElectricalTemperatureValue&) override
    {
    }
    void calPointComplete(const TElectricalTemperatureValue&) override {}
};

// Runs an action with the count of reference samples at each of them.
class TOnEachSample : public TQuietObserver
{
public:
    explicit TOnEachSample(std::function<void(int)> pAction) : mAction(std::move(pAction)) {}
    void referenceValueUpdated(const TElectricalTemperatureValue&, const TElectricalTemperatureValue&, double) override
    {
        mAction(++mSamples);
    }

private:
    std::function<void(int)> mAction;
    int mSamples = 0;
};

// Runs an action as the first DUT value comes.
class TOnFirstDUTValue : public TQuietObserver
{
public:
    explicit TOnFirstDUTValue(std::function<void()> pAction) : mAction(std::move(pAction)) {}
    void dutValueUpdated(const TElectricalTemperatureValue&, const TChannelDescription&,
                         const TElectricalTemperatureValue&) override
    {
        if (mAction)
            std::exchange(mAction, nullptr)();
    }

private:
    std::function<void()> mAction;
};

// Runs an action at the first report of a status.
class TCallOnFirstStatus : public TQuietObserver
{
public:
    explicit TCallOnFirstStatus(std::function<void()> pAction, EnRoutineStatus pStatus = rsCollectingStabilitySamples)
        : mAction(std::move(pAction)), mStatus(pStatus)
    {
    }
    void calibrationRoutineStatusChanged(const TCalibrationRoutine& pRoutine,
                                         const TElectricalTemperatureValue&) override
    {
        if (mAction && pRoutine.status() == mStatus)
            std::exchange(mAction, nullptr)();
    }

private:
    std::function<void()> mAction;
    EnRoutineStatus mStatus;
};
} // namespace

Q_DECLARE_METATYPE(EnCalibratorType)
Q_DECLARE_METATYPE(QList<TChannelDescription>)

// Whole runs in skipped time against the simulated board and calibrators.
class tst_CalibrationRoutineRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void wholeRoutine_data();
    void wholeRoutine();
    void observerCallsOfOnePoint();
    void endingsWithoutAPointRun_data();
    void endingsWithoutAPointRun();
    void emptyReferenceWindowIsNoResult();
    void pointTakenAfterWindowAndHold_data();
    void pointTakenAfterWindowAndHold();
    void readBackMayDeviateHalfAKelvin_data();
    void readBackMayDeviateHalfAKelvin();
    void unreadableDUTStaysEmptyAndTheRunGoesOn();
    void abortAtEachMoment_data();
    void abortAtEachMoment();
    void terminateWhileTheCalibratorAnswersLate_data();
    void terminateWhileTheCalibratorAnswersLate();
    void scanModeRestsDuringTheRun();
    void samplesGoOnWhileAClientKeepsCommandsQueued_data();
    void samplesGoOnWhileAClientKeepsCommandsQueued();
    void storedValuesAreTheRunsOwnChannels_data();
    void storedValuesAreTheRunsOwnChannels();
    void samplesGoOnUnderAMessage_data();
    void samplesGoOnUnderAMessage();
    void fastForwardWaitProcessesEventsOnce();
    void realWaitBlocksUntilItsDeadline_data();
    void realWaitBlocksUntilItsDeadline();

private:
    TChannelController& controller() { return mFixture->controller(); }
    TCalibrationSetup setup(EnCalibratorType pType, const zelk::vector<TElectricalTemperatureValue>& pPoints,
                            const zelk::vector<TChannelDescription>& pDuts = {TChannelDescription(2, "2"),
                                                                              TChannelDescription(3, "3")});
    EnRoutineResult run(TCalibrationRoutine& pRoutine);
    // A run started from the program's event loop, as the Start button does,
    // with the program's handling of a terminate; the quit is taken
    // afterwards. mResult is -1 when the loop had not ended after a minute.
    struct TLoopRun
    {
        int mResult = -1;
        qint64 mReturnedAtMs = 0;
        int mNotifierActivations = 0;
    };
    TLoopRun runFromTheEventLoop(TCalibrationRoutine& pRoutine);
    // The board's inputs sit in the calibrator's block, each with an error of
    // its own; the block's time is the run's.
    void followCalibrator(const std::map<int, double>& pOffsets)
    {
        TCalibratorThermalModel& block = mCalibrator.simulator().model();
        block.setClock([] { return IRoutineClock::current().monotonicMs() / 1000.0; });
        for (const auto& input : pOffsets)
            mFixture->board().board().withState([&](TBoardState& pState) {
                pState.setSignal(input.first, TTemperatureSignal::follow([&block] { return block.temperature(); },
                                                                         input.second, 0.002));
            });
    }
    // Every command of the board that begins with pPrefix is answered with an error from now on.
    void refuseOnBoard(const QByteArray& pPrefix)
    {
        mFixture->board().board().withFaults([pPrefix](TBoardFaults& pFaults) {
            TBoardFaults::TCommandFault fault;
            fault.mPrefix = pPrefix;
            fault.mCount = -1;
            pFaults.mCommandFaults << fault;
        });
    }
    // A routine of one set point at 50 degrees on the dry well, logged.
    struct TOnePointRun
    {
        explicit TOnePointRun(const TCalibrationSetup& pSetup) : mSetup(pSetup), mRoutine(&mSetup)
        {
            mRoutine.addObserver(&mLog);
        }
        TCalibrationSetup mSetup;
        TCalibrationRoutine mRoutine;
        TRunLog mLog;
    };
    // Starts the calibrator (the dry well unless given) with the given faults
    // and makes its one-point routine; null, the reason in mCalibratorProblem,
    // when the calibrator did not start (ONE_POINT_RUN).
    TOnePointRun* onePointRun(const QStringList& pFaults = {},
                              const zelk::vector<TChannelDescription>& pDuts = {TChannelDescription(2, "2"),
                                                                                TChannelDescription(3, "3")},
                              EnCalibratorType pType = EnCalibratorType::ctDWK4400_165)
    {
        TCalibratorFixture::setReplyTimeouts(pFaults);
        if (!mCalibrator.start(pType, pFaults, mCalibratorProblem))
            return nullptr;
        mOne = std::make_unique<TOnePointRun>(setup(pType, {TElectricalTemperatureValue(50.0, uCelsius)}, pDuts));
        return mOne.get();
    }

    std::unique_ptr<TChannelControllerFixture> mFixture;
    TCalibratorFixture mCalibrator;
    TFastForwardRoutineClock* mClock = nullptr;
    std::unique_ptr<TOnePointRun> mOne;
    QString mCalibratorProblem;
};

// Declares pRun, the TOnePointRun of onePointRun with these arguments, and
// ends the row with the reason when the calibrator did not start.
#define ONE_POINT_RUN(pRun, ...)                                                                                       \
    TOnePointRun* const pRun##Started = onePointRun(__VA_ARGS__);                                                      \
    QVERIFY2(pRun##Started, qPrintable(QStringLiteral("the calibrator did not start: ") + mCalibratorProblem));        \
    TOnePointRun& pRun = *pRun##Started

void tst_CalibrationRoutineRun::initTestCase()
{
    QVERIFY(TCalibratorFixture::linkConverterStandIn());
    QVERIFY(TFTDI_Usb_Serial_Device::instance()->isLibraryAvailable());
    TCalibratorFixture::setReplyTimeouts({});
}

void tst_CalibrationRoutineRun::init()
{
    auto clock = std::make_unique<TFastForwardRoutineClock>();
    mClock = clock.get();
    IRoutineClock::replace(std::move(clock));
    TAMARIND_MAKE_FIXTURE(mFixture);
    TBoardSimulator& board = mFixture->board().board();
    board.setTemperature(1, 40.0);
    board.setTemperature(2, 40.03);
    board.setTemperature(3, 39.8);
    mFixture->build(500);
    // The board answered the controller's start-up: an exchange given up
    // there leaves its command to reach the board during the row.
    QCOMPARE(mFixture->board().handler().linkInterruptions(), quint64(0));
}

void tst_CalibrationRoutineRun::cleanup()
{
    mOne.reset();
    mFixture.reset();
    TFTDI_Usb_Serial_Device::instance()->disconnect();
    mCalibrator.stop();
    TCalibratorFixture::setReplyTimeouts({});
    IRoutineClock::replace(nullptr);
    mClock = nullptr;
}

TCalibrationSetup tst_CalibrationRoutineRun::setup(EnCalibratorType pType,
                                                   const zelk::vector<TElectricalTemperatureValue>& pPoints,
                                                   const zelk::vector<TChannelDescription>& pDuts)
{
    const quint16 port = mCalibrator.simulator().port();
    return TCalibrationSetup(QStringLiteral("bench"), pType, controller().physical_channel(1), pDuts, 1, 0.1, 1,
                             pPoints, QStringLiteral("127.0.0.1"), port);
}

EnRoutineResult tst_CalibrationRoutineRun::run(TCalibrationRoutine& pRoutine)
{
    QString message;
    return pRoutine.startRoutine(&controller(), nullptr, message);
}

tst_CalibrationRoutineRun::TLoopRun tst_CalibrationRoutineRun::runFromTheEventLoop(TCalibrationRoutine& pRoutine)
{
    QCoreApplication& application = *QCoreApplication::instance();
    TTerminationSignals::quitEventLoopOnTermination(application);
    TLoopRun loopRun;
    // The connections and the guard go with the run.
    QObject scope;
    for (QSocketNotifier* notifier : application.findChildren<QSocketNotifier*>(QString(), Qt::FindDirectChildrenOnly))
        connect(notifier, &QSocketNotifier::activated, &scope, [&loopRun] { ++loopRun.mNotifierActivations; });
    int ended = -1;
    QTimer::singleShot(0, &scope, [&] {
        ended = int(run(pRoutine));
        loopRun.mReturnedAtMs = monotonicMs();
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &scope, &QCoreApplication::quit);
    guard.start(60000);
    QCoreApplication::exec();
    if (guard.isActive())
        loopRun.mResult = ended;
    guard.stop();
    for (int turn = 0; turn < 5; ++turn)
        QCoreApplication::processEvents();
    const int activations = loopRun.mNotifierActivations;
    TTestEnvironment::forgetTermination();
    loopRun.mNotifierActivations = activations;
    return loopRun;
}

void tst_CalibrationRoutineRun::wholeRoutine_data()
{
    QTest::addColumn<EnCalibratorType>("type");
    QTest::addColumn<QStringList>("control");
    QTest::newRow("modbus dry well") << EnCalibratorType::ctDWK4400_165 << QStringList();
    // 50 degrees at three decimals do not fit the set point register.
    QTest::newRow("modbus dry well keeping three decimals")
        << EnCalibratorType::ctDWK4400_165 << QStringList{"digits 3"};
    QTest::newRow("network bath") << EnCalibratorType::ctMBK2800 << QStringList();
}

void tst_CalibrationRoutineRun::wholeRoutine()
{
    QFETCH(EnCalibratorType, type);
    QFETCH(QStringList, control);
    QVERIFY(mCalibrator.start(type, control));
    followCalibrator({{1, 0.0}, {2, 0.03}, {3, -0.2}});
    controller().setReadingActive(true);
    const TCalibrationSetup bench =
        setup(type, {TElectricalTemperatureValue(50.0, uCelsius), TElectricalTemperatureValue(30.0, uCelsius)});
    TCalibrationRoutine routine(&bench);
    TRunLog log;
    routine.addObserver(&log);
    const QDateTime before = QDateTime::currentDateTime();

    QCOMPARE(run(routine), rrSuccess);

    QCOMPARE(routine.status(), rsCompleted);
    QVERIFY(controller().isReadingActive());
    // The run took minutes of skipped time: at least one window and one hold per point.
    QVERIFY(mClock->skippedMs() >= 2 * 2 * 60000);
    QVERIFY(routine.routineStart() >= before);
    QVERIFY(routine.routineEnd().msecsTo(routine.routineStart()) <= -4 * 60000);
    const TCalibrationRoutine::TPointResults& results = routine.calibrationPointsResults();
    QCOMPARE(int(results.size()), 2);
    QCOMPARE(results.begin()->first.value(), 30.0);
    QCOMPARE(results.rbegin()->first.value(), 50.0);
    for (const auto& entry : results) {
        // The inputs sit in the calibrator's block: near the set point, each with its own error.
        const double setPoint = entry.first.value();
        QVERIFY(qAbs(entry.second.valueReferenceChannel().value() - setPoint) < 0.05);
        const TDUTValue* dut2 = entry.second.dutValue(TChannelDescription(2, "2"));
        const TDUTValue* dut3 = entry.second.dutValue(TChannelDescription(3, "3"));
        QVERIFY(dut2 && dut3);
        QVERIFY(qAbs(dut2->valTemperature().value() - (setPoint + 0.03)) < 0.05);
        QVERIFY(qAbs(dut3->valTemperature().value() - (setPoint - 0.2)) < 0.05);
    }
    QCOMPARE(mCalibrator.simulator().model().setPoint(), 30.0);
}

void tst_CalibrationRoutineRun::observerCallsOfOnePoint()
{
    IRoutineClock::replace(std::make_unique<TExactClock>());
    ONE_POINT_RUN(one);
    TRunLog& log = one.mLog;

    QCOMPARE(run(one.mRoutine), rrSuccess);

    QCOMPARE(folded(log.mLines),
             QStringList({"status 1 50.0 +reference", "status 4 50.0 +reference", "status 4 50.0", "status 3 50.0",
                          "dut 50.0 2", "dut 50.0 3", "reference 50.0", "complete 50.0", "status 5 0.0"}));
    // A sample every 2 s: the one at 60 s does not cover the window of one
    // minute (not strictly older), the one at 62 s does; the collection
    // progress is about 50 after 30 s.
    QCOMPARE(log.mLines.count("status 1 50.0"), 31);
    QVERIFY(qAbs(log.mCollectionProgress.at(15) - 50) <= 1);
    QCOMPARE(log.mCollectionProgress.first(), 0);
    QCOMPARE(one.mRoutine.routineStart().msecsTo(one.mRoutine.routineEnd()), qint64(2 * 60000 + 2000 + 3 * 2 * 2000));
}

void tst_CalibrationRoutineRun::endingsWithoutAPointRun_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QList<TChannelDescription>>("duts");
    QTest::addColumn<QByteArray>("boardRefuses");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("log");
    const QList<TChannelDescription> good{TChannelDescription(2, "2")};
    const QStringList ended{"status 5 0.0"};
    QTest::newRow("silent calibrator") << QStringList{"fault silence always"} << good << QByteArray()
                                       << int(rrCalibratorInitFailed) << ended;
    // Nothing touched, nobody told.
    QTest::newRow("unknown DUT channel") << QStringList() << QList<TChannelDescription>{TChannelDescription(999, "x")}
                                         << QByteArray() << int(rrInvalidCalibrationSetup) << QStringList();
    QTest::newRow("DUT channel refused") << QStringList() << good << QByteArray("conf:chan 02")
                                         << int(rrUnableToSelectDUTChannel) << ended;
    QTest::newRow("reference channel refused")
        << QStringList() << good << QByteArray("conf:chan 01") << int(rrUnableToSelectReferenceChannel) << ended;
    // The board answers every reading with an error once the channels are chosen.
    QTest::newRow("silent reference") << QStringList() << good << QByteArray("meas:curr?")
                                      << int(rrUnableToReadReferenceValue) << QStringList{"complete 50.0", ended[0]};
}

void tst_CalibrationRoutineRun::endingsWithoutAPointRun()
{
    QFETCH(QStringList, faults);
    QFETCH(QList<TChannelDescription>, duts);
    QFETCH(QByteArray, boardRefuses);
    QFETCH(int, result);
    QFETCH(QStringList, log);
    controller().setReadingActive(true);
    if (!boardRefuses.isEmpty())
        refuseOnBoard(boardRefuses);
    ONE_POINT_RUN(one, faults, zelk::vector<TChannelDescription>(duts.begin(), duts.end()));
    QElapsedTimer timer;
    timer.start();

    QCOMPARE(int(run(one.mRoutine)), result);
    QVERIFY(one.mRoutine.calibrationPointsResults().empty());
    QVERIFY(controller().isReadingActive());
    QCOMPARE(one.mLog.mLines, log);
    QCOMPARE(one.mRoutine.routineStart().isValid(), result != rrInvalidCalibrationSetup);
    QCOMPARE(one.mRoutine.routineEnd().isValid(), result != rrInvalidCalibrationSetup);
    // The deadline of a board reading is real time, not skipped.
    if (result == rrUnableToReadReferenceValue)
        QVERIFY(timer.elapsed() >= qint64(TCalibrationRoutine::CHANNEL_CHANGE_TIMEOUT_MS));
}

void tst_CalibrationRoutineRun::emptyReferenceWindowIsNoResult()
{
    // A reference the board reads as no number: no value to keep.
    IRoutineClock::replace(std::make_unique<TExactClock>());
    mFixture->board().board().setTemperature(1, std::numeric_limits<double>::quiet_NaN());
    ONE_POINT_RUN(one);

    QCOMPARE(int(run(one.mRoutine)), int(rrUnableToReadReferenceValue));
    QVERIFY(one.mRoutine.calibrationPointsResults().empty());
    QVERIFY(one.mLog.mLines.contains("complete 50.0"));
    QVERIFY(!one.mLog.mLines.contains("status 3 50.0"));
    // It ends with the first full window, without a hold that could never
    // give a point.
    QVERIFY(!one.mLog.mLines.contains("status 4 50.0"));
    QCOMPARE(one.mRoutine.routineStart().msecsTo(one.mRoutine.routineEnd()), qint64(60000 + 2000));
}

enum EnReferenceCourse { rcSteady, rcLeavesTheRangeDuringTheHold, rcDriftsInsideTheLimit };

void tst_CalibrationRoutineRun::pointTakenAfterWindowAndHold_data()
{
    QTest::addColumn<int>("course");
    QTest::addColumn<qint64>("takenAtMs");
    // The sample at 62 s is the first older than the window; the hold of a
    // minute runs from there.
    QTest::newRow("steady") << int(rcSteady) << qint64(62000 + 60000);
    // One sample at 80 s is 1 K off; back at 82 s, the reference needs a
    // window without the excursion (the sample at 144 s) and a whole hold.
    QTest::newRow("leaves the range during the hold")
        << int(rcLeavesTheRangeDuringTheHold) << qint64(82000 + 62000 + 60000);
    // 0.04 K a minute stays within the 0.1 K of the window.
    QTest::newRow("drifts inside the limit") << int(rcDriftsInsideTheLimit) << qint64(62000 + 60000);
}

void tst_CalibrationRoutineRun::pointTakenAfterWindowAndHold()
{
    QFETCH(int, course);
    QFETCH(qint64, takenAtMs);
    IRoutineClock::replace(std::make_unique<TExactClock>());
    mFixture->board().board().withState([course](TBoardState& pState) {
        pState.setSignal(1, TTemperatureSignal::follow(
                                [course] {
                                    const qint64 ms = IRoutineClock::current().monotonicMs();
                                    if (course == rcLeavesTheRangeDuringTheHold)
                                        return ms >= 80000 && ms < 82000 ? 41.0 : 40.0;
                                    if (course == rcDriftsInsideTheLimit)
                                        return 40.0 + 0.04 * double(ms) / 60000.0;
                                    return 40.0;
                                },
                                0.0, 0.0));
    });
    ONE_POINT_RUN(one);
    qint64 takenAt = -1;
    double newestSample = std::numeric_limits<double>::quiet_NaN();
    TCallOnFirstStatus taking(
        [&] {
            takenAt = IRoutineClock::current().monotonicMs();
            newestSample = temperatureOf(*controller().channel(1));
        },
        rsReadingDUTChannels);
    one.mRoutine.addObserver(&taking);

    QCOMPARE(run(one.mRoutine), rrSuccess);
    QCOMPARE(takenAt, takenAtMs);
    // The reference value is the newest sample, not one from the start of the window.
    const double reference = one.mRoutine.calibrationPointsResults().begin()->second.valueReferenceChannel().value();
    QCOMPARE(reference, newestSample);
}

void tst_CalibrationRoutineRun::readBackMayDeviateHalfAKelvin_data()
{
    QTest::addColumn<QString>("deviation");
    QTest::addColumn<int>("result");
    QTest::newRow("0.5 K passes") << "0.5" << int(rrSuccess);
    QTest::newRow("0.6 K is refused") << "0.6" << int(rrInvalidCalibrationPoint);
    QTest::newRow("-0.6 K is refused") << "-0.6" << int(rrInvalidCalibrationPoint);
}

void tst_CalibrationRoutineRun::readBackMayDeviateHalfAKelvin()
{
    QFETCH(QString, deviation);
    QFETCH(int, result);
    // The network bath reads its set point back as text, so the deviation is exact.
    QVERIFY(mCalibrator.start(EnCalibratorType::ctMBK2800, {QStringLiteral("fault readback ") + deviation}));
    const TCalibrationSetup bench = setup(EnCalibratorType::ctMBK2800, {TElectricalTemperatureValue(100.0, uCelsius)});
    TCalibrationRoutine routine(&bench);
    QCOMPARE(int(run(routine)), result);
    QCOMPARE(routine.calibrationPointsResults().size(), size_t(result == rrSuccess ? 1 : 0));
}

void tst_CalibrationRoutineRun::unreadableDUTStaysEmptyAndTheRunGoesOn()
{
    ONE_POINT_RUN(one);
    // Channel 3 can be chosen while the run prepares, not when the point is taken.
    TCallOnFirstStatus refuseLater([this] { refuseOnBoard("conf:chan 03"); });
    one.mRoutine.addObserver(&refuseLater);

    QCOMPARE(run(one.mRoutine), rrSuccess);
    const TCalibrationPointResults& results = one.mRoutine.calibrationPointsResults().begin()->second;
    QVERIFY(qAbs(results.dutValue(TChannelDescription(2, "2"))->valTemperature().value() - 40.03) < 0.01);
    QVERIFY(std::isnan(results.dutValue(TChannelDescription(3, "3"))->valTemperature().value()));
}

enum EnAbortMoment {
    amBeforeTheCall,
    amFirstEvents,
    amThirdSample,
    amReadingDUTs,
    amWhileTheCalibratorStarts,
    // The Cancel reading DUTs, the board silent at the end's selection.
    amReadingDUTsEndUnanswered,
    amTerminateInASampleWait,
    amTerminateReadingDUTs,
    // A terminate on the board's thread as the board receives a selection.
    amTerminateSelectingTheFirstDUTAtTheStart,
    amTerminateSelectingTheLastDUTAtTheStart,
    amTerminateSelectingTheReferenceAtTheStart,
    amTerminateSelectingADUTOfThePoint,
    amTerminateAsADUTValueComes,
    amTerminateReadingASilentReference,
    // The board silent at the selection the signal comes in; these stay last.
    amTerminateSelectingASilentDUT,
    amTerminateSelectingASilentReferenceAtTheStart,
    amTerminateSelectingASilentReferenceOfThePoint
};

void tst_CalibrationRoutineRun::abortAtEachMoment_data()
{
    QTest::addColumn<int>("moment");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("points");
    // Of the two DUTs, those the point holds a value of.
    QTest::addColumn<int>("duts");
    // A stale flag from an earlier run must not end the new one.
    QTest::newRow("before the start is forgotten") << int(amBeforeTheCall) << int(rrSuccess) << 1 << 2;
    // Cancel confirmed in the events the start lets through: the view is
    // already closed, and the calibrator is not even asked.
    QTest::newRow("in the first events ends the run") << int(amFirstEvents) << int(rrAborted) << 0 << 0;
    // The Cancel button's click arrives while the run waits after its third sample.
    QTest::newRow("in a sample wait ends the run") << int(amThirdSample) << int(rrAborted) << 0 << 0;
    // It comes in the pause after the first DUT's first reading: the point
    // stays, without the DUTs it did not read to the end.
    QTest::newRow("while reading DUTs stops selecting") << int(amReadingDUTs) << int(rrAborted) << 1 << 0;
    // Something the calibrator's last start-up exchange let through cancels:
    // it is sent no set point.
    QTest::newRow("while the calibrator starts ends the run")
        << int(amWhileTheCalibratorStarts) << int(rrAborted) << 0 << 0;
    // Input 4, shown before the run, is measured again once the board answers.
    QTest::newRow("while reading DUTs, the end's selection unanswered once")
        << int(amReadingDUTsEndUnanswered) << int(rrAborted) << 1 << 0;
    // SIGTERM or Ctrl+C arrives while the run waits after its third sample: the
    // run ends as an abort does, the event loop it came from quits, and the
    // signal wakes event processing once, not at every later turn.
    QTest::newRow("a terminate in a sample wait ends the run and the program")
        << int(amTerminateInASampleWait) << int(rrAborted) << 0 << 0;
    // The same pause: the point, even the run's last, is no result.
    QTest::newRow("a terminate while reading DUTs ends the run and the program")
        << int(amTerminateReadingDUTs) << int(rrAborted) << 1 << 0;
    // The board is busy with a selection when the signal comes; the next
    // selection, set point or reading is not made.
    QTest::newRow("a terminate while the start selects the first DUT")
        << int(amTerminateSelectingTheFirstDUTAtTheStart) << int(rrAborted) << 0 << 0;
    QTest::newRow("a terminate while the start selects the last DUT")
        << int(amTerminateSelectingTheLastDUTAtTheStart) << int(rrAborted) << 0 << 0;
    QTest::newRow("a terminate while the start selects the reference")
        << int(amTerminateSelectingTheReferenceAtTheStart) << int(rrAborted) << 0 << 0;
    QTest::newRow("a terminate while a DUT is selected for the point")
        << int(amTerminateSelectingADUTOfThePoint) << int(rrAborted) << 1 << 0;
    QTest::newRow("a terminate between two DUTs") << int(amTerminateAsADUTValueComes) << int(rrAborted) << 1 << 1;
    // The reference reading the signal came in fails: the run was ended, it
    // did not lose its reference.
    QTest::newRow("a terminate while a silent board is asked for the reference")
        << int(amTerminateReadingASilentReference) << int(rrAborted) << 0 << 0;
    // Nor is the selection it came in, a DUT's or the reference's at the
    // start or at the point, a channel the board refused.
    QTest::newRow("a terminate while a silent board is asked to select a DUT")
        << int(amTerminateSelectingASilentDUT) << int(rrAborted) << 0 << 0;
    QTest::newRow("a terminate while a silent board is asked to select the reference at the start")
        << int(amTerminateSelectingASilentReferenceAtTheStart) << int(rrAborted) << 0 << 0;
    QTest::newRow("a terminate while a silent board is asked to select the reference of the point")
        << int(amTerminateSelectingASilentReferenceOfThePoint) << int(rrAborted) << 0 << 0;
}

void tst_CalibrationRoutineRun::abortAtEachMoment()
{
    QFETCH(int, moment);
    QFETCH(int, result);
    QFETCH(int, points);
    QFETCH(int, duts);
    // The network bath's connector lets events through while it waits for an
    // answer: a Cancel can come in the calibrator's start.
    ONE_POINT_RUN(one, {}, {TChannelDescription(2, "2"), TChannelDescription(3, "3")}, EnCalibratorType::ctMBK2800);
    followCalibrator({{1, 0.0}, {2, 0.03}, {3, -0.2}});
    // Shown before the run and none of its channels: selecting it again is
    // the end's, not the run's.
    QVERIFY(controller().measureChannel(controller().channel(4)));
    TCalibrationRoutine& routine = one.mRoutine;
    // What the board and the calibrator had received at the Cancel or the
    // terminate, and the board at the run's end.
    std::atomic<int> boardCommands{0};
    std::atomic<int> calibratorRequests{0};
    std::atomic<int> boardAtTheEnd{-1};
    std::atomic<int> calibratorAtTheEnd{-1};
    std::atomic<qint64> skippedAtTheEnd{-1};
    const auto endsHere = [&] {
        boardAtTheEnd = boardCommands.load();
        calibratorAtTheEnd = calibratorRequests.load();
        skippedAtTheEnd = mClock->skippedMs();
    };
    static const std::map<int, std::pair<QByteArray, int>> selections{
        {amTerminateSelectingTheFirstDUTAtTheStart, {"conf:chan 02", 1}},
        {amTerminateSelectingTheLastDUTAtTheStart, {"conf:chan 03", 1}},
        {amTerminateSelectingTheReferenceAtTheStart, {"conf:chan 01", 1}},
        {amTerminateSelectingADUTOfThePoint, {"conf:chan 02", 2}},
        {amTerminateSelectingASilentDUT, {"conf:chan 03", 1}},
        {amTerminateSelectingASilentReferenceAtTheStart, {"conf:chan 01", 1}}};
    const auto selection = selections.find(moment);
    int seen = 0;
    std::atomic<bool> terminateAtTheNextCommand{false};
    mFixture->board().board().watchCommands([&](const QByteArray& pCommand) {
        ++boardCommands;
        const bool selected =
            selection != selections.end() && pCommand == selection->second.first && ++seen == selection->second.second;
        if (terminateAtTheNextCommand.exchange(false) || selected) {
            endsHere();
            std::raise(SIGTERM);
        }
    });
    const auto silenceTheBoardAndTerminate = [&] {
        mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = -1; });
        terminateAtTheNextCommand = true;
    };
    int setPoints = 0;
    mCalibrator.simulator().watchRequests([&](const QByteArray& pRequest) {
        ++calibratorRequests;
        // The point's own set point, after the start's check: the board's
        // next command is the point's selection of the reference.
        if (moment == amTerminateSelectingASilentReferenceOfThePoint && pRequest.startsWith("{M00") && ++setPoints == 2)
            silenceTheBoardAndTerminate();
        // The bath's high limit, the last request of its start.
        if (moment == amWhileTheCalibratorStarts && pRequest.startsWith("{M31"))
            QMetaObject::invokeMethod(
                &routine,
                [&] {
                    endsHere();
                    routine.abort();
                },
                Qt::QueuedConnection);
    });
    const auto unwatch = qScopeGuard([this] {
        mFixture->board().board().watchCommands(nullptr);
        mCalibrator.simulator().watchRequests(nullptr);
    });
    int boardAtCompletion = -1;
    qint64 skippedAtCompletion = -1;
    TCallOnFirstStatus completing(
        [&] {
            boardAtCompletion = boardCommands.load();
            skippedAtCompletion = mClock->skippedMs();
        },
        rsCompleted);
    routine.addObserver(&completing);

    const auto abortSoon = [&routine, &endsHere] {
        QTimer::singleShot(0, &routine, [&routine, &endsHere] {
            endsHere();
            routine.abort();
        });
    };
    const auto terminateSoon = [&endsHere] {
        QTimer::singleShot(0, [&endsHere] {
            endsHere();
            TTestEnvironment::terminate();
        });
    };
    TOnEachSample atTheThirdSample([&](int pSample) {
        if (pSample != 3)
            return;
        if (moment == amThirdSample)
            abortSoon();
        else if (moment == amTerminateInASampleWait)
            terminateSoon();
        else if (moment == amTerminateReadingASilentReference)
            silenceTheBoardAndTerminate();
    });
    TCallOnFirstStatus whileReadingDUTs(
        [&] {
            if (moment == amReadingDUTsEndUnanswered)
                leaveUnanswered(mFixture->board().board(), "conf:chan 04");
            if (moment == amReadingDUTs || moment == amReadingDUTsEndUnanswered)
                abortSoon();
            else
                terminateSoon();
        },
        rsReadingDUTChannels);
    TOnFirstDUTValue asADUTValueComes([&] {
        endsHere();
        TTestEnvironment::terminate();
    });
    if (moment == amTerminateSelectingASilentDUT)
        leaveUnanswered(mFixture->board().board(), "conf:chan 03");
    else if (moment == amTerminateSelectingASilentReferenceAtTheStart)
        leaveUnanswered(mFixture->board().board(), "conf:chan 01");
    if (moment == amBeforeTheCall)
        routine.abort();
    else if (moment == amFirstEvents)
        abortSoon();
    else if (moment == amThirdSample || moment == amTerminateInASampleWait ||
             moment == amTerminateReadingASilentReference)
        routine.addObserver(&atTheThirdSample);
    else if (moment == amReadingDUTs || moment == amReadingDUTsEndUnanswered || moment == amTerminateReadingDUTs)
        routine.addObserver(&whileReadingDUTs);
    else if (moment == amTerminateAsADUTValueComes)
        routine.addObserver(&asADUTValueComes);

    if (moment >= amTerminateInASampleWait) {
        const TLoopRun loopRun = runFromTheEventLoop(routine);
        QCOMPARE(loopRun.mResult, result);
        QCOMPARE(loopRun.mNotifierActivations, 1);
    } else {
        QCOMPARE(int(run(routine)), result);
    }
    QCOMPARE(int(routine.calibrationPointsResults().size()), points);
    if (points) {
        // A point cut short holds no value of a DUT it did not read to the end.
        const TCalibrationPointResults& taken = routine.calibrationPointsResults().begin()->second;
        int held = 0;
        for (int channel : {2, 3}) {
            const TDUTValue* value = taken.dutValue(TChannelDescription(channel, QString::number(channel)));
            if (value) {
                QVERIFY(!std::isnan(value->valTemperature().value()));
                ++held;
            }
        }
        QCOMPARE(held, duts);
    }
    if (moment != amBeforeTheCall) {
        // After the Cancel or the terminate the run sends nothing more to
        // either: no selection, no reading, no set point.
        QVERIFY(boardAtTheEnd.load() >= 0);
        QCOMPARE(boardAtCompletion, boardAtTheEnd.load());
        QCOMPARE(calibratorRequests.load(), calibratorAtTheEnd.load());
        // Nor does it wait out a pause that had begun.
        QCOMPARE(skippedAtCompletion, skippedAtTheEnd.load());
    }
    // A board that failed since the terminate is not asked again to measure
    // what was shown before the run: the end would wait for its answer.
    if (moment == amTerminateReadingASilentReference || moment >= amTerminateSelectingASilentDUT)
        QCOMPARE(boardCommands.load(), boardAtTheEnd.load());
    QCOMPARE(one.mLog.mLines.last(), QStringLiteral("status 5 0.0"));
    // After a terminate the program ends without another reading to wait for.
    QCOMPARE(controller().isReadingActive(), moment < amTerminateInASampleWait);
    if (moment < amTerminateInASampleWait) {
        // The channel shown before the run is measured again.
        TAbstractChannel* const shown = controller().channel(4);
        QCOMPARE(controller().measuredChannel(), shown);
        QVERIFY(mFixture->board().board().plugSensor(4, ssThermocoupleK));
        mFixture->board().board().setTemperature(4, 60.0);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(temperatureOf(*shown) - 60.0) < 0.01, 15000);
    }
    if (moment == amThirdSample) {
        QCOMPARE(one.mLog.mLines.count("reference 50.0"), 3);
        QCOMPARE(one.mLog.mLines.at(one.mLog.mLines.size() - 2), QStringLiteral("complete 50.0"));
    }
}

void tst_CalibrationRoutineRun::terminateWhileTheCalibratorAnswersLate_data()
{
    QTest::addColumn<EnCalibratorType>("type");
    QTest::addColumn<double>("point");
    // The request on whose arrival the calibrator turns late and the
    // terminate comes; empty: the first request of all.
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QString>("late");
    const QString late = QStringLiteral("fault late %1 always").arg(LATE_REPLY_MS);
    QTest::newRow("network bath, at the first set point")
        << EnCalibratorType::ctMBK2800 << 50.0 << QByteArray("{M00") << late;
    QTest::newRow("text dry well, at the first set point")
        << EnCalibratorType::ctDWK4600_165 << 50.0 << QByteArray("S") << late;
    QTest::newRow("variable-protocol dry well, at its first request")
        << EnCalibratorType::ctDWK4400_1100 << 250.0 << QByteArray() << late;
    // Function 6 writing register 10242, the set point.
    QTest::newRow("modbus dry well, at the first set point")
        << EnCalibratorType::ctDWK4400_165 << 50.0 << QByteArray::fromHex("01062802")
        << QStringLiteral("fault latency %1").arg(LATE_REPLY_MS);
}

// The run's start talks to the calibrator alone, exchange after exchange:
// a terminate there ends the run as Cancel does, before the next exchange and
// before any channel is selected, however late the calibrator answers.
void tst_CalibrationRoutineRun::terminateWhileTheCalibratorAnswersLate()
{
    QFETCH(EnCalibratorType, type);
    QFETCH(double, point);
    QFETCH(QByteArray, request);
    QFETCH(QString, late);
    IRoutineClock::replace(nullptr);
    QVERIFY(mCalibrator.start(type));
    std::atomic<qint64> terminatedAtMs{0};
    mCalibrator.simulator().watchRequests([&](const QByteArray& pRequest) {
        if (terminatedAtMs.load() != 0 || !pRequest.startsWith(request))
            return;
        mCalibrator.control(late);
        terminatedAtMs = monotonicMs();
        std::raise(SIGTERM);
    });
    const TCalibrationSetup bench = setup(type, {TElectricalTemperatureValue(point, uCelsius)});
    TCalibrationRoutine routine(&bench);
    TRunLog log;
    routine.addObserver(&log);
    mFixture->board().board().clearRecord();

    const TLoopRun loopRun = runFromTheEventLoop(routine);
    mCalibrator.simulator().watchRequests(nullptr);

    QVERIFY(terminatedAtMs.load() != 0);
    QCOMPARE(loopRun.mResult, int(rrAborted));
    // Well before the calibrator's late reply, and without waiting for it.
    const qint64 endedAfterMs = loopRun.mReturnedAtMs - terminatedAtMs.load();
    QVERIFY2(endedAfterMs < LATE_REPLY_MS - 1000, qPrintable(QString::number(endedAfterMs)));
    // The board is not asked at all: no selection, and no reading once the run is over.
    QCOMPARE(mFixture->board().commands(), QList<QByteArray>());
    QVERIFY(routine.calibrationPointsResults().empty());
    QCOMPARE(log.mLines, QStringList{"status 5 0.0"});
}

void tst_CalibrationRoutineRun::scanModeRestsDuringTheRun()
{
    std::unique_ptr<TScanModeController> scan = buildScanModeOnForm(*mFixture);
    scan->setChannelConfiguration({controller().channel(1), controller().channel(2)});
    QVERIFY(scan->startScanMode());
    ONE_POINT_RUN(one);
    bool pausedWhileRunning = false;
    TCallOnFirstStatus look([&] { pausedWhileRunning = scan->isScanModePaused(); });
    one.mRoutine.addObserver(&look);

    QString message;
    QCOMPARE(one.mRoutine.startRoutine(&controller(), scan.get(), message), rrSuccess);
    QVERIFY(pausedWhileRunning);
    QVERIFY(scan->isScanModeActive());
    QVERIFY(!scan->isScanModePaused());
}

void tst_CalibrationRoutineRun::samplesGoOnWhileAClientKeepsCommandsQueued_data()
{
    QTest::addColumn<bool>("reads");
    QTest::newRow("client reading its replies") << true;
    // Its replies fill what the instrument holds for it after the first few.
    QTest::newRow("client leaving its replies unread") << false;
}

// A remote client's commands arrive while the routine waits between two
// samples and run in that wait: the wait must return after a turn of them,
// or the routine samples again only when the client has stopped or read, and
// judges the window against a sample that old. The client keeps commands
// queued all through the run; each takes a millisecond of the handler's
// clock. The run samples by its own clock as it does alone, and every
// command is answered in its turn.
void tst_CalibrationRoutineRun::samplesGoOnWhileAClientKeepsCommandsQueued()
{
    QFETCH(bool, reads);
    IRoutineClock::replace(std::make_unique<TExactClock>());
    ONE_POINT_RUN(one);
    TExternalCommunicationHandler handler(&mFixture->board().handler(), &controller(), nullptr, nullptr, nullptr);
    qint64 now = 0;
    handler.setScanClock({[&now] { return now; }, [&now](int pMilliseconds) { now += pMilliseconds; }});
    TRecordingInterface client(&handler);
    client.receive("syst:remo\r");
    int replies = 0;
    client.setOnSent([&] {
        ++now;
        if (!reads && ++replies == 3)
            client.setUnsent(TExternalCommunicationInterface::PENDING_OUTPUT_LIMIT);
    });
    // Where the routine would be held until the client reads, it reads after
    // a while, so that the row fails rather than hangs.
    bool clientRead = false;
    QTimer bound;
    bound.setSingleShot(true);
    connect(&bound, &QTimer::timeout, [&] {
        clientRead = true;
        client.setUnsent(0);
    });
    if (!reads)
        bound.start(60000);
    const int commands = 20000;
    QTimer::singleShot(0, [&] { client.deliver(QByteArray("syst:ackn 1\r").repeated(commands)); });

    QCOMPARE(run(one.mRoutine), rrSuccess);

    QVERIFY(!clientRead);
    // A turn of commands lasts a few milliseconds of the handler's clock.
    QVERIFY2(now < commands, "the client's commands ran out before the run");
    // As without a client: a sample every 2 s, the window covered at 62 s,
    // the hold, and the three readings of two DUT channels.
    QCOMPARE(one.mLog.mLines.count("status 1 50.0"), 31);
    QCOMPARE(one.mRoutine.routineStart().msecsTo(one.mRoutine.routineEnd()), qint64(2 * 60000 + 2000 + 3 * 2 * 2000));
    client.setUnsent(0);
    QByteArray sent;
    QTRY_COMPARE_WITH_TIMEOUT((sent += client.takeSent()).size(), 5 * commands, 30000);
    QCOMPARE(sent, QByteArray("ACK\r\n").repeated(commands));
}

void tst_CalibrationRoutineRun::storedValuesAreTheRunsOwnChannels_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("during");
    QTest::addColumn<QByteArray>("answer");
    // Channel 1 is the reference at 40 degrees, channel 3 the thermocouple
    // DUT at 39.8: a reading of one stored as the other is 0.2 K off, and the
    // reference's resistance stored as the DUT's raw value is in ohm.
    QTest::newRow("a client scans the reference while the DUT is read")
        << QByteArray("meas:scan? 3,(@1)") << int(rsReadingDUTChannels) << QByteArray("E14\r\n");
    QTest::newRow("a client selects the reference while the DUT is read")
        << QByteArray("conf:chan 1") << int(rsReadingDUTChannels) << QByteArray("E14\r\n");
    QTest::newRow("a client scans the DUT while the reference is sampled")
        << QByteArray("meas:scan? 3,(@3)") << int(rsCollectingStabilitySamples) << QByteArray("E14\r\n");
    QTest::newRow("a client selects the DUT while the reference is sampled")
        << QByteArray("conf:chan 3") << int(rsCollectingStabilitySamples) << QByteArray("E14\r\n");
    // Reading what the board measures selects nothing and goes on.
    QTest::newRow("a client reads the DUT while it is read")
        << QByteArray("meas:curr?") << int(rsReadingDUTChannels) << QByteArray("mV,");
    // No command: the board restarts instead and measures its input 1 again;
    // the routine's channel is chosen again before the next reading.
    QTest::newRow("the board restarts while the reference is sampled")
        << QByteArray("restart") << int(rsCollectingStabilitySamples) << QByteArray();
    QTest::newRow("the board restarts while the DUT is read")
        << QByteArray("restart") << int(rsReadingDUTChannels) << QByteArray();
    // The end's selection of input 1, the channel shown before the run, is
    // lost once: input 1 is selected again, not the DUT read last.
    QTest::newRow("the board leaves the end's selection unanswered once")
        << QByteArray("silent at conf:chan 01") << int(rsReadingDUTChannels) << QByteArray();
}

// A client's command runs inside the routine's wait: one that chose another
// channel would have the routine store that channel's readings as its own.
// The routine owns the board's channel until it ends.
void tst_CalibrationRoutineRun::storedValuesAreTheRunsOwnChannels()
{
    QFETCH(QByteArray, command);
    QFETCH(int, during);
    QFETCH(QByteArray, answer);
    ONE_POINT_RUN(one, {}, {TChannelDescription(3, "3")});
    TExternalCommunicationHandler handler(&mFixture->board().handler(), &controller(), nullptr, nullptr, nullptr);
    handler.setScanClock(
        {[] { return IRoutineClock::current().monotonicMs(); },
         [](int pMilliseconds) { IRoutineClock::current().wait(pMilliseconds, nullptr, QEventLoop::AllEvents); }});
    TRecordingInterface client(&handler);
    client.receive("syst:remo\r");
    // Delivered in the routine's next wait.
    TCallOnFirstStatus sendCommand(
        [&] {
            QTimer::singleShot(0, [&] {
                if (command == "restart")
                    mFixture->board().board().restart();
                else if (command.startsWith("silent at "))
                    leaveUnanswered(mFixture->board().board(), command.mid(10));
                else
                    client.deliver(command + '\r');
            });
        },
        EnRoutineStatus(during));
    one.mRoutine.addObserver(&sendCommand);
    TAbstractChannel* const shown = controller().measuredChannel();

    QCOMPARE(run(one.mRoutine), rrSuccess);

    const TCalibrationPointResults& results = one.mRoutine.calibrationPointsResults().begin()->second;
    QVERIFY(qAbs(results.valueReferenceChannel().value() - 40.0) < 0.01);
    const TDUTValue* dut = results.dutValue(TChannelDescription(3, "3"));
    QVERIFY(dut);
    QVERIFY(qAbs(dut->valTemperature().value() - 39.8) < 0.01);
    QCOMPARE(dut->valElectrical().unit(), uMilliVolt);
    const QByteArray sent = client.takeSent();
    QVERIFY2(sent.contains(answer), sent.constData());
    QCOMPARE(controller().measuredChannel(), shown);
    QVERIFY(!controller().isRoutineActive());
    // The shown channel is measured again, whatever its input does now.
    mFixture->board().board().setTemperature(shown->internalChannelNumber(), 60.0);
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(temperatureOf(*shown) - 60.0) < 0.01, 15000);
}

enum EnRunMessage { rmProbeCaution, rmProbeCautionCrossing, rmCalibrationDue, rmStorageFull };

void tst_CalibrationRoutineRun::samplesGoOnUnderAMessage_data()
{
    QTest::addColumn<int>("message");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("buzzerWhileOpen");
    // The reference probe leaves its range; the buzzer sounds until the OK.
    QTest::newRow("probe caution") << int(rmProbeCaution)
                                   << "CAUTION! Probe PT100-A is operating outside the defined temperature range!"
                                   << QByteArray("1");
    // Each crossing is an excursion of its own; one caution stands for them all while it is open.
    QTest::newRow("probe caution, the reference crossing its limit under it")
        << int(rmProbeCautionCrossing) << "CAUTION! Probe PT100-A is operating outside the defined temperature range!"
        << QByteArray("1");
    // A SMART probe plugged into the reference input; its calibration was due in January 2025.
    QTest::newRow("SMART probe calibration due")
        << int(rmCalibrationDue) << "WARNING: calibration of probe SPRT100-4711 was due on " << QByteArray("0");
    // A store during the run found the disk full.
    QTest::newRow("storage full") << int(rmStorageFull) << "100 % storage used" << QByteArray("0");
}

// A message that only informs may stay open for minutes over the run view,
// nobody at the instrument: the run reads on at its interval under it, or it
// judges its window by a reading that old once somebody closes it.
void tst_CalibrationRoutineRun::samplesGoOnUnderAMessage()
{
    QFETCH(int, message);
    QFETCH(QString, text);
    QFETCH(QByteArray, buzzerWhileOpen);
    const char* const buzzerFile = "/sys/class/gpio/gpio7/value";
    TAMARIND_WRITE_DEVICE_FILE(buzzerFile, "0");
    TBuzzerController::instance().initialize(buzzerFile);
    TBuzzerController::instance().setAlarmsActive(true);
    IRoutineClock::replace(std::make_unique<TExactClock>());
    ONE_POINT_RUN(one);
    std::unique_ptr<TFullDisk> fullDisk;
    if (message == rmStorageFull) {
        fullDisk = std::make_unique<TFullDisk>();
        QVERIFY(fullDisk->isReady());
    }
    TCalibrationRoutineView view(&one.mRoutine);
    view.show();
    TCalPointControls* point = view.calPointControls(TElectricalTemperatureValue(50.0, uCelsius));
    QVERIFY(point);
    // A failed row leaves nothing open for the next.
    const auto closeLeftOvers = qScopeGuard(&TMessageRecorder::closeAll);

    // Each message is raised after the third sample; a reference crossing
    // its limit crosses it at every sample until the OK.
    int samples = 0;
    int samplesWhileOpen = -1;
    TOnEachSample sampleCounter([&](int pSamples) {
        samples = pSamples;
        if (message == rmProbeCautionCrossing && pSamples > 3 && samplesWhileOpen < 0)
            mFixture->board().board().setTemperature(1, pSamples % 2 ? 440.0 : 460.0);
        if (pSamples != 3)
            return;
        if (message == rmProbeCaution || message == rmProbeCautionCrossing)
            mFixture->board().board().setTemperature(1, 460.0);
        else if (message == rmCalibrationDue)
            mFixture->board().board().withState([](TBoardState& pState) {
                pState.mSmartProbes.plug(1, TSimulatedSmartProbe::callendarVanDusenPt100());
            });
        else
            TDiskSpaceController::instance().checkDiskspace();
    });
    one.mRoutine.addObserver(&sampleCounter);

    // Left open for five samples, then closed; a message that holds the run
    // sees no sample and is closed after a few seconds all the same.
    QString shown;
    int samplesAtOpen = -1;
    int checks = 0;
    QString viewAtOpen;
    QString viewAtOK;
    QByteArray buzzerAtOK;
    QByteArray buzzerAfterOK;
    const auto viewShows = [point] {
        return point->referenceLabel()->text() + ' ' + QString::number(point->progressBar()->value());
    };
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<TMessageDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (samplesAtOpen < 0) {
            shown = dialog->findChild<QLabel*>("LblText")->text();
            samplesAtOpen = samples;
            viewAtOpen = viewShows();
        }
        if (samples < samplesAtOpen + 5 && ++checks < 1000)
            return;
        samplesWhileOpen = samples - samplesAtOpen;
        viewAtOK = viewShows();
        buzzerAtOK = TTestEnvironment::readDeviceFile(buzzerFile);
        mFixture->board().board().setTemperature(1, 40.0);
        QTest::mouseClick(dialog->findChild<QWidget*>("BtnOK"), Qt::LeftButton);
        buzzerAfterOK = TTestEnvironment::readDeviceFile(buzzerFile);
        closer.stop();
    });
    closer.start(5);

    auto* reference = qobject_cast<TPhysicalChannel*>(controller().channel(1));
    auto probe = TestProbes::prt();
    reference->assignProbe(probe.get());
    const EnRoutineResult result = run(one.mRoutine);
    reference->useProbe(nullptr);
    QCOMPARE(result, rrSuccess);
    QVERIFY2(shown.startsWith(text), qPrintable(shown));
    QVERIFY2(samplesWhileOpen >= 5, qPrintable(QString::number(samplesWhileOpen)));
    // The run view went on under the message.
    QVERIFY2(viewAtOK != viewAtOpen, qPrintable(viewAtOpen));
    QCOMPARE(buzzerAtOK, buzzerWhileOpen);
    QCOMPARE(buzzerAfterOK, QByteArray("0"));
    QTRY_COMPARE(TMessageRecorder::openMessages(), 0);
}

void tst_CalibrationRoutineRun::fastForwardWaitProcessesEventsOnce()
{
    TFastForwardRoutineClock clock;
    int fired = 0;
    QTimer::singleShot(0, [&fired] { ++fired; });
    const qint64 start = clock.monotonicMs();
    QVERIFY(clock.wait(120000, nullptr, QEventLoop::AllEvents));
    QCOMPARE(fired, 1);
    QVERIFY(clock.monotonicMs() - start >= 120000);
    QVERIFY(QDateTime::currentDateTime().msecsTo(clock.now()) >= 119000);
}

enum EnWaitEnding { weNothing, weAbort, weTerminate };

void tst_CalibrationRoutineRun::realWaitBlocksUntilItsDeadline_data()
{
    QTest::addColumn<int>("ending");
    QTest::addColumn<qint64>("waitMs");
    QTest::newRow("nothing comes: the whole wait") << int(weNothing) << qint64(60);
    QTest::newRow("an abort from an event 10 ms in ends it") << int(weAbort) << qint64(5000);
    // The event loop the run came from can only end once the wait has returned.
    QTest::newRow("a terminate 10 ms in ends it") << int(weTerminate) << qint64(5000);
}

void tst_CalibrationRoutineRun::realWaitBlocksUntilItsDeadline()
{
    QFETCH(int, ending);
    QFETCH(qint64, waitMs);
    TRealRoutineClock clock;
    bool abort = false;
    if (ending == weAbort)
        QTimer::singleShot(10, [&abort] { abort = true; });
    else if (ending == weTerminate)
        QTimer::singleShot(10, &TTestEnvironment::terminate);
    QElapsedTimer timer;
    timer.start();
    const bool waitedOut = clock.wait(waitMs, &abort, QEventLoop::AllEvents);
    const qint64 waitedMs = timer.elapsed();
    if (ending == weTerminate)
        TTestEnvironment::forgetTermination();
    QCOMPARE(waitedOut, ending == weNothing);
    // Ended ones return well before the deadline; a terminate comes through
    // a notice that wakes the sleeping wait.
    if (ending == weNothing)
        QVERIFY(waitedMs >= waitMs);
    else
        QVERIFY2(waitedMs < waitMs - 1000, qPrintable(QString::number(waitedMs)));
}

TAMARIND_TEST_MAIN(tst_CalibrationRoutineRun)
#include "tst_calibrationroutinerun.moc"
