#include "calibratorsimulator.h"

#include "blockcalibratorfactory.h"
#include "deviceroot.h"
#include "modbuscalibratorpeer.h"
#include "simulatedconvertertable.h"

namespace
{
// The converter that the Modbus calibrators come with.
constexpr int MODBUS_CONVERTER_PRODUCT = 0xCC18;
constexpr double AMBIENT = 23.0;

int tmaxOf(EnCalibratorType pType)
{
    const TBlockcalibratorInfo* info = TBlockcalibratorFactory::instance()->calibratorInfo(pType);
    return info ? info->tmax() : 0;
}
} // namespace

TCalibratorSimulator::TCalibratorSimulator(EnCalibratorType pType, TCalibratorThermalModel::TClock pClock)
    : mType(pType), mModel(AMBIENT, std::move(pClock))
{
    if (protocolOf(pType) == EnProtocol::pModbus)
        mModbus = std::make_unique<TModbusCalibratorPeer>(mModel, tmaxOf(pType));
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
    if (!mModbus) {
        oError = QStringLiteral("no simulated peer for %1 yet").arg(modelName());
        return false;
    }
    if (!mModbus->start(pLinkPath, oError))
        return false;
    if (!TSimulatedConverterTable::addConverter(TSimulatedConverterTable::FTDI_VENDOR, MODBUS_CONVERTER_PRODUCT,
                                                pLinkPath, QStringLiteral("echo"))) {
        oError = QStringLiteral("cannot write %1").arg(TSimulatedConverterTable::tablePath());
        mModbus->stop();
        return false;
    }
    mRunning = true;
    return true;
}

void TCalibratorSimulator::stop()
{
    if (!mRunning)
        return;
    TSimulatedConverterTable::removeConverter(linkPath());
    if (mModbus)
        mModbus->stop();
    mRunning = false;
}

QString TCalibratorSimulator::modelName() const
{
    return TBlockcalibratorFactory::instance()->calibratorTypeToText(mType);
}

QString TCalibratorSimulator::linkPath() const
{
    return mModbus ? mModbus->linkPath() : QString();
}
