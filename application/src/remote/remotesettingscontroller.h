#pragma once

#include "submenuconfirmationreceiver.h"

#include <QObject>
#include <QString>

#include <utility>
#include <vector>

class ISubMenuController;
class QLabel;
class QWidget;
class QZELKContainerPushButton;
class QZELKContainerRadioButton;
class QZELKDialogButton;
class TAbstractEthernetConfigurationController;
class TIEEEConfigurationController;
class TRS232ConfigurationController;
class TSerialCommunicationInterface;

// The widgets of the remote settings page and its sub-pages, all owned by the
// main window's form, in the order in which the page lists them.
struct TRemoteSettingsWidgets
{
    // Looks each widget up by its object name under the form; a widget the
    // form lacks stays null.
    static TRemoteSettingsWidgets fromForm(const QWidget* pForm);

    // The fields.
    QZELKContainerRadioButton* BtnEthernet_IP = nullptr;
    QZELKContainerRadioButton* BtnEthernet_Netmask = nullptr;
    QZELKContainerRadioButton* BtnEthernet_Gateway = nullptr;
    QZELKContainerPushButton* BtnEthernet_Port = nullptr;
    QZELKContainerRadioButton* BtnEthernet_DHCP = nullptr;
    QZELKContainerRadioButton* BtnRS232_BaudRate = nullptr;
    QZELKContainerRadioButton* BtnRS232_CTS_RTS = nullptr;
    QZELKContainerRadioButton* BtnRS232_DataBits = nullptr;
    QZELKContainerRadioButton* BtnRS232_StopBit = nullptr;
    QZELKContainerRadioButton* BtnRS232_Parity = nullptr;
    QZELKContainerPushButton* BtnIEEE_Address = nullptr;
    // The octets: IP 1 to 4, netmask 1 to 4, gateway 1 to 4.
    QZELKDialogButton* BtnIP[4] = {};
    QZELKDialogButton* BtnNetmask[4] = {};
    QZELKDialogButton* BtnGateway[4] = {};
    QZELKContainerRadioButton* BtnGenericOn = nullptr;
    QZELKContainerRadioButton* BtnGenericOff = nullptr;
    QZELKContainerRadioButton* BtnBaud_1200 = nullptr;
    QZELKContainerRadioButton* BtnBaud_2400 = nullptr;
    QZELKContainerRadioButton* BtnBaud_4800 = nullptr;
    QZELKContainerRadioButton* BtnBaud_9600 = nullptr;
    QZELKContainerRadioButton* BtnBaud_19200 = nullptr;
    QZELKContainerRadioButton* BtnBaud_38400 = nullptr;
    QZELKContainerRadioButton* BtnBaud_57600 = nullptr;
    QZELKContainerRadioButton* BtnBaud_115200 = nullptr;
    QZELKContainerRadioButton* BtnDataBits_5 = nullptr;
    QZELKContainerRadioButton* BtnDataBits_6 = nullptr;
    QZELKContainerRadioButton* BtnDataBits_7 = nullptr;
    QZELKContainerRadioButton* BtnDataBits_8 = nullptr;
    QZELKContainerRadioButton* BtnStopBits_1 = nullptr;
    QZELKContainerRadioButton* BtnStopBits_15 = nullptr;
    QZELKContainerRadioButton* BtnStopBits_2 = nullptr;
    QZELKContainerRadioButton* BtnParity_None = nullptr;
    QZELKContainerRadioButton* BtnParity_Even = nullptr;
    QZELKContainerRadioButton* BtnParity_Odd = nullptr;
    QZELKContainerRadioButton* BtnParity_Space = nullptr;
    QZELKContainerRadioButton* BtnParity_Mark = nullptr;
    // The value labels.
    QLabel* LblEthernet_IP = nullptr;
    QLabel* LblEthernet_Netmask = nullptr;
    QLabel* LblEthernet_Gateway = nullptr;
    QLabel* LblEthernet_Port = nullptr;
    QLabel* LblEthernet_DHCP = nullptr;
    QLabel* LblRS232_BaudRate = nullptr;
    QLabel* LblRS232_CTS_RTS = nullptr;
    QLabel* LblRS232_DataBits = nullptr;
    QLabel* LblRS232_StopBit = nullptr;
    QLabel* LblRS232_Parity = nullptr;
    QLabel* LblIEEE_Address = nullptr;
    // Shown while the RS-232 line does not take its settings.
    QLabel* LblRS232_Refused = nullptr;
    // The sub-pages.
    QWidget* PageIPNetmask = nullptr;
    QWidget* PageGateway = nullptr;
    QWidget* PageGenericOnOff = nullptr;
    QWidget* PageBaudRate = nullptr;
    QWidget* PageDataBits = nullptr;
    QWidget* PageStopBits = nullptr;
    QWidget* PageParity = nullptr;
};

// The behaviour of the remote settings page: each field opens a sub-page (or
// the numeric pad) preset to the current value, and Save applies the value
// through the Ethernet, RS-232 or IEEE-488 configuration. The page keeps no
// values of its own. Built once by the main window, which owns it; the
// RS-232 and IEEE-488 collaborators are null without their option board.
// Under the RS-232 heading the page says when the line refuses its settings.
class TRemoteSettingsController : public QObject, public ISubMenuConfirmationReceiver
{
    Q_OBJECT

public:
    TRemoteSettingsController(ISubMenuController* pSubMenuController,
                              TAbstractEthernetConfigurationController* pEthernetConfigurationController,
                              TRS232ConfigurationController* pRS232ConfigurationController,
                              TIEEEConfigurationController* pIEEEConfigurationController,
                              TSerialCommunicationInterface* pIEEECommunicationController,
                              TSerialCommunicationInterface* pRS232CommunicationController,
                              const TRemoteSettingsWidgets& pWidgets);

    void returnToMainMenuClicked() override;
    bool cancelClicked() override;
    // False keeps the sub-page open: a refused address, a DHCP switch that
    // could not be applied, or no field to apply.
    bool storeClicked() override;
    // The values shown in words (flow control, parity, DHCP) in the new language.
    void retranslate();

public slots:
    void onEthernetConfigurationRefreshed(const QString& pInterfaceName, const QString& pIPAddress,
                                          const QString& pNetmask, const QString& pGateway, bool pDHCP);

private slots:
    void ipButtonClicked();
    void onEditIpOrNetmask(bool pChecked);
    void onEditGateway(bool pChecked);
    void onEditPort();
    void onEditDHCP(bool pChecked);
    void onEditBaudRate(bool pChecked);
    void onEditCTS_RTS(bool pChecked);
    void onEditDataBits(bool pChecked);
    void onEditStopBit(bool pChecked);
    void onEditParity(bool pChecked);
    void onEditIEEEAddress();

private:
    // Closes any open sub-page, remembers the field and shows its sub-page.
    void openSubPage(QWidget* pSubPage);
    // The same for a sub-page of radio choices, the one of the value checked.
    void openChoiceSubPage(const std::vector<std::pair<QZELKContainerRadioButton*, int>>& pChoices, int pValue,
                           QWidget* pSubPage);
    void updateRS232Widgets();
    void showDHCP();
    bool storeEthernet();
    bool storeRS232();

    ISubMenuController* mSubMenuController;
    TAbstractEthernetConfigurationController* mEthernetConfigurationController;
    TRS232ConfigurationController* mRS232ConfigurationController;
    TIEEEConfigurationController* mIEEEConfigurationController;
    TSerialCommunicationInterface* mIEEECommunicationController;
    TSerialCommunicationInterface* mRS232CommunicationController;
    QZELKContainerRadioButton* mButtonCurrentSubMenu = nullptr;
    TRemoteSettingsWidgets mWidgets;
    // The DHCP state of the last refresh, shown again in words after a language change.
    bool mDHCPShown = false;
};
