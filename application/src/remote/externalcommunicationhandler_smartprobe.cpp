// The SMART probe group: reads and writes the memory of the SMART probe on
// the channel the board measures. The board keeps the probe's data; the probe
// objects of the program are not touched here.

#include "externalcommunicationhandler.h"

#include "channelcontroller.h"
#include "internalscpihandler.h"

#include <QStringList>

namespace
{
// The probe memory's text fields, counted in bytes of their 8-bit form.
constexpr int MAX_CAL_SOURCE_BYTES = 17;
constexpr int MAX_NAME_BYTES = 19;
constexpr int FIRST_COEFFICIENT = 1;
constexpr int LAST_COEFFICIENT = 7;
// What a board operation gives when there is no board to ask.
constexpr int NO_BOARD_ANSWER = -1;

QString flagText(bool pFlag)
{
    return pFlag ? QStringLiteral("1") : QStringLiteral("0");
}

QString smartProbeNumber(double pValue)
{
    return QString::number(pValue, 'g', 6);
}

QString smartProbeDate(const QDate& pDate)
{
    return pDate.isValid() ? pDate.toString(QStringLiteral("yyyy,MM,dd")) : QStringLiteral("0000,00,00");
}
} // namespace

QDateTime TExternalCommunicationHandler::lastChannelChange() const
{
    return mChannelController ? mChannelController->lastChannelChange() : QDateTime();
}

bool TExternalCommunicationHandler::smartProbeResult(int pResult)
{
    if (pResult == TInternalSCPIHandler::ERROR_CODE_COMMAND_SUCCESSFUL)
        return true;
    returnError(pResult);
    return false;
}

bool TExternalCommunicationHandler::processCommand_SenseFrtd(const TSCPICommand& pCommand)
{
    using namespace Probe_enums;
    using TBoardCall = std::function<int(TInternalSCPIHandler&, const QDateTime&)>;
    const auto& parameters = pCommand.parameters();
    auto checked = [&](unsigned int pCount, int pLevel) {
        return assertArgCount(pCommand, pCount) && (pLevel == 0 || assertAuthLevel(pLevel));
    };
    auto illegal = [this] { returnError(ERROR_005_ILLEGAL_ARGUMENT); };
    // The board waits out the settling after a channel change itself.
    auto call = [this](const TBoardCall& pCall) {
        return mInternalSCPIHandler ? pCall(*mInternalSCPIHandler, lastChannelChange()) : NO_BOARD_ANSWER;
    };
    // A write goes to the probe on whatever channel the board measures: while
    // a routine runs, that is the routine's channel, not one the client chose,
    // and the probe's data would change under the routine's readings.
    auto write = [&](const TBoardCall& pCall) {
        if (channelHeldByRoutine())
            returnError(ERROR_014_CHANNEL_OR_PROBE_NOT_AVAILABLE);
        else if (smartProbeResult(call(pCall)))
            sendAck();
    };
    auto query = [&](const std::function<int(TInternalSCPIHandler&, const QDateTime&, QString&)>& pCall) {
        QString reply;
        if (smartProbeResult(call([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged) {
                return pCall(pBoard, pChanged, reply);
            })))
            returnResponse(reply);
    };
    // A text goes to the probe in its 8-bit form, whose length the memory limits.
    auto text = [&](int pMaxBytes, QString& oText) {
        QString given;
        if (!getStringParam(parameters.at(0), given) || given.toLatin1().size() > pMaxBytes)
            return false;
        oText = QString::fromLatin1(given.toLatin1());
        return true;
    };
    auto flag = [&](bool& oFlag) {
        int value = -1;
        if (!getIntParam(parameters.at(0), value, true) || (value != 0 && value != 1))
            return false;
        oFlag = value == 1;
        return true;
    };
    // Whatever kind the index is written as, its text must be a whole number.
    auto coefficientIndex = [&](int& oIndex) {
        bool ok = false;
        oIndex = parameters.at(0)->toString().toLower().toInt(&ok, 10);
        return ok && oIndex >= FIRST_COEFFICIENT && oIndex <= LAST_COEFFICIENT;
    };

    if (isCommand(pCommand, "sens:frtd:cal:date", "sense:frtd:cal:date") ||
        isCommand(pCommand, "sens:frtd:cal:next", "sense:frtd:cal:next")) {
        const bool next = pCommand.commandName().endsWith(QLatin1String("next"));
        QDate date;
        if (!checked(3, AUTH_LEVEL_ZELK_SERVICE))
            return true;
        if (!getDateParams(pCommand, 0, date))
            illegal();
        else
            write([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged) {
                return next ? pBoard.setSmartProbe_CalNext(date, pChanged)
                            : pBoard.setSmartProbe_CalDate(date, pChanged);
            });
    } else if (isCommand(pCommand, "sens:frtd:cal:date?", "sense:frtd:cal:date?") ||
               isCommand(pCommand, "sens:frtd:cal:next?", "sense:frtd:cal:next?")) {
        const bool next = pCommand.commandName().endsWith(QLatin1String("next?"));
        query([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged, QString& oReply) {
            QDate date;
            const int result =
                next ? pBoard.smartProbe_CalNext(date, pChanged) : pBoard.smartProbe_CalDate(date, pChanged);
            oReply = smartProbeDate(date);
            return result;
        });
    } else if (isCommand(pCommand, "sens:frtd:cal:sour", "sense:frtd:cal:source")) {
        QString source;
        if (!checked(1, AUTH_LEVEL_ZELK_SERVICE))
            return true;
        if (!text(MAX_CAL_SOURCE_BYTES, source))
            illegal();
        else
            write([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged) {
                return pBoard.setSmartProbe_CalSource(source, pChanged);
            });
    } else if (isCommand(pCommand, "sens:frtd:cal:sour?", "sense:frtd:cal:source?")) {
        query([](TInternalSCPIHandler& pBoard, const QDateTime& pChanged, QString& oReply) {
            return pBoard.smartProbe_CalSource(oReply, pChanged);
        });
    } else if (isCommand(pCommand, "sens:frtd:stan", "sense:frtd:standard")) {
        int standard = 0;
        if (!checked(1, AUTH_LEVEL_ZELK_SERVICE))
            return true;
        // Only these two can be written; the others are read from probes made elsewhere.
        if (!getIntParam(parameters.at(0), standard, false) || (standard != spstCvD && standard != spstITS90))
            illegal();
        else
            write([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged) {
                return pBoard.setSmartProbe_Standard(EnSmartProbeStandard(standard), pChanged);
            });
    } else if (isCommand(pCommand, "sens:frtd:stan?", "sense:frtd:standard?")) {
        query([](TInternalSCPIHandler& pBoard, const QDateTime& pChanged, QString& oReply) {
            EnSmartProbeStandard standard = spstUndefined;
            const int result = pBoard.smartProbe_Standard(standard, pChanged);
            oReply = QString::number(int(standard));
            return result;
        });
    } else if (isCommand(pCommand, "sens:frtd:refe", "sense:frtd:reference")) {
        int reference = 0;
        if (!checked(1, AUTH_LEVEL_ZELK_SERVICE))
            return true;
        if (!getIntParam(parameters.at(0), reference, false) || (reference != spr25Ohm && reference != spr100Ohm))
            illegal();
        else
            write([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged) {
                return pBoard.setSmartProbe_ReferenceResistor(EnSmartProbeReference(reference), pChanged);
            });
    } else if (isCommand(pCommand, "sens:frtd:refe?", "sense:frtd:reference?")) {
        query([](TInternalSCPIHandler& pBoard, const QDateTime& pChanged, QString& oReply) {
            EnSmartProbeReference reference = sprUndefined;
            const int result = pBoard.smartProbe_ReferenceResistor(reference, pChanged);
            oReply = QString::number(int(reference));
            return result;
        });
    } else if (isCommand(pCommand, "sens:frtd:coef", "sense:frtd:coefficient")) {
        int index = 0;
        if (!checked(2, AUTH_LEVEL_ZELK_SERVICE))
            return true;
        const auto* value = dynamic_cast<const TSCPINumericParameter*>(parameters.at(1).get());
        if (!value || !coefficientIndex(index))
            illegal();
        else
            write([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged) {
                return pBoard.setSmartProbe_Coefficient(index, value->val(), pChanged);
            });
    } else if (isCommand(pCommand, "sens:frtd:coef?", "sense:frtd:coefficient?")) {
        int index = 0;
        if (!checked(1, 0))
            return true;
        if (!coefficientIndex(index))
            illegal();
        else
            query([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged, QString& oReply) {
                double coefficient = 0.0;
                const int result = pBoard.smartProbe_Coefficient(index, coefficient, pChanged);
                oReply = smartProbeNumber(coefficient);
                return result;
            });
    } else if (isCommand(pCommand, "sens:frtd:iden", "sense:frtd:identification")) {
        QString name;
        if (!checked(1, 0))
            return true;
        if (!text(MAX_NAME_BYTES, name))
            illegal();
        else
            write([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged) {
                return pBoard.setSmartProbe_Name(name, pChanged);
            });
    } else if (isCommand(pCommand, "sens:frtd:iden?", "sense:frtd:identification?")) {
        query([](TInternalSCPIHandler& pBoard, const QDateTime& pChanged, QString& oReply) {
            return pBoard.smartProbe_Name(oReply, pChanged);
        });
    } else if (isCommand(pCommand, "sens:frtd:rang", "sense:frtd:range")) {
        if (!checked(2, 0))
            return true;
        const auto* maximum = dynamic_cast<const TSCPINumericParameter*>(parameters.at(0).get());
        const auto* minimum = dynamic_cast<const TSCPINumericParameter*>(parameters.at(1).get());
        if (!maximum || !minimum)
            illegal();
        else
            write([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged) {
                return pBoard.setSmartProbe_Range(maximum->val(), minimum->val(), pChanged);
            });
    } else if (isCommand(pCommand, "sens:frtd:rang?", "sense:frtd:range?")) {
        query([](TInternalSCPIHandler& pBoard, const QDateTime& pChanged, QString& oReply) {
            double values[6] = {};
            const int result =
                pBoard.smartProbe_Range(values[0], values[1], values[2], values[3], values[4], values[5], pChanged);
            QStringList texts;
            for (const double value : values)
                texts << smartProbeNumber(value);
            oReply = texts.join(QLatin1Char(','));
            return result;
        });
    } else if (isCommand(pCommand, "sens:frtd:lock", "sense:frtd:lock") ||
               isCommand(pCommand, "sens:frtd:enab", "sense:frtd:enable") ||
               isCommand(pCommand, "sens:frtd:stat:refe", "sense:frtd:status:reference")) {
        const QString& name = pCommand.commandName();
        bool value = false;
        if (!checked(1, 0))
            return true;
        if (!flag(value))
            illegal();
        else
            write([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged) {
                if (name.endsWith(QLatin1String("lock")))
                    return pBoard.setSmartProbe_Lock(value, pChanged);
                if (name.contains(QLatin1String("enab")))
                    return pBoard.setSmartProbe_Enable(value, pChanged);
                return pBoard.setSmartProbe_StatusReference(value, pChanged);
            });
    } else if (isCommand(pCommand, "sens:frtd:lock?", "sense:frtd:lock?") ||
               isCommand(pCommand, "sens:frtd:enab?", "sense:frtd:enable?") ||
               isCommand(pCommand, "sens:frtd:stat:refe?", "sense:frtd:status:reference?")) {
        const QString& name = pCommand.commandName();
        query([&](TInternalSCPIHandler& pBoard, const QDateTime& pChanged, QString& oReply) {
            bool value = false;
            int result = 0;
            if (name.endsWith(QLatin1String("lock?")))
                result = pBoard.smartProbe_Locked(value, pChanged);
            else if (name.contains(QLatin1String("enab")))
                result = pBoard.smartProbe_Enabled(value, pChanged);
            else
                result = pBoard.smartProbe_StatusReference(value, pChanged);
            oReply = flagText(value);
            return result;
        });
    } else {
        return false;
    }
    return true;
}
