#pragma once

#include <QtGlobal>

// Which kind of physical channel a channel list offers: every kind, only
// resistance inputs, or only thermocouple inputs (the expansion port included).
enum EnChannelType : quint8 { ctUndefined = 0, ctPRT = 1, ctThermocouple = 2 };
