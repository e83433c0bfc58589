#include "blockcalibratorfactory.h"
#include "calibrationsetup.h"
#include "dwk4400_1100_connector.h"
#include "dwk44xx_connector.h"
#include "dwk46xx_connector.h"
#include "mbk2x00_connector.h"
#include "testsupport.h"

#include <cmath>

namespace
{
TCalibrationSetup setupFor(EnCalibratorType pType)
{
    return TCalibrationSetup(QStringLiteral("bench"), pType, nullptr, {}, 10, 0.02, 5, {}, QStringLiteral("192.0.2.7"),
                             8105);
}
} // namespace

Q_DECLARE_METATYPE(EnCalibratorType)

// The connector the factory builds for each calibrator model of a setup.
class tst_BlockcalibratorFactoryConnectors : public QObject
{
    Q_OBJECT

private slots:
    void connectorPerModel_data();
    void connectorPerModel();
    void everyCallGivesANewConnector();
};

void tst_BlockcalibratorFactoryConnectors::connectorPerModel_data()
{
    QTest::addColumn<EnCalibratorType>("type");
    QTest::addColumn<QString>("connector");
    using T = EnCalibratorType;
    const QString modbus = QStringLiteral("modbus");
    QTest::newRow("1") << T::ctDWK4400_COOL << modbus;
    QTest::newRow("2") << T::ctDWK4400_165 << modbus;
    QTest::newRow("3") << T::ctDWK4400_450 << modbus;
    QTest::newRow("4") << T::ctDWK4400_650 << modbus;
    QTest::newRow("5") << T::ctDWK4600_650 << "stx/etx";
    QTest::newRow("6") << T::ctDWK4600_165 << "stx/etx";
    QTest::newRow("7") << T::ctMBK2700_165 << modbus;
    QTest::newRow("8 bath on the converter") << T::ctMBK2700_225 << modbus;
    QTest::newRow("9 multi-function calibrator") << T::ctMFK5100_150 << modbus;
    QTest::newRow("10") << T::ctMBK2800 << "tcp";
    QTest::newRow("11") << T::ctMBK2900 << "tcp";
    QTest::newRow("12") << T::ctDWK4400_1100 << "variable";
    QTest::newRow("undefined") << T::ctUndefined << QString();
}

void tst_BlockcalibratorFactoryConnectors::connectorPerModel()
{
    QFETCH(EnCalibratorType, type);
    QFETCH(QString, connector);
    const TCalibrationSetup setup = setupFor(type);

    const std::unique_ptr<IBlockcalibratorInterface> made =
        TBlockcalibratorFactory::instance()->createBlockcalibrator(setup);
    QCOMPARE(made != nullptr, !connector.isEmpty());
    if (!made)
        return;
    QVERIFY(!made->isInitialized());
    QCOMPARE(dynamic_cast<TDWK44XX_Connector*>(made.get()) != nullptr, connector == QLatin1String("modbus"));
    QCOMPARE(dynamic_cast<TDWK46XX_Connector*>(made.get()) != nullptr, connector == QLatin1String("stx/etx"));
    QCOMPARE(dynamic_cast<TDWK4400_1100_Connector*>(made.get()) != nullptr, connector == QLatin1String("variable"));
    const auto* network = dynamic_cast<TMBK2X00_Connector*>(made.get());
    QCOMPARE(network != nullptr, connector == QLatin1String("tcp"));
    if (network) {
        QCOMPARE(network->ipAddress(), QStringLiteral("192.0.2.7"));
        QCOMPARE(network->port(), 8105u);
    }
    // Not initialised: nothing is sent.
    TElectricalTemperatureValue accepted(1.0, Electrical_temperature_units::uCelsius);
    made->setTemperatureValue(TElectricalTemperatureValue(50.0, Electrical_temperature_units::uCelsius), accepted);
    QVERIFY(std::isnan(accepted.value()));
    QCOMPARE(accepted.unit(), Electrical_temperature_units::uUndefined);
}

void tst_BlockcalibratorFactoryConnectors::everyCallGivesANewConnector()
{
    const TCalibrationSetup setup = setupFor(EnCalibratorType::ctDWK4400_165);
    const auto first = TBlockcalibratorFactory::instance()->createBlockcalibrator(setup);
    const auto second = TBlockcalibratorFactory::instance()->createBlockcalibrator(setup);
    QVERIFY(first && second);
    QVERIFY(first.get() != second.get());
}

TAMARIND_TEST_MAIN(tst_BlockcalibratorFactoryConnectors)
#include "tst_blockcalibratorfactoryconnectors.moc"
