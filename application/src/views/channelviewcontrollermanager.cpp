#include "channelviewcontrollermanager.h"

#include "channelviewcontrollers.h"

#include <QStackedWidget>

TChannelViewControllerManager::TChannelViewControllerManager() = default;

// The views go in the order they came; none is current while they go, so
// that nothing a view's teardown sets off asks the manager for a half-gone view.
TChannelViewControllerManager::~TChannelViewControllerManager()
{
    mCurrentViewController = nullptr;
    mActiveScanViewController = nullptr;
    mHomescreenViewController = nullptr;
    mViewControllers.clear();
}

void TChannelViewControllerManager::setAndOwnHomescreenViewController(
    std::unique_ptr<TAbstractChannelViewController> pController, QWidget* pStackedWidgetPage)
{
    mHomescreenViewController = pController.get();
    addAndOwnViewController(std::move(pController), pStackedWidgetPage);
}

void TChannelViewControllerManager::addAndOwnScanViewController(
    std::unique_ptr<TAbstractChannelViewController> pController, QWidget* pStackedWidgetPage)
{
    addAndOwnViewController(std::move(pController), pStackedWidgetPage);
}

void TChannelViewControllerManager::addAndOwnViewController(std::unique_ptr<TAbstractChannelViewController> pController,
                                                            QWidget* pStackedWidgetPage)
{
    if (!pController)
        return;
    mWidgetByViewController[pController.get()] = pStackedWidgetPage;
    pController->setManager(this);
    mViewControllers << std::move(pController);
}

bool TChannelViewControllerManager::isCurrentViewController(const TAbstractChannelViewController* pController) const
{
    return pController && pController == mCurrentViewController;
}

void TChannelViewControllerManager::activateHomeView()
{
    mCurrentViewController = mHomescreenViewController;
    if (mCurrentViewController)
        mCurrentViewController->initGUI();
}

void TChannelViewControllerManager::activateScanView()
{
    if (!mActiveScanViewController)
        return;
    mCurrentViewController = mActiveScanViewController;
    mCurrentViewController->initGUI();
}

void TChannelViewControllerManager::deactivateView()
{
    mCurrentViewController = nullptr;
}

void TChannelViewControllerManager::showHomeView()
{
    show(mHomescreenViewController);
}

void TChannelViewControllerManager::showScanView()
{
    show(mActiveScanViewController);
}

void TChannelViewControllerManager::show(TAbstractChannelViewController* pController)
{
    QWidget* page = nullptr;
    QStackedWidget* stack = nullptr;
    getViewWidgets(pController, &page, &stack);
    if (page && stack)
        stack->setCurrentWidget(page);
}

bool TChannelViewControllerManager::isScanViewVisible() const
{
    QWidget* page = nullptr;
    QStackedWidget* stack = nullptr;
    getViewWidgets(mActiveScanViewController, &page, &stack);
    return page && stack && stack->currentWidget() == page;
}

void TChannelViewControllerManager::retranslate()
{
    for (const auto& view : mViewControllers)
        view->retranslate();
    // The view on screen shows its composed texts at once, also while its
    // channel gives no readings and no new value would compose them.
    if (mCurrentViewController)
        mCurrentViewController->initGUI();
}

void TChannelViewControllerManager::attachChannelConfigurationToView(zelk::vector<TAbstractChannel*> pChannels,
                                                                     TAbstractChannel* pMeasuredChannel)
{
    mActiveScanViewController = nullptr;
    for (const auto& view : mViewControllers) {
        view->detachChannels();
        if (view->isViewCompatible(int(pChannels.size()))) {
            view->setChannels(pChannels, pMeasuredChannel);
            mActiveScanViewController = view.get();
        }
    }
}

void TChannelViewControllerManager::getViewWidgets(TAbstractChannelViewController* pController, QWidget** oViewWidget,
                                                   QStackedWidget** oViewWidgetParent) const
{
    *oViewWidget = nullptr;
    *oViewWidgetParent = nullptr;
    const auto page = mWidgetByViewController.find(pController);
    if (!pController || page == mWidgetByViewController.end() || !page->second)
        return;
    *oViewWidget = page->second;
    *oViewWidgetParent = qobject_cast<QStackedWidget*>(page->second->parentWidget());
}
