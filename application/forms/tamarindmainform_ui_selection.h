#pragma once

// Members of the form for the selection pages: average value, unit, channel, probe, and probe or unit.
// How the form is written is told in tamarindmainform_ui.h.

#include <QWidget>

// PageAverageValue: page 8 of the menu area.
#define TAMARIND_MEMBERS_PageAverageValue(M) M(QWidget, PageAverageValue)

// PageUnitSelection: page 11 of the menu area.
#define TAMARIND_MEMBERS_PageUnitSelection(M) M(QWidget, PageUnitSelection)

// PageChannelSelection: page 13 of the menu area.
#define TAMARIND_MEMBERS_PageChannelSelection(M) M(QWidget, PageChannelSelection)

// PageProbeSelection: page 14 of the menu area.
#define TAMARIND_MEMBERS_PageProbeSelection(M) M(QWidget, PageProbeSelection)

// PageSelectProbeOrUnit: page 28 of the menu area.
#define TAMARIND_MEMBERS_PageSelectProbeOrUnit(M) M(QWidget, PageSelectProbeOrUnit)
