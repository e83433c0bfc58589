#include "samplenumberscaledraw.h"

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

QwtText TSampleNumberScaleDraw::label(double pValue) const
{
    return QwtText(QString::number(qRound64(pValue)));
}

int TSampleNumberScaleDraw::labelInterval(const QFont& pFont) const
{
    const double spacing = std::abs(scaleMap().transform(1.0) - scaleMap().transform(0.0));
    if (spacing <= 0.0)
        return 1;
    const QwtScaleDiv& window = scaleDiv();
    const double widest =
        std::max(labelSize(pFont, window.lowerBound()).width(), labelSize(pFont, window.upperBound()).width()) +
        LABEL_GAP;
    return std::max(1, int(std::ceil(widest / spacing)));
}

void TSampleNumberScaleDraw::drawLabel(QPainter* pPainter, double pValue) const
{
    const int interval = labelInterval(pPainter->font());
    if (interval > 1 && qRound64(pValue) % interval != 0)
        return;
    QwtScaleDraw::drawLabel(pPainter, pValue);
}
