#pragma once

#include <QProcess>

#include <sys/types.h>
#include <unistd.h>

// A process that a test starts (the program, a simulated peer, a tool): it ends with the test process, however that
// ends, a crash, a kill -9 or CTest's time-out included, rather than running on for good with nobody left to end
// it. The system kills it once the thread that started it has ended: start it from the test's main thread. Until
// Qt lets the forked child go on, it has no death signal: a test that dies in that moment leaves it waiting, which
// CTest's launcher (tests/launcher) ends.
class TChildProcess : public QProcess
{
public:
    using QProcess::QProcess;

    // Runs pProgram to its end on this process's channels, as QProcess::execute does: its exit code, -2 when it
    // cannot be started, -1 when it crashed.
    static int execute(const QString& pProgram, const QStringList& pArguments);

protected:
    // In the started process, before its program runs. A subclass that sets more up calls this one too.
    void setupChildProcess() override;

private:
    const pid_t mTestProcess = ::getpid();
};
