#pragma once

// Members of the form for the logger page, its setting pages and the download pages.
// How the form is written is told in tamarindmainform_ui.h.

#include "touchscrollarea.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// PageLogger: page 9 of the main area, the data logger's main screen. Four setting rows, Start and
// Stop, then the heading of the log files with Download and Delete above the list of log files,
// which the logger fills ahead of its final spacer.
#define TAMARIND_MEMBERS_PageLogger(M)                                                                                 \
    M(QWidget, PageLogger)                                                                                             \
    M(QVBoxLayout, verticalLayout_5)                                                                                   \
    M(QLabel, label_109)                                                                                               \
    M(QWidget, BtnLogger_Mode)                                                                                         \
    M(QGridLayout, gridLayout_197)                                                                                     \
    M(QLabel, LblLogger_Mode)                                                                                          \
    M(QLabel, LblLogger_Mode_Val)                                                                                      \
    M(QWidget, BtnLogger_Interval)                                                                                     \
    M(QGridLayout, gridLayout_198)                                                                                     \
    M(QLabel, LblLogger_Interval)                                                                                      \
    M(QLabel, LblLogger_Interval_Val)                                                                                  \
    M(QWidget, BtnLogger_StartTime)                                                                                    \
    M(QGridLayout, gridLayout_199)                                                                                     \
    M(QLabel, LblLogger_StartTime)                                                                                     \
    M(QLabel, LblLogger_StartTime_Val)                                                                                 \
    M(QWidget, BtnLogger_Duration)                                                                                     \
    M(QGridLayout, gridLayout_200)                                                                                     \
    M(QLabel, LblLogger_Duration)                                                                                      \
    M(QLabel, LblLogger_Duration_Val)                                                                                  \
    M(QHBoxLayout, horizontalLayout_73)                                                                                \
    M(QSpacerItem, horizontalSpacer_21)                                                                                \
    M(QZELKDialogButton, BtnLogger_Start)                                                                              \
    M(QZELKDialogButton, BtnLogger_Stop)                                                                               \
    M(QHBoxLayout, horizontalLayout_76)                                                                                \
    M(QLabel, label_110)                                                                                               \
    M(QSpacerItem, horizontalSpacer_22)                                                                                \
    M(QZELKDialogButton, BtnLogger_Download)                                                                           \
    M(QZELKDialogButton, BtnLogger_Delete)                                                                             \
    M(TTouchScrollArea, scrollAreaLogger)                                                                              \
    M(QWidget, scrollAreaLoggerContents)                                                                               \
    M(QVBoxLayout, verticalLayout_73)                                                                                  \
    M(QSpacerItem, verticalSpacer_31)

// PageDownload: page 14 of the main area, what to copy to or import from the USB stick. Nine
// choice rows at the top, the eject row held at the bottom by the spacer above it.
#define TAMARIND_MEMBERS_PageDownload(M)                                                                               \
    M(QWidget, PageDownload)                                                                                           \
    M(QVBoxLayout, verticalLayout_70)                                                                                  \
    M(QZELKContainerRadioButton, BtnDownload_Log)                                                                      \
    M(QHBoxLayout, horizontalLayout_60)                                                                                \
    M(QLabel, LblDownload_Log)                                                                                         \
    M(QZELKContainerRadioButton, BtnDownload_CalFiles)                                                                 \
    M(QHBoxLayout, horizontalLayout_130)                                                                               \
    M(QLabel, LblDownload_CalFiles)                                                                                    \
    M(QZELKContainerRadioButton, BtnDownload_Screen)                                                                   \
    M(QHBoxLayout, horizontalLayout_62)                                                                                \
    M(QLabel, LblDownload_Screen)                                                                                      \
    M(QZELKContainerRadioButton, BtnDownload_MeasProbes)                                                               \
    M(QHBoxLayout, horizontalLayout_63)                                                                                \
    M(QLabel, LblDownload_MeasProbes)                                                                                  \
    M(QZELKContainerRadioButton, BtnDownload_SmartProbes)                                                              \
    M(QHBoxLayout, horizontalLayout_64)                                                                                \
    M(QLabel, LblDownload_SmartProbes)                                                                                 \
    M(QZELKContainerRadioButton, BtnDownload_AllProbes)                                                                \
    M(QHBoxLayout, horizontalLayout_72)                                                                                \
    M(QLabel, LblDownload_AllProbes)                                                                                   \
    M(QZELKContainerRadioButton, BtnDownload_InstrumentDetails)                                                        \
    M(QHBoxLayout, horizontalLayout_139)                                                                               \
    M(QLabel, LblDownload_InstrumentDetails)                                                                           \
    M(QZELKContainerRadioButton, BtnDownload_ProbeCoefficients)                                                        \
    M(QHBoxLayout, horizontalLayout_140)                                                                               \
    M(QLabel, LblDownload_ProbeCoefficients)                                                                           \
    M(QZELKContainerRadioButton, BtnDownload_ImportProbeCoeffs)                                                        \
    M(QHBoxLayout, horizontalLayout_107)                                                                               \
    M(QLabel, LblDownload_ImportProbeCoeffs)                                                                           \
    M(QSpacerItem, verticalSpacer_29)                                                                                  \
    M(QZELKContainerRadioButton, BtnDownload_Eject)                                                                    \
    M(QHBoxLayout, horizontalLayout_74)                                                                                \
    M(QLabel, LblDownload_Eject)

// PageDownloadListMain: page 15 of the main area, the files of the chosen kind under their caption;
// the download screens fill the list ahead of its final spacer.
#define TAMARIND_MEMBERS_PageDownloadListMain(M)                                                                       \
    M(QWidget, PageDownloadListMain)                                                                                   \
    M(QVBoxLayout, verticalLayout_113)                                                                                 \
    M(QLabel, LblDownloadListCaption)                                                                                  \
    M(TTouchScrollArea, scrollAreaDownloadList)                                                                        \
    M(QWidget, scrollAreaDownloadListWidget)                                                                           \
    M(QVBoxLayout, verticalLayout_72)                                                                                  \
    M(QSpacerItem, verticalSpacer_30)

// PageDownloadList: page 22 of the menu area, what to do with the listed files.
#define TAMARIND_MEMBERS_PageDownloadList(M)                                                                           \
    M(QWidget, PageDownloadList)                                                                                       \
    M(QVBoxLayout, verticalLayout_71)                                                                                  \
    M(QZELKDialogButton, BtnDownload_SelectAll)                                                                        \
    M(QZELKDialogButton, BtnDownload_DeselectAll)                                                                      \
    M(QZELKDialogButton, BtnDownload_Download)                                                                         \
    M(QZELKDialogButton, BtnDownload_Delete)                                                                           \
    M(QSpacerItem, verticalSpacer_58)

// PageLogfile: page 23 of the menu area, the lines of an opened log file, which the logger places
// ahead of the final spacer.
#define TAMARIND_MEMBERS_PageLogfile(M)                                                                                \
    M(QWidget, PageLogfile)                                                                                            \
    M(QVBoxLayout, verticalLayout_76)                                                                                  \
    M(TTouchScrollArea, scrollAreaLogfileContent)                                                                      \
    M(QWidget, scrollAreaLogfileContentWidget)                                                                         \
    M(QVBoxLayout, verticalLayout_74)                                                                                  \
    M(QSpacerItem, verticalSpacer_32)

// PageLoggerMode: page 24 of the menu area, automatic or manual logging. The logger shows the
// caption of the checked row as the mode, so each row holds that one label only.
#define TAMARIND_MEMBERS_PageLoggerMode(M)                                                                             \
    M(QWidget, PageLoggerMode)                                                                                         \
    M(QVBoxLayout, verticalLayout_22)                                                                                  \
    M(QZELKContainerRadioButton, BtnLogModeAutomatic)                                                                  \
    M(QHBoxLayout, horizontalLayout_135)                                                                               \
    M(QLabel, LblBacklightOff_10s_2)                                                                                   \
    M(QZELKContainerRadioButton, BtnLogModeManual)                                                                     \
    M(QHBoxLayout, horizontalLayout_136)                                                                               \
    M(QLabel, LblBacklightOff_10s_3)                                                                                   \
    M(QSpacerItem, verticalSpacer_10)

// PageLoggerStartTime: page 25 of the menu area, a delayed start on or off and its date and time.
#define TAMARIND_MEMBERS_PageLoggerStartTime(M)                                                                        \
    M(QWidget, PageLoggerStartTime)                                                                                    \
    M(QVBoxLayout, verticalLayout_23)                                                                                  \
    M(QWidget, widget_21)                                                                                              \
    M(QHBoxLayout, horizontalLayout_77)                                                                                \
    M(QZELKContainerRadioButton, BtnLog_StartTime_On)                                                                  \
    M(QHBoxLayout, horizontalLayout_78)                                                                                \
    M(QLabel, LblBacklightOff_10s_6)                                                                                   \
    M(QZELKContainerRadioButton, BtnLog_StartTime_Off)                                                                 \
    M(QHBoxLayout, horizontalLayout_81)                                                                                \
    M(QLabel, LblBacklightOff_10s_7)                                                                                   \
    M(QWidget, WgtLogStartTime)                                                                                        \
    M(QVBoxLayout, verticalLayout_24)                                                                                  \
    M(QGridLayout, gridLayout_12)                                                                                      \
    M(QLabel, label_111)                                                                                               \
    M(QLabel, LblLoggerStart_DateFormat)                                                                               \
    M(QGridLayout, gridLayout_32)                                                                                      \
    M(QZELKDialogButton, BtnLog_StartTime_DateYear)                                                                    \
    M(QGridLayout, gridLayout_196)                                                                                     \
    M(QZELKDialogButton, BtnLog_StartTime_DateVal2)                                                                    \
    M(QZELKDialogButton, BtnLog_StartTime_DateVal1)                                                                    \
    M(QGridLayout, gridLayout_203)                                                                                     \
    M(QLabel, label_112)                                                                                               \
    M(QGridLayout, gridLayout_201)                                                                                     \
    M(QZELKDialogButton, BtnLog_StartTime_Hours)                                                                       \
    M(QZELKDialogButton, BtnLog_StartTime_Minutes)                                                                     \
    M(QWidget, widget_22)                                                                                              \
    M(QHBoxLayout, horizontalLayout_82)                                                                                \
    M(QZELKContainerRadioButton, BtnLog_StartTime_24h)                                                                 \
    M(QHBoxLayout, horizontalLayout_137)                                                                               \
    M(QLabel, LblSettings_Language_6)                                                                                  \
    M(QZELKContainerRadioButton, BtnLog_StartTime_AM)                                                                  \
    M(QHBoxLayout, horizontalLayout_138)                                                                               \
    M(QLabel, LblSettings_Language_7)                                                                                  \
    M(QZELKContainerRadioButton, BtnLog_StartTime_PM)                                                                  \
    M(QHBoxLayout, horizontalLayout_141)                                                                               \
    M(QLabel, LblLog_StartTime_PM)                                                                                     \
    M(QSpacerItem, verticalSpacer_33)

// PageLogInterval: page 26 of the menu area, the logging interval in seconds.
#define TAMARIND_MEMBERS_PageLogInterval(M)                                                                            \
    M(QWidget, PageLogInterval)                                                                                        \
    M(QVBoxLayout, verticalLayout_75)                                                                                  \
    M(QLabel, label_113)                                                                                               \
    M(QZELKDialogButton, BtnLogIntervalValue)                                                                          \
    M(QSpacerItem, verticalSpacer_34)

// PageLogDuration: page 27 of the menu area, a limited duration on or off and its days, hours and
// minutes.
#define TAMARIND_MEMBERS_PageLogDuration(M)                                                                            \
    M(QWidget, PageLogDuration)                                                                                        \
    M(QVBoxLayout, verticalLayout_77)                                                                                  \
    M(QWidget, widget_23)                                                                                              \
    M(QHBoxLayout, horizontalLayout_142)                                                                               \
    M(QZELKContainerRadioButton, BtnLog_DurationOn)                                                                    \
    M(QHBoxLayout, horizontalLayout_143)                                                                               \
    M(QLabel, LblBacklightOff_10s_8)                                                                                   \
    M(QZELKContainerRadioButton, BtnLog_DurationOff)                                                                   \
    M(QHBoxLayout, horizontalLayout_145)                                                                               \
    M(QLabel, LblBacklightOff_10s_9)                                                                                   \
    M(QWidget, WgtLogDuration)                                                                                         \
    M(QHBoxLayout, horizontalLayout_79)                                                                                \
    M(QZELKDialogButton, BtnLog_DurationDays)                                                                          \
    M(QLabel, label_28)                                                                                                \
    M(QZELKDialogButton, BtnLog_DurationHours)                                                                         \
    M(QLabel, label_29)                                                                                                \
    M(QZELKDialogButton, BtnLog_DurationMinutes)                                                                       \
    M(QLabel, label_30)                                                                                                \
    M(QSpacerItem, verticalSpacer_35)
