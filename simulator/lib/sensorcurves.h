#pragma once

// The electrical value a sensor shows at a temperature, as the simulated board
// needs it to invent plausible readings: platinum resistance thermometers on
// the Callendar-Van Dusen curve, thermocouples on the ITS-90 reference
// functions (thermovoltage against a junction at 0 degrees Celsius).
class TSensorCurves
{
public:
    enum EnThermocouple { tcJ, tcK, tcT };

    // Ohm at pTemperature (degrees Celsius); the C term applies below 0 only.
    static double callendarVanDusen(double pTemperature, double pR0, double pA, double pB, double pC);
    // The standard curve (EN 60751) for a sensor of nominal resistance pR0 (100 or 25 ohm).
    static double standardPlatinum(double pTemperature, double pR0);

    // Millivolt at pTemperature against a reference junction at 0 degrees Celsius.
    static double thermocoupleVoltage(EnThermocouple pType, double pTemperature);
    // The temperature range over which the reference function is defined.
    static double thermocoupleMinimum(EnThermocouple pType);
    static double thermocoupleMaximum(EnThermocouple pType);
};
