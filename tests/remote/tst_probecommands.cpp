#include "authorizationcontroller.h"
#include "channel.h"
#include "channelcontroller.h"
#include "externalcommunicationhandler.h"
#include "instrumentinfo.h"
#include "messagerecorder.h"
#include "probe.h"
#include "probecontroller.h"
#include "probecontrollerfixture.h"
#include "recordinginterface.h"
#include "testidentity.h"
#include "testsupport.h"

#include <QLabel>
#include <QScrollArea>

#include <memory>

// The remote probe groups ("prob:", "sens:tc:", "sens:ther:") through the real
// handler on the probe database loaded from the simulated board: what a
// client reads, what reaches the board and what the local probe holds after.
class tst_ProbeCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void commonCourse_data();
    void commonCourse();
    void valueChecks_data();
    void valueChecks();
    void replies_data();
    void replies();
    void changeReachesTheLocalProbe_data();
    void changeReachesTheLocalProbe();
    void boardRefusalLeavesTheProbeAlone();
    void wiringTheInputCannotMeasureIsRefused();
    void millivoltConversionFollowsTheMeasuredChannel();
    void operatingCurrentOnlyOnTheThirdVariant();
    void thermistorListWithDefaultProbeOnly();
    void overdueProbeIsAssignedWithoutAsking();

private:
    void addColumns();
    void exchange();
    QByteArray send(const QByteArray& pLine);
    // The probe commands the board received since the last call.
    QStringList boardCommands();

    std::unique_ptr<TProbeControllerFixture> mFixture;
    std::unique_ptr<TExternalCommunicationHandler> mHandler;
    std::unique_ptr<TRecordingInterface> mClient;
    int mSeenCommands = 0;
    int mFourWireOnlyChannel = 0;
};

namespace
{
// Probe records as the board keeps them: sensor (0 Pt25, 1 Pt100, 2
// thermistor, 3 to 12 thermocouple types), name, Tmax, Tmin, conversion, 18
// coefficient slots (thermocouple polynomial coefficients negated), resistor
// or junction code (junctions counted from 1), reference channel, calibration
// year, month, day, wiring, reference flag (1 no, 2 yes), channel, keep-warm.
// Probes that get assigned have no calibration date: an old one would stop
// the assignment at the overdue warning.
QString record(const QString& pHead, const QStringList& pSlots, const QString& pTail)
{
    QStringList values = pSlots;
    while (values.size() < 18)
        values << QStringLiteral("0");
    return pHead + QLatin1Char(',') + values.join(QLatin1Char(',')) + QLatin1Char(',') + pTail;
}

const QStringList CVD_PT100{"100.5", "3.90830e-03", "-5.77500e-07", "-4.18300e-12"};
const QStringList ITS90_PT25{"25.5",         "-1.23456e-04", "2.50000e-05", "3.25000e-06",
                             "-4.50000e-07", "5.75000e-08",  "-6.12500e-09"};

struct TSlotRecord
{
    int mNumber;
    QString mRecord;
};

const TSlotRecord PROBES[] = {
    {1, record("1,Bath A,450.0,-200.0,2", CVD_PT100, "1,0,2021,3,5,2,1,0,2")},
    {2, record("0,SPRT 2,660.0,-200.0,3", ITS90_PT25, "1,0,0,0,0,2,1,0,2")},
    {3, record("1,Standard,450.0,-200.0,1", CVD_PT100, "3,0,2020,1,1,2,1,0,2")},
    {4, record("1,Switch box,450.0,-200.0,1", CVD_PT100, "3,0,0,0,0,2,1,0,2")},
    {5, record("1,Spare,450.0,-200.0,2", CVD_PT100, "1,0,0,0,0,2,1,0,2")},
    // Range a: -200 to 100 with A0 0.5, A1 unset.
    {10, record("8,TC K Oven,1200.0,-200.0,2", {"-200", "100", "-5.00000e-01", "nan", "1.00000e-03"},
                "1,0,2022,6,30,0,1,0,2")},
    // Reference junction on channel 1.
    {11, record("8,TC on channel,1200.0,-200.0,1", {}, "3,1,0,0,0,0,1,0,2")},
    {12, record("9,TC spare,1300.0,-200.0,1", {}, "1,0,0,0,0,0,1,0,2")},
    {20, record("2,NTC SH,150.0,-50.0,2", {"1.12870e-03", "2.34120e-04", "8.77500e-08"}, "0,0,2023,1,2,0,1,0,2")},
    {21, record("2,NTC poly,150.0,-50.0,3", {"1.00000e+00", "-2.50000e-02", "3.75000e-04", "-5.00000e-06"},
                "0,0,0,0,0,0,1,0,2")},
    {22, record("2,NTC table,150.0,-50.0,1", {}, "0,0,0,0,0,0,1,0,2")},
};

QByteArray line(const QByteArray& pText)
{
    return pText + "\r\n";
}
} // namespace

void tst_ProbeCommands::initTestCase()
{
    // The service levels as the main window sets them up when the settings name none.
    TAuthorizationController::instance().addLevel(QLatin1String(TAuthorizationController::FACTORY_DIGEST_LEVEL1));
    TAuthorizationController::instance().addLevel(QLatin1String(TAuthorizationController::FACTORY_DIGEST_LEVEL2));
    TAMARIND_MAKE_FIXTURE(mFixture);
    // Probe records carry the operating current setting on this variant.
    QVERIFY(identifyBoardAs(mFixture->board(), ZTM9900));
    TSimulatedSwitchBox box;
    box.mType = sbtSWX6300_PRT8;
    mFixture->board().board().fitSwitchBox(1, box);
    bool filled = true;
    mFixture->board().board().withState([&filled](TBoardState& pState) {
        for (const TSlotRecord& probe : PROBES)
            filled = pState.mProbeMemory.fillSlot(probe.mNumber, probe.mRecord) && filled;
    });
    QVERIFY(filled);
    TProbeController& probes = mFixture->buildProbes();
    QVERIFY(probes.probeByNumber(10));
    QVERIFY(probes.probeByNumber(22));
    mHandler = std::make_unique<TExternalCommunicationHandler>(&mFixture->board().handler(), &mFixture->controller(),
                                                               &probes, nullptr, nullptr);
    mClient = std::make_unique<TRecordingInterface>(mHandler.get());
    QCOMPARE(send("syst:remo"), QByteArray());

    // The resistance inputs of the switch box take four-wire probes only.
    for (int number = 1; number < 200 && !mFourWireOnlyChannel; ++number) {
        auto* channel = qobject_cast<TPRTChannel*>(mFixture->controller().physical_channel(number));
        if (channel && !channel->wiringSupported(Probe_enums::w3wire))
            mFourWireOnlyChannel = number;
    }
    QVERIFY(mFourWireOnlyChannel > 0);
}

void tst_ProbeCommands::init()
{
    QCOMPARE(send("syst:ackn 1"), line("ACK"));
    boardCommands();
}

void tst_ProbeCommands::cleanup()
{
    TAuthorizationController::instance().resetLevel();
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults = TBoardFaults(); });
}

void tst_ProbeCommands::cleanupTestCase()
{
    mClient.reset();
    mHandler.reset();
    mFixture.reset();
}

QByteArray tst_ProbeCommands::send(const QByteArray& pLine)
{
    mClient->takeSent();
    mClient->receive(pLine + "\r");
    return mClient->takeSent();
}

QStringList tst_ProbeCommands::boardCommands()
{
    const QList<QByteArray> all = mFixture->board().commands();
    QStringList commands;
    for (int index = mSeenCommands; index < all.size(); ++index) {
        // The channel controller's own reads are no concern of these commands.
        if (!all.at(index).startsWith("meas:"))
            commands << QString::fromLatin1(all.at(index));
    }
    mSeenCommands = all.size();
    return commands;
}

void tst_ProbeCommands::addColumns()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("board");
}

// One command at the row's access level: the client's whole answer and every
// command that went to the board for it.
void tst_ProbeCommands::exchange()
{
    QFETCH(QByteArray, command);
    QFETCH(int, level);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, board);
    static const char* const PASSWORDS[] = {"", "service4711", "factory2357"};
    if (level > 0)
        QCOMPARE(TAuthorizationController::instance().enterLevel(QLatin1String(PASSWORDS[level])), level);
    QCOMPARE(send(command), reply);
    QCOMPARE(boardCommands(), board);
}

void tst_ProbeCommands::commonCourse_data()
{
    addColumns();
    const QByteArray ack = line("ACK");
    const QByteArray e4 = line("E4");
    const QByteArray e5 = line("E5");
    const QByteArray e9 = line("E9");
    const QByteArray e13 = line("E13");
    const QByteArray e14 = line("E14");
    const QStringList none;

    QTest::newRow("prt: number not an integer") << QByteArray("prob:tmax? x") << 0 << e5 << none;
    QTest::newRow("prt: no such probe") << QByteArray("prob:tmax? 99") << 0 << e9 << none;
    QTest::newRow("prt: empty custom slot") << QByteArray("prob:tmax? 7") << 0 << e9 << none;
    QTest::newRow("prt: default thermistor") << QByteArray("prob:tmax? 84") << 0 << e9 << none;
    QTest::newRow("prt: thermocouple number") << QByteArray("prob:iden? 10") << 0 << e9 << none;
    QTest::newRow("prt: default probe refused") << QByteArray("prob:conv 81,2") << 0 << e9 << none;
    QTest::newRow("prt: default probe allowed")
        << QByteArray("prob:curr 81,2") << 0 << ack << QStringList{"prob:curr 81,1", "prob:read? 81"};
    QTest::newRow("prt: name judged before the default") << QByteArray("prob:iden 81,Sensor_A") << 0 << e5 << none;
    QTest::newRow("prt: name of 21 characters") << QByteArray("prob:iden 1,ABCDEFGHIJKLMNOPQRSTU") << 0 << e5 << none;
    QTest::newRow("prt: name for no probe") << QByteArray("prob:iden 99,Name") << 0 << e9 << none;
    QTest::newRow("prt: calibration date below level 1") << QByteArray("prob:cal:date") << 0 << e13 << none;
    QTest::newRow("prt: too few parameters") << QByteArray("prob:tmax 1") << 0 << e5 << none;
    QTest::newRow("prt: extra parameters ignored") << QByteArray("prob:type? 1,2,3") << 0 << line("1") << none;
    QTest::newRow("prt: long header") << QByteArray("probe:identifier? 1") << 0 << line("Bath A") << none;
    QTest::newRow("prt: short and long nodes mixed") << QByteArray("prob:identifier? 1") << 0 << e4 << none;
    QTest::newRow("prt: assignment by channel list")
        << QByteArray("prob:assi 5,(@2)") << 0 << ack << QStringList{"prob:assi 5,2"};
    QTest::newRow("prt: assignment to a derived channel") << QByteArray("prob:assi 5,9") << 0 << e14 << none;
    QTest::newRow("prt: assignment of no number") << QByteArray("prob:assi x,1") << 0 << e9 << none;
    QTest::newRow("prt: assignment of a thermocouple") << QByteArray("prob:assi 12,1") << 0 << e14 << none;

    QTest::newRow("tc: number not an integer") << QByteArray("sens:tc:iden? x") << 0 << e5 << none;
    QTest::newRow("tc: no such probe") << QByteArray("sens:tc:iden? 99") << 0 << e9 << none;
    QTest::newRow("tc: resistance thermometer number") << QByteArray("sens:tc:iden? 1") << 0 << e9 << none;
    QTest::newRow("tc: default probe refused") << QByteArray("sens:tc:type 85,8") << 0 << e9 << none;
    QTest::newRow("tc: default probe allowed")
        << QByteArray("sens:tc:refe 85,1") << 0 << ack << QStringList{"sens:tc:refe 85,1", "prob:read? 85"};
    QTest::newRow("tc: calibration date below level 1") << QByteArray("sens:tc:cal:date") << 0 << e13 << none;
    QTest::newRow("tc: assignment of no number") << QByteArray("sens:tc:assi x,3") << 0 << e9 << none;
    QTest::newRow("tc: assignment of a resistance thermometer") << QByteArray("sens:tc:assi 1,3") << 0 << e14 << none;
    QTest::newRow("tc: reference query with semicolon")
        << QByteArray("sense:tcouple;reference? 10") << 0 << line("0") << none;
    QTest::newRow("tc: reference query with colon") << QByteArray("sense:tcouple:reference? 10") << 0 << e4 << none;

    QTest::newRow("thermistor: thermocouple number") << QByteArray("sens:ther:iden? 10") << 0 << e9 << none;
    QTest::newRow("thermistor: no such probe") << QByteArray("sens:ther:iden? 99") << 0 << e9 << none;
    QTest::newRow("thermistor: number not an integer") << QByteArray("sens:ther:iden? x") << 0 << e5 << none;
    QTest::newRow("thermistor: default probe refused") << QByteArray("sens:ther:tmin 84,0") << 0 << e9 << none;
    QTest::newRow("thermistor: default probe allowed")
        << QByteArray("sens:ther:refe 84,1") << 0 << ack << QStringList{"sens:ther:refe 84,1", "prob:read? 84"};
    QTest::newRow("thermistor: calibration date below level 1")
        << QByteArray("sens:ther:cal:date 20") << 0 << e13 << none;
    QTest::newRow("thermistor: range of the default probe")
        << QByteArray("sens:ther:rang? 84") << 0 << line("1") << QStringList{"sens:ther:rang? 84"};
}

void tst_ProbeCommands::commonCourse()
{
    exchange();
}

void tst_ProbeCommands::valueChecks_data()
{
    addColumns();
    const QByteArray ack = line("ACK");
    const QByteArray e5 = line("E5");
    const QByteArray e10 = line("E10");
    const QStringList none;

    QTest::newRow("tc type C") << QByteArray("sens:tc:type 12,4") << 0 << e5 << none;
    QTest::newRow("tc type D") << QByteArray("sens:tc:type 12,5") << 0 << e5 << none;
    QTest::newRow("tc type B") << QByteArray("sens:tc:type 12,3") << 0 << ack
                               << QStringList{"sens:tc:type 12,3", "prob:read? 12"};
    QTest::newRow("tc type T") << QByteArray("sens:tc:type 12,12") << 0 << ack
                               << QStringList{"sens:tc:type 12,12", "prob:read? 12"};
    QTest::newRow("tc type by its low 16 bits")
        << QByteArray("sens:tc:type 12,65544") << 0 << ack << QStringList{"sens:tc:type 12,8", "prob:read? 12"};
    QTest::newRow("tc junction on channel without channel") << QByteArray("sens:tc:comp 12,2") << 0 << e5 << none;
    QTest::newRow("tc junction on a thermocouple channel") << QByteArray("sens:tc:comp 12,2,3") << 0 << e5 << none;
    QTest::newRow("tc junction on a resistance channel")
        << QByteArray("sens:tc:comp 12,2,(@2)") << 0 << ack << QStringList{"sens:tc:comp 12,2,2", "prob:read? 12"};
    QTest::newRow("tc internal junction ignores a channel")
        << QByteArray("sens:tc:comp 12,0,5") << 0 << ack << QStringList{"sens:tc:comp 12,0", "prob:read? 12"};
    QTest::newRow("tc junction code 3") << QByteArray("sens:tc:comp 12,3") << 0 << e5 << none;
    QTest::newRow("tc coefficient index 19") << QByteArray("sens:tc:coef 12,19,1") << 0 << e10 << none;
    QTest::newRow("tc coefficient value no number") << QByteArray("sens:tc:coef 12,19,x") << 0 << e5 << none;
    QTest::newRow("tc limit 9999") << QByteArray("sens:tc:tmax 12,9999") << 0 << ack
                                   << QStringList{"sens:tc:tmax 12,9999", "prob:read? 12"};
    QTest::newRow("tc limit 10000") << QByteArray("sens:tc:tmax 12,10000") << 0 << e5 << none;
    QTest::newRow("tc millivolt below level 2") << QByteArray("sens:tc:mv 1") << 1 << line("E13") << none;

    QTest::newRow("prt conversion 2.0") << QByteArray("prob:conv 5,2.0") << 0 << e5 << none;
    QTest::newRow("prt conversion 5") << QByteArray("prob:conv 5,5") << 0 << e5 << none;
    QTest::newRow("prt conversion 65537") << QByteArray("prob:conv 5,65537") << 0 << e5 << none;
    QTest::newRow("prt conversion CVD") << QByteArray("prob:conv 5,2") << 0 << ack
                                        << QStringList{"prob:conv 5,2", "prob:read? 5"};
    QTest::newRow("prt automatic resistor") << QByteArray("prob:refe 5,1") << 0 << e5 << none;
    QTest::newRow("prt limit -1000") << QByteArray("prob:tmin 5,-1000") << 0 << e5 << none;
    QTest::newRow("prt limit not a number") << QByteArray("prob:tmin 5,nan") << 0 << e5 << none;
    QTest::newRow("prt Tmin above Tmax") << QByteArray("prob:tmin 5,500") << 0 << ack
                                         << QStringList{"prob:tmin 5,500", "prob:read? 5"};
    QTest::newRow("prt reference flag 2") << QByteArray("prob:stat:refe 5,2") << 0 << e5 << none;
    QTest::newRow("prt coefficient value missing") << QByteArray("prob:coef 5,5") << 0 << e5 << none;
    QTest::newRow("prt coefficient beyond CVD") << QByteArray("prob:coef 5,5,1.0") << 0 << e10 << none;
    QTest::newRow("prt coefficient C") << QByteArray("prob:coef 5,4,-4.2e-12") << 0 << ack
                                       << QStringList{"prob:coef 5,4,-4.2e-12", "prob:read? 5"};
    QTest::newRow("prt type 2") << QByteArray("prob:type 5,2") << 0 << e5 << none;
    QTest::newRow("prt 30 February") << QByteArray("prob:cal:date 5,2021,2,30") << 1 << e5 << none;
    QTest::newRow("prt calibration date") << QByteArray("prob:cal:date 5,2021,3,5") << 1 << ack
                                          << QStringList{"prob:cal:date 5,2021,03,05", "prob:read? 5"};

    QTest::newRow("thermistor conversion 0") << QByteArray("sens:ther:conv 22,0") << 0 << e5 << none;
    QTest::newRow("thermistor conversion 4") << QByteArray("sens:ther:conv 22,4") << 0 << e5 << none;
    QTest::newRow("thermistor conversion none")
        << QByteArray("sens:ther:conv 22,1") << 0 << ack << QStringList{"sens:ther:conv 22,1", "prob:read? 22"};
    QTest::newRow("thermistor coefficient d on Steinhart-Hart")
        << QByteArray("sens:ther:coef 20,4,1.0") << 0 << e10 << none;
    QTest::newRow("thermistor coefficient value missing") << QByteArray("sens:ther:coef 20,4") << 0 << e5 << none;
}

void tst_ProbeCommands::valueChecks()
{
    exchange();
}

void tst_ProbeCommands::replies_data()
{
    addColumns();
    const QByteArray e10 = line("E10");
    const QStringList none;

    QTest::newRow("prt list") << QByteArray("prob:list?") << 0
                              << line("1:Bath A,2:SPRT 2,3:Standard,4:Switch box,5:Spare,81:PT100 3-wire,"
                                      "82:PT100 4-wire,83:PT25 4-wire")
                              << none;
    QTest::newRow("tc list") << QByteArray("sens:tc:list?") << 0
                             << line("10:TC K Oven,11:TC on channel,12:TC spare,85:Thermocouple K") << none;
    QTest::newRow("thermistor list") << QByteArray("sense:thermistor:list?") << 0
                                     << line("20:NTC SH,21:NTC poly,22:NTC table,84:Thermistor 10k") << none;

    QTest::newRow("tc range limit") << QByteArray("sens:tc:coef? 10,1") << 0 << line("-200") << none;
    QTest::newRow("tc coefficient A0") << QByteArray("sens:tc:coef? 10,3") << 0 << line("5.00000e-01") << none;
    QTest::newRow("tc coefficient index 19") << QByteArray("sens:tc:coef? 10,19") << 0 << e10 << none;
    QTest::newRow("tc unset coefficient") << QByteArray("sens:tc:coef? 10,4") << 0 << e10 << none;
    QTest::newRow("tc junction on channel 1") << QByteArray("sens:tc:comp? 11") << 0 << line("2,1") << none;
    QTest::newRow("tc internal junction") << QByteArray("sens:tc:comp? 10") << 0 << line("0") << none;
    QTest::newRow("tc calibration date") << QByteArray("sens:tc:cal:date? 10") << 0 << line("2022,06,30") << none;
    QTest::newRow("tc type") << QByteArray("sens:tc:type? 10") << 0 << line("8") << none;

    QTest::newRow("thermistor c on Steinhart-Hart")
        << QByteArray("sens:ther:coef? 20,3") << 0 << line("8.77500e-08") << none;
    QTest::newRow("thermistor d on Steinhart-Hart") << QByteArray("sens:ther:coef? 20,4") << 0 << e10 << none;
    QTest::newRow("thermistor c3 on polynomial")
        << QByteArray("sens:ther:coef? 21,4") << 0 << line("-5.00000e-06") << none;
    QTest::newRow("thermistor without conversion") << QByteArray("sens:ther:coef? 22,1") << 0 << e10 << none;
    QTest::newRow("thermistor current") << QByteArray("sens:ther:curr? 20") << 0 << line("1")
                                        << QStringList{"sens:ther:curr? 20"};

    QTest::newRow("prt R0 of CVD") << QByteArray("prob:coef? 1,1") << 0 << line("100.5") << none;
    QTest::newRow("prt beyond CVD") << QByteArray("prob:coef? 1,5") << 0 << e10 << none;
    QTest::newRow("prt D' of ITS-90") << QByteArray("prob:coef? 2,7") << 0 << line("-6.12500e-09") << none;
    QTest::newRow("prt EN 60751") << QByteArray("prob:coef? 3,1") << 0 << e10 << none;
    QTest::newRow("prt automatic resistor on Pt25") << QByteArray("prob:refe? 2") << 0 << line("2") << none;
    QTest::newRow("prt automatic resistor on Pt100") << QByteArray("prob:refe? 1") << 0 << line("3") << none;
    QTest::newRow("prt automatic current on Pt100") << QByteArray("prob:conf:curr? 1") << 0 << line("2") << none;
    QTest::newRow("prt automatic current on Pt25") << QByteArray("prob:conf:curr? 2") << 0 << line("3") << none;
    QTest::newRow("prt calibration date") << QByteArray("prob:cal:date? 1") << 0 << line("2021,03,05") << none;
    QTest::newRow("prt no calibration date") << QByteArray("prob:cal:date? 2") << 0 << line("0,0,0") << none;
    QTest::newRow("prt wiring") << QByteArray("prob:term? 1") << 0 << line("2") << none;
    QTest::newRow("prt limit") << QByteArray("prob:tmax? 1") << 0 << line("450") << none;
    QTest::newRow("prt board current") << QByteArray("prob:curr? 1") << 0 << line("1") << QStringList{"prob:curr? 1"};
}

void tst_ProbeCommands::replies()
{
    exchange();
}

void tst_ProbeCommands::changeReachesTheLocalProbe_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("probe");
    // What changes on the local probe, and how it stands after the command.
    QTest::addColumn<QString>("aspect");
    QTest::addColumn<QString>("local");
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("reference flag") << QByteArray("prob:stat:refe 1,1") << 1 << "reference"
                                    << "1" << QByteArray("prob:stat:refe? 1") << line("1");
    QTest::newRow("name") << QByteArray("prob:iden 1,Bath B") << 1 << "name"
                          << "Bath B" << QByteArray("prob:iden? 1") << line("Bath B");
    // 1 mA with the root-2 factor.
    QTest::newRow("root-2 factor on") << QByteArray("prob:curr 5,2") << 5 << "root 2"
                                      << "1" << QByteArray("prob:curr? 5") << line("3");
    QTest::newRow("root-2 factor off") << QByteArray("prob:curr 5,1") << 5 << "root 2"
                                       << "0" << QByteArray("prob:curr? 5") << line("1");
    QTest::newRow("thermocouple assignment") << QByteArray("sens:tc:assi 12,(@4)") << 12 << "channel"
                                             << "4" << QByteArray("sens:tc:assi? 12") << line("4");
}

// What the board took is read back into the local probe, and a query tells it.
void tst_ProbeCommands::changeReachesTheLocalProbe()
{
    QFETCH(QByteArray, command);
    QFETCH(int, probe);
    QFETCH(QString, aspect);
    QFETCH(QString, local);
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, reply);

    TAbstractProbe* changed = mFixture->probes().probeByNumber(probe);
    QCOMPARE(send(command), line("ACK"));
    QString state;
    if (aspect == "reference")
        state = changed->isReference() ? "1" : "0";
    else if (aspect == "name")
        state = changed->probeName();
    else if (aspect == "root 2")
        state = qobject_cast<TPRTProbe*>(changed)->factorRoot2() ? "1" : "0";
    else if (mFixture->controller().physical_channel(local.toInt())->assignedProbe() == changed)
        state = local;
    QCOMPARE(state, local);
    QCOMPARE(send(query), reply);

    // A new name reaches the probe menu's row as well.
    if (aspect == "name") {
        QStringList shown;
        for (const QLabel* label : mFixture->ui().scrollAreaProbeMenu->findChildren<QLabel*>())
            shown << label->text();
        QVERIFY2(shown.contains(local) && !shown.contains(QStringLiteral("Bath A")),
                 qPrintable(shown.join(QLatin1Char('|'))));
    }
}

void tst_ProbeCommands::boardRefusalLeavesTheProbeAlone()
{
    TAbstractProbe* probe = mFixture->probes().probeByNumber(3);
    const double tmax = probe->Tmax();
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults.mNakCommands = -1; });
    QCOMPARE(send("prob:tmax 3,300"), line("E14"));
    QCOMPARE(send("sens:ther:rang? 20"), line("-1"));
    mFixture->board().board().withFaults([](TBoardFaults& pFaults) { pFaults = TBoardFaults(); });
    QCOMPARE(probe->Tmax(), tmax);
    QCOMPARE(send("prob:tmax? 3"), line("450"));
}

void tst_ProbeCommands::wiringTheInputCannotMeasureIsRefused()
{
    const QByteArray assign = "prob:assi 4," + QByteArray::number(mFourWireOnlyChannel);
    QCOMPARE(send(assign), line("ACK"));
    boardCommands();
    QCOMPARE(send("prob:term 4,1"), line("E5"));
    QCOMPARE(boardCommands(), QStringList());
    QCOMPARE(send("prob:term 4,2"), line("ACK"));
    QCOMPARE(boardCommands(), (QStringList{"prob:term 4,2", "prob:read? 4"}));
    // A probe on no channel may take either wiring.
    QCOMPARE(send("prob:term 3,1"), line("ACK"));
    QCOMPARE(boardCommands(), (QStringList{"prob:term 3,1", "prob:read? 3"}));
    QCOMPARE(send("prob:term? 3"), line("1"));
}

void tst_ProbeCommands::millivoltConversionFollowsTheMeasuredChannel()
{
    TChannelController& channels = mFixture->controller();
    QCOMPARE(send("syst:ackn 0"), line("ACK"));
    QCOMPARE(TAuthorizationController::instance().enterLevel(QStringLiteral("factory2357")), 2);
    QVERIFY(channels.measureChannel(channels.physical_channel(3)));
    boardCommands();
    QCOMPARE(send("sens:tc:mv 1"), line("ACK"));
    QCOMPARE(boardCommands(), QStringList{"sens:tc:mv 1"});
    QVERIFY(channels.measureChannel(channels.physical_channel(1)));
    boardCommands();
    QCOMPARE(send("sens:tc:mv 0"), line("E14"));
    QCOMPARE(boardCommands(), QStringList());
}

void tst_ProbeCommands::operatingCurrentOnlyOnTheThirdVariant()
{
    QVERIFY(identifyBoardAs(mFixture->board(), ZTM8800));
    QCOMPARE(send("prob:conf:curr? 1"), line("E4"));
    QCOMPARE(send("prob:conf:curr 1,2"), line("E4"));
    // Without an identity from the board the instrument counts as the first variant.
    TInstrumentInfo::instance()->initialize(nullptr);
    QCOMPARE(send("prob:conf:curr? 1"), line("E4"));
    QVERIFY(identifyBoardAs(mFixture->board(), ZTM9900));
    boardCommands();
    QCOMPARE(send("prob:conf:curr 1,3"), line("ACK"));
    QCOMPARE(boardCommands(), (QStringList{"prob:conf:curr 1,3", "prob:read? 1"}));
    QCOMPARE(send("prob:conf:curr? 1"), line("3"));
    QCOMPARE(send("prob:conf:curr 1,0"), line("E5"));
}

void tst_ProbeCommands::thermistorListWithDefaultProbeOnly()
{
    TProbeControllerFixture fixture;
    QVERIFY(identifyBoardAs(fixture.board(), ZTM9900));
    TExternalCommunicationHandler handler(&fixture.board().handler(), &fixture.controller(), &fixture.buildProbes(),
                                          nullptr, nullptr);
    TRecordingInterface client(&handler);
    client.receive("syst:remo\rsens:ther:list?\rsens:tc:list?\r");
    QCOMPARE(client.takeSent(), QByteArray("84:Thermistor 10k\r\n85:Thermocouple K\r\n"));
    QVERIFY(identifyBoardAs(mFixture->board(), ZTM9900));
}

void tst_ProbeCommands::overdueProbeIsAssignedWithoutAsking()
{
    // Probe 1 was last calibrated in March 2021. Nobody may be at the screen:
    // the client gets its answer and the local warning is not raised.
    TAbstractProbe* probe = mFixture->probes().probeByNumber(1);
    TMessageRecorder messages;
    QCOMPARE(send("prob:assi 1,2"), line("ACK"));
    QCOMPARE(messages.count(), 0);
    QCOMPARE(mFixture->controller().physical_channel(2)->assignedProbe(), probe);
    QCOMPARE(send("prob:assi? 1"), line("2"));

    // A local assignment of the same probe still warns.
    mFixture->probes().assignProbeToChannel(probe, mFixture->controller().physical_channel(1), true);
    QCoreApplication::processEvents();
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.texts().first().startsWith("WARNING: the last calibration of probe "));
}

TAMARIND_TEST_MAIN(tst_ProbeCommands)
#include "tst_probecommands.moc"
