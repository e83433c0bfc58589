#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QByteArray>
#include <QCoreApplication>

using namespace Form_helpers;

namespace
{

// A main-menu button: icon only, grey at rest and orange with its active image while its page is
// shown (the page's style sheet draws both states).
QZELKAppButton* newMenuButton(QWidget* pParent, const char* pName, const char* pStandardImage, const char* pActiveImage)
{
    QZELKAppButton* button = named(new QZELKAppButton(pParent), pName);
    setSizePolicy(button, QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    const QIcon standard = iconFrom(pStandardImage);
    button->setIcon(standard);
    button->setIcon_standard(standard);
    button->setIcon_active(iconFrom(pActiveImage));
    return button;
}

// The caption below a main-menu button; the main window copies it into the status bar.
QLabel* newMenuCaption(QWidget* pParent, const char* pName)
{
    QLabel* label = named(new QLabel(pParent), pName);
    label->setFont(windowFont());
    label->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// The members of one row of the language list, filled by addLanguageRow.
struct TLanguageRow
{
    QWidget*& mRow;
    QHBoxLayout*& mLayout;
    QLabel*& mFlag;
    QLabel*& mName;
    QSpacerItem*& mSpacer;
};

// A clickable row "BtnLang_<language>" with the flag "LblLangFlag_<language>" and the name
// "LblLang_<language>" at its left, added at the end of pList.
void addLanguageRow(QVBoxLayout* pList, const TLanguageRow& oRow, const char* pLanguage, const char* pLayoutName,
                    const char* pFlagImage)
{
    const QByteArray language(pLanguage);
    oRow.mRow = newClickableRow(pList->parentWidget(), QByteArray("BtnLang_" + language).constData());
    oRow.mLayout = rowLayoutOn<QHBoxLayout>(oRow.mRow, pLayoutName);
    oRow.mFlag = named(new QLabel(oRow.mRow), QByteArray("LblLangFlag_" + language).constData());
    oRow.mFlag->setPixmap(QPixmap(QString::fromLatin1(pFlagImage)));
    oRow.mFlag->setMargin(4);
    oRow.mLayout->addWidget(oRow.mFlag);
    oRow.mName = named(new QLabel(oRow.mRow), QByteArray("LblLang_" + language).constData());
    oRow.mLayout->addWidget(oRow.mName);
    oRow.mSpacer = newHorizontalSpacer();
    oRow.mLayout->addItem(oRow.mSpacer);
    pList->addWidget(oRow.mRow);
}

} // namespace

void Ui_TTamarindMainForm::setupPageMenu()
{
    PageMenu = newPage("PageMenu", stackedWidgetMenu);
    PageMenu->setStyleSheet(TStyleSheetCatalogue::sheet(ssMainMenu));
    horizontalLayout_11 = layoutOn<QHBoxLayout>(PageMenu, "horizontalLayout_11", 6, 0, 0, 0, 0);
    scrollAreaMainMenu = named(new TTouchScrollArea(PageMenu), "scrollAreaMainMenu");
    setUpScrollArea(scrollAreaMainMenu);
    scrollAreaMainMenuWidget = named(new QWidget(scrollAreaMainMenu->viewport()), "scrollAreaMainMenuWidget");
    scrollAreaMainMenuWidget->setGeometry(QRect(0, 0, 237, 485));
    scrollAreaMainMenuWidget->setStyleSheet(TStyleSheetCatalogue::sheet(ssMainMenuLabels));
    // The main window moves items of this grid when calibration routines are unavailable, so it
    // stays a grid on the contents widget with the buttons and captions as its direct items.
    gridLayout = layoutOn<QGridLayout>(scrollAreaMainMenuWidget, "gridLayout", 0, 0, 0, 0, 0);

    QWidget* const menu = scrollAreaMainMenuWidget;
    BtnLogger = newMenuButton(menu, "BtnLogger", ":/menuicons/logger", ":/menuicons/res/logger_active2.png");
    gridLayout->addWidget(BtnLogger, 5, 0, 1, 1, Qt::AlignHCenter);
    LblLogger = newMenuCaption(menu, "LblLogger");
    gridLayout->addWidget(LblLogger, 6, 0, 1, 1, Qt::AlignHCenter);
    LblScan = newMenuCaption(menu, "LblScan");
    gridLayout->addWidget(LblScan, 4, 1, 1, 1, Qt::AlignHCenter);
    BtnSettings = newMenuButton(menu, "BtnSettings", ":/menuicons/settings", ":/menuicons/res/settings_active2.png");
    gridLayout->addWidget(BtnSettings, 0, 1, 1, 1, Qt::AlignHCenter);
    BtnService = newMenuButton(menu, "BtnService", ":/menuicons/service", ":/menuicons/res/service_active2.png");
    gridLayout->addWidget(BtnService, 8, 1, 1, 1, Qt::AlignHCenter);
    LblService = newMenuCaption(menu, "LblService");
    gridLayout->addWidget(LblService, 9, 1, 1, 1, Qt::AlignHCenter);
    LblProbes = newMenuCaption(menu, "LblProbes");
    gridLayout->addWidget(LblProbes, 4, 0, 1, 1, Qt::AlignHCenter);
    LblSettings = newMenuCaption(menu, "LblSettings");
    gridLayout->addWidget(LblSettings, 1, 1, 1, 1, Qt::AlignHCenter);
    BtnProbes = newMenuButton(menu, "BtnProbes", ":/menuicons/probes", ":/menuicons/res/probes_active2.png");
    gridLayout->addWidget(BtnProbes, 3, 0, 1, 1, Qt::AlignHCenter);
    BtnHome = newMenuButton(menu, "BtnHome", ":/menuicons/home", ":/menuicons/home_active");
    gridLayout->addWidget(BtnHome, 0, 0, 1, 1, Qt::AlignHCenter);
    LblHome = newMenuCaption(menu, "LblHome");
    gridLayout->addWidget(LblHome, 1, 0, 1, 1, Qt::AlignHCenter);
    BtnScan = newMenuButton(menu, "BtnScan", ":/menuicons/res/scan.png", ":/menuicons/res/scan_active2.png");
    gridLayout->addWidget(BtnScan, 3, 1, 1, 1, Qt::AlignHCenter);
    BtnInfo = newMenuButton(menu, "BtnInfo", ":/menuicons/info", ":/menuicons/res/info_active2.png");
    gridLayout->addWidget(BtnInfo, 10, 0, 1, 1, Qt::AlignHCenter);
    LblInfo = newMenuCaption(menu, "LblInfo");
    gridLayout->addWidget(LblInfo, 11, 0, 1, 1, Qt::AlignHCenter);
    BtnCalibrationRoutines = newMenuButton(menu, "BtnCalibrationRoutines", ":/menuicons/calibration",
                                           ":/menuicons/res/calibration_active2.png");
    gridLayout->addWidget(BtnCalibrationRoutines, 5, 1, 1, 1, Qt::AlignHCenter);
    LblCalibrationRoutines = newMenuCaption(menu, "LblCalibrationRoutines");
    gridLayout->addWidget(LblCalibrationRoutines, 6, 1, 1, 1, Qt::AlignHCenter);
    BtnRemote = newMenuButton(menu, "BtnRemote", ":/menuicons/remote", ":/menuicons/res/remote_active2.png");
    gridLayout->addWidget(BtnRemote, 8, 0, 1, 1, Qt::AlignHCenter);
    LblRemote = newMenuCaption(menu, "LblRemote");
    gridLayout->addWidget(LblRemote, 9, 0, 1, 1, Qt::AlignHCenter);

    scrollAreaMainMenu->setWidget(scrollAreaMainMenuWidget);
    horizontalLayout_11->addWidget(scrollAreaMainMenu);
    stackedWidgetMenu->addWidget(PageMenu);
}

void Ui_TTamarindMainForm::retranslatePageMenu()
{
    LblLogger->setText(QCoreApplication::translate("TTamarindMainForm", "Logger", nullptr));
    LblScan->setText(QCoreApplication::translate("TTamarindMainForm", "Scan", nullptr));
    LblService->setText(QCoreApplication::translate("TTamarindMainForm", "Service", nullptr));
    LblProbes->setText(QCoreApplication::translate("TTamarindMainForm", "Probes", nullptr));
    LblSettings->setText(QCoreApplication::translate("TTamarindMainForm", "Settings", nullptr));
    LblHome->setText(QCoreApplication::translate("TTamarindMainForm", "Home", nullptr));
    LblInfo->setText(QCoreApplication::translate("TTamarindMainForm", "Info", nullptr));
    LblCalibrationRoutines->setText(QCoreApplication::translate("TTamarindMainForm", "Calibration", nullptr));
    LblRemote->setText(QCoreApplication::translate("TTamarindMainForm", "Remote", nullptr));
}

void Ui_TTamarindMainForm::setupPageLangSettings()
{
    PageLangSettings = newPage("PageLangSettings", stackedWidgetMenu);
    verticalLayout_9 = layoutOn<QVBoxLayout>(PageLangSettings, "verticalLayout_9", 2, StyleDefault, 1, StyleDefault, 4);
    scrollAreaLangSettings = named(new TTouchScrollArea(PageLangSettings), "scrollAreaLangSettings");
    setUpScrollArea(scrollAreaLangSettings);
    scrollAreaLangSettingsContents =
        named(new QWidget(scrollAreaLangSettings->viewport()), "scrollAreaLangSettingsContents");
    scrollAreaLangSettingsContents->setGeometry(QRect(0, 0, 155, 430));
    verticalLayout_2 = layoutOn<QVBoxLayout>(scrollAreaLangSettingsContents, "verticalLayout_2", 2, 0, 0, 0, 0);

    addLanguageRow(
        verticalLayout_2,
        {BtnLang_english_uk, horizontalLayout_13, LblLangFlag_english_uk, LblLang_english_uk, horizontalSpacer_2},
        "english_uk", "horizontalLayout_13", ":/internationalization/uk");
    addLanguageRow(
        verticalLayout_2,
        {BtnLang_english_usa, horizontalLayout_14, LblLangFlag_english_usa, LblLang_english_usa, horizontalSpacer_3},
        "english_usa", "horizontalLayout_14", ":/internationalization/us");
    addLanguageRow(verticalLayout_2,
                   {BtnLang_german, horizontalLayout_15, LblLangFlag_german, LblLang_german, horizontalSpacer_4},
                   "german", "horizontalLayout_15", ":/internationalization/de");
    addLanguageRow(verticalLayout_2,
                   {BtnLang_spanish, horizontalLayout_16, LblLangFlag_spanish, LblLang_spanish, horizontalSpacer_5},
                   "spanish", "horizontalLayout_16", ":/internationalization/sp");
    addLanguageRow(
        verticalLayout_2,
        {BtnLang_portuguese, horizontalLayout_108, LblLangFlag_portuguese, LblLang_portuguese, horizontalSpacer_27},
        "portuguese", "horizontalLayout_108", ":/internationalization/pg");
    addLanguageRow(verticalLayout_2,
                   {BtnLang_french, horizontalLayout_17, LblLangFlag_french, LblLang_french, horizontalSpacer_6},
                   "french", "horizontalLayout_17", ":/internationalization/fr");
    addLanguageRow(verticalLayout_2,
                   {BtnLang_italian, horizontalLayout_18, LblLangFlag_italian, LblLang_italian, horizontalSpacer_7},
                   "italian", "horizontalLayout_18", ":/internationalization/it");
    addLanguageRow(verticalLayout_2,
                   {BtnLang_polish, horizontalLayout_22, LblLangFlag_polish, LblLang_polish, horizontalSpacer_8},
                   "polish", "horizontalLayout_22", ":/internationalization/pl");
    addLanguageRow(verticalLayout_2,
                   {BtnLang_russian, horizontalLayout_19, LblLangFlag_russian, LblLang_russian, horizontalSpacer_9},
                   "russian", "horizontalLayout_19", ":/internationalization/ru");
    addLanguageRow(verticalLayout_2,
                   {BtnLang_arabic, horizontalLayout_20, LblLangFlag_arabic, LblLang_arabic, horizontalSpacer_10},
                   "arabic", "horizontalLayout_20", ":/internationalization/ar");
    addLanguageRow(verticalLayout_2,
                   {BtnLang_chinese, horizontalLayout_21, LblLangFlag_chinese, LblLang_chinese, horizontalSpacer_11},
                   "chinese", "horizontalLayout_21", ":/internationalization/cn");
    addLanguageRow(verticalLayout_2,
                   {BtnLang_japanese, horizontalLayout_23, LblLangFlag_japanese, LblLang_japanese, horizontalSpacer_12},
                   "japanese", "horizontalLayout_23", ":/internationalization/jp");
    // As built, four languages are not offered; the language selection enables the rows it offers.
    BtnLang_spanish->setEnabled(true);
    BtnLang_portuguese->setEnabled(false);
    BtnLang_russian->setEnabled(false);
    BtnLang_arabic->setEnabled(false);
    BtnLang_chinese->setEnabled(true);
    BtnLang_japanese->setEnabled(false);

    scrollAreaLangSettings->setWidget(scrollAreaLangSettingsContents);
    verticalLayout_9->addWidget(scrollAreaLangSettings);
    stackedWidgetMenu->addWidget(PageLangSettings);
}

void Ui_TTamarindMainForm::retranslatePageLangSettings()
{
    LblLangFlag_english_uk->setText(QString());
    LblLang_english_uk->setText(QCoreApplication::translate("TTamarindMainForm", "English (UK)", nullptr));
    LblLangFlag_english_usa->setText(QString());
    LblLang_english_usa->setText(QCoreApplication::translate("TTamarindMainForm", "English (USA)", nullptr));
    LblLangFlag_german->setText(QString());
    LblLang_german->setText(QCoreApplication::translate("TTamarindMainForm", "German", nullptr));
    LblLangFlag_spanish->setText(QString());
    LblLang_spanish->setText(QCoreApplication::translate("TTamarindMainForm", "Spanish", nullptr));
    LblLangFlag_portuguese->setText(QString());
    LblLang_portuguese->setText(QCoreApplication::translate("TTamarindMainForm", "Portuguese", nullptr));
    LblLangFlag_french->setText(QString());
    LblLang_french->setText(QCoreApplication::translate("TTamarindMainForm", "French", nullptr));
    LblLangFlag_italian->setText(QString());
    LblLang_italian->setText(QCoreApplication::translate("TTamarindMainForm", "Italian", nullptr));
    LblLangFlag_polish->setText(QString());
    LblLang_polish->setText(QCoreApplication::translate("TTamarindMainForm", "Polish", nullptr));
    LblLangFlag_russian->setText(QString());
    LblLang_russian->setText(QCoreApplication::translate("TTamarindMainForm", "Russian", nullptr));
    LblLangFlag_arabic->setText(QString());
    LblLang_arabic->setText(QCoreApplication::translate("TTamarindMainForm", "Arabic", nullptr));
    LblLangFlag_chinese->setText(QString());
    LblLang_chinese->setText(QCoreApplication::translate("TTamarindMainForm", "Chinese", nullptr));
    LblLangFlag_japanese->setText(QString());
    LblLang_japanese->setText(QCoreApplication::translate("TTamarindMainForm", "Japanese", nullptr));
}

void Ui_TTamarindMainForm::setupPageCustomLogo()
{
    PageCustomLogo = newPage("PageCustomLogo", stackedWidgetMenu);
    verticalLayout_116 =
        layoutOn<QVBoxLayout>(PageCustomLogo, "verticalLayout_116", 2, StyleDefault, 0, StyleDefault, StyleDefault);
    // Siblings under the page, so the two rows form one radio group; neither is checked as built.
    BtnCustomLogo_Default = named(new QZELKContainerRadioButton(PageCustomLogo), "BtnCustomLogo_Default");
    BtnCustomLogo_Default->setBorderRadius(6);
    horizontalLayout_133 = rowLayoutOn<QHBoxLayout>(BtnCustomLogo_Default, "horizontalLayout_133");
    label_2001 = named(new QLabel(BtnCustomLogo_Default), "label_2001");
    label_2001->setText(QStringLiteral("Default"));
    horizontalLayout_133->addWidget(label_2001);
    verticalLayout_116->addWidget(BtnCustomLogo_Default);
    BtnCustomLogo_WhiteZELKWaterSign =
        named(new QZELKContainerRadioButton(PageCustomLogo), "BtnCustomLogo_WhiteZELKWaterSign");
    BtnCustomLogo_WhiteZELKWaterSign->setBorderRadius(6);
    horizontalLayout_134 = rowLayoutOn<QHBoxLayout>(BtnCustomLogo_WhiteZELKWaterSign, "horizontalLayout_134");
    label_222 = named(new QLabel(BtnCustomLogo_WhiteZELKWaterSign), "label_222");
    label_222->setText(QStringLiteral("Blank (white)"));
    horizontalLayout_134->addWidget(label_222);
    verticalLayout_116->addWidget(BtnCustomLogo_WhiteZELKWaterSign);
    verticalSpacer_59 = newVerticalSpacer();
    verticalLayout_116->addItem(verticalSpacer_59);
    stackedWidgetMenu->addWidget(PageCustomLogo);
}

// The two choices of the start logo stay in English in every language.
void Ui_TTamarindMainForm::retranslatePageCustomLogo() {}
