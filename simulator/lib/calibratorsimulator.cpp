#include "calibratorsimulator.h"

#include "blockcalibratorfactory.h"
#include "deviceroot.h"
#include "modbuscalibratorpeer.h"
#include "simulatedconvertertable.h"
#include "textcalibratorpeer.h"

namespace
{
// The converter that the Modbus calibrators come with.
constexpr int MODBUS_CONVERTER_PRODUCT = 0xCC18;
constexpr double AMBIENT = 23.0;

const TBlockcalibratorInfo& infoOf(EnCalibratorType pType)
{
    static const TBlockcalibratorInfo_Serial none(QString(), 0, 0);
    const TBlockcalibratorInfo* info = TBlockcalibratorFactory::instance()->calibratorInfo(pType);
    return info ? *info : none;
}
} // namespace

TCalibratorSimulator::TCalibratorSimulator(EnCalibratorType pType, TCalibratorThermalModel::TClock pClock)
    : mType(pType), mModel(AMBIENT, std::move(pClock))
{
    const TBlockcalibratorInfo& info = infoOf(pType);
    switch (protocolOf(pType)) {
    case EnProtocol::pModbus:
        mModbus = std::make_unique<TModbusCalibratorPeer>(mModel, info.tmax());
        break;
    case EnProtocol::pStxEtx:
        mText =
            std::make_unique<TTextCalibratorPeer>(TTextCalibratorProtocol::stxEtx(mModel, info.tmin(), info.tmax()));
        break;
    case EnProtocol::pVariable:
        mText =
            std::make_unique<TTextCalibratorPeer>(TTextCalibratorProtocol::variable(mModel, info.tmin(), info.tmax()));
        break;
    case EnProtocol::pRegisterTcp:
        mText =
            std::make_unique<TTextCalibratorPeer>(TTextCalibratorProtocol::registers(mModel, info.tmin(), info.tmax()));
        break;
    }
}

TCalibratorSimulator::~TCalibratorSimulator()
{
    stop();
}

bool TCalibratorSimulator::parseModel(const QString& pText, EnCalibratorType& oType)
{
    bool isCode = false;
    const int code = pText.toInt(&isCode);
    for (int candidate = 1; candidate <= 12; ++candidate) {
        const auto type = EnCalibratorType(candidate);
        if (isCode ? code == candidate
                   : TBlockcalibratorFactory::instance()->calibratorTypeToText(type).compare(
                         pText.trimmed(), Qt::CaseInsensitive) == 0) {
            oType = type;
            return true;
        }
    }
    return false;
}

TCalibratorSimulator::EnProtocol TCalibratorSimulator::protocolOf(EnCalibratorType pType)
{
    switch (pType) {
    case EnCalibratorType::ctDWK4600_650:
    case EnCalibratorType::ctDWK4600_165:
        return EnProtocol::pStxEtx;
    case EnCalibratorType::ctDWK4400_1100:
        return EnProtocol::pVariable;
    case EnCalibratorType::ctMBK2800:
    case EnCalibratorType::ctMBK2900:
        return EnProtocol::pRegisterTcp;
    default:
        return EnProtocol::pModbus;
    }
}

QString TCalibratorSimulator::defaultLinkPath()
{
    return TDeviceRoot::path(QStringLiteral("/dev/ttyUSB-calibrator"));
}

bool TCalibratorSimulator::start(const QString& pLinkPath, QString& oError)
{
    stop();
    if (protocol() == EnProtocol::pRegisterTcp) {
        mRunning = mText->startTcp(mPort, oError);
        return mRunning;
    }
    const bool started = mModbus ? mModbus->start(pLinkPath, oError) : mText->startSerial(pLinkPath, oError);
    if (!started)
        return false;
    // The Modbus calibrators come with their own converter, whose line echoes;
    // the others sit behind one with the chip maker's default ids.
    const bool entered = mModbus ? TSimulatedConverterTable::addConverter(TSimulatedConverterTable::FTDI_VENDOR,
                                                                          MODBUS_CONVERTER_PRODUCT, pLinkPath,
                                                                          QStringLiteral("echo"), &oError)
                                 : TSimulatedConverterTable::addConverter(TSimulatedConverterTable::FTDI_VENDOR,
                                                                          TSimulatedConverterTable::DEFAULT_PRODUCT,
                                                                          pLinkPath, QString(), &oError);
    mRunning = true;
    if (!entered)
        stop();
    return entered;
}

void TCalibratorSimulator::stop()
{
    if (!mRunning)
        return;
    if (protocol() != EnProtocol::pRegisterTcp)
        TSimulatedConverterTable::removeConverter(linkPath());
    if (mModbus)
        mModbus->stop();
    if (mText)
        mText->stop();
    mRunning = false;
}

void TCalibratorSimulator::watchRequests(std::function<void(const QByteArray&)> pWatcher)
{
    if (mModbus)
        mModbus->watchRequests(std::move(pWatcher));
    else if (mText)
        mText->watchRequests(std::move(pWatcher));
}

QString TCalibratorSimulator::modelName() const
{
    return TBlockcalibratorFactory::instance()->calibratorTypeToText(mType);
}

QString TCalibratorSimulator::linkPath() const
{
    return mModbus ? mModbus->linkPath() : mText->linkPath();
}

quint16 TCalibratorSimulator::port() const
{
    return mText && mRunning && protocol() == EnProtocol::pRegisterTcp ? mText->port() : mPort;
}
