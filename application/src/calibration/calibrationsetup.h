#pragma once

#include "calibratortype.h"
#include "channeldescription.h"
#include "electrical_temperature_units.h"
#include "zelkvector.h"

#include <QString>

class QDomNode;
class TChannelController;
class TPhysicalChannel;

// One comparison calibration as the user described it: the calibrator, the
// reference channel, the channels under test, the set points in running order
// and the stability criterion. A plain value: a changed setup is a new object.
// Nothing is checked on construction; isReadyToStart() is the one check.
class TCalibrationSetup
{
public:
    // The instrument has no more than 84 channels to put under test. A file
    // naming more is cut to its first 84 by position: each entry becomes a
    // row of the setup page, and 10,000 of them froze the screen for minutes.
    static constexpr int MAX_DEVICE_UNDER_TEST_CHANNELS = 84;
    // Far more set points than any calibration runs through. A file naming more
    // is refused rather than cut, so that no point is dropped unseen: its list
    // is read to one point beyond the bound, which no setup may hold.
    static constexpr int MAX_CALIBRATION_POINTS = 100;

    TCalibrationSetup(const QString& pName, EnCalibratorType pCalibratorType, TPhysicalChannel* pReferenceChannel,
                      const zelk::vector<TChannelDescription>& pDeviceUnderTestChannels,
                      unsigned int pStabilityTimeMinutes, double pStabilityKelvin, unsigned int pHoldTimeMinutes,
                      const zelk::vector<TElectricalTemperatureValue>& pCalibrationPoints,
                      const QString& pCalibratorIPAddress, unsigned int pCalibratorIPPort);
    // Reads a "calibration_setup" element; what cannot be read keeps its
    // default, and the reference channel is looked up by number in pChannels.
    // A null node gives the empty setup. The channels under test end after
    // MAX_DEVICE_UNDER_TEST_CHANNELS, the set points after one more than
    // MAX_CALIBRATION_POINTS (see hasTooManyPoints).
    TCalibrationSetup(const QDomNode& pNode, const TChannelController& pChannels);

    // Appends the setup's elements to pParent, which belongs to a document;
    // the caller makes the "calibration_setup" element itself.
    void saveToXML(QDomNode& pParent) const;

    // False at the first check that fails; which one is not reported.
    bool isReadyToStart(const TChannelController& pChannelController) const;
    // More than MAX_CALIBRATION_POINTS set points: such a setup never starts.
    bool hasTooManyPoints() const { return mCalibrationPoints.size() > size_t(MAX_CALIBRATION_POINTS); }

    const QString& name() const { return mName; }
    EnCalibratorType calibratorType() const { return mCalibratorType; }
    // Owned by the channel controller; null when none was chosen.
    TPhysicalChannel* referenceChannel() const { return mReferenceChannel; }
    const zelk::vector<TChannelDescription>& deviceUnderTestChannels() const { return mDeviceUnderTestChannels; }
    unsigned int stabilityTimeMinutes() const { return mStabilityTimeMinutes; }
    double stabilityKelvin() const { return mStabilityKelvin; }
    unsigned int holdTimeMinutes() const { return mHoldTimeMinutes; }
    // Degrees Celsius, in running order.
    const zelk::vector<TElectricalTemperatureValue>& calibrationPoints() const { return mCalibrationPoints; }
    const QString& calibratorIPAddress() const { return mCalibratorIPAddress; }
    unsigned int calibratorPort() const { return mCalibratorPort; }

private:
    bool isValidNetworkAddress() const;

    QString mName;
    EnCalibratorType mCalibratorType = EnCalibratorType::ctUndefined;
    TPhysicalChannel* mReferenceChannel = nullptr;
    zelk::vector<TChannelDescription> mDeviceUnderTestChannels;
    unsigned int mStabilityTimeMinutes = 0;
    double mStabilityKelvin = 0.0;
    unsigned int mHoldTimeMinutes = 0;
    zelk::vector<TElectricalTemperatureValue> mCalibrationPoints;
    QString mCalibratorIPAddress;
    unsigned int mCalibratorPort = 0;
};
