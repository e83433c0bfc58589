#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

#include "zelkvector.h"

// Lets a message that only informs the user wait while a remote command runs:
// opened inside a command (or inside the events a long command processes) it
// would hold that command and every client until somebody at the instrument
// closed it. One per process; the remote command handler holds it and lets
// what waits through after the command it was raised in, whoever tells the
// user something asks it.
class TWarningGate : public QObject
{
    Q_OBJECT

public:
    static TWarningGate& instance();

    // Holds nest; the last release lets the waiting messages through, after
    // the caller has returned to the event loop.
    void hold();
    void release();
    bool isHeld() const { return mHolds > 0; }

    // Shows at once when nothing holds the gate, otherwise once the last hold
    // is released, in the order asked. Dropped when a given pContext is gone
    // by then; without one, pShow must own all it uses.
    void showWhenFree(QObject* pContext, std::function<void()> pShow);
    // As showWhenFree, but never before the caller has returned to the event
    // loop: for what comes up inside a poll, which a message must not hold.
    void showLater(QObject* pContext, std::function<void()> pShow);
    // Something waits for the release (a message whose context is gone does not count).
    bool hasWaiting() const;

private:
    TWarningGate() = default;
    void scheduleShow();
    void showWaiting();

    struct TWaiting
    {
        bool mBound;
        QPointer<QObject> mContext;
        std::function<void()> mShow;
    };
    int mHolds = 0;
    bool mShowScheduled = false;
    zelk::vector<TWaiting> mWaiting;
};
