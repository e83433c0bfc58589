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

std::optional<bool>& translucencyOverride()
{
    static std::optional<bool> shows;
    return shows;
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

void TDesktopBackground::overrideTranslucentWindowsShowWhatIsBehind(std::optional<bool> pShows)
{
    translucencyOverride() = pShows;
}

bool TDesktopBackground::translucentWindowsShowWhatIsBehind()
{
    if (translucencyOverride())
        return *translucencyOverride();
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("eglfs") || platform.startsWith(QLatin1String("wayland"));
}
