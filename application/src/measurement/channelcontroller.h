#pragma once

#include "channellookup.h"
#include "channeltypechangelistener.h"
#include "electrical_temperature_units.h"
#include "probe_enums.h"
#include "submenuconfirmationreceiver.h"
#include "zelkvector.h"

#include <QDate>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class IChannelControllerListener;
class IChannelSelectionReceiver;
class ISubMenuController;
class QLabel;
class QWidget;
class TAbstractChannel;
class TAbstractProbe;
class TAbstractSwitchBox;
class TClickableWidgetController;
class TInternalSCPIHandler;
class TPhysicalChannel;
class TPRTChannel;
class TProbeController;
class TRoutineChannelHold;
class TScanModeController;
class TSmartProbePRT;

// The one owner of every channel of the instrument: the board's inputs, the
// thermocouple expansion port, the derived channels and the positions of the
// fitted switch boxes. It runs the measuring cycle (the board measures one
// channel at a time; a timer polls it and the reading goes to the channel and
// on to the listeners), keeps SMART probes in step with the board, raises the
// probe alarm and shows the channel selection page. The main window creates
// it once and owns it.
class TChannelController : public QObject,
                           public ISubMenuConfirmationReceiver,
                           public IChannelTypeChangeListener,
                           public IChannelLookup
{
    Q_OBJECT

public:
    // The board's own inputs.
    static constexpr qint16 MIN_CHANNEL_ZTM8800 = 1;
    static constexpr qint16 MAX_CHANNEL_ZTM8800 = 4;
    // The thermocouple expansion port, held outside the channel map.
    static constexpr int EXPANSION_PORT_CHANNEL = 6;
    static constexpr qint16 SWITCHBOX_FIRST_CHANNEL = 16;
    static constexpr qint16 SWITCHBOX_MAX_CHANNELS = 16;

    // Asks the board for its switch boxes and its configured channel; reading
    // stays off until setReadingActive(true). The buttons belong to the
    // channel selection page; buttons for the expansion port and the switch-box
    // positions are added to the column that holds pBtnChannel4.
    TChannelController(ISubMenuController* pSubMenuController, TInternalSCPIHandler* pSCPIHandler,
                       std::unique_ptr<TClickableWidgetController> pChannelSelectWidgetController,
                       QWidget* pPageChannelSelection, QWidget* pBtnChannel1, QWidget* pBtnChannel2,
                       QWidget* pBtnChannel3, QWidget* pBtnChannel4, QWidget* pBtnChannel_Reciprocal,
                       QWidget* pBtnChannel_Sum, QWidget* pBtnChannel_Diff, QWidget* pBtnChannel_Product,
                       QWidget* pBtnChannel_Quotient, QWidget* pBtnChannel_X, QWidget* pBtnChannel_Y,
                       QLabel* pLblChannel_X, QLabel* pLblChannel_Y, int pAverageValueSampleCount, int pReadInterval);
    ~TChannelController() override;

    // Null for numbers no channel has; the expansion channel is not among them.
    TAbstractChannel* channel(int pChannelNumber) const override;
    TPhysicalChannel* physical_channel(int pChannelNumber) const;
    const std::map<int, std::unique_ptr<TAbstractChannel>>& channels() const { return mChannels; }
    TPhysicalChannel* tcExpansionPortChannel() const { return mTCExpansionPortChannel.get(); }
    // The fitted boxes in port order; null past the last one.
    TAbstractSwitchBox* switchBox(unsigned int pIndex) const;
    TAbstractChannel* measuredChannel() const { return mMeasuredChannel; }
    QDateTime lastChannelChange() const { return mLastChannelChange; }
    void changeUnit(TAbstractChannel* pChannel, Electrical_temperature_units::EnUnit pUnit);

    // Every physical channel that holds pProbe falls back to its default
    // probe; pProbe then belongs to no channel.
    void unassignProbe(TAbstractProbe* pProbe, TProbeController* pProbeController);
    void useDefaultProbesForChannelsWithoutProbe(TProbeController* pProbeController);

    // A listener is held once; removing one that is not held changes nothing.
    void addListener(IChannelControllerListener* pListener);
    void removeListener(IChannelControllerListener* pListener);

    // Starting takes one reading at once; starting while reading changes nothing.
    void setReadingActive(bool pVal);
    bool isReadingActive() const;
    // One poll of the measured channel; true when a reading was taken. A
    // call while a poll is running (from a listener, or a timer tick in a
    // nested event loop) does nothing and returns false.
    bool readMeasuredChannel();
    // Makes the channel the one the board measures; false when the board
    // could not be told, a derived channel lacks an operand, there is no
    // channel, or a calibration routine holds the board. The read timer and
    // the listeners are not involved.
    bool measureChannel(TAbstractChannel* pChannel);
    // For a caller that shows the channel whether or not the board takes the
    // command (a scan step, the return after a run, a calibration item or a
    // SMART probe refresh): as measureChannel, but a command the board did
    // not confirm still makes it the measured channel, selected again before
    // the next reading. Otherwise the board would go on measuring the channel
    // before, its readings hidden, under a view whose value never changes.
    bool measureShownChannel(TAbstractChannel* pChannel);

    // A calibration routine holds the board's channel from its start to its
    // end (TRoutineChannelHold): meanwhile every other selection is refused.
    bool isRoutineActive() const { return mRoutineHold != nullptr; }
    // Whether the readings of the routine holding the board depend on the
    // channel: its reference, a DUT, or a channel behind one of them (an
    // operand, a cold junction's). False without a routine.
    bool isUsedByRoutine(const TAbstractChannel* pChannel) const;
    // Whether the probe is assigned to a channel the routine's readings depend on.
    bool isUsedByRoutine(const TAbstractProbe* pProbe) const;

    // Reads the SMART probes of all resistance channels anew and returns the
    // channels that hold one; polling pauses meanwhile. While a routine is
    // active nothing is read: the channels holding one already are returned.
    zelk::vector<TPRTChannel*> updateSmartProbeStatus();
    // Null unless the measured channel is a resistance channel with a SMART probe.
    TSmartProbePRT* updateSmartProbeStatusCurrentChannel();
    // Switches the SMART probe on or off in its own memory; false when the
    // board did not confirm, the probe's channel could not be measured, or a
    // routine holds the board (then nothing is sent).
    bool setSmartProbeEnabled(TSmartProbePRT* pProbe, bool pEnabled);
    // Where the check of a SMART probe's calibration date takes today's date
    // from; the system date unless a test puts its own here.
    void setCalendar(std::function<QDate()> pToday) { mToday = std::move(pToday); }
    // Where the time a channel's readings have been failing is taken from, in
    // milliseconds on a monotonic scale, and the board command layer's end of
    // an exchange that went unanswered, which the screen's turn after it is
    // timed from; the system's unless a test puts its own here.
    void setMonotonicClock(std::function<qint64()> pMilliseconds);
    // Whether the measuring cycle is owed the tick that the screen's turn after
    // somebody else's unanswered exchange (a client's command, a channel
    // chosen) passed over: it is made good as the turn ends, and the remote
    // command queue starts no command before.
    bool isTickOwed() const { return mTickOwed; }

    // Shows the channel selection page; the chosen channel goes to the receiver.
    void selectChannel(TAbstractChannel* pCurrentChannel, IChannelSelectionReceiver* pChanSelReceiver,
                       bool pShowDerivedChannels, const zelk::vector<TAbstractChannel*>& pExcluding,
                       const TScanModeController& pScanModeController);
    void selectChannel(TAbstractChannel* pCurrentChannel, IChannelSelectionReceiver* pChanSelReceiver,
                       bool pShowDerivedChannels, const TScanModeController& pScanModeController);

    // The selection page offers Return only; nothing to confirm.
    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    bool storeClicked() override;

    void channelTypeChanged(TAbstractChannel* pChannel) override;

signals:
    void widget_activated(short pGroup, QWidget* pPrevious, QWidget* pCurrent);
    // The owed tick was made good, or reading stopped and owes none any more.
    void owedTickSettled();

public slots:
    void setAverageValueSampleCount(int pVal);
    void channelSelectionBtnClick(QWidget* pButton);
    void onChannelReadTimer();
    void onBeforeChangeSystemTime();

private:
    friend class TRoutineChannelHold;
    // They make the owed tick good at the end of the turn on their clock rather than wait for its timer.
    friend class tst_ChannelController;
    friend class tst_HandlerMeasureCommands;

    void addChannelButton(TAbstractChannel* pChannel, QWidget* pButton);
    // A button for a channel the form has none for, in the column of the board's inputs.
    void createChannelButton(TAbstractChannel* pChannel, QWidget* pBtnChannel4, int& ioLayoutIndex);
    void scanSwitchBoxes(int pAverageValueSampleCount, QWidget* pBtnChannel4, int& ioLayoutIndex);
    void restoreMeasuredChannel();
    // measureChannel without asking who holds the board. pShown: the caller
    // shows the channel even when the board does not confirm the command.
    bool switchBoardTo(TAbstractChannel* pChannel, bool pShown = false);
    // The physical channels the routine's readings are made of, as the
    // channels themselves know them; empty without a routine.
    zelk::vector<const TPhysicalChannel*> channelsBehindRoutine() const;

    void makeGoodOwedTick();
    void settleOwedTick();
    bool poll();
    // Notes a poll of pChannel without a reading; true once its readings have
    // failed for as long as the board link waits for an answer.
    bool readingsFailingLong(const TAbstractChannel* pChannel);
    // False when the board's channel was unknown and could not be selected again.
    bool selectMeasuredChannelIfUnknown();
    void bringSmartProbeInStep(TPRTChannel* pChannel, Probe_enums::EnSmartProbeStatus pSmartProbeStatus);
    void readSmartProbe(TPRTChannel* pChannel);
    // The warnings a poll raised wait until the poll, and a remote command it
    // runs in, is over, so that measuring goes on while they are open.
    void scheduleWarnings();
    void scheduleRemainingWarnings();
    void showPendingWarnings();

    void notifyListenersChannelRead(TAbstractChannel* pChannel);
    void notifyListenersChannelTypeChanged(TAbstractChannel* pChannel);
    void notifyListenersAfterMeasBoardPolled(int pIntervallMilliseconds);
    template <class TCall> void notifyListeners(TCall pCall);

    void updateOperandChannelButtons(TAbstractChannel* pPossiblyDerivedChannel, bool pShowDerivedChannels);
    void updateDerivedChannelSelectButton(TAbstractChannel* pChannel, QWidget* pBtnDerivedChannelSelect);
    void updateDerivedChannelSelectButtons();
    TPhysicalChannel* selectedChannel_Operand_X() const;
    TPhysicalChannel* selectedChannel_Operand_Y() const;
    TPhysicalChannel* selectedOperand(const QLabel* pLabel) const;
    void chooseOperand(QLabel* pLabel);
    static void showOperand(QLabel* pLabel, const TAbstractChannel* pChannel);

    ISubMenuController* mSubMenuController;
    TInternalSCPIHandler* mSCPIHandler;
    std::unique_ptr<TClickableWidgetController> mChannelSelectWidgetController;
    std::map<int, std::unique_ptr<TAbstractChannel>> mChannels;
    zelk::vector<IChannelControllerListener*> mListeners;
    std::unique_ptr<TPhysicalChannel> mTCExpansionPortChannel;
    zelk::vector<std::unique_ptr<TAbstractSwitchBox>> mSwitchBoxes;
    TAbstractChannel* mMeasuredChannel = nullptr;
    IChannelSelectionReceiver* mChannelSelectionReceiver = nullptr;
    std::unique_ptr<QTimer> mReadTimer;
    QTimer mOwedTick;
    bool mTickOwed = false;
    // The board link's interruption count at the end of the cycle's last
    // poll: one that rose since is somebody else's unanswered exchange.
    quint64 mLinkInterruptionsAfterPoll = 0;
    QDateTime mLastChannelChange;
    // The board link's interruption count when the board was last told to
    // measure mMeasuredChannel; none while the board may measure another.
    std::optional<quint64> mChannelSelectedAt;
    // The channel whose value the last poll took from the board, null after a
    // switch, a pause or a poll without a reading: only its value is recent
    // enough to stand in for a moment without a measurement.
    TAbstractChannel* mChannelWithRecentValue = nullptr;
    // The measured channel once a poll has read it since the board was told
    // to measure it or reading was started; null until then.
    TAbstractChannel* mChannelReadSinceChosen = nullptr;
    // When the readings of a channel began failing, for the channels whose
    // last poll took no reading.
    std::map<const TAbstractChannel*, qint64> mReadingsFailingSince;
    std::map<TAbstractChannel*, QWidget*> mButtonByChannel;
    std::map<QWidget*, TAbstractChannel*> mChannelByButton;
    QWidget* mPageChannelSelection;
    QWidget* mBtnChannelX;
    QWidget* mBtnChannelY;
    QLabel* mLblChannelX;
    QLabel* mLblChannelY;

    bool mPollRunning = false;
    // Set by the routine's hold for its lifetime.
    const TRoutineChannelHold* mRoutineHold = nullptr;
    zelk::vector<TAbstractChannel*> mRoutineChannels;
    bool mWarningsScheduled = false;
    // Probes that left their range in a poll, for the alarm after it.
    zelk::vector<QPointer<TAbstractProbe>> mPendingProbeAlarms;
    // Channels whose SMART probe was read anew in a poll, for its calibration check.
    zelk::vector<TPRTChannel*> mPendingCalibrationChecks;
    // SMART probes whose due calibration was announced already: the board may
    // report the same probe as new at every poll.
    QSet<QString> mCalibrationWarnedProbes;
    std::function<QDate()> mToday = &QDate::currentDate;
    std::function<qint64()> mMonotonicMs = [] { return QDeadlineTimer::current().deadline(); };
};

// A calibration routine's hold on the board's channel, from its start to its
// end: it selects the reference and each DUT and reads whatever the board
// measures, so a channel chosen by anybody else meanwhile would be stored as
// one of its own. While the hold lasts, the controller refuses every other
// selection, whoever asks; the routine selects through its hold alone.
class TRoutineChannelHold
{
public:
    // pChannels: the channels the routine measures with.
    TRoutineChannelHold(TChannelController& pController, zelk::vector<TAbstractChannel*> pChannels);
    ~TRoutineChannelHold();
    TRoutineChannelHold(const TRoutineChannelHold&) = delete;
    TRoutineChannelHold& operator=(const TRoutineChannelHold&) = delete;

    bool measureChannel(TAbstractChannel* pChannel) { return mController.switchBoardTo(pChannel); }
    // The run's end, giving the board back to the channel the views show.
    bool measureShownChannel(TAbstractChannel* pChannel) { return mController.switchBoardTo(pChannel, true); }

private:
    TChannelController& mController;
};
