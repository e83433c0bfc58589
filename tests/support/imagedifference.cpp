#include "imagedifference.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

TImageDifference imageDifference(const QImage& pOne, const QImage& pOther)
{
    TImageDifference difference;
    double squares = 0;
    for (int y = 0; y < pOne.height(); ++y) {
        for (int x = 0; x < pOne.width(); ++x) {
            const QRgb a = pOne.pixel(x, y);
            const QRgb b = pOther.pixel(x, y);
            for (int colour : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
                squares += colour * colour;
                difference.mLargest = std::max(difference.mLargest, std::abs(colour));
            }
            difference.mLargest = std::max(difference.mLargest, std::abs(qAlpha(a) - qAlpha(b)));
        }
    }
    difference.mPsnr = squares == 0 ? std::numeric_limits<double>::infinity()
                                    : 10 * std::log10(255.0 * 255.0 * 3.0 * pOne.width() * pOne.height() / squares);
    return difference;
}
