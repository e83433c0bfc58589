// The common course of the three probe groups and the commands they share.
// The board's probe memory is the master copy: a change goes to the board,
// and only what the board then gives back reaches the local probe.

#include "externalcommunicationhandler.h"

#include "channel.h"
#include "channelcontroller.h"
#include "internalscpihandler.h"
#include "probe.h"
#include "probecommandgroup.h"
#include "probecontroller.h"

#include <QDate>
#include <QLocale>

TProbeCommandContext::TProbeCommandContext(TExternalCommunicationHandler& pHandler, const TSCPICommand& pCommand,
                                           TInternalSCPIHandler& pBoard, TProbeController& pProbes,
                                           TChannelController* pChannels, KindTest pIsOfKind)
    : mHandler(pHandler)
    , mCommand(pCommand)
    , mBoard(pBoard)
    , mProbes(pProbes)
    , mChannels(pChannels)
    , mIsOfKind(pIsOfKind)
{
}

bool TProbeCommandContext::integer(unsigned int pIndex, int& oValue)
{
    if (mHandler.getIntParam(parameter(pIndex), oValue, false))
        return true;
    error(TExternalCommunicationHandler::ERROR_005_ILLEGAL_ARGUMENT);
    return false;
}

bool TProbeCommandContext::code(unsigned int pIndex, int pMinimum, int pMaximum, int& oValue, bool pLow16Bits)
{
    if (!integer(pIndex, oValue))
        return false;
    if (pLow16Bits)
        oValue = qint16(quint16(quint32(oValue) & 0xFFFFu));
    if (oValue >= pMinimum && oValue <= pMaximum)
        return true;
    error(TExternalCommunicationHandler::ERROR_005_ILLEGAL_ARGUMENT);
    return false;
}

bool TProbeCommandContext::flag(unsigned int pIndex, bool& oValue)
{
    int value = 0;
    if (!code(pIndex, 0, 1, value))
        return false;
    oValue = value == 1;
    return true;
}

bool TProbeCommandContext::number(unsigned int pIndex, double& oValue)
{
    if (const auto* numeric = dynamic_cast<const TSCPINumericParameter*>(parameter(pIndex).get())) {
        oValue = numeric->val();
        return true;
    }
    error(TExternalCommunicationHandler::ERROR_005_ILLEGAL_ARGUMENT);
    return false;
}

bool TProbeCommandContext::date(unsigned int pIndex, QDate& oDate)
{
    if (mHandler.getDateParams(mCommand, pIndex, oDate))
        return true;
    error(TExternalCommunicationHandler::ERROR_005_ILLEGAL_ARGUMENT);
    return false;
}

EnProbeCommandOutcome TProbeCommandContext::reply(const QString& pReply)
{
    mHandler.returnResponse(pReply);
    return pcoAnswered;
}

EnProbeCommandOutcome TProbeCommandContext::error(int pError)
{
    mHandler.returnError(pError);
    return pcoAnswered;
}

bool TExternalCommunicationHandler::processProbeCommand(const TSCPICommand& pCommand, const TProbeCommandGroup& pGroup)
{
    const QString& header = pCommand.commandName();
    const TProbeCommand* command = nullptr;
    for (const TProbeCommand& candidate : pGroup.mCommands) {
        if (header == candidate.mShortHeader || header == candidate.mLongHeader) {
            command = &candidate;
            break;
        }
    }
    if (!command || (command->mAvailable && !command->mAvailable()))
        return false;

    if (command->mAuthLevel > 0 && !assertAuthLevel(command->mAuthLevel))
        return true;
    if (!assertArgCount(pCommand, command->mArgCount))
        return true;
    // Only a handler built without the probe database or the board gets here
    // without them.
    if (!mProbeController || !mInternalSCPIHandler) {
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        return true;
    }
    TProbeCommandContext context(*this, pCommand, *mInternalSCPIHandler, *mProbeController, mChannelController,
                                 pGroup.mIsOfKind);

    if (command->mShape == TProbeCommand::csProbe) {
        TAbstractProbe* probe = probeByParameter(pCommand.parameters().front());
        if (!probe)
            return true;
        if (command->mEarlyCheck && !command->mEarlyCheck(context))
            return true;
        if (!context.isOfKind(probe) || (command->mRefusesDefaultProbe && probe->isDefaultProbe())) {
            returnError(ERROR_009_PROBE_NOT_EXISTS);
            return true;
        }
        // A running routine's points are measured with the probe as it is.
        if (command->mChangesProbe && heldByRoutine(probe)) {
            returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
            return true;
        }
        context.setProbe(probe);
    }

    switch (command->mAction(context)) {
    case pcoAnswered:
        break;
    case pcoRefused:
        returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        break;
    case pcoChanged:
        sendAck();
        reloadProbe(context.probe());
        if (command->mRefreshesNames)
            mProbeController->updateProbeNameWidgets(context.probe());
        break;
    }
    return true;
}

namespace Probe_commands
{
using Handler = TExternalCommunicationHandler;

QString limitText(double pValue)
{
    return QString::number(pValue, 'g', 6);
}

QString calibrationDateText(const QDate& pDate)
{
    // ASCII digits whatever the system locale writes its digits with.
    return pDate.isValid() ? QLocale::c().toString(pDate, QStringLiteral("yyyy,MM,dd")) : QStringLiteral("0,0,0");
}

EnProbeCommandOutcome list(TProbeCommandContext& pContext)
{
    QStringList entries;
    for (const auto* probes : {&pContext.probes().customProbes(), &pContext.probes().defaultProbes()}) {
        for (const auto& [number, probe] : *probes) {
            if (pContext.isOfKind(probe.get()))
                entries << QString::number(number) + QLatin1Char(':') + probe->probeName();
        }
    }
    if (entries.isEmpty())
        return pContext.error(Handler::ERROR_009_PROBE_NOT_EXISTS);
    return pContext.reply(entries.join(QLatin1Char(',')));
}

EnProbeCommandOutcome assign(TProbeCommandContext& pContext)
{
    int probeNumber = 0;
    int channelNumber = 0;
    // Unreadable numbers count as a probe that is not there, not as a bad argument.
    if (!pContext.handler().getIntParam(pContext.parameter(0), probeNumber, false) ||
        !pContext.handler().getIntParam(pContext.parameter(1), channelNumber, true))
        return pContext.error(Handler::ERROR_009_PROBE_NOT_EXISTS);
    TAbstractProbe* probe = pContext.probes().probeByNumber(probeNumber);
    TPhysicalChannel* channel = pContext.channels() ? pContext.channels()->physical_channel(channelNumber) : nullptr;
    // Without the local warning of an overdue calibration: its modal dialog
    // would hold the reply until someone touches the screen.
    // A running routine's channel keeps its probe, and its probe stays on it.
    if (!probe || !pContext.isOfKind(probe) || !channel || pContext.handler().heldByRoutine(channel) ||
        pContext.handler().heldByRoutine(probe) ||
        !pContext.probes().assignProbeToChannel(probe, channel, true, false, false))
        return pContext.error(Handler::ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
    pContext.handler().refreshChannelView();
    pContext.handler().sendAck();
    return pcoAnswered;
}

bool checkName(TProbeCommandContext& pContext)
{
    QString name;
    if (pContext.handler().getStringParam(pContext.parameter(1), name) && TProbeController::isValidProbeName(name))
        return true;
    pContext.error(Handler::ERROR_005_ILLEGAL_ARGUMENT);
    return false;
}

EnProbeCommandOutcome setName(TProbeCommandContext& pContext)
{
    QString name;
    pContext.handler().getStringParam(pContext.parameter(1), name);
    return pContext.boardResult(pContext.board().setProbeName(*pContext.probe(), name));
}

EnProbeCommandOutcome name(TProbeCommandContext& pContext)
{
    return pContext.reply(pContext.probe()->probeName());
}

EnProbeCommandOutcome setReference(TProbeCommandContext& pContext)
{
    bool reference = false;
    if (!pContext.flag(1, reference))
        return pcoAnswered;
    return pContext.boardResult(pContext.board().setProbeStatusReference(*pContext.probe(), reference));
}

EnProbeCommandOutcome reference(TProbeCommandContext& pContext)
{
    return pContext.reply(pContext.probe()->isReference() ? QStringLiteral("1") : QStringLiteral("0"));
}

EnProbeCommandOutcome channel(TProbeCommandContext& pContext)
{
    return pContext.reply(QString::number(pContext.probe()->channelNumber()));
}

namespace
{
bool limit(TProbeCommandContext& pContext, double& oValue)
{
    if (!pContext.number(1, oValue))
        return false;
    if (TProbeController::isValidTMinMaxValue(oValue))
        return true;
    pContext.error(Handler::ERROR_005_ILLEGAL_ARGUMENT);
    return false;
}
} // namespace

EnProbeCommandOutcome setTmax(TProbeCommandContext& pContext)
{
    double value = 0.0;
    if (!limit(pContext, value))
        return pcoAnswered;
    return pContext.boardResult(pContext.board().setProbeTmax(*pContext.probe(), value));
}

EnProbeCommandOutcome tmax(TProbeCommandContext& pContext)
{
    return pContext.reply(limitText(pContext.probe()->Tmax()));
}

EnProbeCommandOutcome setTmin(TProbeCommandContext& pContext)
{
    double value = 0.0;
    if (!limit(pContext, value))
        return pcoAnswered;
    return pContext.boardResult(pContext.board().setProbeTmin(*pContext.probe(), value));
}

EnProbeCommandOutcome tmin(TProbeCommandContext& pContext)
{
    return pContext.reply(limitText(pContext.probe()->Tmin()));
}

EnProbeCommandOutcome setCalibrationDate(TProbeCommandContext& pContext)
{
    QDate date;
    if (!pContext.date(1, date))
        return pcoAnswered;
    return pContext.boardResult(pContext.board().setProbeCalDate(*pContext.probe(), date));
}

EnProbeCommandOutcome calibrationDate(TProbeCommandContext& pContext)
{
    return pContext.reply(calibrationDateText(pContext.probe()->lastCalDate()));
}
} // namespace Probe_commands
