#pragma once

#include "externalcommunicationinterface.h"

#include <QQueue>
#include <QSerialPort>
#include <QTimer>

#include <memory>

class QSocketNotifier;
class TRS232ConfigurationController;
class TSerialLine;

// A remote transport on a serial line: the RS-232 or IEEE-488 option board on
// "/dev/ttyO1", or the USB device port "/dev/ttyGS0". Open from construction
// on; never reports a disconnection. Replies leave from an output queue as the
// line takes them, so that a host that reads slowly never holds up the
// instrument. The line is locked on its open descriptor, as the board link's
// is, so that no lock file is left behind in the system's lock directory.
// Owned by the main window.
class TSerialCommunicationInterface : public TExternalCommunicationInterface
{
    Q_OBJECT

public:
    // A line that has gone away is tried again after this pause, not at once:
    // a port that keeps failing would otherwise reopen in a tight loop.
    static constexpr int REOPEN_DELAY = 1000;
    // While the line is not read (the host's replies or commands wait), a
    // host that unplugs is noticed by a look at the line this often: the long
    // command it leaves behind ends then, as it does while the line is read.
    static constexpr int HANG_UP_CHECK_INTERVAL = 250;
    // What may still come of a host's text sent before the Yes: the 4 KB its
    // system holds for the line and what a USB-serial converter's chip holds
    // beyond them (at most 512 bytes), at the line's rate and character frame.
    static constexpr qint64 HOST_BUFFER_BYTES = 4096 + 512;

    TSerialCommunicationInterface(TExternalCommunicationHandler* pCommHandler, const QString& pPort, int pBaudRate,
                                  QSerialPort::FlowControl pFlowControl, QSerialPort::DataBits pDataBits,
                                  QSerialPort::StopBits pStopBits, QSerialPort::Parity pParity);
    ~TSerialCommunicationInterface() override;

    // Dropped while the line is closed.
    void sendRawData(const QByteArray& pData) override;
    qint64 pendingBytes() const override { return mPendingBytes; }
    // What the host sent and the line still holds, and what it is still
    // sending, until the line has been quiet for INPUT_QUIET_PERIOD or
    // dropTimeLimit() has passed.
    void dropUnreadInput() override;
    // DROP_TIME_LIMIT, or as long as the host's buffer takes at the line's
    // rate and frame where that is longer (38.4 s at 1200 baud, 8N1); during
    // a drop, never shorter than any setting the line had since it began gave.
    qint64 dropTimeLimit() const override;
    void resumeInput() override;

    bool isOpen() const;
    // The line is there but took no rate or frame at the last try; it stays
    // closed until the next change of its settings.
    bool settingsRefused() const { return mSettingsRefused; }
    const TSerialLine& port() const { return *mSerialPort; }
    // For tests: a shorter pause before reopening.
    void setReopenDelay(int pMilliseconds) { mReopenTimer.setInterval(pMilliseconds); }

protected:
    bool dropWaitingInput() override;

signals:
    // The line took its settings after refusing them, or refused them.
    void settingsRefusedChanged(bool pRefused);

public slots:
    void onReadyRead();
    void onConfigurationChanged(TRS232ConfigurationController* pController);

private:
    // Opens the line and watches it for bytes; false when it could not be opened.
    bool open();
    // What was still to be sent goes with the line; a drop goes on, over the
    // line opened anew.
    void close();
    // The line has gone away: closed, and tried again after a pause.
    void lineGone();
    void reopen();
    // Writes what the line takes of the output queue; watches it for room
    // while anything is left.
    void writePending();
    // Room for the replies and in the handler's queue: a host that reads
    // nothing, or sends more while a long command runs, is held up in the
    // line and not read until there is.
    bool mayRead() const;
    void watchForHangUp();
    // Drops a piece of what the line holds; false when it held nothing.
    bool dropArrivedInput();

    QString mPort;
    std::unique_ptr<TSerialLine> mSerialPort;
    // A child of the transport; closing the line may happen inside its signal,
    // so it is deleted later.
    QSocketNotifier* mReadNotifier = nullptr;
    QSocketNotifier* mWriteNotifier = nullptr;
    // The head has gone out up to mOutputOffset.
    QQueue<QByteArray> mOutput;
    qint64 mOutputOffset = 0;
    qint64 mPendingBytes = 0;
    QTimer mReopenTimer;
    QTimer mHangUpWatch;
    bool mSettingsRefused = false;
    // The longest bound of the drop going on, as the settings stored during
    // it made it.
    qint64 mLongestDropTime = 0;
};
