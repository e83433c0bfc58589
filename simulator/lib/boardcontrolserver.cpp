#include "boardcontrolserver.h"

TBoardControlServer::TBoardControlServer(TBoardSimulator& pSimulator, QObject* pParent)
    : TLineControlServer([this](const QString& pLine) { return mInterpreter.execute(pLine); }, pParent)
    , mInterpreter(pSimulator)
{
}

TBoardControlServer::~TBoardControlServer() = default;
