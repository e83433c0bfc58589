#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>

using namespace Form_helpers;

// A member and its object name, which the form keeps equal.
#define TAMARIND_NAMED(member) member, #member

namespace
{

QLabel* newLabel(QWidget* pParent, QLabel*& oLabel, const char* pName)
{
    oLabel = named(new QLabel(pParent), pName);
    return oLabel;
}

// A clickable row of an editor that holds the label the editor writes the value into.
QWidget* newValueButton(QWidget* pParent, QWidget*& oButton, const char* pButtonName, QGridLayout*& oLayout,
                        const char* pLayoutName, QLabel*& oLabel, const char* pLabelName)
{
    oButton = newClickableRow(pParent, pButtonName);
    oLayout = layoutOn<QGridLayout>(oButton, pLayoutName, 6, 6, 0, 6, 0);
    oLayout->addWidget(newLabel(oButton, oLabel, pLabelName), 0, 0, 1, 1);
    return oButton;
}

// A clickable row of an editor that stands for one option of a choice, its caption centred.
QWidget* newChoiceButton(QWidget* pParent, QWidget*& oButton, const char* pButtonName, QGridLayout*& oLayout,
                         const char* pLayoutName, QLabel*& oLabel, const char* pLabelName)
{
    oButton = newClickableRow(pParent, pButtonName);
    oLayout = layoutOn<QGridLayout>(oButton, pLayoutName, 6, 0, 0, 0, 0);
    oLayout->addWidget(newLabel(oButton, oLabel, pLabelName), 0, 0, 1, 1, Qt::AlignHCenter | Qt::AlignVCenter);
    return oButton;
}

// The scroll area of a page that holds one column, and the column's widget, which the caller hands over with
// setWidget once the column is filled.
QWidget* newColumn(TTouchScrollArea*& oArea, const char* pAreaName, QWidget* pPage, QWidget*& oColumn,
                   const char* pColumnName, const QRect& pGeometry)
{
    oArea = named(new TTouchScrollArea(pPage), pAreaName);
    setUpScrollArea(oArea);
    oColumn = named(new QWidget(oArea->viewport()), pColumnName);
    oColumn->setGeometry(pGeometry);
    return oColumn;
}

QZELKDialogButton* newRestoreButton(QWidget* pParent, QZELKDialogButton*& oButton, const char* pName)
{
    oButton = named(new QZELKDialogButton(pParent), pName);
    oButton->setMinimumSize(QSize(128, 34));
    oButton->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    return oButton;
}

} // namespace

void Ui_TTamarindMainForm::setupPageProbes()
{
    PageProbes = newPage("PageProbes", stackedWidget);
    verticalLayout_32 = layoutOn<QVBoxLayout>(PageProbes, "verticalLayout_32", 2, 9, 0, 9, 9);
    label_13 = named(new QLabel(PageProbes), "label_13");
    label_13->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    verticalLayout_32->addWidget(label_13);
    verticalLayout_32->addWidget(newCaptionRow(PageProbes, TAMARIND_NAMED(BtnProbe_NewPRT),
                                               TAMARIND_NAMED(gridLayout_62), TAMARIND_NAMED(LblProbe_NewPRT)));
    verticalLayout_32->addWidget(newCaptionRow(PageProbes, TAMARIND_NAMED(BtnProbe_NewTC),
                                               TAMARIND_NAMED(gridLayout_63), TAMARIND_NAMED(LblProbe_NewTC)));
    verticalLayout_32->addWidget(newCaptionRow(PageProbes, TAMARIND_NAMED(BtnProbe_NewTherm),
                                               TAMARIND_NAMED(gridLayout_64), TAMARIND_NAMED(LblProbe_NewTherm)));

    horizontalLayout_33 = nestedLayout<QHBoxLayout>("horizontalLayout_33", 2);
    label_14 = named(new QLabel(PageProbes), "label_14");
    label_14->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    horizontalLayout_33->addWidget(label_14);
    horizontalSpacer_16 = newHorizontalSpacer();
    horizontalLayout_33->addItem(horizontalSpacer_16);
    // Enabled by the probe screens once a probe is chosen.
    BtnDeleteProbe = newIconButton(PageProbes, "BtnDeleteProbe", ":/common/res/trash.png");
    horizontalLayout_33->addWidget(BtnDeleteProbe);
    BtnProbe_Search = named(new QZELKDialogButton(PageProbes), "BtnProbe_Search");
    BtnProbe_Search->setMinimumSize(QSize(128, 34));
    BtnProbe_Search->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    horizontalLayout_33->addWidget(BtnProbe_Search);
    verticalLayout_32->addLayout(horizontalLayout_33);

    WgtFilter = named(new QWidget(PageProbes), "WgtFilter");
    horizontalLayout_34 = layoutOn<QHBoxLayout>(WgtFilter, "horizontalLayout_34", 2, 0, 0, 0, 0);
    horizontalSpacer_17 = newHorizontalSpacer();
    horizontalLayout_34->addItem(horizontalSpacer_17);
    label_15 = named(new QLabel(WgtFilter), "label_15");
    label_15->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    horizontalLayout_34->addWidget(label_15);
    LblProbeFilterValue = named(new QLabel(WgtFilter), "LblProbeFilterValue");
    LblProbeFilterValue->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    LblProbeFilterValue->setText(QString());
    horizontalLayout_34->addWidget(LblProbeFilterValue);
    BtnProbeFilterClear = named(new QZELKDialogButton(WgtFilter), "BtnProbeFilterClear");
    BtnProbeFilterClear->setMinimumSize(QSize(128, 34));
    BtnProbeFilterClear->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    horizontalLayout_34->addWidget(BtnProbeFilterClear);
    verticalLayout_32->addWidget(WgtFilter);

    // The probe screens insert one row per probe at the top of this list, above the SMART probe caption.
    scrollAreaProbeMenu = named(new TTouchScrollArea(PageProbes), "scrollAreaProbeMenu");
    setUpScrollArea(scrollAreaProbeMenu);
    scrollAreaProbeMenuWidget = named(new QWidget(scrollAreaProbeMenu->viewport()), "scrollAreaProbeMenuWidget");
    scrollAreaProbeMenuWidget->setGeometry(QRect(0, 0, 258, 75));
    verticalLayout_33 = layoutOn<QVBoxLayout>(scrollAreaProbeMenuWidget, "verticalLayout_33", 2, 0, 1, 0, StyleDefault);
    label_128 = named(new QLabel(scrollAreaProbeMenuWidget), "label_128");
    label_128->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    verticalLayout_33->addWidget(label_128);
    verticalLayout_33->addWidget(newCaptionRow(scrollAreaProbeMenuWidget, TAMARIND_NAMED(BtnProbe_ListSmartProbes),
                                               TAMARIND_NAMED(gridLayout_247),
                                               TAMARIND_NAMED(LblProbe_ListSmartProbes)));
    verticalSpacer_15 = newVerticalSpacer();
    verticalLayout_33->addItem(verticalSpacer_15);
    scrollAreaProbeMenu->setWidget(scrollAreaProbeMenuWidget);
    verticalLayout_32->addWidget(scrollAreaProbeMenu);

    stackedWidget->addWidget(PageProbes);
}

void Ui_TTamarindMainForm::retranslatePageProbes()
{
    label_13->setText(QCoreApplication::translate("TTamarindMainForm", "New probe", nullptr));
    LblProbe_NewPRT->setText(
        QCoreApplication::translate("TTamarindMainForm", "Resistance thermometer (PRT, SPRT)", nullptr));
    LblProbe_NewTC->setText(QCoreApplication::translate("TTamarindMainForm", "Thermocouple (TC)", nullptr));
    LblProbe_NewTherm->setText(QCoreApplication::translate("TTamarindMainForm", "Thermistor", nullptr));
    label_14->setText(QCoreApplication::translate("TTamarindMainForm", "Configure existing probe", nullptr));
    BtnDeleteProbe->setText(QString());
    BtnProbe_Search->setText(QCoreApplication::translate("TTamarindMainForm", "Search...", nullptr));
    label_15->setText(QCoreApplication::translate("TTamarindMainForm", "Filter:", nullptr));
    BtnProbeFilterClear->setText(QCoreApplication::translate("TTamarindMainForm", "clear", nullptr));
    label_128->setText(QCoreApplication::translate("TTamarindMainForm", "SMART probes", nullptr));
    LblProbe_ListSmartProbes->setText(
        QCoreApplication::translate("TTamarindMainForm", "List connected SMART probes", nullptr));
}

void Ui_TTamarindMainForm::setupPageStdProbeSettings()
{
    PageStdProbeSettings = newPage("PageStdProbeSettings", stackedWidgetMenu);
    verticalLayout_29 = layoutOn<QVBoxLayout>(PageStdProbeSettings, "verticalLayout_29", 0, 0, 0, 0, 0);
    QWidget* const list = newColumn(TAMARIND_NAMED(scrollAreaStdProbeSettings), PageStdProbeSettings,
                                    TAMARIND_NAMED(scrollAreaStdProbeContents), QRect(0, 0, 237, 634));
    verticalLayout_30 =
        layoutOn<QVBoxLayout>(list, "verticalLayout_30", 2, StyleDefault, 1, StyleDefault, StyleDefault);

    QVBoxLayout* const items = verticalLayout_30;
    items->addWidget(newLabel(list, TAMARIND_NAMED(label_3)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_EN60751), TAMARIND_NAMED(gridLayout_34),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_2)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_CVD), TAMARIND_NAMED(gridLayout_35),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_3)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_ITS90), TAMARIND_NAMED(gridLayout_36),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_4)));
    items->addWidget(newLabel(list, TAMARIND_NAMED(label_7)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_4wire), TAMARIND_NAMED(gridLayout_48),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_16)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_3wire), TAMARIND_NAMED(gridLayout_49),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_17)));
    items->addWidget(newLabel(list, TAMARIND_NAMED(label_9)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_ConvNone), TAMARIND_NAMED(gridLayout_52),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_20)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_ConvSH), TAMARIND_NAMED(gridLayout_53),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_21)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_ConvPoly), TAMARIND_NAMED(gridLayout_54),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_22)));
    items->addWidget(newLabel(list, TAMARIND_NAMED(label_5)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_IEC584), TAMARIND_NAMED(gridLayout_43),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_11)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_Custom), TAMARIND_NAMED(gridLayout_44),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_12)));
    items->addWidget(newLabel(list, TAMARIND_NAMED(label_6)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_Internal), TAMARIND_NAMED(gridLayout_45),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_13)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_External), TAMARIND_NAMED(gridLayout_46),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_14)));
    items->addWidget(newCaptionRow(list, TAMARIND_NAMED(BtnStdPrb_Channel), TAMARIND_NAMED(gridLayout_47),
                                   TAMARIND_NAMED(LblSettings_BacklightOff_15)));

    // The cold-junction channel, pushed to the right; it keeps the look its class gives it.
    gridLayout_55 = nestedLayout<QGridLayout>("gridLayout_55", 6);
    BtnStdRefJunc_Channel = named(new QZELKDialogButton(list), "BtnStdRefJunc_Channel");
    BtnStdRefJunc_Channel->setMinimumSize(QSize(103, 34));
    gridLayout_55->addWidget(BtnStdRefJunc_Channel, 0, 1, 1, 1);
    horizontalSpacer_14 = newHorizontalSpacer();
    gridLayout_55->addItem(horizontalSpacer_14, 0, 0, 1, 1);
    items->addLayout(gridLayout_55);

    scrollAreaStdProbeSettings->setWidget(scrollAreaStdProbeContents);
    verticalLayout_29->addWidget(scrollAreaStdProbeSettings);
    stackedWidgetMenu->addWidget(PageStdProbeSettings);
}

void Ui_TTamarindMainForm::retranslatePageStdProbeSettings()
{
    // The rows' labels keep the tool tip of the settings rows they were made from; nothing on this page reads it.
    label_3->setText(QCoreApplication::translate("TTamarindMainForm", "Standard conversion PRT", nullptr));
    for (QLabel* label : {LblSettings_BacklightOff_2, LblSettings_BacklightOff_3, LblSettings_BacklightOff_4,
                          LblSettings_BacklightOff_16, LblSettings_BacklightOff_17, LblSettings_BacklightOff_20,
                          LblSettings_BacklightOff_21, LblSettings_BacklightOff_22, LblSettings_BacklightOff_11,
                          LblSettings_BacklightOff_12, LblSettings_BacklightOff_13, LblSettings_BacklightOff_14,
                          LblSettings_BacklightOff_15}) {
        label->setToolTip(
            QCoreApplication::translate("TTamarindMainForm", "Backlight-Off", "LblSettings_BacklightOff_shortform"));
    }
    LblSettings_BacklightOff_2->setText(QCoreApplication::translate("TTamarindMainForm", "EN 60751", nullptr));
    LblSettings_BacklightOff_3->setText(QCoreApplication::translate("TTamarindMainForm", "CvD", nullptr));
    LblSettings_BacklightOff_4->setText(QCoreApplication::translate("TTamarindMainForm", "ITS 90", nullptr));
    label_7->setText(QCoreApplication::translate("TTamarindMainForm", "Wiring", nullptr));
    LblSettings_BacklightOff_16->setText(QCoreApplication::translate("TTamarindMainForm", "4-wire", nullptr));
    LblSettings_BacklightOff_17->setText(QCoreApplication::translate("TTamarindMainForm", "3-wire", nullptr));
    label_9->setText(QCoreApplication::translate("TTamarindMainForm", "Std. conv. thermistor", nullptr));
    LblSettings_BacklightOff_20->setText(QCoreApplication::translate("TTamarindMainForm", "None", nullptr));
    LblSettings_BacklightOff_21->setText(QCoreApplication::translate("TTamarindMainForm", "Steinhart-Hart", nullptr));
    // The thermistor polynomial; the thermocouple polynomial below is another row with the same text.
    LblSettings_BacklightOff_22->setText(QCoreApplication::translate("TTamarindMainForm", "Polynomial", nullptr));
    label_5->setText(QCoreApplication::translate("TTamarindMainForm", "Standard conversion TC", nullptr));
    LblSettings_BacklightOff_11->setText(QCoreApplication::translate("TTamarindMainForm", "IEC 584", nullptr));
    LblSettings_BacklightOff_12->setText(QCoreApplication::translate("TTamarindMainForm", "Polynomial", nullptr));
    label_6->setText(QCoreApplication::translate("TTamarindMainForm", "Std. cold junction", nullptr));
    LblSettings_BacklightOff_13->setText(QCoreApplication::translate("TTamarindMainForm", "Internal", nullptr));
    LblSettings_BacklightOff_14->setText(QCoreApplication::translate("TTamarindMainForm", "External", nullptr));
    LblSettings_BacklightOff_15->setText(QCoreApplication::translate("TTamarindMainForm", "Channel", nullptr));
    BtnStdRefJunc_Channel->setText(QString());
}

void Ui_TTamarindMainForm::setupPagePRTEdit()
{
    PagePRTEdit = newPage("PagePRTEdit", stackedWidgetMenu);
    verticalLayout_57 = layoutOn<QVBoxLayout>(PagePRTEdit, "verticalLayout_57", 0, 0, 0, 0, 0);
    QWidget* const column = newColumn(TAMARIND_NAMED(scrollAreaEditPRTProbe), PagePRTEdit,
                                      TAMARIND_NAMED(scrollAreaEditPRTProbeWidget), QRect(0, 0, 221, 1158));
    verticalLayout_52 =
        layoutOn<QVBoxLayout>(column, "verticalLayout_52", 6, StyleDefault, 0, StyleDefault, StyleDefault);

    WgtDefaultProbe_PRT = named(new QWidget(column), "WgtDefaultProbe_PRT");
    verticalLayout_66 = layoutOn<QVBoxLayout>(WgtDefaultProbe_PRT, "verticalLayout_66", 2, 0, 0, 0, 0);
    verticalLayout_66->addWidget(newLabel(WgtDefaultProbe_PRT, TAMARIND_NAMED(LblDefaultProbe_PRT)));
    LblDefaultProbe_PRT->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    verticalLayout_66->addWidget(newLabel(WgtDefaultProbe_PRT, TAMARIND_NAMED(LblDefaultProbeCaption_PRT)));
    verticalLayout_52->addWidget(WgtDefaultProbe_PRT);

    QGridLayout* const data = GridLayoutPRTProbeEdit = nestedLayout<QGridLayout>("GridLayoutPRTProbeEdit", 2);
    data->addWidget(newLabel(column, TAMARIND_NAMED(Lbl_Current_caption_PRT)), 3, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_40)), 8, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_34)), 0, 0, 1, 1);
    verticalLayout_53 = nestedLayout<QVBoxLayout>("verticalLayout_53", 2);
    verticalLayout_53->addWidget(newLabel(column, TAMARIND_NAMED(label_36)));
    verticalLayout_53->addWidget(newLabel(column, TAMARIND_NAMED(label_37)));
    verticalLayout_53->addWidget(newLabel(column, TAMARIND_NAMED(label_38)));
    data->addLayout(verticalLayout_53, 7, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_41)), 9, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(LblReference_PRT)), 1, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_39)), 5, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_42)), 2, 0, 1, 1);
    // The probe's current as the measurement board reports it; a language change leaves it alone.
    data->addWidget(newLabel(column, TAMARIND_NAMED(Lbl_Current_Value__PRT)), 3, 1, 1, 1);
    Lbl_Current_Value__PRT->setText(QStringLiteral("<PRT cur>"));
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_43)), 10, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(BtnPRT_ProbeName), TAMARIND_NAMED(gridLayout_85),
                                   TAMARIND_NAMED(LblProbeName_PRT)),
                    0, 1, 1, 1);
    LblProbeName_PRT->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize13));

    gridLayout_86 = nestedLayout<QGridLayout>("gridLayout_86", 2);
    gridLayout_86->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Ref_Yes_PRT), TAMARIND_NAMED(gridLayout_87),
                                             TAMARIND_NAMED(LblReferenceYes_PRT)),
                             0, 0, 1, 1);
    gridLayout_86->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Ref_No_PRT), TAMARIND_NAMED(gridLayout_88),
                                             TAMARIND_NAMED(LblReferenceNo_PRT)),
                             0, 1, 1, 1);
    data->addLayout(gridLayout_86, 1, 1, 1, 1);
    gridLayout_89 = nestedLayout<QGridLayout>("gridLayout_89", 2);
    gridLayout_89->addWidget(newChoiceButton(column, TAMARIND_NAMED(BtnType_Pt25), TAMARIND_NAMED(gridLayout_90),
                                             TAMARIND_NAMED(LblPRT_ProbeName_13)),
                             0, 0, 1, 1);
    gridLayout_89->addWidget(newChoiceButton(column, TAMARIND_NAMED(BtnType_Pt100), TAMARIND_NAMED(gridLayout_91),
                                             TAMARIND_NAMED(LblPRT_ProbeName_14)),
                             0, 1, 1, 1);
    data->addLayout(gridLayout_89, 2, 1, 1, 1);
    gridLayout_92 = nestedLayout<QGridLayout>("gridLayout_92", 2);
    gridLayout_92->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_3wire), TAMARIND_NAMED(gridLayout_93),
                                             TAMARIND_NAMED(LblPRT_ProbeName_15)),
                             0, 0, 1, 1);
    gridLayout_92->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_4wire), TAMARIND_NAMED(gridLayout_94),
                                             TAMARIND_NAMED(LblPRT_ProbeName_16)),
                             0, 1, 1, 1);
    data->addLayout(gridLayout_92, 5, 1, 1, 1);
    verticalLayout_56 = nestedLayout<QVBoxLayout>("verticalLayout_56", 2);
    verticalLayout_56->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Reference_25ohm_PRT),
                                                 TAMARIND_NAMED(gridLayout_96), TAMARIND_NAMED(LblPRT_ProbeName_18)));
    verticalLayout_56->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Reference_100ohm_PRT),
                                                 TAMARIND_NAMED(gridLayout_97), TAMARIND_NAMED(LblPRT_ProbeName_20)));
    data->addLayout(verticalLayout_56, 7, 1, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_Tmin_PRT), TAMARIND_NAMED(gridLayout_99),
                                   TAMARIND_NAMED(LblPRT_Tmin)),
                    8, 1, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_Tmax_PRT), TAMARIND_NAMED(gridLayout_100),
                                   TAMARIND_NAMED(LblPRT_Tmax)),
                    9, 1, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_CalDate_PRT), TAMARIND_NAMED(gridLayout_101),
                                   TAMARIND_NAMED(LblPRT_CalDate)),
                    10, 1, 1, 1);
    // Two lines of its own: the column is too narrow for word wrapping to break it well.
    data->addWidget(newLabel(column, TAMARIND_NAMED(LblKeepWarmCurrent)), 6, 0, 1, 1);
    LblKeepWarmCurrent->setWordWrap(false);
    gridLayout_184 = nestedLayout<QGridLayout>("gridLayout_184", 2);
    gridLayout_184->addWidget(
        newChoiceButton(column, TAMARIND_NAMED(BtnKWC_On), TAMARIND_NAMED(gridLayout_185), TAMARIND_NAMED(LblKWC_On)),
        0, 0, 1, 1);
    gridLayout_184->addWidget(
        newChoiceButton(column, TAMARIND_NAMED(BtnKWC_Off), TAMARIND_NAMED(gridLayout_186), TAMARIND_NAMED(LblKWC_Off)),
        0, 1, 1, 1);
    data->addLayout(gridLayout_184, 6, 1, 1, 1);

    // The three currents are the only container radio buttons under their widget, so they form one group.
    Wgt_Excitation_current = named(new QWidget(column), "Wgt_Excitation_current");
    verticalLayout_118 = layoutOn<QVBoxLayout>(Wgt_Excitation_current, "verticalLayout_118", 2, 0, 0, 0, 0);
    struct TCurrent
    {
        QZELKContainerRadioButton*& mButton;
        const char* mButtonName;
        QHBoxLayout*& mLayout;
        const char* mLayoutName;
        QLabel*& mLabel;
        const char* mLabelName;
    };
    for (const TCurrent& current :
         {TCurrent{TAMARIND_NAMED(Btn_exc_curr_0_5mA), TAMARIND_NAMED(horizontalLayout_84), TAMARIND_NAMED(label_223)},
          TCurrent{TAMARIND_NAMED(Btn_exc_curr_1mA), TAMARIND_NAMED(horizontalLayout_144), TAMARIND_NAMED(label_224)},
          TCurrent{TAMARIND_NAMED(Btn_exc_curr_2mA), TAMARIND_NAMED(horizontalLayout_146),
                   TAMARIND_NAMED(label_225)}}) {
        current.mButton = named(new QZELKContainerRadioButton(Wgt_Excitation_current), current.mButtonName);
        current.mButton->setBorderRadius(6);
        current.mLayout = layoutOn<QHBoxLayout>(current.mButton, current.mLayoutName, 6, 0, 0, 0, 0);
        newLabel(current.mButton, current.mLabel, current.mLabelName)->setAlignment(Qt::AlignCenter);
        current.mLayout->addWidget(current.mLabel);
        verticalLayout_118->addWidget(current.mButton);
    }
    data->addWidget(Wgt_Excitation_current, 4, 1, 1, 1);
    Wgt_Excitation_current_caption = named(new QWidget(column), "Wgt_Excitation_current_caption");
    verticalLayout_119 = layoutOn<QVBoxLayout>(Wgt_Excitation_current_caption, "verticalLayout_119", 6, 0, 6, 0, 0);
    verticalLayout_119->addWidget(
        newLabel(Wgt_Excitation_current_caption, TAMARIND_NAMED(Lbl_Excitation_current_caption)));
    Lbl_Excitation_current_caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalSpacer_60 = newVerticalSpacer();
    verticalLayout_119->addItem(verticalSpacer_60);
    data->addWidget(Wgt_Excitation_current_caption, 4, 0, 1, 1);
    verticalLayout_52->addLayout(data);

    verticalLayout_52->addWidget(newLabel(column, TAMARIND_NAMED(label_44)));
    label_44->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    // Siblings without a button group: the three conversions exclude each other.
    Rb_EN60751_PRT = named(new QRadioButton(column), "Rb_EN60751_PRT");
    verticalLayout_52->addWidget(Rb_EN60751_PRT);
    Rb_CvD_PRT = named(new QRadioButton(column), "Rb_CvD_PRT");
    verticalLayout_52->addWidget(Rb_CvD_PRT);

    // Row 0 of both coefficient grids stays empty.
    gridLayout_102 = nestedLayout<QGridLayout>("gridLayout_102", 2);
    gridLayout_102->addWidget(newLabel(column, TAMARIND_NAMED(label_45)), 1, 0, 1, 1);
    setSizePolicy(label_45, QSizePolicy::Fixed, QSizePolicy::Preferred);
    gridLayout_102->addWidget(newLabel(column, TAMARIND_NAMED(label_46)), 2, 0, 1, 1);
    gridLayout_102->addWidget(newLabel(column, TAMARIND_NAMED(label_47)), 3, 0, 1, 1);
    gridLayout_102->addWidget(newLabel(column, TAMARIND_NAMED(label_48)), 4, 0, 1, 1);
    gridLayout_102->addWidget(
        newValueButton(column, TAMARIND_NAMED(Btn_CvD_R0), TAMARIND_NAMED(gridLayout_103), TAMARIND_NAMED(Lbl_CvD_R0)),
        1, 1, 1, 1);
    gridLayout_102->addWidget(
        newValueButton(column, TAMARIND_NAMED(Btn_CvD_A), TAMARIND_NAMED(gridLayout_104), TAMARIND_NAMED(Lbl_CvD_A)), 2,
        1, 1, 1);
    gridLayout_102->addWidget(
        newValueButton(column, TAMARIND_NAMED(Btn_CvD_B), TAMARIND_NAMED(gridLayout_105), TAMARIND_NAMED(Lbl_CvD_B)), 3,
        1, 1, 1);
    gridLayout_102->addWidget(
        newValueButton(column, TAMARIND_NAMED(Btn_CvD_C), TAMARIND_NAMED(gridLayout_106), TAMARIND_NAMED(Lbl_CvD_C)), 4,
        1, 1, 1);
    verticalLayout_52->addLayout(gridLayout_102);

    Rb_ITS90 = named(new QRadioButton(column), "Rb_ITS90");
    verticalLayout_52->addWidget(Rb_ITS90);
    gridLayout_107 = nestedLayout<QGridLayout>("gridLayout_107", 2);
    gridLayout_107->addWidget(newLabel(column, TAMARIND_NAMED(label_49)), 1, 0, 1, 1);
    setSizePolicy(label_49, QSizePolicy::Fixed, QSizePolicy::Preferred);
    gridLayout_107->addWidget(newLabel(column, TAMARIND_NAMED(label_50)), 2, 0, 1, 1);
    gridLayout_107->addWidget(newLabel(column, TAMARIND_NAMED(label_51)), 4, 0, 1, 1);
    gridLayout_107->addWidget(newLabel(column, TAMARIND_NAMED(label_52)), 3, 0, 1, 1);
    gridLayout_107->addWidget(newLabel(column, TAMARIND_NAMED(label_53)), 5, 0, 1, 1);
    gridLayout_107->addWidget(newLabel(column, TAMARIND_NAMED(label_54)), 6, 0, 1, 1);
    gridLayout_107->addWidget(newLabel(column, TAMARIND_NAMED(label_55)), 7, 0, 1, 1);
    gridLayout_107->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_R001), TAMARIND_NAMED(gridLayout_108),
                                             TAMARIND_NAMED(Lbl_ITS90_R001)),
                              1, 1, 1, 1);
    gridLayout_107->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_A), TAMARIND_NAMED(gridLayout_109),
                                             TAMARIND_NAMED(Lbl_ITS90_A)),
                              2, 1, 1, 1);
    gridLayout_107->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_B), TAMARIND_NAMED(gridLayout_110),
                                             TAMARIND_NAMED(Lbl_ITS90_B)),
                              3, 1, 1, 1);
    gridLayout_107->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_Ap), TAMARIND_NAMED(gridLayout_111),
                                             TAMARIND_NAMED(Lbl_ITS90_Ap)),
                              4, 1, 1, 1);
    gridLayout_107->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_Bp), TAMARIND_NAMED(gridLayout_112),
                                             TAMARIND_NAMED(Lbl_ITS90_Bp)),
                              5, 1, 1, 1);
    gridLayout_107->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_Cp), TAMARIND_NAMED(gridLayout_113),
                                             TAMARIND_NAMED(Lbl_ITS90_Cp)),
                              6, 1, 1, 1);
    gridLayout_107->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_Dp), TAMARIND_NAMED(gridLayout_114),
                                             TAMARIND_NAMED(Lbl_ITS90_Dp)),
                              7, 1, 1, 1);
    verticalLayout_52->addLayout(gridLayout_107);

    verticalLayout_52->addWidget(newRestoreButton(column, TAMARIND_NAMED(BtnProbeRestore_PRT)));
    verticalSpacer_23 = newVerticalSpacer();
    verticalLayout_52->addItem(verticalSpacer_23);

    scrollAreaEditPRTProbe->setWidget(scrollAreaEditPRTProbeWidget);
    verticalLayout_57->addWidget(scrollAreaEditPRTProbe);
    stackedWidgetMenu->addWidget(PagePRTEdit);
}

void Ui_TTamarindMainForm::retranslatePagePRTEdit()
{
    LblDefaultProbe_PRT->setText(QCoreApplication::translate("TTamarindMainForm", "Default probe", nullptr));
    LblDefaultProbeCaption_PRT->setText(QString());
    Lbl_Current_caption_PRT->setText(QCoreApplication::translate("TTamarindMainForm", "Current", nullptr));
    label_40->setText(QCoreApplication::translate("TTamarindMainForm", "T min. in \302\260C", nullptr));
    label_34->setText(QCoreApplication::translate("TTamarindMainForm", "Probe name", nullptr));
    label_36->setText(QCoreApplication::translate("TTamarindMainForm", "Int. resistor", nullptr));
    label_37->setText(QString());
    label_38->setText(QString());
    label_41->setText(QCoreApplication::translate("TTamarindMainForm", "T max. in \302\260C", nullptr));
    LblReference_PRT->setText(QCoreApplication::translate("TTamarindMainForm", "Reference", nullptr));
    label_39->setText(QCoreApplication::translate("TTamarindMainForm", "Wiring", nullptr));
    label_42->setText(QCoreApplication::translate("TTamarindMainForm", "Probe type", nullptr));
    label_43->setText(QCoreApplication::translate("TTamarindMainForm", "Last cal.", nullptr));
    LblProbeName_PRT->setText(QString());
    LblReferenceYes_PRT->setText(QCoreApplication::translate("TTamarindMainForm", "Yes", nullptr));
    LblReferenceNo_PRT->setText(QCoreApplication::translate("TTamarindMainForm", "No", nullptr));
    LblPRT_ProbeName_13->setText(QCoreApplication::translate("TTamarindMainForm", "Pt25", nullptr));
    LblPRT_ProbeName_14->setText(QCoreApplication::translate("TTamarindMainForm", "Pt100", nullptr));
    LblPRT_ProbeName_15->setText(QCoreApplication::translate("TTamarindMainForm", "3", nullptr));
    LblPRT_ProbeName_16->setText(QCoreApplication::translate("TTamarindMainForm", "4", nullptr));
    // The Greek capital omega, not the ohm sign.
    LblPRT_ProbeName_18->setText(QCoreApplication::translate("TTamarindMainForm", "25 \316\251", nullptr));
    LblPRT_ProbeName_20->setText(QCoreApplication::translate("TTamarindMainForm", "100 \316\251", nullptr));
    LblPRT_Tmin->setText(QString());
    LblPRT_Tmax->setText(QString());
    LblPRT_CalDate->setText(QString());
    LblKeepWarmCurrent->setText(QCoreApplication::translate("TTamarindMainForm", "Standby\ncurrent", nullptr));
    LblKWC_On->setText(QCoreApplication::translate("TTamarindMainForm", "On", "Standby current"));
    LblKWC_Off->setText(QCoreApplication::translate("TTamarindMainForm", "Off", "Standby current"));
    label_223->setText(QCoreApplication::translate("TTamarindMainForm", "0.5 mA", nullptr));
    label_224->setText(QCoreApplication::translate("TTamarindMainForm", "1 mA", nullptr));
    label_225->setText(QCoreApplication::translate("TTamarindMainForm", "2 mA", nullptr));
    Lbl_Excitation_current_caption->setText(
        QCoreApplication::translate("TTamarindMainForm", "Excitation\ncurrent", nullptr));
    label_44->setText(QCoreApplication::translate("TTamarindMainForm", "Conversion", nullptr));
    Rb_EN60751_PRT->setText(QCoreApplication::translate("TTamarindMainForm", "EN 60751", nullptr));
    Rb_CvD_PRT->setText(QCoreApplication::translate("TTamarindMainForm", "Callendar-van-Dusen", nullptr));
    label_45->setText(QCoreApplication::translate("TTamarindMainForm", "R0", nullptr));
    label_46->setText(QCoreApplication::translate("TTamarindMainForm", "A", nullptr));
    label_47->setText(QCoreApplication::translate("TTamarindMainForm", "B", nullptr));
    label_48->setText(QCoreApplication::translate("TTamarindMainForm", "C", nullptr));
    // The coefficient buttons' tool tips become the menu caption while a value is typed.
    Btn_CvD_R0->setToolTip(QCoreApplication::translate("TTamarindMainForm", "R0", nullptr));
    Lbl_CvD_R0->setText(QString());
    Btn_CvD_A->setToolTip(QCoreApplication::translate("TTamarindMainForm", "A", nullptr));
    Lbl_CvD_A->setText(QString());
    Btn_CvD_B->setToolTip(QCoreApplication::translate("TTamarindMainForm", "B", nullptr));
    Lbl_CvD_B->setText(QString());
    Btn_CvD_C->setToolTip(QCoreApplication::translate("TTamarindMainForm", "C", nullptr));
    Lbl_CvD_C->setText(QString());
    Rb_ITS90->setText(QCoreApplication::translate("TTamarindMainForm", "ITS 90", nullptr));
    label_49->setText(QCoreApplication::translate("TTamarindMainForm", "R0.01", nullptr));
    label_50->setText(QCoreApplication::translate("TTamarindMainForm", "an", nullptr));
    label_51->setText(QCoreApplication::translate("TTamarindMainForm", "ap", nullptr));
    label_52->setText(QCoreApplication::translate("TTamarindMainForm", "bn", nullptr));
    label_53->setText(QCoreApplication::translate("TTamarindMainForm", "bp", nullptr));
    label_54->setText(QCoreApplication::translate("TTamarindMainForm", "cp", nullptr));
    label_55->setText(QCoreApplication::translate("TTamarindMainForm", "dp", nullptr));
    Btn_ITS90_R001->setToolTip(QCoreApplication::translate("TTamarindMainForm", "R0.01", nullptr));
    Lbl_ITS90_R001->setText(QString());
    Btn_ITS90_A->setToolTip(QCoreApplication::translate("TTamarindMainForm", "an", nullptr));
    Lbl_ITS90_A->setText(QString());
    Btn_ITS90_B->setToolTip(QCoreApplication::translate("TTamarindMainForm", "bn", nullptr));
    Lbl_ITS90_B->setText(QString());
    Btn_ITS90_Ap->setToolTip(QCoreApplication::translate("TTamarindMainForm", "ap", nullptr));
    Lbl_ITS90_Ap->setText(QString());
    Btn_ITS90_Bp->setToolTip(QCoreApplication::translate("TTamarindMainForm", "bp", nullptr));
    Lbl_ITS90_Bp->setText(QString());
    Btn_ITS90_Cp->setToolTip(QCoreApplication::translate("TTamarindMainForm", "cp", nullptr));
    Lbl_ITS90_Cp->setText(QString());
    Btn_ITS90_Dp->setToolTip(QCoreApplication::translate("TTamarindMainForm", "dp", nullptr));
    Lbl_ITS90_Dp->setText(QString());
    BtnProbeRestore_PRT->setText(QCoreApplication::translate("TTamarindMainForm", "Restore", nullptr));
}

void Ui_TTamarindMainForm::setupPageTCEdit()
{
    PageTCEdit = newPage("PageTCEdit", stackedWidgetMenu);
    verticalLayout_62 = layoutOn<QVBoxLayout>(PageTCEdit, "verticalLayout_62", 0, 0, 0, 0, 0);
    QWidget* const column = newColumn(TAMARIND_NAMED(scrollAreaEditProbe_TC), PageTCEdit,
                                      TAMARIND_NAMED(scrollAreaEditProbeWidget), QRect(0, 0, 200, 1364));
    verticalLayout_58 =
        layoutOn<QVBoxLayout>(column, "verticalLayout_58", 6, StyleDefault, 0, StyleDefault, StyleDefault);

    WgtDefaultProbe_TC = named(new QWidget(column), "WgtDefaultProbe_TC");
    verticalLayout_67 = layoutOn<QVBoxLayout>(WgtDefaultProbe_TC, "verticalLayout_67", 2, 0, 0, 0, 0);
    verticalLayout_67->addWidget(newLabel(WgtDefaultProbe_TC, TAMARIND_NAMED(LblDefaultProbe_TC)));
    LblDefaultProbe_TC->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    verticalLayout_67->addWidget(newLabel(WgtDefaultProbe_TC, TAMARIND_NAMED(LblDefaultProbeCaption_TC)));
    verticalLayout_58->addWidget(WgtDefaultProbe_TC);

    QGridLayout* const data = gridLayout_115 = nestedLayout<QGridLayout>("gridLayout_115", 2);
    gridLayout_129 = nestedLayout<QGridLayout>("gridLayout_129", 2);
    gridLayout_129->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Ref_Yes_TC), TAMARIND_NAMED(gridLayout_130),
                                              TAMARIND_NAMED(LblPRT_ProbeName_9)),
                              0, 0, 1, 1);
    gridLayout_129->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Ref_No_TC), TAMARIND_NAMED(gridLayout_131),
                                              TAMARIND_NAMED(LblPRT_ProbeName_12)),
                              0, 1, 1, 1);
    data->addLayout(gridLayout_129, 1, 1, 1, 1);
    // The empty labels below the caption give the caption column the height of the five rows of types.
    verticalLayout_60 = nestedLayout<QVBoxLayout>("verticalLayout_60", 2);
    verticalLayout_60->addWidget(newLabel(column, TAMARIND_NAMED(label_56)));
    verticalLayout_60->addWidget(newLabel(column, TAMARIND_NAMED(label_57)));
    verticalLayout_60->addWidget(newLabel(column, TAMARIND_NAMED(label_58)));
    verticalLayout_60->addWidget(newLabel(column, TAMARIND_NAMED(label_59)));
    verticalLayout_60->addWidget(newLabel(column, TAMARIND_NAMED(label_60)));
    data->addLayout(verticalLayout_60, 2, 0, 1, 1);
    // The type letters are the same in every language. The label of type D bears a name of its own.
    QGridLayout* const types = gridLayout_116 = nestedLayout<QGridLayout>("gridLayout_116", 2);
    types->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Type_B_TC), TAMARIND_NAMED(gridLayout_120),
                                     TAMARIND_NAMED(LblPRT_ProbeName_19)),
                     0, 0, 1, 1);
    types->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Type_D_TC), TAMARIND_NAMED(gridLayout_119),
                                     TAMARIND_NAMED(Btn_Type_B_2)),
                     4, 1, 1, 1);
    types->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Type_E_TC), TAMARIND_NAMED(gridLayout_123),
                                     TAMARIND_NAMED(LblPRT_ProbeName_25)),
                     0, 1, 1, 1);
    types->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Type_J_TC), TAMARIND_NAMED(gridLayout_117),
                                     TAMARIND_NAMED(LblPRT_ProbeName_21)),
                     1, 0, 1, 1);
    types->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Type_K_TC), TAMARIND_NAMED(gridLayout_124),
                                     TAMARIND_NAMED(LblPRT_ProbeName_26)),
                     1, 1, 1, 1);
    types->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Type_N_TC), TAMARIND_NAMED(gridLayout_121),
                                     TAMARIND_NAMED(LblPRT_ProbeName_22)),
                     2, 0, 1, 1);
    types->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Type_R_TC), TAMARIND_NAMED(gridLayout_125),
                                     TAMARIND_NAMED(LblPRT_ProbeName_27)),
                     2, 1, 1, 1);
    types->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Type_S_TC), TAMARIND_NAMED(gridLayout_118),
                                     TAMARIND_NAMED(LblPRT_ProbeName_23)),
                     3, 0, 1, 1);
    types->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Type_T_TC), TAMARIND_NAMED(gridLayout_126),
                                     TAMARIND_NAMED(LblPRT_ProbeName_28)),
                     3, 1, 1, 1);
    types->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Type_C_TC), TAMARIND_NAMED(gridLayout_122),
                                     TAMARIND_NAMED(LblPRT_ProbeName_24)),
                     4, 0, 1, 1);
    LblPRT_ProbeName_19->setText(QStringLiteral("B"));
    Btn_Type_B_2->setText(QStringLiteral("D"));
    LblPRT_ProbeName_25->setText(QStringLiteral("E"));
    LblPRT_ProbeName_21->setText(QStringLiteral("J"));
    LblPRT_ProbeName_26->setText(QStringLiteral("K"));
    LblPRT_ProbeName_22->setText(QStringLiteral("N"));
    LblPRT_ProbeName_27->setText(QStringLiteral("R"));
    LblPRT_ProbeName_23->setText(QStringLiteral("S"));
    LblPRT_ProbeName_28->setText(QStringLiteral("T"));
    LblPRT_ProbeName_24->setText(QStringLiteral("C"));
    data->addLayout(types, 2, 1, 1, 1);
    verticalLayout_61 = nestedLayout<QVBoxLayout>("verticalLayout_61", 2);
    verticalLayout_61->addWidget(newLabel(column, TAMARIND_NAMED(label_61)));
    verticalLayout_61->addWidget(newLabel(column, TAMARIND_NAMED(label_63)));
    // The channel chosen as cold junction; the editor keeps its internal number in the tool tip.
    verticalLayout_61->addWidget(newLabel(column, TAMARIND_NAMED(LblCJC_Channel)));
    LblCJC_Channel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    data->addLayout(verticalLayout_61, 3, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_62)), 0, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ProbeName_TC), TAMARIND_NAMED(gridLayout_128),
                                   TAMARIND_NAMED(Lbl_ProbeName_TC)),
                    0, 1, 1, 1);
    Lbl_ProbeName_TC->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize13));
    gridLayout_133 = nestedLayout<QGridLayout>("gridLayout_133", 2);
    gridLayout_133->addWidget(newChoiceButton(column, TAMARIND_NAMED(BtnCJC_Internal_TC),
                                              TAMARIND_NAMED(gridLayout_134), TAMARIND_NAMED(LblPRT_ProbeName_29)),
                              0, 0, 1, 1);
    gridLayout_133->addWidget(newChoiceButton(column, TAMARIND_NAMED(BtnCJC_External_TC),
                                              TAMARIND_NAMED(gridLayout_135), TAMARIND_NAMED(LblPRT_ProbeName_30)),
                              1, 0, 1, 1);
    gridLayout_133->addWidget(newChoiceButton(column, TAMARIND_NAMED(BtnCJC_Channel_TC), TAMARIND_NAMED(gridLayout_136),
                                              TAMARIND_NAMED(LblPRT_ProbeName_31)),
                              2, 0, 1, 1);
    data->addLayout(gridLayout_133, 3, 1, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(LblReference_TC)), 1, 0, 1, 1);
    verticalLayout_58->addLayout(data);

    // The probe on the cold-junction channel; a language change leaves it alone.
    verticalLayout_58->addWidget(newLabel(column, TAMARIND_NAMED(LblCJCProbeName)));
    LblCJCProbeName->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize13));
    LblCJCProbeName->setText(QStringLiteral("<CJC Channel Probe>"));
    LblCJCProbeName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    gridLayout_98 = nestedLayout<QGridLayout>("gridLayout_98", 2);
    gridLayout_98->addWidget(newLabel(column, TAMARIND_NAMED(label_65)), 1, 0, 1, 1);
    gridLayout_98->addWidget(newLabel(column, TAMARIND_NAMED(label_64)), 0, 0, 1, 1);
    gridLayout_98->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_Tmin_TC), TAMARIND_NAMED(gridLayout_137),
                                            TAMARIND_NAMED(Lbl_Tmin_TC)),
                             0, 1, 1, 1);
    gridLayout_98->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_Tmax_TC), TAMARIND_NAMED(gridLayout_138),
                                            TAMARIND_NAMED(Lbl_Tmax_TC)),
                             1, 1, 1, 1);
    gridLayout_98->addWidget(newLabel(column, TAMARIND_NAMED(label_66)), 2, 0, 1, 1);
    gridLayout_98->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_CalDate_TC), TAMARIND_NAMED(gridLayout_132),
                                            TAMARIND_NAMED(Lbl_CalDate_TC)),
                             2, 1, 1, 1);
    verticalLayout_58->addLayout(gridLayout_98);

    verticalLayout_58->addWidget(newLabel(column, TAMARIND_NAMED(label_68)));
    label_68->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    RbIEC584 = named(new QRadioButton(column), "RbIEC584");
    verticalLayout_58->addWidget(RbIEC584);
    RbPolynom_TC = named(new QRadioButton(column), "RbPolynom_TC");
    verticalLayout_58->addWidget(RbPolynom_TC);

    // Three ranges a, b and c, each with its limits and four coefficients; row 0 stays empty.
    QGridLayout* const polynomial = gridLayout_139 = nestedLayout<QGridLayout>("gridLayout_139", 2);
    auto valueAt = [polynomial](QWidget* pButton, int pRow) { polynomial->addWidget(pButton, pRow, 1, 1, 1); };
    auto captionAt = [polynomial](QLabel* pLabel, int pRow) { polynomial->addWidget(pLabel, pRow, 0, 1, 1); };
    valueAt(newValueButton(column, TAMARIND_NAMED(Btnb2_TC), TAMARIND_NAMED(gridLayout_140), TAMARIND_NAMED(Lblb2_TC)),
            11);
    valueAt(newValueButton(column, TAMARIND_NAMED(BtnTb_min_TC), TAMARIND_NAMED(gridLayout_141),
                           TAMARIND_NAMED(LblTb_min_TC)),
            7);
    valueAt(newValueButton(column, TAMARIND_NAMED(BtnTc_max_TC), TAMARIND_NAMED(gridLayout_142),
                           TAMARIND_NAMED(LblTc_max_TC)),
            14);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btnc1_TC), TAMARIND_NAMED(gridLayout_143), TAMARIND_NAMED(Lblc1_TC)),
            16);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btnc2_TC), TAMARIND_NAMED(gridLayout_144), TAMARIND_NAMED(Lblc2_TC)),
            17);
    captionAt(newLabel(column, TAMARIND_NAMED(label_69)), 1);
    setSizePolicy(label_69, QSizePolicy::Fixed, QSizePolicy::Preferred);
    captionAt(newLabel(column, TAMARIND_NAMED(label_70)), 2);
    captionAt(newLabel(column, TAMARIND_NAMED(label_71)), 3);
    captionAt(newLabel(column, TAMARIND_NAMED(label_72)), 4);
    valueAt(newValueButton(column, TAMARIND_NAMED(BtnTa_min_TC), TAMARIND_NAMED(gridLayout_145),
                           TAMARIND_NAMED(LblTa_min_TC)),
            1);
    valueAt(newValueButton(column, TAMARIND_NAMED(BtnTa_max_TC), TAMARIND_NAMED(gridLayout_146),
                           TAMARIND_NAMED(LblTa_max_TC)),
            2);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btna0_TC), TAMARIND_NAMED(gridLayout_147), TAMARIND_NAMED(Lbla0_TC)),
            3);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btna1_TC), TAMARIND_NAMED(gridLayout_148), TAMARIND_NAMED(Lbla1_TC)),
            4);
    captionAt(newLabel(column, TAMARIND_NAMED(label_73)), 5);
    valueAt(newValueButton(column, TAMARIND_NAMED(BtnTb_max_TC), TAMARIND_NAMED(gridLayout_149),
                           TAMARIND_NAMED(LblTb_max_TC)),
            8);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btnb1_TC), TAMARIND_NAMED(gridLayout_150), TAMARIND_NAMED(Lblb1_TC)),
            10);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btnb3_TC), TAMARIND_NAMED(gridLayout_151), TAMARIND_NAMED(Lblb3_TC)),
            12);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btna2_TC), TAMARIND_NAMED(gridLayout_152), TAMARIND_NAMED(Lbla2_TC)),
            5);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btnc0_TC), TAMARIND_NAMED(gridLayout_153), TAMARIND_NAMED(Lblc0_TC)),
            15);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btnb0_TC), TAMARIND_NAMED(gridLayout_154), TAMARIND_NAMED(Lblb0_TC)),
            9);
    valueAt(newValueButton(column, TAMARIND_NAMED(BtnTc_min_TC), TAMARIND_NAMED(gridLayout_155),
                           TAMARIND_NAMED(LblTc_min_TC)),
            13);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btna3_TC), TAMARIND_NAMED(gridLayout_156), TAMARIND_NAMED(Lbla3_TC)),
            6);
    valueAt(newValueButton(column, TAMARIND_NAMED(Btnc3_TC), TAMARIND_NAMED(gridLayout_157), TAMARIND_NAMED(Lblc3_TC)),
            18);
    captionAt(newLabel(column, TAMARIND_NAMED(label_74)), 6);
    captionAt(newLabel(column, TAMARIND_NAMED(label_75)), 7);
    captionAt(newLabel(column, TAMARIND_NAMED(label_76)), 8);
    captionAt(newLabel(column, TAMARIND_NAMED(label_77)), 9);
    captionAt(newLabel(column, TAMARIND_NAMED(label_78)), 10);
    captionAt(newLabel(column, TAMARIND_NAMED(label_79)), 11);
    captionAt(newLabel(column, TAMARIND_NAMED(label_80)), 12);
    captionAt(newLabel(column, TAMARIND_NAMED(label_81)), 13);
    captionAt(newLabel(column, TAMARIND_NAMED(label_82)), 14);
    captionAt(newLabel(column, TAMARIND_NAMED(label_83)), 15);
    captionAt(newLabel(column, TAMARIND_NAMED(label_84)), 16);
    captionAt(newLabel(column, TAMARIND_NAMED(label_85)), 17);
    captionAt(newLabel(column, TAMARIND_NAMED(label_86)), 18);
    verticalLayout_58->addLayout(polynomial);

    verticalLayout_58->addWidget(newRestoreButton(column, TAMARIND_NAMED(BtnProbeRestore_TC)));
    verticalSpacer_24 = newVerticalSpacer();
    verticalLayout_58->addItem(verticalSpacer_24);

    scrollAreaEditProbe_TC->setWidget(scrollAreaEditProbeWidget);
    verticalLayout_62->addWidget(scrollAreaEditProbe_TC);
    stackedWidgetMenu->addWidget(PageTCEdit);
}

void Ui_TTamarindMainForm::retranslatePageTCEdit()
{
    LblDefaultProbe_TC->setText(QCoreApplication::translate("TTamarindMainForm", "Default probe", nullptr));
    LblDefaultProbeCaption_TC->setText(QString());
    LblPRT_ProbeName_9->setText(QCoreApplication::translate("TTamarindMainForm", "Yes", nullptr));
    LblPRT_ProbeName_12->setText(QCoreApplication::translate("TTamarindMainForm", "No", nullptr));
    label_56->setText(QCoreApplication::translate("TTamarindMainForm", "Probe type", nullptr));
    label_57->setText(QString());
    label_58->setText(QString());
    label_59->setText(QString());
    label_60->setText(QString());
    label_61->setText(QCoreApplication::translate("TTamarindMainForm", "Cold junction", nullptr));
    label_63->setText(QString());
    LblCJC_Channel->setText(QString());
    label_62->setText(QCoreApplication::translate("TTamarindMainForm", "Probe name", nullptr));
    Lbl_ProbeName_TC->setText(QString());
    LblPRT_ProbeName_29->setText(QCoreApplication::translate("TTamarindMainForm", "Internal", nullptr));
    LblPRT_ProbeName_30->setText(QCoreApplication::translate("TTamarindMainForm", "External", nullptr));
    LblPRT_ProbeName_31->setText(QCoreApplication::translate("TTamarindMainForm", "Channel", nullptr));
    LblReference_TC->setText(QCoreApplication::translate("TTamarindMainForm", "Reference", nullptr));
    label_65->setText(QCoreApplication::translate("TTamarindMainForm", "T max. in \302\260C", nullptr));
    label_64->setText(QCoreApplication::translate("TTamarindMainForm", "T min. in \302\260C", nullptr));
    Lbl_Tmin_TC->setText(QString());
    Lbl_Tmax_TC->setText(QString());
    label_66->setText(QCoreApplication::translate("TTamarindMainForm", "Last cal.", nullptr));
    Lbl_CalDate_TC->setText(QString());
    label_68->setText(QCoreApplication::translate("TTamarindMainForm", "Conversion", nullptr));
    RbIEC584->setText(QCoreApplication::translate("TTamarindMainForm", "IEC 584", nullptr));
    RbPolynom_TC->setText(QCoreApplication::translate("TTamarindMainForm", "TC polynomial", nullptr));
    // The tool tips name the values without the captions' full stops; they become the menu caption while a value
    // is typed.
    Btnb2_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "b2", nullptr));
    Lblb2_TC->setText(QString());
    BtnTb_min_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "Tb min", nullptr));
    LblTb_min_TC->setText(QString());
    BtnTc_max_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "Tc max", nullptr));
    LblTc_max_TC->setText(QString());
    Btnc1_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "c1", nullptr));
    Lblc1_TC->setText(QString());
    Btnc2_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "c2", nullptr));
    Lblc2_TC->setText(QString());
    label_69->setText(QCoreApplication::translate("TTamarindMainForm", "Ta min.", nullptr));
    label_70->setText(QCoreApplication::translate("TTamarindMainForm", "Ta max.", nullptr));
    label_71->setText(QCoreApplication::translate("TTamarindMainForm", "a0", nullptr));
    label_72->setText(QCoreApplication::translate("TTamarindMainForm", "a1", nullptr));
    BtnTa_min_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "Ta min", nullptr));
    LblTa_min_TC->setText(QString());
    BtnTa_max_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "Ta max", nullptr));
    LblTa_max_TC->setText(QString());
    Btna0_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "a0", nullptr));
    Lbla0_TC->setText(QString());
    Btna1_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "a1", nullptr));
    Lbla1_TC->setText(QString());
    label_73->setText(QCoreApplication::translate("TTamarindMainForm", "a2", nullptr));
    BtnTb_max_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "Tb max", nullptr));
    LblTb_max_TC->setText(QString());
    Btnb1_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "b1", nullptr));
    Lblb1_TC->setText(QString());
    Btnb3_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "b3", nullptr));
    Lblb3_TC->setText(QString());
    Btna2_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "a2", nullptr));
    Lbla2_TC->setText(QString());
    Btnc0_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "c0", nullptr));
    Lblc0_TC->setText(QString());
    Btnb0_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "b0", nullptr));
    Lblb0_TC->setText(QString());
    BtnTc_min_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "Tc min", nullptr));
    LblTc_min_TC->setText(QString());
    Btna3_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "a3", nullptr));
    Lbla3_TC->setText(QString());
    Btnc3_TC->setToolTip(QCoreApplication::translate("TTamarindMainForm", "c3", nullptr));
    Lblc3_TC->setText(QString());
    label_74->setText(QCoreApplication::translate("TTamarindMainForm", "a3", nullptr));
    label_75->setText(QCoreApplication::translate("TTamarindMainForm", "Tb min.", nullptr));
    label_76->setText(QCoreApplication::translate("TTamarindMainForm", "Tb max.", nullptr));
    label_77->setText(QCoreApplication::translate("TTamarindMainForm", "b0", nullptr));
    label_78->setText(QCoreApplication::translate("TTamarindMainForm", "b1", nullptr));
    label_79->setText(QCoreApplication::translate("TTamarindMainForm", "b2", nullptr));
    label_80->setText(QCoreApplication::translate("TTamarindMainForm", "b3", nullptr));
    label_81->setText(QCoreApplication::translate("TTamarindMainForm", "Tc min.", nullptr));
    label_82->setText(QCoreApplication::translate("TTamarindMainForm", "Tc max.", nullptr));
    label_83->setText(QCoreApplication::translate("TTamarindMainForm", "c0", nullptr));
    label_84->setText(QCoreApplication::translate("TTamarindMainForm", "c1", nullptr));
    label_85->setText(QCoreApplication::translate("TTamarindMainForm", "c2", nullptr));
    label_86->setText(QCoreApplication::translate("TTamarindMainForm", "c3", nullptr));
    BtnProbeRestore_TC->setText(QCoreApplication::translate("TTamarindMainForm", "Restore", nullptr));
}

void Ui_TTamarindMainForm::setupPageThermEdit()
{
    PageThermEdit = newPage("PageThermEdit", stackedWidgetMenu);
    verticalLayout_65 = layoutOn<QVBoxLayout>(PageThermEdit, "verticalLayout_65", 0, 0, 0, 0, 0);
    QWidget* const column = newColumn(TAMARIND_NAMED(scrollAreaEditTherm), PageThermEdit,
                                      TAMARIND_NAMED(scrollAreaEditThermWidget), QRect(0, 0, 178, 735));
    verticalLayout_63 =
        layoutOn<QVBoxLayout>(column, "verticalLayout_63", 6, StyleDefault, 0, StyleDefault, StyleDefault);

    WgtDefaultProbe_Thermistor = named(new QWidget(column), "WgtDefaultProbe_Thermistor");
    verticalLayout_59 = layoutOn<QVBoxLayout>(WgtDefaultProbe_Thermistor, "verticalLayout_59", 2, 0, 0, 0, 0);
    verticalLayout_59->addWidget(newLabel(WgtDefaultProbe_Thermistor, TAMARIND_NAMED(LblDefaultProbe_Therm)));
    LblDefaultProbe_Therm->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    verticalLayout_59->addWidget(newLabel(WgtDefaultProbe_Thermistor, TAMARIND_NAMED(LblDefaultProbeCaption_Therm)));
    verticalLayout_63->addWidget(WgtDefaultProbe_Thermistor);

    QGridLayout* const data = gridLayout_158 = nestedLayout<QGridLayout>("gridLayout_158", 2);
    data->addWidget(newLabel(column, TAMARIND_NAMED(LblCurrent_Therm)), 3, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_Tmin_Therm), TAMARIND_NAMED(gridLayout_159),
                                   TAMARIND_NAMED(Lbl_Tmin_Therm)),
                    4, 1, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_87)), 0, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_CalDate_Therm), TAMARIND_NAMED(gridLayout_161),
                                   TAMARIND_NAMED(Lbl_CalDate_Therm)),
                    6, 1, 1, 1);
    gridLayout_162 = nestedLayout<QGridLayout>("gridLayout_162", 2);
    gridLayout_162->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Ref_Yes_Therm), TAMARIND_NAMED(gridLayout_163),
                                              TAMARIND_NAMED(LblPRT_ProbeName_10)),
                              0, 0, 1, 1);
    gridLayout_162->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Ref_No_Therm), TAMARIND_NAMED(gridLayout_164),
                                              TAMARIND_NAMED(LblPRT_ProbeName_32)),
                              0, 1, 1, 1);
    data->addLayout(gridLayout_162, 1, 1, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_88)), 4, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(LblRangeValue_Therm)), 2, 1, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(LblRange_Therm)), 2, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_89)), 6, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ProbeName_Therm), TAMARIND_NAMED(gridLayout_165),
                                   TAMARIND_NAMED(Lbl_ProbeName_Therm)),
                    0, 1, 1, 1);
    Lbl_ProbeName_Therm->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize13));
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_90)), 5, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_Tmax_Therm), TAMARIND_NAMED(gridLayout_166),
                                   TAMARIND_NAMED(Lbl_Tmax_Therm)),
                    5, 1, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(LblReference_Therm)), 1, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(LblCurrentValue_Therm)), 3, 1, 1, 1);
    verticalLayout_63->addLayout(data);

    verticalLayout_63->addWidget(newLabel(column, TAMARIND_NAMED(label_92)));
    label_92->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    // Siblings without a button group: the three conversions exclude each other.
    RbNone_Therm = named(new QRadioButton(column), "RbNone_Therm");
    verticalLayout_63->addWidget(RbNone_Therm);
    RbSteinhartHart_Therm = named(new QRadioButton(column), "RbSteinhartHart_Therm");
    verticalLayout_63->addWidget(RbSteinhartHart_Therm);

    // Row 0 of both coefficient grids stays empty.
    gridLayout_167 = nestedLayout<QGridLayout>("gridLayout_167", 2);
    gridLayout_167->addWidget(newLabel(column, TAMARIND_NAMED(label_93)), 3, 0, 1, 1);
    gridLayout_167->addWidget(newValueButton(column, TAMARIND_NAMED(BtnSH_c_Therm), TAMARIND_NAMED(gridLayout_168),
                                             TAMARIND_NAMED(LblSH_c_Therm)),
                              3, 1, 1, 1);
    gridLayout_167->addWidget(newLabel(column, TAMARIND_NAMED(label_94)), 1, 0, 1, 1);
    setSizePolicy(label_94, QSizePolicy::Fixed, QSizePolicy::Preferred);
    gridLayout_167->addWidget(newValueButton(column, TAMARIND_NAMED(BtnSH_b_Therm), TAMARIND_NAMED(gridLayout_169),
                                             TAMARIND_NAMED(LblSH_b_Therm)),
                              2, 1, 1, 1);
    gridLayout_167->addWidget(newValueButton(column, TAMARIND_NAMED(BtnSH_a_Therm), TAMARIND_NAMED(gridLayout_170),
                                             TAMARIND_NAMED(LblSH_a_Therm)),
                              1, 1, 1, 1);
    gridLayout_167->addWidget(newLabel(column, TAMARIND_NAMED(label_95)), 2, 0, 1, 1);
    verticalLayout_63->addLayout(gridLayout_167);
    verticalSpacer_25 = newVerticalSpacer();
    verticalLayout_63->addItem(verticalSpacer_25);

    RbPolynomial_Therm = named(new QRadioButton(column), "RbPolynomial_Therm");
    verticalLayout_63->addWidget(RbPolynomial_Therm);
    gridLayout_171 = nestedLayout<QGridLayout>("gridLayout_171", 2);
    gridLayout_171->addWidget(newValueButton(column, TAMARIND_NAMED(BtnPol_c1_Therm), TAMARIND_NAMED(gridLayout_172),
                                             TAMARIND_NAMED(LblPol_c1_Therm)),
                              2, 1, 1, 1);
    gridLayout_171->addWidget(newLabel(column, TAMARIND_NAMED(label_96)), 3, 0, 1, 1);
    gridLayout_171->addWidget(newLabel(column, TAMARIND_NAMED(label_97)), 1, 0, 1, 1);
    setSizePolicy(label_97, QSizePolicy::Fixed, QSizePolicy::Preferred);
    gridLayout_171->addWidget(newLabel(column, TAMARIND_NAMED(label_98)), 2, 0, 1, 1);
    gridLayout_171->addWidget(newValueButton(column, TAMARIND_NAMED(BtnPol_c2_Therm), TAMARIND_NAMED(gridLayout_173),
                                             TAMARIND_NAMED(LblPol_c2_Therm)),
                              3, 1, 1, 1);
    gridLayout_171->addWidget(newValueButton(column, TAMARIND_NAMED(BtnPol_c0_Therm), TAMARIND_NAMED(gridLayout_174),
                                             TAMARIND_NAMED(LblPol_c0_Therm)),
                              1, 1, 1, 1);
    gridLayout_171->addWidget(newLabel(column, TAMARIND_NAMED(label_99)), 4, 0, 1, 1);
    gridLayout_171->addWidget(newValueButton(column, TAMARIND_NAMED(BtnPol_c3_Therm), TAMARIND_NAMED(gridLayout_175),
                                             TAMARIND_NAMED(LblPol_c3_Therm)),
                              4, 1, 1, 1);
    verticalLayout_63->addLayout(gridLayout_171);

    verticalLayout_63->addWidget(newRestoreButton(column, TAMARIND_NAMED(BtnProbeRestore_Thermocouple)));

    scrollAreaEditTherm->setWidget(scrollAreaEditThermWidget);
    verticalLayout_65->addWidget(scrollAreaEditTherm);
    stackedWidgetMenu->addWidget(PageThermEdit);
}

void Ui_TTamarindMainForm::retranslatePageThermEdit()
{
    LblDefaultProbe_Therm->setText(QCoreApplication::translate("TTamarindMainForm", "Default probe", nullptr));
    LblDefaultProbeCaption_Therm->setText(QString());
    LblCurrent_Therm->setText(QCoreApplication::translate("TTamarindMainForm", "Current", nullptr));
    Lbl_Tmin_Therm->setText(QString());
    label_87->setText(QCoreApplication::translate("TTamarindMainForm", "Probe name", nullptr));
    Lbl_CalDate_Therm->setText(QString());
    LblPRT_ProbeName_10->setText(QCoreApplication::translate("TTamarindMainForm", "Yes", nullptr));
    LblPRT_ProbeName_32->setText(QCoreApplication::translate("TTamarindMainForm", "No", nullptr));
    label_88->setText(QCoreApplication::translate("TTamarindMainForm", "T min. in \302\260C", nullptr));
    LblRangeValue_Therm->setText(QString());
    LblRange_Therm->setText(QCoreApplication::translate("TTamarindMainForm", "Range", nullptr));
    label_89->setText(QCoreApplication::translate("TTamarindMainForm", "Last cal.", nullptr));
    Lbl_ProbeName_Therm->setText(QString());
    label_90->setText(QCoreApplication::translate("TTamarindMainForm", "T max. in \302\260C", nullptr));
    Lbl_Tmax_Therm->setText(QString());
    LblReference_Therm->setText(QCoreApplication::translate("TTamarindMainForm", "Reference", nullptr));
    LblCurrentValue_Therm->setText(QString());
    label_92->setText(QCoreApplication::translate("TTamarindMainForm", "Conversion", nullptr));
    RbNone_Therm->setText(QCoreApplication::translate("TTamarindMainForm", "none", nullptr));
    RbSteinhartHart_Therm->setText(QCoreApplication::translate("TTamarindMainForm", "Steinhart-Hart", nullptr));
    // The coefficient buttons' tool tips become the menu caption while a value is typed.
    label_93->setText(QCoreApplication::translate("TTamarindMainForm", "c", nullptr));
    BtnSH_c_Therm->setToolTip(QCoreApplication::translate("TTamarindMainForm", "c", nullptr));
    LblSH_c_Therm->setText(QString());
    label_94->setText(QCoreApplication::translate("TTamarindMainForm", "a", nullptr));
    BtnSH_b_Therm->setToolTip(QCoreApplication::translate("TTamarindMainForm", "b", nullptr));
    LblSH_b_Therm->setText(QString());
    BtnSH_a_Therm->setToolTip(QCoreApplication::translate("TTamarindMainForm", "a", nullptr));
    LblSH_a_Therm->setText(QString());
    label_95->setText(QCoreApplication::translate("TTamarindMainForm", "b", nullptr));
    RbPolynomial_Therm->setText(QCoreApplication::translate("TTamarindMainForm", "Polynomial", nullptr));
    BtnPol_c1_Therm->setToolTip(QCoreApplication::translate("TTamarindMainForm", "c1", nullptr));
    LblPol_c1_Therm->setText(QString());
    label_96->setText(QCoreApplication::translate("TTamarindMainForm", "c2", nullptr));
    label_97->setText(QCoreApplication::translate("TTamarindMainForm", "c0", nullptr));
    label_98->setText(QCoreApplication::translate("TTamarindMainForm", "c1", nullptr));
    BtnPol_c2_Therm->setToolTip(QCoreApplication::translate("TTamarindMainForm", "c2", nullptr));
    LblPol_c2_Therm->setText(QString());
    BtnPol_c0_Therm->setToolTip(QCoreApplication::translate("TTamarindMainForm", "c0", nullptr));
    LblPol_c0_Therm->setText(QString());
    label_99->setText(QCoreApplication::translate("TTamarindMainForm", "c3", nullptr));
    BtnPol_c3_Therm->setToolTip(QCoreApplication::translate("TTamarindMainForm", "c3", nullptr));
    LblPol_c3_Therm->setText(QString());
    BtnProbeRestore_Thermocouple->setText(QCoreApplication::translate("TTamarindMainForm", "Restore", nullptr));
}

void Ui_TTamarindMainForm::setupPageSmartProbeList()
{
    PageSmartProbeList = newPage("PageSmartProbeList", stackedWidgetMenu);
    verticalLayout_93 = layoutOn<QVBoxLayout>(PageSmartProbeList, "verticalLayout_93", 0, 0, 0, 0, 0);
    scrollAreaSmartProbeList = named(new TTouchScrollArea(PageSmartProbeList), "scrollAreaSmartProbeList");
    setUpScrollArea(scrollAreaSmartProbeList);
    scrollAreaSmartProbeListContents =
        named(new QWidget(scrollAreaSmartProbeList->viewport()), "scrollAreaSmartProbeListContents");
    scrollAreaSmartProbeListContents->setGeometry(QRect(0, 0, 100, 30));
    // The probe screens insert one button per connected SMART probe ahead of the spacer.
    verticalLayout_94 = layoutOn<QVBoxLayout>(scrollAreaSmartProbeListContents, "verticalLayout_94", 2, StyleDefault, 1,
                                              StyleDefault, StyleDefault);
    verticalSpacer_48 = newVerticalSpacer();
    verticalLayout_94->addItem(verticalSpacer_48);
    scrollAreaSmartProbeList->setWidget(scrollAreaSmartProbeListContents);
    verticalLayout_93->addWidget(scrollAreaSmartProbeList);
    stackedWidgetMenu->addWidget(PageSmartProbeList);
}

void Ui_TTamarindMainForm::retranslatePageSmartProbeList() {}

void Ui_TTamarindMainForm::setupPageSmartProbeProg()
{
    PageSmartProbeProg = newPage("PageSmartProbeProg", stackedWidgetMenu);
    verticalLayout_95 = layoutOn<QVBoxLayout>(PageSmartProbeProg, "verticalLayout_95", 0, 0, 0, 0, 0);
    QWidget* const column = newColumn(TAMARIND_NAMED(scrollAreaSmartProbeProg), PageSmartProbeProg,
                                      TAMARIND_NAMED(scrollAreaSmartProbeProgWidget), QRect(0, 0, 221, 890));
    verticalLayout_99 = layoutOn<QVBoxLayout>(column, "verticalLayout_99", 6, 9, 0, StyleDefault, StyleDefault);

    QGridLayout* const data = gridLayout_254 = nestedLayout<QGridLayout>("gridLayout_254", 2);
    verticalLayout_96 = nestedLayout<QVBoxLayout>("verticalLayout_96", 2);
    verticalLayout_96->addWidget(newLabel(column, TAMARIND_NAMED(label_137)));
    verticalLayout_96->addWidget(newLabel(column, TAMARIND_NAMED(label_138)));
    verticalLayout_96->addWidget(newLabel(column, TAMARIND_NAMED(label_139)));
    data->addLayout(verticalLayout_96, 3, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_NextCalDate_SPRT), TAMARIND_NAMED(gridLayout_271),
                                   TAMARIND_NAMED(Lbl_NextCalDate_SPRT)),
                    7, 1, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(BtnProbeName_SPRT), TAMARIND_NAMED(gridLayout_255),
                                   TAMARIND_NAMED(LblProbeName_SPRT)),
                    0, 1, 1, 1);
    LblProbeName_SPRT->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize13));
    data->addWidget(newLabel(column, TAMARIND_NAMED(LblReference_PRT_2)), 2, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_CalDate_SPRT), TAMARIND_NAMED(gridLayout_270),
                                   TAMARIND_NAMED(Lbl_CalDate_SPRT)),
                    6, 1, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_136)), 0, 0, 1, 1);
    verticalLayout_97 = nestedLayout<QVBoxLayout>("verticalLayout_97", 2);
    verticalLayout_97->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Reference_25ohm_SPRT),
                                                 TAMARIND_NAMED(gridLayout_266),
                                                 TAMARIND_NAMED(Lbl_Reference_25ohm_SPRT)));
    verticalLayout_97->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Reference_100ohm_SPRT),
                                                 TAMARIND_NAMED(gridLayout_267),
                                                 TAMARIND_NAMED(Lbl_Reference_100ohm_SPRT)));
    data->addLayout(verticalLayout_97, 3, 1, 1, 1);
    gridLayout_259 = nestedLayout<QGridLayout>("gridLayout_259", 2);
    gridLayout_259->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Locked_Yes_SPRT),
                                              TAMARIND_NAMED(gridLayout_260), TAMARIND_NAMED(LblLockedYes_SPRT)),
                              0, 0, 1, 1);
    gridLayout_259->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Locked_No_SPRT),
                                              TAMARIND_NAMED(gridLayout_261), TAMARIND_NAMED(LblLockedNo_SPRT)),
                              0, 1, 1, 1);
    data->addLayout(gridLayout_259, 1, 1, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(Lbl_CalDate_SPRT_Caption)), 6, 0, 1, 1);
    gridLayout_256 = nestedLayout<QGridLayout>("gridLayout_256", 2);
    gridLayout_256->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Ref_Yes_SPRT), TAMARIND_NAMED(gridLayout_257),
                                              TAMARIND_NAMED(LblReferenceYes_SPRT)),
                              0, 0, 1, 1);
    gridLayout_256->addWidget(newChoiceButton(column, TAMARIND_NAMED(Btn_Ref_No_SPRT), TAMARIND_NAMED(gridLayout_258),
                                              TAMARIND_NAMED(LblReferenceNo_SPRT)),
                              0, 1, 1, 1);
    data->addLayout(gridLayout_256, 2, 1, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(LblReference_PRT_3)), 1, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(Lbl_NextCalDate_SPRT_Caption)), 7, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_Rmin_SPRT), TAMARIND_NAMED(gridLayout_272),
                                   TAMARIND_NAMED(Lbl_Rmin_SPRT)),
                    4, 1, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_153)), 4, 0, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(label_154)), 5, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_Rmax_SPRT), TAMARIND_NAMED(gridLayout_273),
                                   TAMARIND_NAMED(Lbl_Rmax_SPRT)),
                    5, 1, 1, 1);
    data->addWidget(newLabel(column, TAMARIND_NAMED(Lbl_NextCalDate_SPRT_Caption_2)), 8, 0, 1, 1);
    data->addWidget(newValueButton(column, TAMARIND_NAMED(BtnCalSource_SPRT), TAMARIND_NAMED(gridLayout_264),
                                   TAMARIND_NAMED(LblCalSource_SPRT)),
                    8, 1, 1, 1);
    LblCalSource_SPRT->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize13));
    verticalLayout_99->addLayout(data);

    verticalLayout_99->addWidget(newLabel(column, TAMARIND_NAMED(label_151)));
    label_151->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    // Siblings without a button group: the two conversions exclude each other.
    Rb_CvD_SPRT = named(new QRadioButton(column), "Rb_CvD_SPRT");
    verticalLayout_99->addWidget(Rb_CvD_SPRT);

    // Row 0 of both coefficient grids stays empty.
    gridLayout_249 = nestedLayout<QGridLayout>("gridLayout_249", 2);
    gridLayout_249->addWidget(newLabel(column, TAMARIND_NAMED(label_131)), 1, 0, 1, 1);
    setSizePolicy(label_131, QSizePolicy::Fixed, QSizePolicy::Preferred);
    gridLayout_249->addWidget(newLabel(column, TAMARIND_NAMED(label_132)), 2, 0, 1, 1);
    gridLayout_249->addWidget(newLabel(column, TAMARIND_NAMED(label_133)), 3, 0, 1, 1);
    gridLayout_249->addWidget(newLabel(column, TAMARIND_NAMED(label_134)), 4, 0, 1, 1);
    gridLayout_249->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_CvD_R0_SPRT), TAMARIND_NAMED(gridLayout_250),
                                             TAMARIND_NAMED(Lbl_CvD_R0_SPRT)),
                              1, 1, 1, 1);
    gridLayout_249->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_CvD_A_SPRT), TAMARIND_NAMED(gridLayout_251),
                                             TAMARIND_NAMED(Lbl_CvD_A_SPRT)),
                              2, 1, 1, 1);
    gridLayout_249->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_CvD_B_SPRT), TAMARIND_NAMED(gridLayout_252),
                                             TAMARIND_NAMED(Lbl_CvD_B_SPRT)),
                              3, 1, 1, 1);
    gridLayout_249->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_CvD_C_SPRT), TAMARIND_NAMED(gridLayout_253),
                                             TAMARIND_NAMED(Lbl_CvD_C_SPRT)),
                              4, 1, 1, 1);
    verticalLayout_99->addLayout(gridLayout_249);

    Rb_ITS90_SPRT = named(new QRadioButton(column), "Rb_ITS90_SPRT");
    verticalLayout_99->addWidget(Rb_ITS90_SPRT);
    gridLayout_274 = nestedLayout<QGridLayout>("gridLayout_274", 2);
    gridLayout_274->addWidget(newLabel(column, TAMARIND_NAMED(label_144)), 1, 0, 1, 1);
    setSizePolicy(label_144, QSizePolicy::Fixed, QSizePolicy::Preferred);
    gridLayout_274->addWidget(newLabel(column, TAMARIND_NAMED(label_145)), 2, 0, 1, 1);
    gridLayout_274->addWidget(newLabel(column, TAMARIND_NAMED(label_146)), 4, 0, 1, 1);
    gridLayout_274->addWidget(newLabel(column, TAMARIND_NAMED(label_147)), 3, 0, 1, 1);
    gridLayout_274->addWidget(newLabel(column, TAMARIND_NAMED(label_148)), 5, 0, 1, 1);
    gridLayout_274->addWidget(newLabel(column, TAMARIND_NAMED(label_149)), 6, 0, 1, 1);
    gridLayout_274->addWidget(newLabel(column, TAMARIND_NAMED(label_150)), 7, 0, 1, 1);
    gridLayout_274->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_R001_SPRT),
                                             TAMARIND_NAMED(gridLayout_275), TAMARIND_NAMED(Lbl_ITS90_R001_SPRT)),
                              1, 1, 1, 1);
    gridLayout_274->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_A_SPRT), TAMARIND_NAMED(gridLayout_276),
                                             TAMARIND_NAMED(Lbl_ITS90_A_SPRT)),
                              2, 1, 1, 1);
    gridLayout_274->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_B_SPRT), TAMARIND_NAMED(gridLayout_277),
                                             TAMARIND_NAMED(Lbl_ITS90_B_SPRT)),
                              3, 1, 1, 1);
    gridLayout_274->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_Ap_SPRT), TAMARIND_NAMED(gridLayout_278),
                                             TAMARIND_NAMED(Lbl_ITS90_Ap_SPRT)),
                              4, 1, 1, 1);
    gridLayout_274->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_Bp_SPRT), TAMARIND_NAMED(gridLayout_279),
                                             TAMARIND_NAMED(Lbl_ITS90_Bp_SPRT)),
                              5, 1, 1, 1);
    gridLayout_274->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_Cp_SPRT), TAMARIND_NAMED(gridLayout_280),
                                             TAMARIND_NAMED(Lbl_ITS90_Cp_SPRT)),
                              6, 1, 1, 1);
    gridLayout_274->addWidget(newValueButton(column, TAMARIND_NAMED(Btn_ITS90_Dp_SPRT), TAMARIND_NAMED(gridLayout_281),
                                             TAMARIND_NAMED(Lbl_ITS90_Dp_SPRT)),
                              7, 1, 1, 1);
    verticalLayout_99->addLayout(gridLayout_274);
    verticalSpacer_49 = new QSpacerItem(20, 37, QSizePolicy::Minimum, QSizePolicy::Expanding);
    verticalLayout_99->addItem(verticalSpacer_49);

    scrollAreaSmartProbeProg->setWidget(scrollAreaSmartProbeProgWidget);
    verticalLayout_95->addWidget(scrollAreaSmartProbeProg);
    stackedWidgetMenu->addWidget(PageSmartProbeProg);
}

void Ui_TTamarindMainForm::retranslatePageSmartProbeProg()
{
    label_137->setText(QCoreApplication::translate("TTamarindMainForm", "Int. resistor", nullptr));
    label_138->setText(QString());
    label_139->setText(QString());
    Lbl_NextCalDate_SPRT->setText(QString());
    LblProbeName_SPRT->setText(QString());
    LblReference_PRT_2->setText(QCoreApplication::translate("TTamarindMainForm", "Reference", nullptr));
    Lbl_CalDate_SPRT->setText(QString());
    label_136->setText(QCoreApplication::translate("TTamarindMainForm", "Probe name", nullptr));
    // The resistors end in the Greek capital omega, the resistance limits below in the ohm sign.
    Lbl_Reference_25ohm_SPRT->setText(QCoreApplication::translate("TTamarindMainForm", "25 \316\251", nullptr));
    Lbl_Reference_100ohm_SPRT->setText(QCoreApplication::translate("TTamarindMainForm", "100 \316\251", nullptr));
    LblLockedYes_SPRT->setText(QCoreApplication::translate("TTamarindMainForm", "Yes", nullptr));
    LblLockedNo_SPRT->setText(QCoreApplication::translate("TTamarindMainForm", "No", nullptr));
    Lbl_CalDate_SPRT_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "Last cal.", nullptr));
    LblReferenceYes_SPRT->setText(QCoreApplication::translate("TTamarindMainForm", "Yes", nullptr));
    LblReferenceNo_SPRT->setText(QCoreApplication::translate("TTamarindMainForm", "No", nullptr));
    LblReference_PRT_3->setText(QCoreApplication::translate("TTamarindMainForm", "Locked", nullptr));
    Lbl_NextCalDate_SPRT_Caption->setText(QCoreApplication::translate("TTamarindMainForm", "Next cal.", nullptr));
    Lbl_Rmin_SPRT->setText(QString());
    label_153->setText(QCoreApplication::translate("TTamarindMainForm", "R min. in \342\204\246", nullptr));
    label_154->setText(QCoreApplication::translate("TTamarindMainForm", "R max. in \342\204\246", nullptr));
    Lbl_Rmax_SPRT->setText(QString());
    Lbl_NextCalDate_SPRT_Caption_2->setText(QCoreApplication::translate("TTamarindMainForm", "Cal. source", nullptr));
    LblCalSource_SPRT->setText(QString());
    label_151->setText(QCoreApplication::translate("TTamarindMainForm", "Conversion", nullptr));
    Rb_CvD_SPRT->setText(QCoreApplication::translate("TTamarindMainForm", "Callendar-van-Dusen", nullptr));
    label_131->setText(QCoreApplication::translate("TTamarindMainForm", "R0", nullptr));
    label_132->setText(QCoreApplication::translate("TTamarindMainForm", "A", nullptr));
    label_133->setText(QCoreApplication::translate("TTamarindMainForm", "B", nullptr));
    label_134->setText(QCoreApplication::translate("TTamarindMainForm", "C", nullptr));
    // The coefficient buttons' tool tips become the menu caption while a value is typed.
    Btn_CvD_R0_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "R0", nullptr));
    Lbl_CvD_R0_SPRT->setText(QString());
    Btn_CvD_A_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "A", nullptr));
    Lbl_CvD_A_SPRT->setText(QString());
    Btn_CvD_B_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "B", nullptr));
    Lbl_CvD_B_SPRT->setText(QString());
    Btn_CvD_C_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "C", nullptr));
    Lbl_CvD_C_SPRT->setText(QString());
    Rb_ITS90_SPRT->setText(QCoreApplication::translate("TTamarindMainForm", "ITS 90", nullptr));
    label_144->setText(QCoreApplication::translate("TTamarindMainForm", "R0.01", nullptr));
    label_145->setText(QCoreApplication::translate("TTamarindMainForm", "an", nullptr));
    label_146->setText(QCoreApplication::translate("TTamarindMainForm", "ap", nullptr));
    label_147->setText(QCoreApplication::translate("TTamarindMainForm", "bn", nullptr));
    label_148->setText(QCoreApplication::translate("TTamarindMainForm", "bp", nullptr));
    label_149->setText(QCoreApplication::translate("TTamarindMainForm", "cp", nullptr));
    label_150->setText(QCoreApplication::translate("TTamarindMainForm", "dp", nullptr));
    Btn_ITS90_R001_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "R0.01", nullptr));
    Lbl_ITS90_R001_SPRT->setText(QString());
    Btn_ITS90_A_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "an", nullptr));
    Lbl_ITS90_A_SPRT->setText(QString());
    Btn_ITS90_B_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "bn", nullptr));
    Lbl_ITS90_B_SPRT->setText(QString());
    Btn_ITS90_Ap_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "ap", nullptr));
    Lbl_ITS90_Ap_SPRT->setText(QString());
    Btn_ITS90_Bp_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "bp", nullptr));
    Lbl_ITS90_Bp_SPRT->setText(QString());
    Btn_ITS90_Cp_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "cp", nullptr));
    Lbl_ITS90_Cp_SPRT->setText(QString());
    Btn_ITS90_Dp_SPRT->setToolTip(QCoreApplication::translate("TTamarindMainForm", "dp", nullptr));
    Lbl_ITS90_Dp_SPRT->setText(QString());
}

void Ui_TTamarindMainForm::setupPageProbeCoeffFileList()
{
    PageProbeCoeffFileList = newPage("PageProbeCoeffFileList", stackedWidgetMenu);
    verticalLayout_105 = layoutOn<QVBoxLayout>(PageProbeCoeffFileList, "verticalLayout_105", 6, 0, 0, 0, 0);
    // Long file names may scroll sideways: the horizontal scroll bar keeps its default.
    scrollAreaProbeCoeffFileList = named(new TTouchScrollArea(PageProbeCoeffFileList), "scrollAreaProbeCoeffFileList");
    scrollAreaProbeCoeffFileList->setFrameShape(QFrame::NoFrame);
    scrollAreaProbeCoeffFileList->setWidgetResizable(true);
    scrollAreaProbeCoeffFileListWidget =
        named(new QWidget(scrollAreaProbeCoeffFileList->viewport()), "scrollAreaProbeCoeffFileListWidget");
    scrollAreaProbeCoeffFileListWidget->setGeometry(QRect(0, 0, 100, 30));
    scrollAreaProbeCoeffFileListWidget->setStyleSheet(TStyleSheetCatalogue::sheet(ssCoefficientFileButtons));
    // The download screens insert one button per file ahead of the spacer.
    verticalLayout_106 = layoutOn<QVBoxLayout>(scrollAreaProbeCoeffFileListWidget, "verticalLayout_106", 2,
                                               StyleDefault, 0, StyleDefault, StyleDefault);
    verticalSpacer_6 = newVerticalSpacer();
    verticalLayout_106->addItem(verticalSpacer_6);
    scrollAreaProbeCoeffFileList->setWidget(scrollAreaProbeCoeffFileListWidget);
    verticalLayout_105->addWidget(scrollAreaProbeCoeffFileList);
    stackedWidgetMenu->addWidget(PageProbeCoeffFileList);
}

void Ui_TTamarindMainForm::retranslatePageProbeCoeffFileList() {}
