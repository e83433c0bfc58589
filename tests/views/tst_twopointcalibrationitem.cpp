#include "boardcontrolinterpreter.h"
#include "calibrationprogressdialog.h"
#include "calibrationreadingwait.h"
#include "channel.h"
#include "channelcontroller.h"
#include "messagerecorder.h"
#include "probe.h"
#include "probecontroller.h"
#include "probecontrollerfixture.h"
#include "readingpausedcheck.h"
#include "testidentity.h"
#include "testsupport.h"
#include "twopointcalibration.h"
#include "twopointcalibrationitem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <limits>
#include <memory>

using namespace Electrical_temperature_units;

namespace
{
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::unique_ptr<TTwoPointCalibrationItem> item100R(TPhysicalChannel* pChannel = nullptr,
                                                   TAbstractProbe* pProbe = nullptr)
{
    return std::make_unique<TTwoPointCalibrationItem>(ci100R, uOhm, 0.0, 450.0, 0.005, 100.0, QStringLiteral("100 Ohm"),
                                                      pChannel, pProbe, QDate(2024, 1, 2), 0.01, 0.999);
}

// The probe the thermocouple items look for.
std::unique_ptr<TTCProbe> typeKWithExternalJunction()
{
    return std::make_unique<TTCProbe>(12, QStringLiteral("K ext"), false, 3, -50.0, 1200.0, QDate(2024, 1, 2), false,
                                      Probe_enums::ptK, Probe_enums::rjExternal, 1, Probe_enums::ctcIEC584, NaN, NaN,
                                      NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN, NaN);
}

// A pause between readings that a row must not wait out: a row that ends it at once stays well below half of it
// however loaded the machine (up to 4.4 s measured beside 64 busy loops on 8 cores).
constexpr int LONG_PAUSE_MS = 60000;

// Presses Abort in the progress dialog once it shows.
enum EnAbort { NO_ABORT, ABORT_PRESSED, TERMINATED };

class TAbortPresser : public QObject
{
public:
    // Or a terminate comes, as Ctrl+C sends it, instead of the press.
    explicit TAbortPresser(bool pTerminate = false)
    {
        connect(&mTimer, &QTimer::timeout, this, [this, pTerminate] {
            if (auto* progress = qobject_cast<TCalibrationProgressDialog*>(QApplication::activeModalWidget())) {
                if (pTerminate)
                    TTestEnvironment::terminate();
                else
                    QTest::mouseClick(progress->findChild<QWidget*>(QStringLiteral("BtnAbort")), Qt::LeftButton);
                mTimer.stop();
            }
        });
        mTimer.start(5);
    }

private:
    QTimer mTimer;
};
} // namespace

// The two-point calibration items: nominal values and the measurement of a
// point on the simulated board with its hidden error.
class tst_TwoPointCalibrationItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void nominalValue_data();
    void nominalValue();
    void initCalibrationPresets();
    void correctionFromTwoMeasuredPoints();
    void failedAttemptsAndAbort_data();
    void failedAttemptsAndAbort();
    void thermocoupleVariant();
    void onlyTheSettledReadingsCount();
    void noReadingKeptAcrossABoardRestart_data();
    void noReadingKeptAcrossABoardRestart();

private:
    TChannelController& build();
    void expectRestored(TAbstractChannel* pMeasured, TAbstractProbe* pProbe);
    bool calibrate(TTwoPointCalibrationItem& pItem, bool pUpper = false);

    std::unique_ptr<TProbeControllerFixture> mFixture;
    std::unique_ptr<TReadingPausedCheck> mReadingPaused;
};

void tst_TwoPointCalibrationItem::initTestCase()
{
    TCalibrationReadingWait::setPause(std::chrono::milliseconds(0));
}

void tst_TwoPointCalibrationItem::init()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
    QVERIFY(identifyBoardAs(mFixture->board(), ZTM8800));
}

void tst_TwoPointCalibrationItem::cleanup()
{
    mReadingPaused.reset();
    mFixture.reset();
}

TChannelController& tst_TwoPointCalibrationItem::build()
{
    // Polls that no load lets fall due while the item's messages are open: what the board receives from then on is
    // the item's.
    TChannelController& controller = mFixture->build(10 * 60 * 1000);
    mFixture->buildProbes();
    controller.setReadingActive(true);
    mReadingPaused = std::make_unique<TReadingPausedCheck>(controller);
    return controller;
}

bool tst_TwoPointCalibrationItem::calibrate(TTwoPointCalibrationItem& pItem, bool pUpper)
{
    auto measure =
        pUpper ? &TTwoPointCalibrationItem::calibrateUpperBound : &TTwoPointCalibrationItem::calibrateLowerBound;
    return (pItem.*measure)(&mFixture->controller(), &mFixture->probes(), &mFixture->board().handler());
}

void tst_TwoPointCalibrationItem::expectRestored(TAbstractChannel* pMeasured, TAbstractProbe* pProbe)
{
    TChannelController& controller = mFixture->controller();
    QCOMPARE(controller.measuredChannel(), pMeasured);
    QVERIFY(controller.isReadingActive());
    // Reading restarts with a reading at once: a selection the board left
    // unanswered is made again by then.
    int boardChannel = 0;
    mFixture->board().board().withState(
        [&boardChannel](TBoardState& pState) { boardChannel = pState.mMeasuredChannel; });
    QCOMPARE(boardChannel, int(pMeasured->internalChannelNumber()));
    QCOMPARE(controller.physical_channel(1)->assignedProbe(), pProbe);
}

void tst_TwoPointCalibrationItem::nominalValue_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("lowest accepted") << 350.0 << true;
    QTest::newRow("highest accepted") << 550.0 << true;
    QTest::newRow("just below") << 349.99 << false;
    QTest::newRow("just above") << 550.01 << false;
    QTest::newRow("not a number") << NaN << false;
}

void tst_TwoPointCalibrationItem::nominalValue()
{
    QFETCH(double, value);
    QFETCH(bool, accepted);

    auto item = item100R();
    item->initCalibration();
    QVERIFY(item->setNominalCalValUpperBound(440.0));
    TMessageRecorder recorder;
    QCOMPARE(item->setNominalCalValUpperBound(value), accepted);
    QCOMPARE(item->nominalCalValUpperBound(), accepted ? value : 440.0);
    QCOMPARE(recorder.texts(),
             accepted ? QStringList()
                      : QStringList{QStringLiteral("Nominal value must be 450.000000\u2126 \u00B1100\u2126")});
}

void tst_TwoPointCalibrationItem::initCalibrationPresets()
{
    auto zeroBased = item100R();
    zeroBased->initCalibration();
    QCOMPARE(zeroBased->nominalCalValLowerBound(), 0.0);
    QVERIFY(std::isnan(zeroBased->nominalCalValUpperBound()));

    TTwoPointCalibrationItem from450(ci10KR, uOhm, 450.0, 45000.0, 100.0, 500.0, QStringLiteral("10 kOhm"), nullptr,
                                     nullptr, QDate(), 0.0, 1.0);
    from450.initCalibration();
    QVERIFY(std::isnan(from450.nominalCalValLowerBound()));

    TThermocoupleTwoPointCalibration thermocouple(ciTCchan3, uMilliVolt, QStringLiteral("TC 3"), nullptr, QDate(), 0.0,
                                                  1.0);
    thermocouple.initCalibration();
    QCOMPARE(thermocouple.nominalCalValLowerBound(), 0.0);
    QCOMPARE(thermocouple.nominalCalValUpperBound(), 100.0);
}

void tst_TwoPointCalibrationItem::correctionFromTwoMeasuredPoints()
{
    TChannelController& controller = build();
    TPhysicalChannel* input1 = controller.physical_channel(1);
    TAbstractProbe* pt100 = mFixture->probes().defaultProbes().at(82).get();
    // Another probe on the input, so that the item has to swap and restore it.
    TAbstractProbe* before = mFixture->probes().defaultProbes().at(83).get();
    mFixture->probes().assignProbeToChannel(before, input1, true);
    // Another channel measured, so that the item has to switch and switch back.
    QVERIFY(controller.measureChannel(controller.channel(2)));
    TAbstractChannel* measured = controller.measuredChannel();
    mFixture->board().board().withState([](TBoardState& pState) {
        pState.mRawErrors[ci100R - 1] = {1.002, 0.05};
        pState.mExternalReferences[1] = 400.0;
        // A correction on the board that would bend every raw value read through it.
        pState.mCalibration.mUser.mItems[ci100R - 1] = {0.3, 1.01, {2024, 1, 2}};
    });

    auto item = item100R(input1, pt100);
    item->temporaryBackupCalibrationData();
    item->initCalibration();
    QVERIFY(item->setNominalCalValUpperBound(400.0));
    TMessageRecorder recorder;
    // The upper point first: it fills the second point.
    mFixture->board().board().clearRecord();
    QVERIFY(calibrate(*item, true));
    QVERIFY(!item->twoPointCalibration().isFirstPointValid());
    QVERIFY(item->twoPointCalibration().isSecondPointValid());
    double offset = 0.0;
    double slope = 0.0;
    item->newCalibrationData(offset, slope);
    QVERIFY(std::isnan(offset) && std::isnan(slope));

    // Neutral data reaches the board before the readings start.
    const QList<QByteArray> commands = mFixture->board().commands();
    int neutral = -1;
    int firstRaw = -1;
    for (int i = 0; i < commands.size(); ++i) {
        if (neutral < 0 && commands.at(i).startsWith("cal:data 2,0.000000000000e+00,1.000000000000e+00"))
            neutral = i;
        if (firstRaw < 0 && commands.at(i) == "meas:raw? 2")
            firstRaw = i;
    }
    QVERIFY(neutral >= 0);
    QVERIFY(neutral < firstRaw);
    QCOMPARE(commands.count("meas:raw? 2"), 18);
    expectRestored(measured, before);

    mFixture->board().board().withState([](TBoardState& pState) { pState.mExternalReferences[1] = 0.0; });
    QVERIFY(calibrate(*item));
    item->newCalibrationData(offset, slope);
    QVERIFY2(std::fabs(slope - 1.0 / 1.002) < 1e-9, qPrintable(QString::number(slope, 'g', 17)));
    QVERIFY2(std::fabs(offset + 0.05 / 1.002) < 1e-9, qPrintable(QString::number(offset, 'g', 17)));
    // Polling on between the points may warn of the reference outside the probe's range; the prompts are the item's.
    QCOMPARE(recorder.texts().filter(QStringLiteral("Please connect external reference")).size(), 2);
    QCOMPARE(item->backupedOffset(), 0.01);
    QCOMPARE(item->backupedSlope(), 0.999);
    expectRestored(measured, before);
}

void tst_TwoPointCalibrationItem::failedAttemptsAndAbort_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("abort");
    QTest::addColumn<bool>("result");
    // A failure is told after the prompt; an abort is the user's own doing.
    QTest::addColumn<bool>("told");
    // The raw readings asked for; -1 where the abort decides.
    QTest::addColumn<int>("asked");

    QTest::newRow("two failed attempts count as one reading")
        << "fault on \"meas:raw?\" error 1 2" << int(NO_ABORT) << true << false << 20;
    QTest::newRow("five failed attempts") << "fault on \"meas:raw?\" error 1 5" << int(NO_ABORT) << false << true << 5;
    QTest::newRow("abort") << QString() << int(ABORT_PRESSED) << false << false << -1;
    // Its readings would go on to the end after the quit, each pause spinning;
    // the pause it comes in ends at once.
    QTest::newRow("a terminate ends it as abort does") << QString() << int(TERMINATED) << false << false << -1;
    QTest::newRow("the return's selection unanswered once")
        << "fault on \"conf:chan 02\" silence" << int(NO_ABORT) << true << false << 18;
}

void tst_TwoPointCalibrationItem::failedAttemptsAndAbort()
{
    QFETCH(QString, fault);
    QFETCH(int, abort);
    QFETCH(bool, result);
    QFETCH(bool, told);
    QFETCH(int, asked);

    TChannelController& controller = build();
    TPhysicalChannel* input1 = controller.physical_channel(1);
    TAbstractProbe* before = input1->assignedProbe();
    // Another channel measured, so that the item has to switch back.
    QVERIFY(controller.measureChannel(controller.channel(2)));
    TAbstractChannel* measured = controller.measuredChannel();
    mFixture->board().board().withState([](TBoardState& pState) { pState.mExternalReferences[1] = 0.0; });
    if (!fault.isEmpty())
        QCOMPARE(TBoardControlInterpreter(mFixture->board().board()).execute(fault).last(), QStringLiteral("OK"));
    auto item = item100R(input1, mFixture->probes().defaultProbes().at(82).get());
    item->initCalibration();

    TMessageRecorder recorder;
    std::unique_ptr<TAbortPresser> presser;
    if (abort != NO_ABORT) {
        TCalibrationReadingWait::setPause(std::chrono::milliseconds(abort == TERMINATED ? LONG_PAUSE_MS : 30));
        presser = std::make_unique<TAbortPresser>(abort == TERMINATED);
    }
    mFixture->board().board().clearRecord();
    QElapsedTimer timer;
    timer.start();
    const bool calibrated = calibrate(*item);
    const qint64 calibratedMs = timer.elapsed();
    TCalibrationReadingWait::setPause(std::chrono::milliseconds(0));
    if (abort == TERMINATED)
        TTestEnvironment::forgetTermination();
    QCOMPARE(calibrated, result);
    if (abort == TERMINATED)
        QVERIFY2(calibratedMs < LONG_PAUSE_MS / 2, qPrintable(QString::number(calibratedMs)));

    QCOMPARE(recorder.texts().size(), told ? 2 : 1);
    QCOMPARE(recorder.texts().first(),
             QStringLiteral("Please connect external reference 0.000000\u2126 to channel %1 and press OK to continue.")
                 .arg(input1->channelCaption()));
    QCOMPARE(item->twoPointCalibration().isFirstPointValid(), result);
    if (asked >= 0)
        QCOMPARE(mFixture->board().commands().count("meas:raw? 2"), asked);
    expectRestored(measured, before);
}

void tst_TwoPointCalibrationItem::thermocoupleVariant()
{
    TChannelController& controller = build();
    TPhysicalChannel* input3 = controller.physical_channel(3);
    TAbstractProbe* before = input3->assignedProbe();
    TThermocoupleTwoPointCalibration item(ciTCchan3, uMilliVolt, QStringLiteral("TC 3"), input3, QDate(), 0.0, 1.0);
    item.initCalibration();
    mFixture->board().board().withState([](TBoardState& pState) { pState.mExternalReferences[3] = 0.0; });

    {
        TMessageRecorder recorder;
        mFixture->board().board().clearRecord();
        QVERIFY(!calibrate(item));
        // The prompt, then why the item refuses.
        QCOMPARE(recorder.texts().size(), 2);
        QVERIFY(mFixture->board().commands().isEmpty());
    }

    const std::unique_ptr<TTCProbe> typeK = typeKWithExternalJunction();
    input3->assignProbe(typeK.get());
    TMessageRecorder recorder;
    mFixture->board().board().clearRecord();
    QVERIFY(calibrate(item));
    const QList<QByteArray> commands = mFixture->board().commands();
    const int off = commands.indexOf("sens:tc:mv 0");
    const int on = commands.indexOf("sens:tc:mv 1");
    QVERIFY(off >= 0);
    QVERIFY(commands.indexOf("meas:raw? 5") > off);
    QVERIFY(on > commands.lastIndexOf("meas:raw? 5"));
    QCOMPARE(input3->assignedProbe(), static_cast<TAbstractProbe*>(typeK.get()));

    // Ctrl+C during the readings: a board that answers gets its conversion
    // back on the program's way out, or it would measure millivolts from then on.
    mFixture->board().board().clearRecord();
    TCalibrationReadingWait::setPause(std::chrono::milliseconds(LONG_PAUSE_MS));
    {
        TAbortPresser terminating(true);
        QVERIFY(!calibrate(item));
    }
    TCalibrationReadingWait::setPause(std::chrono::milliseconds(0));
    TTestEnvironment::forgetTermination();
    const QList<QByteArray> terminated = mFixture->board().commands();
    QVERIFY(terminated.indexOf("sens:tc:mv 0") >= 0);
    QVERIFY(terminated.indexOf("sens:tc:mv 1") > terminated.indexOf("sens:tc:mv 0"));
    input3->assignProbe(before);
}

// The board settles after the switch to the item's range: the point is the mean of readings 11 to 18, here raw
// values that rise by 1 with every reading, 1 to 18.
void tst_TwoPointCalibrationItem::onlyTheSettledReadingsCount()
{
    TChannelController& controller = build();
    mFixture->board().board().withState([](TBoardState& pState) {
        pState.mExternalReferences[1] = 0.0;
        auto readings = std::make_shared<int>(0);
        pState.addCommand("meas:raw?", true,
                          [readings](const QString&, double) { return QByteArray::number(++*readings) + ",0"; });
    });
    auto item = item100R(controller.physical_channel(1), mFixture->probes().defaultProbes().at(82).get());
    item->initCalibration();
    TMessageRecorder recorder;
    QVERIFY(calibrate(*item));
    QCOMPARE(item->twoPointCalibration().firstPoint().first, 14.5);
}

void tst_TwoPointCalibrationItem::noReadingKeptAcrossABoardRestart_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<bool>("afterAnswering");

    QTest::newRow("board restarts right after answering a kept reading") << 12 << true;
    QTest::newRow("board restarts instead of answering a discarded reading") << 5 << false;
}

// A board that restarted measures its input 1 with its power-on settings: here the thermocouple item reads
// 2.5 mV there instead of the 0.5 mV reference on input 3, so a point taken across the restart would be off.
// The measurement ends instead, and the board's set-up is undone as after any failure.
void tst_TwoPointCalibrationItem::noReadingKeptAcrossABoardRestart()
{
    QFETCH(int, reading);
    QFETCH(bool, afterAnswering);

    TChannelController& controller = build();
    TPhysicalChannel* input3 = controller.physical_channel(3);
    TAbstractProbe* before = input3->assignedProbe();
    const std::unique_ptr<TTCProbe> typeK = typeKWithExternalJunction();
    input3->assignProbe(typeK.get());
    TAbstractChannel* measuredBefore = controller.measuredChannel();
    mFixture->board().board().withState([](TBoardState& pState) {
        pState.mExternalReferences[3] = 0.5;
        const TBoardState::THandler raw = pState.commandHandler("meas:raw?");
        TBoardState* board = &pState;
        pState.addCommand("meas:raw?", true, [board, raw](const QString& pArguments, double pNow) {
            return board->mMeasuredChannel == 3 ? raw(pArguments, pNow) : QByteArray("2.5,0");
        });
    });
    mFixture->board().restartAt("meas:raw?", reading, afterAnswering);
    TThermocoupleTwoPointCalibration item(ciTCchan3, uMilliVolt, QStringLiteral("TC 3"), input3, QDate(), 0.0, 1.0);
    item.initCalibration();

    TMessageRecorder recorder;
    mFixture->board().board().clearRecord();
    const bool measured = calibrate(item);
    QVERIFY2(!measured && !item.twoPointCalibration().isFirstPointValid(),
             qPrintable(QStringLiteral("raw value kept: %1").arg(item.twoPointCalibration().firstPoint().first)));
    QCOMPARE(recorder.texts().last(),
             QStringLiteral("The instrument could not produce a valid measuring result. Calibration will be aborted."));
    const QList<QByteArray> commands = mFixture->board().commands();
    QCOMPARE(commands.count("meas:raw? 5"), reading);
    // The conversion is switched on again, as after any failure.
    QVERIFY(commands.lastIndexOf("sens:tc:mv 1") > commands.lastIndexOf("meas:raw? 5"));
    QCOMPARE(controller.measuredChannel(), measuredBefore);
    QVERIFY(controller.isReadingActive());
    QCOMPARE(input3->assignedProbe(), static_cast<TAbstractProbe*>(typeK.get()));
    input3->assignProbe(before);
}

TAMARIND_TEST_MAIN(tst_TwoPointCalibrationItem)
#include "tst_twopointcalibrationitem.moc"
