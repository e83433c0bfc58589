#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

#include "messagedialog.h"
#include "zelkvector.h"

// Lets a message that only informs the user wait while a remote command runs:
// opened inside a command (or inside the events a long command processes) it
// would hold that command and every client until somebody at the instrument
// closed it. One per process; the remote command handler holds it and lets
// what waits through after the command it was raised in, whoever tells the
// user something asks it, and shows the message through showMessage().
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

    // A message with an OK only; pClosed runs as the user closes it. The call
    // returns only then, the event loop running meanwhile, unless a
    // calibration run is active: then it returns at once and the run goes on
    // under the message.
    void showMessage(const QString& pText, TMessageDialog::EnDialogType pDialogType,
                     std::function<void()> pClosed = {});

    // Marks a calibration run for as long as it lives. The run reads the
    // board only inside its own waits, which a message with an event loop of
    // its own would not let return until somebody closed it.
    class TRun
    {
    public:
        TRun() { ++instance().mRuns; }
        ~TRun() { --instance().mRuns; }
        TRun(const TRun&) = delete;
        TRun& operator=(const TRun&) = delete;
    };

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
    int mRuns = 0;
    bool mShowScheduled = false;
    zelk::vector<TWaiting> mWaiting;
};
