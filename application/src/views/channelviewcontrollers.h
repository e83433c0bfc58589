#pragma once

#include "channelselectionreceiver.h"
#include "electrical_temperature_units.h"
#include "probeassignmentlistener.h"
#include "unitselectionreceiver.h"
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
    void clearInfoBarCenterAndRight();
    void clearInfoBarCenterAndRight(QLabel* pLblCenter, QLabel* pLblRight);
    void setInfoBarCenterAndRight(TAbstractChannel* pChannel);
    void setInfoBarCenterAndRight(TAbstractChannel* pChannel, QLabel* pLblCenter, QLabel* pLblRight);
    static TAbstractProbe* probeFromChannel(TAbstractChannel* pChannel);
    void toggleRoot2(TPRTProbe* pProbe, std::map<TAbstractChannel*, QZELKPushButton*>& pDisplayedChannels);
    void updateProbeButton(const TChannelProbeStatus& pProbeStatus, QZELKPushButton* pProbeButton,
                           QLabel* pLblSmartProbeIndicator);
    void displayChannelValue(TAbstractChannel* pChannel, QLabel* pLblMainValue, QLabel* pLblCorrespondingValue,
                             QLabel* pLblCorrespondingValueCaption, QLabel* pLblPeakMin, QLabel* pLblPeakMax,
                             QLabel* pTemperatureWarningIcon, QLabel* pLblSmartProbeIndicator,
                             QZELKPushButton* pProbeButton, const std::map<short, short>& pMainValFontSizes,
                             bool pOverrideFreeze, bool pForcePeakRefresh);
    void selectChannel(TAbstractChannel* pCurrentChannel);
    void selectUnitForChannel(TAbstractChannel* pChannel);
    void startProbeEditTimer(TAbstractChannel* pRecevingChannel);
    // The probe's name fitted into the button, 18 px down to 14 px, cut with "..." beyond.
    static void fitProbeName(QZELKPushButton* pButton, const QString& pProbeName);

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
    void setPositionColors(zelk::vector<TChannelViewPosition*>& pPositions, TAbstractChannel* pMeasured,
                           const zelk::vector<QZELKGreyPanel*>& pChannelDependingPanels);
    void toggleFreezeAt(TChannelViewPosition& pPosition);
    void selectUnitAt(TChannelViewPosition& pPosition);
    void selectChannelAt(TChannelViewPosition& pPosition);
    void pressProbeAt(TChannelViewPosition& pPosition);
    void toggleRoot2At(TChannelViewPosition& pPosition, const zelk::vector<TChannelViewPosition*>& pPositions);
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
    zelk::vector<TChannelViewPosition*> positions() { return {&mTop, &mBottom}; }
    TChannelViewPosition* positionOf(TAbstractChannel* pChannel);

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
