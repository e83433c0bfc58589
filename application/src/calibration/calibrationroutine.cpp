#include "calibrationroutine.h"

#include "blockcalibratorfactory.h"
#include "calibrationroutineobserver.h"
#include "calibrationsetup.h"
#include "calibrationxml.h"
#include "channel.h"
#include "channelcontroller.h"
#include "decimaldisplaycontroller.h"
#include "ftdi_usb_serial_device.h"
#include "probe.h"
#include "routineclock.h"
#include "scanmodecontroller.h"
#include "tamarindclock.h"
#include "terminationsignals.h"
#include "warninggate.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>
#include <QElapsedTimer>
#include <QtEndian>

#include <cmath>
#include <limits>

using namespace Calibrationroutine;
using namespace CalibrationXML;
using namespace Electrical_temperature_units;

const double TCalibrationRoutine::ALLOWED_CALPOINT_DEVIATION = 0.5;

namespace
{
const QString START_TIME = QStringLiteral("start_time");
const QString STOP_TIME = QStringLiteral("stop_time");
const QString CALIBRATION_SETUP = QStringLiteral("calibration_setup");
const QString REFERENCE_PROBE = QStringLiteral("reference_probe");
const QString DUT_PROBES = QStringLiteral("dut_probes");
const QString DUT = QStringLiteral("dut");
const QString DUT_CHANNEL = QStringLiteral("dut_channel");
const QString PROBE_DATA = QStringLiteral("probe_data");
const QString CALIBRATION_POINTS = QStringLiteral("calibration_points");
const QString CAL_POINT = QStringLiteral("cal_point");
const QString CAL_POINT_TEMPERATURE = QStringLiteral("cal_point_temperature");
const QString REFERENCE_TEMPERATURE = QStringLiteral("reference_temperature");
const QString REFERENCE_STABILITY_KELVIN = QStringLiteral("reference_stability_kelvin");
const QString DUT_TEMPERATURE = QStringLiteral("dut_temperature");
const QString DUT_RAW_VALUE = QStringLiteral("dut_raw_value");
const QString CHANNEL_CAPTION = QStringLiteral("channel_caption");
// Local time, 14 digits without separators.
const QString DATE_TIME_PATTERN = QStringLiteral("yyyyMMddhhmmss");

const QString TAB = QStringLiteral("\t");
const QString LINE_END = QStringLiteral("\r\n");

// The probe a channel holds now: an enabled SMART probe before the assigned one.
TAbstractProbe* currentProbe(TAbstractChannel* pChannel)
{
    return pChannel ? pChannel->channelProbeStatus().probe() : nullptr;
}

QDomElement appendDUTChannel(QDomNode& pParent, const TChannelDescription& pDUT)
{
    QDomElement channel = appendTextElement(pParent, DUT_CHANNEL, QString::number(pDUT.internalChannelNumber()));
    channel.setAttribute(CHANNEL_CAPTION, pDUT.channelCaption());
    return channel;
}

// The first child elements of every name, or false when one is missing.
bool childElements(const QDomElement& pParent, std::initializer_list<std::pair<const QString*, QDomElement*>> pWanted)
{
    for (const auto& wanted : pWanted) {
        *wanted.second = pParent.firstChildElement(*wanted.first);
        if (wanted.second->isNull())
            return false;
    }
    return true;
}
} // namespace

TCalibrationRoutine::TCalibrationRoutine(const TCalibrationSetup* pCalibrationSetup)
    : mCalibrationSetup(pCalibrationSetup ? std::make_unique<TCalibrationSetup>(*pCalibrationSetup) : nullptr)
{
}

TCalibrationRoutine::TCalibrationRoutine(const QDomNode& pElement, const TChannelController& pChannelController)
{
    const QDomElement start = pElement.firstChildElement(START_TIME);
    if (!start.isNull())
        mRoutineStart = QDateTime::fromString(start.text(), DATE_TIME_PATTERN);
    const QDomElement stop = pElement.firstChildElement(STOP_TIME);
    if (!stop.isNull())
        mRoutineEnd = QDateTime::fromString(stop.text(), DATE_TIME_PATTERN);

    const QDomElement setup = pElement.firstChildElement(CALIBRATION_SETUP);
    if (!setup.isNull())
        mCalibrationSetup = std::make_unique<TCalibrationSetup>(setup, pChannelController);

    const QDomElement referenceProbe = pElement.firstChildElement(REFERENCE_PROBE);
    if (!referenceProbe.isNull())
        mStoredReferenceProbe = TAbstractProbe::createFromXML(referenceProbe);

    const QDomElement points = pElement.firstChildElement(CALIBRATION_POINTS);
    if (!points.isNull())
        readResults(points);
    const QDomElement dutProbes = pElement.firstChildElement(DUT_PROBES);
    if (!dutProbes.isNull())
        readDUTProbes(dutProbes);
}

TCalibrationRoutine::~TCalibrationRoutine() = default;

void TCalibrationRoutine::readResults(const QDomElement& pCalibrationPoints)
{
    const QDomNodeList points = pCalibrationPoints.elementsByTagName(CAL_POINT);
    for (int i = 0; i < points.count(); ++i) {
        const QDomElement point = points.at(i).toElement();
        QDomElement setPoint, reference, stability;
        if (!childElements(point, {{&CAL_POINT_TEMPERATURE, &setPoint},
                                   {&REFERENCE_TEMPERATURE, &reference},
                                   {&REFERENCE_STABILITY_KELVIN, &stability}}))
            continue;
        // A set point equal to an earlier one (0 °C and 32 °F) adds its DUT
        // values to the earlier point, whose reference stays.
        auto entry = mCalibrationPointsResults
                         .emplace(readValue(setPoint),
                                  TCalibrationPointResults(readValue(reference), stability.text().toDouble()))
                         .first;
        const QDomNodeList duts = point.elementsByTagName(DUT);
        for (int d = 0; d < duts.count(); ++d) {
            QDomElement channel, temperature, raw;
            if (!childElements(duts.at(d).toElement(),
                               {{&DUT_CHANNEL, &channel}, {&DUT_TEMPERATURE, &temperature}, {&DUT_RAW_VALUE, &raw}}))
                continue;
            entry->second.setDUTChannelValue(
                TChannelDescription(channel.text().toInt(), channel.attribute(CHANNEL_CAPTION)),
                TDUTValue(readValue(temperature), readValue(raw)));
        }
    }
}

void TCalibrationRoutine::readDUTProbes(const QDomElement& pDUTProbes)
{
    const QDomNodeList duts = pDUTProbes.elementsByTagName(DUT);
    for (int i = 0; i < duts.count(); ++i) {
        QDomElement channel, probeData;
        if (!childElements(duts.at(i).toElement(), {{&DUT_CHANNEL, &channel}, {&PROBE_DATA, &probeData}}))
            continue;
        // The first entry of a channel counts, also when it holds no probe.
        const int number = channel.text().toInt();
        if (mStoredDUTProbes.find(number) == mStoredDUTProbes.end())
            mStoredDUTProbes.emplace(number, TAbstractProbe::createFromXML(probeData));
    }
}

void TCalibrationRoutine::saveToXML(QDomNode& pParent, const TChannelController& pChannelController) const
{
    if (!mCalibrationSetup)
        return;
    appendTextElement(pParent, START_TIME, mRoutineStart.toString(DATE_TIME_PATTERN));
    appendTextElement(pParent, STOP_TIME, mRoutineEnd.toString(DATE_TIME_PATTERN));

    QDomElement setup = appendTextElement(pParent, CALIBRATION_SETUP, QString());
    mCalibrationSetup->saveToXML(setup);

    QDomElement reference = appendTextElement(pParent, REFERENCE_PROBE, QString());
    if (TAbstractProbe* probe = currentProbe(mCalibrationSetup->referenceChannel()))
        probe->saveToXML(reference);

    QDomElement dutProbes = appendTextElement(pParent, DUT_PROBES, QString());
    for (const TChannelDescription& dut : mCalibrationSetup->deviceUnderTestChannels()) {
        // A binary derived channel stands for no one probe and is left out; the
        // reciprocal channel carries the probe of the input it derives from.
        TAbstractChannel* channel = pChannelController.channel(dut.internalChannelNumber());
        TAbstractProbe* probe = channel ? currentProbe(channel->distinctPhysicalChannel()) : nullptr;
        if (!probe)
            continue;
        QDomElement entry = appendTextElement(dutProbes, DUT, QString());
        appendDUTChannel(entry, dut);
        QDomElement probeData = appendTextElement(entry, PROBE_DATA, QString());
        probe->saveToXML(probeData);
    }

    QDomElement points = appendTextElement(pParent, CALIBRATION_POINTS, QString());
    for (const auto& result : mCalibrationPointsResults) {
        QDomElement point = appendTextElement(points, CAL_POINT, QString());
        appendValueElement(point, CAL_POINT_TEMPERATURE, result.first);
        appendValueElement(point, REFERENCE_TEMPERATURE, result.second.valueReferenceChannel());
        appendTextElement(point, REFERENCE_STABILITY_KELVIN, exponentText(result.second.stabilityKelvinReference()));
        for (const TChannelDescription& dut : mCalibrationSetup->deviceUnderTestChannels()) {
            const TDUTValue* value = result.second.dutValue(dut);
            if (!value)
                continue;
            QDomElement entry = appendTextElement(point, DUT, QString());
            appendDUTChannel(entry, dut);
            appendValueElement(entry, DUT_TEMPERATURE, value->valTemperature());
            appendValueElement(entry, DUT_RAW_VALUE, value->valElectrical());
        }
    }
}

QStringList TCalibrationRoutine::toCSV(const TChannelController& pChannelController) const
{
    QStringList table;
    if (!mCalibrationSetup)
        return table;
    const TCalibrationSetup& setup = *mCalibrationSetup;
    const TDecimalDisplayController& decimals = TDecimalDisplayController::instance();
    const TTamarindClock& clock = TTamarindClock::instance();
    auto line = [&table](const QString& pLabel, const QString& pValue) { table << pLabel + TAB + pValue + LINE_END; };
    auto dateTime = [&clock](const QDateTime& pTime) {
        return clock.getDateString(pTime) + QLatin1Char(' ') + clock.getTimeString(pTime, true);
    };

    line(tr("Routine name"), setup.name());
    line(tr("Routine start"), dateTime(mRoutineStart));
    line(tr("Routine end"), dateTime(mRoutineEnd));
    line(tr("Source (calibrator type)"),
         TBlockcalibratorFactory::instance()->calibratorTypeToText(setup.calibratorType()));
    line(tr("Stability [K]"), decimals.Double2Str(setup.stabilityKelvin()));
    line(tr("Stability time [min]"), QString::number(setup.stabilityTimeMinutes()));
    line(tr("Hold time [min]"), QString::number(setup.holdTimeMinutes()));
    line(tr("Reference channel"), setup.referenceChannel() ? setup.referenceChannel()->channelCaption() : QString());

    // Without a reference probe the block keeps its labelled line, empty.
    const TAbstractProbe* reference = referenceProbe();
    const QStringList referenceParts =
        reference ? reference->probeDataToText().split(LINE_END, Qt::KeepEmptyParts) : QStringList(QString());
    for (int i = 0; i < referenceParts.size(); ++i)
        line(i == 0 ? tr("Reference probe") : QString(), referenceParts.at(i));

    for (const TChannelDescription& dut : setup.deviceUnderTestChannels()) {
        line(tr("DUT"), tr("Channel: ") + dut.channelCaption());
        if (const TAbstractProbe* probe = dutProbe(dut.internalChannelNumber(), pChannelController)) {
            for (const QString& part : probe->probeDataToText().split(LINE_END, Qt::SkipEmptyParts))
                table << TAB + part + LINE_END;
        }
        table << LINE_END;
        table << tr("Calibration point [°C]") + TAB + tr("Reference value [°C]") + TAB + tr("Reference stability [K]") +
                     TAB + tr("DUT value [°C]") + TAB;

        // The raw value's unit is known only from a point that holds a value:
        // it is looked up ahead so that the header is complete before the
        // first row, empty when no point of the block holds one.
        if (!mCalibrationPointsResults.empty()) {
            QString rawUnit;
            for (const auto& result : mCalibrationPointsResults) {
                if (const TDUTValue* value = result.second.dutValue(dut)) {
                    rawUnit = TAbstractChannel::unitToText(value->valElectrical().unit());
                    break;
                }
            }
            table << tr("DUT raw value [%1]").arg(rawUnit) + LINE_END;
        }
        for (const auto& result : mCalibrationPointsResults) {
            QString row = decimals.Double2Str(result.first.value()) + TAB +
                          decimals.Double2Str(result.second.valueReferenceChannel().value()) + TAB +
                          decimals.Double2Str(result.second.stabilityKelvinReference()) + TAB;
            if (const TDUTValue* value = result.second.dutValue(dut))
                row += decimals.Double2Str(value->valTemperature().value()) + TAB +
                       decimals.Double2Str(value->valElectrical().value());
            table << row + LINE_END;
        }
        table << LINE_END + LINE_END;
    }
    return table;
}

QByteArray TCalibrationRoutine::encodeCSV(const QStringList& pTable)
{
    // Spreadsheet programs recognise the encoding by the byte-order mark; the
    // bytes are little-endian on every host.
    QByteArray bytes("\xFF\xFE", 2);
    for (const QString& part : pTable) {
        for (const QChar character : part) {
            char unit[2];
            qToLittleEndian<quint16>(character.unicode(), unit);
            bytes.append(unit, 2);
        }
    }
    return bytes;
}

void TCalibrationRoutine::addObserver(ICalibrationRoutineObserver* pObserver)
{
    // The list is being walked during a notification.
    if (mNotifyingObservers || !pObserver || mObservers.contains(pObserver))
        return;
    mObservers.push_back(pObserver);
}

bool TCalibrationRoutine::removeObserver(ICalibrationRoutineObserver* pObserver)
{
    if (mNotifyingObservers || !mObservers.contains(pObserver))
        return false;
    mObservers.erase_item(pObserver);
    return true;
}

TAbstractProbe* TCalibrationRoutine::referenceProbe() const
{
    if (mStoredReferenceProbe)
        return mStoredReferenceProbe.get();
    return mCalibrationSetup ? currentProbe(mCalibrationSetup->referenceChannel()) : nullptr;
}

TAbstractProbe* TCalibrationRoutine::dutProbe(int pInternalChannelNumber,
                                              const TChannelController& pChannelController) const
{
    const auto stored = mStoredDUTProbes.find(pInternalChannelNumber);
    if (stored != mStoredDUTProbes.end())
        return stored->second.get();
    return currentProbe(pChannelController.physical_channel(pInternalChannelNumber));
}

template <class TCall> void TCalibrationRoutine::notifyObservers(TCall pCall)
{
    const bool wasNotifying = mNotifyingObservers;
    mNotifyingObservers = true;
    for (ICalibrationRoutineObserver* observer : mObservers)
        pCall(observer);
    mNotifyingObservers = wasNotifying;
}

bool TCalibrationRoutine::setStatus(EnRoutineStatus pStatus, const TElectricalTemperatureValue& pCalPoint,
                                    bool pForceNotify)
{
    const bool changed = pStatus != mStatus;
    mStatus = pStatus;
    if (changed || pForceNotify)
        notifyObserversStatusChanged(pCalPoint);
    return changed;
}

void TCalibrationRoutine::notifyObserversStatusChanged(const TElectricalTemperatureValue& pCalPoint)
{
    notifyObservers(
        [&](ICalibrationRoutineObserver* pObserver) { pObserver->calibrationRoutineStatusChanged(*this, pCalPoint); });
}

void TCalibrationRoutine::notifyObserversReferenceValueUpdated(const TElectricalTemperatureValue& pCalPoint,
                                                               const TElectricalTemperatureValue& pReferenceValue,
                                                               double pStability)
{
    notifyObservers([&](ICalibrationRoutineObserver* pObserver) {
        pObserver->referenceValueUpdated(pCalPoint, pReferenceValue, pStability);
    });
}

void TCalibrationRoutine::notifyObserversDUTValueUpdated(const TElectricalTemperatureValue& pCalPoint,
                                                         const TChannelDescription& pChannelDescription,
                                                         const TElectricalTemperatureValue& pDUTValue)
{
    notifyObservers([&](ICalibrationRoutineObserver* pObserver) {
        pObserver->dutValueUpdated(pCalPoint, pChannelDescription, pDUTValue);
    });
}

void TCalibrationRoutine::notifyOberservsCalPointComplete(const TElectricalTemperatureValue& pCalPoint)
{
    notifyObservers([&](ICalibrationRoutineObserver* pObserver) { pObserver->calPointComplete(pCalPoint); });
}

void TCalibrationRoutine::notifyOberservsHoldTimeProgress(qint64 pHoldElapsedMs,
                                                          const TElectricalTemperatureValue& pCalPoint)
{
    // In floating point: hold minutes in milliseconds overflow 32 bits past
    // about 71582 minutes. A hold time of 0 counts as done.
    const double holdSeconds = mCalibrationSetup ? mCalibrationSetup->holdTimeMinutes() * 60.0 : 0.0;
    const double percent = holdSeconds > 0.0 ? static_cast<double>(pHoldElapsedMs) / 10.0 / holdSeconds : 100.0;
    mHoldTimeProgressPercent = static_cast<int>(qMin(percent, static_cast<double>(std::numeric_limits<int>::max())));
    setStatus(rsStable, pCalPoint, true);
}

EnRoutineResult TCalibrationRoutine::startRoutine(TChannelController* pChannelController,
                                                  TScanModeController* pScanModeController, QString& oErrorMessage)
{
    oErrorMessage.clear();
    // A caution or a notice raised meanwhile opens over the run view and the
    // run goes on reading under it.
    const TWarningGate::TRun run;
    // Cleared before the events run: a Cancel confirmed in them has already
    // closed the run view, so it must end this run and not be forgotten.
    mAbortRequested = false;
    QCoreApplication::processEvents();
    mSampleCollectionProgressPercent = 0;
    mHoldTimeProgressPercent = 0;
    if (!mCalibrationSetup || !pChannelController || !mCalibrationSetup->isReadyToStart(*pChannelController))
        return rrInvalidCalibrationSetup;

    if (pScanModeController)
        pScanModeController->pauseScanMode();
    // The views and the logger go on naming the channel they showed before
    // the run; the board has to measure it again once the run is over.
    TAbstractChannel* const shownChannel = pChannelController->measuredChannel();
    mChannelController = pChannelController;
    zelk::vector<TAbstractChannel*> usedChannels{mCalibrationSetup->referenceChannel()};
    for (const TChannelDescription& dut : mCalibrationSetup->deviceUnderTestChannels())
        usedChannels << dutChannel(dut);
    mChannelHold = std::make_unique<TRoutineChannelHold>(*pChannelController, std::move(usedChannels));
    IRoutineClock& clock = IRoutineClock::current();
    mActiveCalibrationPointIndex = -1;
    mStatus = rsNone;
    mCalibrationPointsResults.clear();
    mRoutineStart = clock.now();
    mRoutineEnd = QDateTime();

    EnRoutineResult result = prepareRun(oErrorMessage);
    if (result == rrSuccess) {
        const auto& points = mCalibrationSetup->calibrationPoints();
        for (mActiveCalibrationPointIndex = 0;
             result == rrSuccess && mActiveCalibrationPointIndex < static_cast<int>(points.size());
             ++mActiveCalibrationPointIndex) {
            // A copy: observers may look at the setup while the point runs.
            const TElectricalTemperatureValue point = points[static_cast<size_t>(mActiveCalibrationPointIndex)];
            result = runCalibrationPoint(point);
        }
    }

    mRoutineEnd = clock.now();
    setStatus(rsCompleted, TElectricalTemperatureValue(0.0, uUndefined));
    // Shown whether or not the board confirms: unconfirmed, it is selected
    // again with the next reading rather than the last DUT read on.
    if (shownChannel && pChannelController->measuredChannel() != shownChannel)
        mChannelHold->measureShownChannel(shownChannel);
    mChannelHold.reset();
    // After a terminate the program is ending: the reading that resumes would
    // only keep it waiting for the board's answer, however late that comes.
    if (!TTerminationSignals::terminationRequested())
        pChannelController->setReadingActive(true);
    if (pScanModeController)
        pScanModeController->resumeScanMode();
    mCalibrator.reset();
    mChannelController = nullptr;
    return result;
}

EnRoutineResult TCalibrationRoutine::prepareRun(QString& oErrorMessage)
{
    if (!TFTDI_Usb_Serial_Device::instance()->isLibraryAvailable())
        return rrLibraryUnavailable;
    if (endRequested())
        return rrAborted;
    mCalibrator = TBlockcalibratorFactory::instance()->createBlockcalibrator(*mCalibrationSetup);
    if (!mCalibrator || !mCalibrator->init(uCelsius, oErrorMessage))
        return endRequested() ? rrAborted : rrCalibratorInitFailed;
    // Every set point is commanded and read back once before the first is
    // run, so a point the calibrator cannot reach ends the run early.
    for (const TElectricalTemperatureValue& point : mCalibrationSetup->calibrationPoints()) {
        const EnRoutineResult checked = setCalibratorTemperature(point);
        if (checked != rrSuccess) {
            if (checked == rrInvalidCalibrationPoint && mCalibrator->lastSetPointUnsendable())
                oErrorMessage = tr("The calibration point %1 °C cannot be sent to the calibrator: it does not fit "
                                   "the calibrator's set point register.")
                                    .arg(TDecimalDisplayController::instance().Double2Str(point.value()));
            return checked;
        }
    }
    for (const TChannelDescription& dut : mCalibrationSetup->deviceUnderTestChannels()) {
        if (endRequested())
            return rrAborted;
        TAbstractChannel* channel = dutChannel(dut);
        // A terminate ends the board's wait for the selection: what it left
        // unanswered is no refused channel.
        if (!channel || !mChannelHold->measureChannel(channel))
            return endRequested() ? rrAborted : rrUnableToSelectDUTChannel;
    }
    if (endRequested())
        return rrAborted;
    if (!mChannelHold->measureChannel(mCalibrationSetup->referenceChannel()))
        return endRequested() ? rrAborted : rrUnableToSelectReferenceChannel;
    mChannelController->setReadingActive(false);
    return rrSuccess;
}

EnRoutineResult TCalibrationRoutine::runCalibrationPoint(const TElectricalTemperatureValue& pCalPoint)
{
    IRoutineClock& clock = IRoutineClock::current();
    mStabilitySamples.clear();
    EnRoutineResult result = setCalibratorTemperature(pCalPoint);
    if (result != rrSuccess)
        return result;
    if (!mChannelHold->measureChannel(mCalibrationSetup->referenceChannel()))
        return endRequested() ? rrAborted : rrUnableToSelectReferenceChannel;

    const qint64 windowMs = static_cast<qint64>(mCalibrationSetup->stabilityTimeMinutes()) * 60000;
    const qint64 holdMs = static_cast<qint64>(mCalibrationSetup->holdTimeMinutes()) * 60000;
    for (;;) {
        if (!readMeasuredChannel()) {
            result = endRequested() ? rrAborted : rrUnableToReadReferenceValue;
            break;
        }
        TElectricalTemperatureValue temperature;
        TElectricalTemperatureValue electrical;
        mChannelController->measuredChannel()->currentValueNumeric(temperature, electrical);
        const QDateTime now = clock.now();
        mStabilitySamples.push_back(TStabilitySample(now, temperature.value()));

        const QDateTime windowStart = now.addMSecs(-windowMs);
        while (mStabilitySamples.size() >= 2 && mStabilitySamples[1].first < windowStart)
            mStabilitySamples.erase(mStabilitySamples.begin());

        const TElectricalTemperatureValue sample(temperature.value(), uCelsius);
        if (mStabilitySamples.front().first < windowStart) {
            mSampleCollectionProgressPercent = 100;
            const double range = stabilityRange();
            // A window without a single number is no stable reference: the
            // hold would only keep the user waiting for a point never taken.
            if (std::isnan(range)) {
                result = rrUnableToReadReferenceValue;
                break;
            }
            if (range > mCalibrationSetup->stabilityKelvin()) {
                setStatus(rsUnstable, pCalPoint);
                notifyObserversReferenceValueUpdated(pCalPoint, sample, range);
            } else {
                if (mStatus != rsStable)
                    mHoldStartMs = clock.monotonicMs();
                const qint64 held = clock.monotonicMs() - mHoldStartMs;
                notifyOberservsHoldTimeProgress(held, pCalPoint);
                if (held >= holdMs) {
                    // An empty window gives no reference value; storing one
                    // that is not a number would pass a failed point as done.
                    if (std::isnan(sample.value())) {
                        result = rrUnableToReadReferenceValue;
                        break;
                    }
                    takeCalibrationPoint(pCalPoint, range);
                    // The DUT readings stop at a Cancel or a terminate: the
                    // point is no result, even the run's last.
                    if (endRequested())
                        result = rrAborted;
                    break;
                }
                notifyObserversReferenceValueUpdated(pCalPoint, sample, range);
            }
        } else {
            const double windowSeconds = mCalibrationSetup->stabilityTimeMinutes() * 60.0;
            const qint64 toOldest = windowStart.secsTo(mStabilitySamples.front().first);
            mSampleCollectionProgressPercent =
                windowSeconds > 0.0 ? static_cast<int>(((windowSeconds - toOldest) * 100.0) / windowSeconds) : 100;
            setStatus(rsCollectingStabilitySamples, pCalPoint, true);
            notifyObserversReferenceValueUpdated(pCalPoint, sample, std::numeric_limits<double>::quiet_NaN());
        }
        if (!clock.wait(READ_INTERVAL_MS, &mAbortRequested, QEventLoop::AllEvents) || mAbortRequested) {
            result = rrAborted;
            break;
        }
    }
    notifyOberservsCalPointComplete(pCalPoint);
    return result;
}

double TCalibrationRoutine::stabilityRange() const
{
    double lowest = std::numeric_limits<double>::quiet_NaN();
    double highest = lowest;
    for (const TStabilitySample& sample : mStabilitySamples) {
        if (std::isnan(sample.second))
            continue;
        if (std::isnan(lowest) || sample.second < lowest)
            lowest = sample.second;
        if (std::isnan(highest) || sample.second > highest)
            highest = sample.second;
    }
    return highest - lowest;
}

void TCalibrationRoutine::takeCalibrationPoint(const TElectricalTemperatureValue& pCalPoint, double pRange)
{
    setStatus(rsReadingDUTChannels, pCalPoint);
    const TElectricalTemperatureValue reference(mStabilitySamples.back().second, uCelsius);
    // An earlier point of equal temperature gives way, DUT values and all.
    mCalibrationPointsResults.erase(pCalPoint);
    TCalibrationPointResults& results =
        mCalibrationPointsResults.emplace(pCalPoint, TCalibrationPointResults(reference, pRange)).first->second;
    for (const TChannelDescription& dut : mCalibrationSetup->deviceUnderTestChannels()) {
        // Each DUT takes seconds and the board may answer late: a Cancel or a
        // terminate must not wait for the rest of the list.
        if (endRequested())
            break;
        TElectricalTemperatureValue temperature(std::numeric_limits<double>::quiet_NaN(), uCelsius);
        TElectricalTemperatureValue electrical(std::numeric_limits<double>::quiet_NaN(), uUndefined);
        TAbstractChannel* channel = dutChannel(dut);
        if (channel && mChannelHold->measureChannel(channel))
            readMeasuredChannel(DUT_IGNORE_FIRST_READINGS, DUT_READ_PAUSE_SECONDS, temperature, electrical);
        // A reading cut short is no value of the DUT, not even one it could not give.
        if (endRequested())
            break;
        results.setDUTChannelValue(dut, TDUTValue(temperature, electrical));
        notifyObserversDUTValueUpdated(pCalPoint, dut, temperature);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    notifyObserversReferenceValueUpdated(pCalPoint, reference, pRange);
}

EnRoutineResult TCalibrationRoutine::setCalibratorTemperature(const TElectricalTemperatureValue& pTemperature)
{
    if (endRequested())
        return rrAborted;
    TElectricalTemperatureValue readBack(0.0, uUndefined);
    mCalibrator->setTemperatureValue(pTemperature, readBack);
    // A terminate ends the connector's wait for the calibrator: what it left
    // unanswered is no refused set point.
    if (endRequested())
        return rrAborted;
    if (std::isnan(readBack.value()))
        return rrInvalidCalibrationPoint;
    if (std::fabs(pTemperature.value() - readBack.value()) > ALLOWED_CALPOINT_DEVIATION)
        return rrInvalidCalibrationPoint;
    return rrSuccess;
}

bool TCalibrationRoutine::endRequested() const
{
    return mAbortRequested || TTerminationSignals::terminationRequested();
}

bool TCalibrationRoutine::readMeasuredChannel()
{
    // Real time: this bounds how long the board may fail to answer.
    QElapsedTimer timer;
    timer.start();
    do {
        // A terminate comes while the board is asked, however late it answers.
        if (endRequested())
            return false;
        if (mChannelController->readMeasuredChannel())
            return true;
    } while (timer.elapsed() < CHANNEL_CHANGE_TIMEOUT_MS);
    return false;
}

bool TCalibrationRoutine::readMeasuredChannel(unsigned int pIgnoreFirstReadings, unsigned int pPauseSeconds,
                                              TElectricalTemperatureValue& oResultTemperature,
                                              TElectricalTemperatureValue& oResultElectrical)
{
    for (unsigned int reading = 0; reading < pIgnoreFirstReadings; ++reading) {
        if (!readMeasuredChannel())
            return false;
        if (!IRoutineClock::current().wait(static_cast<qint64>(pPauseSeconds) * 1000, &mAbortRequested,
                                           QEventLoop::AllEvents))
            return false;
    }
    if (!readMeasuredChannel())
        return false;
    mChannelController->measuredChannel()->currentValueNumeric(oResultTemperature, oResultElectrical);
    return true;
}

TAbstractChannel* TCalibrationRoutine::dutChannel(const TChannelDescription& pChannelDescription) const
{
    return mChannelController->channel(pChannelDescription.internalChannelNumber());
}
