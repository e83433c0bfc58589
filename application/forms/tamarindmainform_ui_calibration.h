#pragma once

// Members of the form for the calibration routine pages: the routine list, the routine editor and a stored routine's
// file. How the form is written is told in tamarindmainform_ui.h.

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

// PageCalibrationRoutines: page 11 of the main area. The button for a new routine, the stored routines with their
// delete, search and filter controls, and the stored result files with their download and delete buttons; the
// calibration screens insert the rows of both lists ahead of each list's spacer.
#define TAMARIND_MEMBERS_PageCalibrationRoutines(M)                                                                    \
    M(QWidget, PageCalibrationRoutines)                                                                                \
    M(QVBoxLayout, verticalLayout_107)                                                                                 \
    M(QWidget, widget_5)                                                                                               \
    M(QVBoxLayout, verticalLayout_108)                                                                                 \
    M(QLabel, label_91)                                                                                                \
    M(QZELKContainerRadioButton, BtnNewCalibrationRoutine)                                                             \
    M(QHBoxLayout, horizontalLayout)                                                                                   \
    M(QLabel, LblNewCalibrationRoutine)                                                                                \
    M(QWidget, widget_12)                                                                                              \
    M(QHBoxLayout, horizontalLayout_116)                                                                               \
    M(QLabel, label_197)                                                                                               \
    M(QSpacerItem, horizontalSpacer_24)                                                                                \
    M(QZELKDialogButton, BtnDeleteCalSetup)                                                                            \
    M(QZELKContainerPushButton, BtnCalRoutineFilter)                                                                   \
    M(QHBoxLayout, horizontalLayout_117)                                                                               \
    M(QLabel, label_198)                                                                                               \
    M(QWidget, WgtCalRoutineFilter)                                                                                    \
    M(QHBoxLayout, horizontalLayout_118)                                                                               \
    M(QSpacerItem, horizontalSpacer_29)                                                                                \
    M(QLabel, label_199)                                                                                               \
    M(QLabel, LblCalRoutineFilter)                                                                                     \
    M(QZELKContainerPushButton, BtnCalRoutineClearFilter)                                                              \
    M(QHBoxLayout, horizontalLayout_119)                                                                               \
    M(QLabel, label_201)                                                                                               \
    M(TTouchScrollArea, scrollAreaCalibrationRoutines)                                                                 \
    M(QWidget, WgtCalibrationSetupsParent)                                                                             \
    M(QVBoxLayout, verticalLayout_112)                                                                                 \
    M(QSpacerItem, verticalSpacer_11)                                                                                  \
    M(QWidget, widget_15)                                                                                              \
    M(QHBoxLayout, horizontalLayout_120)                                                                               \
    M(QLabel, label_202)                                                                                               \
    M(QSpacerItem, horizontalSpacer_30)                                                                                \
    M(QZELKDialogButton, BtnDownloadCalFile)                                                                           \
    M(QZELKDialogButton, BtnDeleteCalFile)                                                                             \
    M(TTouchScrollArea, scrollAreaCalibrationFiles)                                                                    \
    M(QWidget, WgtCalibrationFilesParent)                                                                              \
    M(QVBoxLayout, verticalLayout_111)                                                                                 \
    M(QSpacerItem, verticalSpacer_57)

// PageEditCalibrationRoutine: page 43 of the menu area, the editor of a routine's setup in one two-column grid. The
// calibration screens insert the rows of channels under test and of calibration points into the grid.
#define TAMARIND_MEMBERS_PageEditCalibrationRoutine(M)                                                                 \
    M(QWidget, PageEditCalibrationRoutine)                                                                             \
    M(QVBoxLayout, verticalLayout_109)                                                                                 \
    M(TTouchScrollArea, scrollAreaCallRoutineEdit)                                                                     \
    M(QWidget, scrollAreaCallRoutineEditWidget)                                                                        \
    M(QGridLayout, gridLayout_8)                                                                                       \
    M(QZELKContainerPushButton, BtnCalRoutine_StabilityTime)                                                           \
    M(QZELKContainerPushButton, BtnCalRoutine_HoldTime)                                                                \
    M(QWidget, widget_10)                                                                                              \
    M(QVBoxLayout, verticalLayout_110)                                                                                 \
    M(QZELKContainerRadioButton, BtnCalRoutine_DWK4400_COOL)                                                           \
    M(QHBoxLayout, horizontalLayout_109)                                                                               \
    M(QLabel, label_183)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_DWK4400_165)                                                            \
    M(QHBoxLayout, horizontalLayout_113)                                                                               \
    M(QLabel, label_205)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_DWK4400_450)                                                            \
    M(QHBoxLayout, horizontalLayout_123)                                                                               \
    M(QLabel, label_206)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_DWK4400_650)                                                            \
    M(QHBoxLayout, horizontalLayout_124)                                                                               \
    M(QLabel, label_207)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_DWK4400_1100)                                                           \
    M(QHBoxLayout, horizontalLayout_125)                                                                               \
    M(QLabel, label_221)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_DWK4600_165)                                                            \
    M(QHBoxLayout, horizontalLayout_126)                                                                               \
    M(QLabel, label_209)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_DWK4600_650)                                                            \
    M(QHBoxLayout, horizontalLayout_110)                                                                               \
    M(QLabel, label_186)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_MBK2700_165)                                                            \
    M(QHBoxLayout, horizontalLayout_127)                                                                               \
    M(QLabel, label_210)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_MBK2700_225)                                                            \
    M(QHBoxLayout, horizontalLayout_128)                                                                               \
    M(QLabel, label_211)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_MBK2800)                                                                \
    M(QHBoxLayout, horizontalLayout_131)                                                                               \
    M(QLabel, label_219)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_MBK2900)                                                                \
    M(QHBoxLayout, horizontalLayout_132)                                                                               \
    M(QLabel, label_220)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_MFK5100_150)                                                            \
    M(QHBoxLayout, horizontalLayout_129)                                                                               \
    M(QLabel, label_212)                                                                                               \
    M(QLabel, label_173)                                                                                               \
    M(QZELKContainerPushButton, BtnCalRoutine_AddDUTChannel)                                                           \
    M(QHBoxLayout, horizontalLayout_111)                                                                               \
    M(QLabel, label_189)                                                                                               \
    M(QWidget, widget_11)                                                                                              \
    M(QGridLayout, gridLayout_285)                                                                                     \
    M(QZELKContainerRadioButton, BtnCalRoutine_RefChan1)                                                               \
    M(QHBoxLayout, horizontalLayout_114)                                                                               \
    M(QLabel, label_195)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_RefChan2)                                                               \
    M(QHBoxLayout, horizontalLayout_115)                                                                               \
    M(QLabel, label_196)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_RefChan3)                                                               \
    M(QHBoxLayout, horizontalLayout_121)                                                                               \
    M(QLabel, label_203)                                                                                               \
    M(QZELKContainerRadioButton, BtnCalRoutine_RefChan4)                                                               \
    M(QHBoxLayout, horizontalLayout_122)                                                                               \
    M(QLabel, label_204)                                                                                               \
    M(QLabel, label_190)                                                                                               \
    M(QLabel, label_192)                                                                                               \
    M(QLabel, label_193)                                                                                               \
    M(QZELKContainerPushButton, BtnCalRoutine_Stability)                                                               \
    M(QLabel, label_188)                                                                                               \
    M(QSpacerItem, verticalSpacer_55)                                                                                  \
    M(QLabel, label_187)                                                                                               \
    M(QZELKContainerPushButton, BtnCalRoutine_Name)                                                                    \
    M(QLabel, label_175)                                                                                               \
    M(QZELKContainerPushButton, BtnCalRoutine_AddCalPoint)                                                             \
    M(QHBoxLayout, horizontalLayout_112)                                                                               \
    M(QLabel, label_194)                                                                                               \
    M(QLabel, label_191)                                                                                               \
    M(QZELKContainerPushButton, BtnCalRoutine_IpAddress)                                                               \
    M(QLabel, LblCalRoutine_IpAddress)                                                                                 \
    M(QLabel, LblCalRoutine_Port)                                                                                      \
    M(QZELKContainerPushButton, BtnCalRoutine_Port)

// PageShowCalFile: page 44 of the menu area, a stored result file shown read-only; the calibration screens fill the
// values and add one row per device under test ahead of the spacer.
#define TAMARIND_MEMBERS_PageShowCalFile(M)                                                                            \
    M(QWidget, PageShowCalFile)                                                                                        \
    M(QVBoxLayout, verticalLayout_114)                                                                                 \
    M(QLabel, label_208)                                                                                               \
    M(QLabel, LblShowCalFile_RoutineName)                                                                              \
    M(QLabel, label_214)                                                                                               \
    M(QLabel, LblShowCalFile_ReferenceProbe)                                                                           \
    M(QWidget, widget_14)                                                                                              \
    M(QGridLayout, gridLayout_289)                                                                                     \
    M(QLabel, label_213)                                                                                               \
    M(QLabel, LblShowCalFile_Source)                                                                                   \
    M(QWidget, widget_16)                                                                                              \
    M(QGridLayout, gridLayout_290)                                                                                     \
    M(QLabel, label_215)                                                                                               \
    M(QLabel, LblShowCalFile_Stability)                                                                                \
    M(QWidget, widget_17)                                                                                              \
    M(QGridLayout, gridLayout_291)                                                                                     \
    M(QLabel, label_216)                                                                                               \
    M(QLabel, LblShowCalFile_StabilityTime)                                                                            \
    M(QWidget, widget_18)                                                                                              \
    M(QGridLayout, gridLayout_292)                                                                                     \
    M(QLabel, label_217)                                                                                               \
    M(QLabel, LblShowCalFile_HoldTime)                                                                                 \
    M(QLabel, label_218)                                                                                               \
    M(TTouchScrollArea, scrollAreaCalFile_DUTs)                                                                        \
    M(QWidget, scrollAreaCalFile_DUTsWidget)                                                                           \
    M(QVBoxLayout, verticalLayout_115)                                                                                 \
    M(QSpacerItem, verticalSpacer_56)
