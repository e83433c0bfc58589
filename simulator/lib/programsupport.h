#pragma once

#include "boardcontrolserver.h"

#include <QObject>
#include <QString>

class QCoreApplication;

// What every peer program does around its peer: ends its event loop on SIGINT
// and SIGTERM (so that links and sockets are removed) and reads control
// commands from standard input, answering on standard output.
namespace PeerProgram
{
void quitOnTerminationSignals(QCoreApplication& pApplication);
// The reader lives as long as pOwner.
void serveControlOnStandardInput(QObject* pOwner, TBoardControlServer::TInterpreter pInterpreter);
// Takes the lock "<pLinkPath>.lock" for the rest of the process, which the system releases when the process ends
// however it ends: a line no other peer program holds this way is free, whatever its link leads to. False, with
// the reason in oError, when another process holds it or the lock file cannot be opened.
bool holdLineLock(const QString& pLinkPath, QString& oError);
} // namespace PeerProgram
