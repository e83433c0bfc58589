#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <limits>
#include <map>

class TBoardState;

// The memory of one SMART probe, as the "sens:frtd:" commands read and write it.
struct TSimulatedSmartProbe
{
    static constexpr int COEFFICIENT_COUNT = 8;
    // Characters the probe's memory keeps of a name.
    static constexpr int MAX_NAME_LENGTH = 19;
    // Board codes of the reference resistor and the conversion standard.
    enum EnReferenceResistor { rr25Ohm = 1, rr100Ohm = 2 };
    enum EnStandard { stEN60751 = 1, stCvD = 2, stITS90 = 3, stDIN = 4 };

    QString mName;
    bool mReference = false;
    // An invalid date is none.
    QDate mCalDate;
    QDate mCalNext;
    QString mCalSource;
    bool mEnabled = true;
    bool mLocked = true;
    int mReferenceResistor = rr100Ohm;
    int mStandard = stCvD;
    std::array<double, COEFFICIENT_COUNT> mCoefficients{};
    // Ohm: the working range, and the extremes the probe has seen since its
    // last calibration and ever.
    double mWorkMax = 0.0;
    double mWorkMin = 0.0;
    double mRecMaxLastCal = 0.0;
    double mRecMinLastCal = 0.0;
    double mRecMaxEver = 0.0;
    double mRecMinEver = 0.0;

    // A Pt100 on a Callendar-Van Dusen set, and a Pt25 on an ITS-90 set.
    static TSimulatedSmartProbe callendarVanDusenPt100();
    static TSimulatedSmartProbe its90Pt25();

    // Ohm at a temperature by the probe's own coefficients.
    double resistanceAt(double pTemperature) const;
    // Widens the recorded extremes to a measured resistance.
    void record(double pResistance);
};

// The SMART probes plugged into the simulated board's resistance inputs and
// the "sens:frtd:" commands, which act on the probe of the measured channel.
// Like the board, it needs a moment after a channel change before a probe's
// memory answers: until then every "sens:frtd:" command gets E222, as it does
// on a channel without a SMART probe. A locked probe refuses every write but
// the lock and enable flags with E224.
class TSimulatedSmartProbes
{
public:
    // Seconds after a channel change until the probe's memory can be read; the
    // program waits 250 ms, the board is ready a little earlier.
    static constexpr double READY_AFTER_CHANNEL_CHANGE = 0.2;

    // Registers "conf:chan:smar?" and the "sens:frtd:" commands with the board.
    void addCommands(TBoardState& pBoard);

    // A probe plugged in or changed reports status 3 once.
    void plug(int pChannel, const TSimulatedSmartProbe& pProbe);
    void unplug(int pChannel);
    TSimulatedSmartProbe* probe(int pChannel);
    void markChanged(int pChannel);
    const std::map<int, TSimulatedSmartProbe>& probes() const { return mProbes; }

    void noteChannelChange(double pNow) { mLastChannelChange = pNow; }
    // The SMART probe status "meas:curr?" reports for a channel: 3 once after a
    // change, then 2 when enabled or 0 when disabled; 1 without a probe.
    int takeStatus(int pChannel);

private:
    // The probe of the measured channel, or null with oError set.
    TSimulatedSmartProbe* measuredProbe(const TBoardState& pBoard, double pNow, QByteArray& oError);
    void addSetters(TBoardState& pBoard);
    void addQueries(TBoardState& pBoard);

    std::map<int, TSimulatedSmartProbe> mProbes;
    std::map<int, bool> mChanged;
    double mLastChannelChange = -std::numeric_limits<double>::infinity();
};
