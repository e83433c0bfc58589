#pragma once

// A screen shown in the menu area, told about the bar buttons that close it.
class ISubMenuConfirmationReceiver
{
public:
    virtual ~ISubMenuConfirmationReceiver() = default;

    // The sub-menu is already closed when this is called.
    virtual void returnToMainMenuClicked() = 0;
    // True closes the sub-menu; false keeps it open (after a validation
    // message, say).
    virtual bool cancelClicked() = 0;
    virtual bool storeClicked() = 0;
};
