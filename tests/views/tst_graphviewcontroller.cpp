#include "boardstate.h"
#include "channel.h"
#include "channelcontroller.h"
#include "channelcontrollerfixture.h"
#include "channelviewfixture.h"
#include "graphviewcontroller.h"
#include "graphviewfixture.h"
#include "messagerecorder.h"
#include "samplenumberscaledraw.h"
#include "scanmodecontroller.h"
#include "tamarindsettings.h"
#include "testprobes.h"
#include "testsupport.h"

#include <QImage>
#include <QMouseEvent>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>
#include <qwt_scale_widget.h>

#include <cmath>

using namespace Electrical_temperature_units;

namespace
{
using TChannelList = zelk::vector<TAbstractChannel*>;

const double NO_VALUE = std::nan("");
// The unit text of ohm is the ohm sign, not the Greek capital omega.
const QString OHM(QChar(0x2126));

// The curve colours, channel by channel of the scan configuration.
const QList<QColor> CURVE_COLOURS{QColor(9, 82, 150),   QColor(0, 117, 12),   QColor(184, 60, 57), QColor(255, 146, 0),
                                  QColor(13, 120, 76),  QColor(119, 20, 98),  QColor(39, 21, 120), QColor(119, 73, 20),
                                  QColor(22, 124, 131), QColor(144, 144, 144)};

// Wide enough that one sample of the first window (1 to 12) takes 60 pixels.
constexpr int PLOT_WIDTH = 660;

QString setting(const char* pKey)
{
    return TTamarindSettings::instance().value(QStringLiteral("graph"), QLatin1String(pKey), QStringLiteral("<none>"));
}

void store(const char* pKey, const QString& pValue)
{
    TTamarindSettings::instance().setValue(QStringLiteral("graph"), QLatin1String(pKey), pValue);
}

QVector<QPointF> pointsOf(const QwtPlotCurve* pCurve)
{
    QVector<QPointF> points;
    for (size_t i = 0; i < pCurve->dataSize(); ++i)
        points << pCurve->sample(int(i));
    return points;
}
} // namespace

// The graph of a running scan on the main window's plot and pages, with the
// channels of the simulated board (a 20-position box on port 1 and a 16-position
// PRT box on port 2) fed as the measuring cycle feeds them. Curves are read
// from their series and pens.
class tst_GraphViewController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void curvePairKeepsItsPoints_data();
    void curvePairKeepsItsPoints();
    void drawingSet_data();
    void drawingSet();
    void valuesArriveInTheGraphUnit_data();
    void valuesArriveInTheGraphUnit();
    void unitFollowsTheDrawnChannels_data();
    void unitFollowsTheDrawnChannels();
    void xWindow_data();
    void xWindow();
    void sampleNumberLabels_data();
    void sampleNumberLabels();
    void yScale_data();
    void yScale();
    void settingsPageShowsTheGraphsChoice_data();
    void settingsPageShowsTheGraphsChoice();
    void settingsPageSave_data();
    void settingsPageSave();
    void channelButtonReplacesAChannel();
    void hiddenGraphIsScaledWhenShown();
    void polledPlotLooksAsDrawnAtOnce_data();
    void polledPlotLooksAsDrawnAtOnce();
    void channelOfAnotherKindReloadsTheCurves();
    void languageChangeKeepsTheTexts();

private:
    TGraphViewController& graph();
    TChannelList channels(const QList<int>& pNumbers) const;
    // Scan mode announces the list; the channels record their graph points from now on.
    void configure(const QList<int>& pNumbers);
    void feed(int pChannel, int pCount, double pTemperature = 20.0, double pElectrical = 107.8);
    // The points of the curve pair in the colour; a warning (which fails the
    // test) when there is no such pair or its line and dots differ.
    QVector<QPointF> drawnIn(int pColour) const;
    QList<QwtPlotCurve*> curves() const;
    QString window() const;
    void drag(int pPixels);
    void runStep(const QString& pStep);
    QImage drawScan(int pHistory, int pPolls, const QString& pAxisSheet, bool pShownWhilePolled);

    Ui_TTamarindMainForm& ui() { return mFixture->ui(); }
    TChannelController& controller() { return mFixture->controller(); }

    std::unique_ptr<TChannelControllerFixture> mFixture;
    std::unique_ptr<TScanModeController> mScanMode;
    std::unique_ptr<TGraphViewController> mGraph;
    std::unique_ptr<TAbstractProbe> mPRTProbe;
    std::unique_ptr<TAbstractProbe> mTCProbe;
};

void tst_GraphViewController::initTestCase()
{
    mPRTProbe = TestProbes::prt();
    mTCProbe = TestProbes::thermocouple();
}

void tst_GraphViewController::init()
{
    TTamarindSettings::instance().removeSection(QStringLiteral("graph"));
    TTamarindSettings::instance().removeSection(QStringLiteral("scan"));
    TAMARIND_MAKE_FIXTURE(mFixture);
    TSimulatedSwitchBox mixed;
    mixed.mType = sbtSWX6100_10;
    mixed.mSerialNumber = QStringLiteral("SB-1");
    mFixture->board().board().fitSwitchBox(1, mixed);
    TSimulatedSwitchBox prt;
    prt.mType = sbtSWX6300_PRT16;
    prt.mSerialNumber = QStringLiteral("SB-2");
    mFixture->board().board().fitSwitchBox(2, prt);
    mFixture->build();
    mScanMode = buildScanModeOnForm(*mFixture);
    ui().qwtPlot->resize(PLOT_WIDTH, 300);
}

void tst_GraphViewController::cleanup()
{
    QLocale::setDefault(QLocale::c());
    if (mGraph)
        controller().removeListener(mGraph.get());
    mGraph.reset();
    mScanMode.reset();
    mFixture.reset();
}

// Built on first use, after the test has put its settings in place.
TGraphViewController& tst_GraphViewController::graph()
{
    if (!mGraph) {
        mGraph = buildGraphViewOnForm(*mFixture, *mScanMode);
        controller().addListener(mGraph.get());
    }
    return *mGraph;
}

TChannelList tst_GraphViewController::channels(const QList<int>& pNumbers) const
{
    TChannelList list;
    for (int number : pNumbers)
        list << mFixture->controller().channel(number);
    return list;
}

void tst_GraphViewController::configure(const QList<int>& pNumbers)
{
    graph();
    mScanMode->setChannelConfiguration(channels(pNumbers));
    for (TAbstractChannel* channel : channels(pNumbers))
        channel->startRecordingGraphValues();
}

void tst_GraphViewController::feed(int pChannel, int pCount, double pTemperature, double pElectrical)
{
    TAbstractChannel* channel = controller().channel(pChannel);
    for (int i = 0; i < pCount; ++i)
        channel->setNewValue(pElectrical, pTemperature);
}

QList<QwtPlotCurve*> tst_GraphViewController::curves() const
{
    QList<QwtPlotCurve*> found;
    for (QwtPlotItem* item : mFixture->ui().qwtPlot->itemList(QwtPlotItem::Rtti_PlotCurve))
        found << static_cast<QwtPlotCurve*>(item);
    return found;
}

QVector<QPointF> tst_GraphViewController::drawnIn(int pColour) const
{
    const QwtPlotCurve* line = nullptr;
    const QwtPlotCurve* dots = nullptr;
    for (const QwtPlotCurve* curve : curves()) {
        if (curve->pen().color() != CURVE_COLOURS[pColour])
            continue;
        if (curve->style() == QwtPlotCurve::Lines && curve->pen().widthF() == 2.0)
            line = curve;
        else if (curve->style() == QwtPlotCurve::Dots && curve->pen().widthF() == 4.0)
            dots = curve;
    }
    if (!line || !dots) {
        qWarning("no line and dots in colour %d", pColour);
        return {};
    }
    if (pointsOf(line) != pointsOf(dots))
        qWarning("line and dots of colour %d differ", pColour);
    return pointsOf(line);
}

QString tst_GraphViewController::window() const
{
    const QwtScaleDiv& div = mFixture->ui().qwtPlot->axisScaleDiv(QwtPlot::xBottom);
    return QStringLiteral("%1..%2").arg(div.lowerBound()).arg(div.upperBound());
}

// A finger put down and moved sideways on the plot.
void tst_GraphViewController::drag(int pPixels)
{
    QwtPlot* plot = ui().qwtPlot;
    const QPointF start(300, 100);
    QMouseEvent press(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &press);
    QMouseEvent move(QEvent::MouseMove, start + QPointF(pPixels, 0), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, start + QPointF(pPixels, 0), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(plot, &release);
}

// --- curve pair ------------------------------------------------------------------

void tst_GraphViewController::curvePairKeepsItsPoints_data()
{
    QTest::addColumn<QVector<QPointF>>("before");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QVector<QPointF>>("operand");
    QTest::addColumn<QVector<QPointF>>("after");
    QTest::addColumn<int>("lowerBound");
    QTest::addColumn<int>("upperBound");

    const QVector<QPointF> three{{1, 10}, {2, 11}, {3, 12}};
    QTest::newRow("value appended") << three << "add" << QVector<QPointF>{{4, 13}}
                                    << QVector<QPointF>{{1, 10}, {2, 11}, {3, 12}, {4, 13}} << 1 << 4;
    QTest::newRow("full history keeps its length")
        << three << "add erasing" << QVector<QPointF>{{4, 13}} << QVector<QPointF>{{2, 11}, {3, 12}, {4, 13}} << 2 << 4;
    QTest::newRow("one point replaced by the new one")
        << QVector<QPointF>{{1, 10}} << "add erasing" << QVector<QPointF>{{2, 11}} << QVector<QPointF>{{2, 11}} << 2
        << 2;
    QTest::newRow("empty stays empty when erasing")
        << QVector<QPointF>{} << "add erasing" << QVector<QPointF>{{1, 10}} << QVector<QPointF>{} << 0 << 0;
    QTest::newRow("points without value dropped") << three << "set" << QVector<QPointF>{{5, 1}, {6, NO_VALUE}, {7, 3}}
                                                  << QVector<QPointF>{{5, 1}, {7, 3}} << 5 << 7;
    QTest::newRow("no value at all leaves it empty")
        << three << "set" << QVector<QPointF>{{5, NO_VALUE}, {6, NO_VALUE}} << QVector<QPointF>{} << 0 << 0;
    QTest::newRow("sample numbers truncated") << QVector<QPointF>{} << "set" << QVector<QPointF>{{-2.5, 1}, {7.9, 3}}
                                              << QVector<QPointF>{{-2.5, 1}, {7.9, 3}} << -2 << 7;
    QTest::newRow("cleared") << three << "clear" << QVector<QPointF>{} << QVector<QPointF>{} << 0 << 0;
}

void tst_GraphViewController::curvePairKeepsItsPoints()
{
    QFETCH(QVector<QPointF>, before);
    QFETCH(QString, operation);
    QFETCH(QVector<QPointF>, operand);
    QFETCH(QVector<QPointF>, after);
    QFETCH(int, lowerBound);
    QFETCH(int, upperBound);

    QwtPlot plot;
    {
        TGraphChannelViewComponents pair(&plot, CURVE_COLOURS[3]);
        pair.setValues(before);
        if (operation == QLatin1String("add"))
            pair.addValue(operand.first(), false);
        else if (operation == QLatin1String("add erasing"))
            pair.addValue(operand.first(), true);
        else if (operation == QLatin1String("set"))
            pair.setValues(operand);
        else
            pair.clearValues();

        const QwtPlotItemList items = plot.itemList(QwtPlotItem::Rtti_PlotCurve);
        QCOMPARE(items.size(), 2);
        for (const QwtPlotItem* item : items) {
            const auto* curve = static_cast<const QwtPlotCurve*>(item);
            QCOMPARE(pointsOf(curve), after);
            // Autoscaling reads the bounding rectangle, which must follow the points.
            if (!after.isEmpty())
                QCOMPARE(curve->boundingRect().right(), after.last().x());
        }
        QCOMPARE(pair.seriesLowerBound(), lowerBound);
        QCOMPARE(pair.seriesUpperBound(), upperBound);
    }
    QVERIFY(plot.itemList().isEmpty());
}

// --- drawing set -----------------------------------------------------------------

void tst_GraphViewController::drawingSet_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("twelve channels draw the first ten")
        << QList<int>{1, 2, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41}
        << QStringList{"Chan. 1",   "Chan. 2",   "Chan. 2.1", "Chan. 2.2", "Chan. 2.3",
                       "Chan. 2.4", "Chan. 2.5", "Chan. 2.6", "Chan. 2.7", "Chan. 2.8"};
    QTest::newRow("three channels") << QList<int>{3, 4, 81} << QStringList{"Chan. 3", "Chan. 4", "Chan. 1.2"};
    QTest::newRow("no channel") << QList<int>{} << QStringList{};
}

// Each row follows a configuration of three others; the unit stays what it was.
void tst_GraphViewController::drawingSet()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, buttons);

    store("unit", "2");
    configure({1, 2, 3});
    configure(numbers);

    QCOMPARE(curves().size(), 2 * buttons.size());
    const QList<QZELKPushButton*> channelButtons{
        ui().Btn2DPlot_Chan1, ui().Btn2DPlot_Chan2, ui().Btn2DPlot_Chan3, ui().Btn2DPlot_Chan4, ui().Btn2DPlot_Chan5,
        ui().Btn2DPlot_Chan6, ui().Btn2DPlot_Chan7, ui().Btn2DPlot_Chan8, ui().Btn2DPlot_Chan9, ui().Btn2DPlot_Chan10};
    for (int i = 0; i < channelButtons.size(); ++i) {
        QCOMPARE(!channelButtons[i]->isHidden(), i < buttons.size());
        if (i < buttons.size())
            QCOMPARE(channelButtons[i]->text(), buttons[i]);
    }
    // Channel i of the list is drawn in colour i: its reading lands there.
    for (int i = 0; i < numbers.size(); ++i)
        feed(numbers[i], 1, 100.0 + i);
    for (int i = 0; i < buttons.size(); ++i)
        QCOMPARE(drawnIn(i), (QVector<QPointF>{{1, (100.0 + i) * 1.8 + 32.0}}));
    QCOMPARE(setting("unit"), QStringLiteral("2"));
}

// --- values ----------------------------------------------------------------------

void tst_GraphViewController::valuesArriveInTheGraphUnit_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("unitButton");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("fed");
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("electrical");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("firstX");
    QTest::addColumn<QPointF>("last");

    QTest::newRow("°F") << QList<int>{1, 2} << "BtnGraphUnit_F" << 0 << 1 << 100.0 << 138.5 << 1 << 1.0
                        << QPointF(1, 212);
    QTest::newRow("K") << QList<int>{1, 2} << "BtnGraphUnit_K" << 0 << 2 << 0.0 << 100.0 << 1 << 1.0
                       << QPointF(1, 273.15);
    QTest::newRow("Ω of a PRT channel") << QList<int>{1, 2} << "BtnGraphUnit_Ohm" << 0 << 1 << 100.0 << 138.5 << 1
                                        << 1.0 << QPointF(1, 138.5);
    QTest::newRow("mV leaves out a PRT channel")
        << QList<int>{1, 3} << "BtnGraphUnit_mV" << 0 << 1 << 100.0 << 138.5 << 0 << 0.0 << QPointF();
    QTest::newRow("mV of a thermocouple channel")
        << QList<int>{1, 3} << "BtnGraphUnit_mV" << 0 << 3 << 100.0 << 4.096 << 1 << 1.0 << QPointF(1, 4.096);
    QTest::newRow("no temperature, nothing drawn")
        << QList<int>{1, 2} << "BtnGraphUnit_C" << 0 << 1 << NO_VALUE << 107.8 << 0 << 0.0 << QPointF();
    QTest::newRow("full history drops its oldest point")
        << QList<int>{1, 2} << "BtnGraphUnit_C" << 3600 << 1 << 21.0 << 107.8 << 3600 << 2.0 << QPointF(3601, 21);
    QTest::newRow("no temperature in a full history removes nothing")
        << QList<int>{1, 2} << "BtnGraphUnit_C" << 3600 << 1 << NO_VALUE << 107.8 << 3600 << 1.0 << QPointF(3600, 20);
}

// The unit is chosen on the settings page, where the graph takes any of the five.
void tst_GraphViewController::valuesArriveInTheGraphUnit()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QString, unitButton);
    QFETCH(int, before);
    QFETCH(int, fed);
    QFETCH(double, temperature);
    QFETCH(double, electrical);
    QFETCH(int, count);
    QFETCH(double, firstX);
    QFETCH(QPointF, last);

    configure(numbers);
    graph().onBtnUnitClicked();
    ui().PageGraphUnitAndScale->findChild<QZELKContainerRadioButton*>(unitButton)->setChecked(true);
    ui().RbGraphScale_Auto->setChecked(true);
    QVERIFY(graph().storeClicked());

    feed(fed, before);
    feed(fed, 1, temperature, electrical);
    const QVector<QPointF> points = drawnIn(numbers.indexOf(fed));
    QCOMPARE(points.size(), count);
    if (count > 0) {
        QCOMPARE(points.first().x(), firstX);
        QCOMPARE(points.last().x(), last.x());
        QVERIFY2(qFuzzyCompare(points.last().y(), last.y()), qPrintable(QString::number(points.last().y())));
    }
}

void tst_GraphViewController::unitFollowsTheDrawnChannels_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* pName, const char* pStored, const QList<int>& pNumbers, const char* pUnit,
                        const QString& pShown) {
        QTest::newRow(pName) << QString(pStored) << pNumbers << QString(pUnit) << pShown;
    };

    row("Ω with a thermocouple turns into °C", "4", {1, 3}, "1", "°C");
    row("Ω with resistance channels stays", "4", {1, 2, 32}, "4", OHM);
    row("mV with thermocouples stays", "5", {3, 4}, "5", "mV");
    row("mV with a mixed position without probe turns into °C", "5", {3, 80}, "1", "°C");
    row("°F whatever the channels", "2", {1, 3}, "2", "°F");
    row("Ω without channels stays", "4", {}, "4", OHM);
}

void tst_GraphViewController::unitFollowsTheDrawnChannels()
{
    QFETCH(QString, stored);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, unit);
    QFETCH(QString, shown);

    store("unit", stored);
    configure(numbers);
    QCOMPARE(setting("unit"), unit);
    QCOMPARE(ui().Btn2DPlot_Unit->text(), shown);
}

// --- x window --------------------------------------------------------------------

// Steps: "config n,n" scan mode's list, "feed n count" readings of channel n,
// "restart n" its history starts at 1 again, "drag pixels" (positive: right,
// towards older samples), "back" dragging right until the window stops,
// "refresh" the refresh button.
void tst_GraphViewController::runStep(const QString& pStep)
{
    const QStringList words = pStep.split(QLatin1Char(' '));
    const QString& verb = words.first();
    if (verb == QLatin1String("config")) {
        QList<int> numbers;
        for (const QString& number : words[1].split(QLatin1Char(',')))
            numbers << number.toInt();
        configure(numbers);
    } else if (verb == QLatin1String("feed")) {
        for (int i = 0; i < words[2].toInt(); ++i)
            feed(words[1].toInt(), 1, 20.0 + i * 0.01);
    } else if (verb == QLatin1String("restart")) {
        controller().channel(words[1].toInt())->startRecordingGraphValues();
    } else if (verb == QLatin1String("drag")) {
        drag(words[1].toInt());
    } else if (verb == QLatin1String("back")) {
        QString before;
        for (int i = 0; i < 5000 && before != window(); ++i) {
            before = window();
            drag(61);
        }
    } else if (verb == QLatin1String("refresh")) {
        QTest::mouseClick(ui().BtnGraphRefresh, Qt::LeftButton);
    } else {
        qWarning("no step %s", qPrintable(pStep));
    }
}

void tst_GraphViewController::xWindow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("windows");

    QTest::newRow("a configuration keeps the first window") << QStringList{"config 1,2"} << QStringList{"1..12"};
    QTest::newRow("values beyond the window move it")
        << QStringList{"config 1,2", "feed 1 12", "feed 1 1", "feed 1 1", "feed 1 6"}
        << QStringList{"1..12", "1..12", "2..14", "2..14", "8..20"};
    QTest::newRow("refresh goes to the newest samples, dragging left follows again")
        << QStringList{"config 1,2", "feed 1 20", "drag 61", "refresh", "drag -61", "feed 1 4"}
        << QStringList{"1..12", "8..20", "7..19", "10..21", "11..23", "12..24"};
    QTest::newRow("after dragging right new values leave the window")
        << QStringList{"config 1,2", "feed 1 20", "drag 61", "feed 1 2", "refresh", "feed 1 2"}
        << QStringList{"1..12", "8..20", "7..19", "7..19", "12..23", "13..25"};
    QTest::newRow("refresh with the newest sample shown does nothing")
        << QStringList{"config 1,2", "feed 1 20", "refresh"} << QStringList{"1..12", "8..20", "8..20"};
    QTest::newRow("a move of one sample's pixels does not drag")
        << QStringList{"config 1,2", "drag 60", "drag -60", "drag 61"}
        << QStringList{"1..12", "1..12", "1..12", "0..12"};
    QTest::newRow("without curves the window stops at -1")
        << QStringList{"drag 61", "drag 61", "drag 61"} << QStringList{"0..12", "-1..11", "-1..11"};
    QTest::newRow("a curve without points lets the window back to 0")
        << QStringList{"config 1,2", "feed 2 3699", "back"} << QStringList{"1..12", "3687..3699", "0..12"};
    QTest::newRow("the oldest point kept stops the window")
        << QStringList{"config 1,2", "feed 1 3699", "feed 2 3699", "back"}
        << QStringList{"1..12", "3687..3699", "3687..3699", "100..112"};
    QTest::newRow("a channel counting from 1 again takes the window back")
        << QStringList{"config 1,2", "feed 1 20", "restart 1", "feed 1 1"}
        << QStringList{"1..12", "8..20", "8..20", "0..12"};
}

void tst_GraphViewController::xWindow()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, windows);

    graph();
    QStringList seen;
    for (const QString& step : steps) {
        runStep(step);
        seen << window();
    }
    QCOMPARE(seen, windows);
    // One tick per sample number.
    const QwtScaleDiv& div = ui().qwtPlot->axisScaleDiv(QwtPlot::xBottom);
    QCOMPARE(div.ticks(QwtScaleDiv::MajorTick).size(), int(div.upperBound() - div.lowerBound()) + 1);
}

// --- y scale ---------------------------------------------------------------------

void tst_GraphViewController::sampleNumberLabels_data()
{
    QTest::addColumn<int>("samples");
    QTest::addColumn<bool>("everyTickLabelled");
    QTest::newRow("first window, one- and two-digit numbers") << 0 << true;
    QTest::newRow("full history, four-digit numbers") << 3600 << false;
}

// The labels are plain numbers whatever the locale groups, and the labels drawn never touch.
void tst_GraphViewController::sampleNumberLabels()
{
    QFETCH(int, samples);
    QFETCH(bool, everyTickLabelled);
    // A locale that groups thousands; cleanup() restores the C locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    configure({1, 2});
    feed(1, samples);
    QwtPlot* plot = ui().qwtPlot;
    plot->replot();
    plot->updateLayout();
    // The form is not shown: the axis learns its new size only when told.
    QwtScaleWidget* axis = plot->axisWidget(QwtPlot::xBottom);
    QResizeEvent resized(axis->size(), QSize());
    QApplication::sendEvent(axis, &resized);

    const auto* draw = dynamic_cast<const TSampleNumberScaleDraw*>(plot->axisScaleDraw(QwtPlot::xBottom));
    QVERIFY(draw);
    const QFont font = plot->axisWidget(QwtPlot::xBottom)->font();
    const int interval = draw->labelInterval(font);
    QCOMPARE(interval == 1, everyTickLabelled);
    QRectF previous;
    int labelled = 0;
    for (double tick : draw->scaleDiv().ticks(QwtScaleDiv::MajorTick)) {
        if (qRound(tick) % interval != 0)
            continue;
        ++labelled;
        QCOMPARE(draw->label(tick).text(), QString::number(qRound(tick)));
        const QRectF rect = draw->labelRect(font, tick).translated(draw->labelPosition(tick));
        QVERIFY2(previous.isNull() || rect.left() > previous.right(), qPrintable(QString::number(tick)));
        previous = rect;
    }
    QVERIFY(labelled >= 2);
}

void tst_GraphViewController::yScale_data()
{
    QTest::addColumn<QString>("autoScale");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    // No ticks: the automatic scale.
    QTest::addColumn<QList<double>>("majors");
    const auto row = [](const char* pName, const char* pAuto, const char* pMin, const char* pMax,
                        const QList<double>& pMajors = {}) {
        QTest::newRow(pName) << QString(pAuto) << QString(pMin) << QString(pMax) << pMajors;
    };
    const QList<double> zeroTo40{0, 5, 10, 15, 20, 25, 30, 35, 40};

    row("0 to 40", "0", "0", "40", zeroTo40);
    row("10 to 20", "0", "10", "20", {10, 11.25, 12.5, 13.75, 15, 16.25, 17.5, 18.75, 20});
    row("steps that do not add up exactly", "0", "-1", "1", {-1, -0.75, -0.5, -0.25, 0, 0.25, 0.5, 0.75, 1});
    row("text that is no number reads 0", "0", "abc", "40", zeroTo40);
    row("any text but 1 is a fixed scale", "yes", "0", "40", zeroTo40);
    row("automatic", "1", "0", "40");
    row("equal limits", "0", "5", "5");
    row("limits reversed", "0", "6", "5");
    row("infinite maximum", "0", "0", "inf");
    row("infinite span", "0", "-1e308", "1e308");
    row("step below the spacing of doubles", "0", "1e16", "10000000000000004");
}

// The constructor applies the stored scale: limits that would never let the
// ticks reach the maximum must not hang the program at its start.
void tst_GraphViewController::yScale()
{
    QFETCH(QString, autoScale);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    QFETCH(QList<double>, majors);

    store("auto_scale", autoScale);
    store("scale_min", minimum);
    store("scale_max", maximum);
    graph();

    QwtPlot* plot = ui().qwtPlot;
    QCOMPARE(plot->axisAutoScale(QwtPlot::yLeft), majors.isEmpty());
    if (majors.isEmpty())
        return;
    const QwtScaleDiv& div = plot->axisScaleDiv(QwtPlot::yLeft);
    const QList<double> ticks = div.ticks(QwtScaleDiv::MajorTick);
    QCOMPARE(ticks.size(), majors.size());
    for (int i = 0; i < ticks.size(); ++i)
        QVERIFY2(qAbs(ticks[i] - majors[i]) < 1e-12, qPrintable(QString::number(ticks[i])));
    QCOMPARE(div.ticks(QwtScaleDiv::MinorTick).size(), 32);
}

// --- settings page ---------------------------------------------------------------

void tst_GraphViewController::settingsPageShowsTheGraphsChoice_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("autoScale");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("checkedUnit");
    QTest::addColumn<bool>("ohmOffered");
    QTest::addColumn<bool>("millivoltOffered");
    QTest::addColumn<bool>("custom");
    const auto row = [](const char* pName, const char* pUnit, const char* pAuto, const QList<int>& pNumbers,
                        const char* pChecked, bool pOhm, bool pMillivolt, bool pCustom) {
        QTest::newRow(pName) << QString(pUnit) << QString(pAuto) << pNumbers << QString(pChecked) << pOhm << pMillivolt
                             << pCustom;
    };

    row("°C automatic, resistance channels", "1", "1", {1, 2}, "BtnGraphUnit_C", true, false, false);
    row("mV custom, thermocouples", "5", "0", {3, 4}, "BtnGraphUnit_mV", false, true, true);
    row("K with both kinds", "3", "1", {1, 3}, "BtnGraphUnit_K", false, false, false);
    row("no channel", "2", "0", {}, "BtnGraphUnit_F", false, false, true);
    row("unknown unit checks none", "7", "1", {}, "", false, false, false);
}

void tst_GraphViewController::settingsPageShowsTheGraphsChoice()
{
    QFETCH(QString, unit);
    QFETCH(QString, autoScale);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, checkedUnit);
    QFETCH(bool, ohmOffered);
    QFETCH(bool, millivoltOffered);
    QFETCH(bool, custom);

    store("unit", unit);
    store("auto_scale", autoScale);
    store("scale_min", "-12.5");
    store("scale_max", "1234567");
    // A choice left on the page from before must not stay.
    ui().BtnGraphUnit_F->setChecked(true);
    configure(numbers);
    QTest::mouseClick(ui().Btn2DPlot_Unit, Qt::LeftButton);

    TRecordingSubMenu& menu = mFixture->subMenu();
    QCOMPARE(menu.mShownPage, ui().PageGraphUnitAndScale);
    QCOMPARE(menu.mReceiver, static_cast<ISubMenuConfirmationReceiver*>(&graph()));
    QStringList checked;
    for (auto* button : ui().PageGraphUnitAndScale->findChildren<QZELKContainerRadioButton*>()) {
        if (button->isChecked())
            checked << button->objectName();
    }
    QCOMPARE(checked, checkedUnit.isEmpty() ? QStringList() : QStringList{checkedUnit});
    QCOMPARE(!ui().BtnGraphUnit_Ohm->isHidden(), ohmOffered);
    QCOMPARE(!ui().BtnGraphUnit_mV->isHidden(), millivoltOffered);
    QCOMPARE(ui().RbGraphScale_Custom->isChecked(), custom);
    QCOMPARE(ui().RbGraphScale_Auto->isChecked(), !custom);
    QCOMPARE(!ui().WgtCustomScale->isHidden(), custom);
    QCOMPARE(ui().BtnGraphScale_Min->text(), QStringLiteral("-12.5"));
    QCOMPARE(ui().BtnGraphScale_Max->text(), QStringLiteral("1.23457e+06"));
}

void tst_GraphViewController::settingsPageSave_data()
{
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    // Empty when Save is refused: the page stays open and nothing is stored.
    QTest::addColumn<QStringList>("stored");
    const auto row = [](const char* pName, bool pCustom, const char* pMin, const char* pMax,
                        const QStringList& pStored = {}) {
        QTest::newRow(pName) << pCustom << QString(pMin) << QString(pMax) << pStored;
    };

    row("custom 10 to 20", true, "10", "20", {"0", "10", "20", "2"});
    row("custom 10 to 10 refused", true, "10", "10");
    row("custom 20 to 10 refused", true, "20", "10");
    row("custom with an exponent", true, "-0.5", "1e3", {"0", "-0.5", "1000", "2"});
    row("automatic keeps the limits", false, "10", "10", {"1", "3", "7", "2"});
}

// °F is chosen on the page along with the scale; a refused Save takes neither.
void tst_GraphViewController::settingsPageSave()
{
    QFETCH(bool, custom);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    QFETCH(QStringList, stored);
    const bool closes = !stored.isEmpty();

    store("scale_min", "3");
    store("scale_max", "7");
    configure({1, 2});
    feed(1, 1, 100.0);
    graph().onBtnUnitClicked();
    ui().BtnGraphUnit_F->setChecked(true);
    (custom ? ui().RbGraphScale_Custom : ui().RbGraphScale_Auto)->setChecked(true);
    ui().BtnGraphScale_Min->setText(minimum);
    ui().BtnGraphScale_Max->setText(maximum);

    bool closed = false;
    {
        TMessageRecorder recorder;
        closed = mFixture->subMenu().mReceiver->storeClicked();
        QCOMPARE(recorder.texts().size(), closes ? 0 : 1);
    }
    QCOMPARE(closed, closes);
    QCOMPARE((QStringList{setting("auto_scale"), setting("scale_min"), setting("scale_max"), setting("unit")}),
             closes ? stored : QStringList({"<none>", "3", "7", "<none>"}));
    QCOMPARE(ui().qwtPlot->axisAutoScale(QwtPlot::yLeft), !closes || !custom);
    if (closes && custom) {
        const QwtScaleDiv& div = ui().qwtPlot->axisScaleDiv(QwtPlot::yLeft);
        QCOMPARE(div.lowerBound(), stored[1].toDouble());
        QCOMPARE(div.upperBound(), stored[2].toDouble());
    }
    // The curves follow a new unit at once.
    QCOMPARE(drawnIn(0), (QVector<QPointF>{{1, closes ? 212.0 : 100.0}}));
    QCOMPARE(ui().Btn2DPlot_Unit->text(), closes ? QStringLiteral("°F") : QStringLiteral("°C"));
}

// --- channels replaced and changed ----------------------------------------------

// Channel 2 (colour 1) is replaced by channel 4 through its button and the
// channel selection.
// A scan shown as tiles keeps the graph hidden: its values wait for the graph
// to be shown instead of laying out a plot no one sees on every cycle.
void tst_GraphViewController::hiddenGraphIsScaledWhenShown()
{
    configure({1});
    feed(1, 3, 150.0, 5.0);
    QwtPlot* plot = ui().qwtPlot;
    QVERIFY(!plot->isVisible());
    QVERIFY(!plot->axisScaleDiv(QwtPlot::yLeft).contains(150.0));

    ui().stackedWidget->setCurrentWidget(ui().Page2DPlot);
    plot->window()->show();
    QVERIFY(plot->isVisible());
    QVERIFY(plot->axisScaleDiv(QwtPlot::yLeft).contains(150.0));
}

void tst_GraphViewController::polledPlotLooksAsDrawnAtOnce_data()
{
    QTest::addColumn<int>("history");
    QTest::addColumn<int>("polls");
    // Set on the plot half way through the polls; empty: the page's own look.
    QTest::addColumn<QString>("axisSheet");

    // Each channel counts its own samples: twice the polls reach the numbers.
    QTest::newRow("first windows") << 0 << 30 << QString();
    QTest::newRow("window moving into three-digit numbers") << 170 << 60 << QString();
    QTest::newRow("window moving into four-digit numbers") << 1960 << 80 << QString();
    QTest::newRow("full history dropping its oldest points") << 7190 << 30 << QString();
    QTest::newRow("axis font changed while polled")
        << 80 << 20 << QStringLiteral("QwtScaleWidget { font-size: 30px; }");
}

// What the plot keeps from one measuring cycle to the next (measured labels,
// axis height, label interval, the curves' bounds) must not show: after
// every poll painted, the plot looks as a plot that draws the same values
// once.
void tst_GraphViewController::polledPlotLooksAsDrawnAtOnce()
{
    QFETCH(int, history);
    QFETCH(int, polls);
    QFETCH(QString, axisSheet);

    const QImage polled = drawScan(history, polls, axisSheet, true);
    cleanup();
    init();
    const QImage atOnce = drawScan(history, polls, axisSheet, false);
    QCOMPARE(polled, atOnce);
}

// Two channels measured in turn, the graph page painted after each poll from
// the history on; or hidden until the end, with the axis look of the end
// from the start.
QImage tst_GraphViewController::drawScan(int pHistory, int pPolls, const QString& pAxisSheet, bool pShownWhilePolled)
{
    QwtPlot* plot = ui().qwtPlot;
    if (!pShownWhilePolled && !pAxisSheet.isEmpty()) {
        plot->setStyleSheet(pAxisSheet);
        plot->ensurePolished();
    }
    configure({1, 2});
    ui().stackedWidget->setCurrentWidget(ui().Page2DPlot);
    const int count = pHistory + pPolls;
    for (int i = 0; i < count; ++i) {
        if (i == pHistory && pShownWhilePolled)
            plot->window()->show();
        if (i == pHistory + pPolls / 2 && pShownWhilePolled && !pAxisSheet.isEmpty())
            plot->setStyleSheet(pAxisSheet);
        controller().channel(1 + i % 2)->setNewValue(107.8, 20.0 + 3.0 * std::sin(i * 0.3) + (i % 2) * 0.5);
        QApplication::processEvents();
    }
    plot->window()->show();
    QApplication::processEvents();
    return plot->grab().toImage();
}

void tst_GraphViewController::channelButtonReplacesAChannel()
{
    configure({1, 2, 3});
    feed(1, 3);
    feed(2, 3);
    feed(3, 3);
    QTest::mouseClick(ui().Btn2DPlot_Chan2, Qt::LeftButton);
    QCOMPARE(mFixture->subMenu().mShownPage, ui().PageChannelSelection);
    graph().channelSelected(controller().channel(4));

    QList<int> scanned;
    for (const TAbstractChannel* channel : mScanMode->scannedChannels())
        scanned << channel->internalChannelNumber();
    QCOMPARE(scanned, (QList<int>{1, 4, 3}));
    QCOMPARE(ui().Btn2DPlot_Chan2->text(), QStringLiteral("Chan. 4"));
    QCOMPARE(curves().size(), 6);
    for (int colour : {0, 1, 2})
        QVERIFY(drawnIn(colour).isEmpty());

    // Even while channel 2 records, its values no longer reach the graph.
    controller().channel(2)->startRecordingGraphValues();
    feed(2, 1, 30.0);
    feed(4, 1, 40.0);
    QCOMPARE(drawnIn(1), (QVector<QPointF>{{1, 40}}));
    for (int colour : {0, 2})
        QVERIFY(drawnIn(colour).isEmpty());

    // Replacing a channel by itself keeps its curves.
    QTest::mouseClick(ui().Btn2DPlot_Chan2, Qt::LeftButton);
    graph().channelSelected(controller().channel(4));
    QCOMPARE(curves().size(), 6);
    feed(4, 1, 41.0);
    QCOMPARE(drawnIn(1), (QVector<QPointF>{{1, 41}}));

    // Channel 2's values were dropped above only because it has no curves left; the graph must not hear it at all.
    // Disconnecting reports whether a connection was there (and ends the test's listening to channel 4).
    QVERIFY(!QObject::disconnect(controller().channel(2), &TAbstractChannel::graphValueAdded, &graph(), nullptr));
    QVERIFY(QObject::disconnect(controller().channel(4), &TAbstractChannel::graphValueAdded, &graph(), nullptr));
}

// Position 1.1 of the mixed box measures with a thermocouple, then with a PRT:
// its history starts afresh, millivolt no longer fits, and every curve is
// drawn again in degrees Celsius.
void tst_GraphViewController::channelOfAnotherKindReloadsTheCurves()
{
    auto* mixed = static_cast<TPhysicalChannel*>(controller().channel(80));
    mixed->assignProbe(mTCProbe.get());
    store("unit", "5");
    configure({3, 80});
    QCOMPARE(setting("unit"), QStringLiteral("5"));
    feed(3, 1, 100.0, 4.096);
    feed(80, 1, 25.0, 1.0);
    QCOMPARE(drawnIn(0), (QVector<QPointF>{{1, 4.096}}));

    mixed->assignProbe(mPRTProbe.get());
    QCOMPARE(setting("unit"), QStringLiteral("1"));
    QCOMPARE(ui().Btn2DPlot_Unit->text(), QStringLiteral("°C"));
    QCOMPARE(drawnIn(0), (QVector<QPointF>{{1, 100}}));
    QVERIFY(drawnIn(1).isEmpty());
    mixed->assignProbe(nullptr);
}

void tst_GraphViewController::languageChangeKeepsTheTexts()
{
    store("unit", "3");
    configure({1, 81});
    ui().retranslateUi(&mFixture->form());
    graph().retranslate();
    QCOMPARE(ui().Btn2DPlot_Unit->text(), QStringLiteral("K"));
    QCOMPARE(ui().Btn2DPlot_Chan2->text(), QStringLiteral("Chan. 1.2"));
}

TAMARIND_TEST_MAIN(tst_GraphViewController)
#include "tst_graphviewcontroller.moc"
