#include "keptbuttonlook.h"

#include "stylesheetchoice.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QVariant>

#include <algorithm>

namespace
{
// The colours of the four places of a view (the information bar takes each in
// turn), or a button at rest and pressed.
constexpr std::size_t KEPT_LOOKS = 4;
} // namespace

bool TKeptButtonLook::TKey::operator==(const TKey& pOther) const
{
    return mState == pOther.mState && mFeatures == pOther.mFeatures && mText == pOther.mText && mIcon == pOther.mIcon &&
           mIconSize == pOther.mIconSize && mSize == pOther.mSize && mDirection == pOther.mDirection &&
           mOwnState == pOther.mOwnState && mStyle == pOther.mStyle && mSheets == pOther.mSheets &&
           mPalette == pOther.mPalette && mPalette.resolve() == pOther.mPalette.resolve() && mFont == pOther.mFont;
}

TKeptButtonLook::TKey TKeptButtonLook::keyOf(const QPushButton& pWidget, const QStyleOptionButton& pOption,
                                             int pOwnState)
{
    TKey key{pOption.state,       pOption.features,  pOption.text, pOption.icon.cacheKey(), pOption.iconSize,
             pOption.rect.size(), pOption.direction, pOwnState,    pWidget.style(),         {},
             pOption.palette,     pWidget.font()};
    for (const QWidget* widget = &pWidget; widget; widget = widget->parentWidget()) {
        key.mSheets << widget->styleSheet();
        // Rules select on the sheet's choice of this widget or a parent.
        if (!widget->dynamicPropertyNames().isEmpty())
            key.mSheets << widget->property(TStyleSheetChoice::PROPERTY).toString();
    }
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance()))
        key.mSheets << application->styleSheet();
    return key;
}

void TKeptButtonLook::notice(const QEvent& pEvent)
{
    switch (pEvent.type()) {
    case QEvent::DynamicPropertyChange:
        // The sheet's choice is part of the key: a look under each choice can stay.
        if (static_cast<const QDynamicPropertyChangeEvent&>(pEvent).propertyName() != TStyleSheetChoice::PROPERTY)
            mLooks.clear();
        break;
    // A hidden widget keeps no look, so that only the widgets on the screen hold one.
    case QEvent::LocaleChange:
    case QEvent::Hide:
        mLooks.clear();
        break;
    default:
        break;
    }
}

// The look is the style's drawing of the whole widget on a clear image, put
// over what lies below as the style's drawing would be.
bool TKeptButtonLook::paint(QPushButton& pWidget, const QStyleOptionButton& pOption, int pOwnState)
{
    if (pWidget.devicePixelRatioF() != 1.0)
        return false;
    TKey key = keyOf(pWidget, pOption, pOwnState);
    auto kept = std::find_if(mLooks.begin(), mLooks.end(), [&key](const TLook& pLook) { return pLook.mKey == key; });
    if (kept == mLooks.end()) {
        QImage image(pWidget.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        QPainter look(&image);
        look.setFont(pWidget.font());
        look.setPen(pWidget.palette().color(pWidget.foregroundRole()));
        look.setBrush(pWidget.palette().brush(pWidget.backgroundRole()));
        look.setLayoutDirection(pWidget.layoutDirection());
        pWidget.style()->drawControl(QStyle::CE_PushButton, &pOption, &look, &pWidget);
        look.end();
        if (mLooks.size() == KEPT_LOOKS)
            mLooks.pop_back();
        kept = mLooks.insert(mLooks.begin(), TLook{std::move(key), std::move(image)});
    } else if (kept != mLooks.begin()) {
        std::rotate(mLooks.begin(), kept, kept + 1);
        kept = mLooks.begin();
    }
    QPainter painter(&pWidget);
    painter.drawImage(0, 0, kept->mImage);
    return true;
}
