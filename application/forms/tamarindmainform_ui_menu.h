#pragma once

// Members of the form for the main menu, the language list and the choice of the start logo.
// How the form is written is told in tamarindmainform_ui.h.

#include "touchscrollarea.h"
#include "zelkappbutton.h"
#include "zelkcontainerradiobutton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>
#include <QWidget>

// PageMenu: page 0 of the menu area, the main menu. Nine large icon buttons, each with its caption
// below it, in two columns of a touch scroll area.
#define TAMARIND_MEMBERS_PageMenu(M)                                                                                   \
    M(QWidget, PageMenu)                                                                                               \
    M(QHBoxLayout, horizontalLayout_11)                                                                                \
    M(TTouchScrollArea, scrollAreaMainMenu)                                                                            \
    M(QWidget, scrollAreaMainMenuWidget)                                                                               \
    M(QGridLayout, gridLayout)                                                                                         \
    M(QZELKAppButton, BtnLogger)                                                                                       \
    M(QLabel, LblLogger)                                                                                               \
    M(QLabel, LblScan)                                                                                                 \
    M(QZELKAppButton, BtnSettings)                                                                                     \
    M(QZELKAppButton, BtnService)                                                                                      \
    M(QLabel, LblService)                                                                                              \
    M(QLabel, LblProbes)                                                                                               \
    M(QLabel, LblSettings)                                                                                             \
    M(QZELKAppButton, BtnProbes)                                                                                       \
    M(QZELKAppButton, BtnHome)                                                                                         \
    M(QLabel, LblHome)                                                                                                 \
    M(QZELKAppButton, BtnScan)                                                                                         \
    M(QZELKAppButton, BtnInfo)                                                                                         \
    M(QLabel, LblInfo)                                                                                                 \
    M(QZELKAppButton, BtnCalibrationRoutines)                                                                          \
    M(QLabel, LblCalibrationRoutines)                                                                                  \
    M(QZELKAppButton, BtnRemote)                                                                                       \
    M(QLabel, LblRemote)

// PageLangSettings: page 1 of the menu area, the twelve user-interface languages, each a clickable
// row with its layout, flag, name and a spacer that keeps flag and name at the left.
#define TAMARIND_MEMBERS_PageLangSettings(M)                                                                           \
    M(QWidget, PageLangSettings)                                                                                       \
    M(QVBoxLayout, verticalLayout_9)                                                                                   \
    M(TTouchScrollArea, scrollAreaLangSettings)                                                                        \
    M(QWidget, scrollAreaLangSettingsContents)                                                                         \
    M(QVBoxLayout, verticalLayout_2)                                                                                   \
    M(QWidget, BtnLang_english_uk)                                                                                     \
    M(QHBoxLayout, horizontalLayout_13)                                                                                \
    M(QLabel, LblLangFlag_english_uk)                                                                                  \
    M(QLabel, LblLang_english_uk)                                                                                      \
    M(QSpacerItem, horizontalSpacer_2)                                                                                 \
    M(QWidget, BtnLang_english_usa)                                                                                    \
    M(QHBoxLayout, horizontalLayout_14)                                                                                \
    M(QLabel, LblLangFlag_english_usa)                                                                                 \
    M(QLabel, LblLang_english_usa)                                                                                     \
    M(QSpacerItem, horizontalSpacer_3)                                                                                 \
    M(QWidget, BtnLang_german)                                                                                         \
    M(QHBoxLayout, horizontalLayout_15)                                                                                \
    M(QLabel, LblLangFlag_german)                                                                                      \
    M(QLabel, LblLang_german)                                                                                          \
    M(QSpacerItem, horizontalSpacer_4)                                                                                 \
    M(QWidget, BtnLang_spanish)                                                                                        \
    M(QHBoxLayout, horizontalLayout_16)                                                                                \
    M(QLabel, LblLangFlag_spanish)                                                                                     \
    M(QLabel, LblLang_spanish)                                                                                         \
    M(QSpacerItem, horizontalSpacer_5)                                                                                 \
    M(QWidget, BtnLang_portuguese)                                                                                     \
    M(QHBoxLayout, horizontalLayout_108)                                                                               \
    M(QLabel, LblLangFlag_portuguese)                                                                                  \
    M(QLabel, LblLang_portuguese)                                                                                      \
    M(QSpacerItem, horizontalSpacer_27)                                                                                \
    M(QWidget, BtnLang_french)                                                                                         \
    M(QHBoxLayout, horizontalLayout_17)                                                                                \
    M(QLabel, LblLangFlag_french)                                                                                      \
    M(QLabel, LblLang_french)                                                                                          \
    M(QSpacerItem, horizontalSpacer_6)                                                                                 \
    M(QWidget, BtnLang_italian)                                                                                        \
    M(QHBoxLayout, horizontalLayout_18)                                                                                \
    M(QLabel, LblLangFlag_italian)                                                                                     \
    M(QLabel, LblLang_italian)                                                                                         \
    M(QSpacerItem, horizontalSpacer_7)                                                                                 \
    M(QWidget, BtnLang_polish)                                                                                         \
    M(QHBoxLayout, horizontalLayout_22)                                                                                \
    M(QLabel, LblLangFlag_polish)                                                                                      \
    M(QLabel, LblLang_polish)                                                                                          \
    M(QSpacerItem, horizontalSpacer_8)                                                                                 \
    M(QWidget, BtnLang_russian)                                                                                        \
    M(QHBoxLayout, horizontalLayout_19)                                                                                \
    M(QLabel, LblLangFlag_russian)                                                                                     \
    M(QLabel, LblLang_russian)                                                                                         \
    M(QSpacerItem, horizontalSpacer_9)                                                                                 \
    M(QWidget, BtnLang_arabic)                                                                                         \
    M(QHBoxLayout, horizontalLayout_20)                                                                                \
    M(QLabel, LblLangFlag_arabic)                                                                                      \
    M(QLabel, LblLang_arabic)                                                                                          \
    M(QSpacerItem, horizontalSpacer_10)                                                                                \
    M(QWidget, BtnLang_chinese)                                                                                        \
    M(QHBoxLayout, horizontalLayout_21)                                                                                \
    M(QLabel, LblLangFlag_chinese)                                                                                     \
    M(QLabel, LblLang_chinese)                                                                                         \
    M(QSpacerItem, horizontalSpacer_11)                                                                                \
    M(QWidget, BtnLang_japanese)                                                                                       \
    M(QHBoxLayout, horizontalLayout_23)                                                                                \
    M(QLabel, LblLangFlag_japanese)                                                                                    \
    M(QLabel, LblLang_japanese)                                                                                        \
    M(QSpacerItem, horizontalSpacer_12)

// PageCustomLogo: page 45 of the menu area, the last one: the start logo, default or blank.
#define TAMARIND_MEMBERS_PageCustomLogo(M)                                                                             \
    M(QWidget, PageCustomLogo)                                                                                         \
    M(QVBoxLayout, verticalLayout_116)                                                                                 \
    M(QZELKContainerRadioButton, BtnCustomLogo_Default)                                                                \
    M(QHBoxLayout, horizontalLayout_133)                                                                               \
    M(QLabel, label_2001)                                                                                              \
    M(QZELKContainerRadioButton, BtnCustomLogo_WhiteZELKWaterSign)                                                     \
    M(QHBoxLayout, horizontalLayout_134)                                                                               \
    M(QLabel, label_222)                                                                                               \
    M(QSpacerItem, verticalSpacer_59)
