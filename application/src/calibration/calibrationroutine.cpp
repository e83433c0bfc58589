#include "calibrationroutine.h"

#include "blockcalibratorfactory.h"
#include "calibrationroutineobserver.h"
#include "calibrationsetup.h"
#include "calibrationxml.h"
#include "channel.h"
#include "channelcontroller.h"
#include "decimaldisplaycontroller.h"
#include "probe.h"
#include "tamarindclock.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>
#include <QElapsedTimer>
#include <QtEndian>

#include <limits>

using namespace Calibrationroutine;
using namespace CalibrationXML;

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

void TCalibrationRoutine::notifyOberservsHoldTimeProgress(const QElapsedTimer& pTimer,
                                                          const TElectricalTemperatureValue& pCalPoint)
{
    // In floating point: hold minutes in milliseconds overflow 32 bits past
    // about 71582 minutes. A hold time of 0 counts as done.
    const double holdSeconds = mCalibrationSetup ? mCalibrationSetup->holdTimeMinutes() * 60.0 : 0.0;
    const double percent = holdSeconds > 0.0 ? static_cast<double>(pTimer.elapsed()) / 10.0 / holdSeconds : 100.0;
    mHoldTimeProgressPercent = static_cast<int>(qMin(percent, static_cast<double>(std::numeric_limits<int>::max())));
    setStatus(rsStable, pCalPoint, true);
}
