#pragma once

// Members of the form for the logger page, its setting pages and the download pages.
// How the form is written is told in tamarindmainform_ui.h.

#include <QWidget>

// PageLogger: page 9 of the main area.
#define TAMARIND_MEMBERS_PageLogger(M) M(QWidget, PageLogger)

// PageDownload: page 14 of the main area.
#define TAMARIND_MEMBERS_PageDownload(M) M(QWidget, PageDownload)

// PageDownloadListMain: page 15 of the main area.
#define TAMARIND_MEMBERS_PageDownloadListMain(M) M(QWidget, PageDownloadListMain)

// PageDownloadList: page 22 of the menu area.
#define TAMARIND_MEMBERS_PageDownloadList(M) M(QWidget, PageDownloadList)

// PageLogfile: page 23 of the menu area.
#define TAMARIND_MEMBERS_PageLogfile(M) M(QWidget, PageLogfile)

// PageLoggerMode: page 24 of the menu area.
#define TAMARIND_MEMBERS_PageLoggerMode(M) M(QWidget, PageLoggerMode)

// PageLoggerStartTime: page 25 of the menu area.
#define TAMARIND_MEMBERS_PageLoggerStartTime(M) M(QWidget, PageLoggerStartTime)

// PageLogInterval: page 26 of the menu area.
#define TAMARIND_MEMBERS_PageLogInterval(M) M(QWidget, PageLogInterval)

// PageLogDuration: page 27 of the menu area.
#define TAMARIND_MEMBERS_PageLogDuration(M) M(QWidget, PageLogDuration)
