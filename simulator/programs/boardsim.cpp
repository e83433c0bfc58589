// The simulated measurement board as a program of its own, for ./run.sh and for
// tests against the real instrument program. See simulator/README.md.

#include "boardcontrolinterpreter.h"
#include "boardcontrolserver.h"
#include "boardsimulator.h"
#include "deviceroot.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <unistd.h>

namespace
{
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// Ends the event loop on SIGINT and SIGTERM, so that the link and the socket are removed.
void quitOnTerminationSignals(QCoreApplication& pApplication)
{
    if (::pipe(signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &pApplication);
    QObject::connect(notifier, &QSocketNotifier::activated, &pApplication, &QCoreApplication::quit);
    std::signal(SIGINT, onTerminationSignal);
    std::signal(SIGTERM, onTerminationSignal);
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("boardsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated measurement board on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Where to link the pseudo-terminal (default: the board's device path "
                                                 "under $TAMARIND_ROOT)."),
                                  QStringLiteral("path"));
    const QCommandLineOption control(QStringLiteral("control"),
                                     QStringLiteral("Serve the control commands on this local socket."),
                                     QStringLiteral("path"));
    const QCommandLineOption standardInput(QStringLiteral("stdin"),
                                           QStringLiteral("Read control commands from standard input."));
    parser.addOptions({link, control, standardInput});
    parser.process(application);

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Without a root the default link would be the device's own /dev/ttyO2.
    if (!parser.isSet(link) && !TDeviceRoot::isSimulated()) {
        err << "boardsim: set TAMARIND_ROOT or give --link; it does not link /dev/ttyO2 on this machine.\n";
        return 2;
    }

    TBoardSimulator simulator;
    QString error;
    const QString linkPath = parser.isSet(link) ? parser.value(link) : TBoardSimulator::defaultLinkPath();
    if (!simulator.start(linkPath, error)) {
        err << "boardsim: " << error << "\n";
        return 1;
    }
    out << "boardsim: simulated measurement board on " << simulator.slavePath() << ", linked at "
        << simulator.linkPath() << Qt::endl;

    TBoardControlServer server(simulator);
    if (parser.isSet(control)) {
        if (!server.listen(parser.value(control), error)) {
            err << "boardsim: cannot serve control commands on " << parser.value(control) << ": " << error << "\n";
            return 1;
        }
        out << "boardsim: control commands on " << server.socketPath() << " (try: help)" << Qt::endl;
    }

    TBoardControlInterpreter interpreter(simulator);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    input.setEnabled(parser.isSet(standardInput));
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&]() {
        char chunk[1024];
        const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (count <= 0) {
            input.setEnabled(false);
            return;
        }
        pending.append(chunk, int(count));
        for (int end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QString line = QString::fromUtf8(pending.left(end)).trimmed();
            pending.remove(0, end + 1);
            if (line.isEmpty())
                continue;
            for (const QString& reply : interpreter.execute(line))
                out << reply << "\n";
        }
        out.flush();
    });

    quitOnTerminationSignals(application);
    const int result = application.exec();
    simulator.stop();
    return result;
}
