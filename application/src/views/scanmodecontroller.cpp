#include "scanmodecontroller.h"

#include "channel.h"
#include "channelcontroller.h"
#include "clickablewidgetcontroller.h"
#include "messagedialog.h"
#include "numpad.h"
#include "probe.h"
#include "submenucontroller.h"
#include "switchbox.h"
#include "tamarindsettings.h"
#include "zelkcontainercheckbutton.h"
#include "zelkdialogbutton.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpacerItem>

#include <algorithm>
#include <limits>

namespace
{
void setLabelText(QLabel* pLabel, const QString& pText)
{
    if (pLabel)
        pLabel->setText(pText);
}

// Consecutive position numbers as the scan menu summarises them: "1-3, 5, 7, 8".
QString positionRuns(QList<int> pNumbers)
{
    std::sort(pNumbers.begin(), pNumbers.end());
    QList<QList<int>> runs;
    for (int number : pNumbers) {
        if (runs.isEmpty() || number > runs.last().last() + 1)
            runs.append(QList<int>());
        runs.last().append(number);
    }
    QStringList parts;
    for (const QList<int>& run : runs) {
        if (run.size() == 1)
            parts << QString::number(run.first());
        else if (run.size() == 2)
            parts << QString::number(run.first()) << QString::number(run.last());
        else
            parts << QStringLiteral("%1-%2").arg(run.first()).arg(run.last());
    }
    return parts.join(QStringLiteral(", "));
}
} // namespace

TScanModeController::TScanModeController(
    ISubMenuController* pSubMenuController, TChannelController* pChannelController,
    std::unique_ptr<TClickableWidgetController> pScanMenuWidgetController, QWidget* pPageChanConf_ZTM8800,
    QWidget* pPageChanConf_SwitchBoxes, QWidget* pPageScanView, QWidget* pBtnZTM8800, QWidget* pBtnScannerBox1,
    QWidget* pBtnScannerBox2, QWidget* pBtnScannerBox3, QWidget* pBtnScannerBox4, QWidget* pBtnSelectPRT1,
    QWidget* pBtnSelectPRT2, QWidget* pBtnSelectTC1, QWidget* pBtnSelectTC2, QWidget* pBtnHoldTime,
    QLabel* pLblHoldTime, QLabel* pLblView, QWidget* pBtnView, QWidget* pBtnView_Scan, QWidget* pBtnView_Calibration,
    QWidget* pBtnView_Graph, QLabel* pLblChannels_ZTM8800, QLabel* pLblChannels_Module1, QLabel* pLblChannels_Module2,
    QLabel* pLblChannels_Module3, QLabel* pLblChannels_Module4, QLabel* pLblSelectSwitchBoxChannelsCaption,
    QZELKDialogButton* pBtnSelectAllSwitchBoxChannels, QZELKDialogButton* pBtnDeselectAllSwitchBoxChannels,
    QWidget* pSwitchBoxChannelSelectButtonParent)
    : mSubMenuController(pSubMenuController)
    , mChannelController(pChannelController)
    , mScanMenuWidgetController(std::move(pScanMenuWidgetController))
    , mActiveChannel(mScannedChannels.end())
    , mPageChanConf_ZTM8800(pPageChanConf_ZTM8800)
    , mPageChanConf_SwitchBoxes(pPageChanConf_SwitchBoxes)
    , mPageScanView(pPageScanView)
    , mBtnZTM8800(pBtnZTM8800)
    , mBtnScannerBox1(pBtnScannerBox1)
    , mBtnScannerBox2(pBtnScannerBox2)
    , mBtnScannerBox3(pBtnScannerBox3)
    , mBtnScannerBox4(pBtnScannerBox4)
    , mBtnHoldTime(pBtnHoldTime)
    , mLblHoldTime(pLblHoldTime)
    , mLblView(pLblView)
    , mBtnView(pBtnView)
    , mBtnView_Scan(pBtnView_Scan)
    , mBtnView_Calibration(pBtnView_Calibration)
    , mBtnView_Graph(pBtnView_Graph)
    , mLblChannels_ZTM8800(pLblChannels_ZTM8800)
    , mLblChannels_Module1(pLblChannels_Module1)
    , mLblChannels_Module2(pLblChannels_Module2)
    , mLblChannels_Module3(pLblChannels_Module3)
    , mLblChannels_Module4(pLblChannels_Module4)
    , mLblSelectSwitchBoxChannelsCaption(pLblSelectSwitchBoxChannelsCaption)
    , mSwitchBoxChannelSelectButtonParent(pSwitchBoxChannelSelectButtonParent)
{
    const std::pair<int, QWidget*> ownChannels[] = {
        {1, pBtnSelectPRT1}, {2, pBtnSelectPRT2}, {3, pBtnSelectTC1}, {4, pBtnSelectTC2}};
    for (const auto& own : ownChannels) {
        TPhysicalChannel* channel = mChannelController->physical_channel(own.first);
        if (!channel || !own.second)
            continue;
        mZTM8800_SelectWidgetsByChannel[channel] = own.second;
        mZTM8800_ChannelsBySelectWidget[own.second] = channel;
    }

    readSettings();

    if (mScanMenuWidgetController)
        connect(mScanMenuWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
                &TScanModeController::scanMenuButtonClick);

    mZTM8800_WidgetController = std::make_unique<TClickableWidgetController>();
    connect(mZTM8800_WidgetController.get(), &TClickableWidgetController::widgetActivated, this,
            &TScanModeController::widget_activated);
    short group = 1;
    for (QWidget* button : {pBtnSelectPRT1, pBtnSelectPRT2, pBtnSelectTC1, pBtnSelectTC2}) {
        if (button)
            mZTM8800_WidgetController->addWidget(group, button, nullptr, true);
        ++group;
    }

    mViewSelect_WidgetController = std::make_unique<TClickableWidgetController>();
    connect(mViewSelect_WidgetController.get(), &TClickableWidgetController::widgetActivated, this,
            &TScanModeController::widget_activated);
    connect(mViewSelect_WidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
            &TScanModeController::onScanViewSelectionButtonClick);
    for (QWidget* button : {mBtnView_Scan, mBtnView_Calibration, mBtnView_Graph}) {
        if (button)
            mViewSelect_WidgetController->addWidget(0, button, nullptr, false);
    }

    // The boxes are listed in port order without gaps: with boxes on ports 1
    // and 3 the second button leads to the box on port 3.
    QWidget* boxButtons[] = {mBtnScannerBox1, mBtnScannerBox2, mBtnScannerBox3, mBtnScannerBox4};
    for (unsigned int index = 0; index < 4; ++index) {
        if (boxButtons[index])
            boxButtons[index]->setVisible(mChannelController->switchBox(index) != nullptr);
    }

    if (pBtnSelectAllSwitchBoxChannels)
        connect(pBtnSelectAllSwitchBoxChannels, &QZELKDialogButton::clicked, this,
                &TScanModeController::onSwitchBoxChannels_SelectAll);
    if (pBtnDeselectAllSwitchBoxChannels)
        connect(pBtnDeselectAllSwitchBoxChannels, &QZELKDialogButton::clicked, this,
                &TScanModeController::onSwitchBoxChannels_DeselectAll);
}

TScanModeController::~TScanModeController() = default;

// Stored numbers that name no channel now (a box that is not fitted any more)
// are left out but stay in the settings until the list is stored again.
void TScanModeController::readSettings()
{
    const TTamarindSettings& settings = TTamarindSettings::instance();
    const QString channelsText = settings.value(mSectionName, mSettings_channels, QString());
    TChannelList channels;
    if (!channelsText.isEmpty()) {
        for (const QString& number : channelsText.split(QLatin1Char(','))) {
            if (TPhysicalChannel* channel = mChannelController->physical_channel(number.toInt()))
                channels << channel;
        }
    }
    setChannelConfiguration(channels);

    setChannelSwitchInterval(
        settings.value(mSectionName, mSettings_holdtime, QString::number(DEFAULT_INTERVAL)).toInt());
    updateGUI_HoldTime();

    // A stored view outside the three is kept as it is: no view button is then marked.
    mView = EnScanView(quint8(settings.value(mSectionName, mSettings_view, QStringLiteral("1")).toInt()));
    updateGUI_View();

    mActiveChannel = mScannedChannels.begin();
}

// --- engine --------------------------------------------------------------------

void TScanModeController::setChannelSwitchInterval(int pSeconds)
{
    pauseScanMode();
    // In 64 bits: a stored hold time of weeks would not fit an int in
    // milliseconds; such a value is taken as the longest hold time offered.
    // The lower bound too is applied before narrowing, or weeks below zero
    // would wrap round to weeks above it.
    const qint64 milliseconds = qint64(pSeconds) * 1000;
    if (milliseconds > std::numeric_limits<int>::max())
        mIntervalMilliseconds = MAX_INTERVAL * 1000;
    else
        mIntervalMilliseconds = int(std::max<qint64>(milliseconds, MIN_INTERVAL_MILLISECONDS));
    resumeScanMode();
}

void TScanModeController::setChannelConfiguration(const TChannelList& pScannedChannels)
{
    if (mScanModeActive) {
        pauseScanMode();
        setRecordingGraphValues(false);
    }
    mScannedChannels = pScannedChannels;
    std::sort(mScannedChannels.begin(), mScannedChannels.end(),
              [](const TAbstractChannel* pLeft, const TAbstractChannel* pRight) {
                  return pLeft->internalChannelNumber() < pRight->internalChannelNumber();
              });
    if (mScanModeActive)
        setRecordingGraphValues(true);
    mActiveChannel = mScannedChannels.begin();
    broadcastConfiguration();
    updateGUI_SelectedChannels();
    resumeScanMode();
}

TAbstractChannel* TScanModeController::activeChannel() const
{
    return mActiveChannel == mScannedChannels.end() ? nullptr : *mActiveChannel;
}

bool TScanModeController::isScanPossible() const
{
    return mIntervalMilliseconds > 0 && mScannedChannels.size() >= 2;
}

void TScanModeController::setRecordingGraphValues(bool pRecording)
{
    for (TAbstractChannel* channel : mScannedChannels) {
        if (pRecording)
            channel->startRecordingGraphValues();
        else
            channel->stopRecordingGraphValues();
    }
}

// The board may measure another channel already (the caller of a pause, or the
// channel a user picked before the start): only then is it told.
void TScanModeController::measureActiveChannel()
{
    TAbstractChannel* channel = activeChannel();
    if (channel != mChannelController->measuredChannel())
        mChannelController->measureShownChannel(channel);
}

bool TScanModeController::startScanMode()
{
    if (mScanModeActive)
        return true;
    setRecordingGraphValues(true);
    mActiveChannel = mScannedChannels.begin();
    if (!isScanPossible())
        return false;
    mScanModePaused = false;
    mMultiplyCounter = 0;
    mScanModeActive = true;
    measureActiveChannel();
    emit channelSwitched(activeChannel());
    emit scanModeStarted();
    return true;
}

void TScanModeController::stopScanMode(TAbstractChannel* pNextChannel)
{
    setRecordingGraphValues(false);
    mActiveChannel = mScannedChannels.begin();
    mScanModeActive = false;
    mScanModePaused = false;
    mMultiplyCounter = 0;
    emit scanModeStopped();
    if (pNextChannel && pNextChannel != mChannelController->measuredChannel())
        mChannelController->measureShownChannel(pNextChannel);
}

void TScanModeController::pauseScanMode()
{
    if (mScanModeActive)
        mScanModePaused = true;
}

void TScanModeController::resumeScanMode()
{
    if (!mScanModeActive || !mScanModePaused)
        return;
    if (!activeChannel() || !isScanPossible()) {
        stopScanMode(nullptr);
        return;
    }
    measureActiveChannel();
    emit channelSwitched(activeChannel());
    mScanModePaused = false;
    mMultiplyCounter = 0;
}

void TScanModeController::replaceChannel(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel)
{
    const auto oldPosition = std::find(mScannedChannels.begin(), mScannedChannels.end(), pOldChannel);
    TAbstractChannel* active = activeChannel();
    if (oldPosition == mScannedChannels.end() || !active)
        return;
    pauseScanMode();
    if (active == pOldChannel)
        active = pNewChannel;
    *oldPosition = pNewChannel;
    mActiveChannel = std::find(mScannedChannels.begin(), mScannedChannels.end(), active);
    persistScanConfiguration(mScannedChannels);
    updateGUI_SelectedChannels();
    pOldChannel->stopRecordingGraphValues();
    setRecordingGraphValues(true);
    resumeScanMode();
    emit channelReplaced(pOldChannel, pNewChannel);
}

void TScanModeController::broadcastConfiguration()
{
    emit channelConfigurationChanged(mScannedChannels, activeChannel());
}

// A SMART probe in use speaks for its channel alone, whatever probe is assigned there.
TPhysicalChannel* TScanModeController::referenceChannel() const
{
    for (TAbstractChannel* channel : mScannedChannels) {
        auto* physical = qobject_cast<TPhysicalChannel*>(channel);
        if (!physical)
            continue;
        if (physical->channelProbeStatus().isSmartProbeConnectedAndEnabled()) {
            auto* prt = qobject_cast<TPRTChannel*>(physical);
            if (prt && prt->smartProbe() && prt->smartProbe()->isReference())
                return physical;
        } else if (physical->assignedProbe() && physical->assignedProbe()->isReference()) {
            return physical;
        }
    }
    return nullptr;
}

void TScanModeController::factoryReset(TAbstractChannel* pChannelToMeasure)
{
    stopScanMode(pChannelToMeasure);
    setChannelSwitchInterval(DEFAULT_INTERVAL);
    setChannelConfiguration({});
    mView = EnScanView::svScan;
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, mSettings_holdtime, QString::number(DEFAULT_INTERVAL));
    settings.store();
    settings.setValue(mSectionName, mSettings_channels, QString());
    settings.store();
    settings.setValue(mSectionName, mSettings_view, QString::number(int(EnScanView::svScan)));
    settings.store();
    updateGUI_HoldTime();
    updateGUI_SelectedChannels();
    updateGUI_View();
}

// A poll with no interval cannot be counted against the hold time; it is passed over.
void TScanModeController::afterMeasBoardPolled(int pIntervalMilliseconds)
{
    if (pIntervalMilliseconds <= 0)
        return;
    if (!mScanModeActive || mScanModePaused || mScannedChannels.size() < 2 || !activeChannel())
        return;
    ++mMultiplyCounter;
    if (mMultiplyCounter < mIntervalMilliseconds / pIntervalMilliseconds)
        return;
    mMultiplyCounter = 0;
    if (++mActiveChannel == mScannedChannels.end())
        mActiveChannel = mScannedChannels.begin();
    mChannelController->measureShownChannel(activeChannel());
    emit channelSwitched(activeChannel());
}

void TScanModeController::persistScanConfiguration(const TChannelList& pChannels)
{
    QStringList numbers;
    for (const TAbstractChannel* channel : pChannels)
        numbers << QString::number(channel->internalChannelNumber());
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, mSettings_channels, numbers.join(QLatin1Char(',')));
    settings.store();
}

void TScanModeController::storeHoldTime(int pSeconds)
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, mSettings_holdtime, QString::number(pSeconds));
    settings.store();
}

void TScanModeController::storeView()
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mSectionName, mSettings_view, QString::number(int(mView)));
    settings.store();
}

// --- scan menu and setup pages ----------------------------------------------------

void TScanModeController::returnToMainMenuClicked()
{
    if (mScanMenuWidgetController)
        mScanMenuWidgetController->deactivateAll();
}

bool TScanModeController::cancelClicked()
{
    if (mScanMenuWidgetController)
        mScanMenuWidgetController->deactivateAll();
    return true;
}

int TScanModeController::switchBoxIndexOfMenuButton(const QWidget* pButton) const
{
    const QWidget* boxButtons[] = {mBtnScannerBox1, mBtnScannerBox2, mBtnScannerBox3, mBtnScannerBox4};
    for (int index = 0; index < 4; ++index) {
        if (pButton && boxButtons[index] == pButton)
            return index;
    }
    return -1;
}

void TScanModeController::scanMenuButtonClick(QWidget* pButton)
{
    QString caption;
    if (QLabel* label = mScanMenuWidgetController->getLabelFromWidget(pButton))
        caption = label->toolTip().isEmpty() ? label->text() : label->toolTip();

    const int boxIndex = switchBoxIndexOfMenuButton(pButton);
    if (pButton == mBtnZTM8800) {
        showOwnChannelPage(caption);
    } else if (boxIndex >= 0) {
        setSwitchBoxSelectionButtons(mChannelController->switchBox(boxIndex));
        mSubMenuController->showSubMenu(caption, mPageChanConf_SwitchBoxes, this, smtEditorWithMainMenuButton);
    } else if (pButton == mBtnHoldTime) {
        enterHoldTime(caption);
    } else if (pButton == mBtnView) {
        const std::pair<EnScanView, QWidget*> views[] = {{EnScanView::svScan, mBtnView_Scan},
                                                         {EnScanView::svCalibration, mBtnView_Calibration},
                                                         {EnScanView::svGraph, mBtnView_Graph}};
        for (const auto& view : views) {
            if (view.first == mView)
                mViewSelect_WidgetController->activateWidget(view.second);
        }
        mSubMenuController->showSubMenu(caption, mPageScanView, this, smtViewer);
    }
}

// A scanned channel whose probe was taken away keeps its (hidden) selection,
// so that saving the page does not drop it from the list.
void TScanModeController::showOwnChannelPage(const QString& pCaption)
{
    for (const auto& entry : mZTM8800_SelectWidgetsByChannel)
        entry.second->setVisible(entry.first->distinctPhysicalChannel()->assignedProbe() != nullptr);
    mZTM8800_WidgetController->deactivateAll();
    for (TAbstractChannel* channel : mScannedChannels) {
        const auto button = mZTM8800_SelectWidgetsByChannel.find(qobject_cast<TPhysicalChannel*>(channel));
        if (button != mZTM8800_SelectWidgetsByChannel.end())
            mZTM8800_WidgetController->activateWidget(button->second);
    }
    mSubMenuController->showSubMenu(pCaption, mPageChanConf_ZTM8800, this, smtEditorWithMainMenuButton);
}

void TScanModeController::setSwitchBoxSelectionButtons(TAbstractSwitchBox* pSwitchBox)
{
    QSpacerItem* spacer = clearSwitchBoxChannelSelectButtons();
    auto* grid = mSwitchBoxChannelSelectButtonParent
                     ? qobject_cast<QGridLayout*>(mSwitchBoxChannelSelectButtonParent->layout())
                     : nullptr;
    if (!grid || !pSwitchBox) {
        // The page stays empty; its spacer is kept for the next box.
        if (grid && spacer)
            grid->addItem(spacer, grid->rowCount(), 0, 1, 1);
        return;
    }
    setLabelText(
        mLblSelectSwitchBoxChannelsCaption,
        tr("Configuration for scanner box %1 (%2)").arg(pSwitchBox->switchBoxNumber()).arg(pSwitchBox->serialNumber()));
    const zelk::vector<TPhysicalChannel*>& channels = pSwitchBox->channels();
    for (int index = 0; index < int(channels.size()); ++index) {
        TPhysicalChannel* channel = channels[index];
        if (!channel)
            continue;
        auto* button = new QZELKContainerCheckButton(mSwitchBoxChannelSelectButtonParent);
        button->setBorderRadius(6);
        grid->addWidget(button, index / 2, index % 2, 1, 1);
        mSwitchBox_ChannelNumberBySelectWidget[button] = channel->internalChannelNumber();
        button->label()->setText(channel->channelCaption());
        button->label()->setAlignment(Qt::AlignCenter);
        button->setChecked(mScannedChannels.contains(channel));
    }
    if (spacer)
        grid->addItem(spacer, grid->rowCount(), 0, 1, 1);
    for (QWidget* ancestor = mSwitchBoxChannelSelectButtonParent->parentWidget(); ancestor;
         ancestor = ancestor->parentWidget()) {
        if (auto* scrollArea = qobject_cast<QScrollArea*>(ancestor)) {
            scrollArea->verticalScrollBar()->setValue(0);
            break;
        }
    }
}

// The spacer that keeps the buttons at the top is handed back, to go below the next ones.
QSpacerItem* TScanModeController::clearSwitchBoxChannelSelectButtons()
{
    QSpacerItem* spacer = nullptr;
    auto* grid = mSwitchBoxChannelSelectButtonParent
                     ? qobject_cast<QGridLayout*>(mSwitchBoxChannelSelectButtonParent->layout())
                     : nullptr;
    if (grid) {
        while (QLayoutItem* item = grid->takeAt(0)) {
            if (!spacer && item->spacerItem()) {
                spacer = item->spacerItem();
                continue;
            }
            delete item->widget();
            delete item;
        }
    }
    mSwitchBox_ChannelNumberBySelectWidget.clear();
    return spacer;
}

void TScanModeController::onSwitchBoxChannels_SelectAll()
{
    switchBoxChannelsSetAllSelected(true);
}

void TScanModeController::onSwitchBoxChannels_DeselectAll()
{
    switchBoxChannelsSetAllSelected(false);
}

void TScanModeController::switchBoxChannelsSetAllSelected(bool pSelected)
{
    if (!mSwitchBoxChannelSelectButtonParent)
        return;
    for (auto* button : mSwitchBoxChannelSelectButtonParent->findChildren<QZELKContainerCheckButton*>())
        button->setChecked(pSelected);
}

// The previous list keeps its order without the deselected channels; newly
// selected ones follow. Channels the saved page does not show stay as they are.
bool TScanModeController::storeClicked()
{
    TChannelList channels = mScannedChannels;
    QWidget* openPage = mScanMenuWidgetController ? mScanMenuWidgetController->activeWidget() : nullptr;
    const int boxIndex = switchBoxIndexOfMenuButton(openPage);
    if (openPage && openPage == mBtnZTM8800)
        applyOwnChannelSelection(channels);
    else if (boxIndex >= 0)
        applySwitchBoxSelection(mChannelController->switchBox(boxIndex), channels);

    if (mScanModeActive && channels.size() < 2) {
        TMessageDialog().showError(tr("The channel configuration must at least contain two channels!"));
        return false;
    }
    persistScanConfiguration(channels);
    setChannelConfiguration(channels);
    if (mScanMenuWidgetController)
        mScanMenuWidgetController->deactivateAll();
    return true;
}

namespace
{
void setSelected(zelk::vector<TAbstractChannel*>& ioChannels, TAbstractChannel* pChannel, bool pSelected)
{
    if (pSelected && !ioChannels.contains(pChannel))
        ioChannels << pChannel;
    else if (!pSelected)
        ioChannels.erase_item(pChannel);
}
} // namespace

// Newly selected channels are appended in the order of their numbers, not
// in the order the buttons happen to have in memory.
void TScanModeController::applyOwnChannelSelection(TChannelList& ioChannels) const
{
    std::map<int, std::pair<TPhysicalChannel*, bool>> selection;
    for (const auto& entry : mZTM8800_ChannelsBySelectWidget)
        selection[entry.second->internalChannelNumber()] = {entry.second,
                                                            mZTM8800_WidgetController->isWidgetActive(entry.first)};
    for (const auto& entry : selection)
        setSelected(ioChannels, entry.second.first, entry.second.second);
}

// Only positions of that box count: the buttons may outlive a box that went.
void TScanModeController::applySwitchBoxSelection(TAbstractSwitchBox* pSwitchBox, TChannelList& ioChannels) const
{
    if (!pSwitchBox)
        return;
    std::map<int, bool> selection;
    for (const auto& entry : mSwitchBox_ChannelNumberBySelectWidget)
        selection[entry.second] = entry.first->isChecked();
    for (const auto& entry : selection) {
        TPhysicalChannel* channel = mChannelController->physical_channel(entry.first);
        if (channel && pSwitchBox->channels().contains(channel))
            setSelected(ioChannels, channel, entry.second);
    }
}

void TScanModeController::onScanViewSelectionButtonClick(QWidget* pButton)
{
    const EnScanView previous = mView;
    if (pButton == mBtnView_Scan)
        mView = EnScanView::svScan;
    else if (pButton == mBtnView_Calibration)
        mView = EnScanView::svCalibration;
    else if (pButton == mBtnView_Graph)
        mView = EnScanView::svGraph;
    storeView();
    updateGUI_View();
    mSubMenuController->cancelSubMenu(this);
    if (mScanModeActive && mView != previous)
        emit scanViewChangedDuringRuntime(*this);
}

void TScanModeController::enterHoldTime(const QString& pCaption)
{
    mSubMenuController->cancelSubMenu(this);
    mSubMenuController->setSubMenuCaption(pCaption);
    QString text;
    int seconds = 0;
    if (TNumpad(nullptr).exec_int(text, seconds, MIN_INTERVAL, MAX_INTERVAL, true)) {
        storeHoldTime(seconds);
        setChannelSwitchInterval(seconds);
        updateGUI_HoldTime();
    }
    mSubMenuController->setMainMenuCaption();
    if (mScanMenuWidgetController)
        mScanMenuWidgetController->deactivateAll();
}

// Derived channels and the expansion channel are scanned but not summarised.
void TScanModeController::updateGUI_SelectedChannels()
{
    QLabel* boxLabels[] = {mLblChannels_Module1, mLblChannels_Module2, mLblChannels_Module3, mLblChannels_Module4};
    QStringList ownChannels;
    QList<int> boxPositions[4];
    for (TAbstractChannel* channel : mScannedChannels) {
        auto* physical = qobject_cast<TPhysicalChannel*>(channel);
        if (!physical)
            continue;
        if (mZTM8800_SelectWidgetsByChannel.count(physical)) {
            ownChannels << physical->channelCaption();
            continue;
        }
        for (unsigned int index = 0; index < 4; ++index) {
            const TAbstractSwitchBox* box = mChannelController->switchBox(index);
            if (box && box->channels().contains(physical)) {
                boxPositions[index] << truncateSwitchBoxNumber(physical->channelCaption());
                break;
            }
        }
    }
    setLabelText(mLblChannels_ZTM8800, ownChannels.join(QStringLiteral(", ")));
    for (int index = 0; index < 4; ++index)
        setLabelText(boxLabels[index], positionRuns(boxPositions[index]));
}

void TScanModeController::retranslate()
{
    updateGUI_HoldTime();
    updateGUI_View();
}

void TScanModeController::updateGUI_HoldTime()
{
    setLabelText(mLblHoldTime, QString::number(mIntervalMilliseconds / 1000) + tr("s", "seconds"));
}

void TScanModeController::updateGUI_View()
{
    switch (mView) {
    case EnScanView::svScan:
        setLabelText(mLblView, tr("Scan"));
        break;
    case EnScanView::svCalibration:
        setLabelText(mLblView, tr("Calibration"));
        break;
    case EnScanView::svGraph:
        setLabelText(mLblView, tr("Graph"));
        break;
    }
}

int TScanModeController::truncateSwitchBoxNumber(const QString& pChannelCaption)
{
    return pChannelCaption.mid(pChannelCaption.indexOf(QLatin1Char('.')) + 1).toInt();
}
