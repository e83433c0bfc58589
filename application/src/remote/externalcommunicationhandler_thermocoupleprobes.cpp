// The "sens:tc:" group: the thermocouple probes of the probe database and the
// board's millivolt conversion of the measured thermocouple channel.

#include "externalcommunicationhandler.h"

#include "channel.h"
#include "channelcontroller.h"
#include "internalscpihandler.h"
#include "probe.h"
#include "probecommandgroup.h"

#include <cmath>
#include <iterator>

using namespace Probe_enums;

namespace
{
using Handler = TExternalCommunicationHandler;

// Three temperature ranges of six slots each: lower and upper limit, then
// the four polynomial coefficients.
constexpr int COEFFICIENT_SLOTS = 18;
constexpr int SLOTS_PER_RANGE = 6;
constexpr int LIMITS_PER_RANGE = 2;

bool isThermocoupleProbe(const TAbstractProbe* pProbe)
{
    return qobject_cast<const TTCProbe*>(pProbe) != nullptr;
}

TTCProbe& thermocouple(const TProbeCommandContext& pContext)
{
    return static_cast<TTCProbe&>(*pContext.probe());
}

// Types C and D can be read from a stored probe, but the board takes neither.
EnProbeCommandOutcome setType(TProbeCommandContext& pContext)
{
    int type = 0;
    if (!pContext.code(1, ptB, ptT, type, true))
        return pcoAnswered;
    if (type == ptC || type == ptD)
        return pContext.error(Handler::ERROR_005_ILLEGAL_ARGUMENT);
    return pContext.boardResult(pContext.board().setTC_ProbeType(thermocouple(pContext), EnThermocoupleType(type)));
}

EnProbeCommandOutcome type(TProbeCommandContext& pContext)
{
    return pContext.reply(QString::number(thermocouple(pContext).probeType()));
}

// A junction on another channel takes that channel's temperature, which only a
// resistance input measures.
EnProbeCommandOutcome setCompensation(TProbeCommandContext& pContext)
{
    int junction = 0;
    if (!pContext.code(1, rjInternal, rjChannel, junction, true))
        return pcoAnswered;
    TPRTChannel* referenceChannel = nullptr;
    if (junction == rjChannel) {
        int channelNumber = 0;
        if (!pContext.handler().assertArgCount(pContext.command(), 3))
            return pcoAnswered;
        if (pContext.handler().getIntParam(pContext.parameter(2), channelNumber, true) && pContext.channels())
            referenceChannel = qobject_cast<TPRTChannel*>(pContext.channels()->physical_channel(channelNumber));
        if (!referenceChannel)
            return pContext.error(Handler::ERROR_005_ILLEGAL_ARGUMENT);
    }
    return pContext.boardResult(
        pContext.board().setTC_Compensation(thermocouple(pContext), EnReferenceJunction(junction), referenceChannel));
}

EnProbeCommandOutcome compensation(TProbeCommandContext& pContext)
{
    const TTCProbe& probe = thermocouple(pContext);
    QString text = QString::number(probe.referenceColdJunction());
    if (probe.referenceColdJunction() == rjChannel)
        text += QLatin1Char(',') + QString::number(probe.refChannelNumber());
    return pContext.reply(text);
}

EnProbeCommandOutcome setConversion(TProbeCommandContext& pContext)
{
    int conversion = 0;
    if (!pContext.code(1, ctcIEC584, ctcPolynomial, conversion, true))
        return pcoAnswered;
    return pContext.boardResult(pContext.board().setTC_Conversion(thermocouple(pContext), EnConvTC(conversion)));
}

EnProbeCommandOutcome conversion(TProbeCommandContext& pContext)
{
    return pContext.reply(QString::number(thermocouple(pContext).conversion()));
}

bool validIndex(int pIndex)
{
    return pIndex >= 1 && pIndex <= COEFFICIENT_SLOTS;
}

EnProbeCommandOutcome setCoefficient(TProbeCommandContext& pContext)
{
    int index = 0;
    double value = 0.0;
    if (!pContext.integer(1, index) || !pContext.number(2, value))
        return pcoAnswered;
    if (!validIndex(index))
        return pContext.error(Handler::ERROR_010_COEFFICIENT_NOT_AVAILABLE);
    return pContext.boardResult(pContext.board().setTC_Coefficient(thermocouple(pContext), index, value));
}

// An unset slot holds NaN. It is answered like an index without a slot: a
// query left unanswered would keep the client waiting for its time-out, unable
// to tell an empty slot from a lost line.
EnProbeCommandOutcome coefficient(TProbeCommandContext& pContext)
{
    int index = 0;
    if (!pContext.integer(1, index))
        return pcoAnswered;
    if (!validIndex(index))
        return pContext.error(Handler::ERROR_010_COEFFICIENT_NOT_AVAILABLE);
    const TTCProbe& probe = thermocouple(pContext);
    const double values[COEFFICIENT_SLOTS] = {
        probe.poly_coeff_Ta_min(), probe.poly_coeff_Ta_max(), probe.poly_coeff_A0(),     probe.poly_coeff_A1(),
        probe.poly_coeff_A2(),     probe.poly_coeff_A3(),     probe.poly_coeff_Tb_min(), probe.poly_coeff_Tb_max(),
        probe.poly_coeff_B0(),     probe.poly_coeff_B1(),     probe.poly_coeff_B2(),     probe.poly_coeff_B3(),
        probe.poly_coeff_Tc_min(), probe.poly_coeff_Tc_max(), probe.poly_coeff_C0(),     probe.poly_coeff_C1(),
        probe.poly_coeff_C2(),     probe.poly_coeff_C3()};
    const double value = values[index - 1];
    if (std::isnan(value))
        return pContext.error(Handler::ERROR_010_COEFFICIENT_NOT_AVAILABLE);
    const bool limit = (index - 1) % SLOTS_PER_RANGE < LIMITS_PER_RANGE;
    return pContext.reply(limit ? Probe_commands::limitText(value) : QString::number(value, 'e', 5));
}

// No probe is involved: the board switches the conversion of the channel it
// measures, which must be a thermocouple input. The acknowledgement goes out
// whatever the acknowledgement mode says.
EnProbeCommandOutcome setMillivoltConversion(TProbeCommandContext& pContext)
{
    if (!pContext.handler().assertAuthLevel(Handler::AUTH_LEVEL_PRODUCTION))
        return pcoAnswered;
    int enabled = 0;
    if (!pContext.integer(0, enabled))
        return pcoAnswered;
    TAbstractChannel* measured = pContext.channels() ? pContext.channels()->measuredChannel() : nullptr;
    // Millivolts in place of temperatures would be stored as the routine's readings.
    if (pContext.handler().channelHeldByRoutine() || !qobject_cast<TTCChannel*>(measured) ||
        !pContext.board().setTC_ConversionEnabled(enabled != 0))
        return pContext.error(Handler::ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
    return pContext.reply(QStringLiteral("ACK"));
}

const TProbeCommandGroup& thermocoupleGroup()
{
    using namespace Probe_commands;
    using C = TProbeCommand;
    static const TProbeCommandGroup group{
        isThermocoupleProbe,
        {
            C::own("sens:tc:list?", "sense:tcouple:list?", 0, list),
            C::change("sens:tc:iden", "sense:tcouple:identification", 2, setName).namingCommand(checkName),
            C::query("sens:tc:iden?", "sense:tcouple:identification?", 1, name),
            C::change("sens:tc:refe", "sense:tcouple:reference", 2, setReference).defaultAllowed(),
            // The long form has always been written with a semicolon; clients use it so.
            C::query("sens:tc:refe?", "sense:tcouple;reference?", 1, reference),
            C::change("sens:tc:type", "sense:tcouple:type", 2, setType),
            C::query("sens:tc:type?", "sense:tcouple:type?", 1, type),
            C::change("sens:tc:comp", "sense:tcouple:compensation", 2, setCompensation),
            C::query("sens:tc:comp?", "sense:tcouple:compensation?", 1, compensation),
            C::own("sens:tc:assi", "sense:tcouple:assign", 2, assign),
            C::query("sens:tc:assi?", "sense:tcouple:assign?", 1, channel),
            C::change("sens:tc:tmax", "sense:tcouple:tmax", 2, setTmax),
            C::query("sens:tc:tmax?", "sense:tcouple:tmax?", 1, tmax),
            C::change("sens:tc:tmin", "sense:tcouple:tmin", 2, setTmin),
            C::query("sens:tc:tmin?", "sense:tcouple:tmin?", 1, tmin),
            C::change("sens:tc:cal:date", "sense:tcouple:cal:date", 4, setCalibrationDate)
                .authLevel(Handler::AUTH_LEVEL_ZELK_SERVICE),
            C::query("sens:tc:cal:date?", "sense:tcouple:cal:date?", 1, calibrationDate),
            C::change("sens:tc:conv", "sense:tcouple:conversion", 2, setConversion),
            C::query("sens:tc:conv?", "sense:tcouple:conversion?", 1, conversion),
            C::change("sens:tc:coef", "sense:tcouple:coefficient", 3, setCoefficient),
            C::query("sens:tc:coef?", "sense:tcouple:coefficient?", 2, coefficient),
            C::own("sens:tc:mv", "sense:tcouple:mv", 1, setMillivoltConversion),
        }};
    return group;
}
} // namespace

bool TExternalCommunicationHandler::processCommand_SenseThermocouple(const TSCPICommand& pCommand)
{
    return processProbeCommand(pCommand, thermocoupleGroup());
}
