#pragma once

// Members of the form for the remote settings page and its network and serial parameter pages.
// How the form is written is told in tamarindmainform_ui.h.

#include "touchscrollarea.h"
#include "zelkcontainerpushbutton.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// PageRemote: page 10 of the main area, the remote interface settings in one scrolled list. The
// RS-232 and IEEE-488 groups each sit in a container of their own, which the main window shows
// only when the option board is fitted. Under the RS-232 heading, hidden while the line takes
// its settings, the remote control screens say that it does not.
#define TAMARIND_MEMBERS_PageRemote(M)                                                                                 \
    M(QWidget, PageRemote)                                                                                             \
    M(QVBoxLayout, verticalLayout_6)                                                                                   \
    M(TTouchScrollArea, scrollAreaRemote)                                                                              \
    M(QWidget, scrollAreaRemoteContents)                                                                               \
    M(QVBoxLayout, verticalLayout_85)                                                                                  \
    M(QLabel, label_114)                                                                                               \
    M(QZELKContainerRadioButton, BtnEthernet_IP)                                                                       \
    M(QHBoxLayout, horizontalLayout_147)                                                                               \
    M(QLabel, LblEthernet_IP_Caption)                                                                                  \
    M(QLabel, LblEthernet_IP)                                                                                          \
    M(QZELKContainerRadioButton, BtnEthernet_Netmask)                                                                  \
    M(QHBoxLayout, horizontalLayout_148)                                                                               \
    M(QLabel, LblEthernet_Netmask_Caption)                                                                             \
    M(QLabel, LblEthernet_Netmask)                                                                                     \
    M(QZELKContainerRadioButton, BtnEthernet_Gateway)                                                                  \
    M(QHBoxLayout, horizontalLayout_149)                                                                               \
    M(QLabel, LblEthernet_Gateway_Caption)                                                                             \
    M(QLabel, LblEthernet_Gateway)                                                                                     \
    M(QZELKContainerPushButton, BtnEthernet_Port)                                                                      \
    M(QHBoxLayout, horizontalLayout_150)                                                                               \
    M(QLabel, LblEthernet_Port_Caption)                                                                                \
    M(QLabel, LblEthernet_Port)                                                                                        \
    M(QZELKContainerRadioButton, BtnEthernet_DHCP)                                                                     \
    M(QHBoxLayout, horizontalLayout_151)                                                                               \
    M(QLabel, LblEthernet_DHCP_Caption)                                                                                \
    M(QLabel, LblEthernet_DHCP)                                                                                        \
    M(QWidget, WgtRemote_RS232)                                                                                        \
    M(QVBoxLayout, verticalLayout_84)                                                                                  \
    M(QLabel, label_115)                                                                                               \
    M(QLabel, LblRS232_Refused)                                                                                        \
    M(QZELKContainerRadioButton, BtnRS232_BaudRate)                                                                    \
    M(QHBoxLayout, horizontalLayout_152)                                                                               \
    M(QLabel, LblRS232_BaudRate_Caption)                                                                               \
    M(QLabel, LblRS232_BaudRate)                                                                                       \
    M(QZELKContainerRadioButton, BtnRS232_CTS_RTS)                                                                     \
    M(QHBoxLayout, horizontalLayout_153)                                                                               \
    M(QLabel, LblRS232_CTS_RTS_Caption)                                                                                \
    M(QLabel, LblRS232_CTS_RTS)                                                                                        \
    M(QZELKContainerRadioButton, BtnRS232_DataBits)                                                                    \
    M(QHBoxLayout, horizontalLayout_154)                                                                               \
    M(QLabel, LblRS232_DataBits_Caption)                                                                               \
    M(QLabel, LblRS232_DataBits)                                                                                       \
    M(QZELKContainerRadioButton, BtnRS232_StopBit)                                                                     \
    M(QHBoxLayout, horizontalLayout_155)                                                                               \
    M(QLabel, LblRS232_StopBit_Caption)                                                                                \
    M(QLabel, LblRS232_StopBit)                                                                                        \
    M(QZELKContainerRadioButton, BtnRS232_Parity)                                                                      \
    M(QHBoxLayout, horizontalLayout_156)                                                                               \
    M(QLabel, LblRS232_Parity_Caption)                                                                                 \
    M(QLabel, LblRS232_Parity)                                                                                         \
    M(QWidget, WgtRemote_IEEE488)                                                                                      \
    M(QVBoxLayout, verticalLayout_83)                                                                                  \
    M(QLabel, label_116)                                                                                               \
    M(QZELKContainerPushButton, BtnIEEE_Address)                                                                       \
    M(QHBoxLayout, horizontalLayout_157)                                                                               \
    M(QLabel, LblIEEE_Address_Caption)                                                                                 \
    M(QLabel, LblIEEE_Address)                                                                                         \
    M(QSpacerItem, verticalSpacer_40)

// PageIPNetmask: page 29 of the menu area, four octet buttons each for the IP address and the
// netmask.
#define TAMARIND_MEMBERS_PageIPNetmask(M)                                                                              \
    M(QWidget, PageIPNetmask)                                                                                          \
    M(QVBoxLayout, verticalLayout_86)                                                                                  \
    M(QLabel, label_123)                                                                                               \
    M(QHBoxLayout, horizontalLayout_80)                                                                                \
    M(QZELKDialogButton, BtnIP1)                                                                                       \
    M(QLabel, label_119)                                                                                               \
    M(QZELKDialogButton, BtnIP2)                                                                                       \
    M(QLabel, label_117)                                                                                               \
    M(QZELKDialogButton, BtnIP3)                                                                                       \
    M(QLabel, label_118)                                                                                               \
    M(QZELKDialogButton, BtnIP4)                                                                                       \
    M(QLabel, label_124)                                                                                               \
    M(QHBoxLayout, horizontalLayout_85)                                                                                \
    M(QZELKDialogButton, BtnNetmask1)                                                                                  \
    M(QLabel, label_120)                                                                                               \
    M(QZELKDialogButton, BtnNetmask2)                                                                                  \
    M(QLabel, label_121)                                                                                               \
    M(QZELKDialogButton, BtnNetmask3)                                                                                  \
    M(QLabel, label_122)                                                                                               \
    M(QZELKDialogButton, BtnNetmask4)                                                                                  \
    M(QSpacerItem, verticalSpacer_41)

// PageGateway: page 30 of the menu area, four octet buttons for the gateway, without a caption.
#define TAMARIND_MEMBERS_PageGateway(M)                                                                                \
    M(QWidget, PageGateway)                                                                                            \
    M(QVBoxLayout, verticalLayout_88)                                                                                  \
    M(QHBoxLayout, horizontalLayout_86)                                                                                \
    M(QZELKDialogButton, BtnGateway1)                                                                                  \
    M(QLabel, label_125)                                                                                               \
    M(QZELKDialogButton, BtnGateway2)                                                                                  \
    M(QLabel, label_126)                                                                                               \
    M(QZELKDialogButton, BtnGateway3)                                                                                  \
    M(QLabel, label_127)                                                                                               \
    M(QZELKDialogButton, BtnGateway4)                                                                                  \
    M(QSpacerItem, verticalSpacer_43)

// PageGenericOnOff: page 31 of the menu area, On and Off side by side for DHCP and flow control.
#define TAMARIND_MEMBERS_PageGenericOnOff(M)                                                                           \
    M(QWidget, PageGenericOnOff)                                                                                       \
    M(QVBoxLayout, verticalLayout_87)                                                                                  \
    M(QGridLayout, gridLayout_238)                                                                                     \
    M(QZELKContainerRadioButton, BtnGenericOn)                                                                         \
    M(QHBoxLayout, horizontalLayout_158)                                                                               \
    M(QLabel, LblSoundAlarm_on_2)                                                                                      \
    M(QZELKContainerRadioButton, BtnGenericOff)                                                                        \
    M(QHBoxLayout, horizontalLayout_159)                                                                               \
    M(QLabel, LblSoundAlarm_off_2)                                                                                     \
    M(QSpacerItem, verticalSpacer_42)

// PageBaudRate: page 32 of the menu area, one radio row per baud rate.
#define TAMARIND_MEMBERS_PageBaudRate(M)                                                                               \
    M(QWidget, PageBaudRate)                                                                                           \
    M(QVBoxLayout, verticalLayout_89)                                                                                  \
    M(QZELKContainerRadioButton, BtnBaud_1200)                                                                         \
    M(QHBoxLayout, horizontalLayout_160)                                                                               \
    M(QLabel, LblBacklightOff_10s_4)                                                                                   \
    M(QZELKContainerRadioButton, BtnBaud_2400)                                                                         \
    M(QHBoxLayout, horizontalLayout_161)                                                                               \
    M(QLabel, LblBacklightOff_10s_5)                                                                                   \
    M(QZELKContainerRadioButton, BtnBaud_4800)                                                                         \
    M(QHBoxLayout, horizontalLayout_162)                                                                               \
    M(QLabel, LblBacklightOff_10s_10)                                                                                  \
    M(QZELKContainerRadioButton, BtnBaud_9600)                                                                         \
    M(QHBoxLayout, horizontalLayout_163)                                                                               \
    M(QLabel, LblBacklightOff_10s_11)                                                                                  \
    M(QZELKContainerRadioButton, BtnBaud_19200)                                                                        \
    M(QHBoxLayout, horizontalLayout_165)                                                                               \
    M(QLabel, LblBacklightOff_10s_12)                                                                                  \
    M(QZELKContainerRadioButton, BtnBaud_38400)                                                                        \
    M(QHBoxLayout, horizontalLayout_166)                                                                               \
    M(QLabel, LblBacklightOff_10s_13)                                                                                  \
    M(QZELKContainerRadioButton, BtnBaud_57600)                                                                        \
    M(QHBoxLayout, horizontalLayout_167)                                                                               \
    M(QLabel, LblBaud_57600)                                                                                           \
    M(QZELKContainerRadioButton, BtnBaud_115200)                                                                       \
    M(QHBoxLayout, horizontalLayout_168)                                                                               \
    M(QLabel, LblBacklightOff_10s_15)                                                                                  \
    M(QSpacerItem, verticalSpacer_44)

// PageDataBits: page 33 of the menu area, five to eight data bits.
#define TAMARIND_MEMBERS_PageDataBits(M)                                                                               \
    M(QWidget, PageDataBits)                                                                                           \
    M(QVBoxLayout, verticalLayout_90)                                                                                  \
    M(QZELKContainerRadioButton, BtnDataBits_5)                                                                        \
    M(QHBoxLayout, horizontalLayout_87)                                                                                \
    M(QLabel, LblBacklightOff_10s_14)                                                                                  \
    M(QZELKContainerRadioButton, BtnDataBits_6)                                                                        \
    M(QHBoxLayout, horizontalLayout_88)                                                                                \
    M(QLabel, LblBacklightOff_10s_16)                                                                                  \
    M(QZELKContainerRadioButton, BtnDataBits_7)                                                                        \
    M(QHBoxLayout, horizontalLayout_89)                                                                                \
    M(QLabel, LblBacklightOff_10s_17)                                                                                  \
    M(QZELKContainerRadioButton, BtnDataBits_8)                                                                        \
    M(QHBoxLayout, horizontalLayout_91)                                                                                \
    M(QLabel, LblBacklightOff_10s_18)                                                                                  \
    M(QSpacerItem, verticalSpacer_45)

// PageStopBits: page 34 of the menu area, one, one and a half or two stop bits.
#define TAMARIND_MEMBERS_PageStopBits(M)                                                                               \
    M(QWidget, PageStopBits)                                                                                           \
    M(QVBoxLayout, verticalLayout_91)                                                                                  \
    M(QZELKContainerRadioButton, BtnStopBits_1)                                                                        \
    M(QHBoxLayout, horizontalLayout_92)                                                                                \
    M(QLabel, LblBacklightOff_10s_19)                                                                                  \
    M(QZELKContainerRadioButton, BtnStopBits_15)                                                                       \
    M(QHBoxLayout, horizontalLayout_93)                                                                                \
    M(QLabel, LblBacklightOff_10s_20)                                                                                  \
    M(QZELKContainerRadioButton, BtnStopBits_2)                                                                        \
    M(QHBoxLayout, horizontalLayout_94)                                                                                \
    M(QLabel, LblBacklightOff_10s_21)                                                                                  \
    M(QSpacerItem, verticalSpacer_46)

// PageParity: page 35 of the menu area.
#define TAMARIND_MEMBERS_PageParity(M)                                                                                 \
    M(QWidget, PageParity)                                                                                             \
    M(QVBoxLayout, verticalLayout_92)                                                                                  \
    M(QZELKContainerRadioButton, BtnParity_None)                                                                       \
    M(QHBoxLayout, horizontalLayout_95)                                                                                \
    M(QLabel, LblBacklightOff_10s_22)                                                                                  \
    M(QZELKContainerRadioButton, BtnParity_Even)                                                                       \
    M(QHBoxLayout, horizontalLayout_96)                                                                                \
    M(QLabel, LblBacklightOff_10s_23)                                                                                  \
    M(QZELKContainerRadioButton, BtnParity_Odd)                                                                        \
    M(QHBoxLayout, horizontalLayout_99)                                                                                \
    M(QLabel, LblBacklightOff_10s_24)                                                                                  \
    M(QZELKContainerRadioButton, BtnParity_Space)                                                                      \
    M(QHBoxLayout, horizontalLayout_98)                                                                                \
    M(QLabel, LblBacklightOff_10s_25)                                                                                  \
    M(QZELKContainerRadioButton, BtnParity_Mark)                                                                       \
    M(QHBoxLayout, horizontalLayout_97)                                                                                \
    M(QLabel, LblBacklightOff_10s_26)                                                                                  \
    M(QSpacerItem, verticalSpacer_47)
