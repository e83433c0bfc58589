#pragma once

// Members of the form for the channel configuration pages and the two calibrations of a channel (two-point and
// cold-junction offset).
// How the form is written is told in tamarindmainform_ui.h.

#include <QWidget>

// PageChanConf_ZTM8800: page 15 of the menu area.
#define TAMARIND_MEMBERS_PageChanConf_ZTM8800(M) M(QWidget, PageChanConf_ZTM8800)

// PageChanConf_SwitchBoxes: page 16 of the menu area.
#define TAMARIND_MEMBERS_PageChanConf_SwitchBoxes(M) M(QWidget, PageChanConf_SwitchBoxes)

// PageTwoPointCal: page 40 of the menu area.
#define TAMARIND_MEMBERS_PageTwoPointCal(M) M(QWidget, PageTwoPointCal)

// PageCJCOffset: page 41 of the menu area.
#define TAMARIND_MEMBERS_PageCJCOffset(M) M(QWidget, PageCJCOffset)
