#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>

using namespace Form_helpers;

// A member and its object name, which the form keeps equal.
#define TAMARIND_NAMED(member) member, #member

namespace
{

const Qt::Alignment VALUE_ALIGNMENT = Qt::AlignRight | Qt::AlignVCenter;

// A value of the info page, a placeholder until the main window writes the instrument's data.
QLabel* newInfoValue(QWidget* pParent, QLabel*& oLabel, const char* pName, const char* pPlaceholder)
{
    oLabel = named(new QLabel(pParent), pName);
    oLabel->setText(QString::fromLatin1(pPlaceholder));
    oLabel->setAlignment(VALUE_ALIGNMENT);
    return oLabel;
}

QLabel* newLabel(QWidget* pParent, QLabel*& oLabel, const char* pName)
{
    oLabel = named(new QLabel(pParent), pName);
    return oLabel;
}

// The line of one switch box: its type at the left, its serial number at the right.
QWidget* newSwitchBoxLine(QWidget* pParent, QWidget*& oLine, const char* pLineName, QGridLayout*& oLayout,
                          const char* pLayoutName, QLabel*& oType, const char* pTypeName, QLabel*& oSerialNumber,
                          const char* pSerialNumberName)
{
    oLine = named(new QWidget(pParent), pLineName);
    oLayout = layoutOn<QGridLayout>(oLine, pLayoutName, 6, 0, 0, 0, 0);
    oType = named(new QLabel(oLine), pTypeName);
    oType->setText(QStringLiteral("<type>"));
    oLayout->addWidget(oType, 0, 0, 1, 1);
    oLayout->addWidget(newInfoValue(oLine, oSerialNumber, pSerialNumberName, "<snr>"), 0, 1, 1, 1);
    return oLine;
}

// A framed panel of the firmware page holding a caption above a version.
QZELKGreyPanel* newVersionPanel(QWidget* pParent, QZELKGreyPanel*& oPanel, const char* pPanelName,
                                QVBoxLayout*& oLayout, const char* pLayoutName, QLabel*& oCaption,
                                const char* pCaptionName, QLabel*& oVersion, const char* pVersionName)
{
    oPanel = named(new QZELKGreyPanel(pParent), pPanelName);
    setSizePolicy(oPanel, QSizePolicy::Preferred, QSizePolicy::Fixed);
    oPanel->setMinimumSize(QSize(0, 48));
    oPanel->setStyleSheet(TStyleSheetCatalogue::sheet(ssFirmwarePanel));
    oLayout = layoutOn<QVBoxLayout>(oPanel, pLayoutName, 3, StyleDefault, 7, StyleDefault, 7);
    oCaption = named(new QLabel(oPanel), pCaptionName);
    oLayout->addWidget(oCaption);
    oLayout->addWidget(newInfoValue(oPanel, oVersion, pVersionName, "<version>"));
    return oPanel;
}

} // namespace

void Ui_TTamarindMainForm::setupPageInfo()
{
    PageInfo = newPage("PageInfo", stackedWidget);
    PageInfo->setStyleSheet(TStyleSheetCatalogue::sheet(ssInfoPage));
    verticalLayout_7 = layoutOn<QVBoxLayout>(PageInfo, "verticalLayout_7", 2, 11, 11, 11, 11);

    gridLayout_194 = nestedLayout<QGridLayout>("gridLayout_194", 6);
    label_100 = named(new QLabel(PageInfo), "label_100");
    label_100->setText(QStringLiteral("<html><head/><body><p>"
                                      "<span style=\" font-weight:600;\">ZELK Instruments GmbH</span><br/>"
                                      "Messweg 12<br/>"
                                      "12345 Musterstadt<br/>"
                                      "Germany</p></body></html>"));
    gridLayout_194->addWidget(label_100, 0, 0, 1, 1);
    // The main window watches presses on the logo: a long press opens the choice of the start logo.
    lblInfoZELKLogo = named(new QLabel(PageInfo), "lblInfoZELKLogo");
    lblInfoZELKLogo->setMinimumSize(QSize(200, 68));
    lblInfoZELKLogo->setMaximumSize(QSize(200, 68));
    lblInfoZELKLogo->setPixmap(QPixmap(QStringLiteral(":/common/res/zelk_logo.png")));
    lblInfoZELKLogo->setScaledContents(true);
    lblInfoZELKLogo->setAlignment(Qt::AlignRight | Qt::AlignTop);
    gridLayout_194->addWidget(lblInfoZELKLogo, 0, 1, 1, 1);
    verticalLayout_7->addLayout(gridLayout_194);

    scrollAreaInfo = named(new TTouchScrollArea(PageInfo), "scrollAreaInfo");
    scrollAreaInfo->setFrameShape(QFrame::NoFrame);
    scrollAreaInfo->setWidgetResizable(true);
    QWidget* const list = scrollAreaInfoContents =
        named(new QWidget(scrollAreaInfo->viewport()), "scrollAreaInfoContents");
    list->setGeometry(QRect(0, 0, 357, 308));
    verticalLayout_13 = layoutOn<QVBoxLayout>(list, "verticalLayout_13", 6, 0, 0, 0, 0);
    // Row 8 stays empty; rows 10 to 14 are the scanner heading and the four switch box lines.
    QGridLayout* const data = gridLayout_195 = nestedLayout<QGridLayout>("gridLayout_195", 2);
    data->setContentsMargins(StyleDefault, 6, StyleDefault, 6);

    data->addWidget(newSwitchBoxLine(list, TAMARIND_NAMED(WgtInfo_Switchbox4), TAMARIND_NAMED(gridLayout_231),
                                     TAMARIND_NAMED(LblInfo_Switchbox4_Type), TAMARIND_NAMED(LblInfo_Switchbox4_Snr)),
                    14, 0, 1, 1);
    data->addWidget(newSwitchBoxLine(list, TAMARIND_NAMED(WgtInfo_Switchbox1), TAMARIND_NAMED(gridLayout_228),
                                     TAMARIND_NAMED(LblInfo_Switchbox1_Type), TAMARIND_NAMED(LblInfo_Switchbox1_Snr)),
                    11, 0, 1, 1);
    data->addWidget(newInfoValue(list, TAMARIND_NAMED(LblInfo_UISerialNumber), "<serial number>"), 4, 1, 1, 1);
    data->addWidget(newLabel(list, TAMARIND_NAMED(label_108)), 4, 0, 1, 1);
    data->addWidget(newInfoValue(list, TAMARIND_NAMED(LblInfo_UIVersion), "<version>"), 5, 1, 1, 1);
    data->addWidget(newInfoValue(list, TAMARIND_NAMED(LblInfo_InstrumentSerialNumber), "<serial number>"), 1, 1, 1, 1);
    data->addWidget(newLabel(list, TAMARIND_NAMED(label_106)), 5, 0, 1, 1);
    data->addWidget(newLabel(list, TAMARIND_NAMED(label_104)), 1, 0, 1, 1);
    data->addWidget(newLabel(list, TAMARIND_NAMED(label_105)), 3, 0, 1, 1);
    data->addWidget(newInfoValue(list, TAMARIND_NAMED(LblInfo_FirmwareVersion), "<version>"), 7, 1, 1, 1);
    data->addWidget(newLabel(list, TAMARIND_NAMED(label_107)), 7, 0, 1, 1);
    data->addWidget(newLabel(list, TAMARIND_NAMED(label_102)), 0, 0, 1, 1);
    data->addWidget(newInfoValue(list, TAMARIND_NAMED(LblInfo_MeasurementSerialNumber), "<serial number>"), 3, 1, 1, 1);
    data->addWidget(newInfoValue(list, TAMARIND_NAMED(LblInfo_InstrumentType), "<model>"), 0, 1, 1, 1);
    horizontalLayout_7 = nestedLayout<QHBoxLayout>("horizontalLayout_7", 6);
    label_129 = named(new QLabel(list), "label_129");
    label_129->setText(QString());
    label_129->setPixmap(QPixmap(QStringLiteral(":/common/res/storage_dialog_small.png")));
    horizontalLayout_7->addWidget(label_129);
    label_130 = named(new QLabel(list), "label_130");
    setSizePolicy(label_130, QSizePolicy::Expanding, QSizePolicy::Preferred);
    horizontalLayout_7->addWidget(label_130);
    data->addLayout(horizontalLayout_7, 9, 0, 1, 1);
    data->addWidget(newInfoValue(list, TAMARIND_NAMED(LblInfo_Storage), "<storage>"), 9, 1, 1, 1);
    data->addWidget(newLabel(list, TAMARIND_NAMED(label_184)), 2, 0, 1, 1);
    data->addWidget(newInfoValue(list, TAMARIND_NAMED(LblInfo_InstrumentManufacturingDate), "<manuf. date>"), 2, 1, 1,
                    1);
    data->addWidget(newSwitchBoxLine(list, TAMARIND_NAMED(WgtInfo_Switchbox2), TAMARIND_NAMED(gridLayout_229),
                                     TAMARIND_NAMED(LblInfo_Switchbox2_Type), TAMARIND_NAMED(LblInfo_Switchbox2_Snr)),
                    12, 0, 1, 1);
    data->addWidget(newLabel(list, TAMARIND_NAMED(label_172)), 6, 0, 1, 1);
    data->addWidget(newSwitchBoxLine(list, TAMARIND_NAMED(WgtInfo_Switchbox3), TAMARIND_NAMED(gridLayout_230),
                                     TAMARIND_NAMED(LblInfo_Switchbox3_Type), TAMARIND_NAMED(LblInfo_Switchbox3_Snr)),
                    13, 0, 1, 1);
    data->addWidget(newLabel(list, TAMARIND_NAMED(LblInfo_ScannerHeader)), 10, 0, 1, 1);
    data->addWidget(newInfoValue(list, TAMARIND_NAMED(LblInfo_OSVersion), "<version>"), 6, 1, 1, 1);
    verticalSpacer = newVerticalSpacer();
    data->addItem(verticalSpacer, 15, 0, 1, 1);
    verticalLayout_13->addLayout(data);

    scrollAreaInfo->setWidget(scrollAreaInfoContents);
    verticalLayout_7->addWidget(scrollAreaInfo);
    stackedWidget->addWidget(PageInfo);
}

void Ui_TTamarindMainForm::retranslatePageInfo()
{
    // The text is already empty, so the logo stays.
    lblInfoZELKLogo->setText(QString());
    label_108->setText(QCoreApplication::translate("TTamarindMainForm", "User interface S/N:", nullptr));
    label_106->setText(QCoreApplication::translate("TTamarindMainForm", "User interface version:", nullptr));
    label_104->setText(QCoreApplication::translate("TTamarindMainForm", "Instrument S/N:", nullptr));
    label_105->setText(QCoreApplication::translate("TTamarindMainForm", "Measuring system S/N:", nullptr));
    label_107->setText(QCoreApplication::translate("TTamarindMainForm", "Firmware version:", nullptr));
    label_102->setText(QCoreApplication::translate("TTamarindMainForm", "Model:", nullptr));
    label_130->setText(QCoreApplication::translate("TTamarindMainForm", "Storage:", nullptr));
    label_184->setText(QCoreApplication::translate("TTamarindMainForm", "Instrument manufacturing date:", nullptr));
    label_172->setText(QCoreApplication::translate("TTamarindMainForm", "OS version:", nullptr));
    LblInfo_ScannerHeader->setText(QCoreApplication::translate("TTamarindMainForm", "Scanner:", nullptr));
}

void Ui_TTamarindMainForm::setupPageService()
{
    PageService = newPage("PageService", stackedWidget);
    verticalLayout_18 =
        layoutOn<QVBoxLayout>(PageService, "verticalLayout_18", 2, StyleDefault, 1, StyleDefault, StyleDefault);
    label_24 = named(new QLabel(PageService), "label_24");
    label_24->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    verticalLayout_18->addWidget(label_24);
    verticalLayout_18->addWidget(newCaptionRow(PageService, TAMARIND_NAMED(BtnService_FirmwareUpdate_UI),
                                               TAMARIND_NAMED(gridLayout_31),
                                               TAMARIND_NAMED(LblService_FirmwareUpdate_UI)));
    verticalLayout_18->addWidget(newCaptionRow(PageService, TAMARIND_NAMED(BtnService_SmartProbe),
                                               TAMARIND_NAMED(gridLayout_248), TAMARIND_NAMED(LblService_SmartProbe)));
    // Shown by the main window below service level 1; the level's group below is shown from level 1 on.
    BtnEnterZELKServiceLevel = named(new QZELKDialogButton(PageService), "BtnEnterZELKServiceLevel");
    BtnEnterZELKServiceLevel->setStyleSheet(TStyleSheetCatalogue::sheet(ssServiceLevelButton));
    verticalLayout_18->addWidget(BtnEnterZELKServiceLevel);

    QWidget* const level = WgtZELKServiceLevel = named(new QWidget(PageService), "WgtZELKServiceLevel");
    verticalLayout_98 = layoutOn<QVBoxLayout>(level, "verticalLayout_98", 2, 0, 0, 0, 0);
    label_135 = named(new QLabel(level), "label_135");
    label_135->setStyleSheet(TStyleSheetCatalogue::sheet(ssServiceHeading));
    verticalLayout_98->addWidget(label_135);
    verticalLayout_98->addWidget(newCaptionRow(level, TAMARIND_NAMED(BtnService_TouchscreenCalibration),
                                               TAMARIND_NAMED(gridLayout_288),
                                               TAMARIND_NAMED(LblService_TouchscreenCalibration)));
    verticalLayout_98->addWidget(newCaptionRow(level, TAMARIND_NAMED(BtnService_RecalCycle),
                                               TAMARIND_NAMED(gridLayout_263), TAMARIND_NAMED(LblService_RecalCycle)));
    verticalLayout_98->addWidget(newCaptionRow(level, TAMARIND_NAMED(BtnService_OperatingTime),
                                               TAMARIND_NAMED(gridLayout_262),
                                               TAMARIND_NAMED(LblService_OperatingTime)));
    verticalLayout_98->addWidget(newCaptionRow(level, TAMARIND_NAMED(BtnService_InstrumentCalibration),
                                               TAMARIND_NAMED(gridLayout_265),
                                               TAMARIND_NAMED(LblService_InstrumentCalibration)));
    BtnLeaveZELKServiceLevel = named(new QZELKDialogButton(level), "BtnLeaveZELKServiceLevel");
    BtnLeaveZELKServiceLevel->setStyleSheet(TStyleSheetCatalogue::sheet(ssServiceLevelLeaveButton));
    verticalLayout_98->addWidget(BtnLeaveZELKServiceLevel);
    verticalLayout_18->addWidget(level);

    verticalSpacer_8 = newVerticalSpacer();
    verticalLayout_18->addItem(verticalSpacer_8);
    stackedWidget->addWidget(PageService);
}

void Ui_TTamarindMainForm::retranslatePageService()
{
    label_24->setText(QCoreApplication::translate("TTamarindMainForm", "Customer service level", nullptr));
    LblService_FirmwareUpdate_UI->setToolTip(
        QCoreApplication::translate("TTamarindMainForm", "Firmware update", nullptr));
    LblService_FirmwareUpdate_UI->setText(QCoreApplication::translate("TTamarindMainForm", "Firmware update", nullptr));
    LblService_SmartProbe->setText(QCoreApplication::translate("TTamarindMainForm", "Program SMART probe", nullptr));
    BtnEnterZELKServiceLevel->setText(
        QCoreApplication::translate("TTamarindMainForm", "Enter ZELK service level", nullptr));
    label_135->setText(QCoreApplication::translate("TTamarindMainForm", "ZELK service level", nullptr));
    LblService_TouchscreenCalibration->setText(
        QCoreApplication::translate("TTamarindMainForm", "Reset touchscreen", nullptr));
    LblService_RecalCycle->setText(QCoreApplication::translate("TTamarindMainForm", "Recalibration cycle", nullptr));
    LblService_OperatingTime->setText(QCoreApplication::translate("TTamarindMainForm", "Operating time", nullptr));
    LblService_InstrumentCalibration->setText(
        QCoreApplication::translate("TTamarindMainForm", "Instrument calibration", nullptr));
    BtnLeaveZELKServiceLevel->setText(
        QCoreApplication::translate("TTamarindMainForm", "Leave ZELK service level", nullptr));
}

void Ui_TTamarindMainForm::setupPageFirmwareUpdateUI()
{
    PageFirmwareUpdateUI = newPage("PageFirmwareUpdateUI", stackedWidgetMenu);
    verticalLayout_19 = layoutOn<QVBoxLayout>(PageFirmwareUpdateUI, "verticalLayout_19", 2, StyleDefault, 1,
                                              StyleDefault, StyleDefault);
    label_25 = named(new QLabel(PageFirmwareUpdateUI), "label_25");
    label_25->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginLeft6));
    verticalLayout_19->addWidget(label_25);
    verticalLayout_19->addWidget(newVersionPanel(PageFirmwareUpdateUI, TAMARIND_NAMED(qZELKGreyPanel_9),
                                                 TAMARIND_NAMED(verticalLayout_20), TAMARIND_NAMED(label_26),
                                                 TAMARIND_NAMED(LblFirmwareUI_CurVersion)));
    verticalLayout_19->addWidget(newVersionPanel(PageFirmwareUpdateUI, TAMARIND_NAMED(qZELKGreyPanel_10),
                                                 TAMARIND_NAMED(verticalLayout_21), TAMARIND_NAMED(label_27),
                                                 TAMARIND_NAMED(LblFirmwareUI_NewVersion)));
    // Both buttons keep the look their class gives them.
    BtnFindFirmwareUpdate_UI = named(new QZELKDialogButton(PageFirmwareUpdateUI), "BtnFindFirmwareUpdate_UI");
    BtnFindFirmwareUpdate_UI->setMinimumSize(QSize(0, 34));
    verticalLayout_19->addWidget(BtnFindFirmwareUpdate_UI);
    BtnDoFirmwareUpdate_UI = named(new QZELKDialogButton(PageFirmwareUpdateUI), "BtnDoFirmwareUpdate_UI");
    BtnDoFirmwareUpdate_UI->setMinimumSize(QSize(0, 34));
    BtnDoFirmwareUpdate_UI->setIcon(iconFrom(":/dialogs/accept"));
    verticalLayout_19->addWidget(BtnDoFirmwareUpdate_UI);
    verticalSpacer_9 = newVerticalSpacer();
    verticalLayout_19->addItem(verticalSpacer_9);
    stackedWidgetMenu->addWidget(PageFirmwareUpdateUI);
}

void Ui_TTamarindMainForm::retranslatePageFirmwareUpdateUI()
{
    label_25->setText(QCoreApplication::translate("TTamarindMainForm", "User interface", nullptr));
    label_26->setText(QCoreApplication::translate("TTamarindMainForm", "Current version:", nullptr));
    label_27->setText(QCoreApplication::translate("TTamarindMainForm", "New version:", nullptr));
    BtnFindFirmwareUpdate_UI->setText(
        QCoreApplication::translate("TTamarindMainForm", "Look for new version", nullptr));
    BtnDoFirmwareUpdate_UI->setText(QCoreApplication::translate("TTamarindMainForm", "Apply update", nullptr));
}

void Ui_TTamarindMainForm::setupPageOperatingTime()
{
    PageOperatingTime = newPage("PageOperatingTime", stackedWidgetMenu);
    QGridLayout* const grid = gridLayout_4 =
        layoutOn<QGridLayout>(PageOperatingTime, "gridLayout_4", 6, StyleDefault, 0, StyleDefault, StyleDefault);
    QWidget* const page = PageOperatingTime;
    // The values stay "x" until the main window's first refresh.
    grid->addWidget(newLabel(page, TAMARIND_NAMED(label_142)), 2, 0, 1, 1);
    grid->addWidget(newLabel(page, TAMARIND_NAMED(LblOpTime_Minutes)), 2, 1, 1, 1);
    grid->addWidget(newLabel(page, TAMARIND_NAMED(label_141)), 1, 0, 1, 1);
    grid->addWidget(newLabel(page, TAMARIND_NAMED(label_143)), 3, 0, 1, 1);
    grid->addWidget(newLabel(page, TAMARIND_NAMED(LblOpTime_Hours)), 1, 1, 1, 1);
    grid->addWidget(newLabel(page, TAMARIND_NAMED(LblOpTime_Days)), 0, 1, 1, 1);
    grid->addWidget(newLabel(page, TAMARIND_NAMED(label_140)), 0, 0, 1, 1);
    grid->addWidget(newLabel(page, TAMARIND_NAMED(LblOpTime_Seconds)), 3, 1, 1, 1);
    for (QLabel* value : {LblOpTime_Minutes, LblOpTime_Hours, LblOpTime_Days, LblOpTime_Seconds}) {
        value->setText(QStringLiteral("x"));
    }
    verticalSpacer_50 = newVerticalSpacer();
    grid->addItem(verticalSpacer_50, 4, 0, 1, 1);
    stackedWidgetMenu->addWidget(PageOperatingTime);
}

void Ui_TTamarindMainForm::retranslatePageOperatingTime()
{
    label_142->setText(QCoreApplication::translate("TTamarindMainForm", "Minutes", nullptr));
    label_141->setText(QCoreApplication::translate("TTamarindMainForm", "Hours", nullptr));
    label_143->setText(QCoreApplication::translate("TTamarindMainForm", "Seconds", nullptr));
    label_140->setText(QCoreApplication::translate("TTamarindMainForm", "Days", nullptr));
}

void Ui_TTamarindMainForm::setupPageInstrumentCalibration()
{
    PageInstrumentCalibration = newPage("PageInstrumentCalibration", stackedWidgetMenu);
    verticalLayout_100 = layoutOn<QVBoxLayout>(PageInstrumentCalibration, "verticalLayout_100", 2, StyleDefault, 0,
                                               StyleDefault, StyleDefault);
    label_152 = named(new QLabel(PageInstrumentCalibration), "label_152");
    label_152->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    verticalLayout_100->addWidget(label_152);
    verticalSpacer_51 = newVerticalSpacer();
    verticalLayout_100->addItem(verticalSpacer_51);
    stackedWidgetMenu->addWidget(PageInstrumentCalibration);
}

void Ui_TTamarindMainForm::retranslatePageInstrumentCalibration()
{
    label_152->setText(QCoreApplication::translate("TTamarindMainForm", "Calibration item", nullptr));
}
