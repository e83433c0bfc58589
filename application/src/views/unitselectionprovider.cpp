#include "unitselectionprovider.h"

#include "channel.h"
#include "submenucontroller.h"
#include "unitselectionreceiver.h"
#include "zelkdialogbutton.h"

using namespace Electrical_temperature_units;

TUnitSelectionProvider::TUnitSelectionProvider(ISubMenuController* pSubMenuController, QWidget* pButtonPage,
                                               QZELKDialogButton* pBtnCelcius, QZELKDialogButton* pBtnFahrenheit,
                                               QZELKDialogButton* pBtnKelvin, QZELKDialogButton* pBtnOhm,
                                               QZELKDialogButton* pBtnMilliVolt)
    : mSubMenuController(pSubMenuController)
    , mButtonPage(pButtonPage)
    , mBtnCelcius(pBtnCelcius)
    , mBtnFahrenheit(pBtnFahrenheit)
    , mBtnKelvin(pBtnKelvin)
    , mBtnOhm(pBtnOhm)
    , mBtnMilliVolt(pBtnMilliVolt)
{
    for (QZELKDialogButton* button : {mBtnCelcius, mBtnFahrenheit, mBtnKelvin, mBtnOhm, mBtnMilliVolt})
        connect(button, &QZELKDialogButton::clicked, this, &TUnitSelectionProvider::unitButtonClicked);
}

void TUnitSelectionProvider::selectUnit(IUnitSelectionReceiver* pReceiver, TAbstractChannel* pChannel)
{
    mUnitReceiver = pReceiver;
    mCurrentChannel = pChannel;
    offerElectricalUnit(pChannel->electricalUnit());
    highlight(pChannel->selectedUnit());
    showSubMenu();
}

void TUnitSelectionProvider::selectUnit(IUnitSelectionReceiver* pReceiver, EnUnit pCurrentUnit,
                                        const zelk::vector<TAbstractChannel*>& pChannels)
{
    mUnitReceiver = pReceiver;
    mCurrentChannel = nullptr;
    zelk::vector<EnUnit> electricalUnits;
    for (const TAbstractChannel* channel : pChannels) {
        if (!electricalUnits.contains(channel->electricalUnit()))
            electricalUnits << channel->electricalUnit();
    }
    // Ohm and millivolt cannot be told apart as one difference: offered only when all channels agree.
    offerElectricalUnit(electricalUnits.size() == 1 ? electricalUnits.front() : uUndefined);
    highlight(pCurrentUnit);
    showSubMenu();
}

void TUnitSelectionProvider::offerElectricalUnit(EnUnit pElectricalUnit)
{
    mBtnOhm->setVisible(pElectricalUnit == uOhm);
    mBtnMilliVolt->setVisible(pElectricalUnit == uMilliVolt);
}

void TUnitSelectionProvider::highlight(EnUnit pUnit)
{
    setHighlightedButton(buttonOfUnit(pUnit));
}

// The page's style sheet draws a flat button as the unit in force; Qt applies
// such a property selector only when the sheet is set again.
void TUnitSelectionProvider::setHighlightedButton(QZELKDialogButton* pButton)
{
    if (mHighlightedButton)
        mHighlightedButton->setFlat(false);
    mHighlightedButton = pButton;
    if (mHighlightedButton)
        mHighlightedButton->setFlat(true);
    mButtonPage->setStyleSheet(mButtonPage->styleSheet());
}

QZELKDialogButton* TUnitSelectionProvider::buttonOfUnit(EnUnit pUnit) const
{
    switch (pUnit) {
    case uCelsius:
        return mBtnCelcius;
    case uFahrenheit:
        return mBtnFahrenheit;
    case uKelvin:
        return mBtnKelvin;
    case uOhm:
        return mBtnOhm;
    case uMilliVolt:
        return mBtnMilliVolt;
    default:
        return nullptr;
    }
}

EnUnit TUnitSelectionProvider::unitOfButton(const QZELKDialogButton* pButton) const
{
    for (EnUnit unit : {uCelsius, uFahrenheit, uKelvin, uOhm, uMilliVolt}) {
        if (buttonOfUnit(unit) == pButton)
            return unit;
    }
    return uUndefined;
}

void TUnitSelectionProvider::showSubMenu()
{
    mSubMenuController->showSubMenu(tr("Unit"), mButtonPage, this, smtViewer);
}

void TUnitSelectionProvider::unitButtonClicked()
{
    auto* button = qobject_cast<QZELKDialogButton*>(sender());
    if (button && button != mHighlightedButton) {
        setHighlightedButton(button);
        if (mUnitReceiver)
            mUnitReceiver->changeUnit(mCurrentChannel, unitOfButton(button));
    }
    mSubMenuController->cancelSubMenu(this);
}

void TUnitSelectionProvider::returnToMainMenuClicked() {}

bool TUnitSelectionProvider::cancelClicked()
{
    return true;
}

bool TUnitSelectionProvider::storeClicked()
{
    return true;
}
