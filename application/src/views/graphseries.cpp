#include "graphseries.h"

#include <qwt_scale_map.h>

#include <algorithm>

namespace
{
bool ascending(const QVector<QPointF>& pPoints)
{
    return std::is_sorted(pPoints.cbegin(), pPoints.cend(),
                          [](const QPointF& pA, const QPointF& pB) { return pA.x() < pB.x(); });
}
} // namespace

qreal TGraphPoints::TExtremes::at(const QVector<QPointF>& pPoints, int pOffset, int pIndex) const
{
    return (pPoints.at(pIndex - pOffset).*mCoordinate)();
}

// The newest point beats every candidate it equals or exceeds: those leave
// the history before it does.
void TGraphPoints::TExtremes::append(const QVector<QPointF>& pPoints, int pOffset)
{
    const int index = pOffset + pPoints.size() - 1;
    const qreal value = at(pPoints, pOffset, index);
    while (!mCandidates.empty()) {
        const qreal candidate = at(pPoints, pOffset, mCandidates.back());
        if (mLargest ? candidate > value : candidate < value)
            break;
        mCandidates.pop_back();
    }
    mCandidates.push_back(index);
}

void TGraphPoints::TExtremes::removeFirst(int pOffset)
{
    if (!mCandidates.empty() && mCandidates.front() == pOffset)
        mCandidates.pop_front();
}

qreal TGraphPoints::TExtremes::bound(const QVector<QPointF>& pPoints, int pOffset) const
{
    return at(pPoints, pOffset, mCandidates.front());
}

void TGraphPoints::appendToExtremes()
{
    for (TExtremes* extremes : {&mLeft, &mRight, &mTop, &mBottom})
        extremes->append(mPoints, mDropped);
}

void TGraphPoints::append(const QPointF& pPoint)
{
    if (!mPoints.isEmpty() && pPoint.x() < mPoints.last().x())
        mAscending = false;
    mPoints.append(pPoint);
    appendToExtremes();
}

void TGraphPoints::removeFirst()
{
    if (mPoints.isEmpty())
        return;
    for (TExtremes* extremes : {&mLeft, &mRight, &mTop, &mBottom})
        extremes->removeFirst(mDropped);
    mPoints.removeFirst();
    ++mDropped;
    // Removing the oldest point cannot break the order of the others, but may restore it.
    if (!mAscending)
        mAscending = ascending(mPoints);
}

void TGraphPoints::assign(const QVector<QPointF>& pPoints)
{
    clear();
    mPoints.reserve(pPoints.size());
    for (const QPointF& point : pPoints) {
        mPoints.append(point);
        appendToExtremes();
    }
    mAscending = ascending(mPoints);
}

void TGraphPoints::clear()
{
    mPoints.clear();
    mDropped = 0;
    mAscending = true;
    for (TExtremes* extremes : {&mLeft, &mRight, &mTop, &mBottom})
        extremes->clear();
}

QRectF TGraphPoints::boundingRect() const
{
    if (mPoints.isEmpty())
        return QRectF(1.0, 1.0, -2.0, -2.0);
    return QRectF(QPointF(mLeft.bound(mPoints, mDropped), mTop.bound(mPoints, mDropped)),
                  QPointF(mRight.bound(mPoints, mDropped), mBottom.bound(mPoints, mDropped)));
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
