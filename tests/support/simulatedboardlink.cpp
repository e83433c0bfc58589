#include "simulatedboardlink.h"

#include "testsupport.h"

#include <memory>

TSimulatedBoardLink::TSimulatedBoardLink() : TSimulatedBoardLink(LOADED_MACHINE_TIMEOUT)
{
    mLink->setExchangeTimeout(LOADED_MACHINE_TIMEOUT);
    mLink->setSilenceNotice(mBoard.silenceNotice());
}

TSimulatedBoardLink::TSimulatedBoardLink(int pReplyTimeout)
{
    // Without its line the row would only fail on what follows from it, or crash on an answer that never came.
    if (!mBoard.start(TBoardSimulator::defaultLinkPath(), mLinkProblem))
        failCurrentRow("the board's line is linked", mLinkProblem);
    mLink = std::make_unique<TIntCommController>(QStringLiteral("/dev/ttyO2"), QSerialPort::Baud57600,
                                                 QSerialPort::Data8, QSerialPort::NoParity, QSerialPort::OneStop);
    mLink->setReplyTimeout(pReplyTimeout);
    mHandler = std::make_unique<TInternalSCPIHandler>(mLink.get());
}

TSimulatedBoardLink::~TSimulatedBoardLink()
{
    // The program's side goes first, as it would when the board stays on.
    mHandler.reset();
    mLink.reset();
    const QString restartProblem = mBoard.linkProblem();
    mBoard.stop();
    // Whatever the row found since, it found it without a board.
    if (!restartProblem.isEmpty())
        failCurrentRow("the board's line is linked again at its restart", restartProblem);
}

QString TSimulatedBoardLink::linkProblem() const
{
    return mLinkProblem.isEmpty() ? mBoard.linkProblem() : mLinkProblem;
}

QByteArray TSimulatedBoardLink::lastCommand() const
{
    const QList<QByteArray> received = commands();
    return received.isEmpty() ? QByteArray() : received.last();
}

void TSimulatedBoardLink::injectReply(const QByteArray& pReply)
{
    mBoard.withFaults([&](TBoardFaults& pFaults) { pFaults.mInjectedReplies << pReply; });
}

void TSimulatedBoardLink::restartAt(const char* pHeader, int pNumber, bool pAfterAnswering)
{
    TBoardFaults* faults = nullptr;
    mBoard.withFaults([&](TBoardFaults& pFaults) { faults = &pFaults; });
    mBoard.withState([=](TBoardState& pState) {
        const TBoardState::THandler handler = pState.commandHandler(pHeader);
        auto count = std::make_shared<int>(0);
        // Handlers run with the board's faults locked as well.
        pState.addCommand(pHeader, pState.hasReply(pHeader), [=](const QString& pArguments, double pNow) {
            ++*count;
            if (pAfterAnswering && *count == pNumber)
                faults->mRestartAfterReplies = 1;
            else if (!pAfterAnswering && *count == pNumber - 1)
                faults->mRestartCommands = 1;
            return handler(pArguments, pNow);
        });
    });
}
