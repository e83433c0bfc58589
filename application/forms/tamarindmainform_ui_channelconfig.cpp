#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>

using namespace Form_helpers;
using namespace Setting_rows;

namespace
{

// The elements of the calibration pages. Captions stand right-aligned before their values; the
// values and the entry buttons' texts are written by the instrument calibration screens.

QLabel* newSectionHeading(QWidget* pPage, const char* pName)
{
    QLabel* heading = named(new QLabel(pPage), pName);
    heading->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginTop5));
    heading->setAlignment(Qt::AlignCenter);
    return heading;
}

// Columns 9 pixels apart, rows 2 pixels apart.
QGridLayout* newSectionGrid(const char* pName)
{
    QGridLayout* grid = nestedLayout<QGridLayout>(pName, 6);
    grid->setHorizontalSpacing(9);
    grid->setVerticalSpacing(2);
    return grid;
}

QLabel* addCaption(QWidget* pPage, QGridLayout* pGrid, const char* pName, int pRow, int pColumn)
{
    QLabel* caption = named(new QLabel(pPage), pName);
    caption->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize14));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pGrid->addWidget(caption, pRow, pColumn, 1, 1);
    return caption;
}

// Without an alignment the label keeps the default one.
QLabel* addValue(QWidget* pPage, QGridLayout* pGrid, const char* pName, int pRow, int pColumn,
                 Qt::Alignment pAlignment = {})
{
    QLabel* value = named(new QLabel(pPage), pName);
    value->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize14));
    value->setText(QString());
    if (pAlignment) {
        value->setAlignment(pAlignment);
    }
    pGrid->addWidget(value, pRow, pColumn, 1, 1);
    return value;
}

// Clicks reach the main window only through the connection by object name.
QZELKDialogButton* addEntryButton(QWidget* pPage, QGridLayout* pGrid, const char* pName, int pRow, int pColumn)
{
    QZELKDialogButton* button = named(new QZELKDialogButton(pPage), pName);
    button->setStyleSheet(TStyleSheetCatalogue::sheet(ssCalibrationValueButton));
    pGrid->addWidget(button, pRow, pColumn, 1, 1);
    return button;
}

} // namespace

void Ui_TTamarindMainForm::setupPageChanConf_ZTM8800()
{
    // Built outside the window and moved in: its model label takes the height of its text despite its
    // negative top margin only when styled that way, and the rows below stand where they always stood.
    PageChanConf_ZTM8800 = newPage("PageChanConf_ZTM8800", nullptr);
    verticalLayout_41 = layoutOn<QVBoxLayout>(PageChanConf_ZTM8800, "verticalLayout_41", 6, 11, 11, 11, 11);
    label_33 = named(new QLabel(PageChanConf_ZTM8800), "label_33");
    label_33->setWordWrap(true);
    verticalLayout_41->addWidget(label_33);
    // The main window writes the instrument's name over the placeholder once.
    LblScanChanConf_Model = named(new QLabel(PageChanConf_ZTM8800), "LblScanChanConf_Model");
    LblScanChanConf_Model->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginTopMinus4));
    LblScanChanConf_Model->setText(QStringLiteral("<model>"));
    verticalLayout_41->addWidget(LblScanChanConf_Model);

    // Two PRT inputs above, the thermocouple inputs 3 and 4 (tiles TC1 and TC2) below.
    gridLayout_71 = nestedLayout<QGridLayout>("gridLayout_71", 2);
    QWidget* const page = PageChanConf_ZTM8800;
    buildRow(page, BtnChanConf_PRT2, gridLayout_73, LblChanConf_ZTM8800_3, "BtnChanConf_PRT2", "gridLayout_73",
             "LblChanConf_ZTM8800_3");
    gridLayout_71->addWidget(BtnChanConf_PRT2, 0, 1, 1, 1);
    buildRow(page, BtnChanConf_PRT1, gridLayout_72, LblChanConf_ZTM8800_2, "BtnChanConf_PRT1", "gridLayout_72",
             "LblChanConf_ZTM8800_2");
    gridLayout_71->addWidget(BtnChanConf_PRT1, 0, 0, 1, 1);
    buildRow(page, BtnChanConf_TC1, gridLayout_74, LblChanConf_ZTM8800_4, "BtnChanConf_TC1", "gridLayout_74",
             "LblChanConf_ZTM8800_4");
    gridLayout_71->addWidget(BtnChanConf_TC1, 1, 0, 1, 1);
    buildRow(page, BtnChanConf_TC2, gridLayout_75, LblChanConf_ZTM8800_5, "BtnChanConf_TC2", "gridLayout_75",
             "LblChanConf_ZTM8800_5");
    gridLayout_71->addWidget(BtnChanConf_TC2, 1, 1, 1, 1);
    for (QLabel* label : {LblChanConf_ZTM8800_3, LblChanConf_ZTM8800_2, LblChanConf_ZTM8800_4, LblChanConf_ZTM8800_5}) {
        label->setAlignment(Qt::AlignCenter);
    }
    verticalLayout_41->addLayout(gridLayout_71);

    verticalSpacer_19 = newVerticalSpacer();
    verticalLayout_41->addItem(verticalSpacer_19);
    stackedWidgetMenu->addWidget(PageChanConf_ZTM8800);
}

void Ui_TTamarindMainForm::retranslatePageChanConf_ZTM8800()
{
    label_33->setText(QCoreApplication::translate("TTamarindMainForm", "Channel configuration", nullptr));
    LblChanConf_ZTM8800_3->setText(QCoreApplication::translate("TTamarindMainForm", "PRT 2", nullptr));
    LblChanConf_ZTM8800_2->setText(QCoreApplication::translate("TTamarindMainForm", "PRT 1", nullptr));
    LblChanConf_ZTM8800_4->setText(QCoreApplication::translate("TTamarindMainForm", "TC 3", nullptr));
    LblChanConf_ZTM8800_5->setText(QCoreApplication::translate("TTamarindMainForm", "TC 4", nullptr));
}

void Ui_TTamarindMainForm::setupPageChanConf_SwitchBoxes()
{
    PageChanConf_SwitchBoxes = newPage("PageChanConf_SwitchBoxes", stackedWidgetMenu);
    verticalLayout_79 =
        layoutOn<QVBoxLayout>(PageChanConf_SwitchBoxes, "verticalLayout_79", 6, StyleDefault, 0, StyleDefault, 0);
    // The scan screens write the box's number and serial number over the placeholder.
    LblChanConf_SwitchBox_Header = named(new QLabel(PageChanConf_SwitchBoxes), "LblChanConf_SwitchBox_Header");
    LblChanConf_SwitchBox_Header->setText(QStringLiteral("[caption]"));
    LblChanConf_SwitchBox_Header->setWordWrap(true);
    verticalLayout_79->addWidget(LblChanConf_SwitchBox_Header);

    widget_19 = named(new QWidget(PageChanConf_SwitchBoxes), "widget_19");
    setSizePolicy(widget_19, QSizePolicy::Preferred, QSizePolicy::Minimum);
    gridLayout_293 = layoutOn<QGridLayout>(widget_19, "gridLayout_293", 2, 0, 0, 0, 0);
    BtnChanConf_SwitchBox_SelectAll = newChoiceButton(widget_19, "BtnChanConf_SwitchBox_SelectAll");
    gridLayout_293->addWidget(BtnChanConf_SwitchBox_SelectAll, 0, 0, 1, 1);
    BtnChanConf_SwitchBox_DeselectAll = newChoiceButton(widget_19, "BtnChanConf_SwitchBox_DeselectAll");
    gridLayout_293->addWidget(BtnChanConf_SwitchBox_DeselectAll, 0, 1, 1, 1);
    verticalLayout_79->addWidget(widget_19);

    scrollAreaScanConfigSwitchBox =
        named(new TTouchScrollArea(PageChanConf_SwitchBoxes), "scrollAreaScanConfigSwitchBox");
    setSizePolicy(scrollAreaScanConfigSwitchBox, QSizePolicy::Expanding, QSizePolicy::Expanding);
    setUpScrollArea(scrollAreaScanConfigSwitchBox);
    scrollAreaScanConfigSwitchBoxContents =
        named(new QWidget(scrollAreaScanConfigSwitchBox->viewport()), "scrollAreaScanConfigSwitchBoxContents");
    scrollAreaScanConfigSwitchBoxContents->setGeometry(QRect(0, 0, 100, 30));
    // Holds nothing but the spacer: the scan screens put the position buttons above it.
    gridLayout_294 = layoutOn<QGridLayout>(scrollAreaScanConfigSwitchBoxContents, "gridLayout_294", 2, 0, 0, 0, 0);
    verticalSpacer_37 = newVerticalSpacer();
    gridLayout_294->addItem(verticalSpacer_37, 0, 0, 1, 1);
    scrollAreaScanConfigSwitchBox->setWidget(scrollAreaScanConfigSwitchBoxContents);
    verticalLayout_79->addWidget(scrollAreaScanConfigSwitchBox);

    stackedWidgetMenu->addWidget(PageChanConf_SwitchBoxes);
}

void Ui_TTamarindMainForm::retranslatePageChanConf_SwitchBoxes()
{
    BtnChanConf_SwitchBox_SelectAll->setText(QCoreApplication::translate("TTamarindMainForm", "select all", nullptr));
    BtnChanConf_SwitchBox_DeselectAll->setText(
        QCoreApplication::translate("TTamarindMainForm", "deselect all", nullptr));
}

void Ui_TTamarindMainForm::setupPageTwoPointCal()
{
    PageTwoPointCal = newPage("PageTwoPointCal", stackedWidgetMenu);
    QWidget* const page = PageTwoPointCal;
    verticalLayout_101 =
        layoutOn<QVBoxLayout>(page, "verticalLayout_101", 2, StyleDefault, 0, StyleDefault, StyleDefault);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;

    label_155 = newSectionHeading(page, "label_155");
    verticalLayout_101->addWidget(label_155);
    gridLayout_268 = newSectionGrid("gridLayout_268");
    Lbl2Cal_Slope = addValue(page, gridLayout_268, "Lbl2Cal_Slope", 1, 1, left);
    Lbl2Cal_Offset = addValue(page, gridLayout_268, "Lbl2Cal_Offset", 0, 1, left);
    label_156 = addCaption(page, gridLayout_268, "label_156", 0, 0);
    label_158 = addCaption(page, gridLayout_268, "label_158", 2, 0);
    Lbl2Cal_LastCalDate = addValue(page, gridLayout_268, "Lbl2Cal_LastCalDate", 2, 1, left);
    label_157 = addCaption(page, gridLayout_268, "label_157", 1, 0);
    label_159 = addCaption(page, gridLayout_268, "label_159", 3, 0);
    Lbl2Cal_NextCalDate = addValue(page, gridLayout_268, "Lbl2Cal_NextCalDate", 3, 1, left);
    verticalLayout_101->addLayout(gridLayout_268);

    // The values of the two points stand right-aligned before the buttons that enter them.
    label_160 = newSectionHeading(page, "label_160");
    verticalLayout_101->addWidget(label_160);
    gridLayout_269 = newSectionGrid("gridLayout_269");
    Lbl2Cal_NomLower = addValue(page, gridLayout_269, "Lbl2Cal_NomLower", 0, 0, right);
    Btn2Cal_NomLower = addEntryButton(page, gridLayout_269, "Btn2Cal_NomLower", 0, 1);
    Lbl2Cal_NomUpper = addValue(page, gridLayout_269, "Lbl2Cal_NomUpper", 1, 0, right);
    Btn2Cal_NomUpper = addEntryButton(page, gridLayout_269, "Btn2Cal_NomUpper", 1, 1);
    verticalLayout_101->addLayout(gridLayout_269);

    label_161 = newSectionHeading(page, "label_161");
    verticalLayout_101->addWidget(label_161);
    gridLayout_282 = newSectionGrid("gridLayout_282");
    Btn2Cal_MeasLower = addEntryButton(page, gridLayout_282, "Btn2Cal_MeasLower", 0, 1);
    Lbl2Cal_MeasLower = addValue(page, gridLayout_282, "Lbl2Cal_MeasLower", 0, 0, right);
    Lbl2Cal_MeasUpper = addValue(page, gridLayout_282, "Lbl2Cal_MeasUpper", 1, 0, right);
    Btn2Cal_MeasUpper = addEntryButton(page, gridLayout_282, "Btn2Cal_MeasUpper", 1, 1);
    verticalLayout_101->addLayout(gridLayout_282);

    label_162 = newSectionHeading(page, "label_162");
    verticalLayout_101->addWidget(label_162);
    gridLayout_283 = newSectionGrid("gridLayout_283");
    Lbl2Cal_NewOffset = addValue(page, gridLayout_283, "Lbl2Cal_NewOffset", 0, 1, left);
    label_163 = addCaption(page, gridLayout_283, "label_163", 0, 0);
    label_164 = addCaption(page, gridLayout_283, "label_164", 1, 0);
    Lbl2Cal_NewSlope = addValue(page, gridLayout_283, "Lbl2Cal_NewSlope", 1, 1, left);
    verticalLayout_101->addLayout(gridLayout_283);

    verticalSpacer_52 = newVerticalSpacer();
    verticalLayout_101->addItem(verticalSpacer_52);
    stackedWidgetMenu->addWidget(PageTwoPointCal);
}

void Ui_TTamarindMainForm::retranslatePageTwoPointCal()
{
    label_155->setText(QCoreApplication::translate("TTamarindMainForm", "Current calibration data", nullptr));
    label_156->setText(QCoreApplication::translate("TTamarindMainForm", "Offset", nullptr));
    label_158->setText(QCoreApplication::translate("TTamarindMainForm", "Last cal.", nullptr));
    label_157->setText(QCoreApplication::translate("TTamarindMainForm", "Slope", nullptr));
    label_159->setText(QCoreApplication::translate("TTamarindMainForm", "Next cal.", nullptr));
    label_160->setText(QCoreApplication::translate("TTamarindMainForm", "Nominal values", nullptr));
    label_161->setText(QCoreApplication::translate("TTamarindMainForm", "Measured values", nullptr));
    label_162->setText(QCoreApplication::translate("TTamarindMainForm", "New calibration data", nullptr));
    label_163->setText(QCoreApplication::translate("TTamarindMainForm", "Offset", nullptr));
    label_164->setText(QCoreApplication::translate("TTamarindMainForm", "Slope", nullptr));
}

void Ui_TTamarindMainForm::setupPageCJCOffset()
{
    PageCJCOffset = newPage("PageCJCOffset", stackedWidgetMenu);
    QWidget* const page = PageCJCOffset;
    verticalLayout_102 =
        layoutOn<QVBoxLayout>(page, "verticalLayout_102", 2, StyleDefault, 0, StyleDefault, StyleDefault);

    label_165 = newSectionHeading(page, "label_165");
    verticalLayout_102->addWidget(label_165);
    gridLayout_284 = newSectionGrid("gridLayout_284");
    label_166 = addCaption(page, gridLayout_284, "label_166", 0, 0);
    LblCJCCal_Offset = addValue(page, gridLayout_284, "LblCJCCal_Offset", 0, 1);
    label_168 = addCaption(page, gridLayout_284, "label_168", 1, 0);
    label_169 = addCaption(page, gridLayout_284, "label_169", 2, 0);
    LblCJCCal_LastCalDate = addValue(page, gridLayout_284, "LblCJCCal_LastCalDate", 1, 1);
    LblCJCCal_NextCalDate = addValue(page, gridLayout_284, "LblCJCCal_NextCalDate", 2, 1);
    verticalLayout_102->addLayout(gridLayout_284);

    // Only row 1 is used, and column 1 stays empty: the button stands in column 2.
    label_174 = newSectionHeading(page, "label_174");
    verticalLayout_102->addWidget(label_174);
    gridLayout_286 = newSectionGrid("gridLayout_286");
    label_176 = addCaption(page, gridLayout_286, "label_176", 1, 0);
    BtnCJCCal_MeasOffset = addEntryButton(page, gridLayout_286, "BtnCJCCal_MeasOffset", 1, 2);
    verticalLayout_102->addLayout(gridLayout_286);

    verticalSpacer_53 = newVerticalSpacer();
    verticalLayout_102->addItem(verticalSpacer_53);
    stackedWidgetMenu->addWidget(PageCJCOffset);
}

void Ui_TTamarindMainForm::retranslatePageCJCOffset()
{
    label_165->setText(QCoreApplication::translate("TTamarindMainForm", "Current calibration data", nullptr));
    label_166->setText(QCoreApplication::translate("TTamarindMainForm", "Offset [K]", nullptr));
    label_168->setText(QCoreApplication::translate("TTamarindMainForm", "Last cal.", nullptr));
    label_169->setText(QCoreApplication::translate("TTamarindMainForm", "Next cal.", nullptr));
    label_174->setText(QCoreApplication::translate("TTamarindMainForm", "New calibration data", nullptr));
    label_176->setText(QCoreApplication::translate("TTamarindMainForm", "Offset [K]", nullptr));
}
