#include "tamarindmainform_ui.h"

#include "form_helpers.h"
#include "stylesheetcatalogue.h"

#include <QCoreApplication>

using namespace Form_helpers;

void Ui_TTamarindMainForm::setupPageHome()
{
    PageHome = newPage("PageHome");
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
    Page2ChannelView = newPage("Page2ChannelView");
    stackedWidget->addWidget(Page2ChannelView);
}

void Ui_TTamarindMainForm::retranslatePage2ChannelView() {}

void Ui_TTamarindMainForm::setupPage3ChannelView()
{
    Page3ChannelView = newPage("Page3ChannelView");
    stackedWidget->addWidget(Page3ChannelView);
}

void Ui_TTamarindMainForm::retranslatePage3ChannelView() {}

void Ui_TTamarindMainForm::setupPage4ChannelView()
{
    Page4ChannelView = newPage("Page4ChannelView");
    stackedWidget->addWidget(Page4ChannelView);
}

void Ui_TTamarindMainForm::retranslatePage4ChannelView() {}

void Ui_TTamarindMainForm::setupPageMultiChannelView()
{
    PageMultiChannelView = newPage("PageMultiChannelView");
    stackedWidget->addWidget(PageMultiChannelView);
}

void Ui_TTamarindMainForm::retranslatePageMultiChannelView() {}
