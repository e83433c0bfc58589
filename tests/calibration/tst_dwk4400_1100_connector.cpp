#include "calibratorfixture.h"
#include "dwk4400_1100_connector.h"
#include "ftdi_usb_serial_device.h"
#include "simulatedconvertertable.h"
#include "testsupport.h"
#include "textcalibratorpeer.h"

#include <cmath>
#include <memory>

using namespace Electrical_temperature_units;

// The variable-protocol connector through the converter stand-in against the
// simulated high-temperature dry well.
class tst_DWK4400_1100_Connector : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void initReadsTheLimits_data();
    void initReadsTheLimits();
    void setPointIsWrittenInCelsiusAndReadBack_data();
    void setPointIsWrittenInCelsiusAndReadBack();
    void missingConverterIsExplained();

private:
    bool startCalibrator(const QStringList& pControl)
    {
        return mCalibrator.start(EnCalibratorType::ctDWK4400_1100, pControl);
    }
    // Each request without its closing CR.
    QStringList requests() const { return mCalibrator.textRequests(); }

    TCalibratorFixture mCalibrator;
};

void tst_DWK4400_1100_Connector::initTestCase()
{
    QVERIFY(TCalibratorFixture::linkConverterStandIn());
    TDWK4400_1100_Connector::setReadTimeoutMs(500);
}

void tst_DWK4400_1100_Connector::cleanup()
{
    TFTDI_Usb_Serial_Device::instance()->disconnect();
    mCalibrator.stop();
}

void tst_DWK4400_1100_Connector::initReadsTheLimits_data()
{
    QTest::addColumn<QStringList>("control");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    const double none = std::nan("");
    QTest::newRow("limits in degrees Celsius") << QStringList() << true << 200.0 << 1100.0;
    QTest::newRow("decimal commas") << QStringList{"fault comma on"} << true << 200.0 << 1100.0;
    QTest::newRow("an empty first field") << QStringList{"fault garble blankfirst always"} << true << 200.0 << 1100.0;
    QTest::newRow("degrees Fahrenheit") << QStringList{"fault unitcode 1"} << true << (200.0 - 32.0) / 1.8
                                        << (1100.0 - 32.0) / 1.8;
    QTest::newRow("kelvin") << QStringList{"fault unitcode 2"} << true << 200.0 - 273.15 << 1100.0 - 273.15;
    QTest::newRow("an unknown unit code") << QStringList{"fault unitcode 3"} << false << none << none;
    QTest::newRow("three fields") << QStringList{"fault garble fields3 always"} << false << none << none;
    QTest::newRow("nothing between star and CR") << QStringList{"fault garble empty always"} << false << none << none;
    QTest::newRow("a CR before the star") << QStringList{"fault garble cr 1"} << false << none << none;
    QTest::newRow("silent calibrator") << QStringList{"fault silence always"} << false << none << none;
}

void tst_DWK4400_1100_Connector::initReadsTheLimits()
{
    QFETCH(QStringList, control);
    QFETCH(bool, ready);
    QFETCH(double, low);
    QFETCH(double, high);
    QVERIFY(startCalibrator(control));

    TDWK4400_1100_Connector connector;
    QString message;
    QCOMPARE(connector.init(uCelsius, message), ready);
    QCOMPARE(connector.isInitialized(), ready);
    QCOMPARE(requests().value(0), QStringLiteral("$1RVAR19 "));
    if (!ready) {
        QCOMPARE(message, QStringLiteral("Please check if the calibrator is ready to communicate. If the setpoint "
                                         "value is blinking, please press E."));
        return;
    }
    QVERIFY(message.isEmpty());
    QCOMPARE(requests(), QStringList({"$1RVAR19 ", "$1RVAR10 ", "$1RVAR18 ", "$1RVAR10 "}));
    QVERIFY(std::fabs(connector.mMinTemperatureCelsius - low) < 1e-9);
    QVERIFY(std::fabs(connector.mMaxTemperatureCelsius - high) < 1e-9);
}

void tst_DWK4400_1100_Connector::setPointIsWrittenInCelsiusAndReadBack_data()
{
    QTest::addColumn<QStringList>("control");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<double>("readBack");
    QTest::addColumn<int>("readBackUnit");

    const QStringList reads{"$1RVAR0 ", "$1RVAR10 "};
    QTest::newRow("four exchanges") << QStringList() << 450.0 << int(uCelsius)
                                    << (QStringList{"$1WVAR10 0", "$1WVAR0 450"} + reads) << 450.0 << int(uCelsius);
    QTest::newRow("six significant digits")
        << QStringList() << 723.45678 << int(uCelsius) << (QStringList{"$1WVAR10 0", "$1WVAR0 723.457"} + reads)
        << 723.46 << int(uCelsius);
    QTest::newRow("kelvin sent in degrees Celsius")
        << QStringList() << 773.15 << int(uKelvin) << (QStringList{"$1WVAR10 0", "$1WVAR0 500"} + reads) << 500.0
        << int(uCelsius);
    QTest::newRow("a decimal comma read back")
        << QStringList{"fault comma on"} << 250.5 << int(uCelsius)
        << (QStringList{"$1WVAR10 0", "$1WVAR0 250.5"} + reads) << 250.5 << int(uCelsius);
    QTest::newRow("unit switch refused: nothing more")
        << QStringList{"fault refuse write always"} << 150.0 << int(uCelsius) << QStringList{"$1WVAR10 0"}
        << std::nan("") << int(uUndefined);
    QTest::newRow("read-back reported in degrees Fahrenheit")
        << QStringList{"fault unitcode 1"} << 450.0 << int(uCelsius)
        << (QStringList{"$1WVAR10 0", "$1WVAR0 450"} + reads) << 450.0 << int(uFahrenheit);
}

void tst_DWK4400_1100_Connector::setPointIsWrittenInCelsiusAndReadBack()
{
    QFETCH(QStringList, control);
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(QStringList, sent);
    QFETCH(double, readBack);
    QFETCH(int, readBackUnit);
    QVERIFY(startCalibrator({}));
    TDWK4400_1100_Connector connector;
    QString message;
    QVERIFY(connector.init(uCelsius, message));
    for (const QString& command : control)
        QVERIFY(mCalibrator.control(command));
    mCalibrator.simulator().textPeer()->clearRecord();

    TElectricalTemperatureValue accepted;
    connector.setTemperatureValue(TElectricalTemperatureValue(value, EnUnit(unit)), accepted);
    QCOMPARE(requests(), sent);
    QCOMPARE(accepted.unit(), EnUnit(readBackUnit));
    if (std::isnan(readBack))
        QVERIFY(std::isnan(accepted.value()));
    else
        QVERIFY2(std::fabs(accepted.value() - readBack) < 1e-9, qPrintable(QString::number(accepted.value())));
}

void tst_DWK4400_1100_Connector::missingConverterIsExplained()
{
    TSimulatedConverterTable::clear();
    TDWK4400_1100_Connector connector;
    QString message;
    QVERIFY(!connector.init(uCelsius, message));
    QCOMPARE(message, QStringLiteral("No USB to serial converter found. Please make sure that a converter based on an "
                                     "FTDI chip is used. Reconnecting the converter might also help."));
    TElectricalTemperatureValue accepted;
    connector.setTemperatureValue(TElectricalTemperatureValue(500.0, uCelsius), accepted);
    QVERIFY(std::isnan(accepted.value()));
}

TAMARIND_TEST_MAIN(tst_DWK4400_1100_Connector)
#include "tst_dwk4400_1100_connector.moc"
