#include "electrical_temperature_units.h"
#include "temperatureunitconversionchain.h"
#include "testsupport.h"

using namespace Electrical_temperature_units;

Q_DECLARE_METATYPE(Electrical_temperature_units::EnUnit)

class tst_TemperatureUnitConversionChain : public QObject
{
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
    void valueInOtherUnit();
    void lessThanAcrossUnits_data();
    void lessThanAcrossUnits();
};

void tst_TemperatureUnitConversionChain::convert_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<EnUnit>("from");
    QTest::addColumn<EnUnit>("to");
    QTest::addColumn<double>("expected");

    QTest::newRow("freezing point to kelvin") << 0.0 << uCelsius << uKelvin << 273.15;
    QTest::newRow("freezing point to Fahrenheit") << 0.0 << uCelsius << uFahrenheit << 32.0;
    QTest::newRow("boiling point from Fahrenheit") << 212.0 << uFahrenheit << uCelsius << 100.0;
    QTest::newRow("minus forty is the same in both") << -40.0 << uCelsius << uFahrenheit << -40.0;
    QTest::newRow("absolute zero to Celsius") << 0.0 << uKelvin << uCelsius << -273.15;
    QTest::newRow("kelvin to Fahrenheit through Celsius") << 373.15 << uKelvin << uFahrenheit << 212.0;
    QTest::newRow("Fahrenheit to kelvin through Celsius") << -459.67 << uFahrenheit << uKelvin << 0.0;
    QTest::newRow("triple point of water to Fahrenheit") << 273.16 << uKelvin << uFahrenheit << 32.018;
    QTest::newRow("same unit") << 21.5 << uCelsius << uCelsius << 21.5;
    QTest::newRow("ohm is not converted") << 100.0 << uOhm << uCelsius << 100.0;
    QTest::newRow("into millivolt is not converted") << 4.1 << uCelsius << uMilliVolt << 4.1;
    QTest::newRow("undefined is not converted") << 7.0 << uUndefined << uKelvin << 7.0;
}

void tst_TemperatureUnitConversionChain::convert()
{
    QFETCH(double, value);
    QFETCH(EnUnit, from);
    QFETCH(EnUnit, to);
    QFETCH(double, expected);

    const TTemperatureUnitConversionChain chain;
    QVERIFY(qAbs(chain.convert(value, from, to) - expected) < 1e-9);
    // And back again.
    QVERIFY(qAbs(chain.convert(chain.convert(value, from, to), to, from) - value) < 1e-9);
}

void tst_TemperatureUnitConversionChain::valueInOtherUnit()
{
    const TTemperatureUnitConversionChain chain;
    QCOMPARE(chain.convertElectricalTemperatureValue(TElectricalTemperatureValue(100.0, uCelsius), uFahrenheit), 212.0);
}

void tst_TemperatureUnitConversionChain::lessThanAcrossUnits_data()
{
    QTest::addColumn<double>("leftValue");
    QTest::addColumn<EnUnit>("leftUnit");
    QTest::addColumn<double>("rightValue");
    QTest::addColumn<EnUnit>("rightUnit");
    QTest::addColumn<bool>("less");

    QTest::newRow("1 C below 275 K (1.85 C)") << 1.0 << uCelsius << 275.0 << uKelvin << true;
    QTest::newRow("1 C not below 274 K (0.85 C)") << 1.0 << uCelsius << 274.0 << uKelvin << false;
    QTest::newRow("100 C not below 212 F (equal)") << 100.0 << uCelsius << 212.0 << uFahrenheit << false;
    QTest::newRow("32 F below 1 C") << 32.0 << uFahrenheit << 1.0 << uCelsius << true;
    QTest::newRow("300 K not below 20 C") << 300.0 << uKelvin << 20.0 << uCelsius << false;
    QTest::newRow("ohm against Celsius compares the numbers") << 100.0 << uOhm << 20.0 << uCelsius << false;
    QTest::newRow("Celsius against millivolt compares the numbers") << 5.0 << uCelsius << 6.0 << uMilliVolt << true;
    QTest::newRow("undefined units compare the numbers") << 1.0 << uUndefined << 2.0 << uUndefined << true;
}

void tst_TemperatureUnitConversionChain::lessThanAcrossUnits()
{
    QFETCH(double, leftValue);
    QFETCH(EnUnit, leftUnit);
    QFETCH(double, rightValue);
    QFETCH(EnUnit, rightUnit);
    QFETCH(bool, less);

    QCOMPARE(TElectricalTemperatureValue(leftValue, leftUnit) < TElectricalTemperatureValue(rightValue, rightUnit),
             less);
}

TAMARIND_TEST_MAIN(tst_TemperatureUnitConversionChain)
#include "tst_temperatureunitconversionchain.moc"
