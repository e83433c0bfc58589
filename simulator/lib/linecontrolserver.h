#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLocalServer;
class QLocalSocket;

// Serves a simulated peer's line commands on a local socket: every line a
// client sends is answered with the lines of the command function, each ended
// by "\n". Lives on the thread that runs the event loop of its owner.
class TLineControlServer : public QObject
{
    Q_OBJECT

public:
    using TExecute = std::function<QStringList(const QString&)>;

    explicit TLineControlServer(TExecute pExecute, QObject* pParent = nullptr);
    ~TLineControlServer() override;

    // Replaces a socket a former run left behind.
    bool listen(const QString& pSocketPath, QString& oError);
    QString socketPath() const;

private:
    void acceptClients();
    void answer(QLocalSocket* pClient);

    TExecute mExecute;
    QLocalServer* mServer;
};
