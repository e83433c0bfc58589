#pragma once

// Members of the form for the channel views: one, two, three and four channels, and the list of
// many channels. How the form is written is told in tamarindmainform_ui.h.

#include "zelkgreypanel.h"
#include "zelkpushbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
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

// Page2ChannelView: page 1 of the main area.
#define TAMARIND_MEMBERS_Page2ChannelView(M) M(QWidget, Page2ChannelView)

// Page3ChannelView: page 2 of the main area.
#define TAMARIND_MEMBERS_Page3ChannelView(M) M(QWidget, Page3ChannelView)

// Page4ChannelView: page 3 of the main area.
#define TAMARIND_MEMBERS_Page4ChannelView(M) M(QWidget, Page4ChannelView)

// PageMultiChannelView: page 4 of the main area.
#define TAMARIND_MEMBERS_PageMultiChannelView(M) M(QWidget, PageMultiChannelView)
