#pragma once

#include "calitemid.h"
#include "instrumenttype.h"
#include "menucontextcallbackinterface.h"
#include "submenucontroller.h"
#include "tamarindmainform_ui.h"

#include "zelkvector.h"

#include <QDate>
#include <QString>
#include <QWidget>

#include <map>
#include <memory>

enum EnFirmwareUpdateResult : int;
class QLabel;
class QTimer;
class QZELKAppButton;
class TAbstractChannel;
class TAverageValueSettingController;
class TAbstractEthernetConfigurationController;
class TEthernetCommunicationInterface;
class TExternalCommunicationHandler;
class TIEEEConfigurationController;
class TRS232ConfigurationController;
class TRemoteSettingsController;
class TSerialCommunicationInterface;
class TBrightnessController;
class TBrightnessWidget;
class TAbstractSwitchBox;
class TBuzzerGUIController;
class TCalibrationRoutinesGUIController;
class TChannelController;
class TChannelViewControllerManager;
class TClickableWidgetController;
class TCustomLogoGUIController;
class TGraphViewController;
class TIntCommController;
class TLogfileController;
class TInternalSCPIHandler;
class TProbeController;
class TDownloadController;
class TScanModeController;
class TSmartProbePRT;
class TStandardProbeSettingController;
class TUnitSelectionProvider;
class TCJCCalibrationItem;
class TTwoPointCalibrationItem;

// The one window of the program and the root of its composition: it builds
// every controller of the system in a fixed order, hands each its
// collaborators and widgets, owns them until it is destroyed and releases them
// in an order that leaves no controller pointing at a released one. It is the
// menu column that every screen opens its page in, and the filter of every
// input event of the application. Built once by main.
//
// A controller of a subsystem that is not part of the program yet has no
// member here; it takes its place in the construction order, the wiring and
// the teardown when it is built.
class TTamarindMainForm : public QWidget, public ISubMenuController, public IMenuContextCallbackInterface
{
    Q_OBJECT

public:
    // Read interval of the channel controller and base interval of the logger, in ms.
    static constexpr int CHANNEL_READ_INTERVAL = 500;

    // Widget groups of the standard probe settings page.
    static constexpr short WIDGETGROUP_INDEX_CONV_PRT = 0;
    static constexpr short WIDGETGROUP_INDEX_WIRING = 1;
    static constexpr short WIDGETGROUP_INDEX_INT_RES_PRT = 2;
    static constexpr short WIDGETGROUP_INDEX_CONV_THERM = 3;
    static constexpr short WIDGETGROUP_INDEX_INT_RES_THERM = 4;
    static constexpr short WIDGETGROUP_INDEX_CONV_TC = 5;
    static constexpr short WIDGETGROUP_INDEX_REF_JUNC = 6;

    // Widget groups of the SMART probe edit page, one per field.
    static constexpr short SPRT_EDIT_WIDGET_GROUP_PROBENAME = 1;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_LOCKED = 2;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_REFERENCE = 3;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_INT_RESISTOR = 4;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_RMIN = 5;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_RMAX = 6;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_CAL_DATE = 7;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_CAL_DATE_NEXT = 8;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_CVD_R0 = 9;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_CVD_A = 10;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_CVD_B = 11;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_CVD_C = 12;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_ITS90_R001 = 13;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_ITS90_A = 14;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_ITS90_B = 15;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_ITS90_AP = 16;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_ITS90_BP = 17;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_ITS90_CP = 18;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_ITS90_DP = 19;
    static constexpr short SPRT_EDIT_WIDGET_GROUP_CAL_SOURCE = 20;

    // Builds the whole system; returns with channel reading switched on.
    explicit TTamarindMainForm(QWidget* pParent = nullptr);
    ~TTamarindMainForm() override;

    // The start logo behind the windows: the instrument's own, or the custom one the boot loader was told to show.
    static void useStartLogoAsBackground();
    // Shown as on the device: full screen, and the filter of every event of the application.
    void showAsTheProgram();

    void setSubMenuCaption(const QString& pCaption) override;
    void restoreSubMenuCaption() override;
    void setMainMenuCaption() override;
    void showSubMenu(const QString& pSubMenuCaption, QWidget* pSubMenuWidget,
                     ISubMenuConfirmationReceiver* pConfirmationReceiver, EnSubMenuType pSubMenuType) override;
    void cancelSubMenu(ISubMenuConfirmationReceiver* pConfirmationReceiver) override;

    void beforeShowConnectedView(QZELKAppButton* pButton, bool& handled) override;
    void beforeDefaultContextHandling(QZELKAppButton* pButton, bool& pAbort) override;

    // Installed on the application by main: sees every event before its widget.
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

    // A new row registry whose row changes get the standard row looks; the
    // caller adds the rows and keeps it or hands it on.
    std::unique_ptr<TClickableWidgetController> createDefaultClickableWidgetController(QLabel* pIndicationLabel);

    // Asks first; the settings owners restore their defaults in a fixed order
    // and the board its factory calibration.
    void factoryReset();
    // The home view in the main area and the main menu's home context.
    void returnToHomeView();
    // The channel view of the running scan, or the graph when that is the scan view.
    void activateAndShowScanView();
    // Fills the information page from the instrument, its board and switch boxes.
    void updateInfoScreen();
    // Shows the stick button while a stick is plugged in and leaves the
    // download page when it is gone.
    void checkUSB();

    // The SMART probe programming of the service list. Entering asks to leave
    // a running scan and reads the measured channel's SMART probe anew: false
    // when none is there (the user was told) or the user stays in the scan.
    bool enterSmartProbeProgrammingMode();
    void displaySmartProbeForEdit(TSmartProbePRT* pProbe);
    // Writes the page into the probe's memory; false when a field was missing
    // or a write was refused (the user was told, the page shows what the probe
    // holds now, or the main menu when the probe has gone). Channel reading is
    // on again on every way out.
    bool storeSmartProbe();

    // The firmware update page: the message of a failed search or update,
    // nothing for furFirmwareFound.
    void showFirmwareUpdateError(const EnFirmwareUpdateResult& pResult);
    void refreshFirmwareUpdateNewVersionDisplay(bool pShowErrors);

    // Instrument calibration: the items the board answers for, their list rows and the two edit screens.
    // Rebuilds both item lists and the rows from the board; clears both selections.
    void loadCalibrationData();
    // False when scan mode runs and the user would rather keep it.
    bool enterInstrumentCalibration();
    void displaySelectedTwoPointCalItem();
    // False, with a message, when the points are incomplete or the board does not take the data.
    bool storeSelectedTwoPointCalItem();
    void resetSelectedTwoPointCalItem();
    void displayCJCOffsetCalibrationItem();
    bool storeCJCOffsetCalibrationItem();
    void resetCJCOffsetCalibrationItem();
    void updateRecalCycleView();

protected:
    void changeEvent(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

public slots:
    void on_BtnReturnToMainMenu_clicked();
    void on_BtnCancel_clicked();
    void on_BtnSave_clicked();
    void on_stackedWidgetMenu_currentChanged(int pIndex);

    void on_BtnHome_beforeButtonPressed();
    void on_BtnHome_released();
    void on_BtnLogger_beforeButtonPressed();
    void on_BtnLogger_released();

    void on_BtnEnterZELKServiceLevel_clicked();
    void on_BtnLeaveZELKServiceLevel_clicked();
    void on_BtnFindFirmwareUpdate_UI_clicked();
    void on_BtnDoFirmwareUpdate_UI_clicked();
    void onSmartProbeEditBtnClicked(QWidget* pWidget);
    void on_Btn2Cal_NomLower_clicked();
    void on_Btn2Cal_NomUpper_clicked();
    void on_Btn2Cal_MeasLower_clicked();
    void on_Btn2Cal_MeasUpper_clicked();
    void on_BtnCJCCal_MeasOffset_clicked();
    void on_BtnRecalCycle_clicked();

    void on_btnProbeSel_AddProbe_clicked();
    void on_BtnProbe_Search_clicked();
    void on_BtnProbeFilterClear_clicked();
    void on_BtnDeleteProbe_clicked();
    void on_BtnScan_Start_clicked();
    void on_BtnScan_Stop_clicked();
    void on_BtnScan_ShowView_clicked();
    void on_RbGraphScale_Auto_clicked();
    void on_RbGraphScale_Custom_clicked();

    void default_widget_activated_handler(short pGroup, QWidget* pPrevious, QWidget* pCurrent);
    void settings_widget_activated(short pGroup, QWidget* pPrevious, QWidget* pCurrent);
    void settings_widget_clicked(QWidget* pWidget);
    void service_widget_clicked(QWidget* pWidget);

    void onAuthorizationLevelChanged(int pOldLevel, int pNewLevel);
    void onTwoPointCalibrationDataStored(EnCalItemID pItemID);
    void onCJCOffsetStored(const TAbstractChannel& pChannel);
    void onCalItemClicked(QWidget* pWidget);
    void onUpdateOperatingTime();
    void onBeforeChangeSystemTime();
    void onCyclicCheckTimer();
    void onUSBButtonActiveChanged(bool pActive);
    void onUSB_eject();
    void onHideMenuIcon();
    void onScanModeStarted();
    void onScanModeStopped();
    void onScanViewChangedDuringRuntime(const TScanModeController& pScanModeController);
    // The status marks of the title bar: "LOG" while the logger runs, "SCAN"
    // while scan mode runs, "REM" while a client controls the instrument.
    void updateTitleLabel_Right();
    void onLoggerStatusActiveChanged(bool pActive);
    void onRemoteModeChanged(bool pRemoteMode);
    void onMainStackedWidgetChanged(int pIndex);

    void take_screenshot();
    void onScreenshotTaken();
    void manual_logfile_entry();

private:
    // The tests dim the screen and watch the teardown through the members.
    friend class tst_MainWindowMenu;
    friend class tst_MainWindowStartup;
    // Reaches the channels to see the averaging and the scan arrive there.
    friend class tst_MainWindowScan;
    // Polls the channels to see the graph draw them.
    friend class tst_MainWindowGraph;
    // Reaches the view manager to see which view is current.
    friend class tst_MainWindowViews;
    // Sees channel reading switched on again after every store.
    friend class tst_MainWindowSmartProbe;
    // Rebuilds stored calibration results with the window's channels to
    // compare the tables on the stick.
    friend class tst_MainWindowDownload;
    // Runs a calibration routine and compares the measured channel with the
    // home view's and the logger's.
    friend class tst_MainWindowRoutinesWithLibrary;
    // Lets the benchmarks poll the channels on their own clock.
    friend class TMainWindowFixture;

    // Construction, in the order the system depends on.
    void setupLayout();
    void initTouchscreen();
    void connectClock();
    void addValueShadows();
    void initAuthorizationController();
    void buildBoardLink();
    void initUSBStick();
    void initMenuColumn();
    void readInstrumentType();
    void initScreenshots();
    void initMainMenuButtons();
    void initClock();
    void initLanguages();
    void initBrightness();
    void buildSettingsList();
    void buildLanguageRows();
    void buildBacklightOffRows();
    void buildDecimalSeparatorRows();
    void buildTimeFormatRows();
    void buildSoundRows();
    void buildDateFormatRows();
    void buildAverageValueSetting();
    void buildProbeAlarmRows();
    void buildServiceList();
    void buildSmartProbeEditRows();
    void buildChannelController();
    void buildStandardProbeSettings();
    void buildChannelViewManager();
    void buildProbeController();
    void buildScanMode();
    void buildGraphView();
    void buildLogger();
    void buildRemoteControl();
    void buildOptionBoardTransport();
    void buildRemoteSettingsPage();
    void buildChannelViews();
    // The calibration routines screen; without the calibrators' library its
    // button leaves the main menu.
    void buildCalibrationRoutines();
    void removeCalibrationRoutinesFromMainMenu();
    void buildDownloadController();
    void releaseRemoteControl();
    void fitProbeEditorToInstrumentType();
    void hideChannelViewWarnings();
    void startUSBCheck();
    void buildCalibrationItemList();
    void holdMainMenuCaptionHeights();
    void registerChannelListeners();
    void showInstrumentName();
    // The form's tool tip of the channel configuration caption, followed by the instrument name.
    void addInstrumentNameToChannelConfigurationToolTip();
    void startReading();
    void detachFromProcessServices();
    // The channel the home view shows, to which the board returns after a scan.
    TAbstractChannel* homeViewChannel() const;
    // True when no scan runs, or when the user agreed to pQuestion and the scan was stopped.
    bool leaveScanModeAsking(const QString& pQuestion);

    bool filterPress(QObject* pWatched);
    bool filterRelease(QObject* pWatched);
    void updateSwitchBoxInfo(const TAbstractSwitchBox& pSwitchBox, QLabel* pLblType, QLabel* pLblSerialNumber);
    void resetTouchscreenCalibration();
    void openSmartProbeProgramming();
    void clearCalibrationItems();
    void addCalibrationItemRow(const QString& pTitle, int pPosition, QWidget*& oRow);
    void enterNominalValue(bool pLowerPoint);
    void measureTwoPointCalItem(bool pLowerPoint);
    // Puts the backed-up correction of the selected item back on the board, dated as when it was selected, once a
    // measurement has left neutral data there; nothing otherwise.
    void restoreTwoPointCalBackup();

    // The form; ui is how the rest of the class reaches its widgets.
    Ui_TTamarindMainForm uicontainer;
    Ui_TTamarindMainForm* ui = nullptr;

    std::unique_ptr<QTimer> mScreenshotTimer;
    std::unique_ptr<QTimer> mLogfileManModeTimer;
    std::unique_ptr<QTimer> mCyclicCheckTimer;
    std::unique_ptr<QTimer> mOperatingTimeTimer;

    bool mScreenshotTaken = false;
    bool mManualLogFileEntryDone = false;
    // The finger that lit the dark screen is still down; its release does nothing either.
    bool mWakingTouchDown = false;
    // Set when the constructor has finished; a language change that arrives
    // earlier (through a dialog's event loop) leaves the rest to the constructor.
    bool mConstructionComplete = false;

    std::unique_ptr<TBrightnessController> mBrightnessController;
    TBrightnessWidget* mBrightnessWidget = nullptr;
    std::unique_ptr<TAverageValueSettingController> mAverageValueSettingController;
    std::unique_ptr<TStandardProbeSettingController> mStdProbeSettingsController;
    std::unique_ptr<TProbeController> mProbeController;
    std::unique_ptr<TCalibrationRoutinesGUIController> mCalibrationRoutinesGUIController;
    std::unique_ptr<TDownloadController> mDownloadController;
    std::unique_ptr<TChannelController> mChannelController;
    std::unique_ptr<TScanModeController> mScanModeController;
    std::unique_ptr<TLogfileController> mLogfileController;
    std::unique_ptr<TGraphViewController> mGraphViewController;
    std::unique_ptr<TChannelViewControllerManager> mChannelViewControllerManager;
    std::unique_ptr<TCustomLogoGUIController> mCustomLogoGUIController;
    std::unique_ptr<TBuzzerGUIController> mBuzzerGUIController;
    std::unique_ptr<TIntCommController> mIntCommController;
    std::unique_ptr<TInternalSCPIHandler> mInternalSCPIHandler;
    std::unique_ptr<TUnitSelectionProvider> mUnitSelectionProvider;
    std::unique_ptr<TAbstractEthernetConfigurationController> mEthernetConfController;
    std::unique_ptr<TExternalCommunicationHandler> mExternalCommunicationHandler;
    std::unique_ptr<TRS232ConfigurationController> mRS232ConfigController;
    std::unique_ptr<TSerialCommunicationInterface> mRS232CommunicationController;
    std::unique_ptr<TSerialCommunicationInterface> mIEEE488CommunicationController;
    std::unique_ptr<TIEEEConfigurationController> mIEEEConfigController;
    std::unique_ptr<TEthernetCommunicationInterface> mEthernetCommunicationInterface;
    std::unique_ptr<TRemoteSettingsController> mRemoteSettingsController;
    std::unique_ptr<TSerialCommunicationInterface> mUSBCommunicationController;

    QString mClickableWidgetStylesheet_default;
    QString mClickableWidgetStylesheet_active;
    QString mStylesheetInfoBar_blue;
    QString mStylesheetInfoBar_green;
    QString mStylesheetInfoBar_red;
    QString mStylesheetInfoBar_yellow;
    QString mStylesheetChannelDependingBar_blue;
    QString mStylesheetChannelDependingBar_green;
    QString mLogfileDir;
    QString mFirmwareUI_FilePattern;
    QString mFirmwareUI_Tag;
    QString mSubMenuCaptionBackup;
    EnInstrumentType mInstrumentType = ZTM8800;

    ISubMenuConfirmationReceiver* mSubMenuConfirmationReceiver = nullptr;

    std::unique_ptr<TClickableWidgetController> mSettingsWidgetController;
    std::unique_ptr<TClickableWidgetController> mSettingsDecimalSeparatorWidgetController;
    std::unique_ptr<TClickableWidgetController> mSoundWidgetController_Keys;
    std::unique_ptr<TClickableWidgetController> mSoundWidgetController_Alarms;
    std::unique_ptr<TClickableWidgetController> mServiceWidgetController;
    std::unique_ptr<TClickableWidgetController> mProbeAlarmsWidgetController;
    std::unique_ptr<TClickableWidgetController> mSmartProbeEditWidgetController;
    std::unique_ptr<TClickableWidgetController> mCalibrationItemsWidgetController;

    // The list rows by their widget, which the map owns; looked up by the released widget.
    struct TRowOrder
    {
        using is_transparent = void;
        static const QWidget* key(const std::unique_ptr<QWidget>& pRow) { return pRow.get(); }
        static const QWidget* key(const QWidget* pRow) { return pRow; }
        template <class A, class B> bool operator()(const A& pLeft, const B& pRight) const
        {
            return key(pLeft) < key(pRight);
        }
    };
    zelk::vector<std::unique_ptr<TTwoPointCalibrationItem>> mTwoPointCalibrationItems;
    zelk::vector<std::unique_ptr<TCJCCalibrationItem>> mCJCOffsetCalibrationItems;
    std::map<std::unique_ptr<QWidget>, TTwoPointCalibrationItem*, TRowOrder> mCalItemButtonMap;
    std::map<std::unique_ptr<QWidget>, TCJCCalibrationItem*, TRowOrder> mCJCOffsetButtonMap;
    TTwoPointCalibrationItem* mSelectedTwoPointCalibrationItem = nullptr;
    TCJCCalibrationItem* mSelectedCJCCalibrationItem = nullptr;
    // A measurement of the selected two-point item runs; its neutral data on the board are noted.
    bool mMeasuringTwoPointCalItem = false;
    // The board holds the neutral data of a measurement instead of the selected item's correction.
    bool mTwoPointCalNeutralOnBoard = false;
    // The last calibration date of the selected two-point item when it was selected.
    QDate mTwoPointCalBackupDate;
};
