#include "fontmetricshelper.h"

#include <QFont>
#include <QFontMetrics>

namespace
{
int widthOf(const QString& pText, const QFont& pFont)
{
    return QFontMetrics(pFont).boundingRect(pText).width();
}
} // namespace

TFontMetricsHelper::TFontMetricsHelper(QObject* pParent) : QObject(pParent) {}

void TFontMetricsHelper::calculateFontSize(QString& pString, QFont& pFont, int pMaxWidth, int pDefaultFontSize,
                                           int pMinimumFontSize, bool pTruncateIfTooLong)
{
    // Fonts take no pixel size below 1.
    const int minimum = qMax(pMinimumFontSize, 1);
    int pixelSize = qMax(pDefaultFontSize, 1);
    pFont.setPixelSize(pixelSize);
    while (widthOf(pString, pFont) > pMaxWidth && pixelSize > minimum) {
        --pixelSize;
        pFont.setPixelSize(pixelSize);
    }

    if (widthOf(pString, pFont) <= pMaxWidth || !pTruncateIfTooLong)
        return;
    const QString ellipsis = QStringLiteral("...");
    pString += ellipsis;
    while (widthOf(pString, pFont) > pMaxWidth && pString.size() > ellipsis.size())
        pString.remove(pString.size() - ellipsis.size() - 1, 1);
}

QString TFontMetricsHelper::fontsizeStylesheetEntry(const QFont& pFont)
{
    return QStringLiteral("font-size: %1px;").arg(pFont.pixelSize());
}
