#pragma once

// The widget tree of the main window: the frame of two columns, the 16 pages of the main area
// (stackedWidget, left) and the 46 pages of the menu area (stackedWidgetMenu, right).
//
// How the form is written, so that it can be read and filled page by page:
// - Members are listed per page, in creation order, as M(Class, name) in a TAMARIND_MEMBERS_<page>
//   list. A list lives in the header of the page's group (tamarindmainform_ui_<group>.h); the class
//   below declares every list and walks them in forEachMember, so a member added to a list is
//   declared and covered by the whole-form checks at once. Each member bears its object's name.
// - Every page has one setup<page>() that creates the page, fills it and adds it to its stack, and
//   one retranslate<page>() that sets its translatable texts. Both live in the group's source file
//   (tamarindmainform_ui_<group>.cpp); setupUi and retranslateUi call them in page index order.
// - Style sheets come from TStyleSheetCatalogue by number; Form_helpers holds the form compiler's
//   habits (layouts with margins, StyleDefault margins, size policies, spacers, icons, fonts).
//   A push or dialog button that is to take its look from the page and root sheets gets ssEmpty,
//   which replaces the sheet its class sets itself. Clickable rows come from newClickableRow;
//   container buttons get setBorderRadius(6) and their labels in a layout on the button.
// - Translatable texts are written out as QCoreApplication::translate("TTamarindMainForm", text,
//   comment) so that lupdate finds them; a null QString() stands for an empty translatable text.
//   Untranslated texts are set in setup<page>() as QStringLiteral. Characters beyond ASCII are
//   escaped: \u escapes in QStringLiteral, octal UTF-8 bytes in translatable texts ("\302\260C"
//   for "degree C"), because lupdate misreads \u escapes.

#include "tamarindmainform_ui_calibration.h"
#include "tamarindmainform_ui_channelconfig.h"
#include "tamarindmainform_ui_graphscan.h"
#include "tamarindmainform_ui_logger.h"
#include "tamarindmainform_ui_menu.h"
#include "tamarindmainform_ui_probes.h"
#include "tamarindmainform_ui_remote.h"
#include "tamarindmainform_ui_selection.h"
#include "tamarindmainform_ui_service.h"
#include "tamarindmainform_ui_settings.h"
#include "tamarindmainform_ui_views.h"

#include "zelkappbutton.h"
#include "zelkdialogbutton.h"
#include "zelkgreypanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWidget>

// Left column down to the main page stack: the status bar with the page's icon and caption,
// the clock and the USB button.
#define TAMARIND_MEMBERS_FrameTop(M)                                                                                   \
    M(QWidget, wgtMain_Left)                                                                                           \
    M(QVBoxLayout, verticalLayout)                                                                                     \
    M(QZELKGreyPanel, PnlStatusBar)                                                                                    \
    M(QGridLayout, gridLayout_3)                                                                                       \
    M(QWidget, widget_4)                                                                                               \
    M(QHBoxLayout, horizontalLayout_12)                                                                                \
    M(QLabel, LblTitlebar)                                                                                             \
    M(QLabel, LblTitle)                                                                                                \
    M(QLabel, LblTime)                                                                                                 \
    M(QHBoxLayout, horizontalLayout_58)                                                                                \
    M(QLabel, LblTitleRight)                                                                                           \
    M(QZELKAppButton, BtnUSB)                                                                                          \
    M(QLabel, LblDownload)                                                                                             \
    M(QStackedWidget, stackedWidget)

// Below the main pages the information bar; the right column down to the menu page stack.
#define TAMARIND_MEMBERS_FrameMiddle(M)                                                                                \
    M(QZELKGreyPanel, pnlInformationBar)                                                                               \
    M(QGridLayout, gridLayout_56)                                                                                      \
    M(QLabel, lblInfoBarLeft)                                                                                          \
    M(QLabel, lblInfoBarCenter)                                                                                        \
    M(QLabel, lblInfoBarRight)                                                                                         \
    M(QWidget, wgtMain_Right)                                                                                          \
    M(QVBoxLayout, verticalLayout_104)                                                                                 \
    M(QZELKGreyPanel, qZELKGreyPanel_2)                                                                                \
    M(QHBoxLayout, horizontalLayout_8)                                                                                 \
    M(QLabel, LblMenuIcon)                                                                                             \
    M(QLabel, LblMenuCaption)                                                                                          \
    M(QStackedWidget, stackedWidgetMenu)

// Below the menu pages: the Return, Cancel and Save bar.
#define TAMARIND_MEMBERS_FrameBottom(M)                                                                                \
    M(QZELKGreyPanel, pnlMainMenuBottom)                                                                               \
    M(QHBoxLayout, horizontalLayout_9)                                                                                 \
    M(QZELKDialogButton, BtnReturnToMainMenu)                                                                          \
    M(QZELKDialogButton, BtnCancel)                                                                                    \
    M(QZELKDialogButton, BtnSave)                                                                                      \
    M(QSpacerItem, horizontalSpacer)

// Every member of the form in creation order: the pages of each stack in index order.
#define TAMARIND_MEMBERS(M)                                                                                            \
    TAMARIND_MEMBERS_FrameTop(M) TAMARIND_MEMBERS_PageHome(M) TAMARIND_MEMBERS_Page2ChannelView(                       \
        M) TAMARIND_MEMBERS_Page3ChannelView(M) TAMARIND_MEMBERS_Page4ChannelView(M)                                   \
        TAMARIND_MEMBERS_PageMultiChannelView(M) TAMARIND_MEMBERS_Page2DPlot(M) TAMARIND_MEMBERS_PageSettings(         \
            M) TAMARIND_MEMBERS_PageProbes(M) TAMARIND_MEMBERS_PageScan(M) TAMARIND_MEMBERS_PageLogger(M)              \
            TAMARIND_MEMBERS_PageRemote(M) TAMARIND_MEMBERS_PageCalibrationRoutines(M) TAMARIND_MEMBERS_PageInfo(      \
                M) TAMARIND_MEMBERS_PageService(M) TAMARIND_MEMBERS_PageDownload(M)                                    \
                TAMARIND_MEMBERS_PageDownloadListMain(M) TAMARIND_MEMBERS_FrameMiddle(M) TAMARIND_MEMBERS_PageMenu(    \
                    M) TAMARIND_MEMBERS_PageLangSettings(M) TAMARIND_MEMBERS_PageBacklightOff(M)                       \
                    TAMARIND_MEMBERS_PageBrightness(M) TAMARIND_MEMBERS_PageTime(M) TAMARIND_MEMBERS_PageSound(        \
                        M) TAMARIND_MEMBERS_PageAlarmForProbes(M) TAMARIND_MEMBERS_PageDataSeparator(M)                \
                        TAMARIND_MEMBERS_PageAverageValue(M) TAMARIND_MEMBERS_PageStdProbeSettings(                    \
                            M) TAMARIND_MEMBERS_PageFirmwareUpdateUI(M) TAMARIND_MEMBERS_PageUnitSelection(M)          \
                            TAMARIND_MEMBERS_PageGraphUnitAndScale(M) TAMARIND_MEMBERS_PageChannelSelection(           \
                                M) TAMARIND_MEMBERS_PageProbeSelection(M) TAMARIND_MEMBERS_PageChanConf_ZTM8800(M)     \
                                TAMARIND_MEMBERS_PageChanConf_SwitchBoxes(M) TAMARIND_MEMBERS_PageScanView(            \
                                    M) TAMARIND_MEMBERS_PagePRTEdit(M) TAMARIND_MEMBERS_PageTCEdit(M)                  \
                                    TAMARIND_MEMBERS_PageThermEdit(M) TAMARIND_MEMBERS_PageSmartProbeList(             \
                                        M) TAMARIND_MEMBERS_PageDownloadList(M) TAMARIND_MEMBERS_PageLogfile(M)        \
                                        TAMARIND_MEMBERS_PageLoggerMode(M) TAMARIND_MEMBERS_PageLoggerStartTime(       \
                                            M) TAMARIND_MEMBERS_PageLogInterval(M) TAMARIND_MEMBERS_PageLogDuration(M) \
                                            TAMARIND_MEMBERS_PageSelectProbeOrUnit(M) TAMARIND_MEMBERS_PageIPNetmask(  \
                                                M) TAMARIND_MEMBERS_PageGateway(M)                                     \
                                                TAMARIND_MEMBERS_PageGenericOnOff(M) TAMARIND_MEMBERS_PageBaudRate(    \
                                                    M) TAMARIND_MEMBERS_PageDataBits(M)                                \
                                                    TAMARIND_MEMBERS_PageStopBits(M) TAMARIND_MEMBERS_PageParity(      \
                                                        M) TAMARIND_MEMBERS_PageSmartProbeProg(M)                      \
                                                        TAMARIND_MEMBERS_PageRecalCycle(                               \
                                                            M) TAMARIND_MEMBERS_PageOperatingTime(M)                   \
                                                            TAMARIND_MEMBERS_PageInstrumentCalibration(                \
                                                                M) TAMARIND_MEMBERS_PageTwoPointCal(M)                 \
                                                                TAMARIND_MEMBERS_PageCJCOffset(M)                      \
                                                                    TAMARIND_MEMBERS_PageProbeCoeffFileList(M)         \
                                                                        TAMARIND_MEMBERS_PageEditCalibrationRoutine(M) \
                                                                            TAMARIND_MEMBERS_PageShowCalFile(M)        \
                                                                                TAMARIND_MEMBERS_PageCustomLogo(M)     \
                                                                                    TAMARIND_MEMBERS_FrameBottom(M)

// The form of the main window TTamarindMainForm. It owns nothing: Qt parenthood owns every widget,
// layout and spacer it creates. The main window and its screen controllers reach the widgets
// through the members.
class Ui_TTamarindMainForm
{
public:
#define TAMARIND_DECLARE_MEMBER(Class, name) Class* name = nullptr;
    TAMARIND_MEMBERS(TAMARIND_DECLARE_MEMBER)
#undef TAMARIND_DECLARE_MEMBER

    // Builds the whole tree on pForm (800 by 480, not resizable), sets the texts, shows page 0 of
    // both stacks and connects pForm's "on_<object name>_<signal>" slots by name.
    void setupUi(QWidget* pForm);
    // Sets every translatable text again from the installed translators; called once by setupUi
    // and again by the main window on each change of language.
    void retranslateUi(QWidget* pForm);

    // Calls pVisit(member name, member) for every member in creation order, for checks that must
    // cover the whole form.
    template <typename TVisitor> void forEachMember(TVisitor&& pVisit) const
    {
#define TAMARIND_VISIT_MEMBER(Class, name) pVisit(#name, name);
        TAMARIND_MEMBERS(TAMARIND_VISIT_MEMBER)
#undef TAMARIND_VISIT_MEMBER
    }

private:
    void setupFrameTop(QWidget* pForm);
    void setupFrameMiddle(QWidget* pForm);
    void setupFrameBottom();

    // Main area, in index order.
    void setupPageHome();
    void setupPage2ChannelView();
    void setupPage3ChannelView();
    void setupPage4ChannelView();
    void setupPageMultiChannelView();
    void setupPage2DPlot();
    void setupPageSettings();
    void setupPageProbes();
    void setupPageScan();
    void setupPageLogger();
    void setupPageRemote();
    void setupPageCalibrationRoutines();
    void setupPageInfo();
    void setupPageService();
    void setupPageDownload();
    void setupPageDownloadListMain();

    // Menu area, in index order.
    void setupPageMenu();
    void setupPageLangSettings();
    void setupPageBacklightOff();
    void setupPageBrightness();
    void setupPageTime();
    void setupPageSound();
    void setupPageAlarmForProbes();
    void setupPageDataSeparator();
    void setupPageAverageValue();
    void setupPageStdProbeSettings();
    void setupPageFirmwareUpdateUI();
    void setupPageUnitSelection();
    void setupPageGraphUnitAndScale();
    void setupPageChannelSelection();
    void setupPageProbeSelection();
    void setupPageChanConf_ZTM8800();
    void setupPageChanConf_SwitchBoxes();
    void setupPageScanView();
    void setupPagePRTEdit();
    void setupPageTCEdit();
    void setupPageThermEdit();
    void setupPageSmartProbeList();
    void setupPageDownloadList();
    void setupPageLogfile();
    void setupPageLoggerMode();
    void setupPageLoggerStartTime();
    void setupPageLogInterval();
    void setupPageLogDuration();
    void setupPageSelectProbeOrUnit();
    void setupPageIPNetmask();
    void setupPageGateway();
    void setupPageGenericOnOff();
    void setupPageBaudRate();
    void setupPageDataBits();
    void setupPageStopBits();
    void setupPageParity();
    void setupPageSmartProbeProg();
    void setupPageRecalCycle();
    void setupPageOperatingTime();
    void setupPageInstrumentCalibration();
    void setupPageTwoPointCal();
    void setupPageCJCOffset();
    void setupPageProbeCoeffFileList();
    void setupPageEditCalibrationRoutine();
    void setupPageShowCalFile();
    void setupPageCustomLogo();

    void retranslatePageHome();
    void retranslatePage2ChannelView();
    void retranslatePage3ChannelView();
    void retranslatePage4ChannelView();
    void retranslatePageMultiChannelView();
    void retranslatePage2DPlot();
    void retranslatePageSettings();
    void retranslatePageProbes();
    void retranslatePageScan();
    void retranslatePageLogger();
    void retranslatePageRemote();
    void retranslatePageCalibrationRoutines();
    void retranslatePageInfo();
    void retranslatePageService();
    void retranslatePageDownload();
    void retranslatePageDownloadListMain();

    void retranslatePageMenu();
    void retranslatePageLangSettings();
    void retranslatePageBacklightOff();
    void retranslatePageBrightness();
    void retranslatePageTime();
    void retranslatePageSound();
    void retranslatePageAlarmForProbes();
    void retranslatePageDataSeparator();
    void retranslatePageAverageValue();
    void retranslatePageStdProbeSettings();
    void retranslatePageFirmwareUpdateUI();
    void retranslatePageUnitSelection();
    void retranslatePageGraphUnitAndScale();
    void retranslatePageChannelSelection();
    void retranslatePageProbeSelection();
    void retranslatePageChanConf_ZTM8800();
    void retranslatePageChanConf_SwitchBoxes();
    void retranslatePageScanView();
    void retranslatePagePRTEdit();
    void retranslatePageTCEdit();
    void retranslatePageThermEdit();
    void retranslatePageSmartProbeList();
    void retranslatePageDownloadList();
    void retranslatePageLogfile();
    void retranslatePageLoggerMode();
    void retranslatePageLoggerStartTime();
    void retranslatePageLogInterval();
    void retranslatePageLogDuration();
    void retranslatePageSelectProbeOrUnit();
    void retranslatePageIPNetmask();
    void retranslatePageGateway();
    void retranslatePageGenericOnOff();
    void retranslatePageBaudRate();
    void retranslatePageDataBits();
    void retranslatePageStopBits();
    void retranslatePageParity();
    void retranslatePageSmartProbeProg();
    void retranslatePageRecalCycle();
    void retranslatePageOperatingTime();
    void retranslatePageInstrumentCalibration();
    void retranslatePageTwoPointCal();
    void retranslatePageCJCOffset();
    void retranslatePageProbeCoeffFileList();
    void retranslatePageEditCalibrationRoutine();
    void retranslatePageShowCalFile();
    void retranslatePageCustomLogo();
};
