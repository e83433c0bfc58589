#include "boardstate.h"
#include "channel.h"
#include "internalscpihandler.h"
#include "probe.h"
#include "simulatedboardlink.h"
#include "testidentity.h"
#include "testsupport.h"

#include <QSignalSpy>

#include <cmath>
#include <functional>
#include <vector>

using namespace Probe_enums;

Q_DECLARE_METATYPE(EnCalItemID)

namespace
{
const double NaN = std::nan("");

// The simulator's default probes: 82 a four-wire Pt100, 84 a thermistor, 85 a
// type K thermocouple.
constexpr int PRT_SLOT = 82;
constexpr int THERMISTOR_SLOT = 84;
constexpr int THERMOCOUPLE_SLOT = 85;

// The probe a setter names; only the number and the class reach the board.
struct TProbes
{
    TProbes()
        : mPRT(PRT_SLOT, "PT100 4-wire", prttPT100, false, 0, -200.0, 450.0, QDate(), true, w4wire, false, false,
               Automatic, rprt100, cprtEN60751, 100.0, 3.9083e-3, -5.775e-7, -4.183e-12, 0, 0, 0, 0, 0, 0, 0)
        , mThermocouple(THERMOCOUPLE_SLOT, "Thermocouple K", false, 0, -270.0, 1372.0, QDate(), true, ptK, rjInternal,
                        0, ctcIEC584, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)
        , mThermistor(THERMISTOR_SLOT, "Thermistor 10k", false, 0, -50.0, 150.0, QDate(), true, cthSteinhartHart,
                      1.1287e-3, 2.3412e-4, 8.775e-8, 0, 0, 0, 0)
        , mSmart("SMART", false, QDate(), true, rprt100, cprtCVD, 100.0, 3.9083e-3, -5.775e-7, -4.183e-12, 0, 0, 0, 0,
                 0, 0, 0, nullptr, QDate(), QString(), 18.5, 390.5, false)
        , mChannel1(nullptr, 1, 1, QStringLiteral("1"), {w3wire, w4wire})
    {
    }

    TPRTProbe mPRT;
    TTCProbe mThermocouple;
    TThermistorProbe mThermistor;
    TSmartProbePRT mSmart;
    TPRTChannel mChannel1;
};

struct TSetterCase
{
    const char* mName;
    std::function<bool(const TInternalSCPIHandler&, TProbes&)> mSet;
    QByteArray mCommand;
    // Record fields the board must hold afterwards, "position=value" with
    // positions counted from 1 as the record layout numbers them.
    QStringList mRecordFields;
};

const std::vector<TSetterCase>& setterCases()
{
    using H = const TInternalSCPIHandler&;
    static const std::vector<TSetterCase> cases{
        {"PRT assigned to a channel",
         [](H h, TProbes& p) { return h.assignProbeToChannel(p.mPRT, 2); },
         "prob:assi 82,2",
         {"31=2"}},
        {"thermistor assigned to no channel",
         [](H h, TProbes& p) { return h.assignProbeToChannel(p.mThermistor, 0); },
         "sens:ther:assi 84,0",
         {"31=0"}},
        {"PRT made a reference probe",
         [](H h, TProbes& p) { return h.setProbeStatusReference(p.mPRT, true); },
         "prob:stat:refe 82,1",
         {"30=2"}},
        {"thermocouple made a reference probe",
         [](H h, TProbes& p) { return h.setProbeStatusReference(p.mThermocouple, true); },
         "sens:tc:refe 85,1",
         {"30=2"}},
        {"PRT name with blanks",
         [](H h, TProbes& p) { return h.setProbeName(p.mPRT, "Bath ref 2"); },
         "prob:iden 82,Bath ref 2",
         {"2=Bath ref 2"}},
        {"thermistor name",
         [](H h, TProbes& p) { return h.setProbeName(p.mThermistor, "NTC-3"); },
         "sens:ther:iden 84,NTC-3",
         {"2=NTC-3"}},
        {"SMART probe under the PRT header",
         [](H h, TProbes& p) { return h.setProbeName(p.mSmart, "SPRT"); },
         "prob:iden -1,SPRT",
         {}},
        {"PRT upper limit in six digits",
         [](H h, TProbes& p) { return h.setProbeTmax(p.mPRT, 419.5271); },
         "prob:tmax 82,419.527",
         {"3=419.5"}},
        {"thermocouple lower limit in six digits",
         [](H h, TProbes& p) { return h.setProbeTmin(p.mThermocouple, -196.1234567); },
         "sens:tc:tmin 85,-196.123",
         {"4=-196.1"}},
        {"thermistor upper limit in exponent form",
         [](H h, TProbes& p) { return h.setProbeTmax(p.mThermistor, 1.0e7); },
         "sens:ther:tmax 84,1e+07",
         {"3=10000000.0"}},
        {"PRT calibration date zero-padded",
         [](H h, TProbes& p) { return h.setProbeCalDate(p.mPRT, QDate(2024, 3, 5)); },
         "prob:cal:date 82,2024,03,05",
         {"26=2024", "27=03", "28=05"}},
        {"thermistor calibration date",
         [](H h, TProbes& p) { return h.setProbeCalDate(p.mThermistor, QDate(2022, 1, 9)); },
         "sens:ther:cal:date 84,2022,01,09",
         {"26=2022", "27=01", "28=09"}},
        {"keep-warm current on is sent as 2",
         [](H h, TProbes& p) { return h.setPRT_KeepWarmCurrent(p.mPRT, true); },
         "prob:kwc 82,2",
         {"32=1"}},
        {"keep-warm current off is sent as 1",
         [](H h, TProbes& p) { return h.setPRT_KeepWarmCurrent(p.mPRT, false); },
         "prob:kwc 82,1",
         {"32=2"}},
        {"root-2 current factor",
         [](H h, TProbes& p) { return h.setPRT_CurrentFactorRoot2(p.mPRT, true); },
         "prob:curr 82,1",
         {}},
        {"PRT conversion",
         [](H h, TProbes& p) { return h.setPRT_Conversion(p.mPRT, cprtITS90); },
         "prob:conv 82,3",
         {"5=3"}},
        {"PRT R0 as a resistance",
         [](H h, TProbes& p) { return h.setPRT_Coefficient(p.mPRT, 1, 100.0123456); },
         "prob:coef 82,1,100.012",
         {"6=100.012"}},
        {"PRT coefficient B",
         [](H h, TProbes& p) { return h.setPRT_Coefficient(p.mPRT, 3, -5.775e-7); },
         "prob:coef 82,3,-5.775e-07",
         {"8=-5.77500e-07"}},
        {"PRT reference resistor",
         [](H h, TProbes& p) { return h.setPRT_ReferenceResistor(p.mPRT, rprt25); },
         "prob:refe 82,2",
         {"24=2"}},
        {"PRT wiring", [](H h, TProbes& p) { return h.setPRT_Wiring(p.mPRT, w3wire); }, "prob:term 82,1", {"29=1"}},
        {"PRT type", [](H h, TProbes& p) { return h.setPRT_ProbeType(p.mPRT, prttPT25); }, "prob:type 82,0", {"1=0"}},
        {"PRT excitation current",
         [](H h, TProbes& p) { return h.setPRT_ExcitationCurrent(p.mPRT, ZeroPointFiveMilliAmps); },
         "prob:conf:curr 82,1",
         {"33=1"}},
        {"thermocouple type",
         [](H h, TProbes& p) { return h.setTC_ProbeType(p.mThermocouple, ptT); },
         "sens:tc:type 85,12",
         {"1=12"}},
        {"internal cold junction",
         [](H h, TProbes& p) { return h.setTC_Compensation(p.mThermocouple, rjInternal, nullptr); },
         "sens:tc:comp 85,0",
         {"24=1", "25=0"}},
        {"cold junction on channel 1",
         [](H h, TProbes& p) { return h.setTC_Compensation(p.mThermocouple, rjChannel, &p.mChannel1); },
         "sens:tc:comp 85,2,1",
         {"24=3", "25=1"}},
        {"thermocouple conversion",
         [](H h, TProbes& p) { return h.setTC_Conversion(p.mThermocouple, ctcPolynomial); },
         "sens:tc:conv 85,2",
         {"5=2"}},
        {"thermocouple coefficient kept negated",
         [](H h, TProbes& p) { return h.setTC_Coefficient(p.mThermocouple, 3, 1.5); },
         "sens:tc:coef 85,3,1.5",
         {"8=-1.50000e+00"}},
        {"thermocouple range limit kept as it is",
         [](H h, TProbes& p) { return h.setTC_Coefficient(p.mThermocouple, 1, -50.0); },
         "sens:tc:coef 85,1,-50",
         {"6=-5.00000e+01"}},
        {"thermistor conversion",
         [](H h, TProbes& p) { return h.setTherm_Conversion(p.mThermistor, cthPolynomial); },
         "sens:ther:conv 84,3",
         {"5=3"}},
        {"thermistor coefficient",
         [](H h, TProbes& p) { return h.setTherm_Coefficient(p.mThermistor, 2, 2.34124e-4); },
         "sens:ther:coef 84,2,0.000234124",
         {"7=2.34124e-04"}},
    };
    return cases;
}

// The record the simulated board holds for a slot, as "prob:read?" would give it.
QStringList storedRecord(TSimulatedBoardLink& pBoard, int pProbeNumber)
{
    QString record;
    pBoard.board().withState([&](TBoardState& pState) {
        record = pState.mProbeMemory.record(pProbeNumber, pState.probeRecordFieldCount());
    });
    return record.split(QLatin1Char(','));
}
} // namespace

class tst_ProbeMemoryCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void parameterSetters_data();
    void parameterSetters();
    void channelJunctionWithoutChannelSendsNothing();
    void storedProbeRecord_data();
    void storedProbeRecord();
    void storeRefusedByTheBoard();
    void deletionRecord_data();
    void deletionRecord();
    void readingProbes_data();
    void readingProbes();
    void settingQueries_data();
    void settingQueries();
    void twoPointCalibrationRoundTrip_data();
    void twoPointCalibrationRoundTrip();
    void twoPointCalibrationStoreRefused();
    void twoPointCalibrationReplies_data();
    void twoPointCalibrationReplies();
    void coldJunctionRoundTrip_data();
    void coldJunctionRoundTrip();
    void coldJunctionOnAChannelWithoutJunction();
    void coldJunctionReplies_data();
    void coldJunctionReplies();
    void restoreFactoryCalibration_data();
    void restoreFactoryCalibration();
    void restoredUserDataIsTheFactoryData();

private:
    std::unique_ptr<TSimulatedBoardLink> mBoard;
};

void tst_ProbeMemoryCommands::initTestCase()
{
    qRegisterMetaType<EnCalItemID>();
}

void tst_ProbeMemoryCommands::init()
{
    TAMARIND_MAKE_FIXTURE(mBoard);
    QVERIFY(identifyBoardAs(*mBoard, ZTM9900));
    mBoard->board().clearRecord();
}

void tst_ProbeMemoryCommands::cleanup()
{
    mBoard.reset();
}

void tst_ProbeMemoryCommands::parameterSetters_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(setterCases().size()); ++row)
        QTest::newRow(setterCases()[row].mName) << row;
}

void tst_ProbeMemoryCommands::parameterSetters()
{
    QFETCH(int, row);
    const TSetterCase& setter = setterCases()[row];
    TProbes probes;
    QVERIFY(setter.mSet(mBoard->handler(), probes));
    QCOMPARE(mBoard->commands(), QList<QByteArray>{setter.mCommand});

    // The probe number stands between the header and the first comma.
    const int probeNumber = setter.mCommand.mid(setter.mCommand.indexOf(' ') + 1).split(',').at(0).toInt();
    if (probeNumber < 1)
        return;
    const QStringList record = storedRecord(*mBoard, probeNumber);
    QCOMPARE(record.size(), 33);
    for (const QString& expected : setter.mRecordFields) {
        const int position = expected.section(QLatin1Char('='), 0, 0).toInt();
        QCOMPARE(record.at(position - 1), expected.section(QLatin1Char('='), 1));
    }
}

void tst_ProbeMemoryCommands::channelJunctionWithoutChannelSendsNothing()
{
    TProbes probes;
    QVERIFY(!mBoard->handler().setTC_Compensation(probes.mThermocouple, rjChannel, nullptr));
    QVERIFY(mBoard->commands().isEmpty());
}

void tst_ProbeMemoryCommands::storedProbeRecord_data()
{
    QTest::addColumn<EnInstrumentType>("type");
    QTest::addColumn<QByteArray>("command");
    const QByteArray record = "1,PT100-A,450.0,-200.0,1,100,3.90830e-03,-5.77500e-07,-4.18300e-12,0,0,0,0,0,0,0,0,0,0,"
                              "0,0,0,0,1,0,2020,05,17,2,1,1,2";
    QTest::newRow("first variant: 32 fields") << ZTM8800 << "prob:save 5," + record;
    QTest::newRow("second variant: 33 fields") << ZTM8800v2 << "prob:save 5," + record + ",0";
    QTest::newRow("ZTM9900: 33 fields") << ZTM9900 << "prob:save 5," + record + ",0";
}

void tst_ProbeMemoryCommands::storedProbeRecord()
{
    QFETCH(EnInstrumentType, type);
    QFETCH(QByteArray, command);
    QVERIFY(identifyBoardAs(*mBoard, type));
    const TPRTProbe probe(5, "PT100-A", prttPT100, false, 1, -200.0, 450.0, QDate(2020, 5, 17), false, w4wire, false,
                          false, Automatic, rprtAuto, cprtEN60751, 100.0, 3.9083e-3, -5.775e-7, -4.183e-12, 0.0, 0.0,
                          0.0, 0.0, 0.0, 0.0, 0.0);
    mBoard->board().clearRecord();
    QVERIFY(mBoard->handler().storeProbe(probe));
    QCOMPARE(mBoard->lastCommand(), command);

    bool failed = true;
    const std::unique_ptr<TAbstractProbe> read = mBoard->handler().createProbeFromInstrument(5, failed, false);
    QVERIFY(!failed);
    const auto* prt = qobject_cast<const TPRTProbe*>(read.get());
    QVERIFY(prt);
    QCOMPARE(prt->probeName(), QStringLiteral("PT100-A"));
    QCOMPARE(prt->lastCalDate(), QDate(2020, 5, 17));
    QCOMPARE(prt->channelNumber(), 1);
    QCOMPARE(prt->wiring(), w4wire);
}

void tst_ProbeMemoryCommands::storeRefusedByTheBoard()
{
    const TThermistorProbe probe(3, "NTC", false, 0, -40.0, 150.0, QDate(), false, cthNone, 0, 0, 0, 0, 0, 0, 0);
    mBoard->injectReply("E9");
    QVERIFY(!mBoard->handler().storeProbe(probe));
    // Only "E0" confirms; another reply that is no error is no confirmation either.
    mBoard->injectReply("1");
    QVERIFY(!mBoard->handler().storeProbe(probe));
    QVERIFY(mBoard->handler().storeProbe(probe));
}

void tst_ProbeMemoryCommands::deletionRecord_data()
{
    QTest::addColumn<EnInstrumentType>("type");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("fields");
    // Sensor code 0, an empty name, thirty zeros.
    const QByteArray empty = "prob:save 17,0,,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
    QTest::newRow("first variant: 32 fields") << ZTM8800 << empty << 32;
    QTest::newRow("second variant: 33 fields") << ZTM8800v2 << empty + ",0" << 33;
    QTest::newRow("ZTM9900: 33 fields") << ZTM9900 << empty + ",0" << 33;
}

void tst_ProbeMemoryCommands::deletionRecord()
{
    QFETCH(EnInstrumentType, type);
    QFETCH(QByteArray, command);
    QFETCH(int, fields);
    QVERIFY(identifyBoardAs(*mBoard, type));
    const TTCProbe probe(17, "TC-J", false, 0, -100.0, 700.0, QDate(), false, ptJ, rjInternal, 0, ctcIEC584, 0, 0, 0, 0,
                         0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    QVERIFY(mBoard->handler().storeProbe(probe));
    bool failed = true;
    QVERIFY(mBoard->handler().createProbeFromInstrument(17, failed, false));

    // The board refuses a record with the field count of another variant, so
    // an accepted deletion had the right one.
    QVERIFY(mBoard->handler().deleteProbe(17));
    QCOMPARE(mBoard->lastCommand(), command);
    QCOMPARE(command.mid(command.indexOf(',') + 1).split(',').size(), fields);
    QVERIFY(!mBoard->handler().createProbeFromInstrument(17, failed, false));
    QVERIFY(!failed);
}

void tst_ProbeMemoryCommands::readingProbes_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("name");
    QTest::newRow("default three-wire Pt100") << 81 << false << "TPRTProbe"
                                              << "PT100 3-wire";
    QTest::newRow("default four-wire Pt100") << 82 << false << "TPRTProbe"
                                             << "PT100 4-wire";
    QTest::newRow("default four-wire Pt25") << 83 << false << "TPRTProbe"
                                            << "PT25 4-wire";
    QTest::newRow("default thermistor") << 84 << false << "TThermistorProbe"
                                        << "Thermistor 10k";
    QTest::newRow("default thermocouple") << 85 << false << "TTCProbe"
                                          << "Thermocouple K";
    QTest::newRow("empty custom slot") << 40 << false << ""
                                       << "";
    QTest::newRow("number the memory does not have") << 86 << true << ""
                                                     << "";
}

void tst_ProbeMemoryCommands::readingProbes()
{
    QFETCH(int, number);
    QFETCH(bool, failed);
    QFETCH(QString, className);
    QFETCH(QString, name);
    bool readFailed = !failed;
    const std::unique_ptr<TAbstractProbe> probe = mBoard->handler().createProbeFromInstrument(number, readFailed, true);
    QCOMPARE(mBoard->lastCommand(), "prob:read? " + QByteArray::number(number));
    QCOMPARE(readFailed, failed);
    QCOMPARE(probe ? QString::fromLatin1(probe->metaObject()->className()) : QString(), className);
    if (probe) {
        QCOMPARE(probe->probeName(), name);
        QCOMPARE(probe->internalProbeNumber(), number);
        QVERIFY(probe->isDefaultProbe());
    }
}

void tst_ProbeMemoryCommands::settingQueries_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("probe");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("result");
    // Setup lines are sent to the board as they stand.
    QTest::newRow("Pt100 on automatic current: 1 mA") << QStringList() << "prob" << 82 << QByteArray() << 1;
    QTest::newRow("Pt25 on automatic current: 2 mA") << QStringList() << "prob" << 83 << QByteArray() << 2;
    QTest::newRow("Pt100 with root-2 factor") << QStringList{"prob:curr 82,1"} << "prob" << 82 << QByteArray() << 3;
    QTest::newRow("0.5 mA with root-2 factor")
        << QStringList{"prob:conf:curr 82,1", "prob:curr 82,1"} << "prob" << 82 << QByteArray() << 6;
    QTest::newRow("2 mA set on a Pt100") << QStringList{"prob:conf:curr 82,3"} << "prob" << 82 << QByteArray() << 2;
    QTest::newRow("thermistor current: 10 uA") << QStringList() << "therm-current" << 84 << QByteArray() << 1;
    QTest::newRow("thermistor range: 400 to 45000 ohm") << QStringList() << "therm-range" << 84 << QByteArray() << 1;
    QTest::newRow("current of an empty slot") << QStringList() << "prob" << 40 << QByteArray() << -1;
    QTest::newRow("thermistor current of a PRT") << QStringList() << "therm-current" << 82 << QByteArray() << -1;
    QTest::newRow("reply that is no integer") << QStringList() << "prob" << 82 << QByteArray("1.5") << -1;
    QTest::newRow("reply that is no number") << QStringList() << "therm-range" << 84 << QByteArray("x") << -1;
}

void tst_ProbeMemoryCommands::settingQueries()
{
    QFETCH(QStringList, setup);
    QFETCH(QString, query);
    QFETCH(int, probe);
    QFETCH(QByteArray, reply);
    QFETCH(int, result);
    for (const QString& command : setup) {
        bool failed = false;
        mBoard->link().sendCommand(command, false, failed);
        QVERIFY(!failed);
    }
    if (!reply.isEmpty())
        mBoard->injectReply(reply);
    const TInternalSCPIHandler& handler = mBoard->handler();
    if (query == QLatin1String("prob")) {
        QCOMPARE(int(handler.getPRTProbeCurrent(probe)), result);
        QCOMPARE(mBoard->lastCommand(), "prob:curr? " + QByteArray::number(probe));
    } else if (query == QLatin1String("therm-current")) {
        QCOMPARE(int(handler.getThermProbeCurrent(probe)), result);
        QCOMPARE(mBoard->lastCommand(), "sens:ther:curr? " + QByteArray::number(probe));
    } else {
        QCOMPARE(int(handler.getThermProbeRange(probe)), result);
        QCOMPARE(mBoard->lastCommand(), "sens:ther:rang? " + QByteArray::number(probe));
    }
}

void tst_ProbeMemoryCommands::twoPointCalibrationRoundTrip_data()
{
    QTest::addColumn<bool>("factory");
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QByteArray>("query");
    QTest::newRow("user data") << false << QByteArray("cal:data 2,1.234500000000e-03,9.999800000000e-01,2024,5,17")
                               << QByteArray("cal:data? 2");
    QTest::newRow("factory data") << true
                                  << QByteArray("cal:fact:data 2,1.234500000000e-03,9.999800000000e-01,2024,5,17")
                                  << QByteArray("cal:fact:data? 2");
}

void tst_ProbeMemoryCommands::twoPointCalibrationRoundTrip()
{
    QFETCH(bool, factory);
    QFETCH(QByteArray, store);
    QFETCH(QByteArray, query);
    QSignalSpy stored(&mBoard->handler(), &TInternalSCPIHandler::twoPointCalibrationItemStored);
    QCOMPARE(
        mBoard->handler().storeTwoPointCalibrationItemData(ci100R, 1.2345e-3, 0.99998, QDate(2024, 5, 17), factory), 0);
    QCOMPARE(mBoard->lastCommand(), store);
    QCOMPARE(stored.count(), 1);
    QCOMPARE(stored.at(0).at(0).value<EnCalItemID>(), ci100R);

    double offset = NaN;
    double slope = NaN;
    QDate date;
    QVERIFY(mBoard->handler().twoPointCalibrationItemData(ci100R, offset, slope, date, factory));
    QCOMPARE(mBoard->lastCommand(), query);
    QCOMPARE(offset, 1.2345e-3);
    QCOMPARE(slope, 0.99998);
    QCOMPARE(date, QDate(2024, 5, 17));
}

void tst_ProbeMemoryCommands::twoPointCalibrationStoreRefused()
{
    QSignalSpy stored(&mBoard->handler(), &TInternalSCPIHandler::twoPointCalibrationItemStored);
    // The board knows items 1 to 7 only.
    QCOMPARE(mBoard->handler().storeTwoPointCalibrationItemData(EnCalItemID(8), 0.0, 1.0, QDate(2024, 5, 17), false),
             5);
    mBoard->injectReply("E9");
    QCOMPARE(mBoard->handler().storeTwoPointCalibrationItemData(ci25R, 0.0, 1.0, QDate(2024, 5, 17), false), 9);
    mBoard->board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = -1; });
    QCOMPARE(mBoard->handler().storeTwoPointCalibrationItemData(ci25R, 0.0, 1.0, QDate(2024, 5, 17), false), -1);
    QCOMPARE(stored.count(), 0);
}

void tst_ProbeMemoryCommands::twoPointCalibrationReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("factory");
    QTest::addColumn<bool>("result");
    QTest::addColumn<double>("offset");
    QTest::addColumn<double>("slope");
    QTest::addColumn<QDate>("date");
    const QDate before(1999, 1, 1);
    QTest::newRow("user item never calibrated: date 0,0,0 accepted")
        << QByteArray("0.000000000000e+00,1.000000000000e+00,0,0,0") << false << true << 0.0 << 1.0 << QDate();
    QTest::newRow("factory item without date refused")
        << QByteArray("0.000000000000e+00,1.000000000000e+00,0,0,0") << true << false << 0.0 << 1.0 << QDate();
    QTest::newRow("factory item with date")
        << QByteArray("2.5e-03,1.00001,2021,3,10") << true << true << 2.5e-3 << 1.00001 << QDate(2021, 3, 10);
    QTest::newRow("four fields") << QByteArray("2.5e-03,1.00001,2021,3") << false << false << 7.0 << 7.0 << before;
    QTest::newRow("slope no number: offset already read")
        << QByteArray("2.5e-03,x,2021,3,10") << false << false << 2.5e-3 << 7.0 << before;
    QTest::newRow("error reply") << QByteArray("E5") << false << false << 7.0 << 7.0 << before;
}

void tst_ProbeMemoryCommands::twoPointCalibrationReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, factory);
    QFETCH(bool, result);
    QFETCH(double, offset);
    QFETCH(double, slope);
    QFETCH(QDate, date);
    mBoard->injectReply(reply);
    double readOffset = 7.0;
    double readSlope = 7.0;
    QDate readDate(1999, 1, 1);
    QCOMPARE(mBoard->handler().twoPointCalibrationItemData(ci25R, readOffset, readSlope, readDate, factory), result);
    QCOMPARE(readOffset, offset);
    QCOMPARE(readSlope, slope);
    QCOMPARE(readDate.isValid(), date.isValid());
    if (date.isValid())
        QCOMPARE(readDate, date);
}

void tst_ProbeMemoryCommands::coldJunctionRoundTrip_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("factory");
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QByteArray>("query");
    QTest::newRow("user offset of channel 4")
        << 4 << false << QByteArray("cal:cjc 4,-1.230000000000e-02,2024,5,17") << QByteArray("cal:cjc? 4");
    QTest::newRow("factory offset of the expansion channel")
        << 6 << true << QByteArray("cal:fact:cjc 6,-1.230000000000e-02,2024,5,17") << QByteArray("cal:fact:cjc? 6");
}

void tst_ProbeMemoryCommands::coldJunctionRoundTrip()
{
    QFETCH(int, channel);
    QFETCH(bool, factory);
    QFETCH(QByteArray, store);
    QFETCH(QByteArray, query);
    TTCChannel thermocoupleChannel(nullptr, 1, channel, QString::number(channel));
    TInternalSCPIHandler& handler = mBoard->handler();
    QList<const TAbstractChannel*> stored;
    connect(&handler, &TInternalSCPIHandler::cjcOffsetStored, this,
            [&stored](const TAbstractChannel& pChannel) { stored << &pChannel; });
    QCOMPARE(handler.storeCJCOffset(thermocoupleChannel, -0.0123, QDate(2024, 5, 17), factory), 0);
    QCOMPARE(mBoard->lastCommand(), store);
    QCOMPARE(stored, QList<const TAbstractChannel*>{&thermocoupleChannel});

    double offset = NaN;
    QDate date;
    QCOMPARE(handler.cjcOffset(thermocoupleChannel, offset, date, factory), 0);
    QCOMPARE(mBoard->lastCommand(), query);
    QCOMPARE(offset, -0.0123);
    QCOMPARE(date, QDate(2024, 5, 17));
}

void tst_ProbeMemoryCommands::coldJunctionOnAChannelWithoutJunction()
{
    const TPRTChannel resistanceChannel(nullptr, 1, 1, QStringLiteral("1"), {w4wire});
    TInternalSCPIHandler& handler = mBoard->handler();
    int stored = 0;
    connect(&handler, &TInternalSCPIHandler::cjcOffsetStored, this, [&stored] { ++stored; });
    QCOMPARE(handler.storeCJCOffset(resistanceChannel, 0.01, QDate(2024, 5, 17), false), 14);
    QCOMPARE(stored, 0);
    double offset = 0.0;
    QDate date(2000, 1, 1);
    QCOMPARE(handler.cjcOffset(resistanceChannel, offset, date, false), 14);
    QVERIFY(std::isnan(offset));
    QVERIFY(date.isNull());
}

void tst_ProbeMemoryCommands::coldJunctionReplies_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("result");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QDate>("date");
    QTest::newRow("offset and date") << QByteArray("1.2e-02,2024,5,17") << 0 << 0.012 << QDate(2024, 5, 17);
    QTest::newRow("never calibrated") << QByteArray("0.0,0,0,0") << 0 << 0.0 << QDate();
    QTest::newRow("board has no value") << QByteArray("nan,2024,5,17") << 0 << NaN << QDate(2024, 5, 17);
    QTest::newRow("three fields") << QByteArray("1.2e-02,2024,5") << -1 << NaN << QDate();
    QTest::newRow("offset that is no number is no zero offset") << QByteArray("abc,2024,5,17") << -1 << NaN << QDate();
    QTest::newRow("error reply") << QByteArray("E14") << 14 << NaN << QDate();
}

void tst_ProbeMemoryCommands::coldJunctionReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, result);
    QFETCH(double, offset);
    QFETCH(QDate, date);
    const TTCChannel channel(nullptr, 1, 3, QStringLiteral("3"));
    mBoard->injectReply(reply);
    double readOffset = 5.0;
    QDate readDate(2000, 1, 1);
    QCOMPARE(mBoard->handler().cjcOffset(channel, readOffset, readDate, false), result);
    if (std::isnan(offset))
        QVERIFY(std::isnan(readOffset));
    else
        QCOMPARE(readOffset, offset);
    QCOMPARE(readDate.isValid(), date.isValid());
    if (date.isValid())
        QCOMPARE(readDate, date);
}

void tst_ProbeMemoryCommands::restoreFactoryCalibration_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("result");
    QTest::newRow("the simulated board's answer") << QByteArray() << true;
    QTest::newRow("answered 1") << QByteArray("1") << true;
    QTest::newRow("answered 0") << QByteArray("0") << false;
    QTest::newRow("answered E5") << QByteArray("E5") << false;
}

void tst_ProbeMemoryCommands::restoreFactoryCalibration()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, result);
    if (!reply.isEmpty())
        mBoard->injectReply(reply);
    QCOMPARE(mBoard->handler().restoreFactoryCalibration(), result);
    QCOMPARE(mBoard->commands(), QList<QByteArray>{"cal:rese"});
}

void tst_ProbeMemoryCommands::restoredUserDataIsTheFactoryData()
{
    TInternalSCPIHandler& handler = mBoard->handler();
    QCOMPARE(handler.storeTwoPointCalibrationItemData(ciTCchan3, 0.5, 1.5, QDate(2024, 5, 17), false), 0);
    QVERIFY(handler.restoreFactoryCalibration());
    double userOffset = NaN, userSlope = NaN, factoryOffset = NaN, factorySlope = NaN;
    QDate userDate, factoryDate;
    QVERIFY(handler.twoPointCalibrationItemData(ciTCchan3, userOffset, userSlope, userDate, false));
    QVERIFY(handler.twoPointCalibrationItemData(ciTCchan3, factoryOffset, factorySlope, factoryDate, true));
    QCOMPARE(userOffset, factoryOffset);
    QCOMPARE(userSlope, factorySlope);
    QCOMPARE(userDate, factoryDate);
    QVERIFY(userOffset != 0.5);
}

TAMARIND_TEST_MAIN(tst_ProbeMemoryCommands)
#include "tst_probememorycommands.moc"
