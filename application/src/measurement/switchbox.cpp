#include "switchbox.h"

#include "channel.h"

TAbstractSwitchBox::TAbstractSwitchBox(int pSwitchBoxIndex, int pChannelCount, EnSwitchBoxType pSwitchBoxType,
                                       const QString& pSerialNumber, const QDate& pManufacturingDate)
    : mSwitchBoxIndex(pSwitchBoxIndex)
    , mChannelCount(pChannelCount)
    , mSwitchBoxType(pSwitchBoxType)
    , mSerialNumber(pSerialNumber)
    , mManufacturingDate(pManufacturingDate)
{
}

TAbstractSwitchBox::~TAbstractSwitchBox() = default;

QString TAbstractSwitchBox::switchBoxTypeAsText() const
{
    return switchBoxTypeAsText(mSwitchBoxType);
}

QString TAbstractSwitchBox::switchBoxTypeAsText(EnSwitchBoxType pSwitchBoxType)
{
    switch (pSwitchBoxType) {
    case sbtThermocouple8:
        //: switch box type
        return tr("Thermocouple (8 channels)");
    case sbtThermocouple16:
        //: switch box type
        return tr("Thermocouple (16 channels)");
    case sbtSWX6300_PRT8:
        //: switch box type
        return tr("SWX6300 (8 channels)");
    case sbtSWX6300_PRT16:
        //: switch box type
        return tr("SWX6300 (16 channels)");
    case sbtSWX6100_10:
        //: switch box type
        return tr("SWX6100 (10 channels)");
    default:
        return QString();
    }
}

int TAbstractSwitchBox::internalChannelNumber(int pChannelIndex) const
{
    return int(switchBoxTypeOffset()) + mSwitchBoxIndex * int(maxChannelNumbersPerSwitchbox()) + pChannelIndex;
}

QString TAbstractSwitchBox::channelCaption(int pChannelIndex) const
{
    return QString::number(mSwitchBoxIndex + 1) + QLatin1Char('.') + QString::number(pChannelIndex + 1);
}

void TAbstractSwitchBox::addChannel(TPhysicalChannel* pChannel)
{
    mChannels << pChannel;
}

void TAbstractSwitchBox::createChannels(std::map<int, std::unique_ptr<TAbstractChannel>>& oChannelMap,
                                        const TChannelFactory& pCreateChannel)
{
    for (int i = 0; i < mChannelCount; ++i) {
        const int number = internalChannelNumber(i);
        auto inserted = oChannelMap.emplace(number, nullptr);
        if (inserted.second)
            inserted.first->second = pCreateChannel(number, channelCaption(i));
        if (auto* channel = qobject_cast<TPhysicalChannel*>(inserted.first->second.get()))
            addChannel(channel);
    }
}

void TSWX6300_SwitchBox::createChannelObjects(IChannelTypeChangeListener* pChannelTypeChangeListener,
                                              std::map<int, std::unique_ptr<TAbstractChannel>>& oChannelMap,
                                              int pAverageSampleCount)
{
    createChannels(oChannelMap, [&](int pNumber, const QString& pCaption) {
        return std::make_unique<TPRTChannel>(pChannelTypeChangeListener, pAverageSampleCount, pNumber, pCaption,
                                             zelk::vector<Probe_enums::EnWiring>{Probe_enums::w4wire});
    });
}

void TSWX6100_SwitchBox::createChannelObjects(IChannelTypeChangeListener* pChannelTypeChangeListener,
                                              std::map<int, std::unique_ptr<TAbstractChannel>>& oChannelMap,
                                              int pAverageSampleCount)
{
    createChannels(oChannelMap, [&](int pNumber, const QString& pCaption) -> std::unique_ptr<TAbstractChannel> {
        if (pNumber % 2 != 0)
            return std::make_unique<TTCChannel>(pChannelTypeChangeListener, pAverageSampleCount, pNumber, pCaption);
        return std::make_unique<TMixedChannel>(pChannelTypeChangeListener, pAverageSampleCount, pNumber, pCaption);
    });
}
