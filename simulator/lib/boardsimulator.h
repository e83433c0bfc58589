#pragma once

#include "boardlinkpeer.h"
#include "pseudoterminal.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QThread;

// The simulated measurement board: a pseudo-terminal whose slave is linked at
// the board's device path, and the board side of the link running on a thread
// of its own (every board command blocks the caller's thread until the answer
// is there). Every method may be called from any thread while it runs.
class TBoardSimulator
{
public:
    TBoardSimulator();
    ~TBoardSimulator();
    TBoardSimulator(const TBoardSimulator&) = delete;
    TBoardSimulator& operator=(const TBoardSimulator&) = delete;

    // The board's device path under the device root.
    static QString defaultLinkPath();

    bool start(const QString& pLinkPath, QString& oError);
    bool start();
    void stop();
    // The board restarts between two exchanges (TBoardLinkPeer::restart). False when it is not running or its
    // line could not come back (linkProblem() says why).
    bool restart();
    bool isRunning() const { return mThread != nullptr; }
    QString slavePath() const { return mTerminal.slavePath(); }
    QString linkPath() const { return mTerminal.linkPath(); }
    // Readable while the board leaves the host waiting for nothing, for a
    // host's link in the same process (TIntCommController::setSilenceNotice);
    // made at the first call. Without it a late reply goes out at its delay.
    int silenceNotice();
    // Why the line could not come back at the last restart, after which the board is gone until a restart links
    // it again; empty while it is linked.
    QString linkProblem() const;

    // Reads or changes the board's state, or the faults, under the lock.
    void withState(const std::function<void(TBoardState&)>& pAction);
    void withFaults(const std::function<void(TBoardFaults&)>& pAction);

    // The common changes, for tests and the control interface.
    void setTemperature(int pChannel, double pTemperature);
    bool plugSensor(int pChannel, EnSimulatedSensor pSensor);
    bool plugSmartProbe(int pChannel, const TSimulatedSmartProbe& pProbe);
    void fitSwitchBox(int pPort, const TSimulatedSwitchBox& pBox);

    // What the host sent so far.
    QList<TReceivedFrame> receivedFrames() const;
    QList<QByteArray> receivedCommands() const;
    int hostAcks() const;
    int hostNaks() const;
    int lateReplies() const;
    void clearRecord();
    // Each command's text as the board receives it, on the board's thread,
    // before it is answered (tests time an event of their own by the
    // board's); the watcher must not call the simulator. Null stops it.
    void watchCommands(std::function<void(const QByteArray&)> pWatcher);

private:
    TBoardSimulatorCore mCore;
    TPseudoTerminal mTerminal;
    std::unique_ptr<QThread> mThread;
    std::unique_ptr<TBoardLinkPeer> mPeer;
};
