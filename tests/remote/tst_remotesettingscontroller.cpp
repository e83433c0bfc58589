#include "ieeeconfigurationcontroller.h"
#include "initdethernetconfigurationcontroller.h"
#include "messagerecorder.h"
#include "networkinterfaces.h"
#include "padkeys.h"
#include "pseudoterminal.h"
#include "remotesettingscontroller.h"
#include "rs232configurationcontroller.h"
#include "serialcommunicationinterface.h"
#include "submenucontroller.h"
#include "tamarindmainform_ui.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>

#include <unistd.h>

// The remote settings page on the real form, with the init.d Ethernet
// configuration on files under the device root and the simulated network,
// and a menu area that opens and closes sub-pages as the main window does.
class tst_RemoteSettingsController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void subPagesArePresetFromTheLabels_data();
    void subPagesArePresetFromTheLabels();
    void refusedEthernetValueKeepsTheSubPage_data();
    void refusedEthernetValueKeepsTheSubPage();
    void savedSettingReachesTheSystem_data();
    void savedSettingReachesTheSystem();
    void serialSubPagesPresetAndSave_data();
    void serialSubPagesPresetAndSave();
    void openingAFieldCancelsTheOpenSubPage();
    void portPadMovesTheServer_data();
    void portPadMovesTheServer();
    void ieeeAddressIsStoredAndSent();
    void refreshOfAnotherInterfaceChangesNothing();

private:
    struct TMenuArea : ISubMenuController
    {
        void showSubMenu(const QString& pCaption, QWidget* pPage, ISubMenuConfirmationReceiver* pReceiver,
                         EnSubMenuType pType) override
        {
            mCaption = pCaption;
            mPage = pPage;
            mReceiver = pReceiver;
            mType = pType;
        }
        void cancelSubMenu(ISubMenuConfirmationReceiver*) override
        {
            if (mReceiver && mReceiver->cancelClicked())
                close();
        }
        void setSubMenuCaption(const QString&) override {}
        void restoreSubMenuCaption() override {}
        void setMainMenuCaption() override {}
        // The Save button of the menu bar.
        void save()
        {
            if (mReceiver && mReceiver->storeClicked())
                close();
        }
        void close()
        {
            mReceiver = nullptr;
            mPage = nullptr;
        }

        QString mCaption;
        QWidget* mPage = nullptr;
        ISubMenuConfirmationReceiver* mReceiver = nullptr;
        EnSubMenuType mType = smtViewer;
    };

    void build(bool pRS232, bool pIEEE488);
    void tap(QWidget* pField) const { QTest::mouseClick(pField, Qt::LeftButton); }
    QStringList octets(QZELKDialogButton* const (&pOctets)[4]) const;
    void setOctets(QZELKDialogButton* const (&pOctets)[4], const QStringList& pTexts) const;

    std::unique_ptr<QWidget> mForm;
    std::unique_ptr<Ui_TTamarindMainForm> mUi;
    TRemoteSettingsWidgets mWidgets;
    TMenuArea mMenu;
    std::unique_ptr<TInitDEthernetConfigurationController> mEthernet;
    std::unique_ptr<TRS232ConfigurationController> mRS232;
    std::unique_ptr<TIEEEConfigurationController> mIEEE;
    std::unique_ptr<TSerialCommunicationInterface> mIEEETransport;
    std::unique_ptr<TPseudoTerminal> mOptionLine;
    std::unique_ptr<TSerialCommunicationInterface> mRS232Transport;
    std::unique_ptr<TRemoteSettingsController> mController;
};

namespace
{
const QByteArray BASE = "auto lo\niface lo inet loopback\n";

QString hostPath(const QString& pDevicePath)
{
    return TTestEnvironment::root() + pDevicePath;
}

void answerPad(const QStringList& pKeys)
{
    TModalAnswer::onNextModal([pKeys](QWidget* pPad) { pressKeys(pPad, pKeys); });
}
} // namespace

void tst_RemoteSettingsController::init()
{
    TTestEnvironment::removeUnderRoot("/etc/network");
    TAMARIND_WRITE_DEVICE_FILE("/etc/network/interfaces.base", BASE);
    TAMARIND_WRITE_DEVICE_FILE("/etc/network/interfaces", BASE + "iface eth0 inet static\n");
    QVERIFY(TNetworkInterfaces::setSimulatedInterface("eth0", true, {"192.168.1.10 255.255.255.0"}));
    QVERIFY(TNetworkInterfaces::setSimulatedRoutes("default via 192.168.1.1 dev eth0\n"));
    TTamarindSettings::instance().removeSection("RS232");
    TTamarindSettings::instance().removeSection("GPIB");
    TTamarindSettings::instance().removeSection("ethernet");
    mForm = std::make_unique<QWidget>();
    mUi = std::make_unique<Ui_TTamarindMainForm>();
    mUi->setupUi(mForm.get());
    mWidgets = TRemoteSettingsWidgets::fromForm(mForm.get());
    mEthernet = std::make_unique<TInitDEthernetConfigurationController>("eth0");
    mEthernet->loadSettings();
}

void tst_RemoteSettingsController::cleanup()
{
    mController.reset();
    mIEEETransport.reset();
    mRS232Transport.reset();
    mOptionLine.reset();
    mIEEE.reset();
    mRS232.reset();
    mEthernet.reset();
    mMenu.close();
    mUi.reset();
    mForm.reset();
}

void tst_RemoteSettingsController::build(bool pRS232, bool pIEEE488)
{
    if (pRS232 || pIEEE488) {
        mOptionLine = std::make_unique<TPseudoTerminal>();
        QVERIFY(QDir().mkpath(hostPath("/dev")));
        QString error;
        QVERIFY2(mOptionLine->open(hostPath("/dev/ttyO1"), error), qPrintable(error));
    }
    if (pRS232) {
        mRS232 = std::make_unique<TRS232ConfigurationController>();
        mRS232Transport = std::make_unique<TSerialCommunicationInterface>(nullptr, "/dev/ttyO1", mRS232->baudRate(),
                                                                          mRS232->flowControl(), mRS232->dataBits(),
                                                                          mRS232->stopBits(), mRS232->parity());
        connect(mRS232.get(), &TRS232ConfigurationController::configurationChanged, mRS232Transport.get(),
                &TSerialCommunicationInterface::onConfigurationChanged);
    }
    if (pIEEE488) {
        mIEEETransport = std::make_unique<TSerialCommunicationInterface>(nullptr, "/dev/ttyO1", 9600,
                                                                         QSerialPort::NoFlowControl, QSerialPort::Data8,
                                                                         QSerialPort::OneStop, QSerialPort::NoParity);
        mIEEE = std::make_unique<TIEEEConfigurationController>(nullptr);
    }
    mController = std::make_unique<TRemoteSettingsController>(&mMenu, mEthernet.get(), mRS232.get(), mIEEE.get(),
                                                              mIEEETransport.get(), mRS232Transport.get(), mWidgets);
    connect(mEthernet.get(), &TAbstractEthernetConfigurationController::interfaceConfigurationRead, mController.get(),
            &TRemoteSettingsController::onEthernetConfigurationRefreshed);
    mEthernet->refreshInterfaceInformation();
    TTestEnvironment::clearRecordedCommands();
}

QStringList tst_RemoteSettingsController::octets(QZELKDialogButton* const (&pOctets)[4]) const
{
    QStringList texts;
    for (const QZELKDialogButton* octet : pOctets)
        texts << octet->text();
    return texts;
}

void tst_RemoteSettingsController::setOctets(QZELKDialogButton* const (&pOctets)[4], const QStringList& pTexts) const
{
    for (int i = 0; i < 4; ++i)
        pOctets[i]->setText(pTexts.at(i));
}

void tst_RemoteSettingsController::subPagesArePresetFromTheLabels_data()
{
    QTest::addColumn<QString>("ipLabel");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("ip");
    QTest::addColumn<QStringList>("netmask");
    QTest::addColumn<QStringList>("gateway");
    const QStringList none = {"", "", "", ""};
    QTest::newRow("netmask field presets both addresses")
        << "192.168.1.10"
        << "BtnEthernet_Netmask" << QStringList{"192", "168", "1", "10"} << QStringList{"255", "255", "255", "0"}
        << none;
    QTest::newRow("no address: IP octets stay empty")
        << ""
        << "BtnEthernet_IP" << none << QStringList{"255", "255", "255", "0"} << none;
    QTest::newRow("three parts are no address")
        << "192.168.1"
        << "BtnEthernet_IP" << none << QStringList{"255", "255", "255", "0"} << none;
    QTest::newRow("empty parts are kept")
        << "10..0.1"
        << "BtnEthernet_IP" << QStringList{"10", "", "0", "1"} << QStringList{"255", "255", "255", "0"} << none;
    QTest::newRow("gateway") << "192.168.1.10"
                             << "BtnEthernet_Gateway" << none << none << QStringList{"192", "168", "1", "1"};
}

void tst_RemoteSettingsController::subPagesArePresetFromTheLabels()
{
    QFETCH(QString, ipLabel);
    QFETCH(QString, field);
    QFETCH(QStringList, ip);
    QFETCH(QStringList, netmask);
    QFETCH(QStringList, gateway);
    build(false, false);
    TAMARIND_END_FAILED_ROW();
    // Left over from an earlier entry: opening clears them.
    setOctets(mWidgets.BtnIP, {"1", "2", "3", "4"});
    setOctets(mWidgets.BtnNetmask, {"1", "2", "3", "4"});
    setOctets(mWidgets.BtnGateway, {"", "", "", ""});
    mWidgets.LblEthernet_IP->setText(ipLabel);

    tap(mForm->findChild<QWidget*>(field));

    QCOMPARE(mMenu.mPage, field == "BtnEthernet_Gateway" ? mWidgets.PageGateway : mWidgets.PageIPNetmask);
    if (field != "BtnEthernet_Gateway") {
        QCOMPARE(octets(mWidgets.BtnIP), ip);
        QCOMPARE(octets(mWidgets.BtnNetmask), netmask);
    } else {
        QCOMPARE(octets(mWidgets.BtnGateway), gateway);
    }
}

void tst_RemoteSettingsController::refusedEthernetValueKeepsTheSubPage_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("entered");
    // Empty: the page stays open without a word.
    QTest::addColumn<QString>("message");
    // What stands in the way of the system's files: "stanza" a directory where the stanza goes,
    // "base" no base file.
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("address that does not parse")
        << "BtnEthernet_IP" << QStringList{"192", "168", "1", "300"} << "Please enter a valid IP address"
        << "";
    QTest::newRow("netmask with a gap") << "BtnEthernet_Netmask" << QStringList{"192", "168", "1", "20"}
                                        << "Please enter a valid netmask"
                                        << "";
    QTest::newRow("gateway outside the subnet")
        << "BtnEthernet_Gateway" << QStringList{"192", "168", "2", "1"} << "Please enter a valid gateway"
        << "";
    QTest::newRow("empty gateway octets count as 0.0.0.0")
        << "BtnEthernet_Gateway" << QStringList{"", "", "", ""} << "Please enter a valid gateway"
        << "";
    QTest::newRow("stanza that cannot be written")
        << "BtnEthernet_IP" << QStringList{"192", "168", "1", "77"} << "Please enter a valid netmask"
        << "stanza";
    QTest::newRow("DHCP switched on without the base file")
        << "BtnEthernet_DHCP" << QStringList{}
        << "The DHCP setting could not be changed. The network configuration was left as it was."
        << "base";
}

// Nothing reaches the system: no command runs, no file changes.
void tst_RemoteSettingsController::refusedEthernetValueKeepsTheSubPage()
{
    QFETCH(QString, field);
    QFETCH(QStringList, entered);
    QFETCH(QString, message);
    QFETCH(QString, obstacle);
    build(false, false);
    TAMARIND_END_FAILED_ROW();
    if (obstacle == "stanza")
        QVERIFY(QDir().mkpath(hostPath("/etc/network/interfaces.eth0")));
    if (obstacle == "base")
        QVERIFY(TTestEnvironment::removeUnderRoot("/etc/network/interfaces.base"));
    auto* button = mForm->findChild<QZELKContainerRadioButton*>(field);
    tap(button);
    const bool gateway = field == "BtnEthernet_Gateway";
    if (field == "BtnEthernet_DHCP") {
        QVERIFY(mWidgets.BtnGenericOff->isChecked());
        tap(mWidgets.BtnGenericOn);
    } else {
        setOctets(gateway ? mWidgets.BtnGateway : mWidgets.BtnIP, entered);
    }
    if (field == "BtnEthernet_Netmask")
        setOctets(mWidgets.BtnNetmask, {"255", "0", "255", "0"});

    TMessageRecorder messages;
    mMenu.save();

    QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(mMenu.mReceiver);
    QVERIFY(button->isChecked());
    if (!entered.isEmpty())
        QCOMPARE(octets(gateway ? mWidgets.BtnGateway : mWidgets.BtnIP), entered);
    QVERIFY(TTestEnvironment::recordedCommands().isEmpty());
    QVERIFY(!QFile::exists(hostPath("/etc/network/gateway")));
    QVERIFY(!QFileInfo(hostPath("/etc/network/interfaces.eth0")).isFile());
    QCOMPARE(TTestEnvironment::readDeviceFile("/etc/network/interfaces"), BASE + "iface eth0 inet static\n");
}

void tst_RemoteSettingsController::savedSettingReachesTheSystem_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("dhcp");
    QTest::addColumn<QStringList>("messages");
    const QStringList leased{"192.168.1.10 255.255.255.0"};
    QTest::newRow("address from the pad") << "BtnEthernet_IP" << leased << "192.168.1.77"
                                          << "Off" << QStringList();
    QTest::newRow("DHCP switched on") << "BtnEthernet_DHCP" << leased << ""
                                      << "On" << QStringList();
    QTest::newRow("DHCP switched off with an IPv4 address") << "BtnEthernet_DHCP" << leased << "192.168.1.10"
                                                            << "Off" << QStringList();
    QTest::newRow("DHCP switched off with an IPv6 address alone")
        << "BtnEthernet_DHCP" << QStringList{"fe80::5 ffff:ffff:ffff:ffff::"} << ""
        << "Off"
        << QStringList{"DHCP is off, but no IPv4 address of the interface is known. Please enter the IP address and "
                       "netmask."};
}

// Octets entered on the pad are saved together, and the next refresh shows
// what the simulated network applied.
void tst_RemoteSettingsController::savedSettingReachesTheSystem()
{
    QFETCH(QString, field);
    QFETCH(QStringList, entries);
    QFETCH(QString, address);
    QFETCH(QString, dhcp);
    QFETCH(QStringList, messages);
    QVERIFY(TNetworkInterfaces::setSimulatedInterface("eth0", true, entries));
    build(false, false);
    TAMARIND_END_FAILED_ROW();
    auto* button = mForm->findChild<QZELKContainerRadioButton*>(field);
    tap(button);
    if (field == "BtnEthernet_IP") {
        answerPad({"Btn7", "Btn7", "BtnAccept"});
        QTest::mouseClick(mWidgets.BtnIP[3], Qt::LeftButton);
        answerPad({"Btn9", "BtnCancel"});
        QTest::mouseClick(mWidgets.BtnIP[2], Qt::LeftButton);
        QCOMPARE(octets(mWidgets.BtnIP), QStringList({"192", "168", "1", "77"}));
    } else if (dhcp == "On") {
        tap(mWidgets.BtnGenericOn);
    } else {
        QVERIFY(mWidgets.BtnGenericOff->isChecked());
    }

    TMessageRecorder shown;
    mMenu.save();
    QCOMPARE(shown.texts(), messages);
    QVERIFY(!mMenu.mReceiver);
    QVERIFY(!button->isChecked());
    QCOMPARE(TTestEnvironment::recordedCommands(), QStringList({"ip addr flush dev eth0", "ifdown eth0", "ifup eth0"}));
    mEthernet->refreshInterfaceInformation();
    if (!address.isEmpty())
        QCOMPARE(mWidgets.LblEthernet_IP->text(), address);
    QCOMPARE(mWidgets.LblEthernet_DHCP->text(), dhcp);
}

void tst_RemoteSettingsController::serialSubPagesPresetAndSave_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("presetButton");
    QTest::addColumn<QString>("chosenButton");
    QTest::addColumn<QString>("newValue");
    QTest::addColumn<QString>("label");
    // The page says that the line does not take its settings before Save; after it, every row's line is open.
    QTest::addColumn<bool>("refusedBefore");
    QTest::newRow("baud rate without a button") << "baudrate"
                                                << "300"
                                                << "BtnRS232_BaudRate"
                                                << ""
                                                << ""
                                                << "300"
                                                << "300" << false;
    // The next change opens the line that a rate of another instrument's settings kept closed.
    QTest::newRow("a rate the line does not know, then 9600") << "baudrate"
                                                              << "14400"
                                                              << "BtnRS232_BaudRate"
                                                              << ""
                                                              << "BtnBaud_9600"
                                                              << "9600"
                                                              << "9600" << true;
    QTest::newRow("baud rate") << "baudrate"
                               << "9600"
                               << "BtnRS232_BaudRate"
                               << "BtnBaud_9600"
                               << "BtnBaud_57600"
                               << "57600"
                               << "57600" << false;
    QTest::newRow("flow control") << "flowcontrol"
                                  << "0"
                                  << "BtnRS232_CTS_RTS"
                                  << "BtnGenericOff"
                                  << "BtnGenericOn"
                                  << "1"
                                  << "On" << false;
    QTest::newRow("data bits") << "databits"
                               << "8"
                               << "BtnRS232_DataBits"
                               << "BtnDataBits_8"
                               << "BtnDataBits_7"
                               << "7"
                               << "7" << false;
    QTest::newRow("one and a half stop bits") << "stopbits"
                                              << "3"
                                              << "BtnRS232_StopBit"
                                              << "BtnStopBits_15"
                                              << "BtnStopBits_2"
                                              << "2"
                                              << "2" << false;
    QTest::newRow("to one and a half stop bits") << "stopbits"
                                                 << "1"
                                                 << "BtnRS232_StopBit"
                                                 << "BtnStopBits_1"
                                                 << "BtnStopBits_15"
                                                 << "3"
                                                 << "1½" << false;
    QTest::newRow("parity mark") << "parity"
                                 << "0"
                                 << "BtnRS232_Parity"
                                 << "BtnParity_None"
                                 << "BtnParity_Mark"
                                 << "5"
                                 << "Mark" << false;
    QTest::newRow("parity space") << "parity"
                                  << "5"
                                  << "BtnRS232_Parity"
                                  << "BtnParity_Mark"
                                  << "BtnParity_Space"
                                  << "4"
                                  << "Space" << false;
}

void tst_RemoteSettingsController::serialSubPagesPresetAndSave()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, field);
    QFETCH(QString, presetButton);
    QFETCH(QString, chosenButton);
    QFETCH(QString, newValue);
    QFETCH(QString, label);
    QFETCH(bool, refusedBefore);
    TTamarindSettings::instance().setValue("RS232", key, stored);
    if (refusedBefore)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ttyO1 does not take its settings"));
    build(true, false);
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(!mWidgets.LblRS232_Refused->isHidden(), refusedBefore);
    if (refusedBefore)
        QCOMPARE(mWidgets.LblRS232_Refused->text(), QString("The line does not take these settings and stays closed."));
    auto* fieldButton = mForm->findChild<QZELKContainerRadioButton*>(field);
    tap(fieldButton);

    QList<QZELKContainerRadioButton*> checked;
    for (auto* button : mMenu.mPage->findChildren<QZELKContainerRadioButton*>()) {
        if (button->isChecked())
            checked << button;
    }
    QCOMPARE(checked.size(), presetButton.isEmpty() ? 0 : 1);
    if (!presetButton.isEmpty())
        QCOMPARE(checked.first()->objectName(), presetButton);

    QSignalSpy changes(mRS232.get(), &TRS232ConfigurationController::configurationChanged);
    if (!chosenButton.isEmpty())
        tap(mForm->findChild<QWidget*>(chosenButton));
    mMenu.save();

    QVERIFY(!mMenu.mReceiver);
    QVERIFY(!fieldButton->isChecked());
    QCOMPARE(changes.count(), chosenButton.isEmpty() ? 0 : 1);
    QCOMPARE(TTamarindSettings::instance().value("RS232", key, QString()), newValue);
    QCOMPARE(mForm->findChild<QLabel*>(QString(field).replace("Btn", "Lbl"))->text(), label);
    QVERIFY(mWidgets.LblRS232_Refused->isHidden());
    QVERIFY(mRS232Transport->isOpen());
}

void tst_RemoteSettingsController::openingAFieldCancelsTheOpenSubPage()
{
    build(true, false);
    TAMARIND_END_FAILED_ROW();
    tap(mWidgets.BtnRS232_BaudRate);
    tap(mWidgets.BtnBaud_1200);
    QSignalSpy changes(mRS232.get(), &TRS232ConfigurationController::configurationChanged);

    tap(mWidgets.BtnEthernet_DHCP);

    QVERIFY(!mWidgets.BtnRS232_BaudRate->isChecked());
    QVERIFY(mWidgets.BtnEthernet_DHCP->isChecked());
    QCOMPARE(mMenu.mPage, mWidgets.PageGenericOnOff);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(mRS232->baudRate(), QSerialPort::Baud115200);

    QVERIFY(mMenu.mReceiver->cancelClicked());
    QVERIFY(!mWidgets.BtnEthernet_DHCP->isChecked());
}

void tst_RemoteSettingsController::portPadMovesTheServer_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("below the range") << QStringList{"Btn1", "Btn0", "Btn2", "Btn3"} << false;
    QTest::newRow("lowest") << QStringList{"Btn1", "Btn0", "Btn2", "Btn4"} << true;
    QTest::newRow("highest") << QStringList{"Btn6", "Btn5", "Btn5", "Btn3", "Btn5"} << true;
    QTest::newRow("above the range") << QStringList{"Btn6", "Btn5", "Btn5", "Btn3", "Btn6"} << false;
}

void tst_RemoteSettingsController::portPadMovesTheServer()
{
    QFETCH(QStringList, keys);
    QFETCH(bool, acceptable);
    build(false, false);
    TAMARIND_END_FAILED_ROW();
    tap(mWidgets.BtnEthernet_DHCP);
    QSignalSpy changes(mEthernet.get(), &TAbstractEthernetConfigurationController::interfaceSettingsChanged);
    bool acceptShown = false;
    TModalAnswer::onNextModal([&](QWidget* pPad) {
        pressKeys(pPad, keys);
        acceptShown = pPad->findChild<QWidget*>("BtnAccept")->isVisible();
        pressKeys(pPad, {acceptShown ? "BtnAccept" : "BtnCancel"});
    });

    tap(mWidgets.BtnEthernet_Port);

    QCOMPARE(acceptShown, acceptable);
    QVERIFY(!mWidgets.BtnEthernet_DHCP->isChecked());
    QCOMPARE(changes.count(), acceptable ? 1 : 0);
    const QString entered = QString(keys.join("")).remove("Btn");
    QCOMPARE(mEthernet->port(), acceptable ? entered.toInt() : 3000);
    mEthernet->refreshInterfaceInformation();
    QCOMPARE(mWidgets.LblEthernet_Port->text(), acceptable ? entered : QString("3000"));
}

void tst_RemoteSettingsController::ieeeAddressIsStoredAndSent()
{
    build(false, true);
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(mWidgets.LblIEEE_Address->text(), QString("3"));
    answerPad({"Btn3", "Btn0", "BtnAccept"});

    tap(mWidgets.BtnIEEE_Address);

    QCOMPARE(mWidgets.LblIEEE_Address->text(), QString("30"));
    QCOMPARE(TTamarindSettings::instance().value("GPIB", "address", QString()), QString("30"));
    QByteArray received;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            char buffer[64];
            const ssize_t count = ::read(mOptionLine->masterDescriptor(), buffer, sizeof buffer);
            if (count > 0)
                received.append(buffer, int(count));
            return received.size() >= 7;
        }(),
        3000);
    QCOMPARE(received, QByteArray::fromHex("02853D3330FF03"));
}

void tst_RemoteSettingsController::refreshOfAnotherInterfaceChangesNothing()
{
    build(false, false);
    TAMARIND_END_FAILED_ROW();
    QCOMPARE(mWidgets.LblEthernet_IP->text(), QString("192.168.1.10"));
    QCOMPARE(mWidgets.LblEthernet_Gateway->text(), QString("192.168.1.1"));
    mController->onEthernetConfigurationRefreshed("eth1", "10.0.0.5", "255.0.0.0", "10.0.0.1", true);
    QCOMPARE(mWidgets.LblEthernet_IP->text(), QString("192.168.1.10"));
    QCOMPARE(mWidgets.LblEthernet_Netmask->text(), QString("255.255.255.0"));
    QCOMPARE(mWidgets.LblEthernet_Gateway->text(), QString("192.168.1.1"));
    QCOMPARE(mWidgets.LblEthernet_DHCP->text(), QString("Off"));
    QCOMPARE(mWidgets.LblEthernet_Port->text(), QString("3000"));
}

TAMARIND_TEST_MAIN(tst_RemoteSettingsController)
#include "tst_remotesettingscontroller.moc"
