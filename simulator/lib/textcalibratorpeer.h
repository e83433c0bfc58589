#pragma once

#include "pseudoterminal.h"
#include "textcalibratorprotocols.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QThread;
class TTcpPeerWorker;

// A calibrator that speaks a text protocol, on a serial line (a
// pseudo-terminal the converter stand-in opens) or as a TCP server on
// 127.0.0.1. The serial line keeps its real timing: a reply leaves no earlier
// than the request took to cross at 9600 baud plus the calibrator's
// processing time. Runs on a thread of its own; every method may be called
// from any thread.
class TTextCalibratorPeer
{
public:
    static constexpr int BAUD_RATE = 9600;
    static constexpr int PROCESSING_MS = 10;

    explicit TTextCalibratorPeer(std::unique_ptr<TTextCalibratorProtocol> pProtocol);
    ~TTextCalibratorPeer();
    TTextCalibratorPeer(const TTextCalibratorPeer&) = delete;
    TTextCalibratorPeer& operator=(const TTextCalibratorPeer&) = delete;

    bool startSerial(const QString& pLinkPath, QString& oError);
    // Port 0 picks a free one.
    bool startTcp(quint16 pPort, QString& oError);
    void stop();
    QString linkPath() const { return mLine.linkPath(); }
    quint16 port() const { return mPort; }

    void withFaults(const std::function<void(TTextPeerFaults&)>& pAction);
    QList<QByteArray> receivedRequests() const;
    void clearRecord();
    // Called on the peer's thread with each request as it arrives, before
    // it is answered (tests time an event of their own by the calibrator's).
    void watchRequests(std::function<void(const QByteArray&)> pWatcher);

    // Takes a request off the line and gives the reply and its extra delay;
    // empty when the calibrator stays silent.
    QByteArray handle(const QByteArray& pRequest, int& oLateMs, bool& oDrop);
    QByteArray takeRequest(QByteArray& pBuffer);
    bool refusesConnections() const;

private:
    void serialLoop();

    std::unique_ptr<TTextCalibratorProtocol> mProtocol;
    TPseudoTerminal mLine;
    std::thread mSerialThread;
    std::unique_ptr<QThread> mTcpThread;
    TTcpPeerWorker* mWorker = nullptr;
    quint16 mPort = 0;
    std::atomic<bool> mStopping{false};

    mutable std::mutex mMutex;
    TTextPeerFaults mFaults;
    QList<QByteArray> mRequests;
    std::function<void(const QByteArray&)> mWatcher;
};
