#pragma once

// Members of the form for the info page and the service pages: service level, firmware update, operating time and
// instrument calibration.
// How the form is written is told in tamarindmainform_ui.h.

#include <QWidget>

// PageInfo: page 12 of the main area.
#define TAMARIND_MEMBERS_PageInfo(M) M(QWidget, PageInfo)

// PageService: page 13 of the main area.
#define TAMARIND_MEMBERS_PageService(M) M(QWidget, PageService)

// PageFirmwareUpdateUI: page 10 of the menu area.
#define TAMARIND_MEMBERS_PageFirmwareUpdateUI(M) M(QWidget, PageFirmwareUpdateUI)

// PageOperatingTime: page 38 of the menu area.
#define TAMARIND_MEMBERS_PageOperatingTime(M) M(QWidget, PageOperatingTime)

// PageInstrumentCalibration: page 39 of the menu area.
#define TAMARIND_MEMBERS_PageInstrumentCalibration(M) M(QWidget, PageInstrumentCalibration)
