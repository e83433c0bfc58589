#pragma once

#include <QtGlobal>

#include <cmath>

// Compares doubles as tests of board replies need it: NaN (no value) equals NaN.
inline bool sameValue(double pActual, double pExpected)
{
    if (std::isnan(pExpected))
        return std::isnan(pActual);
    return qFuzzyCompare(pActual, pExpected);
}
