#pragma once

// Members of the form for the graph pages and the scan pages.
// How the form is written is told in tamarindmainform_ui.h.

#include <QWidget>

// Page2DPlot: page 5 of the main area.
#define TAMARIND_MEMBERS_Page2DPlot(M) M(QWidget, Page2DPlot)

// PageScan: page 8 of the main area.
#define TAMARIND_MEMBERS_PageScan(M) M(QWidget, PageScan)

// PageGraphUnitAndScale: page 12 of the menu area.
#define TAMARIND_MEMBERS_PageGraphUnitAndScale(M) M(QWidget, PageGraphUnitAndScale)

// PageScanView: page 17 of the menu area.
#define TAMARIND_MEMBERS_PageScanView(M) M(QWidget, PageScanView)
