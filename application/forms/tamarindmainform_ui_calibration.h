#pragma once

// Members of the form for the calibration routine pages: the routine list, the routine editor and a stored routine's
// file. How the form is written is told in tamarindmainform_ui.h.

#include <QWidget>

// PageCalibrationRoutines: page 11 of the main area.
#define TAMARIND_MEMBERS_PageCalibrationRoutines(M) M(QWidget, PageCalibrationRoutines)

// PageEditCalibrationRoutine: page 43 of the menu area.
#define TAMARIND_MEMBERS_PageEditCalibrationRoutine(M) M(QWidget, PageEditCalibrationRoutine)

// PageShowCalFile: page 44 of the menu area.
#define TAMARIND_MEMBERS_PageShowCalFile(M) M(QWidget, PageShowCalFile)
