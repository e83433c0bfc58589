// The information page: who made the instrument and what it is built of.

#include "tamarindmainform.h"

#include "channelcontroller.h"
#include "diskspacecontroller.h"
#include "instrumentinfo.h"
#include "measurementboardinfo.h"
#include "osversion.h"
#include "switchbox.h"
#include "tamarindclock.h"

#include <iterator>

void TTamarindMainForm::updateInfoScreen()
{
    TInstrumentInfo* instrument = TInstrumentInfo::instance();
    ui->LblInfo_InstrumentSerialNumber->setText(instrument->instrumentSerialNumber());
    ui->LblInfo_InstrumentManufacturingDate->setText(
        TTamarindClock::instance().getDateString(instrument->instrumentManufacturingDate()));
    ui->LblInfo_UISerialNumber->setText(instrument->frontEndSerialNumber());
    ui->LblInfo_UIVersion->setText(instrument->frontEndFirmwareVersion());
    ui->LblInfo_OSVersion->setText(TOSVersion::instance().toString());
    // A board that has not answered yet has no record: its lines stay empty.
    const TMeasurementBoardInfo* board = instrument->measurementBoardInfo();
    ui->LblInfo_MeasurementSerialNumber->setText(board ? board->serialNr() : QString());
    ui->LblInfo_FirmwareVersion->setText(board ? board->firmwareVersion() : QString());

    struct TSwitchBoxLine
    {
        QWidget* line;
        QLabel* type;
        QLabel* serialNumber;
    };
    const TSwitchBoxLine lines[] = {
        {ui->WgtInfo_Switchbox1, ui->LblInfo_Switchbox1_Type, ui->LblInfo_Switchbox1_Snr},
        {ui->WgtInfo_Switchbox2, ui->LblInfo_Switchbox2_Type, ui->LblInfo_Switchbox2_Snr},
        {ui->WgtInfo_Switchbox3, ui->LblInfo_Switchbox3_Type, ui->LblInfo_Switchbox3_Snr},
        {ui->WgtInfo_Switchbox4, ui->LblInfo_Switchbox4_Type, ui->LblInfo_Switchbox4_Snr},
    };
    bool anySwitchBox = false;
    for (unsigned int index = 0; index < std::size(lines); ++index) {
        const TAbstractSwitchBox* box = mChannelController ? mChannelController->switchBox(index) : nullptr;
        lines[index].line->setVisible(box != nullptr);
        if (box) {
            anySwitchBox = true;
            updateSwitchBoxInfo(*box, lines[index].type, lines[index].serialNumber);
        }
    }
    ui->LblInfo_ScannerHeader->setVisible(anySwitchBox);

    ui->LblInfo_Storage->setText(QString::number(TDiskSpaceController::instance().diskUsage()) + QLatin1Char('%'));
}

void TTamarindMainForm::updateSwitchBoxInfo(const TAbstractSwitchBox& pSwitchBox, QLabel* pLblType,
                                            QLabel* pLblSerialNumber)
{
    pLblType->setText(pSwitchBox.switchBoxTypeAsText());
    pLblSerialNumber->setText(pSwitchBox.serialNumber() + QStringLiteral(" (") +
                              TTamarindClock::instance().getDateString(pSwitchBox.manufacturingDate()) +
                              QLatin1Char(')'));
}
