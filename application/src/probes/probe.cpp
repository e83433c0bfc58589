#include "probe.h"

#include <limits>

using namespace Probe_enums;

// ---------------------------------------------------------------------------
// TAbstractProbe

TAbstractProbe::TAbstractProbe(int pInternalProbeNumber, const QString& pProbeName, bool pIsReference,
                               int pChannelNumber, double pTmin, double pTmax, QDate pLastCalDate, bool pDefaultProbe)
    : mInternalProbeNumber(pInternalProbeNumber)
    , mProbeName(pProbeName)
    , mIsReference(pIsReference)
    , mChannelNumber(pChannelNumber)
    , mTmin(pTmin)
    , mTmax(pTmax)
    , mLastCalDate(pLastCalDate)
    , mDefaultProbe(pDefaultProbe)
{
}

TAbstractProbe::~TAbstractProbe() = default;

bool TAbstractProbe::checkTemperature(double pTempDegCelsius, EnTemperatureAccuracyStatus pTempAccStatus,
                                      bool& oShowWarning)
{
    oShowWarning = false;
    // Comparisons with NaN are false, so a missing limit or reading never
    // counts as out of range; a reading equal to a limit is in range.
    const bool belowRange = pTempDegCelsius < mTmin;
    const bool aboveRange = pTempDegCelsius > mTmax;
    const bool boardSaysOutOfRange = pTempAccStatus == tasUnderRange || pTempAccStatus == tasOverRange;
    if (!(belowRange || aboveRange || boardSaysOutOfRange)) {
        mTemperatureOutOfRange = false;
        return false;
    }
    oShowWarning = !mTemperatureOutOfRange;
    mTemperatureOutOfRange = true;
    return true;
}

void TAbstractProbe::copyBaseContent(const TAbstractProbe& pProbe)
{
    mInternalProbeNumber = pProbe.mInternalProbeNumber;
    mProbeName = pProbe.mProbeName;
    mIsReference = pProbe.mIsReference;
    mChannelNumber = pProbe.mChannelNumber;
    mTmin = pProbe.mTmin;
    mTmax = pProbe.mTmax;
    mLastCalDate = pProbe.mLastCalDate;
}

// ---------------------------------------------------------------------------
// TPRTProbe

TPRTProbe::TPRTProbe(int pInternalProbeNumber, const QString& pProbeName, EnPRTType pPRTType, bool pIsReference,
                     int pChannelNumber, double pTmin, double pTmax, QDate pLastCalDate, bool pDefaultProbe,
                     EnWiring pWiring, bool pKeepWarmCurrent, bool pFactorRoot2,
                     EnPRTOperatingCurrentSetting pOperationCurrentSetting, EnIntResPRT pInternalResistor,
                     EnConvPRT pConversion, double pCvD_coeff_R0, double pCvD_coeff_A, double pCvD_coeff_B,
                     double pCvD_coeff_C, double pITS90_coeff_R001, double pITS90_coeff_A, double pITS90_coeff_B,
                     double pITS90_coeff_Ap, double pITS90_coeff_Bp, double pITS90_coeff_Cp, double pITS90_coeff_Dp)
    : TAbstractProbe(pInternalProbeNumber, pProbeName, pIsReference, pChannelNumber, pTmin, pTmax, pLastCalDate,
                     pDefaultProbe)
    , mWiring(pWiring)
    , mInternalResistor(pInternalResistor)
    , mConversion(pConversion)
    , mPRTType(pPRTType)
    , mKeepWarmCurrent(pKeepWarmCurrent)
    , mFactorRoot2(pFactorRoot2)
    , mOperationCurrentSetting(pOperationCurrentSetting)
    , mCvD_coeff_R0(pCvD_coeff_R0)
    , mCvD_coeff_A(pCvD_coeff_A)
    , mCvD_coeff_B(pCvD_coeff_B)
    , mCvD_coeff_C(pCvD_coeff_C)
    , mITS90_coeff_R001(pITS90_coeff_R001)
    , mITS90_coeff_A(pITS90_coeff_A)
    , mITS90_coeff_B(pITS90_coeff_B)
    , mITS90_coeff_Ap(pITS90_coeff_Ap)
    , mITS90_coeff_Bp(pITS90_coeff_Bp)
    , mITS90_coeff_Cp(pITS90_coeff_Cp)
    , mITS90_coeff_Dp(pITS90_coeff_Dp)
{
}

TPRTProbe::TPRTProbe()
    : TPRTProbe(0, QString(), prttUndefined, false, 0, 0.0, 0.0, QDate(), false, w4wire, false, false, Automatic,
                rprtUndefined, cprtUndefined, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0)
{
}

bool TPRTProbe::isValidChannelKind(EnChannelKind pKind, const zelk::vector<EnWiring>& pSupportedWiring) const
{
    return pKind == ckMixed || (pKind == ckPRT && pSupportedWiring.contains(mWiring));
}

void TPRTProbe::copyContent(const TAbstractProbe& pProbe)
{
    copyBaseContent(pProbe);
    const auto* source = qobject_cast<const TPRTProbe*>(&pProbe);
    if (!source)
        return;
    mWiring = source->mWiring;
    mKeepWarmCurrent = source->mKeepWarmCurrent;
    mInternalResistor = source->mInternalResistor;
    mConversion = source->mConversion;
    mPRTType = source->mPRTType;
    mOperationCurrentSetting = source->mOperationCurrentSetting;
    mCvD_coeff_R0 = source->mCvD_coeff_R0;
    mCvD_coeff_A = source->mCvD_coeff_A;
    mCvD_coeff_B = source->mCvD_coeff_B;
    mCvD_coeff_C = source->mCvD_coeff_C;
    mITS90_coeff_R001 = source->mITS90_coeff_R001;
    mITS90_coeff_A = source->mITS90_coeff_A;
    mITS90_coeff_B = source->mITS90_coeff_B;
    mITS90_coeff_Ap = source->mITS90_coeff_Ap;
    mITS90_coeff_Bp = source->mITS90_coeff_Bp;
    mITS90_coeff_Cp = source->mITS90_coeff_Cp;
    mITS90_coeff_Dp = source->mITS90_coeff_Dp;
}

bool TPRTProbe::isSameProbeType(const TAbstractProbe* pProbe) const
{
    return qobject_cast<const TPRTProbe*>(pProbe) != nullptr;
}

EnIntResPRT TPRTProbe::internalResistorPerType(EnPRTType pType)
{
    return pType == prttPT25 ? rprt25 : rprt100;
}

EnPRTOperatingCurrentSetting TPRTProbe::operatingCurrentPerType(EnPRTType pType)
{
    return pType == prttPT25 ? TwoMilliAmps : OneMilliAmp;
}

QString TPRTProbe::prtTypeToText() const
{
    switch (mPRTType) {
    case prttPT25:
        return tr("Pt25");
    case prttPT100:
        return tr("Pt100");
    default:
        return QString();
    }
}

QString TPRTProbe::wiringToText() const
{
    switch (mWiring) {
    case w3wire:
        return tr("3-wire");
    case w4wire:
        return tr("4-wire");
    default:
        return QString();
    }
}

QString TPRTProbe::internalResistorToText() const
{
    switch (mInternalResistor) {
    case rprtAuto:
        return tr("Auto");
    case rprt25:
        return tr("25Ω");
    case rprt100:
        return tr("100Ω");
    default:
        return QString();
    }
}

QString TPRTProbe::standbyCurrentToText() const
{
    return mKeepWarmCurrent ? tr("yes") : tr("no");
}

QString TPRTProbe::conversionStandardToText() const
{
    switch (mConversion) {
    case cprtEN60751:
        return tr("EN 60751");
    case cprtCVD:
        return tr("Callendar-Van Dusen");
    case cprtITS90:
        return tr("ITS 90");
    default:
        return QString();
    }
}

QString TPRTProbe::operatingCurrentSettingToText() const
{
    switch (mOperationCurrentSetting) {
    case Automatic:
        return tr("Auto", "PRT excitation current setting");
    case ZeroPointFiveMilliAmps:
        return tr("0.5 mA", "PRT excitation current setting");
    case OneMilliAmp:
        return tr("1 mA", "PRT excitation current setting");
    case TwoMilliAmps:
        return tr("2 mA", "PRT excitation current setting");
    default:
        return QString();
    }
}

QString TPRTProbe::probeTypeToText() const
{
    return tr("PRT");
}

// ---------------------------------------------------------------------------
// TSmartProbePRT

TSmartProbePRT::TSmartProbePRT(const QString& pProbeName, bool pIsReference, QDate pLastCalDate, bool pEnabled,
                               EnIntResPRT pInternalResistor, EnConvPRT pConversion, double pCvD_coeff_R0,
                               double pCvD_coeff_A, double pCvD_coeff_B, double pCvD_coeff_C, double pITS90_coeff_R001,
                               double pITS90_coeff_A, double pITS90_coeff_B, double pITS90_coeff_Ap,
                               double pITS90_coeff_Bp, double pITS90_coeff_Cp, double pITS90_coeff_Dp,
                               TPhysicalChannel* pConnectedChannel, QDate pNextCalDate, const QString& pCalSource,
                               double pResWorkingRange_min, double pResWorkingRange_max, bool pLocked)
    : TPRTProbe(-1, pProbeName, prttUndefined, pIsReference, -1, std::numeric_limits<double>::quiet_NaN(),
                std::numeric_limits<double>::quiet_NaN(), pLastCalDate, false, wUndefined, false, false, Automatic,
                pInternalResistor, pConversion, pCvD_coeff_R0, pCvD_coeff_A, pCvD_coeff_B, pCvD_coeff_C,
                pITS90_coeff_R001, pITS90_coeff_A, pITS90_coeff_B, pITS90_coeff_Ap, pITS90_coeff_Bp, pITS90_coeff_Cp,
                pITS90_coeff_Dp)
    , mEnabled(pEnabled)
    , mConnectedChannel(pConnectedChannel)
    , mNextCalDate(pNextCalDate)
    , mCalSource(pCalSource)
    , mResWorkingRange_min(pResWorkingRange_min)
    , mResWorkingRange_max(pResWorkingRange_max)
    , mLocked(pLocked)
{
}

bool TSmartProbePRT::isValidChannelKind(EnChannelKind pKind, const zelk::vector<EnWiring>&) const
{
    // The probe's memory is read through a PRT input; a switch-box position cannot.
    return pKind == ckPRT;
}

void TSmartProbePRT::copyContent(const TAbstractProbe& pProbe)
{
    copyBaseContent(pProbe);
}

bool TSmartProbePRT::isSameProbeType(const TAbstractProbe* pProbe) const
{
    return qobject_cast<const TSmartProbePRT*>(pProbe) != nullptr;
}

QString TSmartProbePRT::probeTypeToText() const
{
    // A product name, the same in every language.
    return QStringLiteral("PRT SMART Probe");
}

// ---------------------------------------------------------------------------
// TTCProbe

TTCProbe::TTCProbe(int pInternalProbeNumber, const QString& pProbeName, bool pIsReference, int pChannelNumber,
                   double pTmin, double pTmax, QDate pLastCalDate, bool pDefaultProbe, EnThermocoupleType pProbeType,
                   EnReferenceJunction pReferenceColdJunction, int pRefChannelNumber, EnConvTC pConversion,
                   double pPoly_coeff_Ta_min, double pPoly_coeff_Ta_max, double pPoly_coeff_A0, double pPoly_coeff_A1,
                   double pPoly_coeff_A2, double pPoly_coeff_A3, double pPoly_coeff_Tb_min, double pPoly_coeff_Tb_max,
                   double pPoly_coeff_B0, double pPoly_coeff_B1, double pPoly_coeff_B2, double pPoly_coeff_B3,
                   double pPoly_coeff_Tc_min, double pPoly_coeff_Tc_max, double pPoly_coeff_C0, double pPoly_coeff_C1,
                   double pPoly_coeff_C2, double pPoly_coeff_C3)
    : TAbstractProbe(pInternalProbeNumber, pProbeName, pIsReference, pChannelNumber, pTmin, pTmax, pLastCalDate,
                     pDefaultProbe)
    , mProbeType(pProbeType)
    , mReferenceColdJunction(pReferenceColdJunction)
    , mRefChannelNumber(pRefChannelNumber)
    , mConversion(pConversion)
    , mPoly_coeff_Ta_min(pPoly_coeff_Ta_min)
    , mPoly_coeff_Ta_max(pPoly_coeff_Ta_max)
    , mPoly_coeff_A0(pPoly_coeff_A0)
    , mPoly_coeff_A1(pPoly_coeff_A1)
    , mPoly_coeff_A2(pPoly_coeff_A2)
    , mPoly_coeff_A3(pPoly_coeff_A3)
    , mPoly_coeff_Tb_min(pPoly_coeff_Tb_min)
    , mPoly_coeff_Tb_max(pPoly_coeff_Tb_max)
    , mPoly_coeff_B0(pPoly_coeff_B0)
    , mPoly_coeff_B1(pPoly_coeff_B1)
    , mPoly_coeff_B2(pPoly_coeff_B2)
    , mPoly_coeff_B3(pPoly_coeff_B3)
    , mPoly_coeff_Tc_min(pPoly_coeff_Tc_min)
    , mPoly_coeff_Tc_max(pPoly_coeff_Tc_max)
    , mPoly_coeff_C0(pPoly_coeff_C0)
    , mPoly_coeff_C1(pPoly_coeff_C1)
    , mPoly_coeff_C2(pPoly_coeff_C2)
    , mPoly_coeff_C3(pPoly_coeff_C3)
{
}

bool TTCProbe::isValidChannelKind(EnChannelKind pKind, const zelk::vector<EnWiring>&) const
{
    return pKind == ckThermocouple || pKind == ckMixed;
}

void TTCProbe::copyContent(const TAbstractProbe& pProbe)
{
    copyBaseContent(pProbe);
    const auto* source = qobject_cast<const TTCProbe*>(&pProbe);
    if (!source)
        return;
    mProbeType = source->mProbeType;
    mReferenceColdJunction = source->mReferenceColdJunction;
    mRefChannelNumber = source->mRefChannelNumber;
    mConversion = source->mConversion;
    mPoly_coeff_Ta_min = source->mPoly_coeff_Ta_min;
    mPoly_coeff_Ta_max = source->mPoly_coeff_Ta_max;
    mPoly_coeff_A0 = source->mPoly_coeff_A0;
    mPoly_coeff_A1 = source->mPoly_coeff_A1;
    mPoly_coeff_A2 = source->mPoly_coeff_A2;
    mPoly_coeff_A3 = source->mPoly_coeff_A3;
    mPoly_coeff_Tb_min = source->mPoly_coeff_Tb_min;
    mPoly_coeff_Tb_max = source->mPoly_coeff_Tb_max;
    mPoly_coeff_B0 = source->mPoly_coeff_B0;
    mPoly_coeff_B1 = source->mPoly_coeff_B1;
    mPoly_coeff_B2 = source->mPoly_coeff_B2;
    mPoly_coeff_B3 = source->mPoly_coeff_B3;
    mPoly_coeff_Tc_min = source->mPoly_coeff_Tc_min;
    mPoly_coeff_Tc_max = source->mPoly_coeff_Tc_max;
    mPoly_coeff_C0 = source->mPoly_coeff_C0;
    mPoly_coeff_C1 = source->mPoly_coeff_C1;
    mPoly_coeff_C2 = source->mPoly_coeff_C2;
    mPoly_coeff_C3 = source->mPoly_coeff_C3;
}

bool TTCProbe::isSameProbeType(const TAbstractProbe* pProbe) const
{
    return qobject_cast<const TTCProbe*>(pProbe) != nullptr;
}

void TTCProbe::setInternalColdJunctionCompensation()
{
    mReferenceColdJunction = rjInternal;
    mRefChannelNumber = 0;
}

QString TTCProbe::thermocoupleTypeToText() const
{
    switch (mProbeType) {
    case ptB:
        return tr("B", "thermocouple type");
    case ptC:
        return tr("C", "thermocouple type");
    case ptD:
        return tr("D", "thermocouple type");
    case ptE:
        return tr("E", "thermocouple type");
    case ptJ:
        return tr("J", "thermocouple type");
    case ptK:
        return tr("K", "thermocouple type");
    case ptN:
        return tr("N", "thermocouple type");
    case ptR:
        return tr("R", "thermocouple type");
    case ptS:
        return tr("S", "thermocouple type");
    case ptT:
        return tr("T", "thermocouple type");
    default:
        return QString();
    }
}

QString TTCProbe::referenceColdJunctionToText() const
{
    switch (mReferenceColdJunction) {
    case rjInternal:
        return tr("internal");
    case rjExternal:
        return tr("external");
    case rjChannel:
        return tr("channel");
    default:
        return QString();
    }
}

QString TTCProbe::conversionStandardToText() const
{
    switch (mConversion) {
    case ctcIEC584:
        return tr("IEC 584");
    case ctcPolynomial:
        return tr("Polynomial");
    default:
        return QString();
    }
}

QString TTCProbe::probeTypeToText() const
{
    return tr("Thermocouple");
}

// ---------------------------------------------------------------------------
// TThermistorProbe

TThermistorProbe::TThermistorProbe(int pInternalProbeNumber, const QString& pProbeName, bool pIsReference,
                                   int pChannelNumber, double pTmin, double pTmax, QDate pLastCalDate,
                                   bool pDefaultProbe, EnConvThermistor pConversion, double pSH_coeff_a,
                                   double pSH_coeff_b, double pSH_coeff_c, double pPoly_coeff_c0, double pPoly_coeff_c1,
                                   double pPoly_coeff_c2, double pPoly_coeff_c3)
    : TAbstractProbe(pInternalProbeNumber, pProbeName, pIsReference, pChannelNumber, pTmin, pTmax, pLastCalDate,
                     pDefaultProbe)
    , mConversion(pConversion)
    , mSH_coeff_a(pSH_coeff_a)
    , mSH_coeff_b(pSH_coeff_b)
    , mSH_coeff_c(pSH_coeff_c)
    , mPoly_coeff_c0(pPoly_coeff_c0)
    , mPoly_coeff_c1(pPoly_coeff_c1)
    , mPoly_coeff_c2(pPoly_coeff_c2)
    , mPoly_coeff_c3(pPoly_coeff_c3)
{
}

bool TThermistorProbe::isValidChannelKind(EnChannelKind pKind, const zelk::vector<EnWiring>&) const
{
    return pKind == ckPRT || pKind == ckMixed;
}

void TThermistorProbe::copyContent(const TAbstractProbe& pProbe)
{
    copyBaseContent(pProbe);
    const auto* source = qobject_cast<const TThermistorProbe*>(&pProbe);
    if (!source)
        return;
    mConversion = source->mConversion;
    mSH_coeff_a = source->mSH_coeff_a;
    mSH_coeff_b = source->mSH_coeff_b;
    mSH_coeff_c = source->mSH_coeff_c;
    mPoly_coeff_c0 = source->mPoly_coeff_c0;
    mPoly_coeff_c1 = source->mPoly_coeff_c1;
    mPoly_coeff_c2 = source->mPoly_coeff_c2;
    mPoly_coeff_c3 = source->mPoly_coeff_c3;
}

bool TThermistorProbe::isSameProbeType(const TAbstractProbe* pProbe) const
{
    return qobject_cast<const TThermistorProbe*>(pProbe) != nullptr;
}

QString TThermistorProbe::conversionToText() const
{
    switch (mConversion) {
    case cthNone:
        return tr("none", "conversion");
    case cthSteinhartHart:
        return tr("Steinhart-Hart");
    case cthPolynomial:
        return tr("Polynomial");
    default:
        return QString();
    }
}

QString TThermistorProbe::probeTypeToText() const
{
    return tr("Thermistor");
}
