#pragma once

#include "calibrationpointresults.h"
#include "electrical_temperature_units.h"
#include "zelkvector.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <map>
#include <memory>
#include <utility>

class ICalibrationRoutineObserver;
class QDomElement;
class QDomNode;
class IBlockcalibratorInterface;
class TAbstractChannel;
class TAbstractProbe;
class TCalibrationSetup;
class TChannelController;
class TRoutineChannelHold;
class TScanModeController;

namespace Calibrationroutine
{
// What the observers show of a run.
enum EnRoutineStatus : quint8 {
    rsNone = 0,
    rsCollectingStabilitySamples = 1,
    rsUnstable = 2,
    rsReadingDUTChannels = 3,
    rsStable = 4,
    rsCompleted = 5
};

// How a run ended.
enum EnRoutineResult : quint8 {
    rrSuccess = 0,
    rrLibraryUnavailable = 1,
    rrInvalidCalibrationSetup = 2,
    rrCalibratorInitFailed = 3,
    rrUnableToSelectReferenceChannel = 4,
    rrInvalidCalibrationPoint = 5,
    rrUnableToSelectDUTChannel = 6,
    rrUnableToReadReferenceValue = 7,
    rrAborted = 8
};
} // namespace Calibrationroutine

// One calibration run and its outcome: its own copy of the setup, the state of
// the run that observers show, and the results per set point ordered by
// temperature. A routine read from a result file also carries the probes that
// were used then. The routines screen owns the routine it last started and the
// one it shows.
class TCalibrationRoutine : public QObject
{
    Q_OBJECT

public:
    // Largest difference in kelvin between a set point and the calibrator's read-back.
    static const double ALLOWED_CALPOINT_DEVIATION;
    static const unsigned int READ_INTERVAL_MS = 2000;
    // One board reading must succeed within this time.
    static const unsigned int CHANNEL_CHANGE_TIMEOUT_MS = 3000;
    // Readings of a channel under test discarded before the one kept, and the
    // pause after each, so the input settles after the switch.
    static const unsigned int DUT_IGNORE_FIRST_READINGS = 3;
    static const unsigned int DUT_READ_PAUSE_SECONDS = 2;

    using TStabilitySample = std::pair<QDateTime, double>;
    using TPointResults = std::map<TElectricalTemperatureValue, TCalibrationPointResults>;

    // Copies the setup; the caller keeps its own. A null setup gives a routine
    // without setup, which writes and renders as empty.
    explicit TCalibrationRoutine(const TCalibrationSetup* pCalibrationSetup);
    // Reads the content of a "calibration_routine" element. Never fails: what
    // is missing or unreadable stays empty. pChannelController resolves the
    // setup's reference channel.
    TCalibrationRoutine(const QDomNode& pElement, const TChannelController& pChannelController);
    ~TCalibrationRoutine() override;

    // Appends the routine's elements to the root element of a result file.
    void saveToXML(QDomNode& pParent, const TChannelController& pChannelController) const;
    // The result table: strings to be written one after the other, lines
    // ending in CR LF, columns separated by TAB; empty without setup.
    QStringList toCSV(const TChannelController& pChannelController) const;
    // The table as the exported file holds it: UTF-16 little-endian behind the
    // byte-order mark FF FE, the strings joined unchanged.
    static QByteArray encodeCSV(const QStringList& pTable);

    // oErrorMessage receives the calibrator's text when it could not be
    // initialised, or names the set point it cannot be sent.
    Calibrationroutine::EnRoutineResult startRoutine(TChannelController* pChannelController,
                                                     TScanModeController* pScanModeController, QString& oErrorMessage);
    // The running routine ends with rrAborted at its next check.
    void abort() { mAbortRequested = true; }
    bool isAbortRequested() const { return mAbortRequested; }

    // An observer is held once. Changing the list from inside a notification
    // changes nothing: removeObserver then returns false.
    void addObserver(ICalibrationRoutineObserver* pObserver);
    bool removeObserver(ICalibrationRoutineObserver* pObserver);

    // Null for a routine read from a file that held no setup.
    const TCalibrationSetup* setup() const { return mCalibrationSetup.get(); }
    Calibrationroutine::EnRoutineStatus status() const { return mStatus; }
    int sampleCollectionProgressPercent() const { return mSampleCollectionProgressPercent; }
    int holdTimeProgressPercent() const { return mHoldTimeProgressPercent; }
    QDateTime routineStart() const { return mRoutineStart; }
    QDateTime routineEnd() const { return mRoutineEnd; }
    // Ascending set point; set points of equal temperature share one entry.
    const TPointResults& calibrationPointsResults() const { return mCalibrationPointsResults; }

    // The reference probe stored with the routine, else the one the reference
    // channel holds now; null when there is neither.
    TAbstractProbe* referenceProbe() const;
    // The probe stored for the channel (null for an entry stored without
    // probe), else the one the physical channel of that number holds now.
    TAbstractProbe* dutProbe(int pInternalChannelNumber, const TChannelController& pChannelController) const;

protected:
    // Stores the status and tells the observers when it changed, or always
    // when pForceNotify; returns whether it changed.
    bool setStatus(Calibrationroutine::EnRoutineStatus pStatus, const TElectricalTemperatureValue& pCalPoint,
                   bool pForceNotify = false);
    void notifyObserversStatusChanged(const TElectricalTemperatureValue& pCalPoint);
    void notifyObserversReferenceValueUpdated(const TElectricalTemperatureValue& pCalPoint,
                                              const TElectricalTemperatureValue& pReferenceValue, double pStability);
    void notifyObserversDUTValueUpdated(const TElectricalTemperatureValue& pCalPoint,
                                        const TChannelDescription& pChannelDescription,
                                        const TElectricalTemperatureValue& pDUTValue);
    void notifyOberservsCalPointComplete(const TElectricalTemperatureValue& pCalPoint);
    // Sets the hold percentage from the hold timer, the status to rsStable,
    // and always tells the observers.
    void notifyOberservsHoldTimeProgress(qint64 pHoldElapsedMs, const TElectricalTemperatureValue& pCalPoint);

private:
    template <class TCall> void notifyObservers(TCall pCall);
    // The parts of a run; each gives back the result the run goes on with.
    Calibrationroutine::EnRoutineResult prepareRun(QString& oErrorMessage);
    Calibrationroutine::EnRoutineResult runCalibrationPoint(const TElectricalTemperatureValue& pCalPoint);
    void takeCalibrationPoint(const TElectricalTemperatureValue& pCalPoint, double pRange);
    // rrAborted once the run is to end, before the exchange or after it.
    Calibrationroutine::EnRoutineResult setCalibratorTemperature(const TElectricalTemperatureValue& pTemperature);
    // Cancel, or a terminate or Ctrl+C: the run ends at its next check, at the
    // latest between two exchanges with the calibrator or the board.
    bool endRequested() const;
    // One successful board reading within CHANNEL_CHANGE_TIMEOUT_MS; false
    // without a further attempt once the run is to end.
    bool readMeasuredChannel();
    // Discards pIgnoreFirstReadings readings, pausing pPauseSeconds after
    // each, and keeps the next; false, outputs unchanged, when one fails or
    // the run is to end.
    bool readMeasuredChannel(unsigned int pIgnoreFirstReadings, unsigned int pPauseSeconds,
                             TElectricalTemperatureValue& oResultTemperature,
                             TElectricalTemperatureValue& oResultElectrical);
    TAbstractChannel* dutChannel(const TChannelDescription& pChannelDescription) const;
    double stabilityRange() const;
    void readResults(const QDomElement& pCalibrationPoints);
    void readDUTProbes(const QDomElement& pDUTProbes);

    std::unique_ptr<TCalibrationSetup> mCalibrationSetup;
    std::unique_ptr<TAbstractProbe> mStoredReferenceProbe;
    std::map<int, std::unique_ptr<TAbstractProbe>> mStoredDUTProbes;
    Calibrationroutine::EnRoutineStatus mStatus = Calibrationroutine::rsNone;
    zelk::vector<TStabilitySample> mStabilitySamples;
    QDateTime mRoutineStart;
    QDateTime mRoutineEnd;
    TPointResults mCalibrationPointsResults;
    zelk::vector<ICalibrationRoutineObserver*> mObservers;
    int mActiveCalibrationPointIndex = -1;
    bool mNotifyingObservers = false;
    bool mAbortRequested = false;
    int mSampleCollectionProgressPercent = 0;
    int mHoldTimeProgressPercent = 0;
    // Only while a run is going on.
    TChannelController* mChannelController = nullptr;
    std::unique_ptr<TRoutineChannelHold> mChannelHold;
    std::unique_ptr<IBlockcalibratorInterface> mCalibrator;
    qint64 mHoldStartMs = 0;
};
