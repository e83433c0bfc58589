#include "customlogoguicontroller.h"

#include "customlogocontroller.h"
#include "messagedialog.h"
#include "submenucontroller.h"
#include "zelkcontainerradiobutton.h"

#include <QTimer>

using namespace Customlogocontroller;

TCustomLogoGUIController::TCustomLogoGUIController(ISubMenuController* pSubMenuController, QWidget* pSubMenuPage,
                                                   QZELKContainerRadioButton* pBtnDefault,
                                                   QZELKContainerRadioButton* pBtnWhiteZELKWatersign)
    : mSubMenuController(pSubMenuController)
    , mSubMenuPage(pSubMenuPage)
    , mBtnDefault(pBtnDefault)
    , mBtnWhiteZELKWatersign(pBtnWhiteZELKWatersign)
    , mShowSubmenuTimer(std::make_unique<QTimer>(this))
{
    mShowSubmenuTimer->setSingleShot(true);
    connect(mShowSubmenuTimer.get(), &QTimer::timeout, this, &TCustomLogoGUIController::onShowSubmenuTimer);
}

TCustomLogoGUIController::~TCustomLogoGUIController() = default;

void TCustomLogoGUIController::startShowSubMenuTimer()
{
    mShowSubmenuTimer->start(SHOW_SUBMENU_DELAY);
}

void TCustomLogoGUIController::abortShowSubMenuTimer()
{
    mShowSubmenuTimer->stop();
}

void TCustomLogoGUIController::onShowSubmenuTimer()
{
    reset();
    // A service page: its caption stays untranslated.
    mSubMenuController->showSubMenu(QStringLiteral("Define boot logo"), mSubMenuPage, this, smtEditor);
}

void TCustomLogoGUIController::reset()
{
    const auto logo = static_cast<quint8>(TCustomLogoController().customLogoIndex());
    // A radio button cannot be unchecked by setChecked(false).
    mBtnDefault->forceUnchecked();
    mBtnWhiteZELKWatersign->forceUnchecked();
    if (logo == clDefault)
        mBtnDefault->setChecked(true);
    else if (logo == clWhiteZELKWaterSign)
        mBtnWhiteZELKWatersign->setChecked(true);
}

void TCustomLogoGUIController::returnToMainMenuClicked() {}

bool TCustomLogoGUIController::cancelClicked()
{
    return true;
}

bool TCustomLogoGUIController::storeClicked()
{
    EnCustomLogo choice = clDefault;
    if (!mBtnDefault->isChecked() && mBtnWhiteZELKWatersign->isChecked())
        choice = clWhiteZELKWaterSign;
    TCustomLogoController().setCustomLogoIndex(choice);
    TMessageDialog dialog;
    dialog.showInfo(QStringLiteral("This setting will be applied upon reboot."));
    return true;
}
