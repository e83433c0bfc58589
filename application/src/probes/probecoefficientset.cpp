#include "probecoefficientset.h"

#include <cmath>
#include <limits>

void TProbeCoefficientSet::addCoefficient(const QString& pName, double pValue)
{
    mCoeffients[pName] = pValue;
}

double TProbeCoefficientSet::coefficient(const QString& pName, double pDefault) const
{
    const auto entry = mCoeffients.find(pName);
    return entry == mCoeffients.end() ? pDefault : entry->second;
}

double TProbeCoefficientSet::coefficient(const QString& pName) const
{
    return coefficient(pName, std::numeric_limits<double>::quiet_NaN());
}

bool TProbeCoefficientSet::isEmpty() const
{
    for (const auto& entry : mCoeffients) {
        if (!std::isnan(entry.second))
            return false;
    }
    return true;
}

void TProbeCoefficientSet::setDefaultCoefficients()
{
    for (auto& entry : mCoeffients) {
        if (std::isnan(entry.second))
            entry.second = 0.0;
    }
}
