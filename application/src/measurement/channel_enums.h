#pragma once

#include <QtGlobal>

namespace Channel
{
// Where the board's uncorrected reading lies against the range of its
// calibration item.
enum EnRawValueStatus : quint8 { rwsInRange = 0, rwsUnderRange = 1, rwsOverRange = 2 };
} // namespace Channel
