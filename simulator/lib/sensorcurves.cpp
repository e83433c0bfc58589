#include "sensorcurves.h"

#include "probe_enums.h"

#include <cmath>
#include <initializer_list>

namespace
{
double polynomial(double pX, std::initializer_list<double> pCoefficients)
{
    double result = 0.0;
    double power = 1.0;
    for (double c : pCoefficients) {
        result += c * power;
        power *= pX;
    }
    return result;
}

// ITS-90 thermocouple reference functions (millivolt, temperature in degrees Celsius).
double typeK(double t)
{
    if (t < 0.0)
        return polynomial(t, {0.0, 0.394501280250e-01, 0.236223735980e-04, -0.328589067840e-06, -0.499048287770e-08,
                              -0.675090591730e-10, -0.574103274280e-12, -0.310888728940e-14, -0.104516093650e-16,
                              -0.198892668780e-19, -0.163226974860e-22});
    return polynomial(t, {-0.176004136860e-01, 0.389212049750e-01, 0.185587700320e-04, -0.994575928740e-07,
                          0.318409457190e-09, -0.560728448890e-12, 0.560750590590e-15, -0.320207200030e-18,
                          0.971511471520e-22, -0.121047212750e-25}) +
           0.118597600000e+00 * std::exp(-0.118343200000e-03 * std::pow(t - 0.126968600000e+03, 2));
}

double typeJ(double t)
{
    return polynomial(t, {0.0, 0.503811878150e-01, 0.304758369300e-04, -0.856810657200e-07, 0.132281952950e-09,
                          -0.170529583370e-12, 0.209480906970e-15, -0.125383953360e-18, 0.156317256970e-22});
}

double typeT(double t)
{
    if (t < 0.0)
        return polynomial(t, {0.0, 0.387481063640e-01, 0.441944343470e-04, 0.118443231050e-06, 0.200329735540e-07,
                              0.901380195590e-09, 0.226511565930e-10, 0.360711542050e-12, 0.384939398830e-14,
                              0.282135219250e-16, 0.142515947790e-18, 0.487686622860e-21, 0.107955392700e-23,
                              0.139450270620e-26, 0.797951539270e-30});
    return polynomial(t, {0.0, 0.387481063640e-01, 0.332922278800e-04, 0.206182434040e-06, -0.218822568460e-08,
                          0.109968809280e-10, -0.308157587720e-13, 0.454791352900e-16, -0.275129016730e-19});
}
} // namespace

double TSensorCurves::callendarVanDusen(double pTemperature, double pR0, double pA, double pB, double pC)
{
    const double t = pTemperature;
    double factor = 1.0 + pA * t + pB * t * t;
    if (t < 0.0)
        factor += pC * (t - 100.0) * t * t * t;
    return pR0 * factor;
}

double TSensorCurves::standardPlatinum(double pTemperature, double pR0)
{
    return callendarVanDusen(pTemperature, pR0, Probe_enums::EN60715_A, Probe_enums::EN60715_B, Probe_enums::EN60715_C);
}

double TSensorCurves::thermocoupleVoltage(EnThermocouple pType, double pTemperature)
{
    switch (pType) {
    case tcJ:
        return typeJ(pTemperature);
    case tcT:
        return typeT(pTemperature);
    case tcK:
        break;
    }
    return typeK(pTemperature);
}

double TSensorCurves::thermocoupleMinimum(EnThermocouple pType)
{
    return pType == tcJ ? -210.0 : -270.0;
}

double TSensorCurves::thermocoupleMaximum(EnThermocouple pType)
{
    switch (pType) {
    case tcJ:
        return 760.0;
    case tcT:
        return 400.0;
    case tcK:
        break;
    }
    return 1372.0;
}
