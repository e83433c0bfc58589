#pragma once

#include <QFont>
#include <QImage>
#include <QPalette>
#include <QStringList>
#include <QStyleOptionButton>

#include <vector>

class QEvent;
class QPushButton;

// The style sheet look of a push button or panel (gradient, rounded border)
// is costly to draw on the device's core, and a view repaints a dozen of them
// when it recolours its places. The look is drawn once per state and kept
// while the widget is shown; the looks under the last four style sheets stay,
// so that places recoloured back and forth are not drawn anew.
class TKeptButtonLook
{
public:
    // Called from the widget's event(): a dynamic property a selector may
    // read, a new locale or hiding it make every kept look stale.
    void notice(const QEvent& pEvent);
    // Puts the kept look for pOption on the widget, drawn first if needed.
    // False where no look is kept (a scaled screen): the caller paints itself.
    // pOwnState: what else of the widget its sheet may select on.
    bool paint(QPushButton& pWidget, const QStyleOptionButton& pOption, int pOwnState = 0);

private:
    // What the style draws the widget from.
    struct TKey
    {
        QStyle::State mState;
        QStyleOptionButton::ButtonFeatures mFeatures;
        QString mText;
        qint64 mIcon = 0;
        QSize mIconSize;
        QSize mSize;
        Qt::LayoutDirection mDirection = Qt::LeftToRight;
        int mOwnState = 0;
        const QStyle* mStyle = nullptr;
        // The widget's own sheet, its parents' and the application's: all a rule may come from.
        QStringList mSheets;
        QPalette mPalette;
        QFont mFont;
        bool operator==(const TKey& pOther) const;
    };
    struct TLook
    {
        TKey mKey;
        QImage mImage;
    };
    static TKey keyOf(const QPushButton& pWidget, const QStyleOptionButton& pOption, int pOwnState);

    // The most recently drawn first.
    std::vector<TLook> mLooks;
};
