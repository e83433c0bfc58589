#pragma once

// Members of the form for the settings overview and the setting pages it opens: alarm, decimal separator, backlight,
// brightness, clock, sound and recalibration cycle.
// How the form is written is told in tamarindmainform_ui.h.

#include <QWidget>

// PageSettings: page 6 of the main area.
#define TAMARIND_MEMBERS_PageSettings(M) M(QWidget, PageSettings)

// PageBacklightOff: page 2 of the menu area.
#define TAMARIND_MEMBERS_PageBacklightOff(M) M(QWidget, PageBacklightOff)

// PageBrightness: page 3 of the menu area.
#define TAMARIND_MEMBERS_PageBrightness(M) M(QWidget, PageBrightness)

// PageTime: page 4 of the menu area.
#define TAMARIND_MEMBERS_PageTime(M) M(QWidget, PageTime)

// PageSound: page 5 of the menu area.
#define TAMARIND_MEMBERS_PageSound(M) M(QWidget, PageSound)

// PageAlarmForProbes: page 6 of the menu area.
#define TAMARIND_MEMBERS_PageAlarmForProbes(M) M(QWidget, PageAlarmForProbes)

// PageDataSeparator: page 7 of the menu area.
#define TAMARIND_MEMBERS_PageDataSeparator(M) M(QWidget, PageDataSeparator)

// PageRecalCycle: page 37 of the menu area.
#define TAMARIND_MEMBERS_PageRecalCycle(M) M(QWidget, PageRecalCycle)
