#pragma once

#include <QBrush>

#include <optional>

class QPainter;
class QRect;

// The picture behind the full-screen main window. Under Qt for Embedded Linux
// the window server painted it; under Qt 5 the main window paints it itself.
class TDesktopBackground
{
public:
    static void setBackground(const QBrush& pBrush);
    static QBrush background();
    static void paint(QPainter& pPainter, const QRect& pRect);
    // Whether the screen blends a translucent window over the windows below
    // it. A compositor (Wayland, eglfs) does. Qt 5's frame buffer screens
    // (linuxfb, VNC) copy the window's pixels over those below, so that its
    // transparent parts come out black, as under an X server without a
    // compositing manager; the offscreen platform keeps every window to itself.
    static bool translucentWindowsShowWhatIsBehind();
    // Lets a test take the path of the other kind of screen, the device's on
    // the offscreen platform; std::nullopt asks the platform again. Windows
    // built before the change keep the path they took.
    static void overrideTranslucentWindowsShowWhatIsBehind(std::optional<bool> pShows);
};
