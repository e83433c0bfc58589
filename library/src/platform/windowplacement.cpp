#include "windowplacement.h"

#include <QApplication>
#include <QWidget>

QWidget* TWindowPlacement::windowBelow(const QWidget* pWindow)
{
    for (QWidget* candidate : {pWindow->parentWidget() ? pWindow->parentWidget()->window() : nullptr,
                               QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        if (candidate && candidate != pWindow && candidate->isVisible())
            return candidate;
    }
    QWidget* largest = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        if (candidate == pWindow || !candidate->isVisible() || candidate->windowType() == Qt::Desktop)
            continue;
        if (!largest || candidate->width() * candidate->height() > largest->width() * largest->height())
            largest = candidate;
    }
    return largest;
}

void TWindowPlacement::placeOverWindowBelow(QWidget* pWindow, int pTopInset)
{
    const QWidget* below = windowBelow(pWindow);
    if (!below)
        return;
    // The client area of the window below, in screen coordinates: a frame the
    // desktop may draw around it is not covered.
    QRect area(below->mapToGlobal(QPoint(0, 0)), below->size());
    area.setTop(area.top() + pTopInset);
    QRect placed(QPoint(0, 0), pWindow->size());
    placed.moveCenter(area.center());
    pWindow->move(placed.topLeft());
}
