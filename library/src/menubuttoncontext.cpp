#include "menubuttoncontext.h"

#include "zelkappbutton.h"

#include <QLabel>
#include <QStackedWidget>

TMenuButtonContext* TMenuButtonContext::activeMenuButtonContext = nullptr;

TMenuButtonContext::TMenuButtonContext(QZELKAppButton* pMenuButton, QLabel* pLabel, QWidget* pConnectedView,
                                       QLabel* pTitleIcon, QLabel* pTitleCaption, const QString& pIconPrefix,
                                       bool pButtonHighlight)
    : mMenuButton(pMenuButton)
    , mLabel(pLabel)
    , mConnectedView(pConnectedView)
    , mTitleIcon(pTitleIcon)
    , mTitleCaption(pTitleCaption)
    , mIconSmall(QStringLiteral(":/statusicons/") + pIconPrefix + QStringLiteral("_small"))
    , mButtonHighlight(pButtonHighlight)
{
}

TMenuButtonContext::~TMenuButtonContext()
{
    // A button that goes while its page is shown must not leave the next
    // press to deactivate a context that no longer exists.
    if (activeMenuButtonContext == this)
        activeMenuButtonContext = nullptr;
}

void TMenuButtonContext::activate(bool pSwitchView)
{
    if (mConnectedView && pSwitchView) {
        if (auto* stack = qobject_cast<QStackedWidget*>(mConnectedView->parentWidget()))
            stack->setCurrentWidget(mConnectedView);
    }
    if (mTitleIcon)
        mTitleIcon->setPixmap(QPixmap(mIconSmall));
    retranslate();
    if (mButtonHighlight)
        mMenuButton->setActive(true);
    emit buttonClicked();
}

void TMenuButtonContext::deactivate()
{
    mMenuButton->setActive(false);
}

void TMenuButtonContext::retranslate()
{
    if (mTitleCaption && mLabel)
        mTitleCaption->setText(mLabel->text());
}
