#pragma once

#include <QObject>
#include <QSerialPort>
#include <QString>

// The five line parameters of the RS-232 option board, kept in the settings
// section "RS232" as the serial port library's codes; every change is stored
// and announced to the serial transport, which re-applies them. Owned by the
// main window.
class TRS232ConfigurationController : public QObject
{
    Q_OBJECT

public:
    TRS232ConfigurationController();

    QSerialPort::BaudRate baudRate() const { return mBaudRate; }
    QSerialPort::FlowControl flowControl() const { return mFlowControl; }
    QSerialPort::DataBits dataBits() const { return mDataBits; }
    QSerialPort::StopBits stopBits() const { return mStopBits; }
    QSerialPort::Parity parity() const { return mParity; }

    // Each stores and signals, also when the value did not change.
    void setBaudRate(QSerialPort::BaudRate pBaudRate);
    void setFlowControl(QSerialPort::FlowControl pFlowControl);
    void setDataBits(QSerialPort::DataBits pDataBits);
    void setStopBits(QSerialPort::StopBits pStopBits);
    void setParity(QSerialPort::Parity pParity);

signals:
    void configurationChanged(TRS232ConfigurationController* pController);

private:
    int load(const QString& pKey, int pDefault) const;
    void store(const QString& pKey, int pValue);

    QString mPersistance_SectionName;
    QString mPersistance_Setting_BaudRate;
    QString mPersistance_Setting_FlowControl;
    QString mPersistance_Setting_DataBits;
    QString mPersistance_Setting_StopBits;
    QString mPersistance_Setting_Parity;
    QSerialPort::BaudRate mBaudRate = QSerialPort::UnknownBaud;
    QSerialPort::FlowControl mFlowControl = QSerialPort::UnknownFlowControl;
    QSerialPort::DataBits mDataBits = QSerialPort::UnknownDataBits;
    QSerialPort::StopBits mStopBits = QSerialPort::UnknownStopBits;
    QSerialPort::Parity mParity = QSerialPort::UnknownParity;
};
