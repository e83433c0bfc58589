#pragma once

#include "submenuconfirmationreceiver.h"

#include <QtGlobal>

class QString;
class QWidget;

// Which bar buttons a sub-menu offers: Save and Cancel, Return only, or all three.
enum EnSubMenuType : quint8 { smtEditor = 0, smtViewer = 1, smtEditorWithMainMenuButton = 2 };

// The menu area of the main window, handed to every screen controller that
// opens its settings page there. The receiver is remembered until the
// sub-menu closes; it is not owned.
class ISubMenuController
{
public:
    virtual ~ISubMenuController() = default;

    virtual void showSubMenu(const QString& pSubMenuCaption, QWidget* pSubMenuWidget,
                             ISubMenuConfirmationReceiver* pConfirmationReceiver, EnSubMenuType pSubMenuType) = 0;
    // Acts as a press on Cancel while a sub-menu is open, whatever receiver is passed.
    virtual void cancelSubMenu(ISubMenuConfirmationReceiver* pConfirmationReceiver) = 0;
    // Remembers the current caption for restoreSubMenuCaption().
    virtual void setSubMenuCaption(const QString& pCaption) = 0;
    virtual void restoreSubMenuCaption() = 0;
    virtual void setMainMenuCaption() = 0;
};
