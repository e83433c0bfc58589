#include "internalscpihandler.h"
#include "measurementboardinfo.h"
#include "samevalue.h"
#include "simulatedboardlink.h"
#include "testsupport.h"

#include <QSignalSpy>

#include <cmath>

namespace
{
const double NaN = std::nan("");
} // namespace

class tst_InternalSCPIHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void replyClassification_data();
    void replyClassification();
    void identification_data();
    void identification();
    void systemQueries();
    void instrumentType_data();
    void instrumentType();
    void currentMeasurementParsing_data();
    void currentMeasurementParsing();
    void currentMeasurementFromTheBoard();
    void rawMeasurement_data();
    void rawMeasurement();
    void measuredChannelCommands_data();
    void measuredChannelCommands();
    void configuredChannel_data();
    void configuredChannel();
    void derivedChannelRoundTrip();
    void thermocoupleMillivoltSwitch();
    void switchBoxQueries();
    void switchBoxDateParsing_data();
    void switchBoxDateParsing();
    void switchBoxSetters();
    void everyMethodReportsALinkFailure();

private:
    std::unique_ptr<TSimulatedBoardLink> mBoard;
};

void tst_InternalSCPIHandler::init()
{
    TAMARIND_MAKE_FIXTURE(mBoard);
}

void tst_InternalSCPIHandler::cleanup()
{
    mBoard.reset();
}

void tst_InternalSCPIHandler::replyClassification_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("error");
    QTest::addColumn<bool>("confirmation");
    QTest::addColumn<int>("code");
    QTest::newRow("confirmation") << "E0" << false << true << 0;
    QTest::newRow("no probe") << "E1" << true << false << 1;
    QTest::newRow("unrecognised command") << "E4" << true << false << 4;
    QTest::newRow("channel or probe unavailable") << "E14" << true << false << 14;
    QTest::newRow("SMART probe locked") << "E224" << true << false << 224;
    QTest::newRow("error number the system does not act on") << "E2" << false << false << 2;
    QTest::newRow("another unknown error number") << "E15" << false << false << 15;
    QTest::newRow("lower-case e") << "e14" << false << false << -1;
    QTest::newRow("E without number") << "E" << false << false << -1;
    QTest::newRow("E and letters") << "Ex" << false << false << -1;
    QTest::newRow("empty reply") << "" << false << false << -1;
    QTest::newRow("a value") << "23.5" << false << false << -1;
}

void tst_InternalSCPIHandler::replyClassification()
{
    QFETCH(QString, reply);
    QFETCH(bool, error);
    QFETCH(bool, confirmation);
    QFETCH(int, code);
    const TInternalSCPIHandler& handler = mBoard->handler();
    QCOMPARE(handler.errorOccurred(reply), error);
    QCOMPARE(handler.explicitCommandConfirmation(reply), confirmation);
    QCOMPARE(handler.returnCode(reply), code);
}

void tst_InternalSCPIHandler::identification_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("type");
    QTest::newRow("ZTM9900 board") << QByteArray("ZELK,ZTM9900,MB7,2.10,01/02/2020") << true << "MB7"
                                   << "2.10" << QDate(2020, 2, 1) << int(ZTM9900);
    QTest::newRow("second version board") << QByteArray("ZELK,ZTM8800v2,MB8,1.0,31/12/2019") << true << "MB8"
                                          << "1.0" << QDate(2019, 12, 31) << int(ZTM8800v2);
    QTest::newRow("model in other letter case is the first variant")
        << QByteArray("ZELK,ztm9900,MB9,1.0,31/12/2019") << true << "MB9"
        << "1.0" << QDate(2019, 12, 31) << int(ZTM8800);
    QTest::newRow("date in another format stays invalid")
        << QByteArray("ZELK,ZTM9900,MB10,1.0,2019-12-31") << true << "MB10"
        << "1.0" << QDate() << int(ZTM9900);
    QTest::newRow("four fields") << QByteArray("ZELK,ZTM9900,MB11,1.0") << false << ""
                                 << "" << QDate() << 0;
    QTest::newRow("six fields") << QByteArray("ZELK,ZTM9900,MB12,1.0,31/12/2019,x") << false << ""
                                << "" << QDate() << 0;
}

void tst_InternalSCPIHandler::identification()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, answered);
    QFETCH(QString, serial);
    QFETCH(QString, version);
    QFETCH(QDate, date);
    QFETCH(int, type);
    QSignalSpy formatErrors(&mBoard->handler(), &TInternalSCPIHandler::responseFormatError);
    mBoard->injectReply(reply);

    const std::unique_ptr<TMeasurementBoardInfo> info = mBoard->handler().getMeasurementBoardInfo();
    QCOMPARE(mBoard->lastCommand(), QByteArray("*idn?"));
    QCOMPARE(formatErrors.count(), answered ? 0 : 1);
    QCOMPARE(info != nullptr, answered);
    if (!info)
        return;
    QCOMPARE(info->serialNr(), serial);
    QCOMPARE(info->firmwareVersion(), version);
    QCOMPARE(info->firmwareDate(), date);
    QCOMPARE(int(info->instrumentType()), type);
}

void tst_InternalSCPIHandler::systemQueries()
{
    TInternalSCPIHandler& handler = mBoard->handler();
    mBoard->board().withState([](TBoardState& pState) {
        pState.mCalibrated = false;
        pState.mOperatingTimeBase = 86400;
    });
    bool calibrated = true;
    QVERIFY(handler.getSystemCalibrated(calibrated));
    QVERIFY(!calibrated);
    QCOMPARE(mBoard->lastCommand(), QByteArray("syst:cali?"));

    unsigned int seconds = 0;
    QVERIFY(handler.getSystemOperatingTime(seconds));
    QCOMPARE(mBoard->lastCommand(), QByteArray("syst:time:run?"));
    QVERIFY(seconds >= 86400 && seconds < 86400 + 60);

    // Only a lost link is a failure: what the board says is taken as it is.
    mBoard->injectReply("E4");
    calibrated = true;
    QVERIFY(handler.getSystemCalibrated(calibrated));
    QVERIFY(!calibrated);
    mBoard->injectReply("12.5h");
    seconds = 7;
    QVERIFY(handler.getSystemOperatingTime(seconds));
    QCOMPARE(seconds, 0u);
}

void tst_InternalSCPIHandler::instrumentType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QString>("model");
    QTest::newRow("second version") << int(ZTM8800v2) << QByteArray("syst:type 1") << "ZTM8800v2";
    QTest::newRow("ZTM9900") << int(ZTM9900) << QByteArray("syst:type 2") << "ZTM9900";
}

void tst_InternalSCPIHandler::instrumentType()
{
    QFETCH(int, type);
    QFETCH(QByteArray, command);
    QFETCH(QString, model);
    mBoard->board().withState([](TBoardState& pState) { pState.mIdentity.mModel = "ZTM8800"; });

    QCOMPARE(mBoard->handler().setInstrumentType(EnInstrumentType(type)), 0);
    QCOMPARE(mBoard->commands(), QList<QByteArray>{command});
    QString boardModel;
    mBoard->board().withState([&](TBoardState& pState) { boardModel = pState.mIdentity.mModel; });
    QCOMPARE(boardModel, model);

    // The first variant cannot be set: refused without a word to the board.
    QCOMPARE(mBoard->handler().setInstrumentType(ZTM8800), 5);
    QCOMPARE(mBoard->commands().size(), 1);
}

void tst_InternalSCPIHandler::currentMeasurementParsing_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("result");
    QTest::addColumn<double>("electrical");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<int>("smartStatus");
    QTest::addColumn<int>("accuracyStatus");
    QTest::addColumn<int>("errorCode");
    QTest::addColumn<int>("formatErrors");
    QTest::newRow("both values missing") << QByteArray("nan,nan,0,1") << true << NaN << NaN << 1 << 0 << 0 << 0;
    QTest::newRow("electrical value missing in capitals")
        << QByteArray("NaN,23.5,0,2") << true << NaN << 23.5 << 2 << 0 << 0 << 0;
    QTest::newRow("over range with SMART probe changed")
        << QByteArray("390.481,850.0,2,3") << true << 390.481 << 850.0 << 3 << 2 << 0 << 0;
    QTest::newRow("channel or probe unavailable") << QByteArray("E14") << false << NaN << NaN << 1 << 0 << 14 << 0;
    QTest::newRow("no probe connected") << QByteArray("E1") << false << NaN << NaN << 1 << 0 << 1 << 0;
    QTest::newRow("error number the system does not know")
        << QByteArray("E2") << false << NaN << NaN << 1 << 0 << 0 << 1;
    QTest::newRow("temperature is no number")
        << QByteArray("100.1,abc,0,1") << false << 100.1 << NaN << 1 << 0 << 0 << 1;
    QTest::newRow("three fields") << QByteArray("100.1,0.3,0") << false << NaN << NaN << 1 << 0 << 0 << 1;
    QTest::newRow("five fields") << QByteArray("100.1,0.3,0,1,0") << false << NaN << NaN << 1 << 0 << 0 << 1;
    QTest::newRow("status fields that are no numbers read as 0")
        << QByteArray("100.1,0.3,x,y") << true << 100.1 << 0.3 << 0 << 0 << 0 << 0;
}

void tst_InternalSCPIHandler::currentMeasurementParsing()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, result);
    QFETCH(double, electrical);
    QFETCH(double, temperature);
    QFETCH(int, smartStatus);
    QFETCH(int, accuracyStatus);
    QFETCH(int, errorCode);
    QFETCH(int, formatErrors);
    QSignalSpy formatErrorSpy(&mBoard->handler(), &TInternalSCPIHandler::responseFormatError);
    mBoard->injectReply(reply);

    double electricalValue = -1.0;
    double temperatureValue = -1.0;
    Probe_enums::EnSmartProbeStatus smart = Probe_enums::spsChanged;
    Probe_enums::EnTemperatureAccuracyStatus accuracy = Probe_enums::tasOverRange;
    short error = -1;
    QCOMPARE(mBoard->handler().getMeasCurr(electricalValue, temperatureValue, smart, accuracy, error), result);
    QCOMPARE(mBoard->lastCommand(), QByteArray("meas:curr?"));
    QVERIFY2(sameValue(electricalValue, electrical), qPrintable(QString::number(electricalValue)));
    QVERIFY2(sameValue(temperatureValue, temperature), qPrintable(QString::number(temperatureValue)));
    QCOMPARE(int(smart), smartStatus);
    QCOMPARE(int(accuracy), accuracyStatus);
    QCOMPARE(int(error), errorCode);
    QCOMPARE(formatErrorSpy.count(), formatErrors);
}

void tst_InternalSCPIHandler::currentMeasurementFromTheBoard()
{
    TInternalSCPIHandler& handler = mBoard->handler();
    TBoardSimulator& board = mBoard->board();
    board.withState([](TBoardState& pState) { pState.mColdJunctionTemperature = 0.0; });
    QVERIFY(board.plugSensor(1, ssPt100));
    board.setTemperature(1, 100.0);
    QVERIFY(board.plugSensor(3, ssThermocoupleK));
    board.setTemperature(3, 500.0);
    QVERIFY(board.plugSensor(4, ssNone));

    double electrical = NaN;
    double temperature = NaN;
    Probe_enums::EnSmartProbeStatus smart;
    Probe_enums::EnTemperatureAccuracyStatus accuracy;
    short error = 0;
    // EN 60751: a Pt100 shows 138.5055 ohm at 100 degrees Celsius.
    QVERIFY(handler.setConfChan(1));
    QVERIFY(handler.getMeasCurr(electrical, temperature, smart, accuracy, error));
    QCOMPARE(qRound(electrical * 1e4), 1385055);
    QCOMPARE(temperature, 100.0);
    QCOMPARE(smart, Probe_enums::spsNotFitted);
    QCOMPARE(accuracy, Probe_enums::tasInRange);

    // ITS-90 type K reference table: 20.644 mV at 500 degrees Celsius.
    QVERIFY(handler.setConfChan(3));
    QVERIFY(handler.getMeasCurr(electrical, temperature, smart, accuracy, error));
    QCOMPARE(qRound(electrical * 1e3), 20644);
    QCOMPARE(temperature, 500.0);

    QVERIFY(handler.setConfChan(4));
    QVERIFY(!handler.getMeasCurr(electrical, temperature, smart, accuracy, error));
    QCOMPARE(error, TInternalSCPIHandler::ERROR_CODE_NO_PROBE_CONNECTED);
    QVERIFY(std::isnan(temperature));

    // A switch-box position without a box behind it.
    QVERIFY(handler.setConfChan(16));
    QVERIFY(!handler.getMeasCurr(electrical, temperature, smart, accuracy, error));
    QCOMPARE(error, TInternalSCPIHandler::ERROR_CODE_CHANNEL_OR_PROBE_UNAVAILABLE);
}

void tst_InternalSCPIHandler::rawMeasurement_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<bool>("result");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("status");
    // -1 for the status the caller preset, which failures leave alone.
    QTest::newRow("in range") << int(ci100R) << QByteArray("100.0123,0") << QByteArray("meas:raw? 2") << true
                              << 100.0123 << 0;
    QTest::newRow("over range keeps value and status")
        << int(ci25R) << QByteArray("512.5,2") << QByteArray("meas:raw? 1") << false << 512.5 << 2;
    QTest::newRow("under range") << int(ci10KR) << QByteArray("120.5,1") << QByteArray("meas:raw? 3") << false << 120.5
                                 << 1;
    QTest::newRow("missing value") << int(ciTCchan3) << QByteArray("nan,0") << QByteArray("meas:raw? 5") << false << NaN
                                   << 0;
    QTest::newRow("error reply") << int(ciTCchanExternal) << QByteArray("E1") << QByteArray("meas:raw? 7") << false
                                 << NaN << -1;
    QTest::newRow("one field") << int(ci100KR) << QByteArray("100.0") << QByteArray("meas:raw? 4") << false << NaN
                               << -1;
}

void tst_InternalSCPIHandler::rawMeasurement()
{
    QFETCH(int, item);
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, command);
    QFETCH(bool, result);
    QFETCH(double, value);
    QFETCH(int, status);
    mBoard->injectReply(reply);

    double rawValue = -5.0;
    Channel::EnRawValueStatus rawStatus = Channel::EnRawValueStatus(99);
    QCOMPARE(mBoard->handler().getMeasRaw(rawValue, rawStatus, EnCalItemID(item)), result);
    QCOMPARE(mBoard->lastCommand(), command);
    QVERIFY2(sameValue(rawValue, value), qPrintable(QString::number(rawValue)));
    QCOMPARE(int(rawStatus), status < 0 ? 99 : status);
}

void tst_InternalSCPIHandler::measuredChannelCommands_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QList<short>>("operands");
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("first input") << 1 << QList<short>() << QByteArray("conf:chan 01");
    QTest::newRow("one digit is padded") << 5 << QList<short>() << QByteArray("conf:chan 05");
    QTest::newRow("two digits") << 12 << QList<short>() << QByteArray("conf:chan 12");
    QTest::newRow("three digits") << 104 << QList<short>() << QByteArray("conf:chan 104");
    QTest::newRow("difference of two channels") << 11 << QList<short>{1, 2} << QByteArray("conf:chan:func 11,@1,@2");
    QTest::newRow("reciprocal") << 9 << QList<short>{3} << QByteArray("conf:chan:func 9,@3");
    QTest::newRow("no operands") << 10 << QList<short>{} << QByteArray("conf:chan:func 10");
}

void tst_InternalSCPIHandler::measuredChannelCommands()
{
    QFETCH(int, channel);
    QFETCH(QList<short>, operands);
    QFETCH(QByteArray, command);
    TInternalSCPIHandler& handler = mBoard->handler();
    if (command.startsWith("conf:chan:func")) {
        zelk::vector<short> arguments(operands.begin(), operands.end());
        QVERIFY(handler.setConfChanFunc(channel, arguments));
    } else {
        QVERIFY(handler.setConfChan(channel));
    }
    QCOMPARE(mBoard->commands(), QList<QByteArray>{command});
    // Acknowledged alone: the link confirms nothing.
    QCOMPARE(mBoard->board().hostAcks(), 0);
}

void tst_InternalSCPIHandler::configuredChannel_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("failed");
    QTest::newRow("physical channel") << QByteArray("3") << 3 << 0 << 0 << false;
    QTest::newRow("reciprocal with its operand") << QByteArray("9,1") << 9 << 1 << 0 << false;
    QTest::newRow("binary with both operands") << QByteArray("13,2,4") << 13 << 2 << 4 << false;
    QTest::newRow("further fields ignored") << QByteArray("10,1,2,7") << 10 << 1 << 2 << false;
    QTest::newRow("fields that are no numbers") << QByteArray("x,1,y") << 0 << 1 << 0 << false;
    QTest::newRow("error reply") << QByteArray("E14") << 0 << 0 << 0 << true;
}

void tst_InternalSCPIHandler::configuredChannel()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, channel);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, failed);
    mBoard->injectReply(reply);
    bool linkFailed = !failed;
    int channelX = -1;
    int channelY = -1;
    QCOMPARE(mBoard->handler().getConfChan(linkFailed, channelX, channelY), channel);
    QCOMPARE(mBoard->lastCommand(), QByteArray("conf:chan?"));
    QCOMPARE(linkFailed, failed);
    QCOMPARE(channelX, x);
    QCOMPARE(channelY, y);
}

void tst_InternalSCPIHandler::derivedChannelRoundTrip()
{
    TInternalSCPIHandler& handler = mBoard->handler();
    TBoardSimulator& board = mBoard->board();
    QVERIFY(board.plugSensor(2, ssPt100));
    board.setTemperature(1, 30.25);
    board.setTemperature(2, 10.0);

    QVERIFY(handler.setConfChanFunc(11, {1, 2}));
    bool failed = true;
    int x = 0;
    int y = 0;
    QCOMPARE(handler.getConfChan(failed, x, y), 11);
    QVERIFY(!failed);
    QCOMPARE(x, 1);
    QCOMPARE(y, 2);

    double electrical = NaN;
    double temperature = NaN;
    Probe_enums::EnSmartProbeStatus smart;
    Probe_enums::EnTemperatureAccuracyStatus accuracy;
    short error = 0;
    QVERIFY(handler.getMeasCurr(electrical, temperature, smart, accuracy, error));
    QCOMPARE(temperature, 20.25);

    // An operand without a probe leaves the derived channel without a value.
    QVERIFY(board.plugSensor(2, ssNone));
    QVERIFY(!handler.getMeasCurr(electrical, temperature, smart, accuracy, error));
    QCOMPARE(error, TInternalSCPIHandler::ERROR_CODE_NO_PROBE_CONNECTED);
}

void tst_InternalSCPIHandler::thermocoupleMillivoltSwitch()
{
    TInternalSCPIHandler& handler = mBoard->handler();
    bool millivolt = false;
    QVERIFY(handler.setTC_ConversionEnabled(true));
    mBoard->board().withState([&](TBoardState& pState) { millivolt = pState.mThermocoupleMillivolt; });
    QVERIFY(millivolt);
    QVERIFY(handler.setTC_ConversionEnabled(false));
    mBoard->board().withState([&](TBoardState& pState) { millivolt = pState.mThermocoupleMillivolt; });
    QVERIFY(!millivolt);
    QCOMPARE(mBoard->commands(), (QList<QByteArray>{"sens:tc:mv 1", "sens:tc:mv 0"}));
}

void tst_InternalSCPIHandler::switchBoxQueries()
{
    TInternalSCPIHandler& handler = mBoard->handler();
    TSimulatedSwitchBox box;
    box.mType = sbtSWX6100_10;
    box.mSerialNumber = "SWX-123";
    box.mPCBSerialNumber = "PCB-9";
    box.mFirmwareVersion = "2.3";
    box.mDate = QDate(2018, 11, 5);
    mBoard->board().fitSwitchBox(3, box);

    EnSwitchBoxType type = sbtThermocouple8;
    QVERIFY(handler.getSystemSwitchboxType(3, type));
    QCOMPARE(type, sbtSWX6100_10);
    QVERIFY(handler.getSystemSwitchboxType(1, type));
    QCOMPARE(type, sbtNotFitted);

    QString text = "old";
    QVERIFY(handler.getSystemSwitchboxSerialNumber(3, text));
    QCOMPARE(text, QString("SWX-123"));
    QVERIFY(handler.getSystemSwitchboxPCBSerialNumber(3, text));
    QCOMPARE(text, QString("PCB-9"));
    QVERIFY(handler.getSystemSwitchboxFirmwareVersion(3, text));
    QCOMPARE(text, QString("2.3"));
    // The text queries pass an error reply on as the text.
    QVERIFY(handler.getSystemSwitchboxSerialNumber(2, text));
    QCOMPARE(text, QString("E14"));

    QDate date;
    QVERIFY(handler.getSystemSwitchboxDate(3, date));
    QCOMPARE(date, QDate(2018, 11, 5));

    QCOMPARE(mBoard->commands(),
             (QList<QByteArray>{"syst:swit:type? 3", "syst:swit:type? 1", "syst:swit:snum? 3", "syst:swit:pnum? 3",
                                "syst:swit:vers? 3", "syst:swit:snum? 2", "syst:swit:date? 3"}));

    // A type that is no number is no answer.
    mBoard->injectReply("E14");
    type = sbtSWX6300_PRT8;
    QVERIFY(!handler.getSystemSwitchboxType(4, type));
    QCOMPARE(type, sbtSWX6300_PRT8);
}

void tst_InternalSCPIHandler::switchBoxDateParsing_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QDate>("date");
    const QDate untouched(2000, 1, 1);
    QTest::newRow("valid date") << QByteArray("2019,2,28") << true << QDate(2019, 2, 28);
    QTest::newRow("zero-padded fields") << QByteArray("2019,02,08") << true << QDate(2019, 2, 8);
    QTest::newRow("30 February is stored invalid") << QByteArray("2019,2,30") << false << QDate(2019, 2, 30);
    QTest::newRow("two fields") << QByteArray("2019,2") << false << untouched;
    QTest::newRow("field that is no number") << QByteArray("2019,Feb,2") << false << untouched;
    QTest::newRow("error reply") << QByteArray("E14") << false << untouched;
}

void tst_InternalSCPIHandler::switchBoxDateParsing()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, result);
    QFETCH(QDate, date);
    mBoard->injectReply(reply);
    QDate boxDate(2000, 1, 1);
    QCOMPARE(mBoard->handler().getSystemSwitchboxDate(2, boxDate), result);
    QCOMPARE(boxDate, date);
}

void tst_InternalSCPIHandler::switchBoxSetters()
{
    TInternalSCPIHandler& handler = mBoard->handler();
    TSimulatedSwitchBox box;
    box.mType = sbtSWX6300_PRT16;
    mBoard->board().fitSwitchBox(2, box);

    QCOMPARE(handler.setSystemSwitchboxDate(2, QDate(2021, 3, 9)), 0);
    QCOMPARE(handler.setSystemSwitchboxSerialNumber(2, "SN 42/7"), 0);
    QCOMPARE(handler.setSystemSwitchboxPCBSerialNumber(2, "P1"), 0);
    QCOMPARE(handler.setSystemSwitchboxOperatingMode(2, sbomProduction), 0);
    QCOMPARE(mBoard->commands(), (QList<QByteArray>{"syst:swit:date 2,2021,3,9", "syst:swit:snum 2,SN 42/7",
                                                    "syst:swit:pnum 2,P1", "syst:swit:mode 2,2"}));
    mBoard->board().withState([](TBoardState& pState) {
        const TSimulatedSwitchBox& stored = pState.mSwitchBoxes[1];
        QCOMPARE(stored.mDate, QDate(2021, 3, 9));
        QCOMPARE(stored.mSerialNumber, QString("SN 42/7"));
        QCOMPARE(stored.mPCBSerialNumber, QString("P1"));
        QCOMPARE(stored.mOperatingMode, 2);
    });

    // The board's error number comes back; a reply that is none gives -1.
    QCOMPARE(handler.setSystemSwitchboxSerialNumber(4, "x"), 14);
    mBoard->injectReply("OK");
    QCOMPARE(handler.setSystemSwitchboxOperatingMode(2, sbomNormal), -1);
}

void tst_InternalSCPIHandler::everyMethodReportsALinkFailure()
{
    TAMARIND_MAKE_FIXTURE(mBoard, 20);
    mBoard->board().withFaults([](TBoardFaults& pFaults) { pFaults.mSilentCommands = -1; });
    TInternalSCPIHandler& handler = mBoard->handler();
    QSignalSpy formatErrors(&handler, &TInternalSCPIHandler::responseFormatError);

    QVERIFY(!handler.getMeasurementBoardInfo());
    bool flag = true;
    QVERIFY(!handler.getSystemCalibrated(flag));
    QVERIFY(!flag);
    unsigned int seconds = 5;
    QVERIFY(!handler.getSystemOperatingTime(seconds));
    QCOMPARE(seconds, 0u);
    QCOMPARE(handler.setInstrumentType(ZTM9900), -1);
    QVERIFY(!handler.setConfChan(1));
    QVERIFY(!handler.setConfChanFunc(10, {1, 2}));
    int x = 3;
    int y = 3;
    QCOMPARE(handler.getConfChan(flag, x, y), 0);
    QVERIFY(flag);
    QCOMPARE(x + y, 0);
    double electrical = 0.0;
    double temperature = 0.0;
    Probe_enums::EnSmartProbeStatus smart;
    Probe_enums::EnTemperatureAccuracyStatus accuracy;
    short error = -1;
    QVERIFY(!handler.getMeasCurr(electrical, temperature, smart, accuracy, error));
    QVERIFY(std::isnan(electrical) && std::isnan(temperature));
    QCOMPARE(error, short(0));
    Channel::EnRawValueStatus rawStatus;
    QVERIFY(!handler.getMeasRaw(electrical, rawStatus, ci25R));
    QVERIFY(!handler.setTC_ConversionEnabled(true));
    EnSwitchBoxType type;
    QVERIFY(!handler.getSystemSwitchboxType(1, type));
    QString text = "old";
    QVERIFY(!handler.getSystemSwitchboxSerialNumber(1, text));
    QVERIFY(text.isEmpty());
    QDate date;
    QVERIFY(!handler.getSystemSwitchboxDate(1, date));
    QCOMPARE(handler.setSystemSwitchboxDate(1, QDate(2020, 1, 1)), -1);
    QCOMPARE(handler.setSystemSwitchboxOperatingMode(1, sbomNormal), -1);
    QCOMPARE(formatErrors.count(), 0);
}

TAMARIND_TEST_MAIN(tst_InternalSCPIHandler)
#include "tst_internalscpihandler.moc"
