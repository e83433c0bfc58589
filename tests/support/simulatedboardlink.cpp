#include "simulatedboardlink.h"

TSimulatedBoardLink::TSimulatedBoardLink(int pReplyTimeout)
{
    mBoard.start();
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
    mBoard.stop();
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
