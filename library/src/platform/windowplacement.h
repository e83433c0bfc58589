#pragma once

#include <QList>

class QWidget;

// Where the program's own top-level windows (its dialogs, the calibration run
// view) open: over the main window, whichever window is in use. On the device
// the main window is the screen, so they cover the screen as before; in a
// desktop window they cover that window instead of the middle of the desktop
// or of another of the program's windows.
class TWindowPlacement
{
public:
    // The window that every other one opens over; the main window registers
    // itself and is forgotten when it goes.
    static void setMainWindow(QWidget* pWindow);
    // The registered main window while it is shown; without one (a window
    // tried out on its own) the largest window shown other than pWindow; null
    // when no other window is shown.
    static QWidget* mainWindow(const QWidget* pWindow);
    // Centres pWindow over the main window, leaving the top pTopInset pixels
    // of it uncovered, and keeps it above the windows it covers; for that a
    // window without parent must be of the type Qt::Dialog. Stays where it is
    // when there is no main window. Call it as the window is about to be
    // shown, before Qt makes it (from setVisible): under a window manager Qt
    // may keep a wrong position for a window moved between made and shown.
    static void placeOverMainWindow(QWidget* pWindow, int pTopInset = 0);
    // What pWindow stands over, bottom first: the main window, then the
    // windows placed over it before pWindow that are still shown.
    static QList<QWidget*> windowsBelow(const QWidget* pWindow);
};
