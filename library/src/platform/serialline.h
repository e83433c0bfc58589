#pragma once

#include <QByteArray>
#include <QSerialPort>
#include <QString>

// A serial port opened by its device path (placed under the device root) and
// set raw to the given line settings; read and written without blocking, with
// waits on the descriptor. Owned by the one class that talks over the port.
//
// Not QSerialPort: that keeps a lock file in the host's /var/lock for every
// port it opens, whatever the port's path, and leaves it there whenever the
// program does not end normally. An advisory lock on the open descriptor keeps
// a second program off the port just as well and goes with the descriptor.
class TSerialLine
{
public:
    enum EnWaitResult { wrBytes, wrTimeout, wrHangUp };

    // The rate in bits per second, as the serial port library takes it.
    TSerialLine(const QString& pDevicePath, qint32 pBaudRate, QSerialPort::DataBits pDataBits,
                QSerialPort::Parity pParity, QSerialPort::StopBits pStopBits,
                QSerialPort::FlowControl pFlowControl = QSerialPort::NoFlowControl);
    ~TSerialLine();
    TSerialLine(const TSerialLine&) = delete;
    TSerialLine& operator=(const TSerialLine&) = delete;

    // Opens the device path anew (closing what was open); false when the file
    // is missing, in use by another program or takes no line settings
    // (settingsRefused() tells the last). One and a half stop bits are set
    // as one, the frame nearest to it a line can be set to.
    bool open();
    // The last open() found the line but not a rate or frame it can be set
    // to: a rate the system knows no constant for, or one the line's driver
    // did not take.
    bool settingsRefused() const { return mSettingsRefused; }
    // Closes the port; what it had received and not yet read is dropped with it.
    void close();
    bool isOpen() const { return mDescriptor >= 0; }
    // The line hung up or failed to read or write since it was opened; it stays
    // useless until it is opened again.
    bool hasFailed() const { return mFailed; }
    QString path() const { return mPath; }
    // For a notifier that waits for bytes in the event loop; -1 while closed.
    int descriptor() const { return mDescriptor; }
    qint32 baudRate() const { return mBaudRate; }
    QSerialPort::Parity parity() const { return mParity; }
    // The bits one character takes on the line as set: start, data, parity and stop bits.
    int characterBits() const;

    // Drops what has arrived and not been read.
    void discardInput();
    // The other end has hung up; asked without reading, by a reader that
    // lets the line hold its text for now.
    bool hasHungUp() const;
    // Writes all bytes, waiting at most pTimeoutMs while the line is full;
    // false when not all of them went out.
    bool write(const QByteArray& pBytes, int pTimeoutMs);
    // Writes what the line takes now, without waiting: the number of bytes
    // written (0 while the line is full), -1 when the line has failed.
    qint64 writeAvailable(const char* pBytes, qint64 pSize);
    // Waits at most pTimeoutMs for bytes and appends those that are there, at
    // most pMaxBytes of them.
    EnWaitResult read(QByteArray& oBuffer, int pTimeoutMs, int pMaxBytes);

private:
    bool configure();

    QString mPath;
    qint32 mBaudRate;
    QSerialPort::DataBits mDataBits;
    QSerialPort::Parity mParity;
    QSerialPort::StopBits mStopBits;
    QSerialPort::FlowControl mFlowControl;
    int mDescriptor = -1;
    bool mFailed = false;
    bool mSettingsRefused = false;
};
