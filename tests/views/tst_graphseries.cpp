#include "graphseries.h"
#include "scalelabeltextengine.h"
#include "testsupport.h"

#include <QImage>
#include <QPen>

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_scale_div.h>

#include <cmath>
#include <functional>

namespace
{
// One step of a history: a point appended, the oldest dropped, or all replaced.
using TStep = std::function<void(TGraphPoints&)>;

TStep append(double pX, double pY)
{
    return [=](TGraphPoints& pPoints) { pPoints.append(QPointF(pX, pY)); };
}

TStep removeFirst()
{
    return [](TGraphPoints& pPoints) { pPoints.removeFirst(); };
}

TStep assign(const QVector<QPointF>& pPoints)
{
    return [=](TGraphPoints& oPoints) { oPoints.assign(pPoints); };
}

QVector<QPointF> wave(int pCount, double pFirstX = 1.0)
{
    QVector<QPointF> points;
    for (int i = 0; i < pCount; ++i)
        points << QPointF(pFirstX + i, 20.0 + 5.0 * std::sin(i * 0.7) + (i % 7) * 0.3);
    return points;
}

// The plot as the graph page draws it: a fixed x window, the y axis scaled to the curves.
QImage render(QwtPlotCurve& pCurve, QwtPlotCurve::CurveStyle pStyle, double pLower, double pUpper)
{
    QwtPlot plot;
    plot.resize(640, 360);
    plot.setAxisScaleDiv(QwtPlot::xBottom, QwtScaleDiv(pLower, pUpper));
    QPen pen(Qt::red);
    pen.setWidthF(pStyle == QwtPlotCurve::Dots ? 4.0 : 2.0);
    pCurve.setPen(pen);
    pCurve.setStyle(pStyle);
    pCurve.attach(&plot);
    plot.replot();
    QImage image(plot.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    plot.render(&image);
    pCurve.detach();
    return image;
}
} // namespace

Q_DECLARE_METATYPE(QList<TStep>)

// The graph's curves and axis labels: the y scale reads the kept bounding
// rectangle, a curve maps only the points near its x window, and labels are
// measured with remembered margins, without changing a pixel.
class tst_GraphSeries : public QObject
{
    Q_OBJECT

private slots:
    void boundsFollowTheHistory_data();
    void boundsFollowTheHistory();
    void windowedCurveDrawsAsTheWholeSeries_data();
    void windowedCurveDrawsAsTheWholeSeries();
    void axisLabelsMeasureAsTheToolkitsOwn();
};

void tst_GraphSeries::boundsFollowTheHistory_data()
{
    QTest::addColumn<QList<TStep>>("steps");
    QTest::addColumn<QRectF>("bounds");

    QTest::newRow("no points") << QList<TStep>{} << QRectF(1.0, 1.0, -2.0, -2.0);
    QTest::newRow("one point") << QList<TStep>{append(3, 20.5)} << QRectF(3.0, 20.5, 0.0, 0.0);
    QTest::newRow("growing") << QList<TStep>{append(1, 20), append(2, 25), append(3, 18)}
                             << QRectF(1.0, 18.0, 2.0, 7.0);
    QTest::newRow("the maximum dropped with the oldest point")
        << QList<TStep>{append(1, 30), append(2, 25), append(3, 18), removeFirst()} << QRectF(2.0, 18.0, 1.0, 7.0);
    QTest::newRow("a point inside dropped")
        << QList<TStep>{append(1, 20), append(2, 21), append(3, 18), append(4, 25), removeFirst(), removeFirst()}
        << QRectF(3.0, 18.0, 1.0, 7.0);
    QTest::newRow("the last point dropped")
        << QList<TStep>{append(1, 20), removeFirst()} << QRectF(1.0, 1.0, -2.0, -2.0);
    QTest::newRow("appended after a drop")
        << QList<TStep>{append(1, 30), append(2, 25), removeFirst(), append(3, 10)} << QRectF(2.0, 10.0, 1.0, 15.0);
    QTest::newRow("replaced") << QList<TStep>{append(1, 99), assign({{5, 1}, {6, -4}})} << QRectF(5.0, -4.0, 1.0, 5.0);
    QTest::newRow("a history counting from 1 again")
        << QList<TStep>{append(7, 20), append(8, 22), append(1, 19)} << QRectF(1.0, 19.0, 7.0, 3.0);
    QTest::newRow("counting on after counting from 1 again")
        << QList<TStep>{append(7, 20), append(8, 22), append(1, 19), append(2, 23)} << QRectF(1.0, 19.0, 7.0, 4.0);
    QTest::newRow("in order again once the older count is dropped")
        << QList<TStep>{append(7, 20), append(8, 22), append(1, 19), removeFirst(), removeFirst(), append(2, 18)}
        << QRectF(1.0, 18.0, 1.0, 1.0);
    QTest::newRow("equal values, the oldest dropped")
        << QList<TStep>{append(1, 5), append(2, 5), append(3, 5), removeFirst()} << QRectF(2.0, 5.0, 1.0, 0.0);
    // A full history keeps its length: each new point drops the oldest.
    QList<TStep> sliding;
    const QVector<QPointF> points = wave(200);
    for (int i = 0; i < points.size(); ++i) {
        sliding << append(points[i].x(), points[i].y());
        if (i >= 30)
            sliding << removeFirst();
    }
    // The toolkit's bounds of the 30 points kept.
    QTest::newRow("a full history moving over a wave") << sliding << QwtPointSeriesData(points.mid(170)).boundingRect();
}

void tst_GraphSeries::boundsFollowTheHistory()
{
    QFETCH(QList<TStep>, steps);
    QFETCH(QRectF, bounds);

    TGraphPoints points;
    // Asked between the steps too, as each replot does.
    for (const TStep& step : steps) {
        step(points);
        points.boundingRect();
    }
    QCOMPARE(points.boundingRect(), bounds);
    QwtPointSeriesData whole(QVector<QPointF>(points.points().cbegin(), points.points().cend()));
    QCOMPARE(points.boundingRect(), whole.boundingRect());
}

void tst_GraphSeries::windowedCurveDrawsAsTheWholeSeries_data()
{
    QTest::addColumn<QVector<QPointF>>("values");
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");

    const QVector<QPointF> history = wave(3600);
    QTest::newRow("line, the newest samples") << history << int(QwtPlotCurve::Lines) << 3590.0 << 3602.0;
    QTest::newRow("line, a window in the middle") << history << int(QwtPlotCurve::Lines) << 1700.0 << 1712.0;
    QTest::newRow("dots, a window in the middle") << history << int(QwtPlotCurve::Dots) << 1700.0 << 1712.0;
    QTest::newRow("line, window between samples") << history << int(QwtPlotCurve::Lines) << 99.5 << 111.5;
    QTest::newRow("line, window before the first sample")
        << wave(50, 100.0) << int(QwtPlotCurve::Lines) << 80.0 << 92.0;
    QTest::newRow("line, a few samples in a wide window") << wave(3, 5.0) << int(QwtPlotCurve::Lines) << 1.0 << 13.0;
    QVector<QPointF> restarted = wave(40, 200.0) + wave(40, 1.0);
    QTest::newRow("line, a history counting from 1 again") << restarted << int(QwtPlotCurve::Lines) << 20.0 << 32.0;
}

void tst_GraphSeries::windowedCurveDrawsAsTheWholeSeries()
{
    QFETCH(QVector<QPointF>, values);
    QFETCH(int, style);
    QFETCH(double, lower);
    QFETCH(double, upper);

    TGraphPoints points;
    points.assign(values);
    TGraphCurve windowed(points);
    QwtPlotCurve whole;
    whole.setSamples(values);
    const QImage expected = render(whole, QwtPlotCurve::CurveStyle(style), lower, upper);
    const QImage drawn = render(windowed, QwtPlotCurve::CurveStyle(style), lower, upper);
    QCOMPARE(drawn, expected);
}

// The axis labels' engine remembers margins per font: fonts asked in turn,
// and again, measure as the toolkit's plain texts do.
void tst_GraphSeries::axisLabelsMeasureAsTheToolkitsOwn()
{
    QFont small;
    small.setPixelSize(12);
    QFont large;
    large.setPixelSize(30);
    QFont bold = small;
    bold.setBold(true);
    for (const QFont& font : {small, large, bold, small, large}) {
        for (const QString& number : {QStringLiteral("7"), QStringLiteral("3600"), QStringLiteral("-1.5")}) {
            QwtText label = TScaleLabelTextEngine::label(number);
            QwtText plain(number, QwtText::PlainText);
            for (QwtText* text : {&label, &plain}) {
                text->setRenderFlags(0);
                text->setLayoutAttribute(QwtText::MinimumLayout);
            }
            QCOMPARE(label.textSize(font), plain.textSize(font));
        }
    }
}

TAMARIND_TEST_MAIN(tst_GraphSeries)
#include "tst_graphseries.moc"
