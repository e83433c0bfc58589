#include "testprobes.h"

#include "domoutline.h"

#include <QDomDocument>
#include <QDomElement>

#include <QVariant>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

using namespace Probe_enums;

namespace TestProbes
{
namespace
{
std::unique_ptr<TPRTProbe> numberedPrt(int pNumber, const QString& pName, EnConvPRT pConversion)
{
    return std::make_unique<TPRTProbe>(pNumber, pName, prttPT100, true, 1, -200.5, 450.0, QDate(2020, 5, 17), false,
                                       w4wire, true, true, TwoMilliAmps, rprtAuto, pConversion, 100.012, 3.9083e-3,
                                       -5.775e-7, -4.183e-12, 99.9876, -1.23456e-4, 2.5e-5, 3.25e-6, -4.5e-7, 5.75e-8,
                                       -6.125e-9);
}
} // namespace

std::unique_ptr<TPRTProbe> prt(EnConvPRT pConversion)
{
    return numberedPrt(7, QStringLiteral("PT100-A"), pConversion);
}

std::unique_ptr<TPRTProbe> prt(int pNumber, const QString& pName)
{
    return numberedPrt(pNumber, pName, cprtCVD);
}

std::unique_ptr<TSmartProbePRT> smart(EnConvPRT pConversion)
{
    return std::make_unique<TSmartProbePRT>("SMART-1", false, QDate(2021, 3, 10), false, rprt25, pConversion, 25.5468,
                                            3.9083e-3, -5.775e-7, -4.183e-12, 25.4987, -1.5e-4, 2.25e-5, 3.5e-6,
                                            -4.75e-7, 5.5e-8, -6.25e-9, nullptr, QDate(2022, 3, 10), "Lab 4", 18.5,
                                            95.25, true);
}

std::unique_ptr<TTCProbe> thermocouple(EnConvTC pConversion)
{
    return std::make_unique<TTCProbe>(12, "TC-K7", false, 3, -50.5, 1200.0, QDate(2019, 12, 31), false, ptK, rjChannel,
                                      1, pConversion, -50.0, 100.0, 1.5, -2.25e-2, 3.125e-4, -4.5e-6, 100.0, 500.0,
                                      1.75, -2.5e-2, 3.25e-4, -4.75e-6, 500.0, 1200.0, 2.0, -2.75e-2, 3.375e-4,
                                      -5.0e-6);
}

std::unique_ptr<TThermistorProbe> thermistor(EnConvThermistor pConversion)
{
    return std::make_unique<TThermistorProbe>(33, "NTC-3", false, 2, -40.0, 150.0, QDate(2023, 1, 2), false,
                                              pConversion, 1.12874e-3, 2.34124e-4, 8.76741e-8, 1.25, -2.5e-2, 3.75e-4,
                                              -5.0e-6);
}

namespace
{
struct TField
{
    const char* mName;
    std::function<QVariant(const TAbstractProbe&)> mValue;
};

// Every field as a variant: numbers (enumerations included) as double, so
// that they compare exactly below.
#define NUMBER(Class, name)                                                                                            \
    TField                                                                                                             \
    {                                                                                                                  \
#name, [](const TAbstractProbe& p) { return QVariant(double(static_cast<const Class&>(p).name())); }           \
    }
#define VALUE(Class, name)                                                                                             \
    TField                                                                                                             \
    {                                                                                                                  \
#name, [](const TAbstractProbe& p) { return QVariant::fromValue(static_cast<const Class&>(p).name()); }        \
    }

const TField BASE_FIELDS[] = {NUMBER(TAbstractProbe, internalProbeNumber),
                              VALUE(TAbstractProbe, probeName),
                              VALUE(TAbstractProbe, isReference),
                              NUMBER(TAbstractProbe, channelNumber),
                              NUMBER(TAbstractProbe, Tmin),
                              NUMBER(TAbstractProbe, Tmax),
                              VALUE(TAbstractProbe, lastCalDate),
                              VALUE(TAbstractProbe, isDefaultProbe)};
const TField PRT_FIELDS[] = {NUMBER(TPRTProbe, wiring),
                             NUMBER(TPRTProbe, internalResistor),
                             NUMBER(TPRTProbe, conversion),
                             NUMBER(TPRTProbe, PRTType),
                             VALUE(TPRTProbe, keepWarmCurrent),
                             VALUE(TPRTProbe, factorRoot2),
                             NUMBER(TPRTProbe, operationCurrentSetting),
                             NUMBER(TPRTProbe, CvD_coeff_R0),
                             NUMBER(TPRTProbe, CvD_coeff_A),
                             NUMBER(TPRTProbe, CvD_coeff_B),
                             NUMBER(TPRTProbe, CvD_coeff_C),
                             NUMBER(TPRTProbe, ITS90_coeff_R001),
                             NUMBER(TPRTProbe, ITS90_coeff_A),
                             NUMBER(TPRTProbe, ITS90_coeff_B),
                             NUMBER(TPRTProbe, ITS90_coeff_Ap),
                             NUMBER(TPRTProbe, ITS90_coeff_Bp),
                             NUMBER(TPRTProbe, ITS90_coeff_Cp),
                             NUMBER(TPRTProbe, ITS90_coeff_Dp)};
const TField SMART_FIELDS[] = {VALUE(TSmartProbePRT, isEnabled),
                               {"connectedChannel",
                                [](const TAbstractProbe& p) {
                                    return QVariant::fromValue(
                                        quintptr(static_cast<const TSmartProbePRT&>(p).connectedChannel()));
                                }},
                               VALUE(TSmartProbePRT, nextCalDate),
                               VALUE(TSmartProbePRT, calSource),
                               NUMBER(TSmartProbePRT, resWorkingRangeMin),
                               NUMBER(TSmartProbePRT, resWorkingRangeMax),
                               VALUE(TSmartProbePRT, isLocked)};
const TField TC_FIELDS[] = {
    NUMBER(TTCProbe, probeType),     NUMBER(TTCProbe, referenceColdJunction), NUMBER(TTCProbe, refChannelNumber),
    NUMBER(TTCProbe, conversion),    NUMBER(TTCProbe, poly_coeff_Ta_min),     NUMBER(TTCProbe, poly_coeff_Ta_max),
    NUMBER(TTCProbe, poly_coeff_A0), NUMBER(TTCProbe, poly_coeff_A1),         NUMBER(TTCProbe, poly_coeff_A2),
    NUMBER(TTCProbe, poly_coeff_A3), NUMBER(TTCProbe, poly_coeff_Tb_min),     NUMBER(TTCProbe, poly_coeff_Tb_max),
    NUMBER(TTCProbe, poly_coeff_B0), NUMBER(TTCProbe, poly_coeff_B1),         NUMBER(TTCProbe, poly_coeff_B2),
    NUMBER(TTCProbe, poly_coeff_B3), NUMBER(TTCProbe, poly_coeff_Tc_min),     NUMBER(TTCProbe, poly_coeff_Tc_max),
    NUMBER(TTCProbe, poly_coeff_C0), NUMBER(TTCProbe, poly_coeff_C1),         NUMBER(TTCProbe, poly_coeff_C2),
    NUMBER(TTCProbe, poly_coeff_C3)};
const TField THERMISTOR_FIELDS[] = {NUMBER(TThermistorProbe, conversion),    NUMBER(TThermistorProbe, SH_coeff_a),
                                    NUMBER(TThermistorProbe, SH_coeff_b),    NUMBER(TThermistorProbe, SH_coeff_c),
                                    NUMBER(TThermistorProbe, Poly_coeff_c0), NUMBER(TThermistorProbe, Poly_coeff_c1),
                                    NUMBER(TThermistorProbe, Poly_coeff_c2), NUMBER(TThermistorProbe, Poly_coeff_c3)};

// The fields the probe's class has, base fields first, each with the table
// it comes from: "conversion" of a PRT is not "conversion" of a thermocouple.
std::vector<std::pair<const TField*, const TField*>> fieldsOf(const TAbstractProbe& pProbe)
{
    std::vector<std::pair<const TField*, const TField*>> fields;
    auto add = [&fields](const auto& pTable) {
        for (const TField& f : pTable)
            fields.emplace_back(std::begin(pTable), &f);
    };
    add(BASE_FIELDS);
    if (qobject_cast<const TPRTProbe*>(&pProbe))
        add(PRT_FIELDS);
    if (qobject_cast<const TSmartProbePRT*>(&pProbe))
        add(SMART_FIELDS);
    if (qobject_cast<const TTCProbe*>(&pProbe))
        add(TC_FIELDS);
    if (qobject_cast<const TThermistorProbe*>(&pProbe))
        add(THERMISTOR_FIELDS);
    return fields;
}

bool same(const QVariant& pA, const QVariant& pB)
{
    if (pA.userType() == QMetaType::Double && pB.userType() == QMetaType::Double) {
        const double a = pA.toDouble();
        const double b = pB.toDouble();
        return a == b || (std::isnan(a) && std::isnan(b));
    }
    return pA == pB;
}
} // namespace

QVariant field(const TAbstractProbe& pProbe, const QString& pName)
{
    if (pName == QLatin1String("class"))
        return QString::fromLatin1(pProbe.metaObject()->className());
    for (const auto& [table, f] : fieldsOf(pProbe))
        if (pName == QLatin1String(f->mName))
            return f->mValue(pProbe);
    return QVariant();
}

QStringList differingFields(const TAbstractProbe& pA, const TAbstractProbe& pB)
{
    QStringList fields;
    if (!same(field(pA, "class"), field(pB, "class")))
        fields << "class";
    // Fields that only one of the two classes has are not compared.
    const auto fieldsOfB = fieldsOf(pB);
    for (const auto& entry : fieldsOf(pA))
        if (std::find(fieldsOfB.begin(), fieldsOfB.end(), entry) != fieldsOfB.end() &&
            !same(entry.second->mValue(pA), entry.second->mValue(pB)))
            fields << entry.second->mName;
    return fields;
}

QStringList writtenFragment(const TAbstractProbe& pProbe)
{
    QDomDocument document;
    QDomElement probeElement = document.createElement("probe");
    document.appendChild(probeElement);
    pProbe.saveToXML(probeElement);
    return domOutline(probeElement);
}
} // namespace TestProbes
