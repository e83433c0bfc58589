#pragma once

class QZELKAppButton;

// How main-menu buttons consult the main window before they switch pages.
class IMenuContextCallbackInterface
{
public:
    virtual ~IMenuContextCallbackInterface() = default;

    // Setting handled leaves the page to the callee; the title bar and the
    // highlight still change.
    virtual void beforeShowConnectedView(QZELKAppButton* pButton, bool& handled) = 0;
    // Setting pAbort skips the button's whole default handling of the press.
    virtual void beforeDefaultContextHandling(QZELKAppButton* pButton, bool& pAbort) = 0;
};
