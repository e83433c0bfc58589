#include "calibratorfixture.h"
#include "dwk46xx_connector.h"
#include "ftdi_usb_serial_device.h"
#include "simulatedconvertertable.h"
#include "testsupport.h"
#include "textcalibratorpeer.h"

#include <cmath>
#include <memory>

using namespace Electrical_temperature_units;

// The STX/ETX connector through the converter stand-in against the simulated
// dry well, whose line keeps 9600-baud timing.
class tst_DWK46XX_Connector : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void initChecksAndPreparesTheCalibrator_data();
    void initChecksAndPreparesTheCalibrator();
    void setPointsWithinTheLimits_data();
    void setPointsWithinTheLimits();
    void missingConverterIsExplained();

private:
    bool startCalibrator(const QStringList& pControl)
    {
        return mCalibrator.start(EnCalibratorType::ctDWK4600_165, pControl);
    }
    // The requests the calibrator received, STX and ETX left out.
    QStringList requests() const { return mCalibrator.textRequests(); }

    TCalibratorFixture mCalibrator;
};

void tst_DWK46XX_Connector::initTestCase()
{
    QVERIFY(TCalibratorFixture::linkConverterStandIn());
    TDWK46XX_Connector::setTimingForTests(500, 60);
}

void tst_DWK46XX_Connector::cleanup()
{
    TFTDI_Usb_Serial_Device::instance()->disconnect();
    mCalibrator.stop();
}

void tst_DWK46XX_Connector::initChecksAndPreparesTheCalibrator_data()
{
    QTest::addColumn<QStringList>("control");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QStringList>("sent");
    const QStringList fullInit{"t", "EC", "e", "O1", "b"};
    QTest::newRow("seven characters from DWK46") << QStringList() << int(uCelsius) << true << fullInit;
    QTest::newRow("six characters") << QStringList{"identity DWK460"} << int(uCelsius) << false << QStringList{"t"};
    QTest::newRow("eight characters") << QStringList{"identity DWK46000"} << int(uCelsius) << false << QStringList{"t"};
    QTest::newRow("another family") << QStringList{"identity DWK4700"} << int(uCelsius) << false << QStringList{"t"};
    QTest::newRow("ohm is no unit to set") << QStringList() << int(uOhm) << false << QStringList{"t"};
    QTest::newRow("kelvin") << QStringList() << int(uKelvin) << true << QStringList{"t", "EK", "e", "O1", "b"};
    QTest::newRow("control mode refused three times") << QStringList{"fault refuse control always"} << int(uCelsius)
                                                      << false << QStringList{"t", "EC", "e", "O1", "O1", "O1"};
    QTest::newRow("control mode refused once") << QStringList{"fault refuse control 1"} << int(uCelsius) << true
                                               << QStringList{"t", "EC", "e", "O1", "O1", "b"};
    QTest::newRow("no limits") << QStringList{"fault refuse limits always"} << int(uCelsius) << false << fullInit;
    QTest::newRow("low limit equal to high")
        << QStringList{"fault garble equallimits 1"} << int(uCelsius) << false << fullInit;
    QTest::newRow("bytes around every reply")
        << QStringList{"fault garble noise always"} << int(uCelsius) << true << fullInit;
    QTest::newRow("limits with a decimal comma") << QStringList{"fault comma on"} << int(uCelsius) << true << fullInit;
    QTest::newRow("reply of another letter")
        << QStringList{"fault garble letter 1"} << int(uCelsius) << false << QStringList{"t"};
    QTest::newRow("reply without ETX") << QStringList{"fault garble noetx 1"} << int(uCelsius) << false
                                       << QStringList{"t"};
    QTest::newRow("silent calibrator") << QStringList{"fault silence always"} << int(uCelsius) << false
                                       << QStringList{"t"};
}

void tst_DWK46XX_Connector::initChecksAndPreparesTheCalibrator()
{
    QFETCH(QStringList, control);
    QFETCH(int, unit);
    QFETCH(bool, ready);
    QFETCH(QStringList, sent);
    QVERIFY(startCalibrator(control));

    TDWK46XX_Connector connector;
    QString message = QStringLiteral("left over");
    QCOMPARE(connector.init(EnUnit(unit), message), ready);
    QCOMPARE(connector.isInitialized(), ready);
    QVERIFY(message.isEmpty());
    QCOMPARE(requests(), sent);
    if (ready) {
        QCOMPARE(connector.mMinTemperatureCelsius, -35.0);
        QCOMPARE(connector.mMaxTemperatureCelsius, 165.0);
    }
}

void tst_DWK46XX_Connector::setPointsWithinTheLimits_data()
{
    QTest::addColumn<QStringList>("control");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unit");
    // Empty when nothing may be sent.
    QTest::addColumn<QString>("sent");
    QTest::addColumn<double>("readBack");

    const double none = std::nan("");
    QTest::newRow("two decimals, rounded") << QStringList() << 37.456 << int(uCelsius) << "S+37.46" << 37.46;
    QTest::newRow("a negative set point") << QStringList() << -35.0 << int(uCelsius) << "S-35.00" << -35.0;
    QTest::newRow("the high limit") << QStringList() << 165.0 << int(uCelsius) << "S+165.00" << 165.0;
    QTest::newRow("a hundredth above it") << QStringList() << 165.01 << int(uCelsius) << QString() << none;
    QTest::newRow("below the low limit") << QStringList() << -35.5 << int(uCelsius) << QString() << none;
    QTest::newRow("degrees Fahrenheit both ways") << QStringList() << 212.0 << int(uFahrenheit) << "S+100.00" << 212.0;
    QTest::newRow("no set point reported")
        << QStringList{"fault refuse setpoint always"} << 50.0 << int(uCelsius) << "S+50.00" << none;
    QTest::newRow("read back as set") << QStringList{"fault readback 0.5"} << 50.0 << int(uCelsius) << "S+50.00"
                                      << 50.5;
}

void tst_DWK46XX_Connector::setPointsWithinTheLimits()
{
    QFETCH(QStringList, control);
    QFETCH(double, value);
    QFETCH(int, unit);
    QFETCH(QString, sent);
    QFETCH(double, readBack);
    QVERIFY(startCalibrator(control));
    TDWK46XX_Connector connector;
    QString message;
    QVERIFY(connector.init(uCelsius, message));
    mCalibrator.simulator().textPeer()->clearRecord();

    TElectricalTemperatureValue accepted;
    connector.setTemperatureValue(TElectricalTemperatureValue(value, EnUnit(unit)), accepted);
    QCOMPARE(requests(), sent.isEmpty() ? QStringList() : QStringList({sent, QStringLiteral("s")}));
    if (std::isnan(readBack)) {
        QVERIFY(std::isnan(accepted.value()));
        QCOMPARE(accepted.unit(), uUndefined);
    } else {
        QVERIFY2(std::fabs(accepted.value() - readBack) < 1e-9, qPrintable(QString::number(accepted.value())));
        QCOMPARE(accepted.unit(), EnUnit(unit));
    }
}

void tst_DWK46XX_Connector::missingConverterIsExplained()
{
    TSimulatedConverterTable::clear();
    TDWK46XX_Connector connector;
    QString message;
    QVERIFY(!connector.init(uCelsius, message));
    QCOMPARE(message, QStringLiteral("No USB to serial converter found. Please make sure that a converter based on an "
                                     "FTDI chip is used. Reconnecting the converter might also help."));
    TElectricalTemperatureValue accepted;
    connector.setTemperatureValue(TElectricalTemperatureValue(50.0, uCelsius), accepted);
    QVERIFY(std::isnan(accepted.value()));
}

TAMARIND_TEST_MAIN(tst_DWK46XX_Connector)
#include "tst_dwk46xx_connector.moc"
