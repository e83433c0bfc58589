#pragma once

#include <QImage>
#include <QPushButton>
#include <QStyleOptionButton>

// The large blue icon button of the pages. A style sheet set on it afterwards
// (also the empty one) replaces its own.
//
// Its style sheet look (gradient, rounded border) is costly to draw on the
// device's core, and a view repaints a dozen of them when it recolours its
// places: the look is drawn once per state and kept while the button is shown.
class QZELKPushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit QZELKPushButton(QWidget* pParent = nullptr);

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    // What the style draws the button from, besides its style sheet, palette and font.
    struct TLookKey
    {
        QStyle::State mState;
        QStyleOptionButton::ButtonFeatures mFeatures;
        QString mText;
        qint64 mIcon = 0;
        QSize mIconSize;
        QSize mSize;
        Qt::LayoutDirection mDirection = Qt::LeftToRight;
        qint64 mPalette = 0;
        bool operator==(const TLookKey& pOther) const;
    };
    static TLookKey lookKey(const QStyleOptionButton& pOption);

    QImage mLook;
    TLookKey mLookKey;
};
