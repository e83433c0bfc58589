#pragma once

// Members of the form for the info page and the service pages: service level, firmware update, operating time and
// instrument calibration.
// How the form is written is told in tamarindmainform_ui.h.

#include "touchscrollarea.h"
#include "zelkdialogbutton.h"
#include "zelkgreypanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// PageInfo: page 12 of the main area. The maker's address and logo above a list of the instrument's data, ending in
// one line per connected switch box; the main window fills the values and hides the lines of absent switch boxes.
#define TAMARIND_MEMBERS_PageInfo(M)                                                                                   \
    M(QWidget, PageInfo)                                                                                               \
    M(QVBoxLayout, verticalLayout_7)                                                                                   \
    M(QGridLayout, gridLayout_194)                                                                                     \
    M(QLabel, label_100)                                                                                               \
    M(QLabel, lblInfoZELKLogo)                                                                                         \
    M(TTouchScrollArea, scrollAreaInfo)                                                                                \
    M(QWidget, scrollAreaInfoContents)                                                                                 \
    M(QVBoxLayout, verticalLayout_13)                                                                                  \
    M(QGridLayout, gridLayout_195)                                                                                     \
    M(QWidget, WgtInfo_Switchbox4)                                                                                     \
    M(QGridLayout, gridLayout_231)                                                                                     \
    M(QLabel, LblInfo_Switchbox4_Type)                                                                                 \
    M(QLabel, LblInfo_Switchbox4_Snr)                                                                                  \
    M(QWidget, WgtInfo_Switchbox1)                                                                                     \
    M(QGridLayout, gridLayout_228)                                                                                     \
    M(QLabel, LblInfo_Switchbox1_Type)                                                                                 \
    M(QLabel, LblInfo_Switchbox1_Snr)                                                                                  \
    M(QLabel, LblInfo_UISerialNumber)                                                                                  \
    M(QLabel, label_108)                                                                                               \
    M(QLabel, LblInfo_UIVersion)                                                                                       \
    M(QLabel, LblInfo_InstrumentSerialNumber)                                                                          \
    M(QLabel, label_106)                                                                                               \
    M(QLabel, label_104)                                                                                               \
    M(QLabel, label_105)                                                                                               \
    M(QLabel, LblInfo_FirmwareVersion)                                                                                 \
    M(QLabel, label_107)                                                                                               \
    M(QLabel, label_102)                                                                                               \
    M(QLabel, LblInfo_MeasurementSerialNumber)                                                                         \
    M(QLabel, LblInfo_InstrumentType)                                                                                  \
    M(QHBoxLayout, horizontalLayout_7)                                                                                 \
    M(QLabel, label_129)                                                                                               \
    M(QLabel, label_130)                                                                                               \
    M(QLabel, LblInfo_Storage)                                                                                         \
    M(QLabel, label_184)                                                                                               \
    M(QLabel, LblInfo_InstrumentManufacturingDate)                                                                     \
    M(QWidget, WgtInfo_Switchbox2)                                                                                     \
    M(QGridLayout, gridLayout_229)                                                                                     \
    M(QLabel, LblInfo_Switchbox2_Type)                                                                                 \
    M(QLabel, LblInfo_Switchbox2_Snr)                                                                                  \
    M(QLabel, label_172)                                                                                               \
    M(QWidget, WgtInfo_Switchbox3)                                                                                     \
    M(QGridLayout, gridLayout_230)                                                                                     \
    M(QLabel, LblInfo_Switchbox3_Type)                                                                                 \
    M(QLabel, LblInfo_Switchbox3_Snr)                                                                                  \
    M(QLabel, LblInfo_ScannerHeader)                                                                                   \
    M(QLabel, LblInfo_OSVersion)                                                                                       \
    M(QSpacerItem, verticalSpacer)

// PageService: page 13 of the main area. The customer service rows, the button that enters the maker's service
// level and that level's rows; the main window shows either the button or the level.
#define TAMARIND_MEMBERS_PageService(M)                                                                                \
    M(QWidget, PageService)                                                                                            \
    M(QVBoxLayout, verticalLayout_18)                                                                                  \
    M(QLabel, label_24)                                                                                                \
    M(QWidget, BtnService_FirmwareUpdate_UI)                                                                           \
    M(QGridLayout, gridLayout_31)                                                                                      \
    M(QLabel, LblService_FirmwareUpdate_UI)                                                                            \
    M(QWidget, BtnService_SmartProbe)                                                                                  \
    M(QGridLayout, gridLayout_248)                                                                                     \
    M(QLabel, LblService_SmartProbe)                                                                                   \
    M(QZELKDialogButton, BtnEnterZELKServiceLevel)                                                                     \
    M(QWidget, WgtZELKServiceLevel)                                                                                    \
    M(QVBoxLayout, verticalLayout_98)                                                                                  \
    M(QLabel, label_135)                                                                                               \
    M(QWidget, BtnService_TouchscreenCalibration)                                                                      \
    M(QGridLayout, gridLayout_288)                                                                                     \
    M(QLabel, LblService_TouchscreenCalibration)                                                                       \
    M(QWidget, BtnService_RecalCycle)                                                                                  \
    M(QGridLayout, gridLayout_263)                                                                                     \
    M(QLabel, LblService_RecalCycle)                                                                                   \
    M(QWidget, BtnService_OperatingTime)                                                                               \
    M(QGridLayout, gridLayout_262)                                                                                     \
    M(QLabel, LblService_OperatingTime)                                                                                \
    M(QWidget, BtnService_InstrumentCalibration)                                                                       \
    M(QGridLayout, gridLayout_265)                                                                                     \
    M(QLabel, LblService_InstrumentCalibration)                                                                        \
    M(QZELKDialogButton, BtnLeaveZELKServiceLevel)                                                                     \
    M(QSpacerItem, verticalSpacer_8)

// PageFirmwareUpdateUI: page 10 of the menu area, the current and the new version of the user interface and the
// buttons that look for an update and apply it.
#define TAMARIND_MEMBERS_PageFirmwareUpdateUI(M)                                                                       \
    M(QWidget, PageFirmwareUpdateUI)                                                                                   \
    M(QVBoxLayout, verticalLayout_19)                                                                                  \
    M(QLabel, label_25)                                                                                                \
    M(QZELKGreyPanel, qZELKGreyPanel_9)                                                                                \
    M(QVBoxLayout, verticalLayout_20)                                                                                  \
    M(QLabel, label_26)                                                                                                \
    M(QLabel, LblFirmwareUI_CurVersion)                                                                                \
    M(QZELKGreyPanel, qZELKGreyPanel_10)                                                                               \
    M(QVBoxLayout, verticalLayout_21)                                                                                  \
    M(QLabel, label_27)                                                                                                \
    M(QLabel, LblFirmwareUI_NewVersion)                                                                                \
    M(QZELKDialogButton, BtnFindFirmwareUpdate_UI)                                                                     \
    M(QZELKDialogButton, BtnDoFirmwareUpdate_UI)                                                                       \
    M(QSpacerItem, verticalSpacer_9)

// PageOperatingTime: page 38 of the menu area, the operating time in days, hours, minutes and seconds.
#define TAMARIND_MEMBERS_PageOperatingTime(M)                                                                          \
    M(QWidget, PageOperatingTime)                                                                                      \
    M(QGridLayout, gridLayout_4)                                                                                       \
    M(QLabel, label_142)                                                                                               \
    M(QLabel, LblOpTime_Minutes)                                                                                       \
    M(QLabel, label_141)                                                                                               \
    M(QLabel, label_143)                                                                                               \
    M(QLabel, LblOpTime_Hours)                                                                                         \
    M(QLabel, LblOpTime_Days)                                                                                          \
    M(QLabel, label_140)                                                                                               \
    M(QLabel, LblOpTime_Seconds)                                                                                       \
    M(QSpacerItem, verticalSpacer_50)

// PageInstrumentCalibration: page 39 of the menu area; the main window inserts one button per calibration item
// ahead of the spacer.
#define TAMARIND_MEMBERS_PageInstrumentCalibration(M)                                                                  \
    M(QWidget, PageInstrumentCalibration)                                                                              \
    M(QVBoxLayout, verticalLayout_100)                                                                                 \
    M(QLabel, label_152)                                                                                               \
    M(QSpacerItem, verticalSpacer_51)
