#include "twopointcalibration.h"

#include <cmath>
#include <limits>

namespace
{
constexpr double NOT_SET = std::numeric_limits<double>::quiet_NaN();

bool isSet(const std::pair<double, double>& pPoint)
{
    return !std::isnan(pPoint.first) && !std::isnan(pPoint.second);
}
} // namespace

TTwoPointCalibration::TTwoPointCalibration() : mFirstPoint(NOT_SET, NOT_SET), mSecondPoint(NOT_SET, NOT_SET) {}

void TTwoPointCalibration::setFirstPoint(double pX, double pY)
{
    mFirstPoint = {pX, pY};
}

void TTwoPointCalibration::setSecondPoint(double pX, double pY)
{
    mSecondPoint = {pX, pY};
}

void TTwoPointCalibration::clearFirstPoint()
{
    mFirstPoint = {NOT_SET, NOT_SET};
}

void TTwoPointCalibration::clearSecondPoint()
{
    mSecondPoint = {NOT_SET, NOT_SET};
}

bool TTwoPointCalibration::isFirstPointValid() const
{
    return isSet(mFirstPoint);
}

bool TTwoPointCalibration::isSecondPointValid() const
{
    return isSet(mSecondPoint);
}

bool TTwoPointCalibration::isPointsComplete() const
{
    return isFirstPointValid() && isSecondPointValid();
}

bool TTwoPointCalibration::calcSlopeAndOffset(double& oSlope, double& oOffset) const
{
    if (!isPointsComplete())
        return false;
    const double deltaX = mFirstPoint.first - mSecondPoint.first;
    if (deltaX == 0.0)
        return false;
    const double deltaY = mFirstPoint.second - mSecondPoint.second;
    oSlope = deltaY / deltaX;
    oOffset = mFirstPoint.second - oSlope * mFirstPoint.first;
    return true;
}
