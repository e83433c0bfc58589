#include "zelkpushbutton.h"

#include "buzzercontroller.h"

#include <QEvent>
#include <QPainter>

QZELKPushButton::QZELKPushButton(QWidget* pParent) : QPushButton(pParent)
{
    setStyleSheet(QStringLiteral("color: white;"
                                 "background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                 " stop:0 #4990d0, stop:0.05 #6ab3f4, stop:0.25 #083a67, stop:1 #0a5ca9);"
                                 "border: 2px solid #032343;"
                                 "border-radius: 10;"
                                 "qproperty-iconSize: 60px 75px;"
                                 "outline: none;"));
}

bool QZELKPushButton::TLookKey::operator==(const TLookKey& pOther) const
{
    return mState == pOther.mState && mFeatures == pOther.mFeatures && mText == pOther.mText &&
           mIcon == pOther.mIcon && mIconSize == pOther.mIconSize && mSize == pOther.mSize &&
           mDirection == pOther.mDirection && mPalette == pOther.mPalette;
}

QZELKPushButton::TLookKey QZELKPushButton::lookKey(const QStyleOptionButton& pOption)
{
    return {pOption.state,         pOption.features,  pOption.text,
            pOption.icon.cacheKey(), pOption.iconSize, pOption.rect.size(),
            pOption.direction,     pOption.palette.cacheKey()};
}

bool QZELKPushButton::event(QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::MouseButtonPress:
        TBuzzerController::instance().soundKeystroke();
        break;
    // A new sheet of its own or of a parent, a dynamic property a selector
    // reads, a new palette or font: the kept look is stale. A hidden button
    // keeps no look, so that only the buttons on the screen hold one.
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::Polish:
    case QEvent::DynamicPropertyChange:
    case QEvent::LocaleChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::Hide:
        mLook = QImage();
        break;
    default:
        break;
    }
    return QPushButton::event(pEvent);
}

// The look is the style's drawing of the whole button on a clear image, put
// over what lies below as the style's drawing would be.
void QZELKPushButton::paintEvent(QPaintEvent* pEvent)
{
    if (devicePixelRatioF() != 1.0) {
        QPushButton::paintEvent(pEvent);
        return;
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    const TLookKey key = lookKey(option);
    if (mLook.isNull() || !(key == mLookKey)) {
        mLook = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        mLook.fill(0);
        QPainter look(&mLook);
        look.setFont(font());
        look.setPen(palette().color(foregroundRole()));
        look.setBrush(palette().brush(backgroundRole()));
        look.setLayoutDirection(layoutDirection());
        style()->drawControl(QStyle::CE_PushButton, &option, &look, this);
        look.end();
        mLookKey = key;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, mLook);
}
