#include "boardsimulator.h"

#include "deviceroot.h"

#include <QMetaObject>
#include <QMutexLocker>
#include <QThread>

#include <sys/eventfd.h>
#include <unistd.h>

TBoardSimulator::TBoardSimulator() = default;

TBoardSimulator::~TBoardSimulator()
{
    stop();
    if (mCore.mSilenceNotice >= 0)
        ::close(mCore.mSilenceNotice);
}

QString TBoardSimulator::defaultLinkPath()
{
    return TDeviceRoot::path(QStringLiteral("/dev/ttyO2"));
}

bool TBoardSimulator::start()
{
    QString error;
    if (start(defaultLinkPath(), error))
        return true;
    qWarning("TBoardSimulator: %s", qPrintable(error));
    return false;
}

bool TBoardSimulator::start(const QString& pLinkPath, QString& oError)
{
    stop();
    {
        QMutexLocker lock(&mCore.mMutex);
        mCore.mLinkProblem.clear();
    }
    if (!mTerminal.open(pLinkPath, oError))
        return false;
    mPeer = std::make_unique<TBoardLinkPeer>(mTerminal, mCore);
    mThread = std::make_unique<QThread>();
    mThread->setObjectName(QStringLiteral("simulated board"));
    mPeer->moveToThread(mThread.get());
    mThread->start();
    QMetaObject::invokeMethod(mPeer.get(), "attach", Qt::BlockingQueuedConnection);
    return true;
}

void TBoardSimulator::stop()
{
    if (mThread) {
        QMetaObject::invokeMethod(mPeer.get(), "detach", Qt::BlockingQueuedConnection);
        mThread->quit();
        mThread->wait();
        mThread.reset();
    }
    mPeer.reset();
    mTerminal.close();
}

int TBoardSimulator::silenceNotice()
{
    QMutexLocker lock(&mCore.mMutex);
    if (mCore.mSilenceNotice < 0)
        mCore.mSilenceNotice = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    return mCore.mSilenceNotice;
}

QString TBoardSimulator::linkProblem() const
{
    QMutexLocker lock(&mCore.mMutex);
    return mCore.mLinkProblem;
}

bool TBoardSimulator::restart()
{
    if (!mThread)
        return false;
    QMetaObject::invokeMethod(mPeer.get(), "restart", Qt::BlockingQueuedConnection);
    return linkProblem().isEmpty();
}

void TBoardSimulator::withState(const std::function<void(TBoardState&)>& pAction)
{
    QMutexLocker lock(&mCore.mMutex);
    pAction(mCore.mState);
}

void TBoardSimulator::withFaults(const std::function<void(TBoardFaults&)>& pAction)
{
    QMutexLocker lock(&mCore.mMutex);
    pAction(mCore.mFaults);
}

void TBoardSimulator::setTemperature(int pChannel, double pTemperature)
{
    withState([=](TBoardState& pState) { pState.setSignal(pChannel, TTemperatureSignal::constant(pTemperature)); });
}

bool TBoardSimulator::plugSensor(int pChannel, EnSimulatedSensor pSensor)
{
    bool plugged = false;
    withState([&](TBoardState& pState) { plugged = pState.plugSensor(pChannel, pSensor); });
    return plugged;
}

bool TBoardSimulator::plugSmartProbe(int pChannel, const TSimulatedSmartProbe& pProbe)
{
    bool plugged = false;
    withState([&](TBoardState& pState) { plugged = pState.plugSmartProbe(pChannel, pProbe); });
    return plugged;
}

void TBoardSimulator::fitSwitchBox(int pPort, const TSimulatedSwitchBox& pBox)
{
    withState([&](TBoardState& pState) {
        if (pPort >= 1 && pPort <= TBoardState::PORT_COUNT)
            pState.mSwitchBoxes[pPort - 1] = pBox;
    });
}

QList<TReceivedFrame> TBoardSimulator::receivedFrames() const
{
    QMutexLocker lock(&mCore.mMutex);
    return mCore.mRecord.mFrames;
}

QList<QByteArray> TBoardSimulator::receivedCommands() const
{
    QList<QByteArray> commands;
    for (const TReceivedFrame& frame : receivedFrames())
        commands << frame.mText;
    return commands;
}

int TBoardSimulator::hostAcks() const
{
    QMutexLocker lock(&mCore.mMutex);
    return mCore.mRecord.mHostAcks;
}

int TBoardSimulator::hostNaks() const
{
    QMutexLocker lock(&mCore.mMutex);
    return mCore.mRecord.mHostNaks;
}

int TBoardSimulator::lateReplies() const
{
    QMutexLocker lock(&mCore.mMutex);
    return mCore.mRecord.mLateReplies;
}

void TBoardSimulator::clearRecord()
{
    QMutexLocker lock(&mCore.mMutex);
    mCore.mRecord = TLinkRecord();
}

void TBoardSimulator::watchCommands(std::function<void(const QByteArray&)> pWatcher)
{
    QMutexLocker lock(&mCore.mMutex);
    mCore.mCommandWatcher = std::move(pWatcher);
}
