#pragma once

#include "submenuconfirmationreceiver.h"

#include <QObject>

#include <memory>

class ISubMenuController;
class QTimer;
class QWidget;
class QZELKContainerRadioButton;

// The hidden page on which service staff choose the logo the device shows
// while it boots. It opens when the logo on the information page is held for
// five seconds. Created by the main window on first need; the page and its
// buttons belong to the window.
class TCustomLogoGUIController : public QObject, public ISubMenuConfirmationReceiver
{
    Q_OBJECT

public:
    // How long the logo has to be held.
    static constexpr int SHOW_SUBMENU_DELAY = 5000;

    TCustomLogoGUIController(ISubMenuController* pSubMenuController, QWidget* pSubMenuPage,
                             QZELKContainerRadioButton* pBtnDefault, QZELKContainerRadioButton* pBtnWhiteZELKWatersign);
    ~TCustomLogoGUIController() override;

    void startShowSubMenuTimer();
    void abortShowSubMenuTimer();
    // Marks the logo of the current boot.
    void reset();

    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    // Switches the boot logo to the marked one; it shows from the next boot.
    bool storeClicked() override;

private slots:
    void onShowSubmenuTimer();

private:
    ISubMenuController* mSubMenuController;
    QWidget* mSubMenuPage;
    QZELKContainerRadioButton* mBtnDefault;
    QZELKContainerRadioButton* mBtnWhiteZELKWatersign;
    std::unique_ptr<QTimer> mShowSubmenuTimer;
};
