#pragma once

#include <QDate>
#include <QObject>
#include <QString>

class TChannelController;
class TInternalSCPIHandler;
class TPhysicalChannel;
class TProbeController;

// The cold-junction offset of one thermocouple input, found with the
// calibration adaptor on channel 1 (the reference) and on the input: both are
// measured alternately and the deviation of the input's mean temperature
// from channel 1's is the change of the offset. The measurement writes no
// calibration data; the caller stores the result on the board and updates
// the item from what the board then reports. The default probe of the input
// stays assigned after a measurement, whatever its outcome.
class TCJCCalibrationItem : public QObject
{
    Q_OBJECT

public:
    static constexpr short CALIBRATION_TOTAL_READINGS = 38;
    static constexpr short CALIBRATION_IGNORE_READINGS = 30;
    static constexpr short CALIBRATION_SECONDS_BETWEEN_READINGS = 3;
    static constexpr short CALIBRATION_IGNORE_READINGS_AFTER_CHANNEL_CHANGE = 1;
    static constexpr short CALIBRATION_RETRIES = 5;

    TCJCCalibrationItem(TPhysicalChannel* pCalChannel, double pStoredOffset, QDate pLastCalDate, const QString& pTitle);

    void initCalibration();
    // A failed or aborted measurement keeps the previous deviation.
    bool measureOffsetDeviation(TChannelController& pChannelController, TProbeController* pProbeController,
                                TInternalSCPIHandler* pSCPIHandler);

    double storedOffset() const { return mStoredOffset; }
    double newOffsetDeviation() const { return mMeasuredOffsetDeviation; }
    // NaN while no deviation was measured.
    double newOverallOffset() const;
    const QString& title() const { return mTitle; }
    QDate lastCalDate() const { return mLastCalDate; }
    TPhysicalChannel* calChannel() const { return mCalChannel; }
    void updateCalibrationData(double pOffset, const QDate& pCalDate);

private:
    QString mTitle;
    TPhysicalChannel* mCalChannel;
    double mStoredOffset;
    QDate mLastCalDate;
    double mMeasuredOffsetDeviation;
};
