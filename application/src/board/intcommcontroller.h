#pragma once

#include "serialline.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <memory>

// The internal serial link to the measurement board: frames each command with
// its CRC-8 byte and CR LF, runs the ACK/NAK handshake with its retries and
// time-outs and keeps the board's pause between commands. It knows nothing of
// what the commands mean. Created once by the main window, which keeps it until
// exit; the board command layer is its only caller. A port that hangs up (the
// board restarting, its line lost) is closed and opened again from its device
// path before the next command, so the link comes back with the board.
class TIntCommController : public QObject
{
    Q_OBJECT

public:
    // x^8 + x^7 + x^3 + x^2 + 1 without its x^8 term.
    static constexpr char GENERATOR_POLYNOMIAL = static_cast<char>(0x8D);
    // Milliseconds to wait for the next bytes from the board.
    static constexpr int TIMEOUT = 2000;
    // Milliseconds one whole exchange may take. The wait for bytes starts anew
    // with every byte, so without it a board that trickles its reply holds the
    // screen for as long as it likes. The longest regular exchange, five tries
    // each waiting out TIMEOUT, takes about 10 s.
    static constexpr int EXCHANGE_TIMEOUT = 12000;
    // The most bytes an exchange collects before giving up on a CR LF; the
    // longest reply, a probe record, is a few hundred bytes.
    static constexpr int MAX_REPLY_BYTES = 4096;
    // Board NAKs and corrupted replies together; a command is written at most this often.
    static constexpr int RETRIES = 5;
    static constexpr char ACK = 0x06;
    static constexpr char NAK = 0x15;
    // The board needs a quiet line between commands; measured on a monotonic clock so
    // that setting the system time cannot stretch or skip the pause.
    static constexpr int PAUSE_BETWEEN_COMMANDS = 20;

    // The port name is a device path ("/dev/ttyO2"); it is opened at once. A port
    // that is not open is tried again before each command, which fails at once
    // when it still does not open.
    TIntCommController(const QString& pPortName, QSerialPort::BaudRate pBaudRate, QSerialPort::DataBits pDataBits,
                       QSerialPort::Parity pParity, QSerialPort::StopBits pStopBits);
    ~TIntCommController() override;

    // Sends one command and returns the board's reply text without CRC and
    // terminator; empty when no reply is expected or the command failed, which
    // oFailed tells. A terminate or Ctrl+C ends the exchange it comes in,
    // which fails; after it an exchange waits for no more than one answer's
    // time, and once one has failed a command fails without going out.
    QString sendCommand(const QString& pCommand, bool pResponseExpected, bool& oFailed);

    // The remainder of the bytes, read as a polynomial with the first bit highest,
    // divided by x^8 + pPolynomial; 0 for no bytes.
    static char calcChecksum(const QByteArray& pByteArray, char pPolynomial);

    // The bytes that go on the wire for a command or reply text.
    static QByteArray frame(const QByteArray& pText);

    // The wait for bytes from the board; TIMEOUT unless a test shortens it.
    void setReplyTimeout(int pMilliseconds);
    int replyTimeout() const { return mReplyTimeout; }
    // The limit of a whole exchange; EXCHANGE_TIMEOUT unless a test shortens it.
    void setExchangeTimeout(int pMilliseconds);
    // An event counter (eventfd) that a simulated board counts up when it
    // leaves the link waiting for nothing: the wait then ends as at its
    // time-out, and a test need not wait one out nor shorten it below what a
    // loaded machine needs to answer. Bytes on the line come first. -1 (the
    // program's) waits the time-out out.
    void setSilenceNotice(int pDescriptor);

    bool isPortOpen() const;

    // How often an exchange failed or the line hung up so far. The board may
    // have restarted at any of these and lost what it was told; callers that
    // told it something compare the count from then with the count now.
    quint64 interruptions() const { return mInterruptions; }

signals:
    // The board answered a command with something other than ACK or NAK.
    void missingAcknowledge();

private:
    void waitForPauseBetweenCommands() const;
    void writeBytes(const QByteArray& pBytes);
    // False when no byte came in time, the exchange ran out of time, the
    // buffer is full without a terminator, the line hung up or, with
    // pEndsOnTermination, the program is told to end.
    bool waitForBytes(QByteArray& oBuffer, const QDeadlineTimer& pExchangeDeadline, bool pEndsOnTermination);
    // False when the wait ran out, the board's silence notice came or, with
    // pEndsOnTermination, the program is told to end; true when bytes came or
    // the line hung up.
    bool waitForLineOrNotice(int pTimeoutMs, bool pEndsOnTermination);
    // Forgets a notice of an exchange that is over.
    void takeSilenceNotice();

    std::unique_ptr<TSerialLine> mSerialPort;
    QByteArray mMessageTerminator;
    // Started when the last command ended; invalid until the first one has.
    QElapsedTimer mTimestampLastCommand;
    int mReplyTimeout = TIMEOUT;
    int mExchangeTimeout = EXCHANGE_TIMEOUT;
    int mSilenceNotice = -1;
    quint64 mInterruptions = 0;
    // An exchange failed after the program was told to end.
    bool mFailedSinceTermination = false;

    // PAUSE_BETWEEN_COMMANDS, always, in the program. Only the test harness
    // (TBoardLinkPacing) shortens it, for tests that do not test the pacing.
    static int sPauseBetweenCommands;
    friend class TBoardLinkPacing;
};
