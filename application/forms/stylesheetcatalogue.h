#pragma once

#include <QString>

// The style sheets of the main window, numbered in the order in which the form first sets them.
// Every widget of the window takes its sheet from here, so that a look is written once and a
// sheet is found by its number whichever page uses it.
enum EnStyleSheet {
    ssRoot = 1,                 // the whole window: colours, 18 px font, default look of the touch widgets
    ssStatusBar = 2,            // status bar buttons, orange while active
    ssEmpty = 3,                // replaces a button's own sheet so that it is styled by its ancestors
    ssUsbButton = 4,            // the USB button of the status bar
    ssPageStack = 5,            // page background of both page stacks
    ssSingleChannelView = 6,    // the blue tile of the single-channel view
    ssFontSize130 = 7,          // main value of the single-channel view
    ssMarginLeft3 = 8,          // SMART flags and warning icons
    ssMarginRight3 = 9,         // warning icons
    ssFontSize15 = 10,          // peak values
    ssTwoChannelView = 11,      // blue and green channel of the two-channel view
    ssFontSize65 = 12,          // main values of the two- and three-channel views
    ssTwoChannelDiffPanel = 13, // addresses a panel of another page: changes nothing where it is set
    ssTwoChannelDiffLabels = 14,
    ssThreeChannelView = 15, // blue, green and red channel
    ssFourChannelView = 16,  // blue, green, red and yellow channel
    ssFontSize45 = 17,       // main values of the four-channel view
    ssMarginLeft1 = 18,      // SMART flags of the four-channel view
    ssGraphPage = 19,        // one colour per channel button of the graph
    ssSectionHeading = 20,   // headings of the list pages
    ssClickableRow = 21,     // a plain widget row drawn as a dark button
    ssMarginLeft6 = 22,
    ssScanButtonPadding = 23,
    ssDialogButtonPadding = 24,
    ssCalibrationRoutineLabels = 25,
    ssInfoPage = 26,
    ssServiceLevelButton = 27,
    ssServiceHeading = 28,          // the heading of sheet 20, written differently
    ssServiceLevelLeaveButton = 29, // the button of sheet 27, written differently
    ssMainMenu = 30,                // the large grey menu buttons, orange while active
    ssMainMenuLabels = 31,
    ssFirmwarePanel = 32,
    ssUnitSelection = 33, // dialog buttons, orange while flat (selected)
    ssMarginLeft5Top5 = 34,
    ssDerivedChannelRow = 35, // clickable row with a disabled look
    ssMarginTopMinus4 = 36,
    ssFontSize13 = 37,
    ssLabelsFontSize13 = 38,
    ssMinHeight30 = 39,
    ssFontSize14 = 40,
    ssMarginTop5 = 41,
    ssCalibrationValueButton = 42,
    ssCoefficientFileButtons = 43,
    ssLabelsFontSize14 = 44,
    ssLabelsFontSize12 = 45,
    ssMarginTop9 = 46,
    ssCalibrationRoutineFields = 47, // the labels of sheet 38, written differently
    ssCalibrationRoutineAddress = 48,
    ssFontBold = 49,
    ssCalibrationFileRoutineName = 50,
    ssCalibrationFileField = 51,
    ssMenuBottomBar = 52 // Return, Cancel and Save bar
};

class TStyleSheetCatalogue
{
public:
    static constexpr int SHEET_COUNT = 52;

    // The sheet's text; an empty text for a number outside the catalogue.
    static QString sheet(EnStyleSheet pSheet);
};
