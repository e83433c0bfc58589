#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLinearGradient>
#include <QPalette>
#include <QVariant>

using namespace Form_helpers;

namespace
{

// A channel button of the graph, in the colour of its curve. Its look comes from the page sheet,
// for channel 1 from the root sheet; pPalette, where given, is set before the font.
QZELKPushButton* newChannelButton(QGridLayout* pGrid, const char* pName, int pRow, int pColumn,
                                  const QPalette* pPalette = nullptr)
{
    QZELKPushButton* button = named(new QZELKPushButton(pGrid->parentWidget()), pName);
    setSizePolicy(button, QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setMinimumSize(QSize(100, 38));
    if (pPalette) {
        button->setPalette(*pPalette);
    }
    button->setFont(windowFont());
    button->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    button->setText(QString());
    pGrid->addWidget(button, pRow, pColumn, 1, 1);
    return button;
}

// The blue of the root sheet's push buttons, for anything that draws channel 1 from the palette
// rather than from the sheet: white on the blue button gradient, and dark blue on the disabled
// gradient while disabled.
QPalette channel1Palette()
{
    const QGradientStops blue{
        {0, QColor(73, 144, 208)}, {0.05, QColor(106, 179, 244)}, {0.25, QColor(8, 58, 103)}, {1, QColor(10, 92, 169)}};
    const QGradientStops disabled{
        {0, QColor(51, 51, 51)}, {0.1, QColor(255, 255, 255)}, {0.3, QColor(153, 153, 153)}, {0.8, QColor(68, 68, 68)}};
    auto gradient = [](const QGradientStops& pStops) {
        QLinearGradient gradient(0, 0, 0, 1);
        gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
        gradient.setStops(pStops);
        return QBrush(gradient);
    };
    QPalette palette;
    auto setGroup = [&](QPalette::ColorGroup pGroup, const QColor& pText, const QGradientStops& pStops) {
        palette.setBrush(pGroup, QPalette::WindowText, QBrush(pText));
        palette.setBrush(pGroup, QPalette::Button, gradient(pStops));
        palette.setBrush(pGroup, QPalette::Text, QBrush(pText));
        palette.setBrush(pGroup, QPalette::ButtonText, QBrush(pText));
        palette.setBrush(pGroup, QPalette::Base, gradient(pStops));
        palette.setBrush(pGroup, QPalette::Window, gradient(pStops));
    };
    setGroup(QPalette::Active, QColor(255, 255, 255), blue);
    setGroup(QPalette::Inactive, QColor(255, 255, 255), blue);
    setGroup(QPalette::Disabled, QColor(3, 35, 67), disabled);
    return palette;
}

// A unit button "BtnGraphUnit_<unit>" of the graph with its centred label, added at the end of pList.
void addUnitButton(QVBoxLayout* pList, QZELKContainerRadioButton*& oButton, const char* pUnit, QVBoxLayout*& oLayout,
                   const char* pLayoutName, QLabel*& oLabel, const char* pLabelName)
{
    oButton = named(new QZELKContainerRadioButton(pList->parentWidget()),
                    QByteArray(QByteArray("BtnGraphUnit_") + pUnit).constData());
    oButton->setBorderRadius(6);
    oLayout = rowLayoutOn<QVBoxLayout>(oButton, pLayoutName);
    oLabel = named(new QLabel(oButton), pLabelName);
    oLabel->setAlignment(Qt::AlignCenter);
    oLayout->addWidget(oLabel);
    pList->addWidget(oButton);
}

// The tool tip is a short form that no screen reads for these buttons; it goes with the same key
// as on the settings pages.
void retranslateUnitLabel(QLabel* pLabel, const QString& pText)
{
    pLabel->setToolTip(
        QCoreApplication::translate("TTamarindMainForm", "Backlight-Off", "LblSettings_BacklightOff_shortform"));
    pLabel->setText(pText);
}

// The members of one setting row of the scan pages, filled by addSettingRow.
struct TSettingRow
{
    QWidget*& mRow;
    QGridLayout*& mLayout;
    QLabel** mValue; // null on the scan view page, whose rows show no value
    QLabel*& mCaption;
};

// A setting row "BtnChanConf_<setting>" added at the end of pList: the value label
// "LblChanConf_<setting>_Value" at its right, empty until scan mode fills it, then the caption.
void addSettingRow(QVBoxLayout* pList, const TSettingRow& oRow, const char* pSetting, const char* pLayoutName,
                   const char* pCaptionName)
{
    const QByteArray setting(pSetting);
    oRow.mRow = newClickableRow(pList->parentWidget(), QByteArray("BtnChanConf_" + setting).constData());
    oRow.mLayout = rowLayoutOn<QGridLayout>(oRow.mRow, pLayoutName);
    if (oRow.mValue) {
        QLabel* value = named(new QLabel(oRow.mRow), QByteArray("LblChanConf_" + setting + "_Value").constData());
        value->setText(QString());
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        oRow.mLayout->addWidget(value, 0, 1, 1, 1);
        *oRow.mValue = value;
    }
    oRow.mCaption = named(new QLabel(oRow.mRow), pCaptionName);
    oRow.mLayout->addWidget(oRow.mCaption, 0, 0, 1, 1);
    pList->addWidget(oRow.mRow);
}

// A row of the scan page, whose caption is named after its setting.
void addScanSettingRow(QVBoxLayout* pList, const TSettingRow& oRow, const char* pSetting, const char* pLayoutName)
{
    addSettingRow(pList, oRow, pSetting, pLayoutName, QByteArray(QByteArray("LblChanConf_") + pSetting).constData());
}

QZELKDialogButton* newScanButton(QWidget* pPage, const char* pName, bool pEnabled, EnStyleSheet pSheet)
{
    QZELKDialogButton* button = named(new QZELKDialogButton(pPage), pName);
    button->setEnabled(pEnabled);
    button->setMinimumSize(QSize(0, 34));
    button->setStyleSheet(TStyleSheetCatalogue::sheet(pSheet));
    return button;
}

} // namespace

void Ui_TTamarindMainForm::setupPage2DPlot()
{
    Page2DPlot = newPage("Page2DPlot", stackedWidget);
    Page2DPlot->setStyleSheet(TStyleSheetCatalogue::sheet(ssGraphPage));
    verticalLayout_64 = layoutOn<QVBoxLayout>(Page2DPlot, "verticalLayout_64", 2, 2, 2, 2, 2);

    // Channels 1 to 5 in the top row, 6 to 10 in the bottom row.
    gridLayout_183 = nestedLayout<QGridLayout>("gridLayout_183", 2);
    verticalLayout_64->addLayout(gridLayout_183);
    Btn2DPlot_Chan9 = newChannelButton(gridLayout_183, "Btn2DPlot_Chan9", 1, 3);
    Btn2DPlot_Chan7 = newChannelButton(gridLayout_183, "Btn2DPlot_Chan7", 1, 1);
    Btn2DPlot_Chan8 = newChannelButton(gridLayout_183, "Btn2DPlot_Chan8", 1, 2);
    Btn2DPlot_Chan5 = newChannelButton(gridLayout_183, "Btn2DPlot_Chan5", 0, 4);
    Btn2DPlot_Chan4 = newChannelButton(gridLayout_183, "Btn2DPlot_Chan4", 0, 3);
    Btn2DPlot_Chan3 = newChannelButton(gridLayout_183, "Btn2DPlot_Chan3", 0, 2);
    const QPalette palette = channel1Palette();
    Btn2DPlot_Chan1 = newChannelButton(gridLayout_183, "Btn2DPlot_Chan1", 0, 0, &palette);
    Btn2DPlot_Chan10 = newChannelButton(gridLayout_183, "Btn2DPlot_Chan10", 1, 4);
    Btn2DPlot_Chan6 = newChannelButton(gridLayout_183, "Btn2DPlot_Chan6", 1, 0);
    Btn2DPlot_Chan2 = newChannelButton(gridLayout_183, "Btn2DPlot_Chan2", 0, 1);

    horizontalLayout_56 = nestedLayout<QHBoxLayout>("horizontalLayout_56", 6);
    verticalLayout_68 = nestedLayout<QVBoxLayout>("verticalLayout_68", 6);
    Btn2DPlot_Unit = named(new QZELKDialogButton(Page2DPlot), "Btn2DPlot_Unit");
    Btn2DPlot_Unit->setMinimumSize(QSize(38, 38));
    verticalLayout_68->addWidget(Btn2DPlot_Unit);
    verticalSpacer_27 = newVerticalSpacer();
    verticalLayout_68->addItem(verticalSpacer_27);
    BtnGraphRefresh = named(new QZELKDialogButton(Page2DPlot), "BtnGraphRefresh");
    BtnGraphRefresh->setMinimumSize(QSize(38, 38));
    BtnGraphRefresh->setIcon(iconFrom(":/common/res/refresh.png"));
    BtnGraphRefresh->setIconSize(QSize(24, 24));
    verticalLayout_68->addWidget(BtnGraphRefresh);
    horizontalLayout_56->addLayout(verticalLayout_68);
    // Axes, curves and scales are the graph view's; the canvas and the scales take their look
    // from the root sheet.
    qwtPlot = named(new QwtPlot(Page2DPlot), "qwtPlot");
    qwtPlot->setFont(windowFont());
    qwtPlot->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    horizontalLayout_56->addWidget(qwtPlot);
    verticalLayout_64->addLayout(horizontalLayout_56);

    stackedWidget->addWidget(Page2DPlot);
}

void Ui_TTamarindMainForm::retranslatePage2DPlot()
{
    Btn2DPlot_Unit->setText(QCoreApplication::translate("TTamarindMainForm", "\302\260C", nullptr));
    BtnGraphRefresh->setText(QString());
    // Carries nothing for the program; it stays an empty text in every language.
    qwtPlot->setProperty("propertiesDocument", QVariant(QString()));
}

void Ui_TTamarindMainForm::setupPageScan()
{
    PageScan = newPage("PageScan", stackedWidget);
    verticalLayout_40 =
        layoutOn<QVBoxLayout>(PageScan, "verticalLayout_40", 2, StyleDefault, 1, StyleDefault, StyleDefault);
    label_31 = named(new QLabel(PageScan), "label_31");
    label_31->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    verticalLayout_40->addWidget(label_31);

    addScanSettingRow(verticalLayout_40,
                      {BtnChanConf_ZTM8800, gridLayout_61, &LblChanConf_ZTM8800_Value, LblChanConf_ZTM8800}, "ZTM8800",
                      "gridLayout_61");
    // The main window puts the instrument's name here once, and never retranslates it.
    LblChanConf_ZTM8800->setText(QStringLiteral("ZTMXXXX"));
    addScanSettingRow(verticalLayout_40, {BtnChanConf_Mod1, gridLayout_65, &LblChanConf_Mod1_Value, LblChanConf_Mod1},
                      "Mod1", "gridLayout_65");
    addScanSettingRow(verticalLayout_40, {BtnChanConf_Mod2, gridLayout_66, &LblChanConf_Mod2_Value, LblChanConf_Mod2},
                      "Mod2", "gridLayout_66");
    addScanSettingRow(verticalLayout_40, {BtnChanConf_Mod3, gridLayout_67, &LblChanConf_Mod3_Value, LblChanConf_Mod3},
                      "Mod3", "gridLayout_67");
    addScanSettingRow(verticalLayout_40, {BtnChanConf_Mod4, gridLayout_68, &LblChanConf_Mod4_Value, LblChanConf_Mod4},
                      "Mod4", "gridLayout_68");
    addScanSettingRow(verticalLayout_40,
                      {BtnChanConf_HoldTime, gridLayout_69, &LblChanConf_HoldTime_Value, LblChanConf_HoldTime},
                      "HoldTime", "gridLayout_69");

    // Start and Stop at the right end of their row; scan mode enables Stop once it runs.
    horizontalLayout_46 = nestedLayout<QHBoxLayout>("horizontalLayout_46", 2);
    horizontalSpacer_18 = newHorizontalSpacer();
    horizontalLayout_46->addItem(horizontalSpacer_18);
    BtnScan_Start = newScanButton(PageScan, "BtnScan_Start", true, ssScanButtonPadding);
    horizontalLayout_46->addWidget(BtnScan_Start);
    BtnScan_Stop = newScanButton(PageScan, "BtnScan_Stop", false, ssScanButtonPadding);
    horizontalLayout_46->addWidget(BtnScan_Stop);
    verticalLayout_40->addLayout(horizontalLayout_46);

    label_32 = named(new QLabel(PageScan), "label_32");
    label_32->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    verticalLayout_40->addWidget(label_32);
    addScanSettingRow(verticalLayout_40, {BtnChanConf_View, gridLayout_70, &LblChanConf_View_Value, LblChanConf_View},
                      "View", "gridLayout_70");
    BtnScan_ShowView = newScanButton(PageScan, "BtnScan_ShowView", false, ssEmpty);
    verticalLayout_40->addWidget(BtnScan_ShowView);
    verticalSpacer_18 = newVerticalSpacer();
    verticalLayout_40->addItem(verticalSpacer_18);

    stackedWidget->addWidget(PageScan);
}

void Ui_TTamarindMainForm::retranslatePageScan()
{
    label_31->setText(QCoreApplication::translate("TTamarindMainForm", "Channel configuration", nullptr));
    // Scan mode shows the tool tips as the captions of the sub-menus the rows open.
    LblChanConf_ZTM8800->setToolTip(QCoreApplication::translate("TTamarindMainForm", "Chan. config", nullptr));
    LblChanConf_Mod1->setText(QCoreApplication::translate("TTamarindMainForm", "Module 1", nullptr));
    LblChanConf_Mod2->setText(QCoreApplication::translate("TTamarindMainForm", "Module 2", nullptr));
    LblChanConf_Mod3->setText(QCoreApplication::translate("TTamarindMainForm", "Module 3", nullptr));
    LblChanConf_Mod4->setText(QCoreApplication::translate("TTamarindMainForm", "Module 4", nullptr));
    LblChanConf_HoldTime->setText(QCoreApplication::translate("TTamarindMainForm", "Hold time", nullptr));
    BtnScan_Start->setText(QCoreApplication::translate("TTamarindMainForm", "Start", nullptr));
    BtnScan_Stop->setText(QCoreApplication::translate("TTamarindMainForm", "Stop", nullptr));
    label_32->setText(QCoreApplication::translate("TTamarindMainForm", "View", nullptr));
    LblChanConf_View->setToolTip(QCoreApplication::translate("TTamarindMainForm", "View", nullptr));
    LblChanConf_View->setText(QCoreApplication::translate("TTamarindMainForm", "Selected view", nullptr));
    BtnScan_ShowView->setText(QCoreApplication::translate("TTamarindMainForm", "Activate view", nullptr));
}

void Ui_TTamarindMainForm::setupPageGraphUnitAndScale()
{
    PageGraphUnitAndScale = newPage("PageGraphUnitAndScale", stackedWidgetMenu);
    verticalLayout_69 = layoutOn<QVBoxLayout>(PageGraphUnitAndScale, "verticalLayout_69", 2, StyleDefault, 1,
                                              StyleDefault, StyleDefault);
    label_35 = named(new QLabel(PageGraphUnitAndScale), "label_35");
    label_35->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginLeft5Top5));
    verticalLayout_69->addWidget(label_35);

    // The unit buttons share widget_20, so they form one radio group.
    widget_20 = named(new QWidget(PageGraphUnitAndScale), "widget_20");
    verticalLayout_117 = layoutOn<QVBoxLayout>(widget_20, "verticalLayout_117", 2, 0, 0, 0, 0);
    addUnitButton(verticalLayout_117, BtnGraphUnit_C, "C", verticalLayout_122, "verticalLayout_122",
                  LblSettings_BacklightOff_30, "LblSettings_BacklightOff_30");
    addUnitButton(verticalLayout_117, BtnGraphUnit_F, "F", verticalLayout_123, "verticalLayout_123",
                  LblSettings_BacklightOff_28, "LblSettings_BacklightOff_28");
    addUnitButton(verticalLayout_117, BtnGraphUnit_K, "K", verticalLayout_124, "verticalLayout_124",
                  LblSettings_BacklightOff_31, "LblSettings_BacklightOff_31");
    addUnitButton(verticalLayout_117, BtnGraphUnit_Ohm, "Ohm", verticalLayout_125, "verticalLayout_125",
                  LblSettings_BacklightOff_32, "LblSettings_BacklightOff_32");
    addUnitButton(verticalLayout_117, BtnGraphUnit_mV, "mV", verticalLayout_126, "verticalLayout_126",
                  LblSettings_BacklightOff_33, "LblSettings_BacklightOff_33");
    verticalLayout_69->addWidget(widget_20);

    label_67 = named(new QLabel(PageGraphUnitAndScale), "label_67");
    label_67->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginLeft5Top5));
    verticalLayout_69->addWidget(label_67);
    // Siblings under the page, so exclusive to each other; neither is checked until the graph view
    // shows its scale.
    gridLayout_193 = nestedLayout<QGridLayout>("gridLayout_193", 6);
    RbGraphScale_Auto = named(new QRadioButton(PageGraphUnitAndScale), "RbGraphScale_Auto");
    gridLayout_193->addWidget(RbGraphScale_Auto, 0, 0, 1, 1);
    RbGraphScale_Custom = named(new QRadioButton(PageGraphUnitAndScale), "RbGraphScale_Custom");
    gridLayout_193->addWidget(RbGraphScale_Custom, 0, 1, 1, 1);
    verticalLayout_69->addLayout(gridLayout_193);

    // The main window hides these for the automatic scale.
    WgtCustomScale = named(new QWidget(PageGraphUnitAndScale), "WgtCustomScale");
    gridLayout_192 = layoutOn<QGridLayout>(WgtCustomScale, "gridLayout_192", 2, 0, 0, 0, 0);
    label = named(new QLabel(WgtCustomScale), "label");
    gridLayout_192->addWidget(label, 0, 0, 1, 1);
    label_11 = named(new QLabel(WgtCustomScale), "label_11");
    gridLayout_192->addWidget(label_11, 1, 0, 1, 1);
    BtnGraphScale_Max = named(new QZELKDialogButton(WgtCustomScale), "BtnGraphScale_Max");
    BtnGraphScale_Max->setMinimumSize(QSize(0, 34));
    gridLayout_192->addWidget(BtnGraphScale_Max, 1, 1, 1, 1);
    BtnGraphScale_Min = named(new QZELKDialogButton(WgtCustomScale), "BtnGraphScale_Min");
    BtnGraphScale_Min->setMinimumSize(QSize(0, 34));
    gridLayout_192->addWidget(BtnGraphScale_Min, 0, 1, 1, 1);
    verticalLayout_69->addWidget(WgtCustomScale);

    verticalSpacer_28 = newVerticalSpacer();
    verticalLayout_69->addItem(verticalSpacer_28);
    stackedWidgetMenu->addWidget(PageGraphUnitAndScale);
}

void Ui_TTamarindMainForm::retranslatePageGraphUnitAndScale()
{
    label_35->setText(QCoreApplication::translate("TTamarindMainForm", "Unit", nullptr));
    retranslateUnitLabel(LblSettings_BacklightOff_30,
                         QCoreApplication::translate("TTamarindMainForm", "\302\260C", nullptr));
    retranslateUnitLabel(LblSettings_BacklightOff_28,
                         QCoreApplication::translate("TTamarindMainForm", "\302\260F", nullptr));
    retranslateUnitLabel(LblSettings_BacklightOff_31, QCoreApplication::translate("TTamarindMainForm", "K", nullptr));
    // The ohm sign U+2126.
    retranslateUnitLabel(LblSettings_BacklightOff_32,
                         QCoreApplication::translate("TTamarindMainForm", "\342\204\246", nullptr));
    retranslateUnitLabel(LblSettings_BacklightOff_33, QCoreApplication::translate("TTamarindMainForm", "mV", nullptr));
    label_67->setText(QCoreApplication::translate("TTamarindMainForm", "Scale", nullptr));
    RbGraphScale_Auto->setText(QCoreApplication::translate("TTamarindMainForm", "Auto", nullptr));
    RbGraphScale_Custom->setText(QCoreApplication::translate("TTamarindMainForm", "Custom", nullptr));
    label->setText(QCoreApplication::translate("TTamarindMainForm", "Min.", nullptr));
    label_11->setText(QCoreApplication::translate("TTamarindMainForm", "Max.", nullptr));
}

void Ui_TTamarindMainForm::setupPageScanView()
{
    PageScanView = newPage("PageScanView", stackedWidgetMenu);
    verticalLayout_42 =
        layoutOn<QVBoxLayout>(PageScanView, "verticalLayout_42", 2, StyleDefault, 1, StyleDefault, StyleDefault);
    addSettingRow(verticalLayout_42, {BtnChanConf_Scan, gridLayout_76, nullptr, LblChanConf_ZTM8800_6}, "Scan",
                  "gridLayout_76", "LblChanConf_ZTM8800_6");
    addSettingRow(verticalLayout_42, {BtnChanConf_Calibration, gridLayout_77, nullptr, LblChanConf_ZTM8800_7},
                  "Calibration", "gridLayout_77", "LblChanConf_ZTM8800_7");
    addSettingRow(verticalLayout_42, {BtnChanConf_Graph, gridLayout_78, nullptr, LblChanConf_ZTM8800_8}, "Graph",
                  "gridLayout_78", "LblChanConf_ZTM8800_8");
    verticalSpacer_20 = newVerticalSpacer();
    verticalLayout_42->addItem(verticalSpacer_20);
    stackedWidgetMenu->addWidget(PageScanView);
}

void Ui_TTamarindMainForm::retranslatePageScanView()
{
    LblChanConf_ZTM8800_6->setText(QCoreApplication::translate("TTamarindMainForm", "Scan", nullptr));
    LblChanConf_ZTM8800_7->setText(QCoreApplication::translate("TTamarindMainForm", "Calibration", nullptr));
    LblChanConf_ZTM8800_8->setText(QCoreApplication::translate("TTamarindMainForm", "Graph", nullptr));
}
