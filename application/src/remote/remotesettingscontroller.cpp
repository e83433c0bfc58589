#include "remotesettingscontroller.h"

#include "ethernetconfigurationcontroller.h"
#include "ieeeconfigurationcontroller.h"
#include "messagedialog.h"
#include "numpad.h"
#include "rs232configurationcontroller.h"
#include "serialcommunicationinterface.h"
#include "submenucontroller.h"
#include "zelkcontainerpushbutton.h"
#include "zelkcontainerradiobutton.h"
#include "zelkdialogbutton.h"

#include <QHash>
#include <QLabel>

#include <type_traits>
#include <utility>
#include <vector>

namespace
{
constexpr const char* OBSERVED_INTERFACE = "eth0";
constexpr int OCTET_MIN = 0;
constexpr int OCTET_MAX = 255;
// Below 1024 lie the ports the system reserves for its own services.
constexpr int PORT_MIN = 1024;
constexpr int PORT_MAX = 65535;
// Address 0 is the controller's own on the bus; 31 is no address.
constexpr int IEEE_ADDRESS_MIN = 1;
constexpr int IEEE_ADDRESS_MAX = 30;

// A choice of a sub-page: its button and the serial code it stands for.
using TChoice = std::pair<QZELKContainerRadioButton*, int>;
using TChoices = std::vector<TChoice>;

// In the order in which Save looks for the checked button.
TChoices onOffChoices(const TRemoteSettingsWidgets& w)
{
    return {{w.BtnGenericOn, 1}, {w.BtnGenericOff, 0}};
}

TChoices baudRateChoices(const TRemoteSettingsWidgets& w)
{
    return {{w.BtnBaud_1200, 1200},   {w.BtnBaud_2400, 2400},   {w.BtnBaud_4800, 4800},   {w.BtnBaud_9600, 9600},
            {w.BtnBaud_19200, 19200}, {w.BtnBaud_38400, 38400}, {w.BtnBaud_57600, 57600}, {w.BtnBaud_115200, 115200}};
}

TChoices dataBitChoices(const TRemoteSettingsWidgets& w)
{
    return {{w.BtnDataBits_5, 5}, {w.BtnDataBits_6, 6}, {w.BtnDataBits_7, 7}, {w.BtnDataBits_8, 8}};
}

TChoices stopBitChoices(const TRemoteSettingsWidgets& w)
{
    return {{w.BtnStopBits_1, QSerialPort::OneStop},
            {w.BtnStopBits_15, QSerialPort::OneAndHalfStop},
            {w.BtnStopBits_2, QSerialPort::TwoStop}};
}

TChoices parityChoices(const TRemoteSettingsWidgets& w)
{
    return {{w.BtnParity_None, QSerialPort::NoParity},
            {w.BtnParity_Even, QSerialPort::EvenParity},
            {w.BtnParity_Odd, QSerialPort::OddParity},
            {w.BtnParity_Mark, QSerialPort::MarkParity},
            {w.BtnParity_Space, QSerialPort::SpaceParity}};
}

// Clears the octet buttons and fills them from a dotted label; a text that
// is no four parts leaves them empty.
void presetOctets(const QLabel* pLabel, QZELKDialogButton* const (&pOctets)[4])
{
    for (QZELKDialogButton* octet : pOctets)
        octet->setText(QString());
    const QStringList parts = pLabel->text().split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() != 4)
        return;
    for (int i = 0; i < 4; ++i)
        pOctets[i]->setText(parts.at(i));
}

// An octet left empty counts as 0; the Ethernet configuration judges the whole.
QString octetsText(QZELKDialogButton* const (&pOctets)[4])
{
    QStringList parts;
    for (const QZELKDialogButton* octet : pOctets)
        parts << (octet->text().isEmpty() ? QStringLiteral("0") : octet->text());
    return parts.join(QLatin1Char('.'));
}

// Checks the button of the value; a value without one leaves all unchecked.
void presetChoice(const TChoices& pChoices, int pValue)
{
    for (const TChoice& choice : pChoices)
        choice.first->forceUnchecked();
    for (const TChoice& choice : pChoices) {
        if (choice.second == pValue)
            choice.first->setCheckedAdvanced(true, false);
    }
}

// The value of the first checked button in the order given; false for none.
bool checkedChoice(const TChoices& pChoices, int& oValue)
{
    for (const TChoice& choice : pChoices) {
        if (choice.first->isChecked()) {
            oValue = choice.second;
            return true;
        }
    }
    return false;
}
} // namespace

TRemoteSettingsWidgets TRemoteSettingsWidgets::fromForm(const QWidget* pForm)
{
    TRemoteSettingsWidgets w;
    const auto find = [pForm](auto*& oWidget, const QString& pName) {
        oWidget = pForm->findChild<std::remove_reference_t<decltype(*oWidget)>*>(pName);
    };
#define TAMARIND_FIND(name) find(w.name, QStringLiteral(#name))
    TAMARIND_FIND(BtnEthernet_IP);
    TAMARIND_FIND(BtnEthernet_Netmask);
    TAMARIND_FIND(BtnEthernet_Gateway);
    TAMARIND_FIND(BtnEthernet_Port);
    TAMARIND_FIND(BtnEthernet_DHCP);
    TAMARIND_FIND(BtnRS232_BaudRate);
    TAMARIND_FIND(BtnRS232_CTS_RTS);
    TAMARIND_FIND(BtnRS232_DataBits);
    TAMARIND_FIND(BtnRS232_StopBit);
    TAMARIND_FIND(BtnRS232_Parity);
    TAMARIND_FIND(BtnIEEE_Address);
    TAMARIND_FIND(BtnGenericOn);
    TAMARIND_FIND(BtnGenericOff);
    TAMARIND_FIND(BtnBaud_1200);
    TAMARIND_FIND(BtnBaud_2400);
    TAMARIND_FIND(BtnBaud_4800);
    TAMARIND_FIND(BtnBaud_9600);
    TAMARIND_FIND(BtnBaud_19200);
    TAMARIND_FIND(BtnBaud_38400);
    TAMARIND_FIND(BtnBaud_57600);
    TAMARIND_FIND(BtnBaud_115200);
    TAMARIND_FIND(BtnDataBits_5);
    TAMARIND_FIND(BtnDataBits_6);
    TAMARIND_FIND(BtnDataBits_7);
    TAMARIND_FIND(BtnDataBits_8);
    TAMARIND_FIND(BtnStopBits_1);
    TAMARIND_FIND(BtnStopBits_15);
    TAMARIND_FIND(BtnStopBits_2);
    TAMARIND_FIND(BtnParity_None);
    TAMARIND_FIND(BtnParity_Even);
    TAMARIND_FIND(BtnParity_Odd);
    TAMARIND_FIND(BtnParity_Space);
    TAMARIND_FIND(BtnParity_Mark);
    TAMARIND_FIND(LblEthernet_IP);
    TAMARIND_FIND(LblEthernet_Netmask);
    TAMARIND_FIND(LblEthernet_Gateway);
    TAMARIND_FIND(LblEthernet_Port);
    TAMARIND_FIND(LblEthernet_DHCP);
    TAMARIND_FIND(LblRS232_BaudRate);
    TAMARIND_FIND(LblRS232_CTS_RTS);
    TAMARIND_FIND(LblRS232_DataBits);
    TAMARIND_FIND(LblRS232_StopBit);
    TAMARIND_FIND(LblRS232_Parity);
    TAMARIND_FIND(LblIEEE_Address);
    TAMARIND_FIND(LblRS232_Refused);
    TAMARIND_FIND(PageIPNetmask);
    TAMARIND_FIND(PageGateway);
    TAMARIND_FIND(PageGenericOnOff);
    TAMARIND_FIND(PageBaudRate);
    TAMARIND_FIND(PageDataBits);
    TAMARIND_FIND(PageStopBits);
    TAMARIND_FIND(PageParity);
#undef TAMARIND_FIND
    for (int i = 0; i < 4; ++i) {
        find(w.BtnIP[i], QStringLiteral("BtnIP%1").arg(i + 1));
        find(w.BtnNetmask[i], QStringLiteral("BtnNetmask%1").arg(i + 1));
        find(w.BtnGateway[i], QStringLiteral("BtnGateway%1").arg(i + 1));
    }
    return w;
}

TRemoteSettingsController::TRemoteSettingsController(
    ISubMenuController* pSubMenuController, TAbstractEthernetConfigurationController* pEthernetConfigurationController,
    TRS232ConfigurationController* pRS232ConfigurationController,
    TIEEEConfigurationController* pIEEEConfigurationController,
    TSerialCommunicationInterface* pIEEECommunicationController,
    TSerialCommunicationInterface* pRS232CommunicationController, const TRemoteSettingsWidgets& pWidgets)
    : mSubMenuController(pSubMenuController)
    , mEthernetConfigurationController(pEthernetConfigurationController)
    , mRS232ConfigurationController(pRS232ConfigurationController)
    , mIEEEConfigurationController(pIEEEConfigurationController)
    , mIEEECommunicationController(pIEEECommunicationController)
    , mRS232CommunicationController(pRS232CommunicationController)
    , mWidgets(pWidgets)
{
    const TRemoteSettingsWidgets& w = mWidgets;
    using Self = TRemoteSettingsController;
    connect(w.BtnEthernet_IP, &QZELKContainerCheckButton::checkedChanged, this, &Self::onEditIpOrNetmask);
    connect(w.BtnEthernet_Netmask, &QZELKContainerCheckButton::checkedChanged, this, &Self::onEditIpOrNetmask);
    connect(w.BtnEthernet_Gateway, &QZELKContainerCheckButton::checkedChanged, this, &Self::onEditGateway);
    connect(w.BtnEthernet_Port, &QZELKContainerPushButton::clicked, this, &Self::onEditPort);
    connect(w.BtnEthernet_DHCP, &QZELKContainerCheckButton::checkedChanged, this, &Self::onEditDHCP);
    connect(w.BtnRS232_BaudRate, &QZELKContainerCheckButton::checkedChanged, this, &Self::onEditBaudRate);
    connect(w.BtnRS232_CTS_RTS, &QZELKContainerCheckButton::checkedChanged, this, &Self::onEditCTS_RTS);
    connect(w.BtnRS232_DataBits, &QZELKContainerCheckButton::checkedChanged, this, &Self::onEditDataBits);
    connect(w.BtnRS232_StopBit, &QZELKContainerCheckButton::checkedChanged, this, &Self::onEditStopBit);
    connect(w.BtnRS232_Parity, &QZELKContainerCheckButton::checkedChanged, this, &Self::onEditParity);
    connect(w.BtnIEEE_Address, &QZELKContainerPushButton::clicked, this, &Self::onEditIEEEAddress);
    for (const auto* octets : {&w.BtnIP, &w.BtnNetmask, &w.BtnGateway}) {
        for (QZELKDialogButton* octet : *octets)
            connect(octet, &QZELKDialogButton::clicked, this, &Self::ipButtonClicked);
    }
    if (mRS232CommunicationController)
        connect(mRS232CommunicationController, &TSerialCommunicationInterface::settingsRefusedChanged, this,
                &Self::updateRS232Widgets);

    updateRS232Widgets();
    if (mIEEEConfigurationController)
        w.LblIEEE_Address->setText(QString::number(mIEEEConfigurationController->address()));
}

void TRemoteSettingsController::returnToMainMenuClicked() {}

bool TRemoteSettingsController::cancelClicked()
{
    if (mButtonCurrentSubMenu)
        mButtonCurrentSubMenu->forceUnchecked();
    return true;
}

// One field is applied: the first checked one, Ethernet before RS-232.
bool TRemoteSettingsController::storeClicked()
{
    const TRemoteSettingsWidgets& w = mWidgets;
    bool applied = false;
    if (w.BtnEthernet_IP->isChecked() || w.BtnEthernet_Netmask->isChecked() || w.BtnEthernet_Gateway->isChecked() ||
        w.BtnEthernet_DHCP->isChecked())
        applied = storeEthernet();
    else if (w.BtnRS232_CTS_RTS->isChecked() || w.BtnRS232_BaudRate->isChecked() || w.BtnRS232_DataBits->isChecked() ||
             w.BtnRS232_StopBit->isChecked() || w.BtnRS232_Parity->isChecked())
        applied = storeRS232();
    if (applied && mButtonCurrentSubMenu)
        mButtonCurrentSubMenu->forceUnchecked();
    return applied;
}

bool TRemoteSettingsController::storeEthernet()
{
    const TRemoteSettingsWidgets& w = mWidgets;
    TMessageDialog dialog;
    if (w.BtnEthernet_IP->isChecked() || w.BtnEthernet_Netmask->isChecked()) {
        using EnResult = TAbstractEthernetConfigurationController::EnIPNetmaskResult;
        switch (
            mEthernetConfigurationController->setIPAddressAndNetmask(octetsText(w.BtnIP), octetsText(w.BtnNetmask))) {
        case EnResult::ipnmrValid:
            return true;
        case EnResult::ipnmrInvalidIP:
            dialog.showError(tr("Please enter a valid IP address"));
            return false;
        case EnResult::ipnmrInvalidNetmask:
            dialog.showError(tr("Please enter a valid netmask"));
            return false;
        }
        return false;
    }
    if (w.BtnEthernet_Gateway->isChecked()) {
        if (mEthernetConfigurationController->setDefaultGateway(octetsText(w.BtnGateway)))
            return true;
        dialog.showError(tr("Please enter a valid gateway"));
        return false;
    }
    const bool dhcp = w.BtnGenericOn->isChecked();
    if (!mEthernetConfigurationController->setDHCP(dhcp)) {
        dialog.showError(tr("The DHCP setting could not be changed. The network configuration was left as it was."));
        return false;
    }
    if (!dhcp && !mEthernetConfigurationController->hasStaticIPv4Address())
        dialog.showInfo(tr("DHCP is off, but no IPv4 address of the interface is known. Please enter the IP "
                           "address and netmask."));
    return true;
}

// Closes the sub-page also when nothing was chosen (a stored rate without a
// button, say); only the chosen value is set.
bool TRemoteSettingsController::storeRS232()
{
    const TRemoteSettingsWidgets& w = mWidgets;
    TRS232ConfigurationController* rs232 = mRS232ConfigurationController;
    int value = 0;
    if (!rs232) {
    } else if (w.BtnRS232_CTS_RTS->isChecked()) {
        if (checkedChoice(onOffChoices(w), value))
            rs232->setFlowControl(value ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
    } else if (w.BtnRS232_BaudRate->isChecked()) {
        if (checkedChoice(baudRateChoices(w), value))
            rs232->setBaudRate(QSerialPort::BaudRate(value));
    } else if (w.BtnRS232_DataBits->isChecked()) {
        if (checkedChoice(dataBitChoices(w), value))
            rs232->setDataBits(QSerialPort::DataBits(value));
    } else if (w.BtnRS232_StopBit->isChecked()) {
        if (checkedChoice(stopBitChoices(w), value))
            rs232->setStopBits(QSerialPort::StopBits(value));
    } else if (w.BtnRS232_Parity->isChecked()) {
        if (checkedChoice(parityChoices(w), value))
            rs232->setParity(QSerialPort::Parity(value));
    }
    updateRS232Widgets();
    return true;
}

void TRemoteSettingsController::openSubPage(QWidget* pSubPage)
{
    mButtonCurrentSubMenu = qobject_cast<QZELKContainerRadioButton*>(sender());
    QString caption;
    if (const QLabel* label = mButtonCurrentSubMenu ? mButtonCurrentSubMenu->statusSourceLabel() : nullptr)
        caption = label->toolTip().isEmpty() ? label->text() : label->toolTip();
    mSubMenuController->showSubMenu(caption, pSubPage, this, smtEditor);
}

// The octets of both addresses are preset, so that either field saves both together.
void TRemoteSettingsController::onEditIpOrNetmask(bool pChecked)
{
    if (!pChecked)
        return;
    mSubMenuController->cancelSubMenu(this);
    presetOctets(mWidgets.LblEthernet_IP, mWidgets.BtnIP);
    presetOctets(mWidgets.LblEthernet_Netmask, mWidgets.BtnNetmask);
    openSubPage(mWidgets.PageIPNetmask);
}

void TRemoteSettingsController::onEditGateway(bool pChecked)
{
    if (!pChecked)
        return;
    mSubMenuController->cancelSubMenu(this);
    presetOctets(mWidgets.LblEthernet_Gateway, mWidgets.BtnGateway);
    openSubPage(mWidgets.PageGateway);
}

void TRemoteSettingsController::onEditDHCP(bool pChecked)
{
    if (pChecked)
        openChoiceSubPage(onOffChoices(mWidgets), mEthernetConfigurationController->dhcpStatus() ? 1 : 0,
                          mWidgets.PageGenericOnOff);
}

// The serial fields are shown only with the RS-232 board.
void TRemoteSettingsController::onEditCTS_RTS(bool pChecked)
{
    if (pChecked && mRS232ConfigurationController)
        openChoiceSubPage(onOffChoices(mWidgets),
                          mRS232ConfigurationController->flowControl() == QSerialPort::HardwareControl ? 1 : 0,
                          mWidgets.PageGenericOnOff);
}

void TRemoteSettingsController::onEditBaudRate(bool pChecked)
{
    if (pChecked && mRS232ConfigurationController)
        openChoiceSubPage(baudRateChoices(mWidgets), mRS232ConfigurationController->baudRate(), mWidgets.PageBaudRate);
}

void TRemoteSettingsController::onEditDataBits(bool pChecked)
{
    if (pChecked && mRS232ConfigurationController)
        openChoiceSubPage(dataBitChoices(mWidgets), mRS232ConfigurationController->dataBits(), mWidgets.PageDataBits);
}

void TRemoteSettingsController::onEditStopBit(bool pChecked)
{
    if (pChecked && mRS232ConfigurationController)
        openChoiceSubPage(stopBitChoices(mWidgets), mRS232ConfigurationController->stopBits(), mWidgets.PageStopBits);
}

void TRemoteSettingsController::onEditParity(bool pChecked)
{
    if (pChecked && mRS232ConfigurationController)
        openChoiceSubPage(parityChoices(mWidgets), mRS232ConfigurationController->parity(), mWidgets.PageParity);
}

void TRemoteSettingsController::openChoiceSubPage(
    const std::vector<std::pair<QZELKContainerRadioButton*, int>>& pChoices, int pValue, QWidget* pSubPage)
{
    mSubMenuController->cancelSubMenu(this);
    presetChoice(pChoices, pValue);
    openSubPage(pSubPage);
}

// Nothing is applied until Save; a cancelled pad keeps the octet.
void TRemoteSettingsController::ipButtonClicked()
{
    if (auto* octet = qobject_cast<QZELKDialogButton*>(sender()))
        TNumpad::enterIntegerOnKey(octet, OCTET_MIN, OCTET_MAX, 0);
}

// The label follows at the next refresh of the Ethernet configuration.
void TRemoteSettingsController::onEditPort()
{
    mSubMenuController->cancelSubMenu(this);
    int port = 0;
    if (TNumpad::enterInteger(mWidgets.BtnEthernet_Port->window(), PORT_MIN, PORT_MAX, port))
        mEthernetConfigurationController->setPort(port);
}

void TRemoteSettingsController::onEditIEEEAddress()
{
    if (!mIEEEConfigurationController)
        return;
    mSubMenuController->cancelSubMenu(this);
    int address = 0;
    if (!TNumpad::enterInteger(mWidgets.BtnIEEE_Address->window(), IEEE_ADDRESS_MIN, IEEE_ADDRESS_MAX, address))
        return;
    mIEEEConfigurationController->setAddress(static_cast<unsigned char>(address), mIEEECommunicationController);
    mWidgets.LblIEEE_Address->setText(QString::number(mIEEEConfigurationController->address()));
}

// A stop-bit or parity code without a text leaves its label as it was.
void TRemoteSettingsController::updateRS232Widgets()
{
    if (!mRS232ConfigurationController)
        return;
    const TRemoteSettingsWidgets& w = mWidgets;
    const TRS232ConfigurationController& rs232 = *mRS232ConfigurationController;
    w.LblRS232_BaudRate->setText(QString::number(rs232.baudRate()));
    w.LblRS232_CTS_RTS->setText(rs232.flowControl() == QSerialPort::HardwareControl
                                    ? tr("On", "RS232 hardware flow control")
                                    : tr("Off", "RS232 hardware flow control"));
    w.LblRS232_DataBits->setText(QString::number(rs232.dataBits()));
    const QHash<int, QString> stopBits = {{QSerialPort::OneStop, QStringLiteral("1")},
                                          {QSerialPort::OneAndHalfStop, QStringLiteral("1½")},
                                          {QSerialPort::TwoStop, QStringLiteral("2")}};
    if (stopBits.contains(rs232.stopBits()))
        w.LblRS232_StopBit->setText(stopBits.value(rs232.stopBits()));
    const QHash<int, QString> parities = {{QSerialPort::NoParity, tr("None", "RS232 parity")},
                                          {QSerialPort::EvenParity, tr("Even", "RS232 parity")},
                                          {QSerialPort::OddParity, tr("Odd", "RS232 parity")},
                                          {QSerialPort::SpaceParity, tr("Space", "RS232 parity")},
                                          {QSerialPort::MarkParity, tr("Mark", "RS232 parity")}};
    if (parities.contains(rs232.parity()))
        w.LblRS232_Parity->setText(parities.value(rs232.parity()));
    w.LblRS232_Refused->setText(tr("The line does not take these settings and stays closed."));
    w.LblRS232_Refused->setVisible(mRS232CommunicationController && mRS232CommunicationController->settingsRefused());
}

void TRemoteSettingsController::retranslate()
{
    updateRS232Widgets();
    if (!mWidgets.LblEthernet_DHCP->text().isEmpty())
        showDHCP();
}

void TRemoteSettingsController::showDHCP()
{
    mWidgets.LblEthernet_DHCP->setText(mDHCPShown ? tr("On", "Ethernet - DHCP setting")
                                                  : tr("Off", "Ethernet - DHCP setting"));
}

void TRemoteSettingsController::onEthernetConfigurationRefreshed(const QString& pInterfaceName,
                                                                 const QString& pIPAddress, const QString& pNetmask,
                                                                 const QString& pGateway, bool pDHCP)
{
    if (pInterfaceName != QLatin1String(OBSERVED_INTERFACE))
        return;
    const TRemoteSettingsWidgets& w = mWidgets;
    w.LblEthernet_IP->setText(pIPAddress);
    w.LblEthernet_Netmask->setText(pNetmask);
    w.LblEthernet_Gateway->setText(pGateway);
    mDHCPShown = pDHCP;
    showDHCP();
    w.LblEthernet_Port->setText(QString::number(mEthernetConfigurationController->port()));
}
