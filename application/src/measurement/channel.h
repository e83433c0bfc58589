#pragma once

#include "channellookup.h"
#include "channeltypechangelistener.h"
#include "electrical_temperature_units.h"
#include "probe_enums.h"
#include "zelkvector.h"

#include <QObject>
#include <QPair>
#include <QPointF>
#include <QString>
#include <QVector>

#include <deque>
#include <memory>

class TAbstractProbe;
class TPhysicalChannel;
class TSmartProbePRT;

// What a channel tells about the probe behind it: the probe (a plugged and
// enabled SMART probe before the assigned one), whether the channel stands for
// one physical input, and whether that SMART probe is in use.
class TChannelProbeStatus
{
public:
    TChannelProbeStatus(TAbstractProbe* pProbe, bool pDistinctPhysicalChannelAvailable,
                        bool pSmartProbeConnectedAndEnabled)
        : mProbe(pProbe)
        , mDistinctPhysicalChannelAvailable(pDistinctPhysicalChannelAvailable)
        , mSmartProbeConnectedAndEnabled(pSmartProbeConnectedAndEnabled)
    {
    }

    TAbstractProbe* probe() const { return mProbe; }
    bool isDistinctPhysicalChannelAvailable() const { return mDistinctPhysicalChannelAvailable; }
    bool isSmartProbeConnectedAndEnabled() const { return mSmartProbeConnectedAndEnabled; }

private:
    TAbstractProbe* mProbe;
    bool mDistinctPhysicalChannelAvailable;
    bool mSmartProbeConnectedAndEnabled;
};

// One measuring point of the instrument, identified by its internal channel
// number: a board input, a switch-box position or a channel the board derives
// from others. It receives one electrical value and one temperature per poll
// (the board converts; NaN means no value), keeps them for averaging, peaks,
// the hold function and the graph, and turns them into the texts every view
// shows. Display unit and decimals persist in the settings section "chanN".
// The channel controller owns every channel.
class TAbstractChannel : public QObject
{
    Q_OBJECT

public:
    // The most decimals the views offer for a temperature and for an
    // electrical value.
    static constexpr int MAX_PRECISION_TEMPERATURE = 4;
    static constexpr int MAX_PRECISION_ELECTRICAL = 5;
    // Graph points kept per quantity, so that a long scan keeps a fixed size.
    static constexpr int MAX_GRAPH_VALUES = 3600;

    TAbstractChannel(int pSampleCountForAvgValue, int pInternalChannelNumber,
                     IChannelTypeChangeListener* pChannelTypeChangeListener);
    ~TAbstractChannel() override;

    // The current value pair as texts ("OL" for no value) with the selected
    // unit's decimals for the shown quantity and four for the other, or the
    // most decimals with pMaxPrecision; frozen values while frozen. With an
    // electrical unit selected the temperature is given in degrees Celsius.
    virtual void currentValue(QString& oTempValue, Electrical_temperature_units::EnUnit& oTempUnit, QString& oElecValue,
                              Electrical_temperature_units::EnUnit& oElecUnit, const QString& pDecimalSeparator,
                              Electrical_temperature_units::EnUnitType& oMainValueUnitType, bool pMaxPrecision) const;
    // The unit of the electrical values the board delivers for this channel;
    // uUndefined when that depends on a probe or operand that is missing.
    virtual Electrical_temperature_units::EnUnit electricalUnit() const = 0;
    virtual QString channelCaption() const = 0;
    virtual QString channelBtnText() const = 0;
    // The one physical input the channel stands for, null when there is none.
    virtual TPhysicalChannel* distinctPhysicalChannel();
    virtual bool isOrUsesChannel(const TAbstractChannel* pChannel) const;
    virtual TChannelProbeStatus channelProbeStatus();

    qint16 internalChannelNumber() const { return mInternalChannelNumber; }

    Electrical_temperature_units::EnUnit selectedUnit() const { return mSelectedUnit; }
    bool hasSameElectricalUnit(const TAbstractChannel& pChannel) const;
    bool isTemperatureUnitSelected() const;
    // An electrical unit selects the channel's own electrical unit. Stores the
    // unit, and the decimals when the new unit allows fewer.
    void changeUnit(Electrical_temperature_units::EnUnit pUnit);
    // Return false when nothing changed, else whether a further step is possible.
    bool increasePrecision();
    bool decreasePrecision();
    bool isIncreasePrecisionPossible() const;
    bool isDecreasePrecisionPossible() const;

    // Appends the probes behind the channel: those assigned to its used
    // channels, in their order.
    void usedProbes(zelk::vector<TAbstractProbe*>& oProbes, const IChannelLookup* pChannelController,
                    bool pOnlyCustomProbes);
    // Appends the physical channels whose readings make up the channel's own:
    // itself, an operand, and the channels that measure a thermocouple's cold
    // junction; a channel reached twice is listed twice.
    void usedChannels(zelk::vector<const TPhysicalChannel*>& oChannels, const IChannelLookup* pChannelController) const;
    // Whether a custom probe behind the channel is outside its temperature range.
    bool isProbesTemperatureOutOfRange(const IChannelLookup* pChannelController);

    // Takes one reading of the measuring cycle; NaN for a value the board did
    // not deliver.
    void setNewValue(double pNewElectricalValue, double pNewTemperatureValue);
    // Counts the last reading once more, so that averaging and graph keep pace
    // while the board cannot measure for a moment.
    void repeatLastValue();
    // The board gave no value (no probe, a failed selection, readings that
    // keep failing): until the next reading the stored one is not the
    // channel's present value, and the views and differences leave it out.
    void raiseNoValuesAvailable();
    bool hasValue() const { return mHasValue; }
    // Shortens the averaging windows at once; a longer window fills up with
    // the next readings.
    void setSampleCount(int pCount);
    void resetPeakValues();
    // Empties the windows; the means read 0 until the next reading.
    void resetAvgStabilityValues();
    // The hold function: the shown current value and peaks stay while
    // readings still go into averaging, peaks and graph. A channel frozen
    // while it has no value holds none: nothing was on show to keep.
    void setChannelFrozen(bool pVal);
    bool isChannelFrozen() const { return mChannelFrozen; }
    // Whether currentValue gives a value the channel has now: the live one,
    // or while frozen the held copy; never while the board gives no value.
    bool hasShownValue() const { return mHasValue && (!mChannelFrozen || mFrozenHasValue); }
    // Counts the freezes: a place that drew a held copy of another freeze (Freeze released and taken again
    // before a reading) draws the copy held now.
    quint32 freezeCount() const { return mFreezeCount; }

    void startRecordingGraphValues();
    void stopRecordingGraphValues();
    // The recorded points in the given unit: a temperature unit, or the
    // channel's electrical unit; empty for any other unit.
    QVector<QPointF> graphValues(Electrical_temperature_units::EnUnit pUnit) const;

    // The live values, temperature in degrees Celsius, also while frozen.
    void currentValueNumeric(TElectricalTemperatureValue& oTemperatureValue,
                             TElectricalTemperatureValue& oElectricalValue) const;
    // Mean with its unit and stability (the sample standard deviation, in
    // kelvin for every temperature unit), with the user's decimal separator.
    void avgValue(QString& oAvgVal, QString& oStability) const;
    // The lowest and highest value with the most decimals, no unit; empty
    // while there is none.
    void peakValues(QString& oMin, QString& oMax, const QString& pDecimalSeparator) const;
    // This channel's current value minus pChannel's: electrical when oUnit is
    // the electrical unit of both, else the temperatures in oUnit (degrees
    // Celsius in place of an electrical unit the two do not share). Gives the
    // text with the fewer decimals of the two and the user's separator; NaN
    // ("OL") while either channel has no value.
    double difference(const TAbstractChannel& pChannel, Electrical_temperature_units::EnUnit& oUnit,
                      QString& oDifferenceAsString) const;

    // NaN stays NaN; a unit that is no temperature unit leaves the value as it is.
    double getTemperatureValFromCelsius(double pVal, Electrical_temperature_units::EnUnit pUnit) const;
    double getTemperatureValFromCelsius(double pVal) const;

    static QString unitToText(Electrical_temperature_units::EnUnit pUnit);
    // What stands for a value that is no number.
    static QString noValueText();

signals:
    void valuesChanged(TAbstractChannel* pChannel);
    void noValuesAvailable(TAbstractChannel* pChannel);
    // dropped: the oldest point of both lists went to keep the history bounded.
    void graphValueAdded(TAbstractChannel* pChannel, QPointF pTemperaturePoint, QPointF pElectricalPoint,
                         bool pDropped);

protected:
    // The channels whose thermocouple's cold junction the walk of usedChannels
    // is following, innermost last.
    using TFollowedChannels = zelk::vector<const TAbstractChannel*>;

    // The step of usedChannels for this channel.
    virtual void addUsedChannels(zelk::vector<const TPhysicalChannel*>& oChannels,
                                 const IChannelLookup* pChannelController,
                                 TFollowedChannels& pFollowedChannels) const = 0;
    static void addUsedChannelsOf(const TAbstractChannel& pChannel, zelk::vector<const TPhysicalChannel*>& oChannels,
                                  const IChannelLookup* pChannelController, TFollowedChannels& pFollowedChannels);
    // Lets a channel adjust a reading before it is stored.
    virtual void beforeSetNewValue(double& pElectricalValue, double& pTemperatureValue);

    QString channelSection() const;
    int maxPrecision() const;
    // Readings in the old unit mean nothing in the new one: peaks, averages
    // and graph start afresh and the listener is told.
    void electricalUnitChanged();

private:
    void calculateAvgAndStdDev();
    void storePrecision(int pPrecision);
    QString formatted(double pValue, int pDecimals, const QString& pDecimalSeparator) const;

    const QString mSetting_resolution = QStringLiteral("resolution");
    const QString mSetting_unit = QStringLiteral("unit");
    Electrical_temperature_units::EnUnit mSelectedUnit;
    quint16 mSampleCountForAvgValue;
    qint16 mPrecision;
    qint16 mInternalChannelNumber;
    bool mRecordGraphValues = false;
    IChannelTypeChangeListener* mChannelTypeChangeListener;
    bool mChannelFrozen = false;
    bool mHasValue = true;
    bool mFrozenHasValue = true;
    quint32 mFreezeCount = 0;
    double mFrozenValue_electrical;
    double mFrozenValue_temperature;
    QPair<double, double> mFrozenPeak_electrical;
    QPair<double, double> mFrozenPeak_temperature;
    // Oldest first. Ring-like containers: a reading drops the oldest entry
    // without moving the others, so its cost does not grow with the history.
    std::deque<double> mAvgValues_electrical;
    std::deque<double> mAvgValues_temperature;
    std::deque<QPointF> mGraphValues_Temperature;
    std::deque<QPointF> mGraphValues_Electrical;
    double mCurrentValue_electrical;
    double mCurrentValue_temperature;
    double mAvgValue_electrical = 0.0;
    double mStability_electrical = 0.0;
    double mAvgValue_temperature = 0.0;
    double mStability_temperature = 0.0;
    // first the minimum, second the maximum
    QPair<double, double> mPeak_electrical;
    QPair<double, double> mPeak_temperature;
};

// A channel of one physical input (board input or switch-box position) with
// the probe assigned to it; the probe database owns the probe.
class TPhysicalChannel : public TAbstractChannel
{
    Q_OBJECT

public:
    TPhysicalChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                     int pInternalChannelNumber, const QString& pChannelCaption);

    QString channelCaption() const override;
    QString channelBtnText() const override;
    TPhysicalChannel* distinctPhysicalChannel() override;

    // Measures with the probe; a change of electrical unit starts the
    // readings afresh (not for the first probe of a mixed channel).
    void useProbe(TAbstractProbe* pProbe);
    // As useProbe, and the probe records that it is plugged in here.
    void assignProbe(TAbstractProbe* pProbe);
    TAbstractProbe* assignedProbe() const { return mProbe; }
    // Whether the probe may be assigned to this kind of input.
    bool isValidProbe(const TAbstractProbe* pProbe) const;

protected:
    // The channel, and the channels behind a thermocouple probe's cold junction
    // measured elsewhere, wherever the probe is plugged in.
    void addUsedChannels(zelk::vector<const TPhysicalChannel*>& oChannels, const IChannelLookup* pChannelController,
                         TFollowedChannels& pFollowedChannels) const override;

private:
    const QString mChannelCaption;
    TAbstractProbe* mProbe = nullptr;
};

// A resistance input. It owns the SMART probe plugged into it.
class TPRTChannel : public TPhysicalChannel
{
    Q_OBJECT

public:
    TPRTChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                int pInternalChannelNumber, const QString& pChannelCaption,
                const zelk::vector<Probe_enums::EnWiring>& pSupportedWiring);
    ~TPRTChannel() override;

    Electrical_temperature_units::EnUnit electricalUnit() const override;
    // An enabled SMART probe stands before the assigned probe.
    TChannelProbeStatus channelProbeStatus() override;

    TSmartProbePRT* smartProbe() const { return mSmartProbe.get(); }
    // Replaces (and deletes) the SMART probe held so far; null when none is plugged.
    void setAndOwnSmartProbe(std::unique_ptr<TSmartProbePRT> pSmartProbe);
    bool wiringSupported(Probe_enums::EnWiring pWiring) const;
    const zelk::vector<Probe_enums::EnWiring>& supportedWiring() const { return mSupportedWiring; }

private:
    std::unique_ptr<TSmartProbePRT> mSmartProbe;
    const zelk::vector<Probe_enums::EnWiring> mSupportedWiring;
};

// A thermocouple input.
class TTCChannel : public TPhysicalChannel
{
    Q_OBJECT

public:
    TTCChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
               int pInternalChannelNumber, const QString& pChannelCaption);

    Electrical_temperature_units::EnUnit electricalUnit() const override;
};

// The thermocouple expansion port: it measures a voltage only and never has
// a temperature.
class TPureVoltageTCChannel : public TTCChannel
{
    Q_OBJECT

public:
    TPureVoltageTCChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                          int pInternalChannelNumber, const QString& pChannelCaption);

    // The temperature text is always empty.
    void currentValue(QString& oTempValue, Electrical_temperature_units::EnUnit& oTempUnit, QString& oElecValue,
                      Electrical_temperature_units::EnUnit& oElecUnit, const QString& pDecimalSeparator,
                      Electrical_temperature_units::EnUnitType& oMainValueUnitType, bool pMaxPrecision) const override;

protected:
    void beforeSetNewValue(double& pElectricalValue, double& pTemperatureValue) override;
};

// A switch-box position for thermocouples and resistance sensors alike: the
// assigned probe decides what the board measures.
class TMixedChannel : public TPhysicalChannel
{
    Q_OBJECT

public:
    TMixedChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                  int pInternalChannelNumber, const QString& pChannelCaption);

    Electrical_temperature_units::EnUnit electricalUnit() const override;
};

// A channel the board computes from one physical channel.
class TUnaryDerivedChannel : public TAbstractChannel
{
    Q_OBJECT

public:
    TUnaryDerivedChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                         int pInternalChannelNumber);

    Electrical_temperature_units::EnUnit electricalUnit() const override;
    TPhysicalChannel* distinctPhysicalChannel() override;
    bool isOrUsesChannel(const TAbstractChannel* pChannel) const override;

    TPhysicalChannel* physicalChannel() const { return mPhysicalChannel; }
    // A new operand clears the peaks of the old one.
    void setPhysicalChannel(TPhysicalChannel* pChannel);

protected:
    void addUsedChannels(zelk::vector<const TPhysicalChannel*>& oChannels, const IChannelLookup* pChannelController,
                         TFollowedChannels& pFollowedChannels) const override;

private:
    TPhysicalChannel* mPhysicalChannel = nullptr;
};

// The reciprocal of a physical channel.
class TReciprocalChannel : public TUnaryDerivedChannel
{
    Q_OBJECT

public:
    TReciprocalChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                       int pInternalChannelNumber);

    // Empty without operand.
    QString channelCaption() const override;
    QString channelBtnText() const override;
};

// Sum, difference, product or quotient of two physical channels, computed by
// the board; the operator is the text shown between the operands.
class TBinaryDerivedChannel : public TAbstractChannel
{
    Q_OBJECT

public:
    TBinaryDerivedChannel(IChannelTypeChangeListener* pChannelTypeChangeListener, int pSampleCountForAvgValue,
                          int pInternalChannelNumber, const QString& pOperator);

    // Undefined unless both operands measure in the same unit.
    Electrical_temperature_units::EnUnit electricalUnit() const override;
    // Empty while an operand is missing.
    QString channelCaption() const override;
    QString channelBtnText() const override;
    bool isOrUsesChannel(const TAbstractChannel* pChannel) const override;

    TPhysicalChannel* physicalChannel_Operand1() const { return mPhysicalChannel_Operand1; }
    TPhysicalChannel* physicalChannel_Operand2() const { return mPhysicalChannel_Operand2; }
    // A new operand clears the peaks of the old one.
    void setPhysicalChannel_Operand1(TPhysicalChannel* pChannel);
    void setPhysicalChannel_Operand2(TPhysicalChannel* pChannel);

protected:
    void addUsedChannels(zelk::vector<const TPhysicalChannel*>& oChannels, const IChannelLookup* pChannelController,
                         TFollowedChannels& pFollowedChannels) const override;

private:
    TPhysicalChannel* mPhysicalChannel_Operand1 = nullptr;
    TPhysicalChannel* mPhysicalChannel_Operand2 = nullptr;
    const QString mOperator;
};
