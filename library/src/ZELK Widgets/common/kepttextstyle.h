#pragma once

#include <QFont>
#include <QImage>
#include <QProxyStyle>

#include <vector>

// The program's style: the toolkit's own, except that a label's text it has
// drawn twice is kept as an image and later put on the screen as such. Laying
// out and shaping a text costs some 70 k instructions on the device's core
// each time, and a view repaints a dozen unchanged texts when it recolours.
// Installed once by main(); owned by the application.
class TKeptTextStyle : public QProxyStyle
{
    Q_OBJECT

public:
    TKeptTextStyle();

    void drawItemText(QPainter* pPainter, const QRect& pRect, int pFlags, const QPalette& pPalette, bool pEnabled,
                      const QString& pText, QPalette::ColorRole pTextRole = QPalette::NoRole) const override;

private:
    // What the toolkit draws a text from.
    struct TKey
    {
        QString mText;
        QFont mFont;
        int mFlags = 0;
        QSize mSize;
        QRgb mColour = 0;
        Qt::LayoutDirection mDirection = Qt::LeftToRight;
        int mHints = 0;
        bool operator==(const TKey& pOther) const;
    };
    struct TKeptText
    {
        TKey mKey;
        QImage mImage;
        // Where the image stands against the item's rectangle: a text may reach beyond it.
        QPoint mOffset;
    };
    static bool canKeep(const QPainter& pPainter, const QBrush& pBrush);
    static TKeptText drawnText(const QPainter& pPainter, const TKey& pKey, qreal pPenWidth);

    // Whether the base style draws an item text as kept here: -1 not yet asked.
    mutable int mOnFusion = -1;
    // The most recently used first.
    mutable std::vector<TKeptText> mKept;
    // Texts seen once: a reading that changes every cycle is not worth an image.
    mutable std::vector<uint> mSeenOnce;
};
