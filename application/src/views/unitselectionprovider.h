#pragma once

#include "electrical_temperature_units.h"
#include "submenuconfirmationreceiver.h"
#include "zelkvector.h"

#include <QObject>

class ISubMenuController;
class IUnitSelectionReceiver;
class QWidget;
class QZELKDialogButton;
class TAbstractChannel;

// The unit selection page in the menu area: the three temperature units
// always, ohm or millivolt only where the channel measures that quantity, the
// unit in force shown flat. Reports the unit tapped to the view that asked.
// The main window builds the one instance and hands it to every channel view;
// the page and its buttons belong to the main window.
class TUnitSelectionProvider : public QObject, public ISubMenuConfirmationReceiver
{
    Q_OBJECT

public:
    TUnitSelectionProvider(ISubMenuController* pSubMenuController, QWidget* pButtonPage, QZELKDialogButton* pBtnCelcius,
                           QZELKDialogButton* pBtnFahrenheit, QZELKDialogButton* pBtnKelvin, QZELKDialogButton* pBtnOhm,
                           QZELKDialogButton* pBtnMilliVolt);

    // The unit of one channel; the answer names the channel.
    void selectUnit(IUnitSelectionReceiver* pReceiver, TAbstractChannel* pChannel);
    // A unit common to several channels; the electrical unit is offered only
    // when all of them measure the same one. The answer names no channel.
    void selectUnit(IUnitSelectionReceiver* pReceiver, Electrical_temperature_units::EnUnit pCurrentUnit,
                    const zelk::vector<TAbstractChannel*>& pChannels);
    void showSubMenu();

    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    bool storeClicked() override;

public slots:
    // A tap on the unit in force only closes the page.
    void unitButtonClicked();

private:
    void offerElectricalUnit(Electrical_temperature_units::EnUnit pElectricalUnit);
    void highlight(Electrical_temperature_units::EnUnit pUnit);
    void setHighlightedButton(QZELKDialogButton* pButton);
    QZELKDialogButton* buttonOfUnit(Electrical_temperature_units::EnUnit pUnit) const;
    Electrical_temperature_units::EnUnit unitOfButton(const QZELKDialogButton* pButton) const;

    ISubMenuController* mSubMenuController;
    QWidget* mButtonPage;
    QZELKDialogButton* mBtnCelcius;
    QZELKDialogButton* mBtnFahrenheit;
    QZELKDialogButton* mBtnKelvin;
    QZELKDialogButton* mBtnOhm;
    QZELKDialogButton* mBtnMilliVolt;
    QZELKDialogButton* mHighlightedButton = nullptr;
    IUnitSelectionReceiver* mUnitReceiver = nullptr;
    TAbstractChannel* mCurrentChannel = nullptr;
};
