// The logger group: logging mode and interval, start and stop, a manual line,
// and the log files listed, read out and erased. Mode and interval are not
// stored: the device keeps what its user last stored.

#include "externalcommunicationhandler.h"

#include "channelcontroller.h"
#include "externalcommunicationinterface.h"
#include "logfilecontroller.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cmath>

namespace
{
// The interval in whole milliseconds, or -1 for one the logger does not take:
// 0.5 s to 3600 s in steps of half a second.
int intervalMilliseconds(const TSCPIParameter* pParameter)
{
    const auto* number = dynamic_cast<const TSCPINumericParameter*>(pParameter);
    if (!number)
        return -1;
    const double seconds = number->val();
    if (!(seconds >= TLogfileController::MIN_INTERVAL_SECONDS && seconds <= TLogfileController::MAX_INTERVAL_SECONDS))
        return -1;
    const int milliseconds = int(std::trunc(seconds * 1000.0));
    return milliseconds % 500 == 0 ? milliseconds : -1;
}
// The lines of a log file, line ends removed, joined by the record separator,
// as text passes through in pieces: a line end ("\n" or "\r\n") may fall
// between two pieces, and the one that ends the file adds no separator. A
// log of some days runs to tens of megabytes on the device's one core: each
// character is copied once, into a piece made at its full size beforehand.
class TLogfileLineJoiner
{
public:
    QString join(const QString& pText)
    {
        // Each character gives at most one; on top come what the piece
        // before held back: its separators and a carriage return.
        QString joined(pText.size() + mLineEnds + 1, Qt::Uninitialized);
        QChar* out = joined.data();
        const QChar* in = pText.constData();
        const QChar* const end = in + pText.size();
        while (in != end) {
            // The characters of a line go as they stand while nothing is
            // held back; only control characters up to the carriage return's
            // code need a closer look.
            if (mLineEnds == 0 && !mCarriageReturnHeld) {
                while (in != end && in->unicode() > '\r')
                    *out++ = *in++;
                if (in == end)
                    break;
            }
            const QChar character = *in++;
            if (character == QLatin1Char('\n')) {
                mCarriageReturnHeld = false;
                ++mLineEnds;
                continue;
            }
            if (mCarriageReturnHeld) {
                mCarriageReturnHeld = false;
                out = append(out, QLatin1Char('\r'));
            }
            if (character == QLatin1Char('\r'))
                mCarriageReturnHeld = true;
            else
                out = append(out, character);
        }
        joined.truncate(int(out - joined.constData()));
        return joined;
    }

    // What is still due at the end of the file. A carriage return there ends
    // a line of its own.
    QString finish()
    {
        const int separators = mCarriageReturnHeld ? mLineEnds : qMax(mLineEnds - 1, 0);
        mLineEnds = 0;
        mCarriageReturnHeld = false;
        return QString(separators, QChar(TExternalCommunicationHandler::RS));
    }

private:
    // The separators of the line ends before the character, then the character.
    QChar* append(QChar* pOut, QChar pCharacter)
    {
        for (; mLineEnds > 0; --mLineEnds)
            *pOut++ = QChar(TExternalCommunicationHandler::RS);
        *pOut++ = pCharacter;
        return pOut;
    }

    int mLineEnds = 0;
    bool mCarriageReturnHeld = false;
};
} // namespace

bool TExternalCommunicationHandler::processCommand_Logger(const TSCPICommand& pCommand)
{
    if (!mLogfileController)
        return false;
    TLogfileController& logger = *mLogfileController;
    const auto& parameters = pCommand.parameters();

    if (isCommand(pCommand, "logg:mode", "logger:mode")) {
        if (!assertArgCount(pCommand, 1))
            return true;
        const auto* mode = dynamic_cast<const TSCPIIntegerParameter*>(parameters[0].get());
        if (!mode ||
            (mode->int_val() != TLogfileController::lmAutomatic && mode->int_val() != TLogfileController::lmManual)) {
            returnError(ERROR_005_ILLEGAL_ARGUMENT);
            return true;
        }
        logger.setLogMode(TLogfileController::EnLogMode(mode->int_val()), false);
        sendAck();
        return true;
    }
    if (isCommand(pCommand, "logg:mode?", "logger:mode?")) {
        returnResponse(QString::number(int(logger.logMode())));
        return true;
    }
    if (isCommand(pCommand, "logg:inte", "logger:interval")) {
        if (!assertArgCount(pCommand, 1))
            return true;
        const int milliseconds = intervalMilliseconds(parameters[0].get());
        if (milliseconds < 0) {
            returnError(ERROR_005_ILLEGAL_ARGUMENT);
            return true;
        }
        logger.setInterval(milliseconds, false);
        sendAck();
        return true;
    }
    if (isCommand(pCommand, "logg:writ", "logger:write")) {
        if (!logger.isLoggerStarted() || logger.logMode() != TLogfileController::lmManual) {
            returnError(ERROR_015_LOGGER_NOT_ACTIVE_OR_MANUAL_MODE);
            return true;
        }
        if (!logger.writeChannelValueToLogfile(mChannelController ? mChannelController->measuredChannel() : nullptr)) {
            returnError(ERROR_017_MEMORY_FULL);
            return true;
        }
        sendAck();
        return true;
    }
    if (isCommand(pCommand, "logg:runn", "logger:running")) {
        if (!assertArgCount(pCommand, 1))
            return true;
        int running = -1;
        if (!getIntParam(parameters[0], running, false) || (running != 0 && running != 1)) {
            returnError(ERROR_005_ILLEGAL_ARGUMENT);
            return true;
        }
        if (running == 1) {
            if (logger.startLogger() != TLogfileController::lsrSuccess) {
                returnError(ERROR_015_LOGGER_NOT_ACTIVE_OR_MANUAL_MODE);
                return true;
            }
        } else {
            logger.stopLogger();
        }
        sendAck();
        return true;
    }
    if (isCommand(pCommand, "logg:runn?", "logger:running?")) {
        returnResponse(logger.isLoggerStarted() ? QStringLiteral("1") : QStringLiteral("0"));
        return true;
    }
    if (isCommand(pCommand, "logg:file?", "logger:files?")) {
        const QStringList names = logger.getLogfileList();
        if (names.isEmpty())
            returnError(ERROR_012_REQUESTED_FILE_NOT_EXISTS);
        else
            returnResponse(names.join(QLatin1Char(',')));
        return true;
    }
    if (isCommand(pCommand, "logg:down", "logger:download")) {
        downloadLogfile(pCommand);
        return true;
    }
    if (isCommand(pCommand, "logg:eras", "logger:erase")) {
        eraseLogfile(pCommand);
        return true;
    }
    return false;
}

QString TExternalCommunicationHandler::logfileByParameter(const TSCPICommand& pCommand)
{
    if (!assertArgCount(pCommand, 1))
        return QString();
    QString name;
    if (!getStringParam(pCommand.parameters()[0], name)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return QString();
    }
    // Only a plain name in the log directory is found.
    const QString path = mLogfileController->logfilePath(name);
    if (path.isEmpty()) {
        returnError(ERROR_012_REQUESTED_FILE_NOT_EXISTS);
        return QString();
    }
    if (path == mLogfileController->currentLogfile().fileName()) {
        returnError(ERROR_016_REQUESTED_FILE_IN_USE);
        return QString();
    }
    return path;
}

void TExternalCommunicationHandler::downloadLogfile(const TSCPICommand& pCommand)
{
    const QString path = logfileByParameter(pCommand);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.atEnd()) {
        returnError(ERROR_012_REQUESTED_FILE_NOT_EXISTS);
        return;
    }
    TExternalCommunicationInterface* client = replyInterface();
    if (!client)
        return;
    const quint64 connection = client->connectionNumber();
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    TLogfileLineJoiner joiner;
    while (!stream.atEnd()) {
        client->sendResponse(joiner.join(stream.read(LOGFILE_DOWNLOAD_PIECE_LENGTH)), false);
        if (!waitForRoom(client, connection)) {
            // A client still on its connection (the local user took the
            // instrument back) reads a cut file, but ended as a reply is: its
            // next reply must start a line of its own.
            if (client->connectionNumber() == connection)
                client->sendResponse(QString(), true);
            return;
        }
    }
    client->sendResponse(joiner.finish(), true);
}

// The instrument goes on measuring between the pieces, and text that arrives
// meanwhile is only queued: the queue is being worked off by this command. A
// terminate ends the transfer too, or a stalled client would hold the program.
bool TExternalCommunicationHandler::waitForRoom(TExternalCommunicationInterface* pClient, quint64 pConnection,
                                                const std::function<bool()>& pStop)
{
    const auto clientStays = [this, pClient, pConnection] {
        return !commandAbandoned() && replyInterface() == pClient && pClient->connectionNumber() == pConnection;
    };
    QCoreApplication::processEvents();
    while (clientStays() && !pClient->hasRoomForOutput() && !(pStop && pStop()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return clientStays();
}

void TExternalCommunicationHandler::eraseLogfile(const TSCPICommand& pCommand)
{
    const QString path = logfileByParameter(pCommand);
    if (path.isEmpty())
        return;
    if (!QFile::remove(path)) {
        returnError(ERROR_016_REQUESTED_FILE_IN_USE);
        return;
    }
    sendAck();
}
