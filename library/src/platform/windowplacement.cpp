#include "windowplacement.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace
{
QPointer<QWidget>& registeredMainWindow()
{
    static QPointer<QWidget> window;
    return window;
}

// The windows placed over the main window, in the order they were last shown:
// each is shown on top of those before it.
QList<QPointer<QWidget>>& placedWindows()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}
} // namespace

void TWindowPlacement::setMainWindow(QWidget* pWindow)
{
    registeredMainWindow() = pWindow;
}

QWidget* TWindowPlacement::mainWindow(const QWidget* pWindow)
{
    QWidget* registered = registeredMainWindow();
    if (registered && registered != pWindow && registered->isVisible())
        return registered;
    QWidget* largest = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        if (candidate == pWindow || !candidate->isVisible() || candidate->windowType() == Qt::Desktop)
            continue;
        if (!largest || candidate->width() * candidate->height() > largest->width() * largest->height())
            largest = candidate;
    }
    return largest;
}

QList<QWidget*> TWindowPlacement::windowsBelow(const QWidget* pWindow)
{
    QList<QWidget*> below;
    QWidget* main = mainWindow(pWindow);
    if (!main)
        return below;
    below.append(main);
    for (QWidget* placed : qAsConst(placedWindows())) {
        if (placed == pWindow)
            break;
        if (placed && placed != main && placed->isVisible())
            below.append(placed);
    }
    return below;
}

void TWindowPlacement::placeOverMainWindow(QWidget* pWindow, int pTopInset)
{
    QList<QPointer<QWidget>>& placed = placedWindows();
    placed.removeAll(nullptr);
    placed.removeAll(pWindow);
    placed.append(pWindow);

    const QList<QWidget*> below = windowsBelow(pWindow);
    if (below.isEmpty())
        return;
    const QWidget* main = below.first();
    // The client area of the main window, in screen coordinates: a frame the
    // desktop may draw around it is not covered.
    QRect area(main->mapToGlobal(QPoint(0, 0)), main->size());
    area.setTop(area.top() + pTopInset);
    QRect placedArea(QPoint(0, 0), pWindow->size());
    placedArea.moveCenter(area.center());
    pWindow->move(placedArea.topLeft());
    // Made where it is to stand: the move of a window made already but not
    // yet shown races with the window manager taking it over, and Qt may then
    // keep 0, 0 as its position while it stands where placed. Not through
    // winId(): that marks the window native, and a native window with a
    // parent (a pad over a dialog) turns every child of that parent into a
    // native window of its own, which a screen without window manager (the
    // device's, VNC) keeps in its window stack after they are gone.
    pWindow->createWinId();

    // A window manager raises a window that is clicked and may place a new
    // one as it likes (many distrust a position of 0, 0); a window that
    // stands for the main window stays above it and is centred over it, so
    // clicking the main window cannot hide the run view. Under X the window
    // manager learns of it only for a dialog-type window (Qt::Dialog).
    QWindow* handle = pWindow->windowHandle();
    if (handle && !pWindow->parentWidget() && main->windowHandle())
        handle->setTransientParent(main->windowHandle());
}
