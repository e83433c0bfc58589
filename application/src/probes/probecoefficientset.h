#pragma once

#include <QString>

#include <map>

// Named coefficients collected while a probe coefficient file is read; the
// import fills one set per group of a line and completes it. A coefficient
// whose value is NaN is named but missing.
class TProbeCoefficientSet
{
public:
    TProbeCoefficientSet() = default;

    // Inserts or overwrites; NaN may be stored.
    void addCoefficient(const QString& pName, double pValue);
    // The stored value, NaN included; pDefault only when the name is absent.
    double coefficient(const QString& pName, double pDefault) const;
    // NaN when the name is absent.
    double coefficient(const QString& pName) const;
    // True when no coefficient has a value other than NaN.
    bool isEmpty() const;
    // Missing values become 0.0; names are neither added nor removed.
    void setDefaultCoefficients();

private:
    std::map<QString, double> mCoeffients;
};
