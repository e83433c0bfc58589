#pragma once

// Members of the form for the graph pages and the scan pages.
// How the form is written is told in tamarindmainform_ui.h.

#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"
#include "zelkpushbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

#include <qwt_plot.h>

// Page2DPlot: page 5 of the main area, the graph. Ten channel buttons in two rows above the plot,
// with the unit and refresh buttons at its left.
#define TAMARIND_MEMBERS_Page2DPlot(M)                                                                                 \
    M(QWidget, Page2DPlot)                                                                                             \
    M(QVBoxLayout, verticalLayout_64)                                                                                  \
    M(QGridLayout, gridLayout_183)                                                                                     \
    M(QZELKPushButton, Btn2DPlot_Chan9)                                                                                \
    M(QZELKPushButton, Btn2DPlot_Chan7)                                                                                \
    M(QZELKPushButton, Btn2DPlot_Chan8)                                                                                \
    M(QZELKPushButton, Btn2DPlot_Chan5)                                                                                \
    M(QZELKPushButton, Btn2DPlot_Chan4)                                                                                \
    M(QZELKPushButton, Btn2DPlot_Chan3)                                                                                \
    M(QZELKPushButton, Btn2DPlot_Chan1)                                                                                \
    M(QZELKPushButton, Btn2DPlot_Chan10)                                                                               \
    M(QZELKPushButton, Btn2DPlot_Chan6)                                                                                \
    M(QZELKPushButton, Btn2DPlot_Chan2)                                                                                \
    M(QHBoxLayout, horizontalLayout_56)                                                                                \
    M(QVBoxLayout, verticalLayout_68)                                                                                  \
    M(QZELKDialogButton, Btn2DPlot_Unit)                                                                               \
    M(QSpacerItem, verticalSpacer_27)                                                                                  \
    M(QZELKDialogButton, BtnGraphRefresh)                                                                              \
    M(QwtPlot, qwtPlot)

// PageScan: page 8 of the main area. The channel configuration rows and the hold time of scan
// mode, its Start and Stop buttons, and the view shown while scanning.
#define TAMARIND_MEMBERS_PageScan(M)                                                                                   \
    M(QWidget, PageScan)                                                                                               \
    M(QVBoxLayout, verticalLayout_40)                                                                                  \
    M(QLabel, label_31)                                                                                                \
    M(QWidget, BtnChanConf_ZTM8800)                                                                                    \
    M(QGridLayout, gridLayout_61)                                                                                      \
    M(QLabel, LblChanConf_ZTM8800_Value)                                                                               \
    M(QLabel, LblChanConf_ZTM8800)                                                                                     \
    M(QWidget, BtnChanConf_Mod1)                                                                                       \
    M(QGridLayout, gridLayout_65)                                                                                      \
    M(QLabel, LblChanConf_Mod1_Value)                                                                                  \
    M(QLabel, LblChanConf_Mod1)                                                                                        \
    M(QWidget, BtnChanConf_Mod2)                                                                                       \
    M(QGridLayout, gridLayout_66)                                                                                      \
    M(QLabel, LblChanConf_Mod2_Value)                                                                                  \
    M(QLabel, LblChanConf_Mod2)                                                                                        \
    M(QWidget, BtnChanConf_Mod3)                                                                                       \
    M(QGridLayout, gridLayout_67)                                                                                      \
    M(QLabel, LblChanConf_Mod3_Value)                                                                                  \
    M(QLabel, LblChanConf_Mod3)                                                                                        \
    M(QWidget, BtnChanConf_Mod4)                                                                                       \
    M(QGridLayout, gridLayout_68)                                                                                      \
    M(QLabel, LblChanConf_Mod4_Value)                                                                                  \
    M(QLabel, LblChanConf_Mod4)                                                                                        \
    M(QWidget, BtnChanConf_HoldTime)                                                                                   \
    M(QGridLayout, gridLayout_69)                                                                                      \
    M(QLabel, LblChanConf_HoldTime_Value)                                                                              \
    M(QLabel, LblChanConf_HoldTime)                                                                                    \
    M(QHBoxLayout, horizontalLayout_46)                                                                                \
    M(QSpacerItem, horizontalSpacer_18)                                                                                \
    M(QZELKDialogButton, BtnScan_Start)                                                                                \
    M(QZELKDialogButton, BtnScan_Stop)                                                                                 \
    M(QLabel, label_32)                                                                                                \
    M(QWidget, BtnChanConf_View)                                                                                       \
    M(QGridLayout, gridLayout_70)                                                                                      \
    M(QLabel, LblChanConf_View_Value)                                                                                  \
    M(QLabel, LblChanConf_View)                                                                                        \
    M(QZELKDialogButton, BtnScan_ShowView)                                                                             \
    M(QSpacerItem, verticalSpacer_18)

// PageGraphUnitAndScale: page 12 of the menu area. The unit of the graph and its automatic or
// custom vertical scale.
#define TAMARIND_MEMBERS_PageGraphUnitAndScale(M)                                                                      \
    M(QWidget, PageGraphUnitAndScale)                                                                                  \
    M(QVBoxLayout, verticalLayout_69)                                                                                  \
    M(QLabel, label_35)                                                                                                \
    M(QWidget, widget_20)                                                                                              \
    M(QVBoxLayout, verticalLayout_117)                                                                                 \
    M(QZELKContainerRadioButton, BtnGraphUnit_C)                                                                       \
    M(QVBoxLayout, verticalLayout_122)                                                                                 \
    M(QLabel, LblSettings_BacklightOff_30)                                                                             \
    M(QZELKContainerRadioButton, BtnGraphUnit_F)                                                                       \
    M(QVBoxLayout, verticalLayout_123)                                                                                 \
    M(QLabel, LblSettings_BacklightOff_28)                                                                             \
    M(QZELKContainerRadioButton, BtnGraphUnit_K)                                                                       \
    M(QVBoxLayout, verticalLayout_124)                                                                                 \
    M(QLabel, LblSettings_BacklightOff_31)                                                                             \
    M(QZELKContainerRadioButton, BtnGraphUnit_Ohm)                                                                     \
    M(QVBoxLayout, verticalLayout_125)                                                                                 \
    M(QLabel, LblSettings_BacklightOff_32)                                                                             \
    M(QZELKContainerRadioButton, BtnGraphUnit_mV)                                                                      \
    M(QVBoxLayout, verticalLayout_126)                                                                                 \
    M(QLabel, LblSettings_BacklightOff_33)                                                                             \
    M(QLabel, label_67)                                                                                                \
    M(QGridLayout, gridLayout_193)                                                                                     \
    M(QRadioButton, RbGraphScale_Auto)                                                                                 \
    M(QRadioButton, RbGraphScale_Custom)                                                                               \
    M(QWidget, WgtCustomScale)                                                                                         \
    M(QGridLayout, gridLayout_192)                                                                                     \
    M(QLabel, label)                                                                                                   \
    M(QLabel, label_11)                                                                                                \
    M(QZELKDialogButton, BtnGraphScale_Max)                                                                            \
    M(QZELKDialogButton, BtnGraphScale_Min)                                                                            \
    M(QSpacerItem, verticalSpacer_28)

// PageScanView: page 17 of the menu area. The choice of the view shown while scanning.
#define TAMARIND_MEMBERS_PageScanView(M)                                                                               \
    M(QWidget, PageScanView)                                                                                           \
    M(QVBoxLayout, verticalLayout_42)                                                                                  \
    M(QWidget, BtnChanConf_Scan)                                                                                       \
    M(QGridLayout, gridLayout_76)                                                                                      \
    M(QLabel, LblChanConf_ZTM8800_6)                                                                                   \
    M(QWidget, BtnChanConf_Calibration)                                                                                \
    M(QGridLayout, gridLayout_77)                                                                                      \
    M(QLabel, LblChanConf_ZTM8800_7)                                                                                   \
    M(QWidget, BtnChanConf_Graph)                                                                                      \
    M(QGridLayout, gridLayout_78)                                                                                      \
    M(QLabel, LblChanConf_ZTM8800_8)                                                                                   \
    M(QSpacerItem, verticalSpacer_20)
