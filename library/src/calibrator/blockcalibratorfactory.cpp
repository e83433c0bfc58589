#include "blockcalibratorfactory.h"

#include "calibrationsetup.h"
#include "dwk4400_1100_connector.h"
#include "dwk44xx_connector.h"
#include "dwk46xx_connector.h"
#include "mbk2x00_connector.h"

namespace
{
// Both network baths listen on this port unless the user says otherwise.
constexpr int MBK_DEFAULT_PORT = 8101;
} // namespace

TBlockcalibratorFactory* TBlockcalibratorFactory::instance()
{
    static TBlockcalibratorFactory factory;
    return &factory;
}

TBlockcalibratorFactory::TBlockcalibratorFactory()
{
    auto serial = [this](EnCalibratorType pType, const char* pName, int pTmin, int pTmax) {
        mCalibratorInfos[pType] =
            std::make_unique<TBlockcalibratorInfo_Serial>(QString::fromLatin1(pName), pTmin, pTmax);
    };
    auto ethernet = [this](EnCalibratorType pType, const char* pName, int pTmin, int pTmax) {
        mCalibratorInfos[pType] =
            std::make_unique<TBlockcalibratorInfo_Ethernet>(QString::fromLatin1(pName), pTmin, pTmax, MBK_DEFAULT_PORT);
    };
    serial(EnCalibratorType::ctDWK4400_COOL, "DWK4400-COOL", -55, 200);
    serial(EnCalibratorType::ctDWK4400_165, "DWK4400-165", -35, 165);
    serial(EnCalibratorType::ctDWK4400_450, "DWK4400-450", 40, 450);
    serial(EnCalibratorType::ctDWK4400_650, "DWK4400-650", 40, 650);
    serial(EnCalibratorType::ctDWK4600_650, "DWK4600-650", 40, 650);
    serial(EnCalibratorType::ctDWK4600_165, "DWK4600-165", -35, 165);
    serial(EnCalibratorType::ctMBK2700_165, "MBK2700-165", -35, 165);
    serial(EnCalibratorType::ctMBK2700_225, "MBK2700-225", 40, 225);
    // The multi-function calibrator's range reaches 165 °C whatever its name says.
    serial(EnCalibratorType::ctMFK5100_150, "MFK5100-150", -35, 165);
    ethernet(EnCalibratorType::ctMBK2800, "MBK2800", 28, 300);
    ethernet(EnCalibratorType::ctMBK2900, "MBK2900", -45, 200);
    serial(EnCalibratorType::ctDWK4400_1100, "DWK4400-1100", 200, 1100);
}

TBlockcalibratorFactory::~TBlockcalibratorFactory() = default;

const TBlockcalibratorInfo* TBlockcalibratorFactory::calibratorInfo(EnCalibratorType pType) const
{
    const auto found = mCalibratorInfos.find(pType);
    return found == mCalibratorInfos.end() ? nullptr : found->second.get();
}

QString TBlockcalibratorFactory::calibratorTypeToText(EnCalibratorType pType) const
{
    const TBlockcalibratorInfo* info = calibratorInfo(pType);
    return info ? info->typeName() : QString();
}

std::unique_ptr<IBlockcalibratorInterface>
TBlockcalibratorFactory::createBlockcalibrator(const TCalibrationSetup& pCalibrationSetup) const
{
    switch (pCalibrationSetup.calibratorType()) {
    case EnCalibratorType::ctDWK4400_COOL:
    case EnCalibratorType::ctDWK4400_165:
    case EnCalibratorType::ctDWK4400_450:
    case EnCalibratorType::ctDWK4400_650:
    case EnCalibratorType::ctMBK2700_165:
    case EnCalibratorType::ctMBK2700_225:
    case EnCalibratorType::ctMFK5100_150:
        return std::make_unique<TDWK44XX_Connector>();
    case EnCalibratorType::ctDWK4600_650:
    case EnCalibratorType::ctDWK4600_165:
        return std::make_unique<TDWK46XX_Connector>();
    case EnCalibratorType::ctMBK2800:
    case EnCalibratorType::ctMBK2900:
        return std::make_unique<TMBK2X00_Connector>(pCalibrationSetup.calibratorIPAddress(),
                                                    pCalibrationSetup.calibratorPort());
    case EnCalibratorType::ctDWK4400_1100:
        return std::make_unique<TDWK4400_1100_Connector>();
    case EnCalibratorType::ctUndefined:
        break;
    }
    return nullptr;
}
