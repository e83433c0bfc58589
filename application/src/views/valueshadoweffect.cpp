#include "valueshadoweffect.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

// The toolkit's own blur, which its drop shadow uses; exported for effects of this kind.
Q_DECL_IMPORT void qt_blurImage(QPainter* p, QImage& blurImage, qreal radius, bool quality, bool alphaOnly,
                                int transposed = 0);

QRect TValueShadowEffect::paintedPixels(const QImage& pImage)
{
    int left = pImage.width();
    int right = -1;
    int top = pImage.height();
    int bottom = -1;
    for (int y = 0; y < pImage.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pImage.constScanLine(y));
        int first = 0;
        while (first < pImage.width() && qAlpha(line[first]) == 0)
            ++first;
        if (first == pImage.width())
            continue;
        int last = pImage.width() - 1;
        while (qAlpha(line[last]) == 0)
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
        top = std::min(top, y);
        bottom = y;
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The steps of the toolkit's drop shadow (source moved by the offset, its
// coverage blurred, filled with the colour, drawn under the source), each on
// the part of the pixmap that the source's painted pixels and the blur reach.
void TValueShadowEffect::draw(QPainter* pPainter)
{
    // A wide blur is computed at half size, from the whole pixmap's grid.
    if ((blurRadius() <= 0 && offset().isNull()) || blurRadius() >= HALF_SIZE_BLUR_RADIUS) {
        QGraphicsDropShadowEffect::draw(pPainter);
        return;
    }
    QPoint position;
    const QPixmap pixmap = sourcePixmap(Qt::DeviceCoordinates, &position, PadToEffectiveBoundingRect);
    if (pixmap.isNull())
        return;
    const QImage source = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect painted = paintedPixels(source);
    if (painted.isEmpty())
        return;
    const QPoint shift = offset().toPoint();
    const int margin = BLUR_MARGIN + BLUR_MARGIN_PER_RADIUS * int(std::ceil(blurRadius()));
    const QRect reach =
        (painted | painted.translated(shift)).adjusted(-margin, -margin, margin, margin).intersected(source.rect());

    QImage shadow(reach.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(0);
    QPainter shadowPainter(&shadow);
    shadowPainter.setCompositionMode(QPainter::CompositionMode_Source);
    shadowPainter.drawImage(shift - reach.topLeft(), source);
    shadowPainter.end();

    QImage blurred(shadow.size(), QImage::Format_ARGB32_Premultiplied);
    blurred.fill(0);
    QPainter blurPainter(&blurred);
    qt_blurImage(&blurPainter, shadow, blurRadius(), false, true);
    blurPainter.end();

    QPainter colourPainter(&blurred);
    colourPainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    colourPainter.fillRect(blurred.rect(), color());
    colourPainter.end();

    const QTransform restore = pPainter->worldTransform();
    pPainter->setWorldTransform(QTransform());
    pPainter->drawImage(position + reach.topLeft(), blurred);
    pPainter->drawImage(position + reach.topLeft(), source, reach);
    pPainter->setWorldTransform(restore);
}
