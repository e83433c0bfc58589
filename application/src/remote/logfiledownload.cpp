#include "logfiledownload.h"

#include "externalcommunicationhandler.h"
#include "externalcommunicationinterface.h"

void TLogfileLineJoiner::join(const QString& pText, QString& oJoined)
{
    // Each character gives at most one; on top come what the piece
    // before held back: its separators and a carriage return.
    const int start = oJoined.size();
    oJoined.resize(start + pText.size() + mLineEnds + 1);
    QChar* out = oJoined.data() + start;
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
    oJoined.truncate(int(out - oJoined.constData()));
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
    : mClient(pClient), mConnection(pConnection), mDecoder(QTextCodec::codecForName("UTF-8"))
{
}

bool TLogfileDownload::open(const QString& pPath)
{
    mFile.setFileName(pPath);
    return mFile.open(QIODevice::ReadOnly) && !mFile.atEnd();
}

bool TLogfileDownload::sendNextPiece()
{
    // The file is read and decoded in parts whose text stays below the
    // allocator's threshold for mapping a block by itself, joined into the
    // piece kept from the one before. A text stream decodes 16 KB of bytes
    // at a time into 32 KB of text: whenever the heap had no room left for
    // such a block, the allocator mapped and unmapped one for every part,
    // and the download cost up to twice its CPU time.
    constexpr qint64 PART_LENGTH = 4096;
    char part[PART_LENGTH];
    mPiece.truncate(0);
    bool ended = false;
    for (qint64 read = 0; read < TExternalCommunicationHandler::LOGFILE_DOWNLOAD_PIECE_LENGTH && !ended;
         read += PART_LENGTH) {
        // A read that fails ends the file as its end does.
        const qint64 length = mFile.read(part, PART_LENGTH);
        if (length > 0)
            mJoiner.join(mDecoder.toUnicode(part, int(length)), mPiece);
        ended = length <= 0 || mFile.atEnd();
    }
    mClient->sendResponse(mPiece, false, mPieceBytes);
    if (!ended)
        return false;
    mClient->sendResponse(mJoiner.finish(), true);
    return true;
}

void TLogfileDownload::cut()
{
    if (mClient->connectionNumber() == mConnection)
        mClient->sendResponse(QString(), true);
}
