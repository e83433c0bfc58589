#pragma once

#include <QtGlobal>

#include <utility>

// The probe vocabulary. The numbers are the codes the measurement board, the
// probe record and the probe XML fragment use, gaps and -1 included; a number
// read from outside that is not listed is kept as read, the readers decide.
namespace Probe_enums
{
enum EnPRTType : qint16 {
    prttUndefined = -1,
    prttPT25 = 0,
    prttPT100 = 1
};

enum EnWiring : qint16 {
    wUndefined = -1,
    w3wire = 1,
    w4wire = 2
};

// The board's reference resistor for a PRT measurement.
enum EnIntResPRT : qint16 {
    rprtUndefined = -1,
    rprtAuto = 1,
    rprt25 = 2,
    rprt100 = 3
};

enum EnConvPRT : qint16 {
    cprtUndefined = -1,
    cprtEN60751 = 1,
    cprtCVD = 2,
    cprtITS90 = 3,
    cprtDataPairs = 4
};

enum EnPRTOperatingCurrentSetting : quint8 {
    Automatic = 0,
    ZeroPointFiveMilliAmps = 1,
    OneMilliAmp = 2,
    TwoMilliAmps = 3
};

// 0 to 2 are unused: the probe record's type field carries the PRT types and
// the thermistor there.
enum EnThermocoupleType : qint16 {
    ptUndefined = -1,
    ptB = 3,
    ptC = 4,
    ptD = 5,
    ptE = 6,
    ptJ = 7,
    ptK = 8,
    ptN = 9,
    ptR = 10,
    ptS = 11,
    ptT = 12
};

enum EnReferenceJunction : qint16 {
    rjUndefined = -1,
    rjInternal = 0,
    rjExternal = 1,
    rjChannel = 2
};

enum EnConvTC : qint16 {
    ctcUndefined = -1,
    ctcIEC584 = 1,
    ctcPolynomial = 2
};

enum EnConvThermistor : qint16 {
    cthUndefined = -1,
    cthNone = 1,
    cthSteinhartHart = 2,
    cthPolynomial = 3
};

enum EnTemperatureAccuracyStatus : quint8 {
    tasInRange = 0,
    tasUnderRange = 1,
    tasOverRange = 2
};

enum EnSmartProbeStatus : quint8 {
    spsDisabled = 0,
    spsNotFitted = 1,
    spsPresent = 2,
    spsChanged = 3
};

enum EnSmartProbeStandard : quint8 {
    spstUndefined = 0,
    spstEN60751 = 1,
    spstCvD = 2,
    spstITS90 = 3,
    spstDIN = 4
};

enum EnSmartProbeReference : qint16 {
    sprUndefined = -1,
    spr25Ohm = 1,
    spr100Ohm = 2
};

// The excitation current the board reports for a PRT probe.
enum EnPRTOperatingCurrent : qint16 {
    prtocUndefined = -1,
    prtoc1mA = 1,
    prtoc2mA = 2,
    prtoc1mAroot2 = 3,
    prtoc2mAroot2 = 4,
    prtoc0_5mA = 5,
    prtoc0_5maroot2 = 6
};

enum EnThermOperatingCurrent : qint16 {
    trmocUndefined = -1,
    trmoc1mA = 0,
    trmoc10uA = 1,
    trmoc3uA = 2
};

// Resistance range the board reports for a thermistor probe, in ohm.
enum EnRange : qint16 {
    rUndefined = -1,
    r0_450 = 0,
    r400_45000 = 1,
    r40000_500000 = 2
};

// The EN 60751 standard curve. The names read 60715 as they always have; a PRT
// probe on the standard curve is written to the board with these values, not
// with its own Callendar-Van Dusen fields.
constexpr double EN60715_R0_PT100 = 100.0;
constexpr double EN60715_R0_PT25 = 25.0;
constexpr double EN60715_A = 3.9083e-3;
constexpr double EN60715_B = -5.775e-7;
constexpr double EN60715_C = -4.183e-12;

// Characters; the probe record cuts stored names to this length.
constexpr qint16 MAX_PROBE_NAME_LENGTH = 20;
constexpr qint16 MAX_SMART_PROBE_NAME_LENGTH = 19;

// Lowest and highest Tmin and Tmax a probe may have, in degrees Celsius.
constexpr std::pair<qint16, qint16> TMIN_MAX_RANGE{-999, 9999};
} // namespace Probe_enums
