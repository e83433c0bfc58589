#include "textcalibratorpeer.h"

#include "faultcount.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <poll.h>
#include <unistd.h>

namespace
{
qint64 nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Ten bit times a byte.
qint64 lineMs(int pBytes)
{
    return (qint64(pBytes) * 10000 + TTextCalibratorPeer::BAUD_RATE - 1) / TTextCalibratorPeer::BAUD_RATE;
}
} // namespace

// Serves the register protocol on 127.0.0.1; lives on the peer's TCP thread.
class TTcpPeerWorker : public QObject
{
public:
    // The server and the timer are children, so that they move to the
    // peer's thread with the worker.
    explicit TTcpPeerWorker(TTextCalibratorPeer& pPeer) : mPeer(pPeer), mServer(this), mWatch(this)
    {
        QObject::connect(&mServer, &QTcpServer::newConnection, this, [this]() { accept(); });
        // Follows the connection fault: a refusing calibrator does not listen.
        QObject::connect(&mWatch, &QTimer::timeout, this, [this]() { followConnectionFault(); });
    }

    bool listen(quint16 pPort)
    {
        mPortAsked = pPort;
        const bool listening = mServer.listen(QHostAddress::LocalHost, pPort);
        mPortAsked = mServer.serverPort();
        mWatch.start(20);
        return listening;
    }

    quint16 port() const { return mPortAsked; }

    void close()
    {
        mWatch.stop();
        mServer.close();
        for (QTcpSocket* client : findChildren<QTcpSocket*>())
            client->abort();
    }

private:
    void followConnectionFault()
    {
        const bool refuse = mPeer.refusesConnections();
        if (refuse && mServer.isListening())
            mServer.close();
        else if (!refuse && !mServer.isListening())
            mServer.listen(QHostAddress::LocalHost, mPortAsked);
    }

    void accept()
    {
        while (QTcpSocket* client = mServer.nextPendingConnection()) {
            client->setParent(this);
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(client, &QTcpSocket::readyRead, client, [this, client, buffer]() {
                buffer->append(client->readAll());
                for (QByteArray request = mPeer.takeRequest(*buffer); !request.isEmpty();
                     request = mPeer.takeRequest(*buffer)) {
                    int lateMs = 0;
                    bool drop = false;
                    const QByteArray reply = mPeer.handle(request, lateMs, drop);
                    if (drop) {
                        client->abort();
                        return;
                    }
                    if (reply.isEmpty())
                        continue;
                    if (lateMs > 0)
                        QTimer::singleShot(lateMs, client, [client, reply]() { client->write(reply); });
                    else
                        client->write(reply);
                }
            });
            QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        }
    }

    TTextCalibratorPeer& mPeer;
    QTcpServer mServer;
    QTimer mWatch;
    quint16 mPortAsked = 0;
};

TTextCalibratorPeer::TTextCalibratorPeer(std::unique_ptr<TTextCalibratorProtocol> pProtocol)
    : mProtocol(std::move(pProtocol))
{
}

TTextCalibratorPeer::~TTextCalibratorPeer()
{
    stop();
}

bool TTextCalibratorPeer::startSerial(const QString& pLinkPath, QString& oError)
{
    stop();
    if (!mLine.open(pLinkPath, oError))
        return false;
    mStopping = false;
    mSerialThread = std::thread([this]() { serialLoop(); });
    return true;
}

bool TTextCalibratorPeer::startTcp(quint16 pPort, QString& oError)
{
    stop();
    mTcpThread = std::make_unique<QThread>();
    mWorker = new TTcpPeerWorker(*this);
    mWorker->moveToThread(mTcpThread.get());
    QObject::connect(mTcpThread.get(), &QThread::finished, mWorker, &QObject::deleteLater);
    mTcpThread->start();
    bool listening = false;
    QMetaObject::invokeMethod(
        mWorker, [this, pPort, &listening]() { listening = mWorker->listen(pPort); }, Qt::BlockingQueuedConnection);
    mPort = mWorker->port();
    if (!listening) {
        oError = QStringLiteral("cannot listen on 127.0.0.1:%1").arg(pPort);
        stop();
        return false;
    }
    return true;
}

void TTextCalibratorPeer::stop()
{
    mStopping = true;
    if (mSerialThread.joinable())
        mSerialThread.join();
    mLine.close();
    if (mTcpThread) {
        QMetaObject::invokeMethod(
            mWorker, [this]() { mWorker->close(); }, Qt::BlockingQueuedConnection);
        mTcpThread->quit();
        mTcpThread->wait();
        mTcpThread.reset();
        mWorker = nullptr;
    }
}

void TTextCalibratorPeer::withFaults(const std::function<void(TTextPeerFaults&)>& pAction)
{
    std::lock_guard<std::mutex> lock(mMutex);
    pAction(mFaults);
}

QList<QByteArray> TTextCalibratorPeer::receivedRequests() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mRequests;
}

void TTextCalibratorPeer::clearRecord()
{
    std::lock_guard<std::mutex> lock(mMutex);
    mRequests.clear();
}

bool TTextCalibratorPeer::refusesConnections() const
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mFaults.mRefuseConnections;
}

QByteArray TTextCalibratorPeer::takeRequest(QByteArray& pBuffer)
{
    std::lock_guard<std::mutex> lock(mMutex);
    return mProtocol->takeRequest(pBuffer);
}

void TTextCalibratorPeer::watchRequests(std::function<void(const QByteArray&)> pWatcher)
{
    std::lock_guard<std::mutex> lock(mMutex);
    mWatcher = std::move(pWatcher);
}

QByteArray TTextCalibratorPeer::handle(const QByteArray& pRequest, int& oLateMs, bool& oDrop)
{
    std::function<void(const QByteArray&)> watcher;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        watcher = mWatcher;
    }
    if (watcher)
        watcher(pRequest);
    std::lock_guard<std::mutex> lock(mMutex);
    mRequests.append(pRequest);
    oLateMs = mFaults.mLateMs > 0 && consumeFault(mFaults.mLateCount) ? mFaults.mLateMs : 0;
    oDrop = consumeFault(mFaults.mDrop);
    if (consumeFault(mFaults.mSilence))
        return QByteArray();
    return mProtocol->answer(pRequest, mFaults);
}

void TTextCalibratorPeer::serialLoop()
{
    QByteArray input;
    QList<QPair<qint64, QByteArray>> outgoing;
    const int line = mLine.masterDescriptor();
    while (!mStopping) {
        int waitMs = 20;
        if (!outgoing.isEmpty())
            waitMs = int(qBound<qint64>(0, outgoing.first().first - nowMs(), 20));
        pollfd descriptor{line, POLLIN, 0};
        ::poll(&descriptor, 1, waitMs);
        char chunk[512];
        for (ssize_t count; (count = ::read(line, chunk, sizeof chunk)) > 0;)
            input.append(chunk, int(count));
        const qint64 now = nowMs();
        for (QByteArray request = takeRequest(input); !request.isEmpty(); request = takeRequest(input)) {
            int lateMs = 0;
            bool drop = false;
            const QByteArray reply = handle(request, lateMs, drop);
            if (reply.isEmpty())
                continue;
            // The request has crossed only now, the reply takes its own time.
            const qint64 due = now + lineMs(request.size() + 2) + PROCESSING_MS + lateMs + lineMs(reply.size());
            outgoing.append({due, reply});
            std::stable_sort(outgoing.begin(), outgoing.end(),
                             [](const auto& pLeft, const auto& pRight) { return pLeft.first < pRight.first; });
        }
        while (!outgoing.isEmpty() && outgoing.first().first <= nowMs()) {
            const QByteArray bytes = outgoing.takeFirst().second;
            [[maybe_unused]] const ssize_t written = ::write(line, bytes.constData(), size_t(bytes.size()));
        }
    }
}
