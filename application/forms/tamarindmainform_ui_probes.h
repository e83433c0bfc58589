#pragma once

// Members of the form for the probe pages: the probe list, the probe editors, the standard probe settings, SMART probes
// and coefficient files.
// How the form is written is told in tamarindmainform_ui.h.

#include <QWidget>

// PageProbes: page 7 of the main area.
#define TAMARIND_MEMBERS_PageProbes(M) M(QWidget, PageProbes)

// PageStdProbeSettings: page 9 of the menu area.
#define TAMARIND_MEMBERS_PageStdProbeSettings(M) M(QWidget, PageStdProbeSettings)

// PagePRTEdit: page 18 of the menu area.
#define TAMARIND_MEMBERS_PagePRTEdit(M) M(QWidget, PagePRTEdit)

// PageTCEdit: page 19 of the menu area.
#define TAMARIND_MEMBERS_PageTCEdit(M) M(QWidget, PageTCEdit)

// PageThermEdit: page 20 of the menu area.
#define TAMARIND_MEMBERS_PageThermEdit(M) M(QWidget, PageThermEdit)

// PageSmartProbeList: page 21 of the menu area.
#define TAMARIND_MEMBERS_PageSmartProbeList(M) M(QWidget, PageSmartProbeList)

// PageSmartProbeProg: page 36 of the menu area.
#define TAMARIND_MEMBERS_PageSmartProbeProg(M) M(QWidget, PageSmartProbeProg)

// PageProbeCoeffFileList: page 42 of the menu area.
#define TAMARIND_MEMBERS_PageProbeCoeffFileList(M) M(QWidget, PageProbeCoeffFileList)
