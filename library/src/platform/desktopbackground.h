#pragma once

#include <QBrush>

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
};
