#pragma once

#include "calibratorsimulator.h"

#include <QStringList>

#include <memory>

// A simulated calibrator for connector tests: the converter stand-in linked
// where the program loads its library, and one calibrator at a time whose
// control commands the test gives as text.
class TCalibratorFixture
{
public:
    // Links the stand-in at the root's /usr/lib/libftdi1.so.2; call before the
    // converter is first used.
    static bool linkConverterStandIn();

    // Starts a calibrator of that model and runs the control commands; false,
    // with the reason as a warning or in oProblem, when it did not start or
    // refused a command.
    bool start(EnCalibratorType pType, const QStringList& pControl = {});
    bool start(EnCalibratorType pType, const QStringList& pControl, QString& oProblem);
    // The Modbus and network connectors' reply time-outs for a calibrator
    // given these control commands. A simulated line answers within about
    // 100 ms, but on a machine under heavy load its thread may wait seconds
    // for a core: an answered exchange gets a margin load cannot eat. A line
    // made silent for good answers nothing, and a short wait loses nothing
    // there.
    static void setReplyTimeouts(const QStringList& pControl);
    static constexpr int ANSWERED_LINE_TIMEOUT_MS = 5000;
    static constexpr int SILENT_LINE_TIMEOUT_MS = 100;
    // Runs one control command; false unless it answered OK.
    bool control(const QString& pCommand);
    void stop() { mSimulator.reset(); }
    TCalibratorSimulator& simulator() { return *mSimulator; }
    // What a text-protocol calibrator received, one request each.
    QStringList textRequests() const;

private:
    // The first line of the calibrator's answer to a control command.
    QString answerTo(const QString& pCommand);

    std::unique_ptr<TCalibratorSimulator> mSimulator;
};
