#pragma once

#include <QPointF>
#include <QRectF>
#include <QVector>

#include <deque>

#include <qwt_plot_curve.h>
#include <qwt_series_data.h>

// The points of one channel on the graph with what every replot asks of them
// kept up to date as points come and go: their bounding rectangle, which the
// automatic y scale reads, and whether the sample numbers ascend. A long scan
// holds thousands of points per channel while a dozen are in sight, and
// drops its oldest point with each new one.
class TGraphPoints
{
public:
    void append(const QPointF& pPoint);
    void removeFirst();
    void assign(const QVector<QPointF>& pPoints);
    void clear();

    // The oldest point first; dropping it moves none of the others.
    const std::deque<QPointF>& points() const { return mPoints; }
    // As the toolkit's own series compute it: invalid (negative size) when empty.
    QRectF boundingRect() const;
    bool isAscending() const { return mAscending; }

private:
    // The candidates for one bound: the points that no later point beats,
    // the bound itself first. A point leaves when a later one beats it or
    // when it is dropped as the oldest, so that neither appending nor
    // dropping looks at the whole history.
    class TExtremes
    {
    public:
        TExtremes(bool pOfY, bool pLargest) : mOfY(pOfY), mLargest(pLargest) {}
        void append(const std::deque<QPointF>& pPoints, int pOffset);
        void removeFirst(int pOffset);
        // The candidates of all the points, found in one pass from the newest.
        void rebuild(const std::deque<QPointF>& pPoints, int pOffset);
        void clear() { mCandidates.clear(); }
        // The bound; only while there are points.
        qreal bound(const std::deque<QPointF>& pPoints, int pOffset) const;

    private:
        qreal value(const QPointF& pPoint) const { return mOfY ? pPoint.y() : pPoint.x(); }
        bool beats(qreal pValue, qreal pOther) const { return mLargest ? pValue > pOther : pValue < pOther; }

        bool mOfY;
        bool mLargest;
        // Counted from the first point ever appended, so that dropping the
        // oldest point leaves them as they are.
        std::deque<int> mCandidates;
    };

    std::deque<QPointF> mPoints;
    // Points dropped at the front since the last assign() or clear().
    int mDropped = 0;
    bool mAscending = true;
    TExtremes mLeft{false, false};
    TExtremes mRight{false, true};
    TExtremes mTop{true, false};
    TExtremes mBottom{true, true};
};

// A curve's view of the points of its channel; the points belong to the
// channel's graph components and outlive the curve.
class TGraphSeriesData : public QwtSeriesData<QPointF>
{
public:
    explicit TGraphSeriesData(const TGraphPoints& pPoints) : mPoints(pPoints) {}

    size_t size() const override { return mPoints.points().size(); }
    QPointF sample(size_t pIndex) const override { return mPoints.points()[pIndex]; }
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
