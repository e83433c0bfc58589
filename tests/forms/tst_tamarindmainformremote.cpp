#include "formchecks.h"
#include "tamarindmainform_ui.h"
#include "testsupport.h"

#include <QScrollBar>

#include <memory>

// The remote settings page and its network and serial parameter pages as the remote control
// screens find and fill them.
class tst_TamarindMainFormRemote : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void checkedRowShowsItsCaptionToolTip_data();
    void checkedRowShowsItsCaptionToolTip();
    void enteredSettingsOnlyReportAClick();
    void valueLabelsAreLeftToTheScreens();
    void radioRowsFormTheirGroups();
    void octetRowsAlternateButtonsAndDots_data();
    void octetRowsAlternateButtonsAndDots();
    void parameterTexts_data();
    void parameterTexts();
    void hiddenGroupsLeaveNoGap();
    void pagesAsTheScreensFillThem();

private:
    std::unique_ptr<QWidget> mForm;
    Ui_TTamarindMainForm mUi;
};

void tst_TamarindMainFormRemote::init()
{
    mForm = std::make_unique<QWidget>();
    mUi = Ui_TTamarindMainForm();
    mUi.setupUi(mForm.get());
}

void tst_TamarindMainFormRemote::cleanup()
{
    mForm.reset();
}

void tst_TamarindMainFormRemote::checkedRowShowsItsCaptionToolTip_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("captionText");
    QTest::addColumn<QString>("status");
    QTest::newRow("IP address") << "BtnEthernet_IP"
                                << "LblEthernet_IP_Caption"
                                << "IP"
                                << "IP / Netmask";
    QTest::newRow("netmask") << "BtnEthernet_Netmask"
                             << "LblEthernet_Netmask_Caption"
                             << "Netmask"
                             << "IP / Netmask";
    QTest::newRow("gateway") << "BtnEthernet_Gateway"
                             << "LblEthernet_Gateway_Caption"
                             << "Gateway"
                             << "Ethernet - Gateway";
    QTest::newRow("DHCP") << "BtnEthernet_DHCP"
                          << "LblEthernet_DHCP_Caption"
                          << "DHCP"
                          << "Ethernet - DHCP";
    QTest::newRow("baud rate") << "BtnRS232_BaudRate"
                               << "LblRS232_BaudRate_Caption"
                               << "Baud rate"
                               << "";
    QTest::newRow("flow control") << "BtnRS232_CTS_RTS"
                                  << "LblRS232_CTS_RTS_Caption"
                                  << "CTS / RTS"
                                  << "";
    QTest::newRow("data bits") << "BtnRS232_DataBits"
                               << "LblRS232_DataBits_Caption"
                               << "Data bits"
                               << "";
    QTest::newRow("stop bit") << "BtnRS232_StopBit"
                              << "LblRS232_StopBit_Caption"
                              << "Stop bit"
                              << "";
    QTest::newRow("parity") << "BtnRS232_Parity"
                            << "LblRS232_Parity_Caption"
                            << "Parity"
                            << "";
}

void tst_TamarindMainFormRemote::checkedRowShowsItsCaptionToolTip()
{
    QFETCH(QString, row);
    QFETCH(QString, caption);
    QFETCH(QString, captionText);
    QFETCH(QString, status);

    auto* button = mForm->findChild<QZELKContainerRadioButton*>(row);
    QVERIFY(button);
    // The row holds two labels, so only its status source name leads to the caption.
    QCOMPARE(button->findChildren<QLabel*>().size(), 2);
    QLabel* source = button->statusSourceLabel();
    QVERIFY(source);
    QCOMPARE(source->objectName(), caption);
    QCOMPARE(source->parentWidget(), button);
    QCOMPARE(source->text(), captionText);

    // A screen that names a status label sees the caption's tool tip there once the row is checked.
    auto* statusLabel = new QLabel(QStringLiteral("before"), mForm.get());
    statusLabel->setObjectName(QStringLiteral("LblRemoteStatus"));
    button->setStatusLabelName(statusLabel->objectName());
    button->setChecked(true);
    QCOMPARE(statusLabel->text(), status);
}

void tst_TamarindMainFormRemote::enteredSettingsOnlyReportAClick()
{
    // Port and IEEE-488 address are typed on the pad: plain push rows without a status source.
    for (QZELKContainerPushButton* row : {mUi.BtnEthernet_Port, mUi.BtnIEEE_Address}) {
        QVERIFY2(!qobject_cast<QZELKContainerCheckButton*>(row), qPrintable(row->objectName()));
        QVERIFY(!row->property("statusSourceLabelName").isValid());
    }
    QCOMPARE(mUi.LblEthernet_Port_Caption->toolTip(), QStringLiteral("Ethernet - Port"));
    QCOMPARE(mUi.LblEthernet_Port_Caption->text(), QStringLiteral("Port"));
    QCOMPARE(mUi.LblIEEE_Address_Caption->text(), QStringLiteral("IEEE-488 address"));
}

void tst_TamarindMainFormRemote::valueLabelsAreLeftToTheScreens()
{
    const QList<QLabel*> values{mUi.LblEthernet_IP,   mUi.LblEthernet_Netmask, mUi.LblEthernet_Gateway,
                                mUi.LblEthernet_Port, mUi.LblEthernet_DHCP,    mUi.LblRS232_BaudRate,
                                mUi.LblRS232_CTS_RTS, mUi.LblRS232_DataBits,   mUi.LblRS232_StopBit,
                                mUi.LblRS232_Parity,  mUi.LblIEEE_Address};
    for (QLabel* value : values) {
        QVERIFY2(value->text().isEmpty(), qPrintable(value->objectName()));
        QCOMPARE(value->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        // The value stands right of its caption on the same row.
        auto* row = qobject_cast<QBoxLayout*>(value->parentWidget()->layout());
        QVERIFY(row);
        QCOMPARE(row->count(), 2);
        QCOMPARE(row->itemAt(1)->widget(), value);
        value->setText("written " + value->objectName());
    }
    mUi.LblEthernet_IP_Caption->setText(QStringLiteral("changed"));
    mUi.LblEthernet_Gateway_Caption->setToolTip(QStringLiteral("changed"));

    // A change of language gives back captions and tool tips and keeps the values.
    mUi.retranslateUi(mForm.get());

    for (QLabel* value : values) {
        QCOMPARE(value->text(), "written " + value->objectName());
    }
    QCOMPARE(mUi.LblEthernet_IP_Caption->text(), QStringLiteral("IP"));
    QCOMPARE(mUi.LblEthernet_Gateway_Caption->toolTip(), QStringLiteral("Ethernet - Gateway"));
    QCOMPARE(mUi.BtnEthernet_IP->getStatusSourceLabelName(), QStringLiteral("LblEthernet_IP_Caption"));
}

void tst_TamarindMainFormRemote::radioRowsFormTheirGroups()
{
    // Other pages may check a choice as built; these pages leave it to their screens.
    for (QWidget* page : {mUi.PageRemote, mUi.PageIPNetmask, mUi.PageGateway, mUi.PageGenericOnOff, mUi.PageBaudRate,
                          mUi.PageDataBits, mUi.PageStopBits, mUi.PageParity}) {
        for (auto* button : page->findChildren<QZELKContainerRadioButton*>()) {
            QVERIFY2(!button->isChecked(), qPrintable(button->objectName()));
        }
    }
    verifyRadioGroups({
        {mUi.BtnEthernet_IP, mUi.BtnEthernet_Netmask, mUi.BtnEthernet_Gateway, mUi.BtnEthernet_DHCP},
        {mUi.BtnRS232_BaudRate, mUi.BtnRS232_CTS_RTS, mUi.BtnRS232_DataBits, mUi.BtnRS232_StopBit, mUi.BtnRS232_Parity},
        {mUi.BtnGenericOn, mUi.BtnGenericOff},
        {mUi.BtnBaud_1200, mUi.BtnBaud_2400, mUi.BtnBaud_4800, mUi.BtnBaud_9600, mUi.BtnBaud_19200, mUi.BtnBaud_38400,
         mUi.BtnBaud_57600, mUi.BtnBaud_115200},
        {mUi.BtnDataBits_5, mUi.BtnDataBits_6, mUi.BtnDataBits_7, mUi.BtnDataBits_8},
        {mUi.BtnStopBits_1, mUi.BtnStopBits_15, mUi.BtnStopBits_2},
        {mUi.BtnParity_None, mUi.BtnParity_Even, mUi.BtnParity_Odd, mUi.BtnParity_Space, mUi.BtnParity_Mark},
    });
}

void tst_TamarindMainFormRemote::octetRowsAlternateButtonsAndDots_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("IP address") << "horizontalLayout_80" << QStringList{"BtnIP1", "label_119", "BtnIP2", "label_117",
                                                                        "BtnIP3", "label_118", "BtnIP4"};
    QTest::newRow("netmask") << "horizontalLayout_85"
                             << QStringList{"BtnNetmask1", "label_120", "BtnNetmask2", "label_121",
                                            "BtnNetmask3", "label_122", "BtnNetmask4"};
    QTest::newRow("gateway") << "horizontalLayout_86"
                             << QStringList{"BtnGateway1", "label_125", "BtnGateway2", "label_126",
                                            "BtnGateway3", "label_127", "BtnGateway4"};
}

void tst_TamarindMainFormRemote::octetRowsAlternateButtonsAndDots()
{
    QFETCH(QString, row);
    QFETCH(QStringList, items);

    auto* layout = mForm->findChild<QHBoxLayout*>(row);
    QVERIFY(layout);
    QStringList built;
    for (int index = 0; index < layout->count(); ++index) {
        QWidget* widget = layout->itemAt(index)->widget();
        QVERIFY(widget);
        built << widget->objectName();
        if (index % 2 == 0) {
            // The screens open the pad on a touch and write the octet into the text.
            auto* octet = qobject_cast<QZELKDialogButton*>(widget);
            QVERIFY(octet);
            QVERIFY(octet->text().isEmpty());
            QCOMPARE(octet->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        } else {
            QCOMPARE(qobject_cast<QLabel*>(widget)->text(), QStringLiteral("."));
        }
    }
    QCOMPARE(built, items);

    QWidget* page = mForm->findChild<QWidget*>(items.first())->parentWidget();
    showPage(mForm.get(), page);
    QCOMPARE(mForm->findChild<QWidget*>(items[0])->width(), mForm->findChild<QWidget*>(items[6])->width());
    QCOMPARE(mForm->findChild<QWidget*>(items[0])->height(), 34);
}

void tst_TamarindMainFormRemote::parameterTexts_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("translatable");
    QTest::newRow("lowest baud rate") << "LblBacklightOff_10s_4"
                                      << "1200" << false;
    QTest::newRow("baud rate with its own label name") << "LblBaud_57600"
                                                       << "57600" << false;
    QTest::newRow("highest baud rate") << "LblBacklightOff_10s_15"
                                       << "115200" << false;
    QTest::newRow("eight data bits") << "LblBacklightOff_10s_18"
                                     << "8" << false;
    // The digit one and the vulgar fraction one half, in every language.
    QTest::newRow("one and a half stop bits") << "LblBacklightOff_10s_20"
                                              << "1\u00BD" << false;
    QTest::newRow("no parity") << "LblBacklightOff_10s_22"
                               << "None" << true;
    QTest::newRow("mark parity") << "LblBacklightOff_10s_26"
                                 << "Mark" << true;
    QTest::newRow("on") << "LblSoundAlarm_on_2"
                        << "On" << true;
    QTest::newRow("netmask heading") << "label_124"
                                     << "Netmask" << true;
}

void tst_TamarindMainFormRemote::parameterTexts()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(bool, translatable);

    auto* widget = mForm->findChild<QLabel*>(label);
    QVERIFY(widget);
    QCOMPARE(widget->text(), text);
    widget->setText(QStringLiteral("written by a screen"));
    mUi.retranslateUi(mForm.get());
    QCOMPARE(widget->text(), translatable ? text : QStringLiteral("written by a screen"));
}

void tst_TamarindMainFormRemote::hiddenGroupsLeaveNoGap()
{
    showPage(mForm.get(), mUi.PageRemote);
    // Both option groups as built: the list is taller than the area and scrolls.
    QVERIFY(mUi.WgtRemote_RS232->isVisible());
    QVERIFY(mUi.WgtRemote_IEEE488->isVisible());
    QTRY_VERIFY(mUi.scrollAreaRemote->verticalScrollBar()->maximum() > 0);
    QVERIFY(!mUi.scrollAreaRemote->horizontalScrollBar()->isVisible());

    // The main window hides the group of a board that is not fitted; the next group moves up.
    const int rs232Top = mUi.WgtRemote_RS232->y();
    mUi.WgtRemote_RS232->hide();
    QTRY_COMPARE(mUi.WgtRemote_IEEE488->y(), rs232Top);

    // Without option boards the Ethernet rows stay at the top of an area that no longer scrolls.
    const int portTop = mUi.BtnEthernet_Port->y();
    mUi.WgtRemote_IEEE488->hide();
    QTRY_COMPARE(mUi.scrollAreaRemote->verticalScrollBar()->maximum(), 0);
    QCOMPARE(mUi.BtnEthernet_Port->y(), portTop);
    QCOMPARE(mUi.label_114->y(), mUi.verticalLayout_85->contentsMargins().top());
}

void tst_TamarindMainFormRemote::pagesAsTheScreensFillThem()
{
    mUi.LblEthernet_IP->setText(QStringLiteral("192.168.1.20"));
    mUi.LblEthernet_Netmask->setText(QStringLiteral("255.255.255.0"));
    mUi.LblEthernet_Gateway->setText(QStringLiteral("192.168.1.1"));
    mUi.LblEthernet_Port->setText(QStringLiteral("5025"));
    mUi.LblEthernet_DHCP->setText(QStringLiteral("Off"));
    mUi.LblRS232_BaudRate->setText(QStringLiteral("9600"));
    mUi.LblRS232_CTS_RTS->setText(QStringLiteral("On"));
    mUi.LblRS232_DataBits->setText(QStringLiteral("8"));
    mUi.LblRS232_StopBit->setText(QStringLiteral("1\u00BD"));
    mUi.LblRS232_Parity->setText(QStringLiteral("None"));
    mUi.LblIEEE_Address->setText(QStringLiteral("12"));
    mUi.BtnEthernet_IP->setChecked(true);
    const QStringList octets{"192", "168", "1", "20", "255", "255", "255", "0"};
    const QList<QZELKDialogButton*> buttons{mUi.BtnIP1,      mUi.BtnIP2,      mUi.BtnIP3,      mUi.BtnIP4,
                                            mUi.BtnNetmask1, mUi.BtnNetmask2, mUi.BtnNetmask3, mUi.BtnNetmask4};
    for (int index = 0; index < buttons.size(); ++index) {
        buttons[index]->setText(octets[index]);
    }
    mUi.stackedWidgetMenu->setCurrentWidget(mUi.PageIPNetmask);
    showPage(mForm.get(), mUi.PageRemote);
    saveSnapshot(mForm.get(), QStringLiteral("remote_ip"));

    mUi.BtnRS232_StopBit->setChecked(true);
    mUi.BtnStopBits_15->setChecked(true);
    mUi.stackedWidgetMenu->setCurrentWidget(mUi.PageStopBits);
    mUi.scrollAreaRemote->verticalScrollBar()->setValue(mUi.scrollAreaRemote->verticalScrollBar()->maximum());
    saveSnapshot(mForm.get(), QStringLiteral("remote_stop_bits"));

    mUi.BtnGenericOn->setChecked(true);
    mUi.stackedWidgetMenu->setCurrentWidget(mUi.PageGenericOnOff);
    const int rs232Top = mUi.WgtRemote_RS232->y();
    mUi.WgtRemote_RS232->hide();
    QTRY_COMPARE(mUi.WgtRemote_IEEE488->y(), rs232Top);
    QTRY_COMPARE(mUi.scrollAreaRemoteContents->y(), -mUi.scrollAreaRemote->verticalScrollBar()->value());
    saveSnapshot(mForm.get(), QStringLiteral("remote_without_rs232"));
}

TAMARIND_TEST_MAIN(tst_TamarindMainFormRemote)
#include "tst_tamarindmainformremote.moc"
