// The probe database and its board: loading, look-ups, assignment, storing
// with backups and deletion. The lists are in probecontroller_lists.cpp.

#include "probecontroller.h"

#include "channel.h"
#include "channelcontroller.h"
#include "clickablewidgetcontroller.h"
#include "internalscpihandler.h"
#include "messagedialog.h"
#include "probe.h"
#include "probeassignmentlistener.h"
#include "probeserializer.h"
#include "smartprobeenablingcontroller.h"
#include "tamarindsettings.h"

#include <QLabel>
#include <QLocale>

#include <algorithm>
#include <cmath>

using namespace Probe_enums;

namespace
{
// The backup's time stamp; written through the C locale so that its digits stay ASCII.
constexpr const char* BACKUP_TIMESTAMP_FORMAT = "dd.MM.yyyy hh:mm:ss";
} // namespace

TProbeController::TProbeController(ISubMenuController* pSubMenuController, TChannelController* pChannelController,
                                   TInternalSCPIHandler* pSCPIHandler,
                                   TStandardProbeSettingController* pStandardProbeSettingsController,
                                   TChannelViewControllerManager* pChannelViewControllerManager,
                                   std::unique_ptr<TClickableWidgetController> pProbeSelectWidgetController,
                                   std::unique_ptr<TClickableWidgetController> pProbeMenuWidgetController,
                                   QWidget* pPageProbeSelection, QWidget* pBtnDefaultProbe_3WPT100,
                                   QWidget* pBtnDefaultProbe_4WPT100, QWidget* pBtnDefaultProbe_4WPT25,
                                   QWidget* pBtnDefaultProbe_Thermistor, QWidget* pBtnDefaultProbe_TC,
                                   QWidget* pBtnNewProbe_PRT, QWidget* pBtnNewProbe_TC,
                                   QWidget* pBtnNewProbe_Thermistor, QWidget* pWgtFilter, QLabel* pLblFilterValue,
                                   QWidget* pBtnDelete, QWidget* pBtnListSmartProbes, QScrollArea* pScrollAreaProbeMenu,
                                   QScrollArea* pScrollAreaProbeSelect,
                                   std::unique_ptr<TProbeEditController_PRT> pProbeEditControllerPRT,
                                   std::unique_ptr<TProbeEditController_TC> pProbeEditControllerTC,
                                   std::unique_ptr<TProbeEditController_Thermistor> pProbeEditControllerThermistor,
                                   QWidget* pPageSmartProbeList, QScrollArea* pScrollAreaSmartProbeList)
    : mSCPIHandler(pSCPIHandler)
    , mChannelController(pChannelController)
    , mSubMenuController(pSubMenuController)
    , mStandardProbeSettingsController(pStandardProbeSettingsController)
    , mChannelViewControllerManager(pChannelViewControllerManager)
    , mProbeSelectWidgetController(std::move(pProbeSelectWidgetController))
    , mProbeMenuWidgetController(std::move(pProbeMenuWidgetController))
    , mPageProbeSelection(pPageProbeSelection)
    , mScrollAreaProbeMenu(pScrollAreaProbeMenu)
    , mScrollAreaProbeSelect(pScrollAreaProbeSelect)
    , mBtnNewProbe_PRT(pBtnNewProbe_PRT)
    , mBtnNewProbe_TC(pBtnNewProbe_TC)
    , mBtnNewProbe_Thermistor(pBtnNewProbe_Thermistor)
    , mBtnDefaultProbe_3WPT100(pBtnDefaultProbe_3WPT100)
    , mBtnDefaultProbe_4WPT100(pBtnDefaultProbe_4WPT100)
    , mBtnDefaultProbe_4WPT25(pBtnDefaultProbe_4WPT25)
    , mBtnDefaultProbe_Thermistor(pBtnDefaultProbe_Thermistor)
    , mBtnDefaultProbe_TC(pBtnDefaultProbe_TC)
    , mWgtFilter(pWgtFilter)
    , mLblFilterValue(pLblFilterValue)
    , mBtnDelete(pBtnDelete)
    , mBtnListSmartProbes(pBtnListSmartProbes)
    , mProbeEditControllerPRT(std::move(pProbeEditControllerPRT))
    , mProbeEditControllerTC(std::move(pProbeEditControllerTC))
    , mProbeEditControllerThermistor(std::move(pProbeEditControllerThermistor))
{
    mProbePersistance_SectionName = QStringLiteral("probe_backup");
    mProbePersistance_PropertyTimestamp = QStringLiteral("timestamp");
    mProbePersistance_PropertyProbeConfig = QStringLiteral("config");

    if (mProbeMenuWidgetController)
        connect(mProbeMenuWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
                &TProbeController::probeMenuBtnClick);
    // Shown by the selection page for the channels that take them.
    for (QWidget* button : {mBtnDefaultProbe_3WPT100, mBtnDefaultProbe_4WPT100, mBtnDefaultProbe_4WPT25,
                            mBtnDefaultProbe_Thermistor, mBtnDefaultProbe_TC}) {
        if (button)
            button->hide();
    }
    if (mProbeSelectWidgetController) {
        const auto label = [this](QWidget* pButton) {
            return pButton ? mProbeSelectWidgetController->getLabelFromWidget(pButton) : nullptr;
        };
        mLblDefaultProbe_3WPT100 = label(mBtnDefaultProbe_3WPT100);
        mLblDefaultProbe_4WPT100 = label(mBtnDefaultProbe_4WPT100);
        mLblDefaultProbe_4WPT25 = label(mBtnDefaultProbe_4WPT25);
        mLblDefaultProbe_Thermistor = label(mBtnDefaultProbe_Thermistor);
        mLblDefaultProbe_TC = label(mBtnDefaultProbe_TC);
        connect(mProbeSelectWidgetController.get(), &TClickableWidgetController::widgetMouseBtnReleased, this,
                &TProbeController::probeSelectionBtnClick);
    }
    mCoeffExportFieldDelimiter = QStringLiteral("\t");

    for (TProbeEditController* editor : {static_cast<TProbeEditController*>(mProbeEditControllerPRT.get()),
                                         static_cast<TProbeEditController*>(mProbeEditControllerTC.get()),
                                         static_cast<TProbeEditController*>(mProbeEditControllerThermistor.get())}) {
        if (!editor)
            continue;
        editor->setProbeController(this);
        connect(editor, &TProbeEditController::widgetActivated, this, &TProbeController::widgetActivated);
    }
    if (pPageSmartProbeList && pScrollAreaSmartProbeList) {
        mSmartProbeEnablingController = std::make_unique<TSmartProbeEnablingController>(
            mSubMenuController, pPageSmartProbeList, pScrollAreaSmartProbeList, mChannelController);
        connect(mSmartProbeEnablingController.get(), &TSmartProbeEnablingController::widgetActivated, this,
                &TProbeController::widgetActivated);
        connect(mSmartProbeEnablingController.get(), &TSmartProbeEnablingController::probeListClosed, this,
                &TProbeController::deactivateAllProbeButtons);
    }
}

TProbeController::~TProbeController()
{
    if (mProbeSelectWidgetController)
        mProbeSelectWidgetController->clear();
    if (mProbeMenuWidgetController)
        mProbeMenuWidgetController->clear();
    for (const auto& rows : {mCreatedProbeButtonsMenu, mCreatedCustomProbeButtonsSelection}) {
        for (const QPointer<QWidget>& row : rows)
            delete row.data();
    }
}

// --- loading ---------------------------------------------------------------------

std::unique_ptr<TAbstractProbe> TProbeController::readProbe(int pNumber, bool pDefaultProbe, bool& oFailed) const
{
    std::unique_ptr<TAbstractProbe> probe;
    oFailed = true;
    for (int attempt = 0; attempt < PROBE_READ_RETRIES && oFailed; ++attempt)
        probe = mSCPIHandler->createProbeFromInstrument(pNumber, oFailed, pDefaultProbe);
    return oFailed ? nullptr : std::move(probe);
}

TAbstractProbe* TProbeController::takeLoadedProbe(std::map<int, std::unique_ptr<TAbstractProbe>>& pMap,
                                                  std::unique_ptr<TAbstractProbe> pProbe)
{
    const int number = pProbe->internalProbeNumber();
    // Dropped before it is assigned: a channel must never keep a probe nobody owns.
    if (mCustomProbes.count(number) || mDefaultProbes.count(number))
        return nullptr;
    if (auto* thermocouple = qobject_cast<TTCProbe*>(pProbe.get())) {
        // The cold junction can only be measured on a resistance input; the
        // board keeps its record, the object measures with the internal junction.
        if (thermocouple->referenceColdJunction() == rjChannel &&
            !qobject_cast<TPRTChannel*>(mChannelController->physical_channel(thermocouple->refChannelNumber())))
            thermocouple->setInternalColdJunctionCompensation();
    }
    TAbstractProbe* probe = pProbe.get();
    pMap[number] = std::move(pProbe);
    assignProbeToChannel(probe, mChannelController->physical_channel(probe->channelNumber()), false, true);
    return probe;
}

void TProbeController::loadProbesFromDevice()
{
    bool allCustomProbesRead = true;
    for (int number = 1; number <= MAX_PROBE_NUMBER; ++number) {
        bool failed = true;
        std::unique_ptr<TAbstractProbe> probe = readProbe(number, false, failed);
        if (failed) {
            allCustomProbesRead = false;
            break;
        }
        mReadProbeNumbers.insert(number);
        if (probe)
            takeLoadedProbe(mCustomProbes, std::move(probe));
    }

    if (allCustomProbesRead) {
        for (const TDefaultProbeButton& entry : defaultProbeButtons()) {
            bool failed = true;
            std::unique_ptr<TAbstractProbe> read = readProbe(entry.mNumber, true, failed);
            if (!read)
                continue;
            TAbstractProbe* probe = takeLoadedProbe(mDefaultProbes, std::move(read));
            if (!probe || !entry.mButton)
                continue;
            mButtonByProbe_PrbSelection[probe] = entry.mButton;
            mProbeByButton_PrbSelection[entry.mButton] = probe;
            if (mProbeSelectWidgetController)
                mProbeSelectWidgetController->addWidget(entry.mButton, nullptr);
            if (entry.mLabel)
                entry.mLabel->setText(probe->probeName());
        }
    }

    assertDefaultPRTProbeKeepWarmCurrentInactive();
    mChannelController->useDefaultProbesForChannelsWithoutProbe(this);
    updateProbeListViews();
}

zelk::vector<TProbeController::TDefaultProbeButton> TProbeController::defaultProbeButtons() const
{
    return {{DEFAULT_PROBE_NR_3WPT100, mBtnDefaultProbe_3WPT100, mLblDefaultProbe_3WPT100},
            {DEFAULT_PROBE_NR_4WPT100, mBtnDefaultProbe_4WPT100, mLblDefaultProbe_4WPT100},
            {DEFAULT_PROBE_NR_4WPT25, mBtnDefaultProbe_4WPT25, mLblDefaultProbe_4WPT25},
            {DEFAULT_PROBE_NR_THERMISTOR, mBtnDefaultProbe_Thermistor, mLblDefaultProbe_Thermistor},
            {DEFAULT_PROBE_NR_TC, mBtnDefaultProbe_TC, mLblDefaultProbe_TC}};
}

// The keep-warm current of a default resistance probe would heat whatever
// sensor happens to be connected; the board is told to keep it off.
void TProbeController::assertDefaultPRTProbeKeepWarmCurrentInactive()
{
    for (int number : {DEFAULT_PROBE_NR_3WPT100, DEFAULT_PROBE_NR_4WPT100, DEFAULT_PROBE_NR_4WPT25}) {
        const auto found = mDefaultProbes.find(number);
        if (found == mDefaultProbes.end())
            continue;
        const auto* prt = qobject_cast<const TPRTProbe*>(found->second.get());
        if (prt && prt->keepWarmCurrent())
            mSCPIHandler->setPRT_KeepWarmCurrent(*prt, false);
    }
}

// --- look-ups ----------------------------------------------------------------------

TAbstractProbe* TProbeController::probeByNumber(int number) const
{
    for (const auto* map : {&mCustomProbes, &mDefaultProbes}) {
        const auto found = map->find(number);
        if (found != map->end())
            return found->second.get();
    }
    return nullptr;
}

int TProbeController::nextFreeProbeNumber() const
{
    for (int number = 1; number <= MAX_PROBE_NUMBER; ++number) {
        if (isFreeProbeNumber(number))
            return number;
    }
    return 0;
}

bool TProbeController::isFreeProbeNumber(int pNumber) const
{
    return pNumber >= 1 && pNumber <= MAX_PROBE_NUMBER && !mCustomProbes.count(pNumber) &&
           mReadProbeNumbers.count(pNumber);
}

QString TProbeController::noFreeProbeNumberText(const QString& pMemoryFull) const
{
    // A load that stopped early leaves numbers nobody knows to be free: the
    // memory may well have room, and deleting a probe would not help.
    if (int(mReadProbeNumbers.size()) < MAX_PROBE_NUMBER)
        return tr("The probe memory of the measurement board could not be read completely. No new probe can be "
                  "created until the instrument has been restarted.");
    return pMemoryFull;
}

zelk::vector<TAbstractProbe*> TProbeController::probesByName(const QString& name) const
{
    zelk::vector<TAbstractProbe*> found;
    for (const auto& entry : mCustomProbes) {
        if (entry.second->probeName() == name)
            found << entry.second.get();
    }
    return found;
}

void TProbeController::compatibleProbes(TPhysicalChannel* channel, zelk::vector<TAbstractProbe*>& oProbes) const
{
    oProbes.clear();
    for (const auto* map : {&mDefaultProbes, &mCustomProbes}) {
        for (const auto& entry : *map) {
            if (entry.second->isValidChannel(channel))
                oProbes << entry.second.get();
        }
    }
}

// --- assignment ------------------------------------------------------------------

TAbstractProbe* TProbeController::defaultProbe(TPhysicalChannel* pChannel) const
{
    int number = 0;
    if (qobject_cast<TPRTChannel*>(pChannel) || qobject_cast<TMixedChannel*>(pChannel))
        number = DEFAULT_PROBE_NR_4WPT100;
    else if (qobject_cast<TTCChannel*>(pChannel))
        number = DEFAULT_PROBE_NR_TC;
    const auto found = mDefaultProbes.find(number);
    return found == mDefaultProbes.end() ? nullptr : found->second.get();
}

bool TProbeController::assignProbeToChannel(TAbstractProbe* probe, TPhysicalChannel* channel, bool pSendToDevice,
                                            bool pUnassignProbeIfInvalid, bool pWarnOfOverdueCalibration)
{
    if (!probe)
        return true;
    if (probe->isValidChannel(channel)) {
        if (pSendToDevice && !mSCPIHandler->assignProbeToChannel(*probe, channel->internalChannelNumber()))
            return false;
        mChannelController->unassignProbe(probe, this);
        if (TAbstractProbe* previous = channel->assignedProbe())
            mChannelController->unassignProbe(previous, this);
        channel->assignProbe(probe);
        if (pWarnOfOverdueCalibration)
            probe->checkCalibrationDate();
        return true;
    }
    if (!pUnassignProbeIfInvalid)
        return false;
    const bool result = !pSendToDevice || mSCPIHandler->assignProbeToChannel(*probe, 0);
    mChannelController->unassignProbe(probe, this);
    return result;
}

void TProbeController::assignProbeToChannel(TAbstractProbe* probe, TPhysicalChannel* channel, bool pSendToDevice)
{
    assignProbeToChannel(probe, channel, pSendToDevice, true);
}

void TProbeController::registerProbeAssignmentListener(IProbeAssignmentListener* pListener)
{
    if (!mProbeAssignmentListeners.contains(pListener))
        mProbeAssignmentListeners << pListener;
}

void TProbeController::unregisterProbeAssignmentListener(IProbeAssignmentListener* pListener)
{
    mProbeAssignmentListeners.erase_item(pListener);
}

void TProbeController::notifyProbeAssignmentListeners(TAbstractProbe* probe, TAbstractChannel* channel)
{
    for (auto listener = mProbeAssignmentListeners.rbegin(); listener != mProbeAssignmentListeners.rend(); ++listener)
        (*listener)->probeAssignedToChannelNotification(probe, channel);
}

bool TProbeController::setCurrentRoot2(TPRTProbe* probe, bool value)
{
    if (!probe || !mSCPIHandler->setPRT_CurrentFactorRoot2(*probe, value))
        return false;
    probe->setFactorRoot2(value);
    return true;
}

void TProbeController::defaultProbeReferenceStatusChanged(TAbstractProbe* probe, bool reference)
{
    if (probe && mSCPIHandler->setProbeStatusReference(*probe, reference))
        probe->setReference(reference);
}

// --- creation, deletion, backups ---------------------------------------------------

bool TProbeController::newProbeCreated(TAbstractProbe* pOldProbe, std::unique_ptr<TAbstractProbe> pNewProbe,
                                       QString& oErrorMessage)
{
    const QString incompatible = tr("This probe is not compatible with channel %1 with the current settings.");
    oErrorMessage.clear();
    if (!pNewProbe)
        return false;
    // The board stores under the number the record is sent with: a changed
    // probe keeps its own, and a new one may only take a number the board was
    // read for and found empty, or it would overwrite a probe that channels
    // still point to, a default probe, or one the load did not reach.
    if (pOldProbe ? pNewProbe->internalProbeNumber() != pOldProbe->internalProbeNumber()
                  : !isFreeProbeNumber(pNewProbe->internalProbeNumber()))
        return false;

    const int channelNumber = pOldProbe ? pOldProbe->channelNumber() : pNewProbe->channelNumber();
    TPhysicalChannel* channel = channelNumber > 0 ? mChannelController->physical_channel(channelNumber) : nullptr;
    if (channelNumber > 0 && !pNewProbe->isValidChannel(channel)) {
        oErrorMessage = incompatible.arg(channel ? channel->channelCaption() : QString::number(channelNumber));
        return false;
    }

    if (pOldProbe) {
        pNewProbe->setChannelNumber(pOldProbe->channelNumber());
        if (!mSCPIHandler->storeProbe(*pNewProbe))
            return false;
        if (!pOldProbe->isDefaultProbe())
            writeBackup(*pOldProbe);
        pOldProbe->copyContent(*pNewProbe);
        updateProbeListViews();
    } else {
        if (!mSCPIHandler->storeProbe(*pNewProbe))
            return false;
        TAbstractProbe* probe = pNewProbe.get();
        mCustomProbes[probe->internalProbeNumber()] = std::move(pNewProbe);
        updateProbeListViews();
        if (channel) {
            assignProbeToChannel(probe, channel, false, true);
            notifyProbeAssignmentListeners(probe, channel);
        }
    }

    if (mProbeMenuWidgetController)
        mProbeMenuWidgetController->deactivateAll();
    setProbeMenuButtons();
    emit probeDataChanged(pOldProbe);
    return true;
}

QString TProbeController::backupSection(int pProbeNr) const
{
    return mProbePersistance_SectionName + QString::number(pProbeNr);
}

void TProbeController::writeBackup(const TAbstractProbe& pOldProbe)
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    const QString section = backupSection(pOldProbe.internalProbeNumber());
    settings.setValue(section, mProbePersistance_PropertyTimestamp,
                      QLocale::c().toString(QDateTime::currentDateTime(), QLatin1String(BACKUP_TIMESTAMP_FORMAT)));
    settings.setValue(section, mProbePersistance_PropertyProbeConfig, TProbeSerializer().probeToString(pOldProbe));
    settings.store();
}

std::unique_ptr<TAbstractProbe> TProbeController::createProbeFromBackup(int pProbeNr, QDateTime& oTimeStamp) const
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    const QString section = backupSection(pProbeNr);
    if (!settings.containsSetting(section, mProbePersistance_PropertyProbeConfig))
        return nullptr;
    oTimeStamp = QLocale::c().toDateTime(settings.value(section, mProbePersistance_PropertyTimestamp, QString()),
                                         QLatin1String(BACKUP_TIMESTAMP_FORMAT));
    return TProbeSerializer().createProbeFromString(
        pProbeNr, settings.value(section, mProbePersistance_PropertyProbeConfig, QString()), false);
}

bool TProbeController::deleteProbe(TAbstractProbe* probe, bool pForce)
{
    const bool deleted = [&]() {
        if (!probe || probe->isDefaultProbe())
            return false;
        if (!pForce &&
            !TMessageDialog().showQuestion(tr("Would you really like to delete probe %1?").arg(probe->probeName())))
            return false;
        if (mProbeMenuWidgetController)
            mProbeMenuWidgetController->deactivateAll();
        const int number = probe->internalProbeNumber();
        if (!mSCPIHandler->deleteProbe(number))
            return false;
        const auto found = mCustomProbes.find(number);
        if (found != mCustomProbes.end() && found->second.get() == probe) {
            mChannelController->unassignProbe(probe, this);
            mCustomProbes.erase(found);
            updateProbeListViews();
        }
        TTamarindSettings& settings = TTamarindSettings::instance();
        settings.removeSection(backupSection(number));
        settings.store();
        return true;
    }();
    setProbeMenuButtons();
    return deleted;
}

bool TProbeController::deleteSelectedProbe()
{
    TAbstractProbe* probe = probeMenuSelectedProbe();
    return probe && deleteProbe(probe, false);
}

int TProbeController::createThermocoupleProbeCJCExtern()
{
    const int number = nextFreeProbeNumber();
    if (number == 0)
        return 0;
    auto probe = std::make_unique<TTCProbe>(number, QStringLiteral("TC K Ext"), false, 0, -200.0, 1372.0, QDate(),
                                            false, ptK, rjExternal, 0, ctcIEC584, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0,
                                            0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0);
    QString ignoredError;
    return newProbeCreated(nullptr, std::move(probe), ignoredError) ? number : 0;
}
