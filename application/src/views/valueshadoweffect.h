#pragma once

#include <QGraphicsDropShadowEffect>

// The drop shadow of a main value label, drawn as the toolkit's drop shadow
// draws it, but blurred only around the label's painted pixels: the label is
// far wider and higher than its digits, it is repainted on every new reading,
// and blurring all of it took most of a measuring cycle on the device's core.
class TValueShadowEffect : public QGraphicsDropShadowEffect
{
    Q_OBJECT

public:
    using QGraphicsDropShadowEffect::QGraphicsDropShadowEffect;

    // The rectangle of pixels with any coverage; empty when there are none.
    static QRect paintedPixels(const QImage& pImage);

protected:
    void draw(QPainter* pPainter) override;

private:
    // Room around the painted pixels for the blur, per unit of radius and in
    // all: past it the blurred coverage is zero (the default radius of 1
    // reaches a single pixel).
    static constexpr int BLUR_MARGIN_PER_RADIUS = 2;
    static constexpr int BLUR_MARGIN = 4;
    static constexpr qreal HALF_SIZE_BLUR_RADIUS = 4.0;
};
