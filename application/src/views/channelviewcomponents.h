#pragma once

#include "channelviewcontrollers.h"
#include "submenuconfirmationreceiver.h"
#include "zelkcontainerpushbutton.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>

class ISubMenuController;
class QScrollArea;
class QVBoxLayout;
class QZELKDialogButton;
class TChannelViewComponents;

// Told when a channel tile is tapped.
class IChannelViewComponentClickReceiver
{
public:
    virtual ~IChannelViewComponentClickReceiver() = default;
    virtual void onChannelViewComponentsClicked(TChannelViewComponents* pViewComponents) = 0;
};

// One tile of the multi-channel view: a wide button with the channel's caption,
// probe name, values, number of measurements, average and stability. The tile
// owns its button; the layout it was put into only draws it.
class TChannelViewComponents : public QObject
{
    Q_OBJECT

public:
    // The tile goes in front of the layout's last item, the spacer that keeps the list packed at the top.
    TChannelViewComponents(QVBoxLayout* pLayout, IChannelViewComponentClickReceiver* pClickedReceiver);
    ~TChannelViewComponents() override;

    QZELKContainerPushButton* button() const { return mButton; }
    QLabel* lblChannelCaption() const { return mLblChannelCaption; }
    QLabel* lblProbeName() const { return mLblProbeName; }
    QLabel* lblTemperatureValue() const { return mLblTemperatureValue; }
    QLabel* lblElectricalValue() const { return mLblElectricalValue; }
    QLabel* lblAvgMeasurementCount() const { return mLblAvgMeasurementCount; }
    QLabel* lblAdditionalValue1() const { return mLblAdditionalValue1; }
    QLabel* lblAdditionalValue2() const { return mLblAdditionalValue2; }
    QLabel* lblWarningIcon() const { return mLblWarningIcon; }

private slots:
    void onButtonClick();

private:
    // Guarded: should the list's widget go first, it takes the button with it.
    QPointer<QZELKContainerPushButton> mButton;
    QLabel* mLblChannelCaption;
    QLabel* mLblProbeName;
    QLabel* mLblTemperatureValue;
    QLabel* mLblElectricalValue;
    QLabel* mLblAvgMeasurementCount;
    QLabel* mLblAdditionalValue1;
    QLabel* mLblAdditionalValue2;
    QLabel* mLblWarningIcon;
    IChannelViewComponentClickReceiver* mClickedReceiver;
};

// The scan view of five channels and more: one tile per channel in a touch
// scrolling list, the measured one blue and kept in sight. A tap on a tile
// offers the probe and the unit selection for its channel in the menu area.
// The information bar stays empty; every channel's figures are on its tile.
class TMultiChannelViewController : public TAbstractChannelViewController,
                                    public ISubMenuConfirmationReceiver,
                                    public IChannelViewComponentClickReceiver
{
    Q_OBJECT

public:
    // Room kept around the measured tile when the list scrolls to it.
    static constexpr int MEASURED_TILE_MARGIN_X = 50;
    static constexpr int MEASURED_TILE_MARGIN_Y = 2;
    // Longer probe names are cut and end in "...".
    static constexpr int PROBE_NAME_MAX_LENGTH = 15;

    TMultiChannelViewController(ISubMenuController* pSubMenuController, QWidget* pPageSelectProbeOrUnit,
                                TChannelController* pChannelController, TUnitSelectionProvider* pUnitSelectionProvider,
                                TProbeController* pProbeController,
                                TAverageValueSettingController* pAvgSettingController,
                                TScanModeController* pScanModeController, QZELKGreyPanel* pInformationBar,
                                QLabel* pLblInfoBarLeft, QLabel* pLblInfoBarCenter, QLabel* pLblInfoBarRight,
                                QVBoxLayout* pChannelSlotLayout, QZELKDialogButton* pBtnSelectProbe,
                                QZELKDialogButton* pBtnSelectUnit, QScrollArea* pScrollArea);
    ~TMultiChannelViewController() override;

    void initGUI() override;
    bool isViewCompatible(int pChannelCount) override { return pChannelCount > 4; }
    void detachChannels() override;
    void setChannels(const zelk::vector<TAbstractChannel*>& pChannels, TAbstractChannel* pMeasuredChannel) override;
    // In no particular order: callers use it as a set.
    void channels(zelk::vector<TAbstractChannel*>& oChannels) override;
    void changeUnit(TAbstractChannel* pChannel, Electrical_temperature_units::EnUnit pUnit) override;
    void probeAssignedToChannelNotification(TAbstractProbe* pProbe, TAbstractChannel* pChannel) override;
    // The sub-menu is a viewer: only Return, and the menu area goes back by itself.
    void returnToMainMenuClicked() override {}
    bool cancelClicked() override { return true; }
    bool storeClicked() override { return true; }
    void onChannelViewComponentsClicked(TChannelViewComponents* pViewComponents) override;

    // The tile of a shown channel; null for any other.
    TChannelViewComponents* tileOf(TAbstractChannel* pChannel) const;

protected:
    void channelSwitched(TAbstractChannel* pNewChannel) override;
    void channelReplaced(TAbstractChannel* pOldChannel, TAbstractChannel* pNewChannel) override;
    void onProbeDataChanged(TAbstractProbe* pProbe) override;

private slots:
    void valuesChanged(TAbstractChannel* pChannel);
    void noValuesAvailable(TAbstractChannel* pChannel);
    void onSelectUnitClicked();

private:
    static QString probeNameForDisplayLabel(const QString& pProbeName);
    TAbstractChannel* channelBySlot(TChannelViewComponents* pViewComponents) const;
    void updateProbeVisualisation(TAbstractChannel* pChannel, TChannelViewComponents* pViewComponents);
    bool showsChannel(TAbstractChannel* pChannel) const;
    // The tile waits until the view is shown: a stored scan of many channels must not cost their
    // widgets while nobody looks at them. A second tile for a channel that has one is dropped again.
    void addTile(TAbstractChannel* pChannel);
    void buildWaitingTiles();
    void showNoValue(TAbstractChannel* pChannel, TChannelViewComponents* pTile);
    bool isScanReference(const TAbstractChannel* pChannel) const;
    // Every tile's figures again, its difference to the reference among them.
    void refreshTileFigures();

    ISubMenuController* mSubMenuController;
    QWidget* mPageSelectProbeOrUnit;
    QVBoxLayout* mChannelSlotLayout;
    QScrollArea* mScrollArea;
    std::map<TAbstractChannel*, std::unique_ptr<TChannelViewComponents>> mComponentsByChannel;
    // Shown channels without a tile yet, in the order their tiles will stand.
    zelk::vector<TAbstractChannel*> mChannelsWithoutTile;
    // The tiles' differences went with the reference's value; its next reading brings them back.
    bool mDifferencesWithoutReference = false;
};
