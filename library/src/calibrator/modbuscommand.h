#pragma once

#include <QByteArray>
#include <QtGlobal>

// One Modbus RTU request with the rules by which its reply is recognised and
// unpacked. Commands are values built on the stack for one transaction.
class TModbusCommand
{
public:
    static constexpr int EXCEPTION_REPLAY_SIZE = 5;

    TModbusCommand(quint8 pClientAddress, quint8 pFunctionCode, quint16 pStartAddress);

    // The length of a regular reply, CRC included.
    virtual int expectedResponseBytes() const = 0;
    // The reply's payload; empty when it is unusable. Writes are taken as
    // accepted whatever came back: a single 0x00.
    virtual QByteArray extractResponse(const QByteArray& pResponse) const;

    // Address, function code, register, the command's own two bytes and the CRC.
    QByteArray toByteArray() const;
    bool isException(const QByteArray& pResponse) const;
    bool isRegularResponse(const QByteArray& pResponse) const;
    // The exception code of a complete exception reply with a right CRC, else -1.
    int getExceptionCode(QByteArray pResponse) const;

protected:
    virtual void addSpecificCommandPart(QByteArray& pCommand) const = 0;
    // Takes the CRC off the reply and tells whether it was right.
    bool removeAndCheckCRC(QByteArray& pResponse) const;

    quint8 mClientAddress;
    quint8 mFunctionCode;
    quint16 mStartAddress;
};

// Reads holding registers.
class TModbusReadCommand : public TModbusCommand
{
public:
    static constexpr quint8 READ_FUNCTION_CODE = 3;

    TModbusReadCommand(quint8 pClientAddress, quint16 pStartAddress, quint16 pNumberWords);

    int expectedResponseBytes() const override;
    // The data bytes of a reply with a right CRC and the expected length.
    QByteArray extractResponse(const QByteArray& pResponse) const override;

protected:
    void addSpecificCommandPart(QByteArray& pCommand) const override;

private:
    quint16 mNumberWords;
};

// Writes one holding register; the low 16 bits of the value go on the wire.
class TModbusWriteCommand : public TModbusCommand
{
public:
    static constexpr quint8 WRITE_FUNCTION_CODE = 6;

    TModbusWriteCommand(quint8 pClientAddress, quint16 pStartAddress, int pValue);

    int expectedResponseBytes() const override;

protected:
    void addSpecificCommandPart(QByteArray& pCommand) const override;

private:
    int mValue;
};
