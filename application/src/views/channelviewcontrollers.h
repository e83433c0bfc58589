#pragma once

#include "channelselectionreceiver.h"
#include "electrical_temperature_units.h"
#include "probeassignmentlistener.h"
#include "unitselectionreceiver.h"
#include "zelkpushbutton.h"
#include "zelkvector.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QGraphicsOpacityEffect;
class QLabel;
class QTimer;
class QWidget;
class QZELKGreyPanel;
class QZELKPushButton;
class TAbstractChannel;
class TAbstractProbe;
class TAverageValueSettingController;
class TChannelController;
class TChannelProbeStatus;
class TChannelViewControllerManager;
class TPRTProbe;
class TProbeController;
class TScanModeController;
class TUnitSelectionProvider;

// One place of a channel view where a channel is shown: the channel, its
// value block and its buttons, and the looks the view's bar and panels take
// while this place holds the measured channel. The views with several places
// keep one each, so that showing, colouring and the buttons of a place are
// written once.
struct TChannelViewPosition
{
    TAbstractChannel* mChannel = nullptr;
    // Dimmed while another place holds the measured channel; null in the home view.
    QWidget* mArea = nullptr;
    QLabel* mMainValue = nullptr;
    QLabel* mCorrespondingValue = nullptr;
    QLabel* mCorrespondingCaption = nullptr;
    QLabel* mWarningIcon = nullptr;
    QLabel* mSmartProbeIndicator = nullptr;
    QZELKPushButton* mBtnChannel = nullptr;
    QZELKPushButton* mBtnUnit = nullptr;
    QZELKPushButton* mBtnFreeze = nullptr;
    QZELKPushButton* mBtnRoot2 = nullptr;
    QZELKPushButton* mBtnProbe = nullptr;
    QString mStylesheetInfoBar;
    QString mStylesheetChannelDependingPanels;
    // The place shows its channel's value: false once blanked or given another channel, when a frozen
    // channel's held copy must be drawn again although freezing otherwise keeps the place as it is.
    bool mValueDrawn = false;
    // The channel's freeze whose held copy the place drew.
    quint32 mDrawnFreeze = 0;
    // A Freeze tap drew the place without the view's peaks: they still show the copy before it.
    bool mPeaksBehind = false;
    // The view's font sizes of the main value by its length.
    const std::map<short, short>* mMainValFontSizes = nullptr;
};

// The common part of every channel view: a controller on widgets the main
// window builds, filled from its channels. It draws a channel's value block,
// keeps the information bar, the freeze, root-2 and resolution buttons, tells
// a long press of a probe button (editor) from a short one (selection) and
// opens the channel and unit selections. The view manager owns the views.
class TAbstractChannelViewController : public QObject,
                                       public IUnitSelectionReceiver,
                                       public IChannelSelectionReceiver,
                                       public IProbeAssignmentListener
{
    Q_OBJECT

public:
    // How long a probe button is held before the editor opens instead of the selection.
    static constexpr int PROBE_EDIT_PRESS_DURATION = 1200;
    // Dimming of a place whose channel is not the measured one.
    static constexpr double NOT_MEASURED_OPACITY = 0.7;

    TAbstractChannelViewController(TChannelController* pChannelController,
                                   TUnitSelectionProvider* pUnitSelectionProvider, TProbeController* pProbeController,
                                   TAverageValueSettingController* pAvgValController,
                                   TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar,
                                   QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter, QLabel* pLblInfoBarRight);
    // Leaves the probe controller's listeners; the channels may be gone already.
    ~TAbstractChannelViewController() override;

    virtual void initGUI() = 0;
    virtual bool isViewCompatible(int pChannelCount) = 0;
    virtual void detachChannels() = 0;
    virtual void setChannels(const zelk::vector<TAbstractChannel*>& pChannels, TAbstractChannel* pMeasuredChannel) = 0;
    virtual void channels(zelk::vector<TAbstractChannel*>& oChannels) = 0;
    // Outside scan mode the board measures the chosen channel from now on;
    // when it refuses, the view keeps its channel. In scan mode the channel
    // takes the place of the one the selection was opened for.
    void channelSelected(TAbstractChannel* pChannel) override;

    TAbstractChannel* measuredChannel() const { return mMeasuredChannel; }
    void setManager(TChannelViewControllerManager* pManager) { mManager = pManager; }
    // The texts of the information bar and of the empty channel button.
    void retranslate();

protected slots:
    virtual void channelSwitched(TAbstractChannel* pNewChannel) = 0;
    virtual void channelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel) = 0;
    virtual void onProbeDataChanged(TAbstractProbe* pProbe) = 0;
    void onProbeEditTimer();
    void onProbeButtonReleased();

protected:
    virtual void setProbeName(QZELKPushButton* pButton, const QString& pProbeName);
    // Texts a view composes itself; called by retranslate() after the shared ones.
    virtual void retranslateOwnTexts() {}

    bool isCurrentView() const;
    QString getChannelCaption(TAbstractChannel* pChannel) const;
    void updateFreezeButton(QZELKPushButton* pBtnFreeze, TAbstractChannel* pChannel);
    void updateRoot2Button(QZELKPushButton* pBtnRoot2, TAbstractChannel* pChannel);
    void setResolutionButtons(QZELKPushButton* pBtnDecrease, QZELKPushButton* pBtnIncrease,
                              const TAbstractChannel& pChannel);
    // The caller puts it on a widget, which then owns it.
    static QGraphicsOpacityEffect* createOpacityEffect();
    static void setStyleSheetIfChanged(QWidget* pWidget, const QString& pSheet);
    void clearInfoBarCenterAndRight();
    void clearInfoBarCenterAndRight(QLabel* pLblCenter, QLabel* pLblRight);
    void setInfoBarCenterAndRight(TAbstractChannel* pChannel);
    // The live figures of a channel that has a live value, frozen or not, else none.
    void showLiveFigures(TAbstractChannel* pChannel, QLabel* pLblCenter, QLabel* pLblRight);
    void setInfoBarCenterAndRight(TAbstractChannel* pChannel, QLabel* pLblCenter, QLabel* pLblRight);
    // pFrom's value minus pOf's in ioUnit (which the call may change); empty while either has no value.
    static QString differenceText(const TAbstractChannel& pFrom, const TAbstractChannel& pOf,
                                  Electrical_temperature_units::EnUnit& ioUnit);
    static TAbstractProbe* probeFromChannel(TAbstractChannel* pChannel);
    void toggleRoot2(TPRTProbe* pProbe, std::map<TAbstractChannel*, QZELKPushButton*>& pDisplayedChannels);
    void updateProbeButton(const TChannelProbeStatus& pProbeStatus, QZELKPushButton* pProbeButton,
                           QLabel* pLblSmartProbeIndicator);
    void displayChannelValue(TAbstractChannel* pChannel, QLabel* pLblMainValue, QLabel* pLblCorrespondingValue,
                             QLabel* pLblCorrespondingValueCaption, QLabel* pLblPeakMin, QLabel* pLblPeakMax,
                             QLabel* pTemperatureWarningIcon, QLabel* pLblSmartProbeIndicator,
                             QZELKPushButton* pProbeButton, const std::map<short, short>& pMainValFontSizes,
                             bool pOverrideFreeze, bool pForcePeakRefresh);
    void showCorrespondingCaption(QLabel* pCaption, const TAbstractChannel& pChannel);
    void selectChannel(TAbstractChannel* pCurrentChannel);
    void selectUnitForChannel(TAbstractChannel* pChannel);
    void startProbeEditTimer(TAbstractChannel* pRecevingChannel);
    // The probe's name fitted into the button, 18 px down to 14 px, cut with "..." beyond.
    static void fitProbeName(QZELKPushButton* pButton, const QString& pProbeName);
    // The caption of the corresponding value takes the room its value leaves, in a smaller font where its text
    // needs more; a view without that caption passes null.
    static void fitCaptionBesideValue(QLabel* pCaption);

    // --- the work on one place; the views' slots call these for their places ---

    // Listens to the new channel only; the old one is left alone.
    void attachChannel(TChannelViewPosition& pPosition, TAbstractChannel* pChannel);
    void detachChannel(TChannelViewPosition& pPosition);
    // The value block of the place; nothing for an empty place.
    void drawPosition(TChannelViewPosition& pPosition, QLabel* pLblPeakMin, QLabel* pLblPeakMax,
                      const std::map<short, short>& pMainValFontSizes, bool pOverrideFreeze, bool pForcePeakRefresh);
    // The board reports no value: the values go, the probe button follows the channel.
    void clearPositionValues(TChannelViewPosition& pPosition);
    // Channel and unit buttons, freeze and root-2; "Chan." and no unit for an empty place.
    void initPositionButtons(TChannelViewPosition& pPosition);
    // The measured place at full opacity with its bar and panel looks; the others dimmed.
    void setPositionColors(const zelk::vector<TChannelViewPosition*>& pPositions, TAbstractChannel* pMeasured,
                           const zelk::vector<QZELKGreyPanel*>& pChannelDependingPanels);
    void toggleFreezeAt(TChannelViewPosition& pPosition);
    void selectUnitAt(TChannelViewPosition& pPosition);
    void selectChannelAt(TChannelViewPosition& pPosition);
    void pressProbeAt(TChannelViewPosition& pPosition);
    void toggleRoot2At(TChannelViewPosition& pPosition, const zelk::vector<TChannelViewPosition*>& pPositions);
    template <class TView>
    void connectPositionButtons(const TChannelViewPosition& pPosition, void (TView::*pToggleFreeze)(),
                                void (TView::*pSelectUnit)(), void (TView::*pSelectChannel)(),
                                void (TView::*pProbePressed)(), void (TView::*pToggleRoot2)());

    // --- the work on all places of a view; where a channel stands twice, its first place counts ---

    using TPositions = zelk::vector<TChannelViewPosition*>;
    static TChannelViewPosition* positionOf(const TPositions& pPositions, TAbstractChannel* pChannel);
    static void appendChannels(const TPositions& pPositions, zelk::vector<TAbstractChannel*>& oChannels);
    void detachPositions(const TPositions& pPositions);
    // True when a shown channel is, or is derived from, that physical channel.
    static bool showsPhysicalChannel(const TPositions& pPositions, TAbstractChannel* pPhysicalChannel);
    // The channel's place, when it has one, and the information bar for the channel in any case; blank
    // while the channel has no value.
    void showChannelValues(const TPositions& pPositions, TAbstractChannel* pChannel, QLabel* pLblPeakMin,
                           QLabel* pLblPeakMax, const std::map<short, short>& pMainValFontSizes, bool pOverrideFreeze,
                           bool pForcePeakRefresh);
    // The peak labels, where given, are the measured channel's: only its lack of values clears them.
    void showNoValues(const TPositions& pPositions, TAbstractChannel* pChannel, QLabel* pLblPeakMin = nullptr,
                      QLabel* pLblPeakMax = nullptr);
    // The channel takes the unit even when no place shows it; the unit button of its place follows.
    void changeUnitAt(const TPositions& pPositions, TAbstractChannel* pChannel,
                      Electrical_temperature_units::EnUnit pUnit);
    // Only the first place with the probe: the others follow with their next values.
    void showProbeNameAtFirst(const TPositions& pPositions, TAbstractProbe* pProbe);
    // A view's slots valuesChanged and noValuesAvailable hear the channel's values.
    void listenTo(TAbstractChannel* pChannel);
    void stopListeningTo(TAbstractChannel* pChannel);

    // "Channel <caption> No. of meas.: <count>".
    QString channelAndSampleCountText(TAbstractChannel* pChannel) const;
    QString sampleCountText() const;

    TChannelViewControllerManager* mManager = nullptr;
    TChannelController* mChannelController;
    TProbeController* mProbeController;
    TScanModeController* mScanModeController;
    TUnitSelectionProvider* mUnitSelectionProvider;
    TAverageValueSettingController* mAvgValController;
    TAbstractChannel* mMeasuredChannel = nullptr;
    QZELKGreyPanel* mInformationBar;
    QLabel* mLblInfoBarLeft;
    QLabel* mLblInfoBarCenter;
    QLabel* mLblInfoBarRight;
    QString mTransChannel;
    QString mTrans_NoOfMeas;
    QString mTrans_Average;
    QString mTrans_Stability;
    QString mTrans_Channel;
    QString mTrans_Difference;
    TAbstractChannel* mReceivingChannel = nullptr;
    std::unique_ptr<QTimer> mProbeEditTimer;
    bool mProbeEdited = false;
};

template <class TView>
void TAbstractChannelViewController::connectPositionButtons(
    const TChannelViewPosition& pPosition, void (TView::*pToggleFreeze)(), void (TView::*pSelectUnit)(),
    void (TView::*pSelectChannel)(), void (TView::*pProbePressed)(), void (TView::*pToggleRoot2)())
{
    auto* view = static_cast<TView*>(this);
    connect(pPosition.mBtnFreeze, &QZELKPushButton::clicked, view, pToggleFreeze);
    connect(pPosition.mBtnUnit, &QZELKPushButton::clicked, view, pSelectUnit);
    connect(pPosition.mBtnChannel, &QZELKPushButton::clicked, view, pSelectChannel);
    connect(pPosition.mBtnProbe, &QZELKPushButton::pressed, view, pProbePressed);
    connect(pPosition.mBtnProbe, &QZELKPushButton::released, this,
            &TAbstractChannelViewController::onProbeButtonReleased);
    connect(pPosition.mBtnRoot2, &QZELKPushButton::clicked, view, pToggleRoot2);
}

// The home view: the channel the board measures, with one large value.
class TOneChannelViewController : public TAbstractChannelViewController
{
    Q_OBJECT

public:
    TOneChannelViewController(TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
                              TProbeController* pProbeController, TAverageValueSettingController* pAvgValController,
                              TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar,
                              const QString& pStylesheetInfoBar, QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter,
                              QLabel* pLblInfoBarRight, QLabel* pMainValueLabel, QLabel* pCorrespondingValueLabel,
                              QLabel* pCorrespondingCaptionLabel, QLabel* pPeakValMin, QLabel* pPeakValMax,
                              QLabel* pLblWarningIcon, QLabel* pLblSmartProbeIndicator, QZELKPushButton* pBtnChannel,
                              QZELKPushButton* pBtnUnit, QZELKPushButton* pBtnDecResolution,
                              QZELKPushButton* pBtnIncResolution, QZELKPushButton* pBtnClearPeak,
                              QZELKPushButton* pBtnFreeze, QZELKPushButton* pBtnRoot2, QZELKPushButton* pBtnProbe);

    void initGUI() override;
    bool isViewCompatible(int pChannelCount) override { return pChannelCount == 1; }
    // The home view keeps its channel across scan configurations.
    void detachChannels() override {}
    void setChannels(const zelk::vector<TAbstractChannel*>& pChannels, TAbstractChannel* pMeasuredChannel) override;
    void channels(zelk::vector<TAbstractChannel*>& oChannels) override;
    void changeUnit(TAbstractChannel* pChannel, Electrical_temperature_units::EnUnit pUnit) override;
    void probeAssignedToChannelNotification(TAbstractProbe* pProbe, TAbstractChannel* pChannel) override;

protected:
    void channelSwitched(TAbstractChannel* pNewChannel) override;
    void channelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel) override;
    void onProbeDataChanged(TAbstractProbe* pProbe) override;
    void setProbeName(QZELKPushButton* pButton, const QString& pProbeName) override;

private slots:
    void valuesChanged(TAbstractChannel* pChannel);
    void noValuesAvailable(TAbstractChannel* pChannel);
    void decreaseResolution();
    void increaseResolution();
    void clearPeakValues();
    void toggleFreeze();
    void onToggleRoot2();
    void selectUnit();
    void selectMeasuredChannel();
    void onProbeBtnPressed();

private:
    void setChannel(TAbstractChannel* pChannel);
    void valuesChanged(TAbstractChannel* pChannel, bool pOverrideFreeze);
    void showNoValue();

    std::map<short, short> mMainValFontSizes;
    TChannelViewPosition mPosition;
    QLabel* mPeakValMin;
    QLabel* mPeakValMax;
    QZELKPushButton* mBtnDecResolution;
    QZELKPushButton* mBtnIncResolution;
    QZELKPushButton* mBtnClearPeak;
    QString mStylesheetInfoBar;
};

// The scan view of two channels, one above the other, with their difference
// (top minus bottom). The measured place is bright in its colours, the other dimmed.
class TTwoChannelViewController : public TAbstractChannelViewController
{
    Q_OBJECT

public:
    TTwoChannelViewController(
        TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
        TProbeController* pProbeController, TAverageValueSettingController* pAvgValController,
        TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar,
        const QString& pStylesheetInfoBar_ChannelTop, const QString& pStylesheetInfoBar_ChannelBottom,
        const QString& pStylesheetChannelDependingPanels_ChannelTop,
        const QString& pStylesheetChannelDependingPanels_ChannelBottom, QLabel* pLblInfoBarLeft,
        QLabel* pLblInfoBarCenter, QLabel* pLblInfoBarRight, QLabel* pMainValueLabel_ChannelTop,
        QLabel* pMainValueLabel_ChannelBottom, QLabel* pCorrespondingValueLabel_ChannelTop,
        QLabel* pCorrespondingValueLabel_ChannelBottom, QLabel* pCorrespondingCaptionLabel_ChannelTop,
        QLabel* pCorrespondingCaptionLabel_ChannelBottom, QLabel* pPeakValMin, QLabel* pPeakValMax,
        QLabel* pLblDiffCaption, QLabel* pLblDiffValue, QLabel* pLblWarningIcon_ChannelTop,
        QLabel* pLblWarningIcon_ChannelBottom, QLabel* pLblSmartProbeIndicator_ChannelTop,
        QLabel* pLblSmartProbeIndicator_ChannelBottom, QZELKPushButton* pBtnChannel_ChannelTop,
        QZELKPushButton* pBtnChannel_ChannelBottom, QZELKPushButton* pBtnUnit_ChannelTop,
        QZELKPushButton* pBtnUnit_ChannelBottom, QZELKPushButton* pBtnDecResolution, QZELKPushButton* pBtnIncResolution,
        QZELKPushButton* pBtnClearPeak, QZELKPushButton* pBtnFreeze_ChannelTop,
        QZELKPushButton* pBtnFreeze_ChannelBottom, QZELKPushButton* pBtnRoot2_ChannelTop,
        QZELKPushButton* pBtnRoot2_ChannelBottom, QZELKPushButton* pBtnProbe_ChannelTop,
        QZELKPushButton* pBtnProbe_ChannelBottom, QZELKPushButton* pBtnDiffUnit, QWidget* pWgtChannelTop,
        QWidget* pWgtChannelBottom, const zelk::vector<QZELKGreyPanel*>& pChannelDependingPanels);

    void initGUI() override;
    bool isViewCompatible(int pChannelCount) override { return pChannelCount == 2; }
    void detachChannels() override;
    void setChannels(const zelk::vector<TAbstractChannel*>& pChannels, TAbstractChannel* pMeasuredChannel) override;
    void channels(zelk::vector<TAbstractChannel*>& oChannels) override;
    void changeUnit(TAbstractChannel* pChannel, Electrical_temperature_units::EnUnit pUnit) override;
    void probeAssignedToChannelNotification(TAbstractProbe* pProbe, TAbstractChannel* pChannel) override;

    Electrical_temperature_units::EnUnit differenceUnit() const { return mDifferenceUnit; }

protected:
    void channelSwitched(TAbstractChannel* pNewChannel) override;
    void channelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel) override;
    void onProbeDataChanged(TAbstractProbe* pProbe) override;
    void setProbeName(QZELKPushButton* pButton, const QString& pProbeName) override;
    void retranslateOwnTexts() override;

private slots:
    void valuesChanged(TAbstractChannel* pChannel);
    void noValuesAvailable(TAbstractChannel* pChannel);
    void decreaseResolution();
    void increaseResolution();
    void clearPeakValues();
    void toggleFreeze_ChannelTop() { toggleFreezeAt(mTop); }
    void toggleFreeze_ChannelBottom() { toggleFreezeAt(mBottom); }
    void toggleRoot2_ChannelTop() { toggleRoot2At(mTop, positions()); }
    void toggleRoot2_ChannelBottom() { toggleRoot2At(mBottom, positions()); }
    void selectUnit_ChannelTop() { selectUnitAt(mTop); }
    void selectUnit_ChannelBottom() { selectUnitAt(mBottom); }
    void selectChannel_ChannelTop() { selectChannelAt(mTop); }
    void selectChannel_ChannelBottom() { selectChannelAt(mBottom); }
    void onProbeBtnPressed_ChannelTop() { pressProbeAt(mTop); }
    void onProbeBtnPressed_ChannelBottom() { pressProbeAt(mBottom); }
    void selectDiffUnit();

private:
    void valuesChanged(TAbstractChannel* pChannel, bool pOverrideFreeze, bool pForcePeakRefresh);
    void setChannel_Top(TAbstractChannel* pChannel);
    void setChannel_Bottom(TAbstractChannel* pChannel);
    void setChannelColors(TAbstractChannel* pMeasured);
    void refreshDifference();
    void composeDifferenceCaption();
    TPositions positions() { return {&mTop, &mBottom}; }

    TChannelViewPosition mTop;
    TChannelViewPosition mBottom;
    Electrical_temperature_units::EnUnit mDifferenceUnit = Electrical_temperature_units::uCelsius;
    std::map<short, short> mMainValFontSizes;
    QLabel* mPeakValMin;
    QLabel* mPeakValMax;
    QLabel* mLblDiffCaption;
    QLabel* mLblDiffValue;
    QZELKPushButton* mBtnDecResolution;
    QZELKPushButton* mBtnIncResolution;
    QZELKPushButton* mBtnClearPeak;
    QZELKPushButton* mBtnDiffUnit;
    zelk::vector<QZELKGreyPanel*> mChannelDependingPanels;
};

// The scan views whose places each show one channel with its main value and
// buttons and nothing shared between places (no peaks, difference or
// resolution): the three- and four-channel views. A shorter channel list than
// places changes nothing; further channels are left out.
class TChannelGridViewController : public TAbstractChannelViewController
{
    Q_OBJECT

public:
    void initGUI() override;
    void detachChannels() override { detachPositions(mPlaces); }
    void setChannels(const zelk::vector<TAbstractChannel*>& pChannels, TAbstractChannel* pMeasuredChannel) override;
    void channels(zelk::vector<TAbstractChannel*>& oChannels) override { appendChannels(mPlaces, oChannels); }
    // Redraws the channel's place even while it is frozen.
    void changeUnit(TAbstractChannel* pChannel, Electrical_temperature_units::EnUnit pUnit) override;
    // Also for the physical channel behind a shown derived channel.
    void probeAssignedToChannelNotification(TAbstractProbe* pProbe, TAbstractChannel* pChannel) override;

protected:
    // The places belong to the derived view and are handed over by its constructor, first place first.
    TChannelGridViewController(TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
                               TProbeController* pProbeController, TAverageValueSettingController* pAvgValController,
                               TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar,
                               QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter, QLabel* pLblInfoBarRight,
                               std::map<short, short> pMainValFontSizes);
    // All places start dimmed.
    void setPlaces(const TPositions& pPlaces);
    const TPositions& places() const { return mPlaces; }

    void channelSwitched(TAbstractChannel* pNewChannel) override;
    void channelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel) override;
    void onProbeDataChanged(TAbstractProbe* pProbe) override { showProbeNameAtFirst(mPlaces, pProbe); }
    void setProbeName(QZELKPushButton* pButton, const QString& pProbeName) override
    {
        fitProbeName(pButton, pProbeName);
    }

private slots:
    void valuesChanged(TAbstractChannel* pChannel);
    void noValuesAvailable(TAbstractChannel* pChannel);

private:
    void valuesChanged(TAbstractChannel* pChannel, bool pOverrideFreeze);
    void setChannel(TChannelViewPosition& pPosition, TAbstractChannel* pChannel);
    void setChannelColors(TAbstractChannel* pMeasured);

    TPositions mPlaces;
    std::map<short, short> mMainValFontSizes;
};

// The scan view of three channels, one above the other: top, middle and
// bottom, each with its value block and buttons. The measured place is bright
// and gives the information bar its colour.
class TThreeChannelViewController : public TChannelGridViewController
{
    Q_OBJECT

public:
    TThreeChannelViewController(
        TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
        TProbeController* pProbeController, TAverageValueSettingController* pAvgValController,
        TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar,
        const QString& pStylesheetInfoBar_ChannelTop, const QString& pStylesheetInfoBar_ChannelMiddle,
        const QString& pStylesheetInfoBar_ChannelBottom, QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter,
        QLabel* pLblInfoBarRight, QLabel* pMainValueLabel_ChannelTop, QLabel* pMainValueLabel_ChannelMiddle,
        QLabel* pMainValueLabel_ChannelBottom, QLabel* pCorrespondingValueLabel_ChannelTop,
        QLabel* pCorrespondingValueLabel_ChannelMiddle, QLabel* pCorrespondingValueLabel_ChannelBottom,
        QLabel* pCorrespondingCaptionLabel_ChannelTop, QLabel* pCorrespondingCaptionLabel_ChannelMiddle,
        QLabel* pCorrespondingCaptionLabel_ChannelBottom, QLabel* pLblWarningIcon_ChannelTop,
        QLabel* pLblWarningIcon_ChannelMiddle, QLabel* pLblWarningIcon_ChannelBottom,
        QLabel* pLblSmartProbeIndicator_ChannelTop, QLabel* pLblSmartProbeIndicator_ChannelMiddle,
        QLabel* pLblSmartProbeIndicator_ChannelBottom, QZELKPushButton* pBtnChannel_ChannelTop,
        QZELKPushButton* pBtnChannel_ChannelMiddle, QZELKPushButton* pBtnChannel_ChannelBottom,
        QZELKPushButton* pBtnUnit_ChannelTop, QZELKPushButton* pBtnUnit_ChannelMiddle,
        QZELKPushButton* pBtnUnit_ChannelBottom, QZELKPushButton* pBtnFreeze_ChannelTop,
        QZELKPushButton* pBtnFreeze_ChannelMiddle, QZELKPushButton* pBtnFreeze_ChannelBottom,
        QZELKPushButton* pBtnRoot2_ChannelTop, QZELKPushButton* pBtnRoot2_ChannelMiddle,
        QZELKPushButton* pBtnRoot2_ChannelBottom, QZELKPushButton* pBtnProbe_ChannelTop,
        QZELKPushButton* pBtnProbe_ChannelMiddle, QZELKPushButton* pBtnProbe_ChannelBottom, QWidget* pWgtChannelTop,
        QWidget* pWgtChannelMiddle, QWidget* pWgtChannelBottom);

    bool isViewCompatible(int pChannelCount) override { return pChannelCount == 3; }

private slots:
    void toggleFreeze_ChannelTop() { toggleFreezeAt(mTop); }
    void toggleFreeze_ChannelMiddle() { toggleFreezeAt(mMiddle); }
    void toggleFreeze_ChannelBottom() { toggleFreezeAt(mBottom); }
    void selectUnit_ChannelTop() { selectUnitAt(mTop); }
    void selectUnit_ChannelMiddle() { selectUnitAt(mMiddle); }
    void selectUnit_ChannelBottom() { selectUnitAt(mBottom); }
    void selectChannel_ChannelTop() { selectChannelAt(mTop); }
    void selectChannel_ChannelMiddle() { selectChannelAt(mMiddle); }
    void selectChannel_ChannelBottom() { selectChannelAt(mBottom); }
    void onProbeBtnPressed_ChannelTop() { pressProbeAt(mTop); }
    void onProbeBtnPressed_ChannelMiddle() { pressProbeAt(mMiddle); }
    void onProbeBtnPressed_ChannelBottom() { pressProbeAt(mBottom); }
    void toggleRoot2_ChannelTop() { toggleRoot2At(mTop, places()); }
    void toggleRoot2_ChannelMiddle() { toggleRoot2At(mMiddle, places()); }
    void toggleRoot2_ChannelBottom() { toggleRoot2At(mBottom, places()); }

private:
    TChannelViewPosition mTop;
    TChannelViewPosition mMiddle;
    TChannelViewPosition mBottom;
};

// The scan view of four channels in two rows of two: top left, top right,
// bottom left, bottom right, each with its main value and buttons only.
class TFourChannelViewController : public TChannelGridViewController
{
    Q_OBJECT

public:
    TFourChannelViewController(
        TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
        TProbeController* pProbeController, TAverageValueSettingController* pAvgValController,
        TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar,
        const QString& pStylesheetInfoBar_ChannelTopLeft, const QString& pStylesheetInfoBar_ChannelTopRight,
        const QString& pStylesheetInfoBar_ChannelBottomLeft, const QString& pStylesheetInfoBar_ChannelBottomRight,
        QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter, QLabel* pLblInfoBarRight,
        QLabel* pMainValueLabel_ChannelTopLeft, QLabel* pMainValueLabel_ChannelTopRight,
        QLabel* pMainValueLabel_ChannelBottomLeft, QLabel* pMainValueLabel_ChannelBottomRight,
        QLabel* pLblWarningIcon_ChannelTopLeft, QLabel* pLblWarningIcon_ChannelTopRight,
        QLabel* pLblWarningIcon_ChannelBottomLeft, QLabel* pLblWarningIcon_ChannelBottomRight,
        QLabel* pLblSmartProbeIndicator_ChannelTopLeft, QLabel* pLblSmartProbeIndicator_ChannelTopRight,
        QLabel* pLblSmartProbeIndicator_ChannelBottomLeft, QLabel* pLblSmartProbeIndicator_ChannelBottomRight,
        QZELKPushButton* pBtnChannel_ChannelTopLeft, QZELKPushButton* pBtnChannel_ChannelTopRight,
        QZELKPushButton* pBtnChannel_ChannelBottomLeft, QZELKPushButton* pBtnChannel_ChannelBottomRight,
        QZELKPushButton* pBtnUnit_ChannelTopLeft, QZELKPushButton* pBtnUnit_ChannelTopRight,
        QZELKPushButton* pBtnUnit_ChannelBottomLeft, QZELKPushButton* pBtnUnit_ChannelBottomRight,
        QZELKPushButton* pBtnFreeze_ChannelTopLeft, QZELKPushButton* pBtnFreeze_ChannelTopRight,
        QZELKPushButton* pBtnFreeze_ChannelBottomLeft, QZELKPushButton* pBtnFreeze_ChannelBottomRight,
        QZELKPushButton* pBtnRoot2_ChannelTopLeft, QZELKPushButton* pBtnRoot2_ChannelTopRight,
        QZELKPushButton* pBtnRoot2_ChannelBottomLeft, QZELKPushButton* pBtnRoot2_ChannelBottomRight,
        QZELKPushButton* pBtnProbe_ChannelTopLeft, QZELKPushButton* pBtnProbe_ChannelTopRight,
        QZELKPushButton* pBtnProbe_ChannelBottomLeft, QZELKPushButton* pBtnProbe_ChannelBottomRight,
        QWidget* pWgtChannelTopLeft, QWidget* pWgtChannelTopRight, QWidget* pWgtChannelBottomLeft,
        QWidget* pWgtChannelBottomRight);

    bool isViewCompatible(int pChannelCount) override { return pChannelCount == 4; }

private slots:
    void toggleFreeze_ChannelTopLeft() { toggleFreezeAt(mTopLeft); }
    void toggleFreeze_ChannelTopRight() { toggleFreezeAt(mTopRight); }
    void toggleFreeze_ChannelBottomLeft() { toggleFreezeAt(mBottomLeft); }
    void toggleFreeze_ChannelBottomRight() { toggleFreezeAt(mBottomRight); }
    void selectUnit_ChannelTopLeft() { selectUnitAt(mTopLeft); }
    void selectUnit_ChannelTopRight() { selectUnitAt(mTopRight); }
    void selectUnit_ChannelBottomLeft() { selectUnitAt(mBottomLeft); }
    void selectUnit_ChannelBottomRight() { selectUnitAt(mBottomRight); }
    void selectChannel_ChannelTopLeft() { selectChannelAt(mTopLeft); }
    void selectChannel_ChannelTopRight() { selectChannelAt(mTopRight); }
    void selectChannel_ChannelBottomLeft() { selectChannelAt(mBottomLeft); }
    void selectChannel_ChannelBottomRight() { selectChannelAt(mBottomRight); }
    void onProbeBtnPressed_TopLeft() { pressProbeAt(mTopLeft); }
    void onProbeBtnPressed_TopRight() { pressProbeAt(mTopRight); }
    void onProbeBtnPressed_BottomLeft() { pressProbeAt(mBottomLeft); }
    void onProbeBtnPressed_BottomRight() { pressProbeAt(mBottomRight); }
    void toggleRoot2_ChannelTopLeft() { toggleRoot2At(mTopLeft, places()); }
    void toggleRoot2_ChannelTopRight() { toggleRoot2At(mTopRight, places()); }
    void toggleRoot2_ChannelBottomLeft() { toggleRoot2At(mBottomLeft, places()); }
    void toggleRoot2_ChannelBottomRight() { toggleRoot2At(mBottomRight, places()); }

private:
    TChannelViewPosition mTopLeft;
    TChannelViewPosition mTopRight;
    TChannelViewPosition mBottomLeft;
    TChannelViewPosition mBottomRight;
};
