#pragma once

#include "probe_enums.h"
#include "probeeditcontrollers.h"
#include "submenuconfirmationreceiver.h"
#include "zelkvector.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <set>

class IProbeAssignmentListener;
class ISubMenuController;
class QLabel;
class QScrollArea;
class QVBoxLayout;
class TAbstractChannel;
class TAbstractProbe;
class TChannelController;
class TChannelViewControllerManager;
class TClickableWidgetController;
class TInternalSCPIHandler;
class TPhysicalChannel;
class TPRTProbe;
class TSmartProbeEnablingController;
class TStandardProbeSettingController;

// The probe database of the user interface: the custom probes (1 to 80) and
// the default probes (81 to 85) the measurement board stores, one object per
// stored probe, kept in step with the board: every change goes to the board
// first and reaches the objects only when the board took it. It also runs the
// probe menu and the probe selection page. The main window creates it and
// owns it; channels, views and lists only point at its probes.
class TProbeController : public QObject, public ISubMenuConfirmationReceiver
{
    Q_OBJECT

public:
    static constexpr short MAX_PROBE_NUMBER = 80;
    static constexpr short DEFAULT_PROBE_NR_3WPT100 = 81;
    static constexpr short DEFAULT_PROBE_NR_4WPT100 = 82;
    static constexpr short DEFAULT_PROBE_NR_4WPT25 = 83;
    static constexpr short DEFAULT_PROBE_NR_THERMISTOR = 84;
    static constexpr short DEFAULT_PROBE_NR_TC = 85;
    // A read the board does not answer is tried this often before it counts as failed.
    static constexpr short PROBE_READ_RETRIES = 3;
    // The probe menu's rows go above the fixed rows of its list.
    static constexpr int PROBE_MENU_FIRST_CUSTOM_PROBE_INDEX = 0;
    // Width the name column of the selection page leaves a probe name, in pixels.
    static constexpr int PROBE_SELECTION_LIST_MAX_PROBENAME_WIDTH = 204;
    static constexpr int PROBE_SELECTION_LIST_DEFAULT_FONT_SIZE = 18;
    static constexpr int PROBE_SELECTION_LIST_MINIMUM_FONT_SIZE = 12;
    static constexpr int MAX_PROBE_NAME_LENGTH = 20;
    static constexpr double MIN_PROBE_TEMPERATURE_LIMIT = -999.0;
    static constexpr double MAX_PROBE_TEMPERATURE_LIMIT = 9999.0;

    // Columns of the probe coefficient file, in both directions.
    static constexpr int COEFF_EXPORT_COL_COUNT = 50;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PROBE_NAME = 0;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PT25 = 1;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PT100 = 2;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_B = 3;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_E = 4;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_J = 5;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_K = 6;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_N = 7;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_R = 8;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_S = 9;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_T = 10;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_THERMISTOR = 11;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_T_MIN = 12;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_T_MAX = 13;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_CVD_R0 = 14;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_CVD_A = 15;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_CVD_B = 16;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_CVD_C = 17;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_ITS90_R001 = 18;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_ITS90_AN = 19;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_ITS90_BN = 20;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_ITS90_AP = 21;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_ITS90_BP = 22;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_ITS90_CP = 23;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_PRT_ITS90_DP = 24;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_TA_MIN = 25;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_TA_MAX = 26;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_A0 = 27;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_A1 = 28;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_A2 = 29;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_A3 = 30;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_TB_MIN = 31;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_TB_MAX = 32;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_B0 = 33;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_B1 = 34;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_B2 = 35;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_B3 = 36;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_TC_MIN = 37;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_TC_MAX = 38;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_C0 = 39;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_C1 = 40;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_C2 = 41;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_TC_C3 = 42;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_THERM_SH_A = 43;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_THERM_SH_B = 44;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_THERM_SH_C = 45;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_THERM_POLY_C0 = 46;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_THERM_POLY_C1 = 47;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_THERM_POLY_C2 = 48;
    static constexpr int COEFF_EXPORT_COL_INDEX_HEADER_THERM_POLY_C3 = 49;

    // Takes the two row registries; reads no settings and sends nothing to
    // the board. Widgets may be null where a test needs no list.
    TProbeController(ISubMenuController* pSubMenuController, TChannelController* pChannelController,
                     TInternalSCPIHandler* pSCPIHandler,
                     TStandardProbeSettingController* pStandardProbeSettingsController,
                     TChannelViewControllerManager* pChannelViewControllerManager,
                     std::unique_ptr<TClickableWidgetController> pProbeSelectWidgetController,
                     std::unique_ptr<TClickableWidgetController> pProbeMenuWidgetController,
                     QWidget* pPageProbeSelection, QWidget* pBtnDefaultProbe_3WPT100, QWidget* pBtnDefaultProbe_4WPT100,
                     QWidget* pBtnDefaultProbe_4WPT25, QWidget* pBtnDefaultProbe_Thermistor,
                     QWidget* pBtnDefaultProbe_TC, QWidget* pBtnNewProbe_PRT, QWidget* pBtnNewProbe_TC,
                     QWidget* pBtnNewProbe_Thermistor, QWidget* pWgtFilter, QLabel* pLblFilterValue,
                     QWidget* pBtnDelete, QWidget* pBtnListSmartProbes, QScrollArea* pScrollAreaProbeMenu,
                     QScrollArea* pScrollAreaProbeSelect,
                     std::unique_ptr<TProbeEditController_PRT> pProbeEditControllerPRT = nullptr,
                     std::unique_ptr<TProbeEditController_TC> pProbeEditControllerTC = nullptr,
                     std::unique_ptr<TProbeEditController_Thermistor> pProbeEditControllerThermistor = nullptr,
                     QWidget* pPageSmartProbeList = nullptr, QScrollArea* pScrollAreaSmartProbeList = nullptr);
    ~TProbeController() override;

    // --- database -------------------------------------------------------------

    // Reads every probe from the board once. A custom probe the board does not
    // give after three tries ends the load there: higher numbers and the
    // default probes stay unread. Nothing is shown to the user.
    void loadProbesFromDevice();
    // The custom probe of that number, else the default probe, else null.
    TAbstractProbe* probeByNumber(int number) const;
    // By probe number, ascending.
    const std::map<int, std::unique_ptr<TAbstractProbe>>& customProbes() const { return mCustomProbes; }
    const std::map<int, std::unique_ptr<TAbstractProbe>>& defaultProbes() const { return mDefaultProbes; }
    // The smallest custom number the board was read for and found empty; 0
    // when there is none (all taken, or the load stopped before a free one).
    int nextFreeProbeNumber() const;
    // Custom probes whose name is exactly pName, ascending.
    zelk::vector<TAbstractProbe*> probesByName(const QString& name) const;
    // The probes the channel accepts: default probes first, then custom ones.
    void compatibleProbes(TPhysicalChannel* channel, zelk::vector<TAbstractProbe*>& oProbes) const;

    // --- assignment -----------------------------------------------------------

    // The default probe a channel falls back to: the four-wire Pt100 for
    // resistance inputs and switch-box positions, the default thermocouple
    // for thermocouple inputs; null for other channels and for a default
    // probe the board did not give.
    TAbstractProbe* defaultProbe(TPhysicalChannel* pChannel) const;
    // Moves the probe to the channel (board first when pSendToDevice). A
    // probe the channel does not accept is released when
    // pUnassignProbeIfInvalid; then the result is the board's answer to
    // "no channel". False when the board refused a valid assignment.
    // Without pWarnOfOverdueCalibration the assignment asks nobody: a remote
    // client cannot answer the local warning and would wait for the screen.
    bool assignProbeToChannel(TAbstractProbe* probe, TPhysicalChannel* channel, bool pSendToDevice,
                              bool pUnassignProbeIfInvalid, bool pWarnOfOverdueCalibration = true);
    void assignProbeToChannel(TAbstractProbe* probe, TPhysicalChannel* channel, bool pSendToDevice);
    // A listener is held once; told last registered first.
    void registerProbeAssignmentListener(IProbeAssignmentListener* pListener);
    void unregisterProbeAssignmentListener(IProbeAssignmentListener* pListener);
    // The probe's factor changes only when the board took the command.
    bool setCurrentRoot2(TPRTProbe* probe, bool value);
    void defaultProbeReferenceStatusChanged(TAbstractProbe* probe, bool reference);

    // --- creation, deletion, backups ----------------------------------------------

    // Stores pNewProbe's content on the board and takes it in: over pOldProbe
    // (whose object is kept, with a backup of its old record for a custom
    // probe) or, with pOldProbe null, as a new custom probe under its number,
    // which must be one nextFreeProbeNumber gives. False when the channel does
    // not accept the probe (oErrorMessage says so), the board refused, or the
    // number is not free.
    bool newProbeCreated(TAbstractProbe* pOldProbe, std::unique_ptr<TAbstractProbe> pNewProbe, QString& oErrorMessage);
    // The probe as its last backup holds it, or null; changes nothing.
    std::unique_ptr<TAbstractProbe> createProbeFromBackup(int pProbeNr, QDateTime& oTimeStamp) const;
    // Default probes are never deleted; without pForce the user is asked.
    bool deleteProbe(TAbstractProbe* probe, bool pForce);
    bool deleteSelectedProbe();
    // A type K thermocouple with an external reference junction; its number, or 0.
    int createThermocoupleProbeCJCExtern();

    // --- lists ----------------------------------------------------------------------

    // Rebuilds the probe menu and the custom rows of the selection page.
    void updateProbeListViews();
    void setProbeFilter(const QString& pattern);
    // Opens the selection page with the probes the channel accepts.
    void selectProbe(TPhysicalChannel* pTargetChannel, TAbstractProbe* pCurrentlySelectedProbe);
    void editProbe(TAbstractProbe* probe);
    TAbstractProbe* probeMenuSelectedProbe() const;
    void setProbeMenuButtons();
    void probeEditAborted();
    void defaultProbeEditDone();
    // The name in the largest font from 18 down to 12 pixels that fits the
    // selection page, cut with "..." when even 12 pixels are too wide.
    static void updateProbeNameLabel(QLabel& label, const QString& name);
    void updateProbeNameWidgets(TAbstractProbe* probe);
    // 1 to 20 characters: Latin letters, digits 0-9, blanks, ".", "/", "-",
    // "*" and the German umlauts.
    static bool isValidProbeName(const QString& name);
    // A number from -999 to 9999.
    static bool isValidTMinMaxValue(double value);
    // The editor of the probe's kind, or of a new-probe button; null for a
    // SMART probe, anything else and until the probe edit pages are built.
    TProbeEditController* editorByProbe(TAbstractProbe* probe) const;
    TProbeEditController* editorByButton(QWidget* button) const;
    bool isDefaultProbeButton(QWidget* button) const;

    // --- probe files (probecontroller_files.cpp) --------------------------------

    // The probe tables of a log file's header: per probe one ";"-separated
    // line appended to the list of its kind (SMART probes with the PRT
    // probes), after the three headlines when pCreateHeadlines. Only appends.
    void generateProbeCSVLists(const zelk::vector<TAbstractProbe*>& pProbes, bool pCreateHeadlines,
                               QStringList& oPRTProbes, QStringList& oThermocoupleProbes,
                               QStringList& oThermistorProbes) const;
    // The readable description of every custom probe as a file on the USB
    // stick; tells the user when there is none. True when the file was written.
    bool downloadCustomProbeInfo() const;
    // The same for the given probes, the file named after the current time and
    // pFilenamePostfix. False without a probe (silently), and without a stick
    // or when the file could not be written (the user is told).
    bool downloadProbeInfo(const zelk::vector<TAbstractProbe*>& pProbes, const QString& pFilenamePostfix) const;
    // The coefficient table of the custom probes: the header line, then one
    // line per probe, TAB-separated, without line ends.
    QStringList generateProbeCoefficientCSVList() const;
    // Creates or updates custom probes from a coefficient file and shows the
    // outcome; each accepted line is stored at once, a bad line is reported
    // and skipped.
    void importProbeCoefficientsFromCSVFile(const QString& pFilePath);
    // Reads the eleven flag fields (pTokens holds at least 12); true when
    // exactly one is marked "x". Marks overwrite the out-parameters in field
    // order; the others are left as they are.
    static bool probeCoeffImportDetectProbeTypes(const QStringList& pTokens, Probe_enums::EnPRTType& oPRTType,
                                                 Probe_enums::EnThermocoupleType& oTCType, bool& oThermistor);
    // A number of the coefficient file, "," read as "."; NaN for anything
    // that is not a finite number.
    static double coeffValueFromString(const QString& pValue);
    // The coefficient file's number forms, as printf's "%g" and "%.5e" write
    // them in the C locale, whatever the user's separator; NaN is "nan".
    static QString double2str(double pValue);
    static QString double2scientific_str(double pValue);

    // The probe selection page closes without anything to confirm.
    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    bool storeClicked() override;

signals:
    void widgetActivated(short pGroup, QWidget* pPrevious, QWidget* pCurrent);
    // After a stored change; the old probe object (now holding the new data),
    // null after a new probe.
    void probeDataChanged(TAbstractProbe* probe);

public slots:
    void probeSelectionBtnClick(QWidget* pButton);
    void probeMenuBtnClick(QWidget* pButton);
    void deactivateAllProbeButtons();

private:
    // Writes information files under a name it knows beforehand, to plant
    // links and FIFOs there.
    friend class tst_ProbeFiles;

    struct TDefaultProbeButton
    {
        int mNumber;
        QWidget* mButton;
        QLabel* mLabel;
    };

    // Up to PROBE_READ_RETRIES reads; oFailed when none was answered.
    std::unique_ptr<TAbstractProbe> readProbe(int pNumber, bool pDefaultProbe, bool& oFailed) const;
    // Into the database after a read: a probe of a number held already is dropped.
    TAbstractProbe* takeLoadedProbe(std::map<int, std::unique_ptr<TAbstractProbe>>& pMap,
                                    std::unique_ptr<TAbstractProbe> pProbe);
    void assertDefaultPRTProbeKeepWarmCurrentInactive();
    void notifyProbeAssignmentListeners(TAbstractProbe* probe, TAbstractChannel* channel);
    bool isFreeProbeNumber(int pNumber) const;
    // Why nextFreeProbeNumber gave 0: pMemoryFull when the load read every
    // custom number, else that the probe memory was not read completely.
    QString noFreeProbeNumberText(const QString& pMemoryFull) const;
    QString backupSection(int pProbeNr) const;
    void writeBackup(const TAbstractProbe& pOldProbe);
    zelk::vector<TDefaultProbeButton> defaultProbeButtons() const;
    bool downloadProbeInfoInternal(const zelk::vector<TAbstractProbe*>& pProbes, const QString& pFilename) const;
    // One line of a coefficient file past its header: creates or updates
    // probes and counts them, records what went wrong.
    // True when the line reached its create or update step, whether the store
    // succeeded or not: only such a line may be the last before an abort.
    bool importCoefficientLine(const QString& pLine, int& ioCreateCount, int& ioUpdateCount,
                               zelk::vector<QString>& oErrors);

    // One list's rows for the probes, in order: rows made earlier are used
    // again, missing ones are made, left-over ones released.
    void fillRows(zelk::vector<QPointer<QWidget>>& ioRows, TClickableWidgetController& pRegistry, QVBoxLayout* pLayout,
                  const zelk::vector<TAbstractProbe*>& pProbes, bool pSelectionPage);
    static QVBoxLayout* rowLayout(QScrollArea* pScrollArea);
    void releaseRow(QWidget* pRow);

    QString mProbePersistance_SectionName;
    QString mProbePersistance_PropertyTimestamp;
    QString mProbePersistance_PropertyProbeConfig;
    TInternalSCPIHandler* mSCPIHandler;
    TChannelController* mChannelController;
    ISubMenuController* mSubMenuController;
    TStandardProbeSettingController* mStandardProbeSettingsController;
    TChannelViewControllerManager* mChannelViewControllerManager;
    zelk::vector<IProbeAssignmentListener*> mProbeAssignmentListeners;
    std::map<int, std::unique_ptr<TAbstractProbe>> mCustomProbes;
    std::map<int, std::unique_ptr<TAbstractProbe>> mDefaultProbes;
    // Custom numbers the board answered for, with a probe or empty: only these
    // are known to be free when not held.
    std::set<int> mReadProbeNumbers;
    std::unique_ptr<TClickableWidgetController> mProbeSelectWidgetController;
    std::unique_ptr<TClickableWidgetController> mProbeMenuWidgetController;
    std::map<TAbstractProbe*, QWidget*> mButtonByProbe_PrbSelection;
    std::map<QWidget*, TAbstractProbe*> mProbeByButton_PrbSelection;
    std::map<TAbstractProbe*, QWidget*> mButtonByProbe_PrbMenu;
    std::map<QWidget*, TAbstractProbe*> mProbeByButton_PrbMenu;
    // Rows made for the lists, in list order. A rebuild uses them again for
    // the probes it lists (making and deleting rows is what a rebuild would
    // spend its time on) and hands the rows left over to deleteLater, since it
    // may run while a press on one of them is still being delivered.
    zelk::vector<QPointer<QWidget>> mCreatedCustomProbeButtonsSelection;
    zelk::vector<QPointer<QWidget>> mCreatedProbeButtonsMenu;
    QWidget* mPageProbeSelection;
    QScrollArea* mScrollAreaProbeMenu;
    QScrollArea* mScrollAreaProbeSelect;
    QWidget* mBtnNewProbe_PRT;
    QWidget* mBtnNewProbe_TC;
    QWidget* mBtnNewProbe_Thermistor;
    QWidget* mBtnDefaultProbe_3WPT100;
    QWidget* mBtnDefaultProbe_4WPT100;
    QWidget* mBtnDefaultProbe_4WPT25;
    QWidget* mBtnDefaultProbe_Thermistor;
    QWidget* mBtnDefaultProbe_TC;
    QLabel* mLblDefaultProbe_3WPT100 = nullptr;
    QLabel* mLblDefaultProbe_4WPT100 = nullptr;
    QLabel* mLblDefaultProbe_4WPT25 = nullptr;
    QLabel* mLblDefaultProbe_Thermistor = nullptr;
    QLabel* mLblDefaultProbe_TC = nullptr;
    QWidget* mWgtFilter;
    QLabel* mLblFilterValue;
    QWidget* mBtnDelete;
    QWidget* mBtnListSmartProbes;
    TPhysicalChannel* mProbeSelectionTargetChannel = nullptr;
    QString mCoeffExportFieldDelimiter;
    std::unique_ptr<TProbeEditController_PRT> mProbeEditControllerPRT;
    std::unique_ptr<TProbeEditController_TC> mProbeEditControllerTC;
    std::unique_ptr<TProbeEditController_Thermistor> mProbeEditControllerThermistor;
    std::unique_ptr<TSmartProbeEnablingController> mSmartProbeEnablingController;
};
