#pragma once

#include <QtGlobal>

// The calibrator models a calibration routine can drive; the code is stored
// in every calibration setup and its file, so the numbers never change.
enum class EnCalibratorType : quint8 {
    ctUndefined = 0,
    ctDWK4400_COOL = 1,
    ctDWK4400_165 = 2,
    ctDWK4400_450 = 3,
    ctDWK4400_650 = 4,
    ctDWK4600_650 = 5,
    ctDWK4600_165 = 6,
    ctMBK2700_165 = 7,
    ctMBK2700_225 = 8,
    ctMFK5100_150 = 9,
    ctMBK2800 = 10,
    ctMBK2900 = 11,
    ctDWK4400_1100 = 12
};
