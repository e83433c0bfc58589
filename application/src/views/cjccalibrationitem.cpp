#include "cjccalibrationitem.h"
#include "calibrationprogressdialog.h"
#include "calibrationreadingwait.h"
#include "channel.h"
#include "channelcontroller.h"
#include "internalscpihandler.h"
#include "messagedialog.h"
#include "probecontroller.h"

#include <QCoreApplication>
#include <QVector>

#include <cmath>
#include <limits>
#include <numeric>

namespace
{
constexpr double NOT_SET = std::numeric_limits<double>::quiet_NaN();

enum EnPhaseResult { prReading, prNoReading, prInterrupted, prAborted };

double meanOfKept(const QVector<double>& pReadings)
{
    const auto first = pReadings.cbegin() + TCJCCalibrationItem::CALIBRATION_IGNORE_READINGS;
    return std::accumulate(first, pReadings.cend(), 0.0) / double(pReadings.cend() - first);
}

// One phase of a cycle: switch to the channel, discard the first valid
// reading and keep the next. A board that may have restarted since the switch
// measures its input 1 again, so the phase ends there, interrupted.
EnPhaseResult measurePhase(TChannelController& pChannelController, TAbstractChannel* pChannel,
                           TInternalSCPIHandler* pSCPIHandler, const TCalibrationProgressDialog& pProgress,
                           QVector<double>& oReadings)
{
    const quint64 interruptions = pSCPIHandler->linkInterruptions();
    if (!pChannelController.measureChannel(pChannel))
        return prNoReading;
    int validReadings = 0;
    for (int attempt = 0; attempt < TCJCCalibrationItem::CALIBRATION_RETRIES; ++attempt) {
        double electrical = NOT_SET;
        double temperature = NOT_SET;
        Probe_enums::EnSmartProbeStatus smartStatus{};
        Probe_enums::EnTemperatureAccuracyStatus accuracy = Probe_enums::tasInRange;
        short errorCode = 0;
        const bool valid = pSCPIHandler->getMeasCurr(electrical, temperature, smartStatus, accuracy, errorCode) &&
                           !std::isnan(temperature) && accuracy == Probe_enums::tasInRange;
        if (valid && ++validReadings > TCJCCalibrationItem::CALIBRATION_IGNORE_READINGS_AFTER_CHANNEL_CHANGE)
            oReadings.append(temperature);
        if (pProgress.isAborted())
            return prAborted;
        if (pSCPIHandler->linkInterruptions() != interruptions)
            return prInterrupted;
        TCalibrationReadingWait::wait();
        if (validReadings > TCJCCalibrationItem::CALIBRATION_IGNORE_READINGS_AFTER_CHANNEL_CHANGE)
            return prReading;
    }
    return prNoReading;
}
} // namespace

constexpr short TCJCCalibrationItem::CALIBRATION_TOTAL_READINGS;
constexpr short TCJCCalibrationItem::CALIBRATION_IGNORE_READINGS;
constexpr short TCJCCalibrationItem::CALIBRATION_SECONDS_BETWEEN_READINGS;
constexpr short TCJCCalibrationItem::CALIBRATION_IGNORE_READINGS_AFTER_CHANNEL_CHANGE;
constexpr short TCJCCalibrationItem::CALIBRATION_RETRIES;

TCJCCalibrationItem::TCJCCalibrationItem(TPhysicalChannel* pCalChannel, double pStoredOffset, QDate pLastCalDate,
                                         const QString& pTitle)
    : mTitle(pTitle)
    , mCalChannel(pCalChannel)
    , mStoredOffset(pStoredOffset)
    , mLastCalDate(pLastCalDate)
    , mMeasuredOffsetDeviation(NOT_SET)
{
}

void TCJCCalibrationItem::initCalibration()
{
    mMeasuredOffsetDeviation = NOT_SET;
}

double TCJCCalibrationItem::newOverallOffset() const
{
    return std::isnan(mMeasuredOffsetDeviation) ? NOT_SET : mStoredOffset + mMeasuredOffsetDeviation;
}

void TCJCCalibrationItem::updateCalibrationData(double pOffset, const QDate& pCalDate)
{
    mStoredOffset = pOffset;
    mLastCalDate = pCalDate;
}

bool TCJCCalibrationItem::measureOffsetDeviation(TChannelController& pChannelController,
                                                 TProbeController* pProbeController, TInternalSCPIHandler* pSCPIHandler)
{
    // A calibration routine holds the board: its channels and probes stay as they are.
    if (pChannelController.isRoutineActive())
        return false;
    {
        TMessageDialog dialog;
        const auto answer = dialog.showDialog(
            tr("Please connect the CJC calibration adaptor to channel 1 and channel %1. Make sure the probe with the "
               "adaptor's coefficients is assigned to channel 1.")
                .arg(mCalChannel->channelCaption()),
            TMessageDialog::dtInfo, TMessageDialog::dbOK | TMessageDialog::dbCancel);
        if (answer != TMessageDialog::drvOK)
            return false;
    }

    TAbstractChannel* const measuredChannel = pChannelController.measuredChannel();
    pChannelController.setReadingActive(false);

    bool result = false;
    if (pProbeController->assignProbeToChannel(pProbeController->defaultProbe(mCalChannel), mCalChannel, true, false)) {
        // Application modal: a window-modal dialog without a parent would
        // block nothing, and only Abort may act while the board measures.
        TCalibrationProgressDialog progress;
        progress.setWindowModality(Qt::ApplicationModal);
        progress.show(TCalibrationProgressDialog::pdtCalibration, true);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

        TAbstractChannel* const referenceChannel = pChannelController.channel(1);
        QVector<double> referenceReadings;
        QVector<double> calChannelReadings;
        bool failed = false;
        bool aborted = false;
        for (int cycle = 0; cycle < CALIBRATION_TOTAL_READINGS && !failed && !aborted; ++cycle) {
            const EnPhaseResult reference =
                measurePhase(pChannelController, referenceChannel, pSCPIHandler, progress, referenceReadings);
            aborted = reference == prAborted;
            failed = reference == prInterrupted;
            if (aborted || failed)
                break;
            if (reference == prReading) {
                progress.updateProgress(int((2 * cycle + 1) * 100.0 / (2 * CALIBRATION_TOTAL_READINGS)));
                QCoreApplication::processEvents();
            }
            const EnPhaseResult input =
                measurePhase(pChannelController, mCalChannel, pSCPIHandler, progress, calChannelReadings);
            aborted = input == prAborted;
            if (aborted)
                break;
            if (input == prReading) {
                progress.updateProgress(int((2 * cycle + 2) * 100.0 / (2 * CALIBRATION_TOTAL_READINGS)));
                QCoreApplication::processEvents();
            }
            failed = reference != prReading || input != prReading;
        }
        if (failed) {
            progress.close();
            TMessageDialog dialog;
            dialog.showError(
                tr("The instrument could not produce a valid measuring result. Calibration will be aborted."));
        } else if (!aborted) {
            mMeasuredOffsetDeviation = meanOfKept(calChannelReadings) - meanOfKept(referenceReadings);
            result = true;
        }
    }

    if (pChannelController.measuredChannel() != measuredChannel)
        pChannelController.measureShownChannel(measuredChannel);
    if (!pChannelController.isReadingActive())
        pChannelController.setReadingActive(true);
    return result;
}
