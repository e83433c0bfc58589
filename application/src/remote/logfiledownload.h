#pragma once

#include <QFile>
#include <QString>
#include <QTextCodec>

class TExternalCommunicationInterface;

// The lines of a log file, line ends removed, joined by the record separator,
// as text passes through in pieces: a line end ("\n" or "\r\n") may fall
// between two pieces, and the one that ends the file adds no separator. A
// log of some days runs to tens of megabytes on the device's one core: each
// character is copied once, into room made beforehand.
class TLogfileLineJoiner
{
public:
    // Appends the joined text to oJoined, which keeps its room.
    void join(const QString& pText, QString& oJoined);
    // What is still due at the end of the file. A carriage return there ends
    // a line of its own.
    QString finish();

private:
    // The separators of the line ends before the character, then the character.
    QChar* append(QChar* pOut, QChar pCharacter);

    int mLineEnds = 0;
    bool mCarriageReturnHeld = false;
};

// A log file on its way to the remote client that asked for it, as one reply
// that leaves in pieces: the handler sends the next piece whenever the
// client's transport has room, on its own turns of the event loop, so that a
// client that pauses holds up nobody else, and goes on where it stopped.
class TLogfileDownload
{
public:
    TLogfileDownload(TExternalCommunicationInterface* pClient, quint64 pConnection);

    // False when the file cannot be read or is empty.
    bool open(const QString& pPath);
    TExternalCommunicationInterface* client() const { return mClient; }
    // The client's connection when it asked: the rest is for nobody else.
    quint64 connection() const { return mConnection; }
    // Sends the next piece, the last one with the reply's end; true once the
    // whole file has gone.
    bool sendNextPiece();
    // A client still on its connection (the local user took the instrument
    // back, the program ends) reads a cut file, but ended as a reply is: its
    // next reply must start a line of its own.
    void cut();

private:
    TExternalCommunicationInterface* mClient;
    quint64 mConnection;
    QFile mFile;
    // Carries a character whose bytes fall in two parts of the file.
    QTextDecoder mDecoder;
    TLogfileLineJoiner mJoiner;
    // A piece's text and bytes, kept from piece to piece: blocks of their
    // size are mapped and given back on their own by the allocator, which
    // for every piece would cost more than the piece's own work.
    QString mPiece;
    QByteArray mPieceBytes;
};
