#pragma once

#include "boardcontrolinterpreter.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLocalServer;
class QLocalSocket;

// Serves the simulated board's line commands on a local socket: every line a
// client sends is answered with the interpreter's lines, each ended by "\n".
// The other peers serve their own commands through it with their own
// interpreter. Lives on the thread that runs the event loop of its owner.
class TBoardControlServer : public QObject
{
    Q_OBJECT

public:
    using TInterpreter = std::function<QStringList(const QString& pLine)>;

    explicit TBoardControlServer(TBoardSimulator& pSimulator, QObject* pParent = nullptr);
    explicit TBoardControlServer(TInterpreter pInterpreter, QObject* pParent = nullptr);
    ~TBoardControlServer() override;

    // Replaces a socket a former run left behind, and nothing else: false, with the reason, when something other
    // than a socket stands at pSocketPath, or a process serves that socket.
    bool listen(const QString& pSocketPath, QString& oError);
    QString socketPath() const;

private:
    void acceptClients();
    void answer(QLocalSocket* pClient);

    TInterpreter mInterpreter;
    QLocalServer* mServer;
};
