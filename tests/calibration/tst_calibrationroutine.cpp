#include "calibrationroutine.h"
#include "calibrationroutineobserver.h"
#include "calibrationsetup.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "decimaldisplaycontroller.h"
#include "domoutline.h"
#include "testprobes.h"
#include "testsupport.h"

#include <QDomDocument>
#include <QElapsedTimer>
#include <QWidget>

#include <cmath>

using namespace Calibrationroutine;
using Electrical_temperature_units::uCelsius;
using Electrical_temperature_units::uFahrenheit;
using Electrical_temperature_units::uMilliVolt;
using Electrical_temperature_units::uUndefined;

namespace
{
// The run's notifications, reachable for the tests.
class TNotifyingRoutine : public TCalibrationRoutine
{
public:
    using TCalibrationRoutine::notifyOberservsHoldTimeProgress;
    using TCalibrationRoutine::notifyObserversReferenceValueUpdated;
    using TCalibrationRoutine::setStatus;
    using TCalibrationRoutine::TCalibrationRoutine;
};

// Writes every call into a shared log as "<name>:<call>"; may try to leave
// the routine from inside a call.
class TRecordingObserver : public ICalibrationRoutineObserver
{
public:
    TRecordingObserver(const QString& pName, QStringList& pLog) : mName(pName), mLog(pLog) {}

    void calibrationRoutineStatusChanged(const TCalibrationRoutine& pRoutine,
                                         const TElectricalTemperatureValue& pCalPoint) override
    {
        record(QString("status %1 at %2").arg(pRoutine.status()).arg(pCalPoint.value()));
    }
    void referenceValueUpdated(const TElectricalTemperatureValue&, const TElectricalTemperatureValue& pReferenceValue,
                               double) override
    {
        record(QString("reference %1").arg(pReferenceValue.value()));
    }
    void dutValueUpdated(const TElectricalTemperatureValue&, const TChannelDescription&,
                         const TElectricalTemperatureValue&) override
    {
        record("dut");
    }
    void calPointComplete(const TElectricalTemperatureValue&) override { record("complete"); }

    TCalibrationRoutine* mLeaveFrom = nullptr;
    bool mLeft = false;
    ICalibrationRoutineObserver* mBringIn = nullptr;

private:
    void record(const QString& pCall)
    {
        mLog << mName + ":" + pCall;
        if (mLeaveFrom) {
            mLeft = mLeaveFrom->removeObserver(this);
            mLeaveFrom->addObserver(mBringIn);
        }
    }

    QString mName;
    QStringList& mLog;
};

std::unique_ptr<TNotifyingRoutine> routineFrom(const QString& pContent, const TChannelController& pChannels,
                                               const QString& pRootAttributes = " version=\"1\"")
{
    QDomDocument document;
    if (!document.setContent("<calibration_routine" + pRootAttributes + ">" + pContent + "</calibration_routine>"))
        qFatal("test document does not parse");
    return std::make_unique<TNotifyingRoutine>(document.documentElement(), pChannels);
}

QString number(double pValue)
{
    return std::isnan(pValue) ? QString("nan") : QString::number(pValue);
}

QString valueText(const TElectricalTemperatureValue& pValue)
{
    return number(pValue.value()) + "/" + QString::number(pValue.unit());
}

// The results as lines "set point: reference stability [channel:caption=temperature raw ...]".
QStringList results(const TCalibrationRoutine& pRoutine)
{
    QStringList lines;
    for (const auto& point : pRoutine.calibrationPointsResults()) {
        QString line = valueText(point.first) + ": " + valueText(point.second.valueReferenceChannel()) + " " +
                       number(point.second.stabilityKelvinReference());
        for (int channel = 1; channel <= 13; ++channel) {
            if (const TDUTValue* value = point.second.dutValue(TChannelDescription(channel, QString())))
                line += QString(" %1=%2 %3")
                            .arg(channel)
                            .arg(valueText(value->valTemperature()), valueText(value->valElectrical()));
        }
        lines << line;
    }
    return lines;
}

QString setupXML(const QString& pDUTs)
{
    return "<calibration_setup><name>Bath1</name><calibrator_type>2</calibrator_type>"
           "<reference_channel>1</reference_channel><stability_time>10</stability_time>"
           "<stability_range>0.05</stability_range><hold_time>5</hold_time><dut_channels>" +
           pDUTs + "</dut_channels><cal_points/></calibration_setup>";
}

QString dutChannel(int pPos, int pNumber)
{
    return QString("<dut_channel pos=\"%1\" channel_caption=\"%2\">%2</dut_channel>").arg(pPos).arg(pNumber);
}

QString point(const QString& pSetPoint, const QString& pReference, const QString& pStability,
              const QString& pDUTs = QString(), int pUnit = 1)
{
    return QString("<cal_point><cal_point_temperature unit_id=\"%4\">%1</cal_point_temperature>"
                   "<reference_temperature unit_id=\"1\">%2</reference_temperature>"
                   "<reference_stability_kelvin>%3</reference_stability_kelvin>%5</cal_point>")
        .arg(pSetPoint, pReference, pStability)
        .arg(pUnit)
        .arg(pDUTs);
}

QString dut(int pChannel, const QString& pTemperature, const QString& pRaw)
{
    return QString("<dut><dut_channel channel_caption=\"%1\">%1</dut_channel>"
                   "<dut_temperature unit_id=\"1\" unit_text=\"°C\">%2</dut_temperature>"
                   "<dut_raw_value unit_id=\"5\">%3</dut_raw_value></dut>")
        .arg(pChannel)
        .arg(pTemperature, pRaw);
}

QString probeFragment(const TAbstractProbe& pProbe)
{
    QDomDocument document;
    QDomElement holder = document.createElement("holder");
    document.appendChild(holder);
    pProbe.saveToXML(holder);
    QString text;
    for (QDomNode node = holder.firstChild(); !node.isNull(); node = node.nextSibling()) {
        QTextStream stream(&text);
        node.save(stream, 0);
    }
    return text;
}

QString joined(const QStringList& pTable)
{
    return pTable.join(QString());
}
} // namespace

class tst_CalibrationRoutine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void observersAreToldFirstRegisteredFirstAndOnce();
    void observerCannotLeaveDuringANotification();
    void statusIsNotifiedOnChangeOrWhenForced();
    void holdTimeProgressAlwaysNotifiesStable();
    void firstDUTValueOfAChannelStays();
    void routineCopiesItsSetup();
    void probesComeFromTheChannelsUnlessStored();

    void routineWithoutSetupWritesNothing();
    void writtenRoutine();
    void writtenRoutineReadsBack();
    void reading_data();
    void reading();
    void storedProbes();

    void resultTable();
    void resultTableWithoutPoints();
    void resultTableProbeBlocks();
    void exportedBytes();

private:
    TChannelController& channels() { return mFixture->controller(); }
    TPhysicalChannel* input(int pNumber) { return channels().physical_channel(pNumber); }
    void useSeparator(QChar pSeparator);

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::vector<std::unique_ptr<TAbstractProbe>> mProbes;
    QWidget mSeparatorButton;
};

void tst_CalibrationRoutine::init()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
    mFixture->build();
    useSeparator('.');
}

void tst_CalibrationRoutine::cleanup()
{
    mFixture.reset();
    mProbes.clear();
}

void tst_CalibrationRoutine::useSeparator(QChar pSeparator)
{
    TDecimalDisplayController& decimals = TDecimalDisplayController::instance();
    decimals.registerWidget(&mSeparatorButton, pSeparator);
    decimals.decimalSeparatorSelected(&mSeparatorButton);
    QCOMPARE(decimals.decimalSeparator(), pSeparator);
}

void tst_CalibrationRoutine::observersAreToldFirstRegisteredFirstAndOnce()
{
    QStringList log;
    TRecordingObserver first("first", log), second("second", log), third("third", log);
    TNotifyingRoutine routine(nullptr);
    routine.addObserver(&first);
    routine.addObserver(&second);
    routine.addObserver(&first);
    routine.addObserver(&third);
    QVERIFY(routine.removeObserver(&third));
    QVERIFY(!routine.removeObserver(&third));

    routine.notifyObserversReferenceValueUpdated(TElectricalTemperatureValue(50.0, uCelsius),
                                                 TElectricalTemperatureValue(49.5, uCelsius), 0.1);
    QCOMPARE(log, (QStringList{"first:reference 49.5", "second:reference 49.5"}));
}

void tst_CalibrationRoutine::observerCannotLeaveDuringANotification()
{
    QStringList log;
    TRecordingObserver leaving("leaving", log), other("other", log), late("late", log);
    TNotifyingRoutine routine(nullptr);
    routine.addObserver(&leaving);
    routine.addObserver(&other);
    // The list is not changed while it is walked: neither leaving nor joining.
    leaving.mLeaveFrom = &routine;
    leaving.mLeft = true;
    leaving.mBringIn = &late;

    routine.setStatus(rsCollectingStabilitySamples, TElectricalTemperatureValue(20.0, uCelsius));
    QVERIFY(!leaving.mLeft);
    leaving.mLeaveFrom = nullptr;
    routine.setStatus(rsUnstable, TElectricalTemperatureValue(20.0, uCelsius));
    QCOMPARE(log, (QStringList{"leaving:status 1 at 20", "other:status 1 at 20", "leaving:status 2 at 20",
                               "other:status 2 at 20"}));
    QVERIFY(routine.removeObserver(&leaving));
    QVERIFY(!routine.removeObserver(&late));
}

void tst_CalibrationRoutine::statusIsNotifiedOnChangeOrWhenForced()
{
    QStringList log;
    TRecordingObserver observer("o", log);
    TNotifyingRoutine routine(nullptr);
    routine.addObserver(&observer);
    const TElectricalTemperatureValue point(100.0, uCelsius);

    QVERIFY(!routine.setStatus(rsNone, point));
    QVERIFY(log.isEmpty());
    QVERIFY(!routine.setStatus(rsNone, point, true));
    QVERIFY(routine.setStatus(rsStable, point));
    QVERIFY(!routine.setStatus(rsStable, point));
    QVERIFY(routine.setStatus(rsCompleted, TElectricalTemperatureValue()));
    QCOMPARE(routine.status(), rsCompleted);
    QCOMPARE(log, (QStringList{"o:status 0 at 100", "o:status 4 at 100", "o:status 5 at 0"}));
}

void tst_CalibrationRoutine::holdTimeProgressAlwaysNotifiesStable()
{
    // Every update tells the observers, changed status or not. The hold time's
    // milliseconds do not fit 32 bits: the percentage still starts at 0.
    const TCalibrationSetup setup("Long", EnCalibratorType::ctDWK4400_165, input(1), {TChannelDescription(3, "3")}, 1,
                                  0.1, 71583, {TElectricalTemperatureValue(20.0, uCelsius)}, QString(), 0);
    QStringList log;
    TRecordingObserver observer("o", log);
    TNotifyingRoutine routine(&setup);
    routine.addObserver(&observer);
    routine.notifyOberservsHoldTimeProgress(0, TElectricalTemperatureValue(20.0, uCelsius));
    routine.notifyOberservsHoldTimeProgress(5, TElectricalTemperatureValue(20.0, uCelsius));
    QCOMPARE(routine.status(), rsStable);
    QCOMPARE(routine.holdTimeProgressPercent(), 0);
    QCOMPARE(log, (QStringList{"o:status 4 at 20", "o:status 4 at 20"}));
}

void tst_CalibrationRoutine::firstDUTValueOfAChannelStays()
{
    TCalibrationPointResults results(TElectricalTemperatureValue(50.01, uCelsius), 0.02);
    results.setDUTChannelValue(TChannelDescription(3, "3"), TDUTValue(TElectricalTemperatureValue(50.5, uCelsius),
                                                                      TElectricalTemperatureValue(2.05, uMilliVolt)));
    results.setDUTChannelValue(
        TChannelDescription(3, "other caption"),
        TDUTValue(TElectricalTemperatureValue(60.0, uCelsius), TElectricalTemperatureValue(2.5, uMilliVolt)));
    const TDUTValue* value = results.dutValue(TChannelDescription(3, "any"));
    QVERIFY(value);
    QCOMPARE(value->valTemperature().value(), 50.5);
    QCOMPARE(value->valElectrical().unit(), uMilliVolt);
    QVERIFY(!results.dutValue(TChannelDescription(4, "3")));
}

void tst_CalibrationRoutine::routineCopiesItsSetup()
{
    auto setup = std::make_unique<TCalibrationSetup>(
        "Copied", EnCalibratorType::ctMBK2900, input(2), zelk::vector<TChannelDescription>{TChannelDescription(4, "4")},
        2, 0.01, 3, zelk::vector<TElectricalTemperatureValue>{}, "1.2.3.4", 8101);
    const TCalibrationRoutine routine(setup.get());
    setup.reset();
    QVERIFY(routine.setup());
    QCOMPARE(routine.setup()->name(), QString("Copied"));
    QCOMPARE(routine.setup()->referenceChannel(), input(2));
    QCOMPARE(routine.status(), rsNone);
    QVERIFY(routine.routineStart().isNull());
    QVERIFY(routine.calibrationPointsResults().empty());
}

void tst_CalibrationRoutine::probesComeFromTheChannelsUnlessStored()
{
    const TCalibrationSetup setup("Probes", EnCalibratorType::ctDWK4400_165, input(1),
                                  {TChannelDescription(3, "3"), TChannelDescription(10, "1+3")}, 1, 0.1, 1,
                                  {TElectricalTemperatureValue(20.0, uCelsius)}, QString(), 0);
    const TCalibrationRoutine routine(&setup);
    QVERIFY(!routine.referenceProbe());
    QVERIFY(!routine.dutProbe(3, channels()));

    mProbes.push_back(TestProbes::prt());
    mProbes.push_back(TestProbes::thermocouple());
    input(1)->assignProbe(mProbes.at(0).get());
    input(3)->assignProbe(mProbes.at(1).get());
    QCOMPARE(routine.referenceProbe(), mProbes.at(0).get());
    QCOMPARE(routine.dutProbe(3, channels()), mProbes.at(1).get());
    QVERIFY(!routine.dutProbe(10, channels()));
    QVERIFY(!routine.dutProbe(7, channels()));
}

void tst_CalibrationRoutine::routineWithoutSetupWritesNothing()
{
    const TCalibrationRoutine routine(nullptr);
    QDomDocument document;
    QDomElement root = document.createElement("calibration_routine");
    document.appendChild(root);
    routine.saveToXML(root, channels());
    QVERIFY(!root.hasChildNodes());
    QVERIFY(routine.toCSV(channels()).isEmpty());
}

void tst_CalibrationRoutine::writtenRoutine()
{
    // DUTs: the thermocouple input, the reciprocal of input 2 and the sum,
    // which stands for no one probe.
    auto routine =
        routineFrom("<start_time>20260305140000</start_time><stop_time>20260305160712</stop_time>" +
                        setupXML(dutChannel(1, 3) + dutChannel(2, 9) + dutChannel(3, 10)) + "<calibration_points>" +
                        point("1.5e2", "149.98", "0.004", dut(10, "150.1", "0.5")) +
                        point("25", "25.01", "0.003",
                              "<dut><dut_channel>9</dut_channel><dut_temperature unit_id=\"1\">nan</dut_temperature>"
                              "<dut_raw_value unit_id=\"0\">nan</dut_raw_value></dut>" +
                                  dut(4, "25.2", "1.0") + dut(3, "24.9", "0.996")) +
                        "</calibration_points>",
                    channels());
    mProbes.push_back(TestProbes::prt());
    mProbes.push_back(TestProbes::thermocouple());
    mProbes.push_back(TestProbes::thermistor());
    input(1)->assignProbe(mProbes.at(0).get());
    input(3)->assignProbe(mProbes.at(1).get());
    input(2)->assignProbe(mProbes.at(2).get());
    static_cast<TUnaryDerivedChannel*>(channels().channel(9))->setPhysicalChannel(input(2));

    QDomDocument document;
    QDomElement root = document.createElement("calibration_routine");
    document.appendChild(root);
    routine->saveToXML(root, channels());

    auto indented = [](const QStringList& pLines, int pDepth) {
        QStringList lines;
        for (const QString& line : pLines)
            lines << QString(pDepth, ' ') + line;
        return lines;
    };
    const QStringList expected =
        QStringList{"start_time: 20260305140000",
                    "stop_time: 20260305160712",
                    "calibration_setup",
                    "  name: Bath1",
                    "  calibrator_type[text=DWK4400-165]: 2",
                    "  reference_channel[channel_caption=1]: 1",
                    "  stability_time: 10",
                    "  stability_range: 0.05",
                    "  hold_time: 5",
                    "  dut_channels",
                    "    dut_channel[channel_caption=3 pos=1]: 3",
                    "    dut_channel[channel_caption=9 pos=2]: 9",
                    "    dut_channel[channel_caption=10 pos=3]: 10",
                    "  cal_points: ",
                    "reference_probe"} +
        indented(TestProbes::writtenFragment(*mProbes.at(0)), 2) +
        QStringList{"dut_probes", "  dut", "    dut_channel[channel_caption=3]: 3", "    probe_data"} +
        indented(TestProbes::writtenFragment(*mProbes.at(1)), 6) +
        QStringList{"  dut", "    dut_channel[channel_caption=9]: 9", "    probe_data"} +
        indented(TestProbes::writtenFragment(*mProbes.at(2)), 6) +
        QStringList{"calibration_points",
                    "  cal_point",
                    "    cal_point_temperature[unit_id=1 unit_text=°C]: 2.50000000e+01",
                    "    reference_temperature[unit_id=1 unit_text=°C]: 2.50100000e+01",
                    "    reference_stability_kelvin: 3.00000000e-03",
                    "    dut",
                    "      dut_channel[channel_caption=3]: 3",
                    "      dut_temperature[unit_id=1 unit_text=°C]: 2.49000000e+01",
                    "      dut_raw_value[unit_id=5 unit_text=mV]: 9.96000000e-01",
                    "    dut",
                    "      dut_channel[channel_caption=9]: 9",
                    "      dut_temperature[unit_id=1 unit_text=°C]: nan",
                    "      dut_raw_value[unit_id=0 unit_text=]: nan",
                    "  cal_point",
                    "    cal_point_temperature[unit_id=1 unit_text=°C]: 1.50000000e+02",
                    "    reference_temperature[unit_id=1 unit_text=°C]: 1.49980000e+02",
                    "    reference_stability_kelvin: 4.00000000e-03",
                    "    dut",
                    "      dut_channel[channel_caption=10]: 10",
                    "      dut_temperature[unit_id=1 unit_text=°C]: 1.50100000e+02",
                    "      dut_raw_value[unit_id=5 unit_text=mV]: 5.00000000e-01"};
    QCOMPARE(domOutline(root), expected);
}

void tst_CalibrationRoutine::writtenRoutineReadsBack()
{
    auto routine = routineFrom("<start_time>20261231235959</start_time><stop_time>20270101000102</stop_time>" +
                                   setupXML(dutChannel(1, 3) + dutChannel(2, 4)) + "<calibration_points>" +
                                   point("-40", "-39.9877", "0.004", dut(3, "-40.1", "-1.527")) +
                                   point("0", "nan", "nan", dut(4, "0.1", "nan") + dut(3, "0.2", "0.008")) +
                                   "</calibration_points>",
                               channels());
    mProbes.push_back(TestProbes::prt());
    mProbes.push_back(TestProbes::thermocouple());
    input(1)->assignProbe(mProbes.at(0).get());
    input(4)->assignProbe(mProbes.at(1).get());

    QDomDocument document;
    QDomElement root = document.createElement("calibration_routine");
    document.appendChild(root);
    routine->saveToXML(root, channels());
    QDomDocument reparsed;
    QVERIFY(reparsed.setContent(document.toString(2)));
    // The channels lose their probes: the copies stored in the file remain.
    input(1)->assignProbe(nullptr);
    input(4)->assignProbe(nullptr);
    const TCalibrationRoutine readBack(reparsed.documentElement(), channels());

    QCOMPARE(readBack.routineStart(), QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
    QCOMPARE(readBack.routineEnd(), QDateTime(QDate(2027, 1, 1), QTime(0, 1, 2)));
    QVERIFY(readBack.setup());
    QCOMPARE(readBack.setup()->referenceChannel(), input(1));
    QCOMPARE(results(readBack), (QStringList{"-40/1: -39.9877/1 0.004 3=-40.1/1 -1.527/5",
                                             "0/1: nan/1 nan 3=0.2/1 0.008/5 4=0.1/1 nan/5"}));
    QCOMPARE(results(readBack), results(*routine));
    QVERIFY(readBack.referenceProbe());
    QCOMPARE(TestProbes::writtenFragment(*readBack.referenceProbe()), TestProbes::writtenFragment(*mProbes.at(0)));
    QVERIFY(readBack.dutProbe(4, channels()));
    QCOMPARE(readBack.dutProbe(4, channels())->probeName(), mProbes.at(1)->probeName());
    QVERIFY(!readBack.dutProbe(3, channels()));
}

void tst_CalibrationRoutine::reading_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("rootAttributes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("start");

    const QString version = " version=\"1\"";
    auto points = [](const QString& pPoints) { return "<calibration_points>" + pPoints + "</calibration_points>"; };

    QTest::newRow("set points ascending whatever their order")
        << points(point("100", "100", "0.1") + point("50", "50", "0.2") + point("150", "150", "0.3")) << version
        << QStringList{"50/1: 50/1 0.2", "100/1: 100/1 0.1", "150/1: 150/1 0.3"} << "invalid";
    QTest::newRow("0 °C and 32 °F are one point, the first reference kept")
        << points(point("0", "0.01", "0.002", dut(3, "0.1", "0.004")) +
                  point("32", "5", "9", dut(4, "0.3", "0.012") + dut(3, "9", "9"), 2))
        << version << QStringList{"0/1: 0.01/1 0.002 3=0.1/1 0.004/5 4=0.3/1 0.012/5"} << "invalid";
    QTest::newRow("point without stability dropped with its DUTs")
        << points("<cal_point><cal_point_temperature unit_id=\"1\">20</cal_point_temperature>"
                  "<reference_temperature unit_id=\"1\">20</reference_temperature>" +
                  dut(3, "20", "1") + "</cal_point>" + point("30", "30", "0.1"))
        << version << QStringList{"30/1: 30/1 0.1"} << "invalid";
    QTest::newRow("first value of a channel counts, incomplete DUT skipped")
        << points(
               point("30", "30", "0.1",
                     dut(3, "1", "2") + dut(3, "5", "6") +
                         "<dut><dut_channel>4</dut_channel><dut_temperature unit_id=\"1\">7</dut_temperature></dut>"))
        << version << QStringList{"30/1: 30/1 0.1 3=1/1 2/5"} << "invalid";
    QTest::newRow("points and DUTs at any depth")
        << points("<group>" + point("30", "30", "0.1", "<more>" + dut(3, "1", "2") + "</more>") + "</group>") << version
        << QStringList{"30/1: 30/1 0.1 3=1/1 2/5"} << "invalid";
    QTest::newRow("unreadable numbers are 0, missing unit undefined")
        << points("<cal_point><cal_point_temperature>abc</cal_point_temperature>"
                  "<reference_temperature unit_id=\"x\">7</reference_temperature>"
                  "<reference_stability_kelvin>x</reference_stability_kelvin></cal_point>")
        << version << QStringList{"0/0: 7/0 0"} << "invalid";
    QTest::newRow("version 2 and a start time")
        << "<start_time>20260305140000</start_time>" + points(point("30", "30", "0.1")) << " version=\"2\""
        << QStringList{"30/1: 30/1 0.1"} << "2026-03-05 14:00:00";
    QTest::newRow("no version") << points(point("30", "30", "0.1")) << "" << QStringList{"30/1: 30/1 0.1"} << "invalid";
    QTest::newRow("bad start time, rest read")
        << "<start_time>2026-03-05 14:00</start_time>" + points(point("30", "30", "0.1")) << version
        << QStringList{"30/1: 30/1 0.1"} << "invalid";
    QTest::newRow("unit texts play no part")
        << points("<cal_point><cal_point_temperature unit_id=\"1\" unit_text=\"°F\">30</cal_point_temperature>"
                  "<reference_temperature unit_id=\"1\" unit_text=\"xyz\">30</reference_temperature>"
                  "<reference_stability_kelvin>0.1</reference_stability_kelvin></cal_point>")
        << version << QStringList{"30/1: 30/1 0.1"} << "invalid";
}

void tst_CalibrationRoutine::reading()
{
    QFETCH(QString, content);
    QFETCH(QString, rootAttributes);
    QFETCH(QStringList, expected);
    QFETCH(QString, start);

    const auto routine = routineFrom(content, channels(), rootAttributes);
    QCOMPARE(results(*routine), expected);
    QCOMPARE(routine->routineStart().isValid() ? routine->routineStart().toString("yyyy-MM-dd hh:mm:ss")
                                               : QString("invalid"),
             start);
    QCOMPARE(routine->status(), rsNone);
    QVERIFY(!routine->setup());
}

void tst_CalibrationRoutine::storedProbes()
{
    mProbes.push_back(TestProbes::prt());
    mProbes.push_back(TestProbes::thermocouple());
    mProbes.push_back(TestProbes::thermistor());
    const TAbstractProbe& prt = *mProbes.at(0);
    const TAbstractProbe& thermocouple = *mProbes.at(1);
    const TAbstractProbe& thermistor = *mProbes.at(2);
    for (int number : {1, 2, 3, 4})
        input(number)->assignProbe(mProbes.at(2).get());

    auto dutProbe = [&](int pChannel, const QString& pProbeData) {
        return QString("<dut><dut_channel channel_caption=\"x\">%1</dut_channel>%2</dut>")
            .arg(pChannel)
            .arg(pProbeData);
    };
    const auto routine = routineFrom(setupXML(dutChannel(1, 3)) + "<reference_probe>" + probeFragment(thermocouple) +
                                         "</reference_probe>" + "<dut_probes>" + dutProbe(3, "<probe_data/>") +
                                         dutProbe(4, "<probe_data>" + probeFragment(prt) + "</probe_data>") +
                                         dutProbe(4, "<probe_data>" + probeFragment(thermistor) + "</probe_data>") +
                                         dutProbe(2, "") + "</dut_probes>",
                                     channels());

    QVERIFY(routine->referenceProbe());
    QCOMPARE(routine->referenceProbe()->probeName(), thermocouple.probeName());
    QVERIFY(!routine->dutProbe(3, channels()));
    QVERIFY(routine->dutProbe(4, channels()));
    QCOMPARE(TestProbes::writtenFragment(*routine->dutProbe(4, channels())), TestProbes::writtenFragment(prt));
    QCOMPARE(routine->dutProbe(2, channels()), &thermistor);

    const auto withoutStoredReference = routineFrom(setupXML(dutChannel(1, 3)) + "<reference_probe/>", channels());
    QCOMPARE(withoutStoredReference->referenceProbe(), &thermistor);
}

void tst_CalibrationRoutine::resultTable()
{
    useSeparator(',');
    // Channel 3 has no value at -40 °C: the raw unit comes from a later point.
    // Channel 4 has none at all.
    const auto routine = routineFrom(
        "<start_time>20260305140000</start_time><stop_time>20260305160712</stop_time>" +
            setupXML(dutChannel(1, 3) + dutChannel(2, 4)) + "<calibration_points>" +
            point("150", "1.000123e+02", "0.003", dut(3, "150.2", "6.138")) + point("-40", "-39.9877", "0.004") +
            point("0", "0.0012", "0.002", dut(3, "-0.1", "-0.004")) + "</calibration_points>",
        channels());

    const QString header =
        "\r\nCalibration point [°C]\tReference value [°C]\tReference stability [K]\tDUT value [°C]\t";
    const QString expected = "Routine name\tBath1\r\n"
                             "Routine start\t05/03/2026 14:00:00\r\n"
                             "Routine end\t05/03/2026 16:07:12\r\n"
                             "Source (calibrator type)\tDWK4400-165\r\n"
                             "Stability [K]\t0,05\r\n"
                             "Stability time [min]\t10\r\n"
                             "Hold time [min]\t5\r\n"
                             "Reference channel\t1\r\n"
                             "Reference probe\t\r\n"
                             "DUT\tChannel: 3\r\n" +
                             header +
                             "DUT raw value [mV]\r\n"
                             "-40\t-39,9877\t0,004\t\r\n"
                             "0\t0,0012\t0,002\t-0,1\t-0,004\r\n"
                             "150\t100,012\t0,003\t150,2\t6,138\r\n"
                             "\r\n\r\n"
                             "DUT\tChannel: 4\r\n" +
                             header +
                             "DUT raw value []\r\n"
                             "-40\t-39,9877\t0,004\t\r\n"
                             "0\t0,0012\t0,002\t\r\n"
                             "150\t100,012\t0,003\t\r\n"
                             "\r\n\r\n";
    const QStringList table = routine->toCSV(channels());
    QCOMPARE(joined(table), expected);
    // The header is two strings, the first without line end.
    QVERIFY(table.contains(header.mid(2)));
}

void tst_CalibrationRoutine::resultTableWithoutPoints()
{
    const TCalibrationSetup setup("Empty", EnCalibratorType::ctUndefined, nullptr, {TChannelDescription(3, "3")}, 1,
                                  0.5, 2, {}, QString(), 0);
    const TCalibrationRoutine routine(&setup);
    QCOMPARE(joined(routine.toCSV(channels())),
             QString("Routine name\tEmpty\r\n"
                     "Routine start\t \r\n"
                     "Routine end\t \r\n"
                     "Source (calibrator type)\t\r\n"
                     "Stability [K]\t0.5\r\n"
                     "Stability time [min]\t1\r\n"
                     "Hold time [min]\t2\r\n"
                     "Reference channel\t\r\n"
                     "Reference probe\t\r\n"
                     "DUT\tChannel: 3\r\n"
                     "\r\n"
                     "Calibration point [°C]\tReference value [°C]\tReference stability [K]\tDUT value [°C]\t"
                     "\r\n\r\n"));
}

void tst_CalibrationRoutine::resultTableProbeBlocks()
{
    mProbes.push_back(TestProbes::prt());
    mProbes.push_back(TestProbes::thermocouple());
    input(1)->assignProbe(mProbes.at(0).get());
    input(3)->assignProbe(mProbes.at(1).get());
    const TCalibrationSetup setup("Probes", EnCalibratorType::ctDWK4400_165, input(1), {TChannelDescription(3, "3")}, 1,
                                  0.5, 2, {}, QString(), 0);
    const TCalibrationRoutine routine(&setup);
    const QString table = joined(routine.toCSV(channels()));

    // Every line of the reference probe's text, empty ones too, with the
    // label on the first; the text ends in line ends, so TAB-only lines end it.
    const QString referenceText = mProbes.at(0)->probeDataToText();
    QVERIFY(referenceText.endsWith("\r\n\r\n"));
    QString referenceBlock = "Reference probe\t" + referenceText;
    referenceBlock.replace("\r\n", "\r\n\t");
    referenceBlock += "\r\n";
    QVERIFY2(table.contains("Reference channel\t1\r\n" + referenceBlock + "DUT\tChannel: 3\r\n"), qPrintable(table));

    // The DUT's probe text without its empty lines.
    const QString dutBlock = table.section("DUT\tChannel: 3\r\n", 1).section("\r\n\r\nCalibration point", 0, 0);
    QVERIFY(dutBlock.startsWith("\t" + mProbes.at(1)->probeDataToText().section("\r\n", 0, 0) + "\r\n"));
    QVERIFY(!dutBlock.contains("\r\n\t\r\n"));
    QCOMPARE(dutBlock.count("\r\n") + 1, mProbes.at(1)->probeDataToText().split("\r\n", Qt::SkipEmptyParts).size());
}

void tst_CalibrationRoutine::exportedBytes()
{
    // Little-endian UTF-16 behind FF FE, strings joined as they stand.
    const QByteArray bytes = TCalibrationRoutine::encodeCSV({"A\t", "\u2126\r\n", QString(), "°"});
    QCOMPARE(bytes.toHex(' '), QByteArray("ff fe 41 00 09 00 26 21 0d 00 0a 00 b0 00"));
    QCOMPARE(TCalibrationRoutine::encodeCSV({}), QByteArray("\xFF\xFE", 2));
}

TAMARIND_TEST_MAIN(tst_CalibrationRoutine)
#include "tst_calibrationroutine.moc"
