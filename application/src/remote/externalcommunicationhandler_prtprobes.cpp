// The "prob:" group: the resistance-thermometer probes of the probe database.

#include "externalcommunicationhandler.h"

#include "channel.h"
#include "channelcontroller.h"
#include "instrumentinfo.h"
#include "internalscpihandler.h"
#include "probe.h"
#include "probecommandgroup.h"
#include "probecontroller.h"

using namespace Probe_enums;

namespace
{
using Handler = TExternalCommunicationHandler;

bool isPRTProbe(const TAbstractProbe* pProbe)
{
    return qobject_cast<const TPRTProbe*>(pProbe) != nullptr;
}

TPRTProbe& prtProbe(const TProbeCommandContext& pContext)
{
    return static_cast<TPRTProbe&>(*pContext.probe());
}

// Only the third board variant lets a probe choose its operating current. The
// type comes from the identity, which stands for the first variant while the
// board has not answered, so a silent board cannot leave a client waiting.
bool operatingCurrentAvailable()
{
    return TInstrumentInfo::instance()->instrumentType() == ZTM9900;
}

EnProbeCommandOutcome setConversion(TProbeCommandContext& pContext)
{
    int conversion = 0;
    if (!pContext.code(1, cprtEN60751, cprtDataPairs, conversion))
        return pcoAnswered;
    return pContext.boardResult(pContext.board().setPRT_Conversion(prtProbe(pContext), EnConvPRT(conversion)));
}

EnProbeCommandOutcome conversion(TProbeCommandContext& pContext)
{
    return pContext.reply(QString::number(prtProbe(pContext).conversion()));
}

// The coefficient an index names under the probe's conversion, as the local
// probe holds it; false for an index the conversion has no coefficient for.
bool coefficient(const TPRTProbe& pProbe, int pIndex, QString* oText)
{
    double value = 0.0;
    switch (pProbe.conversion()) {
    case cprtCVD: {
        const double values[] = {pProbe.CvD_coeff_R0(), pProbe.CvD_coeff_A(), pProbe.CvD_coeff_B(),
                                 pProbe.CvD_coeff_C()};
        if (pIndex < 1 || pIndex > int(std::size(values)))
            return false;
        value = values[pIndex - 1];
        break;
    }
    case cprtITS90: {
        const double values[] = {pProbe.ITS90_coeff_R001(), pProbe.ITS90_coeff_A(),  pProbe.ITS90_coeff_B(),
                                 pProbe.ITS90_coeff_Ap(),   pProbe.ITS90_coeff_Bp(), pProbe.ITS90_coeff_Cp(),
                                 pProbe.ITS90_coeff_Dp()};
        if (pIndex < 1 || pIndex > int(std::size(values)))
            return false;
        value = values[pIndex - 1];
        break;
    }
    default:
        return false;
    }
    // The first is a resistance, the others are small factors.
    if (oText)
        *oText = pIndex == 1 ? Probe_commands::limitText(value) : QString::number(value, 'e', 5);
    return true;
}

EnProbeCommandOutcome setCoefficient(TProbeCommandContext& pContext)
{
    int index = 0;
    double value = 0.0;
    if (!pContext.integer(1, index) || !pContext.number(2, value))
        return pcoAnswered;
    if (!coefficient(prtProbe(pContext), index, nullptr))
        return pContext.error(Handler::ERROR_010_COEFFICIENT_NOT_AVAILABLE);
    return pContext.boardResult(pContext.board().setPRT_Coefficient(prtProbe(pContext), index, value));
}

EnProbeCommandOutcome coefficientQuery(TProbeCommandContext& pContext)
{
    int index = 0;
    if (!pContext.integer(1, index))
        return pcoAnswered;
    QString text;
    if (!coefficient(prtProbe(pContext), index, &text))
        return pContext.error(Handler::ERROR_010_COEFFICIENT_NOT_AVAILABLE);
    return pContext.reply(text);
}

// Automatic is not the client's to choose: the board picks by the probe's type.
EnProbeCommandOutcome setReferenceResistor(TProbeCommandContext& pContext)
{
    int resistor = 0;
    if (!pContext.code(1, rprt25, rprt100, resistor))
        return pcoAnswered;
    return pContext.boardResult(pContext.board().setPRT_ReferenceResistor(prtProbe(pContext), EnIntResPRT(resistor)));
}

EnProbeCommandOutcome referenceResistor(TProbeCommandContext& pContext)
{
    const TPRTProbe& probe = prtProbe(pContext);
    EnIntResPRT resistor = probe.internalResistor();
    if (resistor == rprtAuto)
        resistor = TPRTProbe::internalResistorPerType(probe.PRTType());
    return pContext.reply(QString::number(resistor));
}

// The root-2 factor is not part of the probe record, so the read-back cannot
// bring it; the probe controller sets it on the local probe once the board
// took it, or the probe pages would show, and store again, the old factor.
EnProbeCommandOutcome setCurrentFactor(TProbeCommandContext& pContext)
{
    int current = 0;
    if (!pContext.code(1, 1, 2, current))
        return pcoAnswered;
    return pContext.boardResult(pContext.probes().setCurrentRoot2(&prtProbe(pContext), current == 2));
}

EnProbeCommandOutcome current(TProbeCommandContext& pContext)
{
    return pContext.reply(
        QString::number(pContext.board().getPRTProbeCurrent(pContext.probe()->internalProbeNumber())));
}

EnProbeCommandOutcome setOperatingCurrent(TProbeCommandContext& pContext)
{
    int setting = 0;
    if (!pContext.code(1, ZeroPointFiveMilliAmps, TwoMilliAmps, setting))
        return pcoAnswered;
    return pContext.boardResult(
        pContext.board().setPRT_ExcitationCurrent(prtProbe(pContext), EnPRTOperatingCurrentSetting(setting)));
}

EnProbeCommandOutcome operatingCurrent(TProbeCommandContext& pContext)
{
    const TPRTProbe& probe = prtProbe(pContext);
    EnPRTOperatingCurrentSetting setting = probe.operationCurrentSetting();
    if (setting == Automatic)
        setting = TPRTProbe::operatingCurrentPerType(probe.PRTType());
    return pContext.reply(QString::number(setting));
}

// A wiring the probe's channel cannot measure would leave the channel without
// a reading, so it is refused before the board hears of it.
EnProbeCommandOutcome setWiring(TProbeCommandContext& pContext)
{
    int wiring = 0;
    if (!pContext.code(1, w3wire, w4wire, wiring))
        return pcoAnswered;
    const TPRTProbe& probe = prtProbe(pContext);
    TPhysicalChannel* channel = probe.channelNumber() > 0 && pContext.channels()
                                    ? pContext.channels()->physical_channel(probe.channelNumber())
                                    : nullptr;
    if (channel) {
        TPRTProbe rewired;
        rewired.copyContent(probe);
        rewired.setWiring(EnWiring(wiring));
        if (!rewired.isValidChannel(channel))
            return pContext.error(Handler::ERROR_005_ILLEGAL_ARGUMENT);
    }
    return pContext.boardResult(pContext.board().setPRT_Wiring(probe, EnWiring(wiring)));
}

EnProbeCommandOutcome wiring(TProbeCommandContext& pContext)
{
    return pContext.reply(QString::number(prtProbe(pContext).wiring()));
}

EnProbeCommandOutcome setType(TProbeCommandContext& pContext)
{
    int type = 0;
    if (!pContext.code(1, prttPT25, prttPT100, type))
        return pcoAnswered;
    return pContext.boardResult(pContext.board().setPRT_ProbeType(prtProbe(pContext), EnPRTType(type)));
}

EnProbeCommandOutcome type(TProbeCommandContext& pContext)
{
    return pContext.reply(QString::number(prtProbe(pContext).PRTType()));
}

const TProbeCommandGroup& prtGroup()
{
    using namespace Probe_commands;
    using C = TProbeCommand;
    static const TProbeCommandGroup group{
        isPRTProbe,
        {
            C::own("prob:list?", "probe:list?", 0, list),
            C::own("prob:assi", "probe:assign", 2, assign),
            C::query("prob:assi?", "probe:assign?", 1, channel),
            C::change("prob:iden", "probe:identifier", 2, setName).namingCommand(checkName),
            C::query("prob:iden?", "probe:identifier?", 1, name),
            C::change("prob:tmax", "probe:tmax", 2, setTmax),
            C::query("prob:tmax?", "probe:tmax?", 1, tmax),
            C::change("prob:tmin", "probe:tmin", 2, setTmin),
            C::query("prob:tmin?", "probe:tmin?", 1, tmin),
            C::change("prob:conv", "probe:conversion", 2, setConversion),
            C::query("prob:conv?", "probe:conversion?", 1, conversion),
            C::change("prob:coef", "probe:coefficient", 3, setCoefficient),
            C::query("prob:coef?", "probe:coefficient?", 2, coefficientQuery),
            C::change("prob:refe", "probe:reference", 2, setReferenceResistor),
            C::query("prob:refe?", "probe:reference?", 1, referenceResistor),
            C::change("prob:curr", "probe:current", 2, setCurrentFactor).defaultAllowed(),
            C::query("prob:curr?", "probe:current?", 1, current),
            C::change("prob:conf:curr", "probe:configure:current", 2, setOperatingCurrent)
                .defaultAllowed()
                .availableIf(operatingCurrentAvailable),
            C::query("prob:conf:curr?", "probe:configure:current?", 1, operatingCurrent)
                .availableIf(operatingCurrentAvailable),
            C::change("prob:cal:date", "probe:cal:date", 4, setCalibrationDate)
                .authLevel(Handler::AUTH_LEVEL_ZELK_SERVICE),
            C::query("prob:cal:date?", "probe:cal:date?", 1, calibrationDate),
            C::change("prob:term", "probe:terminal", 2, setWiring),
            C::query("prob:term?", "probe:terminal?", 1, wiring),
            C::change("prob:stat:refe", "probe:status:reference", 2, setReference).defaultAllowed(),
            C::query("prob:stat:refe?", "probe:status:reference?", 1, reference),
            C::change("prob:type", "probe:type", 2, setType),
            C::query("prob:type?", "probe:type?", 1, type),
        }};
    return group;
}
} // namespace

bool TExternalCommunicationHandler::processCommand_Probe(const TSCPICommand& pCommand)
{
    return processProbeCommand(pCommand, prtGroup());
}
