#pragma once

// Members of the form for the channel views: one, two, three and four channels, and the list of
// many channels. How the form is written is told in tamarindmainform_ui.h.

#include "touchscrollarea.h"
#include "zelkgreypanel.h"
#include "zelkpushbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// PageHome: page 0 of the main area, the single-channel view. One blue tile holds the channel
// button, the main value, the electrical value with the Freeze and unit buttons, and the probe,
// resolution and peak panels.
#define TAMARIND_MEMBERS_PageHome(M)                                                                                   \
    M(QWidget, PageHome)                                                                                               \
    M(QHBoxLayout, horizontalLayout_10)                                                                                \
    M(QWidget, widget)                                                                                                 \
    M(QVBoxLayout, verticalLayout_4)                                                                                   \
    M(QWidget, widget_2)                                                                                               \
    M(QGridLayout, gridLayout_246)                                                                                     \
    M(QZELKPushButton, btnSingleViewChanSel)                                                                           \
    M(QWidget, widget_3)                                                                                               \
    M(QLabel, lblSingleViewMainVal)                                                                                    \
    M(QHBoxLayout, horizontalLayout_5)                                                                                 \
    M(QZELKGreyPanel, pnlSingleViewCorrVal)                                                                            \
    M(QHBoxLayout, horizontalLayout_6)                                                                                 \
    M(QLabel, lblSingleViewCorrCaption)                                                                                \
    M(QLabel, lblSingleViewCorrVal)                                                                                    \
    M(QZELKPushButton, btnSingleViewFreeze)                                                                            \
    M(QZELKPushButton, btnSingleViewUnit)                                                                              \
    M(QZELKGreyPanel, pnlSingleViewProbe)                                                                              \
    M(QHBoxLayout, horizontalLayout_4)                                                                                 \
    M(QLabel, lblSingleViewProbe)                                                                                      \
    M(QLabel, lblSingleViewProbe_SmartFlag)                                                                            \
    M(QLabel, IconWarning_SingleChannelView)                                                                           \
    M(QZELKPushButton, btnSingleViewRoot2)                                                                             \
    M(QZELKPushButton, btnSingleViewProbe)                                                                             \
    M(QZELKGreyPanel, pnlSingleViewResolution)                                                                         \
    M(QHBoxLayout, horizontalLayout_3)                                                                                 \
    M(QZELKPushButton, btnSingleViewDecRes)                                                                            \
    M(QLabel, LblTime_3)                                                                                               \
    M(QZELKPushButton, btnSingleViewIncRes)                                                                            \
    M(QZELKGreyPanel, pnlSingleViewPeak)                                                                               \
    M(QHBoxLayout, horizontalLayout_2)                                                                                 \
    M(QLabel, LblTime_2)                                                                                               \
    M(QVBoxLayout, verticalLayout_25)                                                                                  \
    M(QLabel, lblSingleViewMax)                                                                                        \
    M(QLabel, lblSingleViewMin)                                                                                        \
    M(QZELKPushButton, btnSingleViewClearPeak)

// Page2ChannelView: page 1 of the main area. A blue tile above a green one, each with its channel
// button, main value, electrical value, Freeze and unit buttons and probe panel; below them the
// difference, resolution and peak panels that both channels share.
#define TAMARIND_MEMBERS_Page2ChannelView(M)                                                                           \
    M(QWidget, Page2ChannelView)                                                                                       \
    M(QVBoxLayout, verticalLayout_36)                                                                                  \
    M(QWidget, Wgt2ChanViewTop)                                                                                        \
    M(QVBoxLayout, verticalLayout_34)                                                                                  \
    M(QWidget, widget_6)                                                                                               \
    M(QHBoxLayout, horizontalLayout_35)                                                                                \
    M(QVBoxLayout, verticalLayout_38)                                                                                  \
    M(QZELKPushButton, Btn2ChanViewChannelSel_Top)                                                                     \
    M(QSpacerItem, verticalSpacer_16)                                                                                  \
    M(QLabel, Lbl2ChanViewMainValue_Top)                                                                               \
    M(QHBoxLayout, horizontalLayout_36)                                                                                \
    M(QZELKGreyPanel, Pnl2ChanViewCorrVal_Top)                                                                         \
    M(QHBoxLayout, horizontalLayout_37)                                                                                \
    M(QLabel, Lbl2ChanViewCorValCaption_Top)                                                                           \
    M(QLabel, Lbl2ChanViewCorVal_Top)                                                                                  \
    M(QZELKPushButton, Btn2ChanViewFreeze_Top)                                                                         \
    M(QZELKPushButton, Btn2ChanViewUnit_Top)                                                                           \
    M(QZELKGreyPanel, Pnl2ChanViewProbe_Top)                                                                           \
    M(QHBoxLayout, horizontalLayout_38)                                                                                \
    M(QLabel, lblSingleViewProbe_2)                                                                                    \
    M(QLabel, lbl2ChanViewProbe_SmartFlag_Top)                                                                         \
    M(QLabel, IconWarning_2ChannelView_Top)                                                                            \
    M(QZELKPushButton, Btn2ChanViewRoot2_Top)                                                                          \
    M(QZELKPushButton, Btn2ChanViewProbe_Top)                                                                          \
    M(QWidget, Wgt2ChanViewBtm)                                                                                        \
    M(QVBoxLayout, verticalLayout_37)                                                                                  \
    M(QWidget, widget_7)                                                                                               \
    M(QHBoxLayout, horizontalLayout_41)                                                                                \
    M(QVBoxLayout, verticalLayout_39)                                                                                  \
    M(QZELKPushButton, Btn2ChanViewChannelSel_Btm)                                                                     \
    M(QSpacerItem, verticalSpacer_17)                                                                                  \
    M(QLabel, Lbl2ChanViewMainValue_Btm)                                                                               \
    M(QHBoxLayout, horizontalLayout_42)                                                                                \
    M(QZELKGreyPanel, Pnl2ChanViewCorrVal_Btm)                                                                         \
    M(QHBoxLayout, horizontalLayout_43)                                                                                \
    M(QLabel, Lbl2ChanViewCorValCaption_Btm)                                                                           \
    M(QLabel, Lbl2ChanViewCorVal_Btm)                                                                                  \
    M(QZELKPushButton, Btn2ChanViewFreeze_Btm)                                                                         \
    M(QZELKPushButton, Btn2ChanViewUnit_Btm)                                                                           \
    M(QZELKGreyPanel, Pnl2ChanViewProbe_Btm)                                                                           \
    M(QHBoxLayout, horizontalLayout_44)                                                                                \
    M(QLabel, lblSingleViewProbe_3)                                                                                    \
    M(QLabel, lbl2ChanViewProbe_SmartFlag_Bottom)                                                                      \
    M(QLabel, IconWarning_2ChannelView_Bottom)                                                                         \
    M(QZELKPushButton, Btn2ChanViewRoot2_Btm)                                                                          \
    M(QZELKPushButton, Btn2ChanViewProbe_Btm)                                                                          \
    M(QZELKGreyPanel, pnl2ChanViewDiff)                                                                                \
    M(QHBoxLayout, horizontalLayout_45)                                                                                \
    M(QLabel, Lbl2ChanViewDiffCaption)                                                                                 \
    M(QLabel, Lbl2ChanViewDiffValue)                                                                                   \
    M(QZELKPushButton, Btn2ChanViewDiffUnit)                                                                           \
    M(QZELKGreyPanel, pnl2ChanViewResolution)                                                                          \
    M(QHBoxLayout, horizontalLayout_39)                                                                                \
    M(QZELKPushButton, Btn2ChanViewResDec)                                                                             \
    M(QLabel, LblTime_4)                                                                                               \
    M(QZELKPushButton, Btn2ChanViewResInc)                                                                             \
    M(QZELKGreyPanel, pnl2ChanViewPeak)                                                                                \
    M(QHBoxLayout, horizontalLayout_40)                                                                                \
    M(QLabel, LblTime_5)                                                                                               \
    M(QVBoxLayout, verticalLayout_35)                                                                                  \
    M(QLabel, Lbl2ChanView_PeakMax)                                                                                    \
    M(QLabel, Lbl2ChanView_PeakMin)                                                                                    \
    M(QZELKPushButton, Btn2ChanViewClearPeak)

// Page3ChannelView: page 2 of the main area. Blue, green and red tiles, each like a tile of the
// two-channel view.
#define TAMARIND_MEMBERS_Page3ChannelView(M)                                                                           \
    M(QWidget, Page3ChannelView)                                                                                       \
    M(QVBoxLayout, verticalLayout_47)                                                                                  \
    M(QWidget, Wgt3ChanViewTop)                                                                                        \
    M(QVBoxLayout, verticalLayout_45)                                                                                  \
    M(QWidget, widget_9)                                                                                               \
    M(QHBoxLayout, horizontalLayout_51)                                                                                \
    M(QVBoxLayout, verticalLayout_46)                                                                                  \
    M(QZELKPushButton, Btn3ChanViewChannelSel_Top)                                                                     \
    M(QSpacerItem, verticalSpacer_22)                                                                                  \
    M(QLabel, Lbl3ChanViewMainValue_Top)                                                                               \
    M(QHBoxLayout, horizontalLayout_52)                                                                                \
    M(QZELKGreyPanel, Pnl3ChanViewCorrVal_Top)                                                                         \
    M(QHBoxLayout, horizontalLayout_53)                                                                                \
    M(QLabel, Lbl3ChanViewCorValCaption_Top)                                                                           \
    M(QLabel, Lbl3ChanViewCorVal_Top)                                                                                  \
    M(QZELKPushButton, Btn3ChanViewFreeze_Top)                                                                         \
    M(QZELKPushButton, Btn3ChanViewUnit_Top)                                                                           \
    M(QZELKGreyPanel, Pnl3ChanViewProbe_Top)                                                                           \
    M(QHBoxLayout, horizontalLayout_54)                                                                                \
    M(QLabel, lblSingleViewProbe_5)                                                                                    \
    M(QLabel, lbl3ChanViewProbe_SmartFlag_Top)                                                                         \
    M(QLabel, IconWarning_3ChannelView_Top)                                                                            \
    M(QZELKPushButton, Btn3ChanViewRoot2_Top)                                                                          \
    M(QZELKPushButton, Btn3ChanViewProbe_Top)                                                                          \
    M(QWidget, Wgt3ChanViewMid)                                                                                        \
    M(QVBoxLayout, verticalLayout_43)                                                                                  \
    M(QWidget, widget_8)                                                                                               \
    M(QHBoxLayout, horizontalLayout_47)                                                                                \
    M(QVBoxLayout, verticalLayout_44)                                                                                  \
    M(QZELKPushButton, Btn3ChanViewChannelSel_Mid)                                                                     \
    M(QSpacerItem, verticalSpacer_21)                                                                                  \
    M(QLabel, Lbl3ChanViewMainValue_Mid)                                                                               \
    M(QHBoxLayout, horizontalLayout_48)                                                                                \
    M(QZELKGreyPanel, Pnl3ChanViewCorrVal_Mid)                                                                         \
    M(QHBoxLayout, horizontalLayout_49)                                                                                \
    M(QLabel, Lbl3ChanViewCorValCaption_Mid)                                                                           \
    M(QLabel, Lbl3ChanViewCorVal_Mid)                                                                                  \
    M(QZELKPushButton, Btn3ChanViewFreeze_Mid)                                                                         \
    M(QZELKPushButton, Btn3ChanViewUnit_Mid)                                                                           \
    M(QZELKGreyPanel, Pnl3ChanViewProbe_Mid)                                                                           \
    M(QHBoxLayout, horizontalLayout_50)                                                                                \
    M(QLabel, lblSingleViewProbe_4)                                                                                    \
    M(QLabel, lbl3ChanViewProbe_SmartFlag_Middle)                                                                      \
    M(QLabel, IconWarning_3ChannelView_Mid)                                                                            \
    M(QZELKPushButton, Btn3ChanViewRoot2_Mid)                                                                          \
    M(QZELKPushButton, Btn3ChanViewProbe_Mid)                                                                          \
    M(QWidget, Wgt3ChanViewBtm)                                                                                        \
    M(QVBoxLayout, verticalLayout_54)                                                                                  \
    M(QWidget, widget_13)                                                                                              \
    M(QHBoxLayout, horizontalLayout_67)                                                                                \
    M(QVBoxLayout, verticalLayout_55)                                                                                  \
    M(QZELKPushButton, Btn3ChanViewChannelSel_Btm)                                                                     \
    M(QSpacerItem, verticalSpacer_26)                                                                                  \
    M(QLabel, Lbl3ChanViewMainValue_Btm)                                                                               \
    M(QHBoxLayout, horizontalLayout_68)                                                                                \
    M(QZELKGreyPanel, Pnl3ChanViewCorrVal_Btm)                                                                         \
    M(QHBoxLayout, horizontalLayout_69)                                                                                \
    M(QLabel, Lbl3ChanViewCorValCaption_Btm)                                                                           \
    M(QLabel, Lbl3ChanViewCorVal_Btm)                                                                                  \
    M(QZELKPushButton, Btn3ChanViewFreeze_Btm)                                                                         \
    M(QZELKPushButton, Btn3ChanViewUnit_Btm)                                                                           \
    M(QZELKGreyPanel, Pnl3ChanViewProbe_Btm)                                                                           \
    M(QHBoxLayout, horizontalLayout_70)                                                                                \
    M(QLabel, lblSingleViewProbe_9)                                                                                    \
    M(QLabel, lbl3ChanViewProbe_SmartFlag_Bottom)                                                                      \
    M(QLabel, IconWarning_3ChannelView_Bottom)                                                                         \
    M(QZELKPushButton, Btn3ChanViewRoot2_Btm)                                                                          \
    M(QZELKPushButton, Btn3ChanViewProbe_Btm)

// Page4ChannelView: page 3 of the main area. Blue, green, red and yellow quarter tiles with 45 pixel
// values, without the electrical value.
#define TAMARIND_MEMBERS_Page4ChannelView(M)                                                                           \
    M(QWidget, Page4ChannelView)                                                                                       \
    M(QGridLayout, gridLayout_79)                                                                                      \
    M(QWidget, Wgt4ChanViewTopLeft)                                                                                    \
    M(QVBoxLayout, verticalLayout_48)                                                                                  \
    M(QHBoxLayout, horizontalLayout_55)                                                                                \
    M(QZELKPushButton, Btn4ChanViewChannelSel_TopLeft)                                                                 \
    M(QLabel, IconWarning_4ChannelView_TopLeft)                                                                        \
    M(QSpacerItem, horizontalSpacer_23)                                                                                \
    M(QZELKPushButton, Btn4ChanViewRoot2_TopLeft)                                                                      \
    M(QLabel, Lbl4ChanViewMainValue_TopLeft)                                                                           \
    M(QGridLayout, gridLayout_80)                                                                                      \
    M(QZELKPushButton, Btn4ChanViewFreeze_TopLeft)                                                                     \
    M(QZELKPushButton, Btn4ChanViewUnit_TopLeft)                                                                       \
    M(QZELKGreyPanel, Pnl4ChanViewProbe_TopLeft)                                                                       \
    M(QHBoxLayout, horizontalLayout_65)                                                                                \
    M(QLabel, lblSingleViewProbe_11)                                                                                   \
    M(QLabel, lbl4ChanViewProbe_SmartFlag_TopLeft)                                                                     \
    M(QZELKPushButton, Btn4ChanViewProbe_TopLeft)                                                                      \
    M(QWidget, Wgt4ChanViewTopRight)                                                                                   \
    M(QVBoxLayout, verticalLayout_49)                                                                                  \
    M(QHBoxLayout, horizontalLayout_57)                                                                                \
    M(QZELKPushButton, Btn4ChanViewChannelSel_TopRight)                                                                \
    M(QLabel, IconWarning_4ChannelView_TopRight)                                                                       \
    M(QSpacerItem, horizontalSpacer_28)                                                                                \
    M(QZELKPushButton, Btn4ChanViewRoot2_TopRight)                                                                     \
    M(QLabel, Lbl4ChanViewMainValue_TopRight)                                                                          \
    M(QGridLayout, gridLayout_81)                                                                                      \
    M(QZELKPushButton, Btn4ChanViewFreeze_TopRight)                                                                    \
    M(QZELKPushButton, Btn4ChanViewUnit_TopRight)                                                                      \
    M(QZELKGreyPanel, Pnl4ChanViewProbe_TopRight)                                                                      \
    M(QHBoxLayout, horizontalLayout_75)                                                                                \
    M(QLabel, lblSingleViewProbe_12)                                                                                   \
    M(QLabel, lbl4ChanViewProbe_SmartFlag_TopRight)                                                                    \
    M(QZELKPushButton, Btn4ChanViewProbe_TopRight)                                                                     \
    M(QWidget, Wgt4ChanViewBtmLeft)                                                                                    \
    M(QVBoxLayout, verticalLayout_50)                                                                                  \
    M(QHBoxLayout, horizontalLayout_59)                                                                                \
    M(QZELKPushButton, Btn4ChanViewChannelSel_BtmLeft)                                                                 \
    M(QLabel, IconWarning_4ChannelView_BottomLeft)                                                                     \
    M(QSpacerItem, horizontalSpacer_25)                                                                                \
    M(QZELKPushButton, Btn4ChanViewRoot2_BtmLeft)                                                                      \
    M(QLabel, Lbl4ChanViewMainValue_BtmLeft)                                                                           \
    M(QGridLayout, gridLayout_82)                                                                                      \
    M(QZELKPushButton, Btn4ChanViewFreeze_BtmLeft)                                                                     \
    M(QZELKPushButton, Btn4ChanViewUnit_BtmLeft)                                                                       \
    M(QZELKGreyPanel, Pnl4ChanViewProbe_BtmLeft)                                                                       \
    M(QHBoxLayout, horizontalLayout_66)                                                                                \
    M(QLabel, lblSingleViewProbe_13)                                                                                   \
    M(QLabel, lbl4ChanViewProbe_SmartFlag_BottomLeft)                                                                  \
    M(QZELKPushButton, Btn4ChanViewProbe_BtmLeft)                                                                      \
    M(QWidget, Wgt4ChanViewBtmRight)                                                                                   \
    M(QVBoxLayout, verticalLayout_51)                                                                                  \
    M(QHBoxLayout, horizontalLayout_61)                                                                                \
    M(QZELKPushButton, Btn4ChanViewChannelSel_BtmRight)                                                                \
    M(QLabel, IconWarning_4ChannelView_BottomRight)                                                                    \
    M(QSpacerItem, horizontalSpacer_26)                                                                                \
    M(QZELKPushButton, Btn4ChanViewRoot2_BtmRight)                                                                     \
    M(QLabel, Lbl4ChanViewMainValue_BtmRight)                                                                          \
    M(QGridLayout, gridLayout_83)                                                                                      \
    M(QZELKPushButton, Btn4ChanViewFreeze_BtmRight)                                                                    \
    M(QZELKPushButton, Btn4ChanViewUnit_BtmRight)                                                                      \
    M(QZELKGreyPanel, Pnl4ChanViewProbe_BtmRight)                                                                      \
    M(QHBoxLayout, horizontalLayout_71)                                                                                \
    M(QLabel, lblSingleViewProbe_14)                                                                                   \
    M(QLabel, lbl4ChanViewProbe_SmartFlag_BottomRight)                                                                 \
    M(QZELKPushButton, Btn4ChanViewProbe_BtmRight)

// PageMultiChannelView: page 4 of the main area. An empty touch scroll list; the view puts one row
// per channel ahead of its final spacer.
#define TAMARIND_MEMBERS_PageMultiChannelView(M)                                                                       \
    M(QWidget, PageMultiChannelView)                                                                                   \
    M(QVBoxLayout, verticalLayout_81)                                                                                  \
    M(TTouchScrollArea, scrollAreaMultiChannelView)                                                                    \
    M(QWidget, scrollAreaMultiChannelViewWidget)                                                                       \
    M(QVBoxLayout, verticalLayout_80)                                                                                  \
    M(QSpacerItem, verticalSpacer_38)
