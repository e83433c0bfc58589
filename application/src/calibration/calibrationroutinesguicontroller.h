#pragma once

#include "calibrationfilestore.h"
#include "calibratortype.h"
#include "electrical_temperature_units.h"
#include "submenuconfirmationreceiver.h"
#include "zelkvector.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class ISubMenuController;
class QGridLayout;
class QLabel;
class QWidget;
class QZELKContainerPushButton;
class QZELKContainerRadioButton;
class QZELKDialogButton;
class TAbstractChannel;
class TCalibrationRoutine;
class TCalibrationRoutineView;
class TCalibrationSetup;
class TChannelDescription;
class TChannelController;
class TScanModeController;

// One entry row of a list of the setup editor: a button that shows the entry
// (its label's text) and keeps it in a fixed form (the label's tool tip), and
// beside it "+" (add below) and "-" (remove). The editor owns its rows; a row
// owns its widgets and takes them out of the grid when it goes.
class TCalRoutineDynamicControls
{
public:
    TCalRoutineDynamicControls(QGridLayout* pContainingLayout, QZELKContainerPushButton* pBtnSelect,
                               QWidget* pWgtAddRemoveContainer, QZELKContainerPushButton* pBtnAdd,
                               QZELKContainerPushButton* pBtnRemove);
    virtual ~TCalRoutineDynamicControls();
    TCalRoutineDynamicControls(const TCalRoutineDynamicControls&) = delete;
    TCalRoutineDynamicControls& operator=(const TCalRoutineDynamicControls&) = delete;

    QZELKContainerPushButton* btnSelect() const { return mBtnSelect.get(); }
    QZELKContainerPushButton* btnAdd() const { return mBtnAdd; }
    QZELKContainerPushButton* btnRemove() const { return mBtnRemove; }

private:
    QGridLayout* mContainingLayout;
    std::unique_ptr<QZELKContainerPushButton> mBtnSelect;
    std::unique_ptr<QWidget> mWgtAddRemoveContainer;
    QZELKContainerPushButton* mBtnAdd;
    QZELKContainerPushButton* mBtnRemove;
};

// The calibration routines screen: the stored setups (each with a start
// button) under a name filter, the stored results, the setup editor, the
// result page, starting a routine with its run view and the export of a result
// to the USB stick. The main window builds one and keeps it; the download menu
// reads the stored results through it.
class TCalibrationRoutinesGUIController : public QObject, public ISubMenuConfirmationReceiver
{
    Q_OBJECT

public:
    enum EnSubmenu : quint8 { smNone = 0, smNewRoutine = 1, smEditRoutine = 2, smShowCalFile = 3 };

    static constexpr int MAX_SETUPNAME_LENGTH = 20;
    static constexpr int MAX_FILTER_LENGTH = 40;

    TCalibrationRoutinesGUIController(
        ISubMenuController* pSubMenuController, TChannelController* pChannelController,
        TScanModeController* pScanModeController, QZELKContainerRadioButton* pBtnNewRoutine,
        QWidget* pNewRoutineSubMenuWidget, QWidget* pShowCalFileSubMenuWidget, QWidget* pCalSetupsParentWidget,
        QWidget* pCalFilesParentWidget, QWidget* pCalRoutineFilterWidget, QLabel* pLblShowCalFile_RoutineName,
        QLabel* pLblShowCalFile_ReferenceProbe, QLabel* pLblShowCalFile_CalSource, QLabel* pLblShowCalFile_Stability,
        QLabel* pLblShowCalFile_StabilityTime, QLabel* pLblShowCalFile_HoldTime, QWidget* pWgtShowCalFile_DUTParent,
        QZELKContainerPushButton* pBtnRoutineName, QZELKContainerRadioButton* pBtnDWK4400_COOL,
        QZELKContainerRadioButton* pBtnDWK4400_165, QZELKContainerRadioButton* pBtnDWK4400_450,
        QZELKContainerRadioButton* pBtnDWK4400_650, QZELKContainerRadioButton* pBtnDWK4400_1100,
        QZELKContainerRadioButton* pBtnDWK4600_650, QZELKContainerRadioButton* pBtnDWK4600_165,
        QZELKContainerRadioButton* pBtnMBK2700_165, QZELKContainerRadioButton* pBtnMBK2700_225,
        QZELKContainerRadioButton* pBtnMBK2800, QZELKContainerRadioButton* pBtnMBK2900,
        QZELKContainerRadioButton* pBtnMFK5100_150, QZELKContainerRadioButton* pBtnRefChan1,
        QZELKContainerRadioButton* pBtnRefChan2, QZELKContainerRadioButton* pBtnRefChan3,
        QZELKContainerRadioButton* pBtnRefChan4, QZELKContainerPushButton* pBtnAddDUTChannel,
        QZELKContainerPushButton* pBtnStability, QZELKContainerPushButton* pBtnStabilityTime,
        QZELKContainerPushButton* pBtnHoldTime, QZELKContainerPushButton* pBtnAddCalPoint,
        QZELKContainerPushButton* pBtnChangeFilter, QZELKContainerPushButton* pBtnClearFilter,
        QWidget* pWgtActiveFilterParent, QLabel* pLblSearchPattern, QZELKDialogButton* pBtnDeleteCalSetup,
        QZELKDialogButton* pBtnDeleteCalFile, QZELKDialogButton* pBtnDownloadCalFile, QLabel* pLblIPAddress,
        QZELKContainerPushButton* pBtnIPAddress, QLabel* pLblPort, QZELKContainerPushButton* pBtnPort);
    ~TCalibrationRoutinesGUIController() override;

    // Whether the calibrators' USB-serial library can be used; without it the
    // main window takes the screen out of the main menu.
    bool isCommunicationLibraryAvailable() const;

    // The stored results, for the download menu.
    const QString& storedRoutinesDir() const { return mFileStore.storedRoutinesDir(); }
    zelk::vector<QString> storedCalFiles() const { return mFileStore.storedCalFiles(); }
    std::unique_ptr<TCalibrationRoutine> createCalRoutineFromName(const QString& pName) const;
    const TCalibrationFileStore& calibrationFiles() const { return mFileStore; }

    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    // Save of the editor; false keeps the editor open.
    bool storeClicked() override;

    // The label shows the name whole up to 8 characters, else its first 7 and
    // "..."; the tool tip keeps it whole.
    static void setSetupName(const QString& pName, QLabel& pLabel);
    void setCalSetupFilter(const QString& pFilter);

    EnSubmenu subMenu() const { return mSubMenu; }
    TCalibrationRoutineView* routineView() const { return mCalRoutineView.get(); }
    const zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& dutRows() const { return mDynamicControlsDUT; }
    const zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& calPointRows() const
    {
        return mDynamicControlsCalPoints;
    }

    // --- the editor --------------------------------------------------------------

    EnCalibratorType selectedCalibratorTypeInEditor() const;
    void clearEditor();
    // Shows every missing or out-of-range entry in one error message.
    bool checkUserInput();
    void calPointsFromGUI(zelk::vector<TElectricalTemperatureValue>& oCalPoints) const;
    // Empty when the check refused the page.
    std::unique_ptr<TCalibrationSetup> createSetupFromGUI();

private slots:
    void onNewRoutineCheckChanged(bool pChecked);
    void onEditRoutineCheckChanged(bool pChecked);
    void onSelectCalFileCheckChanged(bool pChecked);
    void onCalibratorTypeCheckChanged(bool pChecked);
    void addDynamicControlsDUT();
    void addDynamicControlsCalPoint();
    void removeDynamicControls();
    void onChangeDUTChannel();
    void onChangeCalPoint();
    void onChangeSetupName();
    void onChangeStability();
    void onChangeStabilityTime();
    void onChangeHoldTime();
    void onStartRoutineClicked();
    void onChangeFilterClicked();
    void onClearFilterClicked();
    void onDeleteCalSetupClicked();
    void onDeleteCalFileClicked();
    void onDownloadCalFileClicked();
    void onChangeIPAddress();
    void onChangePort();

private:
    void afterSubMenuDone();
    void destroyRoutineView();
    void displayCalibrationRoutine(const TCalibrationRoutine& pRoutine);
    QString selectedCalFileName() const;
    void reloadAndDisplayCalFiles();
    void reloadAndDisplaySetups();
    QWidget* createCalSetupWidget(QWidget* pParent);
    // Runs the routine with its run view; returns when it has ended.
    void startRoutine(std::unique_ptr<TCalibrationSetup> pSetup);

    void setupCalibratorTypes();
    void setEthernetControlsVisible(bool pVisible);

    // Opens pCount empty grid rows at pIndex: what stood there and below moves down.
    void insertRow(QGridLayout* pLayout, int pIndex, int pCount = 1);
    TCalRoutineDynamicControls*
    addDynamicControlsAfter(QZELKContainerPushButton* pSender,
                            zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& pControlsList);
    // pCount rows in page order below the grid row of pSender, in one move of
    // the grid; none when the grid or the sender's place in it is not found.
    zelk::vector<TCalRoutineDynamicControls*>
    addDynamicControlsAfter(QZELKContainerPushButton* pSender,
                            zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& pControlsList, int pCount);
    zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>::iterator
    findItemByAddButton(QZELKContainerPushButton* pButton,
                        zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>>& pControlsList);
    TCalRoutineDynamicControls* addDynamicDUTControlsAfter(QZELKContainerPushButton* pSender,
                                                           const QString& pInternalChannelNr,
                                                           const QString& pChannelCaption);
    TCalRoutineDynamicControls* addDynamicCalPointControlsAfter(QZELKContainerPushButton* pSender, double pValue);
    // Rows for the channels and points in their order below pSender.
    zelk::vector<TCalRoutineDynamicControls*> addDUTRowsAfter(QZELKContainerPushButton* pSender,
                                                              const zelk::vector<TChannelDescription>& pChannels);
    void addCalPointRowsAfter(QZELKContainerPushButton* pSender,
                              const zelk::vector<TElectricalTemperatureValue>& pPoints);
    void setUpDUTRow(TCalRoutineDynamicControls& pRow, const QString& pInternalChannelNr,
                     const QString& pChannelCaption);
    void setUpCalPointRow(TCalRoutineDynamicControls& pRow, double pValue);
    // The message for a setup that is not valid, or cannot be read at all.
    static QString invalidSetupText(const QString& pName);
    void ensureWidgetVisibleAfterAdd(QWidget* pWidget);
    void destroyDynamicControlsByButton(QZELKContainerPushButton* pBtn);
    void clearDynamicControls();
    bool selectMultipleChannels(zelk::vector<TAbstractChannel*>& oSelectedChannels);
    TAbstractChannel* selectSingleChannel(TAbstractChannel* pCurrentChannel);
    // The pad for a calibration point within the checked model's range.
    bool enterCalPoint(double& oValue) const;

    std::map<QZELKContainerRadioButton*, EnCalibratorType> mBtn2CalibratorType;
    std::map<EnCalibratorType, QZELKContainerRadioButton*> mCalibratorType2Btn;
    ISubMenuController* mSubMenuController;
    TChannelController* mChannelController;
    TScanModeController* mScanModeController;
    std::unique_ptr<TCalibrationRoutineView> mCalRoutineView;
    TCalibrationFileStore mFileStore;
    EnSubmenu mSubMenu = smNone;
    // While a routine runs; its event processing may deliver another start press.
    bool mRunning = false;
    std::unique_ptr<TCalibrationSetup> mEditedSetup;
    std::unique_ptr<TCalibrationRoutine> mCurrentRunningRoutine;
    std::unique_ptr<TCalibrationRoutine> mCurrentDisplayedRoutine;
    QZELKContainerRadioButton* mBtnNewRoutine;
    QWidget* mNewRoutineSubMenuWidget;
    QWidget* mShowCalFileSubMenuWidget;
    QWidget* mCalSetupsParentWidget;
    QWidget* mCalFilesParentWidget;
    QWidget* mCalRoutineFilterWidget;
    QZELKContainerPushButton* mBtnRoutineName;
    QZELKContainerRadioButton* mBtnDWK4400_COOL;
    QZELKContainerRadioButton* mBtnDWK4400_165;
    QZELKContainerRadioButton* mBtnDWK4400_450;
    QZELKContainerRadioButton* mBtnDWK4400_650;
    QZELKContainerRadioButton* mBtnDWK4400_1100;
    QZELKContainerRadioButton* mBtnDWK4600_650;
    QZELKContainerRadioButton* mBtnDWK4600_165;
    QZELKContainerRadioButton* mBtnMBK2700_165;
    QZELKContainerRadioButton* mBtnMBK2700_225;
    QZELKContainerRadioButton* mBtnMBK2800;
    QZELKContainerRadioButton* mBtnMBK2900;
    QZELKContainerRadioButton* mBtnMFK5100_150;
    QZELKContainerRadioButton* mBtnRefChan1;
    QZELKContainerRadioButton* mBtnRefChan2;
    QZELKContainerRadioButton* mBtnRefChan3;
    QZELKContainerRadioButton* mBtnRefChan4;
    QZELKContainerPushButton* mBtnAddDUTChannel;
    QZELKContainerPushButton* mBtnStability;
    QZELKContainerPushButton* mBtnStabilityTime;
    QZELKContainerPushButton* mBtnHoldTime;
    QZELKContainerPushButton* mBtnAddCalPoint;
    QZELKDialogButton* mBtnDeleteCalSetup;
    QZELKDialogButton* mBtnDeleteCalFile;
    QZELKDialogButton* mBtnDownloadCalFile;
    QZELKContainerPushButton* mBtnChangeFilter;
    QZELKContainerPushButton* mBtnClearFilter;
    QWidget* mWgtActiveFilterParent;
    QLabel* mLblSearchPattern;
    QLabel* mLblShowCalFile_RoutineName;
    QLabel* mLblShowCalFile_ReferenceProbe;
    QLabel* mLblShowCalFile_CalSource;
    QLabel* mLblShowCalFile_Stability;
    QLabel* mLblShowCalFile_StabilityTime;
    QLabel* mLblShowCalFile_HoldTime;
    QWidget* mWgtShowCalFile_DUTParent;
    QLabel* mLblIPAddress;
    QZELKContainerPushButton* mBtnIPAddress;
    QLabel* mLblPort;
    QZELKContainerPushButton* mBtnPort;
    zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>> mDynamicControlsDUT;
    zelk::vector<std::unique_ptr<TCalRoutineDynamicControls>> mDynamicControlsCalPoints;
};
