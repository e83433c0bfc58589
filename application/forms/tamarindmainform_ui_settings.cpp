#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>
#include <QPalette>

#include <type_traits>

using namespace Form_helpers;
using namespace Setting_rows;

namespace Setting_rows
{

namespace
{

template <typename TLayout>
void buildRowWith(QWidget* pParent, QWidget*& oRow, TLayout*& oLayout, QLabel*& oCaption, const char* pRowName,
                  const char* pLayoutName, const char* pCaptionName)
{
    oRow = newClickableRow(pParent, pRowName);
    oLayout = rowLayoutOn<TLayout>(oRow, pLayoutName);
    oCaption = named(new QLabel(oRow), pCaptionName);
    if constexpr (std::is_same_v<TLayout, QGridLayout>) {
        oLayout->addWidget(oCaption, 0, 0, 1, 1);
    } else {
        oLayout->addWidget(oCaption);
    }
}

} // namespace

void buildRow(QWidget* pParent, QWidget*& oRow, QGridLayout*& oLayout, QLabel*& oCaption, const char* pRowName,
              const char* pLayoutName, const char* pCaptionName)
{
    buildRowWith(pParent, oRow, oLayout, oCaption, pRowName, pLayoutName, pCaptionName);
}

void buildRow(QWidget* pParent, QWidget*& oRow, QHBoxLayout*& oLayout, QLabel*& oCaption, const char* pRowName,
              const char* pLayoutName, const char* pCaptionName)
{
    buildRowWith(pParent, oRow, oLayout, oCaption, pRowName, pLayoutName, pCaptionName);
}

QLabel* newValueLabel(QGridLayout* pRowLayout, const char* pName)
{
    QLabel* label = named(new QLabel(pRowLayout->parentWidget()), pName);
    label->setText(QString());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pRowLayout->addWidget(label, 0, 1, 1, 1);
    return label;
}

QZELKDialogButton* newChoiceButton(QWidget* pParent, const char* pName)
{
    QZELKDialogButton* button = named(new QZELKDialogButton(pParent), pName);
    button->setMinimumSize(QSize(0, 34));
    button->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    return button;
}

} // namespace Setting_rows

namespace
{

// A nested grid of two cells side by side, 2 pixels apart.
QGridLayout* newPairGrid(const char* pName)
{
    QGridLayout* grid = nestedLayout<QGridLayout>(pName, 6);
    grid->setHorizontalSpacing(2);
    return grid;
}

// A date or time field of the clock; the clock writes the current value over the "00".
QZELKDialogButton* newClockField(QWidget* pPage, const char* pName)
{
    QZELKDialogButton* field = newChoiceButton(pPage, pName);
    field->setText(QStringLiteral("00"));
    return field;
}

// A heading of a settings list, 6 pixels in from the left.
QLabel* newHeading(QWidget* pPage, const char* pName)
{
    QLabel* heading = named(new QLabel(pPage), pName);
    heading->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginLeft6));
    return heading;
}

// The tool tip of the option labels of the clock and sound pages.
QString languageShortForm()
{
    return QCoreApplication::translate("TTamarindMainForm", "Language", "LblSettings_Language_shortform");
}

} // namespace

void Ui_TTamarindMainForm::setupPageSettings()
{
    PageSettings = newPage("PageSettings", stackedWidget);
    verticalLayout_8 = layoutOn<QVBoxLayout>(PageSettings, "verticalLayout_8", 6, 0, 0, 0, StyleDefault);
    scrollAreaSettings = named(new TTouchScrollArea(PageSettings), "scrollAreaSettings");
    // A palette with no role of its own: it changes nothing.
    scrollAreaSettings->setPalette(QPalette());
    setUpScrollArea(scrollAreaSettings);
    scrollAreaSettingsContents = named(new QWidget(scrollAreaSettings->viewport()), "scrollAreaSettingsContents");
    scrollAreaSettingsContents->setGeometry(QRect(0, 0, 231, 445));
    verticalLayout_16 = layoutOn<QVBoxLayout>(scrollAreaSettingsContents, "verticalLayout_16", 2, StyleDefault, 1,
                                              StyleDefault, StyleDefault);
    QWidget* const contents = scrollAreaSettingsContents;

    label_2 = named(new QLabel(contents), "label_2");
    label_2->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    verticalLayout_16->addWidget(label_2);

    // The language selection writes the language's name and flag at the right of the row.
    buildRow(contents, BtnSettings_Language, gridLayout_2, LblSettings_Language, "BtnSettings_Language", "gridLayout_2",
             "LblSettings_Language");
    horizontalLayout_31 = nestedLayout<QHBoxLayout>("horizontalLayout_31", 6);
    horizontalSpacer_13 = newHorizontalSpacer();
    horizontalLayout_31->addItem(horizontalSpacer_13);
    LblSelectedLanguageFlag = named(new QLabel(BtnSettings_Language), "LblSelectedLanguageFlag");
    setSizePolicy(LblSelectedLanguageFlag, QSizePolicy::Fixed, QSizePolicy::Preferred);
    LblSelectedLanguageFlag->setPixmap(QPixmap(QStringLiteral(":/internationalization/uk")));
    LblSelectedLanguageFlag->setMargin(4);
    horizontalLayout_31->addWidget(LblSelectedLanguageFlag);
    LblSelectedLanguage = named(new QLabel(BtnSettings_Language), "LblSelectedLanguage");
    LblSelectedLanguage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LblSelectedLanguage->setText(QString());
    horizontalLayout_31->addWidget(LblSelectedLanguage);
    gridLayout_2->addLayout(horizontalLayout_31, 0, 1, 1, 1);
    verticalLayout_16->addWidget(BtnSettings_Language);

    buildRow(contents, BtnSettings_BacklightOff, gridLayout_5, LblSettings_BacklightOff, "BtnSettings_BacklightOff",
             "gridLayout_5", "LblSettings_BacklightOff");
    LblSelectedBacklightOff = newValueLabel(gridLayout_5, "LblSelectedBacklightOff");
    verticalLayout_16->addWidget(BtnSettings_BacklightOff);
    buildRow(contents, BtnSettings_Brightness, gridLayout_6, LblSettings_Brightness, "BtnSettings_Brightness",
             "gridLayout_6", "LblSettings_Brightness");
    LblSelectedBrightness = newValueLabel(gridLayout_6, "LblSelectedBrightness");
    verticalLayout_16->addWidget(BtnSettings_Brightness);

    // The one row whose value label is created before its caption.
    BtnSettings_Time = newClickableRow(contents, "BtnSettings_Time");
    gridLayout_7 = rowLayoutOn<QGridLayout>(BtnSettings_Time, "gridLayout_7");
    LblSettings_TimeValue = newValueLabel(gridLayout_7, "LblSettings_TimeValue");
    LblSettings_Time = named(new QLabel(BtnSettings_Time), "LblSettings_Time");
    gridLayout_7->addWidget(LblSettings_Time, 0, 0, 1, 1);
    verticalLayout_16->addWidget(BtnSettings_Time);

    buildRow(contents, BtnSettings_Sound, gridLayout_33, LblSettings_Sound, "BtnSettings_Sound", "gridLayout_33",
             "LblSettings_Sound");
    LblSettings_SoundValue = newValueLabel(gridLayout_33, "LblSettings_SoundValue");
    verticalLayout_16->addWidget(BtnSettings_Sound);
    buildRow(contents, BtnSettings_DataSeparator, gridLayout_9, LblSettings_DataSeparator, "BtnSettings_DataSeparator",
             "gridLayout_9", "LblSettings_DataSeparator");
    LblSelectedDecimalSeparator = newValueLabel(gridLayout_9, "LblSelectedDecimalSeparator");
    verticalLayout_16->addWidget(BtnSettings_DataSeparator);
    buildRow(contents, BtnSettings_FactoryReset, gridLayout_10, LblSettings_FactoryReset, "BtnSettings_FactoryReset",
             "gridLayout_10", "LblSettings_FactoryReset");
    verticalLayout_16->addWidget(BtnSettings_FactoryReset);

    label_10 = newHeading(contents, "label_10");
    verticalLayout_16->addWidget(label_10);
    buildRow(contents, BtnSettings_AvgValue, gridLayout_11, LblSettings_AvgValue, "BtnSettings_AvgValue",
             "gridLayout_11", "LblSettings_AvgValue");
    LblSelectedAvgValSampleCount = newValueLabel(gridLayout_11, "LblSelectedAvgValSampleCount");
    verticalLayout_16->addWidget(BtnSettings_AvgValue);

    label_16 = newHeading(contents, "label_16");
    verticalLayout_16->addWidget(label_16);
    buildRow(contents, BtnSettings_StandardProbeSettings, gridLayout_13, LblSettings_StandardProbeSettings,
             "BtnSettings_StandardProbeSettings", "gridLayout_13", "LblSettings_StandardProbeSettings");
    verticalLayout_16->addWidget(BtnSettings_StandardProbeSettings);
    buildRow(contents, BtnSettings_AlarmForProbes, gridLayout_14, LblSettings_AlarmForProbes,
             "BtnSettings_AlarmForProbes", "gridLayout_14", "LblSettings_AlarmForProbes");
    LblSettings_AlarmForProbes_Val = newValueLabel(gridLayout_14, "LblSettings_AlarmForProbes_Val");
    verticalLayout_16->addWidget(BtnSettings_AlarmForProbes);
    // The list ends with its last row: no spacer.

    scrollAreaSettings->setWidget(scrollAreaSettingsContents);
    verticalLayout_8->addWidget(scrollAreaSettings);
    stackedWidget->addWidget(PageSettings);
}

void Ui_TTamarindMainForm::retranslatePageSettings()
{
    label_2->setText(QCoreApplication::translate("TTamarindMainForm", "General", nullptr));
    LblSettings_Language->setText(QCoreApplication::translate("TTamarindMainForm", "Language", nullptr));
    LblSelectedLanguageFlag->setText(QString());
    LblSettings_BacklightOff->setText(QCoreApplication::translate("TTamarindMainForm", "Backlight-Off", nullptr));
    LblSettings_Brightness->setText(QCoreApplication::translate("TTamarindMainForm", "Brightness", nullptr));
    LblSettings_Time->setText(QCoreApplication::translate("TTamarindMainForm", "Time", nullptr));
    LblSettings_Sound->setText(QCoreApplication::translate("TTamarindMainForm", "Sound", nullptr));
    LblSettings_DataSeparator->setText(QCoreApplication::translate("TTamarindMainForm", "Decimal separator", nullptr));
    LblSettings_FactoryReset->setText(QCoreApplication::translate("TTamarindMainForm", "Factory reset", nullptr));
    label_10->setText(QCoreApplication::translate("TTamarindMainForm", "Display", nullptr));
    LblSettings_AvgValue->setText(QCoreApplication::translate("TTamarindMainForm", "Average value", nullptr));
    label_16->setText(QCoreApplication::translate("TTamarindMainForm", "Probes", nullptr));
    // The short form is the caption that the main window shows for the page the row opens.
    LblSettings_StandardProbeSettings->setToolTip(QCoreApplication::translate(
        "TTamarindMainForm", "Std. probe settings", "LblSettings_StandardProbeSettings_shortform"));
    LblSettings_StandardProbeSettings->setText(
        QCoreApplication::translate("TTamarindMainForm", "Standard probe settings", nullptr));
    LblSettings_AlarmForProbes->setText(QCoreApplication::translate("TTamarindMainForm", "Alarm for probes", nullptr));
}

void Ui_TTamarindMainForm::setupPageBacklightOff()
{
    PageBacklightOff = newPage("PageBacklightOff", stackedWidgetMenu);
    verticalLayout_10 =
        layoutOn<QVBoxLayout>(PageBacklightOff, "verticalLayout_10", 2, StyleDefault, 1, StyleDefault, StyleDefault);
    // The backlight controller shows the chosen row's label text on the settings page.
    buildRow(PageBacklightOff, BtnBacklightOff_Off, horizontalLayout_24, LblBacklightOff_Off, "BtnBacklightOff_Off",
             "horizontalLayout_24", "LblBacklightOff_Off");
    verticalLayout_10->addWidget(BtnBacklightOff_Off);
    buildRow(PageBacklightOff, BtnBacklightOff_10s, horizontalLayout_25, LblBacklightOff_10s, "BtnBacklightOff_10s",
             "horizontalLayout_25", "LblBacklightOff_10s");
    verticalLayout_10->addWidget(BtnBacklightOff_10s);
    buildRow(PageBacklightOff, BtnBacklightOff_30s, horizontalLayout_26, LblBacklightOff_30s, "BtnBacklightOff_30s",
             "horizontalLayout_26", "LblBacklightOff_30s");
    verticalLayout_10->addWidget(BtnBacklightOff_30s);
    buildRow(PageBacklightOff, BtnBacklightOff_60s, horizontalLayout_27, LblBacklightOff_60s, "BtnBacklightOff_60s",
             "horizontalLayout_27", "LblBacklightOff_60s");
    verticalLayout_10->addWidget(BtnBacklightOff_60s);
    buildRow(PageBacklightOff, BtnBacklightOff_120s, horizontalLayout_28, LblBacklightOff_120s, "BtnBacklightOff_120s",
             "horizontalLayout_28", "LblBacklightOff_120s");
    verticalLayout_10->addWidget(BtnBacklightOff_120s);
    verticalSpacer_3 = newVerticalSpacer();
    verticalLayout_10->addItem(verticalSpacer_3);
    stackedWidgetMenu->addWidget(PageBacklightOff);
}

void Ui_TTamarindMainForm::retranslatePageBacklightOff()
{
    LblBacklightOff_Off->setText(QCoreApplication::translate("TTamarindMainForm", "Off", nullptr));
    LblBacklightOff_10s->setText(QCoreApplication::translate("TTamarindMainForm", "10 s", nullptr));
    LblBacklightOff_30s->setText(QCoreApplication::translate("TTamarindMainForm", "30 s", nullptr));
    LblBacklightOff_60s->setText(QCoreApplication::translate("TTamarindMainForm", "60 s", nullptr));
    LblBacklightOff_120s->setText(QCoreApplication::translate("TTamarindMainForm", "120 s", nullptr));
}

void Ui_TTamarindMainForm::setupPageBrightness()
{
    // No layout: Qt would ignore the one that the main window installs for the brightness control.
    PageBrightness = newPage("PageBrightness", stackedWidgetMenu);
    stackedWidgetMenu->addWidget(PageBrightness);
}

void Ui_TTamarindMainForm::retranslatePageBrightness() {}

void Ui_TTamarindMainForm::setupPageTime()
{
    PageTime = newPage("PageTime", stackedWidgetMenu);
    verticalLayout_12 = layoutOn<QVBoxLayout>(PageTime, "verticalLayout_12", 6, 11, 11, 11, 11);

    label_20 = newHeading(PageTime, "label_20");
    verticalLayout_12->addWidget(label_20);
    // Day and month (in the user's order) side by side at the left, the year at the right.
    gridLayout_21 = newPairGrid("gridLayout_21");
    BtnSetDate_Year = newClockField(PageTime, "BtnSetDate_Year");
    gridLayout_21->addWidget(BtnSetDate_Year, 0, 2, 1, 1);
    gridLayout_27 = newPairGrid("gridLayout_27");
    BtnSetDate_Val2 = newClockField(PageTime, "BtnSetDate_Val2");
    gridLayout_27->addWidget(BtnSetDate_Val2, 0, 1, 1, 1);
    BtnSetDate_Val1 = newClockField(PageTime, "BtnSetDate_Val1");
    gridLayout_27->addWidget(BtnSetDate_Val1, 0, 0, 1, 1);
    gridLayout_21->addLayout(gridLayout_27, 0, 0, 1, 1);
    verticalLayout_12->addLayout(gridLayout_21);

    label_19 = newHeading(PageTime, "label_19");
    verticalLayout_12->addWidget(label_19);
    verticalLayout_14 = nestedLayout<QVBoxLayout>("verticalLayout_14", 2);
    buildRow(PageTime, BtnSetDate_FormatDDMM, gridLayout_23, LblSettings_Language_4, "BtnSetDate_FormatDDMM",
             "gridLayout_23", "LblSettings_Language_4");
    verticalLayout_14->addWidget(BtnSetDate_FormatDDMM);
    buildRow(PageTime, BtnSetDate_FormatMMDD, gridLayout_24, LblSettings_Language_5, "BtnSetDate_FormatMMDD",
             "gridLayout_24", "LblSettings_Language_5");
    verticalLayout_14->addWidget(BtnSetDate_FormatMMDD);
    verticalLayout_12->addLayout(verticalLayout_14);

    label_18 = newHeading(PageTime, "label_18");
    verticalLayout_12->addWidget(label_18);
    gridLayout_15 = newPairGrid("gridLayout_15");
    BtnSetTime_Hours = newClockField(PageTime, "BtnSetTime_Hours");
    gridLayout_15->addWidget(BtnSetTime_Hours, 0, 0, 1, 1);
    BtnSetTime_Minutes = newClockField(PageTime, "BtnSetTime_Minutes");
    gridLayout_15->addWidget(BtnSetTime_Minutes, 0, 1, 1, 1);
    verticalLayout_12->addLayout(gridLayout_15);

    // 24h on the left half, AM and PM side by side on the right half.
    label_17 = newHeading(PageTime, "label_17");
    verticalLayout_12->addWidget(label_17);
    gridLayout_16 = newPairGrid("gridLayout_16");
    buildRow(PageTime, BtnSetTime_24h, gridLayout_18, LblSettings_Language_2, "BtnSetTime_24h", "gridLayout_18",
             "LblSettings_Language_2");
    gridLayout_16->addWidget(BtnSetTime_24h, 0, 0, 1, 1);
    gridLayout_17 = newPairGrid("gridLayout_17");
    buildRow(PageTime, BtnSetTime_PM, gridLayout_20, LblSetTime_PM, "BtnSetTime_PM", "gridLayout_20", "LblSetTime_PM");
    gridLayout_17->addWidget(BtnSetTime_PM, 0, 1, 1, 1);
    buildRow(PageTime, BtnSetTime_AM, gridLayout_19, LblSettings_Language_3, "BtnSetTime_AM", "gridLayout_19",
             "LblSettings_Language_3");
    gridLayout_17->addWidget(BtnSetTime_AM, 0, 0, 1, 1);
    gridLayout_16->addLayout(gridLayout_17, 0, 1, 1, 1);
    verticalLayout_12->addLayout(gridLayout_16);

    verticalSpacer_5 = newVerticalSpacer();
    verticalLayout_12->addItem(verticalSpacer_5);
    for (QLabel* option : {LblSettings_Language_4, LblSettings_Language_5, LblSettings_Language_2, LblSetTime_PM,
                           LblSettings_Language_3}) {
        option->setAlignment(Qt::AlignCenter);
    }
    stackedWidgetMenu->addWidget(PageTime);
}

void Ui_TTamarindMainForm::retranslatePageTime()
{
    label_20->setText(QCoreApplication::translate("TTamarindMainForm", "Date", nullptr));
    label_19->setText(QCoreApplication::translate("TTamarindMainForm", "Format", nullptr));
    LblSettings_Language_4->setToolTip(languageShortForm());
    LblSettings_Language_4->setText(QCoreApplication::translate("TTamarindMainForm", "dd/mm/yyyy", nullptr));
    LblSettings_Language_5->setToolTip(languageShortForm());
    LblSettings_Language_5->setText(QCoreApplication::translate("TTamarindMainForm", "mm/dd/yyyy", nullptr));
    label_18->setText(QCoreApplication::translate("TTamarindMainForm", "Time", nullptr));
    label_17->setText(QCoreApplication::translate("TTamarindMainForm", "Format", nullptr));
    LblSettings_Language_2->setToolTip(languageShortForm());
    LblSettings_Language_2->setText(QCoreApplication::translate("TTamarindMainForm", "24h", nullptr));
    LblSetTime_PM->setToolTip(languageShortForm());
    LblSetTime_PM->setText(QCoreApplication::translate("TTamarindMainForm", "PM", nullptr));
    LblSettings_Language_3->setToolTip(languageShortForm());
    LblSettings_Language_3->setText(QCoreApplication::translate("TTamarindMainForm", "AM", nullptr));
}

void Ui_TTamarindMainForm::setupPageSound()
{
    PageSound = newPage("PageSound", stackedWidgetMenu);
    verticalLayout_17 =
        layoutOn<QVBoxLayout>(PageSound, "verticalLayout_17", 2, StyleDefault, 1, StyleDefault, StyleDefault);

    label_22 = newHeading(PageSound, "label_22");
    verticalLayout_17->addWidget(label_22);
    gridLayout_22 = newPairGrid("gridLayout_22");
    buildRow(PageSound, BtnSoundKeys_on, gridLayout_25, LblSoundKeys_on, "BtnSoundKeys_on", "gridLayout_25",
             "LblSoundKeys_on");
    gridLayout_22->addWidget(BtnSoundKeys_on, 0, 0, 1, 1);
    buildRow(PageSound, BtnSoundKeys_off, gridLayout_26, LblSoundKeys_off, "BtnSoundKeys_off", "gridLayout_26",
             "LblSoundKeys_off");
    gridLayout_22->addWidget(BtnSoundKeys_off, 0, 1, 1, 1);
    verticalLayout_17->addLayout(gridLayout_22);

    label_23 = newHeading(PageSound, "label_23");
    verticalLayout_17->addWidget(label_23);
    gridLayout_28 = newPairGrid("gridLayout_28");
    buildRow(PageSound, BtnSoundAlarm_on, gridLayout_29, LblSoundAlarm_on, "BtnSoundAlarm_on", "gridLayout_29",
             "LblSoundAlarm_on");
    gridLayout_28->addWidget(BtnSoundAlarm_on, 0, 0, 1, 1);
    buildRow(PageSound, BtnSoundAlarm_off, gridLayout_30, LblSoundAlarm_off, "BtnSoundAlarm_off", "gridLayout_30",
             "LblSoundAlarm_off");
    gridLayout_28->addWidget(BtnSoundAlarm_off, 0, 1, 1, 1);
    verticalLayout_17->addLayout(gridLayout_28);

    verticalSpacer_2 = newVerticalSpacer();
    verticalLayout_17->addItem(verticalSpacer_2);
    // The buzzer builds the sound summary of the settings page from these labels' texts.
    for (QLabel* option : {LblSoundKeys_on, LblSoundKeys_off, LblSoundAlarm_on, LblSoundAlarm_off}) {
        option->setAlignment(Qt::AlignCenter);
    }
    stackedWidgetMenu->addWidget(PageSound);
}

void Ui_TTamarindMainForm::retranslatePageSound()
{
    label_22->setText(QCoreApplication::translate("TTamarindMainForm", "Keystroke sound", nullptr));
    LblSoundKeys_on->setToolTip(languageShortForm());
    LblSoundKeys_on->setText(QCoreApplication::translate("TTamarindMainForm", "On", nullptr));
    LblSoundKeys_off->setToolTip(languageShortForm());
    LblSoundKeys_off->setText(QCoreApplication::translate("TTamarindMainForm", "Off", nullptr));
    label_23->setText(QCoreApplication::translate("TTamarindMainForm", "Alarm sound", nullptr));
    LblSoundAlarm_on->setToolTip(languageShortForm());
    LblSoundAlarm_on->setText(QCoreApplication::translate("TTamarindMainForm", "On", nullptr));
    LblSoundAlarm_off->setToolTip(languageShortForm());
    LblSoundAlarm_off->setText(QCoreApplication::translate("TTamarindMainForm", "Off", nullptr));
}

void Ui_TTamarindMainForm::setupPageAlarmForProbes()
{
    PageAlarmForProbes = newPage("PageAlarmForProbes", stackedWidgetMenu);
    verticalLayout_78 =
        layoutOn<QVBoxLayout>(PageAlarmForProbes, "verticalLayout_78", 2, StyleDefault, 1, StyleDefault, StyleDefault);
    gridLayout_127 = newPairGrid("gridLayout_127");
    buildRow(PageAlarmForProbes, BtnProbeAlarms_On, gridLayout_160, LblProbeAlarms_On, "BtnProbeAlarms_On",
             "gridLayout_160", "LblProbeAlarms_On");
    LblProbeAlarms_On->setAlignment(Qt::AlignCenter);
    gridLayout_127->addWidget(BtnProbeAlarms_On, 0, 0, 1, 1);
    buildRow(PageAlarmForProbes, BtnProbeAlarms_Off, gridLayout_210, LblProbeAlarms_Off, "BtnProbeAlarms_Off",
             "gridLayout_210", "LblProbeAlarms_Off");
    LblProbeAlarms_Off->setAlignment(Qt::AlignCenter);
    gridLayout_127->addWidget(BtnProbeAlarms_Off, 0, 1, 1, 1);
    verticalLayout_78->addLayout(gridLayout_127);
    verticalSpacer_36 = newVerticalSpacer();
    verticalLayout_78->addItem(verticalSpacer_36);
    stackedWidgetMenu->addWidget(PageAlarmForProbes);
}

void Ui_TTamarindMainForm::retranslatePageAlarmForProbes()
{
    LblProbeAlarms_On->setText(QCoreApplication::translate("TTamarindMainForm", "On", nullptr));
    LblProbeAlarms_Off->setText(QCoreApplication::translate("TTamarindMainForm", "Off", nullptr));
}

void Ui_TTamarindMainForm::setupPageDataSeparator()
{
    PageDataSeparator = newPage("PageDataSeparator", stackedWidgetMenu);
    verticalLayout_11 =
        layoutOn<QVBoxLayout>(PageDataSeparator, "verticalLayout_11", 2, StyleDefault, 1, StyleDefault, StyleDefault);
    buildRow(PageDataSeparator, BtnDecSep_Point, horizontalLayout_29, LblDecSep_Point, "BtnDecSep_Point",
             "horizontalLayout_29", "LblDecSep_Point");
    verticalLayout_11->addWidget(BtnDecSep_Point);
    buildRow(PageDataSeparator, BtnDecSep_Comma, horizontalLayout_30, LblDecSep_Comma, "BtnDecSep_Comma",
             "horizontalLayout_30", "LblDecSep_Comma");
    verticalLayout_11->addWidget(BtnDecSep_Comma);
    verticalSpacer_4 = newVerticalSpacer();
    verticalLayout_11->addItem(verticalSpacer_4);
    stackedWidgetMenu->addWidget(PageDataSeparator);
}

void Ui_TTamarindMainForm::retranslatePageDataSeparator()
{
    LblDecSep_Point->setText(QCoreApplication::translate("TTamarindMainForm", ". (point)", nullptr));
    LblDecSep_Comma->setText(QCoreApplication::translate("TTamarindMainForm", ", (comma)", nullptr));
}

void Ui_TTamarindMainForm::setupPageRecalCycle()
{
    PageRecalCycle = newPage("PageRecalCycle", stackedWidgetMenu);
    verticalLayout_103 =
        layoutOn<QVBoxLayout>(PageRecalCycle, "verticalLayout_103", 2, StyleDefault, 0, StyleDefault, StyleDefault);
    label_167 = named(new QLabel(PageRecalCycle), "label_167");
    label_167->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    verticalLayout_103->addWidget(label_167);
    // Asks for the cycle in months (connected by name); the main window writes the cycle into it.
    BtnRecalCycle = named(new QZELKDialogButton(PageRecalCycle), "BtnRecalCycle");
    BtnRecalCycle->setStyleSheet(TStyleSheetCatalogue::sheet(ssMinHeight30));
    verticalLayout_103->addWidget(BtnRecalCycle);
    label_170 = named(new QLabel(PageRecalCycle), "label_170");
    label_170->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    verticalLayout_103->addWidget(label_170);

    // One row per calibration item: its caption and, at the right in smaller type, the date of its
    // next calibration, written by the main window.
    gridLayout_287 = nestedLayout<QGridLayout>("gridLayout_287", 6);
    auto caption = [this](const char* pName, int pRow) {
        QLabel* label = named(new QLabel(PageRecalCycle), pName);
        gridLayout_287->addWidget(label, pRow, 0, 1, 1);
        return label;
    };
    auto nextDate = [this](const char* pName, int pRow) {
        QLabel* label = named(new QLabel(PageRecalCycle), pName);
        label->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize14));
        label->setText(QString());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        gridLayout_287->addWidget(label, pRow, 1, 1, 1);
        return label;
    };
    label_178 = caption("label_178", 2);
    label_182 = caption("label_182", 7);
    label_181 = caption("label_181", 5);
    label_180 = caption("label_180", 4);
    LblLastCal_100R = nextDate("LblLastCal_100R", 1);
    LblLastCal_25R = nextDate("LblLastCal_25R", 0);
    label_177 = caption("label_177", 1);
    LblLastCal_TC4 = nextDate("LblLastCal_TC4", 5);
    LblLastCal_TC3 = nextDate("LblLastCal_TC3", 4);
    LblLastCal_CJC_Chan3 = nextDate("LblLastCal_CJC_Chan3", 7);
    label_171 = caption("label_171", 0);
    LblLastCal_10kR = nextDate("LblLastCal_10kR", 2);
    LblLastCal_100kR = nextDate("LblLastCal_100kR", 3);
    label_179 = caption("label_179", 3);
    label_185 = caption("label_185", 8);
    LblLastCal_CJC_Chan4 = nextDate("LblLastCal_CJC_Chan4", 8);
    label_200 = caption("label_200", 6);
    LblLastCal_TC_Ext = nextDate("LblLastCal_TC_Ext", 6);
    verticalLayout_103->addLayout(gridLayout_287);

    verticalSpacer_54 = newVerticalSpacer();
    verticalLayout_103->addItem(verticalSpacer_54);
    stackedWidgetMenu->addWidget(PageRecalCycle);
}

// The ohm sign U+2126 in the captions, not the Greek capital omega.
void Ui_TTamarindMainForm::retranslatePageRecalCycle()
{
    label_167->setText(QCoreApplication::translate("TTamarindMainForm", "Recal. cycle (months)", nullptr));
    label_170->setText(QCoreApplication::translate("TTamarindMainForm", "Next calibration", nullptr));
    label_178->setText(QCoreApplication::translate("TTamarindMainForm", "10 k\342\204\246 ref.", nullptr));
    label_182->setText(QCoreApplication::translate("TTamarindMainForm", "CJC chan. 3", nullptr));
    label_181->setText(QCoreApplication::translate("TTamarindMainForm", "TC chan. 4", nullptr));
    label_180->setText(QCoreApplication::translate("TTamarindMainForm", "TC chan. 3", nullptr));
    label_177->setText(QCoreApplication::translate("TTamarindMainForm", "100 \342\204\246 ref.", nullptr));
    label_171->setText(QCoreApplication::translate("TTamarindMainForm", "25 \342\204\246 ref.", nullptr));
    label_179->setText(QCoreApplication::translate("TTamarindMainForm", "100 k\342\204\246 ref.", nullptr));
    label_185->setText(QCoreApplication::translate("TTamarindMainForm", "CJC chan. 4", nullptr));
    label_200->setText(QCoreApplication::translate("TTamarindMainForm", "TC ext. chan.", nullptr));
}
