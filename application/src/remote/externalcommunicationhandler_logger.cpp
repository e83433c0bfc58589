// The logger group: logging mode and interval, start and stop, a manual line,
// and the log files listed, read out and erased. Mode and interval are not
// stored: the device keeps what its user last stored.

#include "externalcommunicationhandler.h"

#include "channelcontroller.h"
#include "externalcommunicationinterface.h"
#include "logfilecontroller.h"
#include "logfiledownload.h"

#include <QFile>

#include <cmath>
#include <memory>
#include <utility>

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
    TExternalCommunicationInterface* client = replyInterface();
    auto download = std::make_unique<TLogfileDownload>(client, client ? client->connectionNumber() : 0);
    if (!download->open(path)) {
        returnError(ERROR_012_REQUESTED_FILE_NOT_EXISTS);
        return;
    }
    // The pieces leave from the queue's turns (sendDownloadPiece).
    if (client)
        mDownload = std::move(download);
}

// The queue goes on with the file's next piece, as with a command, while the
// client has room: the instrument goes on measuring between the pieces, and
// text that arrives meanwhile is only queued behind the file.
bool TExternalCommunicationHandler::sendDownloadPiece()
{
    if (!mDownload->client()->hasRoomForOutput())
        return false;
    if (mDownload->sendNextPiece())
        mDownload.reset();
    return true;
}

void TExternalCommunicationHandler::endDownload()
{
    if (mDownload)
        std::exchange(mDownload, nullptr)->cut();
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
