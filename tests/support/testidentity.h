#pragma once

#include "instrumenttype.h"

#include <QMetaType>

class TSimulatedBoardLink;

// Test rows run per variant.
Q_DECLARE_METATYPE(EnInstrumentType)

// Makes the simulated board name itself as the given variant and lets the
// instrument identity ask it anew; true once the identity reports that variant.
// Probe records, fragments and texts depend on it.
bool identifyBoardAs(TSimulatedBoardLink& pBoard, EnInstrumentType pInstrumentType);
