#pragma once

#include <QEventLoop>
#include <QtGlobal>

#include <functional>

// A wait of the GUI thread that lets the events of its flags run and sleeps
// between them: the thread wakes for an event or at the deadline, never only
// to look again, so a wait of seconds for a peer costs no core. A terminate
// or Ctrl+C ends it: the event loop it was started from can only end once the
// wait has returned.
class TEventWait
{
public:
    // Asks pDone, then processes events, until pDone holds (true), pMs have
    // passed or the program has been told to end (false).
    static bool until(qint64 pMs, QEventLoop::ProcessEventsFlags pFlags, const std::function<bool()>& pDone);
};
