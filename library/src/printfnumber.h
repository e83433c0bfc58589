#pragma once

#include <QString>

// Numbers written as the C library's printf writes them in the C locale: a
// decimal point, and exact halves rounded to the even digit (450.25 with one
// decimal is 450.2). Qt's own formatting rounds such halves away from zero, so
// texts whose format is a printf format take their digits from here.
class TPrintfNumber
{
public:
    // "%.<pDecimals>f"; empty when the C library cannot write the number.
    static QString fixed(double pValue, int pDecimals);
    // "%.<pPrecision>g": fixed or exponent notation, pPrecision significant
    // digits, trailing zeros dropped.
    static QString general(double pValue, int pPrecision);
    // "%.<pDecimals>e".
    static QString scientific(double pValue, int pDecimals);
};
