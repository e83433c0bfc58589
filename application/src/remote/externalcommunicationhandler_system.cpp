// The system commands, which the handler answers itself before it offers a
// command to the groups.

#include "externalcommunicationhandler.h"

#include "authorizationcontroller.h"
#include "commandrunner.h"
#include "deviceroot.h"
#include "externalcommunicationinterface.h"
#include "filesystemsync.h"
#include "instrumentinfo.h"
#include "internalscpihandler.h"
#include "osversion.h"
#include "screenshotcontroller.h"
#include "usbstickcontroller.h"
#include "userdatabackupcontroller.h"

#include <QFileInfo>
#include <QStringList>

namespace
{
constexpr const char* TOUCHSCREEN_CALIBRATION_FILE = "/etc/pointercal";
constexpr const char* TOUCHSCREEN_CALIBRATION_BACKUP_FILE = "/etc/pointercal_backup";
constexpr const char* TOUCHSCREEN_TEST_PROGRAM = "/usr/bin/ts_test";
constexpr const char* SD_CARD_DEVICE = "/dev/mmcblk0";
constexpr const char* DATE_FORMAT = "dd/MM/yyyy";
} // namespace

bool TExternalCommunicationHandler::processSystemCommand_AnyMode(const TSCPICommand& pCommand)
{
    if (isCommand(pCommand, "*idn?")) {
        returnResponse(identificationLine());
    } else if (isCommand(pCommand, "syst:remo", "system:remote")) {
        setRemoteMode(true);
        sendAck();
    } else if (isCommand(pCommand, "syst:loca", "system:local")) {
        setRemoteMode(false);
        sendAck();
    } else if (isCommand(pCommand, "syst:ackn", "system:acknowledge")) {
        setAcknowledgeMode(pCommand);
    } else if (isCommand(pCommand, "syst:cali?", "system:calibrated?")) {
        bool calibrated = false;
        const bool answered = mInternalSCPIHandler && mInternalSCPIHandler->getSystemCalibrated(calibrated);
        returnResponse(answered && calibrated ? QStringLiteral("1") : QStringLiteral("0"));
    } else if (isCommand(pCommand, "syst:scre", "system:screenshot")) {
        TScreenshotController::instance().takeScreenshot();
        sendAck();
    } else {
        return false;
    }
    return true;
}

bool TExternalCommunicationHandler::processSystemCommand_RemoteMode(const TSCPICommand& pCommand)
{
    if (isCommand(pCommand, "syst:pass:cen", "system:password:cenable")) {
        enterPassword(pCommand);
    } else if (isCommand(pCommand, "syst:type", "system:type")) {
        setInstrumentType(pCommand);
    } else if (isCommand(pCommand, "syst:inst:seri", "system:instrument:serial")) {
        setInstrumentSerialNumber(pCommand);
    } else if (isCommand(pCommand, "syst:inst:mand", "system:instrument:mandate")) {
        setManufacturingDate(pCommand);
    } else if (isCommand(pCommand, "syst:date?", "system:date?")) {
        const QDate today = mCurrentDateTime().date();
        returnResponse(QStringLiteral("%1,%2,%3").arg(today.day()).arg(today.month()).arg(today.year()));
    } else if (isCommand(pCommand, "syst:time?", "system:time?")) {
        const QTime now = mCurrentDateTime().time();
        returnResponse(QStringLiteral("%1,%2").arg(now.hour()).arg(now.minute()));
    } else if (isCommand(pCommand, "syst:touc:rese", "system:touchscreen:reset")) {
        if (assertAuthLevel(AUTH_LEVEL_ZELK_SERVICE))
            resetTouchscreenCalibration();
    } else if (isCommand(pCommand, "syst:touc:back", "system:touchscreen:backup")) {
        if (assertAuthLevel(AUTH_LEVEL_PRODUCTION))
            copyTouchscreenCalibration(QLatin1String(TOUCHSCREEN_CALIBRATION_FILE),
                                       QLatin1String(TOUCHSCREEN_CALIBRATION_BACKUP_FILE));
    } else if (isCommand(pCommand, "syst:touc:fact", "system:touchscreen:factoryreset")) {
        copyTouchscreenCalibration(QLatin1String(TOUCHSCREEN_CALIBRATION_BACKUP_FILE),
                                   QLatin1String(TOUCHSCREEN_CALIBRATION_FILE));
    } else if (isCommand(pCommand, "syst:touc:test", "system:touchscreen:test") &&
               TOSVersion::instance().platformVersion_Major() >= 2) {
        // Platform 1 has no test program: the header goes on and ends as unknown.
        if (assertAuthLevel(AUTH_LEVEL_ZELK_SERVICE))
            startTouchscreenTest();
    } else if (isCommand(pCommand, "syst:sdca?", "system:sdcard?")) {
        if (assertAuthLevel(AUTH_LEVEL_PRODUCTION))
            returnResponse(QFileInfo::exists(TDeviceRoot::path(QLatin1String(SD_CARD_DEVICE))) ? QStringLiteral("1")
                                                                                               : QStringLiteral("0"));
    } else if (isCommand(pCommand, "syst:usb?", "system:usb?")) {
        returnResponse(TUSBStickControllerProvider::getUSBStickController()->isUSBStickConnected()
                           ? QStringLiteral("1")
                           : QStringLiteral("0"));
    } else if (isCommand(pCommand, "syst:user:back?", "system:userdata:backup?")) {
        if (assertAuthLevel(AUTH_LEVEL_PRODUCTION)) {
            const QString archive = TUserDataBackupController::createBackupOnUSBStick();
            if (archive.isEmpty())
                returnError(ERROR_012_REQUESTED_FILE_NOT_EXISTS);
            else
                returnResponse(archive);
        }
    } else if (isCommand(pCommand, "syst:user:rest?", "system:userdata:restore?")) {
        restoreUserData(pCommand);
    } else {
        return false;
    }
    return true;
}

// Without the board's identity its three fields stay empty. The board is
// asked first: while it has not answered, each query asks it again.
const QString& TExternalCommunicationHandler::identificationLine()
{
    TInstrumentInfo* info = TInstrumentInfo::instance();
    const TMeasurementBoardInfo* board = info->measurementBoardInfo();
    if (!mIdentificationLine.isNull() && mIdentificationRevision == info->revision())
        return mIdentificationLine;
    const TInstrumentInfo::TLocalIdentity& local = info->localIdentity();
    QStringList fields{QStringLiteral("ZELK"), info->instrumentName(),
                       local.mSerialNumber,    local.mManufacturingDate.toString(QLatin1String(DATE_FORMAT)),
                       local.mHardwareAddress, local.mVersion};
    fields << (board ? board->serialNr() : QString()) << (board ? board->firmwareVersion() : QString())
           << (board ? board->firmwareDate().toString(QLatin1String(DATE_FORMAT)) : QString());
    mIdentificationLine = fields.join(QLatin1Char(','));
    mIdentificationRevision = info->revision();
    return mIdentificationLine;
}

void TExternalCommunicationHandler::setAcknowledgeMode(const TSCPICommand& pCommand)
{
    int mode = 0;
    if (!assertArgCount(pCommand, 1))
        return;
    if (!getIntParam(pCommand.parameters().at(0), mode, false) || (mode != 0 && mode != 1)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    mSendAck = mode == 1;
    // Acknowledged whatever the mode now is: the client learns the switch took.
    if (TExternalCommunicationInterface* client = replyInterface())
        client->sendAck();
}

void TExternalCommunicationHandler::enterPassword(const TSCPICommand& pCommand)
{
    QString password;
    if (!assertArgCount(pCommand, 1))
        return;
    if (!getStringParam(pCommand.parameters().at(0), password)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    if (TAuthorizationController::instance().enterLevel(password) < 1) {
        returnError(ERROR_013_ACCESS_DENIED);
        return;
    }
    sendAck();
}

void TExternalCommunicationHandler::setInstrumentType(const TSCPICommand& pCommand)
{
    int type = 0;
    if (!assertArgCount(pCommand, 1) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION))
        return;
    if (!getIntParam(pCommand.parameters().at(0), type, false) || (type != 1 && type != 2)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    // The board numbers the two types it can be set to 1 and 2.
    const int result =
        mInternalSCPIHandler ? mInternalSCPIHandler->setInstrumentType(type == 1 ? ZTM8800v2 : ZTM9900) : -1;
    if (result != TInternalSCPIHandler::ERROR_CODE_COMMAND_SUCCESSFUL) {
        returnError(result);
        return;
    }
    sendAck();
}

void TExternalCommunicationHandler::setInstrumentSerialNumber(const TSCPICommand& pCommand)
{
    QString serialNumber;
    if (!assertArgCount(pCommand, 1) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION))
        return;
    if (!getStringParam(pCommand.parameters().at(0), serialNumber)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    TInstrumentInfo::instance()->setInstrumentSerialNumber(serialNumber);
    sendAck();
}

void TExternalCommunicationHandler::setManufacturingDate(const TSCPICommand& pCommand)
{
    QDate date;
    if (!assertArgCount(pCommand, 3) || !assertAuthLevel(AUTH_LEVEL_PRODUCTION))
        return;
    if (!getDateParams(pCommand, 0, date)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    TInstrumentInfo::instance()->setInstrumentManufacturingDate(date);
    sendAck();
}

void TExternalCommunicationHandler::resetTouchscreenCalibration()
{
    TFileSystemSync::removeFile(TDeviceRoot::path(QLatin1String(TOUCHSCREEN_CALIBRATION_FILE)));
    sendAck();
}

void TExternalCommunicationHandler::copyTouchscreenCalibration(const QString& pSource, const QString& pTarget)
{
    // The target is replaced only by a complete copy on the medium: deleting
    // it first, as a plain copy must, would leave the touchscreen uncalibrated
    // when the copy fails or the power goes.
    const QString source = TDeviceRoot::path(pSource);
    if (!QFileInfo(source).isFile() || !TFileSystemSync::copyReplacing(source, TDeviceRoot::path(pTarget))) {
        returnError(ERROR_012_REQUESTED_FILE_NOT_EXISTS);
        return;
    }
    sendAck();
}

void TExternalCommunicationHandler::startTouchscreenTest()
{
    TCommandRunner::instance().startDetached(QLatin1String(TOUCHSCREEN_TEST_PROGRAM));
    sendAck();
}

void TExternalCommunicationHandler::restoreUserData(const TSCPICommand& pCommand)
{
    QString archive;
    if (!assertAuthLevel(AUTH_LEVEL_PRODUCTION) || !assertArgCount(pCommand, 1))
        return;
    if (!getStringParam(pCommand.parameters().at(0), archive)) {
        returnError(ERROR_005_ILLEGAL_ARGUMENT);
        return;
    }
    returnResponse(TUserDataBackupController::restoreDataFromBackup(archive) ? QStringLiteral("1")
                                                                             : QStringLiteral("0"));
}
