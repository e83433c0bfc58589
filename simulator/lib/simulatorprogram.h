#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QCoreApplication;
class TLineControlServer;

// What the simulator programs share around their peers.
namespace Simulator_program
{
// Ends the event loop on SIGINT and SIGTERM, so that links and sockets are removed.
void quitOnTerminationSignals(QCoreApplication& pApplication);
// Serves the control commands on the socket and says where; false (after
// saying why) when the socket cannot be served.
bool serveControlSocket(TLineControlServer& pServer, const QString& pProgram, const QString& pSocketPath);
// Reads control commands from standard input, one a line, and prints the answers.
void serveStandardInput(std::function<QStringList(const QString&)> pExecute, QObject* pParent);
} // namespace Simulator_program
