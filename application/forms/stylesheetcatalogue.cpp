#include "stylesheetcatalogue.h"

#include <QStringList>
#include <QVector>

namespace
{

// Gradient stops of the window's look. Qt's style sheets take them as "stop: position colour".
const char* const DARK_BUTTON = "stop: 0 #242424, stop: 0.05 #A0A0A0, stop: 0.4 #191919, stop: 1 #414141";
const char* const ORANGE = "stop: 0 #FF6600, stop: 0.1 #FFCC00, stop: 0.3 #FF6600, stop: 0.8 #FF9900";
const char* const BLUE_BUTTON = "stop: 0 #4990d0, stop: 0.05 #6ab3f4, stop: 0.25 #083a67, stop: 1 #0a5ca9";
const char* const DISABLED = "stop: 0 #333333, stop: 0.1 #FFFFFF, stop: 0.3 #999999, stop: 0.8 #444444";
const char* const GREEN_BUTTON = "stop: 0 #00A813, stop: 0.05 #00CE18, stop: 0.25 #005B0A, stop: 1 #007F0E";
const char* const RED_BUTTON = "stop: 0 #9E2A2E, stop: 0.05 #F45D67, stop: 0.25 #76100B, stop: 1 #E25857";
const char* const BLUE_PANEL = "stop: 0 #227FD3, stop: 1 #104474";
const char* const GREEN_PANEL = "stop: 0 #007F0E, stop: 1 #005B0A";
const char* const RED_PANEL = "stop: 0 #9F2C37, stop: 1 #7A1312";
const char* const YELLOW_PANEL = "stop: 0 #FF9300, stop: 1 #FF7C00";
const char* const GREY_MENU = "stop: 0 #626262, stop: 0.1 #CCCCCC, stop: 0.3 #161616";
const char* const VALUE_TEXT = "stop: 0 #FFFFFF, stop: 1 #B1B1B1";
const char* const SCROLL_HANDLE = "stop: 0 #626262, stop: 0.3 #cccccc, stop: 1 #4c4c4c";

QString topToBottom(const char* pStops)
{
    return QStringLiteral("QLinearGradient( x1: 0, y1: 0, x2: 0, y2: 1, %1)").arg(QLatin1String(pStops));
}

QString leftToRight(const char* pStops)
{
    return QStringLiteral("QLinearGradient( x1: 0, y1: 0, x2: 1, y2: 0, %1)").arg(QLatin1String(pStops));
}

QString background(const char* pStops)
{
    return QStringLiteral("background-color: ") + topToBottom(pStops);
}

QString rule(const QString& pSelector, const QStringList& pDeclarations)
{
    QString text = pSelector + QStringLiteral(" {\n");
    for (const QString& declaration : pDeclarations) {
        text += QStringLiteral("    ") + declaration + QStringLiteral(";\n");
    }
    return text + QStringLiteral("}\n");
}

QStringList darkButtonBlock()
{
    return {background(DARK_BUTTON), "border: 2px solid #252525", "border-radius: 6", "outline: none", "color: white"};
}

QStringList blueButtonBlock()
{
    return {"color: white",      background(BLUE_BUTTON),         "border: 2px solid #032343",
            "border-radius: 10", "qproperty-iconSize: 60px 75px", "outline: none"};
}

QStringList greyPanelBlock()
{
    return {"border: 2px solid #252525", "border-radius: 5px", "background-color: #414141", "outline: none"};
}

QString rootSheet()
{
    const QStringList indicator{
        "width: 24px",  "height: 24px", "border: 2px solid #252525", "border-radius: 5px", "background-color: #414141",
        "outline: none"};
    const QStringList canvas{"border-width: 2px", "border-color: #252525", "border-style: solid", "border-radius: 10",
                             "background-color: #414141"};
    const QStringList handle{QStringLiteral("background-color: ") + leftToRight(SCROLL_HANDLE), "border-radius: 3px",
                             "border: 1px solid #414141", "min-height: 25px"};
    return rule("#TTamarindMainForm", {"background-color: #333333"}) +
           rule("QWidget", {"font-family: \"Droid Sans\"", "font-size: 18px"}) + rule("QLabel", {"color: #FFFFFF"}) +
           rule("QCheckBox, QRadioButton", {"color: #FFFFFF"}) +
           rule("QCheckBox::indicator, QRadioButton::indicator", indicator) +
           rule("QCheckBox::indicator:checked, QRadioButton::indicator::checked", {"image: url(:/dialogs/accept)"}) +
           rule("QZELKDialogButton", darkButtonBlock()) +
           rule("QZELKDialogButton::pressed", {background(ORANGE), "color: black"}) +
           rule("QZELKPushButton", blueButtonBlock()) + rule("QZELKPushButton::pressed", {background(ORANGE)}) +
           rule("QZELKPushButton::disabled, QZELKDialogButton::disabled", {background(DISABLED), "color: #032343"}) +
           rule("QZELKGreyPanel", greyPanelBlock()) + rule("#pnlInformationBar QLabel", {"font-size: 14px"}) +
           rule("QwtPlotCanvas", canvas) + rule("QwtScaleWidget", {"color: #FFFFFF"}) +
           rule("QScrollBar:vertical", {"background-color: #333333", "width: 6px", "margin: 0", "border-radius: 3px"}) +
           rule("QScrollBar::handle:vertical", handle) + rule("QScrollBar::add-page:vertical", {"background: none"}) +
           rule("QScrollBar::sub-page:vertical", {"background: none"}) +
           rule("QScrollBar::add-line:vertical", {"background: none"}) +
           rule("QScrollBar::sub-line:vertical", {"background: none"}) +
           rule("QScrollArea > QWidget > QWidget", {"background-color: #333333"}) +
           rule("QZELKContainerCheckButton[checked=\"true\"] QLabel", {"color: black"}) +
           rule("QZELKContainerPushButton[isPressVisible=\"true\"] QLabel", {"color: black"});
}

QString singleChannelViewSheet()
{
    return rule("#widget", {"border: 2px solid #0F385E", "border-radius: 5px", background(BLUE_PANEL)}) +
           rule("#lblSingleViewMainVal", {QStringLiteral("color: ") + topToBottom(VALUE_TEXT), "font-weight: normal",
                                          "font-family: \"DejaVu Sans\""}) +
           rule("#btnSingleViewFreeze, #btnSingleViewRoot2", blueButtonBlock()) +
           rule("#btnSingleViewFreeze[flat=\"true\"], #btnSingleViewRoot2[flat=\"true\"]", {background(ORANGE)}) +
           rule("#pnlSingleViewCorrVal, #pnlSingleViewProbe, #pnlSingleViewResolution, #pnlSingleViewPeak",
                {"border: 2px solid #062C51", "border-radius: 10px", "background-color: #032343", "outline: none"});
}

// The colours of one channel of the multi-channel views. The blue channel takes its button look
// from the root sheet except for the two toggles; the others colour every button of the channel.
struct TChannelScheme
{
    bool mBlue;
    const char* mFrameBorder;
    const char* mFrameBackground;
    const char* mButtonBackground;
    const char* mButtonBorder;
    QStringList mPressed;
    const char* mPanelBorder;
    const char* mPanelBackground;
    const char* mDisabledProbeText;
};

const TChannelScheme& blueScheme()
{
    static const TChannelScheme scheme{true,
                                       "2px solid #0F385E",
                                       BLUE_PANEL,
                                       BLUE_BUTTON,
                                       "2px solid #032343",
                                       {background(ORANGE)},
                                       "2px solid #062C51",
                                       "#032343",
                                       nullptr};
    return scheme;
}

const TChannelScheme& greenScheme()
{
    static const TChannelScheme scheme{false,
                                       "2px solid #006304",
                                       GREEN_PANEL,
                                       GREEN_BUTTON,
                                       "2px solid #002D04",
                                       {background(ORANGE)},
                                       "2px solid #003802",
                                       "#002D02",
                                       "#002D02"};
    return scheme;
}

const TChannelScheme& redScheme()
{
    static const TChannelScheme scheme{false,
                                       "2px solid #560512",
                                       RED_PANEL,
                                       RED_BUTTON,
                                       "2px solid #440003",
                                       {background(ORANGE)},
                                       "2px solid #5B1212",
                                       "#4A0002",
                                       "#4A0002"};
    return scheme;
}

// The yellow channel is the reverse of the others: orange at rest, blue while pressed or selected.
const TChannelScheme& yellowScheme()
{
    static const TChannelScheme scheme{false,
                                       "2px solid #FF6126",
                                       YELLOW_PANEL,
                                       ORANGE,
                                       "2px solid #7F3300",
                                       {background(BLUE_BUTTON), "border: 2px solid #032343"},
                                       "2px solid #7F2A00",
                                       "#632200",
                                       "#632200"};
    return scheme;
}

struct TChannel
{
    const TChannelScheme& mScheme;
    const char* mFrame;
    const char* mSuffix;
};

QString channelRules(int pView, const TChannel& pChannel)
{
    const TChannelScheme& scheme = pChannel.mScheme;
    auto name = [&](const char* pKind, const char* pPart) {
        return QStringLiteral("#%1%2ChanView%3%4")
            .arg(QLatin1String(pKind))
            .arg(pView)
            .arg(QLatin1String(pPart), QLatin1String(pChannel.mSuffix));
    };
    auto selectors = [&](const char* pKind, std::initializer_list<const char*> pParts, const char* pState) {
        QStringList list;
        for (const char* part : pParts) {
            list << name(pKind, part) + QLatin1String(pState);
        }
        return list.join(QStringLiteral(", "));
    };

    QString text = rule(QStringLiteral("#") + QLatin1String(pChannel.mFrame),
                        {QStringLiteral("border: ") + QLatin1String(scheme.mFrameBorder), "border-radius: 5px",
                         background(scheme.mFrameBackground)});
    text += rule(name("Lbl", "MainValue"), {"color: white", "font-weight: normal", "font-family: \"DejaVu Sans\""});
    if (scheme.mBlue) {
        text += rule(selectors("Btn", {"Freeze", "Root2"}, ""), blueButtonBlock());
        text += rule(selectors("Btn", {"Freeze", "Root2"}, "[flat=\"true\"]"), scheme.mPressed);
    } else {
        text += rule(selectors("Btn", {"ChannelSel", "Freeze", "Unit", "Root2", "Probe"}, ""),
                     {"color: white", background(scheme.mButtonBackground),
                      QStringLiteral("border: ") + QLatin1String(scheme.mButtonBorder), "border-radius: 10",
                      "qproperty-iconSize: 60px 75px", "outline: none"});
        text += rule(selectors("Btn", {"ChannelSel", "Unit", "Probe"}, "::pressed"), scheme.mPressed);
        text += rule(selectors("Btn", {"Freeze", "Root2"}, "[flat=\"true\"]"), scheme.mPressed);
    }
    const QStringList panel{QStringLiteral("border: ") + QLatin1String(scheme.mPanelBorder), "border-radius: 10px",
                            QStringLiteral("background-color: ") + QLatin1String(scheme.mPanelBackground),
                            "outline: none"};
    // The four-channel view has no room for the electrical value panel.
    text += pView == 4 ? rule(name("Pnl", "Probe"), panel) : rule(selectors("Pnl", {"CorrVal", "Probe"}, ""), panel);
    if (!scheme.mBlue) {
        text += rule(name("Btn", "Probe") + QStringLiteral("::disabled"),
                     {background(DISABLED), QStringLiteral("color: ") + QLatin1String(scheme.mDisabledProbeText)});
    }
    return text;
}

QString channelViewSheet(int pView, const QVector<TChannel>& pChannels)
{
    QString text;
    for (const TChannel& channel : pChannels) {
        text += channelRules(pView, channel);
    }
    return text;
}

QString twoChannelViewSheet()
{
    const char* const buttons = "#Btn2ChanViewDiffUnit, #Btn2ChanViewResDec, #Btn2ChanViewResInc, "
                                "#Btn2ChanViewClearPeak";
    const char* const pressed = "#Btn2ChanViewDiffUnit::pressed, #Btn2ChanViewResDec::pressed, "
                                "#Btn2ChanViewResInc::pressed, #Btn2ChanViewClearPeak::pressed";
    return rule("#pnl2ChanViewDiff, #pnl2ChanViewResolution, #pnl2ChanViewPeak",
                {"border-radius: 10px", "outline: none"}) +
           rule(buttons, {background(DARK_BUTTON), "border: 2px solid #252525"}) + rule(pressed, {background(ORANGE)}) +
           rule("#Btn2ChanViewResDec::disabled, #Btn2ChanViewResInc::disabled",
                {background(DISABLED), "color: #444444"}) +
           channelViewSheet(2, {{blueScheme(), "Wgt2ChanViewTop", "_Top"}, {greenScheme(), "Wgt2ChanViewBtm", "_Btm"}});
}

QString graphPageSheet()
{
    struct TChannelButton
    {
        const char* mStops;
        const char* mBorder;
    };
    // Channel 1 keeps the blue look of the root sheet; channels 2 to 10 in the colours of their curves.
    const TChannelButton buttons[] = {
        {GREEN_BUTTON, "2px solid #002D04"},
        {RED_BUTTON, "2px solid #440003"},
        {ORANGE, "2px solid #7F3300"},
        {"stop: 0 #1B8258, stop: 0.1 #2FE297, stop: 0.3 #084B30, stop: 0.8 #0E7F51", "2px solid #063E28"},
        {"stop: 0 #7B2169, stop: 0.1 #D338B5, stop: 0.3 #480E3C, stop: 0.8 #781563", "2px solid #35092B"},
        {"stop: 0 #32217B, stop: 0.1 #553AD7, stop: 0.3 #1A0F4B, stop: 0.8 #271578", "2px solid #110935"},
        {"stop: 0 #7B5221, stop: 0.1 #D98E3A, stop: 0.3 #472B0C, stop: 0.8 #784A15", "2px solid #39240B"},
        {"stop: 0 #17848C, stop: 0.1 #23C3CE, stop: 0.3 #105D63, stop: 0.8 #167C83", "2px solid #0F585E"},
        {"stop: 0 #989898, stop: 0.1 #CACACA, stop: 0.3 #7B7B7B, stop: 0.8 #919191", "2px solid #717171"},
    };
    QString text;
    QStringList pressed;
    int channel = 2;
    for (const TChannelButton& button : buttons) {
        const QString selector = QStringLiteral("#Btn2DPlot_Chan%1").arg(channel);
        text += rule(selector, {"color: white", background(button.mStops),
                                QStringLiteral("border: ") + QLatin1String(button.mBorder), "border-radius: 10",
                                "qproperty-iconSize: 60px 75px", "outline: none"});
        // Channel 4 is orange at rest, so it turns blue when pressed.
        if (channel != 4) {
            pressed << selector + QStringLiteral("::pressed");
        }
        ++channel;
    }
    return text + rule(pressed.join(QStringLiteral(", ")), {background(ORANGE)}) +
           rule("#Btn2DPlot_Chan4::pressed", {background(BLUE_BUTTON), "border: 2px solid #032343"});
}

QString buildSheet(int pNumber)
{
    switch (pNumber) {
    case ssRoot:
        return rootSheet();
    case ssStatusBar:
        return rule("QZELKAppButton", darkButtonBlock()) +
               rule("QZELKAppButton[active=\"true\"]", {background(ORANGE)});
    case ssEmpty:
        return QString();
    case ssUsbButton:
        return QStringLiteral(
            "border-radius: 6px;\nmin-height: 19px;\nmin-width: 48px;\nqproperty-iconSize: 28px 14px;");
    case ssPageStack:
        return rule("QStackedWidget > QWidget", {"background-color: #333333"});
    case ssSingleChannelView:
        return singleChannelViewSheet();
    case ssFontSize130:
        return QStringLiteral("font-size: 130px;");
    case ssMarginLeft3:
        return QStringLiteral("margin-left: 3px;");
    case ssMarginRight3:
        return QStringLiteral("margin-right: 3px;");
    case ssFontSize15:
        return QStringLiteral("font-size: 15px;");
    case ssTwoChannelView:
        return twoChannelViewSheet();
    case ssFontSize65:
        return QStringLiteral("font-size: 65px;");
    case ssTwoChannelDiffPanel:
        // The malformed border width is kept: the selector matches nothing where the sheet is set.
        return rule("#pnlSingleViewResolution",
                    {"border: px solid #062C51", "border-radius: 10px", "background-color: #032343", "outline: none"});
    case ssTwoChannelDiffLabels:
        return rule("#pnlSingleViewProbe", {"font-style: italic"});
    case ssThreeChannelView:
        return channelViewSheet(3, {{blueScheme(), "Wgt3ChanViewTop", "_Top"},
                                    {greenScheme(), "Wgt3ChanViewMid", "_Mid"},
                                    {redScheme(), "Wgt3ChanViewBtm", "_Btm"}});
    case ssFourChannelView:
        return channelViewSheet(4, {{blueScheme(), "Wgt4ChanViewTopLeft", "_TopLeft"},
                                    {greenScheme(), "Wgt4ChanViewTopRight", "_TopRight"},
                                    {redScheme(), "Wgt4ChanViewBtmLeft", "_BtmLeft"},
                                    {yellowScheme(), "Wgt4ChanViewBtmRight", "_BtmRight"}});
    case ssFontSize45:
        return QStringLiteral("font-size: 45px;");
    case ssMarginLeft1:
        return QStringLiteral("margin-left: 1px;");
    case ssGraphPage:
        return graphPageSheet();
    case ssSectionHeading:
        return QStringLiteral("margin-left: 6px;\nmargin-top: 5px;");
    case ssClickableRow:
        // ".QWidget" matches plain rows only, not the labels inside them.
        return rule(".QWidget", darkButtonBlock());
    case ssMarginLeft6:
        return QStringLiteral("margin-left: 6px;");
    case ssScanButtonPadding:
        return QStringLiteral("padding-left: 16px;\npadding-right: 16px;");
    case ssDialogButtonPadding:
        return rule("QZELKDialogButton", {"padding-left: 9px", "padding-right: 9px"});
    case ssCalibrationRoutineLabels:
        return rule("QWidget > QLabel", {"margin-top: 5px", "margin-left: 6px"});
    case ssInfoPage:
        return rule("QWidget", {"font-size: 16px"});
    case ssServiceLevelButton:
        return QStringLiteral("margin-top: 16px;\nmin-height: 30px;");
    case ssServiceHeading:
        return QStringLiteral("margin-left: 6px; margin-top: 5px;");
    case ssServiceLevelLeaveButton:
        return QStringLiteral("margin-top: 16px; min-height: 30px;");
    case ssMainMenu:
        return rule("QZELKAppButton",
                    {"border: 2px solid #252525", "border-radius: 10", "qproperty-iconSize: 60px 68px",
                     "min-height:68px", "min-width:68px", "outline: none", background(GREY_MENU)}) +
               rule("QZELKAppButton[active=\"true\"]", {background(ORANGE)});
    case ssMainMenuLabels:
        return rule("QLabel", {"margin-bottom: 3px"});
    case ssFirmwarePanel:
        return rule(".QZELKGreyPanel", greyPanelBlock());
    case ssUnitSelection:
        return rule("QZELKDialogButton", darkButtonBlock()) +
               rule("QZELKDialogButton[flat=\"true\"]", {background(ORANGE), "color: black"});
    case ssMarginLeft5Top5:
        return QStringLiteral("margin-left: 5px;\nmargin-top: 5px;");
    case ssDerivedChannelRow:
        return rule(".QWidget", darkButtonBlock()) +
               rule(".QWidget::disabled", {background(DISABLED), "color: #444444"});
    case ssMarginTopMinus4:
        return QStringLiteral("margin-top: -4px");
    case ssFontSize13:
        return QStringLiteral("font-size: 13px;");
    case ssLabelsFontSize13:
        return rule("QLabel", {"font-size: 13px"});
    case ssMinHeight30:
        return QStringLiteral("min-height: 30px;");
    case ssFontSize14:
        return QStringLiteral("font-size: 14px;");
    case ssMarginTop5:
        return QStringLiteral("margin-top: 5px;");
    case ssCalibrationValueButton:
        return QStringLiteral("min-height: 30px;\nfont-size: 14px;");
    case ssCoefficientFileButtons:
        return rule("QZELKDialogButton", {"min-height: 32px"});
    case ssLabelsFontSize14:
        return rule("QLabel", {"font-size: 14px"});
    case ssLabelsFontSize12:
        return rule("QLabel", {"font-size: 12px"});
    case ssMarginTop9:
        return QStringLiteral("margin-top: 9px;");
    case ssCalibrationRoutineFields:
        return QStringLiteral("QLabel { font-size: 13px; }");
    case ssCalibrationRoutineAddress:
        return rule("QLabel", {"font-size: 11px"});
    case ssFontBold:
        return QStringLiteral("font-weight: bold;");
    case ssCalibrationFileRoutineName:
        return QStringLiteral("margin-bottom: 6px;\nmargin-left: -3px;\n");
    case ssCalibrationFileField:
        return QStringLiteral("margin-bottom: 6px;\nmargin-left: -3px;");
    case ssMenuBottomBar:
        return rule(".QZELKGreyPanel", greyPanelBlock()) + rule("QWidget", {"font-size: 15px"}) +
               rule("#BtnCancel, #BtnSave", darkButtonBlock()) +
               rule("#BtnCancel::pressed, #BtnSave::pressed", {background(ORANGE)});
    }
    return QString();
}

} // namespace

QString TStyleSheetCatalogue::sheet(EnStyleSheet pSheet)
{
    // Built once: the form sets some sheets on dozens of widgets.
    static const QVector<QString> sheets = [] {
        QVector<QString> all(SHEET_COUNT + 1);
        for (int number = 1; number <= SHEET_COUNT; ++number) {
            all[number] = buildSheet(number);
        }
        return all;
    }();
    const int number = pSheet;
    return number >= 1 && number <= SHEET_COUNT ? sheets.at(number) : QString();
}
