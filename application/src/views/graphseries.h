#pragma once

#include <QPointF>
#include <QRectF>
#include <QVector>

#include <qwt_plot_curve.h>
#include <qwt_series_data.h>

// The points of one channel on the graph with what every replot asks of them
// kept up to date as points come and go: their bounding rectangle, which the
// automatic y scale reads, and whether the sample numbers ascend. A long scan
// holds thousands of points per channel while a dozen are in sight.
class TGraphPoints
{
public:
    void append(const QPointF& pPoint);
    void removeFirst();
    void assign(const QVector<QPointF>& pPoints);
    void clear();

    const QVector<QPointF>& points() const { return mPoints; }
    // As the toolkit's own series compute it: invalid (negative size) when empty.
    QRectF boundingRect() const;
    bool isAscending() const { return mAscending; }

private:
    void computeBounds() const;

    QVector<QPointF> mPoints;
    // Recomputed only after a point on the rectangle's edge was removed.
    mutable QRectF mBounds{1.0, 1.0, -2.0, -2.0};
    mutable bool mBoundsKnown = true;
    bool mAscending = true;
};

// A curve's view of the points of its channel; the points belong to the
// channel's graph components and outlive the curve.
class TGraphSeriesData : public QwtSeriesData<QPointF>
{
public:
    explicit TGraphSeriesData(const TGraphPoints& pPoints) : mPoints(pPoints) {}

    size_t size() const override { return size_t(mPoints.points().size()); }
    QPointF sample(size_t pIndex) const override { return mPoints.points().at(int(pIndex)); }
    QRectF boundingRect() const override { return mPoints.boundingRect(); }

    const TGraphPoints& graphPoints() const { return mPoints; }

private:
    const TGraphPoints& mPoints;
};

// A curve of the graph that maps only the points in the x window and one on
// each side of it, whose segments reach into the window: the rest lie off
// the canvas and would only be mapped to be clipped away.
class TGraphCurve : public QwtPlotCurve
{
public:
    // The curve takes its own series data for pPoints.
    explicit TGraphCurve(const TGraphPoints& pPoints);

    void drawSeries(QPainter* pPainter, const QwtScaleMap& pXMap, const QwtScaleMap& pYMap, const QRectF& pCanvasRect,
                    int pFrom, int pTo) const override;

    // The indexes from and to (inclusive) of the points to draw for the x
    // window from pLower to pUpper; from > to when none is needed.
    static void visibleRange(const TGraphPoints& pPoints, double pLower, double pUpper, int& oFrom, int& oTo);

private:
    const TGraphPoints& mPoints;
};
