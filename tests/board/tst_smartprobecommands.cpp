#include "boardstate.h"
#include "channel.h"
#include "internalscpihandler.h"
#include "probe.h"
#include "samevalue.h"
#include "simulatedboardlink.h"
#include "testsupport.h"

#include <cmath>
#include <functional>
#include <vector>

using namespace Probe_enums;

namespace
{
const double NaN = std::nan("");

// A channel change long enough ago that no SMART command has to wait.
QDateTime longAgo()
{
    return QDateTime::currentDateTime().addSecs(-60);
}

// The probe the tests plug into input 1; every field has a value of its own.
TSimulatedSmartProbe sampleProbe(int pStandard)
{
    TSimulatedSmartProbe probe;
    probe.mName = QStringLiteral("SPRT-17");
    probe.mReference = true;
    probe.mCalDate = QDate(2023, 4, 5);
    probe.mCalNext = QDate(2024, 4, 5);
    probe.mCalSource = QStringLiteral("Lab 4");
    probe.mEnabled = false;
    probe.mLocked = true;
    probe.mReferenceResistor = TSimulatedSmartProbe::rr25Ohm;
    probe.mStandard = pStandard;
    probe.mCoefficients = {25.5468, -1.5e-4, 2.25e-5, 3.5e-6, -4.75e-7, 5.5e-8, -6.25e-9, 7.0};
    probe.mWorkMax = 95.25;
    probe.mWorkMin = 18.5;
    return probe;
}

const QList<QByteArray> READ_BEFORE_COEFFICIENTS{"sens:frtd:iden?", "sens:frtd:stat:refe?", "sens:frtd:cal:date?",
                                                 "sens:frtd:enab?", "sens:frtd:refe:res?",  "sens:frtd:stan?"};
const QList<QByteArray> READ_AFTER_COEFFICIENTS{"sens:frtd:cal:next?", "sens:frtd:cal:sour?", "sens:frtd:rang?",
                                                "sens:frtd:lock?"};

QList<QByteArray> readOrder(int pCoefficients)
{
    QList<QByteArray> order = READ_BEFORE_COEFFICIENTS;
    for (int i = 1; i <= pCoefficients; ++i)
        order << "sens:frtd:coef? " + QByteArray::number(i);
    return order << READ_AFTER_COEFFICIENTS;
}

struct TWriteCase
{
    const char* mName;
    std::function<int(const TInternalSCPIHandler&, QDateTime)> mWrite;
    QByteArray mCommand;
    int mResult;
    // What the probe's memory holds afterwards.
    std::function<bool(const TSimulatedSmartProbe&)> mStored;
};

const std::vector<TWriteCase>& writeCases()
{
    using H = const TInternalSCPIHandler&;
    using P = const TSimulatedSmartProbe&;
    static const std::vector<TWriteCase> cases{
        {"name with blanks", [](H h, QDateTime t) { return h.setSmartProbe_Name("SPRT 9 new", t); },
         "sens:frtd:iden SPRT 9 new", 0, [](P p) { return p.mName == QLatin1String("SPRT 9 new"); }},
        {"no reference probe", [](H h, QDateTime t) { return h.setSmartProbe_StatusReference(false, t); },
         "sens:frtd:stat:refe 0", 0, [](P p) { return !p.mReference; }},
        {"calibration date zero-padded", [](H h, QDateTime t) { return h.setSmartProbe_CalDate(QDate(2024, 3, 5), t); },
         "sens:frtd:cal:date 2024,03,05", 0, [](P p) { return p.mCalDate == QDate(2024, 3, 5); }},
        {"invalid calibration date clears it", [](H h, QDateTime t) { return h.setSmartProbe_CalDate(QDate(), t); },
         "sens:frtd:cal:date 0,0,0", 0, [](P p) { return !p.mCalDate.isValid(); }},
        {"next calibration date", [](H h, QDateTime t) { return h.setSmartProbe_CalNext(QDate(2025, 12, 1), t); },
         "sens:frtd:cal:next 2025,12,01", 0, [](P p) { return p.mCalNext == QDate(2025, 12, 1); }},
        {"calibration source as it stands",
         [](H h, QDateTime t) { return h.setSmartProbe_CalSource("DKD lab, room 3", t); },
         "sens:frtd:cal:sour DKD lab, room 3", 0, [](P p) { return p.mCalSource == QLatin1String("DKD lab, room 3"); }},
        {"enabled", [](H h, QDateTime t) { return h.setSmartProbe_Enable(true, t); }, "sens:frtd:enab 1", 0,
         [](P p) { return p.mEnabled; }},
        {"locked", [](H h, QDateTime t) { return h.setSmartProbe_Lock(true, t); }, "sens:frtd:lock 1", 0,
         [](P p) { return p.mLocked; }},
        {"100 ohm reference resistor", [](H h, QDateTime t) { return h.setSmartProbe_ReferenceResistor(spr100Ohm, t); },
         "sens:frtd:refe:res 2", 0, [](P p) { return p.mReferenceResistor == TSimulatedSmartProbe::rr100Ohm; }},
        {"undefined reference resistor goes as 0 and is refused",
         [](H h, QDateTime t) { return h.setSmartProbe_ReferenceResistor(sprUndefined, t); }, "sens:frtd:refe:res 0", 5,
         [](P p) { return p.mReferenceResistor == TSimulatedSmartProbe::rr25Ohm; }},
        {"ITS-90 standard", [](H h, QDateTime t) { return h.setSmartProbe_Standard(spstITS90, t); }, "sens:frtd:stan 3",
         0, [](P p) { return p.mStandard == TSimulatedSmartProbe::stITS90; }},
        {"coefficient in six digits", [](H h, QDateTime t) { return h.setSmartProbe_Coefficient(2, 3.90802345e-3, t); },
         "sens:frtd:coef 2,0.00390802", 0, [](P p) { return p.mCoefficients[1] == 0.00390802; }},
        {"coefficient index the memory does not have",
         [](H h, QDateTime t) { return h.setSmartProbe_Coefficient(9, 1.0, t); }, "sens:frtd:coef 9,1", 10,
         [](P) { return true; }},
        {"range, maximum first", [](H h, QDateTime t) { return h.setSmartProbe_Range(390.4812, 18.5, t); },
         "sens:frtd:rang 390.481,18.5", 0, [](P p) { return p.mWorkMax == 390.481 && p.mWorkMin == 18.5; }},
    };
    return cases;
}
} // namespace

class tst_SmartProbeCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writes_data();
    void writes();
    void lockedProbeKeepsItsData();
    void noSmartProbeOnTheMeasuredChannel();
    void dateReplies_data();
    void dateReplies();
    void rangeReplies_data();
    void rangeReplies();
    void valueReplies();
    void coefficientIndexOutsideTheMemory_data();
    void coefficientIndexOutsideTheMemory();
    void waitAfterChannelChange_data();
    void waitAfterChannelChange();
    void seriesWaitsOnce();
    void waitMeasuredOverTheLink();
    void wholeProbe_data();
    void wholeProbe();
    void failedReadGivesNoProbe_data();
    void failedReadGivesNoProbe();
    void statusInTheCurrentMeasurement();
    void presence_data();
    void presence();

private:
    void plug(const TSimulatedSmartProbe& pProbe, int pChannel = 1);
    // Replaces the board's answer to one command (header and arguments).
    void answerWith(const QByteArray& pCommand, const QByteArray& pReply);

    std::unique_ptr<TSimulatedBoardLink> mBoard;
};

void tst_SmartProbeCommands::init()
{
    TAMARIND_MAKE_FIXTURE(mBoard);
    plug(sampleProbe(TSimulatedSmartProbe::stCvD));
}

void tst_SmartProbeCommands::cleanup()
{
    mBoard.reset();
}

void tst_SmartProbeCommands::plug(const TSimulatedSmartProbe& pProbe, int pChannel)
{
    QVERIFY(mBoard->board().plugSmartProbe(pChannel, pProbe));
    mBoard->board().clearRecord();
}

void tst_SmartProbeCommands::answerWith(const QByteArray& pCommand, const QByteArray& pReply)
{
    const int blank = pCommand.indexOf(' ');
    const QByteArray header = blank < 0 ? pCommand : pCommand.left(blank);
    const QString arguments = blank < 0 ? QString() : QString::fromLatin1(pCommand.mid(blank + 1));
    mBoard->board().withState([&](TBoardState& pState) {
        const TBoardState::THandler original = pState.commandHandler(header.constData());
        pState.addCommand(header.constData(), true, [=](const QString& pArguments, double pNow) {
            return pArguments == arguments ? pReply : original(pArguments, pNow);
        });
    });
}

void tst_SmartProbeCommands::writes_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(writeCases().size()); ++row)
        QTest::newRow(writeCases()[row].mName) << row;
}

void tst_SmartProbeCommands::writes()
{
    QFETCH(int, row);
    const TWriteCase& write = writeCases()[row];
    mBoard->board().withState([](TBoardState& pState) { pState.mSmartProbes.probe(1)->mLocked = false; });
    QCOMPARE(write.mWrite(mBoard->handler(), longAgo()), write.mResult);
    QCOMPARE(mBoard->commands(), QList<QByteArray>{write.mCommand});
    bool stored = false;
    mBoard->board().withState([&](TBoardState& pState) { stored = write.mStored(*pState.mSmartProbes.probe(1)); });
    QVERIFY(stored);
}

void tst_SmartProbeCommands::lockedProbeKeepsItsData()
{
    const TInternalSCPIHandler& handler = mBoard->handler();
    QCOMPARE(handler.setSmartProbe_Name("other", longAgo()), int(TInternalSCPIHandler::ERROR_CODE_SMART_PROBE_LOCKED));
    QCOMPARE(handler.setSmartProbe_Coefficient(1, 100.0, longAgo()),
             int(TInternalSCPIHandler::ERROR_CODE_SMART_PROBE_LOCKED));
    // Enabling is the user's choice, not data of the probe.
    QCOMPARE(handler.setSmartProbe_Enable(true, longAgo()), 0);
    QCOMPARE(handler.setSmartProbe_Lock(false, longAgo()), 0);
    QCOMPARE(handler.setSmartProbe_Name("other", longAgo()), 0);
    QString name;
    QCOMPARE(handler.smartProbe_Name(name, longAgo()), 0);
    QCOMPARE(name, QStringLiteral("other"));
}

void tst_SmartProbeCommands::noSmartProbeOnTheMeasuredChannel()
{
    const TInternalSCPIHandler& handler = mBoard->handler();
    QVERIFY(mBoard->handler().setConfChan(2));
    EnSmartProbeStandard standard = spstITS90;
    QCOMPARE(handler.smartProbe_Standard(standard, longAgo()), 222);
    QCOMPARE(standard, spstUndefined);
    bool enabled = false;
    QCOMPARE(handler.smartProbe_Enabled(enabled, longAgo()), 222);
    QVERIFY(enabled);
    QCOMPARE(handler.setSmartProbe_Enable(true, longAgo()), 222);
    QVERIFY(!handler.createSmartProbeFromCurrentChannel(nullptr, longAgo()));
}

void tst_SmartProbeCommands::dateReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("result");
    QTest::addColumn<QDate>("date");
    const QDate before(1999, 9, 9);
    QTest::newRow("date") << QByteArray("2024,03,05") << 0 << QDate(2024, 3, 5);
    QTest::newRow("empty reply: no date") << QByteArray() << 0 << QDate();
    QTest::newRow("two fields") << QByteArray("2024,03") << -1 << before;
    QTest::newRow("no SMART probe") << QByteArray("E222") << 222 << before;
}

void tst_SmartProbeCommands::dateReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, result);
    QFETCH(QDate, date);
    const QDate before(1999, 9, 9);
    for (const bool next : {false, true}) {
        answerWith(next ? "sens:frtd:cal:next?" : "sens:frtd:cal:date?", reply);
        QDate read = before;
        const int code = next ? mBoard->handler().smartProbe_CalNext(read, longAgo())
                              : mBoard->handler().smartProbe_CalDate(read, longAgo());
        QCOMPARE(code, result);
        QCOMPARE(read.isNull(), date.isNull());
        if (!date.isNull())
            QCOMPARE(read, date);
    }
}

void tst_SmartProbeCommands::rangeReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("values");
    QTest::newRow("six values") << QByteArray("390.5,18.5,140,90.5,250,20") << 0 << "390.5 18.5 140 90.5 250 20";
    QTest::newRow("values the board does not have")
        << QByteArray("390.5,18.5,nan,NaN,250,20") << 0 << "390.5 18.5 nan nan 250 20";
    QTest::newRow("five values") << QByteArray("390.5,18.5,140,90.5,250") << -1 << "nan nan nan nan nan nan";
    QTest::newRow("a field that is no number is no zero")
        << QByteArray("390.5,18.5,abc,90.5,250,20") << -1 << "nan nan nan nan nan nan";
    QTest::newRow("no SMART probe") << QByteArray("E222") << 222 << "nan nan nan nan nan nan";
}

void tst_SmartProbeCommands::rangeReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, result);
    QFETCH(QString, values);
    answerWith("sens:frtd:rang?", reply);
    double read[6] = {1, 2, 3, 4, 5, 6};
    QCOMPARE(mBoard->handler().smartProbe_Range(read[0], read[1], read[2], read[3], read[4], read[5], longAgo()),
             result);
    const QStringList expected = values.split(QLatin1Char(' '));
    for (int i = 0; i < 6; ++i)
        QVERIFY2(sameValue(read[i], expected.at(i).toDouble()), qPrintable(QString::number(i)));
}

void tst_SmartProbeCommands::valueReplies()
{
    const TInternalSCPIHandler& handler = mBoard->handler();
    answerWith("sens:frtd:enab?", "0");
    bool enabled = true;
    QCOMPARE(handler.smartProbe_Enabled(enabled, longAgo()), 0);
    QVERIFY(!enabled);
    answerWith("sens:frtd:lock?", "E223");
    bool locked = false;
    QCOMPARE(handler.smartProbe_Locked(locked, longAgo()), 223);
    QVERIFY(locked);
    answerWith("sens:frtd:stat:refe?", "2");
    bool reference = true;
    QCOMPARE(handler.smartProbe_StatusReference(reference, longAgo()), 0);
    QVERIFY(!reference);

    answerWith("sens:frtd:cal:sour?", " Lab 4\t");
    QString source;
    QCOMPARE(handler.smartProbe_CalSource(source, longAgo()), 0);
    QCOMPARE(source, QStringLiteral("Lab 4"));
    // The name is taken as it stands; only the board's error replies count as errors.
    answerWith("sens:frtd:iden?", " E2 ");
    QString name;
    QCOMPARE(handler.smartProbe_Name(name, longAgo()), 0);
    QCOMPARE(name, QStringLiteral(" E2 "));

    answerWith("sens:frtd:refe:res?", "x");
    EnSmartProbeReference resistor = spr100Ohm;
    QCOMPARE(handler.smartProbe_ReferenceResistor(resistor, longAgo()), -1);
    QCOMPARE(resistor, sprUndefined);
    answerWith("sens:frtd:stan?", "x");
    EnSmartProbeStandard standard = spstCvD;
    QCOMPARE(handler.smartProbe_Standard(standard, longAgo()), -1);
    QCOMPARE(standard, spstUndefined);
    answerWith("sens:frtd:coef? 2", "abc");
    double coefficient = 1.0;
    QCOMPARE(handler.smartProbe_Coefficient(2, coefficient, longAgo()), -1);
    QVERIFY(std::isnan(coefficient));
}

void tst_SmartProbeCommands::coefficientIndexOutsideTheMemory_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0;
    QTest::newRow("9") << 9;
}

void tst_SmartProbeCommands::coefficientIndexOutsideTheMemory()
{
    QFETCH(int, index);
    double coefficient = 1.0;
    QCOMPARE(mBoard->handler().smartProbe_Coefficient(index, coefficient, longAgo()), -1);
    QVERIFY(std::isnan(coefficient));
    QVERIFY(mBoard->commands().isEmpty());
}

void tst_SmartProbeCommands::waitAfterChannelChange_data()
{
    QTest::addColumn<qint64>("sinceChange");
    QTest::addColumn<QList<int>>("waits");
    QTest::newRow("100 ms after the change: 150 ms more") << qint64(100) << QList<int>{150};
    QTest::newRow("right at the change: the whole pause") << qint64(0) << QList<int>{250};
    QTest::newRow("249 ms after the change: 1 ms more") << qint64(249) << QList<int>{1};
    QTest::newRow("250 ms after the change: at once") << qint64(250) << QList<int>();
    QTest::newRow("300 ms after the change: at once") << qint64(300) << QList<int>();
    QTest::newRow("system time set back an hour: no more than the pause") << qint64(-3600000) << QList<int>{250};
}

void tst_SmartProbeCommands::waitAfterChannelChange()
{
    QFETCH(qint64, sinceChange);
    QFETCH(QList<int>, waits);
    const QDateTime change(QDate(2024, 5, 17), QTime(12, 0));
    QList<int> blocked;
    int sentWhileBlocked = -1;
    TInternalSCPIHandler& handler = mBoard->handler();
    handler.setWaitClock({[&] { return change.addMSecs(sinceChange); },
                          [&](int pMilliseconds) {
                              blocked << pMilliseconds;
                              sentWhileBlocked = mBoard->commands().size();
                          }});
    QString name;
    QCOMPARE(handler.smartProbe_Name(name, change), 0);
    QCOMPARE(blocked, waits);
    if (!waits.isEmpty())
        QCOMPARE(sentWhileBlocked, 0);
    QCOMPARE(mBoard->commands(), QList<QByteArray>{"sens:frtd:iden?"});
}

void tst_SmartProbeCommands::seriesWaitsOnce()
{
    const QDateTime change(QDate(2024, 5, 17), QTime(12, 0));
    QDateTime now = change.addMSecs(100);
    QList<int> blocked;
    TInternalSCPIHandler& handler = mBoard->handler();
    handler.setWaitClock({[&] { return now; },
                          [&](int pMilliseconds) {
                              blocked << pMilliseconds;
                              now = now.addMSecs(pMilliseconds);
                          }});
    QVERIFY(handler.createSmartProbeFromCurrentChannel(nullptr, change));
    QCOMPARE(blocked, QList<int>{150});
    QCOMPARE(mBoard->commands().size(), 14);
}

void tst_SmartProbeCommands::waitMeasuredOverTheLink()
{
    TInternalSCPIHandler& handler = mBoard->handler();
    // The board cannot read the probe's memory straight after a channel change.
    QVERIFY(handler.setConfChan(1));
    QString name;
    QCOMPARE(handler.smartProbe_Name(name, longAgo()), 222);

    QVERIFY(handler.setConfChan(1));
    const QDateTime change = QDateTime::currentDateTime();
    QCOMPARE(handler.smartProbe_Name(name, change), 0);
    QCOMPARE(name, QStringLiteral("SPRT-17"));

    const QList<TReceivedFrame> frames = mBoard->board().receivedFrames();
    QCOMPARE(frames.size(), 4);
    QCOMPARE(frames.at(2).mText, QByteArray("conf:chan 01"));
    QCOMPARE(frames.at(3).mText, QByteArray("sens:frtd:iden?"));
    // Both arrival times are on the monotonic clock; the millisecond of the
    // wall-clock time stamp may come off the pause.
    const qint64 gapMs = (frames.at(3).mArrivalNs - frames.at(2).mArrivalNs) / 1000000;
    QVERIFY2(gapMs >= TInternalSCPIHandler::SMART_PROBE_READ_PAUSE - 1, qPrintable(QString::number(gapMs)));
}

void tst_SmartProbeCommands::wholeProbe_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<int>("conversion");
    QTest::addColumn<int>("coefficients");
    QTest::newRow("Callendar-Van Dusen: 14 commands") << int(TSimulatedSmartProbe::stCvD) << int(cprtCVD) << 4;
    QTest::newRow("EN 60751: 14 commands") << int(TSimulatedSmartProbe::stEN60751) << int(cprtEN60751) << 4;
    QTest::newRow("DIN: no conversion of the probe model")
        << int(TSimulatedSmartProbe::stDIN) << int(cprtUndefined) << 4;
    QTest::newRow("ITS-90: 17 commands") << int(TSimulatedSmartProbe::stITS90) << int(cprtITS90) << 7;
}

void tst_SmartProbeCommands::wholeProbe()
{
    QFETCH(int, standard);
    QFETCH(int, conversion);
    QFETCH(int, coefficients);
    plug(sampleProbe(standard));
    TPRTChannel channel(nullptr, 1, 1, QStringLiteral("1"), {w4wire});
    const std::unique_ptr<TSmartProbePRT> probe =
        mBoard->handler().createSmartProbeFromCurrentChannel(&channel, longAgo());
    QCOMPARE(mBoard->commands(), readOrder(coefficients));
    QVERIFY(probe);
    QCOMPARE(probe->probeName(), QStringLiteral("SPRT-17"));
    QVERIFY(probe->isReference());
    QCOMPARE(probe->lastCalDate(), QDate(2023, 4, 5));
    QVERIFY(!probe->isEnabled());
    QCOMPARE(probe->internalResistor(), rprt25);
    QCOMPARE(int(probe->conversion()), conversion);
    QCOMPARE(probe->connectedChannel(), &channel);
    QCOMPARE(probe->nextCalDate(), QDate(2024, 4, 5));
    QCOMPARE(probe->calSource(), QStringLiteral("Lab 4"));
    QCOMPARE(probe->resWorkingRangeMin(), 18.5);
    QCOMPARE(probe->resWorkingRangeMax(), 95.25);
    QVERIFY(probe->isLocked());
    const QVector<double> cvd{probe->CvD_coeff_R0(), probe->CvD_coeff_A(), probe->CvD_coeff_B(), probe->CvD_coeff_C()};
    const QVector<double> its90{probe->ITS90_coeff_R001(), probe->ITS90_coeff_A(),  probe->ITS90_coeff_B(),
                                probe->ITS90_coeff_Ap(),   probe->ITS90_coeff_Bp(), probe->ITS90_coeff_Cp(),
                                probe->ITS90_coeff_Dp()};
    const QVector<double> stored{25.5468, -1.5e-4, 2.25e-5, 3.5e-6, -4.75e-7, 5.5e-8, -6.25e-9};
    const QVector<double>& used = coefficients == 7 ? its90 : cvd;
    const QVector<double>& unused = coefficients == 7 ? cvd : its90;
    QCOMPARE(used, stored.mid(0, coefficients));
    // The set the standard does not use stays zero.
    QCOMPARE(unused, QVector<double>(unused.size(), 0.0));
}

void tst_SmartProbeCommands::failedReadGivesNoProbe_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("reply");
    for (const QByteArray& command : readOrder(4))
        QTest::newRow(command.constData()) << command << QByteArray("E222");
    QTest::newRow("standard that is no number") << QByteArray("sens:frtd:stan?") << QByteArray("x");
    QTest::newRow("calibration date with two fields") << QByteArray("sens:frtd:cal:date?") << QByteArray("2023,4");
    QTest::newRow("range with five values") << QByteArray("sens:frtd:rang?") << QByteArray("1,2,3,4,5");
    QTest::newRow("third coefficient no number") << QByteArray("sens:frtd:coef? 3") << QByteArray("abc");
}

void tst_SmartProbeCommands::failedReadGivesNoProbe()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    answerWith(command, reply);
    QVERIFY(!mBoard->handler().createSmartProbeFromCurrentChannel(nullptr, longAgo()));
    const QList<QByteArray> order = readOrder(4);
    QCOMPARE(mBoard->commands(), order.mid(0, order.indexOf(command) + 1));
}

void tst_SmartProbeCommands::statusInTheCurrentMeasurement()
{
    TInternalSCPIHandler& handler = mBoard->handler();
    const auto status = [&handler] {
        double electrical = NaN;
        double temperature = NaN;
        EnSmartProbeStatus smartStatus = spsNotFitted;
        EnTemperatureAccuracyStatus accuracy = tasInRange;
        short error = 0;
        return handler.getMeasCurr(electrical, temperature, smartStatus, accuracy, error) ? int(smartStatus) : -1;
    };
    // Plugged in: changed once, then present or disabled by its flag.
    QCOMPARE(status(), int(spsChanged));
    QCOMPARE(status(), int(spsDisabled));
    mBoard->board().withState([](TBoardState& pState) {
        pState.mSmartProbes.probe(1)->mEnabled = true;
        pState.mSmartProbes.markChanged(1);
    });
    QCOMPARE(status(), int(spsChanged));
    QCOMPARE(status(), int(spsPresent));
    QCOMPARE(handler.setSmartProbe_Enable(false, longAgo()), 0);
    QCOMPARE(status(), int(spsDisabled));
    QVERIFY(handler.setConfChan(2));
    QCOMPARE(status(), int(spsNotFitted));
    QVERIFY(handler.setConfChan(1));
    QVERIFY(mBoard->board().plugSensor(1, ssPt100));
    QCOMPARE(status(), int(spsNotFitted));
}

void tst_SmartProbeCommands::presence_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("failed");
    QTest::newRow("channel with a SMART probe") << 1 << QByteArray() << true << false;
    QTest::newRow("channel without") << 2 << QByteArray() << false << false;
    QTest::newRow("thermocouple channel") << 3 << QByteArray() << false << false;
    QTest::newRow("an integer other than 1") << 1 << QByteArray("2") << false << false;
    QTest::newRow("error reply") << 1 << QByteArray("E14") << false << true;
    QTest::newRow("no number") << 1 << QByteArray("yes") << false << true;
}

void tst_SmartProbeCommands::presence()
{
    QFETCH(int, channel);
    QFETCH(QByteArray, reply);
    QFETCH(bool, present);
    QFETCH(bool, failed);
    QVERIFY(mBoard->handler().setConfChan(channel));
    if (!reply.isEmpty())
        mBoard->injectReply(reply);
    bool readFailed = !failed;
    QCOMPARE(mBoard->handler().getConfChanSmar(readFailed), present);
    QCOMPARE(readFailed, failed);
    QCOMPARE(mBoard->lastCommand(), QByteArray("conf:chan:smar?"));
}

TAMARIND_TEST_MAIN(tst_SmartProbeCommands)
#include "tst_smartprobecommands.moc"
