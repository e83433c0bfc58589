#pragma once

#include <QFont>
#include <QGraphicsDropShadowEffect>
#include <QImage>
#include <QPen>

#include <list>
#include <map>
#include <tuple>
#include <vector>

class QLabel;

// The drop shadow of a main value label, drawn as the toolkit's drop shadow
// draws it, but blurred only around the label's painted pixels: the label is
// far wider and higher than its digits, it is repainted on every new reading,
// and blurring all of it took most of a measuring cycle on the device's core.
// A label that shows plain text, given as the effect's parent, is drawn
// character by character from images of each character and its shadow, taken
// from the label's own drawing the first time a character stands at a
// position within a pixel: a new reading then neither fills the large digits'
// outlines nor blurs again.
class TValueShadowEffect : public QGraphicsDropShadowEffect
{
    Q_OBJECT

public:
    using QGraphicsDropShadowEffect::QGraphicsDropShadowEffect;
    ~TValueShadowEffect() override;

    // The rectangle of pixels with any coverage; empty when there are none.
    static QRect paintedPixels(const QImage& pImage);

protected:
    void draw(QPainter* pPainter) override;

private:
    // One character as the label drew it at one position within a pixel, and
    // its shadow; offsets from the pixel that holds the character's origin.
    struct TCharacterImage
    {
        QImage mText;
        QPoint mTextOffset;
        QImage mShadow;
        QPoint mShadowOffset;
        // The last drawing that showed the character.
        quint64 mDrawing = 0;
    };
    // The character and the fractions of a pixel of its origin.
    using TCharacterKey = std::tuple<ushort, qreal, qreal>;
    // A character of the label's text where the label draws it, in device pixels.
    struct TPlacedCharacter
    {
        TCharacterKey mKey;
        QPoint mOrigin;
        QRect mInk;
    };

    // False when the label's text cannot be put together from character images.
    bool layOutLabelText(QPainter* pPainter, std::vector<TPlacedCharacter>& oCharacters);
    void drawCharacters(QPainter* pPainter, const std::vector<TPlacedCharacter>& pCharacters) const;
    void drawBlurredSource(QPainter* pPainter, const std::vector<TPlacedCharacter>* pCharactersToKeep);
    void keepCharacterImages(const QImage& pSource, QPoint pPosition, const std::vector<TPlacedCharacter>& pCharacters);
    // The shadow of the source drawn at pAt in an image of pSize: coverage blurred and filled with the colour.
    QImage shadowOf(const QImage& pSource, QPoint pAt, QSize pSize) const;
    int blurMargin() const;

    // Room around the painted pixels for the blur, per unit of radius and in
    // all: past it the blurred coverage is zero (the default radius of 1
    // reaches a single pixel).
    static constexpr int BLUR_MARGIN_PER_RADIUS = 2;
    static constexpr int BLUR_MARGIN = 4;
    static constexpr qreal HALF_SIZE_BLUR_RADIUS = 4.0;
    // The views give a value its font size by its length, and a channel can
    // read any length (a quotient or product of two inputs, "OL"): the value
    // takes every size of its view's table, 11 on the home view (5 characters
    // or fewer to 15 or more), 6 on the two- and three-channel views, 8 on the
    // four-channel view. A reading that crosses a boundary of its length or
    // sign, or a scan over channels of several lengths, comes back to each of
    // them, so a label keeps the images of every size.
    static constexpr std::size_t MOST_IMAGE_SETS = 11;
    // Bounds the images of all value labels together, the ten of the views
    // with all their sizes: past it the characters drawn least recently, of
    // whichever label and size, are dropped, never those of the drawing that
    // adds images, so the labels hold at most 3.5 MB and one reading's images.
    // The labels of the views not shown are drawn least recently and give their
    // room to those on the screen; a size comes back with the characters its
    // last readings showed, where dropping whole sizes made a scan over more
    // noisy lengths than the bound holds draw each channel's value anew at
    // every visit. A character with its shadow takes about 48 KB at the home
    // view's largest digits (9 KB in the two-channel view, 6 KB in the
    // four-channel view); a steady reading takes 0.2 to 0.5 MB a size, one
    // with noise in its last two digits 0.7 to 1.4 MB on the home view. A scan
    // over three or four such readings of different lengths took 3.1 to 3.2 MB
    // (of 1,048,576 bytes, the bound's unit) in six rounds, 3.4 MB with the
    // unit changed at each round: the bound
    // holds them, the characters their noise shows least often giving their
    // room later, and keeps the program within a few MB of what it takes
    // without images.
    static constexpr qsizetype MOST_IMAGE_BYTES = 7 * 512 * 1024;

    // The images of the characters drawn with one font and look by one label.
    struct TImageSet
    {
        const TValueShadowEffect* mOwner = nullptr;
        QFont mFont;
        QPen mPen;
        QColor mShadowColor;
        qreal mBlurRadius = -1;
        QPoint mShift;
        QRect mTextArea;
        std::map<TCharacterKey, TCharacterImage> mImages;
        qsizetype mBytes = 0;
    };
    // The sets of all labels, the one drawn last first, their bytes and the
    // drawings made by character.
    struct TImageCache
    {
        std::list<TImageSet> mSets;
        qsizetype mBytes = 0;
        quint64 mDrawings = 0;
    };
    static TImageCache& imageCache();
    // Drops the label's sets past the most sizes its view gives; the front
    // set is the label's own, the one it draws.
    void boundImageSets();
    // Drops the images past the bound in bytes after a drawing added some.
    static void boundImageBytes();
};
