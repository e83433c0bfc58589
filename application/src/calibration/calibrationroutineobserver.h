#pragma once

class TCalibrationRoutine;
class TChannelDescription;
class TElectricalTemperatureValue;

// Told by a running calibration routine of its progress, synchronously from
// inside the run; observers are called first registered first. pCalPoint is
// the set point being run.
class ICalibrationRoutineObserver
{
public:
    virtual ~ICalibrationRoutineObserver() = default;

    // The status or a progress percentage changed; read them from the routine.
    // pCalPoint is (0.0, uUndefined) for the final rsCompleted.
    virtual void calibrationRoutineStatusChanged(const TCalibrationRoutine& pRoutine,
                                                 const TElectricalTemperatureValue& pCalPoint) = 0;
    // A new reference sample; pStability is the range in kelvin, NaN while the
    // stability window is not yet covered.
    virtual void referenceValueUpdated(const TElectricalTemperatureValue& pCalPoint,
                                       const TElectricalTemperatureValue& pReferenceValue, double pStability) = 0;
    virtual void dutValueUpdated(const TElectricalTemperatureValue& pCalPoint,
                                 const TChannelDescription& pChannelDescription,
                                 const TElectricalTemperatureValue& pDUTValue) = 0;
    // The work at this set point has ended.
    virtual void calPointComplete(const TElectricalTemperatureValue& pCalPoint) = 0;
};
