#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>
#include <QMetaObject>

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupUi(QWidget* pForm)
{
    // The root style sheet selects the window background by this name.
    if (pForm->objectName().isEmpty()) {
        pForm->setObjectName(QStringLiteral("TTamarindMainForm"));
    }
    pForm->resize(800, 480);
    pForm->setMinimumSize(QSize(800, 480));
    pForm->setMaximumSize(QSize(800, 480));
    pForm->setFont(windowFont());
    pForm->setWindowTitle(QStringLiteral("TTamarindMainForm"));
    pForm->setStyleSheet(TStyleSheetCatalogue::sheet(ssRoot));

    setupFrameTop(pForm);

    setupPageHome();
    setupPage2ChannelView();
    setupPage3ChannelView();
    setupPage4ChannelView();
    setupPageMultiChannelView();
    setupPage2DPlot();
    setupPageSettings();
    setupPageProbes();
    setupPageScan();
    setupPageLogger();
    setupPageRemote();
    setupPageCalibrationRoutines();
    setupPageInfo();
    setupPageService();
    setupPageDownload();
    setupPageDownloadListMain();
    verticalLayout->addWidget(stackedWidget);

    setupFrameMiddle(pForm);

    setupPageMenu();
    setupPageLangSettings();
    setupPageBacklightOff();
    setupPageBrightness();
    setupPageTime();
    setupPageSound();
    setupPageAlarmForProbes();
    setupPageDataSeparator();
    setupPageAverageValue();
    setupPageStdProbeSettings();
    setupPageFirmwareUpdateUI();
    setupPageUnitSelection();
    setupPageGraphUnitAndScale();
    setupPageChannelSelection();
    setupPageProbeSelection();
    setupPageChanConf_ZTM8800();
    setupPageChanConf_SwitchBoxes();
    setupPageScanView();
    setupPagePRTEdit();
    setupPageTCEdit();
    setupPageThermEdit();
    setupPageSmartProbeList();
    setupPageDownloadList();
    setupPageLogfile();
    setupPageLoggerMode();
    setupPageLoggerStartTime();
    setupPageLogInterval();
    setupPageLogDuration();
    setupPageSelectProbeOrUnit();
    setupPageIPNetmask();
    setupPageGateway();
    setupPageGenericOnOff();
    setupPageBaudRate();
    setupPageDataBits();
    setupPageStopBits();
    setupPageParity();
    setupPageSmartProbeProg();
    setupPageRecalCycle();
    setupPageOperatingTime();
    setupPageInstrumentCalibration();
    setupPageTwoPointCal();
    setupPageCJCOffset();
    setupPageProbeCoeffFileList();
    setupPageEditCalibrationRoutine();
    setupPageShowCalFile();
    setupPageCustomLogo();
    verticalLayout_104->addWidget(stackedWidgetMenu);

    setupFrameBottom();

    retranslateUi(pForm);
    stackedWidget->setCurrentIndex(0);
    stackedWidgetMenu->setCurrentIndex(0);
    QMetaObject::connectSlotsByName(pForm);
}

void Ui_TTamarindMainForm::setupFrameTop(QWidget* pForm)
{
    // The form has no layout of its own: both columns sit at fixed places.
    wgtMain_Left = named(new QWidget(pForm), "wgtMain_Left");
    wgtMain_Left->setGeometry(QRect(9, 9, 530, 462));
    wgtMain_Left->setMinimumSize(QSize(530, 462));
    wgtMain_Left->setMaximumSize(QSize(530, 462));
    verticalLayout = layoutOn<QVBoxLayout>(wgtMain_Left, "verticalLayout", 2, 0, 0, 0, 0);

    PnlStatusBar = named(new QZELKGreyPanel(wgtMain_Left), "PnlStatusBar");
    setSizePolicy(PnlStatusBar, QSizePolicy::Preferred, QSizePolicy::Fixed);
    PnlStatusBar->setMinimumSize(QSize(530, 29));
    PnlStatusBar->setStyleSheet(TStyleSheetCatalogue::sheet(ssStatusBar));
    gridLayout_3 = layoutOn<QGridLayout>(PnlStatusBar, "gridLayout_3", 6, StyleDefault, 0, StyleDefault, 0);
    widget_4 = named(new QWidget(PnlStatusBar), "widget_4");
    horizontalLayout_12 = layoutOn<QHBoxLayout>(widget_4, "horizontalLayout_12", 6, 0, 0, 0, 0);
    LblTitlebar = named(new QLabel(widget_4), "LblTitlebar");
    setSizePolicy(LblTitlebar, QSizePolicy::Fixed, QSizePolicy::Preferred);
    LblTitlebar->setPixmap(QPixmap(QStringLiteral(":/statusicons/home_small")));
    horizontalLayout_12->addWidget(LblTitlebar);
    LblTitle = named(new QLabel(widget_4), "LblTitle");
    setSizePolicy(LblTitle, QSizePolicy::Preferred, QSizePolicy::Preferred);
    LblTitle->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    LblTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalLayout_12->addWidget(LblTitle);
    gridLayout_3->addWidget(widget_4, 1, 0, 1, 1);
    LblTime = named(new QLabel(PnlStatusBar), "LblTime");
    LblTime->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    LblTime->setText(QStringLiteral("08:00"));
    LblTime->setAlignment(Qt::AlignCenter);
    gridLayout_3->addWidget(LblTime, 1, 1, 1, 1);
    horizontalLayout_58 = nestedLayout<QHBoxLayout>("horizontalLayout_58", 6);
    LblTitleRight = named(new QLabel(PnlStatusBar), "LblTitleRight");
    LblTitleRight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    horizontalLayout_58->addWidget(LblTitleRight);
    // The tenth main-menu button. Its maximum width stays 4 pixels below its minimum width.
    BtnUSB = named(new QZELKAppButton(PnlStatusBar), "BtnUSB");
    setSizePolicy(BtnUSB, QSizePolicy::Fixed, QSizePolicy::Fixed);
    BtnUSB->setMinimumSize(QSize(52, 23));
    BtnUSB->setMaximumSize(QSize(48, 23));
    BtnUSB->setStyleSheet(TStyleSheetCatalogue::sheet(ssUsbButton));
    const QIcon usbIcon = iconFrom(":/statusicons/res/usb_icon.png");
    BtnUSB->setIcon(usbIcon);
    BtnUSB->setIconSize(QSize(28, 14));
    BtnUSB->setIcon_standard(usbIcon);
    BtnUSB->setIcon_active(iconFrom(":/statusicons/res/usb_icon_active.png"));
    horizontalLayout_58->addWidget(BtnUSB);
    // Never seen (no width): it only holds the caption that the status bar shows for the button.
    LblDownload = named(new QLabel(PnlStatusBar), "LblDownload");
    LblDownload->setMaximumSize(QSize(0, 16777215));
    LblDownload->setFont(windowFont());
    LblDownload->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    LblDownload->setAlignment(Qt::AlignCenter);
    horizontalLayout_58->addWidget(LblDownload);
    gridLayout_3->addLayout(horizontalLayout_58, 1, 2, 1, 1);
    verticalLayout->addWidget(PnlStatusBar);

    stackedWidget = named(new QStackedWidget(wgtMain_Left), "stackedWidget");
    stackedWidget->setEnabled(true);
    stackedWidget->setStyleSheet(TStyleSheetCatalogue::sheet(ssPageStack));
}

void Ui_TTamarindMainForm::setupFrameMiddle(QWidget* pForm)
{
    // The information bar's labels take their 14 pixel text from the root sheet.
    pnlInformationBar = named(new QZELKGreyPanel(wgtMain_Left), "pnlInformationBar");
    setSizePolicy(pnlInformationBar, QSizePolicy::Preferred, QSizePolicy::Fixed);
    pnlInformationBar->setMinimumSize(QSize(530, 29));
    pnlInformationBar->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    gridLayout_56 = layoutOn<QGridLayout>(pnlInformationBar, "gridLayout_56", 6, StyleDefault, 0, StyleDefault, 0);
    lblInfoBarLeft = named(new QLabel(pnlInformationBar), "lblInfoBarLeft");
    lblInfoBarLeft->setText(QStringLiteral("left"));
    gridLayout_56->addWidget(lblInfoBarLeft, 0, 0, 1, 1);
    lblInfoBarCenter = named(new QLabel(pnlInformationBar), "lblInfoBarCenter");
    lblInfoBarCenter->setText(QStringLiteral("center"));
    lblInfoBarCenter->setAlignment(Qt::AlignCenter);
    gridLayout_56->addWidget(lblInfoBarCenter, 0, 1, 1, 1);
    lblInfoBarRight = named(new QLabel(pnlInformationBar), "lblInfoBarRight");
    lblInfoBarRight->setText(QStringLiteral("right"));
    lblInfoBarRight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gridLayout_56->addWidget(lblInfoBarRight, 0, 2, 1, 1);
    verticalLayout->addWidget(pnlInformationBar);

    wgtMain_Right = named(new QWidget(pForm), "wgtMain_Right");
    wgtMain_Right->setGeometry(QRect(545, 9, 246, 462));
    wgtMain_Right->setMinimumSize(QSize(246, 462));
    wgtMain_Right->setMaximumSize(QSize(246, 462));
    verticalLayout_104 = layoutOn<QVBoxLayout>(wgtMain_Right, "verticalLayout_104", 6, 0, 0, 0, 0);

    qZELKGreyPanel_2 = named(new QZELKGreyPanel(wgtMain_Right), "qZELKGreyPanel_2");
    setSizePolicy(qZELKGreyPanel_2, QSizePolicy::Minimum, QSizePolicy::Fixed);
    qZELKGreyPanel_2->setMinimumSize(QSize(240, 29));
    qZELKGreyPanel_2->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    horizontalLayout_8 =
        layoutOn<QHBoxLayout>(qZELKGreyPanel_2, "horizontalLayout_8", 6, StyleDefault, 0, StyleDefault, 0);
    LblMenuIcon = named(new QLabel(qZELKGreyPanel_2), "LblMenuIcon");
    setSizePolicy(LblMenuIcon, QSizePolicy::Fixed, QSizePolicy::Preferred);
    LblMenuIcon->setPixmap(QPixmap(QStringLiteral(":/statusicons/menu_small")));
    horizontalLayout_8->addWidget(LblMenuIcon);
    LblMenuCaption = named(new QLabel(qZELKGreyPanel_2), "LblMenuCaption");
    LblMenuCaption->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    LblMenuCaption->setText(QString());
    LblMenuCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalLayout_8->addWidget(LblMenuCaption);
    verticalLayout_104->addWidget(qZELKGreyPanel_2);

    stackedWidgetMenu = named(new QStackedWidget(wgtMain_Right), "stackedWidgetMenu");
    stackedWidgetMenu->setStyleSheet(TStyleSheetCatalogue::sheet(ssPageStack));
}

void Ui_TTamarindMainForm::setupFrameBottom()
{
    pnlMainMenuBottom = named(new QZELKGreyPanel(wgtMain_Right), "pnlMainMenuBottom");
    setSizePolicy(pnlMainMenuBottom, QSizePolicy::Minimum, QSizePolicy::Fixed);
    pnlMainMenuBottom->setMinimumSize(QSize(0, 40));
    pnlMainMenuBottom->setStyleSheet(TStyleSheetCatalogue::sheet(ssMenuBottomBar));
    horizontalLayout_9 = layoutOn<QHBoxLayout>(pnlMainMenuBottom, "horizontalLayout_9", 2, 3, 3, 3, 3);
    BtnReturnToMainMenu = named(new QZELKDialogButton(pnlMainMenuBottom), "BtnReturnToMainMenu");
    setSizePolicy(BtnReturnToMainMenu, QSizePolicy::Fixed, QSizePolicy::Fixed);
    BtnReturnToMainMenu->setMinimumSize(QSize(48, 34));
    BtnReturnToMainMenu->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    BtnReturnToMainMenu->setIcon(iconFrom(":/statusicons/menu_small"));
    horizontalLayout_9->addWidget(BtnReturnToMainMenu);
    BtnCancel = named(new QZELKDialogButton(pnlMainMenuBottom), "BtnCancel");
    setSizePolicy(BtnCancel, QSizePolicy::Fixed, QSizePolicy::Fixed);
    BtnCancel->setMinimumSize(QSize(70, 34));
    BtnCancel->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    horizontalLayout_9->addWidget(BtnCancel);
    BtnSave = named(new QZELKDialogButton(pnlMainMenuBottom), "BtnSave");
    setSizePolicy(BtnSave, QSizePolicy::Fixed, QSizePolicy::Fixed);
    BtnSave->setMinimumSize(QSize(70, 34));
    BtnSave->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    horizontalLayout_9->addWidget(BtnSave);
    // Keeps the three buttons at the left end of the bar.
    horizontalSpacer = newHorizontalSpacer();
    horizontalLayout_9->addItem(horizontalSpacer);
    verticalLayout_104->addWidget(pnlMainMenuBottom);
}

void Ui_TTamarindMainForm::retranslateUi(QWidget*)
{
    LblTitlebar->setText(QString());
    LblTitle->setText(QCoreApplication::translate("TTamarindMainForm", "Home", nullptr));
    LblDownload->setText(QCoreApplication::translate("TTamarindMainForm", "Download", nullptr));

    retranslatePageHome();
    retranslatePage2ChannelView();
    retranslatePage3ChannelView();
    retranslatePage4ChannelView();
    retranslatePageMultiChannelView();
    retranslatePage2DPlot();
    retranslatePageSettings();
    retranslatePageProbes();
    retranslatePageScan();
    retranslatePageLogger();
    retranslatePageRemote();
    retranslatePageCalibrationRoutines();
    retranslatePageInfo();
    retranslatePageService();
    retranslatePageDownload();
    retranslatePageDownloadListMain();

    LblMenuIcon->setText(QString());

    retranslatePageMenu();
    retranslatePageLangSettings();
    retranslatePageBacklightOff();
    retranslatePageBrightness();
    retranslatePageTime();
    retranslatePageSound();
    retranslatePageAlarmForProbes();
    retranslatePageDataSeparator();
    retranslatePageAverageValue();
    retranslatePageStdProbeSettings();
    retranslatePageFirmwareUpdateUI();
    retranslatePageUnitSelection();
    retranslatePageGraphUnitAndScale();
    retranslatePageChannelSelection();
    retranslatePageProbeSelection();
    retranslatePageChanConf_ZTM8800();
    retranslatePageChanConf_SwitchBoxes();
    retranslatePageScanView();
    retranslatePagePRTEdit();
    retranslatePageTCEdit();
    retranslatePageThermEdit();
    retranslatePageSmartProbeList();
    retranslatePageDownloadList();
    retranslatePageLogfile();
    retranslatePageLoggerMode();
    retranslatePageLoggerStartTime();
    retranslatePageLogInterval();
    retranslatePageLogDuration();
    retranslatePageSelectProbeOrUnit();
    retranslatePageIPNetmask();
    retranslatePageGateway();
    retranslatePageGenericOnOff();
    retranslatePageBaudRate();
    retranslatePageDataBits();
    retranslatePageStopBits();
    retranslatePageParity();
    retranslatePageSmartProbeProg();
    retranslatePageRecalCycle();
    retranslatePageOperatingTime();
    retranslatePageInstrumentCalibration();
    retranslatePageTwoPointCal();
    retranslatePageCJCOffset();
    retranslatePageProbeCoeffFileList();
    retranslatePageEditCalibrationRoutine();
    retranslatePageShowCalFile();
    retranslatePageCustomLogo();

    BtnCancel->setText(QCoreApplication::translate("TTamarindMainForm", "Cancel", nullptr));
    BtnSave->setText(QCoreApplication::translate("TTamarindMainForm", "Store", nullptr));
}
