#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>
#include <QPalette>

using namespace Form_helpers;

namespace
{

// The members of a setting row of the logger page, filled by addSettingRow; the names are the
// members' own (see TAMARIND_SETTING_ROW).
struct TSettingRow
{
    QWidget*& mRow;
    QGridLayout*& mLayout;
    QLabel*& mCaption;
    QLabel*& mValue;
    const char* mRowName;
    const char* mLayoutName;
    const char* mCaptionName;
    const char* mValueName;
};

// clang-format off
#define TAMARIND_SETTING_ROW(row, layout, caption, value) \
    TSettingRow{row, layout, caption, value, #row, #layout, #caption, #value}
// clang-format on

// A clickable row with its caption at the left and the current value at the right, added at the
// end of pList. The value stays empty until the logger writes it.
void addSettingRow(QVBoxLayout* pList, const TSettingRow& oRow)
{
    oRow.mRow = newClickableRow(pList->parentWidget(), oRow.mRowName);
    oRow.mLayout = rowLayoutOn<QGridLayout>(oRow.mRow, oRow.mLayoutName);
    oRow.mCaption = named(new QLabel(oRow.mRow), oRow.mCaptionName);
    oRow.mLayout->addWidget(oRow.mCaption, 0, 0, 1, 1);
    oRow.mValue = named(new QLabel(oRow.mRow), oRow.mValueName);
    oRow.mValue->setText(QString());
    oRow.mValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    oRow.mLayout->addWidget(oRow.mValue, 0, 1, 1, 1);
    pList->addWidget(oRow.mRow);
}

// A dialog button drawn by the window's sheet instead of its own.
QZELKDialogButton* newPlainDialogButton(QWidget* pParent, const char* pName, QSize pMinimumSize)
{
    QZELKDialogButton* button = named(new QZELKDialogButton(pParent), pName);
    button->setMinimumSize(pMinimumSize);
    button->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    return button;
}

// A button that shows a number the user enters on the pad; "00" until the logger writes the value.
QZELKDialogButton* newEntryButton(QWidget* pParent, const char* pName)
{
    QZELKDialogButton* button = newPlainDialogButton(pParent, pName, QSize(0, 34));
    button->setText(QStringLiteral("00"));
    return button;
}

QLabel* newHeading(QWidget* pParent, const char* pName)
{
    QLabel* label = named(new QLabel(pParent), pName);
    label->setStyleSheet(TStyleSheetCatalogue::sheet(ssSectionHeading));
    return label;
}

// Preferred in both directions, taking pShare shares of the width of its row.
void setWidthShare(QWidget* pWidget, int pShare)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHorizontalStretch(pShare);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(pWidget->sizePolicy().hasHeightForWidth());
    pWidget->setSizePolicy(policy);
}

} // namespace

void Ui_TTamarindMainForm::setupPageLogger()
{
    PageLogger = newPage("PageLogger", stackedWidget);
    verticalLayout_5 = layoutOn<QVBoxLayout>(PageLogger, "verticalLayout_5", 2, 9, 1, 9, StyleDefault);
    label_109 = newHeading(PageLogger, "label_109");
    verticalLayout_5->addWidget(label_109);
    addSettingRow(verticalLayout_5,
                  TAMARIND_SETTING_ROW(BtnLogger_Mode, gridLayout_197, LblLogger_Mode, LblLogger_Mode_Val));
    addSettingRow(verticalLayout_5,
                  TAMARIND_SETTING_ROW(BtnLogger_Interval, gridLayout_198, LblLogger_Interval, LblLogger_Interval_Val));
    addSettingRow(verticalLayout_5, TAMARIND_SETTING_ROW(BtnLogger_StartTime, gridLayout_199, LblLogger_StartTime,
                                                         LblLogger_StartTime_Val));
    addSettingRow(verticalLayout_5,
                  TAMARIND_SETTING_ROW(BtnLogger_Duration, gridLayout_200, LblLogger_Duration, LblLogger_Duration_Val));

    // Start and Stop at the right end of their line.
    horizontalLayout_73 = nestedLayout<QHBoxLayout>("horizontalLayout_73", 2);
    horizontalSpacer_21 = newHorizontalSpacer();
    horizontalLayout_73->addItem(horizontalSpacer_21);
    BtnLogger_Start = newPlainDialogButton(PageLogger, "BtnLogger_Start", QSize(96, 34));
    horizontalLayout_73->addWidget(BtnLogger_Start);
    BtnLogger_Stop = newPlainDialogButton(PageLogger, "BtnLogger_Stop", QSize(96, 34));
    horizontalLayout_73->addWidget(BtnLogger_Stop);
    verticalLayout_5->addLayout(horizontalLayout_73);

    // The heading of the log files with Download and Delete, icons only, disabled until the
    // logger has a file to act on.
    horizontalLayout_76 = nestedLayout<QHBoxLayout>("horizontalLayout_76", 2);
    horizontalLayout_76->setContentsMargins(StyleDefault, 9, StyleDefault, StyleDefault);
    label_110 = newHeading(PageLogger, "label_110");
    horizontalLayout_76->addWidget(label_110);
    horizontalSpacer_22 = newHorizontalSpacer();
    horizontalLayout_76->addItem(horizontalSpacer_22);
    BtnLogger_Download = newPlainDialogButton(PageLogger, "BtnLogger_Download", QSize(36, 34));
    BtnLogger_Download->setEnabled(false);
    BtnLogger_Download->setIcon(iconFrom(":/common/res/download_dialog.png"));
    horizontalLayout_76->addWidget(BtnLogger_Download);
    BtnLogger_Delete = newPlainDialogButton(PageLogger, "BtnLogger_Delete", QSize(36, 34));
    BtnLogger_Delete->setEnabled(false);
    BtnLogger_Delete->setIcon(iconFrom(":/common/res/trash.png"));
    horizontalLayout_76->addWidget(BtnLogger_Delete);
    verticalLayout_5->addLayout(horizontalLayout_76);

    scrollAreaLogger = named(new TTouchScrollArea(PageLogger), "scrollAreaLogger");
    // A palette without roles: the area keeps the palette it inherits.
    scrollAreaLogger->setPalette(QPalette());
    setUpScrollArea(scrollAreaLogger);
    scrollAreaLoggerContents = named(new QWidget(scrollAreaLogger->viewport()), "scrollAreaLoggerContents");
    scrollAreaLoggerContents->setGeometry(QRect(0, 0, 100, 30));
    scrollAreaLoggerContents->setStyleSheet(TStyleSheetCatalogue::sheet(ssDialogButtonPadding));
    verticalLayout_73 = layoutOn<QVBoxLayout>(scrollAreaLoggerContents, "verticalLayout_73", 2, 0, 2, 0, 0);
    // The logger inserts one button per log file ahead of this spacer.
    verticalSpacer_31 = newVerticalSpacer();
    verticalLayout_73->addItem(verticalSpacer_31);
    scrollAreaLogger->setWidget(scrollAreaLoggerContents);
    verticalLayout_5->addWidget(scrollAreaLogger);

    stackedWidget->addWidget(PageLogger);
}

void Ui_TTamarindMainForm::retranslatePageLogger()
{
    label_109->setText(QCoreApplication::translate("TTamarindMainForm", "General", nullptr));
    LblLogger_Mode->setText(QCoreApplication::translate("TTamarindMainForm", "Mode", nullptr));
    LblLogger_Interval->setText(QCoreApplication::translate("TTamarindMainForm", "Interval", nullptr));
    LblLogger_StartTime->setText(QCoreApplication::translate("TTamarindMainForm", "Start time", nullptr));
    LblLogger_Duration->setText(QCoreApplication::translate("TTamarindMainForm", "Duration time", nullptr));
    BtnLogger_Start->setText(QCoreApplication::translate("TTamarindMainForm", "Start", nullptr));
    BtnLogger_Stop->setText(QCoreApplication::translate("TTamarindMainForm", "Stop", nullptr));
    label_110->setText(QCoreApplication::translate("TTamarindMainForm", "Logfiles", nullptr));
    BtnLogger_Download->setText(QString());
    BtnLogger_Delete->setText(QString());
}

void Ui_TTamarindMainForm::setupPageDownload()
{
    PageDownload = newPage("PageDownload", stackedWidget);
    verticalLayout_70 =
        layoutOn<QVBoxLayout>(PageDownload, "verticalLayout_70", 2, StyleDefault, 1, StyleDefault, StyleDefault);
    addRadioRow(verticalLayout_70, TAMARIND_RADIO_ROW(BtnDownload_Log, horizontalLayout_60, LblDownload_Log));
    addRadioRow(verticalLayout_70,
                TAMARIND_RADIO_ROW(BtnDownload_CalFiles, horizontalLayout_130, LblDownload_CalFiles));
    addRadioRow(verticalLayout_70, TAMARIND_RADIO_ROW(BtnDownload_Screen, horizontalLayout_62, LblDownload_Screen));
    addRadioRow(verticalLayout_70,
                TAMARIND_RADIO_ROW(BtnDownload_MeasProbes, horizontalLayout_63, LblDownload_MeasProbes));
    addRadioRow(verticalLayout_70,
                TAMARIND_RADIO_ROW(BtnDownload_SmartProbes, horizontalLayout_64, LblDownload_SmartProbes));
    addRadioRow(verticalLayout_70,
                TAMARIND_RADIO_ROW(BtnDownload_AllProbes, horizontalLayout_72, LblDownload_AllProbes));
    addRadioRow(verticalLayout_70,
                TAMARIND_RADIO_ROW(BtnDownload_InstrumentDetails, horizontalLayout_139, LblDownload_InstrumentDetails));
    addRadioRow(verticalLayout_70,
                TAMARIND_RADIO_ROW(BtnDownload_ProbeCoefficients, horizontalLayout_140, LblDownload_ProbeCoefficients));
    addRadioRow(verticalLayout_70,
                TAMARIND_RADIO_ROW(BtnDownload_ImportProbeCoeffs, horizontalLayout_107, LblDownload_ImportProbeCoeffs));
    // Takes the free height, so the eject row stays at the bottom of the page.
    verticalSpacer_29 = newVerticalSpacer();
    verticalLayout_70->addItem(verticalSpacer_29);
    addRadioRow(verticalLayout_70, TAMARIND_RADIO_ROW(BtnDownload_Eject, horizontalLayout_74, LblDownload_Eject));
    stackedWidget->addWidget(PageDownload);
}

void Ui_TTamarindMainForm::retranslatePageDownload()
{
    LblDownload_Log->setText(QCoreApplication::translate("TTamarindMainForm", "Logfiles", nullptr));
    LblDownload_CalFiles->setText(QCoreApplication::translate("TTamarindMainForm", "Calibration files", nullptr));
    LblDownload_Screen->setText(QCoreApplication::translate("TTamarindMainForm", "Screenshots", nullptr));
    LblDownload_MeasProbes->setText(QCoreApplication::translate("TTamarindMainForm", "Measured probes", nullptr));
    LblDownload_SmartProbes->setText(QCoreApplication::translate("TTamarindMainForm", "SMART probes", nullptr));
    LblDownload_AllProbes->setText(QCoreApplication::translate("TTamarindMainForm", "All probes", nullptr));
    LblDownload_InstrumentDetails->setText(
        QCoreApplication::translate("TTamarindMainForm", "Instrument details", nullptr));
    LblDownload_ProbeCoefficients->setText(
        QCoreApplication::translate("TTamarindMainForm", "Download probe coefficients", nullptr));
    // The download screens show this tool tip as the caption of the file choice.
    LblDownload_ImportProbeCoeffs->setToolTip(QCoreApplication::translate("TTamarindMainForm", "Select file", nullptr));
    LblDownload_ImportProbeCoeffs->setText(
        QCoreApplication::translate("TTamarindMainForm", "Import probe coefficients", nullptr));
    LblDownload_Eject->setText(QCoreApplication::translate("TTamarindMainForm", "Eject USB stick", nullptr));
}

void Ui_TTamarindMainForm::setupPageDownloadListMain()
{
    PageDownloadListMain = newPage("PageDownloadListMain", stackedWidget);
    verticalLayout_113 = layoutOn<QVBoxLayout>(PageDownloadListMain, "verticalLayout_113", 2, StyleDefault, 1,
                                               StyleDefault, StyleDefault);
    LblDownloadListCaption = newHeading(PageDownloadListMain, "LblDownloadListCaption");
    LblDownloadListCaption->setText(QStringLiteral("--caption--"));
    verticalLayout_113->addWidget(LblDownloadListCaption);
    scrollAreaDownloadList = named(new TTouchScrollArea(PageDownloadListMain), "scrollAreaDownloadList");
    setUpScrollArea(scrollAreaDownloadList);
    scrollAreaDownloadListWidget =
        named(new QWidget(scrollAreaDownloadList->viewport()), "scrollAreaDownloadListWidget");
    scrollAreaDownloadListWidget->setGeometry(QRect(0, 0, 100, 30));
    verticalLayout_72 =
        layoutOn<QVBoxLayout>(scrollAreaDownloadListWidget, "verticalLayout_72", 2, 0, 9, 0, StyleDefault);
    // The download screens insert one entry per file ahead of this spacer.
    verticalSpacer_30 = newVerticalSpacer();
    verticalLayout_72->addItem(verticalSpacer_30);
    scrollAreaDownloadList->setWidget(scrollAreaDownloadListWidget);
    verticalLayout_113->addWidget(scrollAreaDownloadList);
    stackedWidget->addWidget(PageDownloadListMain);
}

void Ui_TTamarindMainForm::retranslatePageDownloadListMain() {}

void Ui_TTamarindMainForm::setupPageDownloadList()
{
    PageDownloadList = newPage("PageDownloadList", stackedWidgetMenu);
    verticalLayout_71 = layoutOn<QVBoxLayout>(PageDownloadList, "verticalLayout_71", 0, 9, 0, 9, 0);
    // These four keep the look their class gives them.
    auto newAction = [this](const char* pName) {
        QZELKDialogButton* button = named(new QZELKDialogButton(PageDownloadList), pName);
        button->setMinimumSize(QSize(0, 34));
        verticalLayout_71->addWidget(button);
        return button;
    };
    BtnDownload_SelectAll = newAction("BtnDownload_SelectAll");
    BtnDownload_DeselectAll = newAction("BtnDownload_DeselectAll");
    BtnDownload_Download = newAction("BtnDownload_Download");
    BtnDownload_Delete = newAction("BtnDownload_Delete");
    verticalSpacer_58 = newVerticalSpacer();
    verticalLayout_71->addItem(verticalSpacer_58);
    stackedWidgetMenu->addWidget(PageDownloadList);
}

void Ui_TTamarindMainForm::retranslatePageDownloadList()
{
    BtnDownload_SelectAll->setText(QCoreApplication::translate("TTamarindMainForm", "Select all", nullptr));
    BtnDownload_DeselectAll->setText(QCoreApplication::translate("TTamarindMainForm", "Deselect all", nullptr));
    BtnDownload_Download->setText(QCoreApplication::translate("TTamarindMainForm", "Download selected", nullptr));
    BtnDownload_Delete->setText(QCoreApplication::translate("TTamarindMainForm", "Delete selected", nullptr));
}

void Ui_TTamarindMainForm::setupPageLogfile()
{
    PageLogfile = newPage("PageLogfile", stackedWidgetMenu);
    verticalLayout_76 = layoutOn<QVBoxLayout>(PageLogfile, "verticalLayout_76", 0, 0, 0, 0, 0);
    scrollAreaLogfileContent = named(new TTouchScrollArea(PageLogfile), "scrollAreaLogfileContent");
    setUpScrollArea(scrollAreaLogfileContent);
    scrollAreaLogfileContentWidget =
        named(new QWidget(scrollAreaLogfileContent->viewport()), "scrollAreaLogfileContentWidget");
    scrollAreaLogfileContentWidget->setGeometry(QRect(0, 0, 100, 30));
    scrollAreaLogfileContentWidget->setStyleSheet(TStyleSheetCatalogue::sheet(ssLabelsFontSize13));
    verticalLayout_74 = layoutOn<QVBoxLayout>(scrollAreaLogfileContentWidget, "verticalLayout_74", 1, StyleDefault, 0,
                                              StyleDefault, StyleDefault);
    // The logger inserts the lines of the opened log file ahead of this spacer.
    verticalSpacer_32 = newVerticalSpacer();
    verticalLayout_74->addItem(verticalSpacer_32);
    scrollAreaLogfileContent->setWidget(scrollAreaLogfileContentWidget);
    verticalLayout_76->addWidget(scrollAreaLogfileContent);
    stackedWidgetMenu->addWidget(PageLogfile);
}

void Ui_TTamarindMainForm::retranslatePageLogfile() {}

void Ui_TTamarindMainForm::setupPageLoggerMode()
{
    PageLoggerMode = newPage("PageLoggerMode", stackedWidgetMenu);
    verticalLayout_22 =
        layoutOn<QVBoxLayout>(PageLoggerMode, "verticalLayout_22", 2, StyleDefault, 0, StyleDefault, StyleDefault);
    addRadioRow(verticalLayout_22,
                TAMARIND_RADIO_ROW(BtnLogModeAutomatic, horizontalLayout_135, LblBacklightOff_10s_2));
    addRadioRow(verticalLayout_22, TAMARIND_RADIO_ROW(BtnLogModeManual, horizontalLayout_136, LblBacklightOff_10s_3));
    verticalSpacer_10 = newVerticalSpacer();
    verticalLayout_22->addItem(verticalSpacer_10);
    stackedWidgetMenu->addWidget(PageLoggerMode);
}

void Ui_TTamarindMainForm::retranslatePageLoggerMode()
{
    LblBacklightOff_10s_2->setText(QCoreApplication::translate("TTamarindMainForm", "Automatic", nullptr));
    LblBacklightOff_10s_3->setText(QCoreApplication::translate("TTamarindMainForm", "Manual", nullptr));
}

void Ui_TTamarindMainForm::setupPageLoggerStartTime()
{
    PageLoggerStartTime = newPage("PageLoggerStartTime", stackedWidgetMenu);
    verticalLayout_23 = layoutOn<QVBoxLayout>(PageLoggerStartTime, "verticalLayout_23", 2, 9, 0, StyleDefault, 9);

    widget_21 = named(new QWidget(PageLoggerStartTime), "widget_21");
    horizontalLayout_77 = layoutOn<QHBoxLayout>(widget_21, "horizontalLayout_77", 2, 0, 0, 0, 0);
    addRadioRow(horizontalLayout_77,
                TAMARIND_RADIO_ROW(BtnLog_StartTime_On, horizontalLayout_78, LblBacklightOff_10s_6), Qt::AlignCenter);
    addRadioRow(horizontalLayout_77,
                TAMARIND_RADIO_ROW(BtnLog_StartTime_Off, horizontalLayout_81, LblBacklightOff_10s_7), Qt::AlignCenter);
    verticalLayout_23->addWidget(widget_21);

    // The panel of the start date and time.
    WgtLogStartTime = named(new QWidget(PageLoggerStartTime), "WgtLogStartTime");
    verticalLayout_24 = layoutOn<QVBoxLayout>(WgtLogStartTime, "verticalLayout_24", 2, 0, 0, 0, 0);
    gridLayout_12 = nestedLayout<QGridLayout>("gridLayout_12", 6);
    label_111 = newHeading(WgtLogStartTime, "label_111");
    gridLayout_12->addWidget(label_111, 2, 0, 1, 1);
    LblLoggerStart_DateFormat = named(new QLabel(WgtLogStartTime), "LblLoggerStart_DateFormat");
    LblLoggerStart_DateFormat->setText(QStringLiteral("<format>"));
    LblLoggerStart_DateFormat->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gridLayout_12->addWidget(LblLoggerStart_DateFormat, 2, 1, 1, 1);
    verticalLayout_24->addLayout(gridLayout_12);

    // The first two fields of the user's date format side by side in the left cell, the year at
    // the right; the middle column stays empty.
    gridLayout_32 = nestedLayout<QGridLayout>("gridLayout_32", 6);
    gridLayout_32->setHorizontalSpacing(2);
    BtnLog_StartTime_DateYear = newEntryButton(WgtLogStartTime, "BtnLog_StartTime_DateYear");
    gridLayout_32->addWidget(BtnLog_StartTime_DateYear, 1, 2, 1, 1);
    gridLayout_196 = nestedLayout<QGridLayout>("gridLayout_196", 6);
    gridLayout_196->setHorizontalSpacing(2);
    BtnLog_StartTime_DateVal2 = newEntryButton(WgtLogStartTime, "BtnLog_StartTime_DateVal2");
    gridLayout_196->addWidget(BtnLog_StartTime_DateVal2, 0, 1, 1, 1);
    BtnLog_StartTime_DateVal1 = newEntryButton(WgtLogStartTime, "BtnLog_StartTime_DateVal1");
    gridLayout_196->addWidget(BtnLog_StartTime_DateVal1, 0, 0, 1, 1);
    gridLayout_32->addLayout(gridLayout_196, 1, 0, 1, 1);
    verticalLayout_24->addLayout(gridLayout_32);

    gridLayout_203 = nestedLayout<QGridLayout>("gridLayout_203", 6);
    label_112 = newHeading(WgtLogStartTime, "label_112");
    gridLayout_203->addWidget(label_112, 2, 0, 1, 1);
    verticalLayout_24->addLayout(gridLayout_203);

    gridLayout_201 = nestedLayout<QGridLayout>("gridLayout_201", 6);
    gridLayout_201->setHorizontalSpacing(2);
    BtnLog_StartTime_Hours = newEntryButton(WgtLogStartTime, "BtnLog_StartTime_Hours");
    gridLayout_201->addWidget(BtnLog_StartTime_Hours, 0, 0, 1, 1);
    BtnLog_StartTime_Minutes = newEntryButton(WgtLogStartTime, "BtnLog_StartTime_Minutes");
    gridLayout_201->addWidget(BtnLog_StartTime_Minutes, 0, 1, 1, 1);
    verticalLayout_24->addLayout(gridLayout_201);

    // The time format: 24h takes two shares of the width, AM and PM one each.
    widget_22 = named(new QWidget(WgtLogStartTime), "widget_22");
    horizontalLayout_82 = layoutOn<QHBoxLayout>(widget_22, "horizontalLayout_82", 2, 0, 0, 0, 0);
    addRadioRow(horizontalLayout_82,
                TAMARIND_RADIO_ROW(BtnLog_StartTime_24h, horizontalLayout_137, LblSettings_Language_6),
                Qt::AlignCenter);
    setWidthShare(BtnLog_StartTime_24h, 2);
    addRadioRow(horizontalLayout_82,
                TAMARIND_RADIO_ROW(BtnLog_StartTime_AM, horizontalLayout_138, LblSettings_Language_7), Qt::AlignCenter);
    setWidthShare(BtnLog_StartTime_AM, 1);
    addRadioRow(horizontalLayout_82, TAMARIND_RADIO_ROW(BtnLog_StartTime_PM, horizontalLayout_141, LblLog_StartTime_PM),
                Qt::AlignCenter);
    setWidthShare(BtnLog_StartTime_PM, 1);
    verticalLayout_24->addWidget(widget_22);
    verticalLayout_23->addWidget(WgtLogStartTime);

    verticalSpacer_33 = newVerticalSpacer();
    verticalLayout_23->addItem(verticalSpacer_33);
    stackedWidgetMenu->addWidget(PageLoggerStartTime);
}

void Ui_TTamarindMainForm::retranslatePageLoggerStartTime()
{
    LblBacklightOff_10s_6->setText(QCoreApplication::translate("TTamarindMainForm", "On", nullptr));
    LblBacklightOff_10s_7->setText(QCoreApplication::translate("TTamarindMainForm", "Off", nullptr));
    label_111->setText(QCoreApplication::translate("TTamarindMainForm", "Date", nullptr));
    label_112->setText(QCoreApplication::translate("TTamarindMainForm", "Time", nullptr));
    LblSettings_Language_6->setText(QCoreApplication::translate("TTamarindMainForm", "24h", nullptr));
    LblSettings_Language_7->setText(QCoreApplication::translate("TTamarindMainForm", "AM", nullptr));
    LblLog_StartTime_PM->setText(QCoreApplication::translate("TTamarindMainForm", "PM", nullptr));
}

void Ui_TTamarindMainForm::setupPageLogInterval()
{
    PageLogInterval = newPage("PageLogInterval", stackedWidgetMenu);
    verticalLayout_75 =
        layoutOn<QVBoxLayout>(PageLogInterval, "verticalLayout_75", 2, StyleDefault, 1, StyleDefault, StyleDefault);
    label_113 = newHeading(PageLogInterval, "label_113");
    verticalLayout_75->addWidget(label_113);
    // Keeps the look its class gives it; empty until the logger writes the interval.
    BtnLogIntervalValue = named(new QZELKDialogButton(PageLogInterval), "BtnLogIntervalValue");
    BtnLogIntervalValue->setMinimumSize(QSize(0, 34));
    verticalLayout_75->addWidget(BtnLogIntervalValue);
    verticalSpacer_34 = newVerticalSpacer();
    verticalLayout_75->addItem(verticalSpacer_34);
    stackedWidgetMenu->addWidget(PageLogInterval);
}

void Ui_TTamarindMainForm::retranslatePageLogInterval()
{
    label_113->setText(QCoreApplication::translate("TTamarindMainForm", "Interval [s]", nullptr));
}

void Ui_TTamarindMainForm::setupPageLogDuration()
{
    PageLogDuration = newPage("PageLogDuration", stackedWidgetMenu);
    verticalLayout_77 =
        layoutOn<QVBoxLayout>(PageLogDuration, "verticalLayout_77", 2, StyleDefault, 1, StyleDefault, StyleDefault);

    widget_23 = named(new QWidget(PageLogDuration), "widget_23");
    horizontalLayout_142 = layoutOn<QHBoxLayout>(widget_23, "horizontalLayout_142", 2, 0, 0, 0, 0);
    addRadioRow(horizontalLayout_142,
                TAMARIND_RADIO_ROW(BtnLog_DurationOn, horizontalLayout_143, LblBacklightOff_10s_8), Qt::AlignCenter);
    addRadioRow(horizontalLayout_142,
                TAMARIND_RADIO_ROW(BtnLog_DurationOff, horizontalLayout_145, LblBacklightOff_10s_9), Qt::AlignCenter);
    verticalLayout_77->addWidget(widget_23);

    // Days, hours and minutes, each number followed by its unit.
    WgtLogDuration = named(new QWidget(PageLogDuration), "WgtLogDuration");
    horizontalLayout_79 = layoutOn<QHBoxLayout>(WgtLogDuration, "horizontalLayout_79", 2, 0, 0, 0, 0);
    auto newNumber = [this](const char* pName) {
        QZELKDialogButton* button = newEntryButton(WgtLogDuration, pName);
        setSizePolicy(button, QSizePolicy::Expanding, QSizePolicy::Fixed);
        horizontalLayout_79->addWidget(button);
        return button;
    };
    auto newUnit = [this](const char* pName) {
        QLabel* label = named(new QLabel(WgtLogDuration), pName);
        horizontalLayout_79->addWidget(label);
        return label;
    };
    BtnLog_DurationDays = newNumber("BtnLog_DurationDays");
    label_28 = newUnit("label_28");
    BtnLog_DurationHours = newNumber("BtnLog_DurationHours");
    label_29 = newUnit("label_29");
    BtnLog_DurationMinutes = newNumber("BtnLog_DurationMinutes");
    label_30 = newUnit("label_30");
    verticalLayout_77->addWidget(WgtLogDuration);

    verticalSpacer_35 = newVerticalSpacer();
    verticalLayout_77->addItem(verticalSpacer_35);
    stackedWidgetMenu->addWidget(PageLogDuration);
}

void Ui_TTamarindMainForm::retranslatePageLogDuration()
{
    LblBacklightOff_10s_8->setText(QCoreApplication::translate("TTamarindMainForm", "On", nullptr));
    LblBacklightOff_10s_9->setText(QCoreApplication::translate("TTamarindMainForm", "Off", nullptr));
    label_28->setText(QCoreApplication::translate("TTamarindMainForm", "d", "short for \"days\""));
    label_29->setText(QCoreApplication::translate("TTamarindMainForm", "h", "short for \"hours\""));
    label_30->setText(QCoreApplication::translate("TTamarindMainForm", "min", "short for \"minutes\""));
}
