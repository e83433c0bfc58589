#include "graphseries.h"

#include <qwt_scale_map.h>

#include <algorithm>

namespace
{
bool ascending(const std::deque<QPointF>& pPoints)
{
    return std::is_sorted(pPoints.cbegin(), pPoints.cend(),
                          [](const QPointF& pA, const QPointF& pB) { return pA.x() < pB.x(); });
}
} // namespace

// The newest point beats every candidate it equals or exceeds: those leave
// the history before it does.
void TGraphPoints::TExtremes::append(const std::deque<QPointF>& pPoints, int pOffset)
{
    const int index = pOffset + int(pPoints.size()) - 1;
    const qreal newest = value(pPoints.back());
    while (!mCandidates.empty() && !beats(value(pPoints[std::size_t(mCandidates.back() - pOffset)]), newest))
        mCandidates.pop_back();
    mCandidates.push_back(index);
}

void TGraphPoints::TExtremes::removeFirst(int pOffset)
{
    if (!mCandidates.empty() && mCandidates.front() == pOffset)
        mCandidates.pop_front();
}

void TGraphPoints::TExtremes::rebuild(const std::deque<QPointF>& pPoints, int pOffset)
{
    mCandidates.clear();
    int index = pOffset + int(pPoints.size());
    qreal best = 0.0;
    for (auto point = pPoints.crbegin(); point != pPoints.crend(); ++point) {
        --index;
        const qreal candidate = value(*point);
        if (mCandidates.empty() || beats(candidate, best)) {
            mCandidates.push_front(index);
            best = candidate;
        }
    }
}

qreal TGraphPoints::TExtremes::bound(const std::deque<QPointF>& pPoints, int pOffset) const
{
    return value(pPoints[std::size_t(mCandidates.front() - pOffset)]);
}

// Ascending sample numbers have their bounds at the ends; candidates for
// them are kept only while a history counting from 1 again breaks the order.
void TGraphPoints::append(const QPointF& pPoint)
{
    const bool wasAscending = mAscending;
    if (!mPoints.empty() && pPoint.x() < mPoints.back().x())
        mAscending = false;
    mPoints.push_back(pPoint);
    for (TExtremes* extremes : {&mTop, &mBottom})
        extremes->append(mPoints, mDropped);
    if (wasAscending && !mAscending) {
        for (TExtremes* extremes : {&mLeft, &mRight})
            extremes->rebuild(mPoints, mDropped);
    } else if (!mAscending) {
        for (TExtremes* extremes : {&mLeft, &mRight})
            extremes->append(mPoints, mDropped);
    }
}

void TGraphPoints::removeFirst()
{
    if (mPoints.empty())
        return;
    for (TExtremes* extremes : {&mLeft, &mRight, &mTop, &mBottom})
        extremes->removeFirst(mDropped);
    mPoints.pop_front();
    ++mDropped;
    // Removing the oldest point cannot break the order of the others, but may restore it.
    if (!mAscending)
        mAscending = ascending(mPoints);
}

void TGraphPoints::assign(const QVector<QPointF>& pPoints)
{
    mPoints.assign(pPoints.cbegin(), pPoints.cend());
    mDropped = 0;
    mAscending = ascending(mPoints);
    for (TExtremes* extremes : {&mTop, &mBottom})
        extremes->rebuild(mPoints, mDropped);
    for (TExtremes* extremes : {&mLeft, &mRight}) {
        if (mAscending)
            extremes->clear();
        else
            extremes->rebuild(mPoints, mDropped);
    }
}

void TGraphPoints::clear()
{
    assign({});
}

QRectF TGraphPoints::boundingRect() const
{
    if (mPoints.empty())
        return QRectF(1.0, 1.0, -2.0, -2.0);
    const qreal left = mAscending ? mPoints.front().x() : mLeft.bound(mPoints, mDropped);
    const qreal right = mAscending ? mPoints.back().x() : mRight.bound(mPoints, mDropped);
    return QRectF(QPointF(left, mTop.bound(mPoints, mDropped)), QPointF(right, mBottom.bound(mPoints, mDropped)));
}

TGraphCurve::TGraphCurve(const TGraphPoints& pPoints) : QwtPlotCurve(QString()), mPoints(pPoints)
{
    setData(new TGraphSeriesData(pPoints));
}

void TGraphCurve::visibleRange(const TGraphPoints& pPoints, double pLower, double pUpper, int& oFrom, int& oTo)
{
    const std::deque<QPointF>& points = pPoints.points();
    oFrom = 0;
    oTo = int(points.size()) - 1;
    if (!pPoints.isAscending() || points.empty())
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
