#pragma once

// Members of the form for the selection pages: average value, unit, channel, probe, and probe or unit.
// How the form is written is told in tamarindmainform_ui.h.

#include "touchscrollarea.h"
#include "zelkdialogbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// PageAverageValue: page 8 of the menu area, the sample count of the moving average.
#define TAMARIND_MEMBERS_PageAverageValue(M)                                                                           \
    M(QWidget, PageAverageValue)                                                                                       \
    M(QVBoxLayout, verticalLayout_15)                                                                                  \
    M(QLabel, label_21)                                                                                                \
    M(QZELKDialogButton, BtnAvgSampleCount)                                                                            \
    M(QSpacerItem, verticalSpacer_7)

// PageUnitSelection: page 11 of the menu area, one button per unit; the selected one is flat.
#define TAMARIND_MEMBERS_PageUnitSelection(M)                                                                          \
    M(QWidget, PageUnitSelection)                                                                                      \
    M(QVBoxLayout, verticalLayout_26)                                                                                  \
    M(QZELKDialogButton, btnUnitSelCelcius)                                                                            \
    M(QZELKDialogButton, btnUnitSelFahrenheit)                                                                         \
    M(QZELKDialogButton, btnUnitSelKelvin)                                                                             \
    M(QZELKDialogButton, btnUnitSelOhm)                                                                                \
    M(QZELKDialogButton, btnUnitSelMilliVolt)                                                                          \
    M(QSpacerItem, verticalSpacer_12)

// PageChannelSelection: page 13 of the menu area, the four inputs, the five derived channels and
// the operands X and Y, each a clickable row in a touch scroll area.
#define TAMARIND_MEMBERS_PageChannelSelection(M)                                                                       \
    M(QWidget, PageChannelSelection)                                                                                   \
    M(QVBoxLayout, verticalLayout_27)                                                                                  \
    M(TTouchScrollArea, scrollAreaChanSel)                                                                             \
    M(QWidget, scrollAreaChanSelContents)                                                                              \
    M(QVBoxLayout, verticalLayout_28)                                                                                  \
    M(QWidget, BtnChanSel_1)                                                                                           \
    M(QGridLayout, gridLayout_37)                                                                                      \
    M(QLabel, LblSettings_BacklightOff_5)                                                                              \
    M(QWidget, BtnChanSel_2)                                                                                           \
    M(QGridLayout, gridLayout_38)                                                                                      \
    M(QLabel, LblSettings_BacklightOff_6)                                                                              \
    M(QWidget, BtnChanSel_3)                                                                                           \
    M(QGridLayout, gridLayout_39)                                                                                      \
    M(QLabel, LblSettings_BacklightOff_7)                                                                              \
    M(QWidget, BtnChanSel_4)                                                                                           \
    M(QGridLayout, gridLayout_40)                                                                                      \
    M(QLabel, LblSettings_BacklightOff_8)                                                                              \
    M(QWidget, BtnChanSel_Reciprocal)                                                                                  \
    M(QGridLayout, gridLayout_176)                                                                                     \
    M(QLabel, LblSettings_BacklightOff_18)                                                                             \
    M(QWidget, BtnChanSel_Sum)                                                                                         \
    M(QGridLayout, gridLayout_177)                                                                                     \
    M(QLabel, LblSettings_BacklightOff_19)                                                                             \
    M(QWidget, BtnChanSel_Diff)                                                                                        \
    M(QGridLayout, gridLayout_178)                                                                                     \
    M(QLabel, LblSettings_BacklightOff_24)                                                                             \
    M(QWidget, BtnChanSel_Product)                                                                                     \
    M(QGridLayout, gridLayout_179)                                                                                     \
    M(QLabel, LblSettings_BacklightOff_25)                                                                             \
    M(QWidget, BtnChanSel_Quotient)                                                                                    \
    M(QGridLayout, gridLayout_180)                                                                                     \
    M(QLabel, LblSettings_BacklightOff_26)                                                                             \
    M(QWidget, BtnChanSel_X)                                                                                           \
    M(QGridLayout, gridLayout_181)                                                                                     \
    M(QLabel, LblSettings_BacklightOff_27)                                                                             \
    M(QLabel, LblChanSel_X)                                                                                            \
    M(QWidget, BtnChanSel_Y)                                                                                           \
    M(QGridLayout, gridLayout_182)                                                                                     \
    M(QLabel, LblSettings_BacklightOff_29)                                                                             \
    M(QLabel, LblChanSel_Y)                                                                                            \
    M(QSpacerItem, verticalSpacer_13)

// PageProbeSelection: page 14 of the menu area, the five standard probes and, below "Stored probes"
// and its "+" button, the stored probes that the probe screens insert ahead of the final spacer.
#define TAMARIND_MEMBERS_PageProbeSelection(M)                                                                         \
    M(QWidget, PageProbeSelection)                                                                                     \
    M(QVBoxLayout, verticalLayout_3)                                                                                   \
    M(TTouchScrollArea, scrollAreaProbeSel)                                                                            \
    M(QWidget, scrollAreaProbeSelContents)                                                                             \
    M(QVBoxLayout, verticalLayout_31)                                                                                  \
    M(QLabel, label_8)                                                                                                 \
    M(QWidget, BtnDefProbe_3w_prt)                                                                                     \
    M(QGridLayout, gridLayout_50)                                                                                      \
    M(QLabel, LblDefProbe_3w_prt)                                                                                      \
    M(QWidget, BtnDefProbe_4w_prt)                                                                                     \
    M(QGridLayout, gridLayout_51)                                                                                      \
    M(QLabel, LblDefProbe_4w_prt)                                                                                      \
    M(QWidget, BtnDefProbe_sprt)                                                                                       \
    M(QGridLayout, gridLayout_58)                                                                                      \
    M(QLabel, LblDefProbe_sprt)                                                                                        \
    M(QWidget, BtnDefProbe_thermistor)                                                                                 \
    M(QGridLayout, gridLayout_59)                                                                                      \
    M(QLabel, LblDefProbe_thermistor)                                                                                  \
    M(QWidget, BtnDefProbe_thermocouple)                                                                               \
    M(QGridLayout, gridLayout_60)                                                                                      \
    M(QLabel, LblDefProbe_thermocouple)                                                                                \
    M(QHBoxLayout, horizontalLayout_32)                                                                                \
    M(QLabel, label_12)                                                                                                \
    M(QSpacerItem, horizontalSpacer_15)                                                                                \
    M(QZELKDialogButton, btnProbeSel_AddProbe)                                                                         \
    M(QSpacerItem, verticalSpacer_14)

// PageSelectProbeOrUnit: page 28 of the menu area, whether a tile of the multi-channel view changes
// its probe or its unit.
#define TAMARIND_MEMBERS_PageSelectProbeOrUnit(M)                                                                      \
    M(QWidget, PageSelectProbeOrUnit)                                                                                  \
    M(QVBoxLayout, verticalLayout_82)                                                                                  \
    M(QZELKDialogButton, BtnMultiChannelSubmenu_Probe)                                                                 \
    M(QZELKDialogButton, BtnMultiChannelSubmenu_Unit)                                                                  \
    M(QSpacerItem, verticalSpacer_39)
