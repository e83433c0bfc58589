#include "graphseries.h"

#include <qwt_scale_map.h>

#include <algorithm>

namespace
{
void extend(QRectF& oBounds, const QPointF& pPoint)
{
    oBounds.setLeft(std::min(oBounds.left(), pPoint.x()));
    oBounds.setTop(std::min(oBounds.top(), pPoint.y()));
    oBounds.setRight(std::max(oBounds.right(), pPoint.x()));
    oBounds.setBottom(std::max(oBounds.bottom(), pPoint.y()));
}

bool ascending(const QVector<QPointF>& pPoints)
{
    return std::is_sorted(pPoints.cbegin(), pPoints.cend(),
                          [](const QPointF& pA, const QPointF& pB) { return pA.x() < pB.x(); });
}
} // namespace

void TGraphPoints::append(const QPointF& pPoint)
{
    if (!mPoints.isEmpty() && pPoint.x() < mPoints.last().x())
        mAscending = false;
    mPoints.append(pPoint);
    if (!mBoundsKnown)
        return;
    if (mPoints.size() == 1) {
        mBounds = QRectF(pPoint, QSizeF(0.0, 0.0));
        return;
    }
    extend(mBounds, pPoint);
}

void TGraphPoints::removeFirst()
{
    if (mPoints.isEmpty())
        return;
    const QPointF removed = mPoints.takeFirst();
    if (mBoundsKnown && (removed.x() == mBounds.left() || removed.x() == mBounds.right() ||
                         removed.y() == mBounds.top() || removed.y() == mBounds.bottom()))
        mBoundsKnown = false;
    // Removing the oldest point cannot break the order of the others, but may restore it.
    if (!mAscending)
        mAscending = ascending(mPoints);
}

void TGraphPoints::assign(const QVector<QPointF>& pPoints)
{
    mPoints = pPoints;
    mAscending = ascending(mPoints);
    mBoundsKnown = false;
}

void TGraphPoints::clear()
{
    mPoints.clear();
    mAscending = true;
    mBoundsKnown = false;
}

QRectF TGraphPoints::boundingRect() const
{
    if (!mBoundsKnown)
        computeBounds();
    return mBounds;
}

void TGraphPoints::computeBounds() const
{
    mBoundsKnown = true;
    if (mPoints.isEmpty()) {
        mBounds = QRectF(1.0, 1.0, -2.0, -2.0);
        return;
    }
    mBounds = QRectF(mPoints.first(), QSizeF(0.0, 0.0));
    for (const QPointF& point : mPoints)
        extend(mBounds, point);
}

TGraphCurve::TGraphCurve(const TGraphPoints& pPoints) : QwtPlotCurve(QString()), mPoints(pPoints)
{
    setData(new TGraphSeriesData(pPoints));
}

void TGraphCurve::visibleRange(const TGraphPoints& pPoints, double pLower, double pUpper, int& oFrom, int& oTo)
{
    const QVector<QPointF>& points = pPoints.points();
    oFrom = 0;
    oTo = int(points.size()) - 1;
    if (!pPoints.isAscending() || points.isEmpty())
        return;
    if (pLower > pUpper)
        std::swap(pLower, pUpper);
    const auto first = std::lower_bound(points.cbegin(), points.cend(), pLower,
                                        [](const QPointF& pPoint, double pX) { return pPoint.x() < pX; });
    const auto behind = std::upper_bound(points.cbegin(), points.cend(), pUpper,
                                         [](double pX, const QPointF& pPoint) { return pX < pPoint.x(); });
    oFrom = std::max(0, int(first - points.cbegin()) - 1);
    oTo = std::min(int(points.size()) - 1, int(behind - points.cbegin()));
}

void TGraphCurve::drawSeries(QPainter* pPainter, const QwtScaleMap& pXMap, const QwtScaleMap& pYMap,
                             const QRectF& pCanvasRect, int pFrom, int pTo) const
{
    int from = 0;
    int to = 0;
    visibleRange(mPoints, pXMap.s1(), pXMap.s2(), from, to);
    if (pTo < 0)
        pTo = int(dataSize()) - 1;
    from = std::max(from, pFrom);
    to = std::min(to, pTo);
    if (from <= to)
        QwtPlotCurve::drawSeries(pPainter, pXMap, pYMap, pCanvasRect, from, to);
}
