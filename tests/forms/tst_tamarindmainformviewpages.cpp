#include "tamarindmainform_ui.h"
#include "testsupport.h"

#include <QLinearGradient>
#include <QScrollBar>
#include <QStyle>

#include <qwt_scale_widget.h>

#include <memory>

namespace
{

// Gradients of the window's look as the user should see them.
const QGradientStops BLUE_PANEL{{0, QColor("#227FD3")}, {1, QColor("#104474")}};
const QGradientStops GREEN_PANEL{{0, QColor("#007F0E")}, {1, QColor("#005B0A")}};
const QGradientStops RED_PANEL{{0, QColor("#9F2C37")}, {1, QColor("#7A1312")}};
const QGradientStops YELLOW_PANEL{{0, QColor("#FF9300")}, {1, QColor("#FF7C00")}};
const QGradientStops BLUE_BUTTON{
    {0, QColor("#4990d0")}, {0.05, QColor("#6ab3f4")}, {0.25, QColor("#083a67")}, {1, QColor("#0a5ca9")}};
const QGradientStops GREEN_BUTTON{
    {0, QColor("#00A813")}, {0.05, QColor("#00CE18")}, {0.25, QColor("#005B0A")}, {1, QColor("#007F0E")}};
const QGradientStops RED_BUTTON{
    {0, QColor("#9E2A2E")}, {0.05, QColor("#F45D67")}, {0.25, QColor("#76100B")}, {1, QColor("#E25857")}};
const QGradientStops ORANGE{
    {0, QColor("#FF6600")}, {0.1, QColor("#FFCC00")}, {0.3, QColor("#FF6600")}, {0.8, QColor("#FF9900")}};
const QGradientStops DISABLED{
    {0, QColor("#333333")}, {0.1, QColor("#FFFFFF")}, {0.3, QColor("#999999")}, {0.8, QColor("#444444")}};

QGradientStops fourStops(const char* p0, const char* p1, const char* p3, const char* p8)
{
    return {{0, QColor(p0)}, {0.1, QColor(p1)}, {0.3, QColor(p3)}, {0.8, QColor(p8)}};
}

// The colour of a top-to-bottom gradient at pAt (0 top, 1 bottom).
QColor colourOf(const QGradientStops& pStops, qreal pAt)
{
    if (pAt <= pStops.first().first) {
        return pStops.first().second;
    }
    for (int index = 1; index < pStops.size(); ++index) {
        const auto& [position, colour] = pStops[index];
        if (pAt <= position) {
            const auto& [before, colourBefore] = pStops[index - 1];
            const qreal share = (pAt - before) / (position - before);
            auto mix = [&](int pFrom, int pTo) { return qRound(pFrom + (pTo - pFrom) * share); };
            return QColor(mix(colourBefore.red(), colour.red()), mix(colourBefore.green(), colour.green()),
                          mix(colourBefore.blue(), colour.blue()));
        }
    }
    return pStops.last().second;
}

// Close enough to tell the gradients of the look apart, loose enough for the rounding of borders
// and gradient bounds.
bool isNear(const QColor& pSeen, const QColor& pExpected)
{
    return qAbs(pSeen.red() - pExpected.red()) <= 40 && qAbs(pSeen.green() - pExpected.green()) <= 40 &&
           qAbs(pSeen.blue() - pExpected.blue()) <= 40;
}

QString describe(const QColor& pSeen, const QColor& pExpected)
{
    return QStringLiteral("seen %1, expected about %2").arg(pSeen.name(), pExpected.name());
}

QString textOf(QObject* pObject)
{
    return pObject->property("text").toString();
}

// A main window stand-in with the slots that the graph and scan pages reach by name.
class TSlotReceiver : public QWidget
{
    Q_OBJECT

public:
    QStringList mCalls;

public slots:
    void on_BtnScan_Start_clicked() { mCalls << "start"; }
    void on_BtnScan_Stop_clicked() { mCalls << "stop"; }
    void on_BtnScan_ShowView_clicked() { mCalls << "show view"; }
    void on_RbGraphScale_Auto_clicked() { mCalls << "auto scale"; }
    void on_RbGraphScale_Custom_clicked() { mCalls << "custom scale"; }
};

} // namespace

// The channel views, the graph and the scan pages of the main window as their screens rely on
// them: what the controllers fill, what a language change leaves alone, and how they look.
class tst_TamarindMainFormViewPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void retranslationLeavesRunTimeTexts_data();
    void retranslationLeavesRunTimeTexts();
    void toolTipsComeBackAfterRetranslation_data();
    void toolTipsComeBackAfterRetranslation();
    void channelTilesTakeTheirColours_data();
    void channelTilesTakeTheirColours();
    void valueSizesComeFromTheSheets_data();
    void valueSizesComeFromTheSheets();
    void threeTilesShareTheHeight();
    void quarterTileButtonsKeepTheirHeight();
    void multiChannelRowsStayAboveTheSpacer();
    void graphChannelButtonsReadOneToTen();
    void graphChannel1Palette_data();
    void graphChannel1Palette();
    void graphChannelButtonColours_data();
    void graphChannelButtonColours();
    void plotCanvasAndScalesFollowTheRootSheet();
    void graphSettingsAsBuilt();
    void scanPageAsBuilt();
    void slotsAreConnectedByName();

private:
    void showPage(QWidget* pPage);
    QColor colourAt(QWidget* pWidget, QPoint pPoint);
    static void repolish(QWidget* pWidget);

    std::unique_ptr<QWidget> mForm;
    Ui_TTamarindMainForm mUi;
};

void tst_TamarindMainFormViewPages::init()
{
    mForm = std::make_unique<QWidget>();
    mUi = Ui_TTamarindMainForm();
    mUi.setupUi(mForm.get());
}

void tst_TamarindMainFormViewPages::cleanup()
{
    mForm.reset();
}

void tst_TamarindMainFormViewPages::showPage(QWidget* pPage)
{
    qobject_cast<QStackedWidget*>(pPage->parentWidget())->setCurrentWidget(pPage);
    mForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(mForm.get()));
}

QColor tst_TamarindMainFormViewPages::colourAt(QWidget* pWidget, QPoint pPoint)
{
    const QImage picture = mForm->grab().toImage();
    return picture.pixelColor(pWidget->mapTo(mForm.get(), pPoint));
}

void tst_TamarindMainFormViewPages::repolish(QWidget* pWidget)
{
    pWidget->style()->unpolish(pWidget);
    pWidget->style()->polish(pWidget);
    pWidget->update();
}

void tst_TamarindMainFormViewPages::retranslationLeavesRunTimeTexts_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("built");
    QTest::addColumn<bool>("translatable");
    const QStringList translatable{
        "Btn2ChanViewFreeze_Top", "Freeze", "lblSingleViewProbe_3", "Probe", "LblTime_4", "Resolution", "LblTime_5",
        "Peak",
        // Lower case here, unlike the single-channel view.
        "Btn2ChanViewClearPeak", "clear",
        // The view writes the difference; a language change empties it until the next value.
        "Lbl2ChanViewDiffCaption", "", "Lbl2ChanViewDiffValue", "", "Btn3ChanViewFreeze_Mid", "Freeze",
        "lblSingleViewProbe_9", "Probe", "Btn4ChanViewFreeze_BtmRight", "Freeze", "lblSingleViewProbe_14", "Probe",
        "Btn2DPlot_Unit", "\u00B0C", "BtnGraphRefresh", "", "label_35", "Unit", "LblSettings_BacklightOff_30",
        "\u00B0C", "LblSettings_BacklightOff_28", "\u00B0F", "LblSettings_BacklightOff_31", "K",
        // The ohm sign U+2126, not the Greek omega of the electrical values.
        "LblSettings_BacklightOff_32", "\u2126", "LblSettings_BacklightOff_33", "mV", "label_67", "Scale",
        "RbGraphScale_Auto", "Auto", "RbGraphScale_Custom", "Custom", "label", "Min.", "label_11", "Max.", "label_31",
        "Channel configuration", "LblChanConf_Mod1", "Module 1", "LblChanConf_Mod4", "Module 4", "LblChanConf_HoldTime",
        "Hold time", "BtnScan_Start", "Start", "BtnScan_Stop", "Stop", "label_32", "View", "LblChanConf_View",
        "Selected view", "BtnScan_ShowView", "Activate view", "LblChanConf_ZTM8800_6", "Scan", "LblChanConf_ZTM8800_7",
        "Calibration", "LblChanConf_ZTM8800_8", "Graph"};
    const QStringList untranslated{
        "Btn2ChanViewChannelSel_Top", "Chan 1", "Lbl2ChanViewMainValue_Btm", "-20.000", "Lbl2ChanViewCorValCaption_Top",
        "Resistance",
        // The Greek capital omega U+03A9.
        "Lbl2ChanViewCorVal_Btm", "107.79 \u03A9", "Btn2ChanViewUnit_Btm", "\u00B0C",
        "lbl2ChanViewProbe_SmartFlag_Bottom", "(S)", "Btn2ChanViewRoot2_Top", "\u221A2", "Btn2ChanViewProbe_Top", "",
        "Btn2ChanViewDiffUnit", "", "Btn2ChanViewResDec", "-", "Btn2ChanViewResInc", "+", "Lbl2ChanView_PeakMax",
        "<max>", "Lbl2ChanView_PeakMin", "<min>", "Lbl3ChanViewCorVal_Mid", "107.79 \u03A9",
        "Btn3ChanViewChannelSel_Btm", "Chan 1", "Lbl4ChanViewMainValue_TopRight", "-20.000",
        "Btn4ChanViewRoot2_BtmLeft", "\u221A2", "Btn4ChanViewUnit_TopLeft", "\u00B0C",
        "lbl4ChanViewProbe_SmartFlag_BottomRight", "(S)", "Btn4ChanViewProbe_BtmRight", "", "Btn2DPlot_Chan1", "",
        "Btn2DPlot_Chan10", "", "BtnGraphScale_Min", "", "BtnGraphScale_Max", "",
        // The main window puts the instrument's name here once.
        "LblChanConf_ZTM8800", "ZTMXXXX", "LblChanConf_ZTM8800_Value", "", "LblChanConf_HoldTime_Value", "",
        "LblChanConf_View_Value", ""};
    for (int index = 0; index < translatable.size(); index += 2) {
        QTest::newRow(qPrintable(translatable[index])) << translatable[index] << translatable[index + 1] << true;
    }
    for (int index = 0; index < untranslated.size(); index += 2) {
        QTest::newRow(qPrintable(untranslated[index])) << untranslated[index] << untranslated[index + 1] << false;
    }
}

void tst_TamarindMainFormViewPages::retranslationLeavesRunTimeTexts()
{
    QFETCH(QString, object);
    QFETCH(QString, built);
    QFETCH(bool, translatable);

    QObject* widget = mForm->findChild<QObject*>(object);
    QVERIFY(widget);
    QCOMPARE(textOf(widget), built);

    widget->setProperty("text", QStringLiteral("written by a controller"));
    mUi.retranslateUi(mForm.get());
    QCOMPARE(textOf(widget), translatable ? built : QStringLiteral("written by a controller"));
}

void tst_TamarindMainFormViewPages::toolTipsComeBackAfterRetranslation_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("toolTip");
    // Scan mode shows these as the captions of the sub-menus that the rows open.
    QTest::newRow("instrument's channels") << "LblChanConf_ZTM8800"
                                           << "Chan. config";
    QTest::newRow("scan view") << "LblChanConf_View"
                               << "View";
    QTest::newRow("graph unit") << "LblSettings_BacklightOff_33"
                                << "Backlight-Off";
}

void tst_TamarindMainFormViewPages::toolTipsComeBackAfterRetranslation()
{
    QFETCH(QString, object);
    QFETCH(QString, toolTip);

    auto* label = mForm->findChild<QLabel*>(object);
    QVERIFY(label);
    QCOMPARE(label->toolTip(), toolTip);
    // The main window appends the instrument's name; a language change starts from the form's text
    // again, so the name is never appended twice.
    label->setToolTip(label->toolTip() + " ZTM8800");
    mUi.retranslateUi(mForm.get());
    QCOMPARE(label->toolTip(), toolTip);
}

void tst_TamarindMainFormViewPages::channelTilesTakeTheirColours_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("channelButton");
    QTest::addColumn<QString>("freezeButton");
    QTest::addColumn<QGradientStops>("frameStops");
    QTest::addColumn<QGradientStops>("buttonStops");
    QTest::addColumn<QGradientStops>("selectedStops");
    QTest::newRow("two channels, top: blue") << "Wgt2ChanViewTop"
                                             << "Btn2ChanViewChannelSel_Top"
                                             << "Btn2ChanViewFreeze_Top" << BLUE_PANEL << BLUE_BUTTON << ORANGE;
    QTest::newRow("two channels, bottom: green") << "Wgt2ChanViewBtm"
                                                 << "Btn2ChanViewChannelSel_Btm"
                                                 << "Btn2ChanViewFreeze_Btm" << GREEN_PANEL << GREEN_BUTTON << ORANGE;
    QTest::newRow("three channels, top: blue") << "Wgt3ChanViewTop"
                                               << "Btn3ChanViewChannelSel_Top"
                                               << "Btn3ChanViewFreeze_Top" << BLUE_PANEL << BLUE_BUTTON << ORANGE;
    QTest::newRow("three channels, middle: green") << "Wgt3ChanViewMid"
                                                   << "Btn3ChanViewChannelSel_Mid"
                                                   << "Btn3ChanViewFreeze_Mid" << GREEN_PANEL << GREEN_BUTTON << ORANGE;
    QTest::newRow("three channels, bottom: red") << "Wgt3ChanViewBtm"
                                                 << "Btn3ChanViewChannelSel_Btm"
                                                 << "Btn3ChanViewFreeze_Btm" << RED_PANEL << RED_BUTTON << ORANGE;
    QTest::newRow("four channels, top left: blue")
        << "Wgt4ChanViewTopLeft"
        << "Btn4ChanViewChannelSel_TopLeft"
        << "Btn4ChanViewFreeze_TopLeft" << BLUE_PANEL << BLUE_BUTTON << ORANGE;
    QTest::newRow("four channels, top right: green")
        << "Wgt4ChanViewTopRight"
        << "Btn4ChanViewChannelSel_TopRight"
        << "Btn4ChanViewFreeze_TopRight" << GREEN_PANEL << GREEN_BUTTON << ORANGE;
    QTest::newRow("four channels, bottom left: red")
        << "Wgt4ChanViewBtmLeft"
        << "Btn4ChanViewChannelSel_BtmLeft"
        << "Btn4ChanViewFreeze_BtmLeft" << RED_PANEL << RED_BUTTON << ORANGE;
    // Orange at rest, so pressed and selected turn blue.
    QTest::newRow("four channels, bottom right: yellow")
        << "Wgt4ChanViewBtmRight"
        << "Btn4ChanViewChannelSel_BtmRight"
        << "Btn4ChanViewFreeze_BtmRight" << YELLOW_PANEL << ORANGE << BLUE_BUTTON;
}

void tst_TamarindMainFormViewPages::channelTilesTakeTheirColours()
{
    QFETCH(QString, frame);
    QFETCH(QString, channelButton);
    QFETCH(QString, freezeButton);
    QFETCH(QGradientStops, frameStops);
    QFETCH(QGradientStops, buttonStops);
    QFETCH(QGradientStops, selectedStops);

    auto* tile = mForm->findChild<QWidget*>(frame);
    auto* channel = mForm->findChild<QPushButton*>(channelButton);
    auto* freeze = mForm->findChild<QPushButton*>(freezeButton);
    QVERIFY(tile && channel && freeze);
    showPage(tile->parentWidget());

    // Inside the tile's 2 pixel border, clear of its contents.
    const QPoint inTile(3, tile->height() / 2);
    QVERIFY2(isNear(colourAt(tile, inTile), colourOf(frameStops, 0.5)),
             qPrintable(describe(colourAt(tile, inTile), colourOf(frameStops, 0.5))));

    const qreal at = 0.7;
    auto check = [&](QPushButton* pButton, const QGradientStops& pStops) {
        const QPoint inside(6, qRound(pButton->height() * at));
        const QColor seen = colourAt(pButton, inside);
        return isNear(seen, colourOf(pStops, at)) ? QString()
                                                  : pButton->objectName() + ": " + describe(seen, colourOf(pStops, at));
    };
    QString fault = check(channel, buttonStops);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    channel->setDown(true);
    fault = check(channel, selectedStops);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    channel->setDown(false);

    fault = check(freeze, buttonStops);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    // The view marks the frozen channel by the button's flat property.
    freeze->setFlat(true);
    repolish(freeze);
    fault = check(freeze, selectedStops);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void tst_TamarindMainFormViewPages::valueSizesComeFromTheSheets_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("two channels, main value") << "Lbl2ChanViewMainValue_Btm"
                                              << "DejaVu Sans" << 65;
    QTest::newRow("three channels, main value") << "Lbl3ChanViewMainValue_Mid"
                                                << "DejaVu Sans" << 65;
    QTest::newRow("four channels, main value") << "Lbl4ChanViewMainValue_BtmRight"
                                               << "DejaVu Sans" << 45;
    QTest::newRow("two channels, peak") << "Lbl2ChanView_PeakMin"
                                        << "Droid Sans" << 15;
    QTest::newRow("scan row caption") << "LblChanConf_HoldTime"
                                      << "Droid Sans" << 18;
}

void tst_TamarindMainFormViewPages::valueSizesComeFromTheSheets()
{
    QFETCH(QString, label);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);

    auto* target = mForm->findChild<QLabel*>(label);
    QVERIFY(target);
    target->ensurePolished();
    QCOMPARE(target->font().family(), family);
    QCOMPARE(target->font().pixelSize(), pixelSize);
}

void tst_TamarindMainFormViewPages::threeTilesShareTheHeight()
{
    showPage(mUi.Page3ChannelView);
    const int heights[] = {mUi.Wgt3ChanViewTop->height(), mUi.Wgt3ChanViewMid->height(), mUi.Wgt3ChanViewBtm->height()};
    for (int height : heights) {
        QVERIFY2(qAbs(height - heights[0]) <= 1, qPrintable(QString::number(height)));
    }
    // Nothing but the tiles: they fill the page with one pixel between them.
    QCOMPARE(heights[0] + heights[1] + heights[2] + 2, mUi.Page3ChannelView->height());
}

void tst_TamarindMainFormViewPages::quarterTileButtonsKeepTheirHeight()
{
    showPage(mUi.Page4ChannelView);
    for (QWidget* button : {static_cast<QWidget*>(mUi.Btn4ChanViewChannelSel_TopLeft),
                            static_cast<QWidget*>(mUi.Btn4ChanViewRoot2_TopRight),
                            static_cast<QWidget*>(mUi.Btn4ChanViewFreeze_BtmLeft)}) {
        QCOMPARE(button->height(), 34);
    }
    QVERIFY(mUi.Btn4ChanViewUnit_BtmRight->height() >= 34);
    // The four tiles take equal quarters of the page.
    QVERIFY(qAbs(mUi.Wgt4ChanViewTopLeft->width() - mUi.Wgt4ChanViewBtmRight->width()) <= 1);
    QVERIFY(qAbs(mUi.Wgt4ChanViewTopLeft->height() - mUi.Wgt4ChanViewBtmRight->height()) <= 1);
}

void tst_TamarindMainFormViewPages::multiChannelRowsStayAboveTheSpacer()
{
    // The view inserts each channel row at count - 1 of the content widget's box layout.
    auto* list = qobject_cast<QVBoxLayout*>(mUi.scrollAreaMultiChannelViewWidget->layout());
    QVERIFY(list);
    QCOMPARE(list->count(), 1);
    QVERIFY(list->itemAt(0)->spacerItem());
    QList<QWidget*> rows;
    for (int channel = 1; channel <= 30; ++channel) {
        auto* row = new QLabel(QStringLiteral("Channel %1").arg(channel), mUi.scrollAreaMultiChannelViewWidget);
        row->setMinimumHeight(40);
        list->insertWidget(list->count() - 1, row);
        rows << row;
    }
    QCOMPARE(list->itemAt(list->count() - 1)->spacerItem(), mUi.verticalSpacer_38);

    showPage(mUi.PageMultiChannelView);
    QCOMPARE(rows.first()->y(), 1);
    for (int index = 1; index < rows.size(); ++index) {
        QVERIFY(rows[index]->y() > rows[index - 1]->y());
    }
    // More rows than the page holds: the list scrolls vertically, never sideways.
    QVERIFY(mUi.scrollAreaMultiChannelView->verticalScrollBar()->maximum() > 0);
    QCOMPARE(mUi.scrollAreaMultiChannelView->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(mUi.scrollAreaMultiChannelViewWidget->width() <= mUi.scrollAreaMultiChannelView->viewport()->width());
}

void tst_TamarindMainFormViewPages::graphChannelButtonsReadOneToTen()
{
    auto nameAt = [this](int pRow, int pColumn) {
        QLayoutItem* item = mUi.gridLayout_183->itemAtPosition(pRow, pColumn);
        return item && item->widget() ? item->widget()->objectName() : QStringLiteral("nothing");
    };
    QStringList topRow, bottomRow;
    for (int column = 0; column < 5; ++column) {
        topRow << nameAt(0, column);
        bottomRow << nameAt(1, column);
    }
    QCOMPARE(topRow, (QStringList{"Btn2DPlot_Chan1", "Btn2DPlot_Chan2", "Btn2DPlot_Chan3", "Btn2DPlot_Chan4",
                                  "Btn2DPlot_Chan5"}));
    QCOMPARE(bottomRow, (QStringList{"Btn2DPlot_Chan6", "Btn2DPlot_Chan7", "Btn2DPlot_Chan8", "Btn2DPlot_Chan9",
                                     "Btn2DPlot_Chan10"}));

    showPage(mUi.Page2DPlot);
    for (int index = 0; index < mUi.gridLayout_183->count(); ++index) {
        QWidget* button = mUi.gridLayout_183->itemAt(index)->widget();
        QCOMPARE(button->height(), 38);
        QVERIFY(button->width() >= 100);
    }
    // The buttons share the row equally, above the plot.
    QVERIFY(qAbs(mUi.Btn2DPlot_Chan1->width() - mUi.Btn2DPlot_Chan10->width()) <= 1);
    QVERIFY(mUi.qwtPlot->y() > mUi.Btn2DPlot_Chan6->geometry().bottom());
}

void tst_TamarindMainFormViewPages::graphChannel1Palette_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QGradientStops>("stops");
    QTest::newRow("active") << int(QPalette::Active) << QColor(255, 255, 255) << BLUE_BUTTON;
    QTest::newRow("inactive") << int(QPalette::Inactive) << QColor(255, 255, 255) << BLUE_BUTTON;
    QTest::newRow("disabled") << int(QPalette::Disabled) << QColor(3, 35, 67) << DISABLED;
}

void tst_TamarindMainFormViewPages::graphChannel1Palette()
{
    QFETCH(int, group);
    QFETCH(QColor, text);
    QFETCH(QGradientStops, stops);

    // The sheets replace the palette while they style the button; unpolished, it shows the
    // palette the form gave it.
    QWidget* button = mUi.Btn2DPlot_Chan1;
    button->style()->unpolish(button);
    const QPalette palette = button->palette();
    const auto colourGroup = QPalette::ColorGroup(group);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        const QBrush& brush = palette.brush(colourGroup, role);
        QCOMPARE(brush.style(), Qt::SolidPattern);
        QCOMPARE(brush.color(), text);
    }
    for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window}) {
        const QBrush& brush = palette.brush(colourGroup, role);
        QCOMPARE(brush.style(), Qt::LinearGradientPattern);
        const auto* gradient = static_cast<const QLinearGradient*>(brush.gradient());
        QCOMPARE(gradient->coordinateMode(), QGradient::ObjectBoundingMode);
        QCOMPARE(gradient->start(), QPointF(0, 0));
        QCOMPARE(gradient->finalStop(), QPointF(0, 1));
        QCOMPARE(gradient->stops(), stops);
    }
}

void tst_TamarindMainFormViewPages::graphChannelButtonColours_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QGradientStops>("rest");
    QTest::addColumn<QGradientStops>("pressed");
    // Channel 1 takes its blue from the root sheet, the others from the graph page's sheet.
    QTest::newRow("channel 1") << "Btn2DPlot_Chan1" << BLUE_BUTTON << ORANGE;
    QTest::newRow("channel 2") << "Btn2DPlot_Chan2" << GREEN_BUTTON << ORANGE;
    QTest::newRow("channel 3") << "Btn2DPlot_Chan3" << RED_BUTTON << ORANGE;
    QTest::newRow("channel 4, orange at rest") << "Btn2DPlot_Chan4" << ORANGE << BLUE_BUTTON;
    QTest::newRow("channel 5") << "Btn2DPlot_Chan5" << fourStops("#1B8258", "#2FE297", "#084B30", "#0E7F51") << ORANGE;
    QTest::newRow("channel 6") << "Btn2DPlot_Chan6" << fourStops("#7B2169", "#D338B5", "#480E3C", "#781563") << ORANGE;
    QTest::newRow("channel 7") << "Btn2DPlot_Chan7" << fourStops("#32217B", "#553AD7", "#1A0F4B", "#271578") << ORANGE;
    QTest::newRow("channel 8") << "Btn2DPlot_Chan8" << fourStops("#7B5221", "#D98E3A", "#472B0C", "#784A15") << ORANGE;
    QTest::newRow("channel 9") << "Btn2DPlot_Chan9" << fourStops("#17848C", "#23C3CE", "#105D63", "#167C83") << ORANGE;
    QTest::newRow("channel 10") << "Btn2DPlot_Chan10" << fourStops("#989898", "#CACACA", "#7B7B7B", "#919191")
                                << ORANGE;
}

void tst_TamarindMainFormViewPages::graphChannelButtonColours()
{
    QFETCH(QString, button);
    QFETCH(QGradientStops, rest);
    QFETCH(QGradientStops, pressed);

    auto* channel = mForm->findChild<QPushButton*>(button);
    QVERIFY(channel);
    showPage(mUi.Page2DPlot);
    const qreal at = 0.7;
    const QPoint inside(8, qRound(channel->height() * at));
    QVERIFY2(isNear(colourAt(channel, inside), colourOf(rest, at)),
             qPrintable(describe(colourAt(channel, inside), colourOf(rest, at))));
    channel->setDown(true);
    QVERIFY2(isNear(colourAt(channel, inside), colourOf(pressed, at)),
             qPrintable(describe(colourAt(channel, inside), colourOf(pressed, at))));
}

void tst_TamarindMainFormViewPages::plotCanvasAndScalesFollowTheRootSheet()
{
    showPage(mUi.Page2DPlot);
    QWidget* canvas = mUi.qwtPlot->canvas();
    QCOMPARE(colourAt(canvas, canvas->rect().center()), QColor("#414141"));
    QCOMPARE(colourAt(canvas, QPoint(0, canvas->height() / 2)), QColor("#252525"));
    for (int axis : {int(QwtPlot::yLeft), int(QwtPlot::xBottom)}) {
        QCOMPARE(mUi.qwtPlot->axisWidget(axis)->palette().color(QPalette::Text), QColor("#FFFFFF"));
    }
    // The graph view's own data: nothing in the form, in any language.
    mUi.retranslateUi(mForm.get());
    const QVariant document = mUi.qwtPlot->property("propertiesDocument");
    QVERIFY(document.isValid());
    QVERIFY(document.toString().isEmpty());
}

void tst_TamarindMainFormViewPages::graphSettingsAsBuilt()
{
    // Neither scale is chosen until the graph view shows its setting; the custom fields show.
    QVERIFY(!mUi.RbGraphScale_Auto->isChecked());
    QVERIFY(!mUi.RbGraphScale_Custom->isChecked());
    QVERIFY(mUi.WgtCustomScale->isVisibleTo(mUi.PageGraphUnitAndScale));
    mUi.RbGraphScale_Auto->setChecked(true);
    mUi.RbGraphScale_Custom->setChecked(true);
    QVERIFY(!mUi.RbGraphScale_Auto->isChecked());

    // The five units form one radio group, in the order of the list.
    QStringList units;
    for (int index = 0; index < mUi.verticalLayout_117->count(); ++index) {
        units << mUi.verticalLayout_117->itemAt(index)->widget()->objectName();
    }
    QCOMPARE(units, (QStringList{"BtnGraphUnit_C", "BtnGraphUnit_F", "BtnGraphUnit_K", "BtnGraphUnit_Ohm",
                                 "BtnGraphUnit_mV"}));
    mUi.BtnGraphUnit_K->setChecked(true);
    mUi.BtnGraphUnit_mV->setChecked(true);
    QVERIFY(!mUi.BtnGraphUnit_K->isChecked());
    QVERIFY(mUi.BtnGraphUnit_mV->isChecked());
    // Each label sits on its button's own layout, where a checked button draws it in black.
    QCOMPARE(mUi.LblSettings_BacklightOff_33->parentWidget(), mUi.BtnGraphUnit_mV);
    QCOMPARE(mUi.verticalLayout_126->indexOf(mUi.LblSettings_BacklightOff_33), 0);
}

void tst_TamarindMainFormViewPages::scanPageAsBuilt()
{
    QStringList items;
    for (int index = 0; index < mUi.verticalLayout_40->count(); ++index) {
        QLayoutItem* item = mUi.verticalLayout_40->itemAt(index);
        items << (item->widget()   ? item->widget()->objectName()
                  : item->layout() ? item->layout()->objectName()
                                   : QStringLiteral("spacer"));
    }
    QCOMPARE(items, (QStringList{"label_31", "BtnChanConf_ZTM8800", "BtnChanConf_Mod1", "BtnChanConf_Mod2",
                                 "BtnChanConf_Mod3", "BtnChanConf_Mod4", "BtnChanConf_HoldTime", "horizontalLayout_46",
                                 "label_32", "BtnChanConf_View", "BtnScan_ShowView", "spacer"}));
    QVERIFY(mUi.BtnScan_Start->isEnabled());
    QVERIFY(!mUi.BtnScan_Stop->isEnabled());
    QVERIFY(!mUi.BtnScan_ShowView->isEnabled());

    // Scan mode writes each value at the right of its row's caption.
    showPage(mUi.PageScan);
    for (QLabel* value : {mUi.LblChanConf_ZTM8800_Value, mUi.LblChanConf_Mod1_Value, mUi.LblChanConf_Mod2_Value,
                          mUi.LblChanConf_Mod3_Value, mUi.LblChanConf_Mod4_Value, mUi.LblChanConf_HoldTime_Value,
                          mUi.LblChanConf_View_Value}) {
        QLabel* caption = mForm->findChild<QLabel*>(value->objectName().chopped(int(qstrlen("_Value"))));
        QVERIFY(caption);
        QCOMPARE(value->parentWidget(), caption->parentWidget());
        QVERIFY(value->x() > caption->x());
        QVERIFY(value->alignment() & Qt::AlignRight);
    }
    // Start and Stop sit at the right end of their row.
    QVERIFY(mUi.BtnScan_Stop->geometry().right() > mUi.BtnChanConf_HoldTime->geometry().right() - 12);
}

void tst_TamarindMainFormViewPages::slotsAreConnectedByName()
{
    TSlotReceiver receiver;
    Ui_TTamarindMainForm ui;
    ui.setupUi(&receiver);

    // Disabled until scan mode runs.
    QTest::mouseClick(ui.BtnScan_Stop, Qt::LeftButton);
    QTest::mouseClick(ui.BtnScan_ShowView, Qt::LeftButton);
    QTest::mouseClick(ui.BtnScan_Start, Qt::LeftButton);
    ui.BtnScan_Stop->setEnabled(true);
    ui.BtnScan_ShowView->setEnabled(true);
    QTest::mouseClick(ui.BtnScan_ShowView, Qt::LeftButton);
    QTest::mouseClick(ui.BtnScan_Stop, Qt::LeftButton);
    ui.RbGraphScale_Custom->click();
    ui.RbGraphScale_Auto->click();

    QCOMPARE(receiver.mCalls, (QStringList{"start", "show view", "stop", "custom scale", "auto scale"}));
}

TAMARIND_TEST_MAIN(tst_TamarindMainFormViewPages)
#include "tst_tamarindmainformviewpages.moc"
