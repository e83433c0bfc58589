#include "boardcontrolinterpreter.h"
#include "calibrationprogressdialog.h"
#include "calibrationreadingwait.h"
#include "channel.h"
#include "channelcontroller.h"
#include "cjccalibrationitem.h"
#include "messagerecorder.h"
#include "probe.h"
#include "probecontroller.h"
#include "probecontrollerfixture.h"
#include "readingpausedcheck.h"
#include "testidentity.h"
#include "testsupport.h"

#include <QApplication>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

namespace
{
// Watches the progress dialog: the values its bar showed, and Abort pressed
// once the bar passed pAbortAt percent (never when negative).
class TProgressWatcher : public QObject
{
public:
    explicit TProgressWatcher(int pAbortAt = -1) : mAbortAt(pAbortAt)
    {
        connect(&mTimer, &QTimer::timeout, this, [this] {
            auto* progress = qobject_cast<TCalibrationProgressDialog*>(QApplication::activeModalWidget());
            if (!progress)
                return;
            const int value = progress->findChild<QProgressBar*>()->value();
            if (mValues.isEmpty() || mValues.last() != value)
                mValues << value;
            if (mAbortAt >= 0 && value >= mAbortAt) {
                QTest::mouseClick(progress->findChild<QWidget*>(QStringLiteral("BtnAbort")), Qt::LeftButton);
                mAbortAt = -1;
            }
        });
        mTimer.start(1);
    }
    QList<int> mValues;

private:
    QTimer mTimer;
    int mAbortAt;
};
} // namespace

// The cold-junction offset deviation measured against channel 1 with the
// calibration adaptor of the simulated board.
class tst_CJCCalibrationItem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deviationAndItsStorage();
    void boardFaultsOutlasted_data();
    void boardFaultsOutlasted();
    void abortKeepsTheDefaultProbe();
    void onlyTheSettledCyclesCount();
    void noReadingKeptAcrossABoardRestart_data();
    void noReadingKeptAcrossABoardRestart();

private:
    TChannelController& build();
    int currentReadings() const;

    std::unique_ptr<TProbeControllerFixture> mFixture;
    std::unique_ptr<TReadingPausedCheck> mReadingPaused;
};

void tst_CJCCalibrationItem::init()
{
    TCalibrationReadingWait::setPause(std::chrono::milliseconds(0));
    TAMARIND_MAKE_FIXTURE(mFixture);
    QVERIFY(identifyBoardAs(mFixture->board(), ZTM8800));
    mFixture->board().board().withState([](TBoardState& pState) {
        pState.mAdaptorConnected = true;
        pState.mAdaptorChannel = 3;
        pState.mAdaptorTemperature = 25.0;
        pState.mAdaptorError = 0.1;
    });
}

void tst_CJCCalibrationItem::cleanup()
{
    mReadingPaused.reset();
    mFixture.reset();
}

TChannelController& tst_CJCCalibrationItem::build()
{
    // Polls that no load lets fall due while the item's first message is open: the readings the rows count, and
    // those after which the board restarts, are the item's own.
    TChannelController& controller = mFixture->build(10 * 60 * 1000);
    mFixture->buildProbes();
    controller.setReadingActive(true);
    mReadingPaused = std::make_unique<TReadingPausedCheck>(controller);
    mFixture->board().board().clearRecord();
    return controller;
}

int tst_CJCCalibrationItem::currentReadings() const
{
    // Up to the switch back to the channel measured before; polling reads on after it.
    QList<QByteArray> commands = mFixture->board().commands();
    int last = commands.size() - 1;
    while (last >= 0 && !commands.at(last).startsWith("conf:chan "))
        --last;
    return commands.mid(0, last).count("meas:curr?");
}

void tst_CJCCalibrationItem::deviationAndItsStorage()
{
    TChannelController& controller = build();
    TPhysicalChannel* input3 = controller.physical_channel(3);
    TAbstractChannel* measured = controller.measuredChannel();
    TCJCCalibrationItem item(input3, 0.0, QDate(2021, 3, 10), QStringLiteral("CJC 3"));
    QVERIFY(std::isnan(item.newOverallOffset()));

    TMessageRecorder recorder;
    TProgressWatcher watcher;
    QVERIFY(item.measureOffsetDeviation(controller, &mFixture->probes(), &mFixture->board().handler()));
    QVERIFY2(std::fabs(item.newOffsetDeviation() - 0.1) < 1e-9, qPrintable(QString::number(item.newOffsetDeviation())));
    QVERIFY(std::fabs(item.newOverallOffset() - 0.1) < 1e-9);
    QCOMPARE(recorder.count(), 1);
    // Two attempts per phase: one discarded reading and one kept.
    QCOMPARE(currentReadings(), 152);
    QCOMPARE(controller.measuredChannel(), measured);
    QVERIFY(controller.isReadingActive());
    // Each shown value is one of the 76 phase steps, in order.
    QVERIFY(!watcher.mValues.isEmpty());
    QList<int> steps{0};
    for (int phase = 1; phase <= 76; ++phase)
        steps << int(phase * 100.0 / 76.0);
    int step = 0;
    for (int value : watcher.mValues) {
        step = steps.indexOf(value, step);
        QVERIFY2(step >= 0, qPrintable(QString::number(value)));
    }

    // The board adds the deviation to its offset; the input then reads true.
    QCOMPARE(mFixture->board().handler().storeCJCOffset(*input3, item.newOffsetDeviation(), QDate(2024, 5, 17), false),
             0);
    double offset = 0.0;
    QDate date;
    QCOMPARE(mFixture->board().handler().cjcOffset(*input3, offset, date, false), 0);
    item.updateCalibrationData(offset, date);
    QVERIFY(item.measureOffsetDeviation(controller, &mFixture->probes(), &mFixture->board().handler()));
    QVERIFY(std::fabs(item.newOffsetDeviation()) < 1e-9);
    QVERIFY(std::fabs(item.newOverallOffset() - 0.1) < 1e-9);
    QCOMPARE(item.lastCalDate(), QDate(2024, 5, 17));

    item.initCalibration();
    QVERIFY(std::isnan(item.newOverallOffset()));
}

void tst_CJCCalibrationItem::boardFaultsOutlasted_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("readings");

    // An invalid reading is not the one discarded after a switch: the phase takes one more.
    QTest::newRow("no temperature") << "fault on \"meas:curr?\" reply 100.0,nan,0,0" << 153;
    QTest::newRow("temperature over range") << "fault on \"meas:curr?\" reply 100.0,25.0,2,0" << 153;
    QTest::newRow("the return's selection unanswered once") << "fault on \"conf:chan 02\" silence" << 152;
}

void tst_CJCCalibrationItem::boardFaultsOutlasted()
{
    QFETCH(QString, fault);
    QFETCH(int, readings);

    TChannelController& controller = build();
    // Another channel measured, so that the item has to switch back.
    QVERIFY(controller.measureChannel(controller.channel(2)));
    QCOMPARE(TBoardControlInterpreter(mFixture->board().board()).execute(fault).last(), QStringLiteral("OK"));
    TCJCCalibrationItem item(controller.physical_channel(3), 0.0, QDate(), QStringLiteral("CJC 3"));
    TMessageRecorder recorder;
    QVERIFY(item.measureOffsetDeviation(controller, &mFixture->probes(), &mFixture->board().handler()));
    QCOMPARE(currentReadings(), readings);
    QVERIFY(std::fabs(item.newOffsetDeviation() - 0.1) < 1e-9);
    QCOMPARE(controller.measuredChannel(), controller.channel(2));
    QVERIFY(controller.isReadingActive());
    // Reading restarts with a reading at once: a selection the board left
    // unanswered is made again by then.
    int boardChannel = 0;
    mFixture->board().board().withState(
        [&boardChannel](TBoardState& pState) { boardChannel = pState.mMeasuredChannel; });
    QCOMPARE(boardChannel, 2);
}

void tst_CJCCalibrationItem::abortKeepsTheDefaultProbe()
{
    TChannelController& controller = build();
    TPhysicalChannel* input3 = controller.physical_channel(3);
    TAbstractProbe* defaultProbe = mFixture->probes().defaultProbes().at(85).get();
    // Another probe on the input before: the measurement puts the default probe there.
    const double NaN = std::nan("");
    TTCProbe typeJ(12, QStringLiteral("J"), false, 3, -50.0, 700.0, QDate(2024, 1, 2), false, Probe_enums::ptJ,
                   Probe_enums::rjInternal, 1, Probe_enums::ctcIEC584, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN,
                   NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN);
    input3->assignProbe(&typeJ);
    TAbstractChannel* measured = controller.measuredChannel();
    TCJCCalibrationItem item(input3, 0.0, QDate(), QStringLiteral("CJC 3"));

    TMessageRecorder recorder;
    TProgressWatcher watcher(5);
    TCalibrationReadingWait::setPause(std::chrono::milliseconds(2));
    QVERIFY(!item.measureOffsetDeviation(controller, &mFixture->probes(), &mFixture->board().handler()));
    QCOMPARE(recorder.count(), 1);
    QVERIFY(std::isnan(item.newOffsetDeviation()));
    QCOMPARE(input3->assignedProbe(), defaultProbe);
    QCOMPARE(controller.measuredChannel(), measured);
    QVERIFY(controller.isReadingActive());
}

// The adaptor settles over the first 30 cycles: the deviation is that of the means of cycles 31 to 38. Here input 3
// reads 1 mK more with every reading and channel 1 stays at 25 degrees Celsius; the kept reading of cycle c (from 1)
// is the input's reading 2c, so cycles 31 to 38 give 62 to 76 mK, 69 mK on average.
void tst_CJCCalibrationItem::onlyTheSettledCyclesCount()
{
    TChannelController& controller = build();
    mFixture->board().board().withState([](TBoardState& pState) {
        auto inputReadings = std::make_shared<int>(0);
        TBoardState* board = &pState;
        pState.addCommand("meas:curr?", true, [board, inputReadings](const QString&, double) {
            const double temperature = board->mMeasuredChannel == 3 ? 25.0 + 0.001 * ++*inputReadings : 25.0;
            return "1.0," + QByteArray::number(temperature, 'f', 6) + ",0,0";
        });
    });
    TCJCCalibrationItem item(controller.physical_channel(3), 0.0, QDate(), QStringLiteral("CJC 3"));
    TMessageRecorder recorder;
    QVERIFY(item.measureOffsetDeviation(controller, &mFixture->probes(), &mFixture->board().handler()));
    QVERIFY2(std::fabs(item.newOffsetDeviation() - 0.069) < 1e-9,
             qPrintable(QString::number(item.newOffsetDeviation())));
}

void tst_CJCCalibrationItem::noReadingKeptAcrossABoardRestart_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<bool>("afterAnswering");

    // Cycle 33 reads channel 1 at readings 129 and 130, input 3 at 131 (discarded) and 132 (kept).
    QTest::newRow("board restarts right after answering") << 131 << true;
    QTest::newRow("board restarts instead of answering") << 132 << false;
}

// A board that restarted measures its input 1: a reading taken after it in the input's phase of a kept cycle would
// be channel 1's, and the deviation offered 7/8 of the adaptor's error. The measurement ends instead.
void tst_CJCCalibrationItem::noReadingKeptAcrossABoardRestart()
{
    QFETCH(int, reading);
    QFETCH(bool, afterAnswering);

    TChannelController& controller = build();
    TAbstractChannel* measuredBefore = controller.measuredChannel();
    mFixture->board().board().withState([](TBoardState& pState) { pState.mAdaptorError = 0.5; });
    mFixture->board().restartAt("meas:curr?", reading, afterAnswering);
    TCJCCalibrationItem item(controller.physical_channel(3), 0.0, QDate(), QStringLiteral("CJC 3"));

    TMessageRecorder recorder;
    const bool measured = item.measureOffsetDeviation(controller, &mFixture->probes(), &mFixture->board().handler());
    QVERIFY2(!measured && std::isnan(item.newOverallOffset()),
             qPrintable(QStringLiteral("offset offered: %1").arg(item.newOverallOffset())));
    QCOMPARE(recorder.texts().last(),
             QStringLiteral("The instrument could not produce a valid measuring result. Calibration will be aborted."));
    // None asked after the restart.
    QCOMPARE(currentReadings(), reading);
    QCOMPARE(controller.measuredChannel(), measuredBefore);
    QVERIFY(controller.isReadingActive());
}

TAMARIND_TEST_MAIN(tst_CJCCalibrationItem)
#include "tst_cjccalibrationitem.moc"
