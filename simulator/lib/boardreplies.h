#pragma once

#include <QByteArray>

// The replies the simulated board gives, shared by every part of it that
// answers commands, so that one code always means the same failure.
namespace Board_replies
{
inline const QByteArray CONFIRMED("E0");
inline const QByteArray NO_PROBE("E1");
inline const QByteArray UNKNOWN_COMMAND("E4");
inline const QByteArray ILLEGAL_COMMAND("E5");
inline const QByteArray PROBE_NOT_EXISTS("E9");
inline const QByteArray COEFFICIENT_UNAVAILABLE("E10");
inline const QByteArray UNAVAILABLE("E14");
inline const QByteArray NO_SMART_PROBE("E222");
inline const QByteArray SMART_PROBE_LOCKED("E224");

inline QByteArray errorReply(int pError)
{
    return "E" + QByteArray::number(pError);
}

// A measured or stored value as the board prints it: ten significant digits.
inline QByteArray number(double pValue)
{
    return QByteArray::number(pValue, 'g', 10);
}
} // namespace Board_replies
