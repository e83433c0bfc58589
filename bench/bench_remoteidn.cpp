// One "*idn?" round trip of a remote client over TCP on the loopback: the
// client's line to the TCP transport, the handler's framing, parsing and
// identification line (with the board's identity already known), the reply
// back to the client. Clients poll the identity to find and watch the
// instrument; the goal is a median of at most 0.2 ms, over 5,000 queries a
// second, on a connection with TCP_NODELAY.

#include "benchsupport.h"
#include "boardsimulator.h"
#include "deviceroot.h"
#include "ethernetcommunicationinterface.h"
#include "ethernetconfigurationcontroller.h"
#include "externalcommunicationhandler.h"
#include "instrumentinfo.h"
#include "intcommcontroller.h"
#include "internalscpihandler.h"
#include "tamarindsettings.h"

#include <QApplication>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>

namespace
{
// The instrument's side, on a thread of its own with its event loop, as in the program.
class TInstrumentSide
{
public:
    explicit TInstrumentSide(quint16 pPort)
    {
        TTamarindSettings::instance().setValue(QStringLiteral("ethernet"), QStringLiteral("port"),
                                               QString::number(pPort));
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
            },
            Qt::BlockingQueuedConnection);
    }

    ~TInstrumentSide()
    {
        QMetaObject::invokeMethod(
            &mAnchor,
            [this] {
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
};

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

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

// Sends the query and reads up to the reply's line end; false when the line broke.
bool query(int pClient, const char* pQuery, size_t pLength, char* pReply, size_t pReplySize)
{
    if (::send(pClient, pQuery, pLength, 0) != ssize_t(pLength))
        return false;
    size_t received = 0;
    while (received < 2 || pReply[received - 2] != '\r' || pReply[received - 1] != '\n') {
        const ssize_t n = ::recv(pClient, pReply + received, pReplySize - received, 0);
        if (n <= 0 || received + size_t(n) >= pReplySize)
            return false;
        received += size_t(n);
    }
    return true;
}

void BM_IdentificationRoundTrip(benchmark::State& pState)
{
    const quint16 port = freePort();
    TInstrumentSide instrument(port);
    const int client = connectClient(port);
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
    ::close(client);
}
} // namespace

BENCHMARK(BM_IdentificationRoundTrip)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
