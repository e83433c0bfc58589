#include "testidentity.h"

#include "boardstate.h"
#include "instrumentinfo.h"
#include "simulatedboardlink.h"

bool identifyBoardAs(TSimulatedBoardLink& pBoard, EnInstrumentType pInstrumentType)
{
    const QString model = pInstrumentType == ZTM9900     ? QStringLiteral("ZTM9900")
                          : pInstrumentType == ZTM8800v2 ? QStringLiteral("ZTM8800v2")
                                                         : QStringLiteral("ZTM8800");
    pBoard.board().withState([&model](TBoardState& pState) { pState.mIdentity.mModel = model; });
    TInstrumentInfo::instance()->initialize(&pBoard.handler());
    const TMeasurementBoardInfo* info = TInstrumentInfo::instance()->measurementBoardInfo();
    return info && info->instrumentType() == pInstrumentType;
}
