#include "channelcontroller.h"
#include "mainwindowfixture.h"
#include "padkeys.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

namespace
{
QString setting(const char* pKey)
{
    return TTamarindSettings::instance().value(QStringLiteral("graph"), QLatin1String(pKey), QStringLiteral("<none>"));
}

void store(const char* pSection, const char* pKey, const QString& pValue)
{
    TTamarindSettings::instance().setValue(QLatin1String(pSection), QLatin1String(pKey), pValue);
    TTamarindSettings::instance().store();
}
} // namespace

// The graph view as the main window builds and wires it: shown for a scan
// whose view is the graph, fed by the channel controller's cycle, its settings
// page in the menu column, kept over a restart, reset and retranslated.
class tst_MainWindowGraph : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void scanDrawsItsChannelsFromTheCycle();
    void settingsPageSavesThroughTheMenuColumn();
    void languageChangeAndFactoryReset();

private:
    TChannelController& channels() const { return *mMain.window()->mChannelController; }
    QwtPlot* plot() const { return mMain.child<QwtPlot>("qwtPlot"); }
    // The points of each line curve, in the order the curves were attached.
    QList<QVector<QPointF>> lines() const;
    void enterOnPad(const char* pButton, const QStringList& pKeys);

    TMainWindowFixture mMain;
};

void tst_MainWindowGraph::initTestCase()
{
    QVERIFY(mMain.startBoard());
}

void tst_MainWindowGraph::init()
{
    for (const char* section : {"scan", "graph"})
        TTamarindSettings::instance().removeSection(QLatin1String(section));
    store("scan", "channels", "1,2");
    store("scan", "view", "3");
    store("scan", "hold_time", "3");
}

void tst_MainWindowGraph::cleanup()
{
    mMain.close();
}

QList<QVector<QPointF>> tst_MainWindowGraph::lines() const
{
    QList<QVector<QPointF>> found;
    for (const QwtPlotItem* item : plot()->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        const auto* curve = static_cast<const QwtPlotCurve*>(item);
        if (curve->style() != QwtPlotCurve::Lines)
            continue;
        QVector<QPointF> points;
        for (size_t i = 0; i < curve->dataSize(); ++i)
            points << curve->sample(int(i));
        found << points;
    }
    return found;
}

void tst_MainWindowGraph::enterOnPad(const char* pButton, const QStringList& pKeys)
{
    TModalAnswer::onNextModal([pKeys](QWidget* pPad) { pressKeys(pPad, pKeys + QStringList{"BtnAccept"}); });
    mMain.click(pButton);
}

// Channel 1 holds 23 °C on the simulated board; channel 2 rises from 20 °C.
void tst_MainWindowGraph::scanDrawsItsChannelsFromTheCycle()
{
    mMain.open(true);
    channels().setReadingActive(false);
    mMain.click("BtnScan");
    mMain.click("BtnScan_Start");
    mMain.click("BtnScan_ShowView");
    QCOMPARE(mMain.mainPage(), mMain.child("Page2DPlot"));
    QCOMPARE(mMain.child("Btn2DPlot_Chan1")->property("text").toString(), QStringLiteral("Chan. 1"));
    QCOMPARE(mMain.child("Btn2DPlot_Chan2")->property("text").toString(), QStringLiteral("Chan. 2"));
    QVERIFY(!mMain.shown("Btn2DPlot_Chan3"));

    // A hold time of 3 s is 7 polls; two turns of each channel.
    for (int poll = 0; poll < 28; ++poll)
        QVERIFY(channels().readMeasuredChannel());
    const QList<QVector<QPointF>> drawn = lines();
    QCOMPARE(drawn.size(), 2);
    for (const QVector<QPointF>& points : drawn) {
        QCOMPARE(points.size(), 14);
        QCOMPARE(points.first().x(), 1.0);
        QCOMPARE(points.last().x(), 14.0);
    }
    QVERIFY2(qAbs(drawn[0].last().y() - 23.0) < 0.1, qPrintable(QString::number(drawn[0].last().y())));
    // The window followed the newest samples.
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::xBottom).upperBound(), 14.0);
    QCoreApplication::processEvents();
    mMain.snapshot(QStringLiteral("graph_view_scanning"));

    // A finger on the plot's canvas drags the window one sample back; refresh returns.
    QWidget* canvas = plot()->canvas();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 50), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(100 + canvas->width() / 2, 50), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &move);
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::xBottom).upperBound(), 13.0);
    mMain.click("BtnGraphRefresh");
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::xBottom).upperBound(), 15.0);

    mMain.click("BtnScan");
    mMain.click("BtnScan_Stop");
    QVERIFY(lines().isEmpty());
}

void tst_MainWindowGraph::settingsPageSavesThroughTheMenuColumn()
{
    mMain.open(true);
    mMain.click("BtnScan");
    mMain.click("BtnScan_Start");
    mMain.click("BtnScan_ShowView");
    mMain.click("Btn2DPlot_Unit");
    QCOMPARE(mMain.menuPage(), mMain.child("PageGraphUnitAndScale"));
    QCOMPARE(mMain.text("LblMenuCaption"), QStringLiteral("Graph settings"));
    QVERIFY(!mMain.shown("WgtCustomScale"));
    mMain.click("BtnGraphUnit_F");
    mMain.click("RbGraphScale_Custom");
    QVERIFY(mMain.shown("WgtCustomScale"));
    enterOnPad("BtnGraphScale_Min", {"Btn1", "Btn0"});
    enterOnPad("BtnGraphScale_Max", {"Btn4", "Btn0"});
    mMain.snapshot(QStringLiteral("graph_settings_page"));
    mMain.click("BtnSave");
    QCOMPARE(mMain.menuPage(), mMain.child("PageMenu"));
    QCOMPARE((QStringList{setting("unit"), setting("auto_scale"), setting("scale_min"), setting("scale_max")}),
             (QStringList{"2", "0", "10", "40"}));
    // On disk at once, not only in the settings held by the program.
    const QByteArray file = TTestEnvironment::readDeviceFile(QStringLiteral("/home/Settings/ZELK/settings.xml"));
    for (const char* element : {"<unit>2</unit>", "<auto_scale>0</auto_scale>", "<scale_max>40</scale_max>"})
        QVERIFY2(file.contains(element), element);

    mMain.close();
    mMain.open(false);
    QCOMPARE(mMain.child("Btn2DPlot_Unit")->property("text").toString(), QStringLiteral("°F"));
    QVERIFY(!plot()->axisAutoScale(QwtPlot::yLeft));
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 10.0);
    QCOMPARE(plot()->axisScaleDiv(QwtPlot::yLeft).upperBound(), 40.0);
}

void tst_MainWindowGraph::languageChangeAndFactoryReset()
{
    store("graph", "unit", "3");
    store("graph", "auto_scale", "0");
    store("graph", "scale_min", "10");
    store("graph", "scale_max", "40");
    mMain.open(false);
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(mMain.window(), &languageChange);
    QCOMPARE(mMain.child("Btn2DPlot_Unit")->property("text").toString(), QStringLiteral("K"));

    TModalAnswer::clickInNextModal(QStringLiteral("BtnYes"));
    mMain.window()->factoryReset();
    QCOMPARE((QStringList{setting("unit"), setting("auto_scale"), setting("scale_min"), setting("scale_max")}),
             (QStringList{"1", "1", "0", "0"}));
    QCOMPARE(mMain.child("Btn2DPlot_Unit")->property("text").toString(), QStringLiteral("°C"));
    QVERIFY(plot()->axisAutoScale(QwtPlot::yLeft));
}

TAMARIND_TEST_MAIN(tst_MainWindowGraph)
#include "tst_mainwindowgraph.moc"
