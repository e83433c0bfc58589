#include "instrumentinfo.h"

TMeasurementBoardInfo::TMeasurementBoardInfo(const QString& pSerialNr, const QString& pFirmwareVersion,
                                             QDate pFirmwareDate, EnInstrumentType pInstrumentType)
    : mSerialNr(pSerialNr)
    , mFirmwareVersion(pFirmwareVersion)
    , mFirmwareDate(pFirmwareDate)
    , mInstrumentType(pInstrumentType)
{
}

TMeasurementBoardInfo::~TMeasurementBoardInfo() = default;
