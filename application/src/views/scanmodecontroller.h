#pragma once

#include "channelcontrollerlistener.h"
#include "submenuconfirmationreceiver.h"

#include <QObject>
#include <QString>

#include <memory>

class ISubMenuController;
class QLabel;
class QWidget;
class QZELKDialogButton;
class TChannelController;
class TClickableWidgetController;

// Scan mode: measures a list of channels one after the other, moving on each
// time the hold time has passed, counted in the channel controller's polls.
// Also drives the scan menu and its setup pages. The main window creates the
// one instance and owns it.
class TScanModeController : public QObject, public ISubMenuConfirmationReceiver, public IChannelControllerListener
{
    Q_OBJECT

public:
    // The widgets are those of the scan menu and its setup pages.
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
    ~TScanModeController() override;

    // Whether a scan runs (started and not stopped).
    bool isScanModeActive() const { return mScanModeActive; }

    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    bool storeClicked() override;

private:
    // The channel controller's tests run the channel selection with a scan running.
    friend class tst_ChannelController;

    const QString mSectionName = QStringLiteral("scan");
    const QString mSettings_channels = QStringLiteral("channels");
    const QString mSettings_holdtime = QStringLiteral("hold_time");
    const QString mSettings_view = QStringLiteral("view");
    ISubMenuController* mSubMenuController;
    TChannelController* mChannelController;
    std::unique_ptr<TClickableWidgetController> mScanMenuWidgetController;
    bool mScanModeActive = false;
    bool mScanModePaused = false;
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
