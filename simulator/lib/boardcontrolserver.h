#pragma once

#include "boardcontrolinterpreter.h"
#include "linecontrolserver.h"

// Serves the simulated board's control commands on a local socket.
class TBoardControlServer : public TLineControlServer
{
    Q_OBJECT

public:
    explicit TBoardControlServer(TBoardSimulator& pSimulator, QObject* pParent = nullptr);
    ~TBoardControlServer() override;

private:
    TBoardControlInterpreter mInterpreter;
};
