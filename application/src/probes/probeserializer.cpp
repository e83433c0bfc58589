#include "probeserializer.h"

#include "instrumentinfo.h"
#include "printfnumber.h"
#include "probe.h"

#include <QLocale>
#include <QStringList>

#include <array>

using namespace Probe_enums;

namespace
{
constexpr int FIELD_COUNT_ZTM8800 = 32;
constexpr int FIELD_COUNT = 33;
constexpr int COEFFICIENT_SLOTS = 18;

// Field indices, counted from 0.
constexpr int SENSOR_CODE = 0;
constexpr int NAME = 1;
constexpr int TMAX = 2;
constexpr int TMIN = 3;
constexpr int CONVERSION_CODE = 4;
constexpr int FIRST_COEFFICIENT_SLOT = 5;
constexpr int RESISTOR_OR_JUNCTION_CODE = 23;
constexpr int REFERENCE_CHANNEL = 24;
constexpr int CALIBRATION_YEAR = 25;
constexpr int CALIBRATION_MONTH = 26;
constexpr int CALIBRATION_DAY = 27;
constexpr int WIRING = 28;
constexpr int REFERENCE_FLAG = 29;
constexpr int CHANNEL = 30;
constexpr int KEEP_WARM = 31;
constexpr int OPERATING_CURRENT_SETTING = 32;

// A code outside its list is reported with the field's position counted from
// 1, a field that is no number with its index counted from 0; the numbers
// reach the probe management as they always have.
constexpr int REFUSED_WRONG_FIELD_COUNT = -1;
constexpr int REFUSED_CONVERSION_CODE = 5;
constexpr int REFUSED_RESISTOR_OR_JUNCTION_CODE = 24;
constexpr int REFUSED_WIRING = 29;

// Sensor codes: the PRT types share the field with the thermistor and the
// thermocouple types (3 to 12).
constexpr int SENSOR_CODE_THERMISTOR = 2;

constexpr int REFERENCE_PROBE = 2;
constexpr int NOT_A_REFERENCE_PROBE = 1;
constexpr int KEEP_WARM_ON = 1;
constexpr int KEEP_WARM_OFF = 2;

const QString ZERO = QStringLiteral("0");

QString limit(double pValue)
{
    return TPrintfNumber::fixed(pValue, 1);
}

QString resistance(double pValue)
{
    return QString::number(pValue, 'g', 6);
}

QString coefficient(double pValue)
{
    return QString::number(pValue, 'e', 5);
}

int fieldCount(EnInstrumentType pInstrumentType)
{
    switch (pInstrumentType) {
    case ZTM8800:
        return FIELD_COUNT_ZTM8800;
    case ZTM8800v2:
    case ZTM9900:
        return FIELD_COUNT;
    }
    return -1;
}

bool isIntegerField(int pIndex)
{
    return pIndex == SENSOR_CODE || pIndex == CONVERSION_CODE || pIndex >= RESISTOR_OR_JUNCTION_CODE;
}

QStringList coefficientSlots(const TPRTProbe& pProbe)
{
    QStringList slotTexts;
    switch (pProbe.conversion()) {
    case cprtEN60751:
        // The standard curve goes to the board with its fixed values, not with
        // whatever Callendar-Van Dusen data the probe holds.
        if (pProbe.PRTType() == prttPT100)
            slotTexts << resistance(EN60715_R0_PT100);
        else if (pProbe.PRTType() == prttPT25)
            slotTexts << resistance(EN60715_R0_PT25);
        else
            slotTexts << ZERO;
        slotTexts << coefficient(EN60715_A) << coefficient(EN60715_B) << coefficient(EN60715_C);
        break;
    case cprtCVD:
        slotTexts << resistance(pProbe.CvD_coeff_R0()) << coefficient(pProbe.CvD_coeff_A())
                  << coefficient(pProbe.CvD_coeff_B()) << coefficient(pProbe.CvD_coeff_C());
        break;
    default:
        slotTexts << resistance(pProbe.ITS90_coeff_R001()) << coefficient(pProbe.ITS90_coeff_A())
                  << coefficient(pProbe.ITS90_coeff_B()) << coefficient(pProbe.ITS90_coeff_Ap())
                  << coefficient(pProbe.ITS90_coeff_Bp()) << coefficient(pProbe.ITS90_coeff_Cp())
                  << coefficient(pProbe.ITS90_coeff_Dp());
        break;
    }
    return slotTexts;
}

QStringList coefficientSlots(const TTCProbe& pProbe)
{
    QStringList slotTexts;
    if (pProbe.conversion() == ctcIEC584)
        return slotTexts;
    // The board holds the polynomial coefficients with the opposite sign; the
    // range limits keep theirs.
    slotTexts << coefficient(pProbe.poly_coeff_Ta_min()) << coefficient(pProbe.poly_coeff_Ta_max())
              << coefficient(-pProbe.poly_coeff_A0()) << coefficient(-pProbe.poly_coeff_A1())
              << coefficient(-pProbe.poly_coeff_A2()) << coefficient(-pProbe.poly_coeff_A3())
              << coefficient(pProbe.poly_coeff_Tb_min()) << coefficient(pProbe.poly_coeff_Tb_max())
              << coefficient(-pProbe.poly_coeff_B0()) << coefficient(-pProbe.poly_coeff_B1())
              << coefficient(-pProbe.poly_coeff_B2()) << coefficient(-pProbe.poly_coeff_B3())
              << coefficient(pProbe.poly_coeff_Tc_min()) << coefficient(pProbe.poly_coeff_Tc_max())
              << coefficient(-pProbe.poly_coeff_C0()) << coefficient(-pProbe.poly_coeff_C1())
              << coefficient(-pProbe.poly_coeff_C2()) << coefficient(-pProbe.poly_coeff_C3());
    return slotTexts;
}

QStringList coefficientSlots(const TThermistorProbe& pProbe)
{
    QStringList slotTexts;
    if (pProbe.conversion() == cthSteinhartHart)
        slotTexts << coefficient(pProbe.SH_coeff_a()) << coefficient(pProbe.SH_coeff_b())
                  << coefficient(pProbe.SH_coeff_c());
    else if (pProbe.conversion() == cthPolynomial)
        slotTexts << coefficient(pProbe.Poly_coeff_c0()) << coefficient(pProbe.Poly_coeff_c1())
                  << coefficient(pProbe.Poly_coeff_c2()) << coefficient(pProbe.Poly_coeff_c3());
    return slotTexts;
}

QString junctionCode(EnReferenceJunction pJunction)
{
    switch (pJunction) {
    case rjInternal:
        return QStringLiteral("1");
    case rjExternal:
        return QStringLiteral("2");
    case rjChannel:
        return QStringLiteral("3");
    default:
        // No defined mode: the field stays present, and the reader refuses it.
        return ZERO;
    }
}
} // namespace

TProbeSerializer::TProbeSerializer(QObject* parent) : QObject(parent) {}

QString TProbeSerializer::probeToString(const TAbstractProbe& pProbe) const
{
    const auto* prt = qobject_cast<const TPRTProbe*>(&pProbe);
    const auto* thermocouple = qobject_cast<const TTCProbe*>(&pProbe);
    const auto* thermistor = qobject_cast<const TThermistorProbe*>(&pProbe);

    QStringList fields;
    QStringList slotTexts;
    if (prt) {
        fields << QString::number(prt->PRTType());
        slotTexts = coefficientSlots(*prt);
    } else if (thermocouple) {
        fields << QString::number(thermocouple->probeType());
        slotTexts = coefficientSlots(*thermocouple);
    } else if (thermistor) {
        fields << QString::number(SENSOR_CODE_THERMISTOR);
        slotTexts = coefficientSlots(*thermistor);
    }
    while (slotTexts.size() < COEFFICIENT_SLOTS)
        slotTexts << ZERO;

    fields << pProbe.probeName().left(MAX_PROBE_NAME_LENGTH) << limit(pProbe.Tmax()) << limit(pProbe.Tmin());
    if (prt)
        fields << QString::number(prt->conversion());
    else if (thermocouple)
        fields << QString::number(thermocouple->conversion());
    else if (thermistor)
        fields << QString::number(thermistor->conversion());
    fields << slotTexts;

    if (prt)
        fields << QString::number(prt->internalResistor()) << ZERO;
    else if (thermocouple)
        fields << junctionCode(thermocouple->referenceColdJunction())
               << QString::number(thermocouple->refChannelNumber());
    else
        fields << ZERO << ZERO;

    const QDate calibrated = pProbe.lastCalDate();
    // ASCII digits, as the board reads them, whatever the system locale writes.
    const QLocale machine = QLocale::c();
    if (calibrated.isValid())
        fields << machine.toString(calibrated, QStringLiteral("yyyy"))
               << machine.toString(calibrated, QStringLiteral("MM"))
               << machine.toString(calibrated, QStringLiteral("dd"));
    else
        fields << ZERO << ZERO << ZERO;

    fields << (prt ? QString::number(prt->wiring()) : ZERO);
    fields << QString::number(pProbe.isReference() ? REFERENCE_PROBE : NOT_A_REFERENCE_PROBE);
    fields << QString::number(pProbe.channelNumber());
    fields << QString::number(prt && prt->keepWarmCurrent() ? KEEP_WARM_ON : KEEP_WARM_OFF);

    const EnInstrumentType instrumentType = TInstrumentInfo::instance()->instrumentType();
    if (instrumentType == ZTM8800v2 || instrumentType == ZTM9900)
        fields << (prt ? QString::number(prt->operationCurrentSetting()) : ZERO);
    return fields.join(QLatin1Char(','));
}

std::unique_ptr<TAbstractProbe> TProbeSerializer::createProbeFromString(int pProbeNumber, const QString& pProbeString,
                                                                        bool pDefaultProbe)
{
    auto refuse = [this, pProbeNumber](int pFieldIndex) {
        emit invalidProbeSerialization(pProbeNumber, pFieldIndex);
        return std::unique_ptr<TAbstractProbe>();
    };

    const EnInstrumentType instrumentType = TInstrumentInfo::instance()->instrumentType();
    const QStringList fields = pProbeString.split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (fields.size() != fieldCount(instrumentType))
        return refuse(REFUSED_WRONG_FIELD_COUNT);

    std::array<int, FIELD_COUNT_ZTM8800> integers{};
    std::array<double, FIELD_COUNT_ZTM8800> numbers{};
    for (int index = 0; index < FIELD_COUNT_ZTM8800; ++index) {
        if (index == NAME)
            continue;
        bool ok = false;
        if (isIntegerField(index))
            integers[index] = fields[index].toInt(&ok, 10);
        else
            numbers[index] = fields[index].toDouble(&ok);
        if (!ok)
            return refuse(index);
    }

    const QString name = fields[NAME];
    if (name.isEmpty())
        return nullptr;

    // The codes are bytes on the board.
    const quint8 sensorCode = quint8(integers[SENSOR_CODE]);
    const quint8 conversionCode = quint8(integers[CONVERSION_CODE]);
    const quint8 resistorOrJunctionCode = quint8(integers[RESISTOR_OR_JUNCTION_CODE]);
    const quint8 wiring = quint8(integers[WIRING]);
    const bool isReference = quint8(integers[REFERENCE_FLAG]) == REFERENCE_PROBE;
    const bool keepWarm = integers[KEEP_WARM] == KEEP_WARM_ON;
    const int channel = integers[CHANNEL];
    const QDate calibrated(integers[CALIBRATION_YEAR], integers[CALIBRATION_MONTH], integers[CALIBRATION_DAY]);
    const double tmin = numbers[TMIN];
    const double tmax = numbers[TMAX];
    auto slot = [&numbers](int pSlot) { return numbers[FIRST_COEFFICIENT_SLOT + pSlot - 1]; };

    if (sensorCode == prttPT25 || sensorCode == prttPT100) {
        const auto type = EnPRTType(sensorCode);
        EnPRTOperatingCurrentSetting current = TPRTProbe::operatingCurrentPerType(type);
        if (instrumentType == ZTM9900) {
            bool ok = false;
            const int setting = fields[OPERATING_CURRENT_SETTING].toInt(&ok, 10);
            if (!ok)
                return refuse(OPERATING_CURRENT_SETTING);
            current = EnPRTOperatingCurrentSetting(quint8(setting));
        }
        if (conversionCode < cprtEN60751 || conversionCode > cprtDataPairs)
            return refuse(REFUSED_CONVERSION_CODE);
        if (resistorOrJunctionCode < rprtAuto || resistorOrJunctionCode > rprt100)
            return refuse(REFUSED_RESISTOR_OR_JUNCTION_CODE);
        if (wiring != w3wire && wiring != w4wire)
            return refuse(REFUSED_WIRING);
        // Both coefficient sets come from the same slotTexts; the conversion says
        // which one the probe uses.
        return std::make_unique<TPRTProbe>(
            pProbeNumber, name, type, isReference, channel, tmin, tmax, calibrated, pDefaultProbe, EnWiring(wiring),
            keepWarm, false, current, EnIntResPRT(resistorOrJunctionCode), EnConvPRT(conversionCode), slot(1), slot(2),
            slot(3), slot(4), slot(1), slot(2), slot(3), slot(4), slot(5), slot(6), slot(7));
    }

    if (sensorCode >= ptB && sensorCode <= ptT) {
        EnReferenceJunction junction;
        switch (resistorOrJunctionCode) {
        case 1:
            junction = rjInternal;
            break;
        case 2:
            junction = rjExternal;
            break;
        case 3:
            junction = rjChannel;
            break;
        default:
            return refuse(REFUSED_RESISTOR_OR_JUNCTION_CODE);
        }
        if (conversionCode != ctcIEC584 && conversionCode != ctcPolynomial)
            return refuse(REFUSED_CONVERSION_CODE);
        return std::make_unique<TTCProbe>(
            pProbeNumber, name, isReference, channel, tmin, tmax, calibrated, pDefaultProbe,
            EnThermocoupleType(sensorCode), junction, integers[REFERENCE_CHANNEL], EnConvTC(conversionCode), slot(1),
            slot(2), -slot(3), -slot(4), -slot(5), -slot(6), slot(7), slot(8), -slot(9), -slot(10), -slot(11),
            -slot(12), slot(13), slot(14), -slot(15), -slot(16), -slot(17), -slot(18));
    }

    if (sensorCode == SENSOR_CODE_THERMISTOR) {
        if (conversionCode < cthNone || conversionCode > cthPolynomial)
            return refuse(REFUSED_CONVERSION_CODE);
        return std::make_unique<TThermistorProbe>(pProbeNumber, name, isReference, channel, tmin, tmax, calibrated,
                                                  pDefaultProbe, EnConvThermistor(conversionCode), slot(1), slot(2),
                                                  slot(3), slot(1), slot(2), slot(3), slot(4));
    }
    return nullptr;
}
