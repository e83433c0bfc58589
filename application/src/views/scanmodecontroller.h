#pragma once

#include "channelcontrollerlistener.h"
#include "submenuconfirmationreceiver.h"
#include "zelkvector.h"

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <map>
#include <memory>

class ISubMenuController;
class QLabel;
class QSpacerItem;
class QWidget;
class QZELKContainerCheckButton;
class QZELKDialogButton;
class TAbstractChannel;
class TAbstractSwitchBox;
class TChannelController;
class TClickableWidgetController;
class TPhysicalChannel;

// The view the main window shows for a running scan: the channel view of the
// scanned channels, the same with the calibration information bar, or the graph.
enum class EnScanView : quint8 { svScan = 1, svCalibration = 2, svGraph = 3 };

// Scan mode: measures a list of channels one after the other, moving on each
// time the hold time has passed, counted in the channel controller's polls.
// Also drives the scan menu and its setup pages. The main window creates the
// one instance and owns it.
class TScanModeController : public QObject, public ISubMenuConfirmationReceiver, public IChannelControllerListener
{
    Q_OBJECT

public:
    // Hold times the user may enter, in seconds.
    static constexpr int DEFAULT_INTERVAL = 7;
    static constexpr int MIN_INTERVAL = 3;
    static constexpr int MAX_INTERVAL = 600;
    // No channel is held for less; the board needs the time to settle on a new channel.
    static constexpr int MIN_INTERVAL_MILLISECONDS = 3500;

    // The widgets are those of the scan menu and its setup pages. Reads the
    // stored scan list, hold time and view; the scan itself is stopped.
    TScanModeController(ISubMenuController* pSubMenuController, TChannelController* pChannelController,
                        std::unique_ptr<TClickableWidgetController> pScanMenuWidgetController,
                        QWidget* pPageChanConf_ZTM8800, QWidget* pPageChanConf_SwitchBoxes, QWidget* pPageScanView,
                        QWidget* pBtnZTM8800, QWidget* pBtnScannerBox1, QWidget* pBtnScannerBox2,
                        QWidget* pBtnScannerBox3, QWidget* pBtnScannerBox4, QWidget* pBtnSelectPRT1,
                        QWidget* pBtnSelectPRT2, QWidget* pBtnSelectTC1, QWidget* pBtnSelectTC2, QWidget* pBtnHoldTime,
                        QLabel* pLblHoldTime, QLabel* pLblView, QWidget* pBtnView, QWidget* pBtnView_Scan,
                        QWidget* pBtnView_Calibration, QWidget* pBtnView_Graph, QLabel* pLblChannels_ZTM8800,
                        QLabel* pLblChannels_Module1, QLabel* pLblChannels_Module2, QLabel* pLblChannels_Module3,
                        QLabel* pLblChannels_Module4, QLabel* pLblSelectSwitchBoxChannelsCaption,
                        QZELKDialogButton* pBtnSelectAllSwitchBoxChannels,
                        QZELKDialogButton* pBtnDeselectAllSwitchBoxChannels,
                        QWidget* pSwitchBoxChannelSelectButtonParent);
    // Neither stops a scan nor writes settings.
    ~TScanModeController() override;

    // A running scan starts the hold time of its active channel afresh.
    void setChannelSwitchInterval(int pSeconds);
    // Takes the list sorted by channel number; a running scan starts again at
    // its first channel, or stops when fewer than two channels remain. Not stored.
    void setChannelConfiguration(const zelk::vector<TAbstractChannel*>& pScannedChannels);
    // Null for an empty list.
    TAbstractChannel* activeChannel() const;
    const zelk::vector<TAbstractChannel*>& scannedChannels() const { return mScannedChannels; }

    // True when a scan runs afterwards; false, with nothing announced, for
    // fewer than two channels.
    bool startScanMode();
    // Announces the stop also when no scan ran; pNextChannel (may be null)
    // becomes the measured channel.
    void stopScanMode(TAbstractChannel* pNextChannel);
    // Around a caller that measures channels itself: the scan goes on with the
    // channel it was paused at, measured again and held for a full hold time.
    void pauseScanMode();
    void resumeScanMode();
    // Puts pNewChannel in pOldChannel's place (unsorted) and stores the list;
    // nothing happens when pOldChannel is not scanned.
    void replaceChannel(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel);
    void broadcastConfiguration();

    bool isScanModeActive() const { return mScanModeActive; }
    bool isScanModePaused() const { return mScanModeActive && mScanModePaused; }
    // The first scanned channel whose probe in use is a reference probe; null when none is.
    TPhysicalChannel* referenceChannel() const;
    EnScanView scanView() const { return mView; }
    // Stops the scan with pChannelToMeasure and stores an empty list, 7 s and the Scan view.
    void factoryReset(TAbstractChannel* pChannelToMeasure);
    // The hold time and the selected view in the new language.
    void retranslate();

    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    // Saves the open channel page into the scan list; false, with a message,
    // when that would leave a running scan with fewer than two channels.
    bool storeClicked() override;

    // Counts a poll of the channel controller; the poll that completes the hold time switches the channel.
    void afterMeasBoardPolled(int pIntervalMilliseconds) override;

signals:
    void channelConfigurationChanged(const zelk::vector<TAbstractChannel*>& pChannels,
                                     TAbstractChannel* pActiveChannel);
    void channelSwitched(TAbstractChannel* pChannel);
    void channelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel);
    void scanModeStarted();
    void scanModeStopped();
    void scanViewChangedDuringRuntime(const TScanModeController& pScanModeController);
    void widget_activated(short pGroup, QWidget* pPrevious, QWidget* pCurrent);

public slots:
    void scanMenuButtonClick(QWidget* pButton);
    void onScanViewSelectionButtonClick(QWidget* pButton);
    void onSwitchBoxChannels_SelectAll();
    void onSwitchBoxChannels_DeselectAll();

private:
    // The channel controller's tests run the channel selection with a scan running.
    friend class tst_ChannelController;

    using TChannelList = zelk::vector<TAbstractChannel*>;

    void readSettings();
    bool isScanPossible() const;
    void setRecordingGraphValues(bool pRecording);
    void measureActiveChannel();

    void enterHoldTime(const QString& pCaption);
    void showOwnChannelPage(const QString& pCaption);
    void setSwitchBoxSelectionButtons(TAbstractSwitchBox* pSwitchBox);
    QSpacerItem* clearSwitchBoxChannelSelectButtons();
    void switchBoxChannelsSetAllSelected(bool pSelected);
    void applyOwnChannelSelection(TChannelList& ioChannels) const;
    void applySwitchBoxSelection(TAbstractSwitchBox* pSwitchBox, TChannelList& ioChannels) const;
    void updateGUI_SelectedChannels();
    void updateGUI_HoldTime();
    void updateGUI_View();
    // The index of a menu button among those of the fitted switch boxes; -1 for any other widget.
    int switchBoxIndexOfMenuButton(const QWidget* pButton) const;
    static int truncateSwitchBoxNumber(const QString& pChannelCaption);

    void persistScanConfiguration(const TChannelList& pChannels);
    void storeHoldTime(int pSeconds);
    void storeView();

    const QString mSectionName = QStringLiteral("scan");
    const QString mSettings_channels = QStringLiteral("channels");
    const QString mSettings_holdtime = QStringLiteral("hold_time");
    const QString mSettings_view = QStringLiteral("view");
    ISubMenuController* mSubMenuController;
    TChannelController* mChannelController;
    std::unique_ptr<TClickableWidgetController> mScanMenuWidgetController;
    std::unique_ptr<TClickableWidgetController> mZTM8800_WidgetController;
    std::unique_ptr<TClickableWidgetController> mViewSelect_WidgetController;
    TChannelList mScannedChannels;
    // Into mScannedChannels, or its end when there is no active channel; set
    // again after every change of the list.
    TChannelList::iterator mActiveChannel;
    bool mScanModeActive = false;
    bool mScanModePaused = false;
    EnScanView mView = EnScanView::svScan;
    int mIntervalMilliseconds = 0;
    int mMultiplyCounter = 0;
    std::map<TPhysicalChannel*, QWidget*> mZTM8800_SelectWidgetsByChannel;
    std::map<QWidget*, TPhysicalChannel*> mZTM8800_ChannelsBySelectWidget;
    std::map<QZELKContainerCheckButton*, int> mSwitchBox_ChannelNumberBySelectWidget;
    QWidget* mPageChanConf_ZTM8800;
    QWidget* mPageChanConf_SwitchBoxes;
    QWidget* mPageScanView;
    QWidget* mBtnZTM8800;
    QWidget* mBtnScannerBox1;
    QWidget* mBtnScannerBox2;
    QWidget* mBtnScannerBox3;
    QWidget* mBtnScannerBox4;
    QWidget* mBtnHoldTime;
    QLabel* mLblHoldTime;
    QLabel* mLblView;
    QWidget* mBtnView;
    QWidget* mBtnView_Scan;
    QWidget* mBtnView_Calibration;
    QWidget* mBtnView_Graph;
    QLabel* mLblChannels_ZTM8800;
    QLabel* mLblChannels_Module1;
    QLabel* mLblChannels_Module2;
    QLabel* mLblChannels_Module3;
    QLabel* mLblChannels_Module4;
    QLabel* mLblSelectSwitchBoxChannelsCaption;
    QWidget* mSwitchBoxChannelSelectButtonParent;
};
