#include "desktopbackground.h"

#include <QPainter>

namespace
{
QBrush& backgroundBrush()
{
    static QBrush brush(Qt::black);
    return brush;
}
} // namespace

void TDesktopBackground::setBackground(const QBrush& pBrush)
{
    backgroundBrush() = pBrush;
}

QBrush TDesktopBackground::background()
{
    return backgroundBrush();
}

void TDesktopBackground::paint(QPainter& pPainter, const QRect& pRect)
{
    pPainter.fillRect(pRect, backgroundBrush());
}
