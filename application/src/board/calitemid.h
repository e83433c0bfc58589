#pragma once

#include <QtGlobal>

// The board's numbers of the two-point calibration items: the internal
// reference resistors of the resistance inputs and the thermocouple inputs.
enum EnCalItemID : quint8 {
    ci25R = 1,
    ci100R = 2,
    ci10KR = 3,
    ci100KR = 4,
    ciTCchan3 = 5,
    ciTCchan4 = 6,
    ciTCchanExternal = 7
};
