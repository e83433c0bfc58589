#include "scalelabeltextengine.h"

#include <algorithm>

QwtText::TextFormat TScaleLabelTextEngine::format()
{
    static const QwtText::TextFormat registered = [] {
        const auto format = QwtText::TextFormat(QwtText::OtherFormat + 1);
        QwtText::setTextEngine(format, new TScaleLabelTextEngine);
        return format;
    }();
    return registered;
}

QwtText TScaleLabelTextEngine::label(const QString& pText)
{
    return QwtText(pText, format());
}

void TScaleLabelTextEngine::textMargins(const QFont& pFont, const QString& pText, double& oLeft, double& oRight,
                                        double& oTop, double& oBottom) const
{
    auto known = std::find_if(mMargins.cbegin(), mMargins.cend(),
                              [&pFont](const TMargins& pMargins) { return pMargins.mFont == pFont; });
    if (known == mMargins.cend()) {
        if (mMargins.size() == KEPT_FONT_COUNT)
            mMargins.removeFirst();
        TMargins margins{pFont, 0.0, 0.0, 0.0, 0.0};
        QwtPlainTextEngine::textMargins(pFont, pText, margins.mLeft, margins.mRight, margins.mTop, margins.mBottom);
        mMargins.append(margins);
        known = mMargins.cend() - 1;
    }
    oLeft = known->mLeft;
    oRight = known->mRight;
    oTop = known->mTop;
    oBottom = known->mBottom;
}
