#pragma once

#include "switchboxtype.h"
#include "zelkvector.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class IChannelTypeChangeListener;
class TAbstractChannel;
class TPhysicalChannel;

// An external switch box on one of the four expansion ports: it creates the
// channel objects of its positions with their internal channel numbers and
// captions, and lists them for the scan views, the information page and
// remote control. The channel controller owns the box and its channels.
class TAbstractSwitchBox : public QObject
{
    Q_OBJECT

public:
    TAbstractSwitchBox(int pSwitchBoxIndex, int pChannelCount, EnSwitchBoxType pSwitchBoxType,
                       const QString& pSerialNumber, const QDate& pManufacturingDate);
    ~TAbstractSwitchBox() override;

    // Creates one channel per position into the controller's map; a number
    // the map holds already keeps its channel.
    virtual void createChannelObjects(IChannelTypeChangeListener* pChannelTypeChangeListener,
                                      std::map<int, std::unique_ptr<TAbstractChannel>>& oChannelMap,
                                      int pAverageSampleCount) = 0;
    // The first internal channel number of the model's range.
    virtual unsigned int switchBoxTypeOffset() const = 0;
    // Internal channel numbers reserved per box of the model.
    virtual unsigned int maxChannelNumbersPerSwitchbox() const = 0;

    // The port as the user counts it, 1 to 4.
    int switchBoxNumber() const { return mSwitchBoxIndex + 1; }
    EnSwitchBoxType switchBoxType() const { return mSwitchBoxType; }
    // Empty for a port without a box or a type the program does not know.
    QString switchBoxTypeAsText() const;
    static QString switchBoxTypeAsText(EnSwitchBoxType pSwitchBoxType);
    QString serialNumber() const { return mSerialNumber; }
    QDate manufacturingDate() const { return mManufacturingDate; }
    // In position order; the controller's map owns them.
    const zelk::vector<TPhysicalChannel*>& channels() const { return mChannels; }

    int internalChannelNumber(int pChannelIndex) const;
    // Box and position as the user counts them: "1.3" for the third position of the first box.
    QString channelCaption(int pChannelIndex) const;
    void addChannel(TPhysicalChannel* pChannel);

protected:
    using TChannelFactory =
        std::function<std::unique_ptr<TAbstractChannel>(int pInternalChannelNumber, const QString& pChannelCaption)>;
    // One channel per position from the factory into the map; a number the
    // map holds already keeps its channel, which is the one listed.
    void createChannels(std::map<int, std::unique_ptr<TAbstractChannel>>& oChannelMap,
                        const TChannelFactory& pCreateChannel);

private:
    int mSwitchBoxIndex;
    int mChannelCount;
    EnSwitchBoxType mSwitchBoxType;
    QString mSerialNumber;
    QDate mManufacturingDate;
    zelk::vector<TPhysicalChannel*> mChannels;
};

// The resistance-thermometer box with 8 or 16 four-wire positions.
class TSWX6300_SwitchBox : public TAbstractSwitchBox
{
    Q_OBJECT

public:
    static constexpr unsigned int SWITCHBOX_TYPE_OFFSET = 16;
    static constexpr unsigned int MAX_CHANNEL_NUMBERS = 16;

    using TAbstractSwitchBox::TAbstractSwitchBox;

    void createChannelObjects(IChannelTypeChangeListener* pChannelTypeChangeListener,
                              std::map<int, std::unique_ptr<TAbstractChannel>>& oChannelMap,
                              int pAverageSampleCount) override;
    unsigned int switchBoxTypeOffset() const override { return SWITCHBOX_TYPE_OFFSET; }
    unsigned int maxChannelNumbersPerSwitchbox() const override { return MAX_CHANNEL_NUMBERS; }
};

// The ten-position box for thermocouples and resistance sensors. It takes
// twenty channel objects: thermocouple channels on the odd numbers, mixed
// channels on the even ones.
class TSWX6100_SwitchBox : public TAbstractSwitchBox
{
    Q_OBJECT

public:
    static constexpr unsigned int SWITCHBOX_TYPE_OFFSET = 80;
    static constexpr unsigned int MAX_CHANNEL_NUMBERS = 40;

    using TAbstractSwitchBox::TAbstractSwitchBox;

    void createChannelObjects(IChannelTypeChangeListener* pChannelTypeChangeListener,
                              std::map<int, std::unique_ptr<TAbstractChannel>>& oChannelMap,
                              int pAverageSampleCount) override;
    unsigned int switchBoxTypeOffset() const override { return SWITCHBOX_TYPE_OFFSET; }
    unsigned int maxChannelNumbersPerSwitchbox() const override { return MAX_CHANNEL_NUMBERS; }
};
