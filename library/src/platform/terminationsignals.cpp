#include "terminationsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace
{
int signalPipe[2] = {-1, -1};
// Never read but by forgetRequest(): unlike the pipe, which the event loop
// empties, it still wakes a wait that starts after the event loop has seen
// the signal.
int noticeCounter = -1;
std::atomic<bool> terminating{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

// A signal handler may do next to nothing: a lock-free flag, one write to a
// pipe that the event loop watches, which also wakes a wait that processes
// events, and one to the counter that the waits without events watch. errno
// is the interrupted code's: a wait that looks at it for EINTR must find it.
void onTerminationSignal(int)
{
    const int interruptedErrno = errno;
    terminating.store(true);
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    const quint64 one = 1;
    [[maybe_unused]] const ssize_t counted = ::write(noticeCounter, &one, sizeof one);
    errno = interruptedErrno;
}

// A byte left in the pipe would wake every later event processing at once:
// the waits that go on after the quit (those of a run, a dialog's loop that
// has ended) would spin a core until they return.
void emptyPipe()
{
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
}
} // namespace

void TTerminationSignals::quitEventLoopOnTermination(QCoreApplication& pApplication)
{
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    noticeCounter = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &pApplication);
    QObject::connect(notifier, &QSocketNotifier::activated, &pApplication, [] {
        emptyPipe();
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool TTerminationSignals::terminationRequested()
{
    return terminating.load();
}

int TTerminationSignals::notice()
{
    return noticeCounter;
}

void TTerminationSignals::forgetRequest()
{
    // A signal raised on another thread (a simulated peer's) is handled
    // there, and the flag is its first step: forgotten before the handler's
    // last write, the notice would stay and end every later exchange with
    // the board at once, and the pipe's byte would quit a later event loop.
    if (terminating.load() && noticeCounter >= 0) {
        pollfd counter{noticeCounter, POLLIN, 0};
        while (::poll(&counter, 1, -1) < 0 && errno == EINTR) {
        }
    }
    if (signalPipe[0] >= 0)
        emptyPipe();
    terminating.store(false);
    quint64 count = 0;
    if (noticeCounter >= 0)
        while (::read(noticeCounter, &count, sizeof count) < 0 && errno == EINTR) {
        }
}
