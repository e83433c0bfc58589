#include "samplenumberscaledraw.h"

#include "scalelabeltextengine.h"

#include <QFontMetrics>
#include <QPainter>

#include <qwt_scale_div.h>
#include <qwt_scale_map.h>

#include <algorithm>
#include <cmath>

namespace
{
// Room kept free between two labels, so that they read as two numbers.
constexpr int LABEL_GAP = 6;
} // namespace

void TSampleNumberScaleDraw::useFont(const QFont& pFont) const
{
    if (pFont == mLabelFont)
        return;
    mLabelFont = pFont;
    mLabels.clear();
}

// Measured here already, in the form Qwt measures a tick label, so that Qwt
// finds the size in the copy it keeps for the window.
QwtText TSampleNumberScaleDraw::label(double pValue) const
{
    const qint64 number = qRound64(pValue);
    const auto known = mLabels.constFind(number);
    if (known != mLabels.constEnd())
        return *known;
    if (mLabels.size() >= KEPT_LABEL_COUNT)
        mLabels.clear();
    QwtText text = TScaleLabelTextEngine::label(QString::number(number));
    text.setRenderFlags(0);
    text.setLayoutAttribute(QwtText::MinimumLayout);
    text.textSize(mLabelFont);
    mLabels.insert(number, text);
    return text;
}

bool TSampleNumberScaleDraw::isLabelled() const
{
    const QList<double> ticks = scaleDiv().ticks(QwtScaleDiv::MajorTick);
    return std::any_of(ticks.cbegin(), ticks.cend(), [this](double pTick) { return scaleDiv().contains(pTick); });
}

double TSampleNumberScaleDraw::extent(const QFont& pFont) const
{
    useFont(pFont);
    int components = 0;
    for (ScaleComponent component : {Backbone, Ticks, Labels}) {
        if (hasComponent(component))
            components |= component;
    }
    const TExtentInput input{pFont,           spacing(),        maxTickLength(), penWidth(),  minimumExtent(),
                             labelRotation(), int(alignment()), components,      isLabelled()};
    if (mExtentInput != input) {
        mExtent = QwtScaleDraw::extent(pFont);
        mExtentInput = input;
    }
    return mExtent;
}

int TSampleNumberScaleDraw::labelInterval(const QFont& pFont) const
{
    const double spacing = std::abs(scaleMap().transform(1.0) - scaleMap().transform(0.0));
    if (spacing <= 0.0)
        return 1;
    const QwtScaleDiv& window = scaleDiv();
    const TIntervalInput input{pFont, window.lowerBound(), window.upperBound(), spacing};
    if (mIntervalInput == input)
        return mInterval;
    useFont(pFont);
    const double widest =
        std::max(labelSize(pFont, window.lowerBound()).width(), labelSize(pFont, window.upperBound()).width()) +
        LABEL_GAP;
    mInterval = std::max(1, int(std::ceil(widest / spacing)));
    mIntervalInput = input;
    return mInterval;
}

void TSampleNumberScaleDraw::drawLabel(QPainter* pPainter, double pValue) const
{
    const int interval = labelInterval(pPainter->font());
    if (interval > 1 && qRound64(pValue) % interval != 0)
        return;
    QwtScaleDraw::drawLabel(pPainter, pValue);
}

QwtText TValueScaleDraw::label(double pValue) const
{
    return TScaleLabelTextEngine::label(QwtScaleDraw::label(pValue).text());
}
