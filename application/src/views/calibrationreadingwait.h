#pragma once

#include <chrono>

// The pause between two readings of an instrument calibration item. It runs
// on a monotonic clock: the instrument sets and may synchronise its clock,
// and a step of the date and time during a measurement of minutes must
// neither stretch a pause to hours nor skip it. The screen stays alive
// meanwhile (pending events are processed).
class TCalibrationReadingWait
{
public:
    static constexpr std::chrono::milliseconds DEFAULT_PAUSE{3000};

    static void wait();
    // Tests shorten the pause; the program keeps the default.
    static void setPause(std::chrono::milliseconds pPause);
    static std::chrono::milliseconds pause();

private:
    static std::chrono::milliseconds sPause;
};
