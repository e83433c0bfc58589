#pragma once

class QWidget;

// A set of widgets of which one is the active one (group 0 of a clickable
// widget controller).
class IWidgetContainerInterface
{
public:
    virtual ~IWidgetContainerInterface() = default;

    virtual void activateWidget(QWidget* pWidget) = 0;
    // Null when none is active.
    virtual QWidget* activeWidget() = 0;
    virtual void resetActiveWidget() = 0;
    virtual void indicateActiveWidget() = 0;
};
