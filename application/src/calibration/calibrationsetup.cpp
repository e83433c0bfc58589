#include "calibrationsetup.h"

#include "blockcalibratorfactory.h"
#include "calibrationxml.h"
#include "channel.h"
#include "channelcontroller.h"

#include <QDomElement>
#include <QStringList>

#include <cmath>
#include <limits>
#include <map>

using namespace CalibrationXML;

namespace
{
const QString NAME = QStringLiteral("name");
const QString CALIBRATOR_TYPE = QStringLiteral("calibrator_type");
const QString REFERENCE_CHANNEL = QStringLiteral("reference_channel");
const QString STABILITY_TIME = QStringLiteral("stability_time");
const QString STABILITY_RANGE = QStringLiteral("stability_range");
const QString HOLD_TIME = QStringLiteral("hold_time");
const QString DUT_CHANNELS = QStringLiteral("dut_channels");
const QString DUT_CHANNEL = QStringLiteral("dut_channel");
const QString CAL_POINTS = QStringLiteral("cal_points");
const QString CAL_POINT = QStringLiteral("cal_point");
const QString POS = QStringLiteral("pos");
const QString CHANNEL_CAPTION = QStringLiteral("channel_caption");
const QString UNIT_ID = QStringLiteral("unit_id");
const QString UNIT_TEXT = QStringLiteral("unit_text");
const QString IP_ADDRESS = QStringLiteral("ip_address");
const QString PORT = QStringLiteral("port");
const QString TEXT = QStringLiteral("text");

// The highest part of a dotted IPv4 address and the highest TCP port.
constexpr unsigned int MAX_ADDRESS_PART = 255;
constexpr unsigned int MAX_PORT = 65535;

// Minutes from a file: a negative or otherwise unreadable text gives 0, which
// the readiness check refuses, instead of wrapping to a huge window.
unsigned int readMinutes(const QDomElement& pElement)
{
    return pElement.isNull() ? 0 : pElement.text().toUInt();
}

// The entries of a list element by their "pos", later ones replacing earlier
// ones, the first pMaximumCount of them; pRead returns false for an entry to
// be skipped.
template <class TItem, class TRead>
zelk::vector<TItem> readPositionedList(const QDomElement& pList, TRead pRead,
                                       size_t pMaximumCount = std::numeric_limits<size_t>::max())
{
    std::map<int, TItem> byPosition;
    for (QDomNode node = pList.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement entry = node.toElement();
        if (entry.isNull() || !entry.hasAttribute(POS))
            continue;
        bool positionOk = false;
        const int position = entry.attribute(POS).toInt(&positionOk, 10);
        TItem item;
        if (positionOk && pRead(entry, item))
            byPosition[position] = item;
    }
    zelk::vector<TItem> items;
    for (const auto& filed : byPosition) {
        if (items.size() == pMaximumCount)
            break;
        items.push_back(filed.second);
    }
    return items;
}
} // namespace

TCalibrationSetup::TCalibrationSetup(const QString& pName, EnCalibratorType pCalibratorType,
                                     TPhysicalChannel* pReferenceChannel,
                                     const zelk::vector<TChannelDescription>& pDeviceUnderTestChannels,
                                     unsigned int pStabilityTimeMinutes, double pStabilityKelvin,
                                     unsigned int pHoldTimeMinutes,
                                     const zelk::vector<TElectricalTemperatureValue>& pCalibrationPoints,
                                     const QString& pCalibratorIPAddress, unsigned int pCalibratorIPPort)
    : mName(pName)
    , mCalibratorType(pCalibratorType)
    , mReferenceChannel(pReferenceChannel)
    , mDeviceUnderTestChannels(pDeviceUnderTestChannels)
    , mStabilityTimeMinutes(pStabilityTimeMinutes)
    , mStabilityKelvin(pStabilityKelvin)
    , mHoldTimeMinutes(pHoldTimeMinutes)
    , mCalibrationPoints(pCalibrationPoints)
    , mCalibratorIPAddress(pCalibratorIPAddress)
    , mCalibratorPort(pCalibratorIPPort)
{
}

TCalibrationSetup::TCalibrationSetup(const QDomNode& pNode, const TChannelController& pChannels)
{
    if (pNode.isNull())
        return;

    const QDomElement name = pNode.firstChildElement(NAME);
    if (!name.isNull())
        mName = name.text();

    const QDomElement type = pNode.firstChildElement(CALIBRATOR_TYPE);
    bool typeOk = false;
    const int typeCode = type.isNull() ? 0 : type.text().toInt(&typeOk, 10);
    if (typeOk) {
        // Unknown codes are kept here; the readiness check refuses them.
        mCalibratorType = static_cast<EnCalibratorType>(static_cast<quint8>(typeCode));
        mCalibratorIPAddress = type.attribute(IP_ADDRESS);
        mCalibratorPort = type.attribute(PORT).toUInt();
    }

    const QDomElement reference = pNode.firstChildElement(REFERENCE_CHANNEL);
    bool referenceOk = false;
    const int referenceNumber = reference.isNull() ? 0 : reference.text().toInt(&referenceOk, 10);
    if (referenceOk)
        mReferenceChannel = pChannels.physical_channel(referenceNumber);

    mStabilityTimeMinutes = readMinutes(pNode.firstChildElement(STABILITY_TIME));
    const QDomElement range = pNode.firstChildElement(STABILITY_RANGE);
    if (!range.isNull())
        mStabilityKelvin = range.text().toDouble();
    mHoldTimeMinutes = readMinutes(pNode.firstChildElement(HOLD_TIME));

    mDeviceUnderTestChannels = readPositionedList<TChannelDescription>(
        pNode.firstChildElement(DUT_CHANNELS),
        [](const QDomElement& pEntry, TChannelDescription& oItem) {
            bool numberOk = false;
            const int number = pEntry.text().toInt(&numberOk, 10);
            if (!numberOk || !pEntry.hasAttribute(CHANNEL_CAPTION))
                return false;
            oItem = TChannelDescription(number, pEntry.attribute(CHANNEL_CAPTION));
            return true;
        },
        MAX_DEVICE_UNDER_TEST_CHANNELS);

    mCalibrationPoints = readPositionedList<TElectricalTemperatureValue>(
        pNode.firstChildElement(CAL_POINTS),
        [](const QDomElement& pEntry, TElectricalTemperatureValue& oItem) {
            bool unitOk = false;
            bool valueOk = false;
            const Electrical_temperature_units::EnUnit unit = unitFromText(pEntry.attribute(UNIT_ID), &unitOk);
            const double value = pEntry.text().toDouble(&valueOk);
            if (!pEntry.hasAttribute(UNIT_ID) || !unitOk || !valueOk)
                return false;
            oItem = TElectricalTemperatureValue(value, unit);
            return true;
        },
        MAX_CALIBRATION_POINTS + 1);
}

void TCalibrationSetup::saveToXML(QDomNode& pParent) const
{
    appendTextElement(pParent, NAME, mName);

    QDomElement type = pParent.ownerDocument().createElement(CALIBRATOR_TYPE);
    type.setAttribute(TEXT, TBlockcalibratorFactory::instance()->calibratorTypeToText(mCalibratorType));
    if (dynamic_cast<const TBlockcalibratorInfo_Ethernet*>(
            TBlockcalibratorFactory::instance()->calibratorInfo(mCalibratorType))) {
        type.setAttribute(IP_ADDRESS, mCalibratorIPAddress);
        type.setAttribute(PORT, QString::number(mCalibratorPort));
    }
    type.appendChild(pParent.ownerDocument().createTextNode(QString::number(static_cast<int>(mCalibratorType))));
    pParent.appendChild(type);

    // Without a reference channel the element stays empty, which reads back
    // as a setup without reference channel.
    if (mReferenceChannel) {
        QDomElement reference =
            appendTextElement(pParent, REFERENCE_CHANNEL, QString::number(mReferenceChannel->internalChannelNumber()));
        reference.setAttribute(CHANNEL_CAPTION, mReferenceChannel->channelCaption());
    } else {
        appendTextElement(pParent, REFERENCE_CHANNEL, QString());
    }

    appendTextElement(pParent, STABILITY_TIME, QString::number(mStabilityTimeMinutes));
    appendTextElement(pParent, STABILITY_RANGE, QString::number(mStabilityKelvin, 'g', 6));
    appendTextElement(pParent, HOLD_TIME, QString::number(mHoldTimeMinutes));

    QDomElement dutChannels = appendTextElement(pParent, DUT_CHANNELS, QString());
    int position = 1;
    for (const TChannelDescription& dut : mDeviceUnderTestChannels) {
        QDomElement entry = appendTextElement(dutChannels, DUT_CHANNEL, QString::number(dut.internalChannelNumber()));
        entry.setAttribute(POS, QString::number(position++));
        entry.setAttribute(CHANNEL_CAPTION, dut.channelCaption());
    }

    QDomElement calPoints = appendTextElement(pParent, CAL_POINTS, QString());
    position = 1;
    for (const TElectricalTemperatureValue& point : mCalibrationPoints) {
        QDomElement entry = appendValueElement(calPoints, CAL_POINT, point);
        entry.setAttribute(POS, QString::number(position++));
    }
}

bool TCalibrationSetup::isReadyToStart(const TChannelController& pChannelController) const
{
    if (mName.isEmpty() || mCalibratorType == EnCalibratorType::ctUndefined || !mReferenceChannel ||
        mDeviceUnderTestChannels.empty() || mStabilityTimeMinutes == 0 || !(mStabilityKelvin > 0.0) ||
        mHoldTimeMinutes == 0 || mCalibrationPoints.empty() || hasTooManyPoints())
        return false;

    for (const TChannelDescription& dut : mDeviceUnderTestChannels) {
        if (!pChannelController.channel(dut.internalChannelNumber()))
            return false;
    }

    const TBlockcalibratorInfo* info = TBlockcalibratorFactory::instance()->calibratorInfo(mCalibratorType);
    if (!info)
        return false;
    for (const TElectricalTemperatureValue& point : mCalibrationPoints) {
        const double value = point.value();
        if (std::isnan(value) || value < static_cast<double>(info->tmin()) || value > static_cast<double>(info->tmax()))
            return false;
    }

    if (dynamic_cast<const TBlockcalibratorInfo_Ethernet*>(info))
        return isValidNetworkAddress();
    return true;
}

bool TCalibrationSetup::isValidNetworkAddress() const
{
    const QStringList parts = mCalibratorIPAddress.split(QLatin1Char('.'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        bool ok = false;
        const int number = part.toInt(&ok, 10);
        if (!ok || static_cast<unsigned int>(number) > MAX_ADDRESS_PART)
            return false;
    }
    return mCalibratorPort >= 1 && mCalibratorPort <= MAX_PORT;
}
