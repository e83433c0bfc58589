#include "testprobes.h"

#include <cmath>
#include <limits>

using namespace Probe_enums;

namespace TestProbes
{
std::unique_ptr<TPRTProbe> prt(EnConvPRT pConversion)
{
    return std::make_unique<TPRTProbe>(7, "PT100-A", prttPT100, true, 1, -200.5, 450.0, QDate(2020, 5, 17), false,
                                       w4wire, true, true, TwoMilliAmps, rprtAuto, pConversion, 100.012, 3.9083e-3,
                                       -5.775e-7, -4.183e-12, 99.9876, -1.23456e-4, 2.5e-5, 3.25e-6, -4.5e-7, 5.75e-8,
                                       -6.125e-9);
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
bool sameNumber(double pA, double pB)
{
    return pA == pB || (std::isnan(pA) && std::isnan(pB));
}
} // namespace

QStringList differingFields(const TAbstractProbe& pA, const TAbstractProbe& pB)
{
    QStringList fields;
    auto number = [&fields](const char* pName, double pValueA, double pValueB) {
        if (!sameNumber(pValueA, pValueB))
            fields << pName;
    };
    auto other = [&fields](const char* pName, bool pSame) {
        if (!pSame)
            fields << pName;
    };

    if (qstrcmp(pA.metaObject()->className(), pB.metaObject()->className()) != 0)
        fields << "class";
    number("internalProbeNumber", pA.internalProbeNumber(), pB.internalProbeNumber());
    other("probeName", pA.probeName() == pB.probeName());
    other("isReference", pA.isReference() == pB.isReference());
    number("channelNumber", pA.channelNumber(), pB.channelNumber());
    number("Tmin", pA.Tmin(), pB.Tmin());
    number("Tmax", pA.Tmax(), pB.Tmax());
    other("lastCalDate", pA.lastCalDate() == pB.lastCalDate());
    other("isDefaultProbe", pA.isDefaultProbe() == pB.isDefaultProbe());

    const auto* prtA = qobject_cast<const TPRTProbe*>(&pA);
    const auto* prtB = qobject_cast<const TPRTProbe*>(&pB);
    if (prtA && prtB) {
        number("wiring", prtA->wiring(), prtB->wiring());
        number("internalResistor", prtA->internalResistor(), prtB->internalResistor());
        number("conversion", prtA->conversion(), prtB->conversion());
        number("PRTType", prtA->PRTType(), prtB->PRTType());
        other("keepWarmCurrent", prtA->keepWarmCurrent() == prtB->keepWarmCurrent());
        other("factorRoot2", prtA->factorRoot2() == prtB->factorRoot2());
        number("operationCurrentSetting", prtA->operationCurrentSetting(), prtB->operationCurrentSetting());
        number("CvD_coeff_R0", prtA->CvD_coeff_R0(), prtB->CvD_coeff_R0());
        number("CvD_coeff_A", prtA->CvD_coeff_A(), prtB->CvD_coeff_A());
        number("CvD_coeff_B", prtA->CvD_coeff_B(), prtB->CvD_coeff_B());
        number("CvD_coeff_C", prtA->CvD_coeff_C(), prtB->CvD_coeff_C());
        number("ITS90_coeff_R001", prtA->ITS90_coeff_R001(), prtB->ITS90_coeff_R001());
        number("ITS90_coeff_A", prtA->ITS90_coeff_A(), prtB->ITS90_coeff_A());
        number("ITS90_coeff_B", prtA->ITS90_coeff_B(), prtB->ITS90_coeff_B());
        number("ITS90_coeff_Ap", prtA->ITS90_coeff_Ap(), prtB->ITS90_coeff_Ap());
        number("ITS90_coeff_Bp", prtA->ITS90_coeff_Bp(), prtB->ITS90_coeff_Bp());
        number("ITS90_coeff_Cp", prtA->ITS90_coeff_Cp(), prtB->ITS90_coeff_Cp());
        number("ITS90_coeff_Dp", prtA->ITS90_coeff_Dp(), prtB->ITS90_coeff_Dp());
    }

    const auto* smartA = qobject_cast<const TSmartProbePRT*>(&pA);
    const auto* smartB = qobject_cast<const TSmartProbePRT*>(&pB);
    if (smartA && smartB) {
        other("isEnabled", smartA->isEnabled() == smartB->isEnabled());
        other("connectedChannel", smartA->connectedChannel() == smartB->connectedChannel());
        other("nextCalDate", smartA->nextCalDate() == smartB->nextCalDate());
        other("calSource", smartA->calSource() == smartB->calSource());
        number("resWorkingRangeMin", smartA->resWorkingRangeMin(), smartB->resWorkingRangeMin());
        number("resWorkingRangeMax", smartA->resWorkingRangeMax(), smartB->resWorkingRangeMax());
        other("isLocked", smartA->isLocked() == smartB->isLocked());
    }

    const auto* tcA = qobject_cast<const TTCProbe*>(&pA);
    const auto* tcB = qobject_cast<const TTCProbe*>(&pB);
    if (tcA && tcB) {
        number("probeType", tcA->probeType(), tcB->probeType());
        number("referenceColdJunction", tcA->referenceColdJunction(), tcB->referenceColdJunction());
        number("refChannelNumber", tcA->refChannelNumber(), tcB->refChannelNumber());
        number("conversion", tcA->conversion(), tcB->conversion());
        number("poly_coeff_Ta_min", tcA->poly_coeff_Ta_min(), tcB->poly_coeff_Ta_min());
        number("poly_coeff_Ta_max", tcA->poly_coeff_Ta_max(), tcB->poly_coeff_Ta_max());
        number("poly_coeff_A0", tcA->poly_coeff_A0(), tcB->poly_coeff_A0());
        number("poly_coeff_A1", tcA->poly_coeff_A1(), tcB->poly_coeff_A1());
        number("poly_coeff_A2", tcA->poly_coeff_A2(), tcB->poly_coeff_A2());
        number("poly_coeff_A3", tcA->poly_coeff_A3(), tcB->poly_coeff_A3());
        number("poly_coeff_Tb_min", tcA->poly_coeff_Tb_min(), tcB->poly_coeff_Tb_min());
        number("poly_coeff_Tb_max", tcA->poly_coeff_Tb_max(), tcB->poly_coeff_Tb_max());
        number("poly_coeff_B0", tcA->poly_coeff_B0(), tcB->poly_coeff_B0());
        number("poly_coeff_B1", tcA->poly_coeff_B1(), tcB->poly_coeff_B1());
        number("poly_coeff_B2", tcA->poly_coeff_B2(), tcB->poly_coeff_B2());
        number("poly_coeff_B3", tcA->poly_coeff_B3(), tcB->poly_coeff_B3());
        number("poly_coeff_Tc_min", tcA->poly_coeff_Tc_min(), tcB->poly_coeff_Tc_min());
        number("poly_coeff_Tc_max", tcA->poly_coeff_Tc_max(), tcB->poly_coeff_Tc_max());
        number("poly_coeff_C0", tcA->poly_coeff_C0(), tcB->poly_coeff_C0());
        number("poly_coeff_C1", tcA->poly_coeff_C1(), tcB->poly_coeff_C1());
        number("poly_coeff_C2", tcA->poly_coeff_C2(), tcB->poly_coeff_C2());
        number("poly_coeff_C3", tcA->poly_coeff_C3(), tcB->poly_coeff_C3());
    }

    const auto* thA = qobject_cast<const TThermistorProbe*>(&pA);
    const auto* thB = qobject_cast<const TThermistorProbe*>(&pB);
    if (thA && thB) {
        number("conversion", thA->conversion(), thB->conversion());
        number("SH_coeff_a", thA->SH_coeff_a(), thB->SH_coeff_a());
        number("SH_coeff_b", thA->SH_coeff_b(), thB->SH_coeff_b());
        number("SH_coeff_c", thA->SH_coeff_c(), thB->SH_coeff_c());
        number("Poly_coeff_c0", thA->Poly_coeff_c0(), thB->Poly_coeff_c0());
        number("Poly_coeff_c1", thA->Poly_coeff_c1(), thB->Poly_coeff_c1());
        number("Poly_coeff_c2", thA->Poly_coeff_c2(), thB->Poly_coeff_c2());
        number("Poly_coeff_c3", thA->Poly_coeff_c3(), thB->Poly_coeff_c3());
    }
    return fields;
}
} // namespace TestProbes
