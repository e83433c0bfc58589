#pragma once

#include "zelkvector.h"

#include <QObject>

#include <map>
#include <memory>

class QStackedWidget;
class QWidget;
class TAbstractChannel;
class TAbstractChannelViewController;

// Owns the channel views, knows the page of each, hands a scan configuration
// to the one view that can show it and keeps the one view that is current:
// only that one redraws on new values. The main window creates it and owns it.
class TChannelViewControllerManager : public QObject
{
    Q_OBJECT

public:
    TChannelViewControllerManager();
    ~TChannelViewControllerManager() override;

    void setAndOwnHomescreenViewController(std::unique_ptr<TAbstractChannelViewController> pController,
                                           QWidget* pStackedWidgetPage);
    void addAndOwnScanViewController(std::unique_ptr<TAbstractChannelViewController> pController,
                                     QWidget* pStackedWidgetPage);
    void addAndOwnViewController(std::unique_ptr<TAbstractChannelViewController> pController,
                                 QWidget* pStackedWidgetPage);

    TAbstractChannelViewController* homescreenViewController() const { return mHomescreenViewController; }
    // Null when no configuration found a view.
    TAbstractChannelViewController* activeScanViewController() const { return mActiveScanViewController; }
    // Null before the first activation and while the graph is the scan view.
    TAbstractChannelViewController* currentViewController() const { return mCurrentViewController; }
    bool isCurrentViewController(const TAbstractChannelViewController* pController) const;

    void activateHomeView();
    // Nothing without an active scan view: no view is made current then.
    void activateScanView();
    void deactivateView();
    void showHomeView();
    void showScanView();
    bool isScanViewVisible() const;
    void retranslate();

public slots:
    // Every view forgets its channels; the last view that can show this many
    // takes them and becomes the active scan view. The current view stays.
    void attachChannelConfigurationToView(zelk::vector<TAbstractChannel*> pChannels,
                                          TAbstractChannel* pMeasuredChannel);

private:
    void getViewWidgets(TAbstractChannelViewController* pController, QWidget** oViewWidget,
                        QStackedWidget** oViewWidgetParent) const;
    void show(TAbstractChannelViewController* pController);

    zelk::vector<std::unique_ptr<TAbstractChannelViewController>> mViewControllers;
    std::map<TAbstractChannelViewController*, QWidget*> mWidgetByViewController;
    TAbstractChannelViewController* mHomescreenViewController = nullptr;
    TAbstractChannelViewController* mActiveScanViewController = nullptr;
    TAbstractChannelViewController* mCurrentViewController = nullptr;
};
