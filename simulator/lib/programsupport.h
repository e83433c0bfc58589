#pragma once

#include "boardcontrolserver.h"

#include <QObject>

class QCoreApplication;

// What every peer program does around its peer: ends its event loop on SIGINT
// and SIGTERM (so that links and sockets are removed) and reads control
// commands from standard input, answering on standard output.
namespace PeerProgram
{
void quitOnTerminationSignals(QCoreApplication& pApplication);
// The reader lives as long as pOwner.
void serveControlOnStandardInput(QObject* pOwner, TBoardControlServer::TInterpreter pInterpreter);
} // namespace PeerProgram
