#pragma once

class QImage;

// How far two drawings of one size lie apart, for tests that compare a kept
// or assembled look with the toolkit's own drawing.
struct TImageDifference
{
    // The largest difference of one channel, alpha included, in levels of 255.
    int mLargest = 0;
    // Peak signal to noise ratio of the colour channels in dB; infinite for equal colours.
    double mPsnr = 0;
};

TImageDifference imageDifference(const QImage& pOne, const QImage& pOther);
