#include "probe.h"

#include "channel.h"
#include "decimaldisplaycontroller.h"
#include "electrical_temperature_units.h"
#include "instrumentinfo.h"
#include "messagedialog.h"
#include "searchpattern.h"
#include "tamarindclock.h"
#include "warninggate.h"

#include <QDomDocument>
#include <QDomElement>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using namespace Probe_enums;

namespace
{
const QString LINE_END = QStringLiteral("\r\n");

QString dateText(const QDate& pDate)
{
    return TTamarindClock::instance().getDateString(pDate);
}

QString fixed(double pValue, int pDecimals)
{
    return TDecimalDisplayController::instance().Double2Str(pValue, pDecimals, false);
}

QString scientific(double pValue)
{
    return TDecimalDisplayController::instance().Double2ScientificStr(pValue, 5);
}

// The coefficient lines of a PRT and a SMART probe, each class passing its
// own translated labels: R0 (or R(0.01 °C)) with three decimals, the others
// in exponent notation.
QStringList coefficientLines(const QStringList& pLabels, const QList<double>& pValues)
{
    QStringList lines;
    for (int i = 0; i < pLabels.size(); ++i)
        lines << pLabels[i] + (i == 0 ? fixed(pValues[i], 3) : scientific(pValues[i]));
    return lines;
}

QStringList cvdLines(const TPRTProbe& pProbe, const QStringList& pLabels)
{
    return coefficientLines(pLabels,
                            {pProbe.CvD_coeff_R0(), pProbe.CvD_coeff_A(), pProbe.CvD_coeff_B(), pProbe.CvD_coeff_C()});
}

QStringList its90Lines(const TPRTProbe& pProbe, const QStringList& pLabels)
{
    return coefficientLines(pLabels, {pProbe.ITS90_coeff_R001(), pProbe.ITS90_coeff_A(), pProbe.ITS90_coeff_B(),
                                      pProbe.ITS90_coeff_Ap(), pProbe.ITS90_coeff_Bp(), pProbe.ITS90_coeff_Cp(),
                                      pProbe.ITS90_coeff_Dp()});
}
} // namespace

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

bool TAbstractProbe::isValidChannel(const TPhysicalChannel* pChannel) const
{
    return pChannel && pChannel->isValidProbe(this);
}

bool TAbstractProbe::nameMatchesSearchPattern(const QString& pSearchPattern) const
{
    return TSearchPattern(pSearchPattern).matches(mProbeName);
}

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

bool TAbstractProbe::checkCalibrationDate() const
{
    if (!mLastCalDate.isValid() || mDefaultProbe)
        return true;
    if (QDate::currentDate() > mLastCalDate.addYears(1))
        TMessageDialog().showError(tr("WARNING: the last calibration of probe %1 is longer than one year ago! (%2)")
                                       .arg(mProbeName, dateText(mLastCalDate)));
    return true;
}

QString TAbstractProbe::probeDataToText() const
{
    QString text = tr("Probe name: ") + mProbeName + LINE_END;
    text += tr("Probe type: ") + probeTypeToText() + LINE_END;
    text += tr("Reference probe: ") + (mIsReference ? tr("yes") : tr("no")) + LINE_END;
    if (!std::isnan(mTmin))
        text += tr("T min.: ") + fixed(mTmin, 0) + LINE_END;
    if (!std::isnan(mTmax))
        text += tr("T max.: ") + fixed(mTmax, 0) + LINE_END;
    text += tr("Last calibration: ") + dateText(mLastCalDate) + LINE_END;
    return text + specificProbeDataToText() + LINE_END + LINE_END;
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

QString TPRTProbe::specificProbeDataToText() const
{
    QStringList lines{tr("PRT type: ") + prtTypeToText(), tr("Wiring: ") + wiringToText(),
                      tr("Internal resistor: ") + internalResistorToText(),
                      tr("Standby current: ") + standbyCurrentToText(),
                      tr("Conversion: ") + conversionStandardToText()};
    if (TInstrumentInfo::instance()->instrumentType() == ZTM9900)
        lines << tr("Excitation current") + QStringLiteral(": ") + operatingCurrentSettingToText();
    if (mConversion == cprtCVD)
        lines << cvdLines(*this, {tr("R0: ", "CvD coefficient"), tr("A: ", "CvD coefficient"),
                                  tr("B: ", "CvD coefficient"), tr("C: ", "CvD coefficient")});
    else if (mConversion == cprtITS90)
        lines << its90Lines(*this, {tr("R001: ", "ITS 90 coefficient"), tr("A: ", "ITS 90 coefficient"),
                                    tr("B: ", "ITS 90 coefficient"), tr("Ap: ", "ITS 90 coefficient"),
                                    tr("Bp: ", "ITS 90 coefficient"), tr("Cp: ", "ITS 90 coefficient"),
                                    tr("Dp: ", "ITS 90 coefficient")});
    return lines.join(LINE_END);
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

bool TSmartProbePRT::checkCalibrationDate() const
{
    if (isCalibrationDue(QDate::currentDate()))
        showCalibrationDueWarning();
    return true;
}

void TSmartProbePRT::showCalibrationDueWarning() const
{
    TWarningGate::instance().showMessage(
        tr("WARNING: calibration of probe %1 was due on %2!").arg(probeName(), dateText(mNextCalDate)),
        TMessageDialog::dtWarning);
}

QString TSmartProbePRT::probeTypeToText() const
{
    // A product name, the same in every language.
    return QStringLiteral("PRT SMART Probe");
}

QString TSmartProbePRT::specificProbeDataToText() const
{
    QString resistor;
    switch (internalResistor()) {
    case rprtAuto:
        resistor = tr("Auto");
        break;
    case rprt25:
        resistor = tr("25Ω");
        break;
    case rprt100:
        resistor = tr("100Ω");
        break;
    default:
        break;
    }
    QString conversionText;
    QStringList coefficients;
    switch (conversion()) {
    case cprtEN60751:
        conversionText = tr("EN 60751");
        break;
    case cprtCVD:
        conversionText = tr("Callendar-Van Dusen");
        coefficients = cvdLines(*this, {tr("R0: ", "CvD coefficient"), tr("A: ", "CvD coefficient"),
                                        tr("B: ", "CvD coefficient"), tr("C: ", "CvD coefficient")});
        break;
    case cprtITS90:
        conversionText = tr("ITS 90");
        coefficients = its90Lines(*this, {tr("R001: ", "ITS 90 coefficient"), tr("A: ", "ITS 90 coefficient"),
                                          tr("B: ", "ITS 90 coefficient"), tr("Ap: ", "ITS 90 coefficient"),
                                          tr("Bp: ", "ITS 90 coefficient"), tr("Cp: ", "ITS 90 coefficient"),
                                          tr("Dp: ", "ITS 90 coefficient")});
        break;
    default:
        break;
    }
    QStringList lines{tr("Enabled: ") + (mEnabled ? tr("yes") : tr("no")),
                      tr("Next calibration: ") + dateText(mNextCalDate), tr("Calibration source: ") + mCalSource,
                      tr("Internal resistor: ") + resistor, tr("Conversion: ") + conversionText};
    lines << coefficients;
    // The range as the probe's memory holds it, with a decimal point whatever
    // separator the user has chosen.
    lines << tr("Working range: ") + QString::number(mResWorkingRange_min, 'g', 6) + QStringLiteral("Ω - ") +
                 QString::number(mResWorkingRange_max, 'g', 6) + QStringLiteral("Ω");
    lines << tr("Locked: ") + (mLocked ? tr("yes") : tr("no"));
    return lines.join(LINE_END);
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

QString TTCProbe::specificProbeDataToText() const
{
    QStringList lines{tr("Thermocouple type: ") + thermocoupleTypeToText(),
                      tr("Cold junction compensation: ") + referenceColdJunctionToText(),
                      tr("Conversion: ") + conversionStandardToText()};
    if (mConversion == ctcPolynomial) {
        // The coefficients with the sign the probe holds, not the board's.
        const std::pair<QString, QString> values[] = {
            {tr("Ta min.: ", "TC coefficient"), fixed(mPoly_coeff_Ta_min, 3)},
            {tr("Ta max.: ", "TC coefficient"), fixed(mPoly_coeff_Ta_max, 3)},
            {tr("A0: ", "TC coefficient"), scientific(mPoly_coeff_A0)},
            {tr("A1: ", "TC coefficient"), scientific(mPoly_coeff_A1)},
            {tr("A2: ", "TC coefficient"), scientific(mPoly_coeff_A2)},
            {tr("A3: ", "TC coefficient"), scientific(mPoly_coeff_A3)},
            {tr("Tb min.: ", "TC coefficient"), fixed(mPoly_coeff_Tb_min, 3)},
            {tr("Tb max.: ", "TC coefficient"), fixed(mPoly_coeff_Tb_max, 3)},
            {tr("B0: ", "TC coefficient"), scientific(mPoly_coeff_B0)},
            {tr("B1: ", "TC coefficient"), scientific(mPoly_coeff_B1)},
            {tr("B2: ", "TC coefficient"), scientific(mPoly_coeff_B2)},
            {tr("B3: ", "TC coefficient"), scientific(mPoly_coeff_B3)},
            {tr("Tc min.: ", "TC coefficient"), fixed(mPoly_coeff_Tc_min, 3)},
            {tr("Tc max.: ", "TC coefficient"), fixed(mPoly_coeff_Tc_max, 3)},
            {tr("C0: ", "TC coefficient"), scientific(mPoly_coeff_C0)},
            {tr("C1: ", "TC coefficient"), scientific(mPoly_coeff_C1)},
            {tr("C2: ", "TC coefficient"), scientific(mPoly_coeff_C2)},
            {tr("C3: ", "TC coefficient"), scientific(mPoly_coeff_C3)},
        };
        for (const auto& [label, value] : values)
            lines << label + value;
    }
    return lines.join(LINE_END);
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

QString TThermistorProbe::specificProbeDataToText() const
{
    QStringList lines{tr("Conversion: ") + conversionToText()};
    if (mConversion == cthSteinhartHart)
        lines << tr("a: ", "Steinhart-Hart coefficient") + scientific(mSH_coeff_a)
              << tr("b: ", "Steinhart-Hart coefficient") + scientific(mSH_coeff_b)
              << tr("c: ", "Steinhart-Hart coefficient") + scientific(mSH_coeff_c);
    else if (mConversion == cthPolynomial)
        lines << tr("c0: ", "Thermistor polynomial coefficient") + scientific(mPoly_coeff_c0)
              << tr("c1: ", "Thermistor polynomial coefficient") + scientific(mPoly_coeff_c1)
              << tr("c2: ", "Thermistor polynomial coefficient") + scientific(mPoly_coeff_c2)
              << tr("c3: ", "Thermistor polynomial coefficient") + scientific(mPoly_coeff_c3);
    return lines.join(LINE_END);
}

// ---------------------------------------------------------------------------
// The XML fragment. Numbers are written locale-independently; the "text"
// attributes are for people reading the file and are never read back.

namespace
{
const QString DATE_FORMAT = QStringLiteral("yyyyMMdd");

QString flag(bool pValue)
{
    return pValue ? QStringLiteral("1") : QStringLiteral("0");
}

QString limit(double pValue)
{
    return QString::number(pValue, 'e', 8);
}

QString resistance(double pValue)
{
    return QString::number(pValue, 'g', 6);
}

QString coefficient(double pValue)
{
    return QString::number(pValue, 'e', 5);
}

QDomElement appendElement(QDomNode& pParent, const QString& pName, const QString& pText = QString())
{
    QDomDocument document = pParent.isDocument() ? pParent.toDocument() : pParent.ownerDocument();
    QDomElement element = document.createElement(pName);
    if (!pText.isNull())
        element.appendChild(document.createTextNode(pText));
    pParent.appendChild(element);
    return element;
}

QDomElement appendElementWithText(QDomNode& pParent, const QString& pName, int pValue, const QString& pDisplayText)
{
    QDomElement element = appendElement(pParent, pName, QString::number(pValue));
    element.setAttribute(QStringLiteral("text"), pDisplayText);
    return element;
}

void appendPRTConversion(QDomNode& pDetails, const TPRTProbe& pProbe)
{
    QDomElement conversion = appendElement(pDetails, QStringLiteral("conversion"));
    appendElementWithText(conversion, QStringLiteral("conversion_standard"), pProbe.conversion(),
                          pProbe.conversionStandardToText());
    if (pProbe.conversion() == cprtCVD) {
        QDomElement group = appendElement(conversion, QStringLiteral("cvd_coefficients"));
        appendElement(group, QStringLiteral("r0"), resistance(pProbe.CvD_coeff_R0()));
        appendElement(group, QStringLiteral("a"), coefficient(pProbe.CvD_coeff_A()));
        appendElement(group, QStringLiteral("b"), coefficient(pProbe.CvD_coeff_B()));
        appendElement(group, QStringLiteral("c"), coefficient(pProbe.CvD_coeff_C()));
    } else if (pProbe.conversion() == cprtITS90) {
        QDomElement group = appendElement(conversion, QStringLiteral("its90_coefficients"));
        appendElement(group, QStringLiteral("r001"), resistance(pProbe.ITS90_coeff_R001()));
        appendElement(group, QStringLiteral("a"), coefficient(pProbe.ITS90_coeff_A()));
        appendElement(group, QStringLiteral("b"), coefficient(pProbe.ITS90_coeff_B()));
        appendElement(group, QStringLiteral("ap"), coefficient(pProbe.ITS90_coeff_Ap()));
        appendElement(group, QStringLiteral("bp"), coefficient(pProbe.ITS90_coeff_Bp()));
        appendElement(group, QStringLiteral("cp"), coefficient(pProbe.ITS90_coeff_Cp()));
        appendElement(group, QStringLiteral("dp"), coefficient(pProbe.ITS90_coeff_Dp()));
    }
}

// The numbers of a coefficient group, all 0.0 unless the group holds every one
// of them: a partial group is no usable set.
std::vector<double> coefficientGroup(const QDomElement& pConversion, const QString& pGroup, const QStringList& pNames)
{
    std::vector<double> values(pNames.size(), 0.0);
    const QDomElement group = pConversion.firstChildElement(pGroup);
    QList<QDomElement> elements;
    for (const QString& name : pNames) {
        const QDomElement element = group.firstChildElement(name);
        if (element.isNull())
            return values;
        elements << element;
    }
    for (int i = 0; i < elements.size(); ++i)
        values[i] = elements[i].text().toDouble();
    return values;
}

// Callendar-Van Dusen R0, A, B, C, then ITS-90 R(0.01 °C), a, b, a', b', c', d';
// only the set of the conversion is read, the other stays 0.0.
std::vector<double> prtCoefficients(const QDomElement& pConversion, int pConversionCode)
{
    std::vector<double> values(11, 0.0);
    if (pConversionCode == cprtCVD) {
        const std::vector<double> cvd =
            coefficientGroup(pConversion, QStringLiteral("cvd_coefficients"), {"r0", "a", "b", "c"});
        std::copy(cvd.begin(), cvd.end(), values.begin());
    } else if (pConversionCode == cprtITS90) {
        const std::vector<double> its90 = coefficientGroup(pConversion, QStringLiteral("its90_coefficients"),
                                                           {"r001", "a", "b", "ap", "bp", "cp", "dp"});
        std::copy(its90.begin(), its90.end(), values.begin() + 4);
    }
    return values;
}

bool checkedInteger(const QDomElement& pElement, int& oValue)
{
    bool ok = false;
    oValue = pElement.text().toInt(&ok, 10);
    return ok;
}

bool allPresent(std::initializer_list<QDomElement> pElements)
{
    return std::none_of(pElements.begin(), pElements.end(), [](const QDomElement& e) { return e.isNull(); });
}
} // namespace

void TAbstractProbe::saveToXML(QDomNode& pParent) const
{
    appendElement(pParent, QStringLiteral("name"), mProbeName);
    appendElement(pParent, QStringLiteral("is_reference"), flag(mIsReference));
    // Limits are kept in degrees Celsius whatever unit the user has chosen.
    const QString unitText = TAbstractChannel::unitToText(Electrical_temperature_units::uCelsius);
    const QString unitId = QString::number(Electrical_temperature_units::uCelsius);
    for (const auto& [name, value] : {std::pair<QString, double>{QStringLiteral("t_min"), mTmin},
                                      std::pair<QString, double>{QStringLiteral("t_max"), mTmax}}) {
        QDomElement element = appendElement(pParent, name, limit(value));
        element.setAttribute(QStringLiteral("unit_id"), unitId);
        element.setAttribute(QStringLiteral("unit_text"), unitText);
    }
    if (mLastCalDate.isValid())
        appendElement(pParent, QStringLiteral("last_cal_date"), QLocale::c().toString(mLastCalDate, DATE_FORMAT));
    addProbeSpecificXMLData(pParent);
}

std::unique_ptr<TAbstractProbe> TAbstractProbe::createFromXML(const QDomNode& pParent)
{
    const QDomElement name = pParent.firstChildElement(QStringLiteral("name"));
    const QDomElement isReference = pParent.firstChildElement(QStringLiteral("is_reference"));
    const QDomElement tmin = pParent.firstChildElement(QStringLiteral("t_min"));
    const QDomElement tmax = pParent.firstChildElement(QStringLiteral("t_max"));
    if (!allPresent({name, isReference, tmin, tmax}))
        return nullptr;
    const QDomElement lastCalDate = pParent.firstChildElement(QStringLiteral("last_cal_date"));
    const QDate calibrated = lastCalDate.isNull() ? QDate() : QDate::fromString(lastCalDate.text(), DATE_FORMAT);
    const bool reference = isReference.text() == QLatin1String("1");
    const double lower = tmin.text().toDouble();
    const double upper = tmax.text().toDouble();

    // The details element decides the class; a fragment with both SMART and
    // PRT details is a SMART probe.
    if (auto probe = TSmartProbePRT::createFromXML(name.text(), reference, calibrated, pParent))
        return probe;
    if (auto probe = TPRTProbe::createFromXML(name.text(), reference, lower, upper, calibrated, pParent))
        return probe;
    if (auto probe = TTCProbe::createFromXML(name.text(), reference, lower, upper, calibrated, pParent))
        return probe;
    return TThermistorProbe::createFromXML(name.text(), reference, lower, upper, calibrated, pParent);
}

void TPRTProbe::addProbeSpecificXMLData(QDomNode& pParent) const
{
    QDomElement details = appendElement(pParent, QStringLiteral("prt_probe_details"));
    appendElementWithText(details, QStringLiteral("wiring"), mWiring, wiringToText());
    appendElementWithText(details, QStringLiteral("internal_resistor"), mInternalResistor, internalResistorToText());
    appendElement(details, QStringLiteral("standby_current"), flag(mKeepWarmCurrent));
    if (TInstrumentInfo::instance()->instrumentType() == ZTM9900)
        appendElement(details, QStringLiteral("excitation_current"), QString::number(mOperationCurrentSetting));
    appendElementWithText(details, QStringLiteral("prt_type"), mPRTType, prtTypeToText());
    appendPRTConversion(details, *this);
}

std::unique_ptr<TAbstractProbe> TPRTProbe::createFromXML(const QString& pName, bool pIsReference, double pTmin,
                                                         double pTmax, QDate pLastCalDate, const QDomNode& pParent)
{
    const QDomElement details = pParent.firstChildElement(QStringLiteral("prt_probe_details"));
    const QDomElement conversion = details.firstChildElement(QStringLiteral("conversion"));
    const QDomElement standard = conversion.firstChildElement(QStringLiteral("conversion_standard"));
    const QDomElement wiring = details.firstChildElement(QStringLiteral("wiring"));
    const QDomElement resistor = details.firstChildElement(QStringLiteral("internal_resistor"));
    const QDomElement standby = details.firstChildElement(QStringLiteral("standby_current"));
    const QDomElement type = details.firstChildElement(QStringLiteral("prt_type"));
    const QDomElement excitation = details.firstChildElement(QStringLiteral("excitation_current"));
    const bool withExcitationCurrent = TInstrumentInfo::instance()->instrumentType() == ZTM9900;
    if (!allPresent({details, conversion, standard, wiring, resistor, standby, type}) ||
        (withExcitationCurrent && excitation.isNull()))
        return nullptr;

    int wiringCode, resistorCode, conversionCode, typeCode;
    if (!checkedInteger(wiring, wiringCode) || !checkedInteger(resistor, resistorCode) ||
        !checkedInteger(standard, conversionCode) || !checkedInteger(type, typeCode))
        return nullptr;
    int current = Automatic;
    if (withExcitationCurrent && !checkedInteger(excitation, current))
        return nullptr;
    const std::vector<double> c = prtCoefficients(conversion, conversionCode);
    return std::make_unique<TPRTProbe>(
        0, pName, EnPRTType(typeCode), pIsReference, 0, pTmin, pTmax, pLastCalDate, false, EnWiring(wiringCode),
        standby.text() == QLatin1String("1"), false, EnPRTOperatingCurrentSetting(current), EnIntResPRT(resistorCode),
        EnConvPRT(conversionCode), c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9], c[10]);
}

void TSmartProbePRT::addProbeSpecificXMLData(QDomNode& pParent) const
{
    QDomElement details = appendElement(pParent, QStringLiteral("smart_probe_details"));
    appendElementWithText(details, QStringLiteral("internal_resistor"), internalResistor(), internalResistorToText());
    appendElement(details, QStringLiteral("standby_current"), flag(keepWarmCurrent()));
    appendElement(details, QStringLiteral("next_cal_date"), QLocale::c().toString(mNextCalDate, DATE_FORMAT));
    appendElement(details, QStringLiteral("cal_source"), mCalSource);
    appendPRTConversion(details, *this);
    appendElement(pParent, QStringLiteral("last_cal_date"), QLocale::c().toString(lastCalDate(), DATE_FORMAT));
}

std::unique_ptr<TAbstractProbe> TSmartProbePRT::createFromXML(const QString& pName, bool pIsReference,
                                                              QDate pLastCalDate, const QDomNode& pParent)
{
    const QDomElement details = pParent.firstChildElement(QStringLiteral("smart_probe_details"));
    const QDomElement conversion = details.firstChildElement(QStringLiteral("conversion"));
    const QDomElement standard = conversion.firstChildElement(QStringLiteral("conversion_standard"));
    const QDomElement resistor = details.firstChildElement(QStringLiteral("internal_resistor"));
    const QDomElement nextCalDate = details.firstChildElement(QStringLiteral("next_cal_date"));
    const QDomElement calSource = details.firstChildElement(QStringLiteral("cal_source"));
    if (!allPresent({details, conversion, standard, resistor, nextCalDate, calSource}))
        return nullptr;

    int resistorCode, conversionCode;
    if (!checkedInteger(resistor, resistorCode) || !checkedInteger(standard, conversionCode))
        return nullptr;
    const std::vector<double> c = prtCoefficients(conversion, conversionCode);
    return std::make_unique<TSmartProbePRT>(
        pName, pIsReference, pLastCalDate, true, EnIntResPRT(resistorCode), EnConvPRT(conversionCode), c[0], c[1], c[2],
        c[3], c[4], c[5], c[6], c[7], c[8], c[9], c[10], nullptr, QDate::fromString(nextCalDate.text(), DATE_FORMAT),
        calSource.text(), 0.0, 0.0, false);
}

void TTCProbe::addProbeSpecificXMLData(QDomNode& pParent) const
{
    QDomElement details = appendElement(pParent, QStringLiteral("tc_probe_details"));
    appendElementWithText(details, QStringLiteral("tc_type"), mProbeType, thermocoupleTypeToText());
    appendElementWithText(details, QStringLiteral("cold_junction_compensation"), mReferenceColdJunction,
                          referenceColdJunctionToText());
    QDomElement conversion = appendElement(details, QStringLiteral("conversion"));
    appendElementWithText(conversion, QStringLiteral("conversion_standard"), mConversion, conversionStandardToText());
    if (mConversion != ctcPolynomial)
        return;
    QDomElement group = appendElement(conversion, QStringLiteral("polynomial_coefficients"));
    const std::pair<const char*, QString> values[] = {
        {"Ta_min", resistance(mPoly_coeff_Ta_min)}, {"Ta_max", resistance(mPoly_coeff_Ta_max)},
        {"A0", coefficient(mPoly_coeff_A0)},        {"A1", coefficient(mPoly_coeff_A1)},
        {"A2", coefficient(mPoly_coeff_A2)},        {"A3", coefficient(mPoly_coeff_A3)},
        {"Tb_min", resistance(mPoly_coeff_Tb_min)}, {"Tb_max", resistance(mPoly_coeff_Tb_max)},
        {"B0", coefficient(mPoly_coeff_B0)},        {"B1", coefficient(mPoly_coeff_B1)},
        {"B2", coefficient(mPoly_coeff_B2)},        {"B3", coefficient(mPoly_coeff_B3)},
        {"Tc_min", resistance(mPoly_coeff_Tc_min)}, {"Tc_max", resistance(mPoly_coeff_Tc_max)},
        {"C0", coefficient(mPoly_coeff_C0)},        {"C1", coefficient(mPoly_coeff_C1)},
        {"C2", coefficient(mPoly_coeff_C2)},        {"C3", coefficient(mPoly_coeff_C3)},
    };
    for (const auto& [name, text] : values)
        appendElement(group, QLatin1String(name), text);
}

std::unique_ptr<TAbstractProbe> TTCProbe::createFromXML(const QString& pName, bool pIsReference, double pTmin,
                                                        double pTmax, QDate pLastCalDate, const QDomNode& pParent)
{
    const QDomElement details = pParent.firstChildElement(QStringLiteral("tc_probe_details"));
    const QDomElement type = details.firstChildElement(QStringLiteral("tc_type"));
    const QDomElement junction = details.firstChildElement(QStringLiteral("cold_junction_compensation"));
    const QDomElement conversion = details.firstChildElement(QStringLiteral("conversion"));
    const QDomElement standard = conversion.firstChildElement(QStringLiteral("conversion_standard"));
    if (!allPresent({details, type, junction, conversion, standard}))
        return nullptr;

    // Read without check, so a bad text gives 0; the conversion as an
    // unsigned number, so an undefined one (-1) reads back as 0.
    const auto conversionCode = EnConvTC(standard.text().toUInt());
    std::vector<double> c(18, 0.0);
    if (conversionCode == ctcPolynomial)
        c = coefficientGroup(conversion, QStringLiteral("polynomial_coefficients"),
                             {"Ta_min", "Ta_max", "A0", "A1", "A2", "A3", "Tb_min", "Tb_max", "B0", "B1", "B2", "B3",
                              "Tc_min", "Tc_max", "C0", "C1", "C2", "C3"});
    return std::make_unique<TTCProbe>(
        0, pName, pIsReference, 0, pTmin, pTmax, pLastCalDate, false, EnThermocoupleType(type.text().toInt()),
        EnReferenceJunction(junction.text().toInt()), 0, conversionCode, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7],
        c[8], c[9], c[10], c[11], c[12], c[13], c[14], c[15], c[16], c[17]);
}

void TThermistorProbe::addProbeSpecificXMLData(QDomNode& pParent) const
{
    QDomElement details = appendElement(pParent, QStringLiteral("thermistor_probe_details"));
    QDomElement conversion = appendElement(details, QStringLiteral("conversion"));
    appendElementWithText(conversion, QStringLiteral("conversion_standard"), mConversion, conversionToText());
    if (mConversion == cthSteinhartHart) {
        QDomElement group = appendElement(conversion, QStringLiteral("steinhart_hart_coefficients"));
        appendElement(group, QStringLiteral("a"), coefficient(mSH_coeff_a));
        appendElement(group, QStringLiteral("b"), coefficient(mSH_coeff_b));
        appendElement(group, QStringLiteral("c"), coefficient(mSH_coeff_c));
    } else if (mConversion == cthPolynomial) {
        QDomElement group = appendElement(conversion, QStringLiteral("polynomial_coefficients"));
        appendElement(group, QStringLiteral("c0"), coefficient(mPoly_coeff_c0));
        appendElement(group, QStringLiteral("c1"), coefficient(mPoly_coeff_c1));
        appendElement(group, QStringLiteral("c2"), coefficient(mPoly_coeff_c2));
        appendElement(group, QStringLiteral("c3"), coefficient(mPoly_coeff_c3));
    }
}

std::unique_ptr<TAbstractProbe> TThermistorProbe::createFromXML(const QString& pName, bool pIsReference, double pTmin,
                                                                double pTmax, QDate pLastCalDate,
                                                                const QDomNode& pParent)
{
    const QDomElement details = pParent.firstChildElement(QStringLiteral("thermistor_probe_details"));
    const QDomElement conversion = details.firstChildElement(QStringLiteral("conversion"));
    const QDomElement standard = conversion.firstChildElement(QStringLiteral("conversion_standard"));
    if (!allPresent({details, conversion, standard}))
        return nullptr;

    int conversionCode;
    if (!checkedInteger(standard, conversionCode))
        return nullptr;
    std::vector<double> sh(3, 0.0);
    std::vector<double> poly(4, 0.0);
    if (conversionCode == cthSteinhartHart)
        sh = coefficientGroup(conversion, QStringLiteral("steinhart_hart_coefficients"), {"a", "b", "c"});
    else if (conversionCode == cthPolynomial)
        poly = coefficientGroup(conversion, QStringLiteral("polynomial_coefficients"), {"c0", "c1", "c2", "c3"});
    return std::make_unique<TThermistorProbe>(0, pName, pIsReference, 0, pTmin, pTmax, pLastCalDate, false,
                                              EnConvThermistor(conversionCode), sh[0], sh[1], sh[2], poly[0], poly[1],
                                              poly[2], poly[3]);
}
