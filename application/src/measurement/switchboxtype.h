#pragma once

#include <QtGlobal>

// What the board reports on an expansion port.
enum EnSwitchBoxType : quint8 {
    sbtNotFitted = 0,
    sbtThermocouple8 = 1,
    sbtThermocouple16 = 2,
    sbtSWX6300_PRT8 = 3,
    sbtSWX6300_PRT16 = 4,
    sbtSWX6100_10 = 5
};
