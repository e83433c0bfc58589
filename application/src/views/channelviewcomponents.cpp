#include "channelviewcomponents.h"

#include "averagevaluesettingcontroller.h"
#include "channel.h"
#include "channelcontroller.h"
#include "decimaldisplaycontroller.h"
#include "probe.h"
#include "scanmodecontroller.h"
#include "submenucontroller.h"
#include "unitselectionprovider.h"
#include "zelkcontainerpushbutton.h"
#include "zelkdialogbutton.h"
#include "zelkgreypanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Electrical_temperature_units;

namespace
{
constexpr int TILE_HEIGHT = 56;
constexpr int TILE_BORDER_RADIUS = 6;
constexpr int TILE_SPACING = 6;
// Keeps the three small figures of a tile apart.
constexpr int FIGURES_SPACING = 20;
} // namespace

// --- tile ---------------------------------------------------------------------------------

TChannelViewComponents::TChannelViewComponents(QVBoxLayout* pLayout,
                                               IChannelViewComponentClickReceiver* pClickedReceiver)
    : QObject(nullptr), mClickedReceiver(pClickedReceiver)
{
    // Made a child of the list at once: its labels are then styled once, by the list's sheets, and
    // not again when the layout takes the button in (that second styling doubled the building time).
    auto* button = new QZELKContainerPushButton(pLayout->parentWidget());
    mButton = button;
    button->setMinimumSize(0, TILE_HEIGHT);
    button->setBorderRadius(TILE_BORDER_RADIUS);
    connect(button, &QZELKContainerPushButton::clicked, this, &TChannelViewComponents::onButtonClick);

    auto* row = new QHBoxLayout(button);
    row->setSpacing(TILE_SPACING);
    // Left and right as the style has them; the tile is low, so little above and below.
    row->setContentsMargins(-1, 4, -1, 2);

    auto* left = new QVBoxLayout();
    left->setSpacing(TILE_SPACING);
    auto* captionRow = new QHBoxLayout();
    captionRow->setSpacing(0);
    mLblChannelCaption = new QLabel(button);
    captionRow->addWidget(mLblChannelCaption);
    mLblWarningIcon = new QLabel(button);
    mLblWarningIcon->setPixmap(QPixmap(QStringLiteral(":/common/res/warning_20px.png")));
    mLblWarningIcon->setStyleSheet(QStringLiteral("margin-left: 3px;"));
    mLblWarningIcon->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    mLblWarningIcon->hide();
    captionRow->addWidget(mLblWarningIcon);
    left->addLayout(captionRow);
    mLblProbeName = new QLabel(button);
    mLblProbeName->setStyleSheet(QStringLiteral("font-size:12px;"));
    left->addWidget(mLblProbeName);
    row->addLayout(left);

    auto* right = new QVBoxLayout();
    right->setSpacing(TILE_SPACING);
    auto* valueRow = new QHBoxLayout();
    valueRow->setSpacing(TILE_SPACING);
    mLblTemperatureValue = new QLabel(button);
    mLblTemperatureValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueRow->addWidget(mLblTemperatureValue);
    mLblElectricalValue = new QLabel(button);
    mLblElectricalValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueRow->addWidget(mLblElectricalValue);
    right->addLayout(valueRow);
    auto* figuresRow = new QHBoxLayout();
    figuresRow->setSpacing(FIGURES_SPACING);
    const QString smallFont = QStringLiteral("font-size: 12px;");
    mLblAvgMeasurementCount = new QLabel(button);
    mLblAvgMeasurementCount->setStyleSheet(smallFont);
    figuresRow->addWidget(mLblAvgMeasurementCount);
    mLblAdditionalValue1 = new QLabel(button);
    mLblAdditionalValue1->setStyleSheet(smallFont);
    mLblAdditionalValue1->setAlignment(Qt::AlignCenter);
    figuresRow->addWidget(mLblAdditionalValue1);
    mLblAdditionalValue2 = new QLabel(button);
    mLblAdditionalValue2->setStyleSheet(smallFont);
    mLblAdditionalValue2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    figuresRow->addWidget(mLblAdditionalValue2);
    right->addLayout(figuresRow);
    row->addLayout(right);

    pLayout->insertWidget(pLayout->count() - 1, button);
}

TChannelViewComponents::~TChannelViewComponents()
{
    delete mButton.data();
}

void TChannelViewComponents::onButtonClick()
{
    if (mClickedReceiver)
        mClickedReceiver->onChannelViewComponentsClicked(this);
}

// --- multi-channel view -------------------------------------------------------------------

TMultiChannelViewController::TMultiChannelViewController(
    ISubMenuController* pSubMenuController, QWidget* pPageSelectProbeOrUnit, TChannelController* pChannelController,
    TUnitSelectionProvider* pUnitSelectionProvider, TProbeController* pProbeController,
    TAverageValueSettingController* pAvgSettingController, TScanModeController* pScanModeController,
    QZELKGreyPanel* pInformationBar, QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter, QLabel* pLblInfoBarRight,
    QVBoxLayout* pChannelSlotLayout, QZELKDialogButton* pBtnSelectProbe, QZELKDialogButton* pBtnSelectUnit,
    QScrollArea* pScrollArea)
    : TAbstractChannelViewController(pChannelController, pUnitSelectionProvider, pProbeController,
                                     pAvgSettingController, pScanModeController, pInformationBar, pLblInfoBarLeft,
                                     pLblInfoBarCenter, pLblInfoBarRight)
    , mSubMenuController(pSubMenuController)
    , mPageSelectProbeOrUnit(pPageSelectProbeOrUnit)
    , mChannelSlotLayout(pChannelSlotLayout)
    , mScrollArea(pScrollArea)
{
    // The probe edit timer never runs here, so a release always opens the selection.
    connect(pBtnSelectProbe, &QZELKDialogButton::clicked, this, &TMultiChannelViewController::onProbeButtonReleased);
    connect(pBtnSelectUnit, &QZELKDialogButton::clicked, this, &TMultiChannelViewController::onSelectUnitClicked);
}

TMultiChannelViewController::~TMultiChannelViewController() = default;

TChannelViewComponents* TMultiChannelViewController::tileOf(TAbstractChannel* pChannel) const
{
    const auto tile = mComponentsByChannel.find(pChannel);
    return tile == mComponentsByChannel.end() ? nullptr : tile->second.get();
}

bool TMultiChannelViewController::showsChannel(TAbstractChannel* pChannel) const
{
    return mComponentsByChannel.count(pChannel) || mChannelsWithoutTile.contains(pChannel);
}

void TMultiChannelViewController::addTile(TAbstractChannel* pChannel)
{
    if (showsChannel(pChannel))
        return;
    listenTo(pChannel);
    mChannelsWithoutTile << pChannel;
}

void TMultiChannelViewController::buildWaitingTiles()
{
    for (TAbstractChannel* channel : mChannelsWithoutTile)
        mComponentsByChannel.emplace(channel, std::make_unique<TChannelViewComponents>(mChannelSlotLayout, this));
    mChannelsWithoutTile.clear();
}

void TMultiChannelViewController::detachChannels()
{
    for (const auto& tile : mComponentsByChannel)
        stopListeningTo(tile.first);
    for (TAbstractChannel* channel : mChannelsWithoutTile)
        stopListeningTo(channel);
    mComponentsByChannel.clear();
    mChannelsWithoutTile.clear();
}

void TMultiChannelViewController::setChannels(const zelk::vector<TAbstractChannel*>& pChannels,
                                              TAbstractChannel* pMeasuredChannel)
{
    detachChannels();
    for (TAbstractChannel* channel : pChannels) {
        if (channel)
            addTile(channel);
    }
    mMeasuredChannel = pMeasuredChannel;
    initGUI();
}

void TMultiChannelViewController::channels(zelk::vector<TAbstractChannel*>& oChannels)
{
    for (const auto& tile : mComponentsByChannel)
        oChannels << tile.first;
    for (TAbstractChannel* channel : mChannelsWithoutTile)
        oChannels << channel;
}

void TMultiChannelViewController::initGUI()
{
    if (isCurrentView()) {
        buildWaitingTiles();
        // The bar loses the colour another view gave it.
        mInformationBar->setStyleSheet(QString());
        mLblInfoBarLeft->clear();
        mLblInfoBarCenter->clear();
        mLblInfoBarRight->clear();
    }
    for (const auto& tile : mComponentsByChannel) {
        valuesChanged(tile.first);
        tile.second->button()->setColorSchemeIndex(tile.first == mMeasuredChannel ? QZELKAbstractButton::csBlue
                                                                                  : QZELKAbstractButton::csBlack);
        tile.second->lblWarningIcon()->setVisible(tile.first->isProbesTemperatureOutOfRange(mChannelController));
    }
}

void TMultiChannelViewController::valuesChanged(TAbstractChannel* pChannel)
{
    if (!isCurrentView())
        return;
    TChannelViewComponents* tile = tileOf(pChannel);
    if (!tile)
        return;
    // A redraw (the view opened, a scan's turn) must not bring back the value the board has since withdrawn.
    if (!pChannel->hasShownValue()) {
        showNoValue(pChannel, tile);
        return;
    }
    QString temperature;
    QString electrical;
    EnUnit temperatureUnit = uUndefined;
    EnUnit electricalUnit = uUndefined;
    EnUnitType shownType = utTemperature;
    pChannel->currentValue(temperature, temperatureUnit, electrical, electricalUnit,
                           QString(TDecimalDisplayController::instance().decimalSeparator()), shownType, true);
    if (!temperature.isEmpty())
        temperature += QLatin1Char(' ') + TAbstractChannel::unitToText(temperatureUnit);
    if (!electrical.isEmpty())
        electrical += QLatin1Char(' ') + TAbstractChannel::unitToText(electricalUnit);
    updateProbeVisualisation(pChannel, tile);
    tile->lblTemperatureValue()->setText(temperature);
    tile->lblElectricalValue()->setText(electrical);
    tile->lblAvgMeasurementCount()->setText(sampleCountText());
    tile->lblWarningIcon()->setVisible(pChannel->isProbesTemperatureOutOfRange(mChannelController));
    setInfoBarCenterAndRight(pChannel, tile->lblAdditionalValue1(), tile->lblAdditionalValue2());
    if (mDifferencesWithoutReference && isScanReference(pChannel))
        refreshTileFigures();
}

// Also while another view is current: a tile must not keep a value the board no longer gives.
void TMultiChannelViewController::noValuesAvailable(TAbstractChannel* pChannel)
{
    TChannelViewComponents* tile = tileOf(pChannel);
    if (!tile)
        return;
    showNoValue(pChannel, tile);
    // Each tile's difference was formed from the reference's value, which is gone now.
    if (isScanReference(pChannel))
        refreshTileFigures();
}

void TMultiChannelViewController::showNoValue(TAbstractChannel* pChannel, TChannelViewComponents* pTile)
{
    updateProbeVisualisation(pChannel, pTile);
    pTile->lblTemperatureValue()->clear();
    pTile->lblElectricalValue()->clear();
    // The count, like the figures beside it, belongs to the live readings of a channel frozen without a value;
    // without live readings it keeps what it showed.
    if (pChannel->hasValue())
        pTile->lblAvgMeasurementCount()->setText(sampleCountText());
    showLiveFigures(pChannel, pTile->lblAdditionalValue1(), pTile->lblAdditionalValue2());
}

bool TMultiChannelViewController::isScanReference(const TAbstractChannel* pChannel) const
{
    return mScanModeController && mScanModeController->isScanModeActive() &&
           mScanModeController->referenceChannel() == pChannel;
}

void TMultiChannelViewController::refreshTileFigures()
{
    for (const auto& tile : mComponentsByChannel) {
        if (tile.first->hasValue())
            setInfoBarCenterAndRight(tile.first, tile.second->lblAdditionalValue1(),
                                     tile.second->lblAdditionalValue2());
    }
    const TAbstractChannel* reference = mScanModeController->referenceChannel();
    mDifferencesWithoutReference = reference && !reference->hasValue();
}

void TMultiChannelViewController::updateProbeVisualisation(TAbstractChannel* pChannel,
                                                           TChannelViewComponents* pViewComponents)
{
    const TChannelProbeStatus status = pChannel->channelProbeStatus();
    QString caption = getChannelCaption(pChannel);
    if (status.isSmartProbeConnectedAndEnabled())
        caption += QStringLiteral(" (S)");
    pViewComponents->lblChannelCaption()->setText(caption);
    pViewComponents->lblProbeName()->setText(
        probeNameForDisplayLabel(status.probe() ? status.probe()->probeName() : QString()));
}

QString TMultiChannelViewController::probeNameForDisplayLabel(const QString& pProbeName)
{
    if (pProbeName.size() <= PROBE_NAME_MAX_LENGTH)
        return pProbeName;
    return pProbeName.left(PROBE_NAME_MAX_LENGTH) + QStringLiteral("...");
}

TAbstractChannel* TMultiChannelViewController::channelBySlot(TChannelViewComponents* pViewComponents) const
{
    for (const auto& tile : mComponentsByChannel) {
        if (tile.second.get() == pViewComponents)
            return tile.first;
    }
    return nullptr;
}

void TMultiChannelViewController::onChannelViewComponentsClicked(TChannelViewComponents* pViewComponents)
{
    TAbstractChannel* channel = channelBySlot(pViewComponents);
    if (!channel)
        return;
    mReceivingChannel = channel;
    if (mSubMenuController)
        mSubMenuController->showSubMenu(tr("Probe / Unit (Chan. %1)").arg(channel->channelCaption()),
                                        mPageSelectProbeOrUnit, this, smtViewer);
}

void TMultiChannelViewController::onSelectUnitClicked()
{
    if (mReceivingChannel)
        mUnitSelectionProvider->selectUnit(this, mReceivingChannel);
}

void TMultiChannelViewController::channelSwitched(TAbstractChannel* pNewChannel)
{
    TAbstractChannel* previous = mMeasuredChannel;
    mMeasuredChannel = pNewChannel;
    if (!isCurrentView())
        return;
    if (TChannelViewComponents* tile = tileOf(previous))
        tile->button()->setColorSchemeIndex(QZELKAbstractButton::csBlack);
    if (TChannelViewComponents* tile = tileOf(pNewChannel)) {
        tile->button()->setColorSchemeIndex(QZELKAbstractButton::csBlue);
        mScrollArea->ensureWidgetVisible(tile->button(), MEASURED_TILE_MARGIN_X, MEASURED_TILE_MARGIN_Y);
    }
    valuesChanged(pNewChannel);
}

void TMultiChannelViewController::channelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel)
{
    if (!showsChannel(pOldChannel))
        return;
    stopListeningTo(pOldChannel);
    mComponentsByChannel.erase(pOldChannel);
    mChannelsWithoutTile.erase_item(pOldChannel);
    if (pNewChannel)
        addTile(pNewChannel);
    if (isCurrentView())
        initGUI();
}

void TMultiChannelViewController::changeUnit(TAbstractChannel* pChannel, EnUnit pUnit)
{
    if (!pChannel)
        return;
    mChannelController->changeUnit(pChannel, pUnit);
    valuesChanged(pChannel);
}

void TMultiChannelViewController::onProbeDataChanged(TAbstractProbe* pProbe)
{
    if (!pProbe)
        return;
    // A tile shows the channel's SMART probe while one is in use, else the assigned probe: a change of
    // either refreshes it from the channel, so the tile never takes a name it does not show.
    for (const auto& tile : mComponentsByChannel) {
        if (probeFromChannel(tile.first) == pProbe || tile.first->channelProbeStatus().probe() == pProbe)
            updateProbeVisualisation(tile.first, tile.second.get());
    }
}

void TMultiChannelViewController::probeAssignedToChannelNotification(TAbstractProbe*, TAbstractChannel* pChannel)
{
    if (!pChannel)
        return;
    zelk::vector<TAbstractChannel*> shown;
    channels(shown);
    for (TAbstractChannel* channel : shown) {
        if (channel->distinctPhysicalChannel() == pChannel) {
            initGUI();
            return;
        }
    }
}
