#include "instrumentinfo.h"

#include "channelcontroller.h"
#include "switchbox.h"

#include "deviceroot.h"
#include "filesystemsync.h"
#include "fileversionreader.h"
#include "internalscpihandler.h"
#include "osversion.h"

#include <QFile>
#include <QLocale>

namespace
{
const QString DATE_FORMAT = QStringLiteral("yyyyMMdd");
const QString NETWORK_INTERFACE = QStringLiteral("eth0");
const QString LINE_END = QStringLiteral("\r\n");
} // namespace

TInstrumentInfo::TInstrumentInfo() = default;

TInstrumentInfo::~TInstrumentInfo() = default;

TInstrumentInfo* TInstrumentInfo::instance()
{
    static TInstrumentInfo info;
    return &info;
}

void TInstrumentInfo::initialize(TInternalSCPIHandler* pInternalSCPIHandler)
{
    mInternalSCPIHandler = pInternalSCPIHandler;
    mMeasurementBoardInfo.reset();
    mLocalIdentity.reset();
    ++mRevision;
}

TMeasurementBoardInfo* TInstrumentInfo::measurementBoardInfo()
{
    if (!mMeasurementBoardInfo && mInternalSCPIHandler) {
        mMeasurementBoardInfo = mInternalSCPIHandler->getMeasurementBoardInfo();
        if (mMeasurementBoardInfo)
            ++mRevision;
    }
    return mMeasurementBoardInfo.get();
}

EnInstrumentType TInstrumentInfo::instrumentType()
{
    const TMeasurementBoardInfo* board = measurementBoardInfo();
    return board ? board->instrumentType() : ZTM8800;
}

QString TInstrumentInfo::instrumentName()
{
    return instrumentType() == ZTM9900 ? QStringLiteral("ZTM9900") : QStringLiteral("ZTM8800");
}

QByteArray TInstrumentInfo::readFile(const QString& pDevicePath) const
{
    QFile file(TDeviceRoot::path(pDevicePath));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray content = file.readAll();
    const int zero = content.indexOf('\0');
    if (zero >= 0)
        content.truncate(zero);
    return content.trimmed();
}

void TInstrumentInfo::writeFile(const QString& pDevicePath, const QByteArray& pContent) const
{
    QFile file(TDeviceRoot::path(pDevicePath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return;
    file.write(pContent);
    TFileSystemSync::sync(file);
}

QString TInstrumentInfo::instrumentSerialNumber() const
{
    return QString::fromLatin1(readFile(mSerialNumberFile));
}

QDate TInstrumentInfo::instrumentManufacturingDate() const
{
    return QDate::fromString(QString::fromLatin1(readFile(mManufacturingDateFile)), DATE_FORMAT);
}

QString TInstrumentInfo::frontEndSerialNumber() const
{
    return TDeviceRoot::hardwareAddress(NETWORK_INTERFACE).remove(QLatin1Char(':'));
}

QString TInstrumentInfo::frontEndFirmwareVersion() const
{
    return TFileVersionReader::determineFileVersion().toString();
}

// The kept identity takes what the file now holds, as a query reading it would.
void TInstrumentInfo::setInstrumentSerialNumber(const QString& pSerialNumber)
{
    writeFile(mSerialNumberFile, pSerialNumber.toLatin1());
    if (mLocalIdentity)
        mLocalIdentity->mSerialNumber = instrumentSerialNumber();
    ++mRevision;
}

void TInstrumentInfo::setInstrumentManufacturingDate(const QDate& pDate)
{
    writeFile(mManufacturingDateFile, QLocale::c().toString(pDate, DATE_FORMAT).toLatin1());
    if (mLocalIdentity)
        mLocalIdentity->mManufacturingDate = instrumentManufacturingDate();
    ++mRevision;
}

const TInstrumentInfo::TLocalIdentity& TInstrumentInfo::localIdentity()
{
    if (!mLocalIdentity)
        mLocalIdentity.reset(new TLocalIdentity{instrumentSerialNumber(), instrumentManufacturingDate(),
                                                frontEndSerialNumber(), frontEndFirmwareVersion()});
    return *mLocalIdentity;
}

void TInstrumentInfo::forgetLocalIdentity()
{
    mLocalIdentity.reset();
    ++mRevision;
}

QString TInstrumentInfo::instrumentInfoAsText(const TChannelController& pChannelController)
{
    QString text = identityText();
    for (unsigned int index = 0; const TAbstractSwitchBox* box = pChannelController.switchBox(index); ++index)
        text += tr("Scanner") + QLatin1Char(' ') + box->switchBoxTypeAsText() + QStringLiteral(": ") +
                box->serialNumber() + LINE_END;
    return text;
}

QString TInstrumentInfo::identityText()
{
    const TMeasurementBoardInfo* board = measurementBoardInfo();
    auto line = [](const QString& pLabel, const QString& pValue) {
        return pLabel + QStringLiteral(": ") + pValue + LINE_END;
    };
    return line(tr("Model"), instrumentName()) + line(tr("Instrument serial number"), instrumentSerialNumber()) +
           line(tr("Measuring serial number"), board ? board->serialNr() : QString()) +
           line(tr("User interface serial number"), frontEndSerialNumber()) +
           line(tr("User interface version"), frontEndFirmwareVersion()) +
           line(tr("OS version"), TOSVersion::instance().toString()) +
           line(tr("Firmware version"), board ? board->firmwareVersion() : QString());
}
