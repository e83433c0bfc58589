#pragma once

// Members of the form for the channel configuration pages and the two calibrations of a channel (two-point and
// cold-junction offset).
// How the form is written is told in tamarindmainform_ui.h.

#include "touchscrollarea.h"
#include "zelkdialogbutton.h"

#include <QGridLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// PageChanConf_ZTM8800: page 15 of the menu area, the instrument's four inputs as tiles that scan
// mode steps through.
#define TAMARIND_MEMBERS_PageChanConf_ZTM8800(M)                                                                       \
    M(QWidget, PageChanConf_ZTM8800)                                                                                   \
    M(QVBoxLayout, verticalLayout_41)                                                                                  \
    M(QLabel, label_33)                                                                                                \
    M(QLabel, LblScanChanConf_Model)                                                                                   \
    M(QGridLayout, gridLayout_71)                                                                                      \
    M(QWidget, BtnChanConf_PRT2)                                                                                       \
    M(QGridLayout, gridLayout_73)                                                                                      \
    M(QLabel, LblChanConf_ZTM8800_3)                                                                                   \
    M(QWidget, BtnChanConf_PRT1)                                                                                       \
    M(QGridLayout, gridLayout_72)                                                                                      \
    M(QLabel, LblChanConf_ZTM8800_2)                                                                                   \
    M(QWidget, BtnChanConf_TC1)                                                                                        \
    M(QGridLayout, gridLayout_74)                                                                                      \
    M(QLabel, LblChanConf_ZTM8800_4)                                                                                   \
    M(QWidget, BtnChanConf_TC2)                                                                                        \
    M(QGridLayout, gridLayout_75)                                                                                      \
    M(QLabel, LblChanConf_ZTM8800_5)                                                                                   \
    M(QSpacerItem, verticalSpacer_19)

// PageChanConf_SwitchBoxes: page 16 of the menu area, the positions of one switch box. The scan
// screens fill gridLayout_294 with one check button per position and keep its spacer below them.
#define TAMARIND_MEMBERS_PageChanConf_SwitchBoxes(M)                                                                   \
    M(QWidget, PageChanConf_SwitchBoxes)                                                                               \
    M(QVBoxLayout, verticalLayout_79)                                                                                  \
    M(QLabel, LblChanConf_SwitchBox_Header)                                                                            \
    M(QWidget, widget_19)                                                                                              \
    M(QGridLayout, gridLayout_293)                                                                                     \
    M(QZELKDialogButton, BtnChanConf_SwitchBox_SelectAll)                                                              \
    M(QZELKDialogButton, BtnChanConf_SwitchBox_DeselectAll)                                                            \
    M(TTouchScrollArea, scrollAreaScanConfigSwitchBox)                                                                 \
    M(QWidget, scrollAreaScanConfigSwitchBoxContents)                                                                  \
    M(QGridLayout, gridLayout_294)                                                                                     \
    M(QSpacerItem, verticalSpacer_37)

// PageTwoPointCal: page 40 of the menu area, a two-point calibration item: its current data, the
// nominal and measured values of both points and the new offset and slope.
#define TAMARIND_MEMBERS_PageTwoPointCal(M)                                                                            \
    M(QWidget, PageTwoPointCal)                                                                                        \
    M(QVBoxLayout, verticalLayout_101)                                                                                 \
    M(QLabel, label_155)                                                                                               \
    M(QGridLayout, gridLayout_268)                                                                                     \
    M(QLabel, Lbl2Cal_Slope)                                                                                           \
    M(QLabel, Lbl2Cal_Offset)                                                                                          \
    M(QLabel, label_156)                                                                                               \
    M(QLabel, label_158)                                                                                               \
    M(QLabel, Lbl2Cal_LastCalDate)                                                                                     \
    M(QLabel, label_157)                                                                                               \
    M(QLabel, label_159)                                                                                               \
    M(QLabel, Lbl2Cal_NextCalDate)                                                                                     \
    M(QLabel, label_160)                                                                                               \
    M(QGridLayout, gridLayout_269)                                                                                     \
    M(QLabel, Lbl2Cal_NomLower)                                                                                        \
    M(QZELKDialogButton, Btn2Cal_NomLower)                                                                             \
    M(QLabel, Lbl2Cal_NomUpper)                                                                                        \
    M(QZELKDialogButton, Btn2Cal_NomUpper)                                                                             \
    M(QLabel, label_161)                                                                                               \
    M(QGridLayout, gridLayout_282)                                                                                     \
    M(QZELKDialogButton, Btn2Cal_MeasLower)                                                                            \
    M(QLabel, Lbl2Cal_MeasLower)                                                                                       \
    M(QLabel, Lbl2Cal_MeasUpper)                                                                                       \
    M(QZELKDialogButton, Btn2Cal_MeasUpper)                                                                            \
    M(QLabel, label_162)                                                                                               \
    M(QGridLayout, gridLayout_283)                                                                                     \
    M(QLabel, Lbl2Cal_NewOffset)                                                                                       \
    M(QLabel, label_163)                                                                                               \
    M(QLabel, label_164)                                                                                               \
    M(QLabel, Lbl2Cal_NewSlope)                                                                                        \
    M(QSpacerItem, verticalSpacer_52)

// PageCJCOffset: page 41 of the menu area, the cold-junction offset and the button that measures a
// new one.
#define TAMARIND_MEMBERS_PageCJCOffset(M)                                                                              \
    M(QWidget, PageCJCOffset)                                                                                          \
    M(QVBoxLayout, verticalLayout_102)                                                                                 \
    M(QLabel, label_165)                                                                                               \
    M(QGridLayout, gridLayout_284)                                                                                     \
    M(QLabel, label_166)                                                                                               \
    M(QLabel, LblCJCCal_Offset)                                                                                        \
    M(QLabel, label_168)                                                                                               \
    M(QLabel, label_169)                                                                                               \
    M(QLabel, LblCJCCal_LastCalDate)                                                                                   \
    M(QLabel, LblCJCCal_NextCalDate)                                                                                   \
    M(QLabel, label_174)                                                                                               \
    M(QGridLayout, gridLayout_286)                                                                                     \
    M(QLabel, label_176)                                                                                               \
    M(QZELKDialogButton, BtnCJCCal_MeasOffset)                                                                         \
    M(QSpacerItem, verticalSpacer_53)
