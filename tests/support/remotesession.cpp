#include "remotesession.h"

#include "authorizationcontroller.h"
#include "simulatedboardlink.h"

#include <QTest>

namespace
{
const char* const PASSWORDS[] = {"", "service4711", "factory2357"};
} // namespace

TRemoteSession::TRemoteSession(TInternalSCPIHandler* pBoard, TChannelController* pChannels, TProbeController* pProbes,
                               TChannelViewControllerManager* pViews)
    : mHandler(std::make_unique<TExternalCommunicationHandler>(pBoard, pChannels, pProbes, pViews, nullptr))
    , mClient(std::make_unique<TRecordingInterface>(mHandler.get()))
{
    static bool levelsAdded = false;
    if (!levelsAdded) {
        TAuthorizationController& authorization = TAuthorizationController::instance();
        authorization.addLevel(QLatin1String(TAuthorizationController::FACTORY_DIGEST_LEVEL1));
        authorization.addLevel(QLatin1String(TAuthorizationController::FACTORY_DIGEST_LEVEL2));
        levelsAdded = true;
    }
    mClient->receive("syst:remo\rsyst:ackn 0\r");
    mClient->takeSent();
}

TRemoteSession::~TRemoteSession()
{
    mClient.reset();
    mHandler.reset();
}

QByteArray TRemoteSession::exchange(const QByteArray& pLine)
{
    mClient->receive(pLine + '\r');
    return mClient->takeSent();
}

void TRemoteSession::setAccessLevel(int pLevel)
{
    TAuthorizationController& authorization = TAuthorizationController::instance();
    authorization.resetLevel();
    if (pLevel > 0)
        authorization.enterLevel(QLatin1String(PASSWORDS[pLevel]));
    QCOMPARE(authorization.level(), pLevel);
}

void TRemoteSession::addRefusalColumns()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("reply");
}

void TRemoteSession::checkRefusal(TSimulatedBoardLink& pBoard)
{
    QFETCH(int, level);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, reply);
    setAccessLevel(level);
    pBoard.board().clearRecord();
    QCOMPARE(exchange(line), reply + "\r\n");
    QCOMPARE(pBoard.commands(), QList<QByteArray>());
}
