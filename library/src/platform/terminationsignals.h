#pragma once

class QCoreApplication;

// Turns SIGINT and SIGTERM (Ctrl+C, a terminate from a script or a test) into
// an ordinary end of the event loop, so that a program closes its ports,
// removes its links and sockets and tears down in its own order instead of
// dying where it stands. For the programs' main(), once, after the application
// object exists.
class TTerminationSignals
{
public:
    static void quitEventLoopOnTermination(QCoreApplication& pApplication);
    // Whether a termination signal has come. A task that waits in a loop of
    // its own (a remote channel scan) ends early on it: the event loop it was
    // started from can only end once the task has returned.
    static bool terminationRequested();
    // A descriptor that turns readable at the signal and stays so: a wait in
    // poll() of its own that watches it ends at once, and so does every later
    // one. -1 until quitEventLoopOnTermination().
    static int notice();
    // For a test that signals its own process: the tests after it run as if
    // no signal had come. A signal raised on another thread is forgotten once
    // its handler there is done.
    static void forgetRequest();
};
