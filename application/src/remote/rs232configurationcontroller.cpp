#include "rs232configurationcontroller.h"

#include "tamarindsettings.h"

TRS232ConfigurationController::TRS232ConfigurationController()
    : mPersistance_SectionName(QStringLiteral("RS232"))
    , mPersistance_Setting_BaudRate(QStringLiteral("baudrate"))
    , mPersistance_Setting_FlowControl(QStringLiteral("flowcontrol"))
    , mPersistance_Setting_DataBits(QStringLiteral("databits"))
    , mPersistance_Setting_StopBits(QStringLiteral("stopbits"))
    , mPersistance_Setting_Parity(QStringLiteral("parity"))
{
    // Stored values are used unchecked, as the port library's codes.
    mBaudRate = QSerialPort::BaudRate(load(mPersistance_Setting_BaudRate, QSerialPort::Baud115200));
    mFlowControl = QSerialPort::FlowControl(load(mPersistance_Setting_FlowControl, QSerialPort::NoFlowControl));
    mDataBits = QSerialPort::DataBits(load(mPersistance_Setting_DataBits, QSerialPort::Data8));
    mStopBits = QSerialPort::StopBits(load(mPersistance_Setting_StopBits, QSerialPort::OneStop));
    mParity = QSerialPort::Parity(load(mPersistance_Setting_Parity, QSerialPort::NoParity));
}

int TRS232ConfigurationController::load(const QString& pKey, int pDefault) const
{
    return TTamarindSettings::instance().value(mPersistance_SectionName, pKey, QString::number(pDefault)).toInt();
}

void TRS232ConfigurationController::store(const QString& pKey, int pValue)
{
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mPersistance_SectionName, pKey, QString::number(pValue));
    settings.store();
    emit configurationChanged(this);
}

void TRS232ConfigurationController::setBaudRate(QSerialPort::BaudRate pBaudRate)
{
    mBaudRate = pBaudRate;
    store(mPersistance_Setting_BaudRate, pBaudRate);
}

void TRS232ConfigurationController::setFlowControl(QSerialPort::FlowControl pFlowControl)
{
    mFlowControl = pFlowControl;
    store(mPersistance_Setting_FlowControl, pFlowControl);
}

void TRS232ConfigurationController::setDataBits(QSerialPort::DataBits pDataBits)
{
    mDataBits = pDataBits;
    store(mPersistance_Setting_DataBits, pDataBits);
}

void TRS232ConfigurationController::setStopBits(QSerialPort::StopBits pStopBits)
{
    mStopBits = pStopBits;
    store(mPersistance_Setting_StopBits, pStopBits);
}

void TRS232ConfigurationController::setParity(QSerialPort::Parity pParity)
{
    mParity = pParity;
    store(mPersistance_Setting_Parity, pParity);
}
