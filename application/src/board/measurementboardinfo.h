#pragma once

#include "instrumenttype.h"

#include <QDate>
#include <QString>

// The measurement board's answer to its identification command. Built only by
// the board command layer; the instrument identity keeps it.
class TMeasurementBoardInfo
{
public:
    TMeasurementBoardInfo(const QString& pSerialNr, const QString& pFirmwareVersion, QDate pFirmwareDate,
                          EnInstrumentType pInstrumentType);
    virtual ~TMeasurementBoardInfo();

    const QString& serialNr() const { return mSerialNr; }
    const QString& firmwareVersion() const { return mFirmwareVersion; }
    QDate firmwareDate() const { return mFirmwareDate; }
    EnInstrumentType instrumentType() const { return mInstrumentType; }

private:
    QString mSerialNr;
    QString mFirmwareVersion;
    QDate mFirmwareDate;
    EnInstrumentType mInstrumentType;
};
