#include "twopointcalibrationitem.h"
#include "calibrationprogressdialog.h"
#include "calibrationreadingwait.h"
#include "channel.h"
#include "channelcontroller.h"
#include "decimaldisplaycontroller.h"
#include "internalscpihandler.h"
#include "messagedialog.h"
#include "probe.h"
#include "probecontroller.h"
#include "twopointcalibration.h"

#include <QCoreApplication>
#include <QVector>

#include <cmath>
#include <limits>
#include <numeric>

using namespace Electrical_temperature_units;

namespace
{
constexpr double NOT_SET = std::numeric_limits<double>::quiet_NaN();

void showError(const QString& pText)
{
    TMessageDialog dialog;
    dialog.showError(pText);
}
} // namespace

constexpr short TTwoPointCalibrationItem::CALIBRATION_READINGS;
constexpr short TTwoPointCalibrationItem::CALIBRATION_IGNORE_FIRST_READINGS;
constexpr short TTwoPointCalibrationItem::CALIBRATION_SECONDS_BETWEEN_READINGS;
constexpr short TTwoPointCalibrationItem::CALIBRATION_RETRIES;

TTwoPointCalibrationItem::TTwoPointCalibrationItem(EnCalItemID pItemId, EnUnit pUnit, double pCalValLowerBound,
                                                   double pCalValUpperBound, double pCalValToleranceLowerBound,
                                                   double pCalValToleranceUpperBound, const QString& pTitle,
                                                   TPhysicalChannel* pCalChannel, TAbstractProbe* pProbeToUse,
                                                   const QDate& pLastCalDate, double pStoredOffset, double pStoredSlope)
    : mItemId(pItemId)
    , mUnit(pUnit)
    , mCalValLowerBound(pCalValLowerBound)
    , mCalValUpperBound(pCalValUpperBound)
    , mNominalCalValLowerBound(NOT_SET)
    , mNominalCalValUpperBound(NOT_SET)
    , mCalValToleranceLowerBound(pCalValToleranceLowerBound)
    , mCalValToleranceUpperBound(pCalValToleranceUpperBound)
    , mTitle(pTitle)
    , mCalChannel(pCalChannel)
    , mProbeToUse(pProbeToUse)
    , mLastCalDate(pLastCalDate)
    , mTwoPointCalibration(std::make_unique<TTwoPointCalibration>())
    , mStoredOffset(pStoredOffset)
    , mStoredSlope(pStoredSlope)
    , mStoredOffset_backup(pStoredOffset)
    , mStoredSlope_backup(pStoredSlope)
{
}

TTwoPointCalibrationItem::~TTwoPointCalibrationItem() = default;

void TTwoPointCalibrationItem::initCalibration()
{
    // A zero reference is a short circuit that needs no entry.
    setNominalValues(mCalValLowerBound == 0.0 ? 0.0 : NOT_SET, NOT_SET);
}

void TTwoPointCalibrationItem::setNominalValues(double pLower, double pUpper)
{
    mNominalCalValLowerBound = pLower;
    mNominalCalValUpperBound = pUpper;
    mTwoPointCalibration->clearFirstPoint();
    mTwoPointCalibration->clearSecondPoint();
}

bool TTwoPointCalibrationItem::setNominalCalValLowerBound(double pValue)
{
    return setNominalValue(mCalValLowerBound, mCalValToleranceLowerBound, mNominalCalValLowerBound, pValue);
}

bool TTwoPointCalibrationItem::setNominalCalValUpperBound(double pValue)
{
    return setNominalValue(mCalValUpperBound, mCalValToleranceUpperBound, mNominalCalValUpperBound, pValue);
}

bool TTwoPointCalibrationItem::setNominalValue(double pSoll, double pTolerance, double& oSavedNominalValue, double pIst)
{
    // Written so that NaN fails as well.
    if (pSoll - pTolerance <= pIst && pIst <= pSoll + pTolerance) {
        oSavedNominalValue = pIst;
        return true;
    }
    showError(tr("Nominal value must be %1")
                  .arg(valueAsString(pSoll) + QStringLiteral(" ±") + QString::number(pTolerance, 'g', 6) +
                       TAbstractChannel::unitToText(mUnit)));
    return false;
}

QString TTwoPointCalibrationItem::valueAsString(double pVal) const
{
    return TDecimalDisplayController::instance().Double2Str(pVal, 6, false) + TAbstractChannel::unitToText(mUnit);
}

bool TTwoPointCalibrationItem::calibrateLowerBound(TChannelController* pChannelController,
                                                   TProbeController* pProbeController,
                                                   TInternalSCPIHandler* pSCPIHandler)
{
    return calibratePoint(true, pChannelController, pProbeController, pSCPIHandler);
}

bool TTwoPointCalibrationItem::calibrateUpperBound(TChannelController* pChannelController,
                                                   TProbeController* pProbeController,
                                                   TInternalSCPIHandler* pSCPIHandler)
{
    return calibratePoint(false, pChannelController, pProbeController, pSCPIHandler);
}

bool TTwoPointCalibrationItem::calibratePoint(bool pLowerPoint, TChannelController* pChannelController,
                                              TProbeController* pProbeController, TInternalSCPIHandler* pSCPIHandler)
{
    const double reference = pLowerPoint ? mCalValLowerBound : mCalValUpperBound;
    const double nominal = pLowerPoint ? mNominalCalValLowerBound : mNominalCalValUpperBound;
    if (std::isnan(nominal)) {
        showError(tr("Please enter a nominal value for the %1 calibration point.").arg(valueAsString(reference)));
        return false;
    }
    TMessageDialog dialog;
    const auto answer =
        dialog.showDialog(tr("Please connect external reference %1 to channel %2 and press OK to continue.")
                              .arg(valueAsString(nominal), mCalChannel->channelCaption()),
                          TMessageDialog::dtInfo, TMessageDialog::dbOK | TMessageDialog::dbCancel);
    if (answer != TMessageDialog::drvOK)
        return false;

    double value = NOT_SET;
    const bool measured = measureRawValue(pChannelController, pProbeController, pSCPIHandler, value);
    if (measured) {
        if (pLowerPoint)
            mTwoPointCalibration->setFirstPoint(value, nominal);
        else
            mTwoPointCalibration->setSecondPoint(value, nominal);
    }
    return measured;
}

bool TTwoPointCalibrationItem::measureRawValue(TChannelController* pChannelController,
                                               TProbeController* pProbeController, TInternalSCPIHandler* pSCPIHandler,
                                               double& oValue)
{
    oValue = NOT_SET;
    // A calibration routine holds the board: the neutral data and the probe
    // set up here would be measured with in its readings.
    if (pChannelController->isRoutineActive())
        return false;
    TAbstractProbe* probeToUse = nullptr;
    if (!isProbeSetupCorrect(&probeToUse, pProbeController))
        return false;

    TAbstractChannel* const measuredChannel = pChannelController->measuredChannel();
    // A board that restarts forgets the set-up that follows and measures its
    // input 1 with its power-on settings: readings across an interruption of
    // the link are given up, never mixed into the point.
    const quint64 interruptions = pSCPIHandler->linkInterruptions();
    // The board measures uncorrected values only with neutral data in place.
    if (pSCPIHandler->storeTwoPointCalibrationItemData(mItemId, 0.0, 1.0, QDate::currentDate(), false) != 0)
        return false;
    pChannelController->setReadingActive(false);

    bool result = false;
    if (pChannelController->measureChannel(mCalChannel)) {
        TAbstractProbe* const assignedProbe = mCalChannel->assignedProbe();
        if (probeToUse && probeToUse != assignedProbe)
            pProbeController->assignProbeToChannel(probeToUse, mCalChannel, true);
        beforeMeasureRawValue(pSCPIHandler);

        result = takeReadings(pSCPIHandler, interruptions, oValue);

        if (mCalChannel->assignedProbe() != assignedProbe)
            pProbeController->assignProbeToChannel(assignedProbe, mCalChannel, true);
    }
    afterMeasureRawValue(pSCPIHandler);

    if (pChannelController->measuredChannel() != measuredChannel)
        pChannelController->measureShownChannel(measuredChannel);
    if (!pChannelController->isReadingActive())
        pChannelController->setReadingActive(true);
    return result;
}

bool TTwoPointCalibrationItem::takeReadings(TInternalSCPIHandler* pSCPIHandler, quint64 pInterruptions, double& oValue)
{
    // Application modal: a window-modal dialog without a parent would block
    // nothing, and only Abort may act while the board measures.
    TCalibrationProgressDialog progress;
    progress.setWindowModality(Qt::ApplicationModal);
    progress.show(TCalibrationProgressDialog::pdtCalibration, true);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    QVector<double> readings;
    while (readings.size() < CALIBRATION_READINGS) {
        bool counted = false;
        bool interrupted = false;
        for (int attempt = 0; attempt < CALIBRATION_RETRIES && !counted && !interrupted; ++attempt) {
            double value = NOT_SET;
            Channel::EnRawValueStatus status = Channel::rwsInRange;
            if (pSCPIHandler->getMeasRaw(value, status, mItemId) && !std::isnan(value)) {
                readings.append(value);
                counted = true;
            }
            if (progress.isAborted())
                return false;
            interrupted = pSCPIHandler->linkInterruptions() != pInterruptions;
            if (!interrupted)
                TCalibrationReadingWait::wait();
        }
        if (!counted || interrupted) {
            progress.close();
            showError(tr("The instrument could not produce a valid measuring result. Calibration will be aborted."));
            return false;
        }
        progress.updateProgress(int(readings.size() * 100.0 / CALIBRATION_READINGS));
        QCoreApplication::processEvents();
    }
    oValue = std::accumulate(readings.cbegin() + CALIBRATION_IGNORE_FIRST_READINGS, readings.cend(), 0.0) /
             (CALIBRATION_READINGS - CALIBRATION_IGNORE_FIRST_READINGS);
    return true;
}

void TTwoPointCalibrationItem::newCalibrationData(double& oOffset, double& oSlope) const
{
    oOffset = NOT_SET;
    oSlope = NOT_SET;
    mTwoPointCalibration->calcSlopeAndOffset(oSlope, oOffset);
}

void TTwoPointCalibrationItem::updateCalibrationData(double pOffset, double pSlope, const QDate& pCalDate)
{
    mStoredOffset = pOffset;
    mStoredSlope = pSlope;
    mLastCalDate = pCalDate;
}

void TTwoPointCalibrationItem::temporaryBackupCalibrationData()
{
    mStoredOffset_backup = mStoredOffset;
    mStoredSlope_backup = mStoredSlope;
}

void TTwoPointCalibrationItem::beforeMeasureRawValue(TInternalSCPIHandler*) {}

void TTwoPointCalibrationItem::afterMeasureRawValue(TInternalSCPIHandler*) {}

bool TTwoPointCalibrationItem::isProbeSetupCorrect(TAbstractProbe** oProbeForCalibration, TProbeController*)
{
    *oProbeForCalibration = mProbeToUse;
    return true;
}

TThermocoupleTwoPointCalibration::TThermocoupleTwoPointCalibration(EnCalItemID pItemId, EnUnit pUnit,
                                                                   const QString& pTitle, TPhysicalChannel* pCalChannel,
                                                                   const QDate& pLastCalDate, double pStoredOffset,
                                                                   double pStoredSlope)
    : TTwoPointCalibrationItem(pItemId, pUnit, 0.0, 100.0, 5.0, 10.0, pTitle, pCalChannel, nullptr, pLastCalDate,
                               pStoredOffset, pStoredSlope)
{
}

void TThermocoupleTwoPointCalibration::initCalibration()
{
    setNominalValues(0.0, 100.0);
}

void TThermocoupleTwoPointCalibration::beforeMeasureRawValue(TInternalSCPIHandler* pSCPIHandler)
{
    pSCPIHandler->setTC_ConversionEnabled(false);
}

void TThermocoupleTwoPointCalibration::afterMeasureRawValue(TInternalSCPIHandler* pSCPIHandler)
{
    pSCPIHandler->setTC_ConversionEnabled(true);
}

namespace
{
bool isTypeKWithExternalJunction(const TAbstractProbe* pProbe)
{
    const auto* tcProbe = dynamic_cast<const TTCProbe*>(pProbe);
    return tcProbe && tcProbe->probeType() == Probe_enums::ptK &&
           tcProbe->referenceColdJunction() == Probe_enums::rjExternal;
}
} // namespace

bool TThermocoupleTwoPointCalibration::isProbeSetupCorrect(TAbstractProbe** oProbeForCalibration,
                                                           TProbeController* pProbeController)
{
    *oProbeForCalibration = nullptr;
    if (isTypeKWithExternalJunction(calChannel()->assignedProbe())) {
        *oProbeForCalibration = calChannel()->assignedProbe();
        return true;
    }
    // The map is ordered by probe number.
    for (const auto& entry : pProbeController->customProbes()) {
        if (isTypeKWithExternalJunction(entry.second.get())) {
            *oProbeForCalibration = entry.second.get();
            return true;
        }
    }
    showError(QStringLiteral("A thermocouple probe of type K with CJC set to external must be connected to channel ") +
              calChannel()->channelCaption());
    return false;
}
