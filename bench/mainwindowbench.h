#pragma once

// The program's own main window for the benchmarks that measure what a user
// waits for on it: built and shown as main does, against the simulated board
// started once for the whole run.

#include "mainwindowfixture.h"

#include <QApplication>

struct TMainWindowBench
{
    TMainWindowBench()
    {
        mMain.startBoard();
        gMain = &mMain;
    }
    ~TMainWindowBench() { gMain = nullptr; }

    // The window built anew and shown as the program shows it (full screen,
    // over the start logo), channel reading off, so that no poll falls into a
    // count unless the benchmark makes it.
    static void openWindow()
    {
        ++gWindowsOpened;
        gMain->close();
        QApplication::processEvents();
        gMain->openAsTheProgram();
        gMain->channels().setReadingActive(false);
        QApplication::processEvents();
    }

    static inline TMainWindowFixture* gMain = nullptr;
    // A first window of a process finds the toolkit's caches of glyphs, style
    // rules and images cold, as the program does after its start.
    static inline int gWindowsOpened = 0;
    TMainWindowFixture mMain;
};
