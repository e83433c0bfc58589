// The "sens:ther:" group: the thermistor probes of the probe database and the
// range and current the board measures them with.

#include "externalcommunicationhandler.h"

#include "internalscpihandler.h"
#include "probe.h"
#include "probecommandgroup.h"

using namespace Probe_enums;

namespace
{
using Handler = TExternalCommunicationHandler;

bool isThermistorProbe(const TAbstractProbe* pProbe)
{
    return qobject_cast<const TThermistorProbe*>(pProbe) != nullptr;
}

TThermistorProbe& thermistor(const TProbeCommandContext& pContext)
{
    return static_cast<TThermistorProbe&>(*pContext.probe());
}

// The board's codes come back as they are, -1 when it failed: a number, never
// an error, so a client reads the failure where it reads the code.
EnProbeCommandOutcome range(TProbeCommandContext& pContext)
{
    return pContext.reply(
        QString::number(pContext.board().getThermProbeRange(pContext.probe()->internalProbeNumber())));
}

EnProbeCommandOutcome current(TProbeCommandContext& pContext)
{
    return pContext.reply(
        QString::number(pContext.board().getThermProbeCurrent(pContext.probe()->internalProbeNumber())));
}

EnProbeCommandOutcome setConversion(TProbeCommandContext& pContext)
{
    int conversion = 0;
    if (!pContext.code(1, cthNone, cthPolynomial, conversion, true))
        return pcoAnswered;
    return pContext.boardResult(
        pContext.board().setTherm_Conversion(thermistor(pContext), EnConvThermistor(conversion)));
}

EnProbeCommandOutcome conversion(TProbeCommandContext& pContext)
{
    return pContext.reply(QString::number(thermistor(pContext).conversion()));
}

// The coefficient an index names under the conversion the local probe holds;
// false for an index that conversion has no coefficient for.
bool coefficient(const TThermistorProbe& pProbe, int pIndex, double& oValue)
{
    if (pProbe.conversion() == cthSteinhartHart) {
        const double values[] = {pProbe.SH_coeff_a(), pProbe.SH_coeff_b(), pProbe.SH_coeff_c()};
        if (pIndex < 1 || pIndex > int(std::size(values)))
            return false;
        oValue = values[pIndex - 1];
        return true;
    }
    if (pProbe.conversion() == cthPolynomial) {
        const double values[] = {pProbe.Poly_coeff_c0(), pProbe.Poly_coeff_c1(), pProbe.Poly_coeff_c2(),
                                 pProbe.Poly_coeff_c3()};
        if (pIndex < 1 || pIndex > int(std::size(values)))
            return false;
        oValue = values[pIndex - 1];
        return true;
    }
    return false;
}

EnProbeCommandOutcome setCoefficient(TProbeCommandContext& pContext)
{
    int index = 0;
    double value = 0.0;
    double current = 0.0;
    if (!pContext.integer(1, index) || !pContext.number(2, value))
        return pcoAnswered;
    if (!coefficient(thermistor(pContext), index, current))
        return pContext.error(Handler::ERROR_010_COEFFICIENT_NOT_AVAILABLE);
    return pContext.boardResult(pContext.board().setTherm_Coefficient(thermistor(pContext), index, value));
}

EnProbeCommandOutcome coefficientQuery(TProbeCommandContext& pContext)
{
    int index = 0;
    double value = 0.0;
    if (!pContext.integer(1, index))
        return pcoAnswered;
    if (!coefficient(thermistor(pContext), index, value))
        return pContext.error(Handler::ERROR_010_COEFFICIENT_NOT_AVAILABLE);
    return pContext.reply(QString::number(value, 'e', 5));
}

const TProbeCommandGroup& thermistorGroup()
{
    using namespace Probe_commands;
    using C = TProbeCommand;
    static const TProbeCommandGroup group{
        isThermistorProbe,
        {
            C::own("sens:ther:list?", "sense:thermistor:list?", 0, list),
            C::change("sens:ther:iden", "sense:thermistor:identification", 2, setName).namingCommand(checkName),
            C::query("sens:ther:iden?", "sense:thermistor:identification?", 1, name),
            C::change("sens:ther:refe", "sense:thermistor:reference", 2, setReference).defaultAllowed(),
            C::query("sens:ther:refe?", "sense:thermistor:reference?", 1, reference),
            C::query("sens:ther:rang?", "sense:thermistor:range?", 1, range),
            C::query("sens:ther:curr?", "sense:thermistor:current?", 1, current),
            C::own("sens:ther:assi", "sense:thermistor:assign", 2, assign),
            C::query("sens:ther:assi?", "sense:thermistor:assign?", 1, channel),
            C::change("sens:ther:tmax", "sense:thermistor:tmax", 2, setTmax),
            C::query("sens:ther:tmax?", "sense:thermistor:tmax?", 1, tmax),
            C::change("sens:ther:tmin", "sense:thermistor:tmin", 2, setTmin),
            C::query("sens:ther:tmin?", "sense:thermistor:tmin?", 1, tmin),
            C::change("sens:ther:cal:date", "sense:thermistor:cal:date", 4, setCalibrationDate)
                .authLevel(Handler::AUTH_LEVEL_ZELK_SERVICE),
            C::query("sens:ther:cal:date?", "sense:thermistor:cal:date?", 1, calibrationDate),
            C::change("sens:ther:conv", "sense:thermistor:conversion", 2, setConversion),
            C::query("sens:ther:conv?", "sense:thermistor:conversion?", 1, conversion),
            C::change("sens:ther:coef", "sense:thermistor:coefficient", 3, setCoefficient),
            C::query("sens:ther:coef?", "sense:thermistor:coefficient?", 2, coefficientQuery),
        }};
    return group;
}
} // namespace

bool TExternalCommunicationHandler::processCommand_SenseThermistor(const TSCPICommand& pCommand)
{
    return processProbeCommand(pCommand, thermistorGroup());
}
