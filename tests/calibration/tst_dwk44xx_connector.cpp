#include "calibratorcontrolinterpreter.h"
#include "calibratorfixture.h"
#include "calibratorsimulator.h"
#include "dwk44xx_connector.h"
#include "ftdi_usb_serial_device.h"
#include "modbuscalibratorpeer.h"
#include "modbuscommand.h"
#include "testsupport.h"

#include <cmath>
#include <memory>

using namespace Dwk44xx_connector;
using namespace Electrical_temperature_units;

Q_DECLARE_METATYPE(EnCalibratorType)

namespace
{
// One request as the calibrator saw it: "r <register> <count>" or "w <register> <value>".
QStringList requestsSeen(TCalibratorSimulator& pSimulator)
{
    QStringList seen;
    for (const TModbusRequestRecord& request : pSimulator.modbusPeer()->receivedRequests()) {
        QString text = QStringLiteral("%1 %2 %3")
                           .arg(request.mFunction == 3 ? QStringLiteral("r") : QStringLiteral("w"))
                           .arg(request.mRegister)
                           .arg(request.mFunction == 6 ? int(qint16(request.mValue)) : int(request.mValue));
        if (request.mSlave != 1 || !request.mChecksumValid)
            text += QStringLiteral(" bad frame");
        seen << text;
    }
    return seen;
}
} // namespace

// The Modbus connector through the converter stand-in against the simulated
// calibrator, whose Modbus server is libmodbus and whose line echoes.
class tst_DWK44XX_Connector : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void initWritesTheControllerSetup();
    void initAcceptsOnlyAnswering58Controllers_data();
    void initAcceptsOnlyAnswering58Controllers();
    void setPointIsScaledSentAndReadBack_data();
    void setPointIsScaledSentAndReadBack();
    void transactionStatus_data();
    void transactionStatus();
    void digitsOutsideTheRangeSendNothing();

private:
    // Starts a calibrator of that model; pControl runs control commands before init.
    bool startCalibrator(EnCalibratorType pType, const QStringList& pControl = {});
    void control(const QString& pCommand);

    std::unique_ptr<TCalibratorSimulator> mSimulator;
};

void tst_DWK44XX_Connector::initTestCase()
{
    QVERIFY(TCalibratorFixture::linkConverterStandIn());
    QVERIFY(TFTDI_Usb_Serial_Device::instance()->isLibraryAvailable());
}

void tst_DWK44XX_Connector::cleanup()
{
    TFTDI_Usb_Serial_Device::instance()->disconnect();
    mSimulator.reset();
}

bool tst_DWK44XX_Connector::startCalibrator(EnCalibratorType pType, const QStringList& pControl)
{
    TCalibratorFixture::setReplyTimeouts(pControl);
    mSimulator = std::make_unique<TCalibratorSimulator>(pType);
    QString error;
    if (!mSimulator->start(error)) {
        qWarning("%s", qPrintable(error));
        return false;
    }
    for (const QString& command : pControl)
        control(command);
    return true;
}

void tst_DWK44XX_Connector::control(const QString& pCommand)
{
    TCalibratorControlInterpreter interpreter(*mSimulator);
    QCOMPARE(interpreter.execute(pCommand).value(0), QStringLiteral("OK"));
}

void tst_DWK44XX_Connector::initWritesTheControllerSetup()
{
    QVERIFY(startCalibrator(EnCalibratorType::ctDWK4400_165));
    TDWK44XX_Connector connector;
    QVERIFY(!connector.isInitialized());
    QString message = QStringLiteral("left over");
    QVERIFY(connector.init(uCelsius, message));
    QVERIFY(connector.isInitialized());
    QVERIFY(message.isEmpty());
    QCOMPARE(requestsSeen(*mSimulator), QStringList({"r 2058 15", "r 10260 1", "w 10259 0", "w 923 1", "w 10258 3",
                                                     "w 923 1", "w 923 1", "r 10258 1"}));
    mSimulator->modbusPeer()->withState([](TModbusCalibratorState& pState) {
        QCOMPARE(pState.mDigitAutoranging, false);
        QCOMPARE(pState.mDigits, 2);
    });
}

void tst_DWK44XX_Connector::initAcceptsOnlyAnswering58Controllers_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("Q58 padded with zero bytes") << QStringList() << true;
    QTest::newRow("a longer Q58 part number") << QStringList{"partnumber Q58-2X"} << true;
    QTest::newRow("another controller") << QStringList{"partnumber X58"} << false;
    QTest::newRow("Q58 not at the start") << QStringList{"partnumber AQ58"} << false;
    QTest::newRow("lower case") << QStringList{"partnumber q58"} << false;
    QTest::newRow("no answer at all") << QStringList{"fault silence always"} << false;
    QTest::newRow("silent after the part number") << QStringList{"fault silence always after 1"} << false;
    QTest::newRow("digits cannot be read") << QStringList{"fault silence always after 7"} << false;
    QTest::newRow("part number refused") << QStringList{"fault exception 2 1"} << false;
}

void tst_DWK44XX_Connector::initAcceptsOnlyAnswering58Controllers()
{
    QFETCH(QStringList, commands);
    QFETCH(bool, accepted);
    QVERIFY(startCalibrator(EnCalibratorType::ctDWK4400_165, commands));

    TDWK44XX_Connector connector;
    QString message;
    QCOMPARE(connector.init(uCelsius, message), accepted);
    QCOMPARE(connector.isInitialized(), accepted);
    QCOMPARE(TFTDI_Usb_Serial_Device::instance()->isConnected(), accepted);
    QVERIFY(message.isEmpty());

    // A refused controller is sent no set point.
    mSimulator->modbusPeer()->clearRecord();
    control(QStringLiteral("fault clear"));
    TElectricalTemperatureValue accepted_value(1.0, uKelvin);
    connector.setTemperatureValue(TElectricalTemperatureValue(50.0, uCelsius), accepted_value);
    QCOMPARE(std::isnan(accepted_value.value()), !accepted);
    QCOMPARE(mSimulator->modbusPeer()->receivedRequests().isEmpty(), !accepted);
    if (!accepted)
        QCOMPARE(accepted_value.unit(), uUndefined);
}

void tst_DWK44XX_Connector::setPointIsScaledSentAndReadBack_data()
{
    QTest::addColumn<EnCalibratorType>("type");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("registerValue");
    QTest::addColumn<double>("readBack");
    QTest::addColumn<double>("modelSetPoint");
    QTest::addColumn<QStringList>("digitsRequests");

    using T = EnCalibratorType;
    const QStringList none;
    QTest::newRow("-35 degC with two digits is F254")
        << T::ctDWK4400_165 << QStringList() << -35.0 << int(uCelsius) << -3500 << -35.0 << -35.0 << none;
    QTest::newRow("above 327 degC one digit")
        << T::ctDWK4400_450 << QStringList() << 374.6 << int(uCelsius) << 3746 << 374.6 << 374.6 << none;
    QTest::newRow("a half rounds up") << T::ctDWK4400_165 << QStringList() << 0.125 << int(uCelsius) << 13 << 0.13
                                      << 0.13 << none;
    QTest::newRow("a negative half rounds up too")
        << T::ctDWK4400_165 << QStringList() << -0.125 << int(uCelsius) << -12 << -0.12 << -0.12 << none;
    QTest::newRow("kelvin asked, degrees Celsius sent")
        << T::ctMBK2700_165 << QStringList() << 373.15 << int(uKelvin) << 10000 << 373.15 << 100.0 << none;
    QTest::newRow("a calibrator showing degrees Fahrenheit")
        << T::ctDWK4400_COOL << QStringList{"unit f"} << 100.0 << int(uCelsius) << 21200 << 100.0 << 100.0 << none;
    // 40000 does not fit 16 bits signed: the controller is asked for two
    // decimals, and what it reads back counts.
    const QStringList twoDigits{"w 10258 2", "w 923 1", "r 10258 1"};
    QTest::newRow("40 degC on a controller keeping three decimals goes with two")
        << T::ctDWK4400_450 << QStringList{"digits 3"} << 40.0 << int(uCelsius) << 4000 << 40.0 << 40.0 << twoDigits;
    QTest::newRow("649.9 degC on a controller keeping three decimals goes with one")
        << T::ctDWK4400_650 << QStringList{"digits 3"} << 649.9 << int(uCelsius) << 6499 << 649.9 << 649.9
        << QStringList{"w 10258 1", "w 923 1", "r 10258 1"};
}

void tst_DWK44XX_Connector::setPointIsScaledSentAndReadBack()
{
    QFETCH(EnCalibratorType, type);
    QFETCH(QStringList, commands);
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(int, registerValue);
    QFETCH(double, readBack);
    QFETCH(double, modelSetPoint);
    QFETCH(QStringList, digitsRequests);
    QVERIFY(startCalibrator(type, commands));
    TDWK44XX_Connector connector;
    QString message;
    QVERIFY(connector.init(uCelsius, message));
    mSimulator->modbusPeer()->clearRecord();

    TElectricalTemperatureValue accepted;
    connector.setTemperatureValue(TElectricalTemperatureValue(value, EnUnit(unit)), accepted);
    QCOMPARE(requestsSeen(*mSimulator), digitsRequests + QStringList({QStringLiteral("w 10242 %1").arg(registerValue),
                                                                      "w 10241 1", "w 923 1", "r 10242 1"}));
    QVERIFY(!connector.lastSetPointUnsendable());
    QCOMPARE(accepted.unit(), EnUnit(unit));
    QVERIFY2(std::fabs(accepted.value() - readBack) < 1e-4, qPrintable(QString::number(accepted.value())));
    QVERIFY(std::fabs(mSimulator->model().setPoint() - modelSetPoint) < 1e-6);
}

void tst_DWK44XX_Connector::digitsOutsideTheRangeSendNothing()
{
    // A controller that keeps all three digits it is asked for.
    QVERIFY(startCalibrator(EnCalibratorType::ctDWK4400_165));
    mSimulator->modbusPeer()->withState([](TModbusCalibratorState& pState) { pState.mMaxDigits = 3; });
    TDWK44XX_Connector connector;
    QString message;
    QVERIFY(connector.init(uCelsius, message));
    mSimulator->modbusPeer()->clearRecord();

    TElectricalTemperatureValue accepted;
    connector.setTemperatureValue(TElectricalTemperatureValue(32.767, uCelsius), accepted);
    QCOMPARE(requestsSeen(*mSimulator).value(0), QStringLiteral("w 10242 32767"));
    QVERIFY(std::fabs(accepted.value() - 32.767) < 1e-4);

    // 40000 would wrap to -25536 and command -25.536 degC; this controller
    // keeps three decimals when asked for two.
    control(QStringLiteral("digits 3 fixed"));
    mSimulator->modbusPeer()->clearRecord();
    connector.setTemperatureValue(TElectricalTemperatureValue(40.0, uCelsius), accepted);
    QVERIFY(std::isnan(accepted.value()));
    QCOMPARE(accepted.unit(), uUndefined);
    QCOMPARE(requestsSeen(*mSimulator), QStringList({"w 10258 2", "w 923 1", "r 10258 1"}));
    QVERIFY(connector.lastSetPointUnsendable());
    QVERIFY(std::fabs(mSimulator->model().setPoint() - 32.767) < 1e-6);
}

void tst_DWK44XX_Connector::transactionStatus_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("payloadSize");

    QTest::newRow("regular reply after the echo") << QStringList() << 10258 << 0 << 1 << 2;
    QTest::newRow("exception: no repetition") << QStringList{"fault exception 2 1"} << 10258 << 2 << 1 << 0;
    QTest::newRow("an unnamed exception code is kept") << QStringList{"fault exception 7 1"} << 10258 << 7 << 1 << 0;
    QTest::newRow("register the controller lacks") << QStringList() << 5000 << 2 << 1 << 0;
    QTest::newRow("exception with a wrong CRC: four attempts")
        << QStringList{"fault exception 2 always", "fault badcrc always"} << 10258 << -1 << 4 << 0;
    QTest::newRow("one wrong CRC is repeated") << QStringList{"fault badcrc 1"} << 10258 << 0 << 2 << 2;
    QTest::newRow("silence: four attempts, then no reply")
        << QStringList{"fault silence always"} << 10258 << -4 << 4 << 0;
    QTest::newRow("another slave answers") << QStringList{"fault slave 7 always"} << 10258 << -4 << 1 << 0;
}

void tst_DWK44XX_Connector::transactionStatus()
{
    QFETCH(QStringList, commands);
    QFETCH(int, address);
    QFETCH(int, status);
    QFETCH(int, requests);
    QFETCH(int, payloadSize);
    QVERIFY(startCalibrator(EnCalibratorType::ctDWK4400_165));
    TDWK44XX_Connector connector;
    QString message;
    QVERIFY(connector.init(uCelsius, message));
    for (const QString& command : commands)
        control(command);
    TCalibratorFixture::setReplyTimeouts(commands);
    mSimulator->modbusPeer()->clearRecord();

    EnCommandStatus result = EnCommandStatus::csOK;
    const QByteArray payload = connector.sendCommand(TModbusReadCommand(1, quint16(address), 1), result);
    QCOMPARE(int(result), status);
    QCOMPARE(payload.size(), payloadSize);
    QCOMPARE(mSimulator->modbusPeer()->receivedRequests().size(), requests);

    // The readers give nothing for a reply they do not get.
    if (!commands.filter(QStringLiteral("always")).isEmpty())
        QCOMPARE(connector.getNumberDigits(result), -1);
}

TAMARIND_TEST_MAIN(tst_DWK44XX_Connector)
#include "tst_dwk44xx_connector.moc"
