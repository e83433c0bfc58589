#include "zelkappbutton.h"

#include "menubuttoncontext.h"
#include "menucontextcallbackinterface.h"

QZELKAppButton::QZELKAppButton(QWidget* pParent) : QPushButton(pParent) {}

QZELKAppButton::~QZELKAppButton() = default;

void QZELKAppButton::setActive(bool pActive)
{
    const bool changed = pActive != mActive;
    mActive = pActive;
    if (mActive && !mIcon_active.isNull())
        setIcon(mIcon_active);
    else if (!mActive && !mIcon_standard.isNull())
        setIcon(mIcon_standard);
    if (QWidget* parent = parentWidget())
        parent->setStyleSheet(parent->styleSheet());
    if (changed)
        emit activeChanged(mActive);
}

void QZELKAppButton::setMenuButtonContext(QLabel* pAssignedLabel, QWidget* pConnectedView, QLabel* pTitleIcon,
                                          QLabel* pTitleCaption, const QString& pIconPrefix, bool pButtonHighlight,
                                          IMenuContextCallbackInterface* pCallback)
{
    mMenuButtonContext = std::make_unique<TMenuButtonContext>(this, pAssignedLabel, pConnectedView, pTitleIcon,
                                                              pTitleCaption, pIconPrefix, pButtonHighlight);
    mCallback = pCallback;
}

void QZELKAppButton::emitBeforeButtonPressed()
{
    emit beforeButtonPressed();
}

void QZELKAppButton::doButtonClick()
{
    if (TMenuButtonContext::activeMenuButtonContext) {
        TMenuButtonContext::activeMenuButtonContext->deactivate();
        TMenuButtonContext::activeMenuButtonContext = nullptr;
    }
    if (!mMenuButtonContext)
        return;
    bool handled = false;
    if (mCallback)
        mCallback->beforeShowConnectedView(this, handled);
    mMenuButtonContext->activate(!handled);
    TMenuButtonContext::activeMenuButtonContext = mMenuButtonContext.get();
}

void QZELKAppButton::mousePressEvent(QMouseEvent* pEvent)
{
    bool abort = false;
    if (mCallback)
        mCallback->beforeDefaultContextHandling(this, abort);
    if (!abort)
        doButtonClick();
    QPushButton::mousePressEvent(pEvent);
}
