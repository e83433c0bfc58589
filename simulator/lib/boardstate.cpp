#include "boardstate.h"

#include "boardreplies.h"

#include <QLocale>
#include <QStringList>

#include <cmath>
#include <limits>

using namespace Board_replies;

namespace
{
constexpr int SWX6300_FIRST_CHANNEL = 16;
constexpr int SWX6300_CHANNELS_PER_PORT = 16;
constexpr int SWX6100_FIRST_CHANNEL = 80;
constexpr int SWX6100_CHANNELS_PER_PORT = 40;
constexpr int SWX6100_CHANNELS = 20;

// The limits of a calibration item's range for "meas:raw?": the reference
// resistors in ohm, the thermocouple inputs in millivolt.
struct TRawRange
{
    int mChannel;
    double mMinimum;
    double mMaximum;
};
const TRawRange RAW_RANGES[] = {{1, 0.0, 100.0},   {1, 0.0, 450.0},   {1, 450.0, 45000.0}, {1, 45000.0, 500000.0},
                                {3, -10.0, 100.0}, {4, -10.0, 100.0}, {6, -10.0, 100.0}};

// The reference resistors of the probe records: 2 is 25 ohm; the thermistor
// range codes 0 to 2 are measured on the 100 ohm, 10 and 100 kilo-ohm items.
constexpr int PRT_REFERENCE_25_OHM = 2;
constexpr int ITEM_25_OHM = 1;
constexpr int ITEM_100_OHM = 2;
constexpr int FIRST_THERMOCOUPLE_ITEM = 5;
} // namespace

TBoardState::TBoardState() : mStart(std::chrono::steady_clock::now()), mRandom(20190417)
{
    mInputs[1] = {ssPt100, TTemperatureSignal::constant(23.0)};
    mInputs[2] = {ssPt100, TTemperatureSignal::ramp(20.0, 0.5, 0.0)};
    mInputs[3] = {ssThermocoupleK, TTemperatureSignal::noise(150.0, 0.05)};
    addSystemCommands();
    addChannelCommands();
    addSwitchBoxCommands();
    mProbeMemory.addCommands(*this);
    mCalibration.addCommands(*this);
    mSmartProbes.addCommands(*this);
}

int TBoardState::probeRecordFieldCount() const
{
    const bool laterVariant =
        mIdentity.mModel == QLatin1String("ZTM8800v2") || mIdentity.mModel == QLatin1String("ZTM9900");
    return laterVariant ? TSimulatedProbeMemory::COMMON_FIELDS + 1 : TSimulatedProbeMemory::COMMON_FIELDS;
}

void TBoardState::restart()
{
    mMeasuredChannel = 1;
    mOperands.clear();
    mThermocoupleMillivolt = false;
}

double TBoardState::secondsSinceStart() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - mStart).count();
}

void TBoardState::addCommand(const char* pHeader, bool pReplyExpected, THandler pHandler)
{
    mCommands.insert(QByteArray(pHeader), TCommand{pReplyExpected, std::move(pHandler)});
}

TBoardState::THandler TBoardState::commandHandler(const char* pHeader) const
{
    const auto command = mCommands.constFind(QByteArray(pHeader));
    return command == mCommands.constEnd() ? THandler() : command->mHandler;
}

namespace
{
QByteArray commandHeader(const QByteArray& pCommand)
{
    const int blank = pCommand.indexOf(' ');
    return blank < 0 ? pCommand : pCommand.left(blank);
}
} // namespace

bool TBoardState::hasReply(const QByteArray& pCommand) const
{
    const auto command = mCommands.constFind(commandHeader(pCommand));
    return command == mCommands.constEnd() || command->mReplyExpected;
}

TBoardAnswer TBoardState::execute(const QByteArray& pCommand, double pNow)
{
    const int blank = pCommand.indexOf(' ');
    const QByteArray header = commandHeader(pCommand);
    const QString arguments = blank < 0 ? QString() : QString::fromLatin1(pCommand.mid(blank + 1));
    const auto command = mCommands.constFind(header);
    if (command == mCommands.constEnd())
        return TBoardAnswer{true, UNKNOWN_COMMAND};
    const QByteArray reply = command->mHandler(arguments, pNow);
    return TBoardAnswer{command->mReplyExpected, command->mReplyExpected ? reply : QByteArray()};
}

void TBoardState::addSystemCommands()
{
    addCommand("*idn?", true, [this](const QString&, double) {
        return QStringList{mIdentity.mMaker, mIdentity.mModel, mIdentity.mSerialNumber, mIdentity.mFirmwareVersion,
                           QLocale::c().toString(mIdentity.mFirmwareDate, QStringLiteral("dd/MM/yyyy"))}
            .join(QLatin1Char(','))
            .toLatin1();
    });
    addCommand("syst:cali?", true, [this](const QString&, double) { return QByteArray(mCalibrated ? "1" : "0"); });
    addCommand("syst:time:run?", true, [this](const QString&, double pNow) {
        return QByteArray::number(quint64(mOperatingTimeBase) + quint64(std::floor(pNow)));
    });
    addCommand("syst:type", true, [this](const QString& pArguments, double) {
        if (pArguments == QLatin1String("1"))
            mIdentity.mModel = QStringLiteral("ZTM8800v2");
        else if (pArguments == QLatin1String("2"))
            mIdentity.mModel = QStringLiteral("ZTM9900");
        else
            return ILLEGAL_COMMAND;
        return CONFIRMED;
    });
}

void TBoardState::addChannelCommands()
{
    addCommand("conf:chan", false, [this](const QString& pArguments, double pNow) {
        bool ok = false;
        const int channel = pArguments.toInt(&ok, 10);
        if (ok) {
            mMeasuredChannel = channel;
            mSmartProbes.noteChannelChange(pNow);
        }
        return QByteArray();
    });
    addCommand("conf:chan:func", false, [this](const QString& pArguments, double pNow) {
        const QStringList parts = pArguments.split(QLatin1Char(','));
        bool ok = false;
        const int channel = parts.at(0).toInt(&ok, 10);
        if (!ok || channel < RECIPROCAL_CHANNEL || channel > LAST_BINARY_CHANNEL)
            return QByteArray();
        int operands[2] = {0, 0};
        for (int i = 1; i < parts.size() && i <= 2; ++i) {
            if (parts.at(i).startsWith(QLatin1Char('@')))
                operands[i - 1] = parts.at(i).mid(1).toInt();
        }
        mOperands[channel] = {operands[0], operands[1]};
        mMeasuredChannel = channel;
        mSmartProbes.noteChannelChange(pNow);
        return QByteArray();
    });
    addCommand("conf:chan?", true, [this](const QString&, double) {
        QByteArray reply = QByteArray::number(mMeasuredChannel);
        const auto operands = mOperands.find(mMeasuredChannel);
        if (mMeasuredChannel >= RECIPROCAL_CHANNEL && mMeasuredChannel <= LAST_BINARY_CHANNEL &&
            operands != mOperands.end()) {
            reply += ',' + QByteArray::number(operands->second.first);
            if (mMeasuredChannel >= FIRST_BINARY_CHANNEL)
                reply += ',' + QByteArray::number(operands->second.second);
        }
        return reply;
    });
    addCommand("meas:curr?", true, [this](const QString&, double pNow) { return measureCurrent(pNow); });
    addCommand("meas:raw?", true,
               [this](const QString& pArguments, double pNow) { return measureRaw(pArguments, pNow); });
    addCommand("sens:tc:mv", false, [this](const QString& pArguments, double) {
        if (pArguments == QLatin1String("1") || pArguments == QLatin1String("0"))
            mThermocoupleMillivolt = pArguments == QLatin1String("1");
        return QByteArray();
    });
}

TSimulatedSwitchBox* TBoardState::fittedBox(int pPort)
{
    if (pPort < 1 || pPort > PORT_COUNT || mSwitchBoxes[pPort - 1].mType == sbtNotFitted)
        return nullptr;
    return &mSwitchBoxes[pPort - 1];
}

QByteArray TBoardState::switchBoxText(const QString& pArguments, QString TSimulatedSwitchBox::*pField)
{
    const int port = pArguments.toInt();
    if (port < 1 || port > PORT_COUNT)
        return ILLEGAL_COMMAND;
    const TSimulatedSwitchBox* box = fittedBox(port);
    return box ? (box->*pField).toLatin1() : UNAVAILABLE;
}

QByteArray TBoardState::setSwitchBoxText(const QString& pArguments, QString TSimulatedSwitchBox::*pField)
{
    const int comma = pArguments.indexOf(QLatin1Char(','));
    TSimulatedSwitchBox* box = fittedBox(pArguments.left(comma).toInt());
    if (comma < 0 || !box)
        return comma < 0 ? ILLEGAL_COMMAND : UNAVAILABLE;
    box->*pField = pArguments.mid(comma + 1);
    return CONFIRMED;
}

void TBoardState::addSwitchBoxCommands()
{
    addCommand("syst:swit:type?", true, [this](const QString& pArguments, double) {
        const int port = pArguments.toInt();
        if (port < 1 || port > PORT_COUNT)
            return ILLEGAL_COMMAND;
        return QByteArray::number(int(mSwitchBoxes[port - 1].mType));
    });
    addCommand("syst:swit:snum?", true, [this](const QString& pArguments, double) {
        return switchBoxText(pArguments, &TSimulatedSwitchBox::mSerialNumber);
    });
    addCommand("syst:swit:pnum?", true, [this](const QString& pArguments, double) {
        return switchBoxText(pArguments, &TSimulatedSwitchBox::mPCBSerialNumber);
    });
    addCommand("syst:swit:vers?", true, [this](const QString& pArguments, double) {
        return switchBoxText(pArguments, &TSimulatedSwitchBox::mFirmwareVersion);
    });
    addCommand("syst:swit:date?", true, [this](const QString& pArguments, double) {
        const int port = pArguments.toInt();
        if (port < 1 || port > PORT_COUNT)
            return ILLEGAL_COMMAND;
        const TSimulatedSwitchBox* box = fittedBox(port);
        if (!box)
            return UNAVAILABLE;
        return QByteArray::number(box->mDate.year()) + ',' + QByteArray::number(box->mDate.month()) + ',' +
               QByteArray::number(box->mDate.day());
    });
    addCommand("syst:swit:date", true, [this](const QString& pArguments, double) {
        const QStringList parts = pArguments.split(QLatin1Char(','));
        if (parts.size() != 4)
            return ILLEGAL_COMMAND;
        TSimulatedSwitchBox* box = fittedBox(parts.at(0).toInt());
        if (!box)
            return UNAVAILABLE;
        const QDate date(parts.at(1).toInt(), parts.at(2).toInt(), parts.at(3).toInt());
        if (!date.isValid())
            return ILLEGAL_COMMAND;
        box->mDate = date;
        return CONFIRMED;
    });
    addCommand("syst:swit:snum", true, [this](const QString& pArguments, double) {
        return setSwitchBoxText(pArguments, &TSimulatedSwitchBox::mSerialNumber);
    });
    addCommand("syst:swit:pnum", true, [this](const QString& pArguments, double) {
        return setSwitchBoxText(pArguments, &TSimulatedSwitchBox::mPCBSerialNumber);
    });
    addCommand("syst:swit:mode", true, [this](const QString& pArguments, double) {
        const QStringList parts = pArguments.split(QLatin1Char(','));
        if (parts.size() != 2 || (parts.at(1) != QLatin1String("1") && parts.at(1) != QLatin1String("2")))
            return ILLEGAL_COMMAND;
        TSimulatedSwitchBox* box = fittedBox(parts.at(0).toInt());
        if (!box)
            return UNAVAILABLE;
        box->mOperatingMode = parts.at(1).toInt();
        return CONFIRMED;
    });
}

TBoardState::EnInputKind TBoardState::inputKind(int pChannel) const
{
    switch (pChannel) {
    case 1:
    case 2:
        return ikPRT;
    case 3:
    case 4:
    case 6:
        return ikThermocouple;
    default:
        break;
    }
    for (int port = 0; port < PORT_COUNT; ++port) {
        const EnSwitchBoxType type = mSwitchBoxes[port].mType;
        if (type == sbtSWX6300_PRT8 || type == sbtSWX6300_PRT16) {
            const int first = SWX6300_FIRST_CHANNEL + port * SWX6300_CHANNELS_PER_PORT;
            const int count = type == sbtSWX6300_PRT8 ? 8 : 16;
            if (pChannel >= first && pChannel < first + count)
                return ikPRT;
        } else if (type == sbtSWX6100_10) {
            const int first = SWX6100_FIRST_CHANNEL + port * SWX6100_CHANNELS_PER_PORT;
            if (pChannel >= first && pChannel < first + SWX6100_CHANNELS)
                return pChannel % 2 == 0 ? ikMixed : ikThermocouple;
        }
    }
    return ikNone;
}

bool TBoardState::plugSensor(int pChannel, EnSimulatedSensor pSensor)
{
    const EnInputKind kind = inputKind(pChannel);
    if (kind == ikNone)
        return false;
    TSimulatedInput& input = mInputs[pChannel];
    const EnSimulatedSensor previous = input.mSensor;
    input.mSensor = pSensor;
    input.mOpen = false;
    const bool fits = pSensor == ssNone || kind == ikMixed || (kind == ikPRT && input.isPlatinum()) ||
                      (kind == ikThermocouple && input.isThermocouple());
    if (!fits)
        input.mSensor = previous;
    else
        mSmartProbes.unplug(pChannel);
    return fits;
}

bool TBoardState::plugSmartProbe(int pChannel, const TSimulatedSmartProbe& pProbe)
{
    if (inputKind(pChannel) != ikPRT)
        return false;
    mInputs[pChannel].mSensor = pProbe.mReferenceResistor == TSimulatedSmartProbe::rr25Ohm ? ssPt25 : ssPt100;
    mSmartProbes.plug(pChannel, pProbe);
    return true;
}

bool TBoardState::setOpen(int pChannel, bool pOpen)
{
    if (inputKind(pChannel) == ikNone)
        return false;
    mInputs[pChannel].mOpen = pOpen;
    return true;
}

bool TBoardState::setSignal(int pChannel, const TTemperatureSignal& pSignal)
{
    if (inputKind(pChannel) == ikNone)
        return false;
    mInputs[pChannel].mSignal = pSignal;
    return true;
}

int TBoardState::reading(int pChannel, double pNow, double& oElectrical, double& oTemperature, int& oRangeStatus)
{
    oRangeStatus = 0;
    if (pChannel >= RECIPROCAL_CHANNEL && pChannel <= LAST_BINARY_CHANNEL) {
        const auto operands = mOperands.find(pChannel);
        if (operands == mOperands.end())
            return 14;
        double e1 = 0.0, t1 = 0.0, e2 = 0.0, t2 = 0.0;
        int status = 0;
        if (const int error = reading(operands->second.first, pNow, e1, t1, status))
            return error;
        if (pChannel == RECIPROCAL_CHANNEL) {
            oElectrical = 1.0 / e1;
            oTemperature = 1.0 / t1;
            return 0;
        }
        if (const int error = reading(operands->second.second, pNow, e2, t2, status))
            return error;
        switch (pChannel) {
        case FIRST_BINARY_CHANNEL:
            oElectrical = e1 + e2;
            oTemperature = t1 + t2;
            break;
        case FIRST_BINARY_CHANNEL + 1:
            oElectrical = e1 - e2;
            oTemperature = t1 - t2;
            break;
        case FIRST_BINARY_CHANNEL + 2:
            oElectrical = e1 * e2;
            oTemperature = t1 * t2;
            break;
        default:
            oElectrical = e1 / e2;
            oTemperature = t1 / t2;
            break;
        }
        return 0;
    }
    if (inputKind(pChannel) == ikNone)
        return 14;
    const auto external = mExternalReferences.find(pChannel);
    if (external != mExternalReferences.end()) {
        oElectrical = correctedReference(referenceItem(pChannel), external->second);
        oTemperature = mInputs[pChannel].temperatureAt(oElectrical, mColdJunctionTemperature);
        oRangeStatus = std::isnan(oTemperature) ? 0 : mInputs[pChannel].rangeStatus(oTemperature);
        return 0;
    }
    const auto input = mInputs.find(pChannel);
    if (input == mInputs.end() || input->second.mSensor == ssNone)
        return 1;
    if (input->second.mOpen) {
        oTemperature = std::numeric_limits<double>::quiet_NaN();
        oElectrical = oTemperature;
        return 0;
    }
    oTemperature = input->second.mSignal.valueAt(pNow, mRandom);
    // A SMART probe's resistance follows its own coefficients.
    const TSimulatedSmartProbe* smartProbe = mSmartProbes.probe(pChannel);
    oElectrical = smartProbe ? smartProbe->resistanceAt(oTemperature)
                             : input->second.electricalValue(oTemperature, mColdJunctionTemperature);
    oRangeStatus = input->second.rangeStatus(oTemperature);
    if (mAdaptorConnected && pChannel == 1) {
        oTemperature = mAdaptorTemperature;
        oRangeStatus = 0;
    } else if (mAdaptorConnected && pChannel == mAdaptorChannel) {
        const auto junction = mCalibration.mUser.mColdJunctions.find(pChannel);
        const double storedOffset =
            junction != mCalibration.mUser.mColdJunctions.end() ? junction->second.mOffset : 0.0;
        oTemperature = mAdaptorTemperature + mAdaptorError - storedOffset;
        oRangeStatus = 0;
    }
    return 0;
}

QByteArray TBoardState::measureCurrent(double pNow)
{
    double electrical = 0.0;
    double temperature = 0.0;
    int rangeStatus = 0;
    if (const int error = reading(mMeasuredChannel, pNow, electrical, temperature, rangeStatus))
        return errorReply(error);
    if (TSimulatedSmartProbe* smartProbe = mSmartProbes.probe(mMeasuredChannel))
        smartProbe->record(electrical);
    return number(electrical) + ',' + number(temperature) + ',' + QByteArray::number(rangeStatus) + ',' +
           QByteArray::number(mSmartProbes.takeStatus(mMeasuredChannel));
}

int TBoardState::referenceItem(int pChannel) const
{
    for (int item = FIRST_THERMOCOUPLE_ITEM; item <= int(std::size(RAW_RANGES)); ++item) {
        if (RAW_RANGES[item - 1].mChannel == pChannel)
            return item;
    }
    const int probe = mProbeMemory.assignedProbe(pChannel);
    const int thermistorRange = mProbeMemory.thermistorRange(probe);
    if (thermistorRange >= 0)
        return ITEM_100_OHM + thermistorRange;
    return mProbeMemory.prtReferenceResistor(probe) == PRT_REFERENCE_25_OHM ? ITEM_25_OHM : ITEM_100_OHM;
}

double TBoardState::correctedReference(int pItem, double pReference) const
{
    const TRawError& error = mRawErrors[size_t(pItem - 1)];
    const TSimulatedCalibration::TTwoPointItem& user = mCalibration.mUser.mItems[size_t(pItem - 1)];
    return user.mSlope * (error.mGain * pReference + error.mOffset) + user.mOffset;
}

QByteArray TBoardState::measureRaw(const QString& pArguments, double pNow)
{
    const int item = pArguments.toInt();
    if (item < 1 || item > int(std::size(RAW_RANGES)))
        return ILLEGAL_COMMAND;
    const TRawRange& range = RAW_RANGES[item - 1];
    const auto reference = mExternalReferences.find(range.mChannel);
    if (reference != mExternalReferences.end()) {
        const double value = correctedReference(item, reference->second);
        const int status = value < range.mMinimum ? 1 : (value > range.mMaximum ? 2 : 0);
        return number(value) + ',' + QByteArray::number(status);
    }
    const auto input = mInputs.find(range.mChannel);
    if (input == mInputs.end() || input->second.mSensor == ssNone)
        return NO_PROBE;
    const double temperature = input->second.mSignal.valueAt(pNow, mRandom);
    const double value = input->second.electricalValue(temperature, mColdJunctionTemperature);
    const int status = value < range.mMinimum ? 1 : (value > range.mMaximum ? 2 : 0);
    return number(value) + ',' + QByteArray::number(status);
}
