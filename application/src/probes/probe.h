#pragma once

#include "probe_enums.h"
#include "zelkvector.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>

class QDomNode;
class TPhysicalChannel;

// One temperature sensor: its identity, limits, last calibration and the
// conversion data the measurement board needs. The board does every
// conversion; a probe only carries the data, says which channels it may go to,
// watches a measured temperature against its range and warns about overdue
// calibrations. The probe database owns custom and default probes, a PRT
// channel owns its SMART probe; channels only point at their probes.
class TAbstractProbe : public QObject
{
    Q_OBJECT

public:
    // The kinds of physical input that decide which probes a channel takes: a
    // resistance input (which supports some wirings only), a mixed switch-box
    // position, a thermocouple input, and the thermocouple expansion port, a
    // thermocouple input that only measures voltage.
    enum EnChannelKind : quint8 { ckOther, ckPRT, ckMixed, ckThermocouple, ckThermocoupleExpansion };

    TAbstractProbe(int pInternalProbeNumber, const QString& pProbeName, bool pIsReference, int pChannelNumber,
                   double pTmin, double pTmax, QDate pLastCalDate, bool pDefaultProbe);
    ~TAbstractProbe() override;

    // Whether the probe may be assigned to the channel; never to a null one.
    // The channel says what kind of input it is.
    bool isValidChannel(const TPhysicalChannel* pChannel) const;
    // Whether the probe may be assigned to a channel of that kind; pSupportedWiring
    // are the wirings a resistance input supports.
    virtual bool isValidChannelKind(EnChannelKind pKind,
                                    const zelk::vector<Probe_enums::EnWiring>& pSupportedWiring) const = 0;
    // Takes over the edited data of pProbe; class data only from a probe of the
    // same class family. Neither the default flag nor the out-of-range state
    // is copied.
    virtual void copyContent(const TAbstractProbe& pProbe) = 0;
    virtual bool isSameProbeType(const TAbstractProbe* pProbe) const = 0;
    // Shows a modal warning when the last calibration is more than a year ago
    // (never for a default probe or a probe without date). Always true.
    virtual bool checkCalibrationDate() const;

    int internalProbeNumber() const { return mInternalProbeNumber; }
    QString probeName() const { return mProbeName; }
    bool isReference() const { return mIsReference; }
    int channelNumber() const { return mChannelNumber; }
    // Degrees Celsius; NaN means no limit on that side.
    double Tmin() const { return mTmin; }
    double Tmax() const { return mTmax; }
    QDate lastCalDate() const { return mLastCalDate; }
    bool isDefaultProbe() const { return mDefaultProbe; }
    bool isTemperatureOutOfRange() const { return mTemperatureOutOfRange; }

    void setReference(bool pReference) { mIsReference = pReference; }
    void setChannelNumber(int pVal) { mChannelNumber = pVal; }
    void resetChannelAssignment() { mChannelNumber = 0; }

    // The probe lists' name filter: "*" stands for any text, case counts, an
    // empty pattern matches every name.
    bool nameMatchesSearchPattern(const QString& pSearchPattern) const;

    // Watches a measured temperature (degrees Celsius) against the limits and
    // the board's accuracy status. Returns whether it is out of range;
    // oShowWarning is set only on the check that leaves the range, so the
    // alarm comes once per excursion.
    bool checkTemperature(double pTempDegCelsius, Probe_enums::EnTemperatureAccuracyStatus pTempAccStatus,
                          bool& oShowWarning);

    // The probe described in "label: value" lines ended by CR LF, with an
    // empty line after the block so that blocks of several probes can follow
    // one another. Numbers with the user's decimal separator.
    QString probeDataToText() const;

    // The probe as an XML fragment appended to pParent, the element a
    // calibration routine file keeps the probe in.
    void saveToXML(QDomNode& pParent) const;
    // A new probe of the class whose details element pParent holds, with
    // number 0 (a SMART probe -1) and no channel; null when the fragment is
    // incomplete or a required number is malformed.
    static std::unique_ptr<TAbstractProbe> createFromXML(const QDomNode& pParent);

protected:
    void copyBaseContent(const TAbstractProbe& pProbe);

    // The kind of probe in one word.
    virtual QString probeTypeToText() const = 0;
    // The lines of the class, without a line end after the last.
    virtual QString specificProbeDataToText() const = 0;
    virtual void addProbeSpecificXMLData(QDomNode& pParent) const = 0;

private:
    int mInternalProbeNumber;
    QString mProbeName;
    bool mIsReference;
    int mChannelNumber;
    double mTmin;
    double mTmax;
    QDate mLastCalDate;
    bool mDefaultProbe;
    bool mTemperatureOutOfRange = false;
};

// A platinum resistance thermometer (Pt25 or Pt100).
class TPRTProbe : public TAbstractProbe
{
    Q_OBJECT

public:
    TPRTProbe(int pInternalProbeNumber, const QString& pProbeName, Probe_enums::EnPRTType pPRTType, bool pIsReference,
              int pChannelNumber, double pTmin, double pTmax, QDate pLastCalDate, bool pDefaultProbe,
              Probe_enums::EnWiring pWiring, bool pKeepWarmCurrent, bool pFactorRoot2,
              Probe_enums::EnPRTOperatingCurrentSetting pOperationCurrentSetting,
              Probe_enums::EnIntResPRT pInternalResistor, Probe_enums::EnConvPRT pConversion, double pCvD_coeff_R0,
              double pCvD_coeff_A, double pCvD_coeff_B, double pCvD_coeff_C, double pITS90_coeff_R001,
              double pITS90_coeff_A, double pITS90_coeff_B, double pITS90_coeff_Ap, double pITS90_coeff_Bp,
              double pITS90_coeff_Cp, double pITS90_coeff_Dp);
    // The empty four-wire probe remote control starts from.
    TPRTProbe();

    bool isValidChannelKind(EnChannelKind pKind,
                            const zelk::vector<Probe_enums::EnWiring>& pSupportedWiring) const override;
    // Takes the PRT data of any PRT probe, a SMART probe included, but keeps
    // its own root-2 flag.
    void copyContent(const TAbstractProbe& pProbe) override;
    // True for every PRT probe, a SMART probe included.
    bool isSameProbeType(const TAbstractProbe* pProbe) const override;

    static std::unique_ptr<TAbstractProbe> createFromXML(const QString& pName, bool pIsReference, double pTmin,
                                                         double pTmax, QDate pLastCalDate, const QDomNode& pParent);

    static Probe_enums::EnIntResPRT internalResistorPerType(Probe_enums::EnPRTType pType);
    static Probe_enums::EnPRTOperatingCurrentSetting operatingCurrentPerType(Probe_enums::EnPRTType pType);

    Probe_enums::EnWiring wiring() const { return mWiring; }
    bool keepWarmCurrent() const { return mKeepWarmCurrent; }
    bool factorRoot2() const { return mFactorRoot2; }
    Probe_enums::EnPRTOperatingCurrentSetting operationCurrentSetting() const { return mOperationCurrentSetting; }
    Probe_enums::EnIntResPRT internalResistor() const { return mInternalResistor; }
    Probe_enums::EnPRTType PRTType() const { return mPRTType; }
    Probe_enums::EnConvPRT conversion() const { return mConversion; }
    double CvD_coeff_R0() const { return mCvD_coeff_R0; }
    double CvD_coeff_A() const { return mCvD_coeff_A; }
    double CvD_coeff_B() const { return mCvD_coeff_B; }
    double CvD_coeff_C() const { return mCvD_coeff_C; }
    double ITS90_coeff_R001() const { return mITS90_coeff_R001; }
    double ITS90_coeff_A() const { return mITS90_coeff_A; }
    double ITS90_coeff_B() const { return mITS90_coeff_B; }
    double ITS90_coeff_Ap() const { return mITS90_coeff_Ap; }
    double ITS90_coeff_Bp() const { return mITS90_coeff_Bp; }
    double ITS90_coeff_Cp() const { return mITS90_coeff_Cp; }
    double ITS90_coeff_Dp() const { return mITS90_coeff_Dp; }

    void setWiring(Probe_enums::EnWiring pWiring) { mWiring = pWiring; }
    void setKeepWarmCurrent(bool pKeepWarmCurrent) { mKeepWarmCurrent = pKeepWarmCurrent; }
    void setFactorRoot2(bool pValue) { mFactorRoot2 = pValue; }

    // The words every screen, file and list uses for the settings; empty for
    // an undefined value or one the list does not name.
    QString prtTypeToText() const;
    QString wiringToText() const;
    QString internalResistorToText() const;
    QString standbyCurrentToText() const;
    QString conversionStandardToText() const;
    QString operatingCurrentSettingToText() const;

protected:
    QString probeTypeToText() const override;
    QString specificProbeDataToText() const override;
    void addProbeSpecificXMLData(QDomNode& pParent) const override;

private:
    Probe_enums::EnWiring mWiring;
    Probe_enums::EnIntResPRT mInternalResistor;
    Probe_enums::EnConvPRT mConversion;
    Probe_enums::EnPRTType mPRTType;
    bool mKeepWarmCurrent;
    bool mFactorRoot2;
    Probe_enums::EnPRTOperatingCurrentSetting mOperationCurrentSetting;
    double mCvD_coeff_R0;
    double mCvD_coeff_A;
    double mCvD_coeff_B;
    double mCvD_coeff_C;
    double mITS90_coeff_R001;
    double mITS90_coeff_A;
    double mITS90_coeff_B;
    double mITS90_coeff_Ap;
    double mITS90_coeff_Bp;
    double mITS90_coeff_Cp;
    double mITS90_coeff_Dp;
};

// A PRT that carries its own data memory, read through the board from the PRT
// input it is plugged into; that channel owns it.
class TSmartProbePRT : public TPRTProbe
{
    Q_OBJECT

public:
    TSmartProbePRT(const QString& pProbeName, bool pIsReference, QDate pLastCalDate, bool pEnabled,
                   Probe_enums::EnIntResPRT pInternalResistor, Probe_enums::EnConvPRT pConversion, double pCvD_coeff_R0,
                   double pCvD_coeff_A, double pCvD_coeff_B, double pCvD_coeff_C, double pITS90_coeff_R001,
                   double pITS90_coeff_A, double pITS90_coeff_B, double pITS90_coeff_Ap, double pITS90_coeff_Bp,
                   double pITS90_coeff_Cp, double pITS90_coeff_Dp, TPhysicalChannel* pConnectedChannel,
                   QDate pNextCalDate, const QString& pCalSource, double pResWorkingRange_min,
                   double pResWorkingRange_max, bool pLocked);

    bool isValidChannelKind(EnChannelKind pKind,
                            const zelk::vector<Probe_enums::EnWiring>& pSupportedWiring) const override;
    // The probe's data lives in its own memory: only the common data is taken over.
    void copyContent(const TAbstractProbe& pProbe) override;
    bool isSameProbeType(const TAbstractProbe* pProbe) const override;
    // Warns once the next calibration date the probe carries has passed. Always true.
    bool checkCalibrationDate() const override;
    // Whether the next calibration date the probe carries lies before pToday.
    bool isCalibrationDue(QDate pToday) const { return mNextCalDate.isValid() && pToday > mNextCalDate; }
    void showCalibrationDueWarning() const;

    // Read back enabled and unlocked, without working range or channel: the
    // fragment does not keep them.
    static std::unique_ptr<TAbstractProbe> createFromXML(const QString& pName, bool pIsReference, QDate pLastCalDate,
                                                         const QDomNode& pParent);

    bool isEnabled() const { return mEnabled; }
    bool isLocked() const { return mLocked; }
    double resWorkingRangeMin() const { return mResWorkingRange_min; }
    double resWorkingRangeMax() const { return mResWorkingRange_max; }
    QDate nextCalDate() const { return mNextCalDate; }
    const QString& calSource() const { return mCalSource; }
    TPhysicalChannel* connectedChannel() const { return mConnectedChannel; }

protected:
    QString probeTypeToText() const override;
    QString specificProbeDataToText() const override;
    void addProbeSpecificXMLData(QDomNode& pParent) const override;

private:
    bool mEnabled;
    TPhysicalChannel* mConnectedChannel;
    QDate mNextCalDate;
    QString mCalSource;
    double mResWorkingRange_min;
    double mResWorkingRange_max;
    bool mLocked;
};

// A thermocouple, converted by the IEC 584 tables or by its own polynomial
// over three temperature ranges.
class TTCProbe : public TAbstractProbe
{
    Q_OBJECT

public:
    TTCProbe(int pInternalProbeNumber, const QString& pProbeName, bool pIsReference, int pChannelNumber, double pTmin,
             double pTmax, QDate pLastCalDate, bool pDefaultProbe, Probe_enums::EnThermocoupleType pProbeType,
             Probe_enums::EnReferenceJunction pReferenceColdJunction, int pRefChannelNumber,
             Probe_enums::EnConvTC pConversion, double pPoly_coeff_Ta_min, double pPoly_coeff_Ta_max,
             double pPoly_coeff_A0, double pPoly_coeff_A1, double pPoly_coeff_A2, double pPoly_coeff_A3,
             double pPoly_coeff_Tb_min, double pPoly_coeff_Tb_max, double pPoly_coeff_B0, double pPoly_coeff_B1,
             double pPoly_coeff_B2, double pPoly_coeff_B3, double pPoly_coeff_Tc_min, double pPoly_coeff_Tc_max,
             double pPoly_coeff_C0, double pPoly_coeff_C1, double pPoly_coeff_C2, double pPoly_coeff_C3);

    bool isValidChannelKind(EnChannelKind pKind,
                            const zelk::vector<Probe_enums::EnWiring>& pSupportedWiring) const override;
    void copyContent(const TAbstractProbe& pProbe) override;
    bool isSameProbeType(const TAbstractProbe* pProbe) const override;

    // The reference channel is not kept in the fragment: read back as 0.
    static std::unique_ptr<TAbstractProbe> createFromXML(const QString& pName, bool pIsReference, double pTmin,
                                                         double pTmax, QDate pLastCalDate, const QDomNode& pParent);

    Probe_enums::EnThermocoupleType probeType() const { return mProbeType; }
    Probe_enums::EnReferenceJunction referenceColdJunction() const { return mReferenceColdJunction; }
    int refChannelNumber() const { return mRefChannelNumber; }
    Probe_enums::EnConvTC conversion() const { return mConversion; }
    double poly_coeff_Ta_min() const { return mPoly_coeff_Ta_min; }
    double poly_coeff_Ta_max() const { return mPoly_coeff_Ta_max; }
    double poly_coeff_A0() const { return mPoly_coeff_A0; }
    double poly_coeff_A1() const { return mPoly_coeff_A1; }
    double poly_coeff_A2() const { return mPoly_coeff_A2; }
    double poly_coeff_A3() const { return mPoly_coeff_A3; }
    double poly_coeff_Tb_min() const { return mPoly_coeff_Tb_min; }
    double poly_coeff_Tb_max() const { return mPoly_coeff_Tb_max; }
    double poly_coeff_B0() const { return mPoly_coeff_B0; }
    double poly_coeff_B1() const { return mPoly_coeff_B1; }
    double poly_coeff_B2() const { return mPoly_coeff_B2; }
    double poly_coeff_B3() const { return mPoly_coeff_B3; }
    double poly_coeff_Tc_min() const { return mPoly_coeff_Tc_min; }
    double poly_coeff_Tc_max() const { return mPoly_coeff_Tc_max; }
    double poly_coeff_C0() const { return mPoly_coeff_C0; }
    double poly_coeff_C1() const { return mPoly_coeff_C1; }
    double poly_coeff_C2() const { return mPoly_coeff_C2; }
    double poly_coeff_C3() const { return mPoly_coeff_C3; }

    void setInternalColdJunctionCompensation();

    // Empty for an undefined value or one the list does not name.
    QString thermocoupleTypeToText() const;
    QString referenceColdJunctionToText() const;
    QString conversionStandardToText() const;

protected:
    QString probeTypeToText() const override;
    QString specificProbeDataToText() const override;
    void addProbeSpecificXMLData(QDomNode& pParent) const override;

private:
    Probe_enums::EnThermocoupleType mProbeType;
    Probe_enums::EnReferenceJunction mReferenceColdJunction;
    int mRefChannelNumber;
    Probe_enums::EnConvTC mConversion;
    double mPoly_coeff_Ta_min;
    double mPoly_coeff_Ta_max;
    double mPoly_coeff_A0;
    double mPoly_coeff_A1;
    double mPoly_coeff_A2;
    double mPoly_coeff_A3;
    double mPoly_coeff_Tb_min;
    double mPoly_coeff_Tb_max;
    double mPoly_coeff_B0;
    double mPoly_coeff_B1;
    double mPoly_coeff_B2;
    double mPoly_coeff_B3;
    double mPoly_coeff_Tc_min;
    double mPoly_coeff_Tc_max;
    double mPoly_coeff_C0;
    double mPoly_coeff_C1;
    double mPoly_coeff_C2;
    double mPoly_coeff_C3;
};

// A thermistor, converted by Steinhart-Hart or a polynomial, or shown as
// resistance only.
class TThermistorProbe : public TAbstractProbe
{
    Q_OBJECT

public:
    TThermistorProbe(int pInternalProbeNumber, const QString& pProbeName, bool pIsReference, int pChannelNumber,
                     double pTmin, double pTmax, QDate pLastCalDate, bool pDefaultProbe,
                     Probe_enums::EnConvThermistor pConversion, double pSH_coeff_a, double pSH_coeff_b,
                     double pSH_coeff_c, double pPoly_coeff_c0, double pPoly_coeff_c1, double pPoly_coeff_c2,
                     double pPoly_coeff_c3);

    bool isValidChannelKind(EnChannelKind pKind,
                            const zelk::vector<Probe_enums::EnWiring>& pSupportedWiring) const override;
    void copyContent(const TAbstractProbe& pProbe) override;
    bool isSameProbeType(const TAbstractProbe* pProbe) const override;

    static std::unique_ptr<TAbstractProbe> createFromXML(const QString& pName, bool pIsReference, double pTmin,
                                                         double pTmax, QDate pLastCalDate, const QDomNode& pParent);

    Probe_enums::EnConvThermistor conversion() const { return mConversion; }
    double SH_coeff_a() const { return mSH_coeff_a; }
    double SH_coeff_b() const { return mSH_coeff_b; }
    double SH_coeff_c() const { return mSH_coeff_c; }
    double Poly_coeff_c0() const { return mPoly_coeff_c0; }
    double Poly_coeff_c1() const { return mPoly_coeff_c1; }
    double Poly_coeff_c2() const { return mPoly_coeff_c2; }
    double Poly_coeff_c3() const { return mPoly_coeff_c3; }

    // Empty for an undefined value or one the list does not name.
    QString conversionToText() const;

protected:
    QString probeTypeToText() const override;
    QString specificProbeDataToText() const override;
    void addProbeSpecificXMLData(QDomNode& pParent) const override;

private:
    Probe_enums::EnConvThermistor mConversion;
    double mSH_coeff_a;
    double mSH_coeff_b;
    double mSH_coeff_c;
    double mPoly_coeff_c0;
    double mPoly_coeff_c1;
    double mPoly_coeff_c2;
    double mPoly_coeff_c3;
};
