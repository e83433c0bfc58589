#pragma once

#include "boardcontrolinterpreter.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class TLocalSocketAddress;

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
    // than a socket stands at pSocketPath, or a process serves that socket. The path may be of any length.
    bool listen(const QString& pSocketPath, QString& oError);
    QString socketPath() const;

private:
    void acceptClients();
    void answer(QLocalSocket* pClient);

    TInterpreter mInterpreter;
    QLocalServer* mServer;
    std::unique_ptr<TLocalSocketAddress> mAddress;
};
