#include "childprocess.h"

#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>

int TChildProcess::execute(const QString& pProgram, const QStringList& pArguments)
{
    TChildProcess process;
    process.setProcessChannelMode(ForwardedChannels);
    process.start(pProgram, pArguments);
    if (!process.waitForFinished(-1) || process.error() == FailedToStart)
        return -2;
    return process.exitStatus() == NormalExit ? process.exitCode() : -1;
}

void TChildProcess::setupChildProcess()
{
    // Set before the program runs, and kept through its exec. A test process that ended before it was set has
    // left this one to another parent already: it ends here instead.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != mTestProcess)
        ::_exit(EXIT_FAILURE);
}
