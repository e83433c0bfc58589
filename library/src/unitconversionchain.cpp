#include "unitconversionchain.h"

TUnitConversionChainElement::TUnitConversionChainElement(int pUnitID, TCalculation pBackwardCalculation,
                                                         TCalculation pForwardCalculation)
    : mUnitID(pUnitID), mBackwardCalculation(pBackwardCalculation), mForwardCalculation(pForwardCalculation)
{
}

void TUnitConversionChainElement::forwardCalculation(double& pValue) const
{
    if (mForwardCalculation)
        mForwardCalculation(pValue);
}

void TUnitConversionChainElement::backwardCalculation(double& pValue) const
{
    if (mBackwardCalculation)
        mBackwardCalculation(pValue);
}

int TUnitConversionChain::position(int pUnitID) const
{
    int found = -1;
    for (int i = 0; i < static_cast<int>(mChain.size()); ++i) {
        if (mChain[i]->isUnit(pUnitID))
            found = i;
    }
    return found;
}

double TUnitConversionChain::convert(double pValue, int pSourceUnit, int pTargetUnit) const
{
    const int source = position(pSourceUnit);
    const int target = position(pTargetUnit);
    if (source == -1 || target == -1 || source == target)
        return pValue;
    if (source < target) {
        for (int i = source; i < target; ++i)
            mChain[i]->forwardCalculation(pValue);
    } else {
        for (int i = source; i > target; --i)
            mChain[i]->backwardCalculation(pValue);
    }
    return pValue;
}
