#pragma once

// Members of the form for the settings overview and the setting pages it opens: alarm, decimal separator, backlight,
// brightness, clock, sound and recalibration cycle.
// How the form is written is told in tamarindmainform_ui.h.

#include "touchscrollarea.h"
#include "zelkdialogbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// PageSettings: page 6 of the main area. The general, display and probe settings as clickable rows,
// each with its current value at the right, in a touch scroll area that ends with its last row.
#define TAMARIND_MEMBERS_PageSettings(M)                                                                               \
    M(QWidget, PageSettings)                                                                                           \
    M(QVBoxLayout, verticalLayout_8)                                                                                   \
    M(TTouchScrollArea, scrollAreaSettings)                                                                            \
    M(QWidget, scrollAreaSettingsContents)                                                                             \
    M(QVBoxLayout, verticalLayout_16)                                                                                  \
    M(QLabel, label_2)                                                                                                 \
    M(QWidget, BtnSettings_Language)                                                                                   \
    M(QGridLayout, gridLayout_2)                                                                                       \
    M(QLabel, LblSettings_Language)                                                                                    \
    M(QHBoxLayout, horizontalLayout_31)                                                                                \
    M(QSpacerItem, horizontalSpacer_13)                                                                                \
    M(QLabel, LblSelectedLanguageFlag)                                                                                 \
    M(QLabel, LblSelectedLanguage)                                                                                     \
    M(QWidget, BtnSettings_BacklightOff)                                                                               \
    M(QGridLayout, gridLayout_5)                                                                                       \
    M(QLabel, LblSettings_BacklightOff)                                                                                \
    M(QLabel, LblSelectedBacklightOff)                                                                                 \
    M(QWidget, BtnSettings_Brightness)                                                                                 \
    M(QGridLayout, gridLayout_6)                                                                                       \
    M(QLabel, LblSettings_Brightness)                                                                                  \
    M(QLabel, LblSelectedBrightness)                                                                                   \
    M(QWidget, BtnSettings_Time)                                                                                       \
    M(QGridLayout, gridLayout_7)                                                                                       \
    M(QLabel, LblSettings_TimeValue)                                                                                   \
    M(QLabel, LblSettings_Time)                                                                                        \
    M(QWidget, BtnSettings_Sound)                                                                                      \
    M(QGridLayout, gridLayout_33)                                                                                      \
    M(QLabel, LblSettings_Sound)                                                                                       \
    M(QLabel, LblSettings_SoundValue)                                                                                  \
    M(QWidget, BtnSettings_DataSeparator)                                                                              \
    M(QGridLayout, gridLayout_9)                                                                                       \
    M(QLabel, LblSettings_DataSeparator)                                                                               \
    M(QLabel, LblSelectedDecimalSeparator)                                                                             \
    M(QWidget, BtnSettings_FactoryReset)                                                                               \
    M(QGridLayout, gridLayout_10)                                                                                      \
    M(QLabel, LblSettings_FactoryReset)                                                                                \
    M(QLabel, label_10)                                                                                                \
    M(QWidget, BtnSettings_AvgValue)                                                                                   \
    M(QGridLayout, gridLayout_11)                                                                                      \
    M(QLabel, LblSettings_AvgValue)                                                                                    \
    M(QLabel, LblSelectedAvgValSampleCount)                                                                            \
    M(QLabel, label_16)                                                                                                \
    M(QWidget, BtnSettings_StandardProbeSettings)                                                                      \
    M(QGridLayout, gridLayout_13)                                                                                      \
    M(QLabel, LblSettings_StandardProbeSettings)                                                                       \
    M(QWidget, BtnSettings_AlarmForProbes)                                                                             \
    M(QGridLayout, gridLayout_14)                                                                                      \
    M(QLabel, LblSettings_AlarmForProbes)                                                                              \
    M(QLabel, LblSettings_AlarmForProbes_Val)

// PageBacklightOff: page 2 of the menu area, the five times after which the backlight goes off.
#define TAMARIND_MEMBERS_PageBacklightOff(M)                                                                           \
    M(QWidget, PageBacklightOff)                                                                                       \
    M(QVBoxLayout, verticalLayout_10)                                                                                  \
    M(QWidget, BtnBacklightOff_Off)                                                                                    \
    M(QHBoxLayout, horizontalLayout_24)                                                                                \
    M(QLabel, LblBacklightOff_Off)                                                                                     \
    M(QWidget, BtnBacklightOff_10s)                                                                                    \
    M(QHBoxLayout, horizontalLayout_25)                                                                                \
    M(QLabel, LblBacklightOff_10s)                                                                                     \
    M(QWidget, BtnBacklightOff_30s)                                                                                    \
    M(QHBoxLayout, horizontalLayout_26)                                                                                \
    M(QLabel, LblBacklightOff_30s)                                                                                     \
    M(QWidget, BtnBacklightOff_60s)                                                                                    \
    M(QHBoxLayout, horizontalLayout_27)                                                                                \
    M(QLabel, LblBacklightOff_60s)                                                                                     \
    M(QWidget, BtnBacklightOff_120s)                                                                                   \
    M(QHBoxLayout, horizontalLayout_28)                                                                                \
    M(QLabel, LblBacklightOff_120s)                                                                                    \
    M(QSpacerItem, verticalSpacer_3)

// PageBrightness: page 3 of the menu area. Left without a layout: the main window installs its own
// with the brightness control.
#define TAMARIND_MEMBERS_PageBrightness(M) M(QWidget, PageBrightness)

// PageTime: page 4 of the menu area, the date and time fields and their formats.
#define TAMARIND_MEMBERS_PageTime(M)                                                                                   \
    M(QWidget, PageTime)                                                                                               \
    M(QVBoxLayout, verticalLayout_12)                                                                                  \
    M(QLabel, label_20)                                                                                                \
    M(QGridLayout, gridLayout_21)                                                                                      \
    M(QZELKDialogButton, BtnSetDate_Year)                                                                              \
    M(QGridLayout, gridLayout_27)                                                                                      \
    M(QZELKDialogButton, BtnSetDate_Val2)                                                                              \
    M(QZELKDialogButton, BtnSetDate_Val1)                                                                              \
    M(QLabel, label_19)                                                                                                \
    M(QVBoxLayout, verticalLayout_14)                                                                                  \
    M(QWidget, BtnSetDate_FormatDDMM)                                                                                  \
    M(QGridLayout, gridLayout_23)                                                                                      \
    M(QLabel, LblSettings_Language_4)                                                                                  \
    M(QWidget, BtnSetDate_FormatMMDD)                                                                                  \
    M(QGridLayout, gridLayout_24)                                                                                      \
    M(QLabel, LblSettings_Language_5)                                                                                  \
    M(QLabel, label_18)                                                                                                \
    M(QGridLayout, gridLayout_15)                                                                                      \
    M(QZELKDialogButton, BtnSetTime_Hours)                                                                             \
    M(QZELKDialogButton, BtnSetTime_Minutes)                                                                           \
    M(QLabel, label_17)                                                                                                \
    M(QGridLayout, gridLayout_16)                                                                                      \
    M(QWidget, BtnSetTime_24h)                                                                                         \
    M(QGridLayout, gridLayout_18)                                                                                      \
    M(QLabel, LblSettings_Language_2)                                                                                  \
    M(QGridLayout, gridLayout_17)                                                                                      \
    M(QWidget, BtnSetTime_PM)                                                                                          \
    M(QGridLayout, gridLayout_20)                                                                                      \
    M(QLabel, LblSetTime_PM)                                                                                           \
    M(QWidget, BtnSetTime_AM)                                                                                          \
    M(QGridLayout, gridLayout_19)                                                                                      \
    M(QLabel, LblSettings_Language_3)                                                                                  \
    M(QSpacerItem, verticalSpacer_5)

// PageSound: page 5 of the menu area, keystroke and alarm sound on or off.
#define TAMARIND_MEMBERS_PageSound(M)                                                                                  \
    M(QWidget, PageSound)                                                                                              \
    M(QVBoxLayout, verticalLayout_17)                                                                                  \
    M(QLabel, label_22)                                                                                                \
    M(QGridLayout, gridLayout_22)                                                                                      \
    M(QWidget, BtnSoundKeys_on)                                                                                        \
    M(QGridLayout, gridLayout_25)                                                                                      \
    M(QLabel, LblSoundKeys_on)                                                                                         \
    M(QWidget, BtnSoundKeys_off)                                                                                       \
    M(QGridLayout, gridLayout_26)                                                                                      \
    M(QLabel, LblSoundKeys_off)                                                                                        \
    M(QLabel, label_23)                                                                                                \
    M(QGridLayout, gridLayout_28)                                                                                      \
    M(QWidget, BtnSoundAlarm_on)                                                                                       \
    M(QGridLayout, gridLayout_29)                                                                                      \
    M(QLabel, LblSoundAlarm_on)                                                                                        \
    M(QWidget, BtnSoundAlarm_off)                                                                                      \
    M(QGridLayout, gridLayout_30)                                                                                      \
    M(QLabel, LblSoundAlarm_off)                                                                                       \
    M(QSpacerItem, verticalSpacer_2)

// PageAlarmForProbes: page 6 of the menu area, the alarm for probes outside their range on or off.
#define TAMARIND_MEMBERS_PageAlarmForProbes(M)                                                                         \
    M(QWidget, PageAlarmForProbes)                                                                                     \
    M(QVBoxLayout, verticalLayout_78)                                                                                  \
    M(QGridLayout, gridLayout_127)                                                                                     \
    M(QWidget, BtnProbeAlarms_On)                                                                                      \
    M(QGridLayout, gridLayout_160)                                                                                     \
    M(QLabel, LblProbeAlarms_On)                                                                                       \
    M(QWidget, BtnProbeAlarms_Off)                                                                                     \
    M(QGridLayout, gridLayout_210)                                                                                     \
    M(QLabel, LblProbeAlarms_Off)                                                                                      \
    M(QSpacerItem, verticalSpacer_36)

// PageDataSeparator: page 7 of the menu area, the decimal separator, point or comma.
#define TAMARIND_MEMBERS_PageDataSeparator(M)                                                                          \
    M(QWidget, PageDataSeparator)                                                                                      \
    M(QVBoxLayout, verticalLayout_11)                                                                                  \
    M(QWidget, BtnDecSep_Point)                                                                                        \
    M(QHBoxLayout, horizontalLayout_29)                                                                                \
    M(QLabel, LblDecSep_Point)                                                                                         \
    M(QWidget, BtnDecSep_Comma)                                                                                        \
    M(QHBoxLayout, horizontalLayout_30)                                                                                \
    M(QLabel, LblDecSep_Comma)                                                                                         \
    M(QSpacerItem, verticalSpacer_4)

// PageRecalCycle: page 37 of the menu area, the recalibration cycle in months and the next
// calibration date of each calibrated reference and channel.
#define TAMARIND_MEMBERS_PageRecalCycle(M)                                                                             \
    M(QWidget, PageRecalCycle)                                                                                         \
    M(QVBoxLayout, verticalLayout_103)                                                                                 \
    M(QLabel, label_167)                                                                                               \
    M(QZELKDialogButton, BtnRecalCycle)                                                                                \
    M(QLabel, label_170)                                                                                               \
    M(QGridLayout, gridLayout_287)                                                                                     \
    M(QLabel, label_178)                                                                                               \
    M(QLabel, label_182)                                                                                               \
    M(QLabel, label_181)                                                                                               \
    M(QLabel, label_180)                                                                                               \
    M(QLabel, LblLastCal_100R)                                                                                         \
    M(QLabel, LblLastCal_25R)                                                                                          \
    M(QLabel, label_177)                                                                                               \
    M(QLabel, LblLastCal_TC4)                                                                                          \
    M(QLabel, LblLastCal_TC3)                                                                                          \
    M(QLabel, LblLastCal_CJC_Chan3)                                                                                    \
    M(QLabel, label_171)                                                                                               \
    M(QLabel, LblLastCal_10kR)                                                                                         \
    M(QLabel, LblLastCal_100kR)                                                                                        \
    M(QLabel, label_179)                                                                                               \
    M(QLabel, label_185)                                                                                               \
    M(QLabel, LblLastCal_CJC_Chan4)                                                                                    \
    M(QLabel, label_200)                                                                                               \
    M(QLabel, LblLastCal_TC_Ext)                                                                                       \
    M(QSpacerItem, verticalSpacer_54)

// The clickable rows and dark choice buttons that the settings, selection and channel configuration
// pages build alike.
namespace Setting_rows
{

// A clickable row on pParent with its layout (a grid, or a horizontal box) and its caption label in
// the layout's first cell; the caller puts the row into its list or grid.
void buildRow(QWidget* pParent, QWidget*& oRow, QGridLayout*& oLayout, QLabel*& oCaption, const char* pRowName,
              const char* pLayoutName, const char* pCaptionName);
void buildRow(QWidget* pParent, QWidget*& oRow, QHBoxLayout*& oLayout, QLabel*& oCaption, const char* pRowName,
              const char* pLayoutName, const char* pCaptionName);

// The current value at the right of a row (row 0, column 1 of its grid): empty until the service
// that owns the setting writes it.
QLabel* newValueLabel(QGridLayout* pRowLayout, const char* pName);

// A dark dialog button of a page, at least 34 pixels high, that takes its look from the page and
// root sheets.
QZELKDialogButton* newChoiceButton(QWidget* pParent, const char* pName);

} // namespace Setting_rows
