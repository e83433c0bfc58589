#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>

#include <type_traits>

using namespace Form_helpers;

namespace
{

// The members of a row of the remote settings page, filled by addSettingRow; the names are the
// members' own (see TAMARIND_SETTING_ROW).
template <typename TButton> struct TSettingRow
{
    TButton*& mButton;
    QHBoxLayout*& mLayout;
    QLabel*& mCaption;
    QLabel*& mValue;
    const char* mButtonName;
    const char* mLayoutName;
    const char* mCaptionName;
    const char* mValueName;
};

// The members of a row of four octet buttons with dots between them, filled by addOctetRow.
struct TOctetRow
{
    QHBoxLayout*& mRow;
    const char* mRowName;
    QZELKDialogButton** mOctets[4];
    const char* mOctetNames[4];
    QLabel** mDots[3];
    const char* mDotNames[3];
};

// clang-format off
#define TAMARIND_SETTING_ROW(button, layout, caption, value) \
    TSettingRow<std::remove_pointer_t<decltype(button)>>{button, layout, caption, value, \
                                                         #button, #layout, #caption, #value}
#define TAMARIND_OCTET_ROW(row, octet1, dot1, octet2, dot2, octet3, dot3, octet4) \
    TOctetRow{row, #row, {&octet1, &octet2, &octet3, &octet4}, {#octet1, #octet2, #octet3, #octet4}, \
              {&dot1, &dot2, &dot3}, {#dot1, #dot2, #dot3}}
// clang-format on

// A row with its caption at the left and the current setting at the right, added at the end of
// pList; the radio rows of one list form one radio group. The value stays empty until the remote
// control screens write it.
template <typename TButton> void addSettingRow(QVBoxLayout* pList, const TSettingRow<TButton>& oRow)
{
    oRow.mButton = named(new TButton(pList->parentWidget()), oRow.mButtonName);
    oRow.mButton->setBorderRadius(6);
    oRow.mLayout = rowLayoutOn<QHBoxLayout>(oRow.mButton, oRow.mLayoutName);
    oRow.mCaption = named(new QLabel(oRow.mButton), oRow.mCaptionName);
    oRow.mLayout->addWidget(oRow.mCaption);
    oRow.mValue = named(new QLabel(oRow.mButton), oRow.mValueName);
    oRow.mValue->setText(QString());
    oRow.mValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    oRow.mLayout->addWidget(oRow.mValue);
    pList->addWidget(oRow.mButton);
}

// An address as four octet buttons, each spreading over a quarter of the row, which the remote
// control screens fill from the numeric pad; added at the end of the page's list.
void addOctetRow(QVBoxLayout* pList, const TOctetRow& oRow)
{
    QWidget* const page = pList->parentWidget();
    oRow.mRow = nestedLayout<QHBoxLayout>(oRow.mRowName, 1);
    for (int octet = 0; octet < 4; ++octet) {
        if (octet > 0) {
            QLabel* dot = named(new QLabel(page), oRow.mDotNames[octet - 1]);
            dot->setText(QStringLiteral("."));
            oRow.mRow->addWidget(dot);
            *oRow.mDots[octet - 1] = dot;
        }
        QZELKDialogButton* button = named(new QZELKDialogButton(page), oRow.mOctetNames[octet]);
        setSizePolicy(button, QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setMinimumSize(QSize(0, 34));
        oRow.mRow->addWidget(button);
        *oRow.mOctets[octet] = button;
    }
    pList->addLayout(oRow.mRow);
}

QLabel* newHeading(QWidget* pParent, const char* pName)
{
    QLabel* label = named(new QLabel(pParent), pName);
    label->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    return label;
}

// A list that starts pTop pixels from the top, with the style's margins at the sides and below.
QVBoxLayout* listLayoutOn(QWidget* pPage, const char* pName, int pTop)
{
    return layoutOn<QVBoxLayout>(pPage, pName, 2, StyleDefault, pTop, StyleDefault, StyleDefault);
}

} // namespace

void Ui_TTamarindMainForm::setupPageRemote()
{
    PageRemote = newPage("PageRemote", stackedWidget);
    verticalLayout_6 = layoutOn<QVBoxLayout>(PageRemote, "verticalLayout_6", 0, 0, 0, 0, StyleDefault);
    scrollAreaRemote = named(new TTouchScrollArea(PageRemote), "scrollAreaRemote");
    setUpScrollArea(scrollAreaRemote);
    scrollAreaRemoteContents = named(new QWidget(scrollAreaRemote->viewport()), "scrollAreaRemoteContents");
    scrollAreaRemoteContents->setGeometry(QRect(0, 0, 192, 493));
    scrollAreaRemoteContents->setStyleSheet(TStyleSheetCatalogue::sheet(ssDialogButtonPadding));
    verticalLayout_85 = listLayoutOn(scrollAreaRemoteContents, "verticalLayout_85", 1);

    label_114 = newHeading(scrollAreaRemoteContents, "label_114");
    verticalLayout_85->addWidget(label_114);
    addSettingRow(verticalLayout_85,
                  TAMARIND_SETTING_ROW(BtnEthernet_IP, horizontalLayout_147, LblEthernet_IP_Caption, LblEthernet_IP));
    addSettingRow(verticalLayout_85, TAMARIND_SETTING_ROW(BtnEthernet_Netmask, horizontalLayout_148,
                                                          LblEthernet_Netmask_Caption, LblEthernet_Netmask));
    addSettingRow(verticalLayout_85, TAMARIND_SETTING_ROW(BtnEthernet_Gateway, horizontalLayout_149,
                                                          LblEthernet_Gateway_Caption, LblEthernet_Gateway));
    addSettingRow(verticalLayout_85, TAMARIND_SETTING_ROW(BtnEthernet_Port, horizontalLayout_150,
                                                          LblEthernet_Port_Caption, LblEthernet_Port));
    addSettingRow(verticalLayout_85, TAMARIND_SETTING_ROW(BtnEthernet_DHCP, horizontalLayout_151,
                                                          LblEthernet_DHCP_Caption, LblEthernet_DHCP));

    // Each option board's group in a container of its own, so that the main window can hide the
    // group of a board that is not fitted; its radio rows form a group apart from the Ethernet one.
    WgtRemote_RS232 = named(new QWidget(scrollAreaRemoteContents), "WgtRemote_RS232");
    verticalLayout_84 = layoutOn<QVBoxLayout>(WgtRemote_RS232, "verticalLayout_84", 2, 0, 0, 0, 0);
    label_115 = newHeading(WgtRemote_RS232, "label_115");
    verticalLayout_84->addWidget(label_115);
    LblRS232_Refused = named(new QLabel(WgtRemote_RS232), "LblRS232_Refused");
    LblRS232_Refused->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginLeft6));
    LblRS232_Refused->setWordWrap(true);
    LblRS232_Refused->hide();
    verticalLayout_84->addWidget(LblRS232_Refused);
    addSettingRow(verticalLayout_84, TAMARIND_SETTING_ROW(BtnRS232_BaudRate, horizontalLayout_152,
                                                          LblRS232_BaudRate_Caption, LblRS232_BaudRate));
    addSettingRow(verticalLayout_84, TAMARIND_SETTING_ROW(BtnRS232_CTS_RTS, horizontalLayout_153,
                                                          LblRS232_CTS_RTS_Caption, LblRS232_CTS_RTS));
    addSettingRow(verticalLayout_84, TAMARIND_SETTING_ROW(BtnRS232_DataBits, horizontalLayout_154,
                                                          LblRS232_DataBits_Caption, LblRS232_DataBits));
    addSettingRow(verticalLayout_84, TAMARIND_SETTING_ROW(BtnRS232_StopBit, horizontalLayout_155,
                                                          LblRS232_StopBit_Caption, LblRS232_StopBit));
    addSettingRow(verticalLayout_84, TAMARIND_SETTING_ROW(BtnRS232_Parity, horizontalLayout_156,
                                                          LblRS232_Parity_Caption, LblRS232_Parity));
    verticalLayout_85->addWidget(WgtRemote_RS232);

    WgtRemote_IEEE488 = named(new QWidget(scrollAreaRemoteContents), "WgtRemote_IEEE488");
    verticalLayout_83 = layoutOn<QVBoxLayout>(WgtRemote_IEEE488, "verticalLayout_83", 2, 0, 0, 0, 0);
    label_116 = newHeading(WgtRemote_IEEE488, "label_116");
    verticalLayout_83->addWidget(label_116);
    addSettingRow(verticalLayout_83, TAMARIND_SETTING_ROW(BtnIEEE_Address, horizontalLayout_157,
                                                          LblIEEE_Address_Caption, LblIEEE_Address));
    verticalLayout_85->addWidget(WgtRemote_IEEE488);

    // Keeps the rows at the top when the list is shorter than the area, also once a group is hidden.
    verticalSpacer_40 = newVerticalSpacer();
    verticalLayout_85->addItem(verticalSpacer_40);
    scrollAreaRemote->setWidget(scrollAreaRemoteContents);
    verticalLayout_6->addWidget(scrollAreaRemote);
    stackedWidget->addWidget(PageRemote);
}

// The status source names are object names that go through the lookup like the texts: a
// catalogue must leave them as they are, or the buttons no longer find their caption labels.
void Ui_TTamarindMainForm::retranslatePageRemote()
{
    label_114->setText(QCoreApplication::translate("TTamarindMainForm", "Ethernet", nullptr));
    BtnEthernet_IP->setStatusSourceLabelName(
        QCoreApplication::translate("TTamarindMainForm", "LblEthernet_IP_Caption", nullptr));
    LblEthernet_IP_Caption->setToolTip(QCoreApplication::translate("TTamarindMainForm", "IP / Netmask", nullptr));
    LblEthernet_IP_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "IP", nullptr));
    BtnEthernet_Netmask->setStatusSourceLabelName(
        QCoreApplication::translate("TTamarindMainForm", "LblEthernet_Netmask_Caption", nullptr));
    LblEthernet_Netmask_Caption->setToolTip(QCoreApplication::translate("TTamarindMainForm", "IP / Netmask", nullptr));
    LblEthernet_Netmask_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "Netmask", nullptr));
    BtnEthernet_Gateway->setStatusSourceLabelName(
        QCoreApplication::translate("TTamarindMainForm", "LblEthernet_Gateway_Caption", nullptr));
    LblEthernet_Gateway_Caption->setToolTip(
        QCoreApplication::translate("TTamarindMainForm", "Ethernet - Gateway", nullptr));
    LblEthernet_Gateway_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "Gateway", nullptr));
    LblEthernet_Port_Caption->setToolTip(QCoreApplication::translate("TTamarindMainForm", "Ethernet - Port", nullptr));
    LblEthernet_Port_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "Port", nullptr));
    BtnEthernet_DHCP->setStatusSourceLabelName(
        QCoreApplication::translate("TTamarindMainForm", "LblEthernet_DHCP_Caption", nullptr));
    LblEthernet_DHCP_Caption->setToolTip(QCoreApplication::translate("TTamarindMainForm", "Ethernet - DHCP", nullptr));
    LblEthernet_DHCP_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "DHCP", nullptr));

    label_115->setText(QCoreApplication::translate("TTamarindMainForm", "RS-232", nullptr));
    BtnRS232_BaudRate->setStatusSourceLabelName(
        QCoreApplication::translate("TTamarindMainForm", "LblRS232_BaudRate_Caption", nullptr));
    LblRS232_BaudRate_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "Baud rate", nullptr));
    BtnRS232_CTS_RTS->setStatusSourceLabelName(
        QCoreApplication::translate("TTamarindMainForm", "LblRS232_CTS_RTS_Caption", nullptr));
    LblRS232_CTS_RTS_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "CTS / RTS", nullptr));
    BtnRS232_DataBits->setStatusSourceLabelName(
        QCoreApplication::translate("TTamarindMainForm", "LblRS232_DataBits_Caption", nullptr));
    LblRS232_DataBits_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "Data bits", nullptr));
    BtnRS232_StopBit->setStatusSourceLabelName(
        QCoreApplication::translate("TTamarindMainForm", "LblRS232_StopBit_Caption", nullptr));
    LblRS232_StopBit_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "Stop bit", nullptr));
    BtnRS232_Parity->setStatusSourceLabelName(
        QCoreApplication::translate("TTamarindMainForm", "LblRS232_Parity_Caption", nullptr));
    LblRS232_Parity_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "Parity", nullptr));

    label_116->setText(QCoreApplication::translate("TTamarindMainForm", "IEEE-488", nullptr));
    LblIEEE_Address_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "IEEE-488 address", nullptr));
}

void Ui_TTamarindMainForm::setupPageIPNetmask()
{
    PageIPNetmask = newPage("PageIPNetmask", stackedWidgetMenu);
    verticalLayout_86 = listLayoutOn(PageIPNetmask, "verticalLayout_86", 2);
    label_123 = newHeading(PageIPNetmask, "label_123");
    verticalLayout_86->addWidget(label_123);
    addOctetRow(verticalLayout_86, TAMARIND_OCTET_ROW(horizontalLayout_80, BtnIP1, label_119, BtnIP2, label_117, BtnIP3,
                                                      label_118, BtnIP4));
    label_124 = newHeading(PageIPNetmask, "label_124");
    verticalLayout_86->addWidget(label_124);
    addOctetRow(verticalLayout_86, TAMARIND_OCTET_ROW(horizontalLayout_85, BtnNetmask1, label_120, BtnNetmask2,
                                                      label_121, BtnNetmask3, label_122, BtnNetmask4));
    verticalSpacer_41 = newVerticalSpacer();
    verticalLayout_86->addItem(verticalSpacer_41);
    stackedWidgetMenu->addWidget(PageIPNetmask);
}

void Ui_TTamarindMainForm::retranslatePageIPNetmask()
{
    label_123->setText(QCoreApplication::translate("TTamarindMainForm", "IP address", nullptr));
    label_124->setText(QCoreApplication::translate("TTamarindMainForm", "Netmask", nullptr));
}

void Ui_TTamarindMainForm::setupPageGateway()
{
    PageGateway = newPage("PageGateway", stackedWidgetMenu);
    verticalLayout_88 = listLayoutOn(PageGateway, "verticalLayout_88", 2);
    addOctetRow(verticalLayout_88, TAMARIND_OCTET_ROW(horizontalLayout_86, BtnGateway1, label_125, BtnGateway2,
                                                      label_126, BtnGateway3, label_127, BtnGateway4));
    verticalSpacer_43 = newVerticalSpacer();
    verticalLayout_88->addItem(verticalSpacer_43);
    stackedWidgetMenu->addWidget(PageGateway);
}

void Ui_TTamarindMainForm::retranslatePageGateway() {}

void Ui_TTamarindMainForm::setupPageGenericOnOff()
{
    PageGenericOnOff = newPage("PageGenericOnOff", stackedWidgetMenu);
    verticalLayout_87 = listLayoutOn(PageGenericOnOff, "verticalLayout_87", 1);
    // Two columns 2 pixels apart.
    gridLayout_238 = nestedLayout<QGridLayout>("gridLayout_238", 6);
    gridLayout_238->setHorizontalSpacing(2);
    auto newChoice = [this](const char* pName, QHBoxLayout*& oLayout, const char* pLayoutName, QLabel*& oLabel,
                            const char* pLabelName, int pColumn) {
        auto* button = named(new QZELKContainerRadioButton(PageGenericOnOff), pName);
        button->setBorderRadius(6);
        oLayout = layoutOn<QHBoxLayout>(button, pLayoutName, 6, 0, 0, 0, 0);
        oLabel = named(new QLabel(button), pLabelName);
        oLabel->setAlignment(Qt::AlignCenter);
        oLayout->addWidget(oLabel);
        gridLayout_238->addWidget(button, 0, pColumn, 1, 1);
        return button;
    };
    BtnGenericOn = newChoice("BtnGenericOn", horizontalLayout_158, "horizontalLayout_158", LblSoundAlarm_on_2,
                             "LblSoundAlarm_on_2", 0);
    BtnGenericOff = newChoice("BtnGenericOff", horizontalLayout_159, "horizontalLayout_159", LblSoundAlarm_off_2,
                              "LblSoundAlarm_off_2", 1);
    verticalLayout_87->addLayout(gridLayout_238);
    verticalSpacer_42 = newVerticalSpacer();
    verticalLayout_87->addItem(verticalSpacer_42);
    stackedWidgetMenu->addWidget(PageGenericOnOff);
}

void Ui_TTamarindMainForm::retranslatePageGenericOnOff()
{
    LblSoundAlarm_on_2->setToolTip(
        QCoreApplication::translate("TTamarindMainForm", "Language", "LblSettings_Language_shortform"));
    LblSoundAlarm_on_2->setText(QCoreApplication::translate("TTamarindMainForm", "On", nullptr));
    LblSoundAlarm_off_2->setToolTip(
        QCoreApplication::translate("TTamarindMainForm", "Language", "LblSettings_Language_shortform"));
    LblSoundAlarm_off_2->setText(QCoreApplication::translate("TTamarindMainForm", "Off", nullptr));
}

void Ui_TTamarindMainForm::setupPageBaudRate()
{
    PageBaudRate = newPage("PageBaudRate", stackedWidgetMenu);
    verticalLayout_89 = listLayoutOn(PageBaudRate, "verticalLayout_89", 0);
    addRadioRow(verticalLayout_89, TAMARIND_RADIO_ROW(BtnBaud_1200, horizontalLayout_160, LblBacklightOff_10s_4), {},
                QStringLiteral("1200"));
    addRadioRow(verticalLayout_89, TAMARIND_RADIO_ROW(BtnBaud_2400, horizontalLayout_161, LblBacklightOff_10s_5), {},
                QStringLiteral("2400"));
    addRadioRow(verticalLayout_89, TAMARIND_RADIO_ROW(BtnBaud_4800, horizontalLayout_162, LblBacklightOff_10s_10), {},
                QStringLiteral("4800"));
    addRadioRow(verticalLayout_89, TAMARIND_RADIO_ROW(BtnBaud_9600, horizontalLayout_163, LblBacklightOff_10s_11), {},
                QStringLiteral("9600"));
    addRadioRow(verticalLayout_89, TAMARIND_RADIO_ROW(BtnBaud_19200, horizontalLayout_165, LblBacklightOff_10s_12), {},
                QStringLiteral("19200"));
    addRadioRow(verticalLayout_89, TAMARIND_RADIO_ROW(BtnBaud_38400, horizontalLayout_166, LblBacklightOff_10s_13), {},
                QStringLiteral("38400"));
    addRadioRow(verticalLayout_89, TAMARIND_RADIO_ROW(BtnBaud_57600, horizontalLayout_167, LblBaud_57600), {},
                QStringLiteral("57600"));
    addRadioRow(verticalLayout_89, TAMARIND_RADIO_ROW(BtnBaud_115200, horizontalLayout_168, LblBacklightOff_10s_15), {},
                QStringLiteral("115200"));
    verticalSpacer_44 = newVerticalSpacer();
    verticalLayout_89->addItem(verticalSpacer_44);
    stackedWidgetMenu->addWidget(PageBaudRate);
}

void Ui_TTamarindMainForm::retranslatePageBaudRate() {}

void Ui_TTamarindMainForm::setupPageDataBits()
{
    PageDataBits = newPage("PageDataBits", stackedWidgetMenu);
    verticalLayout_90 = listLayoutOn(PageDataBits, "verticalLayout_90", 0);
    addRadioRow(verticalLayout_90, TAMARIND_RADIO_ROW(BtnDataBits_5, horizontalLayout_87, LblBacklightOff_10s_14), {},
                QStringLiteral("5"));
    addRadioRow(verticalLayout_90, TAMARIND_RADIO_ROW(BtnDataBits_6, horizontalLayout_88, LblBacklightOff_10s_16), {},
                QStringLiteral("6"));
    addRadioRow(verticalLayout_90, TAMARIND_RADIO_ROW(BtnDataBits_7, horizontalLayout_89, LblBacklightOff_10s_17), {},
                QStringLiteral("7"));
    addRadioRow(verticalLayout_90, TAMARIND_RADIO_ROW(BtnDataBits_8, horizontalLayout_91, LblBacklightOff_10s_18), {},
                QStringLiteral("8"));
    verticalSpacer_45 = newVerticalSpacer();
    verticalLayout_90->addItem(verticalSpacer_45);
    stackedWidgetMenu->addWidget(PageDataBits);
}

void Ui_TTamarindMainForm::retranslatePageDataBits() {}

void Ui_TTamarindMainForm::setupPageStopBits()
{
    PageStopBits = newPage("PageStopBits", stackedWidgetMenu);
    verticalLayout_91 = listLayoutOn(PageStopBits, "verticalLayout_91", 0);
    addRadioRow(verticalLayout_91, TAMARIND_RADIO_ROW(BtnStopBits_1, horizontalLayout_92, LblBacklightOff_10s_19), {},
                QStringLiteral("1"));
    // One and a half stop bits, with the vulgar fraction one half.
    addRadioRow(verticalLayout_91, TAMARIND_RADIO_ROW(BtnStopBits_15, horizontalLayout_93, LblBacklightOff_10s_20), {},
                QStringLiteral("1\u00BD"));
    addRadioRow(verticalLayout_91, TAMARIND_RADIO_ROW(BtnStopBits_2, horizontalLayout_94, LblBacklightOff_10s_21), {},
                QStringLiteral("2"));
    verticalSpacer_46 = newVerticalSpacer();
    verticalLayout_91->addItem(verticalSpacer_46);
    stackedWidgetMenu->addWidget(PageStopBits);
}

void Ui_TTamarindMainForm::retranslatePageStopBits() {}

void Ui_TTamarindMainForm::setupPageParity()
{
    PageParity = newPage("PageParity", stackedWidgetMenu);
    verticalLayout_92 = listLayoutOn(PageParity, "verticalLayout_92", 0);
    addRadioRow(verticalLayout_92, TAMARIND_RADIO_ROW(BtnParity_None, horizontalLayout_95, LblBacklightOff_10s_22));
    addRadioRow(verticalLayout_92, TAMARIND_RADIO_ROW(BtnParity_Even, horizontalLayout_96, LblBacklightOff_10s_23));
    addRadioRow(verticalLayout_92, TAMARIND_RADIO_ROW(BtnParity_Odd, horizontalLayout_99, LblBacklightOff_10s_24));
    addRadioRow(verticalLayout_92, TAMARIND_RADIO_ROW(BtnParity_Space, horizontalLayout_98, LblBacklightOff_10s_25));
    addRadioRow(verticalLayout_92, TAMARIND_RADIO_ROW(BtnParity_Mark, horizontalLayout_97, LblBacklightOff_10s_26));
    verticalSpacer_47 = newVerticalSpacer();
    verticalLayout_92->addItem(verticalSpacer_47);
    stackedWidgetMenu->addWidget(PageParity);
}

void Ui_TTamarindMainForm::retranslatePageParity()
{
    LblBacklightOff_10s_22->setText(QCoreApplication::translate("TTamarindMainForm", "None", nullptr));
    LblBacklightOff_10s_23->setText(QCoreApplication::translate("TTamarindMainForm", "Even", nullptr));
    LblBacklightOff_10s_24->setText(QCoreApplication::translate("TTamarindMainForm", "Odd", nullptr));
    LblBacklightOff_10s_25->setText(QCoreApplication::translate("TTamarindMainForm", "Space", nullptr));
    LblBacklightOff_10s_26->setText(QCoreApplication::translate("TTamarindMainForm", "Mark", nullptr));
}
