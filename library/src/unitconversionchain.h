#pragma once

#include "zelkvector.h"

#include <memory>

// One unit of a conversion chain with the steps to its neighbours: backward
// into the unit of the previous element, forward into the unit of the next.
// A missing step leaves the value as it is.
class TUnitConversionChainElement
{
public:
    using TCalculation = void (*)(double&);

    TUnitConversionChainElement(int pUnitID, TCalculation pBackwardCalculation, TCalculation pForwardCalculation);
    virtual ~TUnitConversionChainElement() = default;

    bool isUnit(int pUnitID) const { return mUnitID == pUnitID; }
    void forwardCalculation(double& pValue) const;
    void backwardCalculation(double& pValue) const;

private:
    int mUnitID;
    TCalculation mBackwardCalculation;
    TCalculation mForwardCalculation;
};

// Units in a row, each convertible into its neighbours; a value travels along
// the row from its unit to the wanted one. Owns its elements.
class TUnitConversionChain
{
public:
    TUnitConversionChain() = default;
    virtual ~TUnitConversionChain() = default;
    TUnitConversionChain(const TUnitConversionChain&) = delete;
    TUnitConversionChain& operator=(const TUnitConversionChain&) = delete;

    // Returns the value unchanged when either unit is not in the chain or both
    // are the same.
    double convert(double pValue, int pSourceUnit, int pTargetUnit) const;

protected:
    zelk::vector<std::unique_ptr<TUnitConversionChainElement>> mChain;

private:
    int position(int pUnitID) const;
};
