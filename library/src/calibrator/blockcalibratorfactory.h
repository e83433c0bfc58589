#pragma once

#include "blockcalibratorinfo.h"
#include "blockcalibratorinterface.h"
#include "calibratortype.h"

#include <QString>

class TCalibrationSetup;

#include <map>
#include <memory>

// The process-wide table of the calibrator models, filled once on first use.
// Connectors for a setup's model come from here as well.
class TBlockcalibratorFactory
{
public:
    static TBlockcalibratorFactory* instance();

    virtual ~TBlockcalibratorFactory();
    TBlockcalibratorFactory(const TBlockcalibratorFactory&) = delete;
    TBlockcalibratorFactory& operator=(const TBlockcalibratorFactory&) = delete;
    TBlockcalibratorFactory(TBlockcalibratorFactory&&) = delete;
    TBlockcalibratorFactory& operator=(TBlockcalibratorFactory&&) = delete;

    // A new connector, not yet initialised, for the setup's model; the
    // caller owns it. Empty for a type the table does not hold.
    std::unique_ptr<IBlockcalibratorInterface> createBlockcalibrator(const TCalibrationSetup& pCalibrationSetup) const;
    // Null for a type the table does not hold; the factory keeps ownership
    // and the description lives as long as the program.
    const TBlockcalibratorInfo* calibratorInfo(EnCalibratorType pType) const;
    // The model's name; empty for a type the table does not hold.
    QString calibratorTypeToText(EnCalibratorType pType) const;

private:
    TBlockcalibratorFactory();

    std::map<EnCalibratorType, std::unique_ptr<TBlockcalibratorInfo>> mCalibratorInfos;
};
