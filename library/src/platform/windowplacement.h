#pragma once

class QWidget;

// Where the program's own top-level windows (its dialogs, the calibration run
// view) open: over the window they belong to. On the device the main window is
// the screen, so they cover the screen as before; in a desktop window they
// cover that window instead of the middle of the desktop.
class TWindowPlacement
{
public:
    // The window pWindow opens over: the one that opened it, the dialog still
    // running below it, or the window in use; else the largest one shown; null
    // when no other window is shown.
    static QWidget* windowBelow(const QWidget* pWindow);
    // Centres pWindow over the window below it, leaving the top pTopInset
    // pixels of that window uncovered; stays where it is when there is none.
    static void placeOverWindowBelow(QWidget* pWindow, int pTopInset = 0);
};
