#pragma once

#include "boardcontrolinterpreter.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// Serves the simulated board's line commands on a local socket: every line a
// client sends is answered with the interpreter's lines, each ended by "\n".
// Lives on the thread that runs the event loop of its owner.
class TBoardControlServer : public QObject
{
    Q_OBJECT

public:
    explicit TBoardControlServer(TBoardSimulator& pSimulator, QObject* pParent = nullptr);
    ~TBoardControlServer() override;

    // Replaces a socket a former run left behind.
    bool listen(const QString& pSocketPath, QString& oError);
    QString socketPath() const;

private:
    void acceptClients();
    void answer(QLocalSocket* pClient);

    TBoardControlInterpreter mInterpreter;
    QLocalServer* mServer;
};
