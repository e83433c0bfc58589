#pragma once

#include "externalcommunicationhandler.h"
#include "recordinginterface.h"

#include <QByteArray>

#include <memory>

// A remote client in remote mode on a handler built on the given parts, with
// acknowledgements off: what a set command sends then is only its error.
class TSimulatedBoardLink;

class TRemoteSession
{
public:
    TRemoteSession(TInternalSCPIHandler* pBoard, TChannelController* pChannels, TProbeController* pProbes,
                   TChannelViewControllerManager* pViews);
    ~TRemoteSession();

    TExternalCommunicationHandler& handler() { return *mHandler; }
    // Sends the line with CR and returns every byte the instrument answered.
    QByteArray exchange(const QByteArray& pLine);
    // The service access level 0, 1 or 2, entered as a user would.
    static void setAccessLevel(int pLevel);

    // A table of refused commands: the access level, the line and the error
    // it is answered with (without CR LF).
    static void addRefusalColumns();
    // Sends the row's line at the row's level: the row's error comes back and
    // the board has been told nothing.
    void checkRefusal(TSimulatedBoardLink& pBoard);

private:
    std::unique_ptr<TExternalCommunicationHandler> mHandler;
    std::unique_ptr<TRecordingInterface> mClient;
};
