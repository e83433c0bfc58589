#pragma once

#include <QString>
#include <QStringList>

// Reading the board's replies, shared by the source files of the board
// command layer; not for use outside it.
namespace BoardReply
{
// Replies hold several values separated by ","; empty fields count.
inline QStringList fields(const QString& pReply)
{
    return pReply.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

inline int decimalOrZero(const QString& pField)
{
    return pField.toInt(nullptr, 10);
}

enum EnRealField { rfNumber, rfMissing, rfNoNumber };

// The board writes "nan" (in any letter case) for a value it does not have;
// that leaves the output as it is, NaN for every caller.
inline EnRealField readReal(const QString& pField, double& oValue)
{
    if (pField.toLower().contains(QLatin1String("nan")))
        return rfMissing;
    bool ok = false;
    const double value = pField.toDouble(&ok);
    if (!ok)
        return rfNoNumber;
    oValue = value;
    return rfNumber;
}
} // namespace BoardReply
