#pragma once

#include "calitemid.h"
#include "electrical_temperature_units.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>

class TAbstractProbe;
class TChannelController;
class TInternalSCPIHandler;
class TPhysicalChannel;
class TProbeController;
class TTwoPointCalibration;

// One two-point adjustment of a measuring range of the measurement board:
// the raw value of the range is measured at two external references whose
// nominal values the user enters, and the new offset and slope follow from
// them.
//
// Callers: take temporaryBackupCalibrationData() and initCalibration()
// before a calibration, enter both nominal values, calibrate both points (in
// either order, each repeatable), then store on the board either the new
// correction or the backup and call updateCalibrationData(). A measurement
// leaves neutral data (offset 0, slope 1, dated today) on the board from its
// start on, so one of the two must be stored in every outcome, a cancelled
// or failed calibration included.
class TTwoPointCalibrationItem : public QObject
{
    Q_OBJECT

public:
    static constexpr short CALIBRATION_READINGS = 18;
    static constexpr short CALIBRATION_IGNORE_FIRST_READINGS = 10;
    static constexpr short CALIBRATION_SECONDS_BETWEEN_READINGS = 3;
    static constexpr short CALIBRATION_RETRIES = 5;

    TTwoPointCalibrationItem(EnCalItemID pItemId, Electrical_temperature_units::EnUnit pUnit, double pCalValLowerBound,
                             double pCalValUpperBound, double pCalValToleranceLowerBound,
                             double pCalValToleranceUpperBound, const QString& pTitle, TPhysicalChannel* pCalChannel,
                             TAbstractProbe* pProbeToUse, const QDate& pLastCalDate, double pStoredOffset,
                             double pStoredSlope);
    ~TTwoPointCalibrationItem() override;

    EnCalItemID itemId() const { return mItemId; }
    const QString& title() const { return mTitle; }
    Electrical_temperature_units::EnUnit unit() const { return mUnit; }
    double storedOffset() const { return mStoredOffset; }
    double storedSlope() const { return mStoredSlope; }
    double backupedOffset() const { return mStoredOffset_backup; }
    double backupedSlope() const { return mStoredSlope_backup; }
    QDate lastCalDate() const { return mLastCalDate; }
    double calValLowerBound() const { return mCalValLowerBound; }
    double calValUpperBound() const { return mCalValUpperBound; }
    double nominalCalValLowerBound() const { return mNominalCalValLowerBound; }
    double nominalCalValUpperBound() const { return mNominalCalValUpperBound; }
    const TTwoPointCalibration& twoPointCalibration() const { return *mTwoPointCalibration; }

    virtual void initCalibration();
    // False with an error message, and the value kept, outside the point's
    // reference value ± tolerance.
    bool setNominalCalValLowerBound(double pValue);
    bool setNominalCalValUpperBound(double pValue);
    // Ask for the point's reference, measure it and set the point.
    bool calibrateLowerBound(TChannelController* pChannelController, TProbeController* pProbeController,
                             TInternalSCPIHandler* pSCPIHandler);
    bool calibrateUpperBound(TChannelController* pChannelController, TProbeController* pProbeController,
                             TInternalSCPIHandler* pSCPIHandler);
    // Both NaN while the points give no correction.
    void newCalibrationData(double& oOffset, double& oSlope) const;
    // After the caller stored the data on the board; the backup stays.
    void updateCalibrationData(double pOffset, double pSlope, const QDate& pCalDate);
    void temporaryBackupCalibrationData();

protected:
    virtual void beforeMeasureRawValue(TInternalSCPIHandler* pSCPIHandler);
    virtual void afterMeasureRawValue(TInternalSCPIHandler* pSCPIHandler);
    virtual bool isProbeSetupCorrect(TAbstractProbe** oProbeForCalibration, TProbeController* pProbeController);

    bool setNominalValue(double pSoll, double pTolerance, double& oSavedNominalValue, double pIst);
    QString valueAsString(double pVal) const;
    bool measureRawValue(TChannelController* pChannelController, TProbeController* pProbeController,
                         TInternalSCPIHandler* pSCPIHandler, double& oValue);

    TPhysicalChannel* calChannel() const { return mCalChannel; }
    void setNominalValues(double pLower, double pUpper);

private:
    bool calibratePoint(bool pLowerPoint, TChannelController* pChannelController, TProbeController* pProbeController,
                        TInternalSCPIHandler* pSCPIHandler);
    // Step of the measurement with polling stopped and the channel switched;
    // fails as soon as the board link was interrupted since pInterruptions.
    bool takeReadings(TInternalSCPIHandler* pSCPIHandler, quint64 pInterruptions, double& oValue);

    EnCalItemID mItemId;
    Electrical_temperature_units::EnUnit mUnit;
    double mCalValLowerBound;
    double mCalValUpperBound;
    double mNominalCalValLowerBound;
    double mNominalCalValUpperBound;
    double mCalValToleranceLowerBound;
    double mCalValToleranceUpperBound;
    QString mTitle;
    TPhysicalChannel* mCalChannel;
    TAbstractProbe* mProbeToUse;
    QDate mLastCalDate;
    std::unique_ptr<TTwoPointCalibration> mTwoPointCalibration;
    double mStoredOffset;
    double mStoredSlope;
    double mStoredOffset_backup;
    double mStoredSlope_backup;
};

// Thermocouple inputs 3 and 4: fixed references of 0 and 100 mV, measured
// with the conversion to temperature switched off and with a type K probe
// with external reference junction.
class TThermocoupleTwoPointCalibration : public TTwoPointCalibrationItem
{
    Q_OBJECT

public:
    TThermocoupleTwoPointCalibration(EnCalItemID pItemId, Electrical_temperature_units::EnUnit pUnit,
                                     const QString& pTitle, TPhysicalChannel* pCalChannel, const QDate& pLastCalDate,
                                     double pStoredOffset, double pStoredSlope);

    void initCalibration() override;
    bool isProbeSetupCorrect(TAbstractProbe** oProbeForCalibration, TProbeController* pProbeController) override;

protected:
    void beforeMeasureRawValue(TInternalSCPIHandler* pSCPIHandler) override;
    void afterMeasureRawValue(TInternalSCPIHandler* pSCPIHandler) override;
};
