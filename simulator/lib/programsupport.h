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
// Takes the line linked at pLinkPath for the rest of the process: a line that a peer program runs (./run.sh's, say)
// is not taken over, since its program would lose that peer and this one's end would remove the line. Only a peer
// that runs holds the lock "<pLinkPath>.lock", and the system lets go of it however that peer ends: a link that
// a kill -9 or a closed terminal left, whose pseudo-terminal another program may hold by now, is free. What is
// no link is refused before the lock, which would leave its lock file beside it. False, with the reason in
// oError, when no line may be linked there, another process holds the lock or the lock file cannot be opened.
bool takeLine(const QString& pLinkPath, QString& oError);
// Makes pFolder and the folders above it. False, with the system's reason in oError, when it cannot: a folder
// that could not be made would otherwise be told later as a file missing its folder.
bool makeFolder(const QString& pFolder, QString& oError);
// The command line of process pProcess, its arguments separated by blanks ("?" when it cannot be read): by the
// number alone the user cannot tell a peer started by hand from one that a ./run.sh started, and each is stopped
// where it was started.
QString commandLine(qint64 pProcess);
} // namespace PeerProgram
