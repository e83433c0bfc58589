// The firmware update page of the service list: the version on the stick and
// the installation of the user interface program, each through an updater
// made for that one press.

#include "tamarindmainform.h"

#include "firmwareupdaterui.h"
#include "instrumentinfo.h"
#include "messagedialog.h"
#include "usbstickcontroller.h"

namespace
{
// The name of the program file the update replaces.
constexpr const char* FIRMWARE_UI_EXECUTABLE = "ZTM8800_UI";
} // namespace

void TTamarindMainForm::showFirmwareUpdateError(const EnFirmwareUpdateResult& pResult)
{
    const QString instrument = TInstrumentInfo::instance()->instrumentName();
    QString message;
    switch (pResult) {
    case furNoUSBStickConnected:
        message = tr("No connected USB stick found.");
        break;
    case furFirmwareSubdirNotFound:
        message = tr("Directory \"%1\" not found on USB stick. The new firmware files have to be located there.")
                      .arg(instrument);
        break;
    case furNoFirmwareFileFound:
        message = tr("No firmware files found in folder \"%1\".").arg(instrument);
        break;
    case furMultipleFirmwareFilesFound:
        message = tr("Multiple firmware files found. Please make sure that there is only one firmware version on the "
                     "USB stick.");
        break;
    case furInvalidFirmware:
        message = tr("The detected firmware is not a valid %1 user interface firmware.").arg(instrument);
        break;
    case furChecksumFileMissing:
        message = tr("No checksum file found.");
        break;
    case furFileCopyError:
        message = tr("Error while copying the firmware files. Please try again.");
        break;
    case furOpenFirmwareError:
        message = tr("Cannot open firmware file. Please try again.");
        break;
    case furOpenChecksumError:
        message = tr("Cannot open checksum file. Please try again.");
        break;
    case furChecksumMismatch:
        message = tr("The checksum of the firmware file is not correct. Please check if the right checksum file is "
                     "used and then try again.");
        break;
    default:
        return;
    }
    TMessageDialog().showError(message);
}

// Opening the page looks silently; only the find button tells why nothing was found.
void TTamarindMainForm::refreshFirmwareUpdateNewVersionDisplay(bool pShowErrors)
{
    TFirmwareUpdaterUI updater(TUSBStickControllerProvider::getUSBStickController()->baseDir(), mFirmwareUI_FilePattern,
                               mFirmwareUI_Tag);
    QString fileName;
    TFileVersion version;
    const EnFirmwareUpdateResult result = updater.findFirmwareOnStick(fileName, version);
    QString shown;
    if (result == furFirmwareFound)
        shown = version.toString();
    else if (pShowErrors)
        showFirmwareUpdateError(result);
    ui->LblFirmwareUI_NewVersion->setText(shown);
}

void TTamarindMainForm::on_BtnFindFirmwareUpdate_UI_clicked()
{
    refreshFirmwareUpdateNewVersionDisplay(true);
}

// A declined update also comes back as found: the version stays shown.
void TTamarindMainForm::on_BtnDoFirmwareUpdate_UI_clicked()
{
    TFirmwareUpdaterUI updater(TUSBStickControllerProvider::getUSBStickController()->baseDir(), mFirmwareUI_FilePattern,
                               mFirmwareUI_Tag);
    const EnFirmwareUpdateResult result = updater.updateFirmware(QLatin1String(FIRMWARE_UI_EXECUTABLE));
    if (result == furFirmwareFound)
        return;
    ui->LblFirmwareUI_NewVersion->clear();
    showFirmwareUpdateError(result);
}
