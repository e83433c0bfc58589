#include "warninggate.h"

TWarningGate& TWarningGate::instance()
{
    static TWarningGate gate;
    return gate;
}

void TWarningGate::hold()
{
    ++mHolds;
}

void TWarningGate::release()
{
    if (mHolds == 0 || --mHolds > 0)
        return;
    if (!mWaiting.empty())
        scheduleShow();
}

void TWarningGate::scheduleShow()
{
    if (mShowScheduled)
        return;
    mShowScheduled = true;
    QMetaObject::invokeMethod(
        this, [this]() { showWaiting(); }, Qt::QueuedConnection);
}

void TWarningGate::showWhenFree(QObject* pContext, std::function<void()> pShow)
{
    if (isHeld())
        showLater(pContext, std::move(pShow));
    else
        pShow();
}

void TWarningGate::showLater(QObject* pContext, std::function<void()> pShow)
{
    mWaiting.push_back({pContext != nullptr, pContext, std::move(pShow)});
    if (!isHeld())
        scheduleShow();
}

bool TWarningGate::hasWaiting() const
{
    for (const TWaiting& waiting : mWaiting)
        if (!waiting.mBound || waiting.mContext)
            return true;
    return false;
}

void TWarningGate::showMessage(const QString& pText, TMessageDialog::EnDialogType pDialogType,
                               std::function<void()> pClosed)
{
    TMessageDialog::showMessage(pText, pDialogType, mRuns == 0, std::move(pClosed));
}

void TWarningGate::showWaiting()
{
    mShowScheduled = false;
    // A message open here may let the event loop run: remote text that
    // arrives meanwhile holds the gate again, and the rest waits for its
    // release.
    while (!isHeld() && !mWaiting.empty()) {
        const TWaiting waiting = mWaiting.front();
        mWaiting.pop_front();
        if (!waiting.mBound || waiting.mContext)
            waiting.mShow();
    }
}
