#include "desktopbackground.h"

#include <QGuiApplication>
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

bool TDesktopBackground::translucentWindowsShowWhatIsBehind()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("linuxfb") || platform == QLatin1String("eglfs") ||
           platform == QLatin1String("vnc") || platform.startsWith(QLatin1String("wayland"));
}
