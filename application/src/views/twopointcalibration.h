#pragma once

#include <QObject>

#include <utility>

// The two points of one two-point adjustment of a measuring range: x is the
// raw value the board measured, y the nominal value of the external
// reference. A NaN coordinate means not set.
class TTwoPointCalibration : public QObject
{
    Q_OBJECT

public:
    TTwoPointCalibration();

    void setFirstPoint(double pX, double pY);
    void setSecondPoint(double pX, double pY);
    void clearFirstPoint();
    void clearSecondPoint();

    std::pair<double, double> firstPoint() const { return mFirstPoint; }
    std::pair<double, double> secondPoint() const { return mSecondPoint; }

    bool isFirstPointValid() const;
    bool isSecondPointValid() const;
    bool isPointsComplete() const;

    // The correction slope * raw + offset that meets both points, anchored at
    // the first. False, outputs untouched, while a point is missing or both
    // share one raw value.
    bool calcSlopeAndOffset(double& oSlope, double& oOffset) const;

private:
    std::pair<double, double> mFirstPoint;
    std::pair<double, double> mSecondPoint;
};
