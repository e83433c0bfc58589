#pragma once

#include <QDate>
#include <QString>

// The instrument variant, as the measurement board's identification reply
// names it. It decides the probe record layout and other model-specific
// behaviour.
enum EnInstrumentType : qint32 { ZTM8800 = 1, ZTM8800v2 = 2, ZTM9900 = 3 };

// The measurement board's answer to its identification query; built by the
// board command layer, kept by the instrument identity.
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
