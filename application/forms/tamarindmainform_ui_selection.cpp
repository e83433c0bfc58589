#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>

using namespace Form_helpers;
using namespace Setting_rows;

namespace
{

// The tool tip of every label on the channel and probe selection lists; no screen reads it here.
QString backlightOffShortForm()
{
    return QCoreApplication::translate("TTamarindMainForm", "Backlight-Off", "LblSettings_BacklightOff_shortform");
}

} // namespace

void Ui_TTamarindMainForm::setupPageAverageValue()
{
    PageAverageValue = newPage("PageAverageValue", stackedWidgetMenu);
    verticalLayout_15 =
        layoutOn<QVBoxLayout>(PageAverageValue, "verticalLayout_15", 2, StyleDefault, 1, StyleDefault, StyleDefault);
    label_21 = named(new QLabel(PageAverageValue), "label_21");
    label_21->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginLeft6));
    verticalLayout_15->addWidget(label_21);
    // The averaging setting writes the sample count into it.
    BtnAvgSampleCount = newChoiceButton(PageAverageValue, "BtnAvgSampleCount");
    verticalLayout_15->addWidget(BtnAvgSampleCount);
    verticalSpacer_7 = newVerticalSpacer();
    verticalLayout_15->addItem(verticalSpacer_7);
    stackedWidgetMenu->addWidget(PageAverageValue);
}

void Ui_TTamarindMainForm::retranslatePageAverageValue()
{
    label_21->setText(QCoreApplication::translate("TTamarindMainForm", "Sample count", nullptr));
}

void Ui_TTamarindMainForm::setupPageUnitSelection()
{
    PageUnitSelection = newPage("PageUnitSelection", stackedWidgetMenu);
    // The unit selection marks the channel's unit by making its button flat, which this sheet draws orange.
    PageUnitSelection->setStyleSheet(TStyleSheetCatalogue::sheet(ssUnitSelection));
    verticalLayout_26 =
        layoutOn<QVBoxLayout>(PageUnitSelection, "verticalLayout_26", 2, StyleDefault, 1, StyleDefault, StyleDefault);
    btnUnitSelCelcius = newChoiceButton(PageUnitSelection, "btnUnitSelCelcius");
    verticalLayout_26->addWidget(btnUnitSelCelcius);
    btnUnitSelFahrenheit = newChoiceButton(PageUnitSelection, "btnUnitSelFahrenheit");
    verticalLayout_26->addWidget(btnUnitSelFahrenheit);
    btnUnitSelKelvin = newChoiceButton(PageUnitSelection, "btnUnitSelKelvin");
    verticalLayout_26->addWidget(btnUnitSelKelvin);
    btnUnitSelOhm = newChoiceButton(PageUnitSelection, "btnUnitSelOhm");
    verticalLayout_26->addWidget(btnUnitSelOhm);
    btnUnitSelMilliVolt = newChoiceButton(PageUnitSelection, "btnUnitSelMilliVolt");
    verticalLayout_26->addWidget(btnUnitSelMilliVolt);
    verticalSpacer_12 = newVerticalSpacer();
    verticalLayout_26->addItem(verticalSpacer_12);
    stackedWidgetMenu->addWidget(PageUnitSelection);
}

void Ui_TTamarindMainForm::retranslatePageUnitSelection()
{
    btnUnitSelCelcius->setText(QCoreApplication::translate("TTamarindMainForm", "\302\260C", nullptr));
    btnUnitSelFahrenheit->setText(QCoreApplication::translate("TTamarindMainForm", "\302\260F", nullptr));
    btnUnitSelKelvin->setText(QCoreApplication::translate("TTamarindMainForm", "K", nullptr));
    // The ohm sign U+2126, not the Greek capital omega.
    btnUnitSelOhm->setText(QCoreApplication::translate("TTamarindMainForm", "\342\204\246", nullptr));
    btnUnitSelMilliVolt->setText(QCoreApplication::translate("TTamarindMainForm", "mV", nullptr));
}

void Ui_TTamarindMainForm::setupPageChannelSelection()
{
    PageChannelSelection = newPage("PageChannelSelection", stackedWidgetMenu);
    verticalLayout_27 = layoutOn<QVBoxLayout>(PageChannelSelection, "verticalLayout_27", 6, 0, 0, 0, 0);
    scrollAreaChanSel = named(new TTouchScrollArea(PageChannelSelection), "scrollAreaChanSel");
    setUpScrollArea(scrollAreaChanSel);
    scrollAreaChanSelContents = named(new QWidget(scrollAreaChanSel->viewport()), "scrollAreaChanSelContents");
    scrollAreaChanSelContents->setGeometry(QRect(0, 0, 91, 406));
    verticalLayout_28 = layoutOn<QVBoxLayout>(scrollAreaChanSelContents, "verticalLayout_28", 2, StyleDefault, 1,
                                              StyleDefault, StyleDefault);

    buildRow(scrollAreaChanSelContents, BtnChanSel_1, gridLayout_37, LblSettings_BacklightOff_5, "BtnChanSel_1",
             "gridLayout_37", "LblSettings_BacklightOff_5");
    verticalLayout_28->addWidget(BtnChanSel_1);
    LblSettings_BacklightOff_5->setText(QStringLiteral("1"));
    buildRow(scrollAreaChanSelContents, BtnChanSel_2, gridLayout_38, LblSettings_BacklightOff_6, "BtnChanSel_2",
             "gridLayout_38", "LblSettings_BacklightOff_6");
    verticalLayout_28->addWidget(BtnChanSel_2);
    LblSettings_BacklightOff_6->setText(QStringLiteral("2"));
    buildRow(scrollAreaChanSelContents, BtnChanSel_3, gridLayout_39, LblSettings_BacklightOff_7, "BtnChanSel_3",
             "gridLayout_39", "LblSettings_BacklightOff_7");
    verticalLayout_28->addWidget(BtnChanSel_3);
    LblSettings_BacklightOff_7->setText(QStringLiteral("3"));
    buildRow(scrollAreaChanSelContents, BtnChanSel_4, gridLayout_40, LblSettings_BacklightOff_8, "BtnChanSel_4",
             "gridLayout_40", "LblSettings_BacklightOff_8");
    verticalLayout_28->addWidget(BtnChanSel_4);
    LblSettings_BacklightOff_8->setText(QStringLiteral("4"));

    // The derived channels are greyed out while the channel controller does not offer them.
    buildRow(scrollAreaChanSelContents, BtnChanSel_Reciprocal, gridLayout_176, LblSettings_BacklightOff_18,
             "BtnChanSel_Reciprocal", "gridLayout_176", "LblSettings_BacklightOff_18");
    verticalLayout_28->addWidget(BtnChanSel_Reciprocal);
    BtnChanSel_Reciprocal->setEnabled(true);
    LblSettings_BacklightOff_18->setText(QStringLiteral("1 / X"));
    buildRow(scrollAreaChanSelContents, BtnChanSel_Sum, gridLayout_177, LblSettings_BacklightOff_19, "BtnChanSel_Sum",
             "gridLayout_177", "LblSettings_BacklightOff_19");
    verticalLayout_28->addWidget(BtnChanSel_Sum);
    LblSettings_BacklightOff_19->setText(QStringLiteral("X + Y"));
    buildRow(scrollAreaChanSelContents, BtnChanSel_Diff, gridLayout_178, LblSettings_BacklightOff_24, "BtnChanSel_Diff",
             "gridLayout_178", "LblSettings_BacklightOff_24");
    verticalLayout_28->addWidget(BtnChanSel_Diff);
    LblSettings_BacklightOff_24->setText(QStringLiteral("X - Y"));
    buildRow(scrollAreaChanSelContents, BtnChanSel_Product, gridLayout_179, LblSettings_BacklightOff_25,
             "BtnChanSel_Product", "gridLayout_179", "LblSettings_BacklightOff_25");
    verticalLayout_28->addWidget(BtnChanSel_Product);
    // The multiplication x U+2715, not the letter x.
    LblSettings_BacklightOff_25->setText(QStringLiteral("X \u2715 Y"));
    buildRow(scrollAreaChanSelContents, BtnChanSel_Quotient, gridLayout_180, LblSettings_BacklightOff_26,
             "BtnChanSel_Quotient", "gridLayout_180", "LblSettings_BacklightOff_26");
    verticalLayout_28->addWidget(BtnChanSel_Quotient);
    LblSettings_BacklightOff_26->setText(QStringLiteral("X / Y"));
    for (QWidget* derived :
         {BtnChanSel_Reciprocal, BtnChanSel_Sum, BtnChanSel_Diff, BtnChanSel_Product, BtnChanSel_Quotient}) {
        // Polished first: styled in the window already, a row that is not would keep its first sheet's look.
        derived->ensurePolished();
        derived->setStyleSheet(TStyleSheetCatalogue::sheet(ssDerivedChannelRow));
    }

    buildRow(scrollAreaChanSelContents, BtnChanSel_X, gridLayout_181, LblSettings_BacklightOff_27, "BtnChanSel_X",
             "gridLayout_181", "LblSettings_BacklightOff_27");
    verticalLayout_28->addWidget(BtnChanSel_X);
    LblSettings_BacklightOff_27->setText(QStringLiteral("X ="));
    LblChanSel_X = newValueLabel(gridLayout_181, "LblChanSel_X");
    buildRow(scrollAreaChanSelContents, BtnChanSel_Y, gridLayout_182, LblSettings_BacklightOff_29, "BtnChanSel_Y",
             "gridLayout_182", "LblSettings_BacklightOff_29");
    verticalLayout_28->addWidget(BtnChanSel_Y);
    LblSettings_BacklightOff_29->setText(QStringLiteral("Y ="));
    LblChanSel_Y = newValueLabel(gridLayout_182, "LblChanSel_Y");
    verticalSpacer_13 = newVerticalSpacer();
    verticalLayout_28->addItem(verticalSpacer_13);

    scrollAreaChanSel->setWidget(scrollAreaChanSelContents);
    verticalLayout_27->addWidget(scrollAreaChanSel);
    stackedWidgetMenu->addWidget(PageChannelSelection);
}

// The channel captions stay as they are in every language.
void Ui_TTamarindMainForm::retranslatePageChannelSelection()
{
    for (QLabel* label : {LblSettings_BacklightOff_5, LblSettings_BacklightOff_6, LblSettings_BacklightOff_7,
                          LblSettings_BacklightOff_8, LblSettings_BacklightOff_18, LblSettings_BacklightOff_19,
                          LblSettings_BacklightOff_24, LblSettings_BacklightOff_25, LblSettings_BacklightOff_26,
                          LblSettings_BacklightOff_27, LblChanSel_X, LblSettings_BacklightOff_29, LblChanSel_Y}) {
        label->setToolTip(backlightOffShortForm());
    }
}

void Ui_TTamarindMainForm::setupPageProbeSelection()
{
    PageProbeSelection = newPage("PageProbeSelection", stackedWidgetMenu);
    verticalLayout_3 = layoutOn<QVBoxLayout>(PageProbeSelection, "verticalLayout_3", 6, 0, 0, 0, 0);
    scrollAreaProbeSel = named(new TTouchScrollArea(PageProbeSelection), "scrollAreaProbeSel");
    setUpScrollArea(scrollAreaProbeSel);
    scrollAreaProbeSelContents = named(new QWidget(scrollAreaProbeSel->viewport()), "scrollAreaProbeSelContents");
    scrollAreaProbeSelContents->setGeometry(QRect(0, 0, 196, 244));
    verticalLayout_31 = layoutOn<QVBoxLayout>(scrollAreaProbeSelContents, "verticalLayout_31", 2, StyleDefault, 1,
                                              StyleDefault, StyleDefault);
    label_8 = named(new QLabel(scrollAreaProbeSelContents), "label_8");
    verticalLayout_31->addWidget(label_8);

    // The probe screens write the names of the standard probes into the captions.
    buildRow(scrollAreaProbeSelContents, BtnDefProbe_3w_prt, gridLayout_50, LblDefProbe_3w_prt, "BtnDefProbe_3w_prt",
             "gridLayout_50", "LblDefProbe_3w_prt");
    verticalLayout_31->addWidget(BtnDefProbe_3w_prt);
    buildRow(scrollAreaProbeSelContents, BtnDefProbe_4w_prt, gridLayout_51, LblDefProbe_4w_prt, "BtnDefProbe_4w_prt",
             "gridLayout_51", "LblDefProbe_4w_prt");
    verticalLayout_31->addWidget(BtnDefProbe_4w_prt);
    buildRow(scrollAreaProbeSelContents, BtnDefProbe_sprt, gridLayout_58, LblDefProbe_sprt, "BtnDefProbe_sprt",
             "gridLayout_58", "LblDefProbe_sprt");
    verticalLayout_31->addWidget(BtnDefProbe_sprt);
    buildRow(scrollAreaProbeSelContents, BtnDefProbe_thermistor, gridLayout_59, LblDefProbe_thermistor,
             "BtnDefProbe_thermistor", "gridLayout_59", "LblDefProbe_thermistor");
    verticalLayout_31->addWidget(BtnDefProbe_thermistor);
    buildRow(scrollAreaProbeSelContents, BtnDefProbe_thermocouple, gridLayout_60, LblDefProbe_thermocouple,
             "BtnDefProbe_thermocouple", "gridLayout_60", "LblDefProbe_thermocouple");
    verticalLayout_31->addWidget(BtnDefProbe_thermocouple);
    for (QLabel* caption :
         {LblDefProbe_3w_prt, LblDefProbe_4w_prt, LblDefProbe_sprt, LblDefProbe_thermistor, LblDefProbe_thermocouple}) {
        caption->setText(QString());
    }

    horizontalLayout_32 = nestedLayout<QHBoxLayout>("horizontalLayout_32", 6);
    label_12 = named(new QLabel(scrollAreaProbeSelContents), "label_12");
    horizontalLayout_32->addWidget(label_12);
    horizontalSpacer_15 = newHorizontalSpacer();
    horizontalLayout_32->addItem(horizontalSpacer_15);
    // Leaves the selection for the probes screen of the main menu (connected by name).
    btnProbeSel_AddProbe = named(new QZELKDialogButton(scrollAreaProbeSelContents), "btnProbeSel_AddProbe");
    btnProbeSel_AddProbe->setMinimumSize(QSize(48, 0));
    btnProbeSel_AddProbe->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    btnProbeSel_AddProbe->setText(QStringLiteral("+"));
    horizontalLayout_32->addWidget(btnProbeSel_AddProbe);
    verticalLayout_31->addLayout(horizontalLayout_32);
    // The stored probes are inserted ahead of this spacer.
    verticalSpacer_14 = newVerticalSpacer();
    verticalLayout_31->addItem(verticalSpacer_14);

    scrollAreaProbeSel->setWidget(scrollAreaProbeSelContents);
    verticalLayout_3->addWidget(scrollAreaProbeSel);
    stackedWidgetMenu->addWidget(PageProbeSelection);
}

void Ui_TTamarindMainForm::retranslatePageProbeSelection()
{
    label_8->setText(QCoreApplication::translate("TTamarindMainForm", "Standard probes", nullptr));
    for (QLabel* caption :
         {LblDefProbe_3w_prt, LblDefProbe_4w_prt, LblDefProbe_sprt, LblDefProbe_thermistor, LblDefProbe_thermocouple}) {
        caption->setToolTip(backlightOffShortForm());
    }
    label_12->setText(QCoreApplication::translate("TTamarindMainForm", "Stored probes", nullptr));
}

void Ui_TTamarindMainForm::setupPageSelectProbeOrUnit()
{
    PageSelectProbeOrUnit = newPage("PageSelectProbeOrUnit", stackedWidgetMenu);
    verticalLayout_82 = layoutOn<QVBoxLayout>(PageSelectProbeOrUnit, "verticalLayout_82", 2, StyleDefault, 0,
                                              StyleDefault, StyleDefault);
    BtnMultiChannelSubmenu_Probe = newChoiceButton(PageSelectProbeOrUnit, "BtnMultiChannelSubmenu_Probe");
    verticalLayout_82->addWidget(BtnMultiChannelSubmenu_Probe);
    BtnMultiChannelSubmenu_Unit = newChoiceButton(PageSelectProbeOrUnit, "BtnMultiChannelSubmenu_Unit");
    verticalLayout_82->addWidget(BtnMultiChannelSubmenu_Unit);
    verticalSpacer_39 = newVerticalSpacer();
    verticalLayout_82->addItem(verticalSpacer_39);
    stackedWidgetMenu->addWidget(PageSelectProbeOrUnit);
}

void Ui_TTamarindMainForm::retranslatePageSelectProbeOrUnit()
{
    BtnMultiChannelSubmenu_Probe->setText(QCoreApplication::translate("TTamarindMainForm", "Select probe", nullptr));
    BtnMultiChannelSubmenu_Unit->setText(QCoreApplication::translate("TTamarindMainForm", "Select unit", nullptr));
}
