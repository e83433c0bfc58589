#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>

using namespace Form_helpers;

// A member and its object name, which the form keeps equal.
#define TAMARIND_NAMED(member) member, #member

namespace
{

// The members of a container button that holds one label, in a box layout installed on the button.
template <typename TButton> struct TContainerButton
{
    TButton*& mButton;
    const char* mButtonName;
    QHBoxLayout*& mLayout;
    const char* mLayoutName;
    QLabel*& mLabel;
    const char* mLabelName;
};

// How a container button lays out its label: like a clickable row (spacing 6, the style's margins at the sides, none
// above and below), or tight (no spacing, no margins).
enum EnLabelLayout { llRow, llTight };

// Builds the button with border radius 6 and its label on the button's own layout.
template <typename TButton>
TButton* buildContainerButton(QWidget* pParent, const TContainerButton<TButton>& oButton, EnLabelLayout pLayout,
                              Qt::Alignment pLabelItemAlignment = Qt::Alignment())
{
    oButton.mButton = named(new TButton(pParent), oButton.mButtonName);
    oButton.mButton->setBorderRadius(6);
    if (pLayout == llRow) {
        oButton.mLayout = rowLayoutOn<QHBoxLayout>(oButton.mButton, oButton.mLayoutName);
    } else {
        oButton.mLayout = layoutOn<QHBoxLayout>(oButton.mButton, oButton.mLayoutName, 0, 0, 0, 0, 0);
    }
    oButton.mLabel = named(new QLabel(oButton.mButton), oButton.mLabelName);
    oButton.mLayout->addWidget(oButton.mLabel, 0, pLabelItemAlignment);
    return oButton.mButton;
}

// The search and clear buttons of the routine list: a centred caption.
QZELKContainerPushButton* newCaptionButton(QWidget* pParent, const TContainerButton<QZELKContainerPushButton>& oButton)
{
    buildContainerButton(pParent, oButton, llTight)->setMinimumSize(QSize(128, 34));
    oButton.mLabel->setAlignment(Qt::AlignCenter);
    return oButton.mButton;
}

// The buttons of the routine editor that add a channel under test or a calibration point.
QZELKContainerPushButton* newAddButton(QWidget* pParent, const TContainerButton<QZELKContainerPushButton>& oButton)
{
    buildContainerButton(pParent, oButton, llRow)->setMaximumSize(QSize(16777215, 34));
    oButton.mLabel->setText(QStringLiteral("+"));
    oButton.mLabel->setAlignment(Qt::AlignCenter);
    return oButton.mButton;
}

// A value button of the routine editor: empty until the calibration screens put the value in.
QZELKContainerPushButton* newValueButton(QWidget* pParent, QZELKContainerPushButton*& oButton, const char* pName)
{
    oButton = named(new QZELKContainerPushButton(pParent), pName);
    oButton->setBorderRadius(6);
    return oButton;
}

// A caption of the stored routine's file: bold by font and by sheet.
QLabel* newFileCaption(QWidget* pParent, QLabel*& oLabel, const char* pName)
{
    oLabel = named(new QLabel(pParent), pName);
    oLabel->setFont(boldFont());
    oLabel->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontBold));
    return oLabel;
}

// A line of the stored routine's file with its caption at the left and its value at the right.
QWidget* newFileField(QWidget* pParent, QWidget*& oRow, const char* pRowName, QGridLayout*& oLayout,
                      const char* pLayoutName, QLabel*& oCaption, const char* pCaptionName, QLabel*& oValue,
                      const char* pValueName)
{
    oRow = named(new QWidget(pParent), pRowName);
    oRow->setStyleSheet(TStyleSheetCatalogue::sheet(ssCalibrationFileField));
    oLayout = layoutOn<QGridLayout>(oRow, pLayoutName, 6, 0, 0, 0, 0);
    oLayout->addWidget(newFileCaption(oRow, oCaption, pCaptionName), 0, 0, 1, 1);
    // Beside a long value the caption goes on to a second line rather than being cut off.
    oCaption->setWordWrap(true);
    oValue = named(new QLabel(oRow), pValueName);
    oValue->setText(QStringLiteral("<name>"));
    oValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    oLayout->addWidget(oValue, 0, 1, 1, 1);
    return oRow;
}

} // namespace

void Ui_TTamarindMainForm::setupPageCalibrationRoutines()
{
    PageCalibrationRoutines = newPage("PageCalibrationRoutines", stackedWidget);
    verticalLayout_107 = layoutOn<QVBoxLayout>(PageCalibrationRoutines, "verticalLayout_107", 2, 9, 1, 9, 9);

    widget_5 = named(new QWidget(PageCalibrationRoutines), "widget_5");
    widget_5->setStyleSheet(TStyleSheetCatalogue::sheet(ssCalibrationRoutineLabels));
    verticalLayout_108 = layoutOn<QVBoxLayout>(widget_5, "verticalLayout_108", 2, 0, 0, 0, 0);
    label_91 = named(new QLabel(widget_5), "label_91");
    verticalLayout_108->addWidget(label_91);
    verticalLayout_107->addWidget(widget_5);

    // The calibration screens read the tool tip of the label that this name leads to; the name is not translated.
    buildContainerButton(PageCalibrationRoutines,
                         TContainerButton<QZELKContainerRadioButton>{TAMARIND_NAMED(BtnNewCalibrationRoutine),
                                                                     TAMARIND_NAMED(horizontalLayout),
                                                                     TAMARIND_NAMED(LblNewCalibrationRoutine)},
                         llRow);
    BtnNewCalibrationRoutine->setStatusSourceLabelName(QStringLiteral("LblNewCalibrationRoutine"));
    verticalLayout_107->addWidget(BtnNewCalibrationRoutine);

    widget_12 = named(new QWidget(PageCalibrationRoutines), "widget_12");
    horizontalLayout_116 = layoutOn<QHBoxLayout>(widget_12, "horizontalLayout_116", 2, 0, 0, 0, 0);
    label_197 = named(new QLabel(widget_12), "label_197");
    horizontalLayout_116->addWidget(label_197);
    horizontalSpacer_24 = newHorizontalSpacer();
    horizontalLayout_116->addItem(horizontalSpacer_24);
    // The icon buttons stay disabled until a row of their list is chosen.
    BtnDeleteCalSetup = newIconButton(widget_12, "BtnDeleteCalSetup", ":/common/res/trash.png");
    horizontalLayout_116->addWidget(BtnDeleteCalSetup);
    newCaptionButton(widget_12, {TAMARIND_NAMED(BtnCalRoutineFilter), TAMARIND_NAMED(horizontalLayout_117),
                                 TAMARIND_NAMED(label_198)});
    horizontalLayout_116->addWidget(BtnCalRoutineFilter);
    verticalLayout_107->addWidget(widget_12);

    WgtCalRoutineFilter = named(new QWidget(PageCalibrationRoutines), "WgtCalRoutineFilter");
    horizontalLayout_118 = layoutOn<QHBoxLayout>(WgtCalRoutineFilter, "horizontalLayout_118", 2, 0, 0, 0, 0);
    horizontalSpacer_29 = newHorizontalSpacer();
    horizontalLayout_118->addItem(horizontalSpacer_29);
    label_199 = named(new QLabel(WgtCalRoutineFilter), "label_199");
    horizontalLayout_118->addWidget(label_199);
    LblCalRoutineFilter = named(new QLabel(WgtCalRoutineFilter), "LblCalRoutineFilter");
    LblCalRoutineFilter->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginLeft6));
    horizontalLayout_118->addWidget(LblCalRoutineFilter);
    newCaptionButton(WgtCalRoutineFilter, {TAMARIND_NAMED(BtnCalRoutineClearFilter),
                                           TAMARIND_NAMED(horizontalLayout_119), TAMARIND_NAMED(label_201)});
    horizontalLayout_118->addWidget(BtnCalRoutineClearFilter);
    verticalLayout_107->addWidget(WgtCalRoutineFilter);

    scrollAreaCalibrationRoutines =
        named(new TTouchScrollArea(PageCalibrationRoutines), "scrollAreaCalibrationRoutines");
    setUpScrollArea(scrollAreaCalibrationRoutines);
    WgtCalibrationSetupsParent =
        named(new QWidget(scrollAreaCalibrationRoutines->viewport()), "WgtCalibrationSetupsParent");
    WgtCalibrationSetupsParent->setGeometry(QRect(0, 0, 100, 30));
    verticalLayout_112 = layoutOn<QVBoxLayout>(WgtCalibrationSetupsParent, "verticalLayout_112", 2, 0, 0, 0, 0);
    verticalSpacer_11 = newVerticalSpacer();
    verticalLayout_112->addItem(verticalSpacer_11);
    scrollAreaCalibrationRoutines->setWidget(WgtCalibrationSetupsParent);
    verticalLayout_107->addWidget(scrollAreaCalibrationRoutines);

    widget_15 = named(new QWidget(PageCalibrationRoutines), "widget_15");
    horizontalLayout_120 = layoutOn<QHBoxLayout>(widget_15, "horizontalLayout_120", 2, 0, 6, 0, 0);
    label_202 = named(new QLabel(widget_15), "label_202");
    horizontalLayout_120->addWidget(label_202);
    horizontalSpacer_30 = newHorizontalSpacer();
    horizontalLayout_120->addItem(horizontalSpacer_30);
    BtnDownloadCalFile = newIconButton(widget_15, "BtnDownloadCalFile", ":/common/res/download_dialog.png");
    horizontalLayout_120->addWidget(BtnDownloadCalFile);
    BtnDeleteCalFile = newIconButton(widget_15, "BtnDeleteCalFile", ":/common/res/trash.png");
    horizontalLayout_120->addWidget(BtnDeleteCalFile);
    verticalLayout_107->addWidget(widget_15);

    // Result file names may be wider than the list: its horizontal scroll bar keeps the default.
    scrollAreaCalibrationFiles = named(new TTouchScrollArea(PageCalibrationRoutines), "scrollAreaCalibrationFiles");
    scrollAreaCalibrationFiles->setFrameShape(QFrame::NoFrame);
    scrollAreaCalibrationFiles->setWidgetResizable(true);
    WgtCalibrationFilesParent = named(new QWidget(scrollAreaCalibrationFiles->viewport()), "WgtCalibrationFilesParent");
    WgtCalibrationFilesParent->setGeometry(QRect(0, 0, 100, 30));
    verticalLayout_111 = layoutOn<QVBoxLayout>(WgtCalibrationFilesParent, "verticalLayout_111", 2, 0, 0, 0, 0);
    verticalSpacer_57 = newVerticalSpacer();
    verticalLayout_111->addItem(verticalSpacer_57);
    scrollAreaCalibrationFiles->setWidget(WgtCalibrationFilesParent);
    verticalLayout_107->addWidget(scrollAreaCalibrationFiles);

    stackedWidget->addWidget(PageCalibrationRoutines);
}

void Ui_TTamarindMainForm::retranslatePageCalibrationRoutines()
{
    label_91->setText(QCoreApplication::translate("TTamarindMainForm", "New calibration routine", nullptr));
    LblNewCalibrationRoutine->setToolTip(QCoreApplication::translate("TTamarindMainForm", "New routine", nullptr));
    LblNewCalibrationRoutine->setText(QCoreApplication::translate("TTamarindMainForm", "New routine", nullptr));
    label_197->setText(QCoreApplication::translate("TTamarindMainForm", "Configure existing routine", nullptr));
    BtnDeleteCalSetup->setText(QString());
    label_198->setText(QCoreApplication::translate("TTamarindMainForm", "Search...", nullptr));
    label_199->setText(QCoreApplication::translate("TTamarindMainForm", "Filter:", nullptr));
    LblCalRoutineFilter->setText(QString());
    label_201->setText(QCoreApplication::translate("TTamarindMainForm", "clear", nullptr));
    label_202->setText(QCoreApplication::translate("TTamarindMainForm", "Calibration files", nullptr));
    BtnDownloadCalFile->setText(QString());
    BtnDeleteCalFile->setText(QString());
}

void Ui_TTamarindMainForm::setupPageEditCalibrationRoutine()
{
    PageEditCalibrationRoutine = newPage("PageEditCalibrationRoutine", stackedWidgetMenu);
    verticalLayout_109 = layoutOn<QVBoxLayout>(PageEditCalibrationRoutine, "verticalLayout_109", 0, 0, 0, 0, 0);
    scrollAreaCallRoutineEdit = named(new TTouchScrollArea(PageEditCalibrationRoutine), "scrollAreaCallRoutineEdit");
    setUpScrollArea(scrollAreaCallRoutineEdit);
    QWidget* const editor = scrollAreaCallRoutineEditWidget =
        named(new QWidget(scrollAreaCallRoutineEdit->viewport()), "scrollAreaCallRoutineEditWidget");
    editor->setGeometry(QRect(0, 0, 246, 806));
    editor->setStyleSheet(TStyleSheetCatalogue::sheet(ssLabelsFontSize14));
    // Rows 5, 9, 10, 13 and 14 stay empty; the calibration screens put the rows of channels under test and of
    // calibration points there.
    QGridLayout* const grid = gridLayout_8 =
        layoutOn<QGridLayout>(editor, "gridLayout_8", 2, StyleDefault, 5, StyleDefault, StyleDefault);
    const QSize valueButtonMaximum(16777215, 34);

    grid->addWidget(newValueButton(editor, TAMARIND_NAMED(BtnCalRoutine_StabilityTime)), 8, 1, 1, 1);
    grid->addWidget(newValueButton(editor, TAMARIND_NAMED(BtnCalRoutine_HoldTime)), 11, 1, 1, 1);

    // The calibrators: one radio group, as the buttons share their parent.
    widget_10 = named(new QWidget(editor), "widget_10");
    widget_10->setStyleSheet(TStyleSheetCatalogue::sheet(ssLabelsFontSize12));
    verticalLayout_110 = layoutOn<QVBoxLayout>(widget_10, "verticalLayout_110", 2, 0, 0, 0, 0);
    using TCalibrator = TContainerButton<QZELKContainerRadioButton>;
    const struct
    {
        TCalibrator mMembers;
        const char* mModel;
    } calibrators[] = {
        {{TAMARIND_NAMED(BtnCalRoutine_DWK4400_COOL), TAMARIND_NAMED(horizontalLayout_109), TAMARIND_NAMED(label_183)},
         "DWK4400-COOL"},
        {{TAMARIND_NAMED(BtnCalRoutine_DWK4400_165), TAMARIND_NAMED(horizontalLayout_113), TAMARIND_NAMED(label_205)},
         "DWK4400-165"},
        {{TAMARIND_NAMED(BtnCalRoutine_DWK4400_450), TAMARIND_NAMED(horizontalLayout_123), TAMARIND_NAMED(label_206)},
         "DWK4400-450"},
        {{TAMARIND_NAMED(BtnCalRoutine_DWK4400_650), TAMARIND_NAMED(horizontalLayout_124), TAMARIND_NAMED(label_207)},
         "DWK4400-650"},
        {{TAMARIND_NAMED(BtnCalRoutine_DWK4400_1100), TAMARIND_NAMED(horizontalLayout_125), TAMARIND_NAMED(label_221)},
         "DWK4400-1100"},
        {{TAMARIND_NAMED(BtnCalRoutine_DWK4600_165), TAMARIND_NAMED(horizontalLayout_126), TAMARIND_NAMED(label_209)},
         "DWK4600-165"},
        {{TAMARIND_NAMED(BtnCalRoutine_DWK4600_650), TAMARIND_NAMED(horizontalLayout_110), TAMARIND_NAMED(label_186)},
         "DWK4600-650"},
        {{TAMARIND_NAMED(BtnCalRoutine_MBK2700_165), TAMARIND_NAMED(horizontalLayout_127), TAMARIND_NAMED(label_210)},
         "MBK2700-165"},
        {{TAMARIND_NAMED(BtnCalRoutine_MBK2700_225), TAMARIND_NAMED(horizontalLayout_128), TAMARIND_NAMED(label_211)},
         "MBK2700-225"},
        {{TAMARIND_NAMED(BtnCalRoutine_MBK2800), TAMARIND_NAMED(horizontalLayout_131), TAMARIND_NAMED(label_219)},
         "MBK2800"},
        {{TAMARIND_NAMED(BtnCalRoutine_MBK2900), TAMARIND_NAMED(horizontalLayout_132), TAMARIND_NAMED(label_220)},
         "MBK2900"},
        {{TAMARIND_NAMED(BtnCalRoutine_MFK5100_150), TAMARIND_NAMED(horizontalLayout_129), TAMARIND_NAMED(label_212)},
         "MFK5100-150"},
    };
    for (const auto& calibrator : calibrators) {
        const TCalibrator& members = calibrator.mMembers;
        buildContainerButton(widget_10, members, llRow)->setMaximumSize(valueButtonMaximum);
        // Model names are the same in every language.
        members.mLabel->setText(QString::fromLatin1(calibrator.mModel));
        verticalLayout_110->addWidget(members.mButton);
    }
    BtnCalRoutine_DWK4400_COOL->setChecked(true);
    grid->addWidget(widget_10, 1, 1, 1, 1);

    grid->addWidget(named(label_173 = new QLabel(editor), "label_173"), 0, 0, 1, 1);
    grid->addWidget(newAddButton(editor, {TAMARIND_NAMED(BtnCalRoutine_AddDUTChannel),
                                          TAMARIND_NAMED(horizontalLayout_111), TAMARIND_NAMED(label_189)}),
                    6, 1, 1, 1);

    // The reference channels: another radio group, two rows of two.
    widget_11 = named(new QWidget(editor), "widget_11");
    gridLayout_285 = layoutOn<QGridLayout>(widget_11, "gridLayout_285", 2, 0, 0, 0, 0);
    using TChannel = TContainerButton<QZELKContainerRadioButton>;
    const struct
    {
        TChannel mMembers;
        const char* mNumber;
        int mRow;
        int mColumn;
    } channels[] = {
        {{TAMARIND_NAMED(BtnCalRoutine_RefChan1), TAMARIND_NAMED(horizontalLayout_114), TAMARIND_NAMED(label_195)},
         "1",
         0,
         0},
        {{TAMARIND_NAMED(BtnCalRoutine_RefChan2), TAMARIND_NAMED(horizontalLayout_115), TAMARIND_NAMED(label_196)},
         "2",
         0,
         1},
        {{TAMARIND_NAMED(BtnCalRoutine_RefChan3), TAMARIND_NAMED(horizontalLayout_121), TAMARIND_NAMED(label_203)},
         "3",
         1,
         0},
        {{TAMARIND_NAMED(BtnCalRoutine_RefChan4), TAMARIND_NAMED(horizontalLayout_122), TAMARIND_NAMED(label_204)},
         "4",
         1,
         1},
    };
    for (const auto& channel : channels) {
        const TChannel& members = channel.mMembers;
        buildContainerButton(widget_11, members, llTight, Qt::AlignHCenter);
        members.mLabel->setText(QString::fromLatin1(channel.mNumber));
        gridLayout_285->addWidget(members.mButton, channel.mRow, channel.mColumn, 1, 1);
    }
    BtnCalRoutine_RefChan1->setChecked(true);
    grid->addWidget(widget_11, 4, 1, 1, 1);

    grid->addWidget(named(label_190 = new QLabel(editor), "label_190"), 7, 0, 1, 1);
    grid->addWidget(named(label_192 = new QLabel(editor), "label_192"), 11, 0, 1, 1);
    grid->addWidget(named(label_193 = new QLabel(editor), "label_193"), 12, 0, 1, 1);
    grid->addWidget(newValueButton(editor, TAMARIND_NAMED(BtnCalRoutine_Stability)), 7, 1, 1, 1);
    grid->addWidget(named(label_188 = new QLabel(editor), "label_188"), 6, 0, 1, 1);
    verticalSpacer_55 = newVerticalSpacer();
    grid->addItem(verticalSpacer_55, 15, 0, 1, 1);
    grid->addWidget(named(label_187 = new QLabel(editor), "label_187"), 4, 0, 1, 1, Qt::AlignTop);
    label_187->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginTop9));
    grid->addWidget(newValueButton(editor, TAMARIND_NAMED(BtnCalRoutine_Name)), 0, 1, 1, 1);
    BtnCalRoutine_Name->setMaximumSize(valueButtonMaximum);
    BtnCalRoutine_Name->setStyleSheet(TStyleSheetCatalogue::sheet(ssCalibrationRoutineFields));
    grid->addWidget(named(label_175 = new QLabel(editor), "label_175"), 1, 0, 1, 1, Qt::AlignTop);

    grid->addWidget(newAddButton(editor, {TAMARIND_NAMED(BtnCalRoutine_AddCalPoint),
                                          TAMARIND_NAMED(horizontalLayout_112), TAMARIND_NAMED(label_194)}),
                    12, 1, 1, 1);

    grid->addWidget(named(label_191 = new QLabel(editor), "label_191"), 8, 0, 1, 1);
    // The calibrator's network address: shown by the calibration screens for calibrators on Ethernet only.
    grid->addWidget(newValueButton(editor, TAMARIND_NAMED(BtnCalRoutine_IpAddress)), 2, 1, 1, 1);
    BtnCalRoutine_IpAddress->setMaximumSize(valueButtonMaximum);
    BtnCalRoutine_IpAddress->setStyleSheet(TStyleSheetCatalogue::sheet(ssCalibrationRoutineAddress));
    grid->addWidget(named(LblCalRoutine_IpAddress = new QLabel(editor), "LblCalRoutine_IpAddress"), 2, 0, 1, 1);
    LblCalRoutine_IpAddress->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginTop9));
    grid->addWidget(named(LblCalRoutine_Port = new QLabel(editor), "LblCalRoutine_Port"), 3, 0, 1, 1);
    LblCalRoutine_Port->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginTop9));
    grid->addWidget(newValueButton(editor, TAMARIND_NAMED(BtnCalRoutine_Port)), 3, 1, 1, 1);
    BtnCalRoutine_Port->setMaximumSize(valueButtonMaximum);
    BtnCalRoutine_Port->setStyleSheet(TStyleSheetCatalogue::sheet(ssCalibrationRoutineFields));

    // The captions and the widest calibrator name together can be wider than the menu column, which scrolls up
    // and down only: a caption breaks onto a second line rather than push the value buttons out of sight.
    for (QLabel* caption : {label_173, label_175, LblCalRoutine_IpAddress, LblCalRoutine_Port, label_187, label_188,
                            label_190, label_191, label_192, label_193}) {
        caption->setWordWrap(true);
    }

    scrollAreaCallRoutineEdit->setWidget(scrollAreaCallRoutineEditWidget);
    verticalLayout_109->addWidget(scrollAreaCallRoutineEdit);
    stackedWidgetMenu->addWidget(PageEditCalibrationRoutine);
}

void Ui_TTamarindMainForm::retranslatePageEditCalibrationRoutine()
{
    label_173->setText(QCoreApplication::translate("TTamarindMainForm", "Routine name", nullptr));
    label_190->setText(QCoreApplication::translate("TTamarindMainForm", "Stability [K]", nullptr));
    label_192->setText(QCoreApplication::translate("TTamarindMainForm", "Hold time [min]", nullptr));
    label_193->setText(QCoreApplication::translate("TTamarindMainForm", "Cal. points [\302\260C]", nullptr));
    label_188->setText(QCoreApplication::translate("TTamarindMainForm", "DUT channels", nullptr));
    label_187->setText(QCoreApplication::translate("TTamarindMainForm", "Reference channel", nullptr));
    label_175->setText(QCoreApplication::translate("TTamarindMainForm", "Source", nullptr));
    label_191->setText(QCoreApplication::translate("TTamarindMainForm", "Stability time [min]", nullptr));
    LblCalRoutine_IpAddress->setText(QCoreApplication::translate("TTamarindMainForm", "IP address", nullptr));
    LblCalRoutine_Port->setText(QCoreApplication::translate("TTamarindMainForm", "Port", nullptr));
}

void Ui_TTamarindMainForm::setupPageShowCalFile()
{
    PageShowCalFile = newPage("PageShowCalFile", stackedWidgetMenu);
    PageShowCalFile->setStyleSheet(TStyleSheetCatalogue::sheet(ssLabelsFontSize14));
    verticalLayout_114 =
        layoutOn<QVBoxLayout>(PageShowCalFile, "verticalLayout_114", 2, StyleDefault, 5, StyleDefault, 0);
    QVBoxLayout* const items = verticalLayout_114;

    items->addWidget(newFileCaption(PageShowCalFile, TAMARIND_NAMED(label_208)));
    LblShowCalFile_RoutineName = named(new QLabel(PageShowCalFile), "LblShowCalFile_RoutineName");
    LblShowCalFile_RoutineName->setStyleSheet(TStyleSheetCatalogue::sheet(ssCalibrationFileRoutineName));
    LblShowCalFile_RoutineName->setText(QStringLiteral("<name>"));
    items->addWidget(LblShowCalFile_RoutineName);
    items->addWidget(newFileCaption(PageShowCalFile, TAMARIND_NAMED(label_214)));
    LblShowCalFile_ReferenceProbe = named(new QLabel(PageShowCalFile), "LblShowCalFile_ReferenceProbe");
    LblShowCalFile_ReferenceProbe->setStyleSheet(TStyleSheetCatalogue::sheet(ssCalibrationFileField));
    LblShowCalFile_ReferenceProbe->setText(QStringLiteral("<name>"));
    items->addWidget(LblShowCalFile_ReferenceProbe);
    items->addWidget(newFileField(PageShowCalFile, TAMARIND_NAMED(widget_14), TAMARIND_NAMED(gridLayout_289),
                                  TAMARIND_NAMED(label_213), TAMARIND_NAMED(LblShowCalFile_Source)));
    items->addWidget(newFileField(PageShowCalFile, TAMARIND_NAMED(widget_16), TAMARIND_NAMED(gridLayout_290),
                                  TAMARIND_NAMED(label_215), TAMARIND_NAMED(LblShowCalFile_Stability)));
    items->addWidget(newFileField(PageShowCalFile, TAMARIND_NAMED(widget_17), TAMARIND_NAMED(gridLayout_291),
                                  TAMARIND_NAMED(label_216), TAMARIND_NAMED(LblShowCalFile_StabilityTime)));
    items->addWidget(newFileField(PageShowCalFile, TAMARIND_NAMED(widget_18), TAMARIND_NAMED(gridLayout_292),
                                  TAMARIND_NAMED(label_217), TAMARIND_NAMED(LblShowCalFile_HoldTime)));
    items->addWidget(newFileCaption(PageShowCalFile, TAMARIND_NAMED(label_218)));

    scrollAreaCalFile_DUTs = named(new TTouchScrollArea(PageShowCalFile), "scrollAreaCalFile_DUTs");
    setUpScrollArea(scrollAreaCalFile_DUTs);
    scrollAreaCalFile_DUTsWidget =
        named(new QWidget(scrollAreaCalFile_DUTs->viewport()), "scrollAreaCalFile_DUTsWidget");
    scrollAreaCalFile_DUTsWidget->setGeometry(QRect(0, 0, 100, 30));
    verticalLayout_115 = layoutOn<QVBoxLayout>(scrollAreaCalFile_DUTsWidget, "verticalLayout_115", 2, 6, 6, 6, 0);
    verticalSpacer_56 = newVerticalSpacer();
    verticalLayout_115->addItem(verticalSpacer_56);
    scrollAreaCalFile_DUTs->setWidget(scrollAreaCalFile_DUTsWidget);
    items->addWidget(scrollAreaCalFile_DUTs);

    stackedWidgetMenu->addWidget(PageShowCalFile);
}

void Ui_TTamarindMainForm::retranslatePageShowCalFile()
{
    // The same words as the editor's caption, but a key of its own.
    label_208->setText(QCoreApplication::translate("TTamarindMainForm", "Routine name", "View of a stored routine"));
    label_214->setText(QCoreApplication::translate("TTamarindMainForm", "Reference probe", nullptr));
    label_213->setText(QCoreApplication::translate("TTamarindMainForm", "Source", nullptr));
    label_215->setText(QCoreApplication::translate("TTamarindMainForm", "Stability [K]", nullptr));
    label_216->setText(QCoreApplication::translate("TTamarindMainForm", "Stability time [min]", nullptr));
    label_217->setText(QCoreApplication::translate("TTamarindMainForm", "Hold time [min]", nullptr));
    label_218->setText(QCoreApplication::translate("TTamarindMainForm", "Devices under test", nullptr));
}
