#pragma once

#include "measurementboardinfo.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>

class TInternalSCPIHandler;

// The instrument's identity: the board's identification record, fetched once
// and kept, and what the user-interface computer knows itself (serial number
// and manufacturing date files, the network adapter's hardware address, the
// program's version). One instance for the process.
class TChannelController;

class TInstrumentInfo : public QObject
{
    Q_OBJECT

public:
    static TInstrumentInfo* instance();

    // Gives the identity its way to the board. A record of an earlier board
    // is dropped: the next query asks the new one.
    void initialize(TInternalSCPIHandler* pInternalSCPIHandler);

    // Asks the board on first use and keeps its answer; null without a board
    // command layer or while the board has not answered (asked again next time).
    TMeasurementBoardInfo* measurementBoardInfo();
    // The board's variant, or ZTM8800 while the board has not answered: what
    // every model-specific decision goes by, so none of them needs the board
    // record to exist.
    EnInstrumentType instrumentType();

    QString instrumentName();
    // Empty, or an invalid date, when the file is missing or unreadable.
    QString instrumentSerialNumber() const;
    QDate instrumentManufacturingDate() const;
    // The network adapter's hardware address as twelve hexadecimal digits;
    // empty without the adapter.
    QString frontEndSerialNumber() const;
    QString frontEndFirmwareVersion() const;

    // Failures to write are not reported.
    void setInstrumentSerialNumber(const QString& pSerialNumber);
    void setInstrumentManufacturingDate(const QDate& pDate);

    // What the user-interface computer answers identification queries with,
    // read on first use and kept: remote clients poll the identity many times
    // a second. The setters above keep it current; after the files were
    // replaced another way, forgetLocalIdentity() has them read again.
    struct TLocalIdentity
    {
        QString mSerialNumber;
        QDate mManufacturingDate;
        QString mHardwareAddress;
        QString mVersion;
    };
    const TLocalIdentity& localIdentity();
    void forgetLocalIdentity();
    // Changes whenever a field of the identity may have changed (a setter, a
    // forgotten local identity, a board record dropped or newly answered), so
    // that a text made from the identity can be kept until it does.
    quint64 revision() const { return mRevision; }

    // The identity of instrument and board as "label: value" lines, each
    // ended by CR LF, then one "Scanner" line per switch box the controller
    // holds. Board fields are empty while the board has not answered.
    QString instrumentInfoAsText(const TChannelController& pChannelController);
    // The identity lines alone, without the switch boxes.
    QString identityText();

private:
    TInstrumentInfo();
    ~TInstrumentInfo() override;

    QByteArray readFile(const QString& pDevicePath) const;
    void writeFile(const QString& pDevicePath, const QByteArray& pContent) const;

    TInternalSCPIHandler* mInternalSCPIHandler = nullptr;
    QString mSerialNumberFile = QStringLiteral("/home/serialnumber");
    QString mManufacturingDateFile = QStringLiteral("/home/manufacturingdate");
    std::unique_ptr<TMeasurementBoardInfo> mMeasurementBoardInfo;
    std::unique_ptr<TLocalIdentity> mLocalIdentity;
    quint64 mRevision = 0;
};
