#include "kepttextstyle.h"

#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace
{
// About the texts of two screens; their images take some 40 kB each at most.
constexpr std::size_t KEPT_TEXTS = 64;
constexpr std::size_t SEEN_TEXTS = 256;
// Larger glyphs are filled as outlines, whose edges blend a little
// differently onto a clear image; they stay drawn the toolkit's way.
constexpr int LARGEST_KEPT_PIXEL_SIZE = 64;

int pixelSize(const QPainter& pPainter)
{
    const QFont& font = pPainter.font();
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return qCeil(font.pointSizeF() * pPainter.device()->logicalDpiY() / 72.0);
}

bool isWholePixel(qreal pValue)
{
    return std::abs(pValue - std::round(pValue)) < 1e-9;
}

// The smallest rectangle holding every pixel the text touched.
QRect touchedPixels(const QImage& pImage)
{
    int left = pImage.width(), top = pImage.height(), right = -1, bottom = -1;
    for (int y = 0; y < pImage.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pImage.constScanLine(y));
        for (int x = 0; x < pImage.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = y;
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}
} // namespace

TKeptTextStyle::TKeptTextStyle() = default;

bool TKeptTextStyle::TKey::operator==(const TKey& pOther) const
{
    return mText == pOther.mText && mFlags == pOther.mFlags && mSize == pOther.mSize && mColour == pOther.mColour &&
           mDirection == pOther.mDirection && mHints == pOther.mHints && mFont == pOther.mFont;
}

// Only where the image lands on the pixels the text would: whole-pixel
// offsets, plain blending, a solid colour, nothing scaled, glyphs of a size
// the toolkit draws from its glyph images.
bool TKeptTextStyle::canKeep(const QPainter& pPainter, const QBrush& pBrush)
{
    const QTransform& transform = pPainter.deviceTransform();
    return pPainter.paintEngine() && pPainter.paintEngine()->type() == QPaintEngine::Raster &&
           transform.type() <= QTransform::TxTranslate && isWholePixel(transform.dx()) &&
           isWholePixel(transform.dy()) && pPainter.opacity() == 1.0 &&
           pPainter.compositionMode() == QPainter::CompositionMode_SourceOver &&
           pPainter.backgroundMode() == Qt::TransparentMode && pBrush.style() == Qt::SolidPattern &&
           pPainter.device()->devicePixelRatioF() == 1.0 && pixelSize(pPainter) <= LARGEST_KEPT_PIXEL_SIZE;
}

TKeptTextStyle::TKeptText TKeptTextStyle::drawnText(const QPainter& pPainter, const TKey& pKey, qreal pPenWidth)
{
    const QPaintDevice* device = pPainter.device();
    const QRect item(QPoint(0, 0), pKey.mSize);
    const QFontMetrics metrics(pKey.mFont, const_cast<QPaintDevice*>(device));
    // Room for what reaches beyond the laid-out text: slanted and anti-aliased glyph edges.
    const int margin = metrics.height() / 2 + 2;
    const QRect laidOut = metrics.boundingRect(item, pKey.mFlags, pKey.mText);
    const QRect area = item.united(laidOut).adjusted(-margin, -margin, margin, margin);

    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(device->logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(device->logicalDpiY() / 0.0254));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::RenderHints(pKey.mHints));
    painter.setFont(pKey.mFont);
    painter.setPen(QPen(QColor::fromRgba(pKey.mColour), pPenWidth));
    painter.setLayoutDirection(pKey.mDirection);
    painter.translate(-area.topLeft());
    painter.drawText(item, pKey.mFlags, pKey.mText);
    painter.end();

    const QRect touched = touchedPixels(image);
    return TKeptText{pKey, touched.isEmpty() ? QImage() : image.copy(touched), area.topLeft() + touched.topLeft()};
}

void TKeptTextStyle::drawItemText(QPainter* pPainter, const QRect& pRect, int pFlags, const QPalette& pPalette,
                                  bool pEnabled, const QString& pText, QPalette::ColorRole pTextRole) const
{
    // The base style's way: the role's brush, else the painter's pen.
    const QBrush brush = pTextRole != QPalette::NoRole ? pPalette.brush(pTextRole) : pPainter->pen().brush();
    const bool penDraws = pTextRole != QPalette::NoRole || pPainter->pen().style() != Qt::NoPen;
    if (mOnFusion < 0)
        mOnFusion = baseStyle()->inherits("QFusionStyle") ? 1 : 0;
    if (pText.isEmpty() || !penDraws || mOnFusion == 0 || !canKeep(*pPainter, brush)) {
        QProxyStyle::drawItemText(pPainter, pRect, pFlags, pPalette, pEnabled, pText, pTextRole);
        return;
    }
    TKey key{pText,
             pPainter->font(),
             pFlags,
             pRect.size(),
             brush.color().rgba(),
             pPainter->layoutDirection(),
             int(pPainter->renderHints())};
    auto kept = std::find_if(mKept.begin(), mKept.end(), [&key](const TKeptText& pKept) { return pKept.mKey == key; });
    if (kept == mKept.end()) {
        const uint seen = qHash(key.mText) ^ qHash(key.mFont) ^ uint(key.mFlags) ^ uint(key.mColour) ^
                          uint(key.mSize.width() << 16) ^ uint(key.mSize.height()) ^ uint(key.mHints << 8);
        if (std::find(mSeenOnce.begin(), mSeenOnce.end(), seen) == mSeenOnce.end()) {
            if (mSeenOnce.size() == SEEN_TEXTS)
                mSeenOnce.erase(mSeenOnce.begin());
            mSeenOnce.push_back(seen);
            QProxyStyle::drawItemText(pPainter, pRect, pFlags, pPalette, pEnabled, pText, pTextRole);
            return;
        }
        if (mKept.size() == KEPT_TEXTS)
            mKept.pop_back();
        kept = mKept.insert(mKept.begin(), drawnText(*pPainter, key, pPainter->pen().widthF()));
    } else if (kept != mKept.begin()) {
        std::rotate(mKept.begin(), kept, kept + 1);
        kept = mKept.begin();
    }
    if (!kept->mImage.isNull())
        pPainter->drawImage(pRect.topLeft() + kept->mOffset, kept->mImage);
}
