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
    emit released();
    if (mWaiting.empty() || mShowScheduled)
        return;
    mShowScheduled = true;
    QMetaObject::invokeMethod(
        this, [this]() { showWaiting(); }, Qt::QueuedConnection);
}

void TWarningGate::showWhenFree(QObject* pContext, std::function<void()> pShow)
{
    if (isHeld())
        mWaiting.push_back({pContext != nullptr, pContext, std::move(pShow)});
    else
        pShow();
}

void TWarningGate::showWaiting()
{
    mShowScheduled = false;
    // A message open here lets the event loop run: remote text that arrives
    // meanwhile holds the gate again, and the rest waits for its release.
    while (!isHeld() && !mWaiting.empty()) {
        const TWaiting waiting = mWaiting.front();
        mWaiting.pop_front();
        if (!waiting.mBound || waiting.mContext)
            waiting.mShow();
    }
}
