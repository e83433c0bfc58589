#include "valueshadoweffect.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QPixmap>
#include <QRawFont>
#include <QStyle>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

// The toolkit's own blur, which its drop shadow uses; exported for effects of this kind.
Q_DECL_IMPORT void qt_blurImage(QPainter* p, QImage& blurImage, qreal radius, bool quality, bool alphaOnly,
                                int transposed = 0);

namespace
{
// One run of text as a painter would draw it: where its first character's origin is and with which pen.
struct TTextRun
{
    QPointF mOrigin;
    QString mText;
    QFont mFont;
    QPen mPen;
    qreal mWidth = 0;
};

// Takes down the runs of text a painter is asked to draw instead of drawing
// them; anything else drawn marks the record as not text alone.
class TTextRunRecorder : public QPaintEngine
{
public:
    TTextRunRecorder() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }
    void drawTextItem(const QPointF& pOrigin, const QTextItem& pItem) override
    {
        mRuns.push_back({pOrigin, pItem.text(), pItem.font(), painter()->pen(), pItem.width()});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { mOtherDrawing = true; }
    void drawRects(const QRectF*, int) override { mOtherDrawing = true; }
    void drawLines(const QLineF*, int) override { mOtherDrawing = true; }
    void drawEllipse(const QRectF&) override { mOtherDrawing = true; }
    void drawPath(const QPainterPath&) override { mOtherDrawing = true; }
    void drawPoints(const QPointF*, int) override { mOtherDrawing = true; }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { mOtherDrawing = true; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        mOtherDrawing = true;
    }
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override { mOtherDrawing = true; }

    std::vector<TTextRun> mRuns;
    bool mOtherDrawing = false;
};

// A device of the widget's size and resolution that only records.
class TTextRunDevice : public QPaintDevice
{
public:
    explicit TTextRunDevice(const QWidget& pWidget) : mWidget(pWidget) {}
    QPaintEngine* paintEngine() const override { return &mRecorder; }
    const TTextRunRecorder& recorder() const { return mRecorder; }

protected:
    int metric(PaintDeviceMetric pMetric) const override
    {
        switch (pMetric) {
        case PdmWidth:
            return mWidget.width();
        case PdmHeight:
            return mWidget.height();
        case PdmWidthMM:
            return mWidget.widthMM();
        case PdmHeightMM:
            return mWidget.heightMM();
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
            return mWidget.logicalDpiX();
        case PdmDpiY:
            return mWidget.logicalDpiY();
        case PdmPhysicalDpiX:
            return mWidget.physicalDpiX();
        case PdmPhysicalDpiY:
            return mWidget.physicalDpiY();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QWidget& mWidget;
    mutable TTextRunRecorder mRecorder;
};

// Plain text that the label draws with its style and nothing else: no frame,
// background, margin, indent, picture, wrapping or rich text.
bool showsPlainTextAlone(const QLabel& pLabel)
{
    const QString text = pLabel.text();
    const bool richText =
        pLabel.textFormat() == Qt::RichText || (pLabel.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return !richText && !pLabel.wordWrap() && pLabel.frameWidth() == 0 && pLabel.margin() == 0 &&
           pLabel.indent() <= 0 && !pLabel.autoFillBackground() && !pLabel.testAttribute(Qt::WA_StyledBackground) &&
           pLabel.pixmap(Qt::ReturnByValue).isNull() && pLabel.picture(Qt::ReturnByValue).isNull() && !pLabel.movie() &&
           !text.isRightToLeft() && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\t'));
}

qreal fractionOf(qreal pValue)
{
    return pValue - std::floor(pValue);
}
} // namespace

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

void TValueShadowEffect::draw(QPainter* pPainter)
{
    // A wide blur is computed at half size, from the whole pixmap's grid.
    if ((blurRadius() <= 0 && offset().isNull()) || blurRadius() >= HALF_SIZE_BLUR_RADIUS) {
        QGraphicsDropShadowEffect::draw(pPainter);
        return;
    }
    std::vector<TPlacedCharacter> characters;
    if (!layOutLabelText(pPainter, characters)) {
        drawBlurredSource(pPainter, nullptr);
        return;
    }
    TImageCache& cache = imageCache();
    const quint64 drawing = ++cache.mDrawings;
    std::map<TCharacterKey, TCharacterImage>& images = cache.mSets.front().mImages;
    bool known = true;
    for (const TPlacedCharacter& character : characters) {
        const auto image = images.find(character.mKey);
        if (image == images.end())
            known = false;
        else
            image->second.mDrawing = drawing;
    }
    if (known) {
        drawCharacters(pPainter, characters);
        return;
    }
    drawBlurredSource(pPainter, &characters);
    boundImageBytes();
}

int TValueShadowEffect::blurMargin() const
{
    return BLUR_MARGIN + BLUR_MARGIN_PER_RADIUS * int(std::ceil(blurRadius()));
}

// The steps of the toolkit's drop shadow after the source is moved by the
// offset: its coverage blurred and filled with the colour.
QImage TValueShadowEffect::shadowOf(const QImage& pSource, QPoint pAt, QSize pSize) const
{
    QImage shadow(pSize, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(0);
    QPainter shadowPainter(&shadow);
    shadowPainter.setCompositionMode(QPainter::CompositionMode_Source);
    shadowPainter.drawImage(pAt, pSource);
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
    return blurred;
}

// The toolkit's drop shadow (shadow drawn under the source) on the part of the
// pixmap that the source's painted pixels and the blur reach.
void TValueShadowEffect::drawBlurredSource(QPainter* pPainter, const std::vector<TPlacedCharacter>* pCharactersToKeep)
{
    QPoint position;
    const QPixmap pixmap = sourcePixmap(Qt::DeviceCoordinates, &position, PadToEffectiveBoundingRect);
    if (pixmap.isNull())
        return;
    const QImage source = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect painted = paintedPixels(source);
    if (painted.isEmpty())
        return;
    const QPoint shift = offset().toPoint();
    const int margin = blurMargin();
    const QRect reach =
        (painted | painted.translated(shift)).adjusted(-margin, -margin, margin, margin).intersected(source.rect());
    const QImage shadow = shadowOf(source, shift - reach.topLeft(), reach.size());

    const QTransform restore = pPainter->worldTransform();
    pPainter->setWorldTransform(QTransform());
    pPainter->drawImage(position + reach.topLeft(), shadow);
    pPainter->drawImage(position + reach.topLeft(), source, reach);
    pPainter->setWorldTransform(restore);
    if (pCharactersToKeep)
        keepCharacterImages(source, position, *pCharactersToKeep);
}

// Where the label's style puts each character: the text is laid out as the
// label's painter lays it out, each character at the run's shaping from the
// run's origin.
bool TValueShadowEffect::layOutLabelText(QPainter* pPainter, std::vector<TPlacedCharacter>& oCharacters)
{
    auto* label = qobject_cast<QLabel*>(parent());
    if (!label || label->graphicsEffect() != this || !showsPlainTextAlone(*label))
        return false;
    const QTransform device = pPainter->deviceTransform();
    const QPoint shift = offset().toPoint();
    if (device.type() > QTransform::TxTranslate || device.dx() != std::floor(device.dx()) ||
        device.dy() != std::floor(device.dy()) || QPointF(shift) != offset() ||
        pPainter->device()->devicePixelRatioF() != 1.0)
        return false;
    const QString text = label->text();
    if (text.isEmpty())
        return false;

    TTextRunDevice recording(*label);
    QPainter recorder(&recording);
    recorder.setFont(label->font());
    label->style()->drawItemText(&recorder, label->contentsRect(),
                                 int(QStyle::visualAlignment(Qt::LeftToRight, label->alignment())) |
                                     Qt::TextForceLeftToRight,
                                 label->palette(), label->isEnabled(), text, label->foregroundRole());
    recorder.end();
    const std::vector<TTextRun>& runs = recording.recorder().mRuns;
    if (recording.recorder().mOtherDrawing || runs.size() != 1 || runs.front().mText != text)
        return false;
    const TTextRun& run = runs.front();

    QTextLayout layout(text, run.mFont);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(run.mWidth * 2 + 1);
    line.setPosition(QPointF());
    layout.endLayout();
    const QList<QGlyphRun> glyphRuns = layout.glyphRuns();
    if (glyphRuns.size() != 1 || glyphRuns.front().positions().size() != text.size() ||
        std::abs(line.naturalTextWidth() - run.mWidth) > 1.0 / 128)
        return false;

    const auto drawnAlike = [&](const TImageSet& pSet) {
        return pSet.mOwner == this && run.mFont == pSet.mFont && run.mPen == pSet.mPen &&
               color() == pSet.mShadowColor && blurRadius() == pSet.mBlurRadius && shift == pSet.mShift &&
               label->contentsRect() == pSet.mTextArea;
    };
    std::list<TImageSet>& sets = imageCache().mSets;
    const auto found = std::find_if(sets.begin(), sets.end(), drawnAlike);
    if (found != sets.end())
        sets.splice(sets.begin(), sets, found);
    else
        sets.push_front({this, run.mFont, run.mPen, color(), blurRadius(), shift, label->contentsRect(), {}});
    boundImageSets();
    const QGlyphRun& glyphs = glyphRuns.front();
    const QRawFont font = glyphs.rawFont();
    const QVector<QPointF> positions = glyphs.positions();
    const QVector<quint32> indexes = glyphs.glyphIndexes();
    oCharacters.clear();
    for (int i = 0; i < text.size(); ++i) {
        const qreal x = run.mOrigin.x() + device.dx() + positions.at(i).x();
        const qreal y = run.mOrigin.y() + device.dy() + positions.at(i).y() - line.ascent();
        const QRectF ink = font.boundingRect(indexes.at(i)).translated(x, y);
        // A pixel more on each side for the edges' smoothing and the outline's hinting.
        const QRect pixels = ink.isEmpty()
                                 ? QRect()
                                 : QRect(QPoint(int(std::floor(ink.left())) - 1, int(std::floor(ink.top())) - 1),
                                         QPoint(int(std::ceil(ink.right())), int(std::ceil(ink.bottom()))));
        oCharacters.push_back({TCharacterKey{text.at(i).unicode(), fractionOf(x), fractionOf(y)},
                               QPoint(int(std::floor(x)), int(std::floor(y))), pixels});
    }
    return true;
}

TValueShadowEffect::TImageCache& TValueShadowEffect::imageCache()
{
    static TImageCache cache;
    return cache;
}

TValueShadowEffect::~TValueShadowEffect()
{
    TImageCache& cache = imageCache();
    cache.mSets.remove_if([this, &cache](const TImageSet& pSet) {
        if (pSet.mOwner != this)
            return false;
        cache.mBytes -= pSet.mBytes;
        return true;
    });
}

void TValueShadowEffect::boundImageSets()
{
    TImageCache& cache = imageCache();
    std::size_t ownSets = 0;
    cache.mSets.remove_if([this, &cache, &ownSets](const TImageSet& pSet) {
        if (pSet.mOwner != this || ++ownSets <= MOST_IMAGE_SETS)
            return false;
        cache.mBytes -= pSet.mBytes;
        return true;
    });
}

// The characters drawn least recently go first, of whichever set; those of the
// drawing that added images stay, as do the sets emptied.
void TValueShadowEffect::boundImageBytes()
{
    TImageCache& cache = imageCache();
    if (cache.mBytes <= MOST_IMAGE_BYTES)
        return;
    using TImageEntry = std::map<TCharacterKey, TCharacterImage>::iterator;
    std::vector<std::pair<TImageSet*, TImageEntry>> oldest;
    for (TImageSet& set : cache.mSets) {
        for (auto image = set.mImages.begin(); image != set.mImages.end(); ++image) {
            if (image->second.mDrawing != cache.mDrawings)
                oldest.emplace_back(&set, image);
        }
    }
    std::sort(oldest.begin(), oldest.end(), [](const auto& pLeft, const auto& pRight) {
        return pLeft.second->second.mDrawing < pRight.second->second.mDrawing;
    });
    for (auto& [set, image] : oldest) {
        if (cache.mBytes <= MOST_IMAGE_BYTES)
            break;
        const qsizetype bytes = image->second.mText.sizeInBytes() + image->second.mShadow.sizeInBytes();
        set->mBytes -= bytes;
        cache.mBytes -= bytes;
        set->mImages.erase(image);
    }
}

// All shadows first, then the characters over them, in the order of the
// toolkit's shadow under the whole text. Only where two characters' shadows
// share a pixel can it differ from the shadow of the text blurred at once.
void TValueShadowEffect::drawCharacters(QPainter* pPainter, const std::vector<TPlacedCharacter>& pCharacters) const
{
    const std::map<TCharacterKey, TCharacterImage>& images = imageCache().mSets.front().mImages;
    const QTransform restore = pPainter->worldTransform();
    pPainter->setWorldTransform(QTransform());
    for (const TPlacedCharacter& character : pCharacters) {
        const TCharacterImage& image = images.at(character.mKey);
        if (!image.mShadow.isNull())
            pPainter->drawImage(character.mOrigin + image.mShadowOffset, image.mShadow);
    }
    for (const TPlacedCharacter& character : pCharacters) {
        const TCharacterImage& image = images.at(character.mKey);
        if (!image.mText.isNull())
            pPainter->drawImage(character.mOrigin + image.mTextOffset, image.mText);
    }
    pPainter->setWorldTransform(restore);
}

// Each character's pixels are cut from the label's own drawing; characters
// whose pixels share columns with a neighbour's are not kept, and the text
// keeps being drawn whole.
void TValueShadowEffect::keepCharacterImages(const QImage& pSource, QPoint pPosition,
                                             const std::vector<TPlacedCharacter>& pCharacters)
{
    for (std::size_t i = 0; i + 1 < pCharacters.size(); ++i) {
        const QRect& left = pCharacters.at(i).mInk;
        const QRect& right = pCharacters.at(i + 1).mInk;
        if (!left.isEmpty() && !right.isEmpty() && left.right() >= right.left())
            return;
    }
    TImageSet& set = imageCache().mSets.front();
    const int margin = blurMargin();
    for (const TPlacedCharacter& character : pCharacters) {
        if (set.mImages.count(character.mKey))
            continue;
        const QRect area = character.mInk.translated(-pPosition);
        if (!pSource.rect().contains(area))
            continue;
        TCharacterImage& image = set.mImages[character.mKey];
        image.mDrawing = imageCache().mDrawings;
        const QImage cut = area.isEmpty() ? QImage() : pSource.copy(area);
        const QRect painted = cut.isNull() ? QRect() : paintedPixels(cut);
        if (painted.isEmpty())
            continue;
        image.mText = cut.copy(painted);
        image.mTextOffset = character.mInk.topLeft() + painted.topLeft() - character.mOrigin;
        const QImage shadow =
            shadowOf(image.mText, QPoint(margin, margin), painted.size() + QSize(2 * margin, 2 * margin));
        const QRect shaded = paintedPixels(shadow);
        if (!shaded.isEmpty()) {
            image.mShadow = shadow.copy(shaded);
            image.mShadowOffset = image.mTextOffset + shaded.topLeft() - QPoint(margin, margin) + set.mShift;
        }
        const qsizetype bytes = image.mText.sizeInBytes() + image.mShadow.sizeInBytes();
        set.mBytes += bytes;
        imageCache().mBytes += bytes;
    }
}
