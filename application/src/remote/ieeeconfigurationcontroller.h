#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class TSerialCommunicationInterface;

// The bus address of the IEEE-488 option board, kept in the settings section
// "GPIB" and sent to the board's converter as a framed set-address message
// over the serial transport. Owned by the main window.
class TIEEEConfigurationController : public QObject
{
    Q_OBJECT

public:
    static constexpr quint8 COMMAND_IEEE_SET_ADDRESS_ASCII = 61;
    static constexpr quint8 PACKETMASK = 0x80;
    static constexpr quint8 XSUM_SEED = 90;
    static constexpr quint8 STX = 2;
    static constexpr quint8 ETX = 3;

    explicit TIEEEConfigurationController(QObject* pParent);

    quint8 address() const { return mAddress; }
    // Sends the set-address frame; nothing is awaited or read back.
    void applyAddress(TSerialCommunicationInterface* pCommInterface);
    void setAddress(unsigned char pAddress, TSerialCommunicationInterface* pCommInterface);

    // STX, length, "=" and the address digits, checksum, ETX.
    static QByteArray setAddressFrame(quint8 pAddress);

private:
    QString mPersistance_SectionName;
    QString mPersistance_Setting_Address;
    quint8 mAddress = 0;
};
