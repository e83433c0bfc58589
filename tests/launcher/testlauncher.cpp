// testlauncher PROGRAM [ARGUMENT...]: how CTest starts every test program. It runs the program, waits for its end and
// then ends whatever the program left running before it reports the program's own status (a death by a signal by
// the same signal). The test's children end with it by themselves, but a child that Qt has forked and not yet let go
// on cannot: it waits for a go-ahead its dead parent never gives, a full copy of the test holding CTest's output
// pipe, and CTest would wait for that pipe until its time-out. The code under test's own commands (a "tar", a
// "find") end here too.
//
// Everything the program leaves comes to this process once its parent has gone (it is the subreaper of the
// program's tree), whichever process group or session it went to. A terminate or hang-up sent to this process is
// passed to the program; an interrupt or quit from the terminal reaches the program directly. Should CTest kill this
// process at its time-out, it kills the tree below it, leftovers included; the program itself is killed when this
// process has gone.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
volatile sig_atomic_t sProgram = 0;

void passToProgram(int pSignal)
{
    if (sProgram > 0)
        ::kill(pid_t(sProgram), pSignal);
}

void ignore(int) {}

// The processes this one is the parent of and that have not ended.
std::vector<pid_t> runningChildren()
{
    std::vector<pid_t> children;
    DIR* processes = ::opendir("/proc");
    if (!processes)
        return children;
    const long self = long(::getpid());
    while (const dirent* entry = ::readdir(processes)) {
        char* end = nullptr;
        const long process = std::strtol(entry->d_name, &end, 10);
        if (*end != '\0' || process <= 0)
            continue;
        char path[64];
        std::snprintf(path, sizeof path, "/proc/%ld/stat", process);
        FILE* file = std::fopen(path, "r");
        if (!file)
            continue;
        char stat[512];
        const size_t length = std::fread(stat, 1, sizeof stat - 1, file);
        std::fclose(file);
        stat[length] = '\0';
        // The state and the parent follow the program's name in parentheses, which may hold anything.
        const char* name = std::strrchr(stat, ')');
        char state = 0;
        long parent = 0;
        if (name && std::sscanf(name + 1, " %c %ld", &state, &parent) == 2 && parent == self && state != 'Z')
            children.push_back(pid_t(process));
    }
    ::closedir(processes);
    return children;
}

// Kills every process left below this one until none is left. A kill at once, no terminate first: a copy of a test
// process answers a terminate with Qt Test's crash report, a stack dump through a debugger, into CTest's output.
// Until its parent is killed a grandchild is not this process's child: the rounds go on until nothing is left.
void endLeftOvers()
{
    for (;;) {
        pid_t reaped = 0;
        while ((reaped = ::waitpid(-1, nullptr, WNOHANG)) > 0) {
        }
        if (reaped < 0 && errno == ECHILD)
            return;
        for (const pid_t child : runningChildren())
            ::kill(child, SIGKILL);
        ::usleep(5000);
    }
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: testlauncher PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    struct sigaction passed = {};
    passed.sa_handler = passToProgram;
    struct sigaction ignored = {};
    ignored.sa_handler = ignore;
    for (const int signal : {SIGTERM, SIGHUP})
        ::sigaction(signal, &passed, nullptr);
    for (const int signal : {SIGINT, SIGQUIT})
        ::sigaction(signal, &ignored, nullptr);
    // Held back until the program's number is known: a signal before would not reach it.
    sigset_t held;
    sigset_t before;
    sigemptyset(&held);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT, SIGQUIT})
        sigaddset(&held, signal);
    ::sigprocmask(SIG_BLOCK, &held, &before);

    const pid_t launcher = ::getpid();
    const pid_t program = ::fork();
    if (program < 0) {
        std::fprintf(stderr, "testlauncher: cannot start %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    if (program == 0) {
        for (const int signal : {SIGTERM, SIGHUP, SIGINT, SIGQUIT})
            std::signal(signal, SIG_DFL);
        ::sigprocmask(SIG_SETMASK, &before, nullptr);
        // A launcher killed outright takes the program with it; one already gone leaves it unstarted.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != launcher)
            ::_exit(1);
        ::execvp(argv[1], argv + 1);
        std::fprintf(stderr, "testlauncher: cannot run %s: %s\n", argv[1], std::strerror(errno));
        ::_exit(127);
    }
    sProgram = program;
    ::sigprocmask(SIG_SETMASK, &before, nullptr);

    // Leftovers that end meanwhile are taken here too.
    int status = 0;
    for (;;) {
        const pid_t ended = ::waitpid(-1, &status, 0);
        if (ended == program)
            break;
        if (ended < 0 && errno != EINTR) {
            std::fprintf(stderr, "testlauncher: lost %s: %s\n", argv[1], std::strerror(errno));
            status = 1 << 8;
            break;
        }
    }
    sProgram = 0;
    endLeftOvers();

    if (WIFSIGNALED(status)) {
        // Told as the program's own death, which CTest shows as a crash; the core file, if any, is the program's.
        const struct rlimit noCore = {0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        std::signal(WTERMSIG(status), SIG_DFL);
        ::sigprocmask(SIG_UNBLOCK, &held, nullptr);
        std::raise(WTERMSIG(status));
        return 128 + WTERMSIG(status);
    }
    return WEXITSTATUS(status);
}
