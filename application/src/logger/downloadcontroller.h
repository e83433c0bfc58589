#pragma once

#include "downloadlistcontroller.h"
#include "itemselectionreceiver.h"
#include "submenuconfirmationreceiver.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class ISubMenuController;
class QLabel;
class QWidget;
class QZELKContainerRadioButton;
class QZELKDialogButton;
class TCalibrationFileStore;
class TChannelController;
class TChannelViewControllerManager;
class TItemButtonList;
class TProbeController;

// The download page of the main window: copies log files, screenshots and
// calibration results to the USB stick, writes probe data, the instrument
// details and the coefficient table there, imports a coefficient table from
// it, deletes screenshots and log files, and asks for the eject. The main
// window builds it once and owns it; every widget and collaborator is lent.
class TDownloadController : public QObject,
                            public ISubMenuConfirmationReceiver,
                            public IItemSelectionReceiver,
                            public IDownloadListItemHandler
{
    Q_OBJECT

public:
    // The data logger's part: rebuilding its file list after a deletion, and
    // the file it is writing (device path, empty when it writes none), which
    // is never deleted from here.
    struct TLogfileHooks
    {
        std::function<void()> mRefreshLogfileList;
        std::function<QString()> mFileInUse;
    };

    TDownloadController(ISubMenuController* pSubmenuController, TProbeController* pProbeController,
                        TChannelController* pChannelController, const TCalibrationFileStore* pCalibrationFiles,
                        const QString& pLogFileDir, TChannelViewControllerManager* pChannelViewControllerManager,
                        TLogfileHooks pLogfileHooks, QLabel* pLblDownloadListCaption, QWidget* pPageDownloadList,
                        QWidget* pPageDownloadListMain, QWidget* pPageDownload, QWidget* pPageItemButtonList,
                        QWidget* pItemButtonListParent, QWidget* pScrollAreaDownloadList,
                        QZELKDialogButton* pBtnDownload_SelectAll, QZELKDialogButton* pBtnDownload_DeselectAll,
                        QZELKDialogButton* pBtnDownload_Download, QZELKDialogButton* pBtnDownload_Delete,
                        QZELKContainerRadioButton* pBtnScreenshots, QZELKContainerRadioButton* pBtnCalFiles,
                        QZELKContainerRadioButton* pBtnLogfiles, QZELKContainerRadioButton* pBtnAllProbes,
                        QZELKContainerRadioButton* pBtnMeasProbes, QZELKContainerRadioButton* pBtnSmartProbes,
                        QZELKContainerRadioButton* pBtnImportProbeCoeffs,
                        QZELKContainerRadioButton* pBtnInstrumentDetails,
                        QZELKContainerRadioButton* pBtnDownloadProbeCoeffs, QZELKContainerRadioButton* pBtnEject);
    ~TDownloadController() override;

    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    bool storeClicked() override;
    void itemSelected(TItemButtonList* pButtonList, const TItemButtonListEntry& pEntry) override;
    void deleteItems(const zelk::vector<TDownloadListItem*>& pItems) override;
    void downloadItems(const zelk::vector<TDownloadListItem*>& pItems) override;

    // Sub-directories of the instrument's directory on the stick.
    static constexpr const char* SCREENSHOT_DIRECTORY = "Screenshots";
    static constexpr const char* LOGFILE_DIRECTORY = "Logfiles";
    static constexpr const char* CALIBRATION_DIRECTORY = "calibration_files";
    static constexpr const char* INSTRUMENT_DETAILS_DIRECTORY = "instrument_details";
    static constexpr const char* PROBE_COEFFICIENTS_DIRECTORY = "probe_coefficients";
    static constexpr const char* PROBE_COEFFICIENTS_SUFFIX = "_probe_coefficients.txt";

signals:
    void ejectUSBDrive();

private slots:
    void onCheckedChanged(bool pChecked);

private:
    void showDownloadList(const QString& pSubMenuCaption,
                          zelk::vector<std::unique_ptr<TDownloadListItem>>& pDownloadItems, bool pDeletePossible);
    void makePageVisible(QWidget* pPage);
    void uncheckGroup();
    void cancelSubMenu();
    QString entryCaption(QZELKContainerRadioButton* pButton) const;

    void downloadScreenshots();
    void downloadCalibrationFiles();
    void downloadLogfiles();
    void downloadAllProbes();
    void downloadMeasuredProbes();
    void downloadSmartProbes();
    void importProbeCoeffs();
    void downloadInstrumentDetails();
    void downloadProbeCoeffs();
    // Writes pContent as a new time-stamped file into pSubDir of the stick
    // and tells the user the outcome.
    void storeExport(const char* pSubDir, const QString& pNameSuffix, const QByteArray& pContent);
    void showDownloadComplete();

    void copyCalibrationFiles(const zelk::vector<TDownloadListItem*>& pItems);
    void copyLogfiles(const zelk::vector<TDownloadListItem*>& pItems);
    void copyScreenshots(const zelk::vector<TDownloadListItem*>& pItems);

    ISubMenuController* mSubmenuController;
    TProbeController* mProbeController;
    TChannelController* mChannelController;
    const TCalibrationFileStore* mCalibrationFiles;
    const QString& mLogFileDir;
    TChannelViewControllerManager* mChannelViewControllerManager;
    std::unique_ptr<TDownloadListController> mDownloadListController;
    TLogfileHooks mLogfileHooks;
    std::unique_ptr<TItemButtonList> mProbeCoeffImportEntryList;
    QLabel* mLblDownloadListCaption;
    QWidget* mPageDownloadList;
    QWidget* mPageDownloadListMain;
    QWidget* mPageDownload;
    QWidget* mPageItemButtonList;
    QWidget* mItemButtonListParent;
    QZELKContainerRadioButton* mBtnScreenshots;
    QZELKContainerRadioButton* mBtnCalFiles;
    QZELKContainerRadioButton* mBtnLogfiles;
    QZELKContainerRadioButton* mBtnAllProbes;
    QZELKContainerRadioButton* mBtnMeasProbes;
    QZELKContainerRadioButton* mBtnSmartProbes;
    QZELKContainerRadioButton* mBtnImportProbeCoeffs;
    QZELKContainerRadioButton* mBtnInstrumentDetails;
    QZELKContainerRadioButton* mBtnDownloadProbeCoeffs;
    QZELKContainerRadioButton* mBtnEject;
};
