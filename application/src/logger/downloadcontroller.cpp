#include "downloadcontroller.h"

#include "calibrationfilestore.h"
#include "calibrationroutine.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelviewcontrollermanager.h"
#include "channelviewcontrollers.h"
#include "deviceroot.h"
#include "downloadprogressdialog.h"
#include "filesystemsync.h"
#include "instrumentinfo.h"
#include "itembuttonlist.h"
#include "messagedialog.h"
#include "newestfiles.h"
#include "probe.h"
#include "probecontroller.h"
#include "refreshdialog.h"
#include "screenshotcontroller.h"
#include "submenucontroller.h"
#include "tamarindclock.h"
#include "usbstickcontroller.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStackedWidget>
#include <QTextStream>

#include <map>

namespace
{

TAbstractUSBStickController* stick()
{
    return TUSBStickControllerProvider::getUSBStickController();
}

// Host path of a sub-directory of the instrument's directory on the stick.
QString directoryOnStick(const char* pSubDir)
{
    return TDeviceRoot::path(stick()->mountPoint() + QLatin1Char('/') + stick()->baseDir() + QLatin1Char('/') +
                             QLatin1String(pSubDir));
}

// The files of a device directory as a list page shows them: newest first,
// as many as the logger's list page holds.
QFileInfoList newestFirst(const QString& pDeviceDir, const QStringList& pNameFilters, QDir::Filters pFilters)
{
    return TNewestFiles::list(TDeviceRoot::path(pDeviceDir), pNameFilters, pFilters, TNewestFiles::MAX_LISTED_FILES);
}

// The time stamp of now followed by pNameSuffix. Two exports within one
// millisecond would share it and the second would replace the first; the next
// free millisecond names it instead.
QString unusedExportName(const char* pSubDir, const QString& pNameSuffix)
{
    QDateTime stamp = QDateTime::currentDateTime();
    QString name;
    do {
        name = TTamarindClock::instance().getDateTimeFileName(stamp) + pNameSuffix;
        stamp = stamp.addMSecs(1);
    } while (QFileInfo::exists(directoryOnStick(pSubDir) + QLatin1Char('/') + name));
    return name;
}

QByteArray encoded(const QStringList& pLines, const char* pCodec, const QString& pLineEnd)
{
    QByteArray buffer;
    QTextStream stream(&buffer, QIODevice::WriteOnly);
    stream.setCodec(pCodec);
    stream.setGenerateByteOrderMark(true);
    for (const QString& line : pLines)
        stream << line << pLineEnd;
    stream.flush();
    return buffer;
}

} // namespace

TDownloadController::TDownloadController(
    ISubMenuController* pSubmenuController, TProbeController* pProbeController, TChannelController* pChannelController,
    const TCalibrationFileStore* pCalibrationFiles, const QString& pLogFileDir,
    TChannelViewControllerManager* pChannelViewControllerManager, TLogfileHooks pLogfileHooks,
    QLabel* pLblDownloadListCaption, QWidget* pPageDownloadList, QWidget* pPageDownloadListMain, QWidget* pPageDownload,
    QWidget* pPageItemButtonList, QWidget* pItemButtonListParent, QWidget* pScrollAreaDownloadList,
    QZELKDialogButton* pBtnDownload_SelectAll, QZELKDialogButton* pBtnDownload_DeselectAll,
    QZELKDialogButton* pBtnDownload_Download, QZELKDialogButton* pBtnDownload_Delete,
    QZELKContainerRadioButton* pBtnScreenshots, QZELKContainerRadioButton* pBtnCalFiles,
    QZELKContainerRadioButton* pBtnLogfiles, QZELKContainerRadioButton* pBtnAllProbes,
    QZELKContainerRadioButton* pBtnMeasProbes, QZELKContainerRadioButton* pBtnSmartProbes,
    QZELKContainerRadioButton* pBtnImportProbeCoeffs, QZELKContainerRadioButton* pBtnInstrumentDetails,
    QZELKContainerRadioButton* pBtnDownloadProbeCoeffs, QZELKContainerRadioButton* pBtnEject)
    : mSubmenuController(pSubmenuController)
    , mProbeController(pProbeController)
    , mChannelController(pChannelController)
    , mCalibrationFiles(pCalibrationFiles)
    , mLogFileDir(pLogFileDir)
    , mChannelViewControllerManager(pChannelViewControllerManager)
    , mDownloadListController(std::make_unique<TDownloadListController>(
          this, pScrollAreaDownloadList, pBtnDownload_SelectAll, pBtnDownload_DeselectAll, pBtnDownload_Download,
          pBtnDownload_Delete))
    , mLogfileHooks(std::move(pLogfileHooks))
    , mLblDownloadListCaption(pLblDownloadListCaption)
    , mPageDownloadList(pPageDownloadList)
    , mPageDownloadListMain(pPageDownloadListMain)
    , mPageDownload(pPageDownload)
    , mPageItemButtonList(pPageItemButtonList)
    , mItemButtonListParent(pItemButtonListParent)
    , mBtnScreenshots(pBtnScreenshots)
    , mBtnCalFiles(pBtnCalFiles)
    , mBtnLogfiles(pBtnLogfiles)
    , mBtnAllProbes(pBtnAllProbes)
    , mBtnMeasProbes(pBtnMeasProbes)
    , mBtnSmartProbes(pBtnSmartProbes)
    , mBtnImportProbeCoeffs(pBtnImportProbeCoeffs)
    , mBtnInstrumentDetails(pBtnInstrumentDetails)
    , mBtnDownloadProbeCoeffs(pBtnDownloadProbeCoeffs)
    , mBtnEject(pBtnEject)
{
    for (auto* button : {mBtnScreenshots, mBtnCalFiles, mBtnLogfiles, mBtnAllProbes, mBtnMeasProbes, mBtnSmartProbes,
                         mBtnImportProbeCoeffs, mBtnInstrumentDetails, mBtnDownloadProbeCoeffs, mBtnEject})
        connect(button, &QZELKContainerRadioButton::checkedChanged, this, &TDownloadController::onCheckedChanged);
}

TDownloadController::~TDownloadController()
{
    mProbeCoeffImportEntryList.reset();
    mDownloadListController.reset();
}

void TDownloadController::onCheckedChanged(bool pChecked)
{
    // Unchecking the group reports every entry as unchecked; that starts nothing.
    auto* button = qobject_cast<QZELKContainerRadioButton*>(sender());
    if (!button || !pChecked)
        return;
    cancelSubMenu();
    if (button == mBtnScreenshots)
        downloadScreenshots();
    else if (button == mBtnCalFiles)
        downloadCalibrationFiles();
    else if (button == mBtnLogfiles)
        downloadLogfiles();
    else if (button == mBtnAllProbes)
        downloadAllProbes();
    else if (button == mBtnMeasProbes)
        downloadMeasuredProbes();
    else if (button == mBtnSmartProbes)
        downloadSmartProbes();
    else if (button == mBtnImportProbeCoeffs)
        importProbeCoeffs();
    else if (button == mBtnEject) {
        uncheckGroup();
        emit ejectUSBDrive();
    } else if (button == mBtnInstrumentDetails)
        downloadInstrumentDetails();
    else if (button == mBtnDownloadProbeCoeffs)
        downloadProbeCoeffs();
}

void TDownloadController::returnToMainMenuClicked()
{
    uncheckGroup();
    makePageVisible(mPageDownload);
}

bool TDownloadController::cancelClicked()
{
    return true;
}

bool TDownloadController::storeClicked()
{
    return true;
}

// --- the three file lists -------------------------------------------------------------------

void TDownloadController::downloadScreenshots()
{
    zelk::vector<std::unique_ptr<TDownloadListItem>> items;
    const auto files = newestFirst(TScreenshotController::instance().screenshotDir(), {QStringLiteral("*.png")},
                                   QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QFileInfo& file : files) {
        QString caption = file.fileName();
        caption.remove(QStringLiteral("Screenshot_")).remove(QStringLiteral(".png"));
        items.push_back(std::make_unique<TDownloadListItem>(caption, file.fileName(), nullptr));
    }
    showDownloadList(entryCaption(mBtnScreenshots), items, true);
}

void TDownloadController::downloadLogfiles()
{
    zelk::vector<std::unique_ptr<TDownloadListItem>> items;
    for (const QFileInfo& file : newestFirst(mLogFileDir, {}, QDir::Files))
        items.push_back(std::make_unique<TDownloadListItem>(file.fileName(), file.fileName(), nullptr));
    showDownloadList(entryCaption(mBtnLogfiles), items, true);
}

void TDownloadController::downloadCalibrationFiles()
{
    zelk::vector<std::unique_ptr<TDownloadListItem>> items;
    if (mCalibrationFiles) {
        for (const QString& name : mCalibrationFiles->storedCalFiles(TNewestFiles::MAX_LISTED_FILES))
            items.push_back(std::make_unique<TDownloadListItem>(name, name + QStringLiteral(".xml"), nullptr));
    }
    showDownloadList(entryCaption(mBtnCalFiles), items, false);
}

void TDownloadController::showDownloadList(const QString& pSubMenuCaption,
                                           zelk::vector<std::unique_ptr<TDownloadListItem>>& pDownloadItems,
                                           bool pDeletePossible)
{
    if (pDownloadItems.empty()) {
        makePageVisible(mPageDownload);
        uncheckGroup();
        TMessageDialog().showInfo(tr("There are no files available for downloading."));
        return;
    }
    mLblDownloadListCaption->setText(pSubMenuCaption);
    mDownloadListController->setAndOwnItems(pDownloadItems, pDeletePossible);
    mSubmenuController->showSubMenu(pSubMenuCaption, mPageDownloadList, this, smtViewer);
    makePageVisible(mPageDownloadListMain);
}

void TDownloadController::downloadItems(const zelk::vector<TDownloadListItem*>& pItems)
{
    QZELKContainerRadioButton* kind = mBtnScreenshots->isChecked() ? mBtnScreenshots
                                      : mBtnCalFiles->isChecked()  ? mBtnCalFiles
                                      : mBtnLogfiles->isChecked()  ? mBtnLogfiles
                                                                   : nullptr;
    if (!kind)
        return;
    if (!stick() || !stick()->isUSBStickConnected()) {
        TMessageDialog().showInfo(tr("No USB stick connected!"));
        return;
    }
    if (kind == mBtnScreenshots)
        copyScreenshots(pItems);
    else if (kind == mBtnCalFiles)
        copyCalibrationFiles(pItems);
    else
        copyLogfiles(pItems);
}

void TDownloadController::copyScreenshots(const zelk::vector<TDownloadListItem*>& pItems)
{
    zelk::vector<QString> names;
    for (auto* item : pItems)
        names.push_back(item->contentString());
    stick()->copyFiles(TScreenshotController::instance().screenshotDir(), QLatin1String(SCREENSHOT_DIRECTORY), names);
}

void TDownloadController::copyCalibrationFiles(const zelk::vector<TDownloadListItem*>& pItems)
{
    zelk::vector<QString> names;
    for (auto* item : pItems) {
        names.push_back(item->contentString());
        // A result whose routine cannot be rebuilt still has its XML copied.
        const auto routine = mCalibrationFiles->createCalRoutineFromName(item->caption());
        // The lines carry their own line ends. A table that cannot be
        // written ends the download as a failed copy would, lest the
        // completion shown after the copies claim it.
        if (routine &&
            !stick()->storeFile(QLatin1String(CALIBRATION_DIRECTORY), item->caption() + QStringLiteral(".csv"),
                                encoded(routine->toCSV(*mChannelController), "UTF-16", QString()))) {
            stick()->reportCopyFailure();
            return;
        }
    }
    stick()->copyFiles(mCalibrationFiles->storedRoutinesDir(), QLatin1String(CALIBRATION_DIRECTORY), names);
}

void TDownloadController::copyLogfiles(const zelk::vector<TDownloadListItem*>& pItems)
{
    std::map<QString, QString> names;
    for (auto* item : pItems)
        names[item->contentString()] = item->contentString() + QStringLiteral(".log");
    stick()->copyFiles(mLogFileDir, QLatin1String(LOGFILE_DIRECTORY), names, true, false);
}

void TDownloadController::deleteItems(const zelk::vector<TDownloadListItem*>& pItems)
{
    if (mBtnScreenshots->isChecked()) {
        const QString dir = TDeviceRoot::path(TScreenshotController::instance().screenshotDir());
        for (auto* item : pItems)
            QFile::remove(dir + QLatin1Char('/') + item->contentString());
    } else if (mBtnLogfiles->isChecked()) {
        // The file the logger is writing stays: removing it would end the
        // run with a write error and lose its data.
        const QString inUse = mLogfileHooks.mFileInUse ? mLogfileHooks.mFileInUse() : QString();
        for (auto* item : pItems) {
            const QString path = mLogFileDir + QLatin1Char('/') + item->contentString();
            if (!inUse.isEmpty() && QFileInfo(TDeviceRoot::path(inUse)) == QFileInfo(TDeviceRoot::path(path)))
                continue;
            QFile::remove(TDeviceRoot::path(path));
        }
        if (mLogfileHooks.mRefreshLogfileList)
            mLogfileHooks.mRefreshLogfileList();
    }
}

// --- probe data -----------------------------------------------------------------------------

void TDownloadController::downloadAllProbes()
{
    cancelSubMenu();
    if (mProbeController->downloadCustomProbeInfo())
        showDownloadComplete();
    uncheckGroup();
}

void TDownloadController::downloadMeasuredProbes()
{
    cancelSubMenu();
    TAbstractChannelViewController* view = mChannelViewControllerManager->currentViewController();
    if (view) {
        zelk::vector<TAbstractChannel*> channels;
        view->channels(channels);
        zelk::vector<TAbstractProbe*> probes;
        for (TAbstractChannel* channel : channels) {
            if (channel)
                channel->usedProbes(probes, mChannelController, true);
        }
        if (probes.empty())
            TMessageDialog().showInfo(tr("The currently measured channels do not have any custom probes assigned."));
        else if (mProbeController->downloadProbeInfo(probes, QStringLiteral("measured_probes")))
            showDownloadComplete();
    }
    uncheckGroup();
}

void TDownloadController::downloadSmartProbes()
{
    cancelSubMenu();
    zelk::vector<TPRTChannel*> channels;
    {
        TRefreshDialog notice;
        notice.showDialog(tr("Loading SMART probes..."));
        // Once, so that the notice is drawn before the board is read.
        QCoreApplication::processEvents();
        channels = mChannelController->updateSmartProbeStatus();
    }
    zelk::vector<TAbstractProbe*> probes;
    for (TPRTChannel* channel : channels) {
        if (channel && channel->smartProbe())
            probes.push_back(channel->smartProbe());
    }
    if (probes.empty())
        TMessageDialog().showInfo(tr("There are currently no SMART probes connected to the instrument."));
    else if (mProbeController->downloadProbeInfo(probes, QStringLiteral("SMART_probes")))
        showDownloadComplete();
    uncheckGroup();
}

// --- instrument details and coefficient table ----------------------------------------------

void TDownloadController::downloadInstrumentDetails()
{
    cancelSubMenu();
    const QString text = TInstrumentInfo::instance()->instrumentInfoAsText(*mChannelController);
    // The text carries its own line ends.
    storeExport(INSTRUMENT_DETAILS_DIRECTORY, QStringLiteral("_instrument_details.txt"),
                encoded({text}, "UTF-8", QString()));
    uncheckGroup();
}

void TDownloadController::downloadProbeCoeffs()
{
    cancelSubMenu();
    storeExport(PROBE_COEFFICIENTS_DIRECTORY, QLatin1String(PROBE_COEFFICIENTS_SUFFIX),
                encoded(mProbeController->generateProbeCoefficientCSVList(), "UTF-16", QStringLiteral("\r\n")));
    uncheckGroup();
}

void TDownloadController::storeExport(const char* pSubDir, const QString& pNameSuffix, const QByteArray& pContent)
{
    // Without a stick the mount point is a plain directory of the instrument:
    // the file would land there while the user is told it is on the stick. The
    // file appears on the stick only once complete, so a full or pulled stick
    // leaves no truncated file behind.
    if (!stick() || !stick()->isUSBStickConnected() ||
        !stick()->storeFile(QLatin1String(pSubDir), unusedExportName(pSubDir, pNameSuffix), pContent)) {
        TMessageDialog().showError(tr("Error while creating file on USB device."));
        return;
    }
    showDownloadComplete();
}

void TDownloadController::showDownloadComplete()
{
    TDownloadProgressDialog().showDownloadComplete();
}

// --- coefficient import --------------------------------------------------------------------

void TDownloadController::importProbeCoeffs()
{
    cancelSubMenu();
    const QString suffix = QLatin1String(PROBE_COEFFICIENTS_SUFFIX);
    const QString dirPath = directoryOnStick(PROBE_COEFFICIENTS_DIRECTORY);
    zelk::vector<std::unique_ptr<TItemButtonListEntry>> entries;
    QDir dir(dirPath);
    // The stick is foreign ground: only plain files named as the export names
    // them are offered, no links that could lead into the instrument.
    const auto files = dir.exists() ? dir.entryInfoList({QStringLiteral("*") + suffix},
                                                        QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDir::Unsorted)
                                    : QFileInfoList();
    for (const QFileInfo& file : files) {
        const QString stamp = file.fileName().left(file.fileName().size() - suffix.size());
        if (!file.isFile() || file.isSymLink() || !TTamarindClock::instance().isValidDateFilename(stamp))
            continue;
        entries.push_back(std::make_unique<TItemButtonListEntry>(stamp, dirPath + QLatin1Char('/') + file.fileName()));
    }
    if (entries.empty()) {
        TMessageDialog().showError(tr("No files containing probe coefficients found."));
        uncheckGroup();
        return;
    }
    mProbeCoeffImportEntryList.reset();
    mProbeCoeffImportEntryList = std::make_unique<TItemButtonList>(mItemButtonListParent, this);
    mProbeCoeffImportEntryList->setAndOwnEntries(entries);
    const QLabel* label = mBtnImportProbeCoeffs->statusSourceLabel();
    mSubmenuController->showSubMenu(label ? label->toolTip() : QString(), mPageItemButtonList, this, smtViewer);
}

void TDownloadController::itemSelected(TItemButtonList* pButtonList, const TItemButtonListEntry& pEntry)
{
    if (pButtonList == mProbeCoeffImportEntryList.get())
        mProbeController->importProbeCoefficientsFromCSVFile(pEntry.entryInfo());
    cancelSubMenu();
    uncheckGroup();
}

// --- helpers --------------------------------------------------------------------------------

void TDownloadController::makePageVisible(QWidget* pPage)
{
    if (auto* stack = qobject_cast<QStackedWidget*>(pPage->parentWidget()))
        stack->setCurrentWidget(pPage);
}

void TDownloadController::uncheckGroup()
{
    mBtnEject->uncheckGroup();
}

void TDownloadController::cancelSubMenu()
{
    mSubmenuController->cancelSubMenu(this);
}

QString TDownloadController::entryCaption(QZELKContainerRadioButton* pButton) const
{
    const QLabel* label = pButton->statusSourceLabel();
    return label ? label->text() : QString();
}
