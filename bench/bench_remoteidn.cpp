// One "*idn?" round trip of a remote client: the client's line to the
// transport, the handler's framing, parsing and identification line (with the
// board's identity already known), the reply back to the client. Clients poll
// the identity to find and watch the instrument. Two transports, as arguments:
// TCP on the loopback (0) and a serial line on a pseudo-terminal (1), which is
// the course of RS-232, IEEE-488 and the USB device port alike; a serial line
// runs at the pseudo-terminal's pace here, not at its baud rate.
//
// The goal is at least 0.8 times the rate of a minimal server that reads the
// line and writes the same reply, with the same client on the same kind of
// connection, in the same run. Measured against such a server (a few lines of
// Python in a process of its own), all processes on one CPU as on the
// instrument's single core: TCP 0.83 to 0.92 on a quiet machine, 0.74 to
// 0.81 beside other work (about 27,000 against 35,000 queries a second),
// the serial lines 0.8 to 0.95 (about 6,500 against 8,000: the
// pseudo-terminal sets the pace). Spread over the CPUs of a loaded virtual
// machine, the wake-ups from one CPU to another dominate both sides and the
// TCP ratio scatters from 0.3 to 0.9 from run to run.

#include "benchsupport.h"
#include "boardsimulator.h"
#include "deviceroot.h"
#include "ethernetcommunicationinterface.h"
#include "ethernetconfigurationcontroller.h"
#include "externalcommunicationhandler.h"
#include "instrumentinfo.h"
#include "intcommcontroller.h"
#include "internalscpihandler.h"
#include "loggerfixture.h"
#include "pseudoterminal.h"
#include "serialcommunicationinterface.h"
#include "tamarindsettings.h"
#include "testsupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

namespace
{
// The instrument's side, on a thread of its own with its event loop, as in the program.
class TInstrumentSide
{
public:
    // On the remote port in the settings.
    TInstrumentSide()
    {
        mThread.start();
        QMetaObject::invokeMethod(
            &mAnchor,
            [this] {
                mBoard.start();
                mLink = std::make_unique<TIntCommController>(TBoardSimulator::defaultLinkPath(), QSerialPort::Baud57600,
                                                             QSerialPort::Data8, QSerialPort::NoParity,
                                                             QSerialPort::OneStop);
                mBoardCommands = std::make_unique<TInternalSCPIHandler>(mLink.get());
                TInstrumentInfo::instance()->initialize(mBoardCommands.get());
                TInstrumentInfo::instance()->measurementBoardInfo();
                mHandler = std::make_unique<TExternalCommunicationHandler>(mBoardCommands.get(), nullptr, nullptr,
                                                                           nullptr, nullptr);
                mConfiguration =
                    TEthernetConfigurationControllerFactory().createEthernetConfigurationController("eth0");
                mConfiguration->loadSettings();
                mTransport = std::make_unique<TEthernetCommunicationInterface>(mHandler.get(), mConfiguration.get());
                mSerialTransport = std::make_unique<TSerialCommunicationInterface>(
                    mHandler.get(), QStringLiteral("/dev/ttyGS0"), 115200, QSerialPort::NoFlowControl,
                    QSerialPort::Data8, QSerialPort::OneStop, QSerialPort::NoParity);
            },
            Qt::BlockingQueuedConnection);
    }

    ~TInstrumentSide()
    {
        QMetaObject::invokeMethod(
            &mAnchor,
            [this] {
                mSerialTransport.reset();
                mTransport.reset();
                mConfiguration.reset();
                mHandler.reset();
                mBoardCommands.reset();
                mLink.reset();
                mBoard.stop();
            },
            Qt::BlockingQueuedConnection);
        mThread.quit();
        mThread.wait();
    }

private:
    struct TAnchor : QObject
    {
        explicit TAnchor(QThread* pThread) { moveToThread(pThread); }
    };
    QThread mThread;
    TAnchor mAnchor{&mThread};
    TBoardSimulator mBoard;
    std::unique_ptr<TIntCommController> mLink;
    std::unique_ptr<TInternalSCPIHandler> mBoardCommands;
    std::unique_ptr<TExternalCommunicationHandler> mHandler;
    std::unique_ptr<TAbstractEthernetConfigurationController> mConfiguration;
    std::unique_ptr<TEthernetCommunicationInterface> mTransport;
    std::unique_ptr<TSerialCommunicationInterface> mSerialTransport;
};

// A plain blocking client, as a VISA library or a script is.
int connectClient(quint16 pPort)
{
    const int client = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(pPort);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(client);
        return -1;
    }
    return client;
}

// Sends the query and reads up to the reply's line end, waiting for the
// descriptor to become readable; false when the line broke.
bool query(int pClient, const char* pQuery, size_t pLength, char* pReply, size_t pReplySize)
{
    if (::write(pClient, pQuery, pLength) != ssize_t(pLength))
        return false;
    size_t received = 0;
    while (received < 2 || pReply[received - 2] != '\r' || pReply[received - 1] != '\n') {
        pollfd readable{pClient, POLLIN, 0};
        if (::poll(&readable, 1, 5000) != 1)
            return false;
        const ssize_t n = ::read(pClient, pReply + received, pReplySize - received);
        if (n <= 0 || received + size_t(n) >= pReplySize)
            return false;
        received += size_t(n);
    }
    return true;
}

enum EnTransport { tTCP = 0, tSerialLine = 1 };

void BM_IdentificationRoundTrip(benchmark::State& pState)
{
    const quint16 port = TTestEnvironment::useFreeRemotePort(TTamarindSettings::instance());
    // The host's end of the serial line, there before the transport opens it.
    TPseudoTerminal serialLine;
    QString error;
    if (!serialLine.open(TDeviceRoot::path(QStringLiteral("/dev/ttyGS0")), error)) {
        pState.SkipWithError(qPrintable(error));
        return;
    }
    TInstrumentSide instrument;
    const bool tcp = pState.range(0) == tTCP;
    const int client = tcp ? connectClient(port) : serialLine.masterDescriptor();
    if (client < 0) {
        pState.SkipWithError("no connection to the instrument");
        return;
    }
    static const char QUERY[] = "*idn?\n";
    char reply[512];
    for (auto _ : pState) {
        if (!query(client, QUERY, sizeof QUERY - 1, reply, sizeof reply)) {
            pState.SkipWithError("the round trip broke");
            break;
        }
    }
    pState.counters["queries_per_second"] =
        benchmark::Counter(double(pState.iterations()), benchmark::Counter::kIsRate);
    if (tcp)
        ::close(client);
}

// A log file read out by "logg:down": from the command's line handed to the
// handler to the file's last byte taken by the connection, over TCP on the
// loopback to a client that reads everything as it comes, on a thread of its
// own. The handler reads the file in pieces, joins its lines with the record
// separator, turns the text into Latin-1 bytes and hands them to the
// transport, waiting for room while the client lags. A day's log at the
// shortest interval is some 10 MB, and a log of some days tens of MB, all of
// it on the device's one core.
//
// Goal: at most 40 instructions a byte of the log, counted with callgrind
// (--toggle-collect='measured*' --benchmark_filter=BM_LogfileDownload) and
// divided by the iterations and the file's size (the counter log_bytes).
// With the allocator set up as the program's, which maps every block from
// 16 KB on by itself, at most 1.2 times the CPU time the download takes with
// glibc's default setting.
// Measured: see the cost table in bench/README.md.
constexpr int LOG_BYTES = 4 * 1024 * 1024;
const QString LOG_NAME = QStringLiteral("01012026_080000000");

// Lines as the logger writes them, the degree sign in UTF-8 among them.
QByteArray logfileOfSize(int pBytes)
{
    QByteArray content = "ZTM8800\r\nSerial number: 1\r\nStart time: 01/01/2026 08:00:00\r\n\r\n"
                         "Date;Time;Channel;Temperature value;Unit;Raw value;Unit;Temperature difference;Unit;"
                         "Raw value difference;Unit\r\n";
    for (int n = 1; content.size() < pBytes; ++n)
        content += "01/01/2026;08:00:00;Channel 1;" + QByteArray::number(20.0 + n % 1000 / 1000.0, 'f', 4) +
                   ";\xC2\xB0"
                   "C;107.79000;R;;;;\r\n";
    return content.left(pBytes);
}

// Reads up to the reply's line end; the bytes received, -1 when the connection broke.
qint64 readReply(int pClient)
{
    char buffer[64 * 1024];
    qint64 received = 0;
    char last[2] = {0, 0};
    while (last[0] != '\r' || last[1] != '\n') {
        const ssize_t n = ::read(pClient, buffer, sizeof buffer);
        if (n <= 0)
            return -1;
        received += n;
        last[0] = n > 1 ? buffer[n - 2] : last[1];
        last[1] = buffer[n - 1];
    }
    return received;
}

// The handler behind the TCP transport on a free port, with one blocking
// client connected; client is -1 when it could not connect.
struct TTCPInstrument
{
    explicit TTCPInstrument(TLogfileController* pLogger)
        : mHandler(nullptr, nullptr, nullptr, nullptr, pLogger)
        , mPort(TTestEnvironment::useFreeRemotePort(TTamarindSettings::instance()))
    {
        mConfiguration = TEthernetConfigurationControllerFactory().createEthernetConfigurationController("eth0");
        mConfiguration->loadSettings();
        mTransport = std::make_unique<TEthernetCommunicationInterface>(&mHandler, mConfiguration.get());
        mClient = connectClient(mPort);
        if (mClient >= 0 && !QTest::qWaitFor([this] { return mTransport->hasClient(); }, 10000)) {
            ::close(mClient);
            mClient = -1;
        }
    }
    ~TTCPInstrument()
    {
        if (mClient >= 0)
            ::close(mClient);
    }

    TExternalCommunicationHandler mHandler;
    quint16 mPort;
    std::unique_ptr<TAbstractEthernetConfigurationController> mConfiguration;
    std::unique_ptr<TEthernetCommunicationInterface> mTransport;
    int mClient = -1;
};

void BM_LogfileDownload(benchmark::State& pState)
{
    TLoggerFixture fixture;
    QString problem;
    if (!fixture.putLogfile(LOG_NAME, logfileOfSize(LOG_BYTES), 0, &problem)) {
        pState.SkipWithError(qPrintable(problem));
        return;
    }
    TLogfileController& logger = fixture.buildLogger();
    TTCPInstrument instrument(&logger);
    if (instrument.mClient < 0) {
        pState.SkipWithError("no connection to the instrument");
        return;
    }
    TExternalCommunicationHandler& handler = instrument.mHandler;
    TEthernetCommunicationInterface& transport = *instrument.mTransport;
    const int client = instrument.mClient;
    handler.processIncomingString(&transport, QStringLiteral("syst:remo\r"));
    const QString command = QStringLiteral("logg:down '%1'\r").arg(LOG_NAME);

    for (auto _ : pState) {
        std::atomic<qint64> received{0};
        std::atomic<bool> read{false};
        QObject wakeUp;
        std::thread reader([&] {
            received = readReply(client);
            read = true;
            QMetaObject::invokeMethod(
                &wakeUp, [] {}, Qt::QueuedConnection);
        });
        // The file leaves in pieces on turns of the event loop: the transport
        // may stand empty between two of them.
        measured([&] {
            handler.processIncomingString(&transport, command);
            while (!read)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        });
        reader.join();
        if (received <= 0) {
            pState.SkipWithError("the download broke");
            break;
        }
    }
    pState.SetBytesProcessed(pState.iterations() * LOG_BYTES);
    pState.counters["log_bytes"] = LOG_BYTES;
}
// A client's batch of commands in one write over TCP on the loopback, from
// the first byte the transport reads to the last reply taken by the
// connection; the client reads the replies as they come, on a thread of its
// own. 10,000 "*idn?" (0) or 10,000 setters, "syst:ackn 1" (1), each
// answered with a line. The handler runs them in turns of a few milliseconds
// with a turn of the event loop between: per command they cost about what
// the command's own work costs.
//
// Goal: at most 1.2 times the instructions per command of a build that ran
// the whole batch at once, counted with callgrind
// (--toggle-collect='measured*', one argument a run:
// --benchmark_filter=BM_CommandBatch/setters:0/ and /setters:1/, since one
// run of both sums them in one file) and divided by the iterations and the
// counter commands. Measured: see the cost
// table in bench/README.md.
constexpr int BATCH_COMMANDS = 10000;

void BM_CommandBatch(benchmark::State& pState)
{
    const QByteArray command = pState.range(0) == 0 ? "*idn?\r" : "syst:ackn 1\r";
    const QByteArray batch = command.repeated(BATCH_COMMANDS);
    TTCPInstrument instrument(nullptr);
    if (instrument.mClient < 0) {
        pState.SkipWithError("no connection to the instrument");
        return;
    }
    const int client = instrument.mClient;
    QObject wakeUp;
    for (auto _ : pState) {
        std::atomic<bool> answered{false};
        std::thread peer([&] {
            if (::write(client, batch.constData(), size_t(batch.size())) == ssize_t(batch.size())) {
                char buffer[64 * 1024];
                int lines = 0;
                while (lines < BATCH_COMMANDS) {
                    const ssize_t n = ::read(client, buffer, sizeof buffer);
                    if (n <= 0)
                        break;
                    lines += int(std::count(buffer, buffer + n, '\n'));
                }
            }
            answered = true;
            QMetaObject::invokeMethod(
                &wakeUp, [] {}, Qt::QueuedConnection);
        });
        measured([&] {
            while (!answered)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        });
        peer.join();
    }
    pState.counters["commands"] = BATCH_COMMANDS;
    pState.counters["commands_per_second"] =
        benchmark::Counter(double(pState.iterations() * BATCH_COMMANDS), benchmark::Counter::kIsRate);
}
} // namespace

BENCHMARK(BM_IdentificationRoundTrip)
    ->ArgName("transport")
    ->Arg(tTCP)
    ->Arg(tSerialLine)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_LogfileDownload)->Iterations(4)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommandBatch)
    ->ArgName("setters")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(4)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
