#include "ieeeconfigurationcontroller.h"

#include "serialcommunicationinterface.h"
#include "tamarindsettings.h"

TIEEEConfigurationController::TIEEEConfigurationController(QObject* pParent)
    : QObject(pParent)
    , mPersistance_SectionName(QStringLiteral("GPIB"))
    , mPersistance_Setting_Address(QStringLiteral("address"))
{
    // Only the low eight bits of a stored number count: 259 is address 3.
    mAddress = quint8(TTamarindSettings::instance()
                          .value(mPersistance_SectionName, mPersistance_Setting_Address, QStringLiteral("3"))
                          .toUInt());
}

QByteArray TIEEEConfigurationController::setAddressFrame(quint8 pAddress)
{
    const QByteArray command = char(COMMAND_IEEE_SET_ADDRESS_ASCII) + QByteArray::number(pAddress);
    // The length counts itself, the command and the checksum, not STX and ETX.
    const quint8 length = quint8((command.size() + 2) | PACKETMASK);
    quint8 checksum = XSUM_SEED + length;
    for (char byte : command)
        checksum += quint8(byte);
    QByteArray frame;
    frame.append(char(STX));
    frame.append(char(length));
    frame.append(command);
    frame.append(char(checksum | PACKETMASK));
    frame.append(char(ETX));
    return frame;
}

void TIEEEConfigurationController::applyAddress(TSerialCommunicationInterface* pCommInterface)
{
    if (pCommInterface)
        pCommInterface->sendRawData(setAddressFrame(mAddress));
}

void TIEEEConfigurationController::setAddress(unsigned char pAddress, TSerialCommunicationInterface* pCommInterface)
{
    mAddress = pAddress;
    TTamarindSettings& settings = TTamarindSettings::instance();
    settings.setValue(mPersistance_SectionName, mPersistance_Setting_Address, QString::number(pAddress));
    settings.store();
    applyAddress(pCommInterface);
}
