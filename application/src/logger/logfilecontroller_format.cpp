// The log file as it lies on disk: its place and name, its header and its
// data lines. The content view and the remote download read it back.

#include "logfilecontroller.h"

#include "channel.h"
#include "channelcontroller.h"
#include "decimaldisplaycontroller.h"
#include "deviceroot.h"
#include "externalcommunicationhandler.h"
#include "instrumentinfo.h"
#include "probe.h"
#include "probecontroller.h"
#include "refreshdialog.h"
#include "scanmodecontroller.h"
#include "tamarindclock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Electrical_temperature_units;

namespace
{
const QString LINE_END = QStringLiteral("\r\n");

bool isElectrical(EnUnit pUnit)
{
    return pUnit == uOhm || pUnit == uMilliVolt;
}
} // namespace

QString TLogfileController::logfileHeader(const QDateTime& pStartTime)
{
    QString header = TInstrumentInfo::instance()->instrumentName() + LINE_END;
    header += QStringLiteral("Serial number: ") + mInstrumentSerialNumber + LINE_END;

    zelk::vector<TAbstractProbe*> assigned;
    if (mProbeController) {
        for (const auto& probe : mProbeController->customProbes())
            if (probe.second->channelNumber() > 0)
                assigned << probe.second.get();
    }
    appendProbeBlocks(header, assigned, false);

    // The board is asked for the SMART probes now, so that the log names the probes it was taken with.
    TRefreshDialog notice;
    notice.showDialog(tr("Loading SMART probes..."));
    QCoreApplication::processEvents();
    zelk::vector<TAbstractProbe*> smartProbes;
    if (mChannelController) {
        for (TPRTChannel* channel : mChannelController->updateSmartProbeStatus())
            if (channel->smartProbe())
                smartProbes << channel->smartProbe();
    }
    notice.close();
    if (!smartProbes.empty())
        appendProbeBlocks(header, smartProbes, true);

    const TTamarindClock& clock = TTamarindClock::instance();
    header += QStringLiteral("Start time: ") + clock.getDateString(pStartTime) + QLatin1Char(' ') +
              clock.getTimeString(pStartTime, true) + LINE_END + LINE_END;
    const QStringList titles{tr("Date"),    tr("Time"),
                             tr("Channel"), tr("Temperature value"),
                             tr("Unit"),    tr("Raw value"),
                             tr("Unit"),    tr("Temperature difference"),
                             tr("Unit"),    tr("Raw value difference"),
                             tr("Unit")};
    header += titles.join(QLatin1Char(';')) + LINE_END;
    return header;
}

// The probe controller makes the table lines, titles first; a SMART block is its PRT list alone.
void TLogfileController::appendProbeBlocks(QString& oHeader, const zelk::vector<TAbstractProbe*>& pProbes,
                                           bool pSmartBlock) const
{
    QStringList prtProbes;
    QStringList thermocoupleProbes;
    QStringList thermistorProbes;
    if (mProbeController)
        mProbeController->generateProbeCSVLists(pProbes, true, prtProbes, thermocoupleProbes, thermistorProbes);
    const auto block = [&oHeader](const QString& pTitle, const QStringList& pLines) {
        oHeader += pTitle + LINE_END;
        for (const QString& line : pLines)
            oHeader += line + LINE_END;
    };
    if (pSmartBlock) {
        block(tr("SMART probes") + QLatin1Char(':'), prtProbes);
        return;
    }
    block(tr("PRT probes:"), prtProbes);
    block(tr("Thermocouple probes:"), thermocoupleProbes);
    block(tr("Thermistor probes:"), thermistorProbes);
}

QString TLogfileController::logfileLine(TAbstractChannel& pChannel, const QDateTime& pNow) const
{
    const QString separator = QString(TDecimalDisplayController::instance().decimalSeparator());
    QString temperature;
    QString electrical;
    EnUnit temperatureUnit = uUndefined;
    EnUnit electricalUnit = uUndefined;
    EnUnitType mainValueType = utTemperature;
    pChannel.currentValue(temperature, temperatureUnit, electrical, electricalUnit, separator, mainValueType, true);
    // A line written by hand while the board gives the channel no value: its last reading is not the present one;
    // nor is a reading held from before a fault.
    if (!pChannel.hasShownValue())
        temperature = electrical = TAbstractChannel::noValueText();

    // With the ";" after field 7 these leave the four difference fields empty.
    QString tail = QStringLiteral(";;;");
    TPhysicalChannel* reference =
        mScanController && mScanController->isScanModeActive() ? mScanController->referenceChannel() : nullptr;
    if (reference) {
        EnUnit differenceUnit = isElectrical(pChannel.selectedUnit()) ? uCelsius : pChannel.selectedUnit();
        QString difference;
        reference->difference(pChannel, differenceUnit, difference);
        tail = difference + QLatin1Char(';') + TExternalCommunicationHandler::unitToText(differenceUnit) +
               QLatin1Char(';');
        EnUnit rawUnit = pChannel.electricalUnit();
        QString rawDifference;
        reference->difference(pChannel, rawUnit, rawDifference);
        // The reference measures in another electrical unit: no raw difference.
        if (isElectrical(rawUnit))
            tail += rawDifference + QLatin1Char(';') + TExternalCommunicationHandler::unitToText(rawUnit);
        else
            tail += QLatin1Char(';');
    }

    const TTamarindClock& clock = TTamarindClock::instance();
    const QStringList fields{clock.getDateString(pNow),
                             clock.getTimeString(pNow, true),
                             QStringLiteral("Channel ") + pChannel.channelCaption(),
                             temperature,
                             TExternalCommunicationHandler::unitToText(temperatureUnit),
                             electrical,
                             TExternalCommunicationHandler::unitToText(electricalUnit)};
    return fields.join(QLatin1Char(';')) + QLatin1Char(';') + tail + LINE_END;
}

QStringList TLogfileController::getLogfileList() const
{
    return newestLogfiles(-1);
}

QStringList TLogfileController::newestLogfiles(int pMaximum) const
{
    QDir directory(mLogfileDir);
    if (!directory.exists())
        directory.mkpath(QStringLiteral("."));
    QStringList names;
    for (const QFileInfo& file :
         TNewestFiles::list(mLogfileDir, {QStringLiteral("*_*")}, QDir::Files | QDir::NoDotAndDotDot, pMaximum))
        names << file.fileName();
    return names;
}

QString TLogfileController::logfilePath(const QString& pLogfileName) const
{
    // A name is looked up in the log directory only: a path from a remote
    // client must reach no other file of the instrument.
    if (!TDeviceRoot::isPlainFileName(pLogfileName))
        return QString();
    const QString path = mLogfileDir + QLatin1Char('/') + pLogfileName;
    return QFileInfo(path).isFile() ? path : QString();
}
