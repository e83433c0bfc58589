#pragma once

// Members of the form for the remote settings page and its network and serial parameter pages.
// How the form is written is told in tamarindmainform_ui.h.

#include <QWidget>

// PageRemote: page 10 of the main area.
#define TAMARIND_MEMBERS_PageRemote(M) M(QWidget, PageRemote)

// PageIPNetmask: page 29 of the menu area.
#define TAMARIND_MEMBERS_PageIPNetmask(M) M(QWidget, PageIPNetmask)

// PageGateway: page 30 of the menu area.
#define TAMARIND_MEMBERS_PageGateway(M) M(QWidget, PageGateway)

// PageGenericOnOff: page 31 of the menu area.
#define TAMARIND_MEMBERS_PageGenericOnOff(M) M(QWidget, PageGenericOnOff)

// PageBaudRate: page 32 of the menu area.
#define TAMARIND_MEMBERS_PageBaudRate(M) M(QWidget, PageBaudRate)

// PageDataBits: page 33 of the menu area.
#define TAMARIND_MEMBERS_PageDataBits(M) M(QWidget, PageDataBits)

// PageStopBits: page 34 of the menu area.
#define TAMARIND_MEMBERS_PageStopBits(M) M(QWidget, PageStopBits)

// PageParity: page 35 of the menu area.
#define TAMARIND_MEMBERS_PageParity(M) M(QWidget, PageParity)
