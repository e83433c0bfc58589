#pragma once

#include <QString>

// The words of the simulators' control commands, read and answered alike.
namespace Control_words
{
inline const QString OK = QStringLiteral("OK");

inline QString failure(const QString& pReason)
{
    return QStringLiteral("ERR ") + pReason;
}

inline bool toNumber(const QString& pWord, double& oValue)
{
    bool ok = false;
    oValue = pWord.toDouble(&ok);
    return ok;
}

inline bool toInteger(const QString& pWord, int& oValue)
{
    bool ok = false;
    oValue = pWord.toInt(&ok, 10);
    return ok;
}

// A fault count: a number of commands, or "always" until cleared.
inline bool toCount(const QString& pWord, int& oCount)
{
    if (pWord == QLatin1String("always")) {
        oCount = -1;
        return true;
    }
    return toInteger(pWord, oCount) && oCount >= 0;
}
} // namespace Control_words
