#include "logfiledownload.h"

#include "externalcommunicationhandler.h"
#include "externalcommunicationinterface.h"

QString TLogfileLineJoiner::join(const QString& pText)
{
    // Each character gives at most one; on top come what the piece
    // before held back: its separators and a carriage return.
    QString joined(pText.size() + mLineEnds + 1, Qt::Uninitialized);
    QChar* out = joined.data();
    const QChar* in = pText.constData();
    const QChar* const end = in + pText.size();
    while (in != end) {
        // The characters of a line go as they stand while nothing is
        // held back; only control characters up to the carriage return's
        // code need a closer look.
        if (mLineEnds == 0 && !mCarriageReturnHeld) {
            while (in != end && in->unicode() > '\r')
                *out++ = *in++;
            if (in == end)
                break;
        }
        const QChar character = *in++;
        if (character == QLatin1Char('\n')) {
            mCarriageReturnHeld = false;
            ++mLineEnds;
            continue;
        }
        if (mCarriageReturnHeld) {
            mCarriageReturnHeld = false;
            out = append(out, QLatin1Char('\r'));
        }
        if (character == QLatin1Char('\r'))
            mCarriageReturnHeld = true;
        else
            out = append(out, character);
    }
    joined.truncate(int(out - joined.constData()));
    return joined;
}

QString TLogfileLineJoiner::finish()
{
    const int separators = mCarriageReturnHeld ? mLineEnds : qMax(mLineEnds - 1, 0);
    mLineEnds = 0;
    mCarriageReturnHeld = false;
    return QString(separators, QChar(TExternalCommunicationHandler::RS));
}

QChar* TLogfileLineJoiner::append(QChar* pOut, QChar pCharacter)
{
    for (; mLineEnds > 0; --mLineEnds)
        *pOut++ = QChar(TExternalCommunicationHandler::RS);
    *pOut++ = pCharacter;
    return pOut;
}

TLogfileDownload::TLogfileDownload(TExternalCommunicationInterface* pClient, quint64 pConnection)
    : mClient(pClient), mConnection(pConnection)
{
}

bool TLogfileDownload::open(const QString& pPath)
{
    mFile.setFileName(pPath);
    if (!mFile.open(QIODevice::ReadOnly) || mFile.atEnd())
        return false;
    mStream.setDevice(&mFile);
    mStream.setCodec("UTF-8");
    return true;
}

bool TLogfileDownload::sendNextPiece()
{
    mClient->sendResponse(mJoiner.join(mStream.read(TExternalCommunicationHandler::LOGFILE_DOWNLOAD_PIECE_LENGTH)),
                          false);
    if (!mStream.atEnd())
        return false;
    mClient->sendResponse(mJoiner.finish(), true);
    return true;
}

void TLogfileDownload::cut()
{
    if (mClient->connectionNumber() == mConnection)
        mClient->sendResponse(QString(), true);
}
