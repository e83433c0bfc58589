#include "calibrationsetup.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "domoutline.h"
#include "testsupport.h"

#include <QDomDocument>

#include <cmath>
#include <limits>

using Electrical_temperature_units::uCelsius;

namespace
{
const double NaN = std::numeric_limits<double>::quiet_NaN();

// The setup as one line, "|" between the fields in declaration order: DUTs as
// number:caption, set points as value/unit code.
QString summary(const TCalibrationSetup& pSetup)
{
    QStringList duts;
    for (const TChannelDescription& dut : pSetup.deviceUnderTestChannels())
        duts << QString::number(dut.internalChannelNumber()) + ":" + dut.channelCaption();
    QStringList points;
    for (const TElectricalTemperatureValue& point : pSetup.calibrationPoints())
        points << QString::number(point.value()) + "/" + QString::number(point.unit());
    return QStringList{pSetup.name(),
                       QString::number(static_cast<int>(pSetup.calibratorType())),
                       pSetup.referenceChannel() ? QString::number(pSetup.referenceChannel()->internalChannelNumber())
                                                 : QString("none"),
                       duts.join(','),
                       QString::number(pSetup.stabilityTimeMinutes()),
                       QString::number(pSetup.stabilityKelvin()),
                       QString::number(pSetup.holdTimeMinutes()),
                       points.join(','),
                       pSetup.calibratorIPAddress(),
                       QString::number(pSetup.calibratorPort())}
        .join('|');
}

QDomDocument parsed(const QString& pSetupContent)
{
    QDomDocument document;
    if (!document.setContent("<calibration_setup version=\"1\">" + pSetupContent + "</calibration_setup>"))
        qFatal("test document does not parse");
    return document;
}
} // namespace

class tst_CalibrationSetup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void isReadyToStart_data();
    void isReadyToStart();
    void writtenElements_data();
    void writtenElements();
    void reading_data();
    void reading();

private:
    TChannelController& channels() { return mFixture->controller(); }
    TPhysicalChannel* input(int pNumber) { return channels().physical_channel(pNumber); }

    std::unique_ptr<TChannelControllerFixture> mFixture;
};

void tst_CalibrationSetup::init()
{
    TAMARIND_MAKE_FIXTURE(mFixture);
    mFixture->build();
}

void tst_CalibrationSetup::cleanup()
{
    mFixture.reset();
}

void tst_CalibrationSetup::isReadyToStart_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("reference");
    QTest::addColumn<QList<int>>("duts");
    QTest::addColumn<uint>("stabilityTime");
    QTest::addColumn<double>("stability");
    QTest::addColumn<uint>("holdTime");
    QTest::addColumn<QList<double>>("points");
    QTest::addColumn<QString>("address");
    QTest::addColumn<uint>("port");
    QTest::addColumn<bool>("ready");

    // A dry well of -35 to 165 °C on the converter, reference on input 1, the
    // thermocouple on input 3 under test; each row changes one thing.
    const int dryWell = 2;
    const int networkBath = 11; // -45 to 200 °C
    const QList<int> dut{3};
    const QList<double> points{50.0, 100.0};
    auto network = [&](const char* pName, const QString& pAddress, uint pPort, bool pReady) {
        QTest::newRow(pName) << "Bath" << networkBath << 1 << dut << 1u << 0.05 << 1u << points << pAddress << pPort
                             << pReady;
    };

    QTest::newRow("complete") << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 1u << points << QString() << 0u << true;
    QTest::newRow("1 name empty") << "" << dryWell << 1 << dut << 1u << 0.05 << 1u << points << QString() << 0u
                                  << false;
    QTest::newRow("2 no calibrator") << "Bath" << 0 << 1 << dut << 1u << 0.05 << 1u << points << QString() << 0u
                                     << false;
    QTest::newRow("3 no reference channel")
        << "Bath" << dryWell << 0 << dut << 1u << 0.05 << 1u << points << QString() << 0u << false;
    QTest::newRow("4 no DUT") << "Bath" << dryWell << 1 << QList<int>() << 1u << 0.05 << 1u << points << QString() << 0u
                              << false;
    QTest::newRow("5 stability time 0") << "Bath" << dryWell << 1 << dut << 0u << 0.05 << 1u << points << QString()
                                        << 0u << false;
    QTest::newRow("6 stability 0") << "Bath" << dryWell << 1 << dut << 1u << 0.0 << 1u << points << QString() << 0u
                                   << false;
    QTest::newRow("6 stability negative")
        << "Bath" << dryWell << 1 << dut << 1u << -0.1 << 1u << points << QString() << 0u << false;
    QTest::newRow("6 stability NaN") << "Bath" << dryWell << 1 << dut << 1u << NaN << 1u << points << QString() << 0u
                                     << false;
    QTest::newRow("6 stability 0.001") << "Bath" << dryWell << 1 << dut << 1u << 0.001 << 1u << points << QString()
                                       << 0u << true;
    QTest::newRow("7 hold time 0") << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 0u << points << QString() << 0u
                                   << false;
    QTest::newRow("8 no set point") << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 1u << QList<double>() << QString()
                                    << 0u << false;
    QTest::newRow("9 DUT number no channel has")
        << "Bath" << dryWell << 1 << QList<int>{3, 7} << 1u << 0.05 << 1u << points << QString() << 0u << false;
    QTest::newRow("9 derived DUT channel exists")
        << "Bath" << dryWell << 1 << QList<int>{10} << 1u << 0.05 << 1u << points << QString() << 0u << true;
    QTest::newRow("10 calibrator code unknown")
        << "Bath" << 13 << 1 << dut << 1u << 0.05 << 1u << points << QString() << 0u << false;
    QTest::newRow("11 at tmin and tmax") << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 1u
                                         << QList<double>{-35.0, 165.0} << QString() << 0u << true;
    QTest::newRow("11 0.1 above tmax") << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 1u
                                       << QList<double>{50.0, 165.1} << QString() << 0u << false;
    QTest::newRow("11 0.1 below tmin") << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 1u << QList<double>{-35.1}
                                       << QString() << 0u << false;
    QTest::newRow("11 set point NaN") << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 1u << QList<double>{50.0, NaN}
                                      << QString() << 0u << false;
    QTest::newRow("11 two equal set points")
        << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 1u << QList<double>{50.0, 50.0} << QString() << 0u << true;
    QList<double> hundred;
    for (int point = 1; point <= TCalibrationSetup::MAX_CALIBRATION_POINTS; ++point)
        hundred << point;
    QTest::newRow("8 as many set points as a setup holds")
        << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 1u << hundred << QString() << 0u << true;
    QTest::newRow("8 one set point more than a setup holds")
        << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 1u << hundred + QList<double>{101.0} << QString() << 0u
        << false;
    QTest::newRow("serial ignores address and port")
        << "Bath" << dryWell << 1 << dut << 1u << 0.05 << 1u << points << "no address" << 70000u << true;

    network("12 network address and port", "10.0.0.5", 8101, true);
    network("12 network edge parts and ports", "0.255.0.255", 65535, true);
    network("12 network lowest port", "10.0.0.5", 1, true);
    network("12a three parts", "10.0.5", 8101, false);
    network("12a five parts", "10.0.0.5.1", 8101, false);
    network("12a no address", "", 8101, false);
    network("12b part of 256", "10.0.0.256", 8101, false);
    network("12b empty part", "10..0.5", 8101, false);
    network("12b letter in a part", "10.0.a5.5", 8101, false);
    network("12b negative part", "10.0.-1.5", 8101, false);
    network("12c port 0", "10.0.0.5", 0, false);
    network("12c port 65536", "10.0.0.5", 65536, false);
}

void tst_CalibrationSetup::isReadyToStart()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(int, reference);
    QFETCH(QList<int>, duts);
    QFETCH(uint, stabilityTime);
    QFETCH(double, stability);
    QFETCH(uint, holdTime);
    QFETCH(QList<double>, points);
    QFETCH(QString, address);
    QFETCH(uint, port);
    QFETCH(bool, ready);

    zelk::vector<TChannelDescription> dutChannels;
    for (int number : duts)
        dutChannels.push_back(TChannelDescription(number, QString::number(number)));
    zelk::vector<TElectricalTemperatureValue> setPoints;
    for (double point : points)
        setPoints.push_back(TElectricalTemperatureValue(point, uCelsius));
    const TCalibrationSetup setup(name, static_cast<EnCalibratorType>(type), reference ? input(reference) : nullptr,
                                  dutChannels, stabilityTime, stability, holdTime, setPoints, address, port);
    QCOMPARE(setup.isReadyToStart(channels()), ready);
}

void tst_CalibrationSetup::writtenElements_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("reference");
    QTest::addColumn<QString>("address");
    QTest::addColumn<uint>("port");
    QTest::addColumn<QStringList>("typeAndReference");

    QTest::newRow("serial calibrator drops address and port")
        << 2 << 1 << "10.0.0.5" << 8101u
        << QStringList{"calibrator_type[text=DWK4400-165]: 2", "reference_channel[channel_caption=1]: 1"};
    QTest::newRow("network calibrator with address and port")
        << 11 << 2 << "10.0.0.5" << 8101u
        << QStringList{"calibrator_type[ip_address=10.0.0.5 port=8101 text=MBK2900]: 11",
                       "reference_channel[channel_caption=2]: 2"};
    QTest::newRow("unknown calibrator has no model text")
        << 13 << 1 << QString() << 0u
        << QStringList{"calibrator_type[text=]: 13", "reference_channel[channel_caption=1]: 1"};
    QTest::newRow("no reference channel leaves the element empty")
        << 2 << 0 << QString() << 0u << QStringList{"calibrator_type[text=DWK4400-165]: 2", "reference_channel: "};
}

void tst_CalibrationSetup::writtenElements()
{
    QFETCH(int, type);
    QFETCH(int, reference);
    QFETCH(QString, address);
    QFETCH(uint, port);
    QFETCH(QStringList, typeAndReference);

    const TCalibrationSetup setup(
        "Bath1", static_cast<EnCalibratorType>(type), reference ? input(reference) : nullptr,
        {TChannelDescription(3, "3")}, 10, 0.05, 5,
        {TElectricalTemperatureValue(50.0, uCelsius), TElectricalTemperatureValue(100.0, uCelsius)}, address, port);
    QDomDocument document;
    QDomElement root = document.createElement("calibration_setup");
    document.appendChild(root);
    setup.saveToXML(root);

    const QStringList expected = QStringList{"name: Bath1"} + typeAndReference +
                                 QStringList{"stability_time: 10",
                                             "stability_range: 0.05",
                                             "hold_time: 5",
                                             "dut_channels",
                                             "  dut_channel[channel_caption=3 pos=1]: 3",
                                             "cal_points",
                                             "  cal_point[pos=1 unit_id=1 unit_text=°C]: 5.00000000e+01",
                                             "  cal_point[pos=2 unit_id=1 unit_text=°C]: 1.00000000e+02"};
    QCOMPARE(domOutline(root), expected);

    // What was written reads back, except the address and port of a serial
    // calibrator, which were not written.
    const TCalibrationSetup readBack(root, channels());
    const bool network = type == 11;
    QCOMPARE(summary(readBack), QString("Bath1|%1|%2|3:3|10|0.05|5|50/1,100/1|%3|%4")
                                    .arg(type)
                                    .arg(reference ? QString::number(reference) : QString("none"))
                                    .arg(network ? address : QString())
                                    .arg(network ? port : 0));
}

void tst_CalibrationSetup::reading_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("expected");

    const QString dryWell = "<name>B</name><calibrator_type>2</calibrator_type>"
                            "<reference_channel>1</reference_channel>";
    QTest::newRow("nothing") << ""
                             << "|0|none||0|0|0|||0";
    QTest::newRow("elements in any order, unknown ones ignored")
        << "<hold_time>3</hold_time><colour>red</colour><stability_range>0.1</stability_range>"
           "<stability_time>2</stability_time><reference_channel channel_caption=\"x\">2</reference_channel>"
           "<calibrator_type text=\"ignored\">6</calibrator_type><name>Oil</name>"
        << "Oil|6|2||2|0.1|3|||0";
    QTest::newRow("first of two equal elements") << "<name>first</name><name>second</name>"
                                                 << "first|0|none||0|0|0|||0";
    QTest::newRow("set points ordered by pos")
        << dryWell + "<cal_points><cal_point pos=\"3\" unit_id=\"1\">1.5e+02</cal_point>"
                     "<cal_point pos=\"1\" unit_id=\"2\" unit_text=\"°C\">5.0e+01</cal_point></cal_points>"
        << "B|2|1||0|0|0|50/2,150/1||0";
    QTest::newRow("later pos replaces earlier")
        << dryWell + "<dut_channels><dut_channel pos=\"1\" channel_caption=\"3\">3</dut_channel>"
                     "<dut_channel pos=\"1\" channel_caption=\"4\">4</dut_channel></dut_channels>"
        << "B|2|1|4:4|0|0|0|||0";
    QTest::newRow("gaps in pos, caption from the file, text and comments between")
        << dryWell + "<dut_channels>\n  <dut_channel pos=\"7\" channel_caption=\"Chan. 2\">2</dut_channel>"
                     "<!-- note -->text<other pos=\"2\" channel_caption=\"\">3</other></dut_channels>"
        << "B|2|1|3:,2:Chan. 2|0|0|0|||0";
    QTest::newRow("incomplete entries skipped")
        << dryWell + "<dut_channels><dut_channel pos=\"1\">3</dut_channel>"
                     "<dut_channel channel_caption=\"3\">3</dut_channel>"
                     "<dut_channel pos=\"x\" channel_caption=\"3\">3</dut_channel>"
                     "<dut_channel pos=\"2\" channel_caption=\"3\">three</dut_channel>"
                     "<dut_channel pos=\"3\" channel_caption=\"4\">4</dut_channel></dut_channels>"
                     "<cal_points><cal_point pos=\"1\" unit_text=\"°C\">10</cal_point>"
                     "<cal_point unit_id=\"1\">20</cal_point>"
                     "<cal_point pos=\"3\" unit_id=\"x\">30</cal_point>"
                     "<cal_point pos=\"4\" unit_id=\"1\">forty</cal_point>"
                     "<cal_point pos=\"5\" unit_id=\"1\">50</cal_point></cal_points>"
        << "B|2|1|4:4|0|0|0|50/1||0";
    // Written last to first: the cut keeps the first by position, not by place in the file.
    QString manyChannels;
    QStringList firstChannels;
    for (int position = 90; position >= 1; --position)
        manyChannels += QString("<dut_channel pos=\"%1\" channel_caption=\"%1\">%1</dut_channel>").arg(position);
    for (int position = 1; position <= 84; ++position)
        firstChannels << QString("%1:%1").arg(position);
    QTest::newRow("more channels under test than the instrument has")
        << dryWell + "<dut_channels>" + manyChannels + "</dut_channels>"
        << "B|2|1|" + firstChannels.join(',') + "|0|0|0|||0";
    // A setup of more set points is read to one point beyond the bound, by
    // position, so that it is refused rather than cut.
    QString manyPoints;
    QStringList firstPoints;
    for (int position = 150; position >= 1; --position)
        manyPoints += QString("<cal_point pos=\"%1\" unit_id=\"1\">%1</cal_point>").arg(position);
    for (int position = 1; position <= TCalibrationSetup::MAX_CALIBRATION_POINTS + 1; ++position)
        firstPoints << QString("%1/1").arg(position);
    QTest::newRow("more set points than a setup holds") << dryWell + "<cal_points>" + manyPoints + "</cal_points>"
                                                        << "B|2|1||0|0|0|" + firstPoints.join(',') + "||0";
    QTest::newRow("type abc leaves type, address and port")
        << "<calibrator_type ip_address=\"10.0.0.5\" port=\"8101\">abc</calibrator_type>"
        << "|0|none||0|0|0|||0";
    QTest::newRow("serial type keeps address and port read")
        << "<calibrator_type ip_address=\"10.0.0.5\" port=\"8101\">2</calibrator_type>"
        << "|2|none||0|0|0||10.0.0.5|8101";
    QTest::newRow("port that is no number") << "<calibrator_type ip_address=\"a\" port=\"x\">11</calibrator_type>"
                                            << "|11|none||0|0|0||a|0";
    QTest::newRow("derived reference channel") << "<reference_channel>10</reference_channel>"
                                               << "|0|none||0|0|0|||0";
    QTest::newRow("reference number no channel has") << "<reference_channel>7</reference_channel>"
                                                     << "|0|none||0|0|0|||0";
    QTest::newRow("reference that is no number") << "<reference_channel>one</reference_channel>"
                                                 << "|0|none||0|0|0|||0";
    QTest::newRow("negative minutes are 0, not huge")
        << "<stability_time>-1</stability_time><hold_time>-5</hold_time><stability_range>x</stability_range>"
        << "|0|none||0|0|0|||0";
}

void tst_CalibrationSetup::reading()
{
    QFETCH(QString, content);
    QFETCH(QString, expected);

    const QDomDocument document = parsed(content);
    QCOMPARE(summary(TCalibrationSetup(document.documentElement(), channels())), expected);
}

TAMARIND_TEST_MAIN(tst_CalibrationSetup)
#include "tst_calibrationsetup.moc"
