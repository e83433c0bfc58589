#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>

using namespace Form_helpers;

namespace
{

// A member of the form and the object name it bears, for the tiles that the channel views repeat
// under names that follow no pattern.
template <typename TObject> struct TNamed
{
    TObject*& mMember;
    const char* mName;

    TObject* create(QWidget* pParent) const { return mMember = named(new TObject(pParent), mName); }
    TObject* layoutOn(QWidget* pWidget, int pSpacing, int pLeft, int pTop, int pRight, int pBottom) const
    {
        return mMember = Form_helpers::layoutOn<TObject>(pWidget, mName, pSpacing, pLeft, pTop, pRight, pBottom);
    }
    TObject* nestedLayout(int pSpacing) const { return mMember = Form_helpers::nestedLayout<TObject>(mName, pSpacing); }
    TObject* keep(TObject* pObject) const { return mMember = pObject; }
};

// The braces that initialise a TNamed from a member of the form.
// clang-format off
#define TAMARIND_NAMED(member) {member, #member}
// clang-format on

// The tile of one channel on the two- and three-channel views.
struct TChannelTile
{
    TNamed<QWidget> mFrame;
    TNamed<QVBoxLayout> mLayout;
    TNamed<QWidget> mHeader;
    TNamed<QHBoxLayout> mHeaderLayout;
    TNamed<QVBoxLayout> mButtonColumn;
    TNamed<QZELKPushButton> mChannel;
    TNamed<QSpacerItem> mSpacer;
    TNamed<QLabel> mMainValue;
    TNamed<QHBoxLayout> mValueRow;
    TNamed<QZELKGreyPanel> mValuePanel;
    TNamed<QHBoxLayout> mValuePanelLayout;
    TNamed<QLabel> mValueCaption;
    TNamed<QLabel> mValue;
    TNamed<QZELKPushButton> mFreeze;
    TNamed<QZELKPushButton> mUnit;
    TNamed<QZELKGreyPanel> mProbePanel;
    TNamed<QHBoxLayout> mProbeLayout;
    TNamed<QLabel> mProbeCaption;
    TNamed<QLabel> mSmartFlag;
    TNamed<QLabel> mWarning;
    TNamed<QZELKPushButton> mRoot2;
    TNamed<QZELKPushButton> mProbe;
};

// The quarter tile of one channel on the four-channel view.
struct TQuarterTile
{
    TNamed<QWidget> mFrame;
    TNamed<QVBoxLayout> mLayout;
    TNamed<QHBoxLayout> mTopRow;
    TNamed<QZELKPushButton> mChannel;
    TNamed<QLabel> mWarning;
    TNamed<QSpacerItem> mSpacer;
    TNamed<QZELKPushButton> mRoot2;
    TNamed<QLabel> mMainValue;
    TNamed<QGridLayout> mButtonGrid;
    TNamed<QZELKPushButton> mFreeze;
    TNamed<QZELKPushButton> mUnit;
    TNamed<QZELKGreyPanel> mProbePanel;
    TNamed<QHBoxLayout> mProbeLayout;
    TNamed<QLabel> mProbeCaption;
    TNamed<QLabel> mSmartFlag;
    TNamed<QZELKPushButton> mProbe;
};

// A button of a channel view: its look comes from the page sheet and the root sheet.
QZELKPushButton* newViewButton(const TNamed<QZELKPushButton>& oButton, QWidget* pParent,
                               QSizePolicy::Policy pHorizontal, QSizePolicy::Policy pVertical, QSize pMinimum)
{
    QZELKPushButton* button = oButton.create(pParent);
    setSizePolicy(button, pHorizontal, pVertical);
    button->setMinimumSize(pMinimum);
    button->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    return button;
}

QLabel* newLabel(const TNamed<QLabel>& oLabel, QWidget* pParent, Qt::Alignment pAlignment)
{
    QLabel* label = oLabel.create(pParent);
    label->setAlignment(pAlignment);
    return label;
}

QLabel* newMainValue(const TNamed<QLabel>& oLabel, QWidget* pParent, EnStyleSheet pSize)
{
    QLabel* label = oLabel.create(pParent);
    setSizePolicy(label, QSizePolicy::Expanding, QSizePolicy::Expanding);
    label->setFont(mainValueFont());
    label->setStyleSheet(TStyleSheetCatalogue::sheet(pSize));
    label->setText(QStringLiteral("-20.000"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* newPeakValue(const TNamed<QLabel>& oLabel, QWidget* pParent, const char* pPlaceholder)
{
    QLabel* label = oLabel.create(pParent);
    label->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize15));
    label->setText(QString::fromLatin1(pPlaceholder));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QZELKGreyPanel* newValuePanel(const TNamed<QZELKGreyPanel>& oPanel, QWidget* pParent)
{
    QZELKGreyPanel* panel = oPanel.create(pParent);
    setSizePolicy(panel, QSizePolicy::Minimum, QSizePolicy::Fixed);
    panel->setMinimumSize(QSize(0, 35));
    return panel;
}

QLabel* newWarningIcon(const TNamed<QLabel>& oIcon, QWidget* pParent, EnStyleSheet pMargin, Qt::Alignment pAlignment)
{
    QLabel* icon = oIcon.create(pParent);
    icon->setStyleSheet(TStyleSheetCatalogue::sheet(pMargin));
    icon->setPixmap(QPixmap(QStringLiteral(":/common/res/warning_20px.png")));
    icon->setAlignment(pAlignment);
    return icon;
}

QLabel* newSmartFlag(const TNamed<QLabel>& oFlag, QWidget* pParent, EnStyleSheet pMargin)
{
    QLabel* flag = oFlag.create(pParent);
    setSizePolicy(flag, QSizePolicy::Expanding, QSizePolicy::Preferred);
    flag->setStyleSheet(TStyleSheetCatalogue::sheet(pMargin));
    flag->setText(QStringLiteral("(S)"));
    flag->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return flag;
}

// Builds the tile on pPage; the caller adds the returned frame to the page's layout.
QWidget* newChannelTile(const TChannelTile& oTile, QWidget* pPage)
{
    QWidget* frame = oTile.mFrame.create(pPage);
    QVBoxLayout* layout = oTile.mLayout.layoutOn(frame, 2, 6, 6, 6, 6);

    QWidget* header = oTile.mHeader.create(frame);
    setSizePolicy(header, QSizePolicy::Preferred, QSizePolicy::Fixed);
    QHBoxLayout* headerLayout = oTile.mHeaderLayout.layoutOn(header, 2, 0, 0, 0, 0);
    // The spacer below keeps the channel button at the top beside the main value.
    QVBoxLayout* buttonColumn = oTile.mButtonColumn.nestedLayout(6);
    QZELKPushButton* channel = newViewButton(oTile.mChannel, header, QSizePolicy::Fixed, QSizePolicy::Fixed, {128, 38});
    channel->setFont(windowFont());
    channel->setText(QStringLiteral("Chan 1"));
    buttonColumn->addWidget(channel);
    buttonColumn->addItem(oTile.mSpacer.keep(newVerticalSpacer()));
    headerLayout->addLayout(buttonColumn);
    headerLayout->addWidget(newMainValue(oTile.mMainValue, header, ssFontSize65));
    layout->addWidget(header);

    QHBoxLayout* valueRow = oTile.mValueRow.nestedLayout(2);
    QZELKGreyPanel* valuePanel = newValuePanel(oTile.mValuePanel, frame);
    QHBoxLayout* valuePanelLayout = oTile.mValuePanelLayout.layoutOn(valuePanel, 6, StyleDefault, 0, StyleDefault, 0);
    QLabel* valueCaption = newLabel(oTile.mValueCaption, valuePanel, Qt::AlignLeft | Qt::AlignVCenter);
    valueCaption->setText(QStringLiteral("Resistance"));
    valuePanelLayout->addWidget(valueCaption);
    QLabel* value = newLabel(oTile.mValue, valuePanel, Qt::AlignRight | Qt::AlignVCenter);
    // The Greek capital omega, not the ohm sign that other pages show.
    value->setText(QStringLiteral("107.79 \u03A9"));
    valuePanelLayout->addWidget(value);
    valueRow->addWidget(valuePanel);
    valueRow->addWidget(newViewButton(oTile.mFreeze, frame, QSizePolicy::Fixed, QSizePolicy::Minimum, {128, 0}));
    QZELKPushButton* unit = newViewButton(oTile.mUnit, frame, QSizePolicy::Fixed, QSizePolicy::Minimum, {128, 0});
    unit->setFont(windowFont());
    unit->setText(QStringLiteral("\u00B0C"));
    valueRow->addWidget(unit);
    layout->addLayout(valueRow);

    QZELKGreyPanel* probePanel = newValuePanel(oTile.mProbePanel, frame);
    QHBoxLayout* probeLayout = oTile.mProbeLayout.layoutOn(probePanel, 0, StyleDefault, 0, 0, 0);
    probeLayout->addWidget(newLabel(oTile.mProbeCaption, probePanel, Qt::AlignLeft | Qt::AlignVCenter));
    probeLayout->addWidget(newSmartFlag(oTile.mSmartFlag, probePanel, ssMarginLeft3));
    probeLayout->addWidget(
        newWarningIcon(oTile.mWarning, probePanel, ssMarginRight3, Qt::AlignRight | Qt::AlignVCenter));
    QZELKPushButton* root2 = newViewButton(oTile.mRoot2, probePanel, QSizePolicy::Fixed, QSizePolicy::Minimum, {64, 0});
    root2->setText(QStringLiteral("\u221A2"));
    probeLayout->addWidget(root2);
    QZELKPushButton* probe =
        newViewButton(oTile.mProbe, probePanel, QSizePolicy::Fixed, QSizePolicy::Minimum, {260, 0});
    probe->setText(QString());
    probeLayout->addWidget(probe);
    layout->addWidget(probePanel);
    return frame;
}

// Builds the quarter tile on pPage; the caller puts the returned frame into the page's grid.
QWidget* newQuarterTile(const TQuarterTile& oTile, QWidget* pPage)
{
    QWidget* frame = oTile.mFrame.create(pPage);
    QVBoxLayout* layout = oTile.mLayout.layoutOn(frame, 2, 4, 4, 4, 4);

    // The channel, warning and square root buttons share one row, held at 34 pixels.
    QHBoxLayout* topRow = oTile.mTopRow.nestedLayout(0);
    QZELKPushButton* channel = newViewButton(oTile.mChannel, frame, QSizePolicy::Fixed, QSizePolicy::Fixed, {128, 34});
    channel->setMaximumSize(QSize(QWIDGETSIZE_MAX, 34));
    channel->setFont(windowFont());
    channel->setText(QStringLiteral("Chan 1"));
    topRow->addWidget(channel);
    QLabel* warning = newWarningIcon(oTile.mWarning, frame, ssMarginLeft3, Qt::AlignCenter);
    setSizePolicy(warning, QSizePolicy::Minimum, QSizePolicy::Preferred);
    topRow->addWidget(warning);
    topRow->addItem(oTile.mSpacer.keep(newHorizontalSpacer()));
    QZELKPushButton* root2 = newViewButton(oTile.mRoot2, frame, QSizePolicy::Fixed, QSizePolicy::Minimum, {64, 34});
    root2->setMaximumSize(QSize(QWIDGETSIZE_MAX, 34));
    root2->setText(QStringLiteral("\u221A2"));
    topRow->addWidget(root2);
    layout->addLayout(topRow);

    layout->addWidget(newMainValue(oTile.mMainValue, frame, ssFontSize45));

    QGridLayout* buttonGrid = oTile.mButtonGrid.nestedLayout(1);
    QZELKPushButton* freeze =
        newViewButton(oTile.mFreeze, frame, QSizePolicy::Expanding, QSizePolicy::Minimum, {0, 34});
    freeze->setMaximumSize(QSize(QWIDGETSIZE_MAX, 34));
    buttonGrid->addWidget(freeze, 0, 0, 1, 1);
    QZELKPushButton* unit = newViewButton(oTile.mUnit, frame, QSizePolicy::Expanding, QSizePolicy::Minimum, {0, 34});
    unit->setFont(windowFont());
    unit->setText(QStringLiteral("\u00B0C"));
    buttonGrid->addWidget(unit, 0, 1, 1, 1);
    layout->addLayout(buttonGrid);

    QZELKGreyPanel* probePanel = newValuePanel(oTile.mProbePanel, frame);
    QHBoxLayout* probeLayout = oTile.mProbeLayout.layoutOn(probePanel, 0, StyleDefault, 0, 0, 0);
    probeLayout->addWidget(newLabel(oTile.mProbeCaption, probePanel, Qt::AlignLeft | Qt::AlignVCenter));
    probeLayout->addWidget(newSmartFlag(oTile.mSmartFlag, probePanel, ssMarginLeft1));
    QZELKPushButton* probe =
        newViewButton(oTile.mProbe, probePanel, QSizePolicy::Fixed, QSizePolicy::Minimum, {160, 0});
    probe->setText(QString());
    probeLayout->addWidget(probe);
    layout->addWidget(probePanel);
    return frame;
}

void retranslateTile(QPushButton* pFreeze, QLabel* pProbeCaption)
{
    pFreeze->setText(QCoreApplication::translate("TTamarindMainForm", "Freeze", nullptr));
    pProbeCaption->setText(QCoreApplication::translate("TTamarindMainForm", "Probe", nullptr));
}

} // namespace

void Ui_TTamarindMainForm::setupPageHome()
{
    PageHome = newPage("PageHome", stackedWidget);
    horizontalLayout_10 = layoutOn<QHBoxLayout>(PageHome, "horizontalLayout_10", 6, 0, 0, 0, 0);
    widget = named(new QWidget(PageHome), "widget");
    widget->setStyleSheet(TStyleSheetCatalogue::sheet(ssSingleChannelView));
    verticalLayout_4 = layoutOn<QVBoxLayout>(widget, "verticalLayout_4", 2, 6, 6, 6, 6);

    widget_2 = named(new QWidget(widget), "widget_2");
    setSizePolicy(widget_2, QSizePolicy::Preferred, QSizePolicy::Fixed);
    gridLayout_246 = layoutOn<QGridLayout>(widget_2, "gridLayout_246", 6, 0, 0, StyleDefault, 0);
    btnSingleViewChanSel = named(new QZELKPushButton(widget_2), "btnSingleViewChanSel");
    setSizePolicy(btnSingleViewChanSel, QSizePolicy::Fixed, QSizePolicy::Fixed);
    btnSingleViewChanSel->setMinimumSize(QSize(128, 38));
    btnSingleViewChanSel->setFont(windowFont());
    btnSingleViewChanSel->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    btnSingleViewChanSel->setText(QStringLiteral("Chan 1"));
    gridLayout_246->addWidget(btnSingleViewChanSel, 0, 0, 1, 1);
    widget_3 = named(new QWidget(widget_2), "widget_3");
    gridLayout_246->addWidget(widget_3, 0, 1, 1, 1);
    verticalLayout_4->addWidget(widget_2);

    lblSingleViewMainVal = named(new QLabel(widget), "lblSingleViewMainVal");
    setSizePolicy(lblSingleViewMainVal, QSizePolicy::Preferred, QSizePolicy::Expanding);
    lblSingleViewMainVal->setFont(mainValueFont());
    lblSingleViewMainVal->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize130));
    lblSingleViewMainVal->setText(QStringLiteral("-20.000"));
    lblSingleViewMainVal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    verticalLayout_4->addWidget(lblSingleViewMainVal);

    horizontalLayout_5 = nestedLayout<QHBoxLayout>("horizontalLayout_5", 2);
    pnlSingleViewCorrVal = named(new QZELKGreyPanel(widget), "pnlSingleViewCorrVal");
    setSizePolicy(pnlSingleViewCorrVal, QSizePolicy::Minimum, QSizePolicy::Fixed);
    pnlSingleViewCorrVal->setMinimumSize(QSize(0, 40));
    horizontalLayout_6 =
        layoutOn<QHBoxLayout>(pnlSingleViewCorrVal, "horizontalLayout_6", 6, StyleDefault, 0, StyleDefault, 0);
    lblSingleViewCorrCaption = named(new QLabel(pnlSingleViewCorrVal), "lblSingleViewCorrCaption");
    lblSingleViewCorrCaption->setText(QStringLiteral("Resistance"));
    lblSingleViewCorrCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalLayout_6->addWidget(lblSingleViewCorrCaption);
    lblSingleViewCorrVal = named(new QLabel(pnlSingleViewCorrVal), "lblSingleViewCorrVal");
    // The Greek capital omega, not the ohm sign that other pages show.
    lblSingleViewCorrVal->setText(QStringLiteral("107.79 \u03A9"));
    lblSingleViewCorrVal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    horizontalLayout_6->addWidget(lblSingleViewCorrVal);
    horizontalLayout_5->addWidget(pnlSingleViewCorrVal);
    btnSingleViewFreeze = named(new QZELKPushButton(widget), "btnSingleViewFreeze");
    setSizePolicy(btnSingleViewFreeze, QSizePolicy::Fixed, QSizePolicy::Minimum);
    btnSingleViewFreeze->setMinimumSize(QSize(128, 0));
    btnSingleViewFreeze->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    horizontalLayout_5->addWidget(btnSingleViewFreeze);
    btnSingleViewUnit = named(new QZELKPushButton(widget), "btnSingleViewUnit");
    setSizePolicy(btnSingleViewUnit, QSizePolicy::Fixed, QSizePolicy::Minimum);
    btnSingleViewUnit->setMinimumSize(QSize(128, 0));
    btnSingleViewUnit->setFont(windowFont());
    btnSingleViewUnit->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    btnSingleViewUnit->setText(QStringLiteral("\u00B0C"));
    horizontalLayout_5->addWidget(btnSingleViewUnit);
    verticalLayout_4->addLayout(horizontalLayout_5);

    pnlSingleViewProbe = named(new QZELKGreyPanel(widget), "pnlSingleViewProbe");
    setSizePolicy(pnlSingleViewProbe, QSizePolicy::Minimum, QSizePolicy::Fixed);
    pnlSingleViewProbe->setMinimumSize(QSize(0, 40));
    horizontalLayout_4 = layoutOn<QHBoxLayout>(pnlSingleViewProbe, "horizontalLayout_4", 0, StyleDefault, 0, 0, 0);
    lblSingleViewProbe = named(new QLabel(pnlSingleViewProbe), "lblSingleViewProbe");
    lblSingleViewProbe->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalLayout_4->addWidget(lblSingleViewProbe);
    lblSingleViewProbe_SmartFlag = named(new QLabel(pnlSingleViewProbe), "lblSingleViewProbe_SmartFlag");
    setSizePolicy(lblSingleViewProbe_SmartFlag, QSizePolicy::Expanding, QSizePolicy::Preferred);
    lblSingleViewProbe_SmartFlag->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginLeft3));
    lblSingleViewProbe_SmartFlag->setText(QStringLiteral("(S)"));
    lblSingleViewProbe_SmartFlag->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalLayout_4->addWidget(lblSingleViewProbe_SmartFlag);
    IconWarning_SingleChannelView = named(new QLabel(pnlSingleViewProbe), "IconWarning_SingleChannelView");
    IconWarning_SingleChannelView->setStyleSheet(TStyleSheetCatalogue::sheet(ssMarginRight3));
    IconWarning_SingleChannelView->setPixmap(QPixmap(QStringLiteral(":/common/res/warning_20px.png")));
    IconWarning_SingleChannelView->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    horizontalLayout_4->addWidget(IconWarning_SingleChannelView);
    btnSingleViewRoot2 = named(new QZELKPushButton(pnlSingleViewProbe), "btnSingleViewRoot2");
    setSizePolicy(btnSingleViewRoot2, QSizePolicy::Fixed, QSizePolicy::Minimum);
    btnSingleViewRoot2->setMinimumSize(QSize(64, 0));
    btnSingleViewRoot2->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    btnSingleViewRoot2->setText(QStringLiteral("\u221A2"));
    horizontalLayout_4->addWidget(btnSingleViewRoot2);
    // The only push button of the form that keeps the look its class gives it.
    btnSingleViewProbe = named(new QZELKPushButton(pnlSingleViewProbe), "btnSingleViewProbe");
    setSizePolicy(btnSingleViewProbe, QSizePolicy::Fixed, QSizePolicy::Minimum);
    btnSingleViewProbe->setMinimumSize(QSize(260, 0));
    btnSingleViewProbe->setText(QString());
    horizontalLayout_4->addWidget(btnSingleViewProbe);
    verticalLayout_4->addWidget(pnlSingleViewProbe);

    pnlSingleViewResolution = named(new QZELKGreyPanel(widget), "pnlSingleViewResolution");
    setSizePolicy(pnlSingleViewResolution, QSizePolicy::Minimum, QSizePolicy::Fixed);
    pnlSingleViewResolution->setMinimumSize(QSize(0, 40));
    horizontalLayout_3 = layoutOn<QHBoxLayout>(pnlSingleViewResolution, "horizontalLayout_3", 6, 0, 0, 0, 0);
    btnSingleViewDecRes = named(new QZELKPushButton(pnlSingleViewResolution), "btnSingleViewDecRes");
    setSizePolicy(btnSingleViewDecRes, QSizePolicy::Fixed, QSizePolicy::Minimum);
    btnSingleViewDecRes->setMinimumSize(QSize(130, 0));
    btnSingleViewDecRes->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    btnSingleViewDecRes->setText(QStringLiteral("-"));
    horizontalLayout_3->addWidget(btnSingleViewDecRes);
    LblTime_3 = named(new QLabel(pnlSingleViewResolution), "LblTime_3");
    LblTime_3->setAlignment(Qt::AlignCenter);
    horizontalLayout_3->addWidget(LblTime_3);
    btnSingleViewIncRes = named(new QZELKPushButton(pnlSingleViewResolution), "btnSingleViewIncRes");
    setSizePolicy(btnSingleViewIncRes, QSizePolicy::Fixed, QSizePolicy::Minimum);
    btnSingleViewIncRes->setMinimumSize(QSize(130, 0));
    btnSingleViewIncRes->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    btnSingleViewIncRes->setText(QStringLiteral("+"));
    horizontalLayout_3->addWidget(btnSingleViewIncRes);
    verticalLayout_4->addWidget(pnlSingleViewResolution);

    pnlSingleViewPeak = named(new QZELKGreyPanel(widget), "pnlSingleViewPeak");
    setSizePolicy(pnlSingleViewPeak, QSizePolicy::Minimum, QSizePolicy::Fixed);
    pnlSingleViewPeak->setMinimumSize(QSize(0, 40));
    horizontalLayout_2 = layoutOn<QHBoxLayout>(pnlSingleViewPeak, "horizontalLayout_2", 6, StyleDefault, 0, 0, 0);
    LblTime_2 = named(new QLabel(pnlSingleViewPeak), "LblTime_2");
    LblTime_2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalLayout_2->addWidget(LblTime_2);
    verticalLayout_25 = nestedLayout<QVBoxLayout>("verticalLayout_25", 1);
    lblSingleViewMax = named(new QLabel(pnlSingleViewPeak), "lblSingleViewMax");
    lblSingleViewMax->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize15));
    lblSingleViewMax->setText(QStringLiteral("<max>"));
    lblSingleViewMax->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    verticalLayout_25->addWidget(lblSingleViewMax);
    lblSingleViewMin = named(new QLabel(pnlSingleViewPeak), "lblSingleViewMin");
    lblSingleViewMin->setStyleSheet(TStyleSheetCatalogue::sheet(ssFontSize15));
    lblSingleViewMin->setText(QStringLiteral("<min>"));
    lblSingleViewMin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    verticalLayout_25->addWidget(lblSingleViewMin);
    horizontalLayout_2->addLayout(verticalLayout_25);
    btnSingleViewClearPeak = named(new QZELKPushButton(pnlSingleViewPeak), "btnSingleViewClearPeak");
    setSizePolicy(btnSingleViewClearPeak, QSizePolicy::Fixed, QSizePolicy::Minimum);
    btnSingleViewClearPeak->setMinimumSize(QSize(130, 0));
    btnSingleViewClearPeak->setStyleSheet(TStyleSheetCatalogue::sheet(ssEmpty));
    horizontalLayout_2->addWidget(btnSingleViewClearPeak);
    verticalLayout_4->addWidget(pnlSingleViewPeak);

    horizontalLayout_10->addWidget(widget);
    stackedWidget->addWidget(PageHome);
}

void Ui_TTamarindMainForm::retranslatePageHome()
{
    btnSingleViewFreeze->setText(QCoreApplication::translate("TTamarindMainForm", "Freeze", nullptr));
    lblSingleViewProbe->setText(QCoreApplication::translate("TTamarindMainForm", "Probe", nullptr));
    LblTime_3->setText(QCoreApplication::translate("TTamarindMainForm", "Resolution", nullptr));
    LblTime_2->setText(QCoreApplication::translate("TTamarindMainForm", "Peak", nullptr));
    btnSingleViewClearPeak->setText(QCoreApplication::translate("TTamarindMainForm", "Clear", nullptr));
}

void Ui_TTamarindMainForm::setupPage2ChannelView()
{
    Page2ChannelView = newPage("Page2ChannelView", stackedWidget);
    Page2ChannelView->setStyleSheet(TStyleSheetCatalogue::sheet(ssTwoChannelView));
    verticalLayout_36 = layoutOn<QVBoxLayout>(Page2ChannelView, "verticalLayout_36", 1, 0, 0, 0, 0);
    verticalLayout_36->addWidget(newChannelTile({TAMARIND_NAMED(Wgt2ChanViewTop),
                                                 TAMARIND_NAMED(verticalLayout_34),
                                                 TAMARIND_NAMED(widget_6),
                                                 TAMARIND_NAMED(horizontalLayout_35),
                                                 TAMARIND_NAMED(verticalLayout_38),
                                                 TAMARIND_NAMED(Btn2ChanViewChannelSel_Top),
                                                 TAMARIND_NAMED(verticalSpacer_16),
                                                 TAMARIND_NAMED(Lbl2ChanViewMainValue_Top),
                                                 TAMARIND_NAMED(horizontalLayout_36),
                                                 TAMARIND_NAMED(Pnl2ChanViewCorrVal_Top),
                                                 TAMARIND_NAMED(horizontalLayout_37),
                                                 TAMARIND_NAMED(Lbl2ChanViewCorValCaption_Top),
                                                 TAMARIND_NAMED(Lbl2ChanViewCorVal_Top),
                                                 TAMARIND_NAMED(Btn2ChanViewFreeze_Top),
                                                 TAMARIND_NAMED(Btn2ChanViewUnit_Top),
                                                 TAMARIND_NAMED(Pnl2ChanViewProbe_Top),
                                                 TAMARIND_NAMED(horizontalLayout_38),
                                                 TAMARIND_NAMED(lblSingleViewProbe_2),
                                                 TAMARIND_NAMED(lbl2ChanViewProbe_SmartFlag_Top),
                                                 TAMARIND_NAMED(IconWarning_2ChannelView_Top),
                                                 TAMARIND_NAMED(Btn2ChanViewRoot2_Top),
                                                 TAMARIND_NAMED(Btn2ChanViewProbe_Top)},
                                                Page2ChannelView));
    verticalLayout_36->addWidget(newChannelTile({TAMARIND_NAMED(Wgt2ChanViewBtm),
                                                 TAMARIND_NAMED(verticalLayout_37),
                                                 TAMARIND_NAMED(widget_7),
                                                 TAMARIND_NAMED(horizontalLayout_41),
                                                 TAMARIND_NAMED(verticalLayout_39),
                                                 TAMARIND_NAMED(Btn2ChanViewChannelSel_Btm),
                                                 TAMARIND_NAMED(verticalSpacer_17),
                                                 TAMARIND_NAMED(Lbl2ChanViewMainValue_Btm),
                                                 TAMARIND_NAMED(horizontalLayout_42),
                                                 TAMARIND_NAMED(Pnl2ChanViewCorrVal_Btm),
                                                 TAMARIND_NAMED(horizontalLayout_43),
                                                 TAMARIND_NAMED(Lbl2ChanViewCorValCaption_Btm),
                                                 TAMARIND_NAMED(Lbl2ChanViewCorVal_Btm),
                                                 TAMARIND_NAMED(Btn2ChanViewFreeze_Btm),
                                                 TAMARIND_NAMED(Btn2ChanViewUnit_Btm),
                                                 TAMARIND_NAMED(Pnl2ChanViewProbe_Btm),
                                                 TAMARIND_NAMED(horizontalLayout_44),
                                                 TAMARIND_NAMED(lblSingleViewProbe_3),
                                                 TAMARIND_NAMED(lbl2ChanViewProbe_SmartFlag_Bottom),
                                                 TAMARIND_NAMED(IconWarning_2ChannelView_Bottom),
                                                 TAMARIND_NAMED(Btn2ChanViewRoot2_Btm),
                                                 TAMARIND_NAMED(Btn2ChanViewProbe_Btm)},
                                                Page2ChannelView));

    // The difference of the two channels. Its sheet and its labels' sheets address widgets of the
    // single-channel view and so change nothing here.
    newValuePanel(TAMARIND_NAMED(pnl2ChanViewDiff), Page2ChannelView);
    pnl2ChanViewDiff->setStyleSheet(TStyleSheetCatalogue::sheet(ssTwoChannelDiffPanel));
    horizontalLayout_45 = layoutOn<QHBoxLayout>(pnl2ChanViewDiff, "horizontalLayout_45", 6, 9, 0, 0, 0);
    Lbl2ChanViewDiffCaption = named(new QLabel(pnl2ChanViewDiff), "Lbl2ChanViewDiffCaption");
    Lbl2ChanViewDiffCaption->setStyleSheet(TStyleSheetCatalogue::sheet(ssTwoChannelDiffLabels));
    Lbl2ChanViewDiffCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalLayout_45->addWidget(Lbl2ChanViewDiffCaption);
    Lbl2ChanViewDiffValue = named(new QLabel(pnl2ChanViewDiff), "Lbl2ChanViewDiffValue");
    setSizePolicy(Lbl2ChanViewDiffValue, QSizePolicy::Expanding, QSizePolicy::Preferred);
    Lbl2ChanViewDiffValue->setStyleSheet(TStyleSheetCatalogue::sheet(ssTwoChannelDiffLabels));
    Lbl2ChanViewDiffValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    horizontalLayout_45->addWidget(Lbl2ChanViewDiffValue);
    newViewButton(TAMARIND_NAMED(Btn2ChanViewDiffUnit), pnl2ChanViewDiff, QSizePolicy::Fixed, QSizePolicy::Minimum,
                  {130, 0});
    Btn2ChanViewDiffUnit->setText(QString());
    horizontalLayout_45->addWidget(Btn2ChanViewDiffUnit);
    verticalLayout_36->addWidget(pnl2ChanViewDiff);

    pnl2ChanViewResolution = newValuePanel(TAMARIND_NAMED(pnl2ChanViewResolution), Page2ChannelView);
    horizontalLayout_39 = layoutOn<QHBoxLayout>(pnl2ChanViewResolution, "horizontalLayout_39", 6, 0, 0, 0, 0);
    newViewButton(TAMARIND_NAMED(Btn2ChanViewResDec), pnl2ChanViewResolution, QSizePolicy::Fixed, QSizePolicy::Minimum,
                  {130, 0});
    Btn2ChanViewResDec->setText(QStringLiteral("-"));
    horizontalLayout_39->addWidget(Btn2ChanViewResDec);
    horizontalLayout_39->addWidget(newLabel(TAMARIND_NAMED(LblTime_4), pnl2ChanViewResolution, Qt::AlignCenter));
    newViewButton(TAMARIND_NAMED(Btn2ChanViewResInc), pnl2ChanViewResolution, QSizePolicy::Fixed, QSizePolicy::Minimum,
                  {130, 0});
    Btn2ChanViewResInc->setText(QStringLiteral("+"));
    horizontalLayout_39->addWidget(Btn2ChanViewResInc);
    verticalLayout_36->addWidget(pnl2ChanViewResolution);

    pnl2ChanViewPeak = newValuePanel(TAMARIND_NAMED(pnl2ChanViewPeak), Page2ChannelView);
    horizontalLayout_40 = layoutOn<QHBoxLayout>(pnl2ChanViewPeak, "horizontalLayout_40", 6, StyleDefault, 0, 0, 0);
    horizontalLayout_40->addWidget(
        newLabel(TAMARIND_NAMED(LblTime_5), pnl2ChanViewPeak, Qt::AlignLeft | Qt::AlignVCenter));
    verticalLayout_35 = nestedLayout<QVBoxLayout>("verticalLayout_35", 0);
    verticalLayout_35->addWidget(newPeakValue(TAMARIND_NAMED(Lbl2ChanView_PeakMax), pnl2ChanViewPeak, "<max>"));
    verticalLayout_35->addWidget(newPeakValue(TAMARIND_NAMED(Lbl2ChanView_PeakMin), pnl2ChanViewPeak, "<min>"));
    horizontalLayout_40->addLayout(verticalLayout_35);
    newViewButton(TAMARIND_NAMED(Btn2ChanViewClearPeak), pnl2ChanViewPeak, QSizePolicy::Fixed, QSizePolicy::Minimum,
                  {130, 0});
    horizontalLayout_40->addWidget(Btn2ChanViewClearPeak);
    verticalLayout_36->addWidget(pnl2ChanViewPeak);

    stackedWidget->addWidget(Page2ChannelView);
}

void Ui_TTamarindMainForm::retranslatePage2ChannelView()
{
    retranslateTile(Btn2ChanViewFreeze_Top, lblSingleViewProbe_2);
    retranslateTile(Btn2ChanViewFreeze_Btm, lblSingleViewProbe_3);
    // The view writes the difference; a change of language empties it until the next value.
    Lbl2ChanViewDiffCaption->setText(QString());
    Lbl2ChanViewDiffValue->setText(QString());
    LblTime_4->setText(QCoreApplication::translate("TTamarindMainForm", "Resolution", nullptr));
    LblTime_5->setText(QCoreApplication::translate("TTamarindMainForm", "Peak", nullptr));
    Btn2ChanViewClearPeak->setText(QCoreApplication::translate("TTamarindMainForm", "clear", nullptr));
}

void Ui_TTamarindMainForm::setupPage3ChannelView()
{
    Page3ChannelView = newPage("Page3ChannelView", stackedWidget);
    Page3ChannelView->setStyleSheet(TStyleSheetCatalogue::sheet(ssThreeChannelView));
    verticalLayout_47 = layoutOn<QVBoxLayout>(Page3ChannelView, "verticalLayout_47", 1, 0, 0, 0, 0);
    verticalLayout_47->addWidget(newChannelTile({TAMARIND_NAMED(Wgt3ChanViewTop),
                                                 TAMARIND_NAMED(verticalLayout_45),
                                                 TAMARIND_NAMED(widget_9),
                                                 TAMARIND_NAMED(horizontalLayout_51),
                                                 TAMARIND_NAMED(verticalLayout_46),
                                                 TAMARIND_NAMED(Btn3ChanViewChannelSel_Top),
                                                 TAMARIND_NAMED(verticalSpacer_22),
                                                 TAMARIND_NAMED(Lbl3ChanViewMainValue_Top),
                                                 TAMARIND_NAMED(horizontalLayout_52),
                                                 TAMARIND_NAMED(Pnl3ChanViewCorrVal_Top),
                                                 TAMARIND_NAMED(horizontalLayout_53),
                                                 TAMARIND_NAMED(Lbl3ChanViewCorValCaption_Top),
                                                 TAMARIND_NAMED(Lbl3ChanViewCorVal_Top),
                                                 TAMARIND_NAMED(Btn3ChanViewFreeze_Top),
                                                 TAMARIND_NAMED(Btn3ChanViewUnit_Top),
                                                 TAMARIND_NAMED(Pnl3ChanViewProbe_Top),
                                                 TAMARIND_NAMED(horizontalLayout_54),
                                                 TAMARIND_NAMED(lblSingleViewProbe_5),
                                                 TAMARIND_NAMED(lbl3ChanViewProbe_SmartFlag_Top),
                                                 TAMARIND_NAMED(IconWarning_3ChannelView_Top),
                                                 TAMARIND_NAMED(Btn3ChanViewRoot2_Top),
                                                 TAMARIND_NAMED(Btn3ChanViewProbe_Top)},
                                                Page3ChannelView));
    verticalLayout_47->addWidget(newChannelTile({TAMARIND_NAMED(Wgt3ChanViewMid),
                                                 TAMARIND_NAMED(verticalLayout_43),
                                                 TAMARIND_NAMED(widget_8),
                                                 TAMARIND_NAMED(horizontalLayout_47),
                                                 TAMARIND_NAMED(verticalLayout_44),
                                                 TAMARIND_NAMED(Btn3ChanViewChannelSel_Mid),
                                                 TAMARIND_NAMED(verticalSpacer_21),
                                                 TAMARIND_NAMED(Lbl3ChanViewMainValue_Mid),
                                                 TAMARIND_NAMED(horizontalLayout_48),
                                                 TAMARIND_NAMED(Pnl3ChanViewCorrVal_Mid),
                                                 TAMARIND_NAMED(horizontalLayout_49),
                                                 TAMARIND_NAMED(Lbl3ChanViewCorValCaption_Mid),
                                                 TAMARIND_NAMED(Lbl3ChanViewCorVal_Mid),
                                                 TAMARIND_NAMED(Btn3ChanViewFreeze_Mid),
                                                 TAMARIND_NAMED(Btn3ChanViewUnit_Mid),
                                                 TAMARIND_NAMED(Pnl3ChanViewProbe_Mid),
                                                 TAMARIND_NAMED(horizontalLayout_50),
                                                 TAMARIND_NAMED(lblSingleViewProbe_4),
                                                 TAMARIND_NAMED(lbl3ChanViewProbe_SmartFlag_Middle),
                                                 TAMARIND_NAMED(IconWarning_3ChannelView_Mid),
                                                 TAMARIND_NAMED(Btn3ChanViewRoot2_Mid),
                                                 TAMARIND_NAMED(Btn3ChanViewProbe_Mid)},
                                                Page3ChannelView));
    verticalLayout_47->addWidget(newChannelTile({TAMARIND_NAMED(Wgt3ChanViewBtm),
                                                 TAMARIND_NAMED(verticalLayout_54),
                                                 TAMARIND_NAMED(widget_13),
                                                 TAMARIND_NAMED(horizontalLayout_67),
                                                 TAMARIND_NAMED(verticalLayout_55),
                                                 TAMARIND_NAMED(Btn3ChanViewChannelSel_Btm),
                                                 TAMARIND_NAMED(verticalSpacer_26),
                                                 TAMARIND_NAMED(Lbl3ChanViewMainValue_Btm),
                                                 TAMARIND_NAMED(horizontalLayout_68),
                                                 TAMARIND_NAMED(Pnl3ChanViewCorrVal_Btm),
                                                 TAMARIND_NAMED(horizontalLayout_69),
                                                 TAMARIND_NAMED(Lbl3ChanViewCorValCaption_Btm),
                                                 TAMARIND_NAMED(Lbl3ChanViewCorVal_Btm),
                                                 TAMARIND_NAMED(Btn3ChanViewFreeze_Btm),
                                                 TAMARIND_NAMED(Btn3ChanViewUnit_Btm),
                                                 TAMARIND_NAMED(Pnl3ChanViewProbe_Btm),
                                                 TAMARIND_NAMED(horizontalLayout_70),
                                                 TAMARIND_NAMED(lblSingleViewProbe_9),
                                                 TAMARIND_NAMED(lbl3ChanViewProbe_SmartFlag_Bottom),
                                                 TAMARIND_NAMED(IconWarning_3ChannelView_Bottom),
                                                 TAMARIND_NAMED(Btn3ChanViewRoot2_Btm),
                                                 TAMARIND_NAMED(Btn3ChanViewProbe_Btm)},
                                                Page3ChannelView));
    stackedWidget->addWidget(Page3ChannelView);
}

void Ui_TTamarindMainForm::retranslatePage3ChannelView()
{
    retranslateTile(Btn3ChanViewFreeze_Top, lblSingleViewProbe_5);
    retranslateTile(Btn3ChanViewFreeze_Mid, lblSingleViewProbe_4);
    retranslateTile(Btn3ChanViewFreeze_Btm, lblSingleViewProbe_9);
}

void Ui_TTamarindMainForm::setupPage4ChannelView()
{
    Page4ChannelView = newPage("Page4ChannelView", stackedWidget);
    Page4ChannelView->setStyleSheet(TStyleSheetCatalogue::sheet(ssFourChannelView));
    gridLayout_79 = layoutOn<QGridLayout>(Page4ChannelView, "gridLayout_79", 1, 0, 0, 0, 0);
    gridLayout_79->addWidget(
        newQuarterTile({TAMARIND_NAMED(Wgt4ChanViewTopLeft), TAMARIND_NAMED(verticalLayout_48),
                        TAMARIND_NAMED(horizontalLayout_55), TAMARIND_NAMED(Btn4ChanViewChannelSel_TopLeft),
                        TAMARIND_NAMED(IconWarning_4ChannelView_TopLeft), TAMARIND_NAMED(horizontalSpacer_23),
                        TAMARIND_NAMED(Btn4ChanViewRoot2_TopLeft), TAMARIND_NAMED(Lbl4ChanViewMainValue_TopLeft),
                        TAMARIND_NAMED(gridLayout_80), TAMARIND_NAMED(Btn4ChanViewFreeze_TopLeft),
                        TAMARIND_NAMED(Btn4ChanViewUnit_TopLeft), TAMARIND_NAMED(Pnl4ChanViewProbe_TopLeft),
                        TAMARIND_NAMED(horizontalLayout_65), TAMARIND_NAMED(lblSingleViewProbe_11),
                        TAMARIND_NAMED(lbl4ChanViewProbe_SmartFlag_TopLeft), TAMARIND_NAMED(Btn4ChanViewProbe_TopLeft)},
                       Page4ChannelView),
        0, 0, 1, 1);
    gridLayout_79->addWidget(
        newQuarterTile({TAMARIND_NAMED(Wgt4ChanViewTopRight), TAMARIND_NAMED(verticalLayout_49),
                        TAMARIND_NAMED(horizontalLayout_57), TAMARIND_NAMED(Btn4ChanViewChannelSel_TopRight),
                        TAMARIND_NAMED(IconWarning_4ChannelView_TopRight), TAMARIND_NAMED(horizontalSpacer_28),
                        TAMARIND_NAMED(Btn4ChanViewRoot2_TopRight), TAMARIND_NAMED(Lbl4ChanViewMainValue_TopRight),
                        TAMARIND_NAMED(gridLayout_81), TAMARIND_NAMED(Btn4ChanViewFreeze_TopRight),
                        TAMARIND_NAMED(Btn4ChanViewUnit_TopRight), TAMARIND_NAMED(Pnl4ChanViewProbe_TopRight),
                        TAMARIND_NAMED(horizontalLayout_75), TAMARIND_NAMED(lblSingleViewProbe_12),
                        TAMARIND_NAMED(lbl4ChanViewProbe_SmartFlag_TopRight),
                        TAMARIND_NAMED(Btn4ChanViewProbe_TopRight)},
                       Page4ChannelView),
        0, 1, 1, 1);
    gridLayout_79->addWidget(
        newQuarterTile({TAMARIND_NAMED(Wgt4ChanViewBtmLeft), TAMARIND_NAMED(verticalLayout_50),
                        TAMARIND_NAMED(horizontalLayout_59), TAMARIND_NAMED(Btn4ChanViewChannelSel_BtmLeft),
                        TAMARIND_NAMED(IconWarning_4ChannelView_BottomLeft), TAMARIND_NAMED(horizontalSpacer_25),
                        TAMARIND_NAMED(Btn4ChanViewRoot2_BtmLeft), TAMARIND_NAMED(Lbl4ChanViewMainValue_BtmLeft),
                        TAMARIND_NAMED(gridLayout_82), TAMARIND_NAMED(Btn4ChanViewFreeze_BtmLeft),
                        TAMARIND_NAMED(Btn4ChanViewUnit_BtmLeft), TAMARIND_NAMED(Pnl4ChanViewProbe_BtmLeft),
                        TAMARIND_NAMED(horizontalLayout_66), TAMARIND_NAMED(lblSingleViewProbe_13),
                        TAMARIND_NAMED(lbl4ChanViewProbe_SmartFlag_BottomLeft),
                        TAMARIND_NAMED(Btn4ChanViewProbe_BtmLeft)},
                       Page4ChannelView),
        1, 0, 1, 1);
    gridLayout_79->addWidget(
        newQuarterTile({TAMARIND_NAMED(Wgt4ChanViewBtmRight), TAMARIND_NAMED(verticalLayout_51),
                        TAMARIND_NAMED(horizontalLayout_61), TAMARIND_NAMED(Btn4ChanViewChannelSel_BtmRight),
                        TAMARIND_NAMED(IconWarning_4ChannelView_BottomRight), TAMARIND_NAMED(horizontalSpacer_26),
                        TAMARIND_NAMED(Btn4ChanViewRoot2_BtmRight), TAMARIND_NAMED(Lbl4ChanViewMainValue_BtmRight),
                        TAMARIND_NAMED(gridLayout_83), TAMARIND_NAMED(Btn4ChanViewFreeze_BtmRight),
                        TAMARIND_NAMED(Btn4ChanViewUnit_BtmRight), TAMARIND_NAMED(Pnl4ChanViewProbe_BtmRight),
                        TAMARIND_NAMED(horizontalLayout_71), TAMARIND_NAMED(lblSingleViewProbe_14),
                        TAMARIND_NAMED(lbl4ChanViewProbe_SmartFlag_BottomRight),
                        TAMARIND_NAMED(Btn4ChanViewProbe_BtmRight)},
                       Page4ChannelView),
        1, 1, 1, 1);
    stackedWidget->addWidget(Page4ChannelView);
}

void Ui_TTamarindMainForm::retranslatePage4ChannelView()
{
    retranslateTile(Btn4ChanViewFreeze_TopLeft, lblSingleViewProbe_11);
    retranslateTile(Btn4ChanViewFreeze_TopRight, lblSingleViewProbe_12);
    retranslateTile(Btn4ChanViewFreeze_BtmLeft, lblSingleViewProbe_13);
    retranslateTile(Btn4ChanViewFreeze_BtmRight, lblSingleViewProbe_14);
}

void Ui_TTamarindMainForm::setupPageMultiChannelView()
{
    PageMultiChannelView = newPage("PageMultiChannelView", stackedWidget);
    verticalLayout_81 = layoutOn<QVBoxLayout>(PageMultiChannelView, "verticalLayout_81", 6, 0, 0, 0, 0);
    scrollAreaMultiChannelView = named(new TTouchScrollArea(PageMultiChannelView), "scrollAreaMultiChannelView");
    setUpScrollArea(scrollAreaMultiChannelView);
    scrollAreaMultiChannelViewWidget =
        named(new QWidget(scrollAreaMultiChannelView->viewport()), "scrollAreaMultiChannelViewWidget");
    scrollAreaMultiChannelViewWidget->setGeometry(QRect(0, 0, 100, 30));
    // The view inserts its channel rows ahead of the spacer, which keeps them packed at the top.
    verticalLayout_80 =
        layoutOn<QVBoxLayout>(scrollAreaMultiChannelViewWidget, "verticalLayout_80", 2, 9, 1, 9, StyleDefault);
    verticalSpacer_38 = newVerticalSpacer();
    verticalLayout_80->addItem(verticalSpacer_38);
    scrollAreaMultiChannelView->setWidget(scrollAreaMultiChannelViewWidget);
    verticalLayout_81->addWidget(scrollAreaMultiChannelView);
    stackedWidget->addWidget(PageMultiChannelView);
}

// The list holds no text: the view's channel rows bring their own.
void Ui_TTamarindMainForm::retranslatePageMultiChannelView() {}
